#pragma once

#include <QString>
#include <string>

// Settings keep the Windows face names ("ＭＳ Ｐゴシック", "@ＭＳ ゴシック") as code page 932
// bytes. This maps them to installed families without touching the stored name. A leading
// "@" selects vertical writing and is not part of the family.
class FontFaceMap {
public:
    static bool isVertical(const std::string& faceName);

    // The installed family to draw with: the Japanese stand-in of a known Windows face when
    // it is installed, the family itself when installed, else what fontconfig substitutes.
    static QString family(const std::string& faceName);
};
