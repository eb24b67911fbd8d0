#include "feed/parse/ArticleHint.h"

#include "framework/text/CharacterReference.h"
#include "framework/text/Utf8.h"

#include <array>
#include <utility>

namespace {

bool startsTag(const QString& text, qsizetype at) {
    if (text.at(at) != u'<' || at + 1 >= text.size())
        return false;
    const QChar next = text.at(at + 1);
    return (next.isLetter() && next.unicode() < 0x80) || next == u'/' || next == u'!';
}

// Tags that end a line or a paragraph leave a space, the others nothing.
bool separates(QStringView tag) {
    static const std::array<QStringView, 6> names{u"br", u"p", u"div", u"li", u"tr", u"td"};
    tag = tag.mid(tag.startsWith(u"</") ? 2 : 1);
    for (QStringView name : names)
        if (tag.startsWith(name, Qt::CaseInsensitive) &&
            (tag.size() == name.size() || !tag.at(name.size()).isLetterOrNumber()))
            return true;
    return false;
}

QString withoutTags(const QString& text) {
    QString result;
    result.reserve(text.size());
    // Once no ">" follows a "<", none follows any later one: the text is searched once.
    bool closingLeft = true;
    for (qsizetype i = 0; i < text.size();) {
        qsizetype end = -1;
        if (closingLeft && startsTag(text, i)) {
            end = text.indexOf(u'>', i + 1);
            closingLeft = end >= 0;
        }
        if (end < 0) {
            result += text.at(i++);
            continue;
        }
        if (separates(QStringView(text).mid(i, end - i)))
            result += u' ';
        i = end + 1;
    }
    return result;
}

QString plainText(std::string_view utf8Text) {
    return decodedCharacterReferences(withoutTags(utf8::toQString(utf8Text))).simplified();
}

QString cutToLimit(QString text) {
    if (text.size() <= kDescriptionLimit)
        return text;
    qsizetype keep = kDescriptionLimit - 1;
    if (text.at(keep - 1).isHighSurrogate())
        --keep;
    return text.left(keep) + QChar(0x2026); // …
}

} // namespace

QString articleHint(std::string_view utf8Title, std::string_view utf8Description) {
    const QString title = plainText(utf8Title);
    const QString description = cutToLimit(plainText(utf8Description));
    if (description.isEmpty())
        return title;
    if (title.isEmpty())
        return description;
    return title + QLatin1Char('\n') + description;
}
