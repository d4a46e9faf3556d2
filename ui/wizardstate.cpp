#include "ui/wizardstate.h"

#include "modes/datapartitionlabel.h"

#include <QStringList>

namespace {
// The display names of `disk`'s partitions but `except`, for the confirmation.
QString partitionNames(const DiskInfo& disk, const PartitionInfo& except = PartitionInfo())
{
    QStringList names;
    for (const PartitionInfo& p : disk.partitions)
        if (p.partitionNumber != except.partitionNumber)
            names << p.displayName();
    return names.isEmpty() ? WizardState::tr("none") : names.join(QStringLiteral(", "));
}
}

int WizardState::sourceDiskNumber() const
{
    return isPartitionMode() ? sourcePartition().diskNumber : sourceDisk().diskNumber;
}

bool WizardState::offeredAsTarget(const DiskInfo& disk, int sourceDisk)
{
    return disk.diskNumber != sourceDisk && !disk.isSystemDisk;
}

FreeRegion::Span WizardState::offeredFreeRegion(const DiskInfo& disk, const PartitionInfo& source)
{
    if (!FreeRegion::holds(disk, source.size))
        return {};
    return FreeRegion::ofDisk(disk);
}

bool WizardState::offeredAsTargetPartition(const PartitionInfo& partition, const PartitionInfo& source)
{
    // The clone refuses a mounted target partition; on Linux driveLetter holds the mount point.
    return partition.isValid() && partition.diskNumber != source.diskNumber && partition.size >= source.size
           && partition.driveLetter.isEmpty();
}

void WizardState::chooseSourceDisk(const DiskInfo& disk)
{
    m_choices.sourceDisk = disk;
    m_choices.targetDisk = DiskInfo();
    if (!m_bootModeChosen)
        m_choices.targetBootMode = CloneConfig::bootModeOf(disk);
}

void WizardState::chooseSourcePartition(const PartitionInfo& partition)
{
    m_choices.sourcePartition = partition;
    m_choices.targetDisk = DiskInfo();
}

void WizardState::chooseTarget(const DiskInfo& disk)
{
    m_choices.targetDisk = disk;
    chooseTargetPlace(CloneConfig::PartitionTarget::WholeDisk);
}

void WizardState::chooseTargetPlace(CloneConfig::PartitionTarget place, const PartitionInfo& partition)
{
    m_choices.partitionTarget = place;
    m_choices.targetPartition = place == CloneConfig::PartitionTarget::Partition ? partition : PartitionInfo();
}

void WizardState::clearSelections()
{
    m_choices.sourceDisk = DiskInfo();
    m_choices.sourcePartition = PartitionInfo();
    m_choices.targetDisk = DiskInfo();
    m_choices.targetPartition = PartitionInfo();
}

void WizardState::updateDisks(const QList<DiskInfo>& disks)
{
    const auto fresh = [&disks](int number) {
        for (const DiskInfo& d : disks)
            if (number >= 0 && d.diskNumber == number)
                return d;
        return DiskInfo();
    };
    m_choices.sourceDisk = fresh(m_choices.sourceDisk.diskNumber);
    m_choices.targetDisk = fresh(m_choices.targetDisk.diskNumber);
    PartitionInfo partition;
    for (const PartitionInfo& p : fresh(m_choices.sourcePartition.diskNumber).partitions)
        if (p.partitionNumber == m_choices.sourcePartition.partitionNumber)
            partition = p;
    m_choices.sourcePartition = partition;
    PartitionInfo target;
    for (const PartitionInfo& p : m_choices.targetDisk.partitions)
        if (m_choices.targetPartition.isValid() && p.partitionNumber == m_choices.targetPartition.partitionNumber)
            target = p;
    m_choices.targetPartition = target;
}

void WizardState::setCopyOptions(bool smartClone, bool align4K, bool sectorBySector)
{
    m_choices.smartClone = smartClone;
    m_choices.align4K = align4K;
    m_choices.sectorBySector = sectorBySector;
}

void WizardState::setSafetyOptions(bool verify, bool continueOnReadErrors)
{
    m_choices.verify = verify;
    m_choices.continueOnReadErrors = continueOnReadErrors;
}

void WizardState::setSpaceAllocation(Tessarin::ResizeMode mode, const QString& dataPartitionLabel)
{
    m_choices.resizeMode = mode;
    m_choices.dataPartitionLabel = dataPartitionLabel;
}

QString WizardState::check(int step) const
{
    if (isPartitionMode() && !sourcePartition().isValid())
        return tr("Please select a source partition.");
    if (!isPartitionMode() && !sourceDisk().isValid())
        return tr("Please select a source disk.");
    if (step < TargetStep)
        return QString();
    if (!targetDisk().isValid() || !offeredAsTarget(targetDisk(), sourceDiskNumber()))
        return tr("Please select a target disk.");
    if (const QString place = isPartitionMode() ? checkTargetPlace() : QString(); !place.isEmpty())
        return place;
    if (step < OptionsStep)
        return QString();
    QString error;
    if (!config().validate(error))
        return error;
    if (isSystemMode() && m_choices.resizeMode == Tessarin::ResizeMode::KeepAndCreateData)
        return DataPartitionLabel::problem(m_choices.dataPartitionLabel);
    return QString();
}

