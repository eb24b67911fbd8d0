#include "reader/THookApplicationMessage.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPointer>
#include <algorithm>

THookApplicationMessage& THookApplicationMessage::application() {
    // Owned by the application, so it goes (and stops filtering) when the application does.
    static QPointer<THookApplicationMessage> hook;
    if (!hook) {
        hook = new THookApplicationMessage;
        if (QCoreApplication* app = QCoreApplication::instance()) {
            hook->setParent(app);
            app->installEventFilter(hook);
        }
    }
    return *hook;
}

void THookApplicationMessage::AddHook(Handler handler, AppMessageTarget* target) {
    entries_.push_back({handler, target});
}

void THookApplicationMessage::RemoveHook(Handler handler, AppMessageTarget* target) {
    const auto found = std::find(entries_.begin(), entries_.end(), Entry{handler, target});
    if (found != entries_.end())
        entries_.erase(found);
}

bool THookApplicationMessage::dispatch(QObject* receiver, QEvent* event) {
    bool handled = false;
    // A handler may add or remove entries; it works on a copy of the list as it stood.
    const std::vector<Entry> entries = entries_;
    for (const Entry& entry : entries) {
        (entry.target->*entry.handler)(receiver, event, handled);
        if (handled)
            break;
    }
    return handled;
}

bool THookApplicationMessage::eventFilter(QObject* receiver, QEvent* event) {
    // Only keyboard events concern the browsers; everything else passes untouched.
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
        return dispatch(receiver, event);
    default:
        return false;
    }
}
