#include "framework/widgets/RowStyleDelegate.h"

#include <utility>

RowStyleDelegate::RowStyleDelegate(StyleOf styleOf, QObject* parent)
    : QStyledItemDelegate(parent), styleOf_(std::move(styleOf)) {}

void RowStyleDelegate::initStyleOption(QStyleOptionViewItem* option,
                                       const QModelIndex& index) const {
    QStyledItemDelegate::initStyleOption(option, index);
    const RowStyle style = styleOf_(index.row());
    option->backgroundBrush = style.background;
    if (style.text.isValid())
        option->palette.setColor(QPalette::Text, style.text);
    if (style.bold)
        option->font.setBold(true);
}
