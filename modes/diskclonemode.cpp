#include "modes/diskclonemode.h"

#include "boot/bcdeditor.h"
#include "boot/bootmanager.h"
#include "boot/bootplatform.h"
#include "boot/boottoolavailability.h"
#include "boot/diskclonebootrepair.h"
#include "boot/offlinebootrepair.h"
#include "boot/offlineregistry.h"
#include "core/diskio.h"
#include "core/logger.h"
#include "modes/sourcetable.h"
#include "modes/usedspace.h"
#include "ondisk/mbrcodec.h"
#include "partition/gptdisk.h"
#include "partition/partitioningtool.h"
#include "partition/partitionresizer.h"


#include <memory>
#include <vector>

namespace {
constexpr int MaxExtendedRecords = 128;

Logger& log() { return Logger::instance(); }

QString gib(uint64_t bytes) { return QString::number(double(bytes) / (1ull << 30), 'f', 2); }
} // namespace

DiskCloneMode::DiskCloneMode(QObject* parent)
    : CloneMode(parent), m_bootManager(new BootManager(this)), m_bcdEditor(new BCDEditor(this)),
      m_resizer(new PartitionResizer(this))
{
}

DiskCloneMode::~DiskCloneMode()
{
    if (m_bootRepair && !m_bootRepair->mountedLetter().isEmpty() && m_bootRepair->mountedDisk() >= 0
        && m_bootRepair->mountedPartition() >= 0)
        m_bootRepair->unmountPartition(m_bootRepair->mountedDisk(), m_bootRepair->mountedPartition(),
                                       m_bootRepair->mountedLetter());
}

QString DiskCloneMode::name() const { return tr("Disk Clone"); }

int DiskCloneMode::type() const { return int(Tessarin::CloneModeType::DiskClone); }

QString DiskCloneMode::description() const { return tr("Clone entire disk including all partitions and boot records"); }

bool DiskCloneMode::isWindowsVolume(const PartitionInfo& partition)
{
    if (partition.hasWindows)
        return true;
    return !partition.driveLetter.isEmpty()
        && BootPlatform::exists(DiskCloneBootRepair::driveRoot(partition.driveLetter) + QStringLiteral("Windows\\System32"));
}

bool DiskCloneMode::sourceHasWindows() const
{
    for (const PartitionInfo& p : m_sourceDisk.partitions)
        if (isWindowsVolume(p))
            return true;
    return false;
}

QString DiskCloneMode::sectorSizeMismatch(uint32_t source, uint32_t target)
{
    return tr("Source and target disks have different logical sector sizes (%1 and %2 bytes); a disk clone needs "
              "the same sector size on both")
        .arg(source)
        .arg(target);
}

QString DiskCloneMode::tableDamaged(const QString& why)
{
    return tr("The source disk's partition table is damaged (%1); nothing was changed").arg(why);
}

bool DiskCloneMode::validate(QString& error)
{
    const DiskInfo& s = m_sourceDisk;
    const DiskInfo& t = m_targetDisk;
    if (s.diskNumber < 0 || s.size == 0)
        error = tr("Source disk is not valid");
    else if (t.diskNumber < 0 || t.size == 0)
        error = tr("Target disk is not valid");
    else if (s.diskNumber == t.diskNumber)
        error = tr("Source and target disk cannot be the same");
    else if (t.isSystemDisk)
        error = tr("The target disk holds the running system and cannot be overwritten");
    else if (t.size < s.size)
        error = tr("Disk clone requires a target disk that is not smaller than the source disk");
    else if (s.sectorSize != t.sectorSize)
        error = sectorSizeMismatch(s.sectorSize, t.sectorSize);
    else
        return true;
    return false;
}

