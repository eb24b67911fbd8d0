#pragma once

#include "app/settings/GlowtapeSettings.h"
#include "framework/x11/DockStrip.h"
#include "ticker/TickerPlacement.h"
#include "ticker/WindowModeCommands.h"

#include <QObject>
#include <QTimer>
#include <array>
#include <functional>

class QAction;
class QWidget;
class TLightStr;

// The ticker's window modes: border, topmost, always-show (docked to a screen edge as a
// strip the window manager keeps clear), reverse, orientation and the corner moves. The
// menu items carry the states; every path to a toggle goes through here.
class WindowModes : public QObject, public WindowModeCommands {
    Q_OBJECT
public:
    struct MenuItems {
        QAction* border;                 // N4 "ボーダーを表示"
        QAction* topmost;                // N6 "最前面に表示"
        QAction* alwaysShow;             // N8 "常に表示"
        QAction* orientation;            // N24 "縦横"
        std::array<QAction*, 4> corners; // N18 ... N21, in the order of Corner
    };
    // What the ticker window does around the modes.
    struct Hooks {
        std::function<bool()> dockAtFirstEdge; // the top (or left) edge is chosen
        std::function<void(bool vertical)> orientationChanged;
        // A border change gives the window a new native window: what hangs on it is
        // taken down before and set up again after.
        std::function<void()> nativeWindowDestroyed;
        std::function<void()> nativeWindowCreated;
    };

    WindowModes(QWidget& window, TLightStr& sign, MenuItems items, Hooks hooks);

    void toggleBorder() override;      // N4Click
    void toggleTopmost() override;     // N6Click
    void toggleAlwaysShow() override;  // N8Click
    void toggleReverse() override;     // N23Click
    void toggleOrientation() override; // N24Click
    void fitToSign() override;
    void moveToCorner(Corner corner); // N18Click ... N21Click
    void NoBorderTimer();

    // The window flags of the border and topmost states, as at creation.
    void applyWindowFlags();
    bool alwaysShow() const;
    // The bounds the window had before always-show mode.
    const WindowBounds& savedBounds() const { return saved_; }

private:
    ScreenRect workArea() const;
    void setWindowFlagsKeepingNativeWindow();
    void enterAlwaysShow();
    void leaveAlwaysShow();
    void place(const ScreenRect& bounds);
    void workAreaChanged();

    QWidget& window_;
    TLightStr& sign_;
    MenuItems items_;
    Hooks hooks_;
    WindowBounds saved_;
    bool docked_ = false;
    DockStrip strip_;
    QTimer NoBorder;
};
