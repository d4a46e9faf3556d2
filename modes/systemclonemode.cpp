#include "modes/systemclonemode.h"
#include "modes/sourcetable.h"
#include "core/clonerefusal.h"

#include "boot/bcdeditor.h"
#include "boot/bootmanager.h"
#include "boot/mbrhandler.h"
#include "boot/offlineregistry.h"
#include "boot/boottoolavailability.h"
#include "boot/systemclonebootrepair.h"
#include "boot/uefibootstorebuilder.h"
#include "core/diskio.h"
#include "core/logger.h"
#include "modes/datapartitionlabel.h"
#include "modes/diskclonemode.h"
#include "modes/freeregion.h"
#include "modes/systemclonespace.h"
#include "modes/systemclonetarget.h"
#include "modes/uefimigrationlayout.h"
#include "modes/uefimigrationtarget.h"
#include "modes/usedspace.h"
#include "partition/gptdisk.h"
#include "partition/partitioningtool.h"
#include "partition/partitionresizer.h"

#include <QCoreApplication>
#include <algorithm>
#include <memory>

namespace {
Logger& log() { return Logger::instance(); }

QString gib(uint64_t bytes) { return QString::number(double(bytes) / (1ull << 30), 'f', 2); }
} // namespace

SystemCloneMode::SystemCloneMode(QObject* parent)
    : CloneMode(parent), m_bootManager(new BootManager(this)), m_bcdEditor(new BCDEditor(this)),
      m_resizer(new PartitionResizer(this))
{
    connect(m_resizer, &PartitionResizer::partitionResizing, this, [this](const QString& name, uint64_t from, uint64_t to) {
        emit phaseChanged(tr("Resizing partition %1: %2 -> %3 bytes").arg(name).arg(from).arg(to));
    });
    connect(m_resizer, &PartitionResizer::partitionCreated, this, [this](const QString& name, uint64_t size) {
        emit phaseChanged(tr("Created data partition %1: %2 GB").arg(name, gib(size)));
    });
    connect(m_bcdEditor, &BCDEditor::progressMessage, this, &CloneMode::phaseChanged);
}

SystemCloneMode::~SystemCloneMode() = default;

QString SystemCloneMode::name() const { return tr("System Clone"); }

int SystemCloneMode::type() const { return int(Tessarin::CloneModeType::SystemClone); }

QString SystemCloneMode::description() const { return tr("Migrate operating system to a new disk with automatic boot repair"); }

QList<PartitionInfo> SystemCloneMode::detectSystemPartitions() const
{
    log().info(QStringLiteral("Detecting system partitions on disk %1 (%2 total partitions)")
                   .arg(m_sourceDisk.diskNumber).arg(m_sourceDisk.partitions.size()));
    QList<PartitionInfo> taken;
    for (const PartitionInfo& p : m_sourceDisk.partitions) {
        if (p.size == 0)
            continue;
        const auto role = SystemCloneLayout::roleOf(p, p.holdsWindows());
        if (role == SystemCloneLayout::Role::None) {
            log().info(QStringLiteral("Skipping data partition: %1 (%2)").arg(p.displayName(), p.sizeString()));
            continue;
        }
        log().info(QStringLiteral("Found system partition: %1 - %2 (%3)")
                       .arg(p.displayName(), SystemCloneLayout::roleText(role, p.driveLetter), p.sizeString()));
        taken.append(p);
    }
    std::sort(taken.begin(), taken.end(),
              [](const PartitionInfo& a, const PartitionInfo& b) { return a.start512 < b.start512; });
    log().info(QStringLiteral("System partitions to clone: %1").arg(taken.size()));
    return taken;
}

