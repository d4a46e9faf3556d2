#include "platform/posix/posixplatform.h"

#include "ondisk/mbrcodec.h"
#include "platform/posix/filesystemprobe.h"
#include "platform/posix/mountinfo.h"
#include "platform/posix/posixdevicehandle.h"
#include "platform/posix/posixerror.h"
#include "platform/posix/sysfsblock.h"
#include "platform/posix/volumename.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <climits>
#include <dirent.h>
#include <strings.h>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace {
constexpr const char* DisksVariable = "TESSARIN_DISKS";
constexpr const char* LettersVariable = "TESSARIN_DRIVE_LETTERS";
constexpr const char* WindowsDirVariable = "TESSARIN_WINDOWS_DIR";
constexpr const char* EfiDirectory = "/sys/firmware/efi";
constexpr uint32_t DefaultImageSector = 512;
constexpr auto RescanInterval = std::chrono::seconds(1);
constexpr uint32_t FirmwareBios = 1;
constexpr uint32_t FirmwareUefi = 2;
constexpr uint32_t DriveNoRootDir = 1;
constexpr uint32_t DriveFixed = 3;
constexpr size_t CopyChunk = 1 << 20;
constexpr const char* PhysicalDrivePrefix = "\\\\.\\PhysicalDrive";

bool statPath(const std::string& path, struct stat& st) { return !path.empty() && ::stat(path.c_str(), &st) == 0; }

std::string kernelNameOf(const struct stat& st)
{
    return S_ISBLK(st.st_mode) ? SysfsBlock::kernelName(st.st_rdev) : std::string();
}

// "/mnt/x:\", "/mnt/x\" and "/mnt/x/" all mean the mount point /mnt/x: the portable code appends
// ":\" to anything that is not a drive root.
std::string trimNativeMountPath(std::string p)
{
    if (p.size() >= 2 && p.compare(p.size() - 2, 2, ":\\") == 0)
        p.resize(p.size() - 2);
    std::replace(p.begin(), p.end(), '\\', '/');
    while (p.size() > 1 && p.back() == '/')
        p.pop_back();
    return p;
}

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

PosixPlatform::PosixPlatform() : PosixPlatform(settingsFromEnvironment()) {}

PosixPlatform::PosixPlatform(Settings settings) : m_settings(std::move(settings))
{
    m_paths = WindowsPathMapper::fromText(m_settings.driveLetters, m_settingMessages);
    reloadDiskTable();
}

PosixPlatform::Settings PosixPlatform::settingsFromEnvironment()
{
    Settings s;
    if (const char* disks = std::getenv(DisksVariable))
        s.disks = std::string(disks);
    if (const char* letters = std::getenv(LettersVariable))
        s.driveLetters = letters;
    if (const char* windows = std::getenv(WindowsDirVariable))
        s.windowsDirectory = windows;
    return s;
}

void PosixPlatform::reloadDiskTable()
{
    std::vector<std::string> messages;
    std::vector<DiskTable::Entry> table;
    if (m_settings.disks) {
        table = DiskTable::parse(*m_settings.disks, messages);
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
        DiskTable::mergeAppend(table, SysfsBlock::wholeDiskPaths());
    }
    std::lock_guard<std::mutex> lock(m_mutex);
    m_table = std::move(table);
    m_tableMessages = std::move(messages);
    m_lastScan = std::chrono::steady_clock::now();
}

void PosixPlatform::refreshScannedTable()
{
    // Disks plugged in later get new numbers at the end; known disks keep theirs, so a number the
    // user chose never starts pointing at another disk while the program runs.
    if (m_settings.disks)
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
    DiskTable::mergeAppend(m_table, paths);
}

std::vector<DiskTable::Entry> PosixPlatform::tableSnapshot()
{
    refreshScannedTable();
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_table;
}

bool PosixPlatform::tableEntry(int number, DiskTable::Entry& out)
{
    const std::vector<DiskTable::Entry> table = tableSnapshot();
    if (number < 0 || size_t(number) >= table.size())
        return false;
    out = table[size_t(number)];
    return true;
}

