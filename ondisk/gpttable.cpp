#include "ondisk/gpttable.h"
#include "ondisk/crc32.h"
#include "ondisk/logicalsector.h"
#include "ondisk/mbrcodec.h"

namespace {
constexpr uint32_t FreshEntryCount = 128;
constexpr uint64_t PrimaryEntryLba = 2;

using std::to_string;

std::vector<uint8_t> headerSector(const GptHeader& h, uint32_t sectorSize)
{
    std::vector<uint8_t> sector(sectorSize, 0);
    h.encode(sector);
    return sector;
}
} // namespace

bool GptTable::fail(const std::string& message)
{
    m_lastError = message;
    return false;
}

GptTable::Copy GptTable::readCopy(const ReadFn& read, uint64_t lba) const
{
    Copy c;
    const uint32_t ss = m_sectorSize;
    std::vector<uint8_t> sector(ss);
    if (lba > UINT64_MAX / ss || !read(lba * ss, ss, sector.data())) {
        c.why = "GPT header at LBA " + to_string(lba) + " cannot be read";
        return c;
    }
    GptHeader h;
    GptHeader::decode(sector, h);
    c.signature = h.hasValidSignature();
    c.header = h;
    if (!GptHeader::checkSector(sector, lba, h, c.why))
        return c;
    c.headerOk = true;
    if (!h.checkEntryArray(ss, m_totalSectors, c.why))
        return c;
    if (h.firstUsableLba > h.lastUsableLba + 1) {
        c.why = "GPT header at LBA " + to_string(lba) + " has an empty usable range";
        return c;
    }
    std::vector<uint8_t> array(h.entryArraySectors(ss) * ss);
    if (!read(h.partitionEntryLba * ss, array.size(), array.data())) {
        c.why = "GPT entry array at LBA " + to_string(h.partitionEntryLba) + " cannot be read";
        return c;
    }
    if (Crc32::compute(array.data(), h.entryArrayBytes()) != h.partitionEntryArrayCrc32) {
        c.why = "GPT entry array at LBA " + to_string(h.partitionEntryLba) + " has a bad CRC";
        return c;
    }
    GptPartitionEntry::decodeArray(array, h.numberOfEntries, h.sizeOfPartitionEntry, c.entries);
    c.sound = true;
    return c;
}

bool GptTable::load(const ReadFn& read, uint32_t sectorSize, uint64_t totalSectors)
{
    *this = GptTable{};
    m_sectorSize = sectorSize;
    m_totalSectors = totalSectors;
    if (!LogicalSector::isValid(sectorSize))
        return fail("Invalid sector size " + to_string(sectorSize));
    m_mbr.assign(sectorSize, 0);
    if (!read(0, sectorSize, m_mbr.data()))
        return fail("Sector 0 cannot be read");

    const Copy primary = readCopy(read, 1);
    // The backup is where a primary header with a good CRC says; else, or when it is not there,
    // at the disk's last LBA.
    std::vector<uint64_t> places;
    const uint64_t alternate = primary.header.alternateLba;
    if (primary.sound || (primary.headerOk && alternate > 1 && (totalSectors == 0 || alternate < totalSectors)))
        places.push_back(alternate);
    if (totalSectors > 2 && (places.empty() || places.front() != totalSectors - 1))
        places.push_back(totalSectors - 1);
    Copy backup;
    backup.why = "no place for a backup GPT header is known";
    uint64_t backupAt = 0;
    for (uint64_t lba : places) {
        if (lba <= 1)
            continue;
        backup = readCopy(read, lba);
        if (backup.sound && backup.header.alternateLba != 1) {
            backup.sound = false;
            backup.why = "backup GPT header at LBA " + to_string(lba) + " names LBA "
                         + to_string(backup.header.alternateLba) + " as the primary";
        }
        backupAt = lba;
        if (backup.sound)
            break;
    }

    m_signature = primary.signature || backup.signature;
    m_primarySound = primary.sound;
    m_backupSound = backup.sound;
    if (primary.sound) {
        m_header = primary.header;
        m_entries = primary.entries;
        m_backupLba = backup.sound ? backupAt : primary.header.alternateLba;
        if (!backup.sound)
            m_notes.push_back("Backup GPT is not sound (" + backup.why + "); it is rewritten from the primary");
        else if (backup.header.partitionEntryArrayCrc32 != primary.header.partitionEntryArrayCrc32
                 || backup.header.diskGuid != primary.header.diskGuid)
            m_notes.push_back("Backup GPT differs from the primary; the primary is used");
        return true;
    }
    if (backup.sound) {
        m_header = backup.header;
        m_header.myLba = 1;
        m_header.alternateLba = backupAt;
        m_header.partitionEntryLba = PrimaryEntryLba;
        m_entries = backup.entries;
        m_backupLba = backupAt;
        m_notes.push_back("Primary GPT is not sound (" + primary.why + "); using the backup at LBA "
                          + to_string(backupAt));
        return true;
    }
    m_header = primary.signature ? primary.header : backup.header;
    if (!m_signature)
        return fail("No GPT on the disk");
    return fail("Neither GPT copy is sound, so the table is not changed (primary: " + primary.why + "; backup: "
                + backup.why + ")");
}

