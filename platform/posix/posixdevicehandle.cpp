#include "platform/posix/posixdevicehandle.h"

#include "ondisk/mbrcodec.h"
#include "platform/platform.h"
#include "platform/layoutparser.h"
#include "platform/posix/mountinfo.h"
#include "platform/posix/posixerror.h"
#include "platform/posix/sysfsblock.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <linux/blkpg.h>
#include <linux/fs.h>
#include <memory>
#include <sstream>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
constexpr uint32_t GeometryHeads = 255;
constexpr uint32_t GeometrySectorsPerTrack = 63;
constexpr uint32_t LayoutReadAlignment = 4096;
// STORAGE_DEVICE_DESCRIPTOR without its strings is 40 bytes once padded.
constexpr uint32_t DescriptorHeaderBytes = 40;

// Bus type numbers of STORAGE_BUS_TYPE.
constexpr int BusUnknown = 0;
constexpr int BusScsi = 1;
constexpr int BusUsb = 7;
constexpr int BusRaid = 8;
constexpr int BusSata = 11;
constexpr int BusSd = 12;
constexpr int BusMmc = 13;
constexpr int BusVirtual = 14;
constexpr int BusFileBackedVirtual = 15;
constexpr int BusNvme = 17;

bool contains(const std::string& s, const char* part) { return s.find(part) != std::string::npos; }
bool startsWith(const std::string& s, const char* prefix) { return s.rfind(prefix, 0) == 0; }

std::string swapUser(dev_t rdev)
{
    std::ifstream in("/proc/swaps");
    std::string line;
    std::getline(in, line);  // header
    while (std::getline(in, line)) {
        std::istringstream fields(line);
        std::string file;
        fields >> file;
        struct stat st {};
        if (!file.empty() && stat(file.c_str(), &st) == 0 && S_ISBLK(st.st_mode) && st.st_rdev == rdev)
            return "used as swap";
    }
    return {};
}

struct FreeDeleter {
    void operator()(void* p) const { std::free(p); }
};
}

PosixDeviceHandle::PosixDeviceHandle(Setup setup) : m_setup(std::move(setup))
{
    struct stat st {};
    if (m_setup.fd >= 0 && fstat(m_setup.fd, &st) == 0 && S_ISBLK(st.st_mode)) {
        m_blockDevice = true;
        m_rdev = st.st_rdev;
    }
}

PosixDeviceHandle::~PosixDeviceHandle()
{
    if (m_setup.fd >= 0)
        ::close(m_setup.fd);
}

std::string PosixDeviceHandle::kernelName() const
{
    return m_blockDevice ? SysfsBlock::kernelName(m_rdev) : std::string();
}

std::string PosixDeviceHandle::wholeDiskKernelName() const
{
    return SysfsBlock::wholeDiskName(kernelName());
}

