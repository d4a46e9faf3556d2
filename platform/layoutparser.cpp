#include "platform/layoutparser.h"
#include "ondisk/byteorder.h"
#include "ondisk/gpttable.h"
#include "ondisk/guidtext.h"
#include "ondisk/logicalsector.h"
#include "ondisk/mbrcodec.h"

#include <algorithm>
#include <span>

bool LayoutParser::parseMbr(const uint8_t* data, size_t length, uint32_t sectorSize,
                            std::vector<PlatformLayoutEntry>& entries, bool& protective, std::string& why)
{
    entries.clear();
    protective = false;
    const std::span<const uint8_t> sector(data, length);
    if (length < size_t(MbrCodec::SectorBytes)) {
        why = "sector 0 is shorter than 512 bytes";
        return false;
    }
    if (!MbrCodec::hasBootSignature(sector)) {
        why = "sector 0 has no boot signature";
        return false;
    }
    for (int i = 0; i < MbrCodec::EntryCount; ++i) {
        MbrCodec::Entry e;
        MbrCodec::entry(sector, i, e);
        // Anything but 0x00/0x80 here means sector 0 is a boot sector, not a partition table.
        if (e.bootIndicator != 0x00 && e.bootIndicator != MbrCodec::ActiveFlag) {
            why = "MBR entry " + std::to_string(i + 1) + " has an invalid boot indicator";
            entries.clear();
            protective = false;
            return false;
        }
        if (e.type == 0 || e.sectorCount == 0)
            continue;
        if (e.type == MbrCodec::ProtectiveType)
            protective = true;
        PlatformLayoutEntry entry;
        entry.partitionNumber = uint32_t(i + 1);
        entry.startingOffset = int64_t(uint64_t(e.firstLba) * sectorSize);
        entry.partitionLength = int64_t(uint64_t(e.sectorCount) * sectorSize);
        entry.mbrType = e.type;
        entry.bootIndicator = e.bootIndicator == MbrCodec::ActiveFlag;
        entries.push_back(entry);
    }
    return true;
}

void LayoutParser::logicalEntries(const ReadFn& read, uint64_t diskSize, uint32_t sectorSize,
                                  std::vector<PlatformLayoutEntry>& entries, std::vector<std::string>& notes)
{
    const auto container = std::find_if(entries.begin(), entries.end(),
                                        [](const PlatformLayoutEntry& e) { return MbrCodec::isExtendedType(e.mbrType); });
    if (container == entries.end())
        return;
    // Sector numbers: each record's data entry counts from the record, its link from the container.
    const uint64_t base = uint64_t(container->startingOffset) / sectorSize;
    const uint64_t end = std::min<uint64_t>(base + uint64_t(container->partitionLength) / sectorSize, diskSize / sectorSize);
    std::vector<PlatformLayoutEntry> logical;
    std::vector<uint8_t> sector(sectorSize);
    uint64_t record = base;
    for (int hop = 0;; ++hop) {
        if (hop == MaxLogicalPartitions) {
            notes.push_back("more than " + std::to_string(MaxLogicalPartitions) + " logical partitions; the rest are left out");
            break;
        }
        if (record >= end || !read(record * sectorSize, sectorSize, sector.data()) || !MbrCodec::hasBootSignature(sector)) {
            notes.push_back("the chain of logical partitions breaks at sector " + std::to_string(record));
            break;
        }
        MbrCodec::Entry data, link;
        MbrCodec::entry(sector, 0, data);
        MbrCodec::entry(sector, 1, link);
        if (data.type != 0 && data.sectorCount != 0) {
            const uint64_t first = record + data.firstLba;
            if (data.firstLba == 0 || first + data.sectorCount > end) {
                notes.push_back("a logical partition at sector " + std::to_string(first) + " lies outside its extended partition; left out");
            } else {
                PlatformLayoutEntry e;
                e.partitionNumber = FirstLogicalNumber + uint32_t(logical.size());
                e.startingOffset = int64_t(first * sectorSize);
                e.partitionLength = int64_t(uint64_t(data.sectorCount) * sectorSize);
                e.mbrType = data.type;
                e.bootIndicator = data.bootIndicator == MbrCodec::ActiveFlag;
                logical.push_back(e);
            }
        }
        if (!MbrCodec::isExtendedType(link.type) || link.firstLba == 0)
            break;
        const uint64_t next = base + link.firstLba;
        if (next <= record) {
            notes.push_back("the chain of logical partitions turns back at sector " + std::to_string(record));
            break;
        }
        record = next;
    }
    entries.insert(entries.end(), logical.begin(), logical.end());
}

void LayoutParser::gptEntries(const std::vector<GptPartitionEntry>& entries, uint32_t sectorSize,
                              std::vector<PlatformLayoutEntry>& out, std::vector<std::string>& notes)
{
    out.clear();
    for (uint32_t i = 0; i < entries.size(); ++i) {
        const GptPartitionEntry& e = entries[i];
        if (!e.isUsed())
            continue;
        if (e.lastLba < e.firstLba) {
            notes.push_back("GPT entry " + std::to_string(i + 1) + " ends before it starts; left out");
            continue;
        }
        PlatformLayoutEntry entry;
        entry.partitionNumber = i + 1;
        entry.startingOffset = int64_t(e.firstLba * sectorSize);
        entry.partitionLength = int64_t((e.lastLba - e.firstLba + 1) * sectorSize);
        entry.typeGuid = GuidText::fromGptBytes(e.typeGuid.data());
        entry.partitionGuid = GuidText::fromGptBytes(e.uniqueGuid.data());
        out.push_back(entry);
    }
}

bool LayoutParser::parse(const ReadFn& read, uint64_t diskSize, uint32_t sectorSize, PlatformDriveLayout& out,
                         std::vector<std::string>& notes)
{
    out = PlatformDriveLayout{};
    if (!LogicalSector::isValid(sectorSize)) {
        notes.push_back("unsupported logical sector size " + std::to_string(sectorSize));
        return false;
    }
    if (diskSize < sectorSize) {
        notes.push_back("disk too small for a partition table");
        return false;
    }
    std::vector<uint8_t> sector(sectorSize);
    if (!read(0, sectorSize, sector.data())) {
        notes.push_back("sector 0 cannot be read");
        return false;
    }
    std::vector<PlatformLayoutEntry> mbrEntries;
    bool protective = false;
    std::string why;
    if (!LayoutParser::parseMbr(sector.data(), sector.size(), sectorSize, mbrEntries, protective, why)) {
        notes.push_back(why);
        return true;  // no table: Unknown
    }
    if (!protective) {
        out.style = LayoutStyle::MBR;
        out.entries = mbrEntries;
        out.mbrSignature = ByteOrder::get32(sector.data() + MbrCodec::OffDiskSignature);
        logicalEntries(read, diskSize, sectorSize, out.entries, notes);
        return true;
    }

    GptTable gpt;
    const bool loaded = gpt.load(read, sectorSize, diskSize / sectorSize);
    notes.insert(notes.end(), gpt.notes().begin(), gpt.notes().end());
    if (!loaded) {
        notes.push_back(gpt.lastError());
        notes.push_back("protective MBR without a valid GPT: layout reported as Unknown");
        return true;
    }
    out.style = LayoutStyle::GPT;
    out.gptDiskGuid = GuidText::fromGptBytes(gpt.header().diskGuid.data());
    gptEntries(gpt.entries(), sectorSize, out.entries, notes);
    return true;
}
