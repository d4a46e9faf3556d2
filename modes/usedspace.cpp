#include "modes/usedspace.h"
#include "core/logger.h"
#include "filesystem/fat32parser.h"
#include "filesystem/ntfsparser.h"
#include "modes/copyplan.h"

#include <QList>
#include <memory>

UsedSpace::Result UsedSpace::addTo(CopyPlan& plan, const PartitionInfo& p, DeviceHandle* disk, uint64_t sourceOffset,
                                   uint64_t targetOffset, QString& fileSystemName, QString& reason)
{
    using FS = Tessarin::FileSystemType;
    reason.clear();
    QList<FS> candidates;
    if (p.fileSystem == FS::NTFS || p.fileSystem == FS::FAT32)
        candidates = {p.fileSystem};
    else if (p.fileSystem == FS::Unknown)  // enumeration did not see the volume: its boot sector tells
        candidates = {FS::NTFS, FS::FAT32};
    if (!disk)
        return Result::NoMap;
    for (FS fs : candidates) {
        std::unique_ptr<FileSystemBase> parser;
        if (fs == FS::NTFS)
            parser = std::make_unique<NTFSParser>();
        else
            parser = std::make_unique<FAT32Parser>();
        const bool loaded = parser->load(disk, sourceOffset, p.size);
        if (!parser->mapFault().isEmpty()) {
            fileSystemName = parser->fileSystemName();
            reason = parser->mapFault();
            Logger::instance().warning(QStringLiteral("The %1 usage map of partition %2 cannot be trusted: %3")
                                           .arg(fileSystemName, p.displayName(), reason));
            return Result::Damaged;
        }
        if (!loaded || !parser->isBitmapValid())
            continue;
        fileSystemName = parser->fileSystemName();
        if (parser->volumeSize() > p.size) {
            reason = QStringLiteral("the %1 volume claims %2 bytes in a partition of %3")
                         .arg(fileSystemName).arg(parser->volumeSize()).arg(p.size);
            Logger::instance().warning(QStringLiteral("%1 volume of partition %2 claims %3 bytes in a partition of %4")
                                           .arg(fileSystemName, p.displayName())
                                           .arg(parser->volumeSize())
                                           .arg(p.size));
            return Result::Damaged;
        }
        if (!plan.addUsed(sourceOffset, targetOffset, p.size, parser->usedSectorRanges(), parser->clusterSize())) {
            reason = QStringLiteral("the usage map reaches beyond the partition");
            Logger::instance().warning(QStringLiteral("Usage map of partition %1 reaches beyond the partition")
                                           .arg(p.displayName()));
            return Result::Damaged;
        }
        reason = parser->mapNotice();
        return Result::Planned;
    }
    return Result::NoMap;
}
