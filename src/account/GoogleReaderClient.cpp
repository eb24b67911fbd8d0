#include "account/GoogleReaderClient.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <algorithm>
#include <charconv>
#include <unordered_set>

namespace {

constexpr std::string_view kApi = "/reader/api/0/";
constexpr std::string_view kReadingList = "user/-/state/com.google/reading-list";
constexpr std::string_view kRead = "user/-/state/com.google/read";
constexpr std::string_view kLongIdPrefix = "tag:google.com,2005:reader/item/";
// Items asked for in one request; the services accept at least this many.
constexpr int kPage = 1000;
// No account shows more unread headlines than this; beyond, the rest waits.
constexpr std::size_t kMostItems = 20'000;

AccountError statusError(long status) {
    if (status == 401 || status == 403)
        return AccountError::WrongPassword;
    if (status == 404)
        return AccountError::ApiDisabled;
    return status >= 200 && status < 300 ? AccountError::None : AccountError::BadAnswer;
}

std::string text(const QJsonValue& value) {
    return value.toString().toStdString();
}

std::string firstHref(const QJsonValue& links) {
    for (const QJsonValue& link : links.toArray()) {
        const std::string href = text(link.toObject().value(QStringLiteral("href")));
        if (!href.empty())
            return href;
    }
    return {};
}

} // namespace

GoogleReaderClient::GoogleReaderClient(std::string base, std::string user, std::string password)
    : base_(std::move(base)), user_(std::move(user)), password_(std::move(password)) {
    while (!base_.empty() && base_.back() == '/')
        base_.pop_back();
}

std::string GoogleReaderClient::shortId(const std::string& id) {
    std::string_view digits = id;
    int radix = 10;
    if (digits.starts_with(kLongIdPrefix)) {
        digits.remove_prefix(kLongIdPrefix.size());
        radix = 16;
    }
    std::uint64_t value = 0;
    const auto [end, error] =
        std::from_chars(digits.data(), digits.data() + digits.size(), value, radix);
    if (digits.empty() || error != std::errc() || end != digits.data() + digits.size())
        return {};
    return std::to_string(value);
}

AccountError GoogleReaderClient::login() {
    auth_.clear();
    token_.clear();
    const AccountHttp::Reply reply =
        http_.send(base_ + "/accounts/ClientLogin", {},
                   AccountHttp::form({{"Email", user_}, {"Passwd", password_}}));
    if (reply.error != AccountError::None)
        return reply.error;
    if (reply.status == 503) // FreshRSS, with API access off
        return AccountError::ApiDisabled;
    if (const AccountError error = statusError(reply.status); error != AccountError::None)
        return error;
    // "SID=…\nLSID=…\nAuth=…"
    std::size_t at = 0;
    while (at < reply.body.size()) {
        std::size_t end = reply.body.find('\n', at);
        if (end == std::string::npos)
            end = reply.body.size();
        const std::string_view line(reply.body.data() + at, end - at);
        if (line.starts_with("Auth="))
            auth_ = std::string(line.substr(5));
        at = end + 1;
    }
    while (!auth_.empty() && (auth_.back() == '\r' || auth_.back() == ' '))
        auth_.pop_back();
    return auth_.empty() ? AccountError::BadAnswer : AccountError::None;
}

AccountHttp::Reply GoogleReaderClient::call(const std::string& path,
                                            const std::optional<std::string>& form) {
    std::string url = base_;
    url.append(kApi).append(path);
    const auto send = [&] {
        return http_.send(url, {"Authorization: GoogleLogin auth=" + auth_}, form);
    };
    if (auth_.empty()) {
        if (const AccountError error = login(); error != AccountError::None) {
            AccountHttp::Reply failed;
            failed.error = error;
            return failed;
        }
    }
    AccountHttp::Reply reply = send();
    const bool badToken = reply.header("x-reader-google-bad-token") == "true";
    if (reply.error == AccountError::None && reply.status == 401 && !badToken) {
        // The session has expired: one silent login, then the request once more.
        if (const AccountError error = login(); error != AccountError::None) {
            reply = {};
            reply.error = error;
            return reply;
        }
        reply = send();
    }
    return reply;
}

