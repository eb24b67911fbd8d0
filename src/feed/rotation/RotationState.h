#pragma once

// Where the rotation stands; owned by whoever drives the rotation.
struct RotationState {
    int feedIndex = -1;   // row of the feed list being shown; -1 before the first feed
    int articleIndex = 0; // 0 = the feed-title stage, i >= 1 = record i
    bool busy = false;    // a feed is being loaded
};
