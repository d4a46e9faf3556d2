#include "filesystem/filesystembase.h"

#include "core/logger.h"
#include "core/rawdisk.h"

#include <algorithm>
#include <cstring>

namespace {
constexpr uint64_t ReadChunkBytes = 1024 * 1024;

// Index of the first bit at or after `from` that equals `value` (LSB-first bytes), or `size`.
uint64_t findBit(const uint8_t* bits, uint64_t size, uint64_t from, bool value)
{
    const uint8_t emptyByte = value ? 0x00 : 0xFF;
    const uint64_t emptyWord = value ? 0 : ~uint64_t(0);
    uint64_t i = from;
    while (i < size) {
        if ((i & 7) == 0) {
            uint64_t word;
            while (i + 64 <= size && (std::memcpy(&word, bits + i / 8, 8), word == emptyWord))
                i += 64;
            while (i + 8 <= size && bits[i / 8] == emptyByte)
                i += 8;
            if (i >= size)
                break;
        }
        if (bool((bits[i >> 3] >> (i & 7)) & 1) == value)
            return i;
        ++i;
    }
    return size;
}

uint64_t mappedVolumeSectors(const FileSystemBase::UsageLayout& layout, uint64_t clusters)
{
    return std::max(layout.clusterAreaStart + clusters * layout.sectorsPerCluster,
                    layout.extraStart + layout.extraCount);
}
}

FileSystemBase::FileSystemBase(QObject* parent)
    : QObject(parent)
{
}

FileSystemBase::~FileSystemBase() = default;

QBitArray FileSystemBase::clusterBitmap() const
{
    return m_clusterBitmap;
}

SectorRanges FileSystemBase::rangesFromClusterBitmap(const QBitArray& clusters, const UsageLayout& layout)
{
    SectorRanges ranges;
    if (clusters.isEmpty() || layout.sectorsPerCluster == 0 || layout.sectorSize < 512)
        return ranges;
    const uint64_t factor = layout.sectorSize / 512;
    auto add = [&](uint64_t volumeStart, uint64_t volumeCount) {
        if (volumeCount == 0)
            return;
        const SectorRange r{volumeStart * factor, volumeCount * factor};
        if (!ranges.isEmpty() && ranges.last().endSector() >= r.startSector)
            ranges.last().sectorCount = std::max(ranges.last().endSector(), r.endSector()) - ranges.last().startSector;
        else
            ranges.append(r);
    };

    add(0, layout.clusterAreaStart);
    const auto* bits = reinterpret_cast<const uint8_t*>(clusters.bits());
    const uint64_t size = uint64_t(clusters.size());
    uint64_t pos = 0;
    while (pos < size) {
        const uint64_t start = findBit(bits, size, pos, true);
        if (start >= size)
            break;
        const uint64_t end = findBit(bits, size, start, false);
        add(layout.clusterAreaStart + start * layout.sectorsPerCluster, (end - start) * layout.sectorsPerCluster);
        pos = end;
    }

    if (layout.extraCount != 0) {
        const SectorRange extra{layout.extraStart * factor, layout.extraCount * factor};
        auto at = std::lower_bound(ranges.begin(), ranges.end(), extra,
                                   [](const SectorRange& a, const SectorRange& b) { return a.startSector < b.startSector; });
        ranges.insert(at, extra);
        SectorRanges merged;
        for (const SectorRange& r : ranges) {
            if (!merged.isEmpty() && merged.last().endSector() >= r.startSector)
                merged.last().sectorCount = std::max(merged.last().endSector(), r.endSector()) - merged.last().startSector;
            else
                merged.append(r);
        }
        ranges = merged;
    }
    return ranges;
}

SectorRanges FileSystemBase::usedSectorRanges() const
{
    if (m_clusterBitmap.isEmpty()) {
        SectorRanges whole;
        if (m_partitionSize >= 512)
            whole.append(SectorRange{0, m_partitionSize / 512});
        return whole;
    }
    return rangesFromClusterBitmap(m_clusterBitmap, usageLayout());
}

QBitArray FileSystemBase::sectorBitmap() const
{
    if (m_clusterBitmap.isEmpty())
        return QBitArray();
    const UsageLayout layout = usageLayout();
    if (layout.sectorsPerCluster == 0 || layout.sectorSize < 512)
        return QBitArray();
    const uint64_t factor = layout.sectorSize / 512;
    QBitArray bits{qsizetype(mappedVolumeSectors(layout, uint64_t(m_clusterBitmap.size())))};
    for (const SectorRange& r : rangesFromClusterBitmap(m_clusterBitmap, layout))
        bits.fill(true, qsizetype(r.startSector / factor), qsizetype(r.endSector() / factor));
    return bits;
}

bool FileSystemBase::buildSectorMap(const QString& owner)
{
    m_sectorMap.clear();
    const UsageLayout layout = usageLayout();
    if (m_clusterBitmap.isEmpty() || layout.sectorsPerCluster == 0 || layout.sectorSize < 512)
        return false;
    const uint64_t entries = mappedVolumeSectors(layout, uint64_t(m_clusterBitmap.size())) * (layout.sectorSize / 512);
    if (entries > MaxSectorMapEntries) {
        // A capped map would silently drop the used data behind the cap.
        Logger::instance().warning(QStringLiteral("%1: Sector bitmap too large (%2), not built (limit %3); "
                                                  "use the used-sector ranges or copy in full")
                                       .arg(owner).arg(entries).arg(MaxSectorMapEntries));
        return false;
    }
    m_sectorMap = QByteArray(qsizetype(entries), '\0');
    char* map = m_sectorMap.data();
    for (const SectorRange& r : rangesFromClusterBitmap(m_clusterBitmap, layout))
        std::memset(map + r.startSector, 1, size_t(r.sectorCount));
    return true;
}

bool FileSystemBase::readVolume(uint64_t volumeOffset, void* buffer, uint64_t length)
{
    if (!m_diskHandle || volumeOffset % 512 != 0 || length % 512 != 0)
        return false;
    auto* out = static_cast<uint8_t*>(buffer);
    uint64_t done = 0;
    while (done < length) {
        const uint64_t piece = std::min(ReadChunkBytes, length - done);
        if (!RawDisk::readSectorsAligned(m_diskHandle, (m_partitionOffset + volumeOffset + done) / 512,
                                        uint32_t(piece / 512), out + done, 512, m_ioAlignment))
            return false;
        done += piece;
    }
    return true;
}

uint64_t FileSystemBase::volumeLimit() const
{
    if (m_partitionSize != 0)
        return m_partitionSize;
    PlatformGeometry geometry;
    if (m_diskHandle && m_diskHandle->geometry(geometry) && uint64_t(geometry.diskSize) > m_partitionOffset)
        return uint64_t(geometry.diskSize) - m_partitionOffset;
    return 0;
}

void FileSystemBase::storeLoadArguments(DeviceHandle* handle, uint64_t partitionOffset, uint64_t partitionSize)
{
    m_diskHandle = handle;
    m_mapFault.clear();
    m_mapNotice.clear();
    m_partitionOffset = partitionOffset;
    m_partitionSize = partitionSize;
    m_ioAlignment = 4096;
    PlatformAccessAlignment alignment;
    if (handle && handle->accessAlignment(alignment) && alignment.bytesPerPhysicalSector > m_ioAlignment
        && alignment.bytesPerPhysicalSector <= 65536
        && (alignment.bytesPerPhysicalSector & (alignment.bytesPerPhysicalSector - 1)) == 0)
        m_ioAlignment = alignment.bytesPerPhysicalSector;
}
