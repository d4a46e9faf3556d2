#include "platform/posix/mountinfo.h"

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <sys/sysmacros.h>

namespace {
constexpr const char* MountInfoPath = "/proc/self/mountinfo";
// Field positions before the optional fields.
constexpr size_t DeviceField = 2;
constexpr size_t RootField = 3;
constexpr size_t MountPointField = 4;
constexpr size_t MountOptionsField = 5;
constexpr size_t FirstOptionalField = 6;

bool parseNumber(const std::string& s, uint32_t& out)
{
    if (s.empty())
        return false;
    char* end = nullptr;
    const unsigned long v = std::strtoul(s.c_str(), &end, 10);
    if (!end || *end != '\0')
        return false;
    out = uint32_t(v);
    return true;
}
}

std::string MountInfo::unescape(const std::string& field)
{
    std::string out;
    out.reserve(field.size());
    const auto isOct = [](char c) { return c >= '0' && c <= '7'; };
    for (size_t i = 0; i < field.size(); ++i) {
        if (field[i] == '\\' && i + 3 < field.size() && isOct(field[i + 1]) && isOct(field[i + 2])
            && isOct(field[i + 3])) {
            out.push_back(char(((field[i + 1] - '0') << 6) | ((field[i + 2] - '0') << 3) | (field[i + 3] - '0')));
            i += 3;
            continue;
        }
        out.push_back(field[i]);
    }
    return out;
}

bool MountInfo::parseLine(const std::string& line, Entry& out)
{
    std::istringstream in(line);
    std::vector<std::string> fields;
    std::string f;
    while (in >> f)
        fields.push_back(f);
    size_t sep = FirstOptionalField;
    while (sep < fields.size() && fields[sep] != "-")
        ++sep;
    // After the separator: file-system type, source, super options (source may be absent in odd cases).
    if (sep >= fields.size() || sep + 1 >= fields.size())
        return false;
    const std::string& dev = fields[DeviceField];
    const size_t colon = dev.find(':');
    if (colon == std::string::npos || !parseNumber(dev.substr(0, colon), out.major)
        || !parseNumber(dev.substr(colon + 1), out.minor))
        return false;
    out.root = unescape(fields[RootField]);
    out.mountPoint = unescape(fields[MountPointField]);
    out.fsType = fields[sep + 1];
    out.source = sep + 2 < fields.size() ? unescape(fields[sep + 2]) : std::string();
    std::istringstream options(fields[MountOptionsField]);
    std::string option;
    out.readOnly = false;
    while (std::getline(options, option, ','))
        out.readOnly = out.readOnly || option == "ro";
    return true;
}

std::vector<MountInfo::Entry> MountInfo::parse(const std::string& text)
{
    std::vector<Entry> entries;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) {
        Entry e;
        if (parseLine(line, e))
            entries.push_back(e);
    }
    return entries;
}

std::vector<MountInfo::Entry> MountInfo::current()
{
    std::ifstream in(MountInfoPath);
    std::stringstream buffer;
    buffer << in.rdbuf();
    return parse(buffer.str());
}

std::vector<MountInfo::Entry> MountInfo::mountsOf(const std::vector<Entry>& table, dev_t rdev)
{
    std::vector<Entry> result;
    for (const Entry& e : table) {
        bool match = e.major == major(rdev) && e.minor == minor(rdev);
        if (!match && !e.source.empty() && e.source[0] == '/') {
            struct stat st {};
            match = stat(e.source.c_str(), &st) == 0 && S_ISBLK(st.st_mode) && st.st_rdev == rdev;
        }
        if (match)
            result.push_back(e);
    }
    return result;
}
