#include "reader/BrowserHostPolicy.h"

DownloadControlSet::DownloadControlSet(std::initializer_list<DownloadOption> members) {
    for (const DownloadOption member : members)
        set(member, true);
}

std::uint32_t DownloadControlSet::bitOf(DownloadOption member) {
    const std::size_t i = index(member);
    if (i <= index(DownloadOption::CS_DownLoadOnly))
        return 0x10u << i;
    switch (member) {
    case DownloadOption::CS_ReSynchronize:
        return 0x2000u;
    case DownloadOption::CS_NoCash:
        return 0x4000u;
    case DownloadOption::CS_NoFrame:
        return 0x1000u;
    case DownloadOption::CS_ForceOffLine:
        return 0x10000000u;
    case DownloadOption::CS_NoClientPull:
        return 0x20000000u;
    case DownloadOption::CS_Silent:
        return 0x40000000u;
    case DownloadOption::CS_OffLine:
        return 0x80000000u;
    default:
        return 0;
    }
}

std::uint32_t DownloadControlSet::value() const {
    std::uint32_t sum = 0;
    for (std::size_t i = 0; i < kDownloadOptionCount; ++i)
        if (bits_.test(i))
            sum += bitOf(static_cast<DownloadOption>(i));
    return sum;
}

std::uint32_t BrowserHostPolicy::hostFlags() const {
    std::uint32_t flags = 0;
    if (IeNO3DBORDER)
        flags |= kNo3DBorder;
    if (IeSCROLL_hidden)
        flags |= kScrollNo;
    if (IeDontSCRIPT)
        flags |= kDisableScriptInactive;
    if (IeNoBehavior)
        flags |= kOverrideBehaviorFactory;
    if (IeAutoComplete)
        flags |= kEnableFormsAutoComplete;
    return flags;
}

// Mapped onto the engine: images, videos, background sounds, scripts, scroll bars, the
// border, the cache, the context menu and the keyboard accelerators. The engine has no
// counterpart for: form auto-completion (IeAutoComplete), the behaviour factory
// (IeNoBehavior), Java and ActiveX (CS_NoJava, CS_NoActiveXRun, cs_NoActiveXDownLoad:
// plug-ins stay off), download-only, resynchronise, no frames, client pull, silent and
// the two off-line modes. Scripts that run only while the page is active do not exist
// there either, so IeDontSCRIPT turns scripts off as CS_NoScripts does.
EngineSettings BrowserHostPolicy::engineSettings(bool hasAutoPopupMenu) const {
    using enum DownloadOption;
    EngineSettings s;
    s.autoLoadImages = DownLoadControl.contains(CS_Images);
    s.playbackRequiresUserGesture = !DownLoadControl.contains(CS_Videos);
    s.audioMuted = !DownLoadControl.contains(CS_BGSounds);
    s.javascriptEnabled = !DownLoadControl.contains(CS_NoScripts) && !IeDontSCRIPT;
    s.httpCache = !DownLoadControl.contains(CS_NoCash);
    s.showScrollBars = !IeSCROLL_hidden;
    s.pageBorder = !IeNO3DBORDER;
    s.contextMenu = !IeNoContext       ? EngineSettings::ContextMenu::Engine
                    : hasAutoPopupMenu ? EngineSettings::ContextMenu::Popup
                                       : EngineSettings::ContextMenu::None;
    s.acceleratorsEnabled = IeEnableAccelerator;
    return s;
}
