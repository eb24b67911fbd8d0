#include "feed/fetch/FeedDownloader.h"

#include "support/LocalHttpServer.h"
#include "support/TempDir.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <zlib.h>

using namespace std::chrono_literals;
using Response = LocalHttpServer::Response;

namespace {

std::string pattern(std::size_t size) {
    std::string bytes;
    for (std::size_t i = 0; i < size; ++i)
        bytes += static_cast<char>('a' + (i * 7 + i / 26) % 26);
    return bytes;
}

DownloadLimits quick() {
    DownloadLimits limits;
    limits.connectTimeout = 2000ms;
    limits.totalTimeout = 3000ms;
    return limits;
}

} // namespace

TEST(FeedDownloader, SendsTheProgramsRequestAndReturnsTheBody) {
    LocalHttpServer server;
    server.route("/feed.xml", Response::text("<rss>hello</rss>"));
    std::string stream = "left over";
    ASSERT_TRUE(FeedDownloader().DownloadToStream(stream, server.url("/feed.xml")));
    EXPECT_EQ(stream, "<rss>hello</rss>");

    const auto requests = server.requests();
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].method, "GET");
    EXPECT_EQ(requests[0].headers.at("user-agent"),
              "Mozilla/4.0 (compatible; MSIE 5.5; Windows 98)");
    EXPECT_EQ(requests[0].headers.at("cache-control"), "no-cache");
    EXPECT_EQ(requests[0].headers.at("pragma"), "no-cache");
}

TEST(FeedDownloader, ErrorStatusesFailWithAnEmptyStream) {
    LocalHttpServer server;
    Response serverError = Response::text("<html>broken</html>", 500);
    server.route("/broken", serverError);
    for (const char* path : {"/missing", "/broken"}) {
        std::string stream;
        EXPECT_FALSE(FeedDownloader().DownloadToStream(stream, server.url(path))) << path;
        EXPECT_TRUE(stream.empty()) << path;
    }
}

TEST(FeedDownloader, FollowsRedirectsToTheFeedButNotForever) {
    LocalHttpServer server;
    server.route("/old", Response::redirect("/hop"));
    server.route("/hop", Response::redirect(server.url("/new"), 301));
    server.route("/new", Response::text("moved feed"));
    std::string stream;
    ASSERT_TRUE(FeedDownloader().DownloadToStream(stream, server.url("/old")));
    EXPECT_EQ(stream, "moved feed");

    // A redirect to a missing page is a failure, like the page itself.
    server.route("/gone", Response::redirect("/nowhere"));
    EXPECT_FALSE(FeedDownloader().DownloadToStream(stream, server.url("/gone")));

    server.route("/loop", Response::redirect("/loop"));
    EXPECT_FALSE(FeedDownloader().DownloadToStream(stream, server.url("/loop")));
    EXPECT_TRUE(stream.empty());
    const auto requests = server.requests();
    const auto loops = std::count_if(requests.begin(), requests.end(),
                                     [](const auto& request) { return request.path == "/loop"; });
    EXPECT_LE(loops, 11);
}

TEST(FeedDownloader, RedirectsLeadOnlyToHttp) {
    TempDir dir;
    dir.write("secret.txt", "local secret");
    LocalHttpServer server;
    server.route("/sneaky", Response::redirect("file://" + dir.file("secret.txt")));
    std::string stream;
    EXPECT_FALSE(FeedDownloader().DownloadToStream(stream, server.url("/sneaky")));
    EXPECT_EQ(stream.find("secret"), std::string::npos);
}

TEST(FeedDownloader, EmptyBodyIsASuccess) {
    LocalHttpServer server;
    server.route("/empty", Response::text(""));
    std::string stream = "x";
    EXPECT_TRUE(FeedDownloader().DownloadToStream(stream, server.url("/empty")));
    EXPECT_TRUE(stream.empty());
}

TEST(FeedDownloader, CollectsABodyDeliveredInSmallPieces) {
    const std::string body = pattern(5000);
    LocalHttpServer server;
    Response slow = Response::text(body);
    slow.pieceSize = 700;
    slow.pieceDelay = 5ms;
    server.route("/slow", slow);
    Response chunked = slow;
    chunked.chunkedEncoding = true;
    server.route("/chunked", chunked);
    for (const char* path : {"/slow", "/chunked"}) {
        std::string stream;
        ASSERT_TRUE(FeedDownloader().DownloadToStream(stream, server.url(path))) << path;
        EXPECT_EQ(stream, body) << path;
    }
}

