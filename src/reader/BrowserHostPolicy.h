#pragma once

#include <bitset>
#include <cstdint>
#include <initializer_list>

// What the reader may download and how; the members in their stored order.
enum class DownloadOption {
    CS_Images,
    CS_Videos,
    CS_BGSounds,
    CS_NoScripts,
    CS_NoJava,
    CS_NoActiveXRun,
    cs_NoActiveXDownLoad,
    CS_DownLoadOnly,
    CS_ReSynchronize,
    CS_NoCash,
    CS_NoFrame,
    CS_ForceOffLine,
    CS_NoClientPull,
    CS_Silent,
    CS_OffLine,
};
inline constexpr std::size_t kDownloadOptionCount = 15;

class DownloadControlSet {
public:
    DownloadControlSet() = default;
    DownloadControlSet(std::initializer_list<DownloadOption> members);
    bool contains(DownloadOption member) const { return bits_.test(index(member)); }
    void set(DownloadOption member, bool present) { bits_.set(index(member), present); }
    // The download-control value: the sum of the members' bits.
    std::uint32_t value() const;
    static std::uint32_t bitOf(DownloadOption member);

private:
    static std::size_t index(DownloadOption member) { return static_cast<std::size_t>(member); }
    std::bitset<kDownloadOptionCount> bits_;
};

// The engine settings the host policy comes to.
struct EngineSettings {
    enum class ContextMenu { Engine, Popup, None };

    bool autoLoadImages = true;
    bool javascriptEnabled = true;
    bool showScrollBars = true;
    bool playbackRequiresUserGesture = false;
    bool audioMuted = false;
    bool httpCache = true;
    bool pageBorder = true;
    ContextMenu contextMenu = ContextMenu::Engine;
    bool acceleratorsEnabled = true;

    bool operator==(const EngineSettings&) const = default;
};

// What the host tells the browser: the user-interface flags, the download control and
// whether the browser's own context menu and keyboard accelerators work.
struct BrowserHostPolicy {
    static constexpr std::uint32_t kNo3DBorder = 0x4;
    static constexpr std::uint32_t kScrollNo = 0x8;
    static constexpr std::uint32_t kDisableScriptInactive = 0x10;
    static constexpr std::uint32_t kOverrideBehaviorFactory = 0x400;
    static constexpr std::uint32_t kEnableFormsAutoComplete = 0x4000;

    bool IeNoContext = false;
    bool IeNO3DBORDER = false;
    bool IeSCROLL_hidden = false;
    bool IeDontSCRIPT = false;
    bool IeEnableAccelerator = true;
    bool IeNoBehavior = false;
    bool IeAutoComplete = true;
    DownloadControlSet DownLoadControl{DownloadOption::CS_Images, DownloadOption::CS_Videos,
                                       DownloadOption::CS_BGSounds};

    std::uint32_t hostFlags() const;
    std::uint32_t downloadControl() const { return DownLoadControl.value(); }

    // The settings on the engine. hasAutoPopupMenu: a replacement menu is set and pops up
    // by itself.
    EngineSettings engineSettings(bool hasAutoPopupMenu) const;
};
