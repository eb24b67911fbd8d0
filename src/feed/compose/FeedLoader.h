#pragma once

#include <functional>
#include <string>

class FeedDownloader;
class FeedFetcher;
class FeedView;
struct LineStores;
struct RotationState;

// Loads one feed into the raw line store, one tag per line, its relative links made absolute
// against the feed's address. When the download fails the
// raw store holds a one-record placeholder document titled "読み込み失敗" and the failure
// line is put on the sign. The busy flag is set while it runs.
class FeedLoader {
public:
    FeedLoader(LineStores& stores, RotationState& state, FeedView& view,
               const FeedDownloader& downloader);

    // Downloads in the caller. Returns the download's result; an empty URI changes nothing
    // and returns false.
    bool LoadFeedText(const std::string& uri);

    // Hands the download to `fetcher` and returns; `loaded` gets the result once the raw
    // store is filled and the busy flag is down again, right away for an empty URI. Does
    // nothing while a load runs.
    void LoadFeedText(const std::string& uri, FeedFetcher& fetcher,
                      std::function<void(bool downloaded)> loaded);

private:
    bool store(bool downloaded, const std::string& body, const std::string& contentType,
               const std::string& uri);

    LineStores& stores_;
    RotationState& state_;
    FeedView& view_;
    const FeedDownloader& downloader_;
};
