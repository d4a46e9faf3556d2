#include "platform/platformdevices.h"

#include "platform/platform.h"
#include "platform/threadedasyncio.h"

#include <algorithm>
#include <cctype>

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

std::vector<int> PlatformDevices::disksOfPath(const std::string& path)
{
    const int n = driveNumberOf(path);
    if (n >= 0)
        return {n};
    std::string volume = path;
    if (volume.size() > 1 && volume.back() == '\\')
        volume.pop_back();
    std::vector<PlatformExtent> extents;
    const std::unique_ptr<VolumeHandle> handle = openVolume(volume, DeviceAccess::None, DeviceFlags::None);
    if (!handle || !handle->volumeDiskExtents(extents))
        return {};
    std::vector<int> disks;
    for (const PlatformExtent& e : extents) {
        if (std::find(disks.begin(), disks.end(), int(e.diskNumber)) == disks.end())
            disks.push_back(int(e.diskNumber));
    }
    return disks;
}

bool PlatformDevices::sharesStorage(const std::string& pathA, const ByteRange&, const std::string& pathB, const ByteRange&)
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

std::string PlatformDevices::busyReason(const std::string&, const ByteRange&) { return {}; }

std::unique_ptr<StorageClaim> PlatformDevices::claimStorage(const std::string&, const ByteRange&, bool)
{
    return std::make_unique<StorageClaim>();
}

std::vector<int> PlatformDevices::diskNumbers()
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

std::vector<int> PlatformDevices::systemDiskNumbers()
{
    return windowsDirectoryDisks(Platform::files(), Platform::volumes(), *this);
}

std::vector<int> PlatformDevices::windowsDirectoryDisks(PlatformFiles& files, PlatformVolumes& volumes,
                                                        PlatformDevices& devices)
{
    std::string root = files.windowsDirectory();
    // "C:\Windows" names its volume by the drive; a backend may hand a native mount path instead.
    if (root.size() >= 2 && root[1] == ':')
        root = root.substr(0, 2);
    if (root.empty())
        return {};
    if (root.back() != '\\')
        root += '\\';
    const std::string volume = volumes.volumeNameForMountPoint(root);
    std::vector<PlatformExtent> extents;
    const std::unique_ptr<VolumeHandle> handle =
        volume.empty() ? nullptr : devices.openVolume(volume, DeviceAccess::None, DeviceFlags::None);
    if (!handle || !handle->volumeDiskExtents(extents) || extents.empty())
        return {};
    return {int(extents.front().diskNumber)};
}

std::vector<PlatformDevices::WritableMount> PlatformDevices::writableMounts(const std::string& path,
                                                                            const ByteRange& range)
{
    const std::vector<int> disks = disksOfPath(path);
    const uint64_t end = range.length ? range.offset + range.length : UINT64_MAX;
    std::vector<WritableMount> out;
    PlatformVolumes& volumes = Platform::volumes();
    for (const std::string& name : volumes.enumerateVolumes()) {
        const std::vector<std::string> paths = volumes.volumeMountPaths(name);
        if (paths.empty())
            continue;
        std::string device = name;
        if (!device.empty() && device.back() == '\\')
            device.pop_back();
        WritableMount mount{name, paths.front(), {}};
        const std::unique_ptr<VolumeHandle> handle = openVolume(device, DeviceAccess::None, DeviceFlags::None);
        if (!handle || !handle->volumeDiskExtents(mount.extents))
            continue;
        for (const PlatformExtent& e : mount.extents) {
            const bool onDisk = std::find(disks.begin(), disks.end(), int(e.diskNumber)) != disks.end();
            if (onDisk && e.startingOffset >= 0 && uint64_t(e.startingOffset) < end
                && range.offset < uint64_t(e.startingOffset + e.extentLength)) {
                out.push_back(mount);
                break;
            }
        }
    }
    return out;
}

std::unique_ptr<AsyncIo> PlatformDevices::createAsyncIo(unsigned depth)
{
    return std::make_unique<ThreadedAsyncIo>(depth);
}
