#include "feed/compose/FeedReport.h"

#include "support/LocalHttpServer.h"
#include "support/TempDir.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <gtest/gtest.h>

namespace {

struct ToolRun {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

// The tool is built next to the directory of the test executables; a unit-only build
// has none.
QString toolPath() {
    return QFileInfo(QCoreApplication::applicationDirPath() + "/../glowtape-feed")
        .absoluteFilePath();
}

ToolRun runTool(const QStringList& arguments) {
    QProcess process;
    process.start(toolPath(), arguments);
    ToolRun run;
    if (!process.waitForFinished(30'000))
        return run;
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = process.readAllStandardOutput();
    run.err = process.readAllStandardError();
    return run;
}

class FeedTool : public ::testing::Test {
protected:
    void SetUp() override {
        if (!QFileInfo::exists(toolPath()))
            GTEST_SKIP() << "glowtape-feed is not built here";
    }
};

const char* const feed = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                         "<rss><channel><title>\xE6\x97\xA5\xE6\x9C\xAC</title>"
                         "<link>http://c/</link><description>say \"hi\" \\ bye</description>\n"
                         "<item><title><![CDATA[A & B]]></title><link>http://c/1?x=1&amp;y=2</link>"
                         "<description>&lt;b&gt;bold&lt;/b&gt;</description></item>"
                         "</channel></rss>\n";

} // namespace

TEST(FeedReport, EscapesJsonStrings) {
    EXPECT_EQ(feedreport::jsonString("a\"b\\c\n\t\x01\x1F \xE6\x97\xA5/"),
              "\"a\\\"b\\\\c\\n\\t\\u0001\\u001f \xE6\x97\xA5/\"");
}

TEST_F(FeedTool, PrintsTheRecordsOfALocalFile) {
    TempDir dir;
    dir.write("feed one.xml", feed);
    const ToolRun run = runTool({QString::fromStdString(dir.file("feed one.xml"))});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out.toStdString(), "record 0\n"
                                     "  title: \xE6\x97\xA5\xE6\x9C\xAC\n"
                                     "  link: http://c/\n"
                                     "  description: say \"hi\" \\ bye\n"
                                     "record 1\n"
                                     "  title: A & B\n"
                                     "  link: http://c/1?x=1&amp;y=2\n"
                                     "  description: <b>bold</b>\n");
}

TEST_F(FeedTool, PrintsJsonThatParses) {
    TempDir dir;
    dir.write("feed.xml", feed);
    const ToolRun run = runTool({"--json", QString::fromStdString(dir.file("feed.xml"))});
    EXPECT_EQ(run.exitCode, 0);
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(run.out, &error);
    ASSERT_EQ(error.error, QJsonParseError::NoError) << run.out.toStdString();
    const QJsonObject object = document.object();
    EXPECT_TRUE(object["ok"].toBool());
    const QJsonArray records = object["records"].toArray();
    ASSERT_EQ(records.size(), 2);
    EXPECT_EQ(records[0].toObject()["title"].toString(),
              QString::fromUtf8("\xE6\x97\xA5\xE6\x9C\xAC"));
    EXPECT_EQ(records[0].toObject()["description"].toString(), "say \"hi\" \\ bye");
    EXPECT_EQ(records[1].toObject()["link"].toString(), "http://c/1?x=1&amp;y=2");
}

TEST_F(FeedTool, PrintsEveryCharacterOfTheFeedExactly) {
    const QStringList titles{"Café 🎉 ニュース", "Ärzte über 𠮷野家", "한국어 简体中文 ½ ™ €",
                             "emoji 😀👍🏽 and ☃", "Pokémon の新作"};
    std::string items;
    for (const QString& title : titles)
        items += "<item><title>" + title.toStdString() + "</title></item>";
    TempDir dir;
    dir.write("feed.xml", "<rss><channel><title>Welt</title><description>&amp;#233; &amp;eacute; "
                          "&amp;#x1F389;</description>" +
                              items + "</channel></rss>");
    const ToolRun run = runTool({"--json", QString::fromStdString(dir.file("feed.xml"))});
    EXPECT_EQ(run.exitCode, 0);
    const QJsonArray records = QJsonDocument::fromJson(run.out).object()["records"].toArray();
    ASSERT_EQ(records.size(), titles.size() + 1) << run.out.toStdString();
    EXPECT_EQ(records[0].toObject()["description"].toString(), "é é 🎉");
    for (qsizetype i = 0; i < titles.size(); ++i)
        EXPECT_EQ(records[i + 1].toObject()["title"].toString(), titles[i]);
}

TEST_F(FeedTool, PrintsEachOf17000DistinctCharactersBeyondCodePage932) {
    // Every Hangul syllable, CJK extension B, emoji, Thai, Devanagari, Arabic and Latin with
    // diacritics, 100 to a title.
    const std::pair<char32_t, char32_t> ranges[] = {
        {0xAC00, 0xD7A3}, {0x20000, 0x212AA}, {0x1F300, 0x1F5FF}, {0x0E01, 0x0E3A},
        {0x0905, 0x0939}, {0x0621, 0x064A},   {0x0100, 0x017F}};
    std::vector<char32_t> characters;
    for (const auto& [first, last] : ranges)
        for (char32_t c = first; c <= last; ++c)
            characters.push_back(c);
    ASSERT_EQ(characters.size(), 17000u);
    QStringList titles;
    std::string items;
    for (std::size_t at = 0; at < characters.size(); at += 100) {
        titles << QString::fromUcs4(characters.data() + at, 100);
        items += "<item><title>" + titles.back().toStdString() + "</title></item>";
    }
    TempDir dir;
    dir.write("feed.xml", "<rss><channel><title>Many</title>" + items + "</channel></rss>");
    const ToolRun run = runTool({"--json", QString::fromStdString(dir.file("feed.xml"))});
    EXPECT_EQ(run.exitCode, 0);
    const QJsonArray records = QJsonDocument::fromJson(run.out).object()["records"].toArray();
    ASSERT_EQ(records.size(), titles.size() + 1);
    for (qsizetype i = 0; i < titles.size(); ++i)
        ASSERT_EQ(records[i + 1].toObject()["title"].toString(), titles[i]) << i;
}

TEST_F(FeedTool, ReportsAFailedDownload) {
    LocalHttpServer server;
    const ToolRun run = runTool({"--json", QString::fromStdString(server.url("/missing"))});
    EXPECT_EQ(run.exitCode, 1);
    const QJsonObject object = QJsonDocument::fromJson(run.out).object();
    EXPECT_FALSE(object["ok"].toBool(true));
    const QJsonArray records = object["records"].toArray();
    ASSERT_EQ(records.size(), 1);
    EXPECT_EQ(records[0].toObject()["title"].toString(),
              QString::fromUtf8(
                  "\xE8\xAA\xAD\xE3\x81\xBF\xE8\xBE\xBC\xE3\x81\xBF\xE5\xA4\xB1\xE6\x95\x97"));
    EXPECT_EQ(server.requests().size(), 1u);
}

TEST_F(FeedTool, RejectsBadArguments) {
    for (const QStringList& arguments :
         {QStringList{}, QStringList{"--json"}, QStringList{"a.xml", "b.xml"},
          QStringList{"--verbose", "a.xml"}, QStringList{"--json", "--json", "a.xml"},
          QStringList{""}}) {
        const ToolRun run = runTool(arguments);
        EXPECT_EQ(run.exitCode, 2) << arguments.join(' ').toStdString();
        EXPECT_TRUE(run.err.startsWith("usage: glowtape-feed")) << run.err.toStdString();
        EXPECT_TRUE(run.out.isEmpty());
    }
}
