#include "LightStr/TLightStr.h"
#include "support/ProgramWindows.h"

#include <QLabel>
#include <QPushButton>

namespace {

const char* const kNoFeeds = "ニュースが一つも登録されていません。新規登録をしてください。";

QRgb backgroundOf(const QWidget& widget) {
    return widget.palette().color(QPalette::Window).rgb();
}

QRgb textColourOf(const QWidget& widget) {
    return widget.palette().color(QPalette::WindowText).rgb();
}

using TickerCreation = ProgramTest;

TEST_F(TickerCreation, WithoutSettingsEveryDefaultIsAppliedAndTheMissingFeedListIsReported) {
    start();

    EXPECT_EQ(ticker().pos(), QPoint(0, 0));
    EXPECT_EQ(ticker().size(), QSize(600, 90));
    EXPECT_EQ(ticker().colours().article, 0x0000FF00u);
    EXPECT_EQ(ticker().colours().title, 0x0000FFFFu);
    EXPECT_EQ(ticker().colours().description, 0x00FFFFFFu);
    EXPECT_EQ(sign().DarkColor(), 0x00404000u);
    EXPECT_EQ(sign().BackColor(), 0x00000000u);
    EXPECT_EQ(textColourOf(control<QLabel>("Dec")), qRgb(255, 255, 255));
    EXPECT_EQ(backgroundOf(ticker()), qRgb(0, 0, 0));

    EXPECT_TRUE(menuItem("ボーダーを表示").isChecked());
    EXPECT_FALSE(ticker().windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_FALSE(menuItem("最前面に表示").isChecked());
    EXPECT_FALSE(ticker().windowFlags().testFlag(Qt::WindowStaysOnTopHint));

    EXPECT_FALSE(sign().Direction());
    EXPECT_TRUE(sign().Reverse());
    EXPECT_EQ(sign().ShowInterval(), 10u);
    EXPECT_EQ(sign().Space(), 0);
    EXPECT_EQ(sign().Bit(), 3);
    EXPECT_EQ(sign().Sending(), 0);
    EXPECT_EQ(sign().ShowFontH(), 14);
    EXPECT_EQ(sign().FontName(), "ＭＳ Ｐゴシック");
    EXPECT_FALSE(control<QLabel>("Dec").isHidden());

    // The welcome line is the first line, and the sign runs it.
    ASSERT_FALSE(sign().ShowStrings().empty());
    EXPECT_EQ(sign().ShowStrings()[0], "glowtape【http://glowtape.example/】");
    EXPECT_TRUE(sign().ShowActive());
    EXPECT_EQ(ticker().rotationState().feedIndex, -1);
    EXPECT_EQ(program->feeds.count(), 0);

    ASSERT_EQ(boxes.boxes().size(), 1u);
    EXPECT_EQ(boxes.boxes()[0].title, QStringLiteral("警告"));
    EXPECT_EQ(boxes.boxes()[0].icon, QMessageBox::Warning);
    EXPECT_EQ(boxes.boxes()[0].buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    EXPECT_EQ(boxes.texts()[0], kNoFeeds);
}

TEST_F(TickerCreation, AnEmptyFeedListIsNoReasonToWarn) {
    writeFeedList("");
    start();
    EXPECT_TRUE(boxes.boxes().empty());
    EXPECT_EQ(sign().ShowStrings().size(), 1u);
}

TEST_F(TickerCreation, StoredValuesReachTheWindowAndTheSign) {
    writeSettings({"[window]",      "T=40",       "L=-12",      "W=480",           "H=70",
                   "B=1",           "[color]",    "font=clRed", "title=$00123456", "dark=clNavy",
                   "back=clMaroon", "dec=clAqua", "[font]",     "name1=ＭＳ 明朝", "OP1=3",
                   "size1=16",      "[option]",   "OP5=25",     "OP9=2",           "OP10=5",
                   "OP16=4",        "OP6=true"});
    start();

    EXPECT_EQ(ticker().pos(), QPoint(-12, 40));
    EXPECT_EQ(ticker().size(), QSize(480, 70));
    EXPECT_EQ(ticker().colours().article, 0x000000FFu);
    EXPECT_EQ(ticker().colours().title, 0x00123456u);
    EXPECT_EQ(sign().DarkColor(), 0x00800000u);
    EXPECT_EQ(sign().BackColor(), 0x00000080u);
    EXPECT_EQ(textColourOf(control<QLabel>("Dec")), qRgb(0, 255, 255));
    // The window, its bar, the launch-button panel and the label take the sign's background.
    for (QWidget* widget : {static_cast<QWidget*>(&ticker()), &control("ToolBar1"),
                            &control("LeftPanel"), static_cast<QWidget*>(&control<QLabel>("Dec"))})
        EXPECT_EQ(backgroundOf(*widget), qRgb(0x80, 0, 0)) << widget->objectName().toStdString();

    EXPECT_EQ(sign().FontName(), "ＭＳ 明朝");
    EXPECT_EQ(sign().FontStyle(), 3);
    EXPECT_EQ(sign().ShowFontH(), 16);
    EXPECT_EQ(sign().ShowInterval(), 25u);
    EXPECT_EQ(sign().Space(), 2);
    EXPECT_EQ(sign().Bit(), 5); // option/OP10 replaces window/B
    EXPECT_EQ(sign().Sending(), 4);
    EXPECT_TRUE(menuItem("最前面に表示").isChecked());
    EXPECT_TRUE(ticker().windowFlags().testFlag(Qt::WindowStaysOnTopHint));
}

TEST_F(TickerCreation, OnlyTheExactTextTrueKeepsTheBorder) {
    for (const char* value : {"false", "True", "yes"}) {
        SCOPED_TRACE(value);
        const std::string line = std::string("OP0=") + value;
        writeSettings({"[option]", line.c_str()});
        start();
        EXPECT_FALSE(menuItem("ボーダーを表示").isChecked());
        EXPECT_TRUE(ticker().windowFlags().testFlag(Qt::FramelessWindowHint));
        // The client area keeps the stored size either way.
        EXPECT_EQ(ticker().size(), QSize(600, 90));
    }
    writeSettings({"[option]", "OP0=true"});
    start();
    EXPECT_TRUE(menuItem("ボーダーを表示").isChecked());
    EXPECT_FALSE(ticker().windowFlags().testFlag(Qt::FramelessWindowHint));
}

TEST_F(TickerCreation, TheDescriptionFontSizeSetsTheButtonsAndTheBar) {
    struct Case {
        const char* size2;
        int button;
        int bar;
    };
    for (const Case& c : {Case{"8", 11, 14}, Case{"12", 15, 18}}) {
        SCOPED_TRACE(c.size2);
        const std::string line = std::string("size2=") + c.size2;
        writeSettings({"[font]", line.c_str()});
        start();
        EXPECT_EQ(control<QPushButton>("Button1").height(), c.button);
        EXPECT_EQ(control<QPushButton>("Button2").height(), c.button);
        EXPECT_EQ(control("ToolBar1").height(), c.bar);
        // The bar sits at the bottom of the client area.
        EXPECT_EQ(control("ToolBar1").geometry(), QRect(0, 90 - c.bar, 600, c.bar));
    }
}

TEST_F(TickerCreation, AVerticalSignHidesTheDescriptionAndUsesTheVerticalFont) {
    writeSettings({"[font]", "name1=ＭＳ 明朝", "name2=@ＭＳ 明朝", "[option]", "Direct=true"});
    start();
    EXPECT_TRUE(sign().Direction());
    EXPECT_TRUE(control<QLabel>("Dec").isHidden());
    EXPECT_EQ(sign().FontName(), "@ＭＳ 明朝");

    writeSettings({"[option]", "Direct=True"});
    start();
    EXPECT_FALSE(sign().Direction());
    EXPECT_FALSE(control<QLabel>("Dec").isHidden());
    EXPECT_EQ(sign().FontName(), "ＭＳ Ｐゴシック");
}

TEST_F(TickerCreation, AStoredHeightOfZeroFollowsTheTextHeight) {
    writeSettings({"[window]", "H=0", "[font]", "size1=14"});
    start();
    EXPECT_EQ(ticker().height(), 71);

    writeSettings({"[window]", "H=0", "[font]", "size1=20"});
    start();
    EXPECT_EQ(ticker().height(), 95);
}

TEST_F(TickerCreation, OnlyFalseTurnsReversedScrollingOff) {
    for (const char* value : {"no", "False", ""}) {
        SCOPED_TRACE(value);
        const std::string line = std::string("Rever=") + value;
        writeSettings({"[option]", line.c_str()});
        start();
        EXPECT_TRUE(sign().Reverse());
    }
    writeSettings({"[option]", "Rever=false"});
    start();
    EXPECT_FALSE(sign().Reverse());
}

TEST_F(TickerCreation, AnUnreadableColourStopsTheLoadingAtThatKey) {
    writeSettings({"[window]",
                   "W=500",
                   "H=80",
                   "B=5",
                   "[color]",
                   "font=clRed",
                   "title=clBlue",
                   "dark=clNotAColour",
                   "back=clNavy",
                   "[font]",
                   "name1=ＭＳ 明朝",
                   "size1=20",
                   "size2=12",
                   "[option]",
                   "OP5=30",
                   "OP10=2",
                   "OP9=3",
                   "Direct=true",
                   "Rever=false",
                   "OP6=true"});
    start();

    // The keys before it are applied.
    EXPECT_EQ(ticker().size(), QSize(500, 80));
    EXPECT_EQ(ticker().colours().article, 0x000000FFu);
    EXPECT_EQ(ticker().colours().title, 0x00FF0000u);
    // The keys from it on keep the window's design values.
    EXPECT_EQ(sign().DarkColor(), 0x00808000u);
    EXPECT_EQ(sign().BackColor(), 0x00000000u);
    EXPECT_EQ(sign().Bit(), 5);
    EXPECT_EQ(sign().ShowInterval(), 10u);
    EXPECT_EQ(sign().Space(), 0);
    EXPECT_EQ(sign().ShowFontH(), 11);
    EXPECT_EQ(sign().FontName(), "@ＭＳ ゴシック");
    EXPECT_FALSE(sign().Direction());
    EXPECT_TRUE(sign().Reverse());
    EXPECT_FALSE(menuItem("最前面に表示").isChecked());
    EXPECT_EQ(control("ToolBar1").height(), 11);
    // The rotation still starts from the first row.
    EXPECT_EQ(ticker().rotationState().feedIndex, -1);

    // The error first, then the start-up sequence's warning: the program goes on.
    ASSERT_EQ(boxes.boxes().size(), 2u);
    EXPECT_EQ(boxes.boxes()[0].icon, QMessageBox::Critical);
    EXPECT_EQ(boxes.texts()[0], "'clNotAColour' は整数ではありません");
    EXPECT_EQ(boxes.texts()[1], kNoFeeds);
    EXPECT_EQ(sign().ShowStrings().size(), 1u);
}

TEST_F(TickerCreation, TheErrorNamesTheOffendingTextOfAnyColourKey) {
    writeSettings({"[color]", "font=clRed", "dec=12abc"});
    writeFeedList("");
    start();
    EXPECT_EQ(boxes.texts(), std::vector<std::string>{"'12abc' は整数ではありません"});
    EXPECT_EQ(ticker().colours().article, 0x000000FFu);
    EXPECT_EQ(ticker().colours().description, 0x00FFFFFFu);
    EXPECT_EQ(textColourOf(control<QLabel>("Dec")), qRgb(255, 255, 255));
}

TEST_F(TickerCreation, ResizingKeepsTheBarAtTheBottomAndTheSignAcrossTheWidth) {
    start();
    ticker().show();
    ticker().resize(450, 80);
    processEvents();

    EXPECT_EQ(control("ToolBar1").geometry(), QRect(0, 80 - 14, 450, 14));
    EXPECT_EQ(control<QLabel>("Dec").geometry(), QRect(38, 0, 450 - 38, 14));
    // The sign reaches one pixel past the right edge, less what does not make a whole dot.
    const QRect signArea = sign().geometry();
    EXPECT_EQ(signArea.topLeft(), QPoint(0, 0));
    EXPECT_LE(signArea.width(), 451);
    EXPECT_GT(signArea.width(), 451 - sign().Bit());
    ticker().hide();
}

} // namespace
