#include "LightStr/TLightStr.h"
#include "SpeedButtonEX/TSpeedButtonEX.h"
#include "app/settings/SettingKeys.h"
#include "feed/marks/HeadlineMarks.h"
#include "framework/files/IniFile.h"
#include "options/FontColourDialog.h"
#include "options/ShortcutPage.h"
#include "support/NextDialog.h"
#include "support/ProgramWindows.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QFontDialog>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QWheelEvent>
#include <filesystem>

namespace {

class OptionsPages : public ProgramTest {
protected:
    void SetUp() override { writeFeedList(""); }

    template <typename Control = QWidget> Control& option(const char* name) const {
        auto* found = program->options.findChild<Control*>(QString::fromLatin1(name));
        if (!found)
            throw std::runtime_error(std::string("no option control ") + name);
        return *found;
    }
    // A control by the name a screen reader hears.
    template <typename Control> Control& named(const char* accessibleName) const {
        for (Control* control : program->options.findChildren<Control*>())
            if (control->accessibleName() == QString::fromUtf8(accessibleName))
                return *control;
        throw std::runtime_error(std::string("nothing named ") + accessibleName);
    }
    template <typename Control> Control& captioned(const char* text) const {
        for (Control* control : program->options.findChildren<Control*>())
            if (control->text() == QString::fromUtf8(text))
                return *control;
        throw std::runtime_error(std::string("no control captioned ") + text);
    }

