#include "modes/usedspace.h"
#include "core/diskio.h"
#include "core/logger.h"
#include "filesystem/fat32parser.h"
#include "filesystem/ntfsparser.h"
#include "modes/copyplan.h"

#include <QList>
#include <memory>

UsedSpace::Result UsedSpace::addTo(CopyPlan& plan, const PartitionInfo& p, int diskNumber, uint64_t sourceOffset,
                                   uint64_t targetOffset, QString& fileSystemName)
{
    using FS = Tessarin::FileSystemType;
    QList<FS> candidates;
    if (p.fileSystem == FS::NTFS || p.fileSystem == FS::FAT32)
        candidates = {p.fileSystem};
    else if (p.fileSystem == FS::Unknown)  // enumeration did not see the volume: its boot sector tells
        candidates = {FS::NTFS, FS::FAT32};
    DiskHandle handle = candidates.isEmpty() ? DiskHandle() : DiskIO::openDisk(diskNumber, false);
    if (!handle)
        return Result::NoMap;
    for (FS fs : candidates) {
        std::unique_ptr<FileSystemBase> parser;
        if (fs == FS::NTFS)
            parser = std::make_unique<NTFSParser>();
        else
            parser = std::make_unique<FAT32Parser>();
        if (!parser->load(handle.get(), sourceOffset, p.size) || !parser->isBitmapValid())
            continue;
        fileSystemName = parser->fileSystemName();
        if (parser->volumeSize() > p.size) {
            Logger::instance().warning(QStringLiteral("%1 volume of partition %2 claims %3 bytes in a partition of %4")
                                           .arg(fileSystemName, p.displayName())
                                           .arg(parser->volumeSize())
                                           .arg(p.size));
            return Result::Damaged;
        }
        if (!plan.addUsed(sourceOffset, targetOffset, p.size, parser->usedSectorRanges(), parser->clusterSize())) {
            Logger::instance().warning(QStringLiteral("Usage map of partition %1 reaches beyond the partition")
                                           .arg(p.displayName()));
            return Result::Damaged;
        }
        return Result::Planned;
    }
    return Result::NoMap;
}
