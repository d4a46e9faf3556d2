#include "modes/diskclonemode.h"

#include "boot/bcdeditor.h"
#include "boot/bootmanager.h"
#include "boot/bootplatform.h"
#include "boot/diskclonebootrepair.h"
#include "boot/offlineregistry.h"
#include "core/diskio.h"
#include "core/logger.h"
#include "core/clonerefusal.h"
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

bool DiskCloneMode::sourceHasWindows() const
{
    for (const PartitionInfo& p : m_sourceDisk.partitions)
        if (p.holdsWindows())
            return true;
    return false;
}

bool DiskCloneMode::validate(QString& error)
{
    if (m_sourceDisk.sectorSize == m_targetDisk.sectorSize)
        return true;
    error = CloneRefusal::sectorSizes(m_sourceDisk.sectorSize, m_targetDisk.sectorSize);
    return false;
}

bool DiskCloneMode::buildPlan()
{
    // Everything that can refuse the clone runs here, before the clean, so a refusal leaves the target as it was.
    if (!m_diskIO->openSourceDisk(m_sourceDisk.diskNumber))
        return fail(tr("Failed to open source disk: %1").arg(m_diskIO->lastError()));
    m_sectorSize = m_diskIO->sourceLogicalSector();
    if (m_sectorSize != m_targetDisk.sectorSize)
        return fail(CloneRefusal::sectorSizes(m_sectorSize, m_targetDisk.sectorSize));
    m_plan.sectorSize = m_sectorSize;
    if (!checkSourceTable() || !planCopy())
        return false;
    QStringList& table = m_plan.table;
    table << QStringLiteral("wipe every signature and the partition table of the target");
    if (m_sourceTable == SourceTable::Kind::None) {
        table << QStringLiteral("no recognised partition table: the whole disk is copied sector by sector");
    } else if (m_sourceGpt) {
        table << QStringLiteral("copy the source's GPT region (%1 bytes) unchanged in place").arg(m_tableBytes)
              << QStringLiteral("write the backup GPT (%1 bytes) at the target's end and move the last usable sector there")
                     .arg(m_backupBytes)
              << QStringLiteral("give the disk and every partition new GUIDs");
    } else {
        table << QStringLiteral("copy the source's MBR and the extended partition's boot records unchanged in place")
              << QStringLiteral("give the disk a new MBR signature");
    }
    if (m_targetDisk.size > m_sourceDisk.size)
        m_plan.space << QStringLiteral("%1 behind the last partition stay unallocated")
                            .arg(Tessarin::formatSize(m_targetDisk.size - m_sourceDisk.size, 2));
    planBootRepair(sourceHasWindows());
    return true;
}

bool DiskCloneMode::prepare()
{
    log().info(QStringLiteral("Preparing disk clone operation..."));
    if (!requireDiskIO() || !ensurePlanned())
        return false;

    if (!resuming()) {
        emit phaseChanged(tr("Cleaning target disk..."));
        beginTargetWrites();
        if (!cleanTarget())
            return false;
    }
    if (!m_diskIO->openTargetDisk(m_targetDisk.diskNumber))
        return fail(tr("Failed to open target disk: %1").arg(m_diskIO->lastError()));
    if (m_diskIO->targetLogicalSector() != m_sectorSize)
        return fail(CloneRefusal::sectorSizes(m_sectorSize, m_diskIO->targetLogicalSector()));
    // The records are from enumeration; the device itself has the last word.
    const uint64_t targetBytes = m_diskIO->targetBytes() / m_sectorSize * m_sectorSize;
    if (targetBytes != 0 && targetBytes < m_sourceDisk.size)
        return fail(CloneRefusal::targetSmaller());
    m_diskIO->resetStats();
    connect(m_diskIO, &DiskIO::speedChanged, this, &CloneMode::speedChanged, Qt::UniqueConnection);

    log().info(QStringLiteral("Disk clone: source=%1 GB, target=%2 GB, smart=%3")
                   .arg(gib(m_sourceDisk.size), gib(m_targetDisk.size),
                        m_smartClone ? QStringLiteral("yes") : QStringLiteral("no")));
    log().info(QStringLiteral("Estimated bytes to copy: %1 MB").arg(m_totalBytes / CopyPlan::MiB));
    return true;
}

