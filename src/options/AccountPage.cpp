#include "options/AccountPage.h"

#include "account/AccountSync.h"
#include "app/settings/GlowtapeSettings.h"
#include "app/settings/SettingKeys.h"
#include "app/settings/SettingsReader.h"
#include "framework/dbus/SecretKeyring.h"
#include "framework/text/Utf8.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>

namespace {

QString reason(AccountError error) {
    switch (error) {
    case AccountError::None:
        return {};
    case AccountError::InsecureAddress:
        return AccountPage::tr("https のアドレスを指定してください（http はこのコンピューター上の"
                               "サーバーにだけ使えます）");
    case AccountError::BadAddress:
        return AccountPage::tr("サーバーのアドレスが正しくありません");
    case AccountError::NoServer:
        return AccountPage::tr("サーバーが見つからないか、応答がありません");
    case AccountError::Certificate:
        return AccountPage::tr("サーバーの証明書が信頼できません");
    case AccountError::WrongPassword:
        return AccountPage::tr("ユーザー名かパスワードが違います");
    case AccountError::ApiDisabled:
        return AccountPage::tr("API が使えません（サーバーの API アクセスの設定とアドレスを"
                               "確かめてください）");
    case AccountError::SessionExpired:
        return AccountPage::tr("ログインし直せませんでした");
    case AccountError::BadAnswer:
        return AccountPage::tr("サーバーの応答が API のものではありません");
    }
    return {};
}

} // namespace

AccountPage::AccountPage(const QString& title, AccountSync& account)
    : QGroupBox(title), account_(account),
      keyring_(new SecretKeyring(QStringLiteral("Glowtape"), this)) {
    auto* form = new QFormLayout(this);
    Service = new QComboBox(this);
    Service->setObjectName(QStringLiteral("Service"));
    Service->addItems({QStringLiteral("Tiny Tiny RSS"), QStringLiteral("Google Reader API")});
    Service->setAccessibleName(tr("サービス"));
    form->addRow(tr("サービス"), Service);
    Server = addField(tr("サーバー"), "Server");
    Server->setPlaceholderText(QStringLiteral("https://"));
    User = addField(tr("ユーザー名"), "User");
    Password = addField(tr("パスワード"), "Password");
    Password->setEchoMode(QLineEdit::Password);
    Connect = new QPushButton(tr("接続"), this);
    Connect->setObjectName(QStringLiteral("Connect"));
    Connect->setAccessibleName(Connect->text());
    connect(Connect, &QPushButton::clicked, this, &AccountPage::ConnectClick);
    form->addRow(QString(), Connect);
    Status = new QLabel(this);
    Status->setObjectName(QStringLiteral("Status"));
    Status->setAccessibleName(tr("状態"));
    Status->setWordWrap(true);
    form->addRow(tr("状態"), Status);
    auto* help = new QLabel(tr("Google Reader API のアドレスは API の起点です（FreshRSS は "
                               "https://host/api/greader.php、Miniflux は https://host）。"),
                            this);
    help->setWordWrap(true);
    form->addRow(help);
    connect(&account_, &AccountSync::statusChanged, this, &AccountPage::showStatus);
}

QLineEdit* AccountPage::addField(const QString& caption, const char* name) {
    auto* field = new QLineEdit(this);
    field->setObjectName(QString::fromLatin1(name));
    field->setAccessibleName(caption);
    qobject_cast<QFormLayout*>(layout())->addRow(caption, field);
    return field;
}

AccountSettings AccountPage::fieldSettings() const {
    return {Service->currentIndex() == 1 ? AccountKind::GoogleReader : AccountKind::TinyTinyRss,
            Server->text().trimmed().toStdString(), User->text().trimmed().toStdString()};
}

QString AccountPage::keyOf(const AccountSettings& settings) {
    return QString::fromStdString(settings.user + "@" + settings.server);
}

void AccountPage::load(const SettingsReader& reader) {
    using namespace settings;
    const AccountSettings settings{
        reader.integer(account::service) == 1 ? AccountKind::GoogleReader
                                              : AccountKind::TinyTinyRss,
        utf8::toQString(reader.text(account::server)).trimmed().toStdString(),
        utf8::toQString(reader.text(account::user)).trimmed().toStdString()};
    Service->setCurrentIndex(settings.kind == AccountKind::GoogleReader ? 1 : 0);
    Server->setText(QString::fromStdString(settings.server));
    User->setText(QString::fromStdString(settings.user));
    account_.restore(settings);
    showStatus();
    if (!settings.configured())
        return;
    keyring_->read(keyOf(settings), [this, settings](std::optional<QString> password) {
        if (password && account_.settings() == settings)
            account_.connectAccount(settings, password->toStdString());
    });
}

void AccountPage::collectSettings(GlowtapeSettings& settings) const {
    const AccountSettings& account = account_.settings();
    settings.accountService = account.kind == AccountKind::GoogleReader ? 1 : 0;
    settings.accountServer = utf8::fromQString(QString::fromStdString(account.server));
    settings.accountUser = utf8::fromQString(QString::fromStdString(account.user));
}

void AccountPage::ConnectClick() {
    const AccountSettings settings = fieldSettings();
    if (!settings.configured() || Password->text().isEmpty()) {
        Status->setText(tr("サーバー、ユーザー名とパスワードを入力してください"));
        return;
    }
    const QString password = Password->text();
    keyring_->write(keyOf(settings), password, [](bool) {});
    account_.connectAccount(settings, password.toStdString());
}

QString AccountPage::statusText(const AccountSync& account) {
    const AccountSync::Status& status = account.status();
    using State = AccountSync::Status::State;
    switch (status.state) {
    case State::Off:
        return {};
    case State::NoPassword:
        return tr("パスワードを入力して「接続」を押してください");
    case State::Connecting:
        return tr("接続しています…");
    case State::Connected:
        return tr("接続しました：%1 件のフィード").arg(status.feedCount);
    case State::Failing:
        return tr("%1 から接続できません：%2")
            .arg(QLocale().toString(status.failingSince, QLocale::ShortFormat),
                 reason(status.error));
    }
    return {};
}

void AccountPage::showStatus() {
    Status->setText(statusText(account_));
}