TEST(FeedDownloader, KeepsWhatArrivedBeforeTheConnectionBroke) {
    LocalHttpServer server;
    Response cut = Response::text("<rss><title>partial");
    cut.contentLength = 10000;
    server.route("/cut", cut);
    std::string stream;
    EXPECT_TRUE(FeedDownloader().DownloadToStream(stream, server.url("/cut")));
    EXPECT_EQ(stream, "<rss><title>partial");
}

TEST(FeedDownloader, GivesUpOnAServerThatNeverAnswers) {
    LocalHttpServer server;
    Response silent;
    silent.behaviour = Response::Behaviour::NeverAnswer;
    server.route("/silent", silent);
    DownloadLimits limits = quick();
    limits.totalTimeout = 300ms;
    std::string stream;
    const auto started = std::chrono::steady_clock::now();
    EXPECT_FALSE(FeedDownloader(limits).DownloadToStream(stream, server.url("/silent")));
    EXPECT_LT(std::chrono::steady_clock::now() - started, 2s);
}

TEST(FeedDownloader, ATimeOutInTheMiddleOfTheBodyKeepsTheBytesSoFar) {
    LocalHttpServer server;
    Response stalling = Response::text(std::string(100, 'a') + std::string(100, 'b'));
    stalling.pieceSize = 100;
    stalling.pieceDelay = 400ms;
    server.route("/stall", stalling);
    DownloadLimits limits = quick();
    limits.totalTimeout = 600ms;
    std::string stream;
    EXPECT_TRUE(FeedDownloader(limits).DownloadToStream(stream, server.url("/stall")));
    EXPECT_EQ(stream, std::string(100, 'a'));
}

