#include "feed/marks/WordFilter.h"

#include "framework/text/Utf8.h"

#include <algorithm>

void WordFilter::setMuteWords(const std::string& words) {
    muteText_ = words;
    mute_ = parse(words);
}

void WordFilter::setMarkWords(const std::string& words) {
    markText_ = words;
    mark_ = parse(words);
}

bool WordFilter::mutes(const ArticleRecord& record) const {
    return matches(mute_, record);
}

bool WordFilter::marks(const ArticleRecord& record) const {
    return matches(mark_, record);
}

// Compatibility composition turns full-width letters and digits into ASCII and half-width
// katakana, voiced marks included, into full-width katakana; case folding does the rest.
QString WordFilter::folded(const std::string& utf8Text) {
    return utf8::toQString(utf8Text).normalized(QString::NormalizationForm_KC).toCaseFolded();
}

std::vector<QString> WordFilter::parse(const std::string& words) {
    std::vector<QString> parsed;
    std::size_t start = 0;
    while (start <= words.size()) {
        const std::size_t comma = std::min(words.find(',', start), words.size());
        const QString word = folded(words.substr(start, comma - start)).trimmed();
        if (!word.isEmpty())
            parsed.push_back(word);
        start = comma + 1;
    }
    return parsed;
}

bool WordFilter::matches(const std::vector<QString>& words, const ArticleRecord& record) {
    if (words.empty())
        return false;
    const QString title = folded(record.title);
    const QString description = folded(record.description);
    return std::any_of(words.begin(), words.end(), [&](const QString& word) {
        return title.contains(word) || description.contains(word);
    });
}
