#include "account/AccountService.h"

#include "account/GoogleReaderClient.h"
#include "account/TinyTinyRssClient.h"

std::unique_ptr<AccountService> makeAccountService(const AccountSettings& settings,
                                                   std::string password) {
    if (settings.kind == AccountKind::GoogleReader)
        return std::make_unique<GoogleReaderClient>(settings.server, settings.user,
                                                    std::move(password));
    return std::make_unique<TinyTinyRssClient>(settings.server, settings.user, std::move(password));
}

std::string_view describe(AccountError error) {
    switch (error) {
    case AccountError::None:
        return "ok";
    case AccountError::InsecureAddress:
        return "plain http is allowed to this machine only; use https";
    case AccountError::BadAddress:
        return "not an http or https address";
    case AccountError::NoServer:
        return "no such server, or no answer";
    case AccountError::Certificate:
        return "the server's certificate is not trusted";
    case AccountError::WrongPassword:
        return "wrong user name or password";
    case AccountError::ApiDisabled:
        return "no API at this address, or API access is off";
    case AccountError::SessionExpired:
        return "the session expired and could not be renewed";
    case AccountError::BadAnswer:
        return "the answer is not the API's";
    }
    return "unknown";
}
