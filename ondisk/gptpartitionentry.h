#pragma once
#include <array>
#include <cstdint>
#include <string>

// One 128-byte GPT partition entry. An entry whose type GUID is all zero is unused.
class GptPartitionEntry {
public:
    static constexpr int Size = 128;
    static constexpr int MaxNameUnits = 35;
    static constexpr int GuidBytes = 16;

    static constexpr int OffTypeGuid = 0;
    static constexpr int OffUniqueGuid = 16;
    static constexpr int OffFirstLba = 32;
    static constexpr int OffLastLba = 40;
    static constexpr int OffAttributes = 48;
    static constexpr int OffName = 56;
    static constexpr int NameBytes = 72;

    std::array<uint8_t, GuidBytes> typeGuid{};    // GPT (mixed-endian) byte order
    std::array<uint8_t, GuidBytes> uniqueGuid{};
    uint64_t firstLba = 0;
    uint64_t lastLba = 0;
    uint64_t attributes = 0;
    std::array<uint8_t, NameBytes> name{};

    static GptPartitionEntry decode(const uint8_t* bytes);
    void encode(uint8_t* bytes) const;

    bool isUsed() const;
    // Stores at most MaxNameUnits UTF-16 code units, the rest zero.
    void setName(const std::u16string& text);
    // The name up to its first zero unit.
    std::u16string nameText() const;
};