GoogleReaderClient::JsonReply GoogleReaderClient::callJson(const std::string& path,
                                                           const std::optional<std::string>& form) {
    const AccountHttp::Reply reply = call(path, form);
    JsonReply result;
    result.error = reply.error != AccountError::None ? reply.error : statusError(reply.status);
    if (result.error != AccountError::None)
        return result;
    const QJsonDocument document = QJsonDocument::fromJson(QByteArray::fromStdString(reply.body));
    if (!document.isObject())
        result.error = AccountError::BadAnswer;
    result.object = document.object();
    return result;
}

AccountError GoogleReaderClient::fetchToken() {
    const AccountHttp::Reply reply = call("token", std::nullopt);
    if (reply.error != AccountError::None)
        return reply.error;
    if (const AccountError error = statusError(reply.status); error != AccountError::None)
        return error;
    token_ = reply.body;
    while (!token_.empty() && std::isspace(static_cast<unsigned char>(token_.back())))
        token_.pop_back();
    return token_.empty() ? AccountError::BadAnswer : AccountError::None;
}

AccountError GoogleReaderClient::edit(const std::string& path,
                                      std::vector<std::pair<std::string, std::string>> fields) {
    for (int attempt = 0; attempt < 2; ++attempt) {
        if (token_.empty())
            if (const AccountError error = fetchToken(); error != AccountError::None)
                return error;
        auto withToken = fields;
        withToken.emplace_back("T", token_);
        const AccountHttp::Reply reply = call(path, AccountHttp::form(withToken));
        if (reply.error != AccountError::None)
            return reply.error;
        if (reply.status == 401 && reply.header("x-reader-google-bad-token") == "true") {
            token_.clear(); // expired: a new one, once
            continue;
        }
        return statusError(reply.status);
    }
    return AccountError::SessionExpired;
}

AccountResult<std::vector<AccountFeed>> GoogleReaderClient::feeds() {
    AccountResult<std::vector<AccountFeed>> result;
    const JsonReply reply = callJson("subscription/list?output=json");
    result.error = reply.error;
    if (!result.ok())
        return result;
    for (const QJsonValue& value : reply.object.value(QStringLiteral("subscriptions")).toArray()) {
        const QJsonObject feed = value.toObject();
        AccountFeed entry{text(feed.value(QStringLiteral("id"))),
                          text(feed.value(QStringLiteral("title"))),
                          text(feed.value(QStringLiteral("htmlUrl")))};
        if (!entry.id.empty())
            result.value.push_back(std::move(entry));
    }
    return result;
}

std::optional<AccountItem> GoogleReaderClient::itemOf(const QJsonObject& object) {
    AccountItem item;
    item.id = shortId(text(object.value(QStringLiteral("id"))));
    if (item.id.empty())
        return std::nullopt;
    item.feedId =
        text(object.value(QStringLiteral("origin")).toObject().value(QStringLiteral("streamId")));
    item.title = text(object.value(QStringLiteral("title")));
    item.link = firstHref(object.value(QStringLiteral("canonical")));
    if (item.link.empty())
        item.link = firstHref(object.value(QStringLiteral("alternate")));
    const QJsonObject summary = object.value(QStringLiteral("summary")).toObject();
    const QJsonObject content = object.value(QStringLiteral("content")).toObject();
    item.summary = text(summary.value(QStringLiteral("content")));
    if (item.summary.empty())
        item.summary = text(content.value(QStringLiteral("content")));
    item.published = object.value(QStringLiteral("published")).toInteger();
    return item;
}

