#pragma once

#include "feed/rotation/RotationFollower.h"
#include "framework/widgets/RowStyleDelegate.h"

#include <QWidget>
#include <string>

class QAction;
class QListWidget;
class QMenu;
class TForm1;
struct GlowtapeSettings;

// The article list window: the current feed's articles (article mode) or the feed list's
// titles (feed-select mode, told by the caption "ニュースセレクト" alone). It follows the
// rotation, and a double-click makes the sign jump. Hidden until opened; closing it saves
// the settings.
class TForm3 : public QWidget, public RotationFollower {
    Q_OBJECT
public:
    TForm3(TForm1& ticker, const std::string& settingsDirectory);
    void collectSettings(GlowtapeSettings& settings) const;

    void N16Click(); // article mode
    void N11Click(); // feed-select mode
    bool feedSelectMode() const;

    void ListDblClick();
    void N7Click();          // open the selected row's link
    void N4Click();          // delete the selected feed
    void MarkReadClick();    // "既読にする": the selected article of an account's feed
    void MarkAllReadClick(); // "すべて既読にする": the whole account feed
    RowStyle ListCustomDrawItem(int row) const;

    QListWidget* list() const { return List; }
    QMenu* popupMenu() const { return PopupMenu1; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void feedStarted() override;
    void articleStarted(int article) override;
    void buildMenu();
    // After any change of the feed list: rebuilds feed-select mode when it is showing, so
    // that every row names the feed it acts on.
    void refreshFeedSelect();
    void fill(const std::vector<std::string>& rows, int selected);
    void selectRow(int row);

    TForm1& ticker_;
    QListWidget* List = nullptr;
    QMenu* PopupMenu1 = nullptr;
    QAction* N4 = nullptr;
    QAction* MarkRead = nullptr;
    QAction* MarkAllRead = nullptr;
};
