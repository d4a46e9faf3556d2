#include "platform/posix/disktable.h"

#include "platform/posix/sysfsblock.h"

#include <algorithm>
#include <cctype>

namespace {
constexpr const char* DrivePrefix = "PhysicalDrive";
constexpr auto RescanInterval = std::chrono::seconds(1);

bool statPath(const std::string& path, struct stat& st) { return !path.empty() && ::stat(path.c_str(), &st) == 0; }

bool allDigits(const std::string& s)
{
    return !s.empty() && std::all_of(s.begin(), s.end(), [](unsigned char c) { return std::isdigit(c); });
}
}

std::vector<DiskTable::Entry> DiskTable::parse(const std::string& text, std::vector<std::string>& messages)
{
    std::vector<Entry> table;
    if (text.empty())
        return table;
    size_t start = 0;
    while (true) {
        const size_t end = text.find(':', start);
        std::string field = text.substr(start, end == std::string::npos ? std::string::npos : end - start);
        const int number = int(table.size());
        Entry entry;
        const size_t at = field.rfind('@');
        std::string suffix;
        if (at != std::string::npos && allDigits(field.substr(at + 1))) {
            suffix = field.substr(at + 1);
            field.resize(at);
        }
        if (field.empty()) {
            messages.push_back("Disk " + std::to_string(number) + ": empty entry in TESSARIN_DISKS, number left unused");
        } else if (!suffix.empty() && suffix != "512" && suffix != "4096") {
            entry.path = field;
            messages.push_back("Disk " + std::to_string(number) + ": unsupported sector size @" + suffix + " for "
                               + field + " (use @512 or @4096), number left unused");
        } else {
            entry.path = field;
            entry.logicalSectorSize = suffix.empty() ? 0 : uint32_t(std::stoul(suffix));
            entry.usable = true;
        }
        table.push_back(entry);
        if (end == std::string::npos)
            break;
        start = end + 1;
    }
    // A single trailing separator ("a.img:") is a common slip, not a wish for an extra gap.
    if (table.size() > 1 && !text.empty() && text.back() == ':' && table.back().path.empty()) {
        table.pop_back();
        messages.pop_back();
    }
    return table;
}

void DiskTable::mergeAppend(std::vector<Entry>& table, const std::vector<std::string>& paths)
{
    for (const std::string& path : paths) {
        const bool known = std::any_of(table.begin(), table.end(), [&](const Entry& e) { return e.path == path; });
        if (!known)
            table.push_back(Entry{path, 0, true});
    }
}

int DiskTable::driveNumberFromPath(const std::string& path)
{
    const size_t pos = path.rfind(DrivePrefix);
    if (pos == std::string::npos)
        return -1;
    const std::string digits = path.substr(pos + std::char_traits<char>::length(DrivePrefix));
    if (!allDigits(digits) || digits.size() > 6)
        return -1;
    return std::stoi(digits);
}

DiskTable::DiskTable(std::optional<std::string> configured) : m_configured(std::move(configured)) { reload(); }

void DiskTable::reload()
{
    std::vector<std::string> messages;
    std::vector<Entry> table;
    if (m_configured) {
        table = parse(*m_configured, messages);
        for (size_t i = 0; i < table.size(); ++i) {
            struct stat st {};
            if (!table[i].usable)
                continue;
            if (!statPath(table[i].path, st)) {
                messages.push_back("Disk " + std::to_string(i) + ": " + table[i].path + " does not exist; left out");
            } else if (S_ISBLK(st.st_mode) && table[i].logicalSectorSize != 0) {
                messages.push_back("Disk " + std::to_string(i) + ": " + table[i].path
                                   + " is a block device; its own sector size is used, @"
                                   + std::to_string(table[i].logicalSectorSize) + " ignored");
                table[i].logicalSectorSize = 0;
            } else if (!S_ISBLK(st.st_mode) && !S_ISREG(st.st_mode)) {
                messages.push_back("Disk " + std::to_string(i) + ": " + table[i].path
                                   + " is neither an image file nor a block device; left out");
                table[i].usable = false;
            }
        }
    } else {
        mergeAppend(table, SysfsBlock::wholeDiskPaths());
    }
    std::lock_guard<std::mutex> lock(m_mutex);
    m_entries = std::move(table);
    m_messages = std::move(messages);
    m_lastScan = std::chrono::steady_clock::now();
}

void DiskTable::refreshScan()
{
    // Disks plugged in later get new numbers at the end; known disks keep theirs, so a number the
    // user chose never starts pointing at another disk while the program runs.
    if (m_configured)
        return;
    const auto now = std::chrono::steady_clock::now();
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (now - m_lastScan < RescanInterval)
            return;
        m_lastScan = now;
    }
    const std::vector<std::string> paths = SysfsBlock::wholeDiskPaths();
    std::lock_guard<std::mutex> lock(m_mutex);
    mergeAppend(m_entries, paths);
}

std::vector<std::string> DiskTable::messages() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_messages;
}

std::vector<DiskTable::Entry> DiskTable::snapshot()
{
    refreshScan();
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_entries;
}

bool DiskTable::entry(int number, Entry& out)
{
    const std::vector<Entry> table = snapshot();
    if (number < 0 || size_t(number) >= table.size())
        return false;
    out = table[size_t(number)];
    return true;
}

int DiskTable::numberOfDevice(dev_t rdev)
{
    const std::vector<Entry> table = snapshot();
    for (size_t i = 0; i < table.size(); ++i) {
        struct stat st {};
        if (table[i].usable && statPath(table[i].path, st) && S_ISBLK(st.st_mode) && st.st_rdev == rdev)
            return int(i);
    }
    return -1;
}

uint32_t DiskTable::configuredSectorSize(const struct stat& target)
{
    for (const Entry& e : snapshot()) {
        struct stat st {};
        if (e.usable && e.logicalSectorSize && statPath(e.path, st) && st.st_dev == target.st_dev
            && st.st_ino == target.st_ino)
            return e.logicalSectorSize;
    }
    return 0;
}
