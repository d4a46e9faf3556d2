#pragma once
#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

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

    // False (out untouched) when `bytes` is shorter than Size.
    static bool decode(std::span<const uint8_t> bytes, GptPartitionEntry& out);
    bool encode(std::span<uint8_t> bytes) const;

    // `count` entries taken at i * stride (stride >= Size); false when `bytes` does not hold them all.
    static bool decodeArray(std::span<const uint8_t> bytes, uint32_t count, uint32_t stride,
                            std::vector<GptPartitionEntry>& out);
    // `count` packed 128-byte entries: missing ones zero, extra ones dropped.
    static std::vector<uint8_t> encodeArray(const std::vector<GptPartitionEntry>& entries, uint32_t count);

    bool isUsed() const;
    // Stores at most MaxNameUnits UTF-16 code units, the rest zero.
    void setName(const std::u16string& text);
    // The name up to its first zero unit.
    std::u16string nameText() const;
};
