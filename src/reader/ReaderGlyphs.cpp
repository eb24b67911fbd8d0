#include "reader/ReaderGlyphs.h"

#include <QPainter>
#include <QPolygonF>
#include <algorithm>
#include <cmath>

namespace readerglyphs {

namespace {

// Drawn without smoothing: blended edges would take on the key colour.
void drawGlyph(QPainter& painter, Glyph glyph, const QColor& colour, double s) {
    painter.setPen(QPen(colour, std::max(1.0, s / 8.0), Qt::SolidLine, Qt::FlatCap));
    painter.setBrush(colour);
    switch (glyph) {
    case Glyph::Back:
        painter.drawPolygon(
            QPolygonF({{0.7 * s, 0.2 * s}, {0.25 * s, 0.5 * s}, {0.7 * s, 0.8 * s}}));
        break;
    case Glyph::Forward:
        painter.drawPolygon(
            QPolygonF({{0.3 * s, 0.2 * s}, {0.75 * s, 0.5 * s}, {0.3 * s, 0.8 * s}}));
        break;
    case Glyph::Refresh:
        painter.setBrush(Qt::NoBrush);
        painter.drawArc(QRectF(0.2 * s, 0.2 * s, 0.6 * s, 0.6 * s), 90 * 16, 270 * 16);
        painter.setBrush(colour);
        painter.drawPolygon(
            QPolygonF({{0.45 * s, 0.05 * s}, {0.7 * s, 0.2 * s}, {0.45 * s, 0.35 * s}}));
        break;
    case Glyph::Home:
        painter.drawPolygon(
            QPolygonF({{0.5 * s, 0.12 * s}, {0.88 * s, 0.48 * s}, {0.12 * s, 0.48 * s}}));
        painter.drawRect(QRectF(0.25 * s, 0.48 * s, 0.5 * s, 0.38 * s));
        break;
    }
}

} // namespace

QImage strip(Glyph glyph, int size, qreal ratio) {
    const int device = std::max(1, int(std::lround(size * ratio)));
    QImage image(2 * device, device, QImage::Format_RGB32);
    image.fill(QColor(255, 0, 255));
    {
        QPainter painter(&image);
        drawGlyph(painter, glyph, QColor(0, 0, 0), device);
        painter.translate(device, 0);
        drawGlyph(painter, glyph, QColor(128, 128, 128), device);
    }
    image.setDevicePixelRatio(qreal(device) / size);
    return image;
}

} // namespace readerglyphs