bool DiskCloneMode::checkSourceTable()
{
    SourceTable table;
    const bool ok = loadSourceTable(table, m_sectorSize);
    if (!ok)
        return fail(CloneRefusal::tableDamaged(table.error()));
    m_sourceTable = table.kind();
    m_sourceGpt = m_sourceTable == SourceTable::Kind::Gpt;
    m_tableBytes = table.tableBytes();
    m_backupBytes = table.backupBytes();
    return true;
}

bool DiskCloneMode::planCopy()
{
    using Method = ClonePlan::Method;
    if (m_sourceTable == SourceTable::Kind::None) {
        CopyPlan whole(m_sectorSize);
        whole.addInPlace(0, m_sourceDisk.size / m_sectorSize * m_sectorSize);
        m_plan.copies.append({tr("whole disk"), Method::SectorBySector, -1, false, whole.extents(), whole.totalBytes(), {}});
        return true;
    }
    for (int i = 0; i < m_sourceDisk.partitions.size(); ++i) {
        const PartitionInfo& p = m_sourceDisk.partitions[i];
        if (p.size == 0)
            continue;
        CopyPlan plan(m_sectorSize);
        Method method = Method::Full;
        if (!planPartition(p, plan, method))
            return false;
        m_plan.copies.append({p.displayName(), method, i, false, plan.extents(), plan.totalBytes(), {p.startByte(), p.size}});
    }
    // The table comes last: until then the cleaned target has none, so no system mounts a volume
    // of the half-made copy meanwhile and an interrupted run leaves no disk carrying the source's identity.
    CopyPlan table(m_sectorSize);
    table.addInPlace(0, std::min<uint64_t>(m_tableBytes, m_sourceDisk.size));
    if (!m_sourceGpt)
        addExtendedBootRecords(table);
    m_plan.copies.append({tr("partition table"), Method::Full, -1, true, table.extents(), table.totalBytes(), {}});
    return true;
}

bool DiskCloneMode::planPartition(const PartitionInfo& p, CopyPlan& plan, ClonePlan::Method& method)
{
    const uint64_t offset = p.startByte();
    method = m_sectorBySector ? ClonePlan::Method::SectorBySector : ClonePlan::Method::Full;
    if (!m_smartClone || m_sectorBySector) {
        plan.addInPlace(offset, p.size);
        return true;
    }
    if (CopyPlan::isBootCritical(p, p.holdsWindows())) {
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
        method = ClonePlan::Method::Smart;
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
    for (const ClonePlan::Copy& step : m_plan.copies) {
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
        if (!copyExtents(step.extents, step.bytes, step.name, step.table))
            return false;
        // The copied table takes its own identity before the run goes on.
        if (step.table && (isCancelled() || (m_sourceGpt && !finishGpt()) || !giveCopyNewIdentity(*m_resizer, m_sourceGpt, m_sectorSize)))
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
    return repairCopyBoot(sourceHasWindows(), OfflineRegistry::diskCloneServices(), true);
}

bool DiskCloneMode::repairBootOnline()
{
    if (!m_bootRepair) {
        m_bootRepair = new DiskCloneBootRepair(m_bcdEditor, m_diskIO, this);
        connect(m_bootRepair, &DiskCloneBootRepair::phaseChanged, this, &CloneMode::phaseChanged);
    }
    // The record of the target was taken before the wipe; the repair goes by the copy's own table.
    if (m_diskIO)
        m_diskIO->rereadTargetLayout();
    DiskInfo copy;
    if (!BootManager::readBack(m_targetDisk.diskNumber, copy))
        return fail(tr("The target disk cannot be read back for the boot repair"));
    m_bootRepair->setSourceDisk(m_sourceDisk);
    m_bootRepair->setTargetDisk(copy);
    const int firmware = m_bootManager->detectFirmwareType();
    const bool uefi = firmware == BootManager::Uefi;
    log().info(QStringLiteral("Detected boot type: %1").arg(uefi ? QStringLiteral("UEFI") : QStringLiteral("Legacy BIOS")));
    bool result = false;
    if (uefi) {
        log().info(QStringLiteral("UEFI boot detected, configuring portable boot..."));
        result = m_bootRepair->configureUefiPortableBoot();
    } else {
        log().info(QStringLiteral("Legacy BIOS boot detected, repairing MBR and BCD..."));
        if (!m_bootManager->fixBoot(copy, BootManager::LegacyBios))
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
