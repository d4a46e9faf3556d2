#pragma once
#include <array>
#include <cstdint>
#include <string>

// The 92-byte GPT header record, decoded from and encoded to little-endian bytes.
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

    // `bytes` holds at least Size bytes.
    static GptHeader decode(const uint8_t* bytes);
    void encode(uint8_t* bytes) const;

    bool hasValidSignature() const { return signature == SignatureValue; }
    // CRC-32 of the 92 bytes with the CRC field taken as zero.
    uint32_t computeHeaderCrc() const;
    void sealHeaderCrc() { headerCrc32 = computeHeaderCrc(); }

    uint64_t entryArrayBytes() const { return uint64_t(numberOfEntries) * sizeOfPartitionEntry; }
    // Sectors the entry array occupies with this header's count and size.
    uint64_t entryArraySectors(uint32_t sectorSize) const;

    // Rejects entry layouts this code cannot handle safely: entry size other than 128, no entries,
    // an array above MaxEntryArrayBytes, an array overlapping LBA 0/1 or the usable area, or (when
    // totalSectors is not 0) an array past the end of the disk. Checked before anything is allocated.
    bool checkEntryArray(uint32_t sectorSize, uint64_t totalSectors, std::string& error) const;

    // The copy placed at the end of the disk: MyLBA/AlternateLBA swapped to `backupLba`/1,
    // entry array at `backupEntryLba`, header CRC recomputed.
    GptHeader makeBackup(uint64_t backupLba, uint64_t backupEntryLba) const;
};
