#pragma once

#include "account/AccountTypes.h"

#include <atomic>
#include <optional>
#include <string>
#include <utility>
#include <vector>

// Blocking HTTP requests to an account's server. Only https is used, except to a loopback
// address (127.0.0.0/8, ::1, localhost), where plain http is allowed; a certificate that is
// not trusted ends the request, never ignored. Redirects are not followed: a login must
// not be sent on to another host.
class AccountHttp {
public:
    struct Reply {
        AccountError error = AccountError::None; // set when no HTTP answer came
        long status = 0;
        std::string body;
        std::vector<std::pair<std::string, std::string>> headers; // names in lower case

        std::string header(const std::string& lowerName) const;
    };

    // Whether requests to `url` may be sent at all.
    static AccountError checkAddress(const std::string& url);

    // GET, or POST of `form` (application/x-www-form-urlencoded or JSON as `contentType`
    // says) when given. Each header is "Name: value".
    Reply send(const std::string& url, const std::vector<std::string>& headers,
               const std::optional<std::string>& body = std::nullopt,
               const std::string& contentType = "application/x-www-form-urlencoded");

    int requestCount() const { return requests_; }
    // Setting `abort` (from any thread) ends a request in progress as a failure.
    void setAbort(const std::atomic<bool>* abort) { abort_ = abort; }

    // "a=b&c=d" from pairs, each part percent-encoded.
    static std::string form(const std::vector<std::pair<std::string, std::string>>& fields);
    static std::string percentEncoded(const std::string& text);

private:
    int requests_ = 0;
    const std::atomic<bool>* abort_ = nullptr;
};
