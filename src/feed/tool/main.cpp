// glowtape-feed: runs the ticker's download, normalisation and composition on one feed and
// prints the records, to show why a feed looks the way it does on the sign. With --account
// it does the same for every feed of an aggregator account, reading the password from
// standard input.

#include "account/AccountFeedSource.h"
#include "account/AccountFeedUri.h"
#include "account/AccountFetch.h"
#include "account/AccountService.h"
#include "account/AccountSnapshot.h"
#include "feed/compose/FeedComposer.h"
#include "feed/compose/FeedLoader.h"
#include "feed/compose/FeedReport.h"
#include "feed/compose/LineStores.h"
#include "feed/compose/NullFeedView.h"
#include "feed/fetch/DirectFetch.h"
#include "feed/fetch/FeedDownloader.h"
#include "feed/rotation/RotationState.h"

#include <QFileInfo>
#include <QUrl>
#include <iostream>
#include <memory>
#include <optional>
#include <string>

namespace {

struct Arguments {
    bool json = false;
    std::string uri;
    std::optional<AccountSettings> account;
};

constexpr const char* kUsage = "usage: glowtape-feed [--json] URI|FILE\n"
                               "       glowtape-feed [--json] --account ttrss|greader ADDRESS USER"
                               " < password\n";

std::optional<Arguments> parseArguments(int argc, char** argv) {
    Arguments arguments;
    bool haveUri = false;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--json" && !arguments.json) {
            arguments.json = true;
        } else if (argument == "--account" && !haveUri && i + 3 < argc) {
            const std::string service = argv[++i];
            if (service != "ttrss" && service != "greader")
                return std::nullopt;
            arguments.account = AccountSettings{service == "ttrss" ? AccountKind::TinyTinyRss
                                                                   : AccountKind::GoogleReader,
                                                argv[i + 1], argv[i + 2]};
            i += 2;
            haveUri = true;
        } else if (argument.empty() || argument[0] == '-' || haveUri)
            return std::nullopt;
        else {
            arguments.uri = argument;
            haveUri = true;
        }
    }
    if (!haveUri)
        return std::nullopt;
    return arguments;
}

// Anything without "scheme://" names a local file.
std::string toUri(const std::string& argument) {
    if (argument.find("://") != std::string::npos)
        return argument;
    const QString path = QFileInfo(QString::fromLocal8Bit(argument)).absoluteFilePath();
    return QUrl::fromLocalFile(path).toEncoded().toStdString();
}

// The account's headlines as its last answer gave them, for the account's feed addresses.
class SnapshotSource : public AccountFeedSource {
public:
    explicit SnapshotSource(const AccountSnapshot& snapshot) : snapshot_(snapshot) {}
    std::optional<FeedAnswer> answer(const std::string& uri) override {
        const std::optional<std::string> feedId = accountfeed::feedIdOf(uri);
        if (!feedId)
            return std::nullopt;
        FeedAnswer answer;
        answer.downloaded = true;
        answer.body = snapshot_.document(*feedId).body;
        answer.contentType = "application/rss+xml; charset=utf-8";
        return answer;
    }

private:
    const AccountSnapshot& snapshot_;
};

// Every feed of the account through the ticker's own composition.
int printAccount(const AccountSettings& settings, bool json) {
    std::string password;
    std::getline(std::cin, password);
    if (!password.empty() && password.back() == '\r')
        password.pop_back();
    const std::unique_ptr<AccountService> service = makeAccountService(settings, password);
    AccountResult<std::vector<AccountFeed>> feeds = service->feeds();
    AccountResult<std::vector<AccountItem>> items;
    if (feeds.ok())
        items = service->unread({});
    const AccountError error = feeds.ok() ? items.error : feeds.error;
    if (error != AccountError::None) {
        std::cerr << "glowtape-feed: the account answered: " << describe(error) << "\n";
        if (json)
            std::cout << "{\"ok\": false, \"error\": " << feedreport::jsonString(describe(error))
                      << ", \"feeds\": []}\n";
        return 1;
    }
    AccountSnapshot snapshot;
    snapshot.setFeeds(std::move(feeds.value));
    snapshot.setItems(std::move(items.value), {});
    SnapshotSource source(snapshot);
    const FeedDownloader downloader;
    DirectFetch direct(downloader);
    AccountFetch fetch(direct, source);
    if (json)
        std::cout << "{\"ok\": true, \"feeds\": [";
    bool first = true;
    for (const AccountFeed& feed : snapshot.feeds()) {
        const std::string uri = accountfeed::uriOf(feed.id);
        LineStores stores;
        RotationState state;
        NullFeedView view;
        bool ok = false;
        FeedLoader(stores, state, view, downloader).LoadFeedText(uri, fetch, [&ok](bool loaded) {
            ok = loaded;
        });
        FeedComposer(stores, view).ComposeFeed({}, uri);
        if (json) {
            std::cout << (first ? "" : ", ") << "{\"id\": " << feedreport::jsonString(feed.id)
                      << ", \"feed\": " << feedreport::asJson(ok, stores) << "}";
        } else {
            std::cout << "== " << feed.id << " ==\n" << feedreport::asText(stores);
        }
        first = false;
    }
    if (json)
        std::cout << "]}\n";
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    const std::optional<Arguments> arguments = parseArguments(argc, argv);
    if (!arguments) {
        std::cerr << kUsage;
        return 2;
    }
    if (arguments->account)
        return printAccount(*arguments->account, arguments->json);
    const std::string uri = toUri(arguments->uri);

    LineStores stores;
    RotationState state;
    NullFeedView view;
    const FeedDownloader downloader;
    const bool ok = FeedLoader(stores, state, view, downloader).LoadFeedText(uri);
    FeedComposer(stores, view).ComposeFeed({}, uri);

    std::cout << (arguments->json ? feedreport::asJson(ok, stores) : feedreport::asText(stores));
    if (!ok && !arguments->json)
        std::cerr << "glowtape-feed: download failed: " << uri << "\n";
    return ok ? 0 : 1;
}
