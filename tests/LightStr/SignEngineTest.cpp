#include "LightStr/SignEngine.h"
#include "RecordingHost.h"

#include <gtest/gtest.h>

namespace {

using Events = std::vector<std::string>;

// A 192 x 44 sign (pitch 4, 11 rows) showing its idle grid, as the ticker window sets it up.
struct Sign {
    RecordingHost host;
    SignEngine engine{host, 192};
    Sign() { engine.paint(); }

    // Ticks until `event` is logged; returns the number of ticks, or -1.
    int tickUntil(const std::string& event, int limit = 2000) {
        const std::size_t seen = host.events.size();
        for (int ticks = 1; ticks <= limit; ++ticks) {
            engine.timerTick();
            for (std::size_t i = seen; i < host.events.size(); ++i) {
                if (host.events[i] == event)
                    return ticks;
            }
        }
        return -1;
    }

    // The raster is painted solid so that every following column is fully lit.
    void lightWholeRaster() { engine.raster().image().fill(Qt::black); }
};

// The cells at the entry edge show raster column `column` (horizontal sign).
void expectEnteringColumn(const SignEngine& engine, int column) {
    const int entry = engine.entryPosition();
    for (int row = 0; row < engine.rows(); ++row) {
        const QRgb expected = engine.raster().isLit(column, row) ? kLime : kTeal;
        EXPECT_EQ(pixelAt(engine, entry + 1, 4 * row + 1), expected) << "row " << row;
    }
}

} // namespace

TEST(SignEngine, TwoLinesFollowEachOtherThenRunOutAndStop) {
    Sign sign;
    sign.engine.setLines({"AB", "CD"});
    sign.engine.startShow();
    EXPECT_EQ(sign.host.events, Events({"active"}));
    EXPECT_TRUE(sign.host.timerRunning);

    // No lead-in: the first tick loads line 0 and draws its column 0.
    EXPECT_EQ(sign.tickUntil("next 0", 1), 1);
    EXPECT_EQ(sign.engine.cursor(), 0);
    const int first = sign.engine.lineWidth();
    EXPECT_EQ(sign.tickUntil("next 1"), first);
    const int second = sign.engine.lineWidth();
    for (int i = 1; i < second; ++i)
        sign.engine.timerTick();
    EXPECT_FALSE(sign.engine.runOut());

    // 192 / 4 + 1 blank columns, then the stop from inside the tick.
    sign.engine.timerTick();
    EXPECT_TRUE(sign.engine.runOut());
    EXPECT_EQ(sign.engine.lineWidth(), 49);
    EXPECT_EQ(sign.engine.showIndex(), -1);
    for (int i = 1; i < 49; ++i)
        sign.engine.timerTick();
    EXPECT_TRUE(sign.engine.showActive());
    const int presents = sign.host.presents;
    sign.engine.timerTick();
    EXPECT_EQ(sign.host.events, Events({"active", "next 0", "next 1", "inactive"}));
    EXPECT_FALSE(sign.engine.showActive());
    EXPECT_FALSE(sign.host.timerRunning);
    EXPECT_EQ(sign.host.presents, presents); // the stopping tick presents nothing

    // The run-out left nothing but unlit dots: the same picture as the idle grid.
    Sign idle;
    EXPECT_EQ(sign.engine.buffer().image(), idle.engine.buffer().image());
}

TEST(SignEngine, IdleGridOfPitchFourOn192Pixels) {
    Sign sign;
    const QImage& picture = sign.engine.buffer().image();
    ASSERT_EQ(picture.size(), QSize(192, 44));
    int dark = 0;
    for (int y = 0; y < 44; ++y) {
        for (int x = 0; x < 192; ++x) {
            const bool dot = x % 4 >= 1 && y % 4 >= 1;
            ASSERT_EQ(picture.pixel(x, y), dot ? kTeal : kBlack) << x << "," << y;
            dark += dot;
        }
    }
    EXPECT_EQ(dark, 48 * 11 * 9);
}

TEST(SignEngine, SendingMovesSeveralColumnsAndMayChangeLinesMidTick) {
    Sign sign;
    sign.engine.setSending(2);
    sign.engine.setLines({"AB", "CD"});
    sign.engine.startShow();
    sign.engine.timerTick();
    const int first = sign.engine.lineWidth();
    EXPECT_EQ(sign.engine.cursor(), 2);

    const QImage before = sign.engine.buffer().image();
    sign.engine.timerTick();
    const QImage& after = sign.engine.buffer().image();
    for (int y = 0; y < 44; ++y) {
        for (int x = 0; x < 180; ++x)
            ASSERT_EQ(after.pixel(x, y), before.pixel(x + 12, y));
    }
    // Line 1 starts at step first + 1; steps 3t - 2 .. 3t belong to tick t.
    EXPECT_EQ(sign.tickUntil("next 1") + 2, (first + 1 + 2) / 3);
}

