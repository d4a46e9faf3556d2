#include "platform/posix/storagemap.h"

#include "platform/posix/mountinfo.h"
#include "platform/posix/posixdevicehandle.h"
#include "platform/posix/sysfsblock.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
// Loops over loops over partitions are possible; deeper chains are not followed.
constexpr int MaxDepth = 8;
constexpr const char* SysBlock = "/sys/block/";

uint64_t blockDeviceBytes(const std::string& kernelName)
{
    // sysfs counts 512-byte units whatever the logical sector size.
    const std::string text = SysfsBlock::readAttribute("/sys/class/block/" + kernelName + "/size");
    return text.empty() ? 0 : std::strtoull(text.c_str(), nullptr, 10) * 512;
}

uint64_t clampEnd(uint64_t offset, uint64_t length, uint64_t size)
{
    if (length == 0)
        return size > offset ? size : offset;
    return offset + length;
}

uint64_t number(const std::string& text) { return text.empty() ? 0 : std::strtoull(text.c_str(), nullptr, 10); }
}

StorageMap::Claim::~Claim()
{
    for (int fd : fds)
        ::close(fd);  // closing the description drops its locks
}

std::vector<StorageMap::Region> StorageMap::resolve(const std::string& nativePath, uint64_t offset, uint64_t length)
{
    std::vector<Region> out;
    resolveInto(nativePath, offset, length, false, 0, out);
    return out;
}

void StorageMap::resolveInto(const std::string& nativePath, uint64_t offset, uint64_t length, bool host, int depth,
                             std::vector<Region>& out)
{
    struct stat st {};
    if (depth > MaxDepth || nativePath.empty() || ::stat(nativePath.c_str(), &st) != 0)
        return;
    if (S_ISBLK(st.st_mode)) {
        resolveBlock(st.st_rdev, offset, length, host, depth, out);
        return;
    }
    if (!S_ISREG(st.st_mode))
        return;
    Region r;
    r.file = true;
    r.dev = st.st_dev;
    r.ino = st.st_ino;
    r.start = offset;
    r.end = clampEnd(offset, length, uint64_t(st.st_size));
    r.host = host;
    r.path = nativePath;
    out.push_back(r);
    // The file system holding the file: its device, wherever that leads.
    if (!SysfsBlock::kernelName(st.st_dev).empty())
        resolveBlock(st.st_dev, 0, 0, true, depth + 1, out);
}

void StorageMap::resolveBlock(dev_t rdev, uint64_t offset, uint64_t length, bool host, int depth,
                              std::vector<Region>& out)
{
    const std::string name = SysfsBlock::kernelName(rdev);
    if (name.empty())
        return;
    if (SysfsBlock::isPartition(name)) {
        SysfsBlock::Partition part;
        dev_t disk = 0;
        if (!SysfsBlock::partitionInfo(name, part) || !SysfsBlock::deviceNumber(SysfsBlock::wholeDiskName(name), disk))
            return;
        const uint64_t size = part.lengthBytes;
        const uint64_t end = clampEnd(offset, length, size);
        resolveBlock(disk, part.startBytes + offset, end - offset, host, depth + 1, out);
        return;
    }
    Region r;
    r.dev = rdev;
    r.start = offset;
    r.end = clampEnd(offset, length, blockDeviceBytes(name));
    r.host = host;
    r.path = "/dev/" + name;
    out.push_back(r);
    const std::string backing = SysfsBlock::loopBackingFile(name);
    if (backing.empty())
        return;
    const uint64_t loopOffset = number(SysfsBlock::readAttribute(std::string(SysBlock) + name + "/loop/offset"));
    resolveInto(backing, loopOffset + r.start, r.end - r.start, host, depth + 1, out);
}

bool StorageMap::overlap(const std::vector<Region>& a, const std::vector<Region>& b)
{
    for (const Region& x : a) {
        for (const Region& y : b) {
            if ((x.host && y.host) || x.file != y.file || x.dev != y.dev || (x.file && x.ino != y.ino))
                continue;
            // A host region stands for blocks somewhere in it: any meeting counts.
            if (x.start < y.end && y.start < x.end)
                return true;
        }
    }
    return false;
}

namespace {
bool meets(uint64_t aStart, uint64_t aEnd, uint64_t bStart, uint64_t bEnd) { return aStart < bEnd && bStart < aEnd; }

std::string busyBlock(const std::string& name, uint64_t start, uint64_t end)
{
    dev_t dev = 0;
    if (!SysfsBlock::deviceNumber(name, dev))
        return {};
    std::string reason = PosixDeviceHandle::inUseReason(dev, name, false);
    if (!reason.empty())
        return reason;
    for (const SysfsBlock::Partition& p : SysfsBlock::partitions(name)) {
        dev_t pd = 0;
        if (!meets(p.startBytes, p.startBytes + p.lengthBytes, start, end) || !SysfsBlock::deviceNumber(p.name, pd))
            continue;
        reason = PosixDeviceHandle::inUseReason(pd, p.name, false);
        if (!reason.empty())
            return reason;
    }
    return {};
}
}

