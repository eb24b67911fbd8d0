#pragma once

#include <QObject>
#include <vector>

class QEvent;

// Something that looks at the application's events before they are delivered.
class AppMessageTarget {
public:
    virtual ~AppMessageTarget() = default;
    virtual void HandleAppMessage(QObject* receiver, QEvent* event, bool& handled) = 0;
};

// The application message hook shared by every browser: an ordered list of (handler,
// browser) entries that sees the application's keyboard events first. Dispatch calls the
// entries in order and stops at the first that handles the event, which is then not
// delivered.
class THookApplicationMessage : public QObject {
    Q_OBJECT
public:
    using Handler = void (AppMessageTarget::*)(QObject*, QEvent*, bool&);

    // The program's one hook, created and installed on the application the first time.
    static THookApplicationMessage& application();

    void AddHook(Handler handler, AppMessageTarget* target);
    // Removes the first entry equal in both parts.
    void RemoveHook(Handler handler, AppMessageTarget* target);
    bool dispatch(QObject* receiver, QEvent* event);
    std::size_t count() const { return entries_.size(); }

protected:
    bool eventFilter(QObject* receiver, QEvent* event) override;

private:
    struct Entry {
        Handler handler;
        AppMessageTarget* target;
        bool operator==(const Entry&) const = default;
    };
    std::vector<Entry> entries_;
};
