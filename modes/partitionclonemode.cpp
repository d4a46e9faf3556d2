#include "modes/partitionclonemode.h"

#include "boot/bootmanager.h"
#include "boot/boottoolavailability.h"
#include "core/clonerefusal.h"
#include "core/diskio.h"
#include "core/logger.h"
#include "modes/bootsectorpatch.h"
#include "modes/copyplan.h"
#include "modes/usedspace.h"
#include "modes/volumebootsector.h"
#include "ondisk/mbrcodec.h"
#include "partition/gptdisk.h"
#include "partition/partitioningtool.h"
#include "partition/partitiontable.h"

#include <QUuid>
#include <memory>

namespace {
constexpr uint64_t FreeSpaceOffset = CopyPlan::MiB;
// Room a target needs beyond the source partition: the first mebibyte and the backup GPT.
constexpr uint64_t TargetReserve = 2 * CopyPlan::MiB;
constexpr uint64_t MaxChsFat32Sectors = 16777215;
constexpr uint8_t MbrTypeNtfs = 0x07;
constexpr uint8_t MbrTypeFat32Chs = 0x0B;
constexpr uint8_t MbrTypeFat32Lba = 0x0C;
constexpr uint8_t ChsBeyondReach[3] = {0xFE, 0xFF, 0xFF};

Logger& log() { return Logger::instance(); }
QString size(uint64_t bytes) { return Tessarin::formatSize(bytes, 2); }
} // namespace

PartitionCloneMode::PartitionCloneMode(QObject* parent) : CloneMode(parent) {}

QString PartitionCloneMode::name() const { return tr("Partition Clone"); }

int PartitionCloneMode::type() const { return int(Tessarin::CloneModeType::PartitionClone); }

QString PartitionCloneMode::description() const { return tr("Clone a single partition to another location"); }

void PartitionCloneMode::setConfig(const CloneConfig& config)
{
    CloneMode::setConfig(config);
    m_sourcePartition = config.sourcePartition;
    m_targetPartition = config.targetPartition;
    m_freeRegion = config.partitionTarget == CloneConfig::PartitionTarget::FreeRegion;
}

bool PartitionCloneMode::validate(QString& error)
{
    const PartitionInfo& s = m_sourcePartition;
    const PartitionInfo& t = m_targetPartition;
    const QString mounted = intoExisting() ? targetMountPoint() : QString();
    if (!m_targetDisk.isValid())
        error = CloneRefusal::targetInvalid();
    else if (!intoExisting() && s.diskNumber == m_targetDisk.diskNumber)
        error = tr("Source partition and target disk cannot be on the same disk");
    else if (intoExisting() && t.diskNumber != m_targetDisk.diskNumber)
        error = tr("The target partition is not on the target disk");
    else if (m_targetDisk.size < s.size + TargetReserve && !intoExisting())
        error = tr("Target disk is too small (%1) for source data (%2)").arg(size(m_targetDisk.size), size(s.size));
    else if (intoExisting() && t.size < s.size)
        error = tr("Target partition is too small (%1) for source data (%2)").arg(size(t.size), size(s.size));
    else if (!mounted.isEmpty())
        error = tr("The target partition is mounted at %1; unmount it first").arg(mounted);
    else
        return true;
    return false;
}

// The whole source disk: no other part of it may be written either.
ClonePreflight::Side PartitionCloneMode::sourceSide() const
{
    return ClonePreflight::wholeDisk(m_sourcePartition.diskNumber);
}

// A whole-disk copy cleans the target. Into a partition only that partition is written; into a
// free region the copy lands inside the region and the table sectors, which hold no volume, so the
// disk's other volumes stay mounted either way.
ClonePreflight::Side PartitionCloneMode::targetSide() const
{
    ClonePreflight::Side side = ClonePreflight::wholeDisk(m_targetDisk.diskNumber);
    if (intoExisting()) {
        side.range = {m_targetPartition.startByte(), m_targetPartition.size};
    } else if (intoFreeRegion()) {
        const FreeRegion::Span region = FreeRegion::ofDisk(m_targetDisk);
        if (region.bytes > 0)
            side.range = {region.start, region.bytes};
        side.writesTable = true;
    }
    return side;
}

