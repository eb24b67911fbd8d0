#pragma once

#include "app/settings/GlowtapeSettings.h"
#include "reader/AddressHistory.h"
#include "reader/ReaderGeometry.h"
#include "reader/ReaderLayout.h"

#include <QWidget>
#include <string>
#include <vector>

class BrowserModule;
class QComboBox;
class QFileSystemModel;
class QLabel;
class QListWidget;
class QModelIndex;
class QPushButton;
class QSplitter;
class QTreeView;
class ReaderNavigator;
class TForm1;
class TSpeedButtonEX;
class TUIWebBrowser;
struct ReaderOptions;

// The news reader: the registered feeds (or the Favorites) on the left, the articles of one
// feed above the embedded browser on the right, the navigation bar and the status line.
// Hidden until opened; closing it saves the settings.
class TForm5 : public QWidget {
    Q_OBJECT
public:
    TForm5(TForm1& ticker, const std::string& settingsDirectory);
    void collectSettings(GlowtapeSettings& settings) const;

    // Opens the reader on the ticker's current feed and article.
    void ShowReader();

    // The commands of the reader's controls.
    void Button4Click(); // mode: news -> document -> none -> news
    void Button5Click(); // navigation bar on and off
    void Button6Click(); // full screen width on and off
    void NewsListDblClick();
    void ReportListDblClick(int row);
    void MoveClick();
    void HomeClick();
    void RefClick();
    void ShellTreeView1DblClick(const QModelIndex& index);

    ReaderLayout layout() const;
    const AddressHistory& history() const;
    // The browser, once the reader has been shown.
    TUIWebBrowser* browser() const;
    // Without its browser (tests of the reader's own logic, where no engine can run) the
    // reader works as ever but loads nothing.
    void setBrowserEnabled(bool enabled);
    // Where the browser comes from; the program's module unless set before the first show.
    void setBrowserModule(const BrowserModule& module);
    // The reader's link list: line i is the link of article row i.
    const std::vector<std::string>& links() const { return Memo2; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void buildControls();
    QWidget* buildToolBar();
    QWidget* buildStatusBar();
    void applyLayout(const ReaderLayout& layout);
    void openFavourites();
    void fillNewsList();
    void listFeed(int row);
    // Fills the article list from the feed just loaded and shows its document.
    void showListed(const std::string& uri);
    void placeBesideSign(const ReaderOptions& options);
    void setFrame(const QRect& frame);
    void setAddressBoxWidth(int width);
    bool isScreenWide() const;
    QRect screenRect() const;

    TForm1& ticker_;
    int panelWidth_ = 200;
    int listHeight_ = 200;
    readergeometry::SavedSpan saved_;
    std::vector<std::string> Memo2;
    // The feed the links of Memo2 come from.
    std::string linksFeedUri_;

    QWidget* TopTool = nullptr;
    TSpeedButtonEX* BackB = nullptr;
    TSpeedButtonEX* ForwardB = nullptr;
    TSpeedButtonEX* Ref = nullptr;
    TSpeedButtonEX* Home = nullptr;
    QComboBox* URI = nullptr;
    QPushButton* Move = nullptr;
    QWidget* botBar = nullptr;
    QPushButton* Button4 = nullptr;
    QPushButton* Button5 = nullptr;
    QPushButton* Button6 = nullptr;
    QLabel* Label1 = nullptr;
    QSplitter* Splitter1 = nullptr;
    QWidget* PanelLeft = nullptr;
    QListWidget* NewsList = nullptr;
    QTreeView* ShellTreeView1 = nullptr;
    QFileSystemModel* favourites_ = nullptr;
    QWidget* PanelRight = nullptr;
    QLabel* TitlePanel = nullptr;
    QSplitter* Splitter2 = nullptr;
    QListWidget* ReportList = nullptr;
    QWidget* browserSlot_ = nullptr;
    ReaderNavigator* navigator_ = nullptr;
};