bool DiskCloneMode::prepare()
{
    log().info(QStringLiteral("Preparing disk clone operation..."));
    if (!requireDiskIO())
        return false;
    // Everything that can refuse the clone runs before the clean, so a refusal leaves the target as it was.
    if (!m_diskIO->openSourceDisk(m_sourceDisk.diskNumber))
        return fail(tr("Failed to open source disk: %1").arg(m_diskIO->lastError()));
    m_sectorSize = m_diskIO->sourceLogicalSector();
    if (m_sectorSize != m_targetDisk.sectorSize)
        return fail(sectorSizeMismatch(m_sectorSize, m_targetDisk.sectorSize));
    if (!checkSourceTable() || !planCopy())
        return false;

    emit phaseChanged(tr("Cleaning target disk..."));
    beginTargetWrites();
    if (!cleanTarget())
        return false;
    if (!m_diskIO->openTargetDisk(m_targetDisk.diskNumber))
        return fail(tr("Failed to open target disk: %1").arg(m_diskIO->lastError()));
    if (m_diskIO->targetLogicalSector() != m_sectorSize)
        return fail(sectorSizeMismatch(m_sectorSize, m_diskIO->targetLogicalSector()));
    // The records are from enumeration; the device itself has the last word.
    const uint64_t targetBytes = m_diskIO->targetBytes() / m_sectorSize * m_sectorSize;
    if (targetBytes != 0 && targetBytes < m_sourceDisk.size)
        return fail(tr("Disk clone requires a target disk that is not smaller than the source disk"));
    m_diskIO->resetStats();
    connect(m_diskIO, &DiskIO::speedChanged, this, &CloneMode::speedChanged, Qt::UniqueConnection);

    m_totalBytes = 0;
    for (const Step& step : m_steps)
        m_totalBytes += step.bytes;
    log().info(QStringLiteral("Disk clone: source=%1 GB, target=%2 GB, smart=%3")
                   .arg(gib(m_sourceDisk.size), gib(m_targetDisk.size),
                        m_smartClone ? QStringLiteral("yes") : QStringLiteral("no")));
    log().info(QStringLiteral("Estimated bytes to copy: %1 MB").arg(m_totalBytes / CopyPlan::MiB));
    return true;
}

bool DiskCloneMode::checkSourceTable()
{
    SourceTable table;
    const GptDisk::ReadFn read = [this](uint64_t offset, uint64_t length, uint8_t* out) {
        return m_diskIO->readSourceBytes(offset, length, out);
    };
    const bool ok = table.load(read, m_sourceDisk, m_sectorSize);
    for (const QString& note : table.notes())
        log().warning(note);
    if (!ok)
        return fail(tableDamaged(table.error()));
    m_sourceTable = table.kind();
    m_sourceGpt = m_sourceTable == SourceTable::Kind::Gpt;
    m_tableBytes = table.tableBytes();
    return true;
}

bool DiskCloneMode::planCopy()
{
    m_steps.clear();
    if (m_sourceTable == SourceTable::Kind::None) {
        CopyPlan whole(m_sectorSize);
        whole.addInPlace(0, m_sourceDisk.size / m_sectorSize * m_sectorSize);
        m_steps.append({-1, tr("whole disk"), whole.extents(), whole.totalBytes()});
        return true;
    }
    CopyPlan table(m_sectorSize);
    table.addInPlace(0, std::min<uint64_t>(m_tableBytes, m_sourceDisk.size));
    if (!m_sourceGpt)
        addExtendedBootRecords(table);
    m_steps.append({-1, tr("partition table"), table.extents(), table.totalBytes()});

    for (int i = 0; i < m_sourceDisk.partitions.size(); ++i) {
        const PartitionInfo& p = m_sourceDisk.partitions[i];
        if (p.size == 0)
            continue;
        CopyPlan plan(m_sectorSize);
        if (!planPartition(p, plan))
            return false;
        m_steps.append({i, p.displayName(), plan.extents(), plan.totalBytes()});
    }
    return true;
}