bool SystemCloneMode::validate(QString& error)
{
    const DiskInfo& s = m_sourceDisk;
    const DiskInfo& t = m_targetDisk;
    using Style = Tessarin::PartitionStyle;
    const bool legacy = m_config.targetBootMode == Tessarin::TargetBootMode::Legacy;
    if (legacy && s.partitionStyle != Style::MBR)
        error = tr("Legacy (MBR) target boot requires an MBR source system disk.");
    else if (!legacy && s.partitionStyle != Style::GPT && s.partitionStyle != Style::MBR)
        error = tr("UEFI (GPT) target boot requires a GPT source system disk.");
    else if (migrating() && m_sectorBySector)
        error = tr("Moving a BIOS (MBR) system disk to UEFI boot needs a new partition table; a sector-by-sector copy cannot do that.");
    else if (s.sectorSize != t.sectorSize)
        error = CloneRefusal::sectorSizes(s.sectorSize, t.sectorSize);
    if (!error.isEmpty())
        return false;

    m_systemPartitions = detectSystemPartitions();
    if (m_systemPartitions.isEmpty()) {
        error = tr("No system partitions found on source disk");
        return false;
    }
    m_leftBehind = migrating() ? UefiMigrationLayout::split(m_systemPartitions) : QList<PartitionInfo>();
    if (migrating()) {
        for (const PartitionInfo& p : m_leftBehind)
            log().info(QStringLiteral("Leaving %1 behind: the UEFI copy starts from its own new EFI system partition").arg(p.displayName()));
        if (SystemCloneLayout::growIndexOf(m_systemPartitions) < 0) {
            error = tr("Moving to UEFI boot needs the Windows volume of the source disk, and none was found.");
            return false;
        }
    }
    if (m_sectorBySector)
        return true;
    const uint64_t needed = SystemCloneLayout::neededBytes(m_systemPartitions, m_smartClone)
        + (migrating() ? UefiMigrationLayout::FirstCopyOffset : 0);
    if (t.size < needed) {
        uint64_t used = 0;
        for (const PartitionInfo& p : m_systemPartitions)
            used += p.usedSpace;
        if (double(used) * SystemCloneLayout::UsedSpaceFactor > double(t.size)) {
            error = tr("Target disk is too small. Used space: %1 GB, Target: %2 GB").arg(gib(used), gib(t.size));
            return false;
        }
        log().info(QStringLiteral("Target disk is smaller, partitions will keep original size."));
    }
    return true;
}

bool SystemCloneMode::buildPlan()
{
    // Everything that can refuse the clone runs here, before the clean, so a refusal leaves the target as it was.
    if (!m_diskIO->openSourceDisk(m_sourceDisk.diskNumber))
        return fail(tr("Failed to open source disk: %1").arg(m_diskIO->lastError()));
    m_sectorSize = m_diskIO->sourceLogicalSector() ? m_diskIO->sourceLogicalSector() : 512;
    if (m_sectorSize != m_targetDisk.sectorSize)
        return fail(CloneRefusal::sectorSizes(m_sectorSize, m_targetDisk.sectorSize));
    log().info(QStringLiteral("Sector size: %1 bytes").arg(m_sectorSize));
    m_plan.sectorSize = m_sectorSize;
    if (!checkSourceTable() || !planCopy())
        return false;
    const bool legacy = m_config.targetBootMode == Tessarin::TargetBootMode::Legacy;
    m_plan.table << QStringLiteral("wipe the target and give it an empty %1 table").arg(legacy ? QStringLiteral("MBR") : QStringLiteral("GPT"));
    if (migrating()) {
        m_plan.table << UefiMigrationLayout::tableSteps(m_leftBehind);
        planSpace();
    } else if (m_sectorBySector) {
        m_plan.table << QStringLiteral("copy the source's table region (%1 bytes) last, then new disk and partition identifiers")
                            .arg(m_tableBytes);
        m_plan.space << QStringLiteral("sector-by-sector copy: the space options are not used");
    } else {
        m_plan.table << QStringLiteral("copy the source's table region (%1 bytes), then cut the table down to the copied partitions")
                            .arg(m_tableBytes)
                     << QStringLiteral("new disk and partition identifiers");
        planSpace();
    }
    planBootRepair(sourceHasWindows());
    if (migrating() && m_config.fixBoot && sourceHasWindows())
        m_plan.boot << UefiMigrationLayout::bootStep(BootToolAvailability::allAvailable());
    return true;
}

