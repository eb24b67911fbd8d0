#include "account/TinyTinyRssClient.h"

#include <QJsonArray>
#include <QJsonDocument>

namespace {

constexpr int kPage = 200;
constexpr int kExcerptLength = 300;
constexpr std::size_t kMostItems = 20'000;

std::string idText(const QJsonValue& value) {
    if (value.isString())
        return value.toString().toStdString();
    return value.isDouble() ? std::to_string(value.toInteger()) : std::string();
}

} // namespace

TinyTinyRssClient::TinyTinyRssClient(std::string address, std::string user, std::string password)
    : user_(std::move(user)), password_(std::move(password)) {
    while (!address.empty() && address.back() == '/')
        address.pop_back();
    endpoint_ = address + "/api/";
}

TinyTinyRssClient::Answer TinyTinyRssClient::post(QJsonObject request) {
    Answer answer;
    const QByteArray body = QJsonDocument(request).toJson(QJsonDocument::Compact);
    const AccountHttp::Reply reply =
        http_.send(endpoint_, {}, body.toStdString(), "application/json");
    if (reply.error != AccountError::None) {
        answer.error = reply.error;
        return answer;
    }
    if (reply.status == 404) {
        answer.error = AccountError::ApiDisabled;
        return answer;
    }
    const QJsonDocument document = QJsonDocument::fromJson(QByteArray::fromStdString(reply.body));
    const QJsonObject object = document.object();
    if (!document.isObject() || !object.contains(QStringLiteral("content"))) {
        answer.error = AccountError::BadAnswer;
        return answer;
    }
    answer.content = object.value(QStringLiteral("content"));
    if (object.value(QStringLiteral("status")).toInt() != 0) {
        const QString error = answer.content.toObject().value(QStringLiteral("error")).toString();
        if (error == QLatin1String("LOGIN_ERROR"))
            answer.error = AccountError::WrongPassword;
        else if (error == QLatin1String("API_DISABLED"))
            answer.error = AccountError::ApiDisabled;
        else if (error == QLatin1String("NOT_LOGGED_IN"))
            answer.error = AccountError::SessionExpired;
        else
            answer.error = AccountError::BadAnswer;
    }
    return answer;
}

AccountError TinyTinyRssClient::login() {
    session_.clear();
    const Answer answer = post({{QStringLiteral("op"), QStringLiteral("login")},
                                {QStringLiteral("user"), QString::fromStdString(user_)},
                                {QStringLiteral("password"), QString::fromStdString(password_)}});
    if (answer.error != AccountError::None)
        return answer.error;
    session_ =
        answer.content.toObject().value(QStringLiteral("session_id")).toString().toStdString();
    return session_.empty() ? AccountError::BadAnswer : AccountError::None;
}

TinyTinyRssClient::Answer TinyTinyRssClient::call(const QJsonObject& request) {
    for (int attempt = 0; attempt < 2; ++attempt) {
        if (session_.empty())
            if (const AccountError error = login(); error != AccountError::None)
                return {error, {}};
        QJsonObject withSession = request;
        withSession.insert(QStringLiteral("sid"), QString::fromStdString(session_));
        Answer answer = post(withSession);
        if (answer.error != AccountError::SessionExpired)
            return answer;
        session_.clear(); // one silent login, then the request once more
    }
    return {AccountError::SessionExpired, {}};
}

AccountResult<std::vector<AccountFeed>> TinyTinyRssClient::feeds() {
    AccountResult<std::vector<AccountFeed>> result;
    // Category -3: every feed, without the virtual ones (labels, starred, ...).
    const Answer answer = call({{QStringLiteral("op"), QStringLiteral("getFeeds")},
                                {QStringLiteral("cat_id"), -3},
                                {QStringLiteral("unread_only"), false}});
    result.error = answer.error;
    if (!result.ok())
        return result;
    if (!answer.content.isArray()) {
        result.error = AccountError::BadAnswer;
        return result;
    }
    for (const QJsonValue& value : answer.content.toArray()) {
        const QJsonObject feed = value.toObject();
        AccountFeed entry{idText(feed.value(QStringLiteral("id"))),
                          feed.value(QStringLiteral("title")).toString().toStdString(),
                          feed.value(QStringLiteral("feed_url")).toString().toStdString()};
        if (!entry.id.empty() && entry.id.front() != '-')
            result.value.push_back(std::move(entry));
    }
    return result;
}

AccountResult<std::vector<AccountItem>>
TinyTinyRssClient::unread(const std::unordered_map<std::string, AccountItem>&) {
    // The API cannot list ids alone: every unread headline comes again, without its content.
    AccountResult<std::vector<AccountItem>> result;
    for (int skip = 0;; skip += kPage) {
        // Feed -4: all articles; newest first.
        const Answer answer = call({{QStringLiteral("op"), QStringLiteral("getHeadlines")},
                                    {QStringLiteral("feed_id"), -4},
                                    {QStringLiteral("view_mode"), QStringLiteral("unread")},
                                    {QStringLiteral("limit"), kPage},
                                    {QStringLiteral("skip"), skip},
                                    {QStringLiteral("show_excerpt"), true},
                                    {QStringLiteral("excerpt_length"), kExcerptLength},
                                    {QStringLiteral("show_content"), false},
                                    {QStringLiteral("order_by"), QStringLiteral("feed_dates")}});
        if (answer.error != AccountError::None || !answer.content.isArray()) {
            result.error =
                answer.error != AccountError::None ? answer.error : AccountError::BadAnswer;
            return result;
        }
        const QJsonArray page = answer.content.toArray();
        for (const QJsonValue& value : page) {
            const QJsonObject headline = value.toObject();
            AccountItem item;
            item.id = idText(headline.value(QStringLiteral("id")));
            item.feedId = idText(headline.value(QStringLiteral("feed_id")));
            item.title = headline.value(QStringLiteral("title")).toString().toStdString();
            item.link = headline.value(QStringLiteral("link")).toString().toStdString();
            item.summary = headline.value(QStringLiteral("excerpt")).toString().toStdString();
            item.published = headline.value(QStringLiteral("updated")).toInteger();
            if (!item.id.empty())
                result.value.push_back(std::move(item));
        }
        if (page.size() < kPage || result.value.size() >= kMostItems)
            break;
    }
    return result;
}

AccountError TinyTinyRssClient::markRead(const AccountIds& itemIds) {
    if (itemIds.empty())
        return AccountError::None;
    std::string joined;
    for (const std::string& id : itemIds)
        joined += (joined.empty() ? "" : ",") + id;
    // Field 2 is "unread", mode 0 sets it false.
    return call({{QStringLiteral("op"), QStringLiteral("updateArticle")},
                 {QStringLiteral("article_ids"), QString::fromStdString(joined)},
                 {QStringLiteral("mode"), 0},
                 {QStringLiteral("field"), 2}})
        .error;
}

AccountError TinyTinyRssClient::markAllRead(const std::string& feedId) {
    return call({{QStringLiteral("op"), QStringLiteral("catchupFeed")},
                 {QStringLiteral("feed_id"), QString::fromStdString(feedId)},
                 {QStringLiteral("is_cat"), false}})
        .error;
}
