#include "feed/parse/AtomRewriter.h"

#include "framework/text/CharacterReference.h"
#include "framework/text/Utf8.h"

#include <QUrl>
#include <QXmlStreamReader>
#include <algorithm>
#include <array>
#include <utility>

namespace {

enum class TextKind { Text, Html, Xhtml };

struct Record {
    QString title;
    bool hasTitle = false;
    QString link;
    bool hasLink = false;
    QString summary;
    bool hasSummary = false;
    QString content;
};

void appendEscaped(QString& out, QStringView text) {
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c != u'&' && c != u'<' && c != u'>')
            continue;
        out += text.sliced(start, i - start);
        out += c == u'&' ? u"&amp;" : c == u'<' ? u"&lt;" : u"&gt;";
        start = i + 1;
    }
    out += text.sliced(start);
}

// Text for the raw line store: UTF-8, XML-escaped, without CR and LF.
void appendLineText(std::string& out, QStringView text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t unit = text[i].unicode();
        switch (unit) {
        case u'\r':
        case u'\n':
            break;
        case u'&':
            out += "&amp;";
            break;
        case u'<':
            out += "&lt;";
            break;
        case u'>':
            out += "&gt;";
            break;
        default:
            if (QChar::isHighSurrogate(unit) && i + 1 < text.size() &&
                text[i + 1].isLowSurrogate()) {
                utf8::append(QChar::surrogateToUcs4(unit, text[i + 1].unicode()), out);
                ++i;
            } else {
                utf8::append(unit, out);
            }
        }
    }
}

void appendTag(std::string& out, std::string_view name, QStringView text) {
    out += '<';
    out += name;
    out += '>';
    appendLineText(out, text);
    out += "</";
    out += name;
    out += '>';
}

QString withoutTags(QStringView html) {
    QString out;
    out.reserve(html.size());
    bool inTag = false;
    for (const QChar c : html) {
        if (c == u'<')
            inTag = true;
        else if (c == u'>' && inTag)
            inTag = false;
        else if (!inTag)
            out += c;
    }
    return out;
}

// Real feeds nest their markup a few dozen levels at most.
constexpr int kDeepest = 1000;

class Rewriter {
public:
    Rewriter(const QByteArray& utf8Document, std::string_view documentUri)
        : documentBase_(QUrl(QString::fromUtf8(documentUri.data(), qsizetype(documentUri.size())))),
          entryBudget_(atomEntryBudget(static_cast<std::size_t>(utf8Document.size()))),
          documentBytes_(utf8Document.size()) {
        // Text added as a string locks the reader to UTF-8, so the declaration cannot
        // override the encoding the bytes were already decoded from.
        xml_.addData(QString());
        xml_.addData(utf8Document);
    }

    std::optional<std::string> run() {
        if (!xml_.readNextStartElement() || xml_.name() != u"feed")
            return std::nullopt;
        const QUrl base = baseOf(documentBase_);
        Record feed;
        // The entries take about as many bytes as the document; the feed's record goes in
        // front at the end, which moves the text once instead of copying it.
        std::string entries;
        entries.reserve(std::min(entryBudget_, static_cast<std::size_t>(documentBytes_)) + 1024);
        while (xml_.readNextStartElement()) {
            const QStringView name = xml_.name();
            if (name == u"entry")
                readEntry(base, entries);
            else if (name == u"subtitle" || name == u"tagline")
                readOnce(feed.summary, feed.hasSummary, false);
            else
                readCommon(feed, base);
        }
        while (!xml_.atEnd())
            xml_.readNext();
        if (xml_.hasError())
            return std::nullopt;

        // The feed always gives record 0, as an RSS channel's title does.
        feed.hasTitle = true;
        std::string head;
        appendRecord(head, feed);
        entries.insert(0, head);
        return entries;
    }

private:
    // Title and link, the children that feed and entry share; anything else is skipped.
    void readCommon(Record& record, const QUrl& base) {
        const QStringView name = xml_.name();
        if (name == u"title") {
            readOnce(record.title, record.hasTitle, true);
        } else if (name == u"link") {
            const QXmlStreamAttributes attributes = xml_.attributes();
            const QStringView rel = attributes.value(QLatin1StringView("rel"));
            if (!record.hasLink && (rel.isEmpty() || rel == u"alternate")) {
                record.link = resolved(attributes.value(QLatin1StringView("href")), baseOf(base));
                record.hasLink = !record.link.isEmpty();
            }
            elementText(nullptr);
        } else {
            elementText(nullptr);
        }
    }

