#include "app/settings/HotKeyChoices.h"

#include <gtest/gtest.h>

TEST(HotKeyChoices, IndicesTextsAndKeysymsLineUp) {
    EXPECT_EQ(hotkeys::indexOfText("なし"), 0);
    EXPECT_EQ(hotkeys::indexOfText("ctrl + F5"), 19);
    EXPECT_EQ(hotkeys::indexOfText("ctrl + F12"), 26);
    EXPECT_EQ(hotkeys::indexOfText("ctrl + f5"), -1);
    EXPECT_EQ(hotkeys::keysymFor(19), 0xffc2u); // XK_F5
    EXPECT_EQ(hotkeys::keysymFor(1), 0xff22u);  // XK_Muhenkan
    EXPECT_EQ(hotkeys::choices()[19].virtualKey, 0x74);
    EXPECT_FALSE(hotkeys::keysymFor(0));
    EXPECT_FALSE(hotkeys::keysymFor(-1));
    EXPECT_FALSE(hotkeys::keysymFor(27));
}

TEST(HotKeyChoices, TriggersInTheDesktopsShortcutForm) {
    EXPECT_EQ(hotkeys::triggerFor(19), "CTRL+F5");
    EXPECT_EQ(hotkeys::triggerFor(1), "CTRL+Muhenkan");
    EXPECT_EQ(hotkeys::triggerFor(2), "CTRL+space");
    EXPECT_EQ(hotkeys::triggerFor(5), "CTRL+Page_Up");
    EXPECT_FALSE(hotkeys::triggerFor(0));
    EXPECT_FALSE(hotkeys::triggerFor(27));
    for (int choice = 1; choice < hotkeys::kChoiceCount; ++choice)
        EXPECT_NE(hotkeys::triggerFor(choice), "CTRL+") << choice;
}
