#pragma once

#include <cstdint>

// The colours in which the rotation lights each kind of line (0x00BBGGRR or a system
// colour); an article's title line may stand out in the mark or the new colour. The description
// colour is also the description label's font colour.
struct TickerColours {
    std::uint32_t title = 0x0000FFFF;       // clYellow: a feed's title line
    std::uint32_t article = 0x0000FF00;     // clLime: an article's first line
    std::uint32_t description = 0x00FFFFFF; // clWhite: an article's second line
    std::uint32_t mark = 0x000000FF;        // clRed: the title line of a marked article
    std::uint32_t newHeadline = 0x00FFFF00; // clAqua: a title line never shown before
};
