#include "ticker/SignPointer.h"

#include "LightStr/TLightStr.h"

#include <QHelpEvent>
#include <QToolTip>
#include <QWheelEvent>
#include <algorithm>

namespace {
constexpr int kNotch = 120; // eighths of a degree per wheel notch
} // namespace

SignPointer::SignPointer(TLightStr& sign, std::function<QString()> hint,
                         std::function<void()> speedChanged)
    : QObject(&sign), sign_(sign), hint_(std::move(hint)), speedChanged_(std::move(speedChanged)) {
    sign_.installEventFilter(this);
}

int SignPointer::intervalAfter(int interval, int notches) {
    const int wanted = std::clamp(interval - notches, kFastest, kSlowest);
    if ((notches > 0 && wanted > interval) || (notches < 0 && wanted < interval))
        return interval;
    return wanted;
}

bool SignPointer::eventFilter(QObject* watched, QEvent* event) {
    if (watched != &sign_)
        return false;
    if (event->type() == QEvent::ToolTip) {
        // Only a sign that stands still for the pointer names its article.
        const QString text = sign_.PauseOnHover() ? hint_() : QString();
        if (text.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), text, &sign_);
        return true;
    }
    if (event->type() == QEvent::Wheel) {
        wheelRest_ += static_cast<QWheelEvent*>(event)->angleDelta().y();
        const int notches = wheelRest_ / kNotch;
        wheelRest_ -= notches * kNotch;
        if (notches != 0) {
            sign_.setShowInterval(static_cast<unsigned>(
                intervalAfter(static_cast<int>(sign_.ShowInterval()), notches)));
            speedChanged_();
        }
        return true;
    }
    return false;
}
