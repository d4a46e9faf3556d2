#include "partition/partitionresizer.h"
#include "core/commandrunner.h"
#include "core/diskio.h"
#include "core/logger.h"
#include "ondisk/ntfsbootsector.h"
#include "partition/diskaccess.h"
#include "partition/gptcodec.h"
#include "partition/partitiontable.h"
#include "platformtools/diskpartscript.h"
#include "platformtools/toolrunner.h"
#include "partition/sectorunits.h"
#include "ondisk/crc32.h"
#include "ondisk/mbrcodec.h"

#include <QUuid>
#include <algorithm>
#include <cmath>
#include <numeric>

namespace {

constexpr uint64_t OneMiB = 1048576;
constexpr uint64_t HundredMiB = 104857600;

Logger& log() { return Logger::instance(); }

bool isReserved(const PartitionInfo& p)
{
    return p.isMsr || p.typeGuid.toUpper().contains(QLatin1String(Tessarin::MsrTypeText));
}

bool looksGpt(const QList<PartitionInfo>& partitions)
{
    return std::any_of(partitions.begin(), partitions.end(), [](const PartitionInfo& p) { return !p.typeGuid.isEmpty(); });
}

uint32_t planSectorSize(const DiskInfo& disk)
{
    return SectorUnits::isSupportedSectorSize(disk.sectorSize) ? disk.sectorSize : SectorUnits::Unit;
}

// End (exclusive, 512-byte units) of what partitions may use on `target`: before the backup GPT on
// a GPT layout, the disk's end otherwise; 0 when the size is unknown.
uint64_t usableEndUnits(const DiskInfo& target, bool gpt)
{
    const uint32_t ss = planSectorSize(target);
    const uint64_t total = target.size / ss;
    const uint64_t reserve = gpt ? uint64_t(GptCodec::entrySectors(ss)) + 1 : 0;
    return total > reserve ? SectorUnits::toUnits(total - reserve, ss) : 0;
}

QString twoDecimals(double v) { return QString::number(v, 'f', 2); }

} // namespace

PartitionResizer::PartitionResizer(QObject* parent) : QObject(parent) {}

bool PartitionResizer::fail(const QString& message)
{
    m_lastError = message;
    log().error(message);
    return false;
}

uint32_t PartitionResizer::checkedSectorSize(DiskIO& disk, uint32_t requested)
{
    // A caller that assumes 512 on a 4Kn disk would read the wrong LBA 1; the disk knows better.
    if (disk.hasTarget() && disk.targetLogicalSector() != requested &&
        SectorUnits::isSupportedSectorSize(disk.targetLogicalSector())) {
        log().warning(QStringLiteral("Sector size %1 given, but the disk's logical sector size is %2; using %2")
                          .arg(requested).arg(disk.targetLogicalSector()));
        return disk.targetLogicalSector();
    }
    return requested;
}

uint64_t PartitionResizer::minimumPartitionSize(const PartitionInfo& p)
{
    if (p.usedSpace == 0)
        return p.size / 10;
    const auto scaled = static_cast<uint64_t>(static_cast<double>(p.usedSpace) * 1.1);
    return std::max<uint64_t>(scaled, HundredMiB);
}

// ---------------------------------------------------------------- planning

QList<ResizePlanEntry> PartitionResizer::calculateResizePlan(const DiskInfo& source, const DiskInfo& target,
                                                             const QList<PartitionInfo>& partitions, int strategy)
{
    const int64_t diff = int64_t(target.size) - int64_t(source.size);
    log().info(QStringLiteral("Calculating resize plan: source=%1 bytes, target=%2 bytes, diff=%3 bytes, strategy=%4")
                   .arg(source.size).arg(target.size).arg(diff).arg(strategy));

    QList<ResizePlanEntry> plan;
    for (int i = 0; i < partitions.size(); ++i) {
        ResizePlanEntry e;
        e.partitionIndex = i;
        e.partition = partitions[i];
        e.newStartSector = partitions[i].startSector;
        e.newSectorCount = partitions[i].sectorCount;
        e.newSize = partitions[i].size;
        plan.append(e);
    }
    auto describeAll = [&plan](const QString& text) {
        for (ResizePlanEntry& e : plan)
            e.description = text;
    };

    if (strategy == KeepSizes || strategy == 4 || strategy == 5) {
        log().info(QStringLiteral("Keep original partition sizes"));
        describeAll(QStringLiteral("Keep original size"));
        return plan;
    }
    if (std::llabs(diff) < int64_t(OneMiB)) {
        log().info(QStringLiteral("Disk sizes are similar, no resize needed"));
        describeAll(QStringLiteral("No resize needed"));
        return plan;
    }
    if (strategy == Proportional) {
        planProportional(source, target, partitions, plan);
        return plan;
    }
    if (strategy != ExpandLast && strategy != ShrinkLast) {
        describeAll(QStringLiteral("No resize requested"));
        return plan;
    }
    planFitLast(target, partitions, diff, plan);
    return plan;
}

