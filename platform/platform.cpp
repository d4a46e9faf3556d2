#include "platform/platform.h"

#include "platform/threadedasyncio.h"

#include <algorithm>
#include <atomic>
#include <cctype>

namespace {
std::atomic<Platform*> g_current{nullptr};
thread_local uint32_t t_errorCode = 0;
thread_local std::string t_errorText;
}

Platform& Platform::native()
{
    static std::unique_ptr<Platform> instance = createNativePlatform();
    return *instance;
}

Platform& Platform::current()
{
    Platform* p = g_current.load();
    return p ? *p : native();
}

void Platform::setCurrent(Platform* platform) { g_current.store(platform); }

void Platform::setLastError(uint32_t code, const std::string& text)
{
    t_errorCode = code;
    t_errorText = text;
}

uint32_t Platform::lastErrorCode() { return t_errorCode; }
std::string Platform::lastErrorText() { return t_errorCode == 0 ? std::string() : t_errorText; }

ScopedPlatform::ScopedPlatform(Platform* platform) : m_previous(g_current.load())
{
    Platform::setCurrent(platform);
}

ScopedPlatform::~ScopedPlatform() { Platform::setCurrent(m_previous); }

namespace {
constexpr int DiskProbeLimit = 1024;
constexpr int DiskProbeGap = 32;   // misses in a row after the last disk found before probing stops
const std::string DrivePrefix = "\\\\.\\PhysicalDrive";

int driveNumberOf(const std::string& path)
{
    if (path.size() <= DrivePrefix.size())
        return -1;
    for (size_t i = 0; i < DrivePrefix.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(path[i])) != std::tolower(static_cast<unsigned char>(DrivePrefix[i])))
            return -1;
    }
    int n = 0;
    for (size_t i = DrivePrefix.size(); i < path.size(); ++i) {
        if (!std::isdigit(static_cast<unsigned char>(path[i])) || n > 99999)
            return -1;
        n = n * 10 + (path[i] - '0');
    }
    return n;
}
}

std::vector<int> Platform::disksOfPath(const std::string& path)
{
    const int n = driveNumberOf(path);
    if (n >= 0)
        return {n};
    std::string volume = path;
    if (volume.size() > 1 && volume.back() == '\\')
        volume.pop_back();
    std::vector<PlatformExtent> extents;
    const std::unique_ptr<DeviceHandle> handle = openDevice(volume, DeviceAccess::None, DeviceFlags::None);
    if (!handle || !handle->volumeDiskExtents(extents))
        return {};
    std::vector<int> disks;
    for (const PlatformExtent& e : extents) {
        if (std::find(disks.begin(), disks.end(), int(e.diskNumber)) == disks.end())
            disks.push_back(int(e.diskNumber));
    }
    return disks;
}

bool Platform::sharesStorage(const std::string& pathA, const ByteRange&, const std::string& pathB, const ByteRange&)
{
    if (sameDevice(pathA, pathB))
        return true;
    const std::vector<int> a = disksOfPath(pathA);
    const std::vector<int> b = disksOfPath(pathB);
    for (int n : a) {
        if (std::find(b.begin(), b.end(), n) != b.end())
            return true;
    }
    return false;
}

std::string Platform::busyReason(const std::string&, const ByteRange&) { return {}; }

std::unique_ptr<StorageClaim> Platform::claimStorage(const std::string&, const ByteRange&, bool)
{
    return std::make_unique<StorageClaim>();
}

std::vector<int> Platform::diskNumbers()
{
    std::vector<int> numbers;
    int misses = 0;
    for (int n = 0; n < DiskProbeLimit && misses < DiskProbeGap; ++n) {
        if (openDevice(DrivePrefix + std::to_string(n), DeviceAccess::None, DeviceFlags::None)) {
            numbers.push_back(n);
            misses = 0;
        } else {
            ++misses;
        }
    }
    return numbers;
}

bool Platform::volumeContainsPath(const std::string& volumeName, const std::string& relativePath, ProcessRunner&)
{
    for (std::string root : volumeMountPaths(volumeName)) {
        if (!root.empty() && root.back() != '\\')
            root += '\\';
        if (!root.empty() && fileExists(root + relativePath))
            return true;
    }
    return false;
}

std::string Platform::systemDirectory()
{
    const std::string windows = windowsDirectory();
    return windows.empty() ? windows : windows + "\\System32";
}

std::vector<int> Platform::systemDiskNumbers()
{
    std::string root = windowsDirectory();
    // "C:\Windows" names its volume by the drive; a backend may hand a native mount path instead.
    if (root.size() >= 2 && root[1] == ':')
        root = root.substr(0, 2);
    if (root.empty())
        return {};
    if (root.back() != '\\')
        root += '\\';
    const std::string volume = volumeNameForMountPoint(root);
    std::vector<PlatformExtent> extents;
    const std::unique_ptr<DeviceHandle> handle = volume.empty() ? nullptr : openDevice(volume, DeviceAccess::None, DeviceFlags::None);
    if (!handle || !handle->volumeDiskExtents(extents) || extents.empty())
        return {};
    return {int(extents.front().diskNumber)};
}

std::unique_ptr<AsyncIo> Platform::createAsyncIo(unsigned depth)
{
    return std::make_unique<ThreadedAsyncIo>(depth);
}

std::unique_ptr<RegistryHive> Platform::openRegistryHive(const std::string&)
{
    Platform::setLastError(PlatformError::NotSupported, "Registry hive files cannot be edited here");
    return nullptr;
}
