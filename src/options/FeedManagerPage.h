#pragma once

#include "app/FeedListCommands.h"

#include <QGroupBox>
#include <functional>

class FeedList;
struct GlowtapeSettings;
class QAction;
class QLayout;
class QLineEdit;
class QMenu;
class QPushButton;
class QSpinBox;
class QTreeView;
class SettingsReader;

// Page 4 "ニュース管理": the feed list, shown in the news list `NewsList`, which is the view of
// the one feed list of the program; fields to register a new feed; and the list's commands.
class FeedManagerPage : public QGroupBox {
    Q_OBJECT
public:
    // What the page's commands do outside the feed list.
    struct Hooks {
        std::function<void(int row)> showFeedNow; // load and compose a row at once
        std::function<void()> showThisPage;
        std::function<void(int minutes)> refreshIntervalChanged; // may be empty
    };

    FeedManagerPage(const QString& title, FeedList& feeds, Hooks hooks);

    QTreeView* newsList() const { return NewsList; }
    QLineEdit* newTitle() const { return NewTitle; }
    QLineEdit* newUri() const { return NewURI; }
    QMenu* popupMenu() const { return PopupMenu1; }
    QSpinBox* refreshInterval() const { return Refresh; }

    void load(const SettingsReader& reader);
    void collectSettings(GlowtapeSettings& settings) const;

    void NewOKClick(); // "登録"
    void NewNoClick(); // "キャンセル"
    void N7Click();    // "今すぐニュースを表示"
    void N3Click();    // "ニュースの表示or非表示"
    void N5Click();    // "選択したニュースのコピー"
    void N2Click();    // "選択したニュースの削除"
    void N9Click();    // "連絡の追加"
    void NewsListColumnClick(int column);
    void ImportOpmlClick(); // "OPMLの読み込み…"
    void ExportOpmlClick(); // "OPMLの書き出し…"

    // The two OPML commands on a chosen file, with their messages.
    void importOpml(const QString& path);
    void exportOpml(const QString& path);

private:
    QWidget* buildNewEntryGroup();
    // The refresh interval on the left, the OPML commands on the right.
    QLayout* buildBottomRow();
    void refreshIntervalChanged(int minutes);
    // A file picked in the program's own file dialog, or an empty text when cancelled.
    QString chooseOpmlFile(bool forSaving);
    void buildMenu();
    // The selected row, or -1.
    int selectedRow() const;

    FeedList& feeds_;
    FeedListCommands commands_;
    Hooks hooks_;
    QTreeView* NewsList = nullptr;
    QLineEdit* NewTitle = nullptr;
    QLineEdit* NewURI = nullptr;
    QMenu* PopupMenu1 = nullptr;
    QSpinBox* Refresh = nullptr;
};
