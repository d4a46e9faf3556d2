// libFuzzer target: FAT32 boot-sector decoder. The 8 bytes behind the sector, when present, give the room limit.
#include "ondisk/fat32bootsector.h"

#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    uint64_t limit = 0;
    if (size > Fat32BootSector::Size + 8)
        std::memcpy(&limit, data + Fat32BootSector::Size, 8);
    Fat32BootSector boot;
    if (Fat32BootSector::decode(data, size, limit, boot) == Fat32BootSector::Status::Ok) {
        if (boot.sectorsPerCluster == 0 || boot.totalClusters == 0 || boot.totalClusters > Fat32BootSector::MaxClusters
            || boot.dataStart >= boot.totalSectors || (limit && boot.volumeSize > limit) || boot.label.size() > 11)
            __builtin_trap();
    }
    return 0;
}
