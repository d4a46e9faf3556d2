#include "core/diskinfo.h"

#include <QCoreApplication>
#include <algorithm>
#include <utility>
#include <vector>

QString DiskInfo::displayName() const
{
    if (model.isEmpty())
        return QCoreApplication::translate("DiskInfo", "Disk %1").arg(diskNumber);
    return QCoreApplication::translate("DiskInfo", "Disk %1 - %2").arg(diskNumber).arg(model);
}

QString DiskInfo::sizeString() const { return Tessarin::formatSize(size, 2); }

QString DiskInfo::tableReadError() const
{
    if (unreadableTableSector < 0)
        return QString();
    return QCoreApplication::translate("DiskInfo", "Cannot read the partition table: sector %1 unreadable").arg(unreadableTableSector);
}

uint64_t DiskInfo::unallocatedSpace() const
{
    if (unreadableTableSector >= 0)
        return 0;
    std::vector<std::pair<uint64_t, uint64_t>> spans;
    for (const PartitionInfo& p : partitions) {
        const uint64_t begin = std::min(p.startByte(), size);
        spans.emplace_back(begin, std::min(size, begin + std::min(p.size, size - begin)));
    }
    std::sort(spans.begin(), spans.end());
    uint64_t covered = 0;
    uint64_t reached = 0;
    for (const auto& [begin, end] : spans) {
        const uint64_t from = std::max(begin, reached);
        if (end > from)
            covered += end - from;
        reached = std::max(reached, end);
    }
    return size - covered;
}