QString PartitionCloneMode::targetMountPoint() const
{
    if (!m_targetPartition.driveLetter.isEmpty())
        return m_targetPartition.driveLetter;
    const uint64_t begin = m_targetPartition.startByte();
    const uint64_t end = begin + m_targetPartition.size;
    for (const QString& volume : RawDisk::enumerateVolumes()) {
        for (const DiskExtent& e : RawDisk::getVolumeDiskExtents(volume)) {
            const uint64_t at = uint64_t(e.startingOffset);
            if (int(e.diskNumber) != m_targetPartition.diskNumber || e.startingOffset < 0 || at < begin || at >= end)
                continue;
            const QStringList paths = RawDisk::getVolumeMountPaths(volume);
            if (!paths.isEmpty())
                return paths.first();
        }
    }
    return {};
}

bool PartitionCloneMode::buildPlan()
{
    if (!m_diskIO->openSourceDisk(m_sourcePartition.diskNumber))
        return fail(tr("Failed to open source disk: %1").arg(m_diskIO->lastError()));
    m_sourceSectorSize = m_diskIO->sourceLogicalSector() ? m_diskIO->sourceLogicalSector() : 512;
    if (!checkSource())
        return false;
    m_copySize = m_sourcePartition.size;
    // Into a named partition the copy goes where its record says; prepare checks the table agrees.
    if (intoExisting()) {
        m_targetOffset = m_targetPartition.startByte();
        m_plan.table << QStringLiteral("keep the target's table; rewrite the size and type of partition %1")
                            .arg(m_targetPartition.partitionNumber);
    } else if (intoFreeRegion()) {
        if (!planFreeRegion())
            return false;
    } else {
        m_targetSectorSize = m_targetDisk.sectorSize ? m_targetDisk.sectorSize : 512;
        m_table = m_targetDisk.partitionStyle == Tessarin::PartitionStyle::MBR ? Table::Mbr : Table::Gpt;
        m_targetOffset = freeSpaceOffset(m_targetSectorSize, m_align4K);
        if (m_targetOffset != FreeSpaceOffset)
            log().info(QStringLiteral("Aligning target offset from %1 to %2").arg(FreeSpaceOffset).arg(m_targetOffset));
        if (m_targetDisk.size < freeSpaceNeeded())
            return fail(tr("Target disk does not have enough space for the source partition; nothing was changed"));
        if (m_table == Table::Mbr && (m_targetOffset / m_targetSectorSize + entrySectors()) > UINT32_MAX)
            return fail(tr("The copy would end beyond what an MBR entry can address; nothing was changed"));
        m_plan.table << QStringLiteral("erase the whole target, every partition on it, and give it a %1 table with one partition")
                            .arg(m_table == Table::Mbr ? QStringLiteral("MBR") : QStringLiteral("GPT"));
    }
    planCopy();
    if (!checkBootSector())
        return false;
    m_plan.sectorSize = m_targetDisk.sectorSize ? m_targetDisk.sectorSize : 512;
    m_plan.table << QStringLiteral("point the copy's boot sector at its new place, byte %1").arg(m_targetOffset);
    if (!m_config.fixBoot)
        m_plan.boot << QStringLiteral("none (--no-boot-repair)");
    else if (!systemSource())
        m_plan.boot << QStringLiteral("none: the source is not a system partition");
    else if (!BootToolAvailability::allAvailable())
        m_plan.boot << QStringLiteral("none: the Windows boot tools are missing, so the run fails once the partition is copied");
    else
        m_plan.boot << QStringLiteral("rebuild the boot files of the copied volume");
    return true;
}

