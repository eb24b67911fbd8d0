#include "app/settings/SettingsSaver.h"

SettingsSaver::SettingsSaver(Report report, QObject* parent)
    : QObject(parent), report_(std::move(report)) {
    timer_.setInterval(kTick);
    connect(&timer_, &QTimer::timeout, this, &SettingsSaver::tick);
}

void SettingsSaver::start() {
    for (Target& target : targets_)
        target.baseline();
    timer_.start();
}

void SettingsSaver::tick() {
    if (writing_)
        return;
    const auto now = std::chrono::steady_clock::now();
    for (Target& target : targets_) {
        const auto wait = target.reported ? std::chrono::milliseconds(kRetry) : target.interval;
        if (now - target.lastAttempt >= wait && target.changed())
            write(target, false, false);
    }
}

void SettingsSaver::flush(bool silent) {
    for (Target& target : targets_)
        if (target.changed())
            write(target, false, silent);
}

void SettingsSaver::writeAll() {
    for (Target& target : targets_)
        if (!write(target, true, false))
            return;
}

bool SettingsSaver::write(Target& target, bool fresh, bool silent) {
    writing_ = true;
    target.lastAttempt = std::chrono::steady_clock::now();
    const Outcome outcome = target.write(fresh);
    if (outcome.ok()) {
        target.reported = false;
    } else if (!target.reported && !silent) {
        // Marked first: the box's own event loop may tick again before it closes.
        target.reported = true;
        report_(outcome.error);
    }
    writing_ = false;
    return outcome.ok();
}
