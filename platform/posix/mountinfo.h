#pragma once
#include <cstdint>
#include <string>
#include <sys/types.h>
#include <vector>

// Mounted file systems as /proc/self/mountinfo lists them.
class MountInfo {
public:
    struct Entry {
        uint32_t major = 0;
        uint32_t minor = 0;
        std::string root;        // path inside the file system that is mounted
        std::string mountPoint;  // unescaped
        std::string fsType;      // "vfat", "ntfs3", "fuseblk", ...
        std::string source;      // unescaped, e.g. "/dev/sdb1"
        bool readOnly = false;   // this mount's own options, not the file system's
    };

    // One line; false for a line that does not have the mountinfo shape.
    static bool parseLine(const std::string& line, Entry& out);
    // Undoes the kernel's octal escapes ("\040" for a space, "\134" for a backslash, ...).
    static std::string unescape(const std::string& field);
    static std::vector<Entry> parse(const std::string& text);

    // The current table of this process.
    static std::vector<Entry> current();
    // Mounts of a block device: matched by device number, or by a source path naming the device
    // (FUSE mounts such as ntfs-3g and btrfs carry an anonymous device number).
    static std::vector<Entry> mountsOf(const std::vector<Entry>& table, dev_t rdev);
};