std::vector<std::string> PosixPlatform::diskTableMessages() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_tableMessages;
}

std::vector<std::string> PosixPlatform::configurationMessages()
{
    std::vector<std::string> all = m_settingMessages;
    const std::vector<std::string> table = diskTableMessages();
    all.insert(all.end(), table.begin(), table.end());
    return all;
}

int PosixPlatform::diskNumberOfDevice(dev_t rdev)
{
    const std::vector<DiskTable::Entry> table = tableSnapshot();
    for (size_t i = 0; i < table.size(); ++i) {
        struct stat st {};
        if (table[i].usable && statPath(table[i].path, st) && S_ISBLK(st.st_mode) && st.st_rdev == rdev)
            return int(i);
    }
    return -1;
}

uint32_t PosixPlatform::configuredSectorSize(const struct stat& target)
{
    for (const DiskTable::Entry& e : tableSnapshot()) {
        struct stat st {};
        if (e.usable && e.logicalSectorSize && statPath(e.path, st) && st.st_dev == target.st_dev
            && st.st_ino == target.st_ino)
            return e.logicalSectorSize;
    }
    return 0;
}

std::string PosixPlatform::nativeFilePath(const std::string& path)
{
    const std::string native = m_paths.toNative(path);
    if (native.empty())
        PosixError::set(PlatformError::FileNotFound, "drive " + std::string(1, WindowsPathMapper::driveLetterOf(path))
                                                         + ": is not mapped (see TESSARIN_DRIVE_LETTERS)");
    else if (WindowsPathMapper::driveLetterOf(path))
        return matchCase(native);
    return native;
}

std::string PosixPlatform::matchCase(const std::string& native)
{
    // Windows paths ignore case; a Linux mount of a Windows volume may not. Each component that
    // does not exist as written takes the spelling of an existing entry that differs only in case.
    struct stat st {};
    if (native.empty() || native[0] != '/' || ::lstat(native.c_str(), &st) == 0)
        return native;
    std::string result;
    size_t pos = 1;
    bool searching = true;
    while (pos <= native.size()) {
        const size_t slash = native.find('/', pos);
        const std::string part = native.substr(pos, slash == std::string::npos ? std::string::npos : slash - pos);
        std::string chosen = part;
        const std::string parent = result.empty() ? "/" : result;
        if (searching && !part.empty() && ::lstat((result + "/" + part).c_str(), &st) != 0) {
            searching = false;
            if (DIR* dir = ::opendir(parent.c_str())) {
                while (dirent* e = ::readdir(dir)) {
                    if (::strcasecmp(e->d_name, part.c_str()) == 0) {
                        chosen = e->d_name;
                        searching = true;
                        break;
                    }
                }
                ::closedir(dir);
            }
        }
        result += "/" + chosen;
        if (slash == std::string::npos)
            break;
        pos = slash + 1;
    }
    return result;
}

bool PosixPlatform::resolveDevice(const std::string& path, DeviceTarget& out)
{
    out = DeviceTarget{};
    const int number = path.empty() || path[0] == '/' ? -1 : DiskTable::driveNumberFromPath(path);
    if (number >= 0) {
        DiskTable::Entry entry;
        if (!tableEntry(number, entry) || !entry.usable)
            return PosixError::set(PlatformError::FileNotFound, "disk " + std::to_string(number)
                                                                    + " is not in the disk table");
        out.nativePath = entry.path;
        out.imageSectorSize = entry.logicalSectorSize;
        return true;
    }
    const std::string kernel = VolumeName::decode(path);
    if (!kernel.empty()) {
        out.nativePath = "/dev/" + kernel;
        return true;
    }
    int imageDisk = -1;
    uint32_t imagePartition = 0;
    if (VolumeName::decodeImagePartition(path, imageDisk, imagePartition))
        return imageVolumeTarget(imageDisk, imagePartition, out);
    // "\\.\Z:" names the volume mounted at the root of drive Z.
    if (path.size() >= 4 && path.compare(0, 4, "\\\\.\\") == 0 && WindowsPathMapper::driveLetterOf(path)
        && path.size() <= 7) {
        std::string type, mountPoint;
        const std::string device = volumeDevice(path.substr(4), type, mountPoint);
        if (device.empty())
            return false;
        out.nativePath = "/dev/" + device;
        return true;
    }
    out.nativePath = nativeFilePath(path);
    return !out.nativePath.empty();
}

