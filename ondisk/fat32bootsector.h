#pragma once
// The FAT32 boot sector as plain values, decoded from bytes without I/O (no Qt, so it can be fuzzed).
#include "ondisk/bootsectorfields.h"

#include <cstddef>
#include <cstdint>
#include <string>

class Fat32BootSector {
public:
    enum class Status { Ok, TooShort, BadSignature, NotFat32, BadGeometry };

    static constexpr size_t Size = BootSectorFields::SectorBytes;
    static constexpr uint32_t MaxClusters = 0x0FFFFFF5;  // 28-bit entries minus the reserved values

    // `limitBytes` is the room the volume may occupy (partition or device size), 0 when unknown;
    // it also stands in for a total-sector count of 0.
    static Status decode(const uint8_t* data, size_t size, uint64_t limitBytes, Fat32BootSector& out);

    uint32_t bytesPerSector = 0;
    uint32_t sectorsPerCluster = 0;
    uint32_t clusterSize = 0;
    uint32_t reservedSectors = 0;
    uint32_t numberOfFats = 0;
    uint32_t fatSize = 0;          // sectors per FAT
    bool fatsMirrored = true;      // every FAT copy kept current, not just the active one
    uint64_t totalSectors = 0;
    uint32_t rootCluster = 0;
    uint32_t serialNumber = 0;
    std::string label;             // Latin-1 bytes, blanks trimmed
    uint64_t dataStart = 0;        // sectors from the volume start
    uint64_t totalClusters = 0;
    uint64_t volumeSize = 0;
};
