#pragma once

#include <array>
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <mutex>
#include <optional>

// Characters that code page 932 lacks, each given a two-byte code of its user-defined area
// (lead bytes 0xF0-0xF9) for the run of the program, so that text keeps its byte rules: such a
// character counts two bytes like a kanji and no cut splits it. Private use characters get
// codes here too, so bytes of that area from a Shift_JIS feed never pose as a character
// another feed brought. Codes are given at first use and never change; a private use character
// of the area keeps the code that code page 932 gives it while no other character has taken it.
//
// Thread-safe: feeds are decoded on a worker thread while the windows show text. Looking up is
// free of locks; only giving out a new code takes one.
class Cp932ExtraCodes {
public:
    static constexpr std::size_t kCapacity = 1880; // 10 lead bytes of 188 trail bytes
    // Code page 932 maps the area's codes, in order, to the private use characters from here.
    static constexpr char32_t kFirstAreaCharacter = 0xE000;

    // The table of this run of the program.
    static Cp932ExtraCodes& shared();

    Cp932ExtraCodes();
    Cp932ExtraCodes(const Cp932ExtraCodes&) = delete;
    Cp932ExtraCodes& operator=(const Cp932ExtraCodes&) = delete;

    static bool isAreaLead(unsigned char byte) { return byte >= 0xF0 && byte <= 0xF9; }
    // The area's codes in order: index 0 is 0xF0 0x40, the last 0xF9 0xFC.
    static std::array<char, 2> areaCode(std::size_t index);
    static std::optional<std::size_t> areaIndex(unsigned char lead, unsigned char trail);

    // The code (lead byte, trail byte) of the character, given out at its first use; nothing
    // when every code is taken.
    std::optional<std::array<char, 2>> codeOf(char32_t character);

    // True when the character has a code or a code is left for it.
    bool canGive(char32_t character) const;
    bool full() const;

    // The character that has this code, or 0 when the code is given to none.
    char32_t characterOf(unsigned char lead, unsigned char trail) const;

private:
    static constexpr std::size_t kSlots = 4096; // open addressing, at most half full

    std::optional<std::size_t> find(char32_t character) const;

    // A slot holds the character in its high half and its index + 1 in its low half; 0 when
    // empty. A slot once written never changes.
    std::array<std::atomic<std::uint64_t>, kSlots> slots_{};
    std::array<std::atomic<char32_t>, kCapacity> characters_{};
    std::atomic<std::size_t> used_ = 0;
    std::size_t nextFromTop_ = kCapacity; // codes from here up are taken

    std::mutex giving_;
};