std::unique_ptr<DeviceHandle> PosixPlatform::openDevice(const std::string& path, DeviceAccess access, DeviceFlags flags)
{
    DeviceTarget target;
    if (!resolveDevice(path, target))
        return nullptr;
    const std::string& native = target.nativePath;
    const std::string shown = native == path ? native : path + " (" + native + ")";
    struct stat st {};
    if (!statPath(native, st)) {
        PosixError::set(errno, "cannot open " + shown);
        return nullptr;
    }
    const bool block = S_ISBLK(st.st_mode);
    if (!block && !S_ISREG(st.st_mode)) {
        PosixError::set(PlatformError::InvalidParameter, "cannot open " + shown
                                                             + ": not a block device or image file");
        return nullptr;
    }

    PosixDeviceHandle::Setup setup;
    setup.path = path;
    setup.nativePath = native;
    setup.writable = access == DeviceAccess::ReadWrite;
    setup.pathOnly = access == DeviceAccess::None;
    if (!block) {
        setup.imageSectorSize = target.imageSectorSize ? target.imageSectorSize : configuredSectorSize(st);
        if (!setup.imageSectorSize)
            setup.imageSectorSize = DefaultImageSector;
    }
    if (target.windowLength) {
        setup.isVolume = true;
        setup.diskNumber = target.diskNumber;
        setup.volumeStart = target.windowStart;
        setup.windowLength = target.windowLength;
    }
    const std::string kernel = kernelNameOf(st);
    if (block && SysfsBlock::isPartition(kernel)) {
        setup.isVolume = true;
        dev_t diskDev = 0;
        if (SysfsBlock::deviceNumber(SysfsBlock::wholeDiskName(kernel), diskDev))
            setup.diskNumber = diskNumberOfDevice(diskDev);
        SysfsBlock::Partition info;
        if (SysfsBlock::partitionInfo(kernel, info))
            setup.volumeStart = info.startBytes;
    }

    if (setup.pathOnly) {
        setup.fd = ::open(native.c_str(), O_PATH | O_CLOEXEC);
        if (setup.fd < 0) {
            PosixError::set(errno, "cannot open " + shown);
            return nullptr;
        }
        return std::make_unique<PosixDeviceHandle>(std::move(setup));
    }

    int base = (setup.writable ? O_RDWR : O_RDONLY) | O_CLOEXEC;
    if (setup.writable) {
        if (block && !setup.isVolume) {
            // Exclusive open: the kernel refuses it while a partition is mounted or otherwise claimed.
            base |= O_EXCL;
        } else if (block) {
            // A partition is not opened exclusively, so that a disk and its partitions can be open
            // together in this process; its mounts and users are checked instead.
            const std::string reason = PosixDeviceHandle::inUseReason(st.st_rdev, kernel, false);
            if (!reason.empty()) {
                PosixError::set(PlatformError::Busy, "cannot open " + shown + " for writing: " + reason);
                return nullptr;
            }
        } else {
            for (const std::string& loop : SysfsBlock::loopDevicesBackedBy(st.st_dev, st.st_ino)) {
                dev_t loopDev = 0;
                if (!SysfsBlock::deviceNumber(loop, loopDev))
                    continue;
                const std::string reason = PosixDeviceHandle::inUseReason(loopDev, loop, true);
                if (!reason.empty()) {
                    PosixError::set(PlatformError::Busy, "cannot open " + shown + " for writing: it backs /dev/" + loop
                                                             + " and " + reason);
                    return nullptr;
                }
            }
        }
    }
    const bool direct = flags != DeviceFlags::None;
    setup.fd = ::open(native.c_str(), base | (direct ? O_DIRECT : 0));
    if (setup.fd < 0 && direct && errno == EINVAL) {
        // tmpfs and some FUSE file systems have no direct I/O; data still reaches the file, and
        // write-through is kept with synchronous writes.
        const int sync = flags == DeviceFlags::NoBufferingWriteThrough && setup.writable ? O_DSYNC : 0;
        setup.fd = ::open(native.c_str(), base | sync);
        if (setup.fd >= 0) {
            setup.buffered = true;
            setup.openNote = "Unbuffered I/O is not supported for " + native + ", using buffered I/O";
        }
    }
    if (setup.fd < 0) {
        const int err = errno;
        if (err == EBUSY && block) {
            std::string reason = PosixDeviceHandle::inUseReason(st.st_rdev, kernel, true);
            if (reason.empty())
                reason = "another program holds it exclusively";
            PosixError::set(PlatformError::Busy, "cannot open " + shown + " for writing: it is mounted or in use ("
                                                     + reason + ")");
        } else {
            PosixError::set(err, "cannot open " + shown);
        }
        return nullptr;
    }
    return std::make_unique<PosixDeviceHandle>(std::move(setup));
}

