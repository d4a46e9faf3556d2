#include "cli/dryrunplan.h"

#include "boot/boottoolavailability.h"
#include "core/readonlydisk.h"
#include "modes/copyplan.h"
#include "modes/diskclonemode.h"
#include "modes/partitionclonemode.h"
#include "modes/systemclonelayout.h"
#include "modes/systemclonemode.h"
#include "modes/usedspace.h"
#include "partition/resizeplanner.h"

namespace {
const QString Full = QStringLiteral("full");
const QString Smart = QStringLiteral("smart");
const QString Whole = QStringLiteral("sector by sector");
} // namespace

void DryRunPlan::addCopy(const QString& name, const QString& method, uint64_t sourceOffset, uint64_t targetOffset,
                         uint64_t bytes)
{
    m_copies.append({name, method, sourceOffset / m_sectorSize, targetOffset / m_sectorSize, bytes});
    m_totalBytes += bytes;
}

QString DryRunPlan::planPartition(const PartitionInfo& p, int diskNumber, uint64_t targetOffset, bool full,
                                  uint64_t& bytes)
{
    const uint64_t offset = p.startSector * 512;
    bytes = p.size;
    if (m_config.sectorBySector)
        return Whole;
    if (!m_config.smartClone || full)
        return Full;
    CopyPlan plan(m_sectorSize);
    QString fileSystem, reason;
    ReadOnlyDisk disk;
    if (!disk.open(diskNumber) || UsedSpace::addTo(plan, p, disk.handle(), offset, targetOffset, fileSystem, reason) != UsedSpace::Result::Planned)
        return Full;
    bytes = plan.totalBytes();
    return Smart;
}

bool DryRunPlan::build(const CloneConfig& config, QString& error)
{
    m_config = config;
    m_copies.clear();
    m_table.clear();
    m_space.clear();
    m_boot.clear();
    m_totalBytes = 0;
    switch (config.mode) {
    case Tessarin::CloneModeType::DiskClone: return buildDisk(error);
    case Tessarin::CloneModeType::SystemClone: return buildSystem(error);
    case Tessarin::CloneModeType::PartitionClone: return buildPartition(error);
    }
    return false;
}

bool DryRunPlan::buildDisk(QString&)
{
    const DiskInfo& s = m_config.sourceDisk;
    m_sectorSize = s.sectorSize ? s.sectorSize : 512;
    const bool gpt = s.partitionStyle == Tessarin::PartitionStyle::GPT;
    if (!gpt && s.partitions.isEmpty()) {
        m_table << QStringLiteral("wipe every signature and the partition table of the target")
                << QStringLiteral("no recognised partition table: the whole disk is copied sector by sector");
        addCopy(QStringLiteral("whole disk"), Whole, 0, 0, s.size / m_sectorSize * m_sectorSize);
        addBootRepair(false);
        return true;
    }
    m_table << QStringLiteral("wipe every signature and the partition table of the target")
            << QStringLiteral("copy the source's %1 table unchanged in place").arg(gpt ? QStringLiteral("GPT") : QStringLiteral("MBR"));
    if (gpt)
        m_table << QStringLiteral("move the backup GPT and the last usable sector to the target's end")
                << QStringLiteral("give the disk and every partition new GUIDs");
    else
        m_table << QStringLiteral("give the disk a new MBR signature");
    addCopy(QStringLiteral("partition table"), Full, 0, 0, std::min<uint64_t>(CopyPlan::TableRegionBytes, s.size));
    bool windows = false;
    for (const PartitionInfo& p : s.partitions) {
        if (p.size == 0)
            continue;
        const bool isWindows = DiskCloneMode::isWindowsVolume(p);
        windows = windows || isWindows;
        uint64_t bytes = 0;
        const QString method = planPartition(p, s.diskNumber, p.startSector * 512, CopyPlan::isBootCritical(p, isWindows), bytes);
        addCopy(p.displayName(), method, p.startSector * 512, p.startSector * 512, bytes);
    }
    if (m_config.targetDisk.size > s.size)
        m_space << QStringLiteral("%1 behind the last partition stay unallocated")
                       .arg(Tessarin::formatSize(m_config.targetDisk.size - s.size, 2));
    addBootRepair(windows);
    return true;
}