TEST(FeedDownloader, CutsABodyAtTheSizeLimit) {
    LocalHttpServer server;
    server.route("/big", Response::text(pattern(50'000)));
    DownloadLimits limits = quick();
    limits.maxBytes = 12'345;
    std::string stream;
    EXPECT_TRUE(FeedDownloader(limits).DownloadToStream(stream, server.url("/big")));
    EXPECT_EQ(stream, pattern(50'000).substr(0, 12'345));

    // The program's own limit is 32 MiB.
    EXPECT_EQ(FeedDownloader().limits().maxBytes, 32u * 1024 * 1024);
    EXPECT_EQ(FeedDownloader().limits().connectTimeout, 15s);
    EXPECT_EQ(FeedDownloader().limits().totalTimeout, 60s);
}

TEST(FeedDownloader, UnreachableAddressesFail) {
    LocalHttpServer server;
    Response hangUp;
    hangUp.behaviour = Response::Behaviour::Close;
    server.route("/hangup", hangUp);
    const std::string refused =
        "http://127.0.0.1:" + std::to_string(LocalHttpServer::unusedPort()) + "/feed";
    for (const std::string& uri :
         {std::string("http://"), std::string("not a uri"), std::string("http://host.invalid/x"),
          refused, server.url("/hangup"), std::string("gopher://127.0.0.1/")}) {
        std::string stream;
        EXPECT_FALSE(FeedDownloader(quick()).DownloadToStream(stream, uri)) << uri;
        EXPECT_TRUE(stream.empty()) << uri;
    }
}

TEST(FeedDownloader, ReadsLocalFiles) {
    TempDir dir;
    dir.write("feed.xml", "<rss>local</rss>");
    std::string stream;
    EXPECT_TRUE(FeedDownloader().DownloadToStream(stream, "file://" + dir.file("feed.xml")));
    EXPECT_EQ(stream, "<rss>local</rss>");
    EXPECT_FALSE(FeedDownloader().DownloadToStream(stream, "file://" + dir.file("none.xml")));
    EXPECT_TRUE(stream.empty());
}

namespace {

std::string gzipped(const std::string& bytes) {
    z_stream stream{};
    EXPECT_EQ(deflateInit2(&stream, Z_BEST_COMPRESSION, Z_DEFLATED, 15 + 16, 9, Z_DEFAULT_STRATEGY),
              Z_OK);
    std::string out(deflateBound(&stream, bytes.size()), '\0');
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(bytes.data()));
    stream.avail_in = static_cast<uInt>(bytes.size());
    stream.next_out = reinterpret_cast<Bytef*>(out.data());
    stream.avail_out = static_cast<uInt>(out.size());
    EXPECT_EQ(deflate(&stream, Z_FINISH), Z_STREAM_END);
    out.resize(stream.total_out);
    deflateEnd(&stream);
    return out;
}

Response withValidators(std::string body) {
    Response response = Response::text(std::move(body));
    response.headers = {{"Content-Type", "application/atom+xml; charset=EUC-JP"},
                        {"ETag", "\"v1\""},
                        {"Last-Modified", "Tue, 08 Dec 2026 05:00:00 GMT"}};
    return response;
}

} // namespace

TEST(FeedDownloader, RevalidatesAndReusesTheKeptBodyOnNotModified) {
    LocalHttpServer server;
    server.route("/feed", withValidators("<feed>first</feed>"));
    const FeedDownloader downloader;
    std::string stream;
    std::string contentType;
    ASSERT_TRUE(downloader.DownloadToStream(stream, contentType, server.url("/feed")));
    EXPECT_EQ(contentType, "application/atom+xml; charset=EUC-JP");

    Response notModified = Response::text("", 304);
    notModified.headers.clear();
    server.route("/feed", notModified);
    ASSERT_TRUE(downloader.DownloadToStream(stream, contentType, server.url("/feed")));
    EXPECT_EQ(stream, "<feed>first</feed>");
    EXPECT_EQ(contentType, "application/atom+xml; charset=EUC-JP");

    const auto requests = server.requests();
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_EQ(requests[0].headers.count("if-none-match"), 0u);
    EXPECT_EQ(requests[1].headers.at("if-none-match"), "\"v1\"");
    EXPECT_EQ(requests[1].headers.at("if-modified-since"), "Tue, 08 Dec 2026 05:00:00 GMT");
    EXPECT_EQ(requests[1].headers.at("cache-control"), "no-cache");

    // An answer without validators ends the reuse; so does a body cut short.
    server.route("/feed", Response::text("plain"));
    ASSERT_TRUE(downloader.DownloadToStream(stream, server.url("/feed")));
    ASSERT_TRUE(downloader.DownloadToStream(stream, server.url("/feed")));
    EXPECT_EQ(server.requests()[3].headers.count("if-none-match"), 0u);
    Response cut = withValidators("<feed>par");
    cut.contentLength = 1000;
    server.route("/feed", cut);
    ASSERT_TRUE(downloader.DownloadToStream(stream, server.url("/feed")));
    ASSERT_TRUE(downloader.DownloadToStream(stream, server.url("/feed")));
    EXPECT_EQ(server.requests()[5].headers.count("if-none-match"), 0u);
}

TEST(FeedDownloader, KeepsNoBodyOverItsBounds) {
    LocalHttpServer server;
    server.route("/small", withValidators(pattern(1000)));
    server.route("/large", withValidators(pattern(3000)));
    DownloadLimits limits = quick();
    limits.maxKeptBody = 2000;
    const FeedDownloader downloader(limits);
    std::string stream;
    for (const char* path : {"/small", "/large", "/small", "/large"})
        ASSERT_TRUE(downloader.DownloadToStream(stream, server.url(path))) << path;
    const auto requests = server.requests();
    EXPECT_EQ(requests[2].headers.count("if-none-match"), 1u);
    EXPECT_EQ(requests[3].headers.count("if-none-match"), 0u);
    EXPECT_EQ(FeedDownloader().limits().maxKeptBody, 4u * 1024 * 1024);
    EXPECT_EQ(FeedDownloader().limits().maxKeptTotal, 32u * 1024 * 1024);
}

TEST(FeedDownloader, DecodesCompressedBodiesWithinTheSizeLimit) {
    LocalHttpServer server;
    Response compressed = Response::text(gzipped("<rss>" + pattern(20'000) + "</rss>"));
    compressed.headers.emplace_back("Content-Encoding", "gzip");
    server.route("/gzip", compressed);
    // A few kilobytes that inflate to 64 MiB stop at the limit, which counts decoded bytes.
    Response bomb = Response::text(gzipped(std::string(64u << 20, 'x')));
    bomb.headers.emplace_back("Content-Encoding", "gzip");
    server.route("/bomb", bomb);

    std::string stream;
    ASSERT_TRUE(FeedDownloader().DownloadToStream(stream, server.url("/gzip")));
    EXPECT_EQ(stream, "<rss>" + pattern(20'000) + "</rss>");
    EXPECT_NE(server.requests()[0].headers.at("accept-encoding").find("gzip"), std::string::npos);

    DownloadLimits limits = quick();
    limits.maxBytes = 100'000;
    ASSERT_TRUE(FeedDownloader(limits).DownloadToStream(stream, server.url("/bomb")));
    EXPECT_EQ(stream, std::string(100'000, 'x'));
}
