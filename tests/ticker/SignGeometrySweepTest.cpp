#include "LightStr/TLightStr.h"
#include "support/ProgramWindows.h"

#include <QDeadlineTimer>
#include <QRegion>
#include <QScreen>
#include <QWindow>
#include <set>

namespace {

// The sign reaches a pixel past the window's right edge, lies under the description bar or
// below it, and with a large dot size is taller than the window: whatever its settings, the
// window shows exactly the sign's picture where the sign is seen, and nothing is written
// outside the window (the sanitizer build runs this sweep too).
class SignGeometrySweep : public ProgramTest {
protected:
    void showTicker() {
        ticker().show();
        QDeadlineTimer exposed(60'000);
        while (!(ticker().windowHandle() && ticker().windowHandle()->isExposed()) &&
               !exposed.hasExpired())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        ASSERT_TRUE(ticker().windowHandle()->isExposed());
    }

    // Counts the pixels of the window that differ from the sign's picture where the sign is
    // seen: inside the window and its picture, outside the description bar over it.
    int wrongPixels() const {
        const TLightStr& shownSign = sign();
        const QImage shown = ticker()
                                 .screen()
                                 ->grabWindow(ticker().winId())
                                 .toImage()
                                 .convertToFormat(QImage::Format_RGB32);
        const QImage& picture = shownSign.engine().buffer().image();
        const QRect seen = shownSign.geometry() & ticker().rect() & shown.rect() &
                           QRect(shownSign.pos(), picture.size());
        int wrong = 0;
        for (const QRect& part : QRegion(seen) - control("ToolBar1").geometry())
            for (int y = part.top(); y <= part.bottom(); ++y)
                for (int x = part.left(); x <= part.right(); ++x)
                    wrong +=
                        shown.pixel(x, y) != picture.pixel(x - shownSign.x(), y - shownSign.y());
        return wrong;
    }

    void step(int ticks) {
        for (int tick = 0; tick < ticks; ++tick) {
            sign().TimerTick();
            QCoreApplication::processEvents();
        }
        // The grab must see the last step presented, and no step after it.
        sign().StopShow();
        QCoreApplication::processEvents();
    }
};

TEST_F(SignGeometrySweep, EveryDotSizeBarPlaceOrientationAndWindowSizeShowsThePictureAlone) {
    for (int bit = 1; bit <= 5; ++bit) {
        for (const bool barOnTop : {true, false}) {
            for (const bool vertical : {false, true}) {
                for (const bool reverse : {true, false}) {
                    writeSettings({"[window]", "W=119", "H=60", "[option]",
                                   barOnTop ? "OP15=top" : "OP15=bottom",
                                   vertical ? "Direct=true" : "Direct=false",
                                   reverse ? "Rever=true" : "Rever=false",
                                   ("OP10=" + std::to_string(bit)).c_str()});
                    start();
                    showTicker();
                    // The sign alone: the rotation would refill and restart it.
                    sign().OnShowActive = nullptr;
                    sign().OnLineNext = nullptr;
                    sign().setShowStrings({"\x93\xfa\x96\x7b ABC", "xyz"}); // 日本 ABC, xyz
                    sign().setShowLoop(true);

                    const int bar = control("ToolBar1").height();
                    const int extent = sign().engine().extent();
                    // From the smallest window that leaves the sign a pixel row upward, past
                    // the height that fits the sign exactly; widths with (W + 1) % bit both 0
                    // and not.
                    const std::set<int> heights{bar, bar + 1, 40, 60, extent + bar - 1};
                    for (const int width : {119, 120 + bit}) {
                        for (const int height : heights) {
                            ticker().resize(width, height);
                            QCoreApplication::processEvents();
                            sign().StartShow();
                            step(3 * bit + 7);
                            EXPECT_EQ(wrongPixels(), 0)
                                << "bit " << bit << (barOnTop ? " bar on top" : " bar below")
                                << (vertical ? " vertical" : " horizontal")
                                << (reverse ? " reverse" : " forward") << " window " << width << "x"
                                << height;
                        }
                    }
                    program.reset();
                }
            }
        }
    }
}

} // namespace
