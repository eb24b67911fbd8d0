#include "LightStr/TLightStr.h"
#include "feed/rotation/FeedRotation.h"
#include "support/ProgramWindows.h"
#include "ticker/TrayIcon.h"

#include <QGuiApplication>
#include <QRadioButton>
#include <QScreen>
#include <QSystemTrayIcon>

namespace {

class WindowModesTest : public ProgramTest {
protected:
    QSize clientSize() const { return ticker().size(); }
    QString dockCaption() const {
        for (QRadioButton* button : program->options.findChildren<QRadioButton*>())
            if (button->text().startsWith(QStringLiteral("画面")))
                return button->text();
        return {};
    }
    std::vector<std::string> disabledShowItems() const {
        std::vector<std::string> disabled;
        for (const char* caption : {"ボーダーを表示", "最前面に表示", "常に表示", "反転", "縦横",
                                    "左上に移動", "左下に移動", "右上に移動", "右下に移動"})
            if (!menuItem(caption).isEnabled())
                disabled.emplace_back(caption);
        return disabled;
    }
};

TEST_F(WindowModesTest, AlwaysShowFromTheStoredFlagDocksAndBlocksTheSixCommands) {
    writeSettings({"[option]", "OP0=false", "OP7=down", "OP8=true", "[window]", "T=100", "L=120",
                   "W=300", "H=60"});
    start();
    const QRect work = ticker().screen()->availableGeometry();
    ASSERT_TRUE(menuItem("常に表示").isChecked());
    EXPECT_EQ(ticker().geometry(), QRect(work.left(), work.bottom() + 1 - 60, work.width(), 60));
    EXPECT_EQ(disabledShowItems(),
              (std::vector<std::string>{"ボーダーを表示", "縦横", "左上に移動", "左下に移動",
                                        "右上に移動", "右下に移動"}));

    // The options dialog's buttons reach the same toggles; they do nothing in this mode.
    WindowModes& modes = ticker().windowModes();
    modes.toggleBorder();
    modes.toggleOrientation();
    modes.moveToCorner(Corner::TopLeft);
    EXPECT_FALSE(menuItem("ボーダーを表示").isChecked());
    EXPECT_FALSE(sign().Direction());
    EXPECT_EQ(ticker().geometry().top(), work.bottom() + 1 - 60);

    // A save while docked keeps the bounds to come back to, so that a restart docks anew
    // from them and leaving the mode then finds them.
    ticker().SaveSettings();
    const std::string saved = dir.read("glowtape3.ini");
    for (const char* line : {"H=60\r\n", "W=300\r\n", "T=100\r\n", "L=120\r\n", "OP8=true\r\n"})
        EXPECT_NE(saved.find(line), std::string::npos) << line;

    menuItem("常に表示").trigger();
    EXPECT_EQ(ticker().pos(), QPoint(120, 100));
    EXPECT_EQ(clientSize(), QSize(300, 60));
    EXPECT_TRUE(disabledShowItems().empty());
}

TEST_F(WindowModesTest, TheBorderToggleKeepsTheClientSizeAndTheTopmostState) {
    writeSettings({"[option]", "OP0=true", "OP6=true", "[window]", "W=400", "H=70"});
    start();
    ticker().show();
    processEvents();
    menuItem("ボーダーを表示").trigger();
    EXPECT_TRUE(ticker().windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_EQ(clientSize(), QSize(400, 70));
    menuItem("ボーダーを表示").trigger();
    EXPECT_FALSE(ticker().windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_EQ(clientSize(), QSize(400, 70));
    EXPECT_TRUE(ticker().windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(ticker().isVisible());
    // The title bar carries the close box only.
    EXPECT_FALSE(ticker().windowFlags() &
                 (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));

    menuItem("最前面に表示").trigger();
    EXPECT_FALSE(ticker().windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(ticker().isVisible());
}

TEST_F(WindowModesTest, TheOrientationToggleSwapsTheSizeAndThePositionCaptions) {
    writeSettings({"[window]", "W=600", "H=90"});
    start();
    EXPECT_EQ(dockCaption(), QStringLiteral("画面上部にて表示"));
    menuItem("縦横").trigger();
    EXPECT_TRUE(sign().Direction());
    EXPECT_EQ(clientSize(), QSize(90, 600));
    EXPECT_TRUE(control("Dec").isHidden());
    EXPECT_EQ(dockCaption(), QStringLiteral("画面左部にて表示"));
    menuItem("縦横").trigger();
    EXPECT_EQ(clientSize(), QSize(600, 90));
    EXPECT_EQ(dockCaption(), QStringLiteral("画面上部にて表示"));
}

TEST_F(WindowModesTest, TheIconFollowsTheComposedFeedAndStartsOverWithTheWindow) {
    writeOneLocalFeed();
    start();
    ticker().show();
    processEvents();
    QSystemTrayIcon* icon = ticker().trayIcon().icon();
    ASSERT_NE(icon, nullptr);
    EXPECT_EQ(icon->toolTip(), QStringLiteral("Glowtape"));
    EXPECT_FALSE(icon->icon().isNull());
    // A right click opens the ticker's menu at any time.
    QMenu& menu = *ticker().popupMenu();
    emit icon->activated(QSystemTrayIcon::Context);
    EXPECT_TRUE(menu.isVisible());
    menu.hide();

    ticker().rotation()->showFeedNow(0);
    waitForLoad();
    EXPECT_TRUE(icon->toolTip().startsWith(QStringLiteral("Glowtape 【Local")))
        << icon->toolTip().toStdString();
    emit icon->activated(QSystemTrayIcon::Context);
    EXPECT_TRUE(menu.isVisible());
    menu.hide();

    menuItem("ボーダーを表示").trigger();
    ASSERT_NE(ticker().trayIcon().icon(), nullptr);
    EXPECT_EQ(ticker().trayIcon().icon()->toolTip(), QStringLiteral("Glowtape"));
}

} // namespace
