#pragma once

#include <QObject>
#include <QString>
#include <functional>

class TLightStr;

// What the pointer does over the sign besides clicking: the tooltip naming the article on
// the sign (while the sign pauses under the pointer), and the wheel, which sets the speed
// one step per notch within the speed trackbar's range.
class SignPointer : public QObject {
public:
    static constexpr int kFastest = 1;  // milliseconds per step
    static constexpr int kSlowest = 50; // the speed trackbar's range

    // `speedChanged` runs after the wheel has changed the sign's interval.
    SignPointer(TLightStr& sign, std::function<QString()> hint, std::function<void()> speedChanged);

    // The interval after `notches` wheel notches (up positive = faster) from `interval`; a
    // value outside the range only moves toward it.
    static int intervalAfter(int interval, int notches);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    TLightStr& sign_;
    std::function<QString()> hint_;
    std::function<void()> speedChanged_;
    int wheelRest_ = 0; // eighths of a degree not yet worth a notch
};
