#pragma once
#include "core/diskinfo.h"

#include <QList>
#include <cstdint>

// The largest stretch of a disk that no partition holds, found from the partitions' byte spans.
class FreeRegion {
public:
    struct Span {
        uint64_t start = 0;
        uint64_t bytes = 0;
        uint64_t end() const { return start + bytes; }
        bool operator==(const Span& o) const { return start == o.start && bytes == o.bytes; }
    };

    // Within [first, end) of the disk, each candidate start rounded up to `alignment`; a span of
    // 0 bytes when nothing is free. Pure.
    static Span largest(QList<Span> used, uint64_t first, uint64_t end, uint64_t alignment);
    // The largest region of `disk` as its listing shows it, starting on a mebibyte: between the
    // GPT's primary and backup tables, or within what an MBR entry can address; 0 bytes on a disk
    // with neither table. Pure.
    static Span ofDisk(const DiskInfo& disk);
    // Whether that region takes a copy of `bytes`, rounded up to the disk's whole sectors.
    static bool holds(const DiskInfo& disk, uint64_t bytes);
    // The bytes the backup GPT (entry array and header) takes at the end of a disk.
    static uint64_t gptTailBytes(uint32_t sectorSize);
};