bool PartitionCloneMode::prepare()
{
    log().info(QStringLiteral("Preparing partition clone operation..."));
    if (!requireDiskIO())
        return false;
    m_lastError.clear();
    if (!ensurePlanned())
        return false;

    // Into a named partition or a free region nothing is cleaned: the disk's table is checked first.
    // Only the volumes in the range written are locked; the disk's other volumes stay mounted.
    if (keepsTable()) {
        if (!m_diskIO->openTargetDisk(m_targetDisk.diskNumber, targetSide().range))
            return fail(tr("Failed to open target disk: %1").arg(m_diskIO->lastError()));
        const uint32_t planned = m_targetSectorSize;
        m_targetSectorSize = m_diskIO->targetLogicalSector() ? m_diskIO->targetLogicalSector() : 512;
        if (intoFreeRegion() && m_targetSectorSize != planned)
            return fail(tr("The target disk now reports %1-byte sectors instead of %2").arg(m_targetSectorSize).arg(planned));
        if (intoExisting() ? !locateTargetEntry() : !checkFreeRegion())
            return false;
    } else if (!prepareFreeSpace()) {
        return false;
    }
    log().info(QStringLiteral("Sector sizes: source=%1, target=%2").arg(m_sourceSectorSize).arg(m_targetSectorSize));
    m_diskIO->resetStats();
    connect(m_diskIO, &DiskIO::speedChanged, this, &CloneMode::speedChanged, Qt::UniqueConnection);
    log().info(QStringLiteral("Source partition: %1 (%2)").arg(m_sourcePartition.displayName(), size(m_copySize)));
    log().info(QStringLiteral("Target offset: %1, bytes to copy: %2").arg(m_targetOffset).arg(size(m_totalBytes)));
    return true;
}

bool PartitionCloneMode::checkSource()
{
    m_sourceOffset = m_sourcePartition.startByte();
    const uint32_t ss = m_sourceSectorSize;
    if (m_sourceOffset % ss != 0 || m_sourcePartition.size < ss)
        return fail(tr("The source partition does not lie on whole %1-byte sectors; nothing was changed").arg(ss));
    // Its first and last sectors must still be there: a partition table read earlier may be stale.
    std::vector<uint8_t> sector(ss);
    if (!m_diskIO->readSourceBytes(m_sourceOffset, ss, sector.data())
        || !m_diskIO->readSourceBytes((m_sourceOffset + m_sourcePartition.size - 1) / ss * ss, ss, sector.data()))
        return fail(tr("The source partition cannot be read (%1); nothing was changed").arg(m_diskIO->lastError()));
    return true;
}

bool PartitionCloneMode::locateTargetEntry()
{
    const uint32_t ts = m_targetSectorSize;
    if (m_targetOffset % ts != 0)
        return fail(tr("The target partition does not start on a %1-byte sector; nothing was changed").arg(ts));
    std::vector<uint8_t> mbr(ts);
    if (!m_diskIO->readTargetBytes(0, ts, mbr.data()))
        return fail(tr("Failed to read the target disk's partition table: %1").arg(m_diskIO->lastError()));
    MbrCodec::Entry first;
    const bool gpt = MbrCodec::hasBootSignature(mbr) && MbrCodec::entry(mbr, 0, first)
        && first.type == MbrCodec::ProtectiveType;
    uint64_t entryBytes = 0;
    m_entryIndex = -1;
    if (gpt) {
        m_table = Table::Gpt;
        GptDisk disk;
        if (!disk.load(*m_diskIO, ts, 0))
            return fail(tr("The target disk's partition table is damaged (%1); nothing was changed")
                            .arg(QString::fromStdString(disk.lastError())));
        for (size_t i = 0; i < disk.entries().size() && m_entryIndex < 0; ++i) {
            const GptPartitionEntry& e = disk.entries()[i];
            if (e.isUsed() && e.firstLba * ts == m_targetOffset && e.lastLba >= e.firstLba) {
                m_entryIndex = int(i);
                entryBytes = (e.lastLba - e.firstLba + 1) * ts;
            }
        }
    } else if (MbrCodec::hasBootSignature(mbr)) {
        m_table = Table::Mbr;
        for (int i = 0; i < MbrCodec::EntryCount && m_entryIndex < 0; ++i) {
            MbrCodec::Entry e;
            if (MbrCodec::entry(mbr, i, e) && e.type != 0 && !MbrCodec::isExtendedType(e.type)
                && uint64_t(e.firstLba) * ts == m_targetOffset) {
                m_entryIndex = i;
                entryBytes = uint64_t(e.sectorCount) * ts;
            }
        }
    }
    if (m_entryIndex < 0)
        return fail(tr("The target partition is not a primary entry of the target disk's partition table; "
                       "nothing was changed"));
    if (entryBytes < m_copySize)
        return fail(tr("Target partition is too small (%1) for source data (%2)").arg(size(entryBytes), size(m_copySize)));
    log().info(QStringLiteral("Reusing %1 entry %2 at offset %3")
                   .arg(m_table == Table::Gpt ? QStringLiteral("GPT") : QStringLiteral("MBR"))
                   .arg(m_entryIndex)
                   .arg(m_targetOffset));
    return true;
}

