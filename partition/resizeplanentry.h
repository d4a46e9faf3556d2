#pragma once
#include "core/partitioninfo.h"

#include <QString>
#include <cstdint>

// One decision of a resize plan. Sector numbers are 512-byte units, whatever the disk's sector size.
struct ResizePlanEntry {
    int32_t partitionIndex = -1;  // position in the planner's list: GPT entry index / MBR slot
    PartitionInfo partition;
    uint64_t newStartSector = 0;
    uint64_t newSectorCount = 0;
    uint64_t newSize = 0;         // bytes
    bool needsResize = false;
    bool canResize = true;
    QString description;
};
