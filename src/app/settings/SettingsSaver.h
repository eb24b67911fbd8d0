#pragma once

#include "framework/files/Outcome.h"

#include <QObject>
#include <QTimer>
#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <vector>

// Writes each of the program's files soon after what it holds has changed, so that a
// logout, a kill or a crash loses at most the last few seconds. What a file holds is taken
// as a snapshot of the live values and compared with the snapshot last written; a file is
// written at most once per its interval, and only when its snapshot differs. A write that
// fails is reported once, and again only after a write of that file has succeeded.
class SettingsSaver : public QObject {
public:
    using Report = std::function<void(const std::string& message)>;
    // How often the snapshots are compared: a change reaches its file within 5 s, and a
    // sleeping sign's program wakes seldom.
    static constexpr std::chrono::milliseconds kTick{2500};
    // A file whose write failed is tried again after this long, or at an explicit save.
    static constexpr std::chrono::seconds kRetry{60};

    explicit SettingsSaver(Report report, QObject* parent = nullptr);

    // Adds a file, written in the order added. `take` snapshots what the file holds (cheap,
    // comparable with ==); `write` writes a snapshot and returns the outcome.
    template <typename Snapshot>
    void watch(std::function<Snapshot()> take, std::function<Outcome(const Snapshot&)> write,
               std::chrono::milliseconds interval) {
        auto last = std::make_shared<Snapshot>();
        auto pending = std::make_shared<Snapshot>();
        Target target;
        target.interval = interval;
        target.baseline = [take, last] { *last = take(); };
        target.changed = [take, last, pending] {
            *pending = take();
            return !(*pending == *last);
        };
        target.write = [take, write, last, pending](bool fresh) {
            if (fresh)
                *pending = take();
            const Outcome outcome = write(*pending);
            if (outcome.ok())
                *last = *pending;
            return outcome;
        };
        targets_.push_back(std::move(target));
    }

    // Takes the present values as written and starts comparing.
    void start();

    // The files that changed since their last write, each on its own: a failure does not
    // keep the others from being written. With silent false, failures are reported.
    void flush(bool silent);
    // Every file, changed or not, in order; the first failure is reported and ends the pass.
    // The save at a window's close.
    void writeAll();

private:
    struct Target {
        std::chrono::milliseconds interval{};
        std::function<void()> baseline;
        std::function<bool()> changed;
        std::function<Outcome(bool fresh)> write;
        std::chrono::steady_clock::time_point lastAttempt{};
        bool reported = false;
    };

    void tick();
    // Writes the target; true on success. Failures are reported unless silent.
    bool write(Target& target, bool fresh, bool silent);

    Report report_;
    std::vector<Target> targets_;
    QTimer timer_;
    // A report may show a modal box whose event loop runs the timer again.
    bool writing_ = false;
};
