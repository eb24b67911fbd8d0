#pragma once

#include "account/AccountFetch.h"
#include "account/AccountSync.h"
#include "app/settings/SettingKeys.h"
#include "app/settings/SettingsSaver.h"
#include "feed/compose/FeedView.h"
#include "feed/compose/LineStores.h"
#include "feed/fetch/DownloadWorker.h"
#include "feed/fetch/FeedDownloader.h"
#include "feed/fetch/PoliteFetch.h"
#include "feed/fetch/RefreshSchedule.h"
#include "feed/marks/HeadlineMarks.h"
#include "feed/marks/TickerColours.h"
#include "feed/rotation/AsleepRefresh.h"
#include "feed/rotation/RotationState.h"
#include "framework/dbus/DesktopNotifier.h"
#include "framework/widgets/MessageBox.h"
#include "ticker/HotKeys.h"
#include "ticker/WindowModes.h"

#include <QWidget>
#include <array>
#include <memory>
#include <string>

class FeedList;
class FeedRotation;
class LineChoices;
class QAction;
class QLabel;
class QMenu;
class QPushButton;
class SettingsReader;
class SignSleep;
class TForm2;
class TForm3;
class TForm5;
class TickerMenu;
class TLightStr;
class TrayIcon;
struct GlowtapeSettings;

// The ticker window: the LED sign over the whole client area, the description bar under it,
// the context menu, and the feed rotation that keeps the sign busy.
class TForm1 : public QWidget, private FeedView {
    Q_OBJECT
public:
    TForm1(FeedList& feeds, std::string settingsDirectory);
    ~TForm1() override;

    // The options dialog's creation hands over its line choices before the sign starts.
    void attachOptions(TForm2* options, const LineChoices& choices);
    void attachReader(TForm5* reader) { reader_ = reader; }
    void attachArticles(TForm3* articles) { articles_ = articles; }
    TForm3* articles() const { return articles_; }

    // Writes glowtape3.ini from every window, then news.csv and the seen headlines. A failed
    // write is reported (once until that file can be written again) and ends the save.
    void SaveSettings();
    // From now on a change reaches its file within seconds; called once every window exists.
    void startSaving();
    // Writes what changed since the last write, reporting nothing: for the end of a session
    // or a signal to stop, when nobody may be there to answer a box.
    void saveChanges();

    // Opens a link with the chosen browser program or the desktop's handler; a program
    // that cannot be started is reported over the owner window. `feedUri` is the feed the
    // link comes from, empty for the user's own addresses.
    void OpenLink(const std::string& link, QWidget* owner, const std::string& feedUri);
    // Record `record` of the composed feed was opened: an account's headline is read.
    void articleOpened(int record);
    AccountSync& account() { return account_; }

    TLightStr* sign() const { return LightStr1; }
    LineStores& stores() { return stores_; }
    RotationState& rotationState() { return state_; }
    FeedRotation* rotation() const { return rotation_.get(); }
    TickerColours& colours() { return colours_; }
    // A feed has been composed: the items that act on one work.
    bool menuReady() const;
    const std::string& trayTip() const { return trayTip_; }
    QMenu* popupMenu() const { return PopupMenu1; }
    QPushButton* closeButton() const { return Button2; }
    FeedList& feeds() const { return feeds_; }
    TForm2* options() const { return options_; }
    QAction* optionsAction() const;
    WindowModes& windowModes() { return *modes_; }
    TrayIcon& trayIcon() { return *tray_; }
    RefreshSchedule& refreshSchedule() { return refresh_; }
    HeadlineMarks& headlineMarks() { return marks_; }

    // Launch-button panel width: 35 with the buttons, 0 without.
    void setLaunchButtonsShown(bool shown);
    // The description bar at the top (the sign below it) or at the bottom.
    void setDescriptionBarAtTop(bool top);

