#pragma once

// A window that follows the rotation, such as the article list.
class RotationFollower {
public:
    virtual ~RotationFollower() = default;
    // A new feed has been loaded and composed.
    virtual void feedStarted() = 0;
    // Record `article` of the current feed is now on the sign.
    virtual void articleStarted(int article) = 0;
};
