#include "platform/posix/posixvolumes.h"

#include "ondisk/mbrcodec.h"
#include "platform/posix/filesystemprobe.h"
#include "platform/posix/mountinfo.h"
#include "platform/posix/posixerror.h"
#include "platform/posix/posixfiles.h"
#include "platform/posix/sysfsblock.h"
#include "platform/posix/volumename.h"
#include "platform/posix/volumeprobe.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <sys/sysmacros.h>

namespace {
constexpr const char* PhysicalDrivePrefix = "\\\\.\\PhysicalDrive";

bool statPath(const std::string& path, struct stat& st) { return !path.empty() && ::stat(path.c_str(), &st) == 0; }

const MountInfo::Entry* findMountPoint(const std::vector<MountInfo::Entry>& table, const std::string& mountPoint)
{
    // The last mount on a path hides the earlier ones.
    const MountInfo::Entry* found = nullptr;
    for (const MountInfo::Entry& e : table)
        if (e.mountPoint == mountPoint)
            found = &e;
    return found;
}

// The block device a mount lives on: its device number, or for FUSE and btrfs its source node.
bool mountDevice(const MountInfo::Entry& e, dev_t& rdev)
{
    struct stat st {};
    if (!e.source.empty() && e.source[0] == '/' && statPath(e.source, st) && S_ISBLK(st.st_mode)) {
        rdev = st.st_rdev;
        return true;
    }
    if (e.major == 0)
        return false;
    rdev = makedev(e.major, e.minor);
    return !SysfsBlock::kernelName(rdev).empty();
}
}

bool PosixVolumes::imageVolumes(int number, const DiskTable::Entry& entry, std::vector<PlatformLayoutEntry>& out)
{
    out.clear();
    struct stat st {};
    if (!entry.usable || !statPath(entry.path, st) || !S_ISREG(st.st_mode))
        return false;
    PosixDeviceOpener::Target target;
    target.nativePath = entry.path;
    target.imageSectorSize = entry.logicalSectorSize;
    const std::unique_ptr<DeviceHandle> disk = m_opener.open(PhysicalDrivePrefix + std::to_string(number), target,
                                                             DeviceAccess::Read, DeviceFlags::None);
    PlatformDriveLayout layout;
    if (!disk || !disk->driveLayout(layout))
        return false;
    for (const PlatformLayoutEntry& e : layout.entries) {
        const bool container = layout.style == LayoutStyle::MBR && MbrCodec::isExtendedType(e.mbrType);
        if (!container && e.startingOffset >= 0 && e.partitionLength > 0)
            out.push_back(e);
    }
    return true;
}

bool PosixVolumes::imageVolumeNamed(const std::string& name, PosixDeviceOpener::Target& out, bool& found)
{
    int imageDisk = -1;
    uint32_t imagePartition = 0;
    found = false;
    if (!VolumeName::decodeImagePartition(name, imageDisk, imagePartition))
        return false;
    found = imageVolumeTarget(imageDisk, imagePartition, out);
    return true;
}

bool PosixVolumes::imageVolumeTarget(int diskNumber, uint32_t partitionNumber, PosixDeviceOpener::Target& out)
{
    const std::string name = VolumeName::encodeImagePartition(diskNumber, partitionNumber);
    DiskTable::Entry entry;
    std::vector<PlatformLayoutEntry> volumes;
    if (!m_disks.entry(diskNumber, entry) || !imageVolumes(diskNumber, entry, volumes))
        return PosixError::set(PlatformError::FileNotFound, "volume " + name + " does not exist");
    for (const PlatformLayoutEntry& e : volumes) {
        if (e.partitionNumber != partitionNumber)
            continue;
        out.nativePath = entry.path;
        out.imageSectorSize = entry.logicalSectorSize;
        out.diskNumber = diskNumber;
        out.windowStart = uint64_t(e.startingOffset);
        out.windowLength = uint64_t(e.partitionLength);
        return true;
    }
    return PosixError::set(PlatformError::FileNotFound, "volume " + name + " does not exist");
}

