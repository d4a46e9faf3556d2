#include "modes/freeregion.h"

#include <algorithm>

namespace {
constexpr uint64_t Alignment = 1024 * 1024;
constexpr uint64_t GptArrayBytes = 128 * 128;

uint32_t sectorOf(const DiskInfo& disk) { return disk.sectorSize ? disk.sectorSize : 512; }
uint64_t mbrReach(uint32_t ts) { return (uint64_t(UINT32_MAX) + 1) * ts; }
} // namespace

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

uint64_t FreeRegion::gptTailBytes(uint32_t sectorSize)
{
    return sectorSize + (GptArrayBytes + sectorSize - 1) / sectorSize * sectorSize;
}

FreeRegion::Span FreeRegion::ofDisk(const DiskInfo& disk)
{
    const uint32_t ts = sectorOf(disk);
    QList<Span> used;
    for (const PartitionInfo& p : disk.partitions)
        used.append({p.startByte(), p.size});
    const uint64_t diskBytes = disk.size / ts * ts;
    if (disk.partitionStyle == Tessarin::PartitionStyle::GPT)
        return largest(used, ts + gptTailBytes(ts), diskBytes - std::min(diskBytes, gptTailBytes(ts)), Alignment);
    if (disk.partitionStyle == Tessarin::PartitionStyle::MBR)
        return largest(used, ts, std::min(diskBytes, mbrReach(ts)), Alignment);
    return {};
}

bool FreeRegion::holds(const DiskInfo& disk, uint64_t bytes)
{
    const uint32_t ts = sectorOf(disk);
    return bytes > 0 && ofDisk(disk).bytes >= (bytes + ts - 1) / ts * ts;
}
