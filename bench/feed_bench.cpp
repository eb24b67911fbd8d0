// Times normalisation and composition of a 1 MiB RSS document of 1000 items held in
// memory (no network). The last line is the throughput, "MB/s N".

#include "feed/FeedComposer.h"
#include "feed/FeedText.h"
#include "feed/LineStores.h"
#include "feed/NullFeedView.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>

namespace {

constexpr std::size_t documentBytes = 1024 * 1024;
constexpr int items = 1000;

// Japanese and ASCII text, entities, CDATA and escaped markup, as real feeds mix them.
std::string buildDocument() {
    const std::string japanese = "\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E\xE3\x81\xAE"
                                 "\xE3\x83\x8B\xE3\x83\xA5\xE3\x83\xBC\xE3\x82\xB9";
    std::string document = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<rss version=\"2.0\">"
                           "<channel><title>Bench &amp; co</title><link>http://bench/</link>"
                           "<description>A channel</description>\r\n";
    const std::size_t itemBudget = (documentBytes - document.size() - 32) / items;
    for (int i = 0; i < items; ++i) {
        const std::string n = std::to_string(i);
        std::string item = "<item><title>" + japanese + " " + n +
                           " Q&amp;A?</title><link>http://bench/" + n +
                           "?a=1&amp;b=2</link><description>";
        const std::string tail = "</description></item>\r\n";
        std::string description = "&lt;p&gt;" + japanese + " &lt;a href=\"http://x/" + n +
                                  "\"&gt;link&lt;/a&gt;&lt;br /&gt;&lt;img src=\"y\" /&gt;"
                                  "<![CDATA[<b>bold</b> & more]]>";
        while (item.size() + description.size() + tail.size() + japanese.size() + 1 <= itemBudget)
            description += " " + japanese;
        document += item + description + tail;
    }
    document += "</channel></rss>\r\n";
    document.resize(std::max(document.size(), documentBytes), ' ');
    return document;
}

} // namespace

int main() {
    const std::string document = buildDocument();
    LineStores stores;
    NullFeedView view;
    FeedComposer composer(stores, view);

    constexpr int rounds = 20;
    double best = 1e9;
    std::size_t records = 0;
    for (int round = 0; round < rounds; ++round) {
        const auto start = std::chrono::steady_clock::now();
        stores.Memo1.setSplitBefore(normaliseFeedText(document), '<');
        composer.ComposeFeed("Bench", "http://bench/rss");
        const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
        best = std::min(best, elapsed.count());
        records = stores.recordCount();
    }
    const double megabytes = static_cast<double>(document.size()) / (1024.0 * 1024.0);
    std::printf("document %zu bytes, %zu records\n", document.size(), records);
    std::printf("best of %d: %.2f ms\n", rounds, best * 1000.0);
    std::printf("MB/s %.0f\n", megabytes / best);
    return records == items + 1 ? 0 : 1;
}
