#pragma once
#include <chrono>
#include <cstdint>
#include <mutex>
#include <optional>
#include <string>
#include <sys/stat.h>
#include <sys/types.h>
#include <vector>

// The disks behind "\\.\PhysicalDriveN". Numbering is positional: entry i of the list is disk i
// even when an earlier entry is missing or unusable, so a gap ("disks 0 and 2") can be produced by
// naming a missing middle entry, and a disk never changes its number while the program runs.
// An object holds the live table: from the TESSARIN_DISKS text when given, else from the machine's
// whole disks, rescanned at most once a second.
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

    // `configured`: the TESSARIN_DISKS text; without one the machine's disks are scanned.
    explicit DiskTable(std::optional<std::string> configured = {});
    DiskTable(const DiskTable&) = delete;
    DiskTable& operator=(const DiskTable&) = delete;

    // Builds the table again (numbers of a configured table are positional and do not change; a
    // scan starts numbering afresh).
    void reload();
    std::vector<std::string> messages() const;
    std::vector<Entry> snapshot();
    bool entry(int number, Entry& out);
    // Table number of a whole disk given by device number, or -1.
    int numberOfDevice(dev_t rdev);
    // The sector size configured for the image file `target` is, or 0.
    uint32_t configuredSectorSize(const struct stat& target);

private:
    void refreshScan();

    std::optional<std::string> m_configured;
    mutable std::mutex m_mutex;
    std::vector<Entry> m_entries;
    std::vector<std::string> m_messages;
    std::chrono::steady_clock::time_point m_lastScan;
};
