#include "platform/posix/layoutparser.h"
#include "ondisk/byteorder.h"
#include "ondisk/crc32.h"
#include "ondisk/gptpartitionentry.h"
#include "ondisk/guidtext.h"
#include "ondisk/mbrcodec.h"

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

bool LayoutParser::parseGptHeader(const uint8_t* data, size_t length, uint64_t expectedLba, uint64_t diskSectors,
                                  GptHeader& out, std::string& why)
{
    GptHeader h;
    if (!GptHeader::checkSector(std::span<const uint8_t>(data, length), expectedLba, h, why))
        return false;
    const std::string where = "GPT header at LBA " + std::to_string(expectedLba);
    if (!h.checkEntryShape(why))
        return false;
    if (h.firstUsableLba > h.lastUsableLba + 1 || h.lastUsableLba >= diskSectors) {
        why = where + " has a usable range outside the disk";
        return false;
    }
    // The array must lie inside the disk and must not cover a header (LBA 0, 1 or the last).
    if (h.partitionEntryLba < 2 || h.partitionEntryLba >= diskSectors || h.partitionEntryLba == h.myLba) {
        why = where + " places its entry array outside the disk";
        return false;
    }
    out = h;
    return true;
}

bool LayoutParser::parseGptEntries(const uint8_t* data, size_t length, const GptHeader& header, uint32_t sectorSize,
                                   std::vector<PlatformLayoutEntry>& out, std::string& why)
{
    out.clear();
    const std::span<const uint8_t> bytes(data, length);
    std::vector<GptPartitionEntry> entries;
    if (!GptPartitionEntry::decodeArray(bytes, header.numberOfEntries, header.sizeOfPartitionEntry, entries)) {
        why = "GPT entry array is truncated";
        return false;
    }
    if (Crc32::compute(data, size_t(header.entryArrayBytes())) != header.partitionEntryArrayCrc32) {
        why = "GPT entry array at LBA " + std::to_string(header.partitionEntryLba) + " has a bad CRC";
        return false;
    }
    for (uint32_t i = 0; i < entries.size(); ++i) {
        const GptPartitionEntry& e = entries[i];
        if (!e.isUsed())
            continue;
        if (e.lastLba < e.firstLba) {
            why = "GPT entry " + std::to_string(i + 1) + " ends before it starts; left out";
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
    return true;
}

bool LayoutParser::parse(const ReadFn& read, uint64_t diskSize, uint32_t sectorSize, PlatformDriveLayout& out,
                         std::vector<std::string>& notes)
{
    out = PlatformDriveLayout{};
    if (sectorSize < size_t(MbrCodec::SectorBytes) || diskSize < sectorSize) {
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
        return true;
    }

    const uint64_t diskSectors = diskSize / sectorSize;
    const auto tryGpt = [&](uint64_t lba) -> bool {
        std::vector<uint8_t> headerBytes(sectorSize);
        GptHeader header;
        std::string reason;
        if (!read(lba * sectorSize, sectorSize, headerBytes.data())) {
            notes.push_back("GPT header at LBA " + std::to_string(lba) + " cannot be read");
            return false;
        }
        if (!parseGptHeader(headerBytes.data(), headerBytes.size(), lba, diskSectors, header, reason)) {
            notes.push_back(reason);
            return false;
        }
        const uint64_t arraySectors = header.entryArraySectors(sectorSize);
        if (header.partitionEntryLba + arraySectors > diskSectors) {
            notes.push_back("GPT entry array at LBA " + std::to_string(header.partitionEntryLba) + " runs past the disk end");
            return false;
        }
        std::vector<uint8_t> array(arraySectors * sectorSize);
        if (!read(header.partitionEntryLba * sectorSize, array.size(), array.data())) {
            notes.push_back("GPT entry array at LBA " + std::to_string(header.partitionEntryLba) + " cannot be read");
            return false;
        }
        std::vector<PlatformLayoutEntry> entries;
        if (!parseGptEntries(array.data(), array.size(), header, sectorSize, entries, reason)) {
            notes.push_back(reason);
            return false;
        }
        out.style = LayoutStyle::GPT;
        out.entries = entries;
        out.gptDiskGuid = GuidText::fromGptBytes(header.diskGuid.data());
        return true;
    };
    if (tryGpt(1))
        return true;
    if (diskSectors > 2 && tryGpt(diskSectors - 1)) {
        notes.push_back("primary GPT invalid, using the backup GPT");
        return true;
    }
    notes.push_back("protective MBR without a valid GPT: layout reported as Unknown");
    out = PlatformDriveLayout{};
    return true;
}
