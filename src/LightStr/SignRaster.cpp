#include "LightStr/SignRaster.h"

#include "framework/text/Cp932.h"
#include "framework/text/Cp932ExtraCodes.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <cstdint>
#include <vector>

namespace {

constexpr QRgb kWhite = 0xFFFFFFFFu;
// Keeps a pathological line (huge font, endless text) from asking for gigabytes; anything
// past this many pixels is clipped.
constexpr std::int64_t kMaxPixels = std::int64_t(1) << 26;

// A piece of a line: a run of characters drawn as they are, or one full-width character to be
// turned upright.
struct Segment {
    QString text;
    bool turned;
};

// Full-width marks that vertical writing lays along the line: long vowel marks, dashes, wave
// dashes, ellipses, brackets. They are left as drawn, so that the sign turns them with the line.
bool runsWithTheLine(const QString& character) {
    static const QString kMarks =
        QStringLiteral(u"\u30FC\u2015\u2010\u2014\u301C\uFF5E\u2026\u2025\uFF0D\uFF1D\uFF1A\uFF1B"
                       u"\uFF08\uFF09\u300C\u300D\u300E\u300F\u3010\u3011\u3014\u3015"
                       u"\uFF3B\uFF3D\uFF5B\uFF5D\u3008\u3009\u300A\u300B\uFF1C\uFF1E");
    return character.size() == 1 && kMarks.contains(character.front());
}

// A letter beyond code page 932 that is narrow, as Latin, Greek and Cyrillic ones are, lies
// along the line like half-width text, though its code takes two bytes.
bool isNarrowExtra(unsigned char lead, const QString& character) {
    return Cp932ExtraCodes::isAreaLead(lead) && character.size() == 1 &&
           character.front().unicode() < 0x1100;
}

std::vector<Segment> splitFullWidth(const std::string& cp932Text) {
    std::vector<Segment> segments;
    std::size_t runStart = 0;
    const auto flushRun = [&](std::size_t end) {
        if (end > runStart)
            segments.push_back(
                {cp932::toQString(cp932Text.substr(runStart, end - runStart)), false});
    };
    for (std::size_t i = 0; i < cp932Text.size();) {
        if (cp932::isLeadByte(static_cast<unsigned char>(cp932Text[i])) &&
            i + 1 < cp932Text.size()) {
            const QString character = cp932::toQString(cp932Text.substr(i, 2));
            if (!runsWithTheLine(character) &&
                !isNarrowExtra(static_cast<unsigned char>(cp932Text[i]), character)) {
                flushRun(i);
                segments.push_back({character, true});
                runStart = i + 2;
            }
            i += 2;
        } else {
            ++i;
        }
    }
    flushRun(cp932Text.size());
    return segments;
}

} // namespace

SignRaster::SignRaster() {
    reset(0, 0);
}

void SignRaster::reset(int columns, int rows) {
    columns = std::max(columns, 1);
    rows = std::max(rows, 1);
    columns = int(std::min<std::int64_t>(columns, kMaxPixels / rows));
    image_ = QImage(columns, rows, QImage::Format_RGB32);
    if (image_.isNull())
        image_ = QImage(1, 1, QImage::Format_RGB32);
    image_.fill(kWhite);
}

void SignRaster::render(const std::string& cp932Text, const SignFont& font, int top, int rows) {
    const QFont qfont = font.toQFont();
    const QFontMetrics metrics(qfont);

    // The whole raster is cleared, not only the text's cell, so nothing of the previous line
    // can survive in the margins.
    if (!font.vertical()) {
        const QString text = cp932::toQString(cp932Text);
        reset(metrics.horizontalAdvance(text), rows);
        QPainter painter(&image_);
        painter.setFont(qfont);
        painter.setPen(Qt::black);
        painter.drawText(0, top + metrics.ascent(), text);
        return;
    }

    // Vertical writing: each full-width glyph is turned a quarter counter-clockwise inside
    // its own advance cell, so it stands upright once the sign turns the raster clockwise.
    const std::vector<Segment> segments = splitFullWidth(cp932Text);
    std::vector<int> advances;
    int width = 0;
    for (const Segment& segment : segments) {
        advances.push_back(metrics.horizontalAdvance(segment.text));
        width += advances.back();
    }
    reset(width, rows);
    QPainter painter(&image_);
    painter.setFont(qfont);
    painter.setPen(Qt::black);
    const qreal cellHeight = metrics.height();
    // Turned glyphs are centred on the text rows, so a font a little taller than the rows
    // loses the same sliver on both sides of the glyph.
    const qreal middle = top + std::max(1, rows - 2 * top) / 2.0;
    int x = 0;
    for (std::size_t i = 0; i < segments.size(); ++i) {
        const int advance = advances[i];
        if (segments[i].turned) {
            painter.save();
            painter.translate(x + advance / 2.0, middle);
            painter.rotate(-90);
            painter.drawText(QPointF(-advance / 2.0, -cellHeight / 2.0 + metrics.ascent()),
                             segments[i].text);
            painter.restore();
        } else {
            painter.drawText(x, top + metrics.ascent(), segments[i].text);
        }
        x += advance;
    }
}

void SignRaster::makeBlank(int columns) {
    reset(columns, image_.height());
}

bool SignRaster::isLit(int column, int row) const {
    if (column < 0 || row < 0 || column >= image_.width() || row >= image_.height())
        return false;
    const QRgb pixel = reinterpret_cast<const QRgb*>(image_.constScanLine(row))[column];
    return (pixel & 0x00FFFFFFu) != 0x00FFFFFFu;
}
