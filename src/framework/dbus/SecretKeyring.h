#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <map>
#include <optional>

// Passwords in the desktop's keyring through the Secret Service. With no keyring on the
// session bus a password lives in memory for the run only: it is never written to a file.
class SecretKeyring : public QObject {
public:
    explicit SecretKeyring(QString service, QObject* parent = nullptr);

    // `done` gets the password, or nothing when none is kept.
    void read(const QString& key, std::function<void(std::optional<QString>)> done);
    // `done` gets whether the keyring took it; either way it is known for the run.
    void write(const QString& key, const QString& password, std::function<void(bool)> done);

private:
    QString service_;
    std::map<QString, QString> memory_;
};
