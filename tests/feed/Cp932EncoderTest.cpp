#include "feed/Cp932Encoder.h"

#include "framework/Cp932.h"

#include <algorithm>
#include <gtest/gtest.h>

// The table must give byte for byte what the program's converter gives, for every BMP
// character, whether it has a form, has a one-byte form, or has none.
TEST(Cp932Encoder, AgreesWithTheConverterOnEveryCharacter) {
    const Cp932Encoder& encoder = Cp932Encoder::instance();
    for (std::uint32_t base = 0; base < 0x10000; base += 1000) {
        std::u16string block;
        for (std::uint32_t code = base; code < std::min<std::uint32_t>(base + 1000, 0x10000);
             ++code)
            if (code < 0xD800 || code > 0xDFFF)
                block.push_back(static_cast<char16_t>(code));
        std::string encoded;
        for (const char16_t code : block)
            encoder.append(code, encoded);
        ASSERT_EQ(encoded, cp932::fromUtf16(block)) << "block from " << base;
    }
    std::string halves;
    encoder.append(u'\xD800', halves);
    encoder.append(u'\xDFFF', halves);
    EXPECT_EQ(halves, "??");
}
