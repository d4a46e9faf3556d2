#pragma once
// Offsets of the boot-sector fields FAT and NTFS volumes share (the BIOS parameter block) and of
// their own extensions. The decoders in filesystem/, the posix probe and the partition resizer
// all read through these.
#include <cstddef>
#include <cstdint>

class BootSectorFields {
public:
    static constexpr size_t SectorBytes = 512;

    static constexpr size_t OffOemId = 3;
    static constexpr size_t OemIdLength = 8;
    static constexpr size_t OffBytesPerSector = 11;
    static constexpr size_t OffSectorsPerCluster = 13;
    static constexpr size_t OffReservedSectors = 14;
    static constexpr size_t OffNumberOfFats = 16;
    static constexpr size_t OffRootEntryCount = 17;
    static constexpr size_t OffTotalSectors16 = 19;
    static constexpr size_t OffFatSize16 = 22;
    static constexpr size_t OffHiddenSectors = 28;
    static constexpr size_t OffTotalSectors32 = 32;
    static constexpr size_t OffSignature = 510;
    static constexpr uint16_t BootSignature = 0xAA55;

    // FAT12/FAT16 extended fields.
    static constexpr size_t OffFat16Label = 43;
    static constexpr size_t OffFat16FsType = 54;
    // FAT32 extended fields.
    static constexpr size_t OffFatSize32 = 36;
    static constexpr size_t OffFat32ExtFlags = 40;
    static constexpr uint16_t Fat32SingleActiveFat = 0x0080;  // FATs not mirrored: only one is current
    static constexpr size_t OffRootCluster = 44;
    static constexpr size_t OffFat32BackupBootSector = 50;
    static constexpr size_t OffFat32SerialNumber = 67;
    static constexpr size_t OffFat32Label = 71;
    static constexpr size_t FatLabelLength = 11;
    static constexpr size_t OffFat32FsType = 82;
    static constexpr size_t FatFsTypeLength = 8;

    // NTFS fields.
    static constexpr size_t OffNtfsTotalSectors = 40;
    static constexpr size_t OffNtfsMftCluster = 48;
    static constexpr size_t OffNtfsMftMirrorCluster = 56;
    static constexpr size_t OffNtfsClustersPerRecord = 64;
    static constexpr size_t OffNtfsSerialNumber = 72;

    static constexpr char NtfsOemId[] = "NTFS    ";
    static constexpr char ExfatOemId[] = "EXFAT   ";
};
