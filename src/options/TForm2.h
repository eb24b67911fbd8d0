#pragma once

#include "feed/LineChoices.h"

#include <QWidget>
#include <array>
#include <string>

class FeedList;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QListWidget;
class QRadioButton;
class QTreeView;
class SettingsReader;
class TForm1;
struct GlowtapeSettings;

// The options dialog "各種設定": a category list and seven pages. It holds the feed list's
// view and the options that other windows read, and its creation starts the show.
class TForm2 : public QWidget, public LineChoices {
    Q_OBJECT
public:
    TForm2(TForm1& ticker, FeedList& feeds, const std::string& settingsDirectory);

    int MainList() const override;
    int DecList() const override;
    // The program that opens articles; empty for the desktop's handler (code page 932).
    std::string browserProgram() const;

    void selectCategory(int index);
    // Left/right captions for a vertical sign, top/bottom for a horizontal one.
    void setVerticalCaptions(bool vertical);
    void collectSettings(GlowtapeSettings& settings) const;

    QTreeView* newsList() const { return NewsList; }
    QListWidget* categories() const { return ListBox1; }
    QWidget* page(int index) const { return pages_.at(static_cast<std::size_t>(index)); }

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void buildPages();
    QWidget* buildAppearancePage();
    QWidget* buildPositionPage();
    QWidget* buildFeedPage();
    QWidget* buildAboutPage();
    void FormCreate(const SettingsReader& reader);

    TForm1& ticker_;
    QWidget* MainPanel = nullptr;
    QListWidget* ListBox1 = nullptr;
    std::array<QWidget*, 7> pages_{};
    QTreeView* NewsList = nullptr;
    QLineEdit* UrlEXE = nullptr;
    QLineEdit* DefUri = nullptr;
    QCheckBox* OP2 = nullptr;
    QCheckBox* OP4 = nullptr;
    QRadioButton* OP7a = nullptr;
    QRadioButton* OP7b = nullptr;
    QCheckBox* OP11a = nullptr;
    QCheckBox* OP11b = nullptr;
    QCheckBox* OP12 = nullptr;
    QCheckBox* OP13 = nullptr;
    QRadioButton* DecTop = nullptr;
    QRadioButton* DecBottom = nullptr;
    QComboBox* MainListBox = nullptr;
    QComboBox* DecListBox = nullptr;
};
