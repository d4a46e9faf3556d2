#include "modes/systemclonetarget.h"

#include "core/diskio.h"
#include "core/logger.h"
#include "modes/volumebootsector.h"
#include "ondisk/mbrcodec.h"
#include "partition/gptdisk.h"

#include <algorithm>

namespace {
constexpr uint64_t DataPartitionMinimum = 100ull * 1048576;

Logger& log() { return Logger::instance(); }

bool contains(const std::vector<uint64_t>& list, uint64_t value)
{
    return std::find(list.begin(), list.end(), value) != list.end();
}
} // namespace

bool SystemCloneTarget::fail(const QString& message)
{
    m_lastError = message;
    log().error(message);
    return false;
}

bool SystemCloneTarget::finishGpt(const std::vector<uint64_t>& keep, const std::vector<Move>& moves)
{
    GptDisk gpt;
    if (!gpt.load(m_disk, m_sectorSize, 0))
        return fail(QStringLiteral("The copied GPT cannot be read: %1").arg(QString::fromStdString(gpt.lastError())));
    std::vector<GptPartitionEntry>& entries = gpt.entries();
    int removed = 0;
    for (size_t i = 0; i < entries.size(); ++i) {
        GptPartitionEntry& e = entries[i];
        if (!e.isUsed())
            continue;
        const uint64_t start = e.firstLba * m_sectorSize / 512;
        if (!contains(keep, start)) {
            log().info(QStringLiteral("Removing non-system partition entry %1 at sector %2").arg(i).arg(start));
            e = GptPartitionEntry();
            ++removed;
            continue;
        }
        for (const Move& m : moves) {
            if (m.oldStart != start)
                continue;
            const uint64_t length = e.lastLba - e.firstLba;
            e.firstLba = diskSector(m.newStart);
            e.lastLba = e.firstLba + length;
            log().info(QStringLiteral("GPT entry %1 moved to LBA %2-%3").arg(i).arg(e.firstLba).arg(e.lastLba));
        }
    }
    log().info(QStringLiteral("Cleaned %1 non-system partition entries").arg(removed));
    if (!gpt.fitToDisk() || !gpt.commit(m_disk))
        return fail(QStringLiteral("Failed to write the GPT for the target disk: %1").arg(QString::fromStdString(gpt.lastError())));
    log().info(QStringLiteral("GPT written: backup LBA %1, last usable LBA %2").arg(gpt.backupLba()).arg(gpt.header().lastUsableLba));
    return true;
}

bool SystemCloneTarget::finishMbr(const std::vector<uint64_t>& keep, const std::vector<Move>& moves, uint64_t activeStart)
{
    std::vector<uint8_t> sector(m_sectorSize);
    if (!m_disk.readTargetBytes(0, m_sectorSize, sector.data()) || !MbrCodec::hasBootSignature(sector))
        return fail(QStringLiteral("The copied MBR cannot be read"));
    for (int i = 0; i < MbrCodec::EntryCount; ++i) {
        MbrCodec::Entry e;
        if (!MbrCodec::entry(sector, i, e) || e.type == 0)
            continue;
        const uint64_t start = uint64_t(e.firstLba) * m_sectorSize / 512;
        if (MbrCodec::isExtendedType(e.type) || !contains(keep, start)) {
            log().info(QStringLiteral("Removing non-system MBR entry %1 at sector %2").arg(i).arg(start));
            MbrCodec::setEntry(sector, i, MbrCodec::Entry());
            continue;
        }
        if (activeStart != NoActive) {
            e.bootIndicator = start == activeStart ? MbrCodec::ActiveFlag : 0;
            MbrCodec::setEntry(sector, i, e);
        }
        for (const Move& m : moves)
            if (m.oldStart == start)
                MbrCodec::setEntryExtent(sector, i, uint32_t(diskSector(m.newStart)), e.sectorCount);
    }
    if (!m_disk.writeTargetBytes(0, m_sectorSize, sector.data()))
        return fail(QStringLiteral("Failed to write the MBR: %1").arg(m_disk.lastError()));
    return true;
}

