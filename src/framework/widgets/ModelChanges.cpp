#include "framework/widgets/ModelChanges.h"

#include <QAbstractItemModel>

void onAnyRowChange(const QAbstractItemModel& model, const QObject* context,
                    const std::function<void()>& changed) {
    const auto call = [changed] { changed(); };
    QObject::connect(&model, &QAbstractItemModel::rowsInserted, context, call);
    QObject::connect(&model, &QAbstractItemModel::rowsRemoved, context, call);
    QObject::connect(&model, &QAbstractItemModel::rowsMoved, context, call);
    QObject::connect(&model, &QAbstractItemModel::dataChanged, context, call);
    QObject::connect(&model, &QAbstractItemModel::layoutChanged, context, call);
    QObject::connect(&model, &QAbstractItemModel::modelReset, context, call);
}
