#pragma once
#include "core/copybatchplanner.h"

#include <cstdint>
#include <map>
#include <utility>
#include <vector>

// What a resumed clone finds already on the target: the extents an earlier run copied. A copied
// extent stands for a planned one only where both its source and its target offsets agree, so the
// same source bytes copied to another place (another shift) never count. Pure bookkeeping.
class CopiedExtents {
public:
    // Joins it with copied extents of the same shift that overlap or touch it.
    void add(const CopyExtent& extent);
    // The parts of `planned` not yet copied, in the order given, an extent split around what is.
    std::vector<CopyExtent> remaining(const std::vector<CopyExtent>& planned) const;
    // The parts of `planned` already copied, in the order given.
    std::vector<CopyExtent> covered(const std::vector<CopyExtent>& planned) const;
    uint64_t bytesIn(const std::vector<CopyExtent>& planned) const;
    // Merged, ordered by source offset, then target offset.
    const std::vector<CopyExtent>& extents() const;

private:
    // Walks the planned extent, handing each piece to `piece` with whether it is copied.
    template <typename Piece>
    void split(const CopyExtent& planned, Piece piece) const;

    // By shift (target minus source, modulo 2^64), then source start: the source end.
    std::map<std::pair<uint64_t, uint64_t>, uint64_t> m_spans;
    mutable std::vector<CopyExtent> m_list;
    mutable bool m_listStale = false;
};