TEST(SignEngine, ShowLoopWrapsWithLineEofAndNeverStops) {
    Sign sign;
    sign.engine.setShowLoop(true);
    sign.engine.setLines({"AB", "CD"});
    sign.engine.startShow();
    for (int i = 0; i < 3; ++i)
        ASSERT_GT(sign.tickUntil("eof"), 0);
    sign.engine.timerTick();
    EXPECT_EQ(sign.host.events, Events({"active", "next 0", "next 1", "eof", "next 0", "next 1",
                                        "eof", "next 0", "next 1", "eof", "next 0"}));
    EXPECT_TRUE(sign.engine.showActive());
}

TEST(SignEngine, RestartFromTheStopEventKeepsMovingInTheSameTick) {
    Sign sign;
    bool refilled = false;
    sign.host.onShowActive = [&](bool active) {
        if (active || refilled)
            return;
        refilled = true;
        sign.engine.setLines({"XYZ"});
        sign.engine.startShow();
    };
    sign.engine.setLines({"A"});
    sign.engine.startShow();
    const int presents = sign.host.presents;
    const int ticks = sign.tickUntil("inactive");
    ASSERT_GT(ticks, 0);
    EXPECT_EQ(sign.host.events, Events({"active", "next 0", "inactive", "next 0", "active"}));
    EXPECT_TRUE(sign.engine.showActive());
    EXPECT_TRUE(sign.host.timerRunning);
    EXPECT_FALSE(sign.engine.runOut());
    EXPECT_EQ(sign.host.presents, presents + ticks); // that tick was presented as well
    EXPECT_EQ(sign.engine.cursor(), 0);
    expectEnteringColumn(sign.engine, 0);
}

TEST(SignEngine, StopInTheMiddleOfALineResumesAtTheNextColumn) {
    Sign sign;
    sign.engine.setLines({"ABCDEFGH"});
    sign.engine.startShow();
    for (int i = 0; i < 5; ++i)
        sign.engine.timerTick();
    const int width = sign.engine.lineWidth();
    sign.engine.stopShow();
    sign.engine.setLines({"Q"});
    sign.engine.startShow();
    EXPECT_EQ(sign.host.events, Events({"active", "next 0", "inactive", "active"}));
    sign.engine.timerTick();
    EXPECT_EQ(sign.engine.cursor(), 5);
    EXPECT_EQ(sign.engine.lineWidth(), width);
    expectEnteringColumn(sign.engine, 5);
    // The new list is reached once the old raster has run off.
    EXPECT_EQ(sign.tickUntil("next 0"), width - 5);
    EXPECT_LT(sign.engine.lineWidth(), width);
}

TEST(SignEngine, LineLoadedOutsideATickEntersWithItsFirstColumnInBothDirections) {
    for (bool reverse : {true, false}) {
        SCOPED_TRACE(reverse);
        // Restart after a natural end.
        Sign sign;
        sign.engine.setReverse(reverse);
        sign.engine.setLines({"AB", "CD"});
        sign.engine.startShow();
        ASSERT_GT(sign.tickUntil("inactive"), 0);
        sign.host.events.clear();
        sign.engine.startShow();
        EXPECT_EQ(sign.host.events, Events({"next 0", "active"}));
        sign.engine.timerTick();
        EXPECT_EQ(sign.host.events.size(), 2u); // line 0 is shown, not skipped
        const int first = reverse ? 0 : sign.engine.lineWidth() - 1;
        EXPECT_EQ(sign.engine.cursor(), first);
        EXPECT_EQ(sign.engine.entryPosition(), reverse ? 188 : 0);

        // Turning ShowLoop on during the run-out ends the blank at once.
        Sign looping;
        looping.engine.setReverse(reverse);
        looping.engine.setLines({"AB"});
        looping.engine.startShow();
        while (!looping.engine.runOut())
            looping.engine.timerTick();
        looping.engine.timerTick();
        looping.host.events.clear();
        looping.engine.setShowLoop(true);
        EXPECT_EQ(looping.host.events, Events({"next 0"}));
        looping.engine.timerTick();
        EXPECT_EQ(looping.host.events, Events({"next 0"}));
        EXPECT_EQ(looping.engine.cursor(), reverse ? 0 : looping.engine.lineWidth() - 1);
    }
}

