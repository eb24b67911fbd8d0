#include "options/ColourSwatch.h"

#include "SpeedButtonEX/TSpeedButtonEX.h"
#include "framework/x11/SystemColor.h"

#include <QColorDialog>
#include <QPainter>

namespace {
constexpr int kButtonSize = 27;
constexpr int kSwatchSize = 25;
} // namespace

ColourSwatch::ColourSwatch(const QString& label, QWidget* parent)
    : QWidget(parent), button_(new TSpeedButtonEX(this)) {
    setFixedSize(kButtonSize, kButtonSize);
    button_->setGeometry(0, 0, kButtonSize, kButtonSize);
    button_->setCursor(Qt::PointingHandCursor);
    button_->setAccessibleName(label);
    button_->setToolTip(label);
    button_->setBorderHighlight(TSpeedButtonEX::clBtnHighlight);
    button_->setBorderShadow(TSpeedButtonEX::clBtnShadow);
    button_->setDownTransparent(true);
    connect(button_, &TSpeedButtonEX::clicked, this, &ColourSwatch::clicked);
}

void ColourSwatch::setColour(Colour colour) {
    colour_ = colour;
    update();
}

std::optional<Colour> ColourSwatch::choose() {
    const QColor chosen = QColorDialog::getColor(QColor::fromRgb(syscolor::toQRgb(colour_)),
                                                 window(), button_->accessibleName());
    if (!chosen.isValid())
        return std::nullopt;
    return syscolor::fromQRgb(chosen.rgb());
}

void ColourSwatch::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QColor(0x80, 0x80, 0x80));
    painter.setBrush(QColor::fromRgb(syscolor::toQRgb(colour_)));
    const int inset = (kButtonSize - kSwatchSize) / 2;
    painter.drawRoundedRect(QRectF(inset + 0.5, inset + 0.5, kSwatchSize - 1, kSwatchSize - 1), 4,
                            4);
}
