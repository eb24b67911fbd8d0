#pragma once

#include <QObject>
#include <functional>

class QAbstractItemModel;

// Runs `changed` after every change of the model's rows: inserted, removed, edited, sorted
// or replaced. The connections end with `context`.
void onAnyRowChange(const QAbstractItemModel& model, const QObject* context,
                    const std::function<void()>& changed);