void PartitionResizer::planFitLast(const DiskInfo& target, const QList<PartitionInfo>& partitions, int64_t diff,
                                   QList<ResizePlanEntry>& plan)
{
    int chosen = -1;
    for (int i = 0; i < partitions.size(); ++i) {
        const PartitionInfo& p = partitions[i];
        if (p.isEfi || p.isRecovery || isReserved(p) || p.startSector == 0)
            continue;
        if (chosen < 0 || p.startSector > partitions[chosen].startSector)
            chosen = i;
    }
    for (int i = 0; i < plan.size(); ++i)
        if (i != chosen)
            plan[i].description = QStringLiteral("Keep original size");
    if (chosen < 0)
        return;

    ResizePlanEntry& e = plan[chosen];
    const PartitionInfo& p = partitions[chosen];
    int64_t newCount = int64_t(p.sectorCount) + diff / 512;
    if (newCount < 0) {
        e.canResize = false;
        e.description = QStringLiteral("Target disk is too small");
        return;
    }

    const uint64_t usableEnd = usableEndUnits(target, looksGpt(partitions));
    const uint64_t start = p.startSector;
    const uint64_t roomToEnd = usableEnd > start ? usableEnd - start : 0;
    uint64_t count = uint64_t(newCount);
    if (diff < 0) {
        // Cut only what does not fit: the tail of a volume that fits still holds data.
        count = std::min<uint64_t>(p.sectorCount, roomToEnd);
    } else {
        count = std::min<uint64_t>(count, roomToEnd);
        for (int i = 0; i < partitions.size(); ++i) {
            const PartitionInfo& other = partitions[i];
            if (i == chosen || other.sectorCount == 0 || other.startSector < start)
                continue;
            if (other.startSector < start + count) {
                e.canResize = false;
                e.description = QStringLiteral("Cannot expand into partition %1 behind it").arg(other.displayName());
                return;
            }
        }
    }
    const uint32_t per = SectorUnits::unitsPerSector(planSectorSize(target));
    count -= count % per;
    if (count == 0) {
        e.canResize = false;
        e.description = QStringLiteral("Target disk is too small");
        return;
    }
    if (count == p.sectorCount) {
        e.description = QStringLiteral("Keep original size");
        return;
    }
    const uint64_t minimum = minimumPartitionSize(p);
    if (count * 512 < minimum) {
        e.canResize = false;
        e.description = QStringLiteral("Cannot shrink below minimum size %1 bytes").arg(minimum);
        return;
    }
    e.needsResize = true;
    e.newSectorCount = count;
    e.newSize = count * 512;
    e.description = count < p.sectorCount ? QStringLiteral("Shrink by %1 bytes").arg((p.sectorCount - count) * 512)
                                          : QStringLiteral("Expand by %1 bytes").arg((count - p.sectorCount) * 512);
}

void PartitionResizer::planProportional(const DiskInfo& source, const DiskInfo& target,
                                        const QList<PartitionInfo>& partitions, QList<ResizePlanEntry>& plan)
{
    const double ratio = source.size ? double(target.size) / double(source.size) : 0.0;
    const QString ratioText = QStringLiteral("Proportional resize (ratio=%1)").arg(twoDecimals(ratio));
    const uint32_t per = SectorUnits::unitsPerSector(planSectorSize(target));
    const uint64_t step = std::lcm<uint64_t>(8, per);
    const uint64_t usableEnd = usableEndUnits(target, looksGpt(partitions));
    auto kept = [](const PartitionInfo& p) { return p.isEfi || p.isRecovery || isReserved(p); };

    // Walk the layout in disk order; the cursor starts where the first partition starts.
    QList<int> order(partitions.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [&](int a, int b) { return partitions[a].startSector < partitions[b].startSector; });
    uint64_t cursor = partitions.isEmpty() ? 0 : partitions[order.first()].startSector;

    for (int idx : order) {
        const PartitionInfo& p = partitions[idx];
        ResizePlanEntry& e = plan[idx];
        if (kept(p)) {
            e.description = QStringLiteral("System partition - keep original size");
            cursor = std::max(cursor, p.startSector + p.sectorCount);
            continue;
        }
        uint64_t count = source.size ? uint64_t(std::floor(double(p.size) * ratio)) / 512 : 0;
        count -= count % per;
        const uint64_t start = (cursor + step - 1) / step * step;
        e.newStartSector = start;
        e.newSectorCount = count;
        e.newSize = count * 512;
        e.needsResize = count != p.sectorCount || start != p.startSector;
        e.description = ratioText;
        cursor = start + count;
        if (!e.needsResize)
            continue;

        // Data is never moved, so the plan is only possible where nothing moves or collides;
        // a failed entry keeps needsResize so the executor refuses the whole plan.
        if (start != p.startSector) {
            e.canResize = false;
            e.description = QStringLiteral("Proportional resize would move the partition from sector %1 to %2, "
                                           "and partition data is not moved")
                                .arg(p.startSector).arg(start);
            continue;
        }
        if (count == 0 || (usableEnd && start + count > usableEnd)) {
            e.canResize = false;
            e.description = QStringLiteral("Target disk is too small");
            continue;
        }
        for (int j = 0; j < partitions.size(); ++j) {
            const PartitionInfo& other = partitions[j];
            if (j != idx && kept(other) && other.startSector >= start && other.startSector < start + count) {
                e.canResize = false;
                e.description = QStringLiteral("Proportional resize would overlap partition %1")
                                    .arg(other.displayName());
                break;
            }
        }
        if (!e.canResize)
            continue;
        const uint64_t minimum = minimumPartitionSize(p);
        if (count * 512 < minimum) {
            e.canResize = false;
            e.description = QStringLiteral("Cannot shrink below minimum size %1 bytes").arg(minimum);
        }
    }
}

// ---------------------------------------------------------------- execution