bool DryRunPlan::buildSystem(QString& error)
{
    const DiskInfo& s = m_config.sourceDisk;
    const DiskInfo& t = m_config.targetDisk;
    m_sectorSize = s.sectorSize ? s.sectorSize : 512;
    const bool legacy = m_config.targetBootMode == Tessarin::TargetBootMode::Legacy;
    m_table << QStringLiteral("wipe the target and give it an empty %1 table").arg(legacy ? QStringLiteral("MBR") : QStringLiteral("GPT"));
    if (m_config.sectorBySector) {
        addCopy(QStringLiteral("whole disk"), Whole, 0, 0, s.size / m_sectorSize * m_sectorSize);
        m_space << QStringLiteral("sector-by-sector copy: the space options are not used");
        addBootRepair(true);
        return true;
    }
    SystemCloneMode mode;
    mode.setConfig(m_config);
    const QList<PartitionInfo> system = mode.detectSystemPartitions();
    std::vector<SystemCloneLayout::Placement> placements;
    if (!SystemCloneLayout::place(system, m_sectorSize, m_config.align4K, SystemCloneMode::placeableBytes(s, t), placements, error))
        return false;
    m_table << QStringLiteral("copy the source's table region, then cut the table down to the copied partitions")
            << QStringLiteral("new disk and partition identifiers");
    addCopy(QStringLiteral("partition table"), Full, 0, 0, CopyPlan::TableRegionBytes);
    uint64_t end = 0;
    for (int i = 0; i < system.size(); ++i) {
        const PartitionInfo& p = system[i];
        const SystemCloneLayout::Placement& at = placements[size_t(i)];
        uint64_t bytes = 0;
        const QString method = planPartition(p, s.diskNumber, at.targetOffset, SystemCloneLayout::isSystemCritical(p), bytes);
        addCopy(p.displayName(), method, at.sourceOffset, at.targetOffset, bytes);
        end = std::max(end, at.targetOffset + at.size);
    }
    const uint64_t free = t.size > end + SystemCloneLayout::SpaceMargin ? t.size - end : 0;
    switch (m_config.resizeMode) {
    case Tessarin::ResizeMode::KeepOnly:
        m_space << QStringLiteral("leave %1 unallocated").arg(Tessarin::formatSize(free, 2));
        break;
    case Tessarin::ResizeMode::KeepAndCreateData:
        m_space << QStringLiteral("create an NTFS data partition \"%1\" in the remaining %2")
                       .arg(m_config.dataPartitionLabel, Tessarin::formatSize(free, 2));
        break;
    case Tessarin::ResizeMode::ExpandSystem: {
        QList<PartitionInfo> placed = system;
        for (int i = 0; i < placed.size(); ++i)
            placed[i].startSector = placements[size_t(i)].targetOffset / 512;
        const int strategy = t.size > s.size ? ResizePlanner::ExpandLast : ResizePlanner::ShrinkLast;
        for (const ResizePlanEntry& e : ResizePlanner::calculateResizePlan(s, t, placed, strategy))
            if (e.needsResize)
                m_space << QStringLiteral("resize %1 from %2 to %3 and extend its file system%4")
                               .arg(e.partition.displayName(), e.partition.sizeString(), Tessarin::formatSize(e.newSize, 2),
                                    e.canResize ? QString() : QStringLiteral(" (not possible: %1)").arg(e.description));
        if (m_space.isEmpty())
            m_space << QStringLiteral("no partition needs resizing");
        break;
    }
    }
    addBootRepair(true);
    return true;
}