void SystemCloneMode::planSpace()
{
    uint64_t end = 0;
    for (const SystemCloneLayout::Placement& at : m_placements)
        end = std::max(end, at.targetOffset + at.size);
    const uint64_t free = m_targetDisk.size > end + SystemCloneLayout::SpaceMargin ? m_targetDisk.size - end : 0;
    switch (m_resizeMode) {
    case ResizeMode::KeepOnly:
        m_plan.space << QStringLiteral("leave %1 unallocated").arg(Tessarin::formatSize(free, 2));
        break;
    case ResizeMode::KeepAndCreateData:
        m_plan.space << QStringLiteral("create an NTFS data partition \"%1\" in the remaining %2")
                            .arg(m_dataLabel, Tessarin::formatSize(free, 2));
        break;
    case ResizeMode::ExpandSystem: {
        const int index = SystemCloneLayout::growIndexOf(m_systemPartitions);
        if (index < 0) {
            m_plan.space << QStringLiteral("no Windows volume is copied, so none grows: leave %1 unallocated")
                                .arg(Tessarin::formatSize(free, 2));
            break;
        }
        for (int i = index + 1; i < m_systemPartitions.size(); ++i)
            if (m_placements[size_t(i)].moved())
                m_plan.space << QStringLiteral("move %1 to the end of the target").arg(m_systemPartitions[i].displayName());
        const PartitionInfo& p = m_systemPartitions[index];
        const uint64_t grown = SystemCloneLayout::grownSize(m_placements, index, m_sectorSize, m_targetUsableBytes);
        if (grown >= p.size + SystemCloneLayout::SpaceMargin)
            m_plan.space << QStringLiteral("grow %1 from %2 to %3 and extend its file system")
                                .arg(p.displayName(), p.sizeString(), Tessarin::formatSize(grown, 2));
        else
            m_plan.space << QStringLiteral("no room to grow %1").arg(p.displayName());
        break;
    }
    }
}

bool SystemCloneMode::prepare()
{
    log().info(QStringLiteral("Preparing system clone operation..."));
    if (!requireDiskIO() || !ensurePlanned())
        return false;

    if (!resuming()) {
        emit phaseChanged(tr("Cleaning target disk..."));
        beginTargetWrites();
        log().info(QStringLiteral("Cleaning target disk before clone..."));
        PartitioningTool& tool = PartitioningTool::current();
        const bool legacy = m_config.targetBootMode == Tessarin::TargetBootMode::Legacy;
        if (!tool.clean(m_targetDisk.diskNumber, legacy ? PartitioningTool::TableStyle::Mbr : PartitioningTool::TableStyle::Gpt,
                        PartitioningTool::ScriptStep::systemClone()))
            return fail(tr("Failed to clean target disk: %1").arg(tool.lastError()));
    }
    if (!m_diskIO->openTargetDisk(m_targetDisk.diskNumber))
        return fail(tr("Failed to open target disk: %1").arg(m_diskIO->lastError()));
    if (m_diskIO->targetLogicalSector() != m_sectorSize)
        return fail(CloneRefusal::sectorSizes(m_sectorSize, m_diskIO->targetLogicalSector()));
    const uint64_t reported = m_diskIO->targetBytes() / m_sectorSize * m_sectorSize;
    if (reported != 0 && reported < m_targetDisk.size)
        return fail(tr("The target disk is smaller than its record says (%1 bytes); nothing was copied").arg(reported));
    m_diskIO->resetStats();
    connect(m_diskIO, &DiskIO::speedChanged, this, &CloneMode::speedChanged, Qt::UniqueConnection);

    log().info(QStringLiteral("System partitions to clone: %1").arg(m_systemPartitions.size()));
    log().info(QStringLiteral("Resize mode: %1").arg(int(m_resizeMode)));
    log().info(QStringLiteral("Estimated bytes to copy: %1 MB").arg(m_totalBytes / CopyPlan::MiB));
    return true;
}