int PosixDeviceHandle::controlFd()
{
    if (!m_setup.pathOnly)
        return m_setup.fd;
    const int fd = ::open(m_setup.nativePath.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        PosixError::set(errno, "cannot open " + m_setup.nativePath);
    return fd;
}

void PosixDeviceHandle::releaseControlFd(int fd)
{
    if (fd >= 0 && fd != m_setup.fd)
        ::close(fd);
}

uint32_t PosixDeviceHandle::logicalSectorSize()
{
    if (!m_blockDevice)
        return m_setup.imageSectorSize;
    const int fd = controlFd();
    int size = 0;
    const bool ok = fd >= 0 && ioctl(fd, BLKSSZGET, &size) == 0 && size > 0;
    releaseControlFd(fd);
    return ok ? uint32_t(size) : 512;
}

bool PosixDeviceHandle::presentedSize(uint64_t& size)
{
    if (m_sizeKnown) {
        size = m_size;
        return true;
    }
    if (m_blockDevice) {
        const int fd = controlFd();
        if (fd < 0)
            return false;
        uint64_t bytes = 0;
        const bool ok = ioctl(fd, BLKGETSIZE64, &bytes) == 0;
        const int err = errno;
        releaseControlFd(fd);
        if (!ok)
            return PosixError::set(err, "cannot get the size of " + m_setup.nativePath);
        m_size = bytes;
    } else {
        struct stat st {};
        if (fstat(m_setup.fd, &st) != 0)
            return PosixError::set(errno, "cannot get the size of " + m_setup.nativePath);
        const uint64_t sector = m_setup.imageSectorSize;
        m_size = uint64_t(st.st_size) / sector * sector;
        if (isWindow()) {
            // A table may claim more than the image holds; the window ends with the file.
            const uint64_t room = m_size > m_setup.volumeStart ? m_size - m_setup.volumeStart : 0;
            m_size = std::min(m_setup.windowLength, room);
        }
    }
    m_sizeKnown = true;
    size = m_size;
    return true;
}

bool PosixDeviceHandle::readAt(uint64_t offset, void* buffer, uint64_t length, uint64_t& done)
{
    return transfer(false, offset, static_cast<uint8_t*>(buffer), length, done);
}

bool PosixDeviceHandle::writeAt(uint64_t offset, const void* buffer, uint64_t length, uint64_t& done)
{
    // pwrite only reads the buffer; one loop serves both directions.
    return transfer(true, offset, const_cast<uint8_t*>(static_cast<const uint8_t*>(buffer)), length, done);
}

bool PosixDeviceHandle::placeTransfer(bool writing, uint64_t offset, uint64_t length, Placement& out)
{
    const std::string verb = writing ? "write" : "read";
    if (writing ? !m_setup.writable : m_setup.pathOnly)
        return PosixError::set(PlatformError::AccessDenied, m_setup.nativePath + " was opened without " + verb + " access");
    uint64_t size = 0;
    if (!presentedSize(size))
        return false;
    out.fd = m_setup.fd;
    out.fileOffset = base() + offset;
    out.length = 0;
    if (length == 0)
        return true;
    // An image must never grow: writing past its presented end would silently extend the file.
    if (offset >= size)
        return PosixError::set(PlatformError::HandleEof, verb + " at byte " + std::to_string(offset)
                                                         + " is past the end of " + m_setup.nativePath + " ("
                                                         + std::to_string(size) + " bytes)");
    out.length = std::min(length, size - offset);
    return true;
}

bool PosixDeviceHandle::transfer(bool writing, uint64_t offset, uint8_t* data, uint64_t length, uint64_t& done)
{
    done = 0;
    Placement place;
    if (!placeTransfer(writing, offset, length, place))
        return false;
    const std::string what = (writing ? "write to " : "read of ") + m_setup.nativePath;
    while (done < place.length) {
        const off_t at = off_t(place.fileOffset + done);
        const size_t count = size_t(place.length - done);
        const ssize_t n = writing ? ::pwrite(m_setup.fd, data + done, count, at) : ::pread(m_setup.fd, data + done, count, at);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return PosixError::set(errno, what + " at byte " + std::to_string(offset + done) + " failed");
        }
        if (n == 0 && writing)
            return PosixError::set(PlatformError::IoDevice, what + " made no progress");
        if (n == 0)
            break;  // the file shrank under us: report what came
        done += uint64_t(n);
    }
    return true;
}

bool PosixDeviceHandle::flush()
{
    if (!m_setup.writable)
        return true;
    if (::fsync(m_setup.fd) != 0)
        return PosixError::set(errno, "flush of " + m_setup.nativePath + " failed");
    return true;
}

DeviceHandle::Discard PosixDeviceHandle::discardKind()
{
    if (!m_setup.writable)
        return Discard::None;
    if (!m_blockDevice)
        return Discard::Zeroes;  // a punched hole reads back as zeros
    const std::string max = SysfsBlock::readAttribute("/sys/block/" + wholeDiskKernelName() + "/queue/discard_max_bytes");
    return !max.empty() && max != "0" ? Discard::Undefined : Discard::None;
}

bool PosixDeviceHandle::discard(uint64_t offset, uint64_t length)
{
    Placement place;
    if (!placeTransfer(true, offset, length, place))
        return false;
    if (place.length == 0)
        return true;
    const std::string what = "discard of " + std::to_string(place.length) + " bytes at byte " + std::to_string(offset)
        + " of " + m_setup.nativePath;
    if (m_blockDevice) {
        uint64_t range[2] = {place.fileOffset, place.length};
        if (ioctl(m_setup.fd, BLKDISCARD, range) != 0)
            return PosixError::set(errno, what + " failed");
        return true;
    }
    for (;;) {
        if (::fallocate(m_setup.fd, FALLOC_FL_PUNCH_HOLE | FALLOC_FL_KEEP_SIZE, off_t(place.fileOffset), off_t(place.length)) == 0)
            return true;
        if (errno != EINTR)
            return PosixError::set(errno, what + " failed");
    }
}

