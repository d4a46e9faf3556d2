#pragma once
#include <optional>
#include <string>
#include <vector>

// The disks behind "\\.\PhysicalDriveN" when TESSARIN_DISKS names them: entry i is disk i, so
// image files (or other drives) stand in for the machine's disks, as on the Linux backend. Entries
// are separated by ';', as ':' belongs to drive letters. Pure: nothing is opened here.
class Win32DiskTable {
public:
    struct Entry {
        std::string path;       // empty for a gap
        bool usable = false;    // false: the number is taken but stands for nothing
    };

    static std::vector<Entry> parse(const std::string& text, std::vector<std::string>& messages);
    // N of "\\.\PhysicalDriveN" (any case), or -1.
    static int driveNumber(const std::string& path);

    // Without a text the machine's own disks are used and the table stands aside.
    explicit Win32DiskTable(const std::optional<std::string>& configured = {});

    bool configured() const { return m_configured; }
    const std::vector<std::string>& messages() const { return m_messages; }
    // The usable entry of disk `number`, or null.
    const Entry* entry(int number) const;
    std::vector<int> numbers() const;
    // The disk whose entry names `path` (case and slashes aside), or -1.
    int numberOfPath(const std::string& path) const;

private:
    bool m_configured = false;
    std::vector<Entry> m_entries;
    std::vector<std::string> m_messages;
};
