#pragma once

#include <QRgb>
#include <cstdint>

// Colours are stored as 0x00BBGGRR (red in the low byte). A value 0x80000000 + n names the
// system colour n (0 scroll bar ... 30 menu bar); it is resolved when something is drawn.
namespace syscolor {

constexpr std::uint32_t kSystemFlag = 0x80000000u;

bool isSystem(std::uint32_t colour);

// The 0x00BBGGRR value of a colour; system colours come from a fixed classic palette and
// an unknown system index gives black.
std::uint32_t resolve(std::uint32_t colour);

// The resolved colour as Qt's opaque 0xFFRRGGBB.
QRgb toQRgb(std::uint32_t colour);

// A Qt colour back into the stored 0x00BBGGRR form.
std::uint32_t fromQRgb(QRgb rgb);

} // namespace syscolor
