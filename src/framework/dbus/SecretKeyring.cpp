#include "framework/dbus/SecretKeyring.h"

#include <qt6keychain/keychain.h>

SecretKeyring::SecretKeyring(QString service, QObject* parent)
    : QObject(parent), service_(std::move(service)) {}

void SecretKeyring::read(const QString& key, std::function<void(std::optional<QString>)> done) {
    if (const auto known = memory_.find(key); known != memory_.end()) {
        done(known->second);
        return;
    }
    auto* job = new QKeychain::ReadPasswordJob(service_, this);
    job->setInsecureFallback(false); // never a plain file
    job->setKey(key);
    connect(job, &QKeychain::Job::finished, this, [this, key, job, done](QKeychain::Job*) {
        if (job->error() != QKeychain::NoError || job->textData().isEmpty()) {
            done(std::nullopt);
            return;
        }
        memory_[key] = job->textData();
        done(job->textData());
    });
    job->start();
}

void SecretKeyring::write(const QString& key, const QString& password,
                          std::function<void(bool)> done) {
    memory_[key] = password;
    auto* job = new QKeychain::WritePasswordJob(service_, this);
    job->setInsecureFallback(false);
    job->setKey(key);
    job->setTextData(password);
    connect(job, &QKeychain::Job::finished, this,
            [job, done](QKeychain::Job*) { done(job->error() == QKeychain::NoError); });
    job->start();
}
