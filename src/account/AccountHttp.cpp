#include "account/AccountHttp.h"

#include <QUrl>
#include <algorithm>
#include <arpa/inet.h>
#include <cctype>
#include <curl/curl.h>
#include <memory>

namespace {

constexpr const char* kUserAgent = "Glowtape";
constexpr std::size_t kMaxBody = 64u * 1024 * 1024;
constexpr long kConnectTimeoutMs = 15'000;
constexpr long kTotalTimeoutMs = 120'000;

struct Sink {
    std::string* body;
    bool overflow = false;
};

std::size_t writeBody(char* data, std::size_t size, std::size_t count, void* userData) {
    auto& sink = *static_cast<Sink*>(userData);
    const std::size_t delivered = size * count;
    if (sink.body->size() + delivered > kMaxBody) {
        sink.overflow = true;
        return 0; // ends the transfer
    }
    sink.body->append(data, delivered);
    return delivered;
}

std::size_t writeHeader(char* data, std::size_t size, std::size_t count, void* userData) {
    auto& headers = *static_cast<std::vector<std::pair<std::string, std::string>>*>(userData);
    const std::string line(data, size * count);
    const std::size_t colon = line.find(':');
    if (colon != std::string::npos) {
        std::string name = line.substr(0, colon);
        std::transform(name.begin(), name.end(), name.begin(),
                       [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        std::string value = line.substr(colon + 1);
        const auto notSpace = [](unsigned char c) { return !std::isspace(c); };
        value.erase(value.begin(), std::find_if(value.begin(), value.end(), notSpace));
        value.erase(std::find_if(value.rbegin(), value.rend(), notSpace).base(), value.end());
        headers.emplace_back(std::move(name), std::move(value));
    }
    return size * count;
}

int checkAbort(void* abort, curl_off_t, curl_off_t, curl_off_t, curl_off_t) {
    const auto* flag = static_cast<const std::atomic<bool>*>(abort);
    return flag && flag->load() ? 1 : 0;
}

AccountError errorOf(CURLcode code) {
    switch (code) {
    case CURLE_PEER_FAILED_VERIFICATION:
    case CURLE_SSL_CACERT_BADFILE:
    case CURLE_SSL_CERTPROBLEM:
    case CURLE_SSL_ISSUER_ERROR:
    case CURLE_SSL_PINNEDPUBKEYNOTMATCH:
    case CURLE_SSL_INVALIDCERTSTATUS:
        return AccountError::Certificate;
    case CURLE_UNSUPPORTED_PROTOCOL:
    case CURLE_URL_MALFORMAT:
        return AccountError::BadAddress;
    case CURLE_WRITE_ERROR:
        return AccountError::BadAnswer; // larger than any answer of an API
    default:
        return AccountError::NoServer;
    }
}

bool loopbackHost(const QString& host) {
    if (host.compare(QStringLiteral("localhost"), Qt::CaseInsensitive) == 0)
        return true;
    const std::string text = host.toStdString();
    in_addr v4{};
    if (inet_pton(AF_INET, text.c_str(), &v4) == 1)
        return (ntohl(v4.s_addr) >> 24) == 127;
    in6_addr v6{};
    return inet_pton(AF_INET6, text.c_str(), &v6) == 1 && IN6_IS_ADDR_LOOPBACK(&v6);
}

} // namespace

std::string AccountHttp::Reply::header(const std::string& lowerName) const {
    for (const auto& [name, value] : headers)
        if (name == lowerName)
            return value;
    return {};
}

AccountError AccountHttp::checkAddress(const std::string& url) {
    const QUrl parsed(QString::fromStdString(url), QUrl::StrictMode);
    if (!parsed.isValid() || parsed.host().isEmpty())
        return AccountError::BadAddress;
    const QString scheme = parsed.scheme().toLower();
    if (scheme == QLatin1String("https"))
        return AccountError::None;
    if (scheme == QLatin1String("http"))
        return loopbackHost(parsed.host()) ? AccountError::None : AccountError::InsecureAddress;
    return AccountError::BadAddress;
}

std::string AccountHttp::percentEncoded(const std::string& text) {
    return QUrl::toPercentEncoding(QString::fromStdString(text)).toStdString();
}

std::string AccountHttp::form(const std::vector<std::pair<std::string, std::string>>& fields) {
    std::string result;
    for (const auto& [name, value] : fields) {
        if (!result.empty())
            result += '&';
        result += percentEncoded(name) + '=' + percentEncoded(value);
    }
    return result;
}

AccountHttp::Reply AccountHttp::send(const std::string& url,
                                     const std::vector<std::string>& headers,
                                     const std::optional<std::string>& body,
                                     const std::string& contentType) {
    Reply reply;
    reply.error = checkAddress(url);
    if (reply.error != AccountError::None)
        return reply;
    static const bool initialised = curl_global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK;
    (void)initialised;

    std::unique_ptr<CURL, decltype(&curl_easy_cleanup)> curl(curl_easy_init(), &curl_easy_cleanup);
    std::unique_ptr<curl_slist, decltype(&curl_slist_free_all)> list(nullptr, &curl_slist_free_all);
    if (!curl) {
        reply.error = AccountError::NoServer;
        return reply;
    }
    const auto addHeader = [&list](const std::string& header) {
        if (curl_slist* extended = curl_slist_append(list.get(), header.c_str())) {
            (void)list.release();
            list.reset(extended);
        }
    };
    for (const std::string& header : headers)
        addHeader(header);
    if (body)
        addHeader("Content-Type: " + contentType);
    addHeader("Expect:"); // answers come at once; no 100-continue round trip

    Sink sink{&reply.body};
    CURL* handle = curl.get();
    curl_easy_setopt(handle, CURLOPT_URL, url.c_str());
    curl_easy_setopt(handle, CURLOPT_USERAGENT, kUserAgent);
    curl_easy_setopt(handle, CURLOPT_HTTPHEADER, list.get());
    curl_easy_setopt(handle, CURLOPT_ACCEPT_ENCODING, "");
    curl_easy_setopt(handle, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(handle, CURLOPT_FOLLOWLOCATION, 0L);
    curl_easy_setopt(handle, CURLOPT_SSL_VERIFYPEER, 1L);
    curl_easy_setopt(handle, CURLOPT_SSL_VERIFYHOST, 2L);
    curl_easy_setopt(handle, CURLOPT_CONNECTTIMEOUT_MS, kConnectTimeoutMs);
    curl_easy_setopt(handle, CURLOPT_TIMEOUT_MS, kTotalTimeoutMs);
    curl_easy_setopt(handle, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(handle, CURLOPT_WRITEFUNCTION, &writeBody);
    curl_easy_setopt(handle, CURLOPT_WRITEDATA, &sink);
    curl_easy_setopt(handle, CURLOPT_HEADERFUNCTION, &writeHeader);
    curl_easy_setopt(handle, CURLOPT_HEADERDATA, &reply.headers);
    if (abort_) {
        curl_easy_setopt(handle, CURLOPT_XFERINFOFUNCTION, &checkAbort);
        curl_easy_setopt(handle, CURLOPT_XFERINFODATA, abort_);
        curl_easy_setopt(handle, CURLOPT_NOPROGRESS, 0L);
    }
    if (body) {
        curl_easy_setopt(handle, CURLOPT_POSTFIELDS, body->data());
        curl_easy_setopt(handle, CURLOPT_POSTFIELDSIZE_LARGE,
                         static_cast<curl_off_t>(body->size()));
    }
    ++requests_;
    const CURLcode result = curl_easy_perform(handle);
    if (result != CURLE_OK) {
        reply.error = sink.overflow ? AccountError::BadAnswer : errorOf(result);
        reply.body.clear();
        return reply;
    }
    curl_easy_getinfo(handle, CURLINFO_RESPONSE_CODE, &reply.status);
    return reply;
}
