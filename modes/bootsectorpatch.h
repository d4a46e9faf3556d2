#pragma once
#include <cstdint>
#include <string>

// Makes a copied volume's boot sector describe its new place: hidden sectors (the volume's start
// in the volume's own bytes-per-sector units) and, when the copy is smaller than the volume says,
// its total sectors. Pure: works on the bytes of one boot sector.
class BootSectorPatch {
public:
    enum class Kind { Unknown, Ntfs, Fat32, Fat16 };

    static Kind kindOf(const uint8_t* sector);  // at least 512 bytes

    struct Result {
        Kind kind = Kind::Unknown;
        uint32_t oldHidden = 0;
        uint32_t newHidden = 0;
        uint64_t oldTotal = 0;
        uint64_t newTotal = 0;   // equal to oldTotal when the field was left alone
        uint32_t bytesPerSector = 0;
        uint16_t backupSector = 0;  // FAT32: the backup boot sector to refresh, 0 for none
        std::string error;       // set when the sector cannot describe the new place
    };

    // Edits `sector` (at least 512 bytes) for a volume at byte `volumeOffset` holding `volumeBytes`.
    // False, with the sector unchanged, when the offset is not a whole number of the volume's
    // sectors or does not fit the 32-bit field. An unknown file system is left alone and is no failure.
    static bool apply(uint8_t* sector, uint64_t volumeOffset, uint64_t volumeBytes, Result& result);

    // FAT32: the parameter block of a fixed primary into its backup; false when `backup` is no FAT32 boot sector.
    static bool refreshBackup(const uint8_t* primary, uint8_t* backup);
};