bool SystemCloneTarget::resizeEntry(bool gpt, uint64_t start, uint64_t count)
{
    if (count * 512 % m_sectorSize != 0 || count == 0)
        return fail(QStringLiteral("A partition of %1 bytes is no whole number of %2-byte sectors").arg(count * 512).arg(m_sectorSize));
    const uint64_t sectors = count * 512 / m_sectorSize;
    if (!gpt) {
        std::vector<uint8_t> sector(m_sectorSize);
        if (!m_disk.readTargetBytes(0, m_sectorSize, sector.data()) || !MbrCodec::hasBootSignature(sector))
            return fail(QStringLiteral("The target's MBR cannot be read"));
        int found = -1;
        MbrCodec::Entry entries[MbrCodec::EntryCount];
        for (int i = 0; i < MbrCodec::EntryCount; ++i)
            if (MbrCodec::entry(sector, i, entries[i]) && entries[i].type != 0 && entries[i].firstLba == diskSector(start))
                found = i;
        if (found < 0)
            return fail(QStringLiteral("No MBR entry starts at sector %1").arg(diskSector(start)));
        const uint64_t first = entries[found].firstLba;
        if (first + sectors > 0xFFFFFFFFull)
            return fail(QStringLiteral("The partition would pass the MBR's 32-bit sector range"));
        for (int i = 0; i < MbrCodec::EntryCount; ++i)
            if (i != found && entries[i].type != 0 && entries[i].firstLba < first + sectors
                && first < uint64_t(entries[i].firstLba) + entries[i].sectorCount)
                return fail(QStringLiteral("MBR entry %1 would overlap MBR entry %2").arg(found).arg(i));
        MbrCodec::setEntryExtent(sector, found, uint32_t(first), uint32_t(sectors));
        if (!m_disk.writeTargetBytes(0, m_sectorSize, sector.data()))
            return fail(QStringLiteral("Failed to write the MBR: %1").arg(m_disk.lastError()));
        log().info(QStringLiteral("MBR entry %1 now holds %2 sectors").arg(found).arg(sectors));
        return true;
    }
    GptDisk table;
    if (!table.load(m_disk, m_sectorSize, 0))
        return fail(QStringLiteral("The target's GPT cannot be read: %1").arg(QString::fromStdString(table.lastError())));
    std::vector<GptPartitionEntry>& entries = table.entries();
    for (size_t i = 0; i < entries.size(); ++i) {
        GptPartitionEntry& e = entries[i];
        if (!e.isUsed() || e.firstLba != diskSector(start))
            continue;
        const uint64_t last = e.firstLba + sectors - 1;
        if (last > table.header().lastUsableLba)
            return fail(QStringLiteral("GPT entry %1 would end at LBA %2, past the last usable LBA %3")
                            .arg(i).arg(last).arg(table.header().lastUsableLba));
        const int other = table.findOverlap(e.firstLba, last, int(i));
        if (other >= 0)
            return fail(QStringLiteral("GPT entry %1 would overlap GPT entry %2").arg(i).arg(other));
        e.lastLba = last;
        if (!table.commit(m_disk))
            return fail(QStringLiteral("Failed to write the GPT: %1").arg(QString::fromStdString(table.lastError())));
        log().info(QStringLiteral("GPT entry %1 now ends at LBA %2").arg(i).arg(last));
        return true;
    }
    return fail(QStringLiteral("No GPT entry starts at LBA %1").arg(diskSector(start)));
}

bool SystemCloneTarget::setHiddenSectors(uint64_t partitionStart, uint64_t volumeBytes)
{
    QString why;
    if (VolumeBootSector::place(m_disk, partitionStart * 512, volumeBytes, why) == VolumeBootSector::Outcome::Failed)
        return fail(why);
    return true;
}

bool SystemCloneTarget::withTargetClosed(const std::function<bool(PartitioningTool&)>& step)
{
    m_disk.flushTarget();
    m_disk.closeTarget();
    PartitioningTool& tool = PartitioningTool::current();
    const bool ok = step(tool);
    if (!ok)
        m_lastError = tool.lastError();
    if (!m_disk.openTargetDisk(m_diskNumber))
        return fail(QStringLiteral("Failed to reopen the target disk: %1").arg(m_disk.lastError()));
    return ok;
}

int SystemCloneTarget::chooseDataRow(const QList<PartitioningTool::Row>& rows, const QList<PartitionInfo>& system)
{
    bool numbered = false;
    for (const PartitionInfo& p : system)
        numbered = numbered || p.partitionNumber > 0;
    int chosen = -1;
    for (int i = 0; i < rows.size(); ++i) {
        const PartitioningTool::Row& r = rows[i];
        const QString type = r.type.toLower();
        bool candidate = r.sizeBytes >= DataPartitionMinimum && !type.contains(QLatin1String("system"))
            && !type.contains(QLatin1String("reserved")) && !type.contains(QLatin1String("recovery"))
            && (numbered || type.contains(QLatin1String("primary")) || type.contains(QLatin1String("basic"))
                || type.contains(QLatin1String("logical")));
        for (const PartitionInfo& p : system) {
            const uint64_t start = p.startByte();
            if ((p.partitionNumber > 0 && p.partitionNumber == r.number)
                || (r.offsetBytes < start + p.size && start < r.offsetBytes + r.sizeBytes))
                candidate = false;
        }
        log().info(QStringLiteral("Parsed partition row: index=%1, type=%2, size=%3, offset=%4, candidate=%5")
                       .arg(r.number).arg(r.type).arg(r.sizeBytes).arg(r.offsetBytes)
                       .arg(candidate ? QStringLiteral("yes") : QStringLiteral("no")));
        if (candidate && (chosen < 0 || r.offsetBytes > rows[chosen].offsetBytes))
            chosen = i;
    }
    return chosen;
}

int SystemCloneTarget::rowAt(const QList<PartitioningTool::Row>& rows, uint64_t start)
{
    for (int i = 0; i < rows.size(); ++i)
        if (rows[i].offsetBytes == start * 512)
            return i;
    return -1;
}