    // What the options dialog's colour and font choices change.
    // The window, its bar, its panel and the description label take the sign's BackColor.
    void applyBackColour();
    void setDescriptionColour(std::uint32_t colour);
    const std::string& articleFontName(bool vertical) const {
        return vertical ? verticalFontName_ : articleFontName_;
    }
    int articleFontStyle() const { return articleFontStyle_; }
    // The sign's font; the name is kept as the one for the sign's current orientation.
    void setArticleFont(const std::string& name, int size, int style);
    const std::string& descriptionFontName() const { return descriptionFontName_; }
    int descriptionFontStyle() const { return descriptionFontStyle_; }
    int descriptionFontSize() const { return descriptionFontSize_; }
    // The description label's font; the two small buttons and the bar take their heights
    // from its size.
    void setDescriptionFont(const std::string& name, int size, int style);

    // The commands of the context menu.
    void LightStr1DblClick();
    void N3Click();
    void N14Click();
    void Help1Click();
    void Button2Click();
    void N10Click();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    // What loading and composing a feed do to this window.
    void appendShowString(const std::string& line) override;
    void setShowStrings(const std::vector<std::string>& lines) override;
    void startShow() override;
    void setCaption(const std::string& caption) override;
    void setDec(const std::string& text) override;
    void setTrayTip(const std::string& tip) override;
    void setMenuReady() override;

    // Closes the options dialog and opens it again at a category page.
    void openOptionsAt(int category);
    void buildControls();
    void buildMenu();
    // Applies glowtape3.ini key by key; false when a colour could not be read.
    bool FormCreate(const SettingsReader& reader);
    void FormResize();
    void collectSettings(GlowtapeSettings& settings) const;
    // Every value of glowtape3.ini, from the window that holds it.
    GlowtapeSettings gatherSettings() const;
    void watchFiles();
    void buildWindowModes();
    // The icon and the system-wide keys hang on the native window.
    void attachToDesktop();
    void detachFromDesktop();
    void orientationChanged(bool vertical);
    // The hot keys' actions; the feed jumps also serve the menu.
    void bringToFront();
    void showReaderFromKey();
    void closeReaderFromKey();
    void nextFeed();
    void previousFeed();
    void applyDescriptionFont();
    void setToolBarHeightFromFont();

    FeedList& feeds_;
    std::string settingsDirectory_;

    TLightStr* LightStr1 = nullptr;
    QWidget* ToolBar1 = nullptr;
    QLabel* Dec = nullptr;
    QWidget* LeftPanel = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;
    TickerMenu* menu_ = nullptr;
    QMenu* PopupMenu1 = nullptr;
    std::unique_ptr<WindowModes> modes_;
    TrayIcon* tray_ = nullptr;
    SignSleep* sleep_ = nullptr;
    std::unique_ptr<HotKeys> hotKeys_;
    bool attachedToDesktop_ = false;

    LineStores stores_;
    RotationState state_;
    TickerColours colours_;
    HeadlineMarks marks_{colours_};
    DesktopNotifier notifier_;
    FeedDownloader downloader_;
    // Downloads leave the window thread; the worker outlives the rotation that uses it.
    DownloadWorker downloadWorker_{downloader_};
    RefreshSchedule refresh_;
    PoliteFetch politeFetch_{downloadWorker_, refresh_};
    // The account's feeds are answered from its headlines, the others downloaded.
    AccountSync account_{settingsDirectory_, &feeds_, refresh_};
    AccountFetch accountFetch_{politeFetch_, account_};
    AsleepRefresh asleepRefresh_{feeds_, accountFetch_, refresh_, downloader_, marks_};
    std::unique_ptr<FeedRotation> rotation_;
    SettingsSaver saver_{[this](const std::string& message) { messagebox::error(this, message); }};

    // The design fonts until the settings are read, so that a load stopped by a bad colour
    // never leads a save to write empty font names.
    std::string articleFontName_{settings::font::kPGothic};
    std::string verticalFontName_{settings::font::kVerticalGothic};
    int articleFontStyle_ = 0;
    std::string descriptionFontName_ = articleFontName_;
    int descriptionFontStyle_ = 0;
    int descriptionFontSize_ = 8;
    bool descriptionAtTop_ = false;
    std::string trayTip_;

    TForm2* options_ = nullptr;
    TForm5* reader_ = nullptr;
    TForm3* articles_ = nullptr;
};