    void readEntry(const QUrl& feedBase, std::string& out) {
        const QUrl base = baseOf(feedBase);
        Record entry;
        bool hasContent = false;
        while (xml_.readNextStartElement()) {
            const QStringView name = xml_.name();
            if (name == u"summary")
                readOnce(entry.summary, entry.hasSummary, false);
            else if (name == u"content")
                readOnce(entry.content, hasContent, false);
            else
                readCommon(entry, base);
        }
        if (!entry.hasSummary)
            entry.summary = std::move(entry.content);
        if (entry.hasTitle && out.size() < entryBudget_)
            appendRecord(out, entry);
    }

    static void appendRecord(std::string& out, const Record& record) {
        appendTag(out, "title", record.title);
        if (record.hasLink)
            appendTag(out, "link", record.link);
        if (!record.summary.isEmpty())
            appendTag(out, "description", record.summary);
    }

    // The first of several elements of one name counts.
    void readOnce(QString& target, bool& seen, bool asTitle) {
        if (seen) {
            elementText(nullptr);
            return;
        }
        target = asTitle ? readTitle() : readDescription();
        seen = true;
    }

    TextKind kindOf() const {
        const QXmlStreamAttributes attributes = xml_.attributes();
        const QStringView type = attributes.value(QLatin1StringView("type"));
        const QStringView mode = attributes.value(QLatin1StringView("mode"));
        const auto is = [&](QStringView name) {
            return type.compare(name, Qt::CaseInsensitive) == 0;
        };
        if (is(u"xhtml") || is(u"application/xhtml+xml"))
            return mode == u"escaped" ? TextKind::Html : TextKind::Xhtml;
        if (is(u"html") || is(u"text/html"))
            return mode == u"xml" ? TextKind::Xhtml : TextKind::Html;
        return TextKind::Text;
    }

    // A title is shown as plain text: markup removed, entities decoded.
    QString readTitle() {
        const TextKind kind = kindOf();
        QString text;
        elementText(&text);
        if (kind == TextKind::Html)
            return decodedCharacterReferences(withoutTags(text));
        return text;
    }

    // A description keeps its markup, as an RSS description's escaped HTML does.
    QString readDescription() {
        if (kindOf() == TextKind::Xhtml)
            return readXhtmlMarkup();
        QString text;
        elementText(&text);
        return text;
    }

    // Reads to the end of the current element, adding its text and its children's to `text`
    // when given. Nesting deeper than any feed's ends the document as not well-formed, so
    // that it is read by the line rules: the XML reader slows down with every level.
    void elementText(QString* text) {
        int depth = 1;
        while (depth > 0 && !xml_.atEnd()) {
            switch (xml_.readNext()) {
            case QXmlStreamReader::StartElement:
                if (++depth > kDeepest)
                    xml_.raiseError(QStringLiteral("nested too deep"));
                break;
            case QXmlStreamReader::EndElement:
                --depth;
                break;
            case QXmlStreamReader::Characters:
            case QXmlStreamReader::EntityReference:
                if (text)
                    *text += xml_.text();
                break;
            default:
                break;
            }
        }
    }