    std::string saved(const char* section, const char* key) const {
        ticker().SaveSettings();
        return IniFile(dir.file("glowtape3.ini")).value(section, key).value_or("<missing>");
    }
};

TEST_F(OptionsPages, AChosenColourReachesTheSignAndIsSaved) {
    start();
    // 0x00BBGGRR 0x00123456: red 0x56, green 0x34, blue 0x12.
    NextDialog<QColorDialog> chooser([](QColorDialog& dialog) {
        dialog.setCurrentColor(QColor(0x56, 0x34, 0x12));
        dialog.accept();
    });
    named<TSpeedButtonEX>("暗い部分").click();
    ASSERT_TRUE(chooser.answered());
    EXPECT_EQ(sign().DarkColor(), 0x00123456u);
    EXPECT_EQ(saved("color", "dark"), "$00123456");

    // Cancelled: nothing changes.
    NextDialog<QColorDialog> cancelled([](QColorDialog& dialog) {
        dialog.setCurrentColor(Qt::red);
        dialog.reject();
    });
    named<TSpeedButtonEX>("背景").click();
    ASSERT_TRUE(cancelled.answered());
    EXPECT_EQ(saved("color", "back"), "clBlack");
}

TEST_F(OptionsPages, TheArticleFontIsKeptForTheSignsOrientation) {
    writeSettings({"[option]", "Direct=true"});
    start();
    QFont preset;
    QString presetColour;
    NextDialog<QFontDialog> chooser([&](QFontDialog& dialog) {
        preset = dialog.currentFont();
        QFont font(QStringLiteral("IPAPGothic"));
        font.setPointSize(20);
        font.setUnderline(true);
        dialog.setCurrentFont(font);
        // The font's colour comes with it, preset from the article colour.
        QComboBox* colours = static_cast<FontColourDialog&>(dialog).colourBox();
        presetColour = colours->currentText();
        colours->setCurrentIndex(colours->findText(QStringLiteral("赤")));
        dialog.accept();
    });
    captioned<QPushButton>("記事").click();
    ASSERT_TRUE(chooser.answered());
    EXPECT_EQ(preset.family(), QStringLiteral("IPAGothic")); // "@ＭＳ ゴシック", the vertical face
    EXPECT_EQ(sign().ShowFontH(), 20);
    EXPECT_EQ(sign().FontStyle(), 4);
    EXPECT_EQ(saved("font", "name2"), "@IPAPGothic"); // vertical writing kept
    EXPECT_EQ(saved("font", "name1"), settings::font::kPGothic);
    EXPECT_EQ(saved("font", "size1"), "20");
    EXPECT_EQ(presetColour, QStringLiteral("黄緑"));
    EXPECT_EQ(saved("color", "font"), "clRed");
}

TEST_F(OptionsPages, TheDescriptionFontSizesTheBarAndItsButtons) {
    writeSettings({"[option]", "OP15=top"});
    start();
    NextDialog<QFontDialog> chooser([](QFontDialog& dialog) {
        QFont font(QStringLiteral("IPAGothic"));
        font.setPointSize(10);
        dialog.setCurrentFont(font);
        dialog.accept();
    });
    captioned<QPushButton>("記述").click();
    ASSERT_TRUE(chooser.answered());
    EXPECT_EQ(control("Button1").height(), 13);
    EXPECT_EQ(control("Button2").height(), 13);
    EXPECT_EQ(control("ToolBar1").height(), 16);
    EXPECT_EQ(sign().y(), 16); // the sign moved below the grown bar
    EXPECT_EQ(saved("font", "size2"), "10");
    EXPECT_EQ(saved("font", "name3"), "IPAGothic");
}

TEST_F(OptionsPages, TrackBarsApplyAtOnceAndFollowTheTickerWhenOpened) {
    start();
    option<QSlider>("TrackBar4").setValue(5);
    EXPECT_EQ(sign().Bit(), 5);
    option<QSlider>("TrackBar1").setValue(30);
    EXPECT_EQ(sign().ShowInterval(), 30u);
    option<QSlider>("TrackBar7").setValue(400);
    EXPECT_EQ(ticker().width(), 400);
    EXPECT_EQ(saved("option", "OP10"), "5");

    sign().setSending(7);
    ticker().resize(321, 77);
    ticker().N3Click();
    EXPECT_EQ(option<QSlider>("TrackBar2").value(), 7);
    EXPECT_EQ(option<QSlider>("TrackBar5").value(), 77);
    EXPECT_EQ(option<QSlider>("TrackBar7").value(), 321);
    EXPECT_EQ(ticker().size(), QSize(321, 77)); // presetting changes nothing
}

TEST_F(OptionsPages, HoverIsAPageOneOptionAndTheSpeedTrackBarFollowsTheWheel) {
    start();
    ticker().N3Click();
    auto& hover = option<QCheckBox>("Hover");
    EXPECT_TRUE(hover.isChecked());
    hover.setChecked(false);
    EXPECT_FALSE(sign().PauseOnHover());
    EXPECT_EQ(saved("option", "Hover"), "false");

    const QPointF at(5, 5);
    QWheelEvent notch(at, sign().mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(&sign(), &notch);
    EXPECT_EQ(sign().ShowInterval(), 11u);
    EXPECT_EQ(option<QSlider>("TrackBar1").value(), 11);
}

TEST_F(OptionsPages, ReaderOptionsOnThePositionPage) {
    start();
    auto& home = option<QLineEdit>("DefUri");
    home.clear();
    EXPECT_EQ(home.text(), QStringLiteral("http://"));

    auto& above = captioned<QCheckBox>("電光掲示板の真上に表示する");
    auto& below = captioned<QCheckBox>("電光掲示板の真下に表示する");
    above.setChecked(true);
    EXPECT_FALSE(below.isChecked());
    captioned<QRadioButton>("画面上部にて表示").click();
    EXPECT_FALSE(above.isChecked());
    EXPECT_TRUE(below.isChecked());
    captioned<QRadioButton>("画面下部にて表示").click();
    EXPECT_TRUE(above.isChecked());

    above.setChecked(false);
    captioned<QRadioButton>("画面上部にて表示").click();
    EXPECT_FALSE(above.isChecked());
    EXPECT_FALSE(below.isChecked());
}

TEST_F(OptionsPages, ThePanelGrowsWithTheDialogButNeverShrinksBelowItsDesign) {
    start();
    QWidget* panel = program->options.categories()->parentWidget();
    program->options.resize(700, 500);
    program->options.show();
    processEvents();
    EXPECT_EQ(panel->size(), QSize(690, 490));
    EXPECT_EQ(program->options.page(0)->geometry().right(), 689);

    program->options.resize(400, 300);
    processEvents();
    EXPECT_EQ(panel->size(), QSize(560, 350));
}

TEST_F(OptionsPages, HotKeyChoicesAreWrittenAtEveryChange) {
    start();
    ShortcutPage& page = *program->options.shortcutPage();
    QComboBox& next = *page.combo(hotkeys::Slot::Next);
    EXPECT_EQ(page.combo(hotkeys::Slot::Open)->currentText(), QStringLiteral("ctrl + 無変換"));
    EXPECT_EQ(next.currentText(), QStringLiteral("なし"));

    next.setCurrentIndex(next.findText(QStringLiteral("ctrl + F5")));
    const IniFile data(dir.file("data.ini"));
    EXPECT_EQ(data.value("HotKey", "next"), "19");
    ASSERT_EQ(boxes.boxes().size(), 1u);
    EXPECT_EQ(boxes.texts()[0], "設定変更しました。次回起動時より有効になります");
    EXPECT_EQ(boxes.boxes()[0].icon, QMessageBox::NoIcon);

    next.setEditText(QStringLiteral("ctrl + F55"));
    emit next.lineEdit()->editingFinished();
    EXPECT_EQ(IniFile(dir.file("data.ini")).value("HotKey", "next"), "-1");
    EXPECT_EQ(boxes.boxes().size(), 2u);

    // After a restart: an unknown choice shows nothing.
    start();
    EXPECT_EQ(program->options.shortcutPage()->combo(hotkeys::Slot::Next)->currentText(),
              QString());
}

TEST_F(OptionsPages, AnUnwritableDataFileIsReportedWithoutConfirmation) {
    dir.write("data.ini", "");
    std::filesystem::permissions(dir.file("data.ini"), std::filesystem::perms::owner_read);
    start();
    QComboBox& back = *program->options.shortcutPage()->combo(hotkeys::Slot::Back);
    back.setCurrentIndex(3);
    ASSERT_EQ(boxes.boxes().size(), 1u);
    EXPECT_EQ(boxes.boxes()[0].icon, QMessageBox::Critical);
    EXPECT_NE(boxes.texts()[0].find("data.ini に書き込めません"), std::string::npos);
    EXPECT_EQ(back.currentIndex(), 3);
}

TEST_F(OptionsPages, EveryPageAndControlCanBeFoundByName) {
    start();
    for (int index = 0; index < program->options.categories()->count(); ++index) {
        QWidget* page = program->options.page(index);
        EXPECT_EQ(page->accessibleName(), program->options.categories()->item(index)->text());
        // A control without a name of its own would be announced by its group's title.
        for (QWidget* control : page->findChildren<QWidget*>()) {
            QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control);
            ASSERT_NE(accessible, nullptr);
            const QString name = accessible->text(QAccessible::Name);
            const std::string what = std::to_string(index) + " " +
                                     control->metaObject()->className() + " " +
                                     control->objectName().toStdString();
            if (auto* group = qobject_cast<QGroupBox*>(control)) {
                EXPECT_EQ(name, group->title()) << what;
            } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
                EXPECT_TRUE(!button->text().isEmpty() || !button->accessibleName().isEmpty())
                    << what;
            } else if (qobject_cast<QComboBox*>(control) || qobject_cast<QSlider*>(control) ||
                       (qobject_cast<QLineEdit*>(control) &&
                        !qobject_cast<QComboBox*>(control->parentWidget()))) {
                EXPECT_FALSE(control->accessibleName().isEmpty()) << what;
            }
        }
    }
    EXPECT_EQ(named<QSlider>("液晶ドット").objectName(), QStringLiteral("TrackBar4"));
    EXPECT_EQ(named<TSpeedButtonEX>("タイトル").size(), QSize(27, 27));

