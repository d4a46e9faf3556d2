#include "modes/sourcetable.h"

#include "modes/copyplan.h"
#include "ondisk/mbrcodec.h"

namespace {
QList<SourceTable::Span> listedSpans(const DiskInfo& disk)
{
    QList<SourceTable::Span> spans;
    for (const PartitionInfo& p : disk.partitions)
        if (p.size != 0)
            spans.append({p.startByte(), p.size});
    return spans;
}

QString spanText(const SourceTable::Span& s) { return QStringLiteral("%1 bytes at byte %2").arg(s.bytes).arg(s.start); }
}

bool SourceTable::fail(const QString& why)
{
    m_error = why;
    return false;
}

QString SourceTable::disagreement(const QList<Span>& table, const QList<Span>& listed, bool listingMayHaveMore)
{
    for (const Span& s : table)
        if (!listed.contains(s))
            return QStringLiteral("the table holds a partition of %1 that the disk list does not show").arg(spanText(s));
    if (!listingMayHaveMore)
        for (const Span& s : listed)
            if (!table.contains(s))
                return QStringLiteral("the disk list shows a partition of %1 that the table does not hold").arg(spanText(s));
    return {};
}

bool SourceTable::load(const GptDisk::ReadFn& read, const DiskInfo& disk, uint32_t sectorSize)
{
    m_kind = Kind::None;
    m_tableBytes = 0;
    m_backupBytes = 0;
    m_usableEnd = 0;
    m_error.clear();
    m_notes.clear();
    std::vector<uint8_t> sector0(sectorSize);
    if (!read(0, sectorSize, sector0.data()))
        return fail(QStringLiteral("Cannot read the partition table: sector 0 unreadable"));
    MbrCodec::Entry first;
    const bool signature = MbrCodec::hasBootSignature(sector0);
    // Sector 0 decides GPT: a stale backup GPT behind an MBR table does not make a GPT disk.
    if (signature && MbrCodec::entry(sector0, 0, first) && first.type == MbrCodec::ProtectiveType)
        return loadGpt(read, disk, sectorSize);
    if (disk.partitionStyle == Tessarin::PartitionStyle::MBR && signature)
        return loadMbr(sector0, disk, sectorSize);
    // No table the clone understands: nothing can be left behind only when every sector goes.
    if (!disk.partitions.isEmpty())
        return fail(QStringLiteral("the disk list shows partitions, but sector 0 holds no partition table"));
    m_notes << QStringLiteral("No recognised partition table: the whole disk is copied sector by sector");
    return true;
}

bool SourceTable::loadGpt(const GptDisk::ReadFn& read, const DiskInfo& disk, uint32_t sectorSize)
{
    const uint64_t sectors = disk.size / sectorSize;
    GptDisk gpt;
    if (!gpt.load(read, sectorSize, sectors))
        return fail(QString::fromStdString(gpt.lastError()));
    for (const std::string& note : gpt.notes())
        m_notes << QString::fromStdString(note);
    // The primary travels with the first mebibyte; a copy of a broken one would be a broken clone.
    if (!gpt.primarySound())
        return fail(QStringLiteral("only the backup GPT is sound; repair the primary before cloning"));
    const GptHeader& h = gpt.header();
    if (h.lastUsableLba >= sectors || h.firstUsableLba > h.lastUsableLba)
        return fail(QStringLiteral("the GPT describes a larger disk (last usable sector %1, the disk has %2 sectors)")
                        .arg(h.lastUsableLba)
                        .arg(sectors));
    QList<Span> spans;
    for (const GptPartitionEntry& e : gpt.entries()) {
        if (!e.isUsed())
            continue;
        if (e.lastLba < e.firstLba || e.firstLba < h.firstUsableLba || e.lastLba > h.lastUsableLba)
            return fail(QStringLiteral("partition at sector %1 lies outside the usable sectors %2-%3")
                            .arg(e.firstLba)
                            .arg(h.firstUsableLba)
                            .arg(h.lastUsableLba));
        spans.append({e.firstLba * sectorSize, (e.lastLba - e.firstLba + 1) * sectorSize});
    }
    const QString differs = disagreement(spans, listedSpans(disk), false);
    if (!differs.isEmpty())
        return fail(differs);
    m_kind = Kind::Gpt;
    const uint64_t arrayBytes = uint64_t(h.numberOfEntries) * h.sizeOfPartitionEntry;
    m_backupBytes = sectorSize + (arrayBytes + sectorSize - 1) / sectorSize * sectorSize;
    m_usableEnd = (h.lastUsableLba + 1) * sectorSize;
    m_tableBytes = std::max<uint64_t>(CopyPlan::TableRegionBytes,
                                      std::max(h.firstUsableLba * sectorSize, h.partitionEntryLba * sectorSize + arrayBytes));
    return true;
}

bool SourceTable::loadMbr(const std::vector<uint8_t>& sector0, const DiskInfo& disk, uint32_t sectorSize)
{
    const uint64_t sectors = disk.size / sectorSize;
    QList<Span> spans;
    bool anyEntry = false;
    for (int i = 0; i < MbrCodec::EntryCount; ++i) {
        MbrCodec::Entry e;
        if (!MbrCodec::entry(sector0, i, e) || e.type == 0 || e.sectorCount == 0)
            continue;
        anyEntry = true;
        if (uint64_t(e.firstLba) + e.sectorCount > sectors)
            return fail(QStringLiteral("MBR entry %1 ends at sector %2, beyond the disk's %3 sectors")
                            .arg(i + 1)
                            .arg(uint64_t(e.firstLba) + e.sectorCount)
                            .arg(sectors));
        if (!MbrCodec::isExtendedType(e.type))
            spans.append({uint64_t(e.firstLba) * sectorSize, uint64_t(e.sectorCount) * sectorSize});
    }
    // Zero entries may as well be a volume's boot sector (a whole-disk FAT or NTFS) as an empty table.
    if (spans.isEmpty() && disk.partitions.isEmpty() && !anyEntry) {
        m_notes << QStringLiteral("No partition in the MBR: the whole disk is copied sector by sector");
        return true;
    }
    // Logical partitions are listed too; they live inside the extended entry checked above.
    const QString differs = disagreement(spans, listedSpans(disk), true);
    if (!differs.isEmpty())
        return fail(differs);
    for (const PartitionInfo& p : disk.partitions)
        if (p.startByte() + p.size > disk.size)
            return fail(QStringLiteral("partition %1 ends beyond the disk").arg(p.displayName()));
    m_kind = Kind::Mbr;
    m_tableBytes = CopyPlan::TableRegionBytes;
    return true;
}
