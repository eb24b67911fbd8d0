#pragma once

#include "reader/AddressHistory.h"

#include <QObject>
#include <QString>
#include <string>

class BrowserModule;
class QComboBox;
class QLabel;
class QWidget;
class TSpeedButtonEX;
class TUIWebBrowser;

// The reader's way to pages: the address box, the browser (made in its slot on first use),
// the back and forward buttons, the status line and the history of visited addresses. Every
// address passes the reader's rules; a refused one is said in the status line.
class ReaderNavigator : public QObject {
    Q_OBJECT
public:
    struct Controls {
        QWidget* window;      // the reader, for its caption and message boxes
        QWidget* browserSlot; // where the browser goes
        QComboBox* address;
        QLabel* status;
        TSpeedButtonEX* back;
        TSpeedButtonEX* forward;
    };

    explicit ReaderNavigator(const Controls& controls);

    // The browser, made now if it can be; nullptr where none can be had.
    TUIWebBrowser* ensureBrowser();
    TUIWebBrowser* browser() const { return browser_; }
    void setBrowserEnabled(bool enabled) { browserEnabled_ = enabled; }
    void setBrowserModule(const BrowserModule& module) { module_ = &module; }
    const AddressHistory& history() const { return history_; }

    // Shows the address in the address box and loads it.
    void go(const QString& address);
    // The address box's text, about:blank when it is empty.
    void goToTypedAddress();
    // A feed's link, under the rule of the ticker's double-click for a feed from `feedUri`;
    // a link of spaces only loads what the address box holds.
    void goToFeedLink(const std::string& link, const std::string& feedUri);

private:
    void navigate(const QString& address);
    void refuse(const QString& address);
    void navigateComplete(const QString& address);

    Controls controls_;
    bool browserEnabled_ = true;
    const BrowserModule* module_ = nullptr;
    // The module could not make a browser; the user has been told once.
    bool browserMissing_ = false;
    AddressHistory history_;
    TUIWebBrowser* browser_ = nullptr;
};
