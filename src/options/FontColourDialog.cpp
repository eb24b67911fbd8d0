#include "options/FontColourDialog.h"

#include "framework/x11/SystemColor.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>

namespace {

struct BasicColour {
    const char* name;
    Colour colour; // 0x00BBGGRR
};

constexpr BasicColour kBasicColours[] = {
    {QT_TRANSLATE_NOOP("FontColourDialog", "黒"), 0x000000},
    {QT_TRANSLATE_NOOP("FontColourDialog", "栗色"), 0x000080},
    {QT_TRANSLATE_NOOP("FontColourDialog", "緑"), 0x008000},
    {QT_TRANSLATE_NOOP("FontColourDialog", "オリーブ"), 0x008080},
    {QT_TRANSLATE_NOOP("FontColourDialog", "紺"), 0x800000},
    {QT_TRANSLATE_NOOP("FontColourDialog", "紫"), 0x800080},
    {QT_TRANSLATE_NOOP("FontColourDialog", "青緑"), 0x808000},
    {QT_TRANSLATE_NOOP("FontColourDialog", "灰色"), 0x808080},
    {QT_TRANSLATE_NOOP("FontColourDialog", "銀色"), 0xC0C0C0},
    {QT_TRANSLATE_NOOP("FontColourDialog", "赤"), 0x0000FF},
    {QT_TRANSLATE_NOOP("FontColourDialog", "黄緑"), 0x00FF00},
    {QT_TRANSLATE_NOOP("FontColourDialog", "黄"), 0x00FFFF},
    {QT_TRANSLATE_NOOP("FontColourDialog", "青"), 0xFF0000},
    {QT_TRANSLATE_NOOP("FontColourDialog", "赤紫"), 0xFF00FF},
    {QT_TRANSLATE_NOOP("FontColourDialog", "水色"), 0xFFFF00},
    {QT_TRANSLATE_NOOP("FontColourDialog", "白"), 0xFFFFFF},
};

QIcon swatchIcon(Colour colour) {
    QPixmap swatch(16, 12);
    swatch.fill(QColor::fromRgb(syscolor::toQRgb(colour)));
    return QIcon(swatch);
}

} // namespace

FontColourDialog::FontColourDialog(const QFont& font, Colour colour, const QString& title,
                                   QWidget* parent)
    : QFontDialog(font, parent) {
    setWindowTitle(title);
    setOption(QFontDialog::DontUseNativeDialog);
    colours_ = new QComboBox(this);
    colours_->setObjectName(QStringLiteral("FontColour"));
    colours_->setAccessibleName(tr("色"));
    for (const BasicColour& basic : kBasicColours)
        colours_->addItem(swatchIcon(basic.colour), tr(basic.name),
                          QVariant::fromValue(basic.colour));
    int current = colours_->findData(QVariant::fromValue(colour));
    if (current < 0) {
        colours_->addItem(swatchIcon(colour), tr("カスタム"), QVariant::fromValue(colour));
        current = colours_->count() - 1;
    }
    colours_->setCurrentIndex(current);

    auto* row = new QHBoxLayout;
    auto* label = new QLabel(tr("色"), this);
    label->setBuddy(colours_);
    row->addWidget(label);
    row->addWidget(colours_);
    row->addStretch();
    // Under the font's fields, above the dialog's buttons.
    if (auto* grid = qobject_cast<QGridLayout*>(layout())) {
        const int buttonsRow = grid->rowCount() - 1;
        QLayoutItem* buttons = grid->itemAtPosition(buttonsRow, 0);
        grid->addLayout(row, buttonsRow + 1, 0, 1, grid->columnCount());
        if (buttons) {
            grid->removeItem(buttons);
            grid->addItem(buttons, buttonsRow + 2, 0, 1, grid->columnCount());
        }
    } else if (layout()) {
        layout()->addItem(row);
    }
}

Colour FontColourDialog::colour() const {
    return colours_->currentData().value<Colour>();
}

std::optional<FontColourDialog::Choice>
FontColourDialog::choose(const QFont& font, Colour colour, const QString& title, QWidget* parent) {
    FontColourDialog dialog(font, colour, title, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return Choice{dialog.selectedFont(), dialog.colour()};
}