std::vector<std::string> PosixVolumes::enumerate()
{
    std::vector<std::string> names;
    const std::vector<DiskTable::Entry> table = m_disks.snapshot();
    for (size_t i = 0; i < table.size(); ++i) {
        const DiskTable::Entry& e = table[i];
        std::vector<PlatformLayoutEntry> images;
        if (imageVolumes(int(i), e, images)) {
            for (const PlatformLayoutEntry& p : images)
                names.push_back(VolumeName::encodeImagePartition(int(i), p.partitionNumber));
            continue;
        }
        struct stat st {};
        if (!e.usable || !statPath(e.path, st) || !S_ISBLK(st.st_mode))
            continue;
        const std::string disk = SysfsBlock::kernelName(st.st_rdev);
        if (disk.empty() || SysfsBlock::isPartition(disk))
            continue;
        for (const SysfsBlock::Partition& p : SysfsBlock::partitions(disk)) {
            const std::string name = VolumeName::encode(p.name);
            if (!name.empty() && std::find(names.begin(), names.end(), name) == names.end())
                names.push_back(name);
        }
    }
    return names;
}

std::vector<std::string> PosixVolumes::mountPaths(const std::string& volumeName)
{
    std::vector<std::string> paths;
    PosixDeviceOpener::Target image;
    bool found = false;
    if (imageVolumeNamed(volumeName, image, found))
        return paths;  // nothing mounts a part of an image file
    const std::string kernel = VolumeName::decode(volumeName);
    dev_t rdev = 0;
    if (kernel.empty() || !SysfsBlock::deviceNumber(kernel, rdev)) {
        PosixError::set(PlatformError::InvalidParameter, "unknown volume " + volumeName);
        return paths;
    }
    std::vector<std::string> natives;
    for (const MountInfo::Entry& m : MountInfo::mountsOf(MountInfo::current(), rdev)) {
        if (m.root != "/")
            continue;  // a bind mount of a folder is not a root of the volume
        const std::string letter = m_files.paths().letterRootFor(m.mountPoint);
        if (!letter.empty() && std::find(paths.begin(), paths.end(), letter) == paths.end())
            paths.push_back(letter);
        if (std::find(natives.begin(), natives.end(), m.mountPoint) == natives.end())
            natives.push_back(m.mountPoint);
    }
    paths.insert(paths.end(), natives.begin(), natives.end());
    return paths;
}

std::string PosixVolumes::volumeDevice(const std::string& rootPath, std::string& mountType, std::string& mountPoint)
{
    mountType.clear();
    mountPoint.clear();
    const std::vector<MountInfo::Entry> table = MountInfo::current();
    std::string kernel = VolumeName::decode(rootPath);
    if (!kernel.empty()) {
        dev_t rdev = 0;
        if (!SysfsBlock::deviceNumber(kernel, rdev)) {
            PosixError::set(PlatformError::FileNotFound, "volume " + rootPath + " does not exist");
            return {};
        }
        for (const MountInfo::Entry& m : MountInfo::mountsOf(table, rdev)) {
            if (m.root == "/") {
                mountType = m.fsType;
                mountPoint = m.mountPoint;
                break;
            }
        }
        return kernel;
    }
    std::string native;
    if (WindowsPathMapper::driveLetterOf(rootPath)) {
        native = m_files.nativeFilePath(rootPath);
        if (native.empty())
            return {};
    } else {
        native = WindowsPathMapper::trimMountPath(rootPath);
    }
    // mountinfo lists canonical paths; a root given through a symbolic link is the same mount.
    char resolved[PATH_MAX];
    if (::realpath(native.c_str(), resolved))
        native = resolved;
    const MountInfo::Entry* entry = findMountPoint(table, native);
    dev_t rdev = 0;
    if (!entry || entry->root != "/" || !mountDevice(*entry, rdev)) {
        PosixError::set(PlatformError::FileNotFound, rootPath + " is not the mount point of a volume");
        return {};
    }
    mountType = entry->fsType;
    mountPoint = entry->mountPoint;
    return SysfsBlock::kernelName(rdev);
}

std::string PosixVolumes::nameForMountPoint(const std::string& mountPoint)
{
    std::string type, where;
    const std::string kernel = volumeDevice(mountPoint, type, where);
    if (kernel.empty())
        return {};
    const std::string name = VolumeName::encode(kernel);
    if (name.empty())
        PosixError::set(PlatformError::InvalidParameter, "device name " + kernel + " is too long for a volume name");
    return name;
}

