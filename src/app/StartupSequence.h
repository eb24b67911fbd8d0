#pragma once

#include <functional>
#include <string>
#include <string_view>

class FeedList;
class TLightStr;
struct LineStores;
struct RotationState;

// Loads the feed list at start and puts the welcome line on the sign; the rotation takes
// over when the welcome line has run out.
class StartupSequence {
public:
    static constexpr std::string_view kHomePage = "http://glowtape.example/";

    StartupSequence(FeedList& feeds, LineStores& stores, RotationState& state, TLightStr& sign);

    // feedListPath is news.csv; onMissing runs when it cannot be read (the caller warns).
    void run(const std::string& feedListPath, const std::function<void()>& onMissing);

private:
    FeedList& feeds_;
    LineStores& stores_;
    RotationState& state_;
    TLightStr& sign_;
};
