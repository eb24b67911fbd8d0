#include "LightStr/DotCell.h"

#include <array>

namespace {

constexpr std::array<DotOffset, 1> kDot1 = {{{0, 0}}};

// Pitch 2 leans: its third dot pixel lies in the next row's cell, and the cell's own pixel
// (1, 0) is left to the row above.
constexpr std::array<DotOffset, 3> kDot2 = {{{0, 1}, {1, 1}, {1, 2}}};
constexpr std::array<DotOffset, 1> kBack2 = {{{0, 0}}};

constexpr std::array<DotOffset, 6> kDot3 = {{{0, 1}, {1, 1}, {1, 2}, {2, 0}, {2, 1}, {2, 2}}};
constexpr std::array<DotOffset, 3> kBack3 = {{{0, 0}, {0, 2}, {1, 0}}};

// Pitches 4 and 5: a square dot with a one-pixel gap along the top and the leading edge.
template <int Bit> constexpr std::array<DotOffset, (Bit - 1) * (Bit - 1)> squareDot() {
    std::array<DotOffset, (Bit - 1) * (Bit - 1)> pixels{};
    int n = 0;
    for (int along = 1; along < Bit; ++along)
        for (int across = 1; across < Bit; ++across)
            pixels[n++] = {along, across};
    return pixels;
}

template <int Bit> constexpr std::array<DotOffset, 2 * Bit - 1> squareGap() {
    std::array<DotOffset, 2 * Bit - 1> pixels{};
    int n = 0;
    for (int across = 0; across < Bit; ++across)
        pixels[n++] = {0, across};
    for (int along = 1; along < Bit; ++along)
        pixels[n++] = {along, 0};
    return pixels;
}

constexpr auto kDot4 = squareDot<4>();
constexpr auto kBack4 = squareGap<4>();
constexpr auto kDot5 = squareDot<5>();
constexpr auto kBack5 = squareGap<5>();

const std::array<DotCell, 5> kCells = {{
    {kDot1, {}},
    {kDot2, kBack2},
    {kDot3, kBack3},
    {kDot4, kBack4},
    {kDot5, kBack5},
}};

} // namespace

const DotCell& DotCell::forBit(int bit) {
    if (bit < kMinBit || bit > kMaxBit)
        bit = kMinBit;
    return kCells[bit - 1];
}
