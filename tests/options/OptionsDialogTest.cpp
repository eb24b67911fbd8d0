#include "LightStr/TLightStr.h"
#include "framework/files/IniFile.h"
#include "support/ProgramWindows.h"

#include <QCheckBox>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <filesystem>

namespace {

class OptionsDialog : public ProgramTest {
protected:
    void SetUp() override { writeFeedList(""); }

    QWidget& launchCloseButton() const { return control<QPushButton>("Button2"); }
    QAction& optionsItem() const { return menuItem("オプション"); }

    // The value the next save writes for an option key.
    std::string savedOption(const char* key) {
        ticker().SaveSettings();
        return IniFile(dir.file("glowtape3.ini")).value("option", key).value_or("<missing>");
    }

    template <typename Button> std::vector<std::string> captions() const {
        std::vector<std::string> texts;
        for (const Button* button : program->options.findChildren<Button*>())
            texts.push_back(button->text().toStdString());
        return texts;
    }
};

TEST_F(OptionsDialog, OpeningClosesTheReaderAndShowsTheCloseButton) {
    start();
    ticker().show();
    program->reader.show();
    ASSERT_TRUE(program->reader.isVisible());

    ticker().N3Click();
    EXPECT_TRUE(program->reader.isHidden());
    EXPECT_TRUE(program->options.isVisible());
    EXPECT_TRUE(optionsItem().isChecked());
    EXPECT_TRUE(launchCloseButton().isVisible());

    // The same command closes it again, which saves.
    std::filesystem::remove(dir.file("glowtape3.ini"));
    std::filesystem::remove(dir.file("news.csv"));
    ticker().N3Click();
    EXPECT_TRUE(program->options.isHidden());
    EXPECT_FALSE(optionsItem().isChecked());
    EXPECT_TRUE(launchCloseButton().isHidden());
    EXPECT_TRUE(std::filesystem::exists(dir.file("glowtape3.ini")));
    EXPECT_TRUE(std::filesystem::exists(dir.file("news.csv")));
}

TEST_F(OptionsDialog, TheMenuItemAndTheCloseButtonActLikeTheCommands) {
    start();
    ticker().show();
    optionsItem().trigger();
    ASSERT_TRUE(program->options.isVisible());
    program->reader.show();

    static_cast<QPushButton&>(launchCloseButton()).click();
    EXPECT_TRUE(program->options.isHidden());
    EXPECT_TRUE(program->reader.isHidden());
    EXPECT_TRUE(launchCloseButton().isHidden());
    EXPECT_FALSE(optionsItem().isChecked());
}

TEST_F(OptionsDialog, HelpAndNewFeedOpenTheirPages) {
    start();
    ticker().Help1Click();
    EXPECT_TRUE(program->options.isVisible());
    EXPECT_EQ(program->options.categories()->currentRow(), 6);
    for (int page = 0; page < 7; ++page)
        EXPECT_EQ(program->options.page(page)->isVisible(), page == 6) << page;

    // Already open: it is closed and opened again on the feed manager.
    ticker().N14Click();
    EXPECT_TRUE(program->options.isVisible());
    EXPECT_TRUE(optionsItem().isChecked());
    for (int page = 0; page < 7; ++page)
        EXPECT_EQ(program->options.page(page)->isVisible(), page == 4) << page;
}

TEST_F(OptionsDialog, TheDescriptionBarGoesToTheTopOnlyForTop) {
    writeSettings({"[option]", "OP15=top"});
    start();
    const QWidget& bar = control("ToolBar1");
    EXPECT_EQ(bar.geometry().topLeft(), QPoint(0, 0));
    EXPECT_EQ(sign().y(), bar.height());
    ticker().resize(500, 100);
    ticker().show();
    processEvents();
    EXPECT_EQ(bar.y(), 0);
    EXPECT_EQ(sign().y(), bar.height());
    EXPECT_EQ(savedOption("OP15"), "top");

    writeSettings({"[option]", "OP15=TOP"});
    start();
    EXPECT_EQ(control("ToolBar1").y(), 90 - control("ToolBar1").height());
    EXPECT_EQ(sign().y(), 0);
    EXPECT_EQ(savedOption("OP15"), "bottom");
}

TEST_F(OptionsDialog, TheLaunchButtonPanelIsShownOnlyForTrue) {
    struct Case {
        const char* line; // nullptr: no key
        int width;
        const char* saved;
    };
    for (const Case& c : {Case{"OP4=true", 35, "true"}, Case{nullptr, 35, "true"},
                          Case{"OP4=", 0, ""}, Case{"OP4=True", 0, ""}}) {
        SCOPED_TRACE(c.line ? c.line : "missing");
        if (c.line)
            writeSettings({"[option]", c.line});
        else
            std::filesystem::remove(dir.file("glowtape3.ini"));
        start();
        EXPECT_EQ(control("LeftPanel").width(), c.width);
        EXPECT_EQ(savedOption("OP4"), c.saved);
    }
}

TEST_F(OptionsDialog, PositionChoicesKeepTheirStoredForm) {
    start(); // no settings: the defaults
    EXPECT_EQ(savedOption("OP11"), "down");
    EXPECT_EQ(savedOption("OP7"), "down");

    writeSettings({"[option]", "OP11=", "OP7=left"});
    start();
    EXPECT_EQ(savedOption("OP11"), "");
    for (QRadioButton* button : program->options.findChildren<QRadioButton*>()) {
        if (button->text().contains(QStringLiteral("画面"))) {
            EXPECT_FALSE(button->isChecked()) << button->text().toStdString();
        }
    }
    EXPECT_EQ(savedOption("OP7"), "down");
}

TEST_F(OptionsDialog, TheDialogStartsAtItsStoredOrDefaultBounds) {
    start();
    EXPECT_EQ(program->options.pos(), QPoint(200, 100));
    EXPECT_EQ(program->options.size(), QSize(580, 400));

    writeSettings({"[window2]", "T=20", "L=30", "W=600", "H=420"});
    start();
    EXPECT_EQ(program->options.pos(), QPoint(30, 20));
    EXPECT_EQ(program->options.size(), QSize(600, 420));
}

TEST_F(OptionsDialog, AVerticalSignGetsLeftAndRightCaptionsFromTheStart) {
    const auto has = [](const std::vector<std::string>& texts, const char* text) {
        return std::find(texts.begin(), texts.end(), text) != texts.end();
    };
    start();
    EXPECT_TRUE(has(captions<QRadioButton>(), "画面上部にて表示"));
    EXPECT_TRUE(has(captions<QCheckBox>(), "電光掲示板の真下に表示する"));

    writeSettings({"[option]", "Direct=true"});
    start();
    const auto radios = captions<QRadioButton>();
    const auto boxes = captions<QCheckBox>();
    EXPECT_TRUE(has(radios, "画面左部にて表示"));
    EXPECT_TRUE(has(radios, "画面右部にて表示"));
    EXPECT_TRUE(has(boxes, "電光掲示板の真左に表示する"));
    EXPECT_TRUE(has(boxes, "電光掲示板の真右に表示する"));
    EXPECT_FALSE(has(radios, "画面上部にて表示"));
}

} // namespace
