#pragma once

#include "app/FeedList.h"
#include "articles/TForm3.h"
#include "options/TForm2.h"
#include "reader/TForm5.h"
#include "ticker/TForm1.h"

#include <string>

// The program's four windows over one settings directory and its one feed list. The order
// matters: the options dialog works on the ticker and its creation starts the show; the
// reader and the article list then attach to the ticker.
struct ProgramWindows {
    // Without the browser the reader never starts the web engine (for displays it cannot
    // run on).
    explicit ProgramWindows(const std::string& settingsDirectory, bool withBrowser = true)
        : ticker(feeds, settingsDirectory), options(ticker, feeds, settingsDirectory),
          reader(ticker, settingsDirectory), articles(ticker, settingsDirectory) {
        reader.setBrowserEnabled(withBrowser);
        ticker.attachReader(&reader);
        ticker.attachArticles(&articles);
        ticker.startSaving();
    }

    FeedList feeds;
    TForm1 ticker;
    TForm2 options;
    TForm5 reader;
    TForm3 articles;
};
