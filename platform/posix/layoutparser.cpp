#include "platform/posix/layoutparser.h"

#include <array>
#include <cstring>

namespace {
// MBR
constexpr size_t MbrTableOffset = 446;
constexpr size_t MbrEntrySize = 16;
constexpr size_t MbrEntryCount = 4;
constexpr size_t MbrBootIndicator = 0;
constexpr size_t MbrType = 4;
constexpr size_t MbrStartLba = 8;
constexpr size_t MbrSectorCount = 12;
constexpr size_t MbrSignatureOffset = 510;
constexpr size_t MbrMinimumBytes = 512;
constexpr uint8_t ProtectiveType = 0xEE;

// GPT header
constexpr char GptSignature[] = "EFI PART";
constexpr size_t GptSignatureOffset = 0;
constexpr size_t GptHeaderSizeOffset = 12;
constexpr size_t GptHeaderCrcOffset = 16;
constexpr size_t GptMyLbaOffset = 24;
constexpr size_t GptAlternateLbaOffset = 32;
constexpr size_t GptFirstUsableOffset = 40;
constexpr size_t GptLastUsableOffset = 48;
constexpr size_t GptEntriesLbaOffset = 72;
constexpr size_t GptEntryCountOffset = 80;
constexpr size_t GptEntrySizeOffset = 84;
constexpr size_t GptEntriesCrcOffset = 88;
constexpr uint32_t GptMinHeaderSize = 92;

// GPT entry
constexpr size_t EntryTypeGuid = 0;
constexpr size_t EntryUniqueGuid = 16;
constexpr size_t EntryFirstLba = 32;
constexpr size_t EntryLastLba = 40;
constexpr size_t GuidBytes = 16;

uint16_t le16(const uint8_t* p) { return uint16_t(p[0] | (p[1] << 8)); }
uint32_t le32(const uint8_t* p) { return uint32_t(p[0]) | (uint32_t(p[1]) << 8) | (uint32_t(p[2]) << 16) | (uint32_t(p[3]) << 24); }
uint64_t le64(const uint8_t* p) { return uint64_t(le32(p)) | (uint64_t(le32(p + 4)) << 32); }

const std::array<uint32_t, 256>& crcTable()
{
    static const std::array<uint32_t, 256> table = [] {
        std::array<uint32_t, 256> t{};
        for (uint32_t i = 0; i < 256; ++i) {
            uint32_t c = i;
            for (int k = 0; k < 8; ++k)
                c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[i] = c;
        }
        return t;
    }();
    return table;
}

bool allZero(const uint8_t* p, size_t n)
{
    for (size_t i = 0; i < n; ++i)
        if (p[i])
            return false;
    return true;
}
}

uint32_t LayoutParser::crc32(const uint8_t* data, size_t length)
{
    const auto& table = crcTable();
    uint32_t c = 0xFFFFFFFFu;
    for (size_t i = 0; i < length; ++i)
        c = table[(c ^ data[i]) & 0xFF] ^ (c >> 8);
    return c ^ 0xFFFFFFFFu;
}

std::string LayoutParser::formatGuid(const uint8_t* b)
{
    char text[40];
    std::snprintf(text, sizeof text, "{%08X-%04X-%04X-%02X%02X-%02X%02X%02X%02X%02X%02X}", le32(b), le16(b + 4),
                  le16(b + 6), b[8], b[9], b[10], b[11], b[12], b[13], b[14], b[15]);
    return text;
}

bool LayoutParser::parseMbr(const uint8_t* sector, size_t length, uint32_t sectorSize,
                            std::vector<PlatformLayoutEntry>& entries, bool& protective, std::string& why)
{
    entries.clear();
    protective = false;
    if (length < MbrMinimumBytes) {
        why = "sector 0 is shorter than 512 bytes";
        return false;
    }
    if (sector[MbrSignatureOffset] != 0x55 || sector[MbrSignatureOffset + 1] != 0xAA) {
        why = "sector 0 has no boot signature";
        return false;
    }
    for (size_t i = 0; i < MbrEntryCount; ++i) {
        const uint8_t* e = sector + MbrTableOffset + i * MbrEntrySize;
        // Anything but 0x00/0x80 here means sector 0 is a boot sector, not a partition table.
        if (e[MbrBootIndicator] != 0x00 && e[MbrBootIndicator] != 0x80) {
            why = "MBR entry " + std::to_string(i + 1) + " has an invalid boot indicator";
            entries.clear();
            protective = false;
            return false;
        }
        const uint8_t type = e[MbrType];
        const uint32_t count = le32(e + MbrSectorCount);
        if (type == 0 || count == 0)
            continue;
        if (type == ProtectiveType)
            protective = true;
        PlatformLayoutEntry entry;
        entry.partitionNumber = uint32_t(i + 1);
        entry.startingOffset = int64_t(uint64_t(le32(e + MbrStartLba)) * sectorSize);
        entry.partitionLength = int64_t(uint64_t(count) * sectorSize);
        entry.mbrType = type;
        entry.bootIndicator = e[MbrBootIndicator] == 0x80;
        entries.push_back(entry);
    }
    return true;
}

