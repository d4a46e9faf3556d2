#include "platform/posix/volumeprobe.h"

#include "platform/regionloop.h"

#include <cctype>
#include <dirent.h>
#include <sys/stat.h>

namespace {
constexpr int ListingTimeoutMs = 60000;
constexpr size_t ListingLimit = 16 << 20;  // a folder of many thousand names

bool sameIgnoringCase(const std::string& a, const std::string& b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

std::string trimmed(std::string text)
{
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back())))
        text.pop_back();
    return text;
}
}

std::vector<std::string> VolumeProbe::splitRelative(const std::string& relativePath)
{
    std::vector<std::string> parts;
    std::string current;
    for (char c : relativePath + '\\') {
        if (c == '\\' || c == '/') {
            if (!current.empty() && current != ".")
                parts.push_back(current);
            current.clear();
        } else {
            current += c;
        }
    }
    return parts;
}

std::string VolumeProbe::findInListing(const std::string& listing, const std::string& name)
{
    size_t start = 0;
    while (start < listing.size()) {
        size_t end = listing.find('\n', start);
        if (end == std::string::npos)
            end = listing.size();
        const std::string line = trimmed(listing.substr(start, end - start));
        if (sameIgnoringCase(line, name))
            return line;
        start = end + 1;
    }
    return {};
}

bool VolumeProbe::containsBelowMount(const std::string& mountPoint, const std::string& relativePath)
{
    std::string path = mountPoint;
    for (const std::string& part : splitRelative(relativePath)) {
        DIR* dir = ::opendir(path.c_str());
        if (!dir)
            return false;
        std::string found;
        while (const dirent* e = ::readdir(dir)) {
            if (sameIgnoringCase(e->d_name, part)) {
                found = e->d_name;
                break;
            }
        }
        ::closedir(dir);
        if (found.empty())
            return false;
        path += "/" + found;
    }
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0;
}

bool VolumeProbe::containsOnNtfs(ProcessRunner& runner, const std::string& path, uint64_t offset, uint64_t length,
                                 const std::string& relativePath)
{
    RegionLoop loop(runner);
    if (!loop.attach(path, offset, length, 0, true))
        return false;
    std::string folder = "/";
    for (const std::string& part : splitRelative(relativePath)) {
        // ntfsls takes no "--"; the folder is the argument of -p and the device a loop device's name.
        const ProcessRunner::Result listing = runner.run({"ntfsls", "-p", folder, loop.device()}, ListingTimeoutMs,
                                                         ListingLimit);
        const std::string name = listing.succeeded() ? findInListing(listing.out, part) : std::string();
        if (name.empty())
            return false;
        folder += (folder == "/" ? "" : "/") + name;
    }
    return true;
}
