#pragma once

#include "LightStr/SignEngine.h"
#include "LightStr/SignHost.h"

#include <QTimer>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

// The LED dot-matrix sign: shows its lines one after another as lamp-like dots scrolling
// through the control. A thin widget over SignEngine, which holds the picture and the
// scrolling; this class adds the timer, the screen and the events.
//
// Colours are 0x00BBGGRR (red in the low byte) or symbolic system colours (0x80000000 + n).
// Setters ignore values outside their range. Events are raised synchronously with the sign as
// sender; handlers may call StartShow, StopShow, set properties and edit ShowStrings.
class TLightStr : public QWidget, private SignHost {
    Q_OBJECT

public:
    explicit TLightStr(QWidget* parent = nullptr);
    ~TLightStr() override;

    std::uint32_t LightColor() const { return engine_->lightColor(); }
    void setLightColor(std::uint32_t colour) { engine_->setLightColor(colour); }
    std::uint32_t DarkColor() const { return engine_->darkColor(); }
    void setDarkColor(std::uint32_t colour) { engine_->setDarkColor(colour); }
    std::uint32_t BackColor() const { return engine_->backColor(); }
    void setBackColor(std::uint32_t colour) { engine_->setBackColor(colour); }

    // The lines. Edited directly they keep ShowIndex and ShowCount; assigned
    // through the setter they set ShowCount and restart at line 0.
    std::vector<std::string>& ShowStrings() { return engine_->lines(); }
    void setShowStrings(const std::vector<std::string>& lines) { engine_->setLines(lines); }
    // The line last loaded; the next one loaded is ShowIndex + 1.
    int ShowIndex() const { return engine_->showIndex(); }
    void setShowIndex(int index) { engine_->setShowIndex(index); }
    int ShowCount() const { return engine_->showCount(); }

    // Dot pitch in pixels, 1 to 5.
    int Bit() const { return engine_->bit(); }
    void setBit(int bit) { engine_->setBit(bit); }
    // Blank dot rows above and below the text.
    int Space() const { return engine_->space(); }
    void setSpace(int space) { engine_->setSpace(space); }
    // Extra columns moved per tick.
    int Sending() const { return engine_->sending(); }
    void setSending(int sending) { engine_->setSending(sending); }
    // True: text enters at the right (bottom) and moves left (up).
    bool Reverse() const { return engine_->reverse(); }
    void setReverse(bool reverse) { engine_->setReverse(reverse); }
    // True: vertical sign.
    bool Direction() const { return engine_->direction(); }
    void setDirection(bool vertical) { engine_->setDirection(vertical); }
    bool ShowActive() const { return engine_->showActive(); }
    // Milliseconds between ticks.
    unsigned ShowInterval() const { return engine_->showInterval(); }
    void setShowInterval(unsigned milliseconds) { engine_->setShowInterval(milliseconds); }
    // Text rows; setting it also sets the font's cell height to that many pixels.
    int ShowFontH() const { return engine_->showFontH(); }
    void setShowFontH(int height) { engine_->setShowFontH(height); }
    bool ShowLoop() const { return engine_->showLoop(); }
    void setShowLoop(bool loop) { engine_->setShowLoop(loop); }
    // While the pointer rests on the sign it stands still, and goes on from the same column
    // when the pointer leaves; the show itself stays on and no event is raised.
    bool PauseOnHover() const { return pauseOnHover_; }
    void setPauseOnHover(bool pause);
    bool HeldByPointer() const { return held_; }
    // While nobody can see the sign it sleeps: it stands still as under the pointer and goes
    // on from the same column when it wakes. Lines put on it meanwhile wait for the wake.
    bool Asleep() const { return asleep_; }
    void setAsleep(bool asleep);

    // The font lines are rendered in, applied from the next line on. FontName is the stored
    // Windows face name ("ＭＳ ゴシック"; "@" first for vertical writing,
    // which turns full-width glyphs upright on a vertical sign). FontHeight: negative for a
    // character height, positive for a cell height, in pixels. FontStyle bits: 1 bold,
    // 2 italic, 4 underline, 8 strike-through. FontSmoothing anti-aliases (off by default).
    const std::string& FontName() const { return engine_->font().name; }
    void setFontName(const std::string& faceName) { engine_->font().name = faceName; }
    int FontHeight() const { return engine_->font().height; }
    void setFontHeight(int height);
    int FontStyle() const { return engine_->font().style; }
    void setFontStyle(int styleBits) { engine_->font().style = styleBits & 15; }
    bool FontSmoothing() const { return engine_->font().smoothing; }
    void setFontSmoothing(bool smooth) { engine_->font().smoothing = smooth; }

    void StartShow() { engine_->startShow(); }
    void StopShow() { engine_->stopShow(); }
    // Shows the idle grid (all dots unlit) at once; the show goes on.
    void ClearDisplay() { engine_->clearDisplay(); }
    // Snaps the control to whole dots and shows the picture.
    void Paint();
    // One timer tick; the timer calls it, tests may too.
    void TimerTick() { engine_->timerTick(); }

    std::function<void(TLightStr* sender, int index)> OnLineNext;
    std::function<void(TLightStr* sender)> OnLineEof;
    std::function<void(TLightStr* sender, bool active)> OnShowActive;
    std::function<void(TLightStr* sender)> OnDblClick;

    const SignEngine& engine() const { return *engine_; }
    const QTimer& timer() const { return timer_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    QSize controlSize() const override { return size(); }
    void resizeControl(QSize size) override { resize(size); }
    void setTimerRunning(bool running) override;
    void setTimerInterval(unsigned milliseconds) override;
    void present() override { update(); }
    void presentMoved(int delta) override;
    // Where the picture lies in the control, in logical pixels.
    QRect pictureRect() const;
    // The part of `area` that no sibling covers, when it is one rectangle; else empty.
    // `seeThrough` is set when a sibling that covers some of it is not opaque.
    QRect uncovered(QRect area, bool& seeThrough) const;
    void lineNext(int index) override;
    void lineEof() override;
    void showActiveChanged(bool active) override;

    bool geometryFollowsSettings() const;
    void setHeld(bool held);
    void applyTimer();

    QTimer timer_;
    QTimer pointerCheck_;
    bool timerWanted_ = false; // the show runs; the pointer may still hold the timer
    bool pauseOnHover_ = false;
    bool held_ = false;
    bool asleep_ = false;
    std::unique_ptr<SignEngine> engine_;
    // What the last Paint saw, so a paint event asks for another one only after a change.
    struct PaintedGeometry {
        QSize size;
        bool direction = false;
        int extent = 0;
        qreal scale = 1.0;
        bool operator==(const PaintedGeometry&) const = default;
    };

    bool painting_ = false;
    bool painted_ = false; // a paint event came since the flag was cleared
    bool paintQueued_ = false;
    PaintedGeometry lastPaint_;
};
