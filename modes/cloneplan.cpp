#include "modes/cloneplan.h"

#include <algorithm>

uint64_t ClonePlan::totalBytes() const
{
    uint64_t total = 0;
    for (const Copy& c : copies)
        total += c.bytes;
    return total;
}

std::vector<CopyExtent> ClonePlan::extents() const
{
    std::vector<CopyExtent> all;
    for (const Copy& c : copies)
        all.insert(all.end(), c.extents.begin(), c.extents.end());
    return all;
}

QString ClonePlan::methodName(Method method)
{
    switch (method) {
    case Method::Full: return QStringLiteral("full");
    case Method::Smart: return QStringLiteral("smart");
    case Method::SectorBySector: return QStringLiteral("sector by sector");
    }
    return {};
}

std::vector<ByteRange> ClonePlan::unwrittenRanges(uint32_t targetSector) const
{
    // Every copy counts, not only the partition's own: a table copy may write inside a span too.
    std::vector<ByteRange> written;
    for (const Copy& c : copies)
        for (const CopyExtent& e : c.extents)
            if (e.length > 0)
                written.push_back({e.targetOffset, e.length});
    std::sort(written.begin(), written.end(), [](const ByteRange& a, const ByteRange& b) { return a.offset < b.offset; });
    const uint64_t unit = std::max<uint32_t>(targetSector, 1);
    std::vector<ByteRange> out;
    const auto keep = [&](uint64_t from, uint64_t to) {
        from = (from + unit - 1) / unit * unit;
        to = to / unit * unit;
        if (to > from)
            out.push_back({from, to - from});
    };
    for (const Copy& c : copies) {
        if (c.method != Method::Smart || c.targetSpan.length == 0)
            continue;
        const uint64_t end = c.targetSpan.offset + c.targetSpan.length;
        uint64_t at = c.targetSpan.offset;
        for (const ByteRange& w : written) {
            if (at >= end)
                break;
            if (w.offset + w.length <= at)
                continue;
            keep(at, std::min(w.offset, end));
            at = std::max(at, w.offset + w.length);
        }
        if (at < end)
            keep(at, end);
    }
    std::sort(out.begin(), out.end(), [](const ByteRange& a, const ByteRange& b) { return a.offset < b.offset; });
    return out;
}

uint64_t ClonePlan::lengthOf(const std::vector<ByteRange>& ranges)
{
    uint64_t total = 0;
    for (const ByteRange& r : ranges)
        total += r.length;
    return total;
}
