#pragma once

class QFont;

// A font's style as the settings files keep it: an integer bit set.
namespace fontstyle {

enum Bit : int { Bold = 1, Italic = 2, Underline = 4, StrikeOut = 8 };

// Sets or clears each style of the font from the bits; unknown bits are ignored.
void apply(int bits, QFont& font);
int of(const QFont& font);

} // namespace fontstyle
