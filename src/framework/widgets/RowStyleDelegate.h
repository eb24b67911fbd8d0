#pragma once

#include <QColor>
#include <QStyledItemDelegate>
#include <functional>

// How one row of a list is drawn. An invalid text colour keeps the list's own.
struct RowStyle {
    QColor background;
    QColor text;
    bool bold = false;
};

// Draws every row of a list in the style its row index is given at the moment it is
// painted, so the style follows rows that move and colours that change.
class RowStyleDelegate : public QStyledItemDelegate {
public:
    using StyleOf = std::function<RowStyle(int row)>;

    RowStyleDelegate(StyleOf styleOf, QObject* parent);

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;

private:
    StyleOf styleOf_;
};
