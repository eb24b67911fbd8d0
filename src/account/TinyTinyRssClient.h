#pragma once

#include "account/AccountHttp.h"
#include "account/AccountService.h"

#include <QJsonObject>
#include <QJsonValue>

// Tiny Tiny RSS through its JSON API ("<address>/api/"). Feed and headline ids are its
// numbers as text. The API gives at most 200 headlines a request, so the unread ones come
// in pages of 200.
class TinyTinyRssClient : public AccountService {
public:
    TinyTinyRssClient(std::string address, std::string user, std::string password);

    AccountError login() override;
    AccountResult<std::vector<AccountFeed>> feeds() override;
    AccountResult<std::vector<AccountItem>>
    unread(const std::unordered_map<std::string, AccountItem>& known) override;
    AccountError markRead(const AccountIds& itemIds) override;
    AccountError markAllRead(const std::string& feedId) override;
    int requestCount() const override { return http_.requestCount(); }
    void setAbort(const std::atomic<bool>* abort) override { http_.setAbort(abort); }

private:
    struct Answer {
        AccountError error = AccountError::None;
        QJsonValue content;
    };
    Answer post(QJsonObject request);
    // A request in the session; logs in again once when the session has expired.
    Answer call(const QJsonObject& request);

    std::string endpoint_;
    std::string user_;
    std::string password_;
    std::string session_;
    AccountHttp http_;
};
