#pragma once

#include "feed/rotation/LineChoices.h"
#include "reader/ReaderOptions.h"

#include <QWidget>
#include <array>
#include <string>

class AboutPage;
class AppearancePage;
class FeedList;
class FeedManagerPage;
class AccountPage;
class FilterPage;
class PluginPage;
class PositionPage;
class ShortcutPage;
class SignPage;
class QListWidget;
class QTreeView;
class SettingsReader;
class TForm1;
struct GlowtapeSettings;

// The options dialog "各種設定": a category list and eight pages, one class each. It holds
// the feed list's view and the options that other windows read, and its creation starts the
// show.
class TForm2 : public QWidget, public LineChoices {
    Q_OBJECT
public:
    TForm2(TForm1& ticker, FeedList& feeds, const std::string& settingsDirectory);

    int MainList() const override;
    int DecList() const override;
    // The program that opens articles; empty for the desktop's handler.
    std::string browserProgram() const;
    ReaderOptions readerOptions() const;

    void selectCategory(int index);
    // Left/right captions for a vertical sign, top/bottom for a horizontal one.
    void setVerticalCaptions(bool vertical);
    // The always-show edge: top (left for a vertical sign) rather than bottom (right).
    bool dockAtFirstEdge() const;
    void collectSettings(GlowtapeSettings& settings) const;

    QTreeView* newsList() const;
    AppearancePage* appearancePage() const { return appearance_; }
    SignPage* signPage() const { return sign_; }
    PluginPage* pluginPage() const { return plugin_; }
    PositionPage* positionPage() const { return position_; }
    FeedManagerPage* feedManager() const { return feedManager_; }
    ShortcutPage* shortcutPage() const { return shortcut_; }
    FilterPage* filterPage() const { return filter_; }
    AccountPage* accountPage() const { return account_; }
    QListWidget* categories() const { return ListBox1; }
    QWidget* page(int index) const { return pages_.at(static_cast<std::size_t>(index)); }

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void buildPages(FeedList& feeds, const std::string& settingsDirectory);
    void layOutPanel();
    void FormCreate(const SettingsReader& reader);

    TForm1& ticker_;
    QWidget* MainPanel = nullptr;
    QListWidget* ListBox1 = nullptr;
    std::array<QWidget*, 9> pages_{};
    QWidget* heading_ = nullptr;
    AppearancePage* appearance_ = nullptr;
    SignPage* sign_ = nullptr;
    PluginPage* plugin_ = nullptr;
    PositionPage* position_ = nullptr;
    FeedManagerPage* feedManager_ = nullptr;
    ShortcutPage* shortcut_ = nullptr;
    FilterPage* filter_ = nullptr;
    AccountPage* account_ = nullptr;
};
