#pragma once
#include <QString>
#include <cstdint>

// Partition records count in 512-byte units; disks count in their own logical sectors.
class SectorUnits {
public:
    static constexpr uint32_t Unit = 512;

    static QString unsupportedSectorSizeText(uint32_t sectorSize);
    // 512-byte units per disk sector.
    static uint32_t unitsPerSector(uint32_t sectorSize) { return sectorSize / Unit; }
    // Exact conversion; false when `units` does not fall on a disk sector boundary.
    static bool toDiskSectors(uint64_t units, uint32_t sectorSize, uint64_t& diskSectors);
    static uint64_t toUnits(uint64_t diskSectors, uint32_t sectorSize) { return diskSectors * (sectorSize / Unit); }
};
