#include "LightStr/TLightStr.h"

#include "LightStr/BackingStoreScroll.h"

#include "framework/x11/SystemColor.h"

#include <QCursor>
#include <QGuiApplication>
#include <QPaintEvent>
#include <QPainter>
#include <climits>
#include <cmath>
#include <cstdlib>

namespace {

constexpr int kInitialWidth = 300;
constexpr int kInitialHeight = 34;
constexpr int kInitialInterval = 10;
constexpr int kPointerCheckInterval = 250;

} // namespace

TLightStr::TLightStr(QWidget* parent) : QWidget(parent) {
    resize(kInitialWidth, kInitialHeight);
    SignHost& host = *this;
    engine_ = std::make_unique<SignEngine>(host, kInitialWidth);
    engine_->setScale(devicePixelRatioF());
    timer_.setTimerType(Qt::PreciseTimer);
    timer_.setInterval(kInitialInterval);
    connect(&timer_, &QTimer::timeout, this, &TLightStr::TimerTick);
    // A menu or dialog opened from the sign can take the pointer away without a leave event;
    // while held, the sign looks for the pointer itself so that it never stays stopped.
    pointerCheck_.setInterval(kPointerCheckInterval);
    connect(&pointerCheck_, &QTimer::timeout, this, [this] {
        if (!isVisible() || !rect().contains(mapFromGlobal(QCursor::pos())))
            setHeld(false);
    });
    // Installed fonts changed: the picture is shown again, as after any repaint.
    if (auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        connect(app, &QGuiApplication::fontDatabaseChanged, this, &TLightStr::Paint);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

TLightStr::~TLightStr() {
    timer_.stop();
}

void TLightStr::setFontHeight(int height) {
    // Beyond any sign's size; refused like other out-of-range values.
    if (height > -SignEngine::kMaxExtent && height < SignEngine::kMaxExtent)
        engine_->font().height = height;
}

void TLightStr::Paint() {
    painting_ = true;
    // The dots are drawn at the screen's resolution; a screen of another ratio redraws them.
    engine_->setScale(devicePixelRatioF());
    engine_->paint();
    painting_ = false;
    lastPaint_ = {size(), engine_->direction(), engine_->extent(), devicePixelRatioF()};
}

bool TLightStr::geometryFollowsSettings() const {
    const int extent = engine_->extent();
    const int picture = engine_->pictureLength();
    if (engine_->direction())
        return picture == height() && width() == extent;
    return picture == width() && height() == extent;
}

QRect TLightStr::pictureRect() const {
    const DotGrid& grid = engine_->grid();
    const QSize buffer = engine_->buffer().size();
    return QRect(0, 0, grid.logicalOf(buffer.width()), grid.logicalOf(buffer.height()));
}

void TLightStr::paintEvent(QPaintEvent* event) {
    painted_ = true;
    engine_->ensurePicture();
    engine_->pictureExposed();
    QPainter painter(this);
    const QImage& picture = engine_->buffer().image();
    const QRect shown = pictureRect();
    const qreal scale = engine_->scale();
    if (scale != 1.0 || !shown.contains(event->rect()))
        painter.fillRect(event->rect(), QColor::fromRgb(syscolor::toQRgb(engine_->backColor())));
    if (scale != 1.0) {
        // Device pixel for device pixel; the painter clips to the region asked for.
        painter.drawImage(QRectF(QPointF(0, 0), QSizeF(picture.size()) / scale), picture);
    } else {
        // A scroll step repaints only the strip that entered.
        for (const QRect& area : event->region()) {
            const QRect part = area & shown;
            if (!part.isEmpty())
                painter.drawImage(part, picture, part);
        }
    }
    // A size or orientation change that Paint has not seen yet: snap once the event is over,
    // not while the window system is painting.
    // Only once per change: a parent that holds the control at another size must not make
    // this loop.
    const PaintedGeometry now{size(), engine_->direction(), engine_->extent(), devicePixelRatioF()};
    const bool rescaled = devicePixelRatioF() != scale;
    if (!paintQueued_ && (rescaled || !geometryFollowsSettings()) && now != lastPaint_) {
        paintQueued_ = true;
        QMetaObject::invokeMethod(
            this,
            [this] {
                paintQueued_ = false;
                Paint();
            },
            Qt::QueuedConnection);
    }
}

// The pixels already shown are moved where they are (on the X server, no image transfer);
// only the entering strip is drawn again, straight into the window's backing store where it
// can be.
void TLightStr::presentMoved(int delta) {
    const QRect picture = pictureRect() & rect();
    bool seeThrough = false;
    const QRect moving = uncovered(picture, seeThrough);
    const bool vertical = engine_->direction();
    const int length = vertical ? picture.height() : picture.width();
    // A move of a fraction of a logical pixel cannot be asked of the window system.
    const qreal logical = delta / engine_->scale();
    const bool whole = std::abs(logical - std::round(logical)) < 1e-9;
    if (moving.isEmpty() || !whole || std::abs(logical) >= length) {
        update();
        return;
    }
    delta = int(std::lround(logical));
    // A repaint still owed to the window comes first. One that reached the sign has shown
    // the moved picture in part: all of it is shown again.
    painted_ = false;
    QCoreApplication::sendPostedEvents(window(), QEvent::UpdateRequest);
    if (painted_)
        repaint(picture);
    else if (!scrollInBackingStore(*this, moving, vertical, delta, engine_->buffer().image()))
        scroll(vertical ? 0 : delta, vertical ? delta : 0, moving);
    // A sibling that lets the sign show through has the hidden part keep step too.
    if (seeThrough)
        update(QRegion(picture) - moving);
}

// Qt moves pixels on the screen only where no sibling lies above the control (the
// description bar overlaps the sign by a pixel); a sibling along one edge is cut off.
QRect TLightStr::uncovered(QRect area, bool& seeThrough) const {
    const QWidget* parent = parentWidget();
    if (!parent || isWindow())
        return area;
    const QObjectList& siblings = parent->children();
    for (qsizetype i = siblings.indexOf(this) + 1; i < siblings.size(); ++i) {
        const auto* sibling = qobject_cast<const QWidget*>(siblings[i]);
        if (!sibling || sibling->isWindow() || !sibling->isVisible())
            continue;
        const QRect cover = sibling->geometry().translated(-pos()) & area;
        if (cover.isEmpty())
            continue;
        seeThrough = seeThrough || !(sibling->autoFillBackground() ||
                                     sibling->testAttribute(Qt::WA_OpaquePaintEvent));
        if (cover.left() == area.left() && cover.right() == area.right()) {
            if (cover.top() == area.top())
                area.setTop(cover.bottom() + 1);
            else if (cover.bottom() == area.bottom())
                area.setBottom(cover.top() - 1);
            else
                return {};
        } else if (cover.top() == area.top() && cover.bottom() == area.bottom()) {
            if (cover.left() == area.left())
                area.setLeft(cover.right() + 1);
            else if (cover.right() == area.right())
                area.setRight(cover.left() - 1);
            else
                return {};
        } else {
            return {};
        }
    }
    return area;
}

void TLightStr::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (engine_ && !painting_)
        Paint();
}

void TLightStr::mouseDoubleClickEvent(QMouseEvent* event) {
    QWidget::mouseDoubleClickEvent(event);
    const auto handler = OnDblClick;
    if (handler)
        handler(this);
}

void TLightStr::setTimerRunning(bool running) {
    timerWanted_ = running;
    applyTimer();
}

void TLightStr::setPauseOnHover(bool pause) {
    pauseOnHover_ = pause;
    setHeld(pause && underMouse());
}

void TLightStr::setHeld(bool held) {
    held_ = held;
    applyTimer();
}

void TLightStr::setAsleep(bool asleep) {
    asleep_ = asleep;
    applyTimer();
}

void TLightStr::applyTimer() {
    if (timerWanted_ && !held_ && !asleep_)
        timer_.start();
    else
        timer_.stop();
    // Asleep, the pointer is looked for again on waking.
    if (!held_ || asleep_)
        pointerCheck_.stop();
    else if (!pointerCheck_.isActive())
        pointerCheck_.start();
}

void TLightStr::enterEvent(QEnterEvent* event) {
    QWidget::enterEvent(event);
    setHeld(pauseOnHover_);
}

void TLightStr::leaveEvent(QEvent* event) {
    QWidget::leaveEvent(event);
    setHeld(false);
}

void TLightStr::setTimerInterval(unsigned milliseconds) {
    timer_.setInterval(int(std::min<unsigned>(milliseconds, INT_MAX)));
}

// Handlers are copied before the call: one may replace itself while it runs.
void TLightStr::lineNext(int index) {
    const auto handler = OnLineNext;
    if (handler)
        handler(this, index);
}

void TLightStr::lineEof() {
    const auto handler = OnLineEof;
    if (handler)
        handler(this);
}

void TLightStr::showActiveChanged(bool active) {
    const auto handler = OnShowActive;
    if (handler)
        handler(this, active);
}
