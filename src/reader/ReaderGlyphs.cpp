#include "reader/ReaderGlyphs.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

namespace readerglyphs {

QPixmap draw(Glyph glyph, const QColor& colour, int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(colour, size / 8.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(colour);
    const double s = size;
    switch (glyph) {
    case Glyph::Back:
        painter.drawPolygon(
            QPolygonF({{0.7 * s, 0.2 * s}, {0.25 * s, 0.5 * s}, {0.7 * s, 0.8 * s}}));
        break;
    case Glyph::Forward:
        painter.drawPolygon(
            QPolygonF({{0.3 * s, 0.2 * s}, {0.75 * s, 0.5 * s}, {0.3 * s, 0.8 * s}}));
        break;
    case Glyph::Refresh: {
        painter.setBrush(Qt::NoBrush);
        const QRectF circle(0.2 * s, 0.2 * s, 0.6 * s, 0.6 * s);
        painter.drawArc(circle, 90 * 16, 270 * 16);
        painter.setBrush(colour);
        painter.drawPolygon(
            QPolygonF({{0.5 * s, 0.05 * s}, {0.7 * s, 0.2 * s}, {0.5 * s, 0.35 * s}}));
        break;
    }
    case Glyph::Home:
        painter.drawPolygon(
            QPolygonF({{0.5 * s, 0.12 * s}, {0.88 * s, 0.48 * s}, {0.12 * s, 0.48 * s}}));
        painter.drawRect(QRectF(0.25 * s, 0.48 * s, 0.5 * s, 0.38 * s));
        break;
    }
    return pixmap;
}

} // namespace readerglyphs
