#include "feed/fetch/KeptBodies.h"

#include <gtest/gtest.h>

namespace {

KeptBodies::Answer answer(std::size_t bodyBytes) {
    return {"e", "", "", std::string(bodyBytes, 'b')};
}

} // namespace

TEST(KeptBodies, DropsTheLeastRecentlyUsedPastTheTotal) {
    KeptBodies kept(100, 250);
    kept.keep("a", answer(99)); // 101 bytes with its URI and ETag
    kept.keep("b", answer(99));
    ASSERT_TRUE(kept.find("a")); // now b is the oldest
    kept.keep("c", answer(99));
    EXPECT_TRUE(kept.find("a"));
    EXPECT_FALSE(kept.find("b"));
    EXPECT_TRUE(kept.find("c"));
    EXPECT_EQ(kept.totalBytes(), 202u);

    // Replacing an answer counts it once; a body over the bound, or one without a
    // validator, forgets the URI.
    kept.keep("a", answer(10));
    EXPECT_EQ(kept.totalBytes(), 113u);
    kept.keep("c", answer(101));
    kept.keep("a", {"", "", "", "x"});
    EXPECT_FALSE(kept.find("a"));
    EXPECT_FALSE(kept.find("c"));
    EXPECT_EQ(kept.totalBytes(), 0u);
}
