#include "partition/partitionresizer.h"
#include "core/diskio.h"
#include "core/logger.h"
#include "ondisk/logicalsector.h"
#include "ondisk/ntfsbootsector.h"
#include "partition/gptcodec.h"
#include "partition/gptdisk.h"
#include "partition/resizeplanner.h"
#include "partition/sectorunits.h"
#include "ondisk/byteorder.h"
#include "ondisk/mbrcodec.h"

#include <QRandomGenerator>
#include <QUuid>
#include <algorithm>
#include <span>
#include <numeric>

namespace {

constexpr uint64_t HundredMiB = 104857600;
constexpr uint8_t MbrNtfsType = 0x07;
// An MBR entry's first LBA and count are 32-bit.
constexpr uint64_t MbrMaxSectors = 0xFFFFFFFFull;

Logger& log() { return Logger::instance(); }

bool readTarget(DiskIO& disk, uint64_t offset, uint64_t length, QByteArray& out)
{
    out = QByteArray(qsizetype(length), '\0');
    return disk.readTargetBytes(offset, length, out.data());
}

bool writeTarget(DiskIO& disk, uint64_t offset, const QByteArray& data)
{
    return disk.writeTargetBytes(offset, uint64_t(data.size()), data.constData());
}

bool looksGpt(const QList<PartitionInfo>& partitions)
{
    return std::any_of(partitions.begin(), partitions.end(), [](const PartitionInfo& p) { return !p.typeGuid.isEmpty(); });
}

QString twoDecimals(double v) { return QString::number(v, 'f', 2); }

QString text(const std::string& s) { return QString::fromStdString(s); }

} // namespace

PartitionResizer::PartitionResizer(QObject* parent) : QObject(parent) {}

QList<ResizePlanEntry> PartitionResizer::calculateResizePlan(const DiskInfo& source, const DiskInfo& target,
                                                             const QList<PartitionInfo>& partitions, int strategy)
{
    return ResizePlanner::calculateResizePlan(source, target, partitions, strategy);
}

uint64_t PartitionResizer::minimumPartitionSize(const PartitionInfo& partition)
{
    return ResizePlanner::minimumPartitionSize(partition);
}

bool PartitionResizer::loadGpt(DiskIO& disk, GptDisk& gpt, uint32_t sectorSize, uint64_t totalSectors)
{
    if (gpt.load(disk, sectorSize, totalSectors))
        return true;
    return fail(gpt.hasSignature() ? QStringLiteral("Failed to read GPT header: %1").arg(text(gpt.lastError()))
                                   : QStringLiteral("Invalid GPT signature"));
}

bool PartitionResizer::loadMbr(DiskIO& disk, uint32_t sectorSize, QByteArray& sector)
{
    if (!readTarget(disk, 0, sectorSize, sector))
        return fail(QStringLiteral("Failed to read MBR"));
    const std::span<const uint8_t> s(reinterpret_cast<const uint8_t*>(sector.constData()), size_t(sector.size()));
    return MbrCodec::hasBootSignature(s) || fail(QStringLiteral("Invalid MBR signature"));
}

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
        LogicalSector::isValid(disk.targetLogicalSector())) {
        log().warning(QStringLiteral("Sector size %1 given, but the disk's logical sector size is %2; using %2")
                          .arg(requested).arg(disk.targetLogicalSector()));
        return disk.targetLogicalSector();
    }
    return requested;
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
    disk.flushTarget();
    log().info(QStringLiteral("Partition resize completed"));
    return true;
}

