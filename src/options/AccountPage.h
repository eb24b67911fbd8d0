#pragma once

#include <QGroupBox>

class AccountSync;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class SecretKeyring;
class SettingsReader;
struct AccountSettings;
struct GlowtapeSettings;

// Page "アカウント": the aggregator account whose feeds follow the user's own on the sign.
// The service, the API's address, the user and the password; "接続" logs in and lists the
// account's feeds, and the status line says what happened. The password goes to the
// desktop's keyring (or, without one, stays in memory for the run).
class AccountPage : public QGroupBox {
    Q_OBJECT
public:
    AccountPage(const QString& title, AccountSync& account);

    // The account of the last run; its password is looked up in the keyring.
    void load(const SettingsReader& reader);
    void collectSettings(GlowtapeSettings& settings) const;

    void ConnectClick(); // "接続"

    QComboBox* service() const { return Service; }
    QLineEdit* server() const { return Server; }
    QLineEdit* user() const { return User; }
    QLineEdit* password() const { return Password; }
    QLabel* status() const { return Status; }

    // The status line for the account's state.
    static QString statusText(const AccountSync& account);

private:
    QLineEdit* addField(const QString& caption, const char* name);
    AccountSettings fieldSettings() const;
    static QString keyOf(const AccountSettings& settings);
    void showStatus();

    AccountSync& account_;
    SecretKeyring* keyring_ = nullptr;
    QComboBox* Service = nullptr;
    QLineEdit* Server = nullptr;
    QLineEdit* User = nullptr;
    QLineEdit* Password = nullptr;
    QPushButton* Connect = nullptr;
    QLabel* Status = nullptr;
};