bool PartitionResizer::executeResize(DiskIO& disk, const QList<ResizePlanEntry>& plan, uint64_t diskSize,
                                     uint32_t sectorSize)
{
    log().info(QStringLiteral("Executing partition resize..."));
    if (std::none_of(plan.begin(), plan.end(), [](const ResizePlanEntry& e) { return e.needsResize; })) {
        log().info(QStringLiteral("No partitions need resizing"));
        return true;
    }
    for (const ResizePlanEntry& e : plan) {
        if (e.needsResize && !e.canResize)
            return fail(QStringLiteral("Partition %1 cannot be resized: %2").arg(e.partition.displayName(), e.description));
    }
    sectorSize = checkedSectorSize(disk, sectorSize);
    const bool gpt = !plan.isEmpty() && !plan.first().partition.typeGuid.isEmpty();
    if (gpt ? !updateGptEntries(disk, plan, diskSize, sectorSize) : !updateMbrEntries(disk, plan, sectorSize))
        return false;

    for (const ResizePlanEntry& e : plan) {
        if (!e.needsResize)
            continue;
        const QString name = e.partition.displayName();
        emit partitionResizing(name, e.partition.size, e.newSize);
        if (e.partition.fileSystem == Tessarin::FileSystemType::NTFS ||
            e.partition.fileSystem == Tessarin::FileSystemType::Unknown) {
            log().info(QStringLiteral("Attempting NTFS boot sector update for partition %1").arg(name));
            if (!updateNtfsBootSector(disk, e.newStartSector, e.newSectorCount, sectorSize))
                log().warning(QStringLiteral("Failed to update NTFS boot sector for partition %1").arg(name));
            else if (e.newSize > e.partition.size)
                log().warning(QStringLiteral("NTFS volume of partition %1 is grown in its boot sector only: its cluster "
                                             "bitmap still covers the old size, so the new space stays unusable until "
                                             "the file system is extended").arg(name));
        }
        log().info(QStringLiteral("Partition %1 resized: %2 -> %3 bytes").arg(name).arg(e.partition.size).arg(e.newSize));
    }
    DiskAccess::refreshLayout(disk);
    log().info(QStringLiteral("Partition resize completed"));
    return true;
}

bool PartitionResizer::updateGptEntries(DiskIO& disk, const QList<ResizePlanEntry>& plan, uint64_t diskSize,
                                        uint32_t sectorSize)
{
    log().info(QStringLiteral("Updating GPT partition table..."));
    sectorSize = checkedSectorSize(disk, sectorSize);
    if (!SectorUnits::isSupportedSectorSize(sectorSize))
        return fail(SectorUnits::unsupportedSectorSizeText(sectorSize));
    GptHeader header;
    if (!PartitionTable::readGptHeader(disk, header, sectorSize))
        return fail(QStringLiteral("Failed to read GPT header"));
    const uint64_t total = diskSize / sectorSize;
    std::string why;
    if (!header.checkEntryArray(sectorSize, total, why))
        return fail(QString::fromStdString(why));
    QList<GptPartitionEntry> entries;
    if (!PartitionTable::readGptEntries(disk, entries, sectorSize))
        return fail(QStringLiteral("Failed to read GPT partition entries"));

    // The primary is fitted to this disk's size as well, so both headers describe the same disk.
    const uint64_t arraySectors = header.entryArraySectors(sectorSize);
    if (total < arraySectors + 3 || total - arraySectors - 2 < header.firstUsableLba)
        return fail(QStringLiteral("Disk of %1 bytes is too small for its GPT").arg(diskSize));
    const uint64_t lastUsable = total - arraySectors - 2;

    QList<int> changed;
    for (const ResizePlanEntry& e : plan) {
        if (!e.needsResize)
            continue;
        // Skipping it would let the boot sector grow past an unchanged table entry.
        if (e.partitionIndex < 0 || e.partitionIndex >= entries.size())
            return fail(QStringLiteral("Plan entry for %1 has index %2, outside the GPT's %3 entries")
                            .arg(e.partition.displayName()).arg(e.partitionIndex).arg(entries.size()));
        uint64_t first = 0;
        uint64_t count = 0;
        if (!SectorUnits::toDiskSectors(e.newStartSector, sectorSize, first) ||
            !SectorUnits::toDiskSectors(e.newSectorCount, sectorSize, count) || count == 0)
            return fail(QStringLiteral("Partition %1: start %2 and count %3 (512-byte units) are not whole %4-byte sectors")
                            .arg(e.partition.displayName()).arg(e.newStartSector).arg(e.newSectorCount).arg(sectorSize));
        GptPartitionEntry& entry = entries[e.partitionIndex];
        if (!entry.isUsed())
            return fail(QStringLiteral("GPT entry %1 is not in use").arg(e.partitionIndex));
        entry.firstLba = first;
        entry.lastLba = first + count - 1;
        changed.append(e.partitionIndex);
    }
    for (int i = 0; i < entries.size(); ++i) {
        const GptPartitionEntry& entry = entries[i];
        if (!entry.isUsed())
            continue;
        if (entry.firstLba < header.firstUsableLba || entry.lastLba > lastUsable || entry.firstLba > entry.lastLba)
            return fail(QStringLiteral("GPT entry %1 (%2-%3) lies outside the usable area %4-%5")
                            .arg(i).arg(entry.firstLba).arg(entry.lastLba).arg(header.firstUsableLba).arg(lastUsable));
        if (changed.contains(i)) {
            const int other = GptCodec::findOverlap(entries, entry.firstLba, entry.lastLba, i);
            if (other >= 0)
                return fail(QStringLiteral("Resized GPT entry %1 would overlap GPT entry %2").arg(i).arg(other));
        }
    }
    for (int i : changed)
        log().info(QStringLiteral("Updated GPT entry %1: start=%2, end=%3").arg(i).arg(entries[i].firstLba).arg(entries[i].lastLba));

    const QByteArray array = GptCodec::serializeEntries(entries, header.numberOfEntries);
    header.partitionEntryArrayCrc32 = Crc32::compute(array.constData(), size_t(array.size()));
    header.alternateLba = total - 1;
    header.lastUsableLba = lastUsable;
    header.sealHeaderCrc();
    if (!PartitionTable::writeGptHeader(disk, header, 1, sectorSize))
        return fail(QStringLiteral("Failed to write GPT header"));
    if (!DiskAccess::write(disk, header.partitionEntryLba * sectorSize, array))
        return fail(QStringLiteral("Failed to write GPT partition entries"));

    // A protective MBR that still covers only the old size is fitted too.
    QByteArray mbr;
    if (DiskAccess::read(disk, 0, sectorSize, mbr)) {
        auto* s = reinterpret_cast<uint8_t*>(mbr.data());
        MbrCodec::Entry pe = MbrCodec::entry(s, 0);
        const auto wanted = static_cast<uint32_t>(std::min<uint64_t>(total - 1, 0xFFFFFFFFull));
        if (MbrCodec::hasBootSignature(s) && pe.type == MbrCodec::ProtectiveType && pe.firstLba == 1 &&
            pe.sectorCount != wanted) {
            pe.sectorCount = wanted;
            MbrCodec::setEntry(s, 0, pe);
            if (!DiskAccess::write(disk, 0, mbr))
                log().warning(QStringLiteral("Failed to update protective MBR"));
        }
    }

    if (!updateBackupGpt(disk, diskSize, sectorSize))
        log().warning(QStringLiteral("Failed to update backup GPT, continuing..."));
    log().info(QStringLiteral("GPT partition table updated successfully"));
    return true;
}