bool PosixDeviceHandle::geometry(PlatformGeometry& out)
{
    uint64_t size = 0;
    if (!presentedSize(size))
        return false;
    out.diskSize = int64_t(size);
    out.bytesPerSector = logicalSectorSize();
    out.tracksPerCylinder = GeometryHeads;
    out.sectorsPerTrack = GeometrySectorsPerTrack;
    out.cylinders = int64_t(size / (uint64_t(GeometryHeads) * GeometrySectorsPerTrack * out.bytesPerSector));
    return true;
}

bool PosixDeviceHandle::accessAlignment(PlatformAccessAlignment& out)
{
    out = PlatformAccessAlignment{};
    if (!m_blockDevice) {
        out.bytesPerLogicalSector = m_setup.imageSectorSize;
        out.bytesPerPhysicalSector = m_setup.imageSectorSize;
        return true;
    }
    const int fd = controlFd();
    if (fd < 0)
        return false;
    int logical = 0;
    unsigned int physical = 0;
    int alignOffset = 0;
    bool ok = ioctl(fd, BLKSSZGET, &logical) == 0 && ioctl(fd, BLKPBSZGET, &physical) == 0;
    const int err = errno;
    if (ok && ioctl(fd, BLKALIGNOFF, &alignOffset) != 0)
        alignOffset = 0;
    releaseControlFd(fd);
    if (!ok)
        return PosixError::set(err, "cannot ask the sector sizes of " + m_setup.nativePath);
    out.bytesPerLogicalSector = uint32_t(logical);
    out.bytesPerPhysicalSector = std::max<uint32_t>(physical, uint32_t(logical));
    // The kernel reports -1 when the device cannot be aligned at all; there is no better offset.
    out.bytesOffsetForSectorAlignment = alignOffset > 0 ? uint32_t(alignOffset) : 0;
    return true;
}

bool PosixDeviceHandle::deviceDescriptor(PlatformDeviceDescriptor& out)
{
    out = PlatformDeviceDescriptor{};
    if (!m_blockDevice) {
        out.busType = BusFileBackedVirtual;
        out.productId = "Image file";
        out.answerLength = DescriptorHeaderBytes + uint32_t(out.productId.size()) + 1;
        return true;
    }
    const std::string disk = wholeDiskKernelName();
    const std::string dir = SysfsBlock::deviceDirectory(disk);
    if (dir.empty())
        return PosixError::set(PlatformError::NotSupported, "no sysfs entry for " + m_setup.nativePath);
    const auto attr = [&](const char* name) { return SysfsBlock::readAttribute(dir + "/" + name); };

    if (startsWith(disk, "loop")) {
        out.busType = BusFileBackedVirtual;
        out.productId = "Loop device";
    } else if (startsWith(disk, "nvme")) {
        out.busType = BusNvme;
    } else if (contains(dir, "/usb")) {
        out.busType = BusUsb;
    } else if (startsWith(disk, "mmcblk")) {
        out.busType = attr("device/type") == "MMC" ? BusMmc : BusSd;
    } else if (startsWith(disk, "md")) {
        out.busType = BusRaid;
    } else if (contains(dir, "/ata")) {
        out.busType = BusSata;
    } else if (contains(dir, "/host")) {
        out.busType = BusScsi;
    } else if (contains(dir, "/virtio") || startsWith(disk, "dm-") || startsWith(disk, "nbd")) {
        out.busType = BusVirtual;
    } else {
        out.busType = BusUnknown;
    }
    if (out.productId.empty()) {
        out.productId = attr("device/model");
        if (out.productId.empty())
            out.productId = attr("device/name");  // mmc cards
    }
    out.serialNumber = attr("device/serial");
    if (out.serialNumber.empty())
        out.serialNumber = attr("serial");  // virtio-blk
    if (out.serialNumber.empty())
        out.serialNumber = attr("device/wwid");
    out.answerLength = DescriptorHeaderBytes + uint32_t(out.productId.size() + 1 + out.serialNumber.size() + 1);
    return true;
}

