#pragma once

#include "LightStr/SignEngine.h"

#include <functional>
#include <string>
#include <vector>

// A control for the engine alone: keeps a size, a timer flag and a log of events. Hooks let
// a test re-enter the engine from inside an event, as the ticker window does.
struct RecordingHost : SignHost {
    QSize size{192, 44};
    bool timerRunning = false;
    unsigned interval = 10;
    int presents = 0;
    int resizes = 0;
    std::vector<std::string> events;
    std::function<void(int)> onLineNext;
    std::function<void()> onLineEof;
    std::function<void(bool)> onShowActive;

    QSize controlSize() const override { return size; }
    void resizeControl(QSize wanted) override {
        ++resizes;
        size = wanted.expandedTo(QSize(0, 0));
    }
    void setTimerRunning(bool running) override { timerRunning = running; }
    void setTimerInterval(unsigned ms) override { interval = ms; }
    void present() override { ++presents; }
    void lineNext(int index) override {
        events.push_back("next " + std::to_string(index));
        if (onLineNext)
            onLineNext(index);
    }
    void lineEof() override {
        events.push_back("eof");
        if (onLineEof)
            onLineEof();
    }
    void showActiveChanged(bool active) override {
        events.push_back(active ? "active" : "inactive");
        if (onShowActive)
            onShowActive(active);
    }
};

// Pixel of the engine's display buffer.
inline QRgb pixelAt(const SignEngine& engine, int x, int y) {
    return engine.buffer().image().pixel(x, y);
}

constexpr QRgb kLime = 0xFF00FF00u;
constexpr QRgb kTeal = 0xFF008080u;
constexpr QRgb kBlack = 0xFF000000u;
