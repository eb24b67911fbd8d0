#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>
#include <functional>
#include <string_view>

// Opens an article's link: with the user's chosen program when one is set, else with the
// desktop's handler. Links come from feeds, so only http, https and file links are opened,
// and a program gets the link as its one argument, never through a shell. A feed fetched
// from the web may name only web pages: its file links could open any local file.
class LinkOpener {
public:
    enum class Result { Opened, Refused, ProgramFailed };

    using OpenUrl = std::function<bool(const QUrl&)>;
    using StartProgram = std::function<bool(const QString& program, const QStringList& args)>;

    LinkOpener(); // the desktop's handler and detached processes
    LinkOpener(OpenUrl openUrl, StartProgram startProgram);

    // ProgramFailed: the program could not be started and the link was opened with the
    // desktop's handler instead; the caller tells the user. `feedUri` is the address of
    // the feed the link comes from, empty for the program's own links.
    Result open(std::string_view utf8Link, std::string_view utf8Program,
                std::string_view feedUri = {}) const;

    // The five XML entities of a link decoded in one pass ("&amp;lt;" gives "&lt;").
    static std::string decodeEntities(std::string_view text);
    static bool isOpenable(const QUrl& url, bool fromWeb = false);
    // The link as an address when a feed from `feedUri` may open it: from a feed fetched
    // over http or https only web pages, from a local feed also files. Else an invalid URL.
    static QUrl feedLink(std::string_view utf8Link, std::string_view feedUri);

private:
    OpenUrl openUrl_;
    StartProgram startProgram_;
};
