#pragma once
#include "core/diskinfo.h"

#include <QDateTime>
#include <QString>
#include <QMetaType>

// The user's clone request.
class CloneConfig {
public:
    CloneConfig();

    QString id;  // random UUID without braces
    Tessarin::CloneModeType mode = Tessarin::CloneModeType::DiskClone;
    DiskInfo sourceDisk;
    DiskInfo targetDisk;
    PartitionInfo sourcePartition;
    PartitionInfo targetPartition;
    // Where a partition clone goes: the whole target disk is erased first, the copy goes into the
    // disk's largest free region and every other partition stays, or it goes onto targetPartition.
    enum class PartitionTarget { WholeDisk, FreeRegion, Partition };
    PartitionTarget partitionTarget = PartitionTarget::WholeDisk;
    bool smartClone = true;
    bool align4K = true;
    bool sectorBySector = false;
    bool fixBoot = true;
    // Read every written extent back from the target after the copy and compare it with the source.
    bool verify = false;
    // Copy past unreadable source sectors (zeros in their place) instead of stopping at the first.
    bool continueOnReadErrors = false;
    // Read source volumes that are mounted read-write and cannot be snapshotted as they change.
    bool allowLiveSource = false;
    // Go on with the interrupted run of the same disks and plan that its journal records: what it
    // copied is skipped, everything else is done as a fresh run would.
    bool resume = false;
    // After a smart copy, give the target's storage of the copied partitions' free space back
    // (holes in an image file, a trim on a disk).
    bool discardFreeSpace = true;
    Tessarin::TargetBootMode targetBootMode = Tessarin::TargetBootMode::Uefi;
    Tessarin::ResizeMode resizeMode = Tessarin::ResizeMode::KeepAndCreateData;
    QString dataPartitionLabel = QStringLiteral("Data");
    QDateTime createdAt;

    // The boot mode a system clone keeps unless the user asks for another: the source's own, so
    // a BIOS installation is moved to UEFI only on request.
    static Tessarin::TargetBootMode bootModeOf(const DiskInfo& source);

    QString resizeModeName() const;
    bool validate(QString& error) const;
};

Q_DECLARE_METATYPE(CloneConfig)
