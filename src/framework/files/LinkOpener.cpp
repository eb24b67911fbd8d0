#include "framework/files/LinkOpener.h"

#include "framework/text/Utf8.h"

#include <QDesktopServices>
#include <QProcess>
#include <array>
#include <utility>

LinkOpener::LinkOpener()
    : LinkOpener([](const QUrl& url) { return QDesktopServices::openUrl(url); },
                 [](const QString& program, const QStringList& args) {
                     return QProcess::startDetached(program, args);
                 }) {}

LinkOpener::LinkOpener(OpenUrl openUrl, StartProgram startProgram)
    : openUrl_(std::move(openUrl)), startProgram_(std::move(startProgram)) {}

std::string LinkOpener::decodeEntities(std::string_view text) {
    static constexpr std::array<std::pair<std::string_view, char>, 5> entities{
        {{"&amp;", '&'}, {"&lt;", '<'}, {"&gt;", '>'}, {"&quot;", '"'}, {"&apos;", '\''}}};
    std::string result;
    result.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        bool replaced = false;
        if (text[i] == '&') {
            for (const auto& [entity, character] : entities) {
                if (text.substr(i, entity.size()) == entity) {
                    result += character;
                    i += entity.size();
                    replaced = true;
                    break;
                }
            }
        }
        if (!replaced)
            result += text[i++];
    }
    return result;
}

namespace {

bool isWeb(const QUrl& url) {
    const QString scheme = url.scheme().toLower();
    return scheme == "http" || scheme == "https";
}

} // namespace

bool LinkOpener::isOpenable(const QUrl& url, bool fromWeb) {
    if (!url.isValid())
        return false;
    return isWeb(url) || (!fromWeb && url.scheme().toLower() == "file");
}

QUrl LinkOpener::feedLink(std::string_view utf8Link, std::string_view feedUri) {
    const QString link = utf8::toQString(decodeEntities(utf8Link)).trimmed();
    const QUrl feed(utf8::toQString(feedUri).trimmed(), QUrl::TolerantMode);
    const bool fromWeb = isWeb(feed);
    // A local feed may name its files by their paths.
    const QUrl url = feed.isLocalFile() && link.startsWith(QLatin1Char('/'))
                         ? QUrl::fromLocalFile(link)
                         : QUrl(link, QUrl::TolerantMode);
    return isOpenable(url, fromWeb) ? url : QUrl();
}

LinkOpener::Result LinkOpener::open(std::string_view utf8Link, std::string_view utf8Program,
                                    std::string_view feedUri) const {
    const QUrl url = feedLink(utf8Link, feedUri);
    if (!url.isValid())
        return Result::Refused;
    if (utf8Program.empty()) {
        openUrl_(url);
        return Result::Opened;
    }
    const QString link = utf8::toQString(decodeEntities(utf8Link)).trimmed();
    if (startProgram_(utf8::toQString(utf8Program), {link}))
        return Result::Opened;
    openUrl_(url);
    return Result::ProgramFailed;
}
