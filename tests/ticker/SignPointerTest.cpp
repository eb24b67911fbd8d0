#include "ticker/SignPointer.h"
#include "LightStr/TLightStr.h"
#include "feed/compose/LineStores.h"
#include "framework/files/IniFile.h"
#include "support/ProgramWindows.h"

#include <QCursor>
#include <QElapsedTimer>
#include <QEnterEvent>
#include <QHelpEvent>
#include <QToolTip>
#include <QWheelEvent>

namespace {

class SignPointerTest : public ProgramTest {
protected:
    void enterSign() {
        QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), sign().mapToGlobal(QPointF(5, 5)));
        QCoreApplication::sendEvent(&sign(), &enter);
    }
    void leaveSign() {
        QEvent leave(QEvent::Leave);
        QCoreApplication::sendEvent(&sign(), &leave);
    }
    QString tooltip() {
        QToolTip::hideText();
        QHelpEvent help(QEvent::ToolTip, QPoint(5, 5), sign().mapToGlobal(QPoint(5, 5)));
        QCoreApplication::sendEvent(&sign(), &help);
        return QToolTip::isVisible() ? QToolTip::text() : QString();
    }
    void wheel(int notches) {
        const QPointF at(5, 5);
        QWheelEvent turn(at, sign().mapToGlobal(at), QPoint(), QPoint(0, 120 * notches),
                         Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(&sign(), &turn);
    }
    void tickSign(int ticks) {
        for (int i = 0; i < ticks; ++i)
            sign().TimerTick();
    }
};

} // namespace

TEST_F(SignPointerTest, ThePointerHoldsTheSignAndTheTooltipNamesTheArticle) {
    start();
    ticker().show();
    processEvents();
    ASSERT_TRUE(sign().ShowActive());
    EXPECT_TRUE(sign().PauseOnHover()); // on by default
    LineStores& stores = ticker().stores();
    stores.Memo2.setLines({"Channel", "First &amp; best"});
    stores.Memo4.setLines({" ", "<p>Some <b>news</b></p>"});
    ticker().rotationState().articleIndex = 1;

    tickSign(3);
    enterSign();
    EXPECT_FALSE(sign().timer().isActive());
    EXPECT_TRUE(sign().ShowActive()); // held, not stopped: no event, same column
    EXPECT_EQ(tooltip(), QStringLiteral("First & best\nSome news"));
    leaveSign();
    EXPECT_TRUE(sign().timer().isActive());
}

TEST_F(SignPointerTest, HoverFalseKeepsTheSignMovingWithoutTooltipAndIsSaved) {
    writeSettings({"[option]", "Hover=false"});
    start();
    EXPECT_FALSE(sign().PauseOnHover());
    enterSign();
    EXPECT_TRUE(sign().timer().isActive());
    EXPECT_EQ(tooltip(), QString());
    ticker().SaveSettings();
    EXPECT_EQ(IniFile(dir.file("glowtape3.ini")).value("option", "Hover"), "false");
}

TEST_F(SignPointerTest, TheWheelSetsTheSpeedThatIsSaved) {
    start();
    ASSERT_EQ(sign().ShowInterval(), 10u);
    wheel(1);
    wheel(1);
    EXPECT_EQ(sign().ShowInterval(), 8u);
    ticker().SaveSettings();
    EXPECT_EQ(IniFile(dir.file("glowtape3.ini")).value("option", "OP5"), "8");

    EXPECT_EQ(SignPointer::intervalAfter(2, 5), 1);
    EXPECT_EQ(SignPointer::intervalAfter(49, -3), 50);
    EXPECT_EQ(SignPointer::intervalAfter(200, 1), 50); // a stored slow value comes into range
    EXPECT_EQ(SignPointer::intervalAfter(200, -1), 200);
}

TEST_F(SignPointerTest, ASignHeldWithoutALeaveEventLetsGoOnceThePointerIsElsewhere) {
    start();
    ticker().show();
    processEvents();
    QCursor::setPos(sign().mapToGlobal(QPoint(5, 5)));
    enterSign();
    const auto waitUntilLater = [] {
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < 600)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    };
    waitUntilLater();
    EXPECT_FALSE(sign().timer().isActive()); // the pointer still rests on the sign
    // A menu opened from the sign takes the pointer away, and no leave event arrives.
    leaveSign();
    QCursor::setPos(sign().mapToGlobal(QPoint(-50, -50)));
    processEvents();
    enterSign();
    ASSERT_FALSE(sign().timer().isActive());
    waitUntilLater();
    EXPECT_TRUE(sign().timer().isActive());
}