bool PartitionResizer::updateBackupGpt(DiskIO& disk, uint64_t diskSize, uint32_t sectorSize)
{
    log().info(QStringLiteral("Updating backup GPT..."));
    sectorSize = checkedSectorSize(disk, sectorSize);
    GptHeader primary;
    QList<GptPartitionEntry> entries;
    if (!PartitionTable::readGptHeader(disk, primary, sectorSize) ||
        !PartitionTable::readGptEntries(disk, entries, sectorSize))
        return false;
    const uint64_t total = diskSize / sectorSize;
    std::string why;
    if (!primary.checkEntryArray(sectorSize, total, why))
        return fail(QString::fromStdString(why));
    const uint64_t arraySectors = primary.entryArraySectors(sectorSize);
    if (total < arraySectors + 3)
        return fail(QStringLiteral("Disk of %1 bytes is too small for its GPT").arg(diskSize));
    const uint64_t backupEntryLba = total - arraySectors - 1;
    for (int i = 0; i < entries.size(); ++i) {
        if (entries[i].isUsed() && entries[i].lastLba >= backupEntryLba)
            return fail(QStringLiteral("Backup GPT would overwrite partition entry %1 (ends at LBA %2)")
                            .arg(i).arg(entries[i].lastLba));
    }
    GptHeader backup = primary;
    backup.lastUsableLba = backupEntryLba - 1;
    backup = backup.makeBackup(total - 1, backupEntryLba);

    const QByteArray array = GptCodec::serializeEntries(entries, primary.numberOfEntries);
    if (!DiskAccess::write(disk, backupEntryLba * sectorSize, array)) {
        log().error(QStringLiteral("Failed to write backup partition entries"));
        return false;
    }
    if (!PartitionTable::writeGptHeader(disk, backup, total - 1, sectorSize)) {
        log().error(QStringLiteral("Failed to write backup GPT header"));
        return false;
    }
    log().info(QStringLiteral("Backup GPT updated successfully"));
    return true;
}

bool PartitionResizer::updateMbrEntries(DiskIO& disk, const QList<ResizePlanEntry>& plan, uint32_t sectorSize)
{
    log().info(QStringLiteral("Updating MBR partition table..."));
    sectorSize = checkedSectorSize(disk, sectorSize);
    if (!SectorUnits::isSupportedSectorSize(sectorSize))
        return fail(SectorUnits::unsupportedSectorSizeText(sectorSize));
    QByteArray sector;
    if (!DiskAccess::read(disk, 0, sectorSize, sector))
        return fail(QStringLiteral("Failed to read MBR"));
    auto* s = reinterpret_cast<uint8_t*>(sector.data());
    if (!MbrCodec::hasBootSignature(s))
        return fail(QStringLiteral("Invalid MBR signature"));

    struct Change { int index; uint32_t first; uint32_t count; };
    QList<Change> changes;
    for (const ResizePlanEntry& e : plan) {
        if (!e.needsResize)
            continue;
        if (e.partitionIndex < 0 || e.partitionIndex > 3)
            return fail(QStringLiteral("Partition %1 is in MBR slot %2; only the four primary entries can be resized")
                            .arg(e.partition.displayName()).arg(e.partitionIndex));
        uint64_t first = 0;
        uint64_t count = 0;
        if (!SectorUnits::toDiskSectors(e.newStartSector, sectorSize, first) ||
            !SectorUnits::toDiskSectors(e.newSectorCount, sectorSize, count) || count == 0)
            return fail(QStringLiteral("Partition %1: start %2 and count %3 (512-byte units) are not whole %4-byte sectors")
                            .arg(e.partition.displayName()).arg(e.newStartSector).arg(e.newSectorCount).arg(sectorSize));
        if (first > 0xFFFFFFFFull || count > 0xFFFFFFFFull)
            return fail(QStringLiteral("Partition %1 lies beyond the MBR's 32-bit sector range").arg(e.partition.displayName()));
        changes.append({e.partitionIndex, uint32_t(first), uint32_t(count)});
    }
    for (const Change& c : changes)
        MbrCodec::setEntryExtent(s, c.index, c.first, c.count);
    // Primary entries must stay disjoint after the change.
    for (int a = 0; a < 4; ++a) {
        const MbrCodec::Entry ea = MbrCodec::entry(s, a);
        for (int b = a + 1; b < 4; ++b) {
            const MbrCodec::Entry eb = MbrCodec::entry(s, b);
            if (ea.type == 0 || eb.type == 0 || ea.sectorCount == 0 || eb.sectorCount == 0)
                continue;
            if (uint64_t(ea.firstLba) < uint64_t(eb.firstLba) + eb.sectorCount &&
                uint64_t(eb.firstLba) < uint64_t(ea.firstLba) + ea.sectorCount)
                return fail(QStringLiteral("MBR entries %1 and %2 would overlap").arg(a).arg(b));
        }
    }
    for (const Change& c : changes)
        log().info(QStringLiteral("Updated MBR entry %1: start=%2, count=%3").arg(c.index).arg(c.first).arg(c.count));
    if (!DiskAccess::write(disk, 0, sector))
        return fail(QStringLiteral("Failed to write MBR"));
    log().info(QStringLiteral("MBR partition table updated successfully"));
    return true;
}

