#include "app/StartupSequence.h"

#include "LightStr/TLightStr.h"
#include "app/FeedList.h"
#include "app/FeedListFile.h"
#include "feed/compose/LineStores.h"
#include "feed/rotation/RotationState.h"
#include "framework/text/Utf8.h"

#include <QCoreApplication>

namespace {
constexpr std::string_view kOpen = "【";
constexpr std::string_view kClose = "】";
} // namespace

StartupSequence::StartupSequence(FeedList& feeds, LineStores& stores, RotationState& state,
                                 TLightStr& sign)
    : feeds_(feeds), stores_(stores), state_(state), sign_(sign) {}

void StartupSequence::run(const std::string& feedListPath, const std::function<void()>& onMissing) {
    FeedListFile::Loaded loaded = FeedListFile::read(feedListPath);
    if (loaded.present)
        feeds_.setEntries(std::move(loaded.entries));
    else
        onMissing();

    stores_.Memo1.clear();
    stores_.Memo2.clear();
    stores_.Memo3.clear();
    stores_.Memo4.clear();
    stores_.sourceUri.clear();
    state_.articleIndex = 0;

    const std::string welcome =
        "glowtape" + std::string(kOpen) + std::string(kHomePage) + std::string(kClose);
    stores_.Memo1.append(welcome);
    stores_.Memo3.append(kHomePage);
    stores_.Memo4.append(utf8::fromQString(
        QCoreApplication::translate("StartupSequence", "glowtape 使ってくれてどうもありがとう。")));

    sign_.ShowStrings().push_back(welcome);
    sign_.StartShow();
}
