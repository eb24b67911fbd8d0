#pragma once

#include "LightStr/DotGrid.h"

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

    // The same at a scaled grid (DotGrid::unscaled false): whole cells of `grid.pitch()` device
    // pixels, dot row 0 at the top (horizontal) or in the rightmost of `rows` cells across
    // (vertical); each cell's gap takes `back`.
    void drawGridColumn(const DotGrid& grid, bool vertical, int rows, int entry, const QRgb* dots,
                        QRgb back);
    // The unlit dot of the scaled grid in the cell `column` cells along and `across` cells
    // across; its gap keeps what the buffer holds.
    void drawGridIdleDot(const DotGrid& grid, bool vertical, int column, int across, QRgb dark);

private:
    // The cell whose top-left device pixel is (left, top); the gap in `*back` when given.
    void drawGridCell(const DotGrid& grid, int left, int top, QRgb dot, const QRgb* back);
    void put(QRgb* bits, qsizetype stride, int x, int y, QRgb colour) {
        if (x >= 0 && y >= 0 && x < image_.width() && y < image_.height())
            bits[y * stride + x] = colour;
    }
    QRgb* pixels() { return reinterpret_cast<QRgb*>(image_.bits()); }
    qsizetype stride() const { return image_.bytesPerLine() / qsizetype(sizeof(QRgb)); }

    QImage image_;
    std::vector<QRgb> strip_; // the entry strip, kept across a horizontal shift
};