bool PartitionResizer::updateNtfsBootSector(DiskIO& disk, uint64_t startSector, uint64_t sectorCount,
                                            uint32_t sectorSize)
{
    log().info(QStringLiteral("Updating NTFS boot sector at sector %1, new size %2 sectors").arg(startSector).arg(sectorCount));
    sectorSize = checkedSectorSize(disk, sectorSize);
    if (!SectorUnits::isSupportedSectorSize(sectorSize)) {
        log().error(SectorUnits::unsupportedSectorSizeText(sectorSize));
        return false;
    }
    const uint64_t offset = startSector * 512;
    // Room for one file-system sector of up to 4096 bytes, in whole disk sectors.
    const uint64_t readLength = std::max<uint64_t>(sectorSize, 4096);
    QByteArray buffer;
    if (!DiskAccess::read(disk, offset, readLength, buffer)) {
        log().error(QStringLiteral("Failed to read NTFS boot sector at offset %1").arg(offset));
        return false;
    }
    auto* s = reinterpret_cast<uint8_t*>(buffer.data());
    if (!NtfsBootSector::hasOemId(s)) {
        log().error(QStringLiteral("Not a valid NTFS boot sector - signature mismatch"));
        log().error(QStringLiteral("Boot sector header: %1").arg(QString::fromLatin1(buffer.left(16).toHex())));
        return false;
    }
    // TotalSectors counts the file system's own sectors, which need not be 512 bytes.
    const uint32_t bps = NtfsBootSector::sectorSizeOf(s);
    if (bps == 0) {
        log().error(QStringLiteral("NTFS boot sector has an invalid bytes-per-sector value"));
        return false;
    }
    const uint64_t volumeSectors = sectorCount * 512 / bps;
    if (volumeSectors < 2) {
        log().error(QStringLiteral("Partition of %1 sectors is too small for NTFS").arg(sectorCount));
        return false;
    }
    const uint64_t newTotal = volumeSectors - 1;
    log().info(QStringLiteral("NTFS signature verified"));
    log().info(QStringLiteral("NTFS TotalSectors: %1 -> %2 (partition sectors: %3)")
                   .arg(NtfsBootSector::totalSectorsOf(s)).arg(newTotal).arg(volumeSectors));
    NtfsBootSector::setTotalSectors(s, newTotal);
    if (!DiskAccess::write(disk, offset, buffer.left(qsizetype(sectorSize)))) {
        log().error(QStringLiteral("Failed to write NTFS boot sector"));
        return false;
    }
    log().info(QStringLiteral("Primary boot sector written at offset %1").arg(offset));
    DiskAccess::refreshLayout(disk);

    const uint64_t backupOffset = offset + newTotal * bps;
    log().info(QStringLiteral("Writing backup boot sector at sector %1 (offset %2)").arg(backupOffset / 512).arg(backupOffset));
    if (!DiskAccess::write(disk, backupOffset, buffer.left(qsizetype(bps))))
        log().warning(QStringLiteral("Failed to write NTFS backup boot sector"));
    else
        log().info(QStringLiteral("Backup boot sector written successfully"));

    QByteArray check;
    if (DiskAccess::read(disk, offset, sectorSize, check)) {
        const uint64_t got = NtfsBootSector::totalSectorsOf(reinterpret_cast<const uint8_t*>(check.constData()));
        if (got != newTotal) {
            log().error(QStringLiteral("Verification failed! Expected %1, got %2").arg(newTotal).arg(got));
            return false;
        }
        log().info(QStringLiteral("NTFS boot sector update verified successfully"));
    }
    log().info(QStringLiteral("NTFS boot sector updated successfully"));
    return true;
}

// ---------------------------------------------------------------- data partition and identities

