#pragma once

#include "feed/rotation/FeedRotation.h"
#include "support/Crlf.h"
#include "support/ModalBoxCatcher.h"
#include "support/TempDir.h"
#include "ticker/ProgramWindows.h"

#include <QAction>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QMenu>
#include <gtest/gtest.h>
#include <memory>
#include <stdexcept>
#include <string>

// A test that starts the program over a private settings directory. Message boxes are
// answered and recorded from before the first window exists.
class ProgramTest : public ::testing::Test {
protected:
    // The settings directory as the program takes it, with its trailing separator.
    std::string directory() const { return dir.path() + "/"; }

    void writeSettings(std::initializer_list<const char*> utf8Lines) const {
        dir.write("glowtape3.ini", crlf(utf8Lines));
    }
    void writeFeedList(const std::string& bytes) const { dir.write("news.csv", bytes); }
    // A feed list of one shown feed, "Local", read from a file with one article, "One".
    void writeOneLocalFeed() const {
        dir.write("feed.xml", "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<rss><channel>\n"
                              "<title>Local</title>\n<link>http://127.0.0.1/</link>\n"
                              "<item><title>One</title><link>http://127.0.0.1/1</link></item>\n"
                              "</channel></rss>\n");
        writeFeedList("Local,file://" + dir.file("feed.xml") + ",\x81\x9B\r\n");
    }

    ProgramWindows& start() { return start(directory()); }
    ProgramWindows& start(const std::string& settingsDirectory) {
        program = std::make_unique<ProgramWindows>(settingsDirectory, withBrowser);
        return *program;
    }

    TForm1& ticker() const { return program->ticker; }
    TLightStr& sign() const { return *program->ticker.sign(); }

    // A control of the ticker window by its name.
    template <typename Control = QWidget> Control& control(const char* name) const {
        auto* found = ticker().findChild<Control*>(QString::fromLatin1(name));
        if (!found)
            throw std::runtime_error(std::string("no control ") + name);
        return *found;
    }

    // A context menu item by its caption.
    QAction& menuItem(const char* caption) const {
        for (QAction* action : ticker().popupMenu()->findChildren<QAction*>())
            if (action->text() == QString::fromUtf8(caption))
                return *action;
        throw std::runtime_error(std::string("no menu item ") + caption);
    }

    static void processEvents() { QCoreApplication::processEvents(); }

    // Feeds download on a worker thread; their results arrive through the event loop.
    void waitForLoad() const {
        QDeadlineTimer deadline(10'000);
        while (ticker().rotation()->loading() && !deadline.hasExpired())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        ASSERT_FALSE(ticker().rotation()->loading());
    }

    bool withBrowser = false;
    TempDir dir;
    ModalBoxCatcher boxes;
    std::unique_ptr<ProgramWindows> program;
};