bool PosixDeviceHandle::seekPenalty(bool& incursSeekPenalty)
{
    if (!m_blockDevice) {
        // An image's cost of seeking is its host's business; it presents itself like an SSD.
        incursSeekPenalty = false;
        return true;
    }
    const std::string value = SysfsBlock::readAttribute("/sys/block/" + wholeDiskKernelName() + "/queue/rotational");
    if (value != "0" && value != "1")
        return PosixError::set(PlatformError::NotSupported, "no rotational flag for " + m_setup.nativePath);
    incursSeekPenalty = value == "1";
    return true;
}

bool PosixDeviceHandle::readSpan(uint64_t offset, uint64_t length, uint8_t* out)
{
    const uint64_t align = std::max<uint64_t>(LayoutReadAlignment, logicalSectorSize());
    const uint64_t start = offset - offset % align;
    const uint64_t head = offset - start;
    const uint64_t span = (head + length + align - 1) / align * align;
    std::unique_ptr<uint8_t, FreeDeleter> buffer(static_cast<uint8_t*>(std::aligned_alloc(size_t(align), size_t(span))));
    if (!buffer)
        return PosixError::set(ENOMEM, "cannot allocate a read buffer");
    uint64_t done = 0;
    if (!readAt(start, buffer.get(), span, done))
        return false;
    if (done < head + length)
        return PosixError::set(PlatformError::HandleEof, "short read of " + m_setup.nativePath);
    std::memcpy(out, buffer.get() + head, size_t(length));
    return true;
}

bool PosixDeviceHandle::driveLayout(PlatformDriveLayout& out)
{
    if (m_setup.pathOnly)
        return PosixError::set(PlatformError::AccessDenied, m_setup.nativePath + " was opened without read access");
    uint64_t size = 0;
    if (!presentedSize(size))
        return false;
    std::vector<std::string> notes;
    const auto reader = [this](uint64_t offset, uint64_t length, uint8_t* buf) { return readSpan(offset, length, buf); };
    if (!LayoutParser::parse(reader, size, logicalSectorSize(), out, notes)) {
        std::string text = "cannot read the partition table of " + m_setup.nativePath;
        if (!notes.empty())
            text += ": " + notes.back();
        return PosixError::set(PlatformError::IoDevice, text);
    }
    return true;
}

bool PosixDeviceHandle::updateDiskProperties()
{
    if (!m_blockDevice)
        return true;  // an image's table is read afresh on every request anyway
    if (m_setup.isVolume)
        return PosixError::set(PlatformError::InvalidFunction, m_setup.nativePath + " is a partition, not a disk");
    const int fd = controlFd();
    if (fd < 0)
        return false;
    const bool ok = ioctl(fd, BLKRRPART) == 0;
    const int err = errno;
    bool result = true;
    if (!ok) {
        // A loop device attached without partition scanning has no partitions to re-read.
        if (err == EINVAL && startsWith(kernelName(), "loop")
            && SysfsBlock::readAttribute("/sys/block/" + kernelName() + "/loop/partscan") != "1") {
            result = true;
        } else if (err == EBUSY) {
            result = PosixError::set(err, "cannot re-read the partition table of " + m_setup.nativePath
                                              + " (a partition is in use)");
        } else {
            result = PosixError::set(err, "cannot re-read the partition table of " + m_setup.nativePath);
        }
    } else {
        result = addMissingPartitions(fd);
    }
    releaseControlFd(fd);
    return result;
}

bool PosixDeviceHandle::addMissingPartitions(int fd)
{
    // Kernels built without partition-table parsers drop every partition on a re-read; the table
    // we parse ourselves is handed to them partition by partition. With a parsing kernel the
    // partitions are all there already and nothing is added.
    PlatformDriveLayout layout;
    if (!driveLayout(layout))
        return true;  // the kernel's own re-read stands
    const std::vector<SysfsBlock::Partition> present = SysfsBlock::partitions(kernelName());
    for (const PlatformLayoutEntry& e : layout.entries) {
        const bool known = std::any_of(present.begin(), present.end(),
                                       [&](const SysfsBlock::Partition& p) { return p.number == e.partitionNumber; });
        const bool container = layout.style == LayoutStyle::MBR && MbrCodec::isExtendedType(e.mbrType);
        if (known || container || e.partitionLength <= 0)
            continue;
        blkpg_partition part {};
        part.start = e.startingOffset;
        part.length = e.partitionLength;
        part.pno = int(e.partitionNumber);
        blkpg_ioctl_arg arg {};
        arg.op = BLKPG_ADD_PARTITION;
        arg.datalen = sizeof part;
        arg.data = &part;
        if (ioctl(fd, BLKPG, &arg) != 0 && errno != EBUSY)
            return PosixError::set(errno, "cannot announce partition " + std::to_string(e.partitionNumber) + " of "
                                              + m_setup.nativePath + " to the kernel");
    }
    return true;
}

