#pragma once
#include "core/partitioninfo.h"

#include <QList>
#include <QString>
#include <QMetaType>
#include <cstdint>

// One physical disk.
class DiskInfo {
public:
    int32_t diskNumber = -1;
    QString devicePath;      // "\\.\PhysicalDrive%1"
    QString realPath;        // what the number stands for on this machine ("/dev/sdb", an image file)
    QString model;
    QString serialNumber;
    uint64_t size = 0;
    // The table's own identity, to know the disk again when drive numbers move.
    uint32_t mbrSignature = 0;
    QString gptDiskGuid;
    uint64_t usedSpace = 0;
    uint32_t sectorSize = 512;
    uint64_t totalSectors = 0;
    Tessarin::PartitionStyle partitionStyle = Tessarin::PartitionStyle::Unknown;
    bool isSystemDisk = false;
    bool isSsd = false;
    QString busType;
    QList<PartitionInfo> partitions;
    // The first sector of the table area that could not be read, or -1. Such a disk's table is
    // not known: it may hold partitions that are not listed.
    int64_t unreadableTableSector = -1;

    bool isValid() const { return diskNumber >= 0 && size > 0; }
    QString displayName() const;
    QString sizeString() const;
    // "Cannot read the partition table: sector N unreadable"; empty when the table area was read.
    QString tableReadError() const;
    // Bytes no partition covers (overlaps counted once); 0 when the table could not be read.
    uint64_t unallocatedSpace() const;
};

Q_DECLARE_METATYPE(DiskInfo)