bool SystemCloneMode::checkSourceTable()
{
    SourceTable table;
    const bool ok = loadSourceTable(table, m_sectorSize);
    if (!ok || table.kind() == SourceTable::Kind::None)
        return fail(CloneRefusal::tableDamaged(ok ? QStringLiteral("no partition table") : table.error()));
    m_sourceGpt = table.kind() == SourceTable::Kind::Gpt;
    m_tableBytes = table.tableBytes();
    // A migrated copy gets a GPT whatever the source had, and with it a backup at the disk's end.
    const uint64_t backup = migrating() ? FreeRegion::gptTailBytes(m_sectorSize) : table.backupBytes();
    m_targetUsableBytes = m_targetDisk.size - std::min(m_targetDisk.size, backup);
    if (m_sourceGpt)
        m_sourceUsableEnd = table.usableEnd();
    return true;
}

bool SystemCloneMode::planCopy()
{
    using Method = ClonePlan::Method;
    m_placements.clear();
    if (m_sectorBySector) {
        const uint64_t length = m_sourceDisk.size / m_sectorSize * m_sectorSize;
        if (length == 0)
            return fail(tr("Source disk size is invalid"));
        if (m_targetDisk.size < length)
            return fail(CloneRefusal::sectorBySectorTargetSmaller());
        log().info(QStringLiteral("Sector-by-sector system clone enabled: copying the whole source disk; resize options "
                                  "will be ignored"));
        // The table goes last, so the copy is known by its own identity from the moment it has a table;
        // the source's backup GPT is not copied, the table step writes the copy's own.
        const uint64_t tableEnd = std::min(m_tableBytes, length);
        const uint64_t dataEnd = m_sourceGpt ? std::min(length, m_sourceUsableEnd) : length;
        CopyPlan rest(m_sectorSize);
        if (dataEnd > tableEnd)
            rest.addInPlace(tableEnd, dataEnd - tableEnd);
        m_plan.copies.append({tr("whole disk"), Method::SectorBySector, -1, false, rest.extents(), rest.totalBytes(), {}});
        CopyPlan table(m_sectorSize);
        table.addInPlace(0, tableEnd);
        m_plan.copies.append({tr("partition table"), Method::SectorBySector, -1, true, table.extents(), table.totalBytes(), {}});
        return true;
    }
    QString error;
    const int grow = m_resizeMode == ResizeMode::ExpandSystem ? SystemCloneLayout::growIndexOf(m_systemPartitions) : -1;
    if (migrating() ? !UefiMigrationLayout::place(m_systemPartitions, m_sectorSize, m_align4K, m_targetUsableBytes, m_placements, error, grow)
                    : !SystemCloneLayout::place(m_systemPartitions, m_sectorSize, m_align4K, m_targetUsableBytes, m_placements, error, grow))
        return fail(error);
    for (int i = 0; i < m_systemPartitions.size(); ++i) {
        const PartitionInfo& p = m_systemPartitions[i];
        if (p.startByte() + p.size > m_sourceDisk.size)
            return fail(tr("Partition %1 lies beyond the end of the source disk; nothing was changed").arg(p.displayName()));
        const SystemCloneLayout::Placement& at = m_placements[size_t(i)];
        if (at.moved())
            log().info(QStringLiteral("Partition %1 relocated: offset %2 -> %3").arg(p.displayName()).arg(at.sourceOffset)
                           .arg(at.targetOffset));
        CopyPlan plan(m_sectorSize);
        Method method = Method::Full;
        if (!planPartition(p, at.targetOffset, plan, method))
            return false;
        // The grown volume's file system is enlarged after the copy and may place its metadata
        // anywhere in the free space: none of it is discarded.
        const ByteRange span = i == grow ? ByteRange{} : ByteRange{at.targetOffset, p.size};
        m_plan.copies.append({p.displayName(), method, i, false, plan.extents(), plan.totalBytes(), span});
    }
    // The table comes last (a migration writes a new one instead of copying the source's): until
    // then the cleaned target lists no partition, so no system mounts a half-made volume.
    if (!migrating()) {
        CopyPlan table(m_sectorSize);
        table.addInPlace(0, std::min<uint64_t>(m_tableBytes, m_sourceDisk.size));
        m_plan.copies.append({tr("partition table"), Method::Full, -1, true, table.extents(), table.totalBytes(), {}});
    }
    return true;
}

