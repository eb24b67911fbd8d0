#include "account/AccountSync.h"

#include "account/AccountFeedUri.h"
#include "account/AccountWorker.h"
#include "app/FeedList.h"
#include "feed/fetch/RefreshSchedule.h"
#include "framework/text/Utf8.h"

#include <QPointer>
#include <algorithm>

namespace {

// A feed title from the server as one line of the feed list's text.
std::string listTitle(const std::string& utf8) {
    QString title = QString::fromStdString(utf8);
    for (QChar& c : title)
        if (c.category() == QChar::Other_Control)
            c = QLatin1Char(' ');
    return utf8::fromQString(title.simplified());
}

} // namespace

AccountSync::AccountSync(std::string directory, FeedList* feeds, RefreshSchedule& schedule,
                         ServiceMaker maker)
    : directory_(std::move(directory)), feeds_(feeds), schedule_(schedule),
      maker_(std::move(maker)), queue_(path(MarkQueue::kFileName)),
      worker_(std::make_unique<AccountWorker>()) {
    for (const MarkQueue::Mark& mark : queue_.marks())
        if (!mark.wholeFeed)
            readHere_.emplace(mark.id, -1);
    if (feeds_)
        connect(feeds_, &FeedList::dataChanged, &listWatch_, [this] { flagsChanged(); });
    // An account with a feed listed is asked when that feed takes its turn; one that has
    // not answered yet is tried again here, after its back-off.
    retry_.setInterval(std::chrono::seconds(30));
    connect(&retry_, &QTimer::timeout, this, [this] {
        if (rows_.empty())
            refreshIfDue();
    });
    retry_.start();
}

AccountSync::~AccountSync() {
    worker_.reset(); // no job may post to a half-destroyed object
}

std::string AccountSync::path(std::string_view name) const {
    return directory_.empty() ? std::string() : directory_ + std::string(name);
}

void AccountSync::restore(const AccountSettings& settings) {
    settings_ = settings;
    if (!settings_.configured())
        return;
    rows_ = AccountFeedFile::read(path(AccountFeedFile::kFileName));
    status_.state = Status::State::NoPassword;
    listFeeds();
    emit statusChanged();
}

void AccountSync::connectAccount(const AccountSettings& settings, std::string password) {
    const bool sameAccount = settings == settings_;
    settings_ = settings;
    ++account_;
    refreshing_ = false;
    sending_ = false;
    if (!sameAccount) {
        // Marks waiting for another account would mark this one's headlines of the same
        // ids read.
        queue_.dropFirst(queue_.marks().size());
        readHere_.clear();
        feedMarkIds_.clear();
        snapshot_ = {};
        served_.clear();
        rows_.clear();
        listFeeds();
    }
    service_ = maker_(settings_, std::move(password));
    service_->setAbort(&worker_->abortFlag());
    status_.state = Status::State::Connecting;
    status_.error = AccountError::None;
    status_.failingSince = {};
    emit statusChanged();
    startRefresh();
}

void AccountSync::refreshIfDue() {
    if (service_ && !refreshing_ && schedule_.due(std::string(kScheduleKey)))
        startRefresh();
}

void AccountSync::refreshSoon() {
    schedule_.expire(std::string(kScheduleKey));
    refreshIfDue();
}

void AccountSync::startRefresh() {
    if (!service_ || refreshing_)
        return;
    refreshing_ = true;
    sendMarks(); // queued first, so the answer no longer holds what was read here
    const int account = account_;
    const int generation = ++generation_;
    QPointer<AccountSync> self(this);
    worker_->post([self, service = service_, known = snapshot_.itemsById(), account, generation] {
        Refresh refresh;
        refresh.account = account;
        refresh.generation = generation;
        AccountResult<std::vector<AccountFeed>> feeds = service->feeds();
        refresh.error = feeds.error;
        if (feeds.ok()) {
            refresh.feeds = std::move(feeds.value);
            AccountResult<std::vector<AccountItem>> items = service->unread(known);
            refresh.error = items.error;
            refresh.items = std::move(items.value);
        }
        QMetaObject::invokeMethod(
            self,
            [self, refresh = std::move(refresh)]() mutable {
                if (self)
                    self->refreshDone(std::move(refresh));
            },
            Qt::QueuedConnection);
    });
}

void AccountSync::refreshDone(Refresh refresh) {
    if (refresh.account != account_)
        return;
    refreshing_ = false;
    FeedAnswer outcome;
    outcome.downloaded = refresh.error == AccountError::None;
    outcome.status = outcome.downloaded ? 200 : 0;
    schedule_.answered(std::string(kScheduleKey), outcome);
    if (!outcome.downloaded) {
        failed(refresh.error);
        emit refreshed();
        return;
    }
    // A mark the server confirmed before this refresh began is in its answer already.
    std::erase_if(readHere_, [&](const auto& entry) {
        return entry.second >= 0 && entry.second < refresh.generation;
    });
    snapshot_.setFeeds(std::move(refresh.feeds));
    snapshot_.setItems(std::move(refresh.items), hiddenIds());
    std::vector<AccountFeedFile::Row> rows;
    for (const AccountFeed& feed : snapshot_.feeds()) {
        const auto old =
            std::find_if(rows_.begin(), rows_.end(),
                         [&](const AccountFeedFile::Row& row) { return row.id == feed.id; });
        rows.push_back({feed.id, feed.title, old == rows_.end() || old->shown});
    }
    if (rows != rows_) {
        rows_ = std::move(rows);
        AccountFeedFile::write(path(AccountFeedFile::kFileName), rows_);
    }
    listFeeds();
    status_.state = Status::State::Connected;
    status_.error = AccountError::None;
    status_.feedCount = static_cast<int>(rows_.size());
    status_.failingSince = {};
    emit statusChanged();
    emit refreshed();
}

