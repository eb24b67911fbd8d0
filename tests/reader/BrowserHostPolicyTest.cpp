#include "reader/BrowserHostPolicy.h"
#include "reader/THookApplicationMessage.h"

#include <QEvent>
#include <gtest/gtest.h>

namespace {

using enum DownloadOption;

TEST(BrowserHostPolicy, TheReadersSettingsGiveAutoCompleteAndTheDefaultDownloads) {
    const BrowserHostPolicy reader;
    EXPECT_EQ(reader.hostFlags(), 0x4000u);
    EXPECT_EQ(reader.downloadControl(), 0x70u);
}

TEST(BrowserHostPolicy, EachFlagAndEachDownloadMemberSetsItsOwnBit) {
    const std::pair<bool BrowserHostPolicy::*, std::uint32_t> flags[] = {
        {&BrowserHostPolicy::IeNO3DBORDER, 0x4},  {&BrowserHostPolicy::IeSCROLL_hidden, 0x8},
        {&BrowserHostPolicy::IeDontSCRIPT, 0x10}, {&BrowserHostPolicy::IeNoBehavior, 0x400},
        {&BrowserHostPolicy::IeNoContext, 0},     {&BrowserHostPolicy::IeEnableAccelerator, 0}};
    for (const auto& [flag, bit] : flags) {
        BrowserHostPolicy policy;
        policy.IeAutoComplete = false;
        policy.IeEnableAccelerator = false;
        policy.*flag = true;
        EXPECT_EQ(policy.hostFlags(), bit);
    }

    const std::pair<DownloadOption, std::uint32_t> members[] = {{CS_Images, 0x10},
                                                                {CS_Videos, 0x20},
                                                                {CS_BGSounds, 0x40},
                                                                {CS_NoScripts, 0x80},
                                                                {CS_NoJava, 0x100},
                                                                {CS_NoActiveXRun, 0x200},
                                                                {cs_NoActiveXDownLoad, 0x400},
                                                                {CS_DownLoadOnly, 0x800},
                                                                {CS_ReSynchronize, 0x2000},
                                                                {CS_NoCash, 0x4000},
                                                                {CS_NoFrame, 0x1000},
                                                                {CS_ForceOffLine, 0x10000000},
                                                                {CS_NoClientPull, 0x20000000},
                                                                {CS_Silent, 0x40000000},
                                                                {CS_OffLine, 0x80000000}};
    std::uint32_t all = 0;
    DownloadControlSet every;
    for (const auto& [member, bit] : members) {
        EXPECT_EQ(DownloadControlSet({member}).value(), bit);
        every.set(member, true);
        all |= bit;
    }
    EXPECT_EQ(every.value(), all);
}

TEST(BrowserHostPolicy, EngineSettingsFollowThePolicy) {
    BrowserHostPolicy policy;
    const EngineSettings defaults = policy.engineSettings(false);
    EXPECT_EQ(defaults, EngineSettings{});

    policy.DownLoadControl = {CS_NoScripts, CS_NoCash};
    policy.IeSCROLL_hidden = true;
    policy.IeNO3DBORDER = true;
    policy.IeEnableAccelerator = false;
    policy.IeNoContext = true;
    const EngineSettings s = policy.engineSettings(false);
    EXPECT_FALSE(s.autoLoadImages);
    EXPECT_TRUE(s.playbackRequiresUserGesture);
    EXPECT_TRUE(s.audioMuted);
    EXPECT_FALSE(s.javascriptEnabled);
    EXPECT_FALSE(s.httpCache);
    EXPECT_FALSE(s.showScrollBars);
    EXPECT_FALSE(s.pageBorder);
    EXPECT_FALSE(s.acceleratorsEnabled);
    EXPECT_EQ(s.contextMenu, EngineSettings::ContextMenu::None);
    EXPECT_EQ(policy.engineSettings(true).contextMenu, EngineSettings::ContextMenu::Popup);

    BrowserHostPolicy inactiveScripts;
    inactiveScripts.IeDontSCRIPT = true;
    EXPECT_FALSE(inactiveScripts.engineSettings(false).javascriptEnabled);
}

// A browser's hook entry that records what it saw and may handle it.
struct FakeBrowser : AppMessageTarget {
    explicit FakeBrowser(bool handles) : handles(handles) {}
    void HandleAppMessage(QObject*, QEvent*, bool& handled) override {
        ++seen;
        if (handles)
            handled = true;
    }
    bool handles;
    int seen = 0;
};

TEST(ApplicationMessageHook, EntriesRunInOrderUntilOneHandlesAndRemovalTakesTheFirstEqual) {
    THookApplicationMessage hook;
    const auto handler = &AppMessageTarget::HandleAppMessage;
    FakeBrowser first(true);
    FakeBrowser second(false);
    QEvent key(QEvent::KeyPress);

    hook.AddHook(handler, &first);
    hook.AddHook(handler, &second);
    EXPECT_TRUE(hook.dispatch(nullptr, &key));
    EXPECT_EQ(first.seen, 1);
    EXPECT_EQ(second.seen, 0);

    // Destroying the first browser leaves the second's handling working.
    hook.RemoveHook(handler, &first);
    EXPECT_FALSE(hook.dispatch(nullptr, &key));
    EXPECT_EQ(second.seen, 1);

    // Only the first of two equal entries goes.
    hook.AddHook(handler, &second);
    hook.RemoveHook(handler, &second);
    EXPECT_EQ(hook.count(), 1u);
    hook.RemoveHook(handler, &first); // not there: nothing happens
    EXPECT_EQ(hook.count(), 1u);
    EXPECT_FALSE(hook.dispatch(nullptr, &key));
    EXPECT_EQ(second.seen, 2);
}

} // namespace