std::string PosixPlatform::diskRealPath(int diskNumber)
{
    DiskTable::Entry entry;
    return tableEntry(diskNumber, entry) ? entry.path : std::string();
}

bool PosixPlatform::sameDevice(const std::string& pathA, const std::string& pathB)
{
    DeviceTarget a, b;
    if (!resolveDevice(pathA, a) || !resolveDevice(pathB, b))
        return false;
    struct stat sa {}, sb {};
    const bool haveA = statPath(a.nativePath, sa);
    const bool haveB = statPath(b.nativePath, sb);
    if (!haveA || !haveB)
        return a.nativePath == b.nativePath;
    // Partitions of one image are distinct devices, and distinct from the image as a disk.
    if (a.windowLength != b.windowLength || a.windowStart != b.windowStart)
        return false;
    const bool blockA = S_ISBLK(sa.st_mode), blockB = S_ISBLK(sb.st_mode);
    if (blockA && blockB)
        return sa.st_rdev == sb.st_rdev;
    if (!blockA && !blockB)
        return sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
    // A loop device and the file behind it are one device under two names.
    const struct stat& dev = blockA ? sa : sb;
    const struct stat& file = blockA ? sb : sa;
    const std::string backing = SysfsBlock::loopBackingFile(SysfsBlock::kernelName(dev.st_rdev));
    struct stat sbk {};
    return !backing.empty() && statPath(backing, sbk) && sbk.st_dev == file.st_dev && sbk.st_ino == file.st_ino;
}

