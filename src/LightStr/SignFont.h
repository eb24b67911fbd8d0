#pragma once

#include <QFont>
#include <string>

// The font a sign renders its lines in, kept the way settings store it: a Windows face name,
// a height and a style bit set.
//
// Height: negative -h asks for a character height of h pixels (the em, without internal
// leading); positive h asks for a character cell (ascent plus descent) of h pixels; 0 is 12
// pixels. Style bits: 1 bold, 2 italic, 4 underline, 8 strike-through.
class SignFont {
public:
    static constexpr int kBold = 1;
    static constexpr int kItalic = 2;
    static constexpr int kUnderline = 4;
    static constexpr int kStrikeOut = 8;

    std::string name = "ＭＳ ゴシック";
    int height = -12;
    int style = 0;
    bool smoothing = false; // anti-aliased glyphs; off keeps the dots crisp

    // A face name starting with "@": full-width glyphs are turned to stand upright on a
    // vertical sign.
    bool vertical() const;

    // The Qt font for the current settings, resolved through the face map.
    QFont toQFont() const;
};