TEST(SignEngine, StopFromLineNextDoesNotLoseTheLinesFirstColumn) {
    Sign sign;
    sign.host.onLineNext = [&](int index) {
        if (index == 1)
            sign.engine.stopShow();
    };
    sign.engine.setLines({"AB", "CD"});
    sign.engine.startShow();
    ASSERT_GT(sign.tickUntil("next 1"), 0);
    EXPECT_FALSE(sign.engine.showActive());
    sign.host.onLineNext = nullptr;
    sign.engine.startShow();
    sign.engine.timerTick();
    EXPECT_EQ(sign.engine.cursor(), 0);
    expectEnteringColumn(sign.engine, 0);
}

TEST(SignEngine, EmptiedListStopsAtTheLineChangeAndDoesNotReplayTheOldLine) {
    Sign sign;
    sign.engine.setLines({"AB"});
    sign.engine.startShow();
    sign.engine.timerTick();
    sign.engine.lines().clear();
    ASSERT_GT(sign.tickUntil("inactive"), 0);
    EXPECT_EQ(sign.host.events, Events({"active", "next 0", "inactive"}));

    sign.engine.setLines({"CD"});
    sign.engine.startShow();
    sign.engine.timerTick();
    EXPECT_EQ(sign.host.events.back(), "next 0");
    EXPECT_EQ(sign.engine.cursor(), 0);

    // Empty list: StartShow leaves the sign stopped without an event.
    Sign empty;
    empty.engine.startShow();
    EXPECT_TRUE(empty.host.events.empty());
    EXPECT_FALSE(empty.engine.showActive());
    EXPECT_FALSE(empty.host.timerRunning);
}

TEST(SignEngine, ColourChangesLeaveDrawnDotsAlone) {
    Sign sign;
    sign.engine.setLines({"AB"});
    sign.engine.startShow();
    sign.engine.timerTick();
    sign.lightWholeRaster();
    sign.engine.timerTick();
    const QImage before = sign.engine.buffer().image();
    const int presents = sign.host.presents;
    sign.engine.setLightColor(0x000000FF); // red
    sign.engine.setDarkColor(0x00FF0000);  // blue
    sign.engine.setBackColor(0x00FFFFFF);
    EXPECT_EQ(sign.engine.buffer().image(), before);
    EXPECT_EQ(sign.host.presents, presents);

    sign.engine.timerTick();
    EXPECT_EQ(pixelAt(sign.engine, 185, 1), kLime);       // the older column, moved left
    EXPECT_EQ(pixelAt(sign.engine, 189, 1), 0xFFFF0000u); // the new column in red
    EXPECT_EQ(pixelAt(sign.engine, 188, 1), 0xFFFFFFFFu); // on the new background
    EXPECT_EQ(pixelAt(sign.engine, 0, 1), kBlack);        // the idle grid keeps its colours
}

TEST(SignEngine, NearlyWhiteRasterPixelLightsItsDot) {
    Sign sign;
    sign.engine.setLines({"AB"});
    sign.engine.startShow();
    sign.engine.timerTick();
    QImage& raster = sign.engine.raster().image();
    raster.fill(Qt::white);
    raster.setPixel(1, 3, qRgb(0xFF, 0xFF, 0xFE)); // 0xFEFFFF in 0x00BBGGRR
    sign.engine.timerTick();
    EXPECT_EQ(pixelAt(sign.engine, 189, 4 * 3 + 1), kLime);
    EXPECT_EQ(pixelAt(sign.engine, 189, 4 * 4 + 1), kTeal);
}

TEST(SignEngine, VerticalPitchThreeKeepsTheLaterRowsPixel) {
    Sign sign;
    sign.host.size = QSize(33, 192);
    sign.engine.setDirection(true);
    sign.engine.setBit(3);
    sign.engine.paint();
    ASSERT_EQ(sign.host.size, QSize(33, 192));
    sign.engine.setLines({"AB"});
    sign.engine.startShow();
    sign.engine.timerTick();
    sign.lightWholeRaster();
    sign.engine.timerTick();
    EXPECT_EQ(sign.engine.entryPosition(), 189);
    // Row 0's dot pixel at x 32 is later covered by row 10's background; row 10's dot pixel
    // at x 2 is drawn after row 0's background there.
    EXPECT_EQ(pixelAt(sign.engine, 32, 189), kBlack);
    EXPECT_EQ(pixelAt(sign.engine, 2, 189), kLime);
    EXPECT_EQ(pixelAt(sign.engine, 32, 190), kLime);
}