uint64_t PartitionResizer::dataPartitionStart(uint64_t lastEnd, uint32_t sectorSize, bool align4K)
{
    const uint64_t perSector = SectorUnits::isSupportedSectorSize(sectorSize) ? sectorSize / 512 : 1;
    const uint64_t step = align4K ? std::lcm<uint64_t>(8, perSector) : perSector;
    const uint64_t start = lastEnd + 2048;
    return (start + step - 1) / step * step;
}

uint64_t PartitionResizer::dataPartitionEnd(uint64_t diskSize, uint32_t sectorSize)
{
    if (!SectorUnits::isSupportedSectorSize(sectorSize))
        return 0;
    const uint64_t total = diskSize / sectorSize;
    const uint64_t reserve = uint64_t(GptCodec::entrySectors(sectorSize)) + 2;
    return total > reserve ? SectorUnits::toUnits(total - reserve, sectorSize) : 0;
}

bool PartitionResizer::createDataPartition(DiskIO& disk, const QList<PartitionInfo>& partitions, uint64_t diskSize,
                                           uint32_t sectorSize, const QString& label, bool align4K)
{
    log().info(QStringLiteral("Creating data partition in remaining space..."));
    sectorSize = checkedSectorSize(disk, sectorSize);
    if (!SectorUnits::isSupportedSectorSize(sectorSize)) {
        m_lastError = SectorUnits::unsupportedSectorSizeText(sectorSize);
        log().warning(m_lastError);
        return false;
    }
    uint64_t lastEnd = 0;
    for (const PartitionInfo& p : partitions) {
        const uint64_t end = p.startSector + p.sectorCount;
        if (end > lastEnd) {
            lastEnd = end;
            log().info(QStringLiteral("Partition %1 ends at sector %2").arg(p.displayName()).arg(end));
        }
    }
    const uint64_t start = dataPartitionStart(lastEnd, sectorSize, align4K);
    log().info(QStringLiteral("Data partition alignment: 4K=%1, start sector=%2")
                   .arg(align4K ? QStringLiteral("enabled") : QStringLiteral("disabled")).arg(start));
    const uint64_t end = dataPartitionEnd(diskSize, sectorSize);
    if (end <= start) {
        m_lastError = QStringLiteral("No space for data partition");
        log().warning(m_lastError);
        return false;
    }
    const uint64_t sectors = end - start;
    const uint64_t bytes = sectors * 512;
    if (bytes < HundredMiB) {
        m_lastError = QStringLiteral("Remaining space too small for data partition (%1 bytes)").arg(bytes);
        log().warning(m_lastError);
        return false;
    }
    const QString gb = twoDecimals(double(bytes) / double(1ull << 30));
    log().info(QStringLiteral("Data partition: start=%1, sectors=%2, size=%3 bytes (%4 GB)")
                   .arg(start).arg(sectors).arg(bytes).arg(gb));
    const bool gpt = looksGpt(partitions);
    log().info(QStringLiteral("Disk type: %1").arg(gpt ? QStringLiteral("GPT") : QStringLiteral("MBR")));

    if (gpt) {
        if (!addGptPartitionEntry(disk, start, sectors, GptCodec::basicDataType().toString(QUuid::WithoutBraces),
                                  label, diskSize, sectorSize)) {
            // lastError keeps the entry writer's reason.
            log().error(QStringLiteral("Failed to add GPT partition entry for data partition"));
            return false;
        }
    } else {
        if (!DiskpartScript::isSafeLabel(label))
            return fail(QStringLiteral("Data partition label %1 contains a double quote or a control character, "
                                       "which diskpart cannot take").arg(label));
        const int number = disk.targetDiskNumber();
        if (number < 0)
            return fail(QStringLiteral("Cannot get target disk number for MBR partition creation"));
        DiskAccess::refreshLayout(disk);
        CommandRunner::current().sleepMs(2000);
        if (!createMbrDataPartition(number, start, sectors, sectorSize, label))
            return false;
    }
    emit partitionCreated(label, bytes);
    log().info(QStringLiteral("Data partition created successfully: %1 (%2 GB)").arg(label, gb));
    return true;
}

