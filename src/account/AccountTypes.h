#pragma once

#include <cstdint>
#include <string>
#include <vector>

// What an aggregator account holds, as its server gives it (UTF-8 text).

enum class AccountKind { TinyTinyRss = 0, GoogleReader = 1 };

// Where the account lives and who logs in. The password is kept apart: it never reaches a
// settings file.
struct AccountSettings {
    AccountKind kind = AccountKind::TinyTinyRss;
    std::string server; // the API's base address as the user typed it
    std::string user;

    bool configured() const { return !server.empty() && !user.empty(); }
    bool operator==(const AccountSettings&) const = default;
};

struct AccountFeed {
    std::string id; // the service's own id of the subscription
    std::string title;
    std::string siteLink; // the feed's home page, may be empty
};

struct AccountItem {
    std::string id; // the service's id of the headline, in one form per service
    std::string feedId;
    std::string title;
    std::string link;
    std::string summary;
    std::int64_t published = 0; // seconds since the epoch; 0 when unknown
};

// Why the server could not be used; None when it could.
enum class AccountError {
    None,
    InsecureAddress, // http to a server that is not on this machine
    BadAddress,      // not an http or https address
    NoServer,        // no such host, refused, or no answer in time
    Certificate,     // the server's certificate is not trusted
    WrongPassword,
    ApiDisabled,    // the user's API access is off, or there is no API at the address
    SessionExpired, // the login has to be done again
    BadAnswer,      // the server answered something that is not its API
};

// The answer of one request to the account.
template <typename T> struct AccountResult {
    AccountError error = AccountError::None;
    T value{};

    bool ok() const { return error == AccountError::None; }
};

// Requests that change nothing on failure are retried; a failed mark is kept for later.
using AccountIds = std::vector<std::string>;
