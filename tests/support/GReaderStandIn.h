#pragma once

#include "account/AccountHttp.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QStringList>
#include <functional>
#include <string>

// The Google Reader API stand-in (greader_stand_in.py) on 127.0.0.1, for as long as the
// object lives.
class GReaderStandIn {
public:
    explicit GReaderStandIn(QStringList arguments = {}) {
        process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process_.start(QStringLiteral("python3"),
                       QStringList{QStringLiteral(GLOWTAPE_SUPPORT_DIR "/greader_stand_in.py")} +
                           arguments);
        if (process_.waitForReadyRead(30'000))
            port_ = process_.readLine().trimmed().toInt();
    }
    ~GReaderStandIn() {
        process_.kill();
        process_.waitForFinished();
    }

    int port() const { return port_; }
    std::string root() const { return "http://127.0.0.1:" + std::to_string(port_); }
    // The API's base for the flavour: FreshRSS's greader.php, Miniflux's root.
    std::string base(bool freshRss = true) const {
        return root() + (freshRss ? "/api/greader.php" : "");
    }
    // A control path of the stand-in ("/_read?id=1001"); its answer.
    std::string control(const std::string& path) const {
        AccountHttp http;
        const auto post = path == "/_state" ? std::nullopt : std::optional<std::string>("");
        return http.send(root() + path, {}, post).body;
    }

private:
    QProcess process_;
    int port_ = 0;
};

// Runs the event loop until `done` holds or 60 s have passed; whether it held.
inline bool waitUntil(const std::function<bool()>& done) {
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > 60'000)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return true;
}
