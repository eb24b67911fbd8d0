#include "framework/text/Cp932Encoder.h"
#include "framework/text/Cp932Decoder.h"

#include <gtest/gtest.h>
#include <iconv.h>

namespace {

// iconv's code page 932 bytes for one character; empty when it has no form.
std::string iconvForm(iconv_t cd, char16_t code) {
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    char in[2] = {static_cast<char>(code & 0xFF), static_cast<char>(code >> 8)};
    char out[8];
    char* inAt = in;
    char* outAt = out;
    std::size_t inLeft = 2;
    std::size_t outLeft = sizeof out;
    if (iconv(cd, &inAt, &inLeft, &outAt, &outLeft) == static_cast<std::size_t>(-1))
        return {};
    return std::string(out, outAt - out);
}

} // namespace

// Every BMP character with a code page 932 form outside the user-defined area encodes as iconv
// encodes it; every other one takes an extra code that decodes back to it, or "?" once the
// table is full.
TEST(Cp932Encoder, AgreesWithIconvAndGivesExtraCodesToTheRest) {
    const Cp932Encoder& encoder = Cp932Encoder::instance();
    Cp932ExtraCodes extras;
    iconv_t cd = iconv_open("CP932", "UTF-16LE");
    ASSERT_NE(cd, reinterpret_cast<iconv_t>(-1));
    std::size_t extraCodes = 0;
    for (char32_t code = 1; code < 0x10000; ++code) {
        if (code >= 0xD800 && code <= 0xDFFF)
            continue;
        std::string encoded;
        encoder.append(code, encoded, extras);
        const std::string standard = iconvForm(cd, static_cast<char16_t>(code));
        if (!standard.empty() && !Cp932ExtraCodes::isAreaLead(standard[0])) {
            ASSERT_EQ(encoded, standard) << std::hex << std::uint32_t(code);
            continue;
        }
        if (encoded == "?")
            continue;
        ASSERT_EQ(encoded.size(), 2u);
        ++extraCodes;
        char32_t decoded = 0;
        Cp932Decoder::instance().decodeText(
            encoded, [&](char32_t c) { decoded = c; }, extras);
        ASSERT_EQ(decoded, code);
    }
    iconv_close(cd);
    EXPECT_EQ(extraCodes, Cp932ExtraCodes::kCapacity);
    std::string halves;
    encoder.append(0xD800, halves, extras);
    encoder.append(0xDFFF, halves, extras);
    EXPECT_EQ(halves, "??");
}
