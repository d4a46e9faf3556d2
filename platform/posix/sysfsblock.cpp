#include "platform/posix/sysfsblock.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <dirent.h>
#include <fstream>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace {
constexpr const char* ClassBlock = "/sys/class/block/";
constexpr const char* SysBlock = "/sys/block/";
constexpr uint64_t SysfsSectorBytes = 512;  // sysfs start/size are always in 512-byte units

std::vector<std::string> listDirectory(const std::string& path)
{
    std::vector<std::string> names;
    DIR* dir = opendir(path.c_str());
    if (!dir)
        return names;
    while (dirent* e = readdir(dir)) {
        const std::string name = e->d_name;
        if (name != "." && name != "..")
            names.push_back(name);
    }
    closedir(dir);
    std::sort(names.begin(), names.end());
    return names;
}

bool startsWith(const std::string& s, const char* prefix) { return s.rfind(prefix, 0) == 0; }

uint64_t readNumber(const std::string& path, bool& ok)
{
    const std::string text = SysfsBlock::readAttribute(path);
    ok = false;
    if (text.empty())
        return 0;
    char* end = nullptr;
    const unsigned long long value = std::strtoull(text.c_str(), &end, 10);
    ok = end && *end == '\0';
    return value;
}
}

std::string SysfsBlock::readAttribute(const std::string& path)
{
    std::ifstream in(path);
    std::string line;
    if (!in || !std::getline(in, line))
        return {};
    while (!line.empty() && (line.back() == ' ' || line.back() == '\n' || line.back() == '\t' || line.back() == '\r'))
        line.pop_back();
    return line;
}

std::vector<std::string> SysfsBlock::wholeDiskPaths()
{
    std::vector<std::string> paths;
    for (const std::string& name : listDirectory(SysBlock)) {
        if (startsWith(name, "ram") || startsWith(name, "zram") || startsWith(name, "sr"))
            continue;
        if (startsWith(name, "loop") && loopBackingFile(name).empty())
            continue;
        bool ok = false;
        if (readNumber(std::string(SysBlock) + name + "/size", ok) == 0)
            continue;
        paths.push_back("/dev/" + name);
    }
    return paths;
}

std::string SysfsBlock::kernelName(dev_t rdev)
{
    const std::string link = "/sys/dev/block/" + std::to_string(major(rdev)) + ":" + std::to_string(minor(rdev));
    char resolved[PATH_MAX];
    if (!realpath(link.c_str(), resolved))
        return {};
    const std::string full = resolved;
    return full.substr(full.rfind('/') + 1);
}

std::string SysfsBlock::deviceDirectory(const std::string& kernelName)
{
    char resolved[PATH_MAX];
    if (kernelName.empty() || !realpath((ClassBlock + kernelName).c_str(), resolved))
        return {};
    return resolved;
}

bool SysfsBlock::isPartition(const std::string& kernelName)
{
    struct stat st {};
    return !kernelName.empty() && stat((ClassBlock + kernelName + "/partition").c_str(), &st) == 0;
}

std::string SysfsBlock::wholeDiskName(const std::string& kernelName)
{
    if (!isPartition(kernelName))
        return kernelName;
    const std::string dir = deviceDirectory(kernelName);
    const size_t slash = dir.rfind('/');
    if (slash == std::string::npos || slash == 0)
        return {};
    const std::string parent = dir.substr(0, slash);
    return parent.substr(parent.rfind('/') + 1);
}

bool SysfsBlock::partitionInfo(const std::string& partName, Partition& out)
{
    const std::string base = ClassBlock + partName + "/";
    bool okNumber = false, okStart = false, okSize = false;
    out.name = partName;
    out.number = uint32_t(readNumber(base + "partition", okNumber));
    out.startBytes = readNumber(base + "start", okStart) * SysfsSectorBytes;
    out.lengthBytes = readNumber(base + "size", okSize) * SysfsSectorBytes;
    return okNumber && okStart && okSize;
}

std::vector<SysfsBlock::Partition> SysfsBlock::partitions(const std::string& diskName)
{
    std::vector<Partition> parts;
    if (diskName.empty())
        return parts;
    const std::string dir = std::string(SysBlock) + diskName;
    for (const std::string& name : listDirectory(dir)) {
        Partition p;
        if (startsWith(name, diskName.c_str()) && isPartition(name) && partitionInfo(name, p))
            parts.push_back(p);
    }
    std::sort(parts.begin(), parts.end(), [](const Partition& a, const Partition& b) { return a.number < b.number; });
    return parts;
}

std::string SysfsBlock::loopBackingFile(const std::string& kernelName)
{
    std::string file = readAttribute(std::string(SysBlock) + kernelName + "/loop/backing_file");
    const std::string deleted = " (deleted)";
    if (file.size() > deleted.size() && file.compare(file.size() - deleted.size(), deleted.size(), deleted) == 0)
        file.resize(file.size() - deleted.size());
    return file;
}

std::vector<std::string> SysfsBlock::loopDevicesBackedBy(dev_t fileDev, ino_t fileIno)
{
    std::vector<std::string> loops;
    for (const std::string& name : listDirectory(SysBlock)) {
        if (!startsWith(name, "loop"))
            continue;
        const std::string backing = loopBackingFile(name);
        struct stat st {};
        if (!backing.empty() && stat(backing.c_str(), &st) == 0 && st.st_dev == fileDev && st.st_ino == fileIno)
            loops.push_back(name);
    }
    return loops;
}

std::vector<std::string> SysfsBlock::holders(const std::string& kernelName)
{
    return listDirectory(std::string(ClassBlock) + kernelName + "/holders");
}

std::vector<std::string> SysfsBlock::slaves(const std::string& kernelName)
{
    return listDirectory(std::string(ClassBlock) + kernelName + "/slaves");
}

bool SysfsBlock::deviceNumber(const std::string& kernelName, dev_t& out)
{
    const std::string text = readAttribute(std::string(ClassBlock) + kernelName + "/dev");
    const size_t colon = text.find(':');
    if (colon == std::string::npos)
        return false;
    out = makedev(std::strtoul(text.substr(0, colon).c_str(), nullptr, 10),
                  std::strtoul(text.substr(colon + 1).c_str(), nullptr, 10));
    return true;
}
