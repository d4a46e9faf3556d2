#include "ui/wizardstate.h"

#include "modes/datapartitionlabel.h"

int WizardState::sourceDiskNumber() const
{
    return isPartitionMode() ? sourcePartition().diskNumber : sourceDisk().diskNumber;
}

bool WizardState::offeredAsTarget(const DiskInfo& disk, int sourceDisk)
{
    return disk.diskNumber != sourceDisk && !disk.isSystemDisk;
}

void WizardState::chooseSourceDisk(const DiskInfo& disk)
{
    m_choices.sourceDisk = disk;
    m_choices.targetDisk = DiskInfo();
}

void WizardState::chooseSourcePartition(const PartitionInfo& partition)
{
    m_choices.sourcePartition = partition;
    m_choices.targetDisk = DiskInfo();
}

void WizardState::chooseTarget(const DiskInfo& disk)
{
    m_choices.targetDisk = disk;
}

void WizardState::clearSelections()
{
    m_choices.sourceDisk = DiskInfo();
    m_choices.sourcePartition = PartitionInfo();
    m_choices.targetDisk = DiskInfo();
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
    if (step < OptionsStep)
        return QString();
    QString error;
    if (!config().validate(error))
        return error;
    if (isSystemMode() && m_choices.resizeMode == Tessarin::ResizeMode::KeepAndCreateData)
        return DataPartitionLabel::problem(m_choices.dataPartitionLabel);
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
    config.fixBoot = !isPartitionMode();
    if (isSystemMode()) {
        config.targetBootMode = m_choices.targetBootMode;
        config.resizeMode = m_choices.resizeMode;
        config.dataPartitionLabel = m_choices.dataPartitionLabel;
    }
    return config;
}
