#pragma once
#include <cstdint>

// The aligned span [start, start + span) that encloses a transfer of `length` bytes at `start + head`.
struct AlignedSpan {
    uint64_t head = 0;
    uint64_t start = 0;
    uint64_t span = 0;
    // True when the transfer fills its span: a write needs no read of neighbouring bytes first.
    bool exact(uint64_t length) const { return head == 0 && span == length; }
};

// Plans unbuffered transfers: pure arithmetic over offsets, lengths, alignment and device size.
class SpanPlanner {
public:
    enum class Result { Ok, OutOfRange, BeyondEnd };

    // `deviceSize` < 0 means the device does not say. Nothing that reaches past the device end is
    // accepted (an image file would grow); a span that runs past it is cut at the end, since only
    // the asked bytes have to move. An alignment of 0 counts as 512.
    static Result plan(uint64_t offset, uint64_t length, uint32_t alignment, int64_t deviceSize, AlignedSpan& out);
};
