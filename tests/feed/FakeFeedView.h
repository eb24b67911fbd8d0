#pragma once

#include "feed/compose/FeedView.h"

// Records what loading and composing did to the window.
class FakeFeedView : public FeedView {
public:
    std::vector<std::string> showStrings;
    int startShowCalls = 0;
    std::string caption;
    std::string dec;
    std::string trayTip;
    bool menuReady = false;

    void appendShowString(const std::string& line) override { showStrings.push_back(line); }
    void setShowStrings(const std::vector<std::string>& lines) override { showStrings = lines; }
    void startShow() override { ++startShowCalls; }
    void setCaption(const std::string& text) override { caption = text; }
    void setDec(const std::string& text) override { dec = text; }
    void setTrayTip(const std::string& tip) override { trayTip = tip; }
    void setMenuReady() override { menuReady = true; }
};