bool GptTable::create(uint32_t sectorSize, uint64_t totalSectors, const std::array<uint8_t, 16>& diskGuid)
{
    *this = GptTable{};
    m_sectorSize = sectorSize;
    m_totalSectors = totalSectors;
    if (!LogicalSector::isValid(sectorSize))
        return fail("Invalid sector size " + to_string(sectorSize));
    GptHeader& h = m_header;
    h.signature = GptHeader::SignatureValue;
    h.revision = GptHeader::Revision1;
    h.headerSize = GptHeader::Size;
    h.numberOfEntries = FreshEntryCount;
    h.sizeOfPartitionEntry = GptHeader::SupportedEntrySize;
    const uint64_t es = h.entryArraySectors(sectorSize);
    // MBR, two headers, two arrays and at least one usable sector.
    if (totalSectors < 2 * es + 4)
        return fail("Disk too small for a GPT: " + to_string(totalSectors) + " sectors of " + to_string(sectorSize)
                    + " bytes, at least " + to_string(2 * es + 4) + " needed");
    h.myLba = 1;
    h.alternateLba = totalSectors - 1;
    h.firstUsableLba = PrimaryEntryLba + es;
    h.lastUsableLba = totalSectors - es - 2;
    h.diskGuid = diskGuid;
    h.partitionEntryLba = PrimaryEntryLba;
    m_entries.assign(FreshEntryCount, GptPartitionEntry{});
    m_backupLba = totalSectors - 1;
    m_mbr = MbrCodec::protectiveMbr(totalSectors, sectorSize);
    m_fresh = true;
    m_fitMbr = true;
    m_signature = true;
    return true;
}

int GptTable::firstFreeEntry() const
{
    for (size_t i = 0; i < m_entries.size(); ++i)
        if (!m_entries[i].isUsed())
            return int(i);
    return -1;
}

int GptTable::findOverlap(uint64_t first, uint64_t last, int skip) const
{
    for (size_t i = 0; i < m_entries.size(); ++i) {
        const GptPartitionEntry& e = m_entries[i];
        if (int(i) != skip && e.isUsed() && last >= e.firstLba && first <= e.lastLba)
            return int(i);
    }
    return -1;
}

bool GptTable::fitToDisk()
{
    if (!editable())
        return false;
    const uint64_t total = m_totalSectors;
    const uint64_t arraySectors = m_header.entryArraySectors(m_sectorSize);
    if (total == 0)
        return fail("The disk's size is unknown, so the backup GPT cannot be placed at its end");
    if (total < arraySectors + 3 || total - arraySectors - 2 < m_header.firstUsableLba)
        return fail("Disk of " + to_string(total) + " sectors is too small for its GPT");
    const uint64_t lastUsable = total - arraySectors - 2;
    for (size_t i = 0; i < m_entries.size(); ++i)
        if (m_entries[i].isUsed() && m_entries[i].lastLba > lastUsable)
            return fail("GPT entry " + to_string(i) + " ends at LBA " + to_string(m_entries[i].lastLba)
                        + ", beyond the disk's last usable LBA " + to_string(lastUsable));
    m_backupLba = total - 1;
    m_header.lastUsableLba = lastUsable;
    m_fitMbr = true;
    return true;
}