uint64_t PartitionCloneMode::freeSpaceOffset(uint32_t targetSectorSize, bool align4K)
{
    if (!align4K)
        return FreeSpaceOffset;
    const uint64_t a = std::max<uint64_t>(4096, targetSectorSize);
    return (FreeSpaceOffset + a - 1) / a * a;
}

uint64_t PartitionCloneMode::freeSpaceNeeded() const
{
    const uint32_t ts = m_targetSectorSize;
    const uint64_t tail = m_table == Table::Gpt ? FreeRegion::gptTailBytes(ts) : 0;
    return m_targetOffset + entrySectors() * ts + tail;
}

bool PartitionCloneMode::prepareFreeSpace()
{
    const uint32_t ts = m_targetSectorSize;
    if (!resuming()) {
        emit phaseChanged(tr("Cleaning target disk..."));
        beginTargetWrites();
        log().info(QStringLiteral("Cleaning target disk before partition clone..."));
        PartitioningTool& tool = PartitioningTool::current();
        const auto style = m_table == Table::Mbr ? PartitioningTool::TableStyle::Mbr : PartitioningTool::TableStyle::Gpt;
        if (!tool.clean(m_targetDisk.diskNumber, style, PartitioningTool::ScriptStep::partitionClone()))
            return fail(tr("Failed to clean target disk: %1").arg(tool.lastError()));
    }
    if (!m_diskIO->openTargetDisk(m_targetDisk.diskNumber))
        return fail(tr("Failed to open target disk: %1").arg(m_diskIO->lastError()));
    if (m_diskIO->targetLogicalSector() != ts)
        return fail(tr("The target disk now reports %1-byte sectors instead of %2").arg(m_diskIO->targetLogicalSector()).arg(ts));
    const uint64_t actual = m_diskIO->targetBytes() / ts * ts;
    if (actual != 0 && actual < freeSpaceNeeded())
        return fail(tr("Target disk does not have enough space for the source partition"));
    return true;
}

namespace {
uint64_t mbrReach(uint32_t ts) { return (uint64_t(UINT32_MAX) + 1) * ts; }
} // namespace

bool PartitionCloneMode::planFreeRegion()
{
    m_targetSectorSize = m_targetDisk.sectorSize ? m_targetDisk.sectorSize : 512;
    const auto style = m_targetDisk.partitionStyle;
    if (style != Tessarin::PartitionStyle::GPT && style != Tessarin::PartitionStyle::MBR)
        return fail(tr("Disk %1 has no partition table to keep; nothing was changed").arg(m_targetDisk.diskNumber));
    m_table = style == Tessarin::PartitionStyle::MBR ? Table::Mbr : Table::Gpt;
    // The window offers the free region by the same two calls.
    const FreeRegion::Span region = FreeRegion::ofDisk(m_targetDisk);
    if (!FreeRegion::holds(m_targetDisk, m_copySize))
        return fail(tr("The largest free region of disk %1 (%2) cannot hold the source partition (%3); nothing was changed")
                        .arg(m_targetDisk.diskNumber).arg(size(region.bytes), size(m_copySize)));
    m_targetOffset = region.start;
    m_plan.table << QStringLiteral("keep the target's partitions; add one %1 entry for the copy at byte %2, in a free region of %3")
                        .arg(m_table == Table::Mbr ? QStringLiteral("MBR") : QStringLiteral("GPT"))
                        .arg(m_targetOffset)
                        .arg(size(region.bytes));
    return true;
}

