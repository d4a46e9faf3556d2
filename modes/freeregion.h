#pragma once
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
};