bool PartitionResizer::updateGptEntries(DiskIO& disk, const QList<ResizePlanEntry>& plan, uint64_t diskSize,
                                        uint32_t sectorSize)
{
    log().info(QStringLiteral("Updating GPT partition table..."));
    sectorSize = checkedSectorSize(disk, sectorSize);
    if (!LogicalSector::isValid(sectorSize))
        return fail(SectorUnits::unsupportedSectorSizeText(sectorSize));
    GptDisk gpt;
    if (!loadGpt(disk, gpt, sectorSize, diskSize / sectorSize))
        return false;
    std::vector<GptPartitionEntry>& entries = gpt.entries();

    QList<int> changed;
    for (const ResizePlanEntry& e : plan) {
        if (!e.needsResize)
            continue;
        // Skipping it would let the boot sector grow past an unchanged table entry.
        if (e.partitionIndex < 0 || size_t(e.partitionIndex) >= entries.size())
            return fail(QStringLiteral("Plan entry for %1 has index %2, outside the GPT's %3 entries")
                            .arg(e.partition.displayName()).arg(e.partitionIndex).arg(entries.size()));
        uint64_t first = 0;
        uint64_t count = 0;
        if (!SectorUnits::toDiskSectors(e.newStartSector, sectorSize, first) ||
            !SectorUnits::toDiskSectors(e.newSectorCount, sectorSize, count) || count == 0)
            return fail(QStringLiteral("Partition %1: start %2 and count %3 (512-byte units) are not whole %4-byte sectors")
                            .arg(e.partition.displayName()).arg(e.newStartSector).arg(e.newSectorCount).arg(sectorSize));
        GptPartitionEntry& entry = entries[size_t(e.partitionIndex)];
        if (!entry.isUsed())
            return fail(QStringLiteral("GPT entry %1 is not in use").arg(e.partitionIndex));
        entry.firstLba = first;
        entry.lastLba = first + count - 1;
        changed.append(e.partitionIndex);
    }
    for (int i : changed) {
        const int other = gpt.findOverlap(entries[size_t(i)].firstLba, entries[size_t(i)].lastLba, i);
        if (other >= 0)
            return fail(QStringLiteral("Resized GPT entry %1 would overlap GPT entry %2").arg(i).arg(other));
    }
    // Both headers, the backup's place and the protective MBR are fitted to this disk's size.
    if (!gpt.fitToDisk() || !gpt.commit(disk))
        return fail(text(gpt.lastError()));
    for (int i : changed)
        log().info(QStringLiteral("Updated GPT entry %1: start=%2, end=%3")
                       .arg(i).arg(entries[size_t(i)].firstLba).arg(entries[size_t(i)].lastLba));
    log().info(QStringLiteral("GPT partition table updated successfully"));
    return true;
}

bool PartitionResizer::updateBackupGpt(DiskIO& disk, uint64_t diskSize, uint32_t sectorSize)
{
    log().info(QStringLiteral("Updating backup GPT..."));
    sectorSize = checkedSectorSize(disk, sectorSize);
    if (!LogicalSector::isValid(sectorSize))
        return fail(SectorUnits::unsupportedSectorSizeText(sectorSize));
    GptDisk gpt;
    if (!loadGpt(disk, gpt, sectorSize, diskSize / sectorSize))
        return false;
    if (!gpt.fitToDisk() || !gpt.commit(disk))
        return fail(text(gpt.lastError()));
    log().info(QStringLiteral("Backup GPT updated successfully"));
    return true;
}

bool PartitionResizer::updateMbrEntries(DiskIO& disk, const QList<ResizePlanEntry>& plan, uint32_t sectorSize)
{
    log().info(QStringLiteral("Updating MBR partition table..."));
    sectorSize = checkedSectorSize(disk, sectorSize);
    if (!LogicalSector::isValid(sectorSize))
        return fail(SectorUnits::unsupportedSectorSizeText(sectorSize));
    QByteArray sector;
    if (!loadMbr(disk, sectorSize, sector))
        return false;
    const std::span<uint8_t> s(reinterpret_cast<uint8_t*>(sector.data()), size_t(sector.size()));

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
    MbrCodec::Entry current[MbrCodec::EntryCount];
    for (int a = 0; a < MbrCodec::EntryCount; ++a)
        MbrCodec::entry(s, a, current[a]);
    for (int a = 0; a < MbrCodec::EntryCount; ++a) {
        const MbrCodec::Entry& ea = current[a];
        for (int b = a + 1; b < MbrCodec::EntryCount; ++b) {
            const MbrCodec::Entry& eb = current[b];
            if (ea.type == 0 || eb.type == 0 || ea.sectorCount == 0 || eb.sectorCount == 0)
                continue;
            if (uint64_t(ea.firstLba) < uint64_t(eb.firstLba) + eb.sectorCount &&
                uint64_t(eb.firstLba) < uint64_t(ea.firstLba) + ea.sectorCount)
                return fail(QStringLiteral("MBR entries %1 and %2 would overlap").arg(a).arg(b));
        }
    }
    for (const Change& c : changes)
        log().info(QStringLiteral("Updated MBR entry %1: start=%2, count=%3").arg(c.index).arg(c.first).arg(c.count));
    if (!writeTarget(disk, 0, sector))
        return fail(QStringLiteral("Failed to write MBR"));
    log().info(QStringLiteral("MBR partition table updated successfully"));
    return true;
}

