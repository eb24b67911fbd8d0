#pragma once

#include "account/AccountHttp.h"
#include "account/AccountService.h"

#include <QJsonObject>

// The Google Reader API as FreshRSS, Miniflux, Inoreader and others serve it. The address
// is the API's base ("https://host/api/greader.php" for FreshRSS, "https://host" for
// Miniflux). Item ids are kept in their short, decimal form; the long form
// "tag:google.com,2005:reader/item/<16 hex digits>" is turned into it.
class GoogleReaderClient : public AccountService {
public:
    GoogleReaderClient(std::string base, std::string user, std::string password);

    AccountError login() override;
    AccountResult<std::vector<AccountFeed>> feeds() override;
    AccountResult<std::vector<AccountItem>>
    unread(const std::unordered_map<std::string, AccountItem>& known) override;
    AccountError markRead(const AccountIds& itemIds) override;
    AccountError markAllRead(const std::string& feedId) override;
    int requestCount() const override { return http_.requestCount(); }
    void setAbort(const std::atomic<bool>* abort) override { http_.setAbort(abort); }

    // An item id in its short form; empty when it is neither form.
    static std::string shortId(const std::string& id);

private:
    struct JsonReply {
        AccountError error = AccountError::None;
        QJsonObject object;
    };
    // A request of the API with the login; logs in again once when the session expired.
    AccountHttp::Reply call(const std::string& path, const std::optional<std::string>& form);
    JsonReply callJson(const std::string& path, const std::optional<std::string>& form = {});
    // An edit with the API's write token, fetched again once when it has expired.
    AccountError edit(const std::string& path, std::vector<std::pair<std::string, std::string>>);
    AccountError fetchToken();
    // The unread items of a stream/contents answer, following its continuation.
    AccountError readStream(const std::string& query, std::vector<AccountItem>& items);
    static std::optional<AccountItem> itemOf(const QJsonObject& object);

    std::string base_;
    std::string user_;
    std::string password_;
    std::string auth_;
    std::string token_;
    AccountHttp http_;
};