bool PartitionCloneMode::checkFreeRegion()
{
    const uint32_t ts = m_targetSectorSize;
    const FreeRegion::Span planned{m_targetOffset, entrySectors() * ts};
    QList<FreeRegion::Span> used;
    uint64_t first = ts, end = std::min(m_diskIO->targetBytes() / ts * ts, mbrReach(ts));
    bool entryFree = false;
    if (m_table == Table::Gpt) {
        GptDisk disk;
        if (!disk.load(*m_diskIO, ts, 0))
            return fail(tr("The target disk's partition table is damaged (%1); nothing was changed")
                            .arg(QString::fromStdString(disk.lastError())));
        for (const GptPartitionEntry& e : disk.entries())
            if (e.isUsed())
                used.append({e.firstLba * ts, (e.lastLba - std::min(e.lastLba, e.firstLba) + 1) * ts});
        first = disk.header().firstUsableLba * ts;
        end = (disk.header().lastUsableLba + 1) * ts;
        entryFree = disk.firstFreeEntry() >= 0;
    } else {
        std::vector<uint8_t> mbr(ts);
        if (!m_diskIO->readTargetBytes(0, ts, mbr.data()) || !MbrCodec::hasBootSignature(mbr))
            return fail(tr("Failed to read the target disk's partition table: %1").arg(m_diskIO->lastError()));
        // An extended partition counts whole: its logical partitions and boot records live inside it.
        for (int i = 0; i < MbrCodec::EntryCount; ++i) {
            MbrCodec::Entry e;
            if (!MbrCodec::entry(mbr, i, e))
                continue;
            if (e.type == 0)
                entryFree = true;
            else
                used.append({uint64_t(e.firstLba) * ts, uint64_t(e.sectorCount) * ts});
        }
    }
    if (!entryFree)
        return fail(tr("The target disk's partition table has no free entry for the copy; nothing was changed"));
    bool clear = planned.start >= first && planned.end() <= end;
    for (const FreeRegion::Span& u : used)
        clear = clear && (u.end() <= planned.start || u.start >= planned.end());
    if (!clear)
        return fail(tr("The target disk's partition table no longer leaves room for the copy at byte %1; nothing was changed")
                        .arg(m_targetOffset));
    log().info(QStringLiteral("Copy goes into free space at offset %1; the target keeps its %2 partitions")
                   .arg(m_targetOffset).arg(used.size()));
    return true;
}

void PartitionCloneMode::planCopy()
{
    const PartitionInfo& p = m_sourcePartition;
    CopyPlan plan(m_sourceSectorSize);
    ClonePlan::Method method = m_sectorBySector ? ClonePlan::Method::SectorBySector : ClonePlan::Method::Full;
    if (m_smartClone && !m_sectorBySector) {
        QString fileSystem, reason;
        const UsedSpace::Result result = UsedSpace::addTo(plan, p, m_diskIO->sourceDevice(), m_sourceOffset, m_targetOffset, fileSystem, reason);
        if (result == UsedSpace::Result::Planned) {
            log().info(QStringLiteral("Smart copy (%1): %2 of %3").arg(fileSystem, size(plan.totalBytes()), size(p.size)));
            if (!reason.isEmpty())
                addWarning(tr("Partition %1 (%2): %3").arg(p.displayName(), fileSystem, reason));
            method = ClonePlan::Method::Smart;
        } else if (result == UsedSpace::Result::Damaged) {
            addWarning(tr("The usage map of partition %1 cannot be trusted (%2); the partition was copied whole")
                           .arg(p.displayName(), reason));
        } else {
            log().warning(QStringLiteral("Failed to parse filesystem, falling back to full copy"));
        }
    }
    if (method != ClonePlan::Method::Smart) {
        plan = CopyPlan(m_sourceSectorSize);
        plan.add(m_sourceOffset, m_targetOffset, p.size);
    }
    m_plan.copies.append({p.displayName(), method, -1, false, plan.extents(), plan.totalBytes(), {m_targetOffset, p.size}});
}

bool PartitionCloneMode::checkBootSector()
{
    // The boot sector fix is tried on the source's sector now, so a copy that could not be made
    // to describe its new place is refused before anything is written.
    std::vector<uint8_t> sector(std::max<size_t>(m_sourceSectorSize, MbrCodec::SectorBytes));
    if (!m_diskIO->readSourceBytes(m_sourceOffset, m_sourceSectorSize, sector.data()))
        return fail(tr("The source partition cannot be read (%1); nothing was changed").arg(m_diskIO->lastError()));
    BootSectorPatch::Result result;
    if (!BootSectorPatch::apply(sector.data(), m_targetOffset, m_copySize, result))
        return fail(tr("The copy's boot sector cannot describe its new place: %1; nothing was changed")
                        .arg(QString::fromStdString(result.error)));
    return true;
}

