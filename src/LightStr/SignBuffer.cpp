#include "LightStr/SignBuffer.h"

#include "LightStr/DotCell.h"

#include <QPainter>
#include <cstdlib>
#include <cstring>

SignBuffer::SignBuffer() : image_(1, 1, QImage::Format_RGB32) {
    image_.fill(0xFF000000u);
}

void SignBuffer::resize(QSize size, QRgb fill) {
    size = size.expandedTo(QSize(1, 1));
    if (size == image_.size())
        return;
    QImage resized(size, QImage::Format_RGB32);
    if (resized.isNull())
        return; // keep the old picture rather than none
    resized.fill(fill);
    QPainter painter(&resized);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(0, 0, image_);
    painter.end();
    image_ = std::move(resized);
}

void SignBuffer::fill(QRgb colour) {
    image_.fill(colour);
}

void SignBuffer::shift(bool vertical, int delta) {
    const int width = image_.width();
    const int height = image_.height();
    const int distance = std::abs(delta);
    QRgb* bits = pixels();
    const qsizetype line = stride();
    if (!vertical) {
        if (distance >= width || delta == 0)
            return;
        // The rows lie one after another, so one block move shifts them all; only the strip
        // at the entry edge would take pixels of the neighbouring row, and it keeps its own.
        const int stripX = delta < 0 ? width - distance : 0;
        strip_.resize(std::size_t(height) * std::size_t(distance));
        QRgb* saved = strip_.data();
        for (int y = 0; y < height; ++y, saved += distance)
            std::memcpy(saved, bits + y * line + stripX, std::size_t(distance) * sizeof(QRgb));
        const std::size_t bytes = (std::size_t(height) * line - distance) * sizeof(QRgb);
        if (delta < 0)
            std::memmove(bits, bits + distance, bytes);
        else
            std::memmove(bits + distance, bits, bytes);
        saved = strip_.data();
        for (int y = 0; y < height; ++y, saved += distance)
            std::memcpy(bits + y * line + stripX, saved, std::size_t(distance) * sizeof(QRgb));
        return;
    }
    if (distance >= height || delta == 0)
        return;
    const std::size_t bytes = std::size_t(height - distance) * line * sizeof(QRgb);
    if (delta < 0)
        std::memmove(bits, bits + distance * line, bytes);
    else
        std::memmove(bits + distance * line, bits, bytes);
}

void SignBuffer::drawColumn(int bit, bool vertical, int extent, int first, int count, int entry,
                            const QRgb* dots, QRgb back) {
    const DotCell& cell = DotCell::forBit(bit);
    QRgb* bits = pixels();
    const qsizetype line = stride();
    for (int i = 0; i < count; ++i) {
        const int across = bit * (first + i);
        const QRgb dot = dots[i];
        if (!vertical) {
            for (const DotOffset& d : cell.dot)
                put(bits, line, entry + d.along, across + d.across, dot);
            for (const DotOffset& b : cell.background)
                put(bits, line, entry + b.along, across + b.across, back);
            continue;
        }
        for (const DotOffset& d : cell.dot)
            put(bits, line, extent - (across + d.across), entry + d.along, dot);
        for (const DotOffset& b : cell.background)
            put(bits, line, across + b.across, entry + b.along, back);
    }
}

void SignBuffer::drawIdleDot(int bit, bool vertical, int column, int row, QRgb dark) {
    QRgb* bits = pixels();
    const qsizetype line = stride();
    for (int i = 1; i < bit; ++i) {
        for (int j = 1; j < bit; ++j) {
            const int along = bit * column + i;
            const int across = bit * row + j;
            if (vertical)
                put(bits, line, across, along, dark);
            else
                put(bits, line, along, across, dark);
        }
    }
}

void SignBuffer::drawGridColumn(const DotGrid& grid, bool vertical, int rows, int entry,
                                const QRgb* dots, QRgb back) {
    const int pitch = grid.pitch();
    for (int row = 0; row < rows; ++row) {
        if (vertical)
            drawGridCell(grid, (rows - 1 - row) * pitch, entry, dots[row], &back);
        else
            drawGridCell(grid, entry, row * pitch, dots[row], &back);
    }
}

void SignBuffer::drawGridIdleDot(const DotGrid& grid, bool vertical, int column, int across,
                                 QRgb dark) {
    const int along = column * grid.pitch();
    const int side = across * grid.pitch();
    if (vertical)
        drawGridCell(grid, side, along, dark, nullptr);
    else
        drawGridCell(grid, along, side, dark, nullptr);
}

void SignBuffer::drawGridCell(const DotGrid& grid, int left, int top, QRgb dot, const QRgb* back) {
    QRgb* bits = pixels();
    const qsizetype line = stride();
    const int pitch = grid.pitch();
    for (int y = 0; y < pitch; ++y) {
        for (int x = 0; x < pitch; ++x) {
            if (grid.isDot(x, y))
                put(bits, line, left + x, top + y, dot);
            else if (back)
                put(bits, line, left + x, top + y, *back);
        }
    }
}
