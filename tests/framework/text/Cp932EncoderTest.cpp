#include "framework/text/Cp932Encoder.h"
#include "framework/text/Cp932.h"

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

// Every BMP character with a code page 932 form, the user-defined area's private use
// characters among them, encodes as iconv encodes it and counts its bytes; every other one is
// "?" at the edge and counts two bytes, as a kanji.
TEST(Cp932Encoder, AgreesWithIconvAndCountsTheRestAsTwoBytes) {
    const Cp932Encoder& encoder = Cp932Encoder::instance();
    iconv_t cd = iconv_open("CP932", "UTF-16LE");
    ASSERT_NE(cd, reinterpret_cast<iconv_t>(-1));
    std::size_t without = 0;
    for (char32_t code = 1; code < 0x10000; ++code) {
        if (code >= 0xD800 && code <= 0xDFFF)
            continue;
        std::string encoded;
        encoder.append(code, encoded);
        const std::string standard = iconvForm(cd, static_cast<char16_t>(code));
        ASSERT_EQ(encoded, standard.empty() ? "?" : standard) << std::hex << std::uint32_t(code);
        ASSERT_EQ(encoder.hasForm(code), !standard.empty()) << std::hex << std::uint32_t(code);
        ASSERT_EQ(cp932::width(code), standard.empty() ? 2u : standard.size());
        without += standard.empty();
    }
    iconv_close(cd);
    EXPECT_GT(without, 40000u);
    EXPECT_EQ(cp932::fromUtf8("\uE000\uE757"), "\xF0\x40\xF9\xFC");
    EXPECT_EQ(cp932::width(0x1F980), 2u);
    std::string halves;
    encoder.append(0xD800, halves);
    encoder.append(0x110000, halves);
    EXPECT_EQ(halves, "??");
}