    // Selecting a category however it is done shows its page.
    program->options.categories()->item(1)->setSelected(true);
    EXPECT_TRUE(program->options.page(1)->isVisibleTo(&program->options));
    EXPECT_FALSE(program->options.page(0)->isVisibleTo(&program->options));
}

} // namespace

namespace {

// Sets an environment variable for one test.
class ScopedEnvironment {
public:
    ScopedEnvironment(const char* name, const std::string& value)
        : name_(name), old_(qgetenv(name)), had_(qEnvironmentVariableIsSet(name)) {
        qputenv(name, QByteArray::fromStdString(value));
    }
    ~ScopedEnvironment() {
        if (had_)
            qputenv(name_, old_);
        else
            qunsetenv(name_);
    }

private:
    const char* name_;
    QByteArray old_;
    bool had_;
};

TEST_F(OptionsPages, StartUpEntryIsConfirmedOnlyWhenWritten) {
    const ScopedEnvironment config("XDG_CONFIG_HOME", dir.path() + "/config");
    start();
    option<QPushButton>("StartUP").click();
    EXPECT_TRUE(std::filesystem::exists(dir.file("config/autostart/Glowtape.desktop")));
    ASSERT_EQ(boxes.boxes().size(), 1u);
    EXPECT_EQ(boxes.boxes()[0].title, QStringLiteral("情報"));
    EXPECT_EQ(boxes.texts()[0], "スタートアップに登録しました");

    boxes.clear();
    dir.write("blocked", "");
    const ScopedEnvironment blocked("XDG_CONFIG_HOME", dir.file("blocked"));
    option<QPushButton>("StartUP").click();
    ASSERT_EQ(boxes.boxes().size(), 1u);
    EXPECT_EQ(boxes.boxes()[0].icon, QMessageBox::Critical);
    EXPECT_NE(boxes.texts()[0].find("blocked/autostart/Glowtape.desktop に書き込めません"),
              std::string::npos);
}

TEST_F(OptionsPages, AnUnreadablePluginColourLeavesTheRestOfTheStartAlone) {
    const ScopedEnvironment programs("ProgramFiles", dir.path());
    dir.write("data.ini", crlf({"[option]", "Bar=true"}));
    std::filesystem::create_directories(dir.file("glowtape"));
    dir.write("glowtape/PlugIn.ini", crlf({"[option]", "OP1=purple", "int=70"}));
    writeFeedList(crlf({"ニュース,http://127.0.0.1:9/feed,○"}));
    start();
    EXPECT_EQ(program->feeds.count(), 1);
    EXPECT_EQ(option<QSlider>("TrackBar6").value(), 70);

    // The speed is written as it moves, the colour once chosen.
    option<QSlider>("TrackBar6").setValue(12);
    EXPECT_EQ(IniFile(dir.file("glowtape/PlugIn.ini")).value("option", "int"), "12");
    NextDialog<QColorDialog> chooser([](QColorDialog& dialog) {
        dialog.setCurrentColor(QColor(Qt::yellow));
        dialog.accept();
    });
    named<TSpeedButtonEX>("記事色").click();
    ASSERT_TRUE(chooser.answered());
    EXPECT_EQ(IniFile(dir.file("glowtape/PlugIn.ini")).value("option", "OP2"), "clYellow");
}

TEST_F(OptionsPages, FilterWordsApplyAtOnceAndComeBackAfterARestart) {
    start();
    option<QPlainTextEdit>("Mute").setPlainText(QStringLiteral("広告\n\n ＰＲ \nd,e"));
    option<QPlainTextEdit>("Mark").setPlainText(QStringLiteral("linux"));
    EXPECT_TRUE(ticker().headlineMarks().muted({"[pr] x", " ", " "}));
    NextDialog<QColorDialog> chooser([](QColorDialog& dialog) {
        dialog.setCurrentColor(QColor(0x56, 0x34, 0x12));
        dialog.accept();
    });
    named<TSpeedButtonEX>("目立たせる色").click();
    ASSERT_TRUE(chooser.answered());
    EXPECT_EQ(ticker().colours().mark, 0x00123456u);
    EXPECT_EQ(saved("filter", "Mute"), "広告,ＰＲ,d e");
    EXPECT_EQ(saved("filter", "Mark"), "linux");
    EXPECT_EQ(saved("color", "mark"), "$00123456");

    start();
    EXPECT_EQ(option<QPlainTextEdit>("Mute").toPlainText(), QStringLiteral("広告\nＰＲ\nd e"));
    EXPECT_TRUE(ticker().headlineMarks().filter().marks({"Linux!", " ", " "}));
    EXPECT_EQ(ticker().colours().mark, 0x00123456u);
}

// While "Apple" is typed, its first letters mute nothing; the word applies once finished.
TEST_F(OptionsPages, ATypedWordAppliesWhenTheUserHasFinishedIt) {
    start();
    program->options.show();
    QApplication::setActiveWindow(&program->options);
    auto& mute = option<QPlainTextEdit>("Mute");
    mute.setFocus();
    ASSERT_TRUE(mute.hasFocus());
    const auto type = [&mute](const QString& text) {
        for (const QChar c : text) {
            const bool enter = c == u'\n';
            QKeyEvent key(QEvent::KeyPress, enter ? Qt::Key_Return : Qt::Key_unknown,
                          Qt::NoModifier, enter ? QString(u'\r') : QString(c));
            QApplication::sendEvent(&mute, &key);
        }
    };
    const auto muted = [this](const char* title) {
        return ticker().headlineMarks().muted({title, " ", " "});
    };

    type(QStringLiteral("A"));
    EXPECT_FALSE(muted("An orange"));
    type(QStringLiteral("pple\n"));
    EXPECT_TRUE(muted("Apple pie"));
    EXPECT_FALSE(muted("An orange"));

    // Leaving the list applies the word being typed ...
    type(QStringLiteral("Pea"));
    EXPECT_FALSE(muted("Peach"));
    option<QPlainTextEdit>("Mark").setFocus();
    EXPECT_TRUE(muted("Peach"));
    // ... and so does a pause in the typing.
    mute.setFocus();
    type(QStringLiteral("\nKiwi"));
    EXPECT_FALSE(muted("Kiwi tart"));
    QDeadlineTimer pause(5000);
    while (!muted("Kiwi tart") && !pause.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    EXPECT_TRUE(muted("Kiwi tart"));
}

TEST_F(OptionsPages, ShownHeadlinesAreRememberedAcrossARestart) {
    start();
    option<QCheckBox>("NewMark").setChecked(true);
    EXPECT_TRUE(ticker().headlineMarks().newMark());
    ticker().headlineMarks().shown({"t", "http://x/1", " "}, "", "");
    EXPECT_EQ(saved("option", "NewMark"), "true");
    EXPECT_EQ(dir.read("seen.txt"), "http://x/1\r\n");

    start();
    EXPECT_TRUE(option<QCheckBox>("NewMark").isChecked());
    EXPECT_TRUE(ticker().headlineMarks().seen().contains("http://x/1"));
}

} // namespace
