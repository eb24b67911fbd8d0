#pragma once

#include "reader/WebView.h"

#include <QLibrary>
#include <QStringList>

// The browser module, which holds everything of the web engine. Loaded the first time the
// reader needs its browser and never unloaded: linking the engine into the program would
// load the system's OpenGL driver at start, for a ticker that may never open the reader.
class BrowserModule {
public:
    static constexpr char kFileName[] = "glowtape-browser.so";

    // Tries the candidate paths in order; the first that loads and has the entry point is
    // the module.
    explicit BrowserModule(const QStringList& candidates);
    BrowserModule(const BrowserModule&) = delete;
    BrowserModule& operator=(const BrowserModule&) = delete;

    bool loaded() const { return create_ != nullptr; }
    // Why no candidate served, one line each; empty once loaded.
    const QString& errorString() const { return error_; }
    // A new view in `parent`, or nullptr when there is no module or it could not make one.
    WebView* createView(QWidget* parent, WebViewListener& listener) const;

    // Where the program looks: beside the executable (the build tree), then where the
    // install rules put it, relative to the executable.
    static QStringList programCandidates(const QString& executableDirectory);
    // The program's module, loaded on the first call.
    static const BrowserModule& program();

private:
    QLibrary library_;
    CreateWebViewFunction create_ = nullptr;
    QString error_;
};
