// Times normalisation and composition of five 1 MiB documents of 1000 items held in
// memory (no network): RSS in UTF-8, the same RSS in Shift_JIS, Atom, RSS in UTF-8 where
// one character in ten lacks a code page 932 form (accented letters, emoji, Hangul,
// simplified Chinese, signs), and RSS in UTF-8 with 20,000 distinct such characters. Each
// prints its throughput as "<name> MB/s N"; the last line is the slowest, "MB/s N". Throughput
// counts the CPU time of the thread, which other programs on a busy machine do not inflate; the
// wall time is printed beside it.

#include "feed/compose/FeedComposer.h"
#include "feed/compose/LineStores.h"
#include "feed/compose/NullFeedView.h"
#include "feed/parse/FeedText.h"
#include "framework/text/Cp932.h"
#include "framework/text/Utf8.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <string>
#include <vector>

namespace {

constexpr std::size_t documentBytes = 1024 * 1024;
constexpr int items = 1000;

struct Shape {
    std::string head;
    std::string (*item)(const std::string& n, const std::string& title,
                        const std::string& description);
    std::string tail;
};

const std::string japanese = "\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E\xE3\x81\xAE"
                             "\xE3\x83\x8B\xE3\x83\xA5\xE3\x83\xBC\xE3\x82\xB9";

const Shape rss{"<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<rss version=\"2.0\">"
                "<channel><title>Bench &amp; co</title><link>http://bench/</link>"
                "<description>A channel</description>\r\n",
                [](const std::string& n, const std::string& title, const std::string& description) {
                    return "<item><title>" + title + "</title><link>http://bench/" + n +
                           "?a=1&amp;b=2</link><description>" + description +
                           "</description></item>\r\n";
                },
                "</channel></rss>\r\n"};

const Shape atom{
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<feed "
    "xmlns=\"http://www.w3.org/2005/Atom\"><title>Bench &amp; co</title>"
    "<link href=\"http://bench/\"/><subtitle>A channel</subtitle>\r\n",
    [](const std::string& n, const std::string& title, const std::string& description) {
        return "<entry><title>" + title + "</title><link href=\"http://bench/" + n +
               "?a=1&amp;b=2\"/><summary type=\"html\">" + description + "</summary></entry>\r\n";
    },
    "</feed>\r\n"};

// Words of nine characters with a code page 932 form and one without, each followed by a
// blank.
std::vector<std::string> wordsBeyondCp932() {
    static const char* const extras[] = {"é",  "ü",  "ß",  "ñ", "ø",    "å", "æ",  "ç",  "€",  "™",
                                         "½",  "🎉",  "😀",  "👍", "🏽", "☃", "한", "국", "어", "简",
                                         "说", "话", "𠮷", "ą", "ł",    "ś", "ğ",  "ı",  "ş",  "ő",
                                         "ű",  "č",  "ř",  "ž", "à",    "ê", "î",  "ô",  "ã",  "õ"};
    std::vector<std::string> words;
    for (const char* extra : extras)
        words.push_back("日本語のニュース" + std::string(extra));
    return words;
}

// One word per item of 20 characters without a code page 932 form, 20,000 distinct ones in
// all: every Hangul syllable, then CJK extension B.
std::vector<std::string> wordsOfDistinctCharacters() {
    std::vector<std::string> words(items);
    char32_t next = 0xAC00;
    for (std::string& word : words) {
        for (int i = 0; i < 20; ++i) {
            utf8::append(next, word);
            next = next == 0xD7A3 ? 0x20000 : next + 1;
        }
    }
    return words;
}

// Words and ASCII text, entities, CDATA and escaped markup, as real feeds mix them.
std::string buildDocument(const Shape& shape, const std::vector<std::string>& words = {japanese}) {
    std::string document = shape.head;
    const std::size_t itemBudget = (documentBytes - document.size() - 32) / items;
    for (int i = 0; i < items; ++i) {
        const std::string n = std::to_string(i);
        const std::string& word = words[std::size_t(i) % words.size()];
        const std::string title = word + " " + n + " Q&amp;A?";
        std::string description = "&lt;p&gt;" + word + " &lt;a href=\"http://x/" + n +
                                  "\"&gt;link&lt;/a&gt;&lt;br /&gt;&lt;img src=\"y\" /&gt;"
                                  "<![CDATA[<b>bold</b> & more]]>";
        while (shape.item(n, title, description).size() + word.size() + 1 <= itemBudget)
            description += " " + words[(i + description.size()) % words.size()];
        document += shape.item(n, title, description);
    }
    document += shape.tail;
    document.resize(std::max(document.size(), documentBytes), ' ');
    return document;
}

double threadMilliseconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

// Best-of-20 throughput in MB/s; false when the records are not all there.
bool measure(const char* name, const std::string& document, const std::string& contentType,
             double& throughput) {
    LineStores stores;
    NullFeedView view;
    FeedComposer composer(stores, view);
    constexpr int rounds = 20;
    double best = 1e9;
    double bestCpu = 1e9;
    std::size_t records = 0;
    for (int round = 0; round < rounds; ++round) {
        const auto start = std::chrono::steady_clock::now();
        const double startCpu = threadMilliseconds();
        stores.Memo1.setSplitBefore(normaliseFeedText(document, contentType, "http://bench/"), '<');
        composer.ComposeFeed("Bench", "http://bench/rss");
        const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
        bestCpu = std::min(bestCpu, threadMilliseconds() - startCpu);
        best = std::min(best, elapsed.count());
        records = stores.recordCount();
    }
    throughput = static_cast<double>(document.size()) / (1024.0 * 1024.0) / (bestCpu / 1000.0);
    std::printf("%s: document %zu bytes, %zu records, best of %d: %.2f ms CPU (%.2f ms wall), "
                "MB/s %.0f\n",
                name, document.size(), records, rounds, bestCpu, best * 1000.0, throughput);
    return records == items + 1;
}

} // namespace

int main() {
    std::string shiftJis = cp932::fromUtf8(buildDocument(rss));
    shiftJis.resize(std::max(shiftJis.size(), documentBytes), ' ');
    double utf8Rate = 0, shiftJisRate = 0, atomRate = 0, beyondRate = 0, distinctRate = 0;
    const bool complete =
        measure("rss utf-8", buildDocument(rss), "text/xml", utf8Rate) &
        measure("rss shift_jis", shiftJis, "text/xml; charset=Shift_JIS", shiftJisRate) &
        measure("atom utf-8", buildDocument(atom), "", atomRate) &
        measure("rss utf-8 beyond code page 932", buildDocument(rss, wordsBeyondCp932()),
                "text/xml", beyondRate) &
        measure("rss utf-8 20000 distinct beyond code page 932",
                buildDocument(rss, wordsOfDistinctCharacters()), "text/xml", distinctRate);
    std::printf("MB/s %.0f\n",
                std::min({utf8Rate, shiftJisRate, atomRate, beyondRate, distinctRate}));
    return complete ? 0 : 1;
}