QString WizardState::checkTargetPlace() const
{
    using Place = CloneConfig::PartitionTarget;
    const PartitionInfo& target = targetPartition();
    if (targetPlace() == Place::FreeRegion && offeredFreeRegion(targetDisk(), sourcePartition()).bytes == 0)
        return tr("Disk %1 has no free region large enough for the source partition.").arg(targetDisk().diskNumber);
    if (targetPlace() == Place::Partition
        && (target.diskNumber != targetDisk().diskNumber || !offeredAsTargetPartition(target, sourcePartition())))
        return tr("Please select a target partition at least as large as the source partition.");
    return QString();
}

CloneConfig WizardState::config() const
{
    CloneConfig config;
    config.mode = mode();
    if (isPartitionMode())
        config.sourcePartition = sourcePartition();
    else
        config.sourceDisk = sourceDisk();
    config.targetDisk = targetDisk();
    config.smartClone = m_choices.smartClone;
    config.align4K = m_choices.align4K;
    config.sectorBySector = m_choices.sectorBySector;
    config.verify = m_choices.verify;
    config.continueOnReadErrors = m_choices.continueOnReadErrors;
    config.allowLiveSource = m_choices.allowLiveSource;
    config.fixBoot = !isPartitionMode();
    if (isPartitionMode()) {
        config.partitionTarget = targetPlace();
        config.targetPartition = targetPartition();
    }
    if (isSystemMode()) {
        config.targetBootMode = m_choices.targetBootMode;
        config.resizeMode = m_choices.resizeMode;
        config.dataPartitionLabel = m_choices.dataPartitionLabel;
    }
    return config;
}

QString WizardState::confirmationText(const ClonePlan& plan) const
{
    const DiskInfo& target = targetDisk();
    const QString source =
        isPartitionMode()
            ? tr("Source: partition %1 (%2) on disk %3")
                  .arg(sourcePartition().displayName(), sourcePartition().sizeString())
                  .arg(sourcePartition().diskNumber)
            : tr("Source: %1 (%2, %3)").arg(sourceDisk().displayName(), sourceDisk().sizeString(), sourceDisk().devicePath);
    QString text = source + QLatin1Char('\n')
                   + tr("Target: %1 (%2, %3)").arg(target.displayName(), target.sizeString(), target.devicePath)
                   + QStringLiteral("\n\n") + erasureText() + QStringLiteral("\n\n");
    const QString steps = planText(plan);
    if (!steps.isEmpty())
        text += steps + QLatin1Char('\n');
    return text + tr("Continue?");
}

QString WizardState::erasureText() const
{
    const DiskInfo& target = targetDisk();
    if (!isPartitionMode())
        return tr("All data on the target disk will be erased.");
    switch (targetPlace()) {
    case CloneConfig::PartitionTarget::FreeRegion: {
        const FreeRegion::Span region = offeredFreeRegion(target, sourcePartition());
        return tr("The copy becomes a new partition in the disk's free region of %1 at %2. Nothing is overwritten; "
                  "every partition on the disk stays: %3.")
            .arg(Tessarin::formatSize(region.bytes, 2), Tessarin::formatSize(region.start, 2), partitionNames(target));
    }
    case CloneConfig::PartitionTarget::Partition:
        return tr("Partition %1 (%2, %3) will be overwritten and everything on it lost. The disk's other partitions "
                  "stay: %4.")
            .arg(targetPartition().partitionNumber)
            .arg(targetPartition().displayName(), targetPartition().sizeString(), partitionNames(target, targetPartition()));
    case CloneConfig::PartitionTarget::WholeDisk:
        break;
    }
    return tr("The whole target disk will be erased, with every partition on it: %1.").arg(partitionNames(target));
}

QString WizardState::planText(const ClonePlan& plan)
{
    QString text;
    const auto section = [&text](const QString& title, const QStringList& lines) {
        if (lines.isEmpty())
            return;
        text += title + QLatin1Char('\n');
        for (const QString& line : lines)
            text += QStringLiteral("  ") + line + QLatin1Char('\n');
    };
    QStringList copies;
    for (const ClonePlan::Copy& c : plan.copies) {
        const CopyExtent first = c.extents.empty() ? CopyExtent{} : c.extents.front();
        const QString method = c.method == ClonePlan::Method::Smart            ? tr("used data only")
                               : c.method == ClonePlan::Method::SectorBySector ? tr("sector by sector")
                                                                               : tr("in full");
        copies << tr("%1: %2, sector %3 to sector %4, %5")
                      .arg(c.name, method)
                      .arg(first.sourceOffset / plan.sectorSize)
                      .arg(first.targetOffset / plan.sectorSize)
                      .arg(Tessarin::formatSize(c.bytes, 2));
    }
    if (!copies.isEmpty())
        copies << tr("Total: %1").arg(Tessarin::formatSize(plan.totalBytes(), 2));
    section(tr("Copied to the target:"), copies);
    section(tr("Partition table:"), plan.table);
    section(tr("Remaining space:"), plan.space);
    section(tr("Boot repair:"), plan.boot);
    return text;
}
