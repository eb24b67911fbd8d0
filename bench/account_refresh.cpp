// One refresh of an aggregator account with 50 feeds and 1,000 unread headlines, against the
// Google Reader API stand-in on 127.0.0.1 (tests/support/greader_stand_in.py). Prints, for
// the first refresh and for a later one (one headline new, one read elsewhere): the requests
// sent, the wall time, and the longest the window thread's event loop went without running
// a 10 ms timer (what the sign would have waited); then the memory the account added.

#include "account/AccountHttp.h"
#include "account/AccountSync.h"
#include "app/FeedList.h"
#include "feed/fetch/RefreshSchedule.h"
#include "framework/files/FileBytes.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTimer>
#include <cstdio>
#include <string>

namespace {

long residentKiB() {
    const std::string status = FileBytes::read("/proc/self/status").value_or("");
    const std::size_t at = status.find("VmRSS:");
    return at == std::string::npos ? 0 : std::stol(status.substr(at + 6));
}

int requestsSoFar(const std::string& root) {
    AccountHttp http;
    const std::string state = http.send(root + "/_state", {}).body;
    const std::size_t at = state.find("\"requests\"");
    int count = 0;
    for (std::size_t i = at; i != std::string::npos && i < state.size(); ++i)
        if (state[i] == '/' && (i == 0 || state[i - 1] == '"'))
            ++count;
    return count;
}

// Runs the event loop until the account has answered; the wall time in ms and the longest
// stall of a 10 ms timer.
std::pair<qint64, qint64> refresh(AccountSync& sync, const std::function<void()>& start) {
    bool done = false;
    const QMetaObject::Connection connection =
        QObject::connect(&sync, &AccountSync::refreshed, [&] { done = true; });
    QElapsedTimer clock;
    QElapsedTimer sinceTick;
    qint64 longest = 0;
    QTimer tick;
    tick.setTimerType(Qt::PreciseTimer);
    QObject::connect(&tick, &QTimer::timeout,
                     [&] { longest = std::max(longest, sinceTick.restart()); });
    clock.start();
    sinceTick.start();
    tick.start(10);
    start();
    while (!done)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    tick.stop();
    QObject::disconnect(connection);
    return {clock.elapsed(), longest};
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QProcess server;
    server.start(QStringLiteral("python3"),
                 {QStringLiteral(GLOWTAPE_SOURCE_DIR "/tests/support/greader_stand_in.py"),
                  QStringLiteral("--feeds"), QStringLiteral("50"), QStringLiteral("--items"),
                  QStringLiteral("1000")});
    if (!server.waitForReadyRead(30'000)) {
        std::fprintf(stderr, "the stand-in did not start\n");
        return 1;
    }
    const std::string root = "http://127.0.0.1:" + server.readLine().trimmed().toStdString();

    const long before = residentKiB();
    FeedList feeds;
    RefreshSchedule schedule;
    AccountSync sync({}, &feeds, schedule);
    const AccountSettings settings{AccountKind::GoogleReader, root + "/api/greader.php", "alice"};

    int requests = requestsSoFar(root);
    auto [ms, stall] = refresh(sync, [&] { sync.connectAccount(settings, "secret"); });
    const int firstRequests = requestsSoFar(root) - requests;
    std::printf("first refresh: feeds %d, unread %zu, requests %d, wall ms %lld, longest loop "
                "stall ms %lld\n",
                feeds.count(), sync.snapshot().itemCount(), firstRequests,
                static_cast<long long>(ms), static_cast<long long>(stall));
    const long after = residentKiB();

    AccountHttp http;
    http.send(root + "/_add?feed=7", {}, std::string());
    http.send(root + "/_read?id=1500", {}, std::string());
    requests = requestsSoFar(root);
    std::tie(ms, stall) = refresh(sync, [&] { sync.refreshSoon(); });
    std::printf("later refresh: unread %zu, requests %d, wall ms %lld, longest loop stall ms "
                "%lld\n",
                sync.snapshot().itemCount(), requestsSoFar(root) - requests,
                static_cast<long long>(ms), static_cast<long long>(stall));
    std::printf("memory added KiB %ld\n", after - before);
    server.kill();
    server.waitForFinished();
    return 0;
}
