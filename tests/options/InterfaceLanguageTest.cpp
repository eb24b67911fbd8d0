#include "app/Translations.h"
#include "framework/files/IniFile.h"
#include "options/TForm2.h"
#include "support/ProgramWindows.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QStyle>

namespace {

// Kana, kanji and full-width forms: text a reader of English alone cannot read.
bool isJapanese(const QString& text) {
    static const QRegularExpression japanese(
        QStringLiteral("[\\x{3000}-\\x{30FF}\\x{3400}-\\x{9FFF}\\x{FF00}-\\x{FFEF}]"));
    return text.contains(japanese);
}

// The texts a user sees or hears from a window and its children.
QStringList textsOf(const QWidget& window) {
    QStringList texts{window.windowTitle()};
    QList<QWidget*> widgets = window.findChildren<QWidget*>();
    for (QWidget* widget : widgets) {
        texts << widget->accessibleName() << widget->toolTip();
        if (auto* label = qobject_cast<QLabel*>(widget))
            texts << label->text();
        else if (auto* button = qobject_cast<QAbstractButton*>(widget))
            texts << button->text();
        else if (auto* group = qobject_cast<QGroupBox*>(widget))
            texts << group->title();
        // Languages go by their own names.
        if (auto* combo = qobject_cast<QComboBox*>(widget);
            combo && widget->objectName() != "Language")
            for (int i = 0; i < combo->count(); ++i)
                texts << combo->itemText(i);
        if (auto* view = qobject_cast<QAbstractItemView*>(widget); view && view->model()) {
            const QAbstractItemModel& model = *view->model();
            for (int column = 0; column < model.columnCount(); ++column)
                texts << model.headerData(column, Qt::Horizontal).toString();
        }
        if (auto* list = qobject_cast<QListWidget*>(widget))
            for (int i = 0; i < list->count(); ++i)
                texts << list->item(i)->text();
    }
    return texts;
}

QStringList menuTexts(const QMenu& menu) {
    QStringList texts;
    for (const QAction* action : menu.actions()) {
        texts << action->text();
        if (action->menu())
            texts << menuTexts(*action->menu());
    }
    return texts;
}

QStringList japaneseAmong(const QStringList& texts) {
    QStringList found;
    for (const QString& text : texts)
        if (isJapanese(text))
            found << text;
    return found;
}

} // namespace

class InterfaceLanguage : public ProgramTest {
protected:
    void startIn(const std::string& translation) {
        texts = std::make_unique<Translations>(translation);
        start();
    }
    ~InterfaceLanguage() override {
        program.reset();
        texts.reset();
    }

    std::unique_ptr<Translations> texts;
};

TEST_F(InterfaceLanguage, EnglishLeavesNoJapaneseInWindowsMenuOrFirstRunWarning) {
    startIn("en");
    ASSERT_EQ(boxes.boxes().size(), 1u);
    EXPECT_EQ(boxes.boxes()[0].title, QStringLiteral("Warning"));
    EXPECT_FALSE(isJapanese(boxes.boxes()[0].text)) << boxes.boxes()[0].text.toStdString();

    const QStringList menu = menuTexts(*ticker().popupMenu());
    EXPECT_TRUE(menu.contains(QStringLiteral("Exit")));
    EXPECT_EQ(japaneseAmong(menu), QStringList());
    for (const QWidget* window : std::initializer_list<const QWidget*>{
             &program->ticker, &program->options, &program->reader, &program->articles})
        EXPECT_EQ(japaneseAmong(textsOf(*window)), QStringList())
            << window->objectName().toStdString();
}

TEST_F(InterfaceLanguage, TheSourceTextsAreTheJapaneseInterface) {
    startIn("");
    ASSERT_EQ(boxes.boxes().size(), 1u);
    EXPECT_EQ(boxes.boxes()[0].title, QStringLiteral("警告"));
    EXPECT_TRUE(menuTexts(*ticker().popupMenu()).contains(QStringLiteral("終了")));
    EXPECT_EQ(program->options.windowTitle(), QStringLiteral("各種設定"));
}

TEST_F(InterfaceLanguage, TheChoiceIsAnnouncedInTheChosenLanguageAndSaved) {
    writeFeedList("");
    writeSettings({"[option]", "Language=xx"});
    startIn("");
    auto& box = *program->options.findChild<QComboBox*>(QStringLiteral("Language"));
    EXPECT_EQ(box.currentData().toString(), QStringLiteral("auto"));
    const auto saved = [this] {
        ticker().SaveSettings();
        return IniFile(dir.file("glowtape3.ini")).value("option", "Language").value_or("<missing>");
    };
    // A value this program does not know stays until the user chooses.
    EXPECT_EQ(saved(), "xx");
    EXPECT_TRUE(boxes.texts().empty());

    box.setCurrentIndex(box.findData(QStringLiteral("en")));
    EXPECT_EQ(boxes.texts(), std::vector<std::string>{
                                 "The setting has changed. It takes effect at the next start."});
    EXPECT_EQ(saved(), "en");
    boxes.clear();
    box.setCurrentIndex(box.findData(QStringLiteral("ja")));
    EXPECT_EQ(boxes.texts(),
              std::vector<std::string>{"設定変更しました。次回起動時より有効になります"});
    EXPECT_EQ(saved(), "ja");
}

// Every caption fits its widget, and every widget its page, at the dialog's design size.
class InterfaceLayout : public InterfaceLanguage,
                        public ::testing::WithParamInterface<std::string> {};

TEST_P(InterfaceLayout, NoTextOfTheOptionsPagesIsCut) {
    startIn(GetParam());
    TForm2& options = program->options;
    options.show();
    for (int index = 0; index < 8; ++index) {
        options.selectCategory(index);
        processEvents();
        QWidget* page = options.page(index);
        const QRect pageRect = page->rect();
        for (QWidget* widget : page->findChildren<QWidget*>()) {
            if (!widget->isVisibleTo(page) || widget->isWindow())
                continue;
            QString text;
            int needed = 0;
            if (auto* label = qobject_cast<QLabel*>(widget)) {
                text = label->text();
                needed = label->wordWrap() ? 0 : label->sizeHint().width();
                if (label->wordWrap()) {
                    EXPECT_LE(label->heightForWidth(label->width()), label->height())
                        << text.toStdString();
                }
            } else if (auto* button = qobject_cast<QPushButton*>(widget)) {
                // A push button's size hint has the style's minimum width; its text needs
                // only its own width inside the frame.
                text = button->text();
                needed =
                    button->fontMetrics().horizontalAdvance(text) +
                    2 * button->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, button);
            } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
                text = button->text();
                needed = button->sizeHint().width();
            } else if (auto* group = qobject_cast<QGroupBox*>(widget)) {
                text = group->title();
                needed = group->minimumSizeHint().width();
            }
            if (text.isEmpty())
                continue;
            EXPECT_GE(widget->width(), needed) << "page " << index << ": " << text.toStdString();
            const QRect inPage(widget->mapTo(page, QPoint(0, 0)), widget->size());
            EXPECT_TRUE(pageRect.contains(inPage))
                << "page " << index << ": " << text.toStdString() << " lies outside its page";
        }
    }
}

INSTANTIATE_TEST_SUITE_P(BothLanguages, InterfaceLayout, ::testing::Values("", "en"),
                         [](const auto& info) {
                             return info.param.empty() ? "Japanese" : "English";
                         });
