#include "LightStr/SignRaster.h"

#include "framework/text/Cp932.h"
#include "framework/text/Cp932Encoder.h"
#include "framework/text/Utf8.h"

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

// A character that takes two bytes in code page 932 is full width and stands upright; so
// does one that code page 932 lacks, unless it is a narrow letter, as Latin, Greek and
// Cyrillic ones are, which lies along the line like half-width text.
bool standsUpright(char32_t code) {
    if (cp932::width(code) == 1)
        return false;
    return Cp932Encoder::instance().hasForm(code) || code >= 0x1100;
}

std::vector<Segment> splitFullWidth(const std::string& text) {
    const QString line = utf8::toQString(text);
    std::vector<Segment> segments;
    qsizetype runStart = 0;
    const auto flushRun = [&](qsizetype end) {
        if (end > runStart)
            segments.push_back({line.sliced(runStart, end - runStart), false});
    };
    for (qsizetype i = 0; i < line.size();) {
        const qsizetype length = line[i].isHighSurrogate() && i + 1 < line.size() ? 2 : 1;
        const QString character = line.sliced(i, length);
        if (standsUpright(character.toUcs4().front()) && !runsWithTheLine(character)) {
            flushRun(i);
            segments.push_back({character, true});
            runStart = i + length;
        }
        i += length;
    }
    flushRun(line.size());
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

void SignRaster::render(const std::string& utf8Text, const SignFont& font, int top, int rows) {
    const QFont qfont = font.toQFont();
    const QFontMetrics metrics(qfont);

    // The whole raster is cleared, not only the text's cell, so nothing of the previous line
    // can survive in the margins.
    if (!font.vertical()) {
        const QString text = utf8::toQString(utf8Text);
        reset(metrics.horizontalAdvance(text), rows);
        QPainter painter(&image_);
        painter.setFont(qfont);
        painter.setPen(Qt::black);
        painter.drawText(0, top + metrics.ascent(), text);
        return;
    }

    // Vertical writing: each full-width glyph is turned a quarter counter-clockwise inside
    // its own advance cell, so it stands upright once the sign turns the raster clockwise.
    const std::vector<Segment> segments = splitFullWidth(utf8Text);
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