bool DiskCloneMode::planPartition(const PartitionInfo& p, CopyPlan& plan)
{
    const uint64_t offset = p.startSector * 512;
    if (!m_smartClone || m_sectorBySector) {
        plan.addInPlace(offset, p.size);
        return true;
    }
    if (CopyPlan::isBootCritical(p, isWindowsVolume(p))) {
        log().info(QStringLiteral("Partition %1 is boot-critical, using full copy").arg(p.displayName()));
        plan.addInPlace(offset, p.size);
        return true;
    }
    QString fileSystem, reason;
    switch (UsedSpace::addTo(plan, p, m_diskIO->sourceDevice(), offset, offset, fileSystem, reason)) {
    case UsedSpace::Result::Planned:
        log().info(QStringLiteral("Smart copy of partition %1 (%2): %3 of %4 MB")
                       .arg(p.displayName(), fileSystem)
                       .arg(plan.totalBytes() / CopyPlan::MiB)
                       .arg(p.size / CopyPlan::MiB));
        if (!reason.isEmpty())
            addWarning(tr("Partition %1 (%2): %3").arg(p.displayName(), fileSystem, reason));
        return true;
    case UsedSpace::Result::Damaged:
        addWarning(tr("The usage map of partition %1 cannot be trusted (%2); the partition was copied whole")
                       .arg(p.displayName(), reason));
        break;
    case UsedSpace::Result::NoMap:
        log().warning(QStringLiteral("No usable file system usage map for partition %1, falling back to full copy")
                          .arg(p.displayName()));
        break;
    }
    plan = CopyPlan(m_sectorSize);
    plan.addInPlace(offset, p.size);
    return true;
}

void DiskCloneMode::addExtendedBootRecords(CopyPlan& plan)
{
    // Logical partitions are chained through records inside the extended partition, outside
    // every partition the enumeration lists.
    std::vector<uint8_t> sector(m_sectorSize);
    if (!m_diskIO->readSourceBytes(0, m_sectorSize, sector.data()) || !MbrCodec::hasBootSignature(sector))
        return;
    uint64_t extendedStart = 0;
    for (int i = 0; i < MbrCodec::EntryCount; ++i) {
        MbrCodec::Entry e;
        if (MbrCodec::entry(sector, i, e) && MbrCodec::isExtendedType(e.type) && e.firstLba != 0)
            extendedStart = e.firstLba;
    }
    uint64_t next = extendedStart;
    for (int n = 0; next != 0 && n < MaxExtendedRecords; ++n) {
        const uint64_t at = next * m_sectorSize;
        if (at + m_sectorSize > m_sourceDisk.size || !m_diskIO->readSourceBytes(at, m_sectorSize, sector.data())
            || !MbrCodec::hasBootSignature(sector))
            break;
        plan.addInPlace(at, m_sectorSize);
        MbrCodec::Entry link;
        next = MbrCodec::entry(sector, 1, link) && MbrCodec::isExtendedType(link.type) && link.firstLba != 0
            ? extendedStart + link.firstLba : 0;
    }
}

bool DiskCloneMode::cleanTarget()
{
    log().info(QStringLiteral("Cleaning target disk before disk clone..."));
    PartitioningTool& tool = PartitioningTool::current();
    if (tool.clean(m_targetDisk.diskNumber, PartitioningTool::TableStyle::None, PartitioningTool::ScriptStep::diskClone()))
        return true;
    return fail(tr("Failed to clean target disk: %1").arg(tool.lastError()));
}

bool DiskCloneMode::execute()
{
    log().info(QStringLiteral("Starting disk clone: Disk %1 -> Disk %2").arg(m_sourceDisk.diskNumber).arg(m_targetDisk.diskNumber));
    m_bytesCopied = 0;
    if (!requireDiskIO())
        return false;
    const int count = int(m_sourceDisk.partitions.size());
    for (const Step& step : m_steps) {
        if (isCancelled())
            return false;
        if (m_sourceTable == SourceTable::Kind::None) {
            emit phaseChanged(tr("Copying the whole disk sector by sector..."));
        } else if (step.partitionIndex < 0) {
            emit phaseChanged(tr("Copying partition table..."));
        } else {
            emit phaseChanged(tr("Copying partition %1 of %2: %3").arg(step.partitionIndex + 1).arg(count).arg(step.name));
            emit partitionChanged(step.partitionIndex, count, step.name);
        }
        if (!copyExtents(step.extents, step.bytes, step.name))
            return false;
        // The copy takes its own identity before any data arrives, so a run that stops halfway
        // never leaves a second disk carrying the source's.
        const bool table = step.partitionIndex < 0 && m_sourceTable != SourceTable::Kind::None;
        if (table && (isCancelled() || (m_sourceGpt && !finishGpt()) || !giveCopyNewIdentity(*m_resizer, m_sourceGpt, m_sectorSize)))
            return false;
    }
    if (isCancelled())
        return false;
    if (!m_diskIO->flushTarget())
        return fail(tr("Failed to copy %1: %2").arg(m_targetDisk.displayName(), RawDisk::lastErrorText()));
    log().info(QStringLiteral("Disk clone execute completed"));
    return !isCancelled();
}