TEST(SignEngine, PaintSnapsTheControlToWholeDots) {
    Sign sign;
    sign.host.size = QSize(190, 44);
    sign.engine.paint();
    EXPECT_EQ(sign.host.size, QSize(188, 44));
    EXPECT_EQ(sign.engine.buffer().size(), QSize(188, 44));
    EXPECT_TRUE(sign.engine.bufferValid());
    sign.host.size = QSize(3, 44);
    sign.engine.paint();
    EXPECT_EQ(sign.host.size.width(), 4);

    Sign spaced;
    spaced.engine.setSpace(1);
    spaced.host.size = QSize(192, 60);
    spaced.engine.paint();
    EXPECT_EQ(spaced.host.size, QSize(192, 52));

    Sign vertical;
    vertical.engine.setDirection(true);
    vertical.host.size = QSize(50, 190);
    vertical.engine.paint();
    EXPECT_EQ(vertical.host.size, QSize(44, 188));
    EXPECT_EQ(vertical.engine.buffer().size().height(), 188);
}

TEST(SignEngine, SettersIgnoreValuesOutOfRange) {
    Sign sign;
    for (int bad : {0, 6, -1})
        sign.engine.setBit(bad);
    EXPECT_EQ(sign.engine.bit(), 4);
    sign.host.size = QSize(192, 50);
    sign.engine.setBit(4); // equal, yet the across size follows
    EXPECT_EQ(sign.host.size.height(), 44);
    sign.engine.setBit(2);
    EXPECT_EQ(sign.host.size.height(), 22);
    EXPECT_EQ(sign.engine.buffer().size().height(), 22);

    sign.engine.setShowInterval(0);
    EXPECT_EQ(sign.engine.showInterval(), 10u);
    sign.engine.setShowInterval(25);
    EXPECT_EQ(sign.host.interval, 25u);

    const int presents = sign.host.presents;
    const int resizes = sign.host.resizes;
    sign.engine.setShowFontH(0);
    sign.engine.setShowFontH(11);
    EXPECT_EQ(sign.host.presents, presents);
    EXPECT_EQ(sign.host.resizes, resizes);
    sign.engine.setShowFontH(12);
    EXPECT_EQ(sign.host.size.height(), 24);
    EXPECT_EQ(sign.engine.font().height, 12);
    EXPECT_GT(sign.host.presents, presents);

    // Absurd sizes would ask for images no screen shows.
    sign.engine.setSpace(1 << 20);
    sign.engine.setSending(1 << 30);
    sign.engine.setSpace(-1);
    sign.engine.setSending(-1);
    EXPECT_EQ(sign.engine.space(), 0);
    EXPECT_EQ(sign.engine.sending(), 0);
}

TEST(SignEngine, ShowIndexShowCountAndTheLineList) {
    Sign sign;
    sign.engine.setShowIndex(0);
    EXPECT_EQ(sign.engine.showIndex(), -1);
    sign.engine.setLines({"a", "b"});
    EXPECT_EQ(sign.engine.showCount(), 2);
    sign.engine.setShowIndex(2);
    sign.engine.setShowIndex(-1);
    EXPECT_EQ(sign.engine.showIndex(), -1);
    sign.engine.setShowIndex(1);
    EXPECT_EQ(sign.engine.showIndex(), 1);
    sign.engine.lines().push_back("c");
    EXPECT_EQ(sign.engine.showCount(), 2);
    EXPECT_EQ(sign.engine.showIndex(), 1);
    sign.engine.setShowIndex(2);
    EXPECT_EQ(sign.engine.showIndex(), 2);
    sign.engine.setLines({"x"});
    EXPECT_EQ(sign.engine.showIndex(), -1);
    EXPECT_EQ(sign.engine.showCount(), 1);
}

TEST(SignEngine, StartAndStopRaiseTheirEventsAsDocumented) {
    Sign sign;
    sign.engine.stopShow();
    EXPECT_EQ(sign.host.events, Events({"inactive"}));
    sign.engine.setLines({"a"});
    sign.engine.startShow();
    sign.engine.startShow();
    EXPECT_EQ(sign.host.events, Events({"inactive", "active"}));
    // A stale tick after the stop moves nothing.
    sign.engine.stopShow();
    const QImage before = sign.engine.buffer().image();
    sign.engine.timerTick();
    EXPECT_EQ(sign.engine.buffer().image(), before);
}
