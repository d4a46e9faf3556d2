#include "partition/diskaccess.h"
#include "core/diskio.h"

bool DiskAccess::read(DiskIO& disk, uint64_t offset, uint64_t length, QByteArray& out)
{
    out = QByteArray(qsizetype(length), '\0');
    return disk.readTargetBytes(offset, length, out.data());
}

bool DiskAccess::write(DiskIO& disk, uint64_t offset, const QByteArray& data)
{
    return disk.writeTargetBytes(offset, uint64_t(data.size()), data.constData());
}

void DiskAccess::flushWrites(DiskIO& disk) { disk.flushTarget(); }

void DiskAccess::rereadLayout(DiskIO& disk)
{
    disk.flushTarget();
    const int number = disk.targetDiskNumber();
    if (number < 0)
        return;
    DiskHandle handle = DiskIO::openDisk(number, false);
    if (handle)
        DiskIO::updateDiskProperties(handle.get());
}

uint64_t DiskAccess::targetSectors(DiskIO& disk, uint32_t sectorSize)
{
    const int number = disk.targetDiskNumber();
    if (number < 0 || sectorSize == 0)
        return 0;
    DiskHandle handle = DiskIO::openDisk(number, false);
    DiskGeometry geometry;
    if (!handle || !DiskIO::getDiskGeometry(handle.get(), geometry) || geometry.diskSize <= 0)
        return 0;
    return uint64_t(geometry.diskSize) / sectorSize;
}
