#include "modes/unreadableowners.h"

#include "core/readonlydisk.h"
#include "filesystem/ntfsclusterowners.h"
#include "ondisk/ntfsbootsector.h"

#include <algorithm>
#include <vector>

QStringList UnreadableOwners::describe(const DiskInfo& source, const UnreadableMap& map)
{
    QStringList lines;
    if (map.isEmpty())
        return lines;
    ReadOnlyDisk disk;
    if (!disk.open(source.diskNumber))
        return lines;
    const uint64_t sector = disk.sectorSize();
    for (const PartitionInfo& p : source.partitions) {
        // Partition records count 512-byte units whatever the disk's sector size.
        const uint64_t start = p.startByte(), end = start + p.size;
        const auto readVolume = [&](uint64_t offset, uint64_t length, void* buffer) {
            return offset + length <= p.size && disk.read(start + offset, length, buffer);
        };
        std::vector<uint8_t> boot(NtfsBootSector::Size);
        NtfsBootSector ntfs;
        if (p.size == 0 || !readVolume(0, boot.size(), boot.data())
            || NtfsBootSector::decode(boot.data(), boot.size(), p.size, ntfs) != NtfsBootSector::Status::Ok)
            continue;
        std::vector<std::pair<uint64_t, uint64_t>> clusters;
        for (const auto& [first, count] : map.ranges()) {
            const uint64_t from = std::max(first * sector, start), to = std::min((first + count) * sector, end);
            if (from >= to)
                continue;
            const uint64_t lcn = (from - start) / ntfs.clusterSize;
            clusters.emplace_back(lcn, (to - start + ntfs.clusterSize - 1) / ntfs.clusterSize - lcn);
        }
        if (clusters.empty())
            continue;
        QStringList owners;
        QString error;
        if (!NtfsClusterOwners::find(readVolume, clusters, owners, error))
            lines << QStringLiteral("Partition %1 (NTFS): the files of the unreadable clusters cannot be named: %2")
                         .arg(p.partitionNumber).arg(error);
        else if (owners.isEmpty())
            lines << QStringLiteral("Partition %1 (NTFS): the unreadable clusters belong to no file").arg(p.partitionNumber);
        else
            lines << QStringLiteral("Partition %1 (NTFS): unreadable clusters in %2").arg(p.partitionNumber).arg(owners.join(QStringLiteral(", ")));
    }
    return lines;
}
