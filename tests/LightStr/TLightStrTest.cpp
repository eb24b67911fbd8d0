#include "LightStr/TLightStr.h"

#include <QApplication>
#include <QMouseEvent>
#include <QScreen>
#include <gtest/gtest.h>

TEST(TLightStr, StartsWithItsDocumentedValuesAndSnapsOnPaint) {
    TLightStr sign;
    EXPECT_EQ(sign.size(), QSize(300, 34));
    EXPECT_EQ(sign.LightColor(), 0x0000FF00u);
    EXPECT_EQ(sign.DarkColor(), 0x00808000u);
    EXPECT_EQ(sign.BackColor(), 0u);
    EXPECT_EQ(sign.Bit(), 4);
    EXPECT_EQ(sign.ShowFontH(), 11);
    EXPECT_TRUE(sign.Reverse());
    EXPECT_FALSE(sign.Direction());
    EXPECT_EQ(sign.ShowIndex(), -1);
    EXPECT_EQ(sign.engine().buffer().size(), QSize(300, 44));
    sign.Paint();
    EXPECT_EQ(sign.size(), QSize(300, 44));

    sign.resize(190, 44);
    sign.Paint();
    EXPECT_EQ(sign.width(), 188);
}

TEST(TLightStr, EventsNameTheSignAndTheTimerFollowsTheShow) {
    TLightStr sign;
    sign.resize(192, 44);
    sign.Paint();
    std::vector<std::string> log;
    sign.OnShowActive = [&](TLightStr* sender, bool active) {
        EXPECT_EQ(sender, &sign);
        log.push_back(active ? "active" : "inactive");
    };
    sign.OnLineNext = [&](TLightStr* sender, int index) {
        EXPECT_EQ(sender, &sign);
        log.push_back("next " + std::to_string(index));
        sign.OnLineNext = nullptr; // a handler may replace itself
    };
    sign.setShowStrings({"AB"});
    sign.StartShow();
    EXPECT_TRUE(sign.timer().isActive());
    EXPECT_EQ(sign.timer().timerType(), Qt::PreciseTimer);
    EXPECT_EQ(sign.timer().interval(), 10);
    sign.setShowInterval(25);
    EXPECT_EQ(sign.timer().interval(), 25);
    sign.TimerTick();
    sign.StopShow();
    EXPECT_FALSE(sign.timer().isActive());
    EXPECT_EQ(log, std::vector<std::string>({"active", "next 0", "inactive"}));

    int clicks = 0;
    sign.OnDblClick = [&](TLightStr* sender) { clicks += sender == &sign; };
    QMouseEvent click(QEvent::MouseButtonDblClick, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&sign, &click);
    EXPECT_EQ(clicks, 1);
}

TEST(TLightStr, TheScreenShowsTheWholeBuffer) {
    TLightStr sign;
    sign.resize(192, 44);
    sign.Paint();
    sign.setShowStrings({"\x93\xfa\x96\x7b"}); // 日本
    sign.StartShow();
    for (int i = 0; i < 20; ++i)
        sign.TimerTick();
    const QImage shown = sign.grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(shown, sign.engine().buffer().image());
    int lit = 0;
    for (int x = 0; x < 192; ++x)
        for (int y = 0; y < 44; ++y)
            lit += shown.pixel(x, y) == 0xFF00FF00u;
    EXPECT_GT(lit, 0);
}

TEST(TLightStr, ShownSignFollowsResizesAndTurningAtTheNextPaint) {
    TLightStr sign;
    sign.resize(192, 44);
    sign.show();
    QCoreApplication::processEvents(); // exposed
    sign.resize(190, 44);              // a visible control snaps as soon as it is resized
    EXPECT_EQ(sign.size(), QSize(188, 44));

    sign.setDirection(true);
    EXPECT_EQ(sign.size(), QSize(188, 44)); // nothing until the next paint
    sign.repaint();
    QCoreApplication::processEvents();
    EXPECT_EQ(sign.size(), QSize(44, 44));
    sign.resize(44, 191);
    EXPECT_EQ(sign.size(), QSize(44, 188));
    EXPECT_EQ(sign.engine().buffer().size().height(), 188);
}

