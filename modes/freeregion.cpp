#include "modes/freeregion.h"

#include <algorithm>

FreeRegion::Span FreeRegion::largest(QList<Span> used, uint64_t first, uint64_t end, uint64_t alignment)
{
    std::sort(used.begin(), used.end(), [](const Span& a, const Span& b) { return a.start < b.start; });
    const uint64_t a = std::max<uint64_t>(alignment, 1);
    Span best;
    uint64_t from = first;
    const auto consider = [&](uint64_t until) {
        const uint64_t start = (from + a - 1) / a * a;
        if (start < until && until - start > best.bytes)
            best = {start, until - start};
    };
    for (const Span& s : used) {
        consider(std::min(s.start, end));
        from = std::max(from, s.end());
    }
    consider(end);
    return best;
}
