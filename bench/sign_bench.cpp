// One scroll step of the sign (the picture moved by one dot pitch plus the entering column)
// against its floor: one memmove of the same display buffer plus the writes of one column of
// dot cells. Prints the step on a 1920-pixel sign (pitch 3, 14 rows), on the design size
// 192 x 44, the floor for the wide sign, and last the ratio step / floor.
#include "LightStr/SignEngine.h"

#include <QGuiApplication>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>

namespace {

struct QuietHost : SignHost {
    QSize size;
    explicit QuietHost(QSize initial) : size(initial) {}
    QSize controlSize() const override { return size; }
    void resizeControl(QSize wanted) override { size = wanted; }
    void setTimerRunning(bool) override {}
    void setTimerInterval(unsigned) override {}
    void present() override {}
    void lineNext(int) override {}
    void lineEof() override {}
    void showActiveChanged(bool) override {}
};

constexpr int kSteps = 4000;
constexpr int kRounds = 7;

using Clock = std::chrono::steady_clock;

double microseconds(Clock::duration elapsed, int steps) {
    return std::chrono::duration<double, std::micro>(elapsed).count() / steps;
}

// Best time per step over several rounds; the machine is shared.
template <typename Step> double bestPerStep(Step step) {
    double best = 1e30;
    for (int round = 0; round < kRounds; ++round) {
        const auto start = Clock::now();
        for (int i = 0; i < kSteps; ++i)
            step();
        best = std::min(best, microseconds(Clock::now() - start, kSteps));
    }
    return best;
}

double engineStep(int width, int bit, int rows) {
    QuietHost host(QSize(width, bit * rows));
    SignEngine engine(host, width);
    engine.setBit(bit);
    engine.setShowFontH(rows);
    engine.paint();
    // A line far longer than all the steps measured, so no line change falls inside.
    std::string line;
    for (int i = 0; i < kSteps * kRounds / 4; ++i)
        line += "\x93\xfa"; // 日
    engine.setLines({line});
    engine.startShow();
    engine.timerTick(); // loads and renders the line
    if (engine.lineWidth() < kSteps * kRounds + 1)
        std::fprintf(stderr, "line too short: %d\n", engine.lineWidth());
    return bestPerStep([&engine] { engine.timerTick(); });
}

double floorStep(int width, int bit, int rows) {
    QImage buffer(width, bit * rows, QImage::Format_RGB32);
    buffer.fill(Qt::black);
    QRgb* pixels = reinterpret_cast<QRgb*>(buffer.bits());
    const std::size_t total = std::size_t(buffer.sizeInBytes());
    const int stride = int(buffer.bytesPerLine() / sizeof(QRgb));
    const int entry = width - bit;
    QRgb colour = 0xFF00FF00u;
    return bestPerStep([&] {
        std::memmove(pixels, pixels + bit, total - bit * sizeof(QRgb));
        for (int row = 0; row < rows; ++row)
            for (int dy = 0; dy < bit; ++dy)
                for (int dx = 0; dx < bit; ++dx)
                    pixels[(bit * row + dy) * stride + entry + dx] = colour;
        colour ^= 0x00FF00FFu;
    });
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    const double wide = engineStep(1920, 3, 14);
    const double design = engineStep(192, 4, 11);
    const double floor = floorStep(1920, 3, 14);
    std::printf("engine step 1920 x 42 (pitch 3, 14 rows): %.3f us\n", wide);
    std::printf("engine step 192 x 44 (pitch 4, 11 rows): %.3f us\n", design);
    std::printf("floor 1920 x 42 (memmove + one column of cells): %.3f us\n", floor);
    std::printf("ratio %.1f\n", wide / floor);
    return 0;
}
