#pragma once
// The NTFS boot sector as plain values, decoded from bytes without I/O (no Qt, so it can be fuzzed).
#include "ondisk/bootsectorfields.h"

#include <cstddef>
#include <cstdint>

class NtfsBootSector {
public:
    enum class Status { Ok, TooShort, BadOemId, BadSignature, BadSectorSize, BadClusterSize, BadRecordSize, BadGeometry };

    static constexpr size_t Size = BootSectorFields::SectorBytes;

    // `limitBytes` is the room the volume may occupy (partition or device size), 0 when unknown.
    // The OEM ID and signature are filled even when they are rejected, for the messages.
    static Status decode(const uint8_t* data, size_t size, uint64_t limitBytes, NtfsBootSector& out);

    // Single fields of raw boot-sector bytes (at least Size), for editing a sector in place.
    static bool hasOemId(const uint8_t* sector);         // "NTFS    "
    static uint32_t sectorSizeOf(const uint8_t* sector);  // 0 unless a power of two in 256..4096
    static uint64_t totalSectorsOf(const uint8_t* sector);
    static void setTotalSectors(uint8_t* sector, uint64_t value);

    char oemId[9] = {};
    uint16_t signature = 0;
    uint32_t bytesPerSector = 0;
    uint32_t sectorsPerCluster = 0;
    uint32_t clusterSize = 0;
    uint64_t totalSectors = 0;
    uint64_t totalClusters = 0;
    uint64_t volumeSize = 0;
    uint64_t mftCluster = 0;
    uint64_t mftMirrorCluster = 0;
    uint32_t mftRecordSize = 0;
    uint64_t serialNumber = 0;
};
