// libFuzzer target: NTFS boot-sector decoder. The first 8 input bytes, when present, give the room limit.
#include "ondisk/ntfsbootsector.h"

#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    uint64_t limit = 0;
    if (size > NtfsBootSector::Size + 8) {
        std::memcpy(&limit, data + NtfsBootSector::Size, 8);
    }
    NtfsBootSector boot;
    if (NtfsBootSector::decode(data, size, limit, boot) == NtfsBootSector::Status::Ok) {
        // What the parser relies on afterwards.
        if (boot.clusterSize == 0 || boot.mftRecordSize < 512 || boot.totalClusters == 0
            || (limit && boot.volumeSize > limit) || boot.mftCluster >= boot.totalClusters)
            __builtin_trap();
    }
    return 0;
}