bool PosixPlatform::imageVolumes(int number, const DiskTable::Entry& entry, std::vector<PlatformLayoutEntry>& out)
{
    out.clear();
    struct stat st {};
    if (!entry.usable || !statPath(entry.path, st) || !S_ISREG(st.st_mode))
        return false;
    const std::unique_ptr<DeviceHandle> disk
        = openDevice(PhysicalDrivePrefix + std::to_string(number), DeviceAccess::Read, DeviceFlags::None);
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

bool PosixPlatform::imageVolumeTarget(int diskNumber, uint32_t partitionNumber, DeviceTarget& out)
{
    const std::string name = VolumeName::encodeImagePartition(diskNumber, partitionNumber);
    DiskTable::Entry entry;
    std::vector<PlatformLayoutEntry> volumes;
    if (!tableEntry(diskNumber, entry) || !imageVolumes(diskNumber, entry, volumes))
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

std::vector<std::string> PosixPlatform::enumerateVolumes()
{
    std::vector<std::string> names;
    const std::vector<DiskTable::Entry> table = tableSnapshot();
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

std::vector<std::string> PosixPlatform::volumeMountPaths(const std::string& volumeName)
{
    std::vector<std::string> paths;
    DeviceTarget image;
    int imageDisk = -1;
    uint32_t imagePartition = 0;
    if (VolumeName::decodeImagePartition(volumeName, imageDisk, imagePartition)) {
        imageVolumeTarget(imageDisk, imagePartition, image);
        return paths;  // nothing mounts a part of an image file
    }
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
        const std::string letter = m_paths.letterRootFor(m.mountPoint);
        if (!letter.empty() && std::find(paths.begin(), paths.end(), letter) == paths.end())
            paths.push_back(letter);
        if (std::find(natives.begin(), natives.end(), m.mountPoint) == natives.end())
            natives.push_back(m.mountPoint);
    }
    paths.insert(paths.end(), natives.begin(), natives.end());
    return paths;
}

std::string PosixPlatform::volumeDevice(const std::string& rootPath, std::string& mountType, std::string& mountPoint)
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
        native = nativeFilePath(rootPath);
        if (native.empty())
            return {};
    } else {
        native = trimNativeMountPath(rootPath);
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

std::string PosixPlatform::volumeNameForMountPoint(const std::string& mountPoint)
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

bool PosixPlatform::volumeInformation(const std::string& rootPath, std::string& label, std::string& fileSystemName)
{
    label.clear();
    fileSystemName.clear();
    int imageDisk = -1;
    uint32_t imagePartition = 0;
    if (VolumeName::decodeImagePartition(rootPath, imageDisk, imagePartition)) {
        DeviceTarget image;
        if (!imageVolumeTarget(imageDisk, imagePartition, image))
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

bool PosixPlatform::diskFreeSpace(const std::string& rootPath, uint64_t& totalBytes, uint64_t& freeBytes)
{
    totalBytes = freeBytes = 0;
    std::string mountType, mountPoint;
    int imageDisk = -1;
    uint32_t imagePartition = 0;
    if (VolumeName::decodeImagePartition(rootPath, imageDisk, imagePartition)) {
        DeviceTarget image;
        if (!imageVolumeTarget(imageDisk, imagePartition, image))
            return false;
        return PosixError::set(PlatformError::NotReady, "volume " + rootPath + " is not mounted");
    }
    if (VolumeName::isVolumeName(rootPath)) {
        if (volumeDevice(rootPath, mountType, mountPoint).empty())
            return false;
        if (mountPoint.empty())
            return PosixError::set(PlatformError::NotReady, "volume " + rootPath + " is not mounted");
    } else {
        mountPoint = WindowsPathMapper::driveLetterOf(rootPath) ? nativeFilePath(rootPath) : trimNativeMountPath(rootPath);
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

std::string PosixPlatform::windowsDirectory() { return m_settings.windowsDirectory; }

bool PosixPlatform::fileExists(const std::string& path)
{
    const std::string native = nativeFilePath(path);
    struct stat st {};
    if (native.empty())
        return false;
    if (::stat(native.c_str(), &st) != 0)
        return PosixError::set(errno, "cannot find " + native);
    return true;
}

bool PosixPlatform::createDirectory(const std::string& path)
{
    const std::string native = nativeFilePath(path);
    if (native.empty())
        return false;
    if (::mkdir(native.c_str(), 0755) != 0)
        return PosixError::set(errno, "cannot create folder " + native);
    return true;
}

bool PosixPlatform::copyFile(const std::string& from, const std::string& to, bool failIfExists)
{
    const std::string src = nativeFilePath(from);
    if (src.empty())
        return false;
    const std::string dst = nativeFilePath(to);
    if (dst.empty())
        return false;
    const int in = ::open(src.c_str(), O_RDONLY | O_CLOEXEC);
    if (in < 0)
        return PosixError::set(errno, "cannot open " + src);
    struct stat st {};
    if (::fstat(in, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(in);
        return PosixError::set(PlatformError::AccessDenied, src + " is not a file");
    }
    const int out = ::open(dst.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC | (failIfExists ? O_EXCL : O_TRUNC),
                           st.st_mode & 0777);
    if (out < 0) {
        const int err = errno;
        ::close(in);
        if (err == EEXIST)
            return PosixError::set(PosixError::FileExists, "cannot copy to " + dst + ": the file exists");
        return PosixError::set(err, "cannot create " + dst);
    }
    std::vector<char> buffer(CopyChunk);
    bool ok = true;
    int err = 0;
    std::string what;
    while (ok) {
        const ssize_t n = ::read(in, buffer.data(), buffer.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            ok = false, err = errno, what = "cannot read " + src;
            break;
        }
        if (n == 0)
            break;
        for (ssize_t written = 0; written < n;) {
            const ssize_t w = ::write(out, buffer.data() + written, size_t(n - written));
            if (w < 0 && errno == EINTR)
                continue;
            if (w <= 0) {
                ok = false, err = w < 0 ? errno : EIO, what = "cannot write " + dst;
                break;
            }
            written += w;
        }
    }
    if (ok && ::fsync(out) != 0)
        ok = false, err = errno, what = "cannot write " + dst;
    ::close(in);
    if (::close(out) != 0 && ok)
        ok = false, err = errno, what = "cannot write " + dst;
    if (!ok) {
        ::unlink(dst.c_str());  // never leave a half copy that looks complete
        return PosixError::set(err, what);
    }
    return true;
}

bool PosixPlatform::deleteFile(const std::string& path)
{
    const std::string native = nativeFilePath(path);
    if (native.empty())
        return false;
    if (::unlink(native.c_str()) != 0)
        return PosixError::set(errno, "cannot delete " + native);
    return true;
}

bool PosixPlatform::setFileAttributesNormal(const std::string& path)
{
    const std::string native = nativeFilePath(path);
    struct stat st {};
    if (native.empty())
        return false;
    if (::stat(native.c_str(), &st) != 0)
        return PosixError::set(errno, "cannot find " + native);
    // "Normal" clears read-only; the owner's write bit is its counterpart here.
    if (!(st.st_mode & S_IWUSR) && ::chmod(native.c_str(), (st.st_mode & 07777) | S_IWUSR) != 0)
        return PosixError::set(errno, "cannot change the attributes of " + native);
    return true;
}

uint32_t PosixPlatform::logicalDrives()
{
    uint32_t mask = 0;
    for (const auto& [letter, root] : m_paths.letters())
        if (letter >= 'A' && letter <= 'Z')
            mask |= 1u << (letter - 'A');
    return mask;
}

uint32_t PosixPlatform::driveType(const std::string& rootPath)
{
    const std::string native = WindowsPathMapper::driveLetterOf(rootPath) ? m_paths.toNative(rootPath)
                                                                         : trimNativeMountPath(rootPath);
    struct stat st {};
    return statPath(native, st) && S_ISDIR(st.st_mode) ? DriveFixed : DriveNoRootDir;
}

bool PosixPlatform::firmwareType(uint32_t& type)
{
    struct stat st {};
    type = statPath(EfiDirectory, st) ? FirmwareUefi : FirmwareBios;
    return true;
}

uint32_t PosixPlatform::probeFirmwareEnvironment()
{
    // What the Windows probe leaves behind: "invalid function" on BIOS, "no access" for the
    // nameless variable on UEFI.
    struct stat st {};
    const uint32_t code = statPath(EfiDirectory, st) ? PosixError::NoAccess : PlatformError::InvalidFunction;
    Platform::setLastError(code, code == PlatformError::InvalidFunction ? "firmware variables are not available (BIOS)"
                                                                        : "firmware variable not accessible");
    return code;
}

bool PosixPlatform::registryKeyExists(const std::string&)
{
    return PosixError::set(PlatformError::NotSupported, "registry is not available on this system");
}

bool PosixPlatform::registryReadValue(const std::string&, const std::string&, std::vector<uint8_t>& data, uint32_t& type)
{
    data.clear();
    type = 0;
    return PosixError::set(PlatformError::NotSupported, "registry is not available on this system");
}

uint32_t PosixPlatform::registryEnumSubKeys(const std::string&, std::vector<std::string>& names)
{
    names.clear();
    PosixError::set(PlatformError::NotSupported, "registry is not available on this system");
    return PlatformError::NotSupported;
}

std::unique_ptr<Platform> createNativePlatform() { return std::make_unique<PosixPlatform>(); }
