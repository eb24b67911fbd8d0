#include "framework/text/Cp932ExtraCodes.h"

namespace {

constexpr unsigned kFirstLead = 0xF0;
constexpr unsigned kTrailsPerLead = 188; // 0x40-0x7E and 0x80-0xFC

std::size_t slotOf(char32_t character, std::size_t slots) {
    return (std::uint32_t(character) * 2654435761u >> 8) & (slots - 1);
}

} // namespace

std::array<char, 2> Cp932ExtraCodes::areaCode(std::size_t index) {
    const unsigned offset = index % kTrailsPerLead;
    const unsigned trail = 0x40 + offset + (offset >= 0x3F ? 1 : 0);
    return {static_cast<char>(kFirstLead + index / kTrailsPerLead), static_cast<char>(trail)};
}

std::optional<std::size_t> Cp932ExtraCodes::areaIndex(unsigned char lead, unsigned char trail) {
    if (!isAreaLead(lead) || trail < 0x40 || trail == 0x7F || trail > 0xFC)
        return std::nullopt;
    return (lead - kFirstLead) * kTrailsPerLead + (trail - 0x40) - (trail > 0x7F ? 1 : 0);
}

Cp932ExtraCodes& Cp932ExtraCodes::shared() {
    static Cp932ExtraCodes table;
    return table;
}

Cp932ExtraCodes::Cp932ExtraCodes() = default;

std::optional<std::size_t> Cp932ExtraCodes::find(char32_t character) const {
    for (std::size_t slot = slotOf(character, kSlots);; slot = (slot + 1) & (kSlots - 1)) {
        const std::uint64_t entry = slots_[slot].load(std::memory_order_acquire);
        if (entry == 0)
            return std::nullopt;
        if (char32_t(entry >> 32) == character)
            return std::size_t(entry & 0xFFFFFFFFu) - 1;
    }
}

std::optional<std::array<char, 2>> Cp932ExtraCodes::codeOf(char32_t character) {
    if (const std::optional<std::size_t> index = find(character))
        return areaCode(*index);
    const std::lock_guard lock(giving_);
    if (const std::optional<std::size_t> index = find(character))
        return areaCode(*index);
    const std::size_t used = used_.load(std::memory_order_relaxed);
    if (used == kCapacity)
        return std::nullopt;
    // A private use character of the area keeps its own code while that is free; the others
    // take codes from the top of the area down, where they meet only when it is nearly full.
    std::size_t index = character - kFirstAreaCharacter;
    if (character < kFirstAreaCharacter || index >= kCapacity ||
        characters_[index].load(std::memory_order_relaxed) != 0) {
        while (characters_[nextFromTop_ - 1].load(std::memory_order_relaxed) != 0)
            --nextFromTop_;
        index = --nextFromTop_;
    }
    characters_[index].store(character, std::memory_order_release);
    std::size_t slot = slotOf(character, kSlots);
    while (slots_[slot].load(std::memory_order_relaxed) != 0)
        slot = (slot + 1) & (kSlots - 1);
    slots_[slot].store((std::uint64_t(character) << 32) | (index + 1), std::memory_order_release);
    used_.store(used + 1, std::memory_order_release);
    return areaCode(index);
}

bool Cp932ExtraCodes::canGive(char32_t character) const {
    return !full() || find(character).has_value();
}

bool Cp932ExtraCodes::full() const {
    return used_.load(std::memory_order_acquire) == kCapacity;
}

char32_t Cp932ExtraCodes::characterOf(unsigned char lead, unsigned char trail) const {
    const std::optional<std::size_t> index = areaIndex(lead, trail);
    return index ? characters_[*index].load(std::memory_order_acquire) : 0;
}
