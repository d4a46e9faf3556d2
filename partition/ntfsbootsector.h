#pragma once
#include <QString>
#include <cstdint>

// The few NTFS boot-sector fields the resizer edits, over raw bytes (at least 512).
class NtfsBootSector {
public:
    static constexpr int OffOemId = 3;
    static constexpr int OffBytesPerSector = 11;
    static constexpr int OffTotalSectors = 40;
    static constexpr int MinBytes = 512;

    static bool hasSignature(const uint8_t* sector);       // OEM ID "NTFS    "
    static uint32_t bytesPerSector(const uint8_t* sector);  // 0 when not a power of two in 256..4096
    static uint64_t totalSectors(const uint8_t* sector);
    static void setTotalSectors(uint8_t* sector, uint64_t value);
    // The first 16 bytes in lower-case hexadecimal, no separators.
    static QString headerHex(const uint8_t* sector);
};
