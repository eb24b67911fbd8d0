// glowtape-feed: runs the ticker's download, normalisation and composition on one feed and
// prints the records, to show why a feed looks the way it does on the sign.

#include "feed/compose/FeedComposer.h"
#include "feed/compose/FeedLoader.h"
#include "feed/compose/FeedReport.h"
#include "feed/compose/LineStores.h"
#include "feed/compose/NullFeedView.h"
#include "feed/fetch/FeedDownloader.h"
#include "feed/rotation/RotationState.h"

#include <QFileInfo>
#include <QUrl>
#include <iostream>
#include <optional>
#include <string>

namespace {

struct Arguments {
    bool json = false;
    std::string uri;
};

std::optional<Arguments> parseArguments(int argc, char** argv) {
    Arguments arguments;
    bool haveUri = false;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--json" && !arguments.json)
            arguments.json = true;
        else if (argument.empty() || argument[0] == '-' || haveUri)
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

} // namespace

int main(int argc, char** argv) {
    const std::optional<Arguments> arguments = parseArguments(argc, argv);
    if (!arguments) {
        std::cerr << "usage: glowtape-feed [--json] URI|FILE\n";
        return 2;
    }
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