bool GptTable::commitPlan(std::vector<Write>& out)
{
    out.clear();
    if (!editable())
        return fail(m_lastError.empty() ? std::string("No sound GPT copy to edit") : m_lastError);
    const uint32_t ss = m_sectorSize;
    GptHeader primary = m_header;
    const uint64_t arraySectors = primary.entryArraySectors(ss);
    const uint64_t backupEntryLba = m_backupLba > arraySectors ? m_backupLba - arraySectors : 0;
    const bool backupInDisk = m_totalSectors == 0 || m_backupLba < m_totalSectors;
    if (!backupInDisk || backupEntryLba <= primary.lastUsableLba || m_backupLba > UINT64_MAX / ss)
        return fail("Backup GPT position invalid: header LBA " + to_string(m_backupLba) + ", entry array of "
                    + to_string(arraySectors) + " sectors, last usable LBA " + to_string(primary.lastUsableLba)
                    + ", disk of " + to_string(m_totalSectors) + " sectors");
    if (primary.partitionEntryLba + arraySectors > primary.firstUsableLba)
        return fail("Primary GPT entry array runs into the usable area");
    for (size_t i = 0; i < m_entries.size(); ++i) {
        const GptPartitionEntry& e = m_entries[i];
        if (e.isUsed() && (e.firstLba > e.lastLba || e.firstLba < primary.firstUsableLba
                           || e.lastLba > primary.lastUsableLba))
            return fail("GPT entry " + to_string(i) + " (" + to_string(e.firstLba) + "-" + to_string(e.lastLba)
                        + ") lies outside the usable area " + to_string(primary.firstUsableLba) + "-"
                        + to_string(primary.lastUsableLba));
    }

    std::vector<uint8_t> array = GptPartitionEntry::encodeArray(m_entries, primary.numberOfEntries);
    primary.partitionEntryArrayCrc32 = Crc32::compute(array.data(), array.size());
    array.resize(arraySectors * ss, 0);
    primary.myLba = 1;
    primary.alternateLba = m_backupLba;
    primary.sealHeaderCrc();
    const GptHeader backup = primary.makeBackup(m_backupLba, backupEntryLba);

    const std::vector<Write> primaryWrites{{primary.partitionEntryLba * ss, array, "primary partition table", false},
                                           {ss, headerSector(primary, ss), "primary GPT header", true}};
    const std::vector<Write> backupWrites{{backupEntryLba * ss, array, "backup partition table", false},
                                          {m_backupLba * ss, headerSector(backup, ss), "backup GPT header", true}};
    // The copy that is sound now is overwritten last, so one sound copy survives any interruption.
    const bool primaryFirst = !m_primarySound && m_backupSound;
    const std::vector<Write>& firstCopy = primaryFirst ? primaryWrites : backupWrites;
    const std::vector<Write>& secondCopy = primaryFirst ? backupWrites : primaryWrites;
    out.insert(out.end(), firstCopy.begin(), firstCopy.end());
    out.insert(out.end(), secondCopy.begin(), secondCopy.end());

    if (m_fitMbr) {
        std::vector<uint8_t> mbr = m_mbr;
        if (m_fresh || (MbrCodec::fitProtective(mbr, m_totalSectors) && mbr != m_mbr))
            out.push_back({0, mbr, "protective MBR", false});
        m_mbr = mbr;
    }
    m_header = primary;
    return true;
}

bool GptTable::commit(const WriteFn& write, const FlushFn& flush)
{
    std::vector<Write> plan;
    if (!commitPlan(plan))
        return false;
    for (size_t i = 0; i < plan.size(); ++i) {
        const Write& w = plan[i];
        if (!write(w.offset, w.bytes.size(), w.bytes.data()))
            return fail("Failed to write the " + w.what);
        // A header is the point where its copy becomes sound: it reaches the disk before the next
        // write, or a lost cache could leave neither copy sound.
        if ((w.barrier || i + 1 == plan.size()) && !flush())
            return fail("Failed to flush the disk after writing the " + w.what);
    }
    m_fresh = false;
    m_primarySound = m_backupSound = true;
    return true;
}
