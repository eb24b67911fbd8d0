#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>
#include <functional>
#include <string_view>

// Opens an article's link: with the user's chosen program when one is set, else with the
// desktop's handler. Links come from feeds, so only http, https and file links are opened,
// and a program gets the link as its one argument, never through a shell.
class LinkOpener {
public:
    enum class Result { Opened, Refused, ProgramFailed };

    using OpenUrl = std::function<bool(const QUrl&)>;
    using StartProgram = std::function<bool(const QString& program, const QStringList& args)>;

    LinkOpener(); // the desktop's handler and detached processes
    LinkOpener(OpenUrl openUrl, StartProgram startProgram);

    // ProgramFailed: the program could not be started and the link was opened with the
    // desktop's handler instead; the caller tells the user.
    Result open(std::string_view cp932Link, std::string_view cp932Program) const;

    // The five XML entities of a link decoded in one pass ("&amp;lt;" gives "&lt;").
    static std::string decodeEntities(std::string_view text);
    static bool isOpenable(const QUrl& url);

private:
    OpenUrl openUrl_;
    StartProgram startProgram_;
};
