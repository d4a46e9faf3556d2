#pragma once
#include <QList>
#include <cstdint>

// A run of used sectors, in 512-byte units counted from the partition's first sector (whatever the
// volume's own sector size). Lists of them are sorted, never overlap and never touch.
struct SectorRange {
    uint64_t startSector = 0;
    uint64_t sectorCount = 0;

    uint64_t endSector() const { return startSector + sectorCount; }
    bool operator==(const SectorRange& other) const
    {
        return startSector == other.startSector && sectorCount == other.sectorCount;
    }
};

using SectorRanges = QList<SectorRange>;
