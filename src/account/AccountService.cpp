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
