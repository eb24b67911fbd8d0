#include "app/settings/ColourText.h"

#include "app/settings/IntegerText.h"
#include "framework/text/Cp932.h"

#include <array>
#include <cstdio>

namespace colourtext {

namespace {

struct NamedColour {
    std::string_view name;
    Colour colour;
};

constexpr Colour system(Colour index) {
    return kSystemColourBase + index;
}

constexpr std::array<NamedColour, 52> kNames = {{
    {"clBlack", 0x00000000},
    {"clMaroon", 0x00000080},
    {"clGreen", 0x00008000},
    {"clOlive", 0x00008080},
    {"clNavy", 0x00800000},
    {"clPurple", 0x00800080},
    {"clTeal", 0x00808000},
    {"clGray", 0x00808080},
    {"clSilver", 0x00C0C0C0},
    {"clRed", 0x000000FF},
    {"clLime", 0x0000FF00},
    {"clYellow", 0x0000FFFF},
    {"clBlue", 0x00FF0000},
    {"clFuchsia", 0x00FF00FF},
    {"clAqua", 0x00FFFF00},
    {"clWhite", 0x00FFFFFF},
    {"clMoneyGreen", 0x00C0DCC0},
    {"clSkyBlue", 0x00F0CAA6},
    {"clCream", 0x00F0FBFF},
    {"clMedGray", 0x00A4A0A0},
    {"clScrollBar", system(0)},
    {"clBackground", system(1)},
    {"clActiveCaption", system(2)},
    {"clInactiveCaption", system(3)},
    {"clMenu", system(4)},
    {"clWindow", system(5)},
    {"clWindowFrame", system(6)},
    {"clMenuText", system(7)},
    {"clWindowText", system(8)},
    {"clCaptionText", system(9)},
    {"clActiveBorder", system(10)},
    {"clInactiveBorder", system(11)},
    {"clAppWorkSpace", system(12)},
    {"clHighlight", system(13)},
    {"clHighlightText", system(14)},
    {"clBtnFace", system(15)},
    {"clBtnShadow", system(16)},
    {"clGrayText", system(17)},
    {"clBtnText", system(18)},
    {"clInactiveCaptionText", system(19)},
    {"clBtnHighlight", system(20)},
    {"cl3DDkShadow", system(21)},
    {"cl3DLight", system(22)},
    {"clInfoText", system(23)},
    {"clInfoBk", system(24)},
    {"clHotLight", system(26)},
    {"clGradientActiveCaption", system(27)},
    {"clGradientInactiveCaption", system(28)},
    {"clMenuHighlight", system(29)},
    {"clMenuBar", system(30)},
    {"clNone", kNone},
    {"clDefault", kDefault},
}};

} // namespace

std::string toText(Colour colour) {
    for (const NamedColour& named : kNames) {
        if (named.colour == colour)
            return std::string(named.name);
    }
    char hex[10];
    std::snprintf(hex, sizeof hex, "$%08X", static_cast<unsigned>(colour));
    return hex;
}

std::optional<Colour> fromText(std::string_view text) {
    for (const NamedColour& named : kNames) {
        if (cp932::equalsIgnoringCase(named.name, text))
            return named.colour;
    }
    if (const auto number = integertext::parse(text))
        return static_cast<Colour>(*number);
    return std::nullopt;
}

} // namespace colourtext