void AccountSync::failed(AccountError error) {
    status_.state = Status::State::Failing;
    status_.error = error;
    if (!status_.failingSince.isValid())
        status_.failingSince = QDateTime::currentDateTime();
    emit statusChanged();
}

std::unordered_set<std::string> AccountSync::hiddenIds() const {
    std::unordered_set<std::string> ids;
    for (const auto& [id, confirmed] : readHere_)
        ids.insert(id);
    return ids;
}

void AccountSync::listFeeds() {
    if (!feeds_)
        return;
    std::vector<FeedEntry> entries;
    for (const AccountFeedFile::Row& row : rows_)
        entries.push_back({listTitle(row.title), accountfeed::uriOf(row.id),
                           std::string(row.shown ? feedmark::Shown : feedmark::Hidden)});
    feeds_->setAccountEntries(std::move(entries));
}

void AccountSync::flagsChanged() {
    bool changed = false;
    for (int row = feeds_->ownCount(); row < feeds_->count(); ++row) {
        const std::optional<std::string> id = accountfeed::feedIdOf(feeds_->entry(row).uri);
        for (AccountFeedFile::Row& kept : rows_)
            if (id && kept.id == *id && kept.shown != feeds_->isShown(row)) {
                kept.shown = feeds_->isShown(row);
                changed = true;
            }
    }
    if (changed)
        AccountFeedFile::write(path(AccountFeedFile::kFileName), rows_);
}

std::optional<FeedAnswer> AccountSync::answer(const std::string& uri) {
    const std::optional<std::string> feedId = accountfeed::feedIdOf(uri);
    if (!feedId)
        return std::nullopt;
    AccountSnapshot::Document document = snapshot_.document(*feedId);
    if (!snapshot_.feed(*feedId)) {
        // Listed from the last run, not yet answered: the title the list remembers.
        const auto row =
            std::find_if(rows_.begin(), rows_.end(),
                         [&](const AccountFeedFile::Row& kept) { return kept.id == *feedId; });
        AccountSnapshot titled;
        titled.setFeeds({{*feedId, row == rows_.end() ? *feedId : row->title, {}}});
        document = titled.document(*feedId);
    }
    served_[uri] = std::move(document.itemIds);
    // The account is asked when one of its feeds takes its turn, so a sleeping sign asks
    // nothing; the answer shows from the feed's next turn.
    refreshIfDue();
    FeedAnswer answer;
    answer.downloaded = true;
    answer.body = std::move(document.body);
    answer.contentType = "application/rss+xml; charset=utf-8";
    return answer;
}

void AccountSync::articleOpened(const std::string& feedUri, int record) {
    const auto served = served_.find(feedUri);
    if (served == served_.end() || record < 1 ||
        static_cast<std::size_t>(record) > served->second.size())
        return;
    const std::string& id = served->second[static_cast<std::size_t>(record - 1)];
    if (readHere_.contains(id))
        return;
    markRead({id}, {false, id});
}

void AccountSync::feedRead(const std::string& feedUri) {
    const std::optional<std::string> feedId = accountfeed::feedIdOf(feedUri);
    if (!feedId)
        return;
    std::vector<std::string> ids = snapshot_.itemIds(*feedId);
    feedMarkIds_[*feedId] = ids;
    markRead(std::move(ids), {true, *feedId});
}

void AccountSync::markRead(std::vector<std::string> ids, MarkQueue::Mark mark) {
    for (const std::string& id : ids)
        readHere_[id] = -1;
    snapshot_.remove(ids);
    queue_.add(std::move(mark));
    sendMarks();
}

void AccountSync::sendMarks() {
    if (!service_ || sending_ || queue_.empty())
        return;
    sending_ = true;
    const std::vector<MarkQueue::Mark> marks = queue_.marks();
    const int account = account_;
    QPointer<AccountSync> self(this);
    worker_->post([self, service = service_, marks, account] {
        AccountIds items;
        AccountError error = AccountError::None;
        for (const MarkQueue::Mark& mark : marks)
            if (!mark.wholeFeed)
                items.push_back(mark.id);
        error = service->markRead(items);
        for (const MarkQueue::Mark& mark : marks)
            if (mark.wholeFeed && error == AccountError::None)
                error = service->markAllRead(mark.id);
        QMetaObject::invokeMethod(
            self,
            [self, account, count = marks.size(), error] {
                if (self)
                    self->marksSent(account, count, error);
            },
            Qt::QueuedConnection);
    });
}

void AccountSync::marksSent(int account, std::size_t count, AccountError error) {
    if (account != account_)
        return;
    sending_ = false;
    if (error != AccountError::None) {
        failed(error); // kept in the queue; sent again with the next refresh
        return;
    }
    const auto confirm = [this](const std::string& id) {
        if (auto found = readHere_.find(id); found != readHere_.end())
            found->second = generation_;
    };
    for (std::size_t i = 0; i < count && i < queue_.marks().size(); ++i) {
        const MarkQueue::Mark& mark = queue_.marks()[i];
        if (!mark.wholeFeed) {
            confirm(mark.id);
        } else if (auto hid = feedMarkIds_.find(mark.id); hid != feedMarkIds_.end()) {
            // The headlines of a feed read as a whole were hidden by id when it was marked.
            std::for_each(hid->second.begin(), hid->second.end(), confirm);
            feedMarkIds_.erase(hid);
        }
    }
    queue_.dropFirst(count);
    if (!queue_.empty())
        sendMarks();
}
