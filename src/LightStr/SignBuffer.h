#pragma once

#include <QImage>
#include <QSize>
#include <vector>

// The sign's whole picture. The engine moves it by one dot pitch per step and draws the one
// entering column of dot cells; the screen only ever gets a copy of all of it. Pixels
// addressed outside the buffer are dropped.
class SignBuffer {
public:
    SignBuffer();

    QSize size() const { return image_.size(); }
    const QImage& image() const { return image_; }

    // Keeps the pixels where old and new areas overlap; the rest takes `fill`.
    void resize(QSize size, QRgb fill);
    void fill(QRgb colour);

    // Copies the picture onto itself `delta` pixels along the scroll axis (x when
    // horizontal, y when vertical). The uncovered strip keeps its pixels.
    void shift(bool vertical, int delta);

    // The dot cell of dot row `row` at `entry` on the scroll axis. Horizontal signs put row 0
    // at the top; vertical ones mirror the dot pixels so that row 0 lies at the right edge of
    // `extent`, while the background pixels are placed unmirrored.
    void drawCell(int bit, bool vertical, int extent, int row, int entry, QRgb dot, QRgb back) {
        drawColumn(bit, vertical, extent, row, 1, entry, &dot, back);
    }

    // The cells of dot rows first .. first + count - 1, in increasing order, row i in
    // dots[i - first]. A pixel written twice keeps the later row's value.
    void drawColumn(int bit, bool vertical, int extent, int first, int count, int entry,
                    const QRgb* dots, QRgb back);

    // The unlit dot of the idle grid at grid column `column`, dot row `row`.
    void drawIdleDot(int bit, bool vertical, int column, int row, QRgb dark);

private:
    void put(QRgb* bits, qsizetype stride, int x, int y, QRgb colour) {
        if (x >= 0 && y >= 0 && x < image_.width() && y < image_.height())
            bits[y * stride + x] = colour;
    }
    QRgb* pixels() { return reinterpret_cast<QRgb*>(image_.bits()); }
    qsizetype stride() const { return image_.bytesPerLine() / qsizetype(sizeof(QRgb)); }

    QImage image_;
    std::vector<QRgb> strip_; // the entry strip, kept across a horizontal shift
};
