#pragma once
#include "core/partitioninfo.h"
#include "platform/devicehandle.h"

#include <QString>
#include <cstdint>

class CopyPlan;

// The used part of a partition, read from the file system's own allocation bitmap, as extents of a
// copy plan. A volume that enumeration did not recognise is tried as NTFS and as FAT32.
class UsedSpace {
public:
    enum class Result {
        Planned,  // the used ranges and the metadata region were added
        NoMap,    // no file system with a readable map: nothing added
        Damaged,  // the map failed its check, the volume claims more than its partition, or the map
                  // reaches past it: nothing added
    };

    // Partition `partition` of the open `disk` lies at `sourceOffset` and is copied to `targetOffset`.
    // `fileSystemName` receives the file system whose map was read. `reason` receives why the map
    // is Damaged or, when Planned, what the user should know about the map; empty when nothing.
    // What the volume's usage map marks used, as its file system counts it (used clusters times the
    // cluster size), for a volume the machine has not mounted. False when no map is readable.
    static bool measure(const PartitionInfo& partition, DeviceHandle* disk, uint64_t& usedBytes);

    static Result addTo(CopyPlan& plan, const PartitionInfo& partition, DeviceHandle* disk, uint64_t sourceOffset,
                        uint64_t targetOffset, QString& fileSystemName, QString& reason);
};