bool PartitionResizer::addGptPartitionEntry(DiskIO& disk, uint64_t startSector, uint64_t sectorCount,
                                            const QString& typeGuid, const QString& name, uint64_t diskSize,
                                            uint32_t sectorSize)
{
    log().info(QStringLiteral("Adding GPT partition entry: start=%1, count=%2, type=%3, name=%4, diskSize=%5")
                   .arg(startSector).arg(sectorCount).arg(typeGuid, name).arg(diskSize));
    sectorSize = checkedSectorSize(disk, sectorSize);
    uint64_t first = 0;
    uint64_t count = 0;
    if (!SectorUnits::toDiskSectors(startSector, sectorSize, first) ||
        !SectorUnits::toDiskSectors(sectorCount, sectorSize, count) || count == 0)
        return fail(QStringLiteral("Partition start %1 and count %2 (512-byte units) are not whole %3-byte sectors")
                        .arg(startSector).arg(sectorCount).arg(sectorSize));
    const QUuid type(typeGuid);
    if (type.isNull())
        return fail(QStringLiteral("Invalid partition type GUID %1").arg(typeGuid));

    QByteArray headerSector;
    if (!DiskAccess::read(disk, sectorSize, sectorSize, headerSector))
        return fail(QStringLiteral("Failed to read GPT header"));
    GptHeader header = GptHeader::decode(reinterpret_cast<const uint8_t*>(headerSector.constData()));
    if (!header.hasValidSignature())
        return fail(QStringLiteral("Invalid GPT signature"));
    const uint64_t total = diskSize / sectorSize;
    std::string why;
    if (!header.checkEntryArray(sectorSize, total, why))
        return fail(QString::fromStdString(why));
    log().info(QStringLiteral("GPT: entryLBA=%1, numEntries=%2, entrySize=%3")
                   .arg(header.partitionEntryLba).arg(header.numberOfEntries).arg(header.sizeOfPartitionEntry));
    QByteArray array;
    if (!DiskAccess::read(disk, header.partitionEntryLba * sectorSize, header.entryArrayBytes(), array))
        return fail(QStringLiteral("Failed to read partition table"));
    QList<GptPartitionEntry> entries = GptCodec::parseEntries(array, header.numberOfEntries, header.sizeOfPartitionEntry);

    int index = -1;
    for (int i = 0; i < entries.size() && index < 0; ++i)
        if (!entries[i].isUsed())
            index = i;
    if (index < 0)
        return fail(QStringLiteral("No free partition entry available"));
    log().info(QStringLiteral("Found free partition entry at index %1").arg(index));

    const uint64_t arraySectors = header.entryArraySectors(sectorSize);
    if (total < arraySectors + 3)
        return fail(QStringLiteral("Disk of %1 bytes is too small for its GPT").arg(diskSize));
    const uint64_t backupHeaderLba = total - 1;
    const uint64_t backupEntryLba = total - 1 - arraySectors;
    const uint64_t lastUsable = backupEntryLba - 1;
    const uint64_t last = first + count - 1;
    // Refuse before writing: an entry over the tables or over another partition destroys data.
    if (first < header.firstUsableLba || last > lastUsable)
        return fail(QStringLiteral("Partition range is outside GPT usable bounds: %1-%2, usable=%3-%4")
                        .arg(first).arg(last).arg(header.firstUsableLba).arg(lastUsable));
    const int overlap = GptCodec::findOverlap(entries, first, last);
    if (overlap >= 0)
        return fail(QStringLiteral("Requested partition overlaps existing GPT entry %1: %2-%3")
                        .arg(overlap).arg(entries[overlap].firstLba).arg(entries[overlap].lastLba));
    for (int i = 0; i < entries.size(); ++i)
        if (entries[i].isUsed() && entries[i].lastLba > lastUsable)
            return fail(QStringLiteral("GPT entry %1 ends at LBA %2, beyond the disk's last usable LBA %3")
                            .arg(i).arg(entries[i].lastLba).arg(lastUsable));

    GptPartitionEntry entry;
    GptCodec::setEntryTypeGuid(entry, type);
    const QUuid unique = QUuid::createUuid();
    GptCodec::setEntryUniqueGuid(entry, unique);
    entry.firstLba = first;
    entry.lastLba = last;
    entry.setName(name.toStdU16String());
    entries[index] = entry;
    log().info(QStringLiteral("Created partition entry: type=%1, unique=%2, start=%3, end=%4")
                   .arg(type.toString(), unique.toString()).arg(first).arg(last));

    const QByteArray newArray = GptCodec::serializeEntries(entries, header.numberOfEntries);
    header.partitionEntryArrayCrc32 = Crc32::compute(newArray.constData(), size_t(newArray.size()));
    log().info(QStringLiteral("Target disk: totalSectors=%1, backupHeaderLBA=%2, backupPartitionLBA=%3")
                   .arg(total).arg(backupHeaderLba).arg(backupEntryLba));
    header.alternateLba = backupHeaderLba;
    header.lastUsableLba = lastUsable;
    header.sealHeaderCrc();
    GptCodec::putHeader(headerSector, header);

    if (!DiskAccess::write(disk, header.partitionEntryLba * sectorSize, newArray))
        return fail(QStringLiteral("Failed to write partition table"));
    if (!DiskAccess::write(disk, sectorSize, headerSector))
        return fail(QStringLiteral("Failed to write GPT header"));
    log().info(QStringLiteral("Primary GPT updated successfully"));

    const uint64_t headerOffset = backupHeaderLba * sectorSize;
    const uint64_t partitionOffset = backupEntryLba * sectorSize;
    if (headerOffset >= diskSize || partitionOffset >= diskSize) {
        log().warning(QStringLiteral("Backup GPT position invalid: headerOffset=%1, partitionOffset=%2, diskSize=%3")
                          .arg(headerOffset).arg(partitionOffset).arg(diskSize));
        log().warning(QStringLiteral("Skipping backup GPT update"));
        DiskAccess::refreshLayout(disk);
        log().info(QStringLiteral("GPT partition entry added successfully (without backup)"));
        return true;
    }
    QByteArray backupSector = headerSector;
    GptCodec::putHeader(backupSector, header.makeBackup(backupHeaderLba, backupEntryLba));
    if (DiskAccess::write(disk, partitionOffset, newArray))
        log().info(QStringLiteral("Backup partition table written at offset %1 (LBA %2)").arg(partitionOffset).arg(backupEntryLba));
    else
        log().warning(QStringLiteral("Failed to write backup partition table"));
    if (DiskAccess::write(disk, headerOffset, backupSector))
        log().info(QStringLiteral("Backup GPT header written at offset %1 (LBA %2)").arg(headerOffset).arg(backupHeaderLba));
    else
        log().warning(QStringLiteral("Failed to write backup GPT header"));
    DiskAccess::refreshLayout(disk);
    log().info(QStringLiteral("GPT partition entry added successfully"));
    return true;
}

