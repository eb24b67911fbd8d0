#include "SpeedButtonEX/TSpeedButtonEX.h"
#include "framework/x11/SystemColor.h"
#include "reader/ReaderGlyphs.h"

#include <QApplication>
#include <QEnterEvent>
#include <QImage>
#include <gtest/gtest.h>

namespace {

const QColor kParent(200, 30, 40);

struct Swatch {
    QWidget parent;
    TSpeedButtonEX* button;
    Swatch() {
        parent.resize(40, 40);
        parent.setAutoFillBackground(true);
        QPalette palette = parent.palette();
        palette.setColor(QPalette::Window, kParent);
        parent.setPalette(palette);
        button = new TSpeedButtonEX(&parent);
        button->setGeometry(5, 5, 27, 27);
    }
    QImage shot() { return parent.grab().toImage().copy(5, 5, 27, 27); }
    void hover() {
        QEnterEvent enter(QPointF(3, 3), QPointF(3, 3), QPointF(8, 8));
        QApplication::sendEvent(button, &enter);
    }
};

int pixelsNot(const QImage& image, const QColor& colour) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += image.pixelColor(x, y) != colour;
    return count;
}

} // namespace

TEST(TSpeedButtonEX, FlatButtonShowsOnlyAOnePixelRaisedFrameWhenHovered) {
    Swatch swatch;
    EXPECT_EQ(pixelsNot(swatch.shot(), kParent), 0);

    swatch.hover();
    const QImage hovered = swatch.shot();
    const QColor light = QColor::fromRgb(syscolor::toQRgb(TSpeedButtonEX::clBtnHighlight));
    const QColor dark = QColor::fromRgb(syscolor::toQRgb(TSpeedButtonEX::clBtnShadow));
    EXPECT_EQ(hovered.pixelColor(0, 0), light);
    EXPECT_EQ(hovered.pixelColor(0, 20), light);
    EXPECT_EQ(hovered.pixelColor(26, 26), dark);
    EXPECT_EQ(hovered.pixelColor(26, 5), dark);
    EXPECT_EQ(pixelsNot(hovered.copy(1, 1, 25, 25), kParent), 0);
}

TEST(TSpeedButtonEX, DownButtonLetsTheParentShowThroughAroundItsShiftedGlyph) {
    Swatch swatch;
    QImage strip(16, 4, QImage::Format_RGB32); // four 4 x 4 images; white is see-through
    strip.fill(Qt::white);
    strip.setPixelColor(13, 1, Qt::blue); // inside the fourth (down) image, at (1, 1)
    swatch.button->setGlyph(strip);
    swatch.button->setNumGlyphs(4);
    swatch.button->setCheckable(true);
    swatch.button->setChecked(true);

    const QImage down = swatch.shot();
    // Glyph left at (27 - 4 - 3 + 1) / 2 + 1 = 11, top at (27 - 3) / 2 + 1 = 13.
    EXPECT_EQ(down.pixelColor(11 + 1, 13 + 1), QColor(Qt::blue));
    EXPECT_EQ(down.pixelColor(11, 13), kParent);
    const QColor dark = QColor::fromRgb(syscolor::toQRgb(TSpeedButtonEX::clBtnShadow));
    EXPECT_EQ(down.pixelColor(0, 0), dark); // sunken frame
    EXPECT_EQ(pixelsNot(down.copy(1, 1, 25, 25), kParent), 1);
}

TEST(TSpeedButtonEX, AGlyphDrawnForATwiceFinerScreenKeepsItsPlaceAndSize) {
    using readerglyphs::Glyph;
    const QImage fine = readerglyphs::strip(Glyph::Home, 16, 2.0);
    EXPECT_EQ(fine.size(), QSize(64, 32));
    EXPECT_EQ(fine.devicePixelRatio(), 2.0);
    // Drawn anew, not doubled: somewhere two device pixels of one logical pixel differ.
    const QImage coarse = readerglyphs::strip(Glyph::Home, 16);
    EXPECT_NE(fine.convertToFormat(QImage::Format_RGB32),
              coarse.scaled(64, 32).convertToFormat(QImage::Format_RGB32));

    TSpeedButtonEX button;
    button.setNumGlyphs(2);
    button.setGlyph(coarse);
    const QSize hint = button.sizeHint();
    button.setGlyph(fine);
    EXPECT_EQ(button.sizeHint(), hint);
}