bool LayoutParser::parseGptHeader(const uint8_t* data, size_t length, uint64_t expectedLba, uint64_t diskSectors,
                                  GptHeader& out, std::string& why)
{
    if (length < GptMinHeaderSize) {
        why = "GPT header at LBA " + std::to_string(expectedLba) + " is truncated";
        return false;
    }
    if (std::memcmp(data + GptSignatureOffset, GptSignature, 8) != 0) {
        why = "no GPT signature at LBA " + std::to_string(expectedLba);
        return false;
    }
    const uint32_t headerSize = le32(data + GptHeaderSizeOffset);
    if (headerSize < GptMinHeaderSize || headerSize > length) {
        why = "GPT header at LBA " + std::to_string(expectedLba) + " has an invalid size " + std::to_string(headerSize);
        return false;
    }
    std::vector<uint8_t> copy(data, data + headerSize);
    std::memset(copy.data() + GptHeaderCrcOffset, 0, 4);
    if (crc32(copy.data(), copy.size()) != le32(data + GptHeaderCrcOffset)) {
        why = "GPT header at LBA " + std::to_string(expectedLba) + " has a bad CRC";
        return false;
    }
    GptHeader h;
    h.myLba = le64(data + GptMyLbaOffset);
    h.alternateLba = le64(data + GptAlternateLbaOffset);
    h.firstUsableLba = le64(data + GptFirstUsableOffset);
    h.lastUsableLba = le64(data + GptLastUsableOffset);
    h.entriesLba = le64(data + GptEntriesLbaOffset);
    h.entryCount = le32(data + GptEntryCountOffset);
    h.entrySize = le32(data + GptEntrySizeOffset);
    h.entriesCrc = le32(data + GptEntriesCrcOffset);
    const std::string where = "GPT header at LBA " + std::to_string(expectedLba);
    if (h.myLba != expectedLba) {
        why = where + " names itself LBA " + std::to_string(h.myLba);
        return false;
    }
    if (h.entrySize != GptEntrySize) {
        why = where + " has an unsupported entry size " + std::to_string(h.entrySize);
        return false;
    }
    const uint64_t arrayBytes = uint64_t(h.entryCount) * h.entrySize;
    if (h.entryCount == 0 || arrayBytes > MaxEntryArrayBytes) {
        why = where + " has an absurd entry count " + std::to_string(h.entryCount);
        return false;
    }
    if (h.firstUsableLba > h.lastUsableLba + 1 || h.lastUsableLba >= diskSectors) {
        why = where + " has a usable range outside the disk";
        return false;
    }
    // The array must lie inside the disk and must not cover a header (LBA 0, 1 or the last).
    if (h.entriesLba < 2 || h.entriesLba >= diskSectors || h.entriesLba == h.myLba) {
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
    const uint64_t arrayBytes = uint64_t(header.entryCount) * header.entrySize;
    if (length < arrayBytes) {
        why = "GPT entry array is truncated";
        return false;
    }
    if (crc32(data, size_t(arrayBytes)) != header.entriesCrc) {
        why = "GPT entry array at LBA " + std::to_string(header.entriesLba) + " has a bad CRC";
        return false;
    }
    for (uint32_t i = 0; i < header.entryCount; ++i) {
        const uint8_t* e = data + uint64_t(i) * header.entrySize;
        if (allZero(e + EntryTypeGuid, GuidBytes))
            continue;
        const uint64_t first = le64(e + EntryFirstLba);
        const uint64_t last = le64(e + EntryLastLba);
        if (last < first) {
            why = "GPT entry " + std::to_string(i + 1) + " ends before it starts; left out";
            continue;
        }
        PlatformLayoutEntry entry;
        entry.partitionNumber = i + 1;
        entry.startingOffset = int64_t(first * sectorSize);
        entry.partitionLength = int64_t((last - first + 1) * sectorSize);
        entry.typeGuid = formatGuid(e + EntryTypeGuid);
        entry.partitionGuid = formatGuid(e + EntryUniqueGuid);
        out.push_back(entry);
    }
    return true;
}

bool LayoutParser::parse(const ReadFn& read, uint64_t diskSize, uint32_t sectorSize, PlatformDriveLayout& out,
                         std::vector<std::string>& notes)
{
    out = PlatformDriveLayout{};
    if (sectorSize < MbrMinimumBytes || diskSize < sectorSize) {
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
        const uint64_t arrayBytes = uint64_t(header.entryCount) * header.entrySize;
        const uint64_t arraySectors = (arrayBytes + sectorSize - 1) / sectorSize;
        if (header.entriesLba + arraySectors > diskSectors) {
            notes.push_back("GPT entry array at LBA " + std::to_string(header.entriesLba) + " runs past the disk end");
            return false;
        }
        std::vector<uint8_t> array(arraySectors * sectorSize);
        if (!read(header.entriesLba * sectorSize, array.size(), array.data())) {
            notes.push_back("GPT entry array at LBA " + std::to_string(header.entriesLba) + " cannot be read");
            return false;
        }
        std::vector<PlatformLayoutEntry> entries;
        if (!parseGptEntries(array.data(), array.size(), header, sectorSize, entries, reason)) {
            notes.push_back(reason);
            return false;
        }
        out.style = LayoutStyle::GPT;
        out.entries = entries;
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
