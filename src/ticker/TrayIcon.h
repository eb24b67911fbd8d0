#pragma once

#include <QObject>
#include <functional>
#include <memory>
#include <string>

class QMenu;
class QSystemTrayIcon;

// The ticker's icon in the notification area: the program's icon, a tip that names the
// feed on the sign, the ticker's context menu on a right click and the current link on a
// double click, or on the one click of a StatusNotifier host. Where there is no notification
// area the program runs without it.
class TrayIcon : public QObject {
    Q_OBJECT
public:
    TrayIcon(QMenu& menu, std::function<void()> doubleClicked, QObject* parent);
    ~TrayIcon() override;

    // Shows the icon with the tip "Glowtape".
    void add();
    void remove();
    // The tip.
    void setTip(const std::string& tip);
    QSystemTrayIcon* icon() const { return icon_.get(); }

private:
    QMenu& menu_;
    std::function<void()> doubleClicked_;
    std::unique_ptr<QSystemTrayIcon> icon_;
    bool statusNotifier_ = false;
};