bool PartitionCloneMode::execute()
{
    const QString name = m_sourcePartition.displayName();
    log().info(QStringLiteral("Starting partition clone: %1 -> Disk %2 @ offset %3")
                   .arg(name)
                   .arg(m_targetDisk.diskNumber)
                   .arg(m_targetOffset));
    m_bytesCopied = 0;
    if (!m_diskIO || !m_diskIO->hasSource() || !m_diskIO->hasTarget() || m_plan.copies.isEmpty())
        return fail(tr("Disks are not open (prepare first)"));
    if (isCancelled())
        return false;
    beginTargetWrites();
    emit phaseChanged(tr("Copying partition: %1").arg(name));
    emit partitionChanged(0, 1, name);
    if (!copyExtents(m_plan.extents(), m_totalBytes, m_sourcePartition.displayName()) || isCancelled())
        return false;
    m_diskIO->flushTarget();

    emit phaseChanged(tr("Updating boot sector..."));
    if (!fixBootSector())
        return false;
    if (isCancelled())
        return false;
    emit phaseChanged(tr("Creating partition entry..."));
    log().info(QStringLiteral("Partition params: startLBA=%1, sectors=%2, sectorSize=%3")
                   .arg(m_targetOffset / m_targetSectorSize)
                   .arg(entrySectors())
                   .arg(m_targetSectorSize));
    const bool entry = m_table == Table::Gpt ? writeGptEntry() : writeMbrEntry();
    if (!entry)
        return fail(tr("Failed to create partition entry - partition will not be visible: %1").arg(m_lastError));
    if (!m_diskIO->flushTarget())
        return fail(tr("Failed to flush target: %1").arg(m_diskIO->lastError()));
    log().info(QStringLiteral("Partition clone completed successfully"));
    return !isCancelled();
}

bool PartitionCloneMode::fixBootSector()
{
    QString why;
    if (VolumeBootSector::place(*m_diskIO, m_targetOffset, m_copySize, why) == VolumeBootSector::Outcome::Failed)
        return fail(tr("Failed to update boot sector - partition may not be accessible: %1").arg(why));
    return true;
}

QUuid PartitionCloneMode::gptType() const
{
    const QUuid own(m_sourcePartition.typeGuid);
    if (!own.isNull())
        return own;
    return m_sourcePartition.isEfi ? Tessarin::efiSystemPartitionType : Tessarin::basicDataPartitionType;
}

QString PartitionCloneMode::gptName() const
{
    using FS = Tessarin::FileSystemType;
    if (m_sourcePartition.isEfi)
        return QStringLiteral("EFI System Partition");
    if (m_sourcePartition.fileSystem == FS::NTFS || m_sourcePartition.fileSystem == FS::FAT32)
        return QStringLiteral("Basic Data Partition");
    return QStringLiteral("Cloned Partition");
}

uint8_t PartitionCloneMode::mbrType() const
{
    if (m_sourcePartition.fileSystem != Tessarin::FileSystemType::FAT32)
        return MbrTypeNtfs;
    return m_copySize / 512 > MaxChsFat32Sectors ? MbrTypeFat32Lba : MbrTypeFat32Chs;
}

bool PartitionCloneMode::writeGptEntry()
{
    const uint32_t ts = m_targetSectorSize;
    GptDisk disk;
    if (!disk.load(*m_diskIO, ts, 0)) {
        if (keepsTable())
            return fail(QString::fromStdString(disk.lastError()));
        // The clean left no table behind: a fresh one for the whole disk.
        std::array<uint8_t, 16> guid{};
        PartitionTable::guidToGptBytes(QUuid::createUuid(), guid.data());
        const uint64_t sectors = m_diskIO->targetBytes() / ts;
        if (!disk.create(ts, sectors, guid))
            return fail(QString::fromStdString(disk.lastError()));
    }
    int index = m_entryIndex;
    if (!intoExisting()) {
        index = disk.firstFreeEntry();
        if (index < 0)
            return fail(QStringLiteral("no free GPT entry"));
        GptPartitionEntry& e = disk.entries()[size_t(index)];
        e = GptPartitionEntry();
        PartitionTable::guidToGptBytes(QUuid::createUuid(), e.uniqueGuid.data());
        e.firstLba = m_targetOffset / ts;
        e.lastLba = e.firstLba + entrySectors() - 1;
        if (disk.findOverlap(e.firstLba, e.lastLba, index) >= 0)
            return fail(QStringLiteral("the new entry overlaps another partition"));
    } else if (index >= int(disk.entries().size()) || disk.entries()[size_t(index)].firstLba * ts != m_targetOffset) {
        return fail(QStringLiteral("the target entry moved since the copy was planned"));
    }
    // The reused entry keeps its place, its unique GUID and its attributes; type and name follow the source.
    GptPartitionEntry& e = disk.entries()[size_t(index)];
    PartitionTable::guidToGptBytes(gptType(), e.typeGuid.data());
    e.setName(gptName().toStdU16String());
    if (!disk.commit(*m_diskIO))
        return fail(QString::fromStdString(disk.lastError()));
    log().info(QStringLiteral("GPT entry %1 written: LBA %2-%3").arg(index).arg(e.firstLba).arg(e.lastLba));
    return true;
}