bool SystemCloneMode::planPartition(const PartitionInfo& p, uint64_t targetOffset, CopyPlan& plan, ClonePlan::Method& method)
{
    const uint64_t offset = p.startByte();
    if (!m_smartClone || SystemCloneLayout::isSystemCritical(p)) {
        log().info(QStringLiteral("Copying partition %1: %2 bytes [FULL]").arg(p.displayName()).arg(p.size));
        plan.add(offset, targetOffset, p.size);
        return true;
    }
    // A volume larger than its partition, or a map reaching past it, is damaged: the clone of a
    // Windows volume from part of a map would not boot, so nothing is copied at all.
    const QString damaged = tr("The file system of partition %1 claims more space than the partition holds; repair it "
                               "before cloning; nothing was changed").arg(p.displayName());
    std::vector<uint8_t> boot(std::max<uint32_t>(m_sectorSize, 512));
    if (!m_diskIO->readSourceBytes(offset, boot.size(), boot.data()))
        return fail(tr("Failed to read partition %1: %2").arg(p.displayName(), m_diskIO->lastError()));
    if (SystemCloneLayout::volumeExceeds(boot.data(), p.size))
        return fail(damaged);
    QString fileSystem, reason;
    switch (UsedSpace::addTo(plan, p, m_diskIO->sourceDevice(), offset, targetOffset, fileSystem, reason)) {
    case UsedSpace::Result::Planned:
        log().info(QStringLiteral("Copying partition %1: %2 bytes [SMART, %3 MB used]")
                       .arg(p.displayName()).arg(p.size).arg(plan.totalBytes() / CopyPlan::MiB));
        if (!reason.isEmpty())
            addWarning(tr("Partition %1 (%2): %3").arg(p.displayName(), fileSystem, reason));
        method = ClonePlan::Method::Smart;
        return true;
    case UsedSpace::Result::Damaged:
        return fail(tr("The usage map of partition %1 cannot be trusted (%2); repair the file system before cloning; "
                       "nothing was changed").arg(p.displayName(), reason));
    case UsedSpace::Result::NoMap:
        break;
    }
    log().warning(QStringLiteral("No usable file system usage map for partition %1, falling back to full copy")
                      .arg(p.displayName()));
    plan = CopyPlan(m_sectorSize);
    plan.add(offset, targetOffset, p.size);
    return true;
}

bool SystemCloneMode::execute()
{
    log().info(QStringLiteral("Starting system clone: Disk %1 -> Disk %2").arg(m_sourceDisk.diskNumber).arg(m_targetDisk.diskNumber));
    m_bytesCopied = 0;
    if (!m_diskIO || !m_diskIO->hasSource() || !m_diskIO->hasTarget())
        return fail(tr("Disks are not open (prepare first)"));
    const int count = int(m_systemPartitions.size());
    const QList<ClonePlan::Copy>& steps = m_plan.copies;
    for (int i = 0; i < steps.size(); ++i) {
        if (isCancelled())
            return false;
        if (steps[i].table) {
            emit phaseChanged(tr("Copying partition table..."));
        } else if (m_sectorBySector) {
            emit phaseChanged(tr("Copying whole disk sector-by-sector..."));
        } else {
            const int index = steps[i].partitionIndex;
            emit phaseChanged(tr("Copying partition %1 of %2: %3").arg(index + 1).arg(count).arg(steps[i].name));
            emit partitionChanged(index, count, steps[i].name);
        }
        if (!copyExtents(steps[i].extents, steps[i].bytes, steps[i].name, steps[i].table))
            return false;
        // The copied table takes its own identity at once: no disk carries the source's.
        if (steps[i].table && (isCancelled() || !finishTables()
                                    || !giveCopyNewIdentity(*m_resizer, m_sourceGpt, m_sectorSize)))
            return false;
    }
    if (isCancelled() || (migrating() && !writeMigrationTable()))
        return false;
    if (!m_sectorBySector && !fixMovedBootSectors())
        return false;
    if (migrating()) {
        emit phaseChanged(tr("Formatting the new EFI system partition..."));
        UefiMigrationTarget target(*m_diskIO, m_targetDisk.diskNumber, m_sectorSize);
        if (!target.formatEsp())
            return fail(tr("The new EFI system partition could not be made: %1").arg(target.lastError()));
    }
    if (!m_sectorBySector)
        useRemainingSpace();
    if (isCancelled())
        return false;

    if (!m_diskIO->flushTarget())
        return fail(tr("Failed to flush target: %1").arg(m_diskIO->lastError()));
    log().info(QStringLiteral("System clone execute completed"));
    return !isCancelled();
}

