#pragma once

#include <QAbstractNativeEventFilter>
#include <QObject>
#include <memory>

class QWidget;
class X11StackCover;

// Whether a top-level window can be seen on an X11 desktop: it is mapped, not wholly covered
// by other windows, not minimised and on the current workspace. Covered is what the X server
// reports (VisibilityNotify) or, for compositing desktops where it never does, what the
// window manager's stacking order shows. It follows the window when its native window is
// made anew. Without X11 the window always counts as seen.
class X11WindowVisibility : public QObject, private QAbstractNativeEventFilter {
    Q_OBJECT
public:
    explicit X11WindowVisibility(QWidget& window, QObject* parent = nullptr);
    ~X11WindowVisibility() override;

    bool seen() const { return seen_; }

signals:
    void seenChanged(bool seen);

private:
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;
    // Asks for the window's events and reads where it stands now.
    void attach();
    void selectEvents() const;
    void readMinimised();
    void readWorkspaces();
    // Judges the stacking order once the events at hand are handled: a window moving sends
    // many.
    void checkStackSoon();
    void update();

    QWidget& window_;
    std::unique_ptr<X11StackCover> stack_;
    bool stackCheckQueued_ = false;
    unsigned long handle_ = 0; // the native window the state below belongs to
    unsigned long root_ = 0;
    unsigned long wmState_ = 0; // atoms, 0 without X11
    unsigned long hiddenState_ = 0;
    unsigned long windowDesktop_ = 0;
    unsigned long currentDesktop_ = 0;

    bool mapped_ = true;
    bool obscured_ = false;
    bool minimised_ = false;
    bool elsewhere_ = false;
    bool seen_ = true;
};
