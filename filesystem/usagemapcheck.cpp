#include "filesystem/usagemapcheck.h"

#include "ondisk/byteorder.h"
#include "ondisk/fat32directory.h"

#include <algorithm>

namespace {
constexpr uint64_t BootSectorCluster = 0;
constexpr uint32_t FatEntryBytes = 4;
constexpr uint32_t FatEntryMask = Fat32Directory::ClusterMask;
constexpr uint32_t FatEntryFree = 0;
constexpr uint32_t FatEntryReserved = 1;
constexpr uint64_t FirstDataEntry = 2;

bool marked(QByteArrayView bitmap, uint64_t cluster)
{
    return (uint8_t(bitmap[qsizetype(cluster / 8)]) >> (cluster % 8)) & 1;
}

// The first cluster of [first, first + count) that `bitmap` marks free, or first + count.
uint64_t firstFree(QByteArrayView bitmap, uint64_t first, uint64_t count)
{
    const uint64_t end = first + count;
    uint64_t c = first;
    while (c < end) {
        if (c % 8 == 0 && c + 8 <= end && uint8_t(bitmap[qsizetype(c / 8)]) == 0xFF) {
            c += 8;
            continue;
        }
        if (!marked(bitmap, c))
            return c;
        ++c;
    }
    return end;
}
}

UsageMapCheck::Verdict UsageMapCheck::ntfsBitmap(QByteArrayView bitmap, uint64_t totalClusters, uint64_t validLength,
                                                 const std::vector<Owner>& owners)
{
    auto unsound = [](const QString& reason) { return Verdict{false, reason}; };
    const uint64_t needed = (totalClusters + 7) / 8;
    if (uint64_t(bitmap.size()) < needed)
        return unsound(QStringLiteral("$Bitmap holds %1 bytes, the volume's %2 clusters need %3")
                           .arg(bitmap.size()).arg(totalClusters).arg(needed));
    if (validLength < needed)
        return unsound(QStringLiteral("$Bitmap's valid length is %1 bytes, the volume's %2 clusters need %3")
                           .arg(validLength).arg(totalClusters).arg(needed));
    if (totalClusters == 0 || !marked(bitmap, BootSectorCluster))
        return unsound(QStringLiteral("$Bitmap marks the boot sector's cluster %1 free").arg(BootSectorCluster));
    for (const Owner& owner : owners) {
        for (const NtfsRun& run : owner.runs) {
            if (run.sparse || run.length == 0)
                continue;
            if (run.cluster >= totalClusters || run.length > totalClusters - run.cluster)
                return unsound(QStringLiteral("%1 has clusters %2-%3 beyond the volume's %4")
                                   .arg(owner.name).arg(run.cluster).arg(run.cluster + run.length - 1).arg(totalClusters));
            const uint64_t free = firstFree(bitmap, run.cluster, run.length);
            if (free < run.cluster + run.length)
                return unsound(QStringLiteral("$Bitmap marks cluster %1 of %2 free").arg(free).arg(owner.name));
        }
    }
    return Verdict{};
}

uint64_t UsageMapCheck::mergeFatCopies(const QList<QByteArrayView>& copies, uint64_t firstEntry, QBitArray& clusters,
                                       FatComparison& comparison)
{
    if (copies.isEmpty())
        return 0;
    qsizetype bytes = copies.first().size();
    for (QByteArrayView copy : copies)
        bytes = std::min(bytes, copy.size());
    const uint64_t clusterCount = uint64_t(clusters.size());
    uint64_t marked = 0;
    for (size_t pos = 0; pos + FatEntryBytes <= size_t(bytes); pos += FatEntryBytes) {
        const uint64_t entry = firstEntry + pos / FatEntryBytes;
        if (entry < FirstDataEntry)
            continue;
        if (entry - FirstDataEntry >= clusterCount)
            break;
        const uint32_t first = ByteOrder::get32(reinterpret_cast<const uint8_t*>(copies.first().data()) + pos) & FatEntryMask;
        bool used = false;
        bool differs = false;
        for (QByteArrayView copy : copies) {
            const uint32_t value = ByteOrder::get32(reinterpret_cast<const uint8_t*>(copy.data()) + pos) & FatEntryMask;
            used = used || (value != FatEntryFree && value != FatEntryReserved);
            differs = differs || value != first;
        }
        if (differs && comparison.differingEntries++ == 0)
            comparison.firstDifference = entry;
        const qsizetype bit = qsizetype(entry - FirstDataEntry);
        if (used && !clusters.testBit(bit)) {
            clusters.setBit(bit);
            ++marked;
        }
    }
    return marked;
}
