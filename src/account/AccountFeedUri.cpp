#include "account/AccountFeedUri.h"

#include <QByteArray>

namespace accountfeed {

std::string uriOf(const std::string& feedId) {
    // Ids may be whole addresses ("feed/https://…"): percent-encoded they hold no comma or
    // line break, which news.csv-like files and the feed list's cells could not keep.
    return std::string(kScheme) +
           QByteArray::fromStdString(feedId).toPercentEncoding("/:").toStdString();
}

std::optional<std::string> feedIdOf(const std::string& uri) {
    if (!uri.starts_with(kScheme) || uri.size() == kScheme.size())
        return std::nullopt;
    return QByteArray::fromPercentEncoding(QByteArray::fromStdString(uri.substr(kScheme.size())))
        .toStdString();
}

} // namespace accountfeed
