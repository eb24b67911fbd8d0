#pragma once

#include <QObject>
#include <functional>

class QSocketNotifier;

// SIGTERM, SIGINT and SIGHUP (a logout, Control-C, a closed terminal) reach the program as
// a call on the event loop instead of ending it on the spot, so that it can save before it
// quits. The handler itself only writes a byte to a pipe, which is all a signal handler may
// safely do. One instance at a time; the default actions come back when it is destroyed.
class StopSignals : public QObject {
public:
    explicit StopSignals(std::function<void()> onStop, QObject* parent = nullptr);
    ~StopSignals() override;
    StopSignals(const StopSignals&) = delete;
    StopSignals& operator=(const StopSignals&) = delete;

    // False when the pipe could not be made: the signals then keep their default actions.
    bool installed() const { return notifier_ != nullptr; }

private:
    std::function<void()> onStop_;
    QSocketNotifier* notifier_ = nullptr;
};
