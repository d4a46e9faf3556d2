#pragma once
#include <cstdint>
#include <string>

// Makes a copied volume's boot sector describe its new place: hidden sectors (the volume's start
// in the volume's own bytes-per-sector units) and, when the copy is smaller than the volume says,
// its total sectors; its backup boot sector is made to agree. Pure: works on boot-sector bytes.
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
        uint64_t backupOffset = 0;  // bytes from the volume start of the backup boot sector, 0 for none
        std::string error;       // set when the sector cannot describe the new place
    };

    // Edits `sector` (at least 512 bytes) for a volume at byte `volumeOffset` holding `volumeBytes`.
    // False, with the sector unchanged, when the offset is not a whole number of the volume's
    // sectors or does not fit the 32-bit field. An unknown file system is left alone and is no failure.
    static bool apply(uint8_t* sector, uint64_t volumeOffset, uint64_t volumeBytes, Result& result);

    // The backup boot sector made to agree with the fixed primary (NTFS: a copy of it; FAT32: its
    // parameter block); false when `backup` holds no boot sector of that kind.
    static bool refreshBackup(Kind kind, const uint8_t* primary, uint8_t* backup);
};
