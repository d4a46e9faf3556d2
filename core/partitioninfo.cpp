#include "core/partitioninfo.h"

#include <QCoreApplication>

QString PartitionInfo::displayName() const
{
    if (!driveLetter.isEmpty())
        return label.isEmpty() ? driveLetter : QStringLiteral("%1 (%2)").arg(driveLetter, label);
    if (!label.isEmpty())
        return label;
    if (isEfi)
        return QCoreApplication::translate("PartitionInfo", "EFI System Partition");
    if (isRecovery)
        return QCoreApplication::translate("PartitionInfo", "Recovery Partition");
    if (hasBootFiles && !holdsWindows())
        return QCoreApplication::translate("PartitionInfo", "System Reserved");
    return QCoreApplication::translate("PartitionInfo", "Partition %1").arg(partitionNumber);
}

int PartitionInfo::legacyBootIndex(const QList<PartitionInfo>& partitions)
{
    int bootFiles = -1, active = -1;
    for (int i = 0; i < partitions.size(); ++i) {
        const PartitionInfo& p = partitions[i];
        if (p.size == 0 || !p.typeGuid.isEmpty())
            continue;
        if (p.isActive && !p.holdsWindows())
            return i;
        if (p.hasBootFiles && bootFiles < 0)
            bootFiles = i;
        if (p.isActive && active < 0)
            active = i;
    }
    return bootFiles >= 0 ? bootFiles : active;
}

QString PartitionInfo::sizeString() const { return Tessarin::formatSize(size, 2); }

double PartitionInfo::usagePercent() const
{
    if (size == 0)
        return 0.0;
    return static_cast<double>(usedSpace) / static_cast<double>(size) * 100.0;
}

QString PartitionInfo::fileSystemText() const
{
    if (!fileSystemName.isEmpty())
        return fileSystemName;
    switch (fileSystem) {
    case Tessarin::FileSystemType::NTFS: return QStringLiteral("NTFS");
    case Tessarin::FileSystemType::FAT32: return QStringLiteral("FAT32");
    case Tessarin::FileSystemType::FAT: return QStringLiteral("FAT");
    case Tessarin::FileSystemType::exFAT: return QStringLiteral("exFAT");
    case Tessarin::FileSystemType::Unknown: break;
    }
    return QString();
}
