#pragma once

#include "feed/compose/LineStores.h"

#include <QString>
#include <string>
#include <vector>

// The words that mute an article (it never reaches the sign) and those that mark it (its
// title line is lit in the mark colour). A word matches the title or the description
// without regard to letter case, and full-width and half-width forms of a character
// match each other ("ＡＤ" is "ad", "ｶﾞ" is "ガ").
class WordFilter {
public:
    // Words as the settings keep them: separated by ",". Blank words count
    // for nothing.
    void setMuteWords(const std::string& words);
    void setMarkWords(const std::string& words);
    const std::string& muteWords() const { return muteText_; }
    const std::string& markWords() const { return markText_; }

    bool mutes(const ArticleRecord& record) const;
    bool marks(const ArticleRecord& record) const;

    // The form in which texts and words are compared.
    static QString folded(const std::string& text);

private:
    static std::vector<QString> parse(const std::string& words);
    static bool matches(const std::vector<QString>& words, const ArticleRecord& record);

    std::string muteText_;
    std::string markText_;
    std::vector<QString> mute_;
    std::vector<QString> mark_;
};
