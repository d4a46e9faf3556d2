#pragma once
#include "core/partitioninfo.h"
#include "modes/uefimigrationlayout.h"

#include <QList>
#include <QString>
#include <vector>

class DiskIO;

// The target side of a BIOS-to-UEFI system clone: the new GPT entries on the empty table the
// clean left, and the FAT32 file system of the new EFI system partition.
class UefiMigrationTarget {
public:
    UefiMigrationTarget(DiskIO& disk, int diskNumber, uint32_t sectorSize)
        : m_disk(disk), m_diskNumber(diskNumber), m_sectorSize(sectorSize) {}

    // One entry per `entries` with a new unique GUID; a copied partition gets the type its record
    // stands for (recovery or basic data), and `partitions` (the placed ones) take the new types.
    bool writeTable(const std::vector<UefiMigrationLayout::Entry>& entries, QList<PartitionInfo>& partitions);
    // Formats the partition at UefiMigrationLayout::EspOffset with FAT32 through the platform's tool.
    bool formatEsp();

    QString lastError() const { return m_lastError; }

private:
    bool fail(const QString& message);

    DiskIO& m_disk;
    int m_diskNumber;
    uint32_t m_sectorSize;
    QString m_lastError;
};
