#pragma once

// The options dialog's two line choices, read each time an article is put on the sign.
class LineChoices {
public:
    virtual ~LineChoices() = default;
    // 0 "title", 1 "title + description".
    virtual int MainList() const = 0;
    // 0 "description", 1 "title", 2 "link", 3 "NewsTitle".
    virtual int DecList() const = 0;
};