std::string StorageMap::busyReason(const std::vector<Region>& regions)
{
    for (const Region& r : regions) {
        if (r.host)
            continue;
        if (!r.file) {
            const std::string reason = busyBlock(SysfsBlock::kernelName(r.dev), r.start, r.end);
            if (!reason.empty())
                return reason;
            continue;
        }
        // Every loop device over this file, whichever name the run was given.
        for (const std::string& loop : SysfsBlock::loopDevicesBackedBy(r.dev, r.ino)) {
            const uint64_t loopOffset = number(SysfsBlock::readAttribute(std::string(SysBlock) + loop + "/loop/offset"));
            const uint64_t loopEnd = loopOffset + blockDeviceBytes(loop);
            if (!meets(loopOffset, loopEnd, r.start, r.end))
                continue;
            const uint64_t from = r.start > loopOffset ? r.start - loopOffset : 0;
            const std::string reason = busyBlock(loop, from, r.end - loopOffset);
            if (!reason.empty())
                return reason + " (over " + r.path + ")";
        }
    }
    return {};
}

namespace {
// A block device and those of its partitions that meet [start, end).
std::vector<std::string> devicesMeeting(const std::string& name, uint64_t start, uint64_t end)
{
    std::vector<std::string> out{name};
    for (const SysfsBlock::Partition& p : SysfsBlock::partitions(name))
        if (meets(p.startBytes, p.startBytes + p.lengthBytes, start, end))
            out.push_back(p.name);
    return out;
}
}

std::vector<std::string> StorageMap::writableMounts(const std::vector<Region>& regions)
{
    std::vector<std::string> devices;
    for (const Region& r : regions) {
        if (r.host)
            continue;
        if (!r.file) {
            for (const std::string& d : devicesMeeting(SysfsBlock::kernelName(r.dev), r.start, r.end))
                devices.push_back(d);
            continue;
        }
        for (const std::string& loop : SysfsBlock::loopDevicesBackedBy(r.dev, r.ino)) {
            const uint64_t loopOffset = number(SysfsBlock::readAttribute(std::string(SysBlock) + loop + "/loop/offset"));
            const uint64_t loopEnd = loopOffset + blockDeviceBytes(loop);
            if (!meets(loopOffset, loopEnd, r.start, r.end))
                continue;
            const uint64_t from = r.start > loopOffset ? r.start - loopOffset : 0;
            for (const std::string& d : devicesMeeting(loop, from, r.end - loopOffset))
                devices.push_back(d);
        }
    }
    const std::vector<MountInfo::Entry> table = MountInfo::current();
    std::vector<std::string> out;
    for (const std::string& name : devices) {
        dev_t dev = 0;
        if (name.empty() || !SysfsBlock::deviceNumber(name, dev))
            continue;
        for (const MountInfo::Entry& m : MountInfo::mountsOf(table, dev)) {
            const std::string line = m.mountPoint + " (/dev/" + name + ")";
            if (!m.readOnly && std::find(out.begin(), out.end(), line) == out.end())
                out.push_back(line);
        }
    }
    return out;
}

std::unique_ptr<StorageMap::Claim> StorageMap::claim(const std::vector<Region>& regions, bool exclusive,
                                                     std::string& error)
{
    auto held = std::make_unique<Claim>();
    for (const Region& r : regions) {
        if (!r.file || r.host || r.end <= r.start)
            continue;
        const int fd = ::open(r.path.c_str(), (exclusive ? O_RDWR : O_RDONLY) | O_CLOEXEC);
        if (fd < 0) {
            error = "cannot open " + r.path + ": " + std::strerror(errno);
            return nullptr;
        }
        held->fds.push_back(fd);
        struct flock lock {};
        lock.l_type = exclusive ? F_WRLCK : F_RDLCK;
        lock.l_whence = SEEK_SET;
        lock.l_start = off_t(r.start);
        lock.l_len = off_t(r.end - r.start);
        if (::fcntl(fd, F_OFD_SETLK, &lock) != 0) {
            error = errno == EAGAIN || errno == EACCES
                ? r.path + " is in use by another clone run"
                : "cannot lock " + r.path + ": " + std::strerror(errno);
            return nullptr;
        }
    }
    return held;
}