bool SystemCloneMode::finishTables()
{
    emit phaseChanged(tr("Fixing partition table..."));
    SystemCloneTarget target(*m_diskIO, m_targetDisk.diskNumber, m_sectorSize);
    std::vector<uint64_t> keep;
    std::vector<SystemCloneTarget::Move> moves;
    if (m_sectorBySector) {
        for (const PartitionInfo& p : m_sourceDisk.partitions)
            keep.push_back(p.start512);
    } else {
        for (int i = 0; i < m_systemPartitions.size(); ++i) {
            const SystemCloneLayout::Placement& at = m_placements[size_t(i)];
            keep.push_back(at.sourceOffset / 512);
            if (at.moved())
                moves.push_back({at.sourceOffset / 512, at.targetOffset / 512});
        }
    }
    if (m_sectorBySector && m_sourceGpt) {
        GptDisk gpt;
        if (!gpt.load(*m_diskIO, m_sectorSize, 0) || !gpt.fitToDisk() || !gpt.commit(*m_diskIO))
            return fail(tr("Failed to fix GPT header: %1").arg(QString::fromStdString(gpt.lastError())));
        return true;
    }
    if (m_sectorBySector)
        return true;
    // Only the copied System Reserved may be active, or the BIOS starts a partition left behind.
    const int boot = PartitionInfo::legacyBootIndex(m_systemPartitions);
    const uint64_t active = boot < 0 ? SystemCloneTarget::NoActive : m_systemPartitions[boot].start512;
    if (m_sourceGpt ? !target.finishGpt(keep, moves) : !target.finishMbr(keep, moves, active))
        return fail(tr("Failed to update the target's partition table: %1").arg(target.lastError()));
    return m_diskIO->flushTarget() || fail(tr("Failed to flush target: %1").arg(m_diskIO->lastError()));
}

bool SystemCloneMode::fixMovedBootSectors()
{
    SystemCloneTarget target(*m_diskIO, m_targetDisk.diskNumber, m_sectorSize);
    for (int i = 0; i < m_systemPartitions.size(); ++i) {
        PartitionInfo& p = m_systemPartitions[i];
        const SystemCloneLayout::Placement& at = m_placements[size_t(i)];
        if (p.count512 == 0)
            p.count512 = p.size / PartitionInfo::Unit;
        if (!at.moved())
            continue;
        // A BIOS boot code finds the volume through the start its boot sector names.
        if (!target.setHiddenSectors(at.targetOffset / 512, p.size))
            return fail(tr("Failed to update the boot sector of moved partition %1: %2").arg(p.displayName(), target.lastError()));
        log().info(QStringLiteral("Updating partition info: %1 start sector %2 -> %3").arg(p.displayName())
                       .arg(p.start512).arg(at.targetOffset / 512));
        p.start512 = at.targetOffset / PartitionInfo::Unit;
    }
    return m_diskIO->flushTarget() || fail(tr("Failed to flush target: %1").arg(m_diskIO->lastError()));
}

