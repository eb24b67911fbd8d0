#include "LightStr/SignFont.h"

#include "framework/text/FontFaceMap.h"

#include <QFontMetrics>
#include <algorithm>
#include <cstdint>

namespace {

constexpr int kDefaultPixels = 12;

} // namespace

bool SignFont::vertical() const {
    return FontFaceMap::isVertical(name);
}

QFont SignFont::toQFont() const {
    QFont font(FontFaceMap::family(name));
    font.setBold((style & kBold) != 0);
    font.setItalic((style & kItalic) != 0);
    font.setUnderline((style & kUnderline) != 0);
    font.setStrikeOut((style & kStrikeOut) != 0);
    font.setStyleStrategy(smoothing ? QFont::PreferAntialias : QFont::NoAntialias);
    font.setHintingPreference(QFont::PreferFullHinting);
    if (height < 0) {
        font.setPixelSize(-height);
    } else if (height == 0) {
        font.setPixelSize(kDefaultPixels);
    } else {
        // The largest size whose cell still fits the asked height, searched from the size
        // the cell's proportion suggests.
        const auto cell = [&font](int pixels) {
            font.setPixelSize(pixels);
            return QFontMetrics(font).height();
        };
        const int atHeight = cell(height);
        int pixels =
            atHeight > 0 ? std::max(1, int(std::int64_t(height) * height / atHeight)) : height;
        while (pixels > 1 && cell(pixels) > height)
            --pixels;
        while (pixels < 2 * height && cell(pixels + 1) <= height)
            ++pixels;
        font.setPixelSize(pixels);
    }
    return font;
}