bool PartitionResizer::updateNtfsBootSector(DiskIO& disk, uint64_t startSector, uint64_t sectorCount,
                                            uint32_t sectorSize)
{
    log().info(QStringLiteral("Updating NTFS boot sector at sector %1, new size %2 sectors").arg(startSector).arg(sectorCount));
    sectorSize = checkedSectorSize(disk, sectorSize);
    if (!LogicalSector::isValid(sectorSize)) {
        log().error(SectorUnits::unsupportedSectorSizeText(sectorSize));
        return false;
    }
    const uint64_t offset = startSector * 512;
    // Room for one file-system sector of up to 4096 bytes, in whole disk sectors.
    const uint64_t readLength = std::max<uint64_t>(sectorSize, 4096);
    QByteArray buffer;
    if (!readTarget(disk, offset, readLength, buffer)) {
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
    if (!writeTarget(disk, offset, buffer.left(qsizetype(sectorSize)))) {
        log().error(QStringLiteral("Failed to write NTFS boot sector"));
        return false;
    }
    log().info(QStringLiteral("Primary boot sector written at offset %1").arg(offset));
    disk.flushTarget();

    const uint64_t backupOffset = offset + newTotal * bps;
    log().info(QStringLiteral("Writing backup boot sector at sector %1 (offset %2)").arg(backupOffset / 512).arg(backupOffset));
    if (!writeTarget(disk, backupOffset, buffer.left(qsizetype(bps))))
        log().warning(QStringLiteral("Failed to write NTFS backup boot sector"));
    else
        log().info(QStringLiteral("Backup boot sector written successfully"));

    QByteArray check;
    if (readTarget(disk, offset, sectorSize, check)) {
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
    const uint64_t perSector = LogicalSector::isValid(sectorSize) ? sectorSize / 512 : 1;
    const uint64_t step = align4K ? std::lcm<uint64_t>(8, perSector) : perSector;
    const uint64_t start = lastEnd + 2048;
    return (start + step - 1) / step * step;
}

uint64_t PartitionResizer::dataPartitionEnd(uint64_t diskSize, uint32_t sectorSize)
{
    if (!LogicalSector::isValid(sectorSize))
        return 0;
    const uint64_t total = diskSize / sectorSize;
    const uint64_t reserve = uint64_t(GptCodec::entrySectors(sectorSize)) + 2;
    return total > reserve ? SectorUnits::toUnits(total - reserve, sectorSize) : 0;
}

uint64_t PartitionResizer::mbrDataPartitionEnd(uint64_t diskSize, uint32_t sectorSize)
{
    if (!LogicalSector::isValid(sectorSize))
        return 0;
    return SectorUnits::toUnits(std::min<uint64_t>(diskSize / sectorSize, MbrMaxSectors), sectorSize);
}

bool PartitionResizer::createDataPartition(DiskIO& disk, const QList<PartitionInfo>& partitions, uint64_t diskSize,
                                           uint32_t sectorSize, const QString& label, bool align4K)
{
    log().info(QStringLiteral("Creating data partition in remaining space..."));
    sectorSize = checkedSectorSize(disk, sectorSize);
    if (!LogicalSector::isValid(sectorSize)) {
        m_lastError = SectorUnits::unsupportedSectorSizeText(sectorSize);
        log().warning(m_lastError);
        return false;
    }
    uint64_t lastEnd = 0;
    for (const PartitionInfo& p : partitions) {
        const uint64_t end = p.start512 + p.count512;
        if (end > lastEnd) {
            lastEnd = end;
            log().info(QStringLiteral("Partition %1 ends at sector %2").arg(p.displayName()).arg(end));
        }
    }
    const uint64_t start = dataPartitionStart(lastEnd, sectorSize, align4K);
    log().info(QStringLiteral("Data partition alignment: 4K=%1, start sector=%2")
                   .arg(align4K ? QStringLiteral("enabled") : QStringLiteral("disabled")).arg(start));
    const bool gpt = looksGpt(partitions);
    const uint64_t end = gpt ? dataPartitionEnd(diskSize, sectorSize) : mbrDataPartitionEnd(diskSize, sectorSize);
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
    log().info(QStringLiteral("Disk type: %1").arg(gpt ? QStringLiteral("GPT") : QStringLiteral("MBR")));

    if (gpt) {
        if (!addGptPartitionEntry(disk, start, sectors, GptCodec::basicDataType().toString(QUuid::WithoutBraces),
                                  label, diskSize, sectorSize)) {
            // lastError keeps the entry writer's reason.
            log().error(QStringLiteral("Failed to add GPT partition entry for data partition"));
            return false;
        }
    } else if (!addMbrPartitionEntry(disk, start, sectors, MbrNtfsType, sectorSize)) {
        log().error(QStringLiteral("Failed to add MBR partition entry for data partition"));
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

    GptDisk gpt;
    if (!loadGpt(disk, gpt, sectorSize, diskSize / sectorSize))
        return false;
    const int index = gpt.firstFreeEntry();
    if (index < 0)
        return fail(QStringLiteral("No free partition entry available"));
    // The primary header is fitted to this disk too: its backup position and last usable LBA.
    if (!gpt.fitToDisk())
        return fail(text(gpt.lastError()));
    const GptHeader& header = gpt.header();
    const uint64_t last = first + count - 1;
    // Refuse before writing: an entry over the tables or over another partition destroys data.
    if (first < header.firstUsableLba || last > header.lastUsableLba)
        return fail(QStringLiteral("Partition range is outside GPT usable bounds: %1-%2, usable=%3-%4")
                        .arg(first).arg(last).arg(header.firstUsableLba).arg(header.lastUsableLba));
    const int overlap = gpt.findOverlap(first, last);
    if (overlap >= 0)
        return fail(QStringLiteral("Requested partition overlaps existing GPT entry %1: %2-%3")
                        .arg(overlap).arg(gpt.entries()[size_t(overlap)].firstLba).arg(gpt.entries()[size_t(overlap)].lastLba));

    GptPartitionEntry entry;
    GptCodec::setEntryTypeGuid(entry, type);
    const QUuid unique = QUuid::createUuid();
    GptCodec::setEntryUniqueGuid(entry, unique);
    entry.firstLba = first;
    entry.lastLba = last;
    entry.setName(name.toStdU16String());
    gpt.entries()[size_t(index)] = entry;
    log().info(QStringLiteral("Created partition entry %1: type=%2, unique=%3, start=%4, end=%5")
                   .arg(index).arg(type.toString(), unique.toString()).arg(first).arg(last));
    if (!gpt.commit(disk))
        return fail(text(gpt.lastError()));
    disk.flushTarget();
    log().info(QStringLiteral("GPT partition entry added successfully"));
    return true;
}

bool PartitionResizer::addMbrPartitionEntry(DiskIO& disk, uint64_t startSector, uint64_t sectorCount, uint8_t type,
                                            uint32_t sectorSize)
{
    log().info(QStringLiteral("Adding MBR partition entry: start=%1, count=%2, type=0x%3")
                   .arg(startSector).arg(sectorCount).arg(type, 2, 16, QLatin1Char('0')));
    sectorSize = checkedSectorSize(disk, sectorSize);
    if (!LogicalSector::isValid(sectorSize))
        return fail(SectorUnits::unsupportedSectorSizeText(sectorSize));
    uint64_t first = 0;
    uint64_t count = 0;
    if (!SectorUnits::toDiskSectors(startSector, sectorSize, first) ||
        !SectorUnits::toDiskSectors(sectorCount, sectorSize, count) || count == 0 || first == 0)
        return fail(QStringLiteral("Partition start %1 and count %2 (512-byte units) are not whole %3-byte sectors behind the MBR")
                        .arg(startSector).arg(sectorCount).arg(sectorSize));
    if (first + count > MbrMaxSectors)
        return fail(QStringLiteral("Partition %1-%2 lies beyond the MBR's 32-bit sector range").arg(first).arg(first + count - 1));
    QByteArray sector;
    if (!loadMbr(disk, sectorSize, sector))
        return false;
    const std::span<uint8_t> s(reinterpret_cast<uint8_t*>(sector.data()), size_t(sector.size()));
    int slot = -1;
    for (int i = 0; i < MbrCodec::EntryCount; ++i) {
        MbrCodec::Entry e;
        MbrCodec::entry(s, i, e);
        if (e.type == MbrCodec::ProtectiveType)
            return fail(QStringLiteral("The disk holds a protective MBR; its partitions are in the GPT"));
        if (e.type == 0 || e.sectorCount == 0) {
            if (slot < 0)
                slot = i;
            continue;
        }
        // An extended partition's entry covers its logical drives, so this refuses those too.
        if (first < uint64_t(e.firstLba) + e.sectorCount && e.firstLba < first + count)
            return fail(QStringLiteral("Requested partition overlaps MBR entry %1: %2-%3")
                            .arg(i).arg(e.firstLba).arg(uint64_t(e.firstLba) + e.sectorCount - 1));
    }
    if (slot < 0)
        return fail(QStringLiteral("All four primary MBR entries are in use"));
    MbrCodec::Entry entry;
    entry.type = type;
    // Beyond CHS reach: the address is in the LBA fields alone.
    std::fill(std::begin(entry.firstChs), std::end(entry.firstChs), uint8_t(0xFF));
    entry.firstChs[0] = 0xFE;
    std::fill(std::begin(entry.lastChs), std::end(entry.lastChs), uint8_t(0xFF));
    entry.lastChs[0] = 0xFE;
    entry.firstLba = uint32_t(first);
    entry.sectorCount = uint32_t(count);
    MbrCodec::setEntry(s, slot, entry);
    if (!writeTarget(disk, 0, sector))
        return fail(QStringLiteral("Failed to write MBR"));
    disk.flushTarget();
    log().info(QStringLiteral("Created MBR entry %1: start=%2, count=%3").arg(slot).arg(first).arg(count));
    return true;
}

bool PartitionResizer::regenerateGptGuids(DiskIO& disk, uint32_t sectorSize)
{
    log().info(QStringLiteral("Regenerating GPT GUIDs to avoid disk signature conflict..."));
    sectorSize = checkedSectorSize(disk, sectorSize);
    if (!LogicalSector::isValid(sectorSize))
        return fail(SectorUnits::unsupportedSectorSizeText(sectorSize));
    GptDisk gpt;
    if (!gpt.load(disk, sectorSize, 0)) {
        if (gpt.hasSignature())
            return fail(QStringLiteral("Failed to read GPT header: %1").arg(text(gpt.lastError())));
        log().info(QStringLiteral("Not a GPT disk, skipping GUID regeneration"));
        return true;
    }
    const QUuid diskGuid = QUuid::createUuid();
    GptCodec::guidToGptBytes(diskGuid, gpt.header().diskGuid.data());
    log().info(QStringLiteral("New Disk GUID: %1").arg(diskGuid.toString()));
    for (size_t i = 0; i < gpt.entries().size(); ++i) {
        GptPartitionEntry& entry = gpt.entries()[i];
        if (!entry.isUsed())
            continue;
        const QUuid unique = QUuid::createUuid();
        GptCodec::setEntryUniqueGuid(entry, unique);
        log().info(QStringLiteral("Partition %1 new GUID: %2").arg(i).arg(unique.toString()));
    }
    if (!gpt.commit(disk))
        return fail(text(gpt.lastError()));
    disk.flushTarget();
    log().info(QStringLiteral("GPT GUIDs regenerated successfully"));
    return true;
}

bool PartitionResizer::regenerateMbrSignature(DiskIO& disk, uint32_t sectorSize)
{
    log().info(QStringLiteral("Regenerating MBR disk signature..."));
    sectorSize = checkedSectorSize(disk, sectorSize);
    std::vector<uint8_t> sector(std::max<uint32_t>(sectorSize, MbrCodec::SectorBytes));
    if (!disk.readTargetBytes(0, sector.size(), sector.data()))
        return fail(QStringLiteral("Failed to read MBR: %1").arg(disk.lastError()));
    if (!MbrCodec::hasBootSignature(sector))
        return fail(QStringLiteral("Invalid MBR signature"));
    const uint32_t signature = uint32_t(QRandomGenerator::global()->generate64());
    ByteOrder::put32(sector.data() + MbrCodec::OffDiskSignature, signature);
    log().info(QStringLiteral("New MBR signature: 0x%1").arg(signature, 8, 16, QLatin1Char('0')));
    if (!disk.writeTargetBytes(0, sector.size(), sector.data()))
        return fail(QStringLiteral("Failed to write MBR: %1").arg(disk.lastError()));
    return true;
}
