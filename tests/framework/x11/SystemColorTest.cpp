#include "framework/x11/SystemColor.h"

#include <gtest/gtest.h>

TEST(SystemColor, PlainAndSystemColoursResolveToRgb) {
    EXPECT_EQ(syscolor::resolve(0x0000FF00u), 0x0000FF00u);
    EXPECT_EQ(syscolor::toQRgb(0x000000FFu), 0xFFFF0000u); // red is the low byte
    EXPECT_EQ(syscolor::toQRgb(0x00808000u), 0xFF008080u); // teal
    EXPECT_EQ(syscolor::fromQRgb(0xFF008080u), 0x00808000u);
    EXPECT_TRUE(syscolor::isSystem(0x80000005u));
    EXPECT_EQ(syscolor::resolve(0x80000005u), 0x00FFFFFFu); // window
    EXPECT_EQ(syscolor::resolve(0x80000008u), 0x00000000u); // window text
    EXPECT_EQ(syscolor::resolve(0x80000018u), 0x00E1FFFFu); // info background, 0xFFFFE1
    EXPECT_EQ(syscolor::resolve(0x800000FFu), 0x00000000u); // no such system colour
    EXPECT_EQ(syscolor::resolve(0x0200FF00u), 0x0000FF00u); // palette forms keep their RGB
}
