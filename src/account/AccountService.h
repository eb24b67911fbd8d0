#pragma once

#include "account/AccountTypes.h"

#include <atomic>
#include <memory>
#include <unordered_map>

class AccountHttp;

// One aggregator account behind one interface, whatever its service. Every call blocks on
// the network: the program calls it off the window thread. A session that expired is
// logged in again once, silently, inside the call that found it expired.
class AccountService {
public:
    virtual ~AccountService() = default;

    // Logs in; also the check of the "接続" button.
    virtual AccountError login() = 0;
    // The subscriptions.
    virtual AccountResult<std::vector<AccountFeed>> feeds() = 0;
    // Every headline that is unread now, newest first. Headlines in `known` are taken from
    // there instead of being asked for again, so after the first call only the headlines
    // new since the last answer cross the network.
    virtual AccountResult<std::vector<AccountItem>>
    unread(const std::unordered_map<std::string, AccountItem>& known) = 0;
    virtual AccountError markRead(const AccountIds& itemIds) = 0;
    virtual AccountError markAllRead(const std::string& feedId) = 0;
    // Requests sent over the network so far.
    virtual int requestCount() const = 0;
    // Setting `abort` (from any thread) ends the request in progress as a failure.
    virtual void setAbort(const std::atomic<bool>* abort) = 0;
};

// A few words on an error, for the diagnostic tool.
std::string_view describe(AccountError error);

// The client for the account's service.
std::unique_ptr<AccountService> makeAccountService(const AccountSettings& settings,
                                                   std::string password);
