#pragma once

#include <QString>
#include <functional>
#include <memory>
#include <vector>

class PortalSession;

// System-wide shortcuts through the desktop portal (org.freedesktop.portal.GlobalShortcuts).
// In a Wayland session the program runs through XWayland, where X key grabs fire only while
// an X window has the focus; the portal's shortcuts fire from any window. The desktop decides
// the keys in the end: the program only proposes them.
class PortalShortcuts {
public:
    struct Shortcut {
        QString id;
        QString description;
        QString preferredTrigger; // "CTRL+F5"; empty: the user picks one in the desktop's settings
    };

    // The portal's shortcuts in a Wayland session whose portal offers them; else nothing, and
    // the caller grabs its keys on X.
    static std::unique_ptr<PortalShortcuts> open(std::function<void(const QString& id)> activated,
                                                 std::function<void()> failed);
    ~PortalShortcuts();
    PortalShortcuts(const PortalShortcuts&) = delete;
    PortalShortcuts& operator=(const PortalShortcuts&) = delete;

    // Registers the application id where the portal keeps a registry, opens a session and
    // binds the shortcuts, all without waiting. A press of one reaches `activated` with its
    // id; a refusal on the way reaches `failed` once.
    void bind(std::vector<Shortcut> shortcuts);

private:
    explicit PortalShortcuts(std::unique_ptr<PortalSession> session);
    std::unique_ptr<PortalSession> session_;
};
