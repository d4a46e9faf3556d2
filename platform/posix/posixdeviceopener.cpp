#include "platform/posix/posixdeviceopener.h"

#include "platform/posix/disktable.h"
#include "platform/posix/posixdevicehandle.h"
#include "platform/posix/posixerror.h"
#include "platform/posix/sysfsblock.h"

#include <cerrno>
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
constexpr uint32_t DefaultImageSector = 512;

bool statPath(const std::string& path, struct stat& st) { return !path.empty() && ::stat(path.c_str(), &st) == 0; }

std::string kernelNameOf(const struct stat& st)
{
    return S_ISBLK(st.st_mode) ? SysfsBlock::kernelName(st.st_rdev) : std::string();
}
}

std::unique_ptr<VolumeHandle> PosixDeviceOpener::open(const std::string& path, const Target& target,
                                                      DeviceAccess access, DeviceFlags flags)
{
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
        setup.imageSectorSize = target.imageSectorSize ? target.imageSectorSize : m_disks.configuredSectorSize(st);
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
            setup.diskNumber = m_disks.numberOfDevice(diskDev);
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
    if (setup.fd >= 0 && block && setup.writable) {
        // The kernel lets a read-only device be opened for writing and fails every write later.
        int readOnly = 0;
        if (::ioctl(setup.fd, BLKROGET, &readOnly) == 0 && readOnly) {
            ::close(setup.fd);
            PosixError::set(PlatformError::AccessDenied, "cannot open " + shown + " for writing: the device is read-only");
            return nullptr;
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

bool PosixDeviceOpener::sameDevice(const Target& a, const Target& b)
{
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
