#include "LightStr/BackingStoreScroll.h"

#include <QBackingStore>
#include <QImage>
#include <QPainter>
#include <QWidget>
#include <QWindow>
#include <cstdlib>
#include <cstring>

namespace {

// Whether the widget's pixels lie in its top-level window's backing store as painted.
bool paintsIntoWindowStore(const QWidget& widget, const QWidget& top) {
    for (const QWidget* w = &widget; w && w != &top; w = w->parentWidget())
        if (w->internalWinId() != 0 || w->graphicsEffect())
            return false;
    return true;
}

// The part of the widget that its parents leave to be seen, in window coordinates.
QRect shownInWindow(const QWidget& widget, const QWidget& top) {
    QRect shown(widget.mapTo(&top, QPoint(0, 0)), widget.size());
    for (const QWidget* w = widget.parentWidget(); w && !shown.isEmpty(); w = w->parentWidget()) {
        shown &= QRect(w->mapTo(&top, QPoint(0, 0)), w->size());
        if (w == &top)
            break;
    }
    return shown;
}

// What the store can really be written at: its size, and the image it paints into.
QRect storeRect(QBackingStore& store) {
    QRect rect(QPoint(0, 0), store.size());
    if (const auto* image = dynamic_cast<const QImage*>(store.paintDevice()))
        rect &= image->rect();
    return rect;
}

QRect enteringStrip(QRect area, bool vertical, int delta) {
    const int distance = std::abs(delta);
    if (vertical) {
        if (delta < 0)
            area.setTop(area.bottom() - distance + 1);
        else
            area.setBottom(area.top() + distance - 1);
    } else {
        if (delta < 0)
            area.setLeft(area.right() - distance + 1);
        else
            area.setRight(area.left() + distance - 1);
    }
    return area;
}

void copyStrip(QPaintDevice* device, QPoint offset, QRect strip, const QImage& picture) {
    auto* image = dynamic_cast<QImage*>(device);
    const bool sameBits = image && picture.format() == QImage::Format_RGB32 &&
                          (image->format() == QImage::Format_RGB32 ||
                           image->format() == QImage::Format_ARGB32_Premultiplied);
    if (!sameBits) {
        QPainter painter(device);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(strip.translated(offset), picture, strip);
        return;
    }
    const std::size_t bytes = std::size_t(strip.width()) * sizeof(QRgb);
    for (int y = strip.top(); y <= strip.bottom(); ++y)
        std::memcpy(image->scanLine(y + offset.y()) + (strip.left() + offset.x()) * sizeof(QRgb),
                    picture.constScanLine(y) + strip.left() * sizeof(QRgb), bytes);
}

} // namespace

bool scrollInBackingStore(QWidget& widget, QRect area, bool vertical, int delta,
                          const QImage& picture) {
    QWidget* top = widget.window();
    QBackingStore* store = top->backingStore();
    QWindow* handle = top->windowHandle();
    if (!store || !handle || !handle->isExposed() || !widget.isVisible() ||
        !widget.updatesEnabled() || handle->devicePixelRatio() != 1.0 || !store->paintDevice() ||
        !paintsIntoWindowStore(widget, *top))
        return false;
    const QPoint offset = widget.mapTo(top, QPoint(0, 0));
    // The sign may reach past its parent's and the window's edges (a pixel past the right
    // one, and past the bottom when it is taller than the window): only what can be seen is
    // moved and drawn. A store that does not cover that yet (a resize not yet applied to it)
    // is left to a repaint.
    const QRect windowArea = (area & QRect(QPoint(0, 0), picture.size())).translated(offset) &
                             shownInWindow(widget, *top);
    if (windowArea.isEmpty() || !storeRect(*store).contains(windowArea))
        return false;
    area = windowArea.translated(-offset);
    if (std::abs(delta) >= (vertical ? area.height() : area.width()))
        return false;

    const QPoint shift = vertical ? QPoint(0, delta) : QPoint(delta, 0);
    // Only the part whose pixels stay inside: a destination cut at the window's edge would
    // not move at all.
    const QRect staying = windowArea & windowArea.translated(-shift);
    if (!store->scroll(QRegion(staying), shift.x(), shift.y()))
        return false;

    const QRect strip = enteringStrip(area, vertical, delta);
    store->beginPaint(QRegion(strip.translated(offset)));
    copyStrip(store->paintDevice(), offset, strip, picture);
    store->endPaint();
    store->flush(QRegion(windowArea), handle);
    return true;
}