void SystemCloneMode::useRemainingSpace()
{
    uint64_t used = 2 * CopyPlan::MiB + (migrating() ? UefiMigrationLayout::FirstCopyOffset : 0);
    for (const PartitionInfo& p : m_systemPartitions)
        used += p.size;
    log().info(QStringLiteral("System partitions actual size: %1 GB, Target disk: %2 GB").arg(gib(used), gib(m_targetDisk.size)));
    if (m_targetDisk.size <= used) {
        if (m_resizeMode == ResizeMode::KeepAndCreateData)
            addSkipped(tr("Data partition: not made, the target has no room beyond the system partitions"));
        else if (m_resizeMode == ResizeMode::ExpandSystem)
            addSkipped(tr("System partition: not expanded, the target has no room beyond the system partitions"));
        return;
    }
    SystemCloneSpace space({m_diskIO, m_targetDisk.diskNumber, m_sectorSize, m_sourceGpt || migrating(), m_targetUsableBytes},
                           [this](const QString& phase) { emit phaseChanged(phase); });
    switch (m_resizeMode) {
    case ResizeMode::KeepOnly:
        log().info(QStringLiteral("ResizeMode: KeepOnly"));
        return;
    case ResizeMode::KeepAndCreateData:
        log().info(QStringLiteral("ResizeMode: KeepAndCreateData"));
        emit phaseChanged(tr("Creating data partition..."));
        // The clone goes on without it, but the result says what is missing.
        if (!space.createDataPartition(*m_resizer, m_systemPartitions, m_targetDisk.size, m_dataLabel, m_align4K))
            addWarning(space.lastError());
        break;
    case ResizeMode::ExpandSystem:
        log().info(QStringLiteral("ResizeMode: ExpandSystem"));
        emit phaseChanged(tr("Expanding system partition..."));
        // The copy stands either way, but a Windows volume that stayed small is said.
        if (!space.expandSystem(m_systemPartitions, m_placements))
            addWarning(space.lastError());
        break;
    }
    m_lastError.clear();
}

bool SystemCloneMode::sourceHasWindows() const
{
    return std::any_of(m_systemPartitions.begin(), m_systemPartitions.end(),
                       [](const PartitionInfo& p) { return p.holdsWindows(); });
}

bool SystemCloneMode::migrating() const
{
    return m_config.targetBootMode != Tessarin::TargetBootMode::Legacy && m_sourceDisk.partitionStyle == Tessarin::PartitionStyle::MBR;
}

bool SystemCloneMode::writeMigrationTable()
{
    emit phaseChanged(tr("Writing the new GPT..."));
    UefiMigrationTarget target(*m_diskIO, m_targetDisk.diskNumber, m_sectorSize);
    if (!target.writeTable(UefiMigrationLayout::entries(m_placements), m_systemPartitions))
        return fail(tr("Failed to update the target's partition table: %1").arg(target.lastError()));
    return m_diskIO->flushTarget() || fail(tr("Failed to flush target: %1").arg(m_diskIO->lastError()));
}

bool SystemCloneMode::repairBoot()
{
    // With bcdboot the online repair makes the new EFI system partition's files as for any UEFI target.
    if (migrating() && sourceHasWindows() && !BootToolAvailability::allAvailable())
        return repairMigrationOffline();
    return repairCopyBoot(sourceHasWindows(), OfflineRegistry::systemCloneServices(), false);
}

bool SystemCloneMode::repairMigrationOffline()
{
    emit phaseChanged(QCoreApplication::translate("CloneMode", "Repairing boot configuration..."));
    const int windows = SystemCloneLayout::growIndexOf(m_systemPartitions);  // validate made sure there is one
    QString error;
    m_bootRepaired = UefiBootStoreBuilder::buildOnDisk(m_targetDisk.diskNumber, m_systemPartitions[windows].startByte(),
                                                       OfflineRegistry::systemCloneServices(), error);
    return m_bootRepaired || fail(error);
}

