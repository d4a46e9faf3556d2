#include "platform/win32/win32disktable.h"

#include <algorithm>
#include <cctype>

namespace {
constexpr char Separator = ';';
constexpr const char* SectorSuffix = "@512";
constexpr const char* DrivePrefix = "\\\\.\\physicaldrive";
constexpr int MaxDriveDigits = 6;

// Paths compare as Windows compares them: any case, either slash.
std::string comparable(const std::string& path)
{
    std::string out = path;
    for (char& c : out)
        c = c == '/' ? '\\' : static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

bool allDigits(const std::string& s)
{
    return !s.empty() && std::all_of(s.begin(), s.end(), [](unsigned char c) { return std::isdigit(c); });
}
}

std::vector<Win32DiskTable::Entry> Win32DiskTable::parse(const std::string& text, std::vector<std::string>& messages)
{
    std::vector<Entry> table;
    if (text.empty())
        return table;
    size_t start = 0;
    while (true) {
        const size_t end = text.find(Separator, start);
        std::string field = text.substr(start, end == std::string::npos ? std::string::npos : end - start);
        const std::string number = std::to_string(table.size());
        Entry entry;
        const size_t at = field.rfind('@');
        std::string suffix;
        if (at != std::string::npos && allDigits(field.substr(at + 1))) {
            suffix = field.substr(at);
            field.resize(at);
        }
        if (field.empty()) {
            messages.push_back("Disk " + number + ": empty entry in TESSARIN_DISKS, number left unused");
        } else if (!suffix.empty() && suffix != SectorSuffix) {
            // A file presents the sector size of the volume it lives on; no other can be shown here.
            entry.path = field;
            messages.push_back("Disk " + number + ": sector size " + suffix + " for " + field
                               + " cannot be presented on Windows, number left unused");
        } else {
            entry.path = field;
            entry.usable = true;
        }
        table.push_back(entry);
        if (end == std::string::npos)
            break;
        start = end + 1;
    }
    // A single trailing separator is a slip, not a wish for an extra gap.
    if (table.size() > 1 && text.back() == Separator && table.back().path.empty()) {
        table.pop_back();
        messages.pop_back();
    }
    return table;
}

int Win32DiskTable::driveNumber(const std::string& path)
{
    const std::string name = comparable(path);
    const std::string prefix = DrivePrefix;
    if (name.rfind(prefix, 0) != 0)
        return -1;
    const std::string digits = name.substr(prefix.size());
    if (!allDigits(digits) || digits.size() > MaxDriveDigits)
        return -1;
    return std::stoi(digits);
}

Win32DiskTable::Win32DiskTable(const std::optional<std::string>& configured)
    : m_configured(configured.has_value())
{
    if (configured)
        m_entries = parse(*configured, m_messages);
}

const Win32DiskTable::Entry* Win32DiskTable::entry(int number) const
{
    if (number < 0 || number >= int(m_entries.size()) || !m_entries[size_t(number)].usable)
        return nullptr;
    return &m_entries[size_t(number)];
}

std::vector<int> Win32DiskTable::numbers() const
{
    std::vector<int> out;
    for (size_t i = 0; i < m_entries.size(); ++i) {
        if (m_entries[i].usable)
            out.push_back(int(i));
    }
    return out;
}

int Win32DiskTable::numberOfPath(const std::string& path) const
{
    const std::string wanted = comparable(path);
    for (size_t i = 0; i < m_entries.size(); ++i) {
        if (m_entries[i].usable && comparable(m_entries[i].path) == wanted)
            return int(i);
    }
    return -1;
}
