#pragma once

#include <string>
#include <vector>

// What loading and composing a feed do to the ticker window. All text is UTF-8.
class FeedView {
public:
    virtual ~FeedView() = default;

    // The sign's line list (ShowStrings): add one line after those already there.
    virtual void appendShowString(const std::string& line) = 0;
    // The sign's line list: replace it entirely.
    virtual void setShowStrings(const std::vector<std::string>& lines) = 0;
    virtual void startShow() = 0;

    virtual void setCaption(const std::string& caption) = 0;
    // The description label under the sign.
    virtual void setDec(const std::string& text) = 0;
    // Sets the notification icon's tip and updates the icon.
    virtual void setTrayTip(const std::string& tip) = 0;
    // From now on the context menu, the tray menu and the reader button work.
    virtual void setMenuReady() = 0;
};
