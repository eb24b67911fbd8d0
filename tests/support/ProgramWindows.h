#pragma once

#include "app/FeedList.h"
#include "articles/TForm3.h"
#include "feed/FeedRotation.h"
#include "options/TForm2.h"
#include "reader/TForm5.h"
#include "support/Crlf.h"
#include "support/ModalBoxCatcher.h"
#include "support/TempDir.h"
#include "ticker/TForm1.h"

#include <QAction>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QMenu>
#include <gtest/gtest.h>
#include <memory>
#include <stdexcept>
#include <string>

// The program's four windows over one settings directory, created and connected in the
// program's own order: the ticker, the options dialog (which starts the show), the reader,
// the article list.
struct ProgramWindows {
    // The reader's browser needs a display the engine can run on; it stays off unless asked.
    ProgramWindows(const std::string& settingsDirectory, bool withBrowser)
        : ticker(feeds, settingsDirectory), options(ticker, feeds, settingsDirectory),
          reader(ticker, settingsDirectory), articles(ticker, settingsDirectory) {
        reader.setBrowserEnabled(withBrowser);
        ticker.attachReader(&reader);
        ticker.attachArticles(&articles);
    }

    FeedList feeds;
    TForm1 ticker;
    TForm2 options;
    TForm5 reader;
    TForm3 articles;
};

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
