#include "ticker/TrayIcon.h"

#include "framework/dbus/StatusNotifier.h"
#include "framework/text/Utf8.h"

#include <QCursor>
#include <QIcon>
#include <QMenu>
#include <QSystemTrayIcon>
#include <utility>

namespace {
const QString kDefaultTip = QStringLiteral("Glowtape");
}

TrayIcon::TrayIcon(QMenu& menu, std::function<void()> doubleClicked, QObject* parent)
    : QObject(parent), menu_(menu), doubleClicked_(std::move(doubleClicked)) {}

TrayIcon::~TrayIcon() = default;

void TrayIcon::add() {
    remove();
    // A StatusNotifier host's primary click is its only one: it opens the article. Such a
    // host draws the menu itself from the one exported with the icon.
    statusNotifier_ = statusnotifier::watcherRunning();
    icon_ = std::make_unique<QSystemTrayIcon>(QIcon(QStringLiteral(":/glowtape.svg")));
    icon_->setToolTip(kDefaultTip);
    connect(icon_.get(), &QSystemTrayIcon::activated, this,
            [this](QSystemTrayIcon::ActivationReason reason) {
                if (reason == QSystemTrayIcon::Context)
                    menu_.popup(QCursor::pos());
                else if ((reason == QSystemTrayIcon::DoubleClick ||
                          (reason == QSystemTrayIcon::Trigger && statusNotifier_)) &&
                         doubleClicked_)
                    doubleClicked_();
            });
    if (statusNotifier_)
        icon_->setContextMenu(&menu_);
    icon_->show();
}

void TrayIcon::remove() {
    if (!icon_)
        return;
    icon_->hide();
    icon_.reset();
}

void TrayIcon::setTip(const std::string& tip) {
    if (icon_)
        icon_->setToolTip(utf8::toQString(tip));
}
