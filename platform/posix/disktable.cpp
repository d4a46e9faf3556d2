#include "platform/posix/disktable.h"

#include <algorithm>
#include <cctype>

namespace {
constexpr const char* DrivePrefix = "PhysicalDrive";

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