bool DiskCloneMode::finishGpt()
{
    // The copied primary still describes the source's size; the backup and the last usable LBA
    // move to the target's end. Without a backup the copy would not be a sound GPT disk.
    log().info(QStringLiteral("Updating GPT header for target disk size..."));
    GptDisk gpt;
    const GptDisk::ReadFn read = [this](uint64_t offset, uint64_t length, uint8_t* out) {
        return m_diskIO->readTargetBytes(offset, length, out);
    };
    // Only the primary came with the first mebibyte, so a missing backup is expected here, not a warning.
    const bool loaded = gpt.load(read, m_sectorSize, m_diskIO->targetBytes() / m_sectorSize);
    for (const std::string& note : gpt.notes())
        log().info(QString::fromStdString(note));
    if (!loaded || !gpt.fitToDisk() || !gpt.commit(*m_diskIO))
        return fail(tr("Failed to write the GPT for the target disk's size: %1").arg(QString::fromStdString(gpt.lastError())));
    log().info(QStringLiteral("GPT header updated: backupLBA=%1, lastUsableLBA=%2")
                   .arg(gpt.backupLba())
                   .arg(gpt.header().lastUsableLba));
    return true;
}

bool DiskCloneMode::repairBoot()
{
    log().info(QStringLiteral("Fixing boot configuration for cloned disk..."));
    emit phaseChanged(tr("Repairing boot configuration..."));
    // Without Windows on the source there is no boot store to rebuild, whatever the firmware.
    if (!sourceHasWindows()) {
        log().info(QStringLiteral("Source disk holds no Windows installation; boot repair skipped"));
        return true;
    }
    if (!BootToolAvailability::allAvailable())
        return repairBootOffline();

    if (!m_bootRepair) {
        m_bootRepair = new DiskCloneBootRepair(m_bcdEditor, m_diskIO, this);
        connect(m_bootRepair, &DiskCloneBootRepair::phaseChanged, this, &CloneMode::phaseChanged);
    }
    m_bootRepair->setSourceDisk(m_sourceDisk);
    m_bootRepair->setTargetDisk(m_targetDisk);
    const int firmware = m_bootManager->detectFirmwareType();
    const bool uefi = firmware == BootManager::Uefi;
    log().info(QStringLiteral("Detected boot type: %1").arg(uefi ? QStringLiteral("UEFI") : QStringLiteral("Legacy BIOS")));
    bool result = false;
    if (uefi) {
        log().info(QStringLiteral("UEFI boot detected, configuring portable boot..."));
        result = m_bootRepair->configureUefiPortableBoot();
    } else {
        log().info(QStringLiteral("Legacy BIOS boot detected, repairing MBR and BCD..."));
        if (!m_bootManager->fixBoot(m_targetDisk, BootManager::LegacyBios))
            log().warning(QStringLiteral("MBR boot repair failed"));
        result = m_bootRepair->repairLegacyBcd();
    }
    if (!result && m_lastError.isEmpty())
        m_lastError = m_bootRepair->lastError();
    if (!m_bootRepair->mountedLetter().isEmpty() && m_bootRepair->mountedDisk() >= 0
        && m_bootRepair->mountedPartition() >= 0) {
        m_bootRepair->unmountPartition(m_bootRepair->mountedDisk(), m_bootRepair->mountedPartition(),
                                       m_bootRepair->mountedLetter());
        m_bootRepair->clearMounted();
    }
    return result;
}

bool DiskCloneMode::repairBootOffline()
{
    QString error;
    return OfflineBootRepair::repairCloneLogged(m_sourceDisk.diskNumber, m_targetDisk.diskNumber,
                                                OfflineRegistry::diskCloneServices(), true, error)
        || fail(error);
}
