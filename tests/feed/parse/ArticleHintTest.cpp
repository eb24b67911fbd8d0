#include "feed/parse/ArticleHint.h"

#include <gtest/gtest.h>

namespace {

QString hint(const char* utf8Title, const char* utf8Description) {
    return articleHint(std::string(utf8Title), std::string(utf8Description));
}

} // namespace

TEST(ArticleHint, TitleAndDescriptionAsPlainText) {
    EXPECT_EQ(
        hint("Tom &amp; Jerry", "<p>Cats <b>and</b>\n mice</p>the<br/>end &#233;t&#xE9; &lt;3"),
        QStringLiteral("Tom & Jerry\nCats and mice the end été <3"));
    // What only looks like markup stays.
    EXPECT_EQ(hint("1 < 2 > 0", " "), QStringLiteral("1 < 2 > 0"));
    EXPECT_EQ(hint("a <b", "&unknown; & &#0; &#xZZ;"),
              QStringLiteral("a <b\n&unknown; & &#0; &#xZZ;"));
    EXPECT_EQ(hint("", "記事"), QStringLiteral("記事"));
}

TEST(ArticleHint, LongDescriptionsAreCutToTheLimit) {
    const std::string longText(1000, 'a');
    const QString text = articleHint("T", longText);
    const QString description = text.mid(2);
    EXPECT_EQ(description.size(), kDescriptionLimit);
    EXPECT_TRUE(description.endsWith(QChar(0x2026)));
    EXPECT_EQ(articleHint("T", std::string(300, 'b')).mid(2), QString(300, QLatin1Char('b')));
}
