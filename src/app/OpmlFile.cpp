#include "app/OpmlFile.h"

#include "framework/files/FileBytes.h"
#include "framework/text/Utf8.h"

#include <QByteArray>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

namespace {

QString attribute(const QXmlStreamAttributes& attributes, QStringView name) {
    for (const QXmlStreamAttribute& candidate : attributes)
        if (candidate.name().compare(name, Qt::CaseInsensitive) == 0)
            return candidate.value().trimmed().toString();
    return {};
}

} // namespace

std::optional<std::vector<FeedEntry>> OpmlFile::parse(std::string_view bytes) {
    QXmlStreamReader xml(
        QByteArray::fromRawData(bytes.data(), static_cast<qsizetype>(bytes.size())));
    if (!xml.readNextStartElement() || xml.name() != u"opml")
        return std::nullopt;
    std::vector<FeedEntry> feeds;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement || xml.name() != u"outline")
            continue;
        const QXmlStreamAttributes attributes = xml.attributes();
        const QString uri = attribute(attributes, u"xmlUrl");
        if (uri.isEmpty())
            continue;
        QString title = attribute(attributes, u"title");
        if (title.isEmpty())
            title = attribute(attributes, u"text");
        feeds.push_back({utf8::fromQString(title), utf8::fromQString(uri), {}});
    }
    if (xml.hasError())
        return std::nullopt;
    return feeds;
}

std::string OpmlFile::format(const std::vector<FeedEntry>& entries) {
    QByteArray bytes;
    QXmlStreamWriter xml(&bytes);
    xml.setAutoFormatting(true);
    xml.writeStartDocument();
    xml.writeStartElement("opml");
    xml.writeAttribute("version", "2.0");
    xml.writeStartElement("head");
    xml.writeTextElement("title", "Glowtape");
    xml.writeEndElement();
    xml.writeStartElement("body");
    for (const FeedEntry& entry : entries) {
        const QString title = utf8::toQString(entry.title);
        xml.writeEmptyElement("outline");
        xml.writeAttribute("text", title);
        xml.writeAttribute("title", title);
        xml.writeAttribute("type", "rss");
        xml.writeAttribute("xmlUrl", utf8::toQString(entry.uri));
    }
    xml.writeEndDocument();
    return bytes.toStdString();
}

OpmlFile::Loaded OpmlFile::read(const std::string& path) {
    const std::optional<std::string> bytes = FileBytes::read(path, kMaxFileBytes);
    if (!bytes)
        return {{},
                Outcome::fileFailure(QT_TRANSLATE_NOOP("Outcome", "ファイル %1 を読み込めません"),
                                     path)};
    std::optional<std::vector<FeedEntry>> feeds = parse(*bytes);
    if (!feeds)
        return {{},
                Outcome::fileFailure(
                    QT_TRANSLATE_NOOP("Outcome", "ファイル %1 はOPMLではありません"), path)};
    return {std::move(*feeds), Outcome::success()};
}

Outcome OpmlFile::write(const std::string& path, const std::vector<FeedEntry>& entries) {
    if (FileBytes::replace(path, format(entries)))
        return Outcome::success();
    return Outcome::fileFailure(QT_TRANSLATE_NOOP("Outcome", "ファイル %1 を作成できません"), path);
}
