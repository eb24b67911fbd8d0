#pragma once

#include <span>

// The pixels of one dot cell for a dot pitch of 1 to 5 pixels. Offsets are (along, across):
// `along` follows the scroll axis, `across` the dot rows. The dot pixels take the dot's
// colour, the background pixels the sign's background; together they make the lamp look.
struct DotOffset {
    int along;
    int across;
};

struct DotCell {
    std::span<const DotOffset> dot;
    std::span<const DotOffset> background;

    static constexpr int kMinBit = 1;
    static constexpr int kMaxBit = 5;

    // The cell for a pitch in kMinBit..kMaxBit; other pitches give the 1-pixel cell.
    static const DotCell& forBit(int bit);
};
