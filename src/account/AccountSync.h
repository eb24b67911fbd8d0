#pragma once

#include "account/AccountFeedFile.h"
#include "account/AccountFeedSource.h"
#include "account/AccountService.h"
#include "account/AccountSnapshot.h"
#include "account/MarkQueue.h"

#include <QDateTime>
#include <QObject>
#include <QTimer>
#include <functional>
#include <memory>
#include <unordered_map>
#include <unordered_set>

class AccountWorker;
class FeedList;
class RefreshSchedule;

// Keeps the aggregator account in step with the program: asks it for its feeds and unread
// headlines at the refresh interval (backing off after failures like a feed), puts its feeds
// into the feed list after the user's own, answers their addresses for the rotation, and
// sends the read marks made here, queued in a file while the server cannot be reached.
// Every request runs on a worker thread; results come back through the event loop.
class AccountSync : public QObject, public AccountFeedSource {
    Q_OBJECT
public:
    using ServiceMaker =
        std::function<std::unique_ptr<AccountService>(const AccountSettings&, std::string)>;

    struct Status {
        enum class State { Off, NoPassword, Connecting, Connected, Failing };
        State state = State::Off;
        AccountError error = AccountError::None;
        int feedCount = 0;
        QDateTime failingSince; // the first failure in a row
    };

    // `directory` holds the account's files; empty keeps nothing on disk (the tool).
    AccountSync(std::string directory, FeedList* feeds, RefreshSchedule& schedule,
                ServiceMaker maker = &makeAccountService);
    ~AccountSync() override;

    // The account of the last run, without its password yet: its feeds are listed as last
    // seen until the password comes.
    void restore(const AccountSettings& settings);
    // Uses this account from now on and asks it at once; the outcome shows in status().
    // Marks still queued for a different account are dropped.
    void connectAccount(const AccountSettings& settings, std::string password);
    const AccountSettings& settings() const { return settings_; }
    const Status& status() const { return status_; }
    const AccountSnapshot& snapshot() const { return snapshot_; }

    // Asks the account when the refresh schedule allows it; the program checks often.
    void refreshIfDue();

    // Record `record` of an account feed was opened: its headline is read.
    void articleOpened(const std::string& feedUri, int record);
    // Every headline of an account feed is read.
    void feedRead(const std::string& feedUri);

    std::optional<FeedAnswer> answer(const std::string& uri) override;
    void refreshSoon() override;

    // The key of the account in the refresh schedule.
    static constexpr std::string_view kScheduleKey = "glowtape-account:";

signals:
    void statusChanged();
    // An answer of the account has been taken in (feeds and headlines, or a failure).
    void refreshed();

private:
    struct Refresh {
        int account = 0;
        int generation = 0;
        AccountError error = AccountError::None;
        std::vector<AccountFeed> feeds;
        std::vector<AccountItem> items;
    };
    void startRefresh();
    void refreshDone(Refresh refresh);
    void sendMarks();
    void marksSent(int account, std::size_t count, AccountError error);
    void failed(AccountError error);
    void listFeeds();
    void flagsChanged();
    // The ids of the marks in the queue that hide headlines.
    std::unordered_set<std::string> hiddenIds() const;
    void markRead(std::vector<std::string> ids, MarkQueue::Mark mark);
    std::string path(std::string_view name) const;

    std::string directory_;
    FeedList* feeds_;
    RefreshSchedule& schedule_;
    ServiceMaker maker_;
    AccountSettings settings_;
    Status status_;
    AccountSnapshot snapshot_;
    std::vector<AccountFeedFile::Row> rows_;
    MarkQueue queue_;
    // Headlines read here, with the refresh generation at which the server confirmed the
    // mark (-1: not yet); they stay off the sign until a refresh begun after it.
    std::unordered_map<std::string, int> readHere_;
    // The headlines each queued "whole feed read" mark hid, by feed id.
    std::unordered_map<std::string, std::vector<std::string>> feedMarkIds_;
    // The item ids of each account feed's last document, by feed address.
    std::unordered_map<std::string, std::vector<std::string>> served_;
    std::shared_ptr<AccountService> service_; // touched on the worker thread only
    int account_ = 0;    // changes with every connectAccount; older answers are dropped
    int generation_ = 0; // refreshes begun
    bool refreshing_ = false;
    bool sending_ = false;
    QObject listWatch_;
    QTimer retry_;
    std::unique_ptr<AccountWorker> worker_; // last: its thread ends first
};
