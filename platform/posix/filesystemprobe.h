#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

// Which file system a volume holds and its label, for volumes that are not mounted (and to tell
// FAT32 from FAT16 or ntfs-3g from other FUSE mounts). Uses libblkid when built with it, else the
// volume's boot sector.
class FileSystemProbe {
public:
    struct Result {
        std::string type;     // Linux names: "ntfs", "vfat", "exfat", "ext4", ...
        std::string version;  // "FAT32", "FAT16", "FAT12" for vfat
        std::string label;
    };

    static bool probeDevice(const std::string& devicePath, Result& out);
    // The volume held by `length` bytes at byte `offset` of a file or device (a partition of an
    // image file); `length` 0 means up to the end.
    static bool probeRange(const std::string& path, uint64_t offset, uint64_t length, Result& out);
    // Decodes an NTFS, exFAT or FAT boot sector (at least 512 bytes); false for anything else.
    static bool classifyBootSector(const uint8_t* sector, size_t length, Result& out);
    // The name Windows gives a file system: "NTFS", "FAT32", "FAT", "exFAT"; other types unchanged.
    // `mountType` is the type of a mount ("fuseblk" says little) and may be empty.
    static std::string windowsName(const std::string& mountType, const Result& probed);
};
