#include "feed/HeadlineMarks.h"
#include "feed/RotationFixture.h"
#include "feed/WordFilter.h"

#include <gtest/gtest.h>

namespace {

constexpr std::uint32_t kMark = 0x000000FF;

ArticleRecord article(const char* utf8Title, const char* utf8Description = " ") {
    return {cp932::fromUtf8(utf8Title), "http://x/", cp932::fromUtf8(utf8Description)};
}

TEST(WordFilter, MatchesTitleOrDescriptionAcrossCaseAndWidth) {
    WordFilter filter;
    filter.setMuteWords(cp932::fromUtf8("ad, ｶﾞｲﾄﾞ ,,　,ＰＲ"));
    EXPECT_TRUE(filter.mutes(article("ＡＤ特集")));
    EXPECT_TRUE(filter.mutes(article("新しいガイド")));
    EXPECT_TRUE(filter.mutes(article("今日の話題", "[pr] 提供")));
    EXPECT_TRUE(filter.mutes(article("Ad")));
    EXPECT_FALSE(filter.mutes(article("今日の話題", "ガイ")));
    EXPECT_FALSE(filter.marks(article("ＡＤ特集"))); // the other list is empty

    filter.setMarkWords(cp932::fromUtf8("ＬＩＮＵＸ"));
    EXPECT_TRUE(filter.marks(article("linux 6.0")));
    // Blank words match nothing, not everything.
    filter.setMuteWords(cp932::fromUtf8(" ,　, "));
    EXPECT_FALSE(filter.mutes(article("anything")));
}

// The rotation asking the word filter and the memory of shown headlines.
class MarkedRotation : public Rotation {
protected:
    MarkedRotation() {
        colours.mark = kMark;
        rotation.setMarks(&marks);
    }

    HeadlineMarks marks{colours};
};

TEST_F(MarkedRotation, MutedArticlesNeverReachTheSignAndMarkedTitlesStandOut) {
    addFeed("A", "○",
            item("one") + item("ＡＤ two") + item("three", "a linux story") + item("four", "ad") +
                item("five"));
    addFeed("B", "○", item("ad only"));
    marks.filter().setMuteWords("ad");
    marks.filter().setMarkWords("LINUX,five");
    choices.main = 1;
    startWithWelcome();
    runLines(9);
    const std::vector<ShownLine> expected{
        {"welcome", kArticle}, {"【 A 】", kTitle},
        {"●one", kArticle},    {" ", kDescription},
        {"●three", kMark},     {"　　［  a linux story  ］", kDescription},
        {"●five", kMark},      {" ", kDescription},
        {"【 B 】", kTitle}, // its only article is muted
    };
    EXPECT_EQ(std::vector<ShownLine>(shown.begin(), shown.begin() + 9), expected);
    runLines(10);
    EXPECT_EQ(shown[9].text, "【 A 】");
}

} // namespace
