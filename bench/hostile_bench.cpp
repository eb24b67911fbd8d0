// Times normalisation and composition of documents shaped to make a parser slow: long runs
// of "&" with no ";" (in RSS and Atom titles and in descriptions), 1 MB attribute values,
// deep nesting, 200,000 tiny items, a 10 MB single line, and CDATA full of entity-like
// text or of false ends. A feed is downloaded on the window's behalf, so each must go through at a
// steady rate: each prints "<name> MB/s N" (CPU time of the thread, best of three), and the last
// line is the slowest, "MB/s N". Exits 1 when a document gave no records at all.

#include "feed/compose/FeedComposer.h"
#include "feed/compose/LineStores.h"
#include "feed/compose/NullFeedView.h"
#include "feed/parse/FeedText.h"

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <string>

namespace {

std::string repeated(std::string_view piece, std::size_t bytes) {
    std::string text;
    text.reserve(bytes + piece.size());
    while (text.size() < bytes)
        text += piece;
    return text;
}

const std::string rssHead = "<?xml version=\"1.0\" encoding=\"UTF-8\"?><rss version=\"2.0\">"
                            "<channel><title>Hostile</title><link>http://bench/</link>";
const std::string rssTail = "</channel></rss>";
const std::string atomHead =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?><feed xmlns=\"http://www.w3.org/2005/Atom\">"
    "<title>Hostile</title><link href=\"http://bench/\"/>";
const std::string atomTail = "</feed>";

std::string rssItem(const std::string& title, const std::string& description) {
    return "<item><title>" + title + "</title><link>http://bench/1</link><description>" +
           description + "</description></item>";
}

double threadMilliseconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

double slowest = 1e9;
bool complete = true;

void measure(const char* name, const std::string& document, const char* contentType = "") {
    LineStores stores;
    NullFeedView view;
    FeedComposer composer(stores, view);
    double best = 1e12;
    for (int round = 0; round < 3; ++round) {
        const double start = threadMilliseconds();
        stores.Memo1.setSplitBefore(normaliseFeedText(document, contentType, "http://bench/"), '<');
        composer.ComposeFeed("Hostile", "http://bench/rss");
        best = std::min(best, threadMilliseconds() - start);
    }
    const double rate = static_cast<double>(document.size()) / (1024.0 * 1024.0) / (best / 1e3);
    std::printf("%s: document %zu bytes, %zu records, %.1f ms CPU, MB/s %.0f\n", name,
                document.size(), stores.recordCount(), best, rate);
    std::fflush(stdout);
    slowest = std::min(slowest, rate);
    complete = complete && stores.recordCount() > 0;
}

} // namespace

int main() {
    constexpr std::size_t mb = 1024 * 1024;
    const std::string ampersands = repeated("&a", 2 * mb);
    measure("rss title of &a", rssHead + rssItem(ampersands, "d") + rssTail);
    measure("rss description of &a", rssHead + rssItem("t", ampersands) + rssTail);
    measure("atom html title of &a", atomHead + "<entry><title type=\"html\">" +
                                         repeated("&amp;a", 2 * mb) + "</title></entry>" +
                                         atomTail);
    measure("atom html summary of &a", atomHead + "<entry><title>t</title><summary type=\"html\">" +
                                           repeated("&amp;a", 2 * mb) + "</summary></entry>" +
                                           atomTail);

    const std::string value = repeated("abcdefgh", mb);
    measure("rss 1 MB attribute", rssHead + "<item><title x=\"" + value +
                                      "\">t</title><link>http://bench/1</link>" + "</item>" +
                                      rssTail);
    measure("atom 1 MB href", atomHead + "<entry><title>t</title><link href=\"http://bench/" +
                                  value + "\"/></entry>" + atomTail);

    constexpr int depth = 100'000;
    measure("rss deep nesting", rssHead + "<item><title>t</title><description>" +
                                    repeated("<div>", 5 * depth) + repeated("</div>", 6 * depth) +
                                    "</description></item>" + rssTail);
    measure("atom deep xhtml nesting",
            atomHead + "<entry><title>t</title><content type=\"xhtml\"><div>" +
                repeated("<b>", 3 * depth) + "x" + repeated("</b>", 4 * depth) +
                "</div></content></entry>" + atomTail);

    std::string tiny = rssHead;
    for (int i = 0; i < 200'000; ++i)
        tiny += "<item><title>" + std::to_string(i) + "</title></item>";
    measure("rss 200,000 tiny items", tiny + rssTail);
    std::string tinyAtom = atomHead;
    for (int i = 0; i < 200'000; ++i)
        tinyAtom += "<entry><title>" + std::to_string(i) + "</title></entry>";
    measure("atom 200,000 tiny entries", tinyAtom + atomTail);

    measure("rss 10 MB single line", rssHead + rssItem("t", repeated("word ", 10 * mb)) + rssTail);
    measure("rss CDATA of entity-like text",
            rssHead + rssItem("t", "<![CDATA[" + repeated("&a&#&#x&amp;&lt", 2 * mb) + "]]>") +
                rssTail);
    // In Shift_JIS "]" may be the second byte of a character: none of these ends the section.
    measure("rss shift_jis CDATA of false ends",
            rssHead + rssItem("t", "<![CDATA[" + repeated("\x81]]>", 2 * mb)) + rssTail,
            "text/xml; charset=Shift_JIS");
    measure("rss escaped markup without >",
            rssHead + rssItem("t", repeated("&lt;a", 2 * mb)) + rssTail);

    std::printf("MB/s %.0f\n", slowest);
    return complete ? 0 : 1;
}
