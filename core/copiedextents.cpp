#include "core/copiedextents.h"

#include <algorithm>
#include <limits>

namespace {
constexpr uint64_t Top = std::numeric_limits<uint64_t>::max();

// The length that fits below 2^64 on both sides.
uint64_t boundedLength(const CopyExtent& e)
{
    return std::min({e.length, Top - e.sourceOffset, Top - e.targetOffset});
}
}

void CopiedExtents::add(const CopyExtent& extent)
{
    const uint64_t length = boundedLength(extent);
    if (length == 0)
        return;
    const uint64_t shift = extent.targetOffset - extent.sourceOffset;
    uint64_t start = extent.sourceOffset;
    uint64_t end = start + length;
    auto it = m_spans.lower_bound({shift, start});
    if (it != m_spans.begin()) {
        const auto before = std::prev(it);
        if (before->first.first == shift && before->second >= start)
            it = before;
    }
    while (it != m_spans.end() && it->first.first == shift && it->first.second <= end) {
        start = std::min(start, it->first.second);
        end = std::max(end, it->second);
        it = m_spans.erase(it);
    }
    m_spans.emplace(std::make_pair(shift, start), end);
    m_listStale = true;
}

template <typename Piece>
void CopiedExtents::split(const CopyExtent& planned, Piece piece) const
{
    const uint64_t length = boundedLength(planned);
    const uint64_t shift = planned.targetOffset - planned.sourceOffset;
    uint64_t pos = planned.sourceOffset;
    const uint64_t end = pos + length;
    auto it = m_spans.lower_bound({shift, pos});
    if (it != m_spans.begin()) {
        const auto before = std::prev(it);
        if (before->first.first == shift && before->second > pos)
            it = before;
    }
    while (pos < end) {
        if (it == m_spans.end() || it->first.first != shift || it->first.second >= end) {
            piece(CopyExtent{pos, pos + shift, end - pos}, false);
            break;
        }
        if (it->first.second > pos) {
            piece(CopyExtent{pos, pos + shift, it->first.second - pos}, false);
            pos = it->first.second;
        }
        const uint64_t copiedEnd = std::min(it->second, end);
        piece(CopyExtent{pos, pos + shift, copiedEnd - pos}, true);
        pos = copiedEnd;
        ++it;
    }
}

std::vector<CopyExtent> CopiedExtents::remaining(const std::vector<CopyExtent>& planned) const
{
    std::vector<CopyExtent> out;
    for (const CopyExtent& p : planned)
        split(p, [&out](const CopyExtent& piece, bool copied) {
            if (!copied)
                out.push_back(piece);
        });
    return out;
}

std::vector<CopyExtent> CopiedExtents::covered(const std::vector<CopyExtent>& planned) const
{
    std::vector<CopyExtent> out;
    for (const CopyExtent& p : planned)
        split(p, [&out](const CopyExtent& piece, bool copied) {
            if (copied)
                out.push_back(piece);
        });
    return out;
}

uint64_t CopiedExtents::bytesIn(const std::vector<CopyExtent>& planned) const
{
    uint64_t bytes = 0;
    for (const CopyExtent& p : planned)
        split(p, [&bytes](const CopyExtent& piece, bool copied) {
            if (copied)
                bytes += piece.length;
        });
    return bytes;
}

const std::vector<CopyExtent>& CopiedExtents::extents() const
{
    if (m_listStale) {
        m_list.clear();
        m_list.reserve(m_spans.size());
        for (const auto& [key, end] : m_spans)
            m_list.push_back({key.second, key.second + key.first, end - key.second});
        std::sort(m_list.begin(), m_list.end(), [](const CopyExtent& a, const CopyExtent& b) {
            return a.sourceOffset != b.sourceOffset ? a.sourceOffset < b.sourceOffset : a.targetOffset < b.targetOffset;
        });
        m_listStale = false;
    }
    return m_list;
}