bool DryRunPlan::buildPartition(QString&)
{
    const PartitionInfo& p = m_config.sourcePartition;
    const DiskInfo& t = m_config.targetDisk;
    m_sectorSize = t.sectorSize ? t.sectorSize : 512;
    uint64_t targetOffset = 0;
    if (m_config.targetPartition.isValid()) {
        targetOffset = m_config.targetPartition.startSector * 512;
        m_table << QStringLiteral("keep the target's table; rewrite the size and type of partition %1")
                       .arg(m_config.targetPartition.partitionNumber);
    } else {
        targetOffset = PartitionCloneMode::freeSpaceOffset(m_sectorSize, m_config.align4K);
        m_table << QStringLiteral("wipe the target and give it a %1 table with one partition")
                       .arg(t.partitionStyle == Tessarin::PartitionStyle::MBR ? QStringLiteral("MBR") : QStringLiteral("GPT"));
    }
    uint64_t bytes = 0;
    const QString method = planPartition(p, p.diskNumber, targetOffset, false, bytes);
    addCopy(p.displayName(), method, p.startSector * 512, targetOffset, bytes);
    m_table << QStringLiteral("point the copy's boot sector at its new start sector %1").arg(targetOffset / m_sectorSize);
    if (m_config.fixBoot)
        m_boot << QStringLiteral("rebuild the boot files of the copied volume");
    return true;
}

void DryRunPlan::addBootRepair(bool windows)
{
    if (!m_config.fixBoot) {
        m_boot << QStringLiteral("none (--no-boot-repair)");
        return;
    }
    if (!windows && m_config.mode == Tessarin::CloneModeType::DiskClone) {
        m_boot << QStringLiteral("none: the source holds no Windows installation");
        return;
    }
    if (m_config.mode == Tessarin::CloneModeType::SystemClone)
        m_boot << QStringLiteral("rebuild the boot files for %1 boot")
                      .arg(m_config.targetBootMode == Tessarin::TargetBootMode::Legacy ? QStringLiteral("legacy BIOS")
                                                                                       : QStringLiteral("UEFI"))
               << QStringLiteral("mark the copied Windows as portable and enable the boot-start storage drivers");
    else
        m_boot << QStringLiteral("rebuild the boot configuration store of the copy for this machine's firmware");
    if (!BootToolAvailability::allAvailable())
        m_boot << QStringLiteral("warning: %1 missing here, so the boot repair would fail; --no-boot-repair skips it")
                      .arg(BootToolAvailability::missingTools().join(QStringLiteral(", ")));
}

QJsonObject DryRunPlan::json() const
{
    QJsonArray copies;
    for (const Copy& c : m_copies)
        copies.append(QJsonObject{{QStringLiteral("name"), c.name},
                                  {QStringLiteral("method"), c.method},
                                  {QStringLiteral("sourceStartSector"), qint64(c.sourceStart)},
                                  {QStringLiteral("targetStartSector"), qint64(c.targetStart)},
                                  {QStringLiteral("bytes"), qint64(c.bytes)}});
    return QJsonObject{{QStringLiteral("event"), QStringLiteral("plan")},
                       {QStringLiteral("copies"), copies},
                       {QStringLiteral("totalBytes"), qint64(m_totalBytes)},
                       {QStringLiteral("table"), QJsonArray::fromStringList(m_table)},
                       {QStringLiteral("space"), QJsonArray::fromStringList(m_space)},
                       {QStringLiteral("bootRepair"), QJsonArray::fromStringList(m_boot)},
                       {QStringLiteral("verify"), m_config.verify}};
}

QString DryRunPlan::text() const
{
    QString s = QStringLiteral("Dry run: nothing is written.\nCopies (start sectors of %1 bytes):\n").arg(m_sectorSize);
    for (const Copy& c : m_copies)
        s += QStringLiteral("  %1: %2, sector %3 -> %4, %5 (%6 bytes)\n")
                 .arg(c.name, c.method)
                 .arg(c.sourceStart)
                 .arg(c.targetStart)
                 .arg(Tessarin::formatSize(c.bytes, 2))
                 .arg(c.bytes);
    s += QStringLiteral("  total: %1 (%2 bytes)%3\n")
             .arg(Tessarin::formatSize(m_totalBytes, 2))
             .arg(m_totalBytes)
             .arg(m_config.verify ? QStringLiteral(", read back and compared afterwards") : QString());
    const auto section = [&s](const QString& title, const QStringList& lines) {
        s += title + QLatin1String(":\n");
        for (const QString& line : lines)
            s += QLatin1String("  ") + line + QLatin1Char('\n');
    };
    section(QStringLiteral("Partition table"), m_table);
    if (!m_space.isEmpty())
        section(QStringLiteral("Remaining space"), m_space);
    section(QStringLiteral("Boot repair"), m_boot);
    return s;
}
