#include "reader/ReaderNavigator.h"

#include "SpeedButtonEX/TSpeedButtonEX.h"
#include "framework/files/LinkOpener.h"
#include "framework/text/Utf8.h"
#include "framework/widgets/MessageBox.h"
#include "reader/BrowserModule.h"
#include "reader/ReaderAddress.h"
#include "reader/TUIWebBrowser.h"

#include <QComboBox>
#include <QLabel>
#include <QLayout>
#include <QTimer>

ReaderNavigator::ReaderNavigator(const Controls& controls)
    : QObject(controls.window), controls_(controls) {
    connect(controls_.back, &TSpeedButtonEX::clicked, this, [this] {
        if (browser_)
            browser_->GoBack();
    });
    connect(controls_.forward, &TSpeedButtonEX::clicked, this, [this] {
        if (browser_)
            browser_->GoForward();
    });
    connect(controls_.address, &QComboBox::activated, this,
            [this](int index) { navigate(controls_.address->itemText(index)); });
}

void ReaderNavigator::go(const QString& address) {
    controls_.address->setEditText(address);
    navigate(address);
}

void ReaderNavigator::goToTypedAddress() {
    if (controls_.address->currentText().isEmpty())
        controls_.address->setEditText(QStringLiteral("about:blank"));
    navigate(controls_.address->currentText());
}

void ReaderNavigator::goToFeedLink(const std::string& link, const std::string& feedUri) {
    controls_.address->setEditText(utf8::toQString(link));
    if (link.find_first_not_of(' ') == std::string::npos) {
        goToTypedAddress();
        return;
    }
    const QUrl url = LinkOpener::feedLink(link, feedUri);
    if (url.isValid())
        go(url.toString());
    else
        refuse(utf8::toQString(link));
}

void ReaderNavigator::navigate(const QString& address) {
    const readeraddress::Checked checked = readeraddress::check(address);
    switch (checked.verdict) {
    case readeraddress::Verdict::Load:
        if (TUIWebBrowser* browser = ensureBrowser())
            browser->Navigate(checked.url);
        else if (browserMissing_)
            controls_.status->setText(tr("ブラウザがないため表示できません: %1").arg(address));
        break;
    case readeraddress::Verdict::Nothing:
        break;
    case readeraddress::Verdict::Refused:
        refuse(address);
        break;
    }
}

void ReaderNavigator::refuse(const QString& address) {
    controls_.status->setText(tr("このアドレスは開けません: %1").arg(address));
}

void ReaderNavigator::navigateComplete(const QString& address) {
    history_.visited(address);
    controls_.address->clear();
    controls_.address->addItems(history_.items());
    controls_.address->setEditText(address);
}

TUIWebBrowser* ReaderNavigator::ensureBrowser() {
    if (browser_ || !browserEnabled_ || browserMissing_)
        return browser_;
    const BrowserModule& module = module_ ? *module_ : BrowserModule::program();
    // The reader's browser: accelerators and auto-completion on, images, videos and
    // background sounds allowed; the policy's defaults.
    browser_ = TUIWebBrowser::create(controls_.browserSlot, module, BrowserHostPolicy{});
    if (!browser_) {
        browserMissing_ = true;
        QString text = tr("ブラウザを読み込めないため、ページを表示できません。"
                          "ニュースの一覧とほかの機能はそのまま使えます。");
        if (!module.errorString().isEmpty())
            text += QStringLiteral("\n\n") + module.errorString();
        // After the reader has appeared, not from inside its showing.
        QWidget* window = controls_.window;
        QTimer::singleShot(
            0, window, [window, text] { messagebox::warning(window, utf8::fromQString(text)); });
        return nullptr;
    }
    controls_.browserSlot->layout()->addWidget(browser_);
    connect(browser_, &TUIWebBrowser::StatusTextChange, controls_.status, &QLabel::setText);
    connect(browser_, &TUIWebBrowser::TitleChange, controls_.window, &QWidget::setWindowTitle);
    connect(browser_, &TUIWebBrowser::CommandStateChange, this, [this](int command, bool on) {
        if (command == TUIWebBrowser::CSC_NAVIGATEFORWARD)
            controls_.forward->setEnabled(on);
        else if (command == TUIWebBrowser::CSC_NAVIGATEBACK)
            controls_.back->setEnabled(on);
    });
    connect(browser_, &TUIWebBrowser::NavigateComplete2, this,
            [this](const QUrl& url) { navigateComplete(url.toString()); });
    return browser_;
}
