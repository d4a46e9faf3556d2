#include "core/spanplanner.h"

#include <limits>

SpanPlanner::Result SpanPlanner::plan(uint64_t offset, uint64_t length, uint32_t alignment, int64_t deviceSize,
                                      AlignedSpan& out)
{
    if (alignment == 0)
        alignment = 512;
    const uint64_t limit = uint64_t(std::numeric_limits<int64_t>::max());
    if (length > limit || offset > limit - length)
        return Result::OutOfRange;
    if (deviceSize >= 0 && offset + length > uint64_t(deviceSize))
        return Result::BeyondEnd;
    out.head = offset % alignment;
    out.start = offset - out.head;
    out.span = (out.head + length + alignment - 1) / alignment * alignment;
    if (deviceSize >= 0 && out.start + out.span > uint64_t(deviceSize))
        out.span = uint64_t(deviceSize) - out.start;
    return Result::Ok;
}
