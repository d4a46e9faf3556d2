#include "core/copybatchplanner.h"

#include <algorithm>

uint64_t CopyBatchPlanner::bytesOf(const std::vector<CopyExtent>& extents)
{
    uint64_t total = 0;
    for (const CopyExtent& e : extents)
        total += e.length;
    return total;
}

std::vector<CopyExtent> CopyBatchPlanner::merge(std::vector<CopyExtent> extents)
{
    std::stable_sort(extents.begin(), extents.end(),
                     [](const CopyExtent& a, const CopyExtent& b) { return a.sourceOffset < b.sourceOffset; });
    std::vector<CopyExtent> out;
    for (const CopyExtent& e : extents) {
        if (e.length == 0)
            continue;
        if (!out.empty()) {
            CopyExtent& last = out.back();
            if (last.sourceOffset + last.length == e.sourceOffset && last.targetOffset + last.length == e.targetOffset) {
                last.length += e.length;
                continue;
            }
        }
        out.push_back(e);
    }
    return out;
}

namespace {

struct Packer {
    const CopyBatchPlanner::Limits& limits;
    std::vector<CopyBatch>& out;
    bool open = false;  // the last batch still takes small direct pieces

    void direct(uint64_t src, uint64_t dst, uint64_t length)
    {
        if (length < limits.requestBytes && open && out.back().bytes + length <= limits.requestBytes
            && out.back().pieces.size() < limits.maxPiecesPerBatch) {
            CopyBatch& b = out.back();
            b.pieces.push_back(CopyPiece{src, dst, length, b.bytes});
            b.bytes += length;
            return;
        }
        out.push_back(CopyBatch{{CopyPiece{src, dst, length, 0}}, length, true});
        open = length < limits.requestBytes;
    }
    void spanning(uint64_t src, uint64_t dst, uint64_t length)
    {
        for (uint64_t done = 0; done < length;) {
            const uint64_t n = std::min(limits.requestBytes, length - done);
            out.push_back(CopyBatch{{CopyPiece{src + done, dst + done, n, 0}}, n, false});
            done += n;
        }
        open = false;
    }
};

} // namespace

std::vector<CopyBatch> CopyBatchPlanner::plan(const std::vector<CopyExtent>& extents, const Limits& limits)
{
    const uint32_t srcAlign = std::max(limits.sourceAlignment, 1u), dstAlign = std::max(limits.targetAlignment, 1u);
    const uint64_t unit = std::max(srcAlign, dstAlign);
    Limits cut = limits;
    cut.requestBytes = std::max(limits.requestBytes / unit * unit, unit);
    std::vector<CopyBatch> out;
    Packer packer{cut, out};
    for (const CopyExtent& e : merge(extents)) {
        // The first position where both sides sit on their alignment, if the two can ever agree.
        const bool srcBigger = srcAlign >= dstAlign;
        const uint64_t big = srcBigger ? e.sourceOffset : e.targetOffset;
        const uint64_t small = srcBigger ? e.targetOffset : e.sourceOffset;
        const uint64_t head = (unit - big % unit) % unit;
        const uint64_t smallAlign = srcBigger ? dstAlign : srcAlign;
        if ((small + head) % smallAlign != 0 || head >= e.length) {
            packer.spanning(e.sourceOffset, e.targetOffset, e.length);
            continue;
        }
        const uint64_t middle = (e.length - head) / unit * unit;
        if (head)
            packer.spanning(e.sourceOffset, e.targetOffset, head);
        for (uint64_t done = 0; done < middle;) {
            const uint64_t n = std::min(cut.requestBytes, middle - done);
            packer.direct(e.sourceOffset + head + done, e.targetOffset + head + done, n);
            done += n;
        }
        if (const uint64_t tail = e.length - head - middle)
            packer.spanning(e.sourceOffset + head + middle, e.targetOffset + head + middle, tail);
    }
    return out;
}
