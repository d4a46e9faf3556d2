#pragma once
#include <cstdint>
#include <string>
#include <vector>

// The disks behind "\\.\PhysicalDriveN". Numbering is positional: entry i of the list is disk i
// even when an earlier entry is missing or unusable, so a gap ("disks 0 and 2") can be produced by
// naming a missing middle entry, and a disk never changes its number while the program runs.
class DiskTable {
public:
    struct Entry {
        std::string path;                 // image file or block device; empty for a gap
        uint32_t logicalSectorSize = 0;   // presented sector size of an image; 0 = its default (512)
        bool usable = false;              // false: the number is taken but cannot be opened
    };

    // Parses the TESSARIN_DISKS text: entries separated by ':', each a path with an optional
    // "@512" or "@4096" suffix. An empty field is a gap. Pure: existence is not checked here.
    static std::vector<Entry> parse(const std::string& text, std::vector<std::string>& messages);

    // Appends the names not yet present (by path), keeping every existing number. Used to merge a
    // new scan of the machine's disks without renumbering the ones already known.
    static void mergeAppend(std::vector<Entry>& table, const std::vector<std::string>& paths);

    // "PhysicalDrive" followed by digits anywhere in `path` (any prefix); -1 when absent.
    static int driveNumberFromPath(const std::string& path);
};