bool PartitionCloneMode::writeMbrEntry()
{
    const uint32_t ts = m_targetSectorSize;
    std::vector<uint8_t> sector(ts);
    if (!m_diskIO->readTargetBytes(0, ts, sector.data()))
        return fail(tr("Failed to read MBR from target disk: %1").arg(m_diskIO->lastError()));
    if (!MbrCodec::hasBootSignature(sector)) {
        if (keepsTable())
            return fail(QStringLiteral("the target's MBR lost its signature"));
        log().info(QStringLiteral("Initializing new MBR"));
        std::fill(sector.begin(), sector.end(), 0);
        sector[MbrCodec::OffBootSignature] = uint8_t(MbrCodec::BootSignature & 0xFF);
        sector[MbrCodec::OffBootSignature + 1] = uint8_t(MbrCodec::BootSignature >> 8);
    }
    // Only the one slot changes: the other entries, the disk signature and the boot code stay.
    MbrCodec::Entry e;
    int slot = m_entryIndex;
    if (intoExisting()) {
        if (!MbrCodec::entry(sector, slot, e) || uint64_t(e.firstLba) * ts != m_targetOffset)
            return fail(QStringLiteral("the target entry moved since the copy was planned"));
    } else {
        slot = -1;
        for (int i = 0; i < MbrCodec::EntryCount && slot < 0; ++i)
            if (MbrCodec::entry(sector, i, e) && e.type == 0)
                slot = i;
        if (slot < 0)
            return fail(QStringLiteral("no free MBR slot"));
        e = MbrCodec::Entry();
        std::copy(std::begin(ChsBeyondReach), std::end(ChsBeyondReach), e.firstChs);
        std::copy(std::begin(ChsBeyondReach), std::end(ChsBeyondReach), e.lastChs);
        e.firstLba = uint32_t(m_targetOffset / ts);
        e.sectorCount = uint32_t(entrySectors());
    }
    e.type = mbrType();
    if (!MbrCodec::setEntry(sector, slot, e) || !m_diskIO->writeTargetBytes(0, ts, sector.data()))
        return fail(tr("Failed to write MBR: %1").arg(m_diskIO->lastError()));
    log().info(QStringLiteral("MBR entry %1: start=%2, sectors=%3 (%4-byte), type=0x%5")
                   .arg(slot).arg(e.firstLba).arg(e.sectorCount).arg(ts)
                   .arg(e.type, 2, 16, QLatin1Char('0')));
    return true;
}

std::vector<BootabilityCheck::Finding> PartitionCloneMode::checkCopy() const
{
    return BootabilityCheck::checkPartition(m_targetDisk.diskNumber, m_targetOffset);
}

bool PartitionCloneMode::repairBoot()
{
    if (!systemSource()) {
        addSkipped(tr("Boot repair: skipped, the source is not a system partition"));
        return true;
    }
    log().info(QStringLiteral("Repairing boot configuration for cloned system partition..."));
    emit phaseChanged(tr("Repairing boot configuration..."));
    if (!BootToolAvailability::allAvailable())
        return fail(tr("The boot repair of the copy failed: %1").arg(BootToolAvailability::refuse(QStringLiteral("Partition clone boot repair"))));
    BootManager manager;
    m_bootRepaired = manager.fixBoot(m_targetDisk, manager.detectFirmwareType());
    // The copied partition is whole either way, but a copy that was to start and cannot is no success.
    if (!m_bootRepaired)
        return fail(tr("The boot repair of the copy failed: %1")
                        .arg(manager.lastError().isEmpty() ? tr("Boot repair of the target disk failed") : manager.lastError()));
    return true;
}