bool SystemCloneMode::repairBootOnline()
{
    if (!m_bootRepair) {
        m_bootRepair = new SystemCloneBootRepair(m_bcdEditor, m_diskIO, this);
        connect(m_bootRepair, &SystemCloneBootRepair::phaseChanged, this, &CloneMode::phaseChanged);
    }
    // The copy's volumes as its own table now lists them: the source's records name the source's
    // volumes, and a repair through them would write into the installation being copied.
    DiskInfo copy;
    if (!BootManager::readBack(m_targetDisk.diskNumber, copy))
        return fail(tr("The target disk cannot be read back for the boot repair"));
    QStringList sourceLetters;
    for (const PartitionInfo& p : m_sourceDisk.partitions)
        if (!p.driveLetter.isEmpty())
            sourceLetters << p.driveLetter;
    m_bootRepair->setTargetDisk(copy);
    m_bootRepair->setSystemPartitions(copy.partitions);
    m_bootRepair->setSourceLetters(sourceLetters);
    m_bootRepair->setSourceDiskNumber(m_sourceDisk.diskNumber);
    m_bootRepair->setTargetBootMode(m_config.targetBootMode);
    const bool legacy = m_config.targetBootMode == Tessarin::TargetBootMode::Legacy;
    log().info(QStringLiteral("Detected boot type: %1").arg(legacy ? QStringLiteral("Legacy BIOS") : QStringLiteral("UEFI")));
    bool result = false;
    const auto verify = [this] {
        if (!m_bootRepair->efiLetterUsed().isEmpty())
            m_bootRepair->verifyEfiContents(m_bootRepair->efiLetterUsed());
        m_bootRepair->releaseMountedLetter();
    };
    if (legacy) {
        if (!m_bootManager->fixBoot(copy, BootManager::LegacyBios))
            log().warning(QStringLiteral("MBR repair failed"));
        result = m_bootRepair->repairBcd();
    } else if (m_bootRepair->rebuildBcdForMigration()) {
        verify();
        result = true;
    } else {
        log().warning(QStringLiteral("bcdboot failed, trying alternative repair..."));
        const bool efi = std::any_of(m_systemPartitions.begin(), m_systemPartitions.end(),
                                     [](const PartitionInfo& p) { return p.isEfi && p.size > 0; });
        if (!efi || !m_bootManager->fixBoot(copy, BootManager::Uefi))
            log().warning(QStringLiteral("EFI repair failed"));
        result = m_bootRepair->repairBcd();
        if (result)
            verify();
    }
    for (const PartitionInfo& p : copy.partitions)
        if (!p.driveLetter.isEmpty() && p.holdsWindows()) {
            m_bootRepair->checkWinRE(p.driveLetter);
            break;
        }
    m_bootRepair->releaseMountedLetter();
    if (!result && m_lastError.isEmpty())
        m_lastError = m_bootRepair->lastError();
    return result;
}

bool SystemCloneMode::prepareOfflineBoot()
{
    if (m_config.targetBootMode == Tessarin::TargetBootMode::Legacy) {
        // Without bcdboot nothing can put boot files on another partition, so the copy starts only
        // from the partition the source starts from.
        const auto active = std::find_if(m_sourceDisk.partitions.begin(), m_sourceDisk.partitions.end(),
                                         [](const PartitionInfo& p) { return p.isActive; });
        if (active == m_sourceDisk.partitions.end())
            return fail(tr("The source disk has no active partition; without bcdboot the copy cannot be made to start"));
        const auto taken = std::find_if(m_systemPartitions.begin(), m_systemPartitions.end(),
                                        [&](const PartitionInfo& p) { return p.partitionNumber == active->partitionNumber; });
        if (taken == m_systemPartitions.end())
            return fail(tr("The source starts from partition %1, which a system clone does not copy; without bcdboot the copy cannot be made to start")
                            .arg(active->partitionNumber));
        // The cut-down table keeps each entry in its slot, so the number names the copy's partition.
        const int boot = PartitionInfo::legacyBootIndex(m_systemPartitions);
        const int number = boot < 0 ? active->partitionNumber : m_systemPartitions[boot].partitionNumber;
        MBRHandler mbr;
        if (!mbr.repairBootSector(m_targetDisk.diskNumber) || !mbr.setActivePartition(m_targetDisk.diskNumber, number))
            return fail(mbr.lastError());
    }
    return true;
}
