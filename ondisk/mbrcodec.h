#pragma once
#include <cstdint>
#include <span>
#include <vector>

// Pure MBR sector layout functions: boot signature, the four primary entries, the protective MBR.
class MbrCodec {
public:
    static constexpr int SectorBytes = 512;
    static constexpr int OffDiskSignature = 440;
    static constexpr int OffEntries = 446;
    static constexpr int EntrySize = 16;
    static constexpr int OffBootSignature = 510;
    static constexpr uint16_t BootSignature = 0xAA55;

    static constexpr int EntryCount = 4;
    static constexpr uint8_t ActiveFlag = 0x80;

    static constexpr int EntOffBootIndicator = 0;
    static constexpr int EntOffFirstChs = 1;
    static constexpr int EntOffType = 4;
    static constexpr int EntOffLastChs = 5;
    static constexpr int EntOffFirstLba = 8;
    static constexpr int EntOffSectorCount = 12;

    static constexpr uint8_t ProtectiveType = 0xEE;
    static constexpr uint8_t RecoveryType = 0x27;  // a Windows recovery (WinRE) volume
    static constexpr uint8_t ExtendedChsType = 0x05;
    static constexpr uint8_t ExtendedLbaType = 0x0F;
    static constexpr uint8_t ExtendedLinuxType = 0x85;

    // An extended partition: a container of logical partitions, not a volume.
    static bool isExtendedType(uint8_t type)
    {
        return type == ExtendedChsType || type == ExtendedLbaType || type == ExtendedLinuxType;
    }

    struct Entry {
        uint8_t bootIndicator = 0;
        uint8_t firstChs[3] = {0, 0, 0};
        uint8_t type = 0;
        uint8_t lastChs[3] = {0, 0, 0};
        uint32_t firstLba = 0;
        uint32_t sectorCount = 0;
    };

    // All false when `sector` is shorter than SectorBytes or `index` is not 0..3.
    static bool hasBootSignature(std::span<const uint8_t> sector);
    static bool entry(std::span<const uint8_t> sector, int index, Entry& out);
    static bool setEntry(std::span<uint8_t> sector, int index, const Entry& e);
    // New first LBA and count; last CHS becomes FE FF FF (beyond CHS reach).
    static bool setEntryExtent(std::span<uint8_t> sector, int index, uint32_t firstLba, uint32_t sectorCount);
    // Entry 0 of a protective MBR made to cover `totalSectors`; false when the sector is not a
    // protective MBR (no signature, entry 0 not 0xEE from LBA 1) and so is left alone.
    static bool fitProtective(std::span<uint8_t> sector, uint64_t totalSectors);
    static uint32_t protectiveCount(uint64_t totalSectors);

    // A protective MBR in a zero sector of `sectorSize` bytes for a disk of `totalSectors`.
    static std::vector<uint8_t> protectiveMbr(uint64_t totalSectors, uint32_t sectorSize);
};