bool PosixDeviceHandle::volumeDiskExtents(std::vector<PlatformExtent>& out)
{
    out.clear();
    if (!m_setup.isVolume)
        return PosixError::set(PlatformError::InvalidFunction, m_setup.nativePath + " is not a volume");
    if (m_setup.diskNumber < 0)
        return PosixError::set(PlatformError::InvalidFunction, m_setup.nativePath + " is not on a disk of the disk table");
    uint64_t size = 0;
    if (!presentedSize(size))
        return false;
    out.push_back(PlatformExtent{uint32_t(m_setup.diskNumber), int64_t(m_setup.volumeStart), int64_t(size)});
    return true;
}

std::string PosixDeviceHandle::inUseReason(dev_t rdev, const std::string& kernelName, bool includePartitions)
{
    std::vector<std::pair<std::string, dev_t>> devices{{kernelName, rdev}};
    if (includePartitions) {
        for (const SysfsBlock::Partition& p : SysfsBlock::partitions(kernelName)) {
            dev_t d = 0;
            if (SysfsBlock::deviceNumber(p.name, d))
                devices.emplace_back(p.name, d);
        }
    }
    const std::vector<MountInfo::Entry> table = MountInfo::current();
    for (const auto& [name, dev] : devices) {
        const std::vector<MountInfo::Entry> mounts = MountInfo::mountsOf(table, dev);
        if (!mounts.empty())
            return "/dev/" + name + " is mounted on " + mounts.front().mountPoint;
        const std::string swap = swapUser(dev);
        if (!swap.empty())
            return "/dev/" + name + " is " + swap;
        const std::vector<std::string> holders = SysfsBlock::holders(name);
        if (!holders.empty())
            return "/dev/" + name + " is held by " + holders.front();
    }
    return {};
}

bool PosixDeviceHandle::lockVolume()
{
    if (!m_setup.isVolume)
        return PosixError::set(PlatformError::InvalidFunction, m_setup.nativePath + " is not a volume");
    if (!m_blockDevice)
        return true;  // an image's users were checked when it was opened for writing
    // A mounted Linux file system cannot be taken offline for us; we never unmount the user's mounts.
    const std::string reason = inUseReason(m_rdev, kernelName(), false);
    if (!reason.empty())
        return PosixError::set(PlatformError::Busy, "cannot lock the volume: " + reason);
    return true;
}

bool PosixDeviceHandle::unlockVolume()
{
    if (!m_setup.isVolume)
        return PosixError::set(PlatformError::InvalidFunction, m_setup.nativePath + " is not a volume");
    return true;
}

bool PosixDeviceHandle::dismountVolume()
{
    if (!m_setup.isVolume)
        return PosixError::set(PlatformError::InvalidFunction, m_setup.nativePath + " is not a volume");
    if (!m_blockDevice)
        return true;
    const std::string reason = inUseReason(m_rdev, kernelName(), false);
    if (!reason.empty())
        return PosixError::set(PlatformError::Busy, "cannot dismount the volume: " + reason
                                                        + " (unmount it yourself first)");
    return true;
}

bool PosixDeviceHandle::allowExtendedAccess()
{
    if (!m_setup.isVolume)
        return PosixError::set(PlatformError::InvalidFunction, m_setup.nativePath + " is not a volume");
    return true;  // a partition device already reaches every sector of the partition
}

bool PosixDeviceHandle::ntfsVolumeData(PlatformNtfsVolumeData&)
{
    return PosixError::set(PlatformError::NotSupported, "NTFS volume data query is not available on this system");
}

bool PosixDeviceHandle::volumeBitmap(int64_t, PlatformVolumeBitmap&)
{
    return PosixError::set(PlatformError::NotSupported, "volume bitmap query is not available on this system");
}
