#include "feed/FeedLinks.h"

#include "feed/AsciiPrefix.h"
#include "feed/LineStore.h"
#include "framework/Cp932.h"
#include "framework/LinkOpener.h"

#include <QUrl>
#include <cctype>

namespace feedlinks {
namespace {

constexpr std::string_view kLinkTag = "<link>";

// RFC 3986: ALPHA *( ALPHA / DIGIT / "+" / "-" / "." ) ":".
bool hasScheme(std::string_view link) {
    if (link.empty() || !std::isalpha(static_cast<unsigned char>(link.front())))
        return false;
    for (const char c : link) {
        if (c == ':')
            return true;
        if (!std::isalnum(static_cast<unsigned char>(c)) && c != '+' && c != '-' && c != '.')
            return false;
    }
    return false;
}

std::string escaped(const std::string& text) {
    std::string result;
    result.reserve(text.size());
    for (const char c : text) {
        if (c == '&')
            result += "&amp;";
        else
            result += c;
    }
    return result;
}

} // namespace

std::string resolved(std::string_view link, std::string_view feedUri) {
    const std::size_t start = link.find_first_not_of(" \t");
    if (start == std::string_view::npos || hasScheme(link.substr(start)))
        return std::string(link);
    const QUrl base(cp932::toQString(feedUri).trimmed(), QUrl::TolerantMode);
    if (!base.isValid() || base.scheme().isEmpty())
        return std::string(link);
    const QString relative = cp932::toQString(LinkOpener::decodeEntities(link)).trimmed();
    const QUrl target = base.resolved(QUrl(relative, QUrl::TolerantMode));
    if (!target.isValid())
        return std::string(link);
    return escaped(cp932::fromQString(target.toString(QUrl::FullyEncoded)));
}

void resolveAll(LineStore& raw, std::string_view feedUri) {
    for (std::size_t i = 0; i < raw.count(); ++i) {
        const std::string_view line = raw.lineView(i);
        if (!hasAsciiPrefix(line, kLinkTag))
            continue;
        const std::string_view link = line.substr(kLinkTag.size());
        std::string absolute = resolved(link, feedUri);
        if (absolute != link)
            raw.replace(i, std::string(kLinkTag) + absolute);
    }
}

} // namespace feedlinks
