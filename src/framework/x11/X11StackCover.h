#pragma once

#include <optional>
#include <set>

// Whether a window is wholly covered by the windows the window manager stacks above it, judged
// from the stacking order (_NET_CLIENT_LIST_STACKING) and the frames of those windows above
// it that are mapped and viewable on its workspace. Shaped and translucent windows let it
// show through, so they never cover it. This serves where the X server cannot tell: under a
// compositing manager every window counts as unobscured. Without X11, or without a window
// manager that publishes the stacking order, the window is never covered.
class X11StackCover {
public:
    X11StackCover();

    void setWindow(unsigned long window);
    // The X event (an xcb_generic_event_t) may change the answer.
    bool concerns(const void* event) const;
    // Reads the desktop anew.
    void update();
    bool covered() const { return covered_; }

private:
    // Nothing the window manager or the window says lets what lies under it show through on
    // the workspace `ownDesktop`.
    bool hides(unsigned long window, std::optional<unsigned long> ownDesktop) const;
    // Asks for the events that change the windows above; forgets those gone.
    void watch(const std::set<unsigned long>& windows);

    unsigned long window_ = 0;
    unsigned long root_ = 0;
    unsigned long stacking_ = 0; // atoms, 0 without X11
    unsigned long currentDesktop_ = 0;
    unsigned long windowDesktop_ = 0;
    unsigned long wmState_ = 0;
    unsigned long hiddenState_ = 0;
    unsigned long opacity_ = 0;
    unsigned long frameExtents_ = 0;
    std::set<unsigned long> watched_;
    bool covered_ = false;
};
