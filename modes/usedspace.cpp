#include "modes/usedspace.h"
#include "core/logger.h"
#include "filesystem/fat32parser.h"
#include "filesystem/ntfsparser.h"
#include "modes/copyplan.h"

#include <QList>
#include <algorithm>
#include <memory>

namespace {
QList<Tessarin::FileSystemType> candidatesFor(const PartitionInfo& p)
{
    using FS = Tessarin::FileSystemType;
    if (p.fileSystem == FS::NTFS || p.fileSystem == FS::FAT32)
        return {p.fileSystem};
    if (p.fileSystem == FS::Unknown)  // enumeration did not see the volume: its boot sector tells
        return {FS::NTFS, FS::FAT32};
    return {};
}

std::unique_ptr<FileSystemBase> parserFor(Tessarin::FileSystemType fs)
{
    if (fs == Tessarin::FileSystemType::NTFS)
        return std::make_unique<NTFSParser>();
    return std::make_unique<FAT32Parser>();
}
} // namespace

bool UsedSpace::measure(const PartitionInfo& p, DeviceHandle* disk, uint64_t& usedBytes)
{
    if (!disk || p.isMsr)
        return false;
    for (Tessarin::FileSystemType fs : candidatesFor(p)) {
        std::unique_ptr<FileSystemBase> parser = parserFor(fs);
        if (!parser->load(disk, p.startByte(), p.size) || !parser->isBitmapValid() || !parser->mapFault().isEmpty()
            || parser->volumeSize() > p.size)
            continue;
        usedBytes = std::min<uint64_t>(parser->usedClusters() * parser->clusterSize(), p.size);
        return true;
    }
    return false;
}

UsedSpace::Result UsedSpace::addTo(CopyPlan& plan, const PartitionInfo& p, DeviceHandle* disk, uint64_t sourceOffset,
                                   uint64_t targetOffset, QString& fileSystemName, QString& reason)
{
    reason.clear();
    if (!disk)
        return Result::NoMap;
    for (Tessarin::FileSystemType fs : candidatesFor(p)) {
        std::unique_ptr<FileSystemBase> parser = parserFor(fs);
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