AccountError GoogleReaderClient::readStream(const std::string& query,
                                            std::vector<AccountItem>& items) {
    std::string continuation;
    do {
        std::string path = "stream/contents/" + std::string(kReadingList) +
                           "?output=json&n=" + std::to_string(kPage) +
                           "&xt=" + AccountHttp::percentEncoded(std::string(kRead)) + query;
        if (!continuation.empty())
            path += "&c=" + AccountHttp::percentEncoded(continuation);
        const JsonReply reply = callJson(path);
        if (reply.error != AccountError::None)
            return reply.error;
        for (const QJsonValue& value : reply.object.value(QStringLiteral("items")).toArray())
            if (std::optional<AccountItem> item = itemOf(value.toObject()))
                items.push_back(std::move(*item));
        const std::string next = text(reply.object.value(QStringLiteral("continuation")));
        if (next == continuation)
            break; // a server that repeats itself would otherwise be asked forever
        continuation = next;
    } while (!continuation.empty() && items.size() < kMostItems);
    return AccountError::None;
}

AccountResult<std::vector<AccountItem>>
GoogleReaderClient::unread(const std::unordered_map<std::string, AccountItem>& known) {
    AccountResult<std::vector<AccountItem>> result;
    if (known.empty()) {
        // The first time, the unread headlines themselves are the whole answer.
        result.error = readStream({}, result.value);
    } else {
        // Afterwards: the ids of all unread headlines, and the contents of the new ones only.
        std::vector<std::string> ids;
        std::string continuation;
        do {
            std::string path = "stream/items/ids?output=json&n=10000&s=" +
                               AccountHttp::percentEncoded(std::string(kReadingList)) +
                               "&xt=" + AccountHttp::percentEncoded(std::string(kRead));
            if (!continuation.empty())
                path += "&c=" + AccountHttp::percentEncoded(continuation);
            const JsonReply reply = callJson(path);
            if (reply.error != AccountError::None) {
                result.error = reply.error;
                return result;
            }
            for (const QJsonValue& ref : reply.object.value(QStringLiteral("itemRefs")).toArray())
                if (std::string id = shortId(text(ref.toObject().value(QStringLiteral("id"))));
                    !id.empty())
                    ids.push_back(std::move(id));
            const std::string next = text(reply.object.value(QStringLiteral("continuation")));
            if (next == continuation)
                break;
            continuation = next;
        } while (!continuation.empty() && ids.size() < kMostItems);

        std::vector<std::pair<std::string, std::string>> missing;
        for (const std::string& id : ids)
            if (!known.contains(id))
                missing.emplace_back("i", id);
        std::unordered_map<std::string, AccountItem> fetched;
        for (std::size_t at = 0; at < missing.size(); at += kPage) {
            const std::vector<std::pair<std::string, std::string>> page(
                missing.begin() + static_cast<std::ptrdiff_t>(at),
                missing.begin() +
                    static_cast<std::ptrdiff_t>(std::min(missing.size(), at + kPage)));
            const JsonReply reply =
                callJson("stream/items/contents?output=json", AccountHttp::form(page));
            if (reply.error != AccountError::None) {
                result.error = reply.error;
                return result;
            }
            for (const QJsonValue& value : reply.object.value(QStringLiteral("items")).toArray())
                if (std::optional<AccountItem> item = itemOf(value.toObject()))
                    fetched.emplace(item->id, std::move(*item));
        }
        for (const std::string& id : ids) {
            if (const auto old = known.find(id); old != known.end())
                result.value.push_back(old->second);
            else if (const auto fresh = fetched.find(id); fresh != fetched.end())
                result.value.push_back(fresh->second);
        }
    }
    std::stable_sort(
        result.value.begin(), result.value.end(),
        [](const AccountItem& a, const AccountItem& b) { return a.published > b.published; });
    return result;
}

AccountError GoogleReaderClient::markRead(const AccountIds& itemIds) {
    std::vector<std::pair<std::string, std::string>> fields;
    for (const std::string& id : itemIds)
        fields.emplace_back("i", id);
    if (fields.empty())
        return AccountError::None;
    fields.emplace_back("a", std::string(kRead));
    return edit("edit-tag", std::move(fields));
}

AccountError GoogleReaderClient::markAllRead(const std::string& feedId) {
    return edit("mark-all-as-read", {{"s", feedId}});
}
