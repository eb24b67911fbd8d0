#pragma once

#include <string>

class FeedDownloader;
class FeedView;
struct LineStores;
struct RotationState;

// Loads one feed into the raw line store, one tag per line. When the download fails the
// raw store holds a one-record placeholder document titled "読み込み失敗" and the failure
// line is put on the sign. The busy flag is set while it runs.
class FeedLoader {
public:
    FeedLoader(LineStores& stores, RotationState& state, FeedView& view,
               const FeedDownloader& downloader);

    // Returns the download's result; an empty URI changes nothing and returns false.
    bool LoadFeedText(const std::string& uri);

private:
    LineStores& stores_;
    RotationState& state_;
    FeedView& view_;
    const FeedDownloader& downloader_;
};
