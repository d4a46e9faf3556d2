#pragma once
#include "ondisk/gpttable.h"

class DiskIO;

// A GptTable read from and committed to the target of a DiskIO; notes and errors go to the log.
class GptDisk : public GptTable {
public:
    using GptTable::commit;
    using GptTable::load;

    // totalSectors 0: the size the target's disk reports, when it reports one.
    bool load(DiskIO& disk, uint32_t sectorSize, uint64_t totalSectors);
    // Writes the plan in order with a flush behind each header; stops at the first failed write or flush.
    bool commit(DiskIO& disk);
};