// A shown sign moves the pixels already on the screen and paints only the entering strip;
// what reaches the screen must still be the whole buffer, as a full repaint would give it.
// It also runs on an X server, whose backing store moves pixels on the server.
TEST(TLightStr, ScrollingShowsThePictureAFullRedrawWouldShow) {
    struct Case {
        bool reverse;
        bool vertical;
        int sending;
        int ticksPerRepaint;
    };
    for (const Case& c : {Case{true, false, 0, 1}, Case{false, false, 2, 3}, Case{true, true, 1, 1},
                          Case{false, true, 0, 4}}) {
        QWidget window;
        window.resize(200, 200);
        auto* sign = new TLightStr(&window);
        sign->setGeometry(0, 0, 192, 44);
        sign->setReverse(c.reverse);
        sign->setDirection(c.vertical);
        sign->setSending(c.sending);
        if (c.vertical)
            sign->setGeometry(0, 0, 44, 192);
        // A sibling over the sign's last pixel row (column), as the description bar lies.
        auto* bar = new QWidget(&window);
        bar->setAutoFillBackground(true);
        bar->setGeometry(c.vertical ? QRect(43, 0, 20, 200) : QRect(0, 43, 200, 20));
        window.show();
        QCoreApplication::processEvents();
        sign->setShowStrings({"\x93\xfa\x96\x7b ABC", "xyz \x8E\x9A"}); // 日本 ABC, xyz 字
        sign->setShowLoop(true);
        sign->StartShow();
        for (int tick = 0; tick < 500; ++tick) {
            sign->TimerTick();
            if (tick % c.ticksPerRepaint == 0)
                QCoreApplication::processEvents();
            // Now and then Qt still owes a repaint of part of the sign when it steps.
            if (tick % 7 == 3)
                sign->update(QRect(20, 4, 30, 30));
        }
        // The sign's own timer must not step the picture between the last repaint and the grab.
        sign->StopShow();
        QCoreApplication::processEvents();

        const QImage& buffer = sign->engine().buffer().image();
        const QRect visible = c.vertical ? QRect(0, 0, 43, 192) : QRect(0, 0, 192, 43);
        const QImage screen = window.screen()
                                  ->grabWindow(window.winId())
                                  .toImage()
                                  .convertToFormat(QImage::Format_RGB32)
                                  .copy(visible);
        EXPECT_EQ(screen, buffer.copy(visible))
            << "reverse " << c.reverse << " vertical " << c.vertical << " sending " << c.sending;
    }
}

// A sign inside a parent smaller than itself is seen only within the parent: its scroll steps
// leave the rest of the window alone.
TEST(TLightStr, ScrollingStaysInsideAParentSmallerThanTheSign) {
    QWidget window;
    window.resize(200, 80);
    window.setAutoFillBackground(true);
    window.setPalette(QPalette(QColor(Qt::red)));
    auto* parent = new QWidget(&window);
    parent->setGeometry(10, 10, 150, 30);
    auto* sign = new TLightStr(parent);
    sign->setGeometry(0, 0, 192, 44);
    window.show();
    QCoreApplication::processEvents();
    sign->setShowStrings({"\x93\xfa\x96\x7b ABC"}); // 日本 ABC
    sign->setShowLoop(true);
    sign->StartShow();
    for (int tick = 0; tick < 60; ++tick) {
        sign->TimerTick();
        QCoreApplication::processEvents();
    }
    sign->StopShow();
    QCoreApplication::processEvents();

    const QImage screen =
        window.screen()->grabWindow(window.winId()).toImage().convertToFormat(QImage::Format_RGB32);
    const QImage& buffer = sign->engine().buffer().image();
    int outside = 0;
    int inside = 0;
    for (int y = 0; y < window.height(); ++y) {
        for (int x = 0; x < window.width(); ++x) {
            if (parent->geometry().contains(x, y))
                inside += screen.pixel(x, y) != buffer.pixel(x - 10, y - 10);
            else
                outside += screen.pixel(x, y) != qRgb(255, 0, 0);
        }
    }
    EXPECT_EQ(outside, 0) << "pixels of the sign outside its parent";
    EXPECT_EQ(inside, 0) << "pixels inside the parent that are not the sign's";
}

// Sleep and the pointer both hold the timer; only when neither does it run again, and the
// show goes on from the column where it stopped. A show started while asleep waits too.
TEST(TLightStr, SleepAndThePointerHoldTheTimerTogether) {
    TLightStr sign;
    sign.resize(192, 44);
    sign.Paint();
    sign.setPauseOnHover(true);
    sign.setShowStrings({"ABCDEF"});
    sign.setAsleep(true);
    sign.StartShow();
    EXPECT_TRUE(sign.ShowActive());
    EXPECT_FALSE(sign.timer().isActive());

    sign.setAsleep(false);
    EXPECT_TRUE(sign.timer().isActive());
    for (int i = 0; i < 7; ++i)
        sign.TimerTick();
    const int column = sign.engine().cursor();
    sign.setAsleep(true);
    EXPECT_FALSE(sign.timer().isActive());

    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QApplication::sendEvent(&sign, &enter);
    sign.setAsleep(false);
    EXPECT_FALSE(sign.timer().isActive()) << "woken under the pointer";
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&sign, &leave);
    EXPECT_TRUE(sign.timer().isActive());
    EXPECT_EQ(sign.engine().cursor(), column);
    EXPECT_EQ(sign.ShowIndex(), 0);
}