bool PartitionResizer::createMbrDataPartition(int diskNumber, uint64_t startSector, uint64_t sectorCount,
                                              uint32_t sectorSize, const QString& label)
{
    log().info(QStringLiteral("Creating MBR data partition on disk %1: start=%2, sectors=%3")
                   .arg(diskNumber).arg(startSector).arg(sectorCount));
    if (!DiskpartScript::isSafeLabel(label))
        return fail(QStringLiteral("Data partition label %1 contains a double quote or a control character, "
                                   "which diskpart cannot take").arg(label));
    uint64_t diskSectors = 0;
    if (!SectorUnits::toDiskSectors(startSector, sectorSize, diskSectors))
        return fail(QStringLiteral("Partition start %1 (512-byte units) is not a whole %2-byte sector")
                        .arg(startSector).arg(sectorSize));
    const uint64_t offsetKb = startSector * 512 / 1024;
    const uint64_t sizeMb = sectorCount * 512 / (1024 * 1024);

    QString output;
    const QString first = DiskpartScript::extendedDataPartition(diskNumber, offsetKb, sizeMb, label);
    log().info(QStringLiteral("Diskpart script:\n%1").arg(first));
    if (ToolRunner::runResizerDiskpartScript(first, output)) {
        log().info(QStringLiteral("MBR data partition created successfully"));
        return true;
    }
    log().warning(QStringLiteral("Extended partition failed: %1, trying primary...").arg(output));
    const QString second = DiskpartScript::primaryDataPartition(diskNumber, offsetKb, sizeMb, label);
    if (ToolRunner::runResizerDiskpartScript(second, output)) {
        log().info(QStringLiteral("MBR primary partition created successfully"));
        return true;
    }
    return fail(QStringLiteral("Failed to create MBR partition: %1").arg(output));
}

bool PartitionResizer::regenerateGptGuids(DiskIO& disk, uint32_t sectorSize)
{
    log().info(QStringLiteral("Regenerating GPT GUIDs to avoid disk signature conflict..."));
    sectorSize = checkedSectorSize(disk, sectorSize);
    if (!SectorUnits::isSupportedSectorSize(sectorSize))
        return fail(SectorUnits::unsupportedSectorSizeText(sectorSize));
    QByteArray headerSector;
    if (!DiskAccess::read(disk, sectorSize, sectorSize, headerSector))
        return fail(QStringLiteral("Failed to read GPT header"));
    GptHeader header = GptHeader::decode(reinterpret_cast<const uint8_t*>(headerSector.constData()));
    if (!header.hasValidSignature()) {
        log().info(QStringLiteral("Not a GPT disk, skipping GUID regeneration"));
        return true;
    }
    std::string why;
    if (!header.checkEntryArray(sectorSize, 0, why))
        return fail(QString::fromStdString(why));

    const QUuid diskGuid = QUuid::createUuid();
    GptCodec::guidToGptBytes(diskGuid, header.diskGuid.data());
    log().info(QStringLiteral("New Disk GUID: %1").arg(diskGuid.toString()));
    log().info(QStringLiteral("Partition entries: LBA=%1, count=%2, size=%3")
                   .arg(header.partitionEntryLba).arg(header.numberOfEntries).arg(header.sizeOfPartitionEntry));
    QByteArray array;
    if (!DiskAccess::read(disk, header.partitionEntryLba * sectorSize, header.entryArrayBytes(), array))
        return fail(QStringLiteral("Failed to read partition table"));
    // Only the unique GUID bytes change, so the rest of the array stays byte for byte.
    auto* base = reinterpret_cast<uint8_t*>(array.data());
    for (uint32_t i = 0; i < header.numberOfEntries; ++i) {
        uint8_t* entry = base + uint64_t(i) * header.sizeOfPartitionEntry;
        if (!GptPartitionEntry::decode(entry).isUsed())
            continue;
        const QUuid unique = QUuid::createUuid();
        GptCodec::guidToGptBytes(unique, entry + GptPartitionEntry::OffUniqueGuid);
        log().info(QStringLiteral("Partition %1 new GUID: %2").arg(i).arg(unique.toString()));
    }
    header.partitionEntryArrayCrc32 = Crc32::compute(array.constData(), size_t(array.size()));
    header.sealHeaderCrc();
    GptCodec::putHeader(headerSector, header);

    if (!DiskAccess::write(disk, header.partitionEntryLba * sectorSize, array))
        return fail(QStringLiteral("Failed to write partition table"));
    if (!DiskAccess::write(disk, sectorSize, headerSector))
        return fail(QStringLiteral("Failed to write GPT header"));

    const uint64_t alternate = header.alternateLba;
    const uint64_t arraySectors = header.entryArraySectors(sectorSize);
    if (alternate <= arraySectors || alternate - arraySectors <= header.lastUsableLba) {
        // Writing there would land on the usable area.
        log().warning(QStringLiteral("Backup GPT position invalid: header LBA %1, last usable LBA %2")
                          .arg(alternate).arg(header.lastUsableLba));
    } else {
        const uint64_t backupEntryLba = alternate - arraySectors;
        QByteArray backupSector = headerSector;
        GptCodec::putHeader(backupSector, header.makeBackup(alternate, backupEntryLba));
        if (!DiskAccess::write(disk, backupEntryLba * sectorSize, array))
            log().warning(QStringLiteral("Failed to write backup partition table"));
        if (!DiskAccess::write(disk, alternate * sectorSize, backupSector))
            log().warning(QStringLiteral("Failed to write backup GPT header"));
    }
    DiskAccess::refreshLayout(disk);
    log().info(QStringLiteral("GPT GUIDs regenerated successfully"));
    return true;
}
