#include "core/cloneconfig.h"
#include "core/clonerefusal.h"

#include <QCoreApplication>
#include <QUuid>

CloneConfig::CloneConfig()
    : id(QUuid::createUuid().toString(QUuid::WithoutBraces)), createdAt(QDateTime::currentDateTime())
{
}

Tessarin::TargetBootMode CloneConfig::bootModeOf(const DiskInfo& source)
{
    return source.partitionStyle == Tessarin::PartitionStyle::MBR ? Tessarin::TargetBootMode::Legacy
                                                                   : Tessarin::TargetBootMode::Uefi;
}

QString CloneConfig::resizeModeName() const { return Tessarin::resizeModeEngineText(resizeMode); }

namespace {
// The disk the running system lives on is never written, whatever the mode.
bool checkTargetNotSystem(const CloneConfig& c, QString& error)
{
    if (!c.targetDisk.isSystemDisk)
        return true;
    error = CloneRefusal::runningSystem(c.targetDisk.diskNumber);
    return false;
}

bool checkDisks(const CloneConfig& c, QString& error)
{
    if (!c.sourceDisk.isValid()) {
        error = CloneRefusal::sourceInvalid();
        return false;
    }
    // A table that could not be read would make the copy a blank disk, or fail after the target was cleaned.
    if (!c.sourceDisk.tableReadError().isEmpty()) {
        error = c.sourceDisk.tableReadError();
        return false;
    }
    if (!c.targetDisk.isValid()) {
        error = CloneRefusal::targetInvalid();
        return false;
    }
    if (c.sourceDisk.diskNumber == c.targetDisk.diskNumber) {
        error = CloneRefusal::sameDisk();
        return false;
    }
    return checkTargetNotSystem(c, error);
}
}

bool CloneConfig::validate(QString& error) const
{
    using Tessarin::CloneModeType;
    switch (mode) {
    case CloneModeType::DiskClone:
        if (!checkDisks(*this, error))
            return false;
        if (targetDisk.size < sourceDisk.size) {
            error = CloneRefusal::targetSmaller();
            return false;
        }
        return true;
    case CloneModeType::SystemClone:
        if (!checkDisks(*this, error))
            return false;
        if (sectorBySector && targetDisk.size < sourceDisk.size) {
            error = CloneRefusal::sectorBySectorTargetSmaller();
            return false;
        }
        return true;
    case CloneModeType::PartitionClone: {
        if (!sourcePartition.isValid()) {
            error = QCoreApplication::translate("CloneConfig", "Source partition is not valid");
            return false;
        }
        const bool targetDiskValid = targetDisk.diskNumber >= 0 && targetDisk.size > 0;
        const bool targetPartValid = targetPartition.isValid();
        if ((!targetDiskValid && !targetPartValid) || (partitionTarget == PartitionTarget::Partition && !targetPartValid)) {
            error = QCoreApplication::translate("CloneConfig", "Target disk or partition is not valid");
            return false;
        }
        if (targetDiskValid && !checkTargetNotSystem(*this, error))
            return false;
        if (targetDiskValid && !targetPartValid && sourcePartition.diskNumber == targetDisk.diskNumber) {
            error = QCoreApplication::translate("CloneConfig", "Source partition and target disk cannot be on the same disk");
            return false;
        }
        if (targetPartValid && targetPartition.diskNumber == sourcePartition.diskNumber
            && targetPartition.partitionNumber == sourcePartition.partitionNumber) {
            error = QCoreApplication::translate("CloneConfig", "Source and target partition cannot be the same");
            return false;
        }
        return true;
    }
    }
    return true;
}
