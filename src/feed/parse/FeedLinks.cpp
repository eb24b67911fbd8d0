#include "feed/parse/FeedLinks.h"

#include "framework/files/LinkOpener.h"
#include "framework/text/Utf8.h"

#include <QUrl>
#include <cctype>

namespace feedlinks {
namespace {

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
    const QUrl base(utf8::toQString(feedUri).trimmed(), QUrl::TolerantMode);
    if (!base.isValid() || base.scheme().isEmpty())
        return std::string(link);
    const QString relative = utf8::toQString(LinkOpener::decodeEntities(link)).trimmed();
    const QUrl target = base.resolved(QUrl(relative, QUrl::TolerantMode));
    if (!target.isValid())
        return std::string(link);
    return escaped(utf8::fromQString(target.toString(QUrl::FullyEncoded)));
}

std::string withoutCredentials(std::string_view feedUri) {
    QUrl url(utf8::toQString(feedUri).trimmed(), QUrl::TolerantMode);
    if (!url.isValid() || url.userInfo().isEmpty())
        return std::string(feedUri);
    url.setUserInfo(QString());
    return utf8::fromQString(url.toString(QUrl::FullyEncoded));
}

} // namespace feedlinks
