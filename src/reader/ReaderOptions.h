#pragma once

#include "app/settings/GlowtapeSettings.h"

#include <string>

// What the options dialog decides about opening the news reader.
struct ReaderOptions {
    bool fullWidth = false;                                 // OP2
    ReaderPlacement placement = ReaderPlacement::NotPlaced; // OP11a (Above) / OP11b (Below)
    bool showArticle = false;                               // OP12
    bool showHome = false;                                  // OP13
    std::string homeAddress = "http://";                    // DefUri

    // "http://" alone is the untouched field: there is no home to go to.
    bool hasHome() const { return homeAddress != "http://"; }
};