bool PosixVolumes::information(const std::string& rootPath, std::string& label, std::string& fileSystemName)
{
    label.clear();
    fileSystemName.clear();
    PosixDeviceOpener::Target image;
    bool found = false;
    if (imageVolumeNamed(rootPath, image, found)) {
        if (!found)
            return false;
        FileSystemProbe::Result probed;
        FileSystemProbe::probeRange(image.nativePath, image.windowStart, image.windowLength, probed);
        fileSystemName = FileSystemProbe::windowsName({}, probed);
        label = probed.label;
        if (fileSystemName.empty())
            return PosixError::set(PosixError::UnrecognizedVolume, "no known file system on " + rootPath);
        return true;
    }
    std::string mountType, mountPoint;
    const std::string kernel = volumeDevice(rootPath, mountType, mountPoint);
    if (kernel.empty())
        return false;
    FileSystemProbe::Result probed;
    FileSystemProbe::probeDevice("/dev/" + kernel, probed);
    fileSystemName = FileSystemProbe::windowsName(mountType, probed);
    label = probed.label;
    if (fileSystemName.empty())
        return PosixError::set(PosixError::UnrecognizedVolume, "no known file system on /dev/" + kernel);
    return true;
}

bool PosixVolumes::freeSpace(const std::string& rootPath, uint64_t& totalBytes, uint64_t& freeBytes)
{
    totalBytes = freeBytes = 0;
    std::string mountType, mountPoint;
    PosixDeviceOpener::Target image;
    bool found = false;
    if (imageVolumeNamed(rootPath, image, found)) {
        if (!found)
            return false;
        return PosixError::set(PlatformError::NotReady, "volume " + rootPath + " is not mounted");
    }
    if (VolumeName::isVolumeName(rootPath)) {
        if (volumeDevice(rootPath, mountType, mountPoint).empty())
            return false;
        if (mountPoint.empty())
            return PosixError::set(PlatformError::NotReady, "volume " + rootPath + " is not mounted");
    } else {
        mountPoint = WindowsPathMapper::driveLetterOf(rootPath) ? m_files.nativeFilePath(rootPath) : WindowsPathMapper::trimMountPath(rootPath);
        if (mountPoint.empty())
            return false;
    }
    struct statvfs vfs {};
    if (::statvfs(mountPoint.c_str(), &vfs) != 0)
        return PosixError::set(errno, "cannot ask the free space of " + mountPoint);
    totalBytes = uint64_t(vfs.f_blocks) * vfs.f_frsize;
    freeBytes = uint64_t(vfs.f_bfree) * vfs.f_frsize;
    return true;
}

bool PosixVolumes::containsPath(const std::string& volumeName, const std::string& relativePath, ProcessRunner& runner)
{
    PosixDeviceOpener::Target image;
    bool found = false;
    if (imageVolumeNamed(volumeName, image, found))
        return found && VolumeProbe::containsOnNtfs(runner, image.nativePath, image.windowStart, image.windowLength, relativePath);
    std::string mountType, mountPoint;
    const std::string kernel = volumeDevice(volumeName, mountType, mountPoint);
    if (kernel.empty())
        return false;
    if (!mountPoint.empty())
        return VolumeProbe::containsBelowMount(mountPoint, relativePath);
    return VolumeProbe::containsOnNtfs(runner, "/dev/" + kernel, 0, 0, relativePath);
}

int PosixVolumes::rootFileSystemDisk()
{
    const std::vector<MountInfo::Entry> table = MountInfo::current();
    const MountInfo::Entry* root = findMountPoint(table, "/");
    dev_t rdev = 0;
    if (!root || !mountDevice(*root, rdev))
        return -1;
    // Down through device mapper and md to the disks below; the first one in the table counts.
    std::vector<std::string> pending{SysfsBlock::kernelName(rdev)};
    for (size_t i = 0; i < pending.size() && i < 64; ++i) {
        const std::string disk = SysfsBlock::wholeDiskName(pending[i]);
        const std::vector<std::string> below = SysfsBlock::slaves(disk);
        if (!below.empty()) {
            pending.insert(pending.end(), below.begin(), below.end());
            continue;
        }
        dev_t diskDev = 0;
        if (SysfsBlock::deviceNumber(disk, diskDev)) {
            const int number = m_disks.numberOfDevice(diskDev);
            if (number >= 0)
                return number;
        }
        // A root on a loop device is on the image file behind it.
        struct stat backing {};
        const std::string file = SysfsBlock::loopBackingFile(disk);
        if (file.empty() || !statPath(file, backing))
            continue;
        const std::vector<DiskTable::Entry> disks = m_disks.snapshot();
        for (size_t n = 0; n < disks.size(); ++n) {
            struct stat st {};
            if (statPath(disks[n].path, st) && st.st_dev == backing.st_dev && st.st_ino == backing.st_ino)
                return int(n);
        }
    }
    return -1;
}