    // The markup inside an xhtml construct, without the div that wraps it.
    QString readXhtmlMarkup() {
        QString out;
        int depth = 0;
        while (!xml_.atEnd()) {
            const QXmlStreamReader::TokenType token = xml_.readNext();
            if (token == QXmlStreamReader::StartElement) {
                if (++depth > kDeepest) {
                    xml_.raiseError(QStringLiteral("nested too deep"));
                    break;
                }
                if (depth == 1 && xml_.name() == u"div")
                    continue;
                out += u'<';
                out += xml_.name();
                for (const QXmlStreamAttribute& attribute : xml_.attributes()) {
                    out += u' ';
                    out += attribute.name();
                    out += u"=\"";
                    appendEscaped(out, attribute.value());
                    out += u'"';
                }
                out += u'>';
            } else if (token == QXmlStreamReader::EndElement) {
                if (depth == 0)
                    break;
                if (!(depth == 1 && xml_.name() == u"div")) {
                    out += u"</";
                    out += xml_.name();
                    out += u'>';
                }
                --depth;
            } else if (token == QXmlStreamReader::Characters) {
                appendEscaped(out, xml_.text());
            }
        }
        return out;
    }

    QUrl baseOf(const QUrl& parent) const {
        for (const QXmlStreamAttribute& attribute : xml_.attributes())
            if (attribute.qualifiedName() == u"xml:base") {
                const QUrl declared(attribute.value().toString());
                return parent.isEmpty() ? declared : parent.resolved(declared);
            }
        return parent;
    }

    // An href with a scheme stays exactly as written, like an RSS link.
    static QString resolved(QStringView href, const QUrl& base) {
        const QString text = href.trimmed().toString();
        if (text.isEmpty() || hasScheme(text) || base.isEmpty() || base.isRelative())
            return text;
        return base.resolved(QUrl(text)).toString(QUrl::FullyEncoded);
    }

    static bool hasScheme(QStringView text) {
        for (qsizetype i = 0; i < text.size(); ++i) {
            const char16_t c = text[i].unicode();
            const bool letter = (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
            if (c == u':')
                return i > 0;
            if (!letter &&
                (i == 0 || !((c >= u'0' && c <= u'9') || c == u'+' || c == u'-' || c == u'.')))
                return false;
        }
        return false;
    }

    QXmlStreamReader xml_;
    QUrl documentBase_;
    std::size_t entryBudget_;
    qsizetype documentBytes_;
};

} // namespace

bool hasAtomRoot(std::string_view document) {
    const std::string_view text = document.substr(0, atomSniffLength);
    std::size_t at = text.substr(0, 3) == "\xEF\xBB\xBF" ? 3 : 0;
    while (true) {
        at = text.find_first_not_of(" \t\r\n", at);
        if (at == std::string_view::npos || text[at] != '<')
            return false;
        const std::string_view rest = text.substr(at);
        std::size_t end = std::string_view::npos;
        if (rest.starts_with("<?")) {
            end = text.find("?>", at + 2);
            end = end == std::string_view::npos ? end : end + 2;
        } else if (rest.starts_with("<!--")) {
            end = text.find("-->", at + 4);
            end = end == std::string_view::npos ? end : end + 3;
        } else if (rest.starts_with("<!")) {
            // A document type, perhaps with an internal subset in brackets.
            end = text.find('>', at);
            const std::size_t subset = text.find('[', at);
            if (subset < end) {
                const std::size_t closed = text.find(']', subset);
                end = closed == std::string_view::npos ? closed : text.find('>', closed);
            }
            end = end == std::string_view::npos ? end : end + 1;
        } else {
            const std::size_t nameEnd = text.find_first_of(" \t\r\n/>", at + 1);
            if (nameEnd == std::string_view::npos)
                return false;
            const std::string_view name = text.substr(at + 1, nameEnd - at - 1);
            const std::size_t colon = name.rfind(':');
            return name.substr(colon == std::string_view::npos ? 0 : colon + 1) == "feed";
        }
        if (end == std::string_view::npos)
            return false;
        at = end;
    }
}

std::optional<std::string> rewriteAtom(const QByteArray& utf8Document,
                                       std::string_view documentUri) {
    return Rewriter(utf8Document, documentUri).run();
}
