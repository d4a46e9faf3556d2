#pragma once
#include <array>
#include <cstdint>
#include <span>
#include <string>

// The GPT header record, decoded from and encoded to little-endian bytes. Headers are written with
// HeaderSize 92; a header read from disk may declare more (up to its sector), and its CRC then
// covers all of it.
class GptHeader {
public:
    static constexpr int Size = 92;
    static constexpr uint64_t SignatureValue = 0x5452415020494645ull;  // "EFI PART"
    static constexpr uint32_t Revision1 = 0x00010000u;
    static constexpr uint32_t SupportedEntrySize = 128;
    // Largest entry array accepted: keeps a corrupt header from asking for huge buffers.
    static constexpr uint64_t MaxEntryArrayBytes = 1024 * 1024;

    static constexpr int SignatureBytes = 8;
    static constexpr int DiskGuidBytes = 16;

    static constexpr int OffSignature = 0;
    static constexpr int OffRevision = 8;
    static constexpr int OffHeaderSize = 12;
    static constexpr int OffHeaderCrc = 16;
    static constexpr int OffReserved = 20;
    static constexpr int OffMyLba = 24;
    static constexpr int OffAlternateLba = 32;
    static constexpr int OffFirstUsableLba = 40;
    static constexpr int OffLastUsableLba = 48;
    static constexpr int OffDiskGuid = 56;
    static constexpr int OffEntryLba = 72;
    static constexpr int OffNumberOfEntries = 80;
    static constexpr int OffEntrySize = 84;
    static constexpr int OffEntryArrayCrc = 88;
    static constexpr int CrcFieldBytes = 4;

    uint64_t signature = 0;
    uint32_t revision = 0;
    uint32_t headerSize = 0;
    uint32_t headerCrc32 = 0;
    uint32_t reserved = 0;
    uint64_t myLba = 0;
    uint64_t alternateLba = 0;
    uint64_t firstUsableLba = 0;
    uint64_t lastUsableLba = 0;
    std::array<uint8_t, 16> diskGuid{};
    uint64_t partitionEntryLba = 0;
    uint32_t numberOfEntries = 0;
    uint32_t sizeOfPartitionEntry = 0;
    uint32_t partitionEntryArrayCrc32 = 0;

    // False (out untouched) when `bytes` is shorter than Size.
    static bool decode(std::span<const uint8_t> bytes, GptHeader& out);
    // False when `bytes` is shorter than Size; bytes past Size are left as they are.
    bool encode(std::span<uint8_t> bytes) const;

    // The header CRC rule, the only one: CRC-32 of the first HeaderSize bytes with the CRC field
    // taken as zero. `headerBytes` is exactly those bytes (at least Size of them).
    static uint32_t crcOver(std::span<const uint8_t> headerBytes);

    // A header read from `lba` that can be trusted as a header: at least Size bytes, "EFI PART",
    // HeaderSize from Size to the sector's length, a matching CRC and MyLBA equal to `lba`.
    // The entry array's placement is checked apart (checkEntryArray).
    static bool checkSector(std::span<const uint8_t> sector, uint64_t lba, GptHeader& out, std::string& why);

    bool hasValidSignature() const { return signature == SignatureValue; }
    // The CRC of this record encoded with Size bytes and HeaderSize set to Size, as it is written.
    uint32_t computeHeaderCrc() const;
    // Makes the record the one that is written: HeaderSize Size, CRC over it.
    void sealHeaderCrc();

    uint64_t entryArrayBytes() const { return uint64_t(numberOfEntries) * sizeOfPartitionEntry; }
    // Sectors the entry array occupies with this header's count and size.
    uint64_t entryArraySectors(uint32_t sectorSize) const;

    // Entry size 128 and a count from 1 up to what MaxEntryArrayBytes holds.
    bool checkEntryShape(std::string& error) const;
    // checkEntryShape, and an array that stays clear of LBA 0/1, of this header's own LBA and of
    // the usable area and, when totalSectors is not 0, inside the disk. Checked before anything
    // is allocated.
    bool checkEntryArray(uint32_t sectorSize, uint64_t totalSectors, std::string& error) const;

    // The copy placed at the end of the disk: MyLBA/AlternateLBA swapped to `backupLba`/1,
    // entry array at `backupEntryLba`, sealed.
    GptHeader makeBackup(uint64_t backupLba, uint64_t backupEntryLba) const;
};
