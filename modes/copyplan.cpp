#include "modes/copyplan.h"
#include "core/tessarin.h"
#include "boot/diskclonebootrepair.h"

#include <algorithm>

void CopyPlan::add(uint64_t sourceOffset, uint64_t targetOffset, uint64_t length)
{
    if (length == 0)
        return;
    // Both sides move by the same amount, so the target stays on sector boundaries with the source.
    const uint64_t lead = sourceOffset % m_sectorSize;
    const uint64_t end = sourceOffset + length;
    const uint64_t alignedEnd = (end + m_sectorSize - 1) / m_sectorSize * m_sectorSize;
    m_extents.push_back({sourceOffset - lead, targetOffset - lead, alignedEnd - (sourceOffset - lead)});
}

uint64_t CopyPlan::metadataBytes(uint32_t clusterSize)
{
    return std::max<uint64_t>(MiB, uint64_t(clusterSize) * MetadataClusters);
}

bool CopyPlan::addUsed(uint64_t sourceOffset, uint64_t targetOffset, uint64_t partitionBytes,
                       const SectorRanges& ranges, uint32_t clusterSize)
{
    for (const SectorRange& r : ranges)
        if (r.endSector() < r.startSector || r.endSector() > partitionBytes / 512)
            return false;
    add(sourceOffset, targetOffset, std::min(partitionBytes, metadataBytes(clusterSize)));
    for (const SectorRange& r : ranges)
        add(sourceOffset + r.startSector * 512, targetOffset + r.startSector * 512, r.sectorCount * 512);
    return true;
}

bool CopyPlan::isBootCritical(const PartitionInfo& p, bool windowsVolume)
{
    return DiskCloneBootRepair::looksLikeEfiPartition(p) || p.isSystem || p.isRecovery || p.isMsr
        || Tessarin::isPartitionType(p.typeGuid, Tessarin::MsrTypeText) || windowsVolume;
}

std::vector<CopyExtent> CopyPlan::extents() const
{
    std::vector<CopyExtent> sorted = m_extents;
    std::sort(sorted.begin(), sorted.end(),
              [](const CopyExtent& a, const CopyExtent& b) { return a.sourceOffset < b.sourceOffset; });
    std::vector<CopyExtent> out;
    for (const CopyExtent& e : sorted) {
        if (!out.empty()) {
            CopyExtent& last = out.back();
            const uint64_t lastEnd = last.sourceOffset + last.length;
            const bool sameShift = last.targetOffset - last.sourceOffset == e.targetOffset - e.sourceOffset;
            if (sameShift && e.sourceOffset <= lastEnd) {
                last.length = std::max(lastEnd, e.sourceOffset + e.length) - last.sourceOffset;
                continue;
            }
        }
        out.push_back(e);
    }
    return out;
}

uint64_t CopyPlan::totalBytes() const
{
    uint64_t total = 0;
    for (const CopyExtent& e : extents())
        total += e.length;
    return total;
}
