#pragma once

#include "feed/compose/FeedView.h"

// A window that is not there: for running the feed pipeline without a ticker.
class NullFeedView : public FeedView {
public:
    void appendShowString(const std::string&) override {}
    void setShowStrings(const std::vector<std::string>&) override {}
    void startShow() override {}
    void setCaption(const std::string&) override {}
    void setDec(const std::string&) override {}
    void setTrayTip(const std::string&) override {}
    void setMenuReady() override {}
};
