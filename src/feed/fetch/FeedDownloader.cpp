#include "feed/fetch/FeedDownloader.h"

#include <algorithm>
#include <cctype>
#include <chrono>
#include <ctime>
#include <curl/curl.h>
#include <memory>
#include <optional>
#include <vector>

namespace {

constexpr const char* userAgent = "Mozilla/4.0 (compatible; MSIE 5.5; Windows 98)";
constexpr long maxRedirects = 10;

struct Sink {
    std::string* stream;
    std::size_t maxBytes;
    bool capped = false;
};

std::size_t writeBody(char* data, std::size_t size, std::size_t count, void* userData) {
    auto& sink = *static_cast<Sink*>(userData);
    const std::size_t delivered = size * count;
    const std::size_t room = sink.maxBytes - sink.stream->size();
    if (delivered > room) {
        // Keep what fits and end the transfer, as a broken connection would.
        sink.stream->append(data, room);
        sink.capped = true;
        return room;
    }
    sink.stream->append(data, delivered);
    return delivered;
}

// Errors that end a transfer whose answer has already begun; the bytes so far stand.
bool cutShort(CURLcode code) {
    switch (code) {
    case CURLE_PARTIAL_FILE:
    case CURLE_RECV_ERROR:
    case CURLE_OPERATION_TIMEDOUT:
    case CURLE_WRITE_ERROR:
    case CURLE_BAD_CONTENT_ENCODING:
    case CURLE_HTTP2_STREAM:
        return true;
    default:
        return false;
    }
}

void ensureCurlInitialised() {
    static const bool initialised = curl_global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK;
    (void)initialised;
}

using EasyHandle = std::unique_ptr<CURL, decltype(&curl_easy_cleanup)>;
using MultiHandle = std::unique_ptr<CURLM, decltype(&curl_multi_cleanup)>;
using HeaderList = std::unique_ptr<curl_slist, decltype(&curl_slist_free_all)>;

constexpr int abortCheckMs = 50;

// Runs the transfer in short waits, so that `abort` is seen soon whatever the server does.
CURLcode perform(CURL* handle, const std::atomic<bool>* abort) {
    MultiHandle multi(curl_multi_init(), &curl_multi_cleanup);
    if (!multi || curl_multi_add_handle(multi.get(), handle) != CURLM_OK)
        return CURLE_FAILED_INIT;
    CURLcode result = CURLE_ABORTED_BY_CALLBACK;
    int running = 1;
    while (running > 0 && !(abort && *abort)) {
        if (curl_multi_perform(multi.get(), &running) != CURLM_OK) {
            result = CURLE_FAILED_INIT;
            running = 0;
        } else if (running > 0) {
            curl_multi_poll(multi.get(), nullptr, 0, abortCheckMs, nullptr);
        }
    }
    int queued = 0;
    while (CURLMsg* message = curl_multi_info_read(multi.get(), &queued))
        if (message->msg == CURLMSG_DONE && message->easy_handle == handle)
            result = message->data.result;
    curl_multi_remove_handle(multi.get(), handle);
    return result;
}

bool appendHeader(HeaderList& headers, const std::string& header) {
    curl_slist* extended = curl_slist_append(headers.get(), header.c_str());
    if (!extended)
        return false;
    headers.release();
    headers.reset(extended);
    return true;
}

// A header of the last answer (after redirects), or the empty text.
std::string answerHeader(CURL* handle, const char* name) {
    curl_header* header = nullptr;
    if (curl_easy_header(handle, name, 0, CURLH_HEADER, -1, &header) != CURLHE_OK || !header)
        return {};
    return header->value;
}

// A validator goes back to the server on one header line, nothing else with it.
bool fitsOneLine(const std::string& value) {
    return value.find_first_of("\r\n") == std::string::npos;
}

// "Retry-After": a number of seconds or an HTTP date.
std::optional<std::chrono::seconds> retryAfterOf(const std::string& value) {
    if (value.empty())
        return std::nullopt;
    if (std::all_of(value.begin(), value.end(), [](unsigned char c) { return std::isdigit(c); }))
        return std::chrono::seconds(std::stoll(value.substr(0, 12)));
    const time_t when = curl_getdate(value.c_str(), nullptr);
    if (when < 0)
        return std::nullopt;
    // In whole seconds: a date thousands of years ahead would overflow the clock's ticks.
    const time_t now = std::time(nullptr);
    return std::chrono::seconds(when > now ? when - now : 0);
}

// "Cache-Control: ..., max-age=N, ...".
std::optional<std::chrono::seconds> maxAgeOf(std::string value) {
    std::transform(value.begin(), value.end(), value.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    constexpr std::string_view directive = "max-age=";
    for (std::size_t at = value.find(directive); at != std::string::npos;
         at = value.find(directive, at + 1)) {
        if (at > 0 && value[at - 1] != ',' && value[at - 1] != ' ')
            continue; // s-maxage and the like
        std::size_t digits = at + directive.size();
        if (digits < value.size() && value[digits] == '"')
            ++digits;
        std::size_t end = digits;
        while (end < value.size() && end - digits < 12 &&
               std::isdigit(static_cast<unsigned char>(value[end])))
            ++end;
        if (end > digits)
            return std::chrono::seconds(std::stoll(value.substr(digits, end - digits)));
    }
    return std::nullopt;
}

} // namespace

FeedDownloader::FeedDownloader(DownloadLimits limits)
    : limits_(limits), kept_(limits.maxKeptBody, limits.maxKeptTotal) {}

bool FeedDownloader::DownloadToStream(std::string& stream, const std::string& uri,
                                      const std::atomic<bool>* abort) const {
    std::string contentType;
    return DownloadToStream(stream, contentType, uri, abort);
}

bool FeedDownloader::DownloadToStream(std::string& stream, std::string& contentType,
                                      const std::string& uri,
                                      const std::atomic<bool>* abort) const {
    FeedAnswer answer = download(uri, abort);
    stream = std::move(answer.body);
    contentType = std::move(answer.contentType);
    return answer.downloaded;
}

FeedAnswer FeedDownloader::download(const std::string& uri, const std::atomic<bool>* abort) const {
    ensureCurlInitialised();
    FeedAnswer answer;
    std::string& stream = answer.body;
    EasyHandle curl(curl_easy_init(), &curl_easy_cleanup);
    if (!curl)
        return answer;

    // The no-cache headers stay with the validators, so that a proxy revalidates too.
    HeaderList headers(nullptr, &curl_slist_free_all);
    std::vector<std::string> lines{"Cache-Control: no-cache", "Pragma: no-cache"};
    const std::optional<KeptBodies::Answer> kept = kept_.find(uri);
    if (kept && !kept->etag.empty() && fitsOneLine(kept->etag))
        lines.push_back("If-None-Match: " + kept->etag);
    if (kept && !kept->lastModified.empty() && fitsOneLine(kept->lastModified))
        lines.push_back("If-Modified-Since: " + kept->lastModified);
    for (const std::string& line : lines)
        if (!appendHeader(headers, line))
            return answer;

    Sink sink{&stream, limits_.maxBytes};
    CURL* handle = curl.get();
    curl_easy_setopt(handle, CURLOPT_URL, uri.c_str());
    curl_easy_setopt(handle, CURLOPT_USERAGENT, userAgent);
    curl_easy_setopt(handle, CURLOPT_HTTPHEADER, headers.get());
    curl_easy_setopt(handle, CURLOPT_ACCEPT_ENCODING, ""); // every coding libcurl decodes
    curl_easy_setopt(handle, CURLOPT_PROTOCOLS_STR, "http,https,file");
    curl_easy_setopt(handle, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(handle, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(handle, CURLOPT_MAXREDIRS, maxRedirects);
    curl_easy_setopt(handle, CURLOPT_CONNECTTIMEOUT_MS,
                     static_cast<long>(limits_.connectTimeout.count()));
    curl_easy_setopt(handle, CURLOPT_TIMEOUT_MS, static_cast<long>(limits_.totalTimeout.count()));
    curl_easy_setopt(handle, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(handle, CURLOPT_WRITEFUNCTION, &writeBody);
    curl_easy_setopt(handle, CURLOPT_WRITEDATA, &sink);

    const CURLcode result = perform(handle, abort);

    long status = 0;
    curl_easy_getinfo(handle, CURLINFO_RESPONSE_CODE, &status);
    const char* scheme = nullptr;
    curl_easy_getinfo(handle, CURLINFO_SCHEME, &scheme);
    const bool isHttp = scheme && (curl_strequal(scheme, "http") || curl_strequal(scheme, "https"));
    if (isHttp && status > 0) {
        answer.status = status;
        answer.retryAfter = retryAfterOf(answerHeader(handle, "Retry-After"));
        answer.maxAge = maxAgeOf(answerHeader(handle, "Cache-Control"));
    }

    bool ok = false;
    if (result == CURLE_OK || (cutShort(result) && (sink.capped || result != CURLE_WRITE_ERROR)))
        ok = isHttp ? status > 0 && status < 400 : result == CURLE_OK || sink.capped;
    if (!ok) {
        stream.clear();
        return answer;
    }

    answer.downloaded = true;
    const char* type = nullptr;
    curl_easy_getinfo(handle, CURLINFO_CONTENT_TYPE, &type);
    std::string& contentType = answer.contentType;
    contentType = type ? type : "";
    if (!isHttp)
        return answer;
    if (status == 304 && kept) {
        stream = kept->body;
        contentType = kept->contentType;
    } else if (status == 200 && result == CURLE_OK && stream.size() <= limits_.maxKeptBody) {
        kept_.keep(uri, {answerHeader(handle, "ETag"), answerHeader(handle, "Last-Modified"),
                         contentType, stream});
    } else if (status == 200) {
        kept_.forget(uri); // a body cut short is never the one to reuse
    }
    return answer;
}
