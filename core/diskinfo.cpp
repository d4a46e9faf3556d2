#include "core/diskinfo.h"

#include <QCoreApplication>

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
