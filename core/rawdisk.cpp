#include "core/rawdisk.h"

#include "core/alignedbuffer.h"
#include "core/logger.h"
#include "core/spanplanner.h"

#include <algorithm>
#include <cstring>
#include <limits>

namespace {

constexpr uint32_t MinimumBufferAlignment = 4096;
constexpr uint32_t DescriptorMinimumAnswer = 40;

std::string native(const QString& path) { return path.toStdString(); }

bool isPowerOfTwo(uint64_t v) { return v != 0 && (v & (v - 1)) == 0; }

// Memory alignment for a transfer buffer: the I/O alignment when it is a usable power of two,
// never less than a page.
uint32_t memoryAlignment(uint32_t alignment)
{
    return isPowerOfTwo(alignment) ? std::max(alignment, MinimumBufferAlignment) : MinimumBufferAlignment;
}

bool isAligned(const void* p, uint32_t alignment) { return reinterpret_cast<uintptr_t>(p) % alignment == 0; }

// Size of the device behind a handle, or -1 when it does not say.
int64_t deviceSize(DeviceHandle* handle)
{
    PlatformGeometry g;
    if (!handle->geometry(g) || g.diskSize <= 0)
        return -1;
    return g.diskSize;
}

void setBeyondEndError(int64_t size)
{
    Platform::setLastError(PlatformError::HandleEof,
                           "The range lies beyond the end of the device (" + std::to_string(size) + " bytes)");
}

void setShortTransferError(const char* what, uint64_t moved, uint64_t wanted)
{
    Platform::setLastError(PlatformError::HandleEof, std::string("Only ") + std::to_string(moved) + " of "
                               + std::to_string(wanted) + " bytes could be " + what);
}

// Loops over short transfers until the device moves nothing more (its end); fails, with a platform
// error set, when fewer than `minimum` bytes moved. `step(done, remaining, moved)` moves one piece.
template <typename Step>
bool transferFully(Step step, uint64_t length, uint64_t minimum, const char* what)
{
    uint64_t total = 0;
    while (total < length) {
        uint64_t moved = 0;
        if (!step(total, length - total, moved))
            return false;
        if (moved == 0)
            break;
        total += std::min(moved, length - total);
    }
    if (total < minimum) {
        setShortTransferError(what, total, minimum);
        return false;
    }
    return true;
}

bool readFully(DeviceHandle* h, uint64_t offset, uint8_t* buffer, uint64_t length, uint64_t minimum)
{
    const auto step = [&](uint64_t at, uint64_t n, uint64_t& moved) { return h->readAt(offset + at, buffer + at, n, moved); };
    return transferFully(step, length, minimum, "read");
}

bool writeFully(DeviceHandle* h, uint64_t offset, const uint8_t* buffer, uint64_t length)
{
    const auto step = [&](uint64_t at, uint64_t n, uint64_t& moved) { return h->writeAt(offset + at, buffer + at, n, moved); };
    return transferFully(step, length, length, "written");
}

bool checkedOffset(uint64_t sector, uint32_t sectorSize, uint64_t& offset)
{
    if (sectorSize == 0 || sector > std::numeric_limits<int64_t>::max() / sectorSize) {
        Platform::setLastError(PlatformError::InvalidParameter, "The position lies outside the addressable range");
        return false;
    }
    offset = sector * sectorSize;
    return true;
}

// Exactly `count` whole sectors at `sector`, moved by `move(offset, bytes)` once the handle, the
// position and the device end allow it; failures are logged as "Failed to <what> sectors".
template <typename Move>
bool sectorTransfer(DeviceHandle* handle, uint64_t sector, uint32_t count, uint32_t sectorSize, const char* what, Move move)
{
    uint64_t offset = 0;
    if (!handle || !checkedOffset(sector, sectorSize, offset)) {
        if (!handle)
            Platform::setLastError(PlatformError::InvalidHandle, "The handle is invalid");
        Logger::instance().error(QStringLiteral("Failed to seek: %1").arg(RawDisk::lastErrorText()));
        return false;
    }
    const uint64_t bytes = uint64_t(count) * sectorSize;
    const int64_t size = deviceSize(handle);
    bool ok = true;
    if (size >= 0 && offset + bytes > uint64_t(size)) {
        setBeyondEndError(size);
        ok = false;
    } else {
        ok = move(offset, bytes);
    }
    if (!ok)
        Logger::instance().error(QStringLiteral("Failed to %1 sectors: %2").arg(QLatin1String(what), RawDisk::lastErrorText()));
    return ok;
}

} // namespace

DiskHandle RawDisk::openDisk(int diskNumber, bool writable)
{
    DiskHandle h = Platform::devices().openDevice(native(physicalDrivePath(diskNumber)),
                                                  writable ? DeviceAccess::ReadWrite : DeviceAccess::Read,
                                                  DeviceFlags::NoBufferingWriteThrough);
    if (!h)
        Logger::instance().error(QStringLiteral("Failed to open disk %1: %2").arg(diskNumber).arg(lastErrorText()));
    return h;
}

VolumeHandlePtr RawDisk::openVolume(const QString& path, bool writable)
{
    VolumeHandlePtr h = Platform::devices().openVolume(native(path),
                                                  writable ? DeviceAccess::ReadWrite : DeviceAccess::Read,
                                                  DeviceFlags::NoBufferingWriteThrough);
    if (!h)
        Logger::instance().error(QStringLiteral("Failed to open volume %1: %2").arg(path, lastErrorText()));
    return h;
}

bool RawDisk::readSectors(DeviceHandle* handle, uint64_t sector, uint32_t count, void* buffer, uint32_t sectorSize)
{
    return sectorTransfer(handle, sector, count, sectorSize, "read", [&](uint64_t offset, uint64_t bytes) {
        return readFully(handle, offset, static_cast<uint8_t*>(buffer), bytes, bytes);
    });
}

bool RawDisk::writeSectors(DeviceHandle* handle, uint64_t sector, uint32_t count, const void* buffer,
                          uint32_t sectorSize)
{
    return sectorTransfer(handle, sector, count, sectorSize, "write", [&](uint64_t offset, uint64_t bytes) {
        return writeFully(handle, offset, static_cast<const uint8_t*>(buffer), bytes);
    });
}

namespace {
bool refuseMissingHandle(DeviceHandle* handle)
{
    if (handle)
        return false;
    Platform::setLastError(PlatformError::InvalidHandle, "The handle is invalid");
    Logger::instance().error(QStringLiteral("Failed to seek: %1").arg(RawDisk::lastErrorText()));
    return true;
}

// Plans a transfer of `length` (> 0) bytes on `handle`; a refusal is logged with `failText`.
bool planOn(DeviceHandle* handle, uint64_t offset, uint64_t length, uint32_t alignment, const QString& failText,
            AlignedSpan& out)
{
    const int64_t size = deviceSize(handle);
    switch (SpanPlanner::plan(offset, length, alignment, size, out)) {
    case SpanPlanner::Result::Ok:
        return true;
    case SpanPlanner::Result::OutOfRange:
        Platform::setLastError(PlatformError::InvalidParameter, "The position lies outside the addressable range");
        Logger::instance().error(QStringLiteral("Failed to seek: %1").arg(RawDisk::lastErrorText()));
        return false;
    case SpanPlanner::Result::BeyondEnd:
        setBeyondEndError(size);
        break;
    }
    Logger::instance().error(failText.arg(RawDisk::lastErrorText()));
    return false;
}
}

bool RawDisk::readRange(DeviceHandle* handle, uint64_t offset, uint64_t length, void* buffer, uint32_t alignment)
{
    if (refuseMissingHandle(handle))
        return false;
    if (length == 0)
        return true;
    const QString failText = QStringLiteral("Failed to read sectors: %1");
    AlignedSpan plan;
    if (!planOn(handle, offset, length, alignment, failText, plan))
        return false;
    const uint32_t memAlign = memoryAlignment(alignment);
    if (plan.exact(length) && isAligned(buffer, memAlign)) {
        if (readFully(handle, plan.start, static_cast<uint8_t*>(buffer), plan.span, length))
            return true;
        Logger::instance().error(failText.arg(lastErrorText()));
        return false;
    }
    AlignedBuffer temp(plan.span, memAlign);
    if (!temp) {
        Logger::instance().error(QStringLiteral("Failed to allocate aligned buffer for read"));
        return false;
    }
    if (!readFully(handle, plan.start, temp.data(), plan.span, plan.head + length)) {
        Logger::instance().error(failText.arg(lastErrorText()));
        return false;
    }
    std::memcpy(buffer, temp.data() + plan.head, length);
    return true;
}

bool RawDisk::writeRange(DeviceHandle* handle, uint64_t offset, uint64_t length, const void* buffer,
                         uint32_t alignment)
{
    if (refuseMissingHandle(handle))
        return false;
    if (length == 0)
        return true;
    const QString failText = QStringLiteral("Failed to write sectors: %1");
    AlignedSpan plan;
    if (!planOn(handle, offset, length, alignment, failText, plan))
        return false;
    const uint32_t memAlign = memoryAlignment(alignment);
    if (plan.exact(length) && isAligned(buffer, memAlign)) {
        if (writeFully(handle, plan.start, static_cast<const uint8_t*>(buffer), plan.span))
            return true;
        Logger::instance().error(failText.arg(lastErrorText()));
        return false;
    }
    AlignedBuffer temp(plan.span, memAlign);
    if (!temp) {
        Logger::instance().error(QStringLiteral("Failed to allocate aligned buffer for write"));
        return false;
    }
    // Neighbouring bytes must come from the disk; a span that cannot be read is never written.
    if (!plan.exact(length) && !readFully(handle, plan.start, temp.data(), plan.span, plan.span)) {
        const uint32_t code = Platform::lastErrorCode();
        const std::string text = Platform::lastErrorText();
        Platform::setLastError(code == PlatformError::Success ? PlatformError::IoDevice : code,
                               "Could not read the surrounding sectors before writing: " + text);
        Logger::instance().error(failText.arg(lastErrorText()));
        return false;
    }
    std::memcpy(temp.data() + plan.head, buffer, length);
    if (!writeFully(handle, plan.start, temp.data(), plan.span)) {
        Logger::instance().error(failText.arg(lastErrorText()));
        return false;
    }
    return true;
}

bool RawDisk::readSectorsAligned(DeviceHandle* handle, uint64_t sector, uint32_t count, void* buffer,
                                uint32_t sectorSize, uint32_t alignment)
{
    uint64_t offset = 0;
    if (!checkedOffset(sector, sectorSize, offset)) {
        Logger::instance().error(QStringLiteral("Failed to seek: %1").arg(lastErrorText()));
        return false;
    }
    return readRange(handle, offset, uint64_t(count) * sectorSize, buffer, alignment);
}

bool RawDisk::writeSectorsAligned(DeviceHandle* handle, uint64_t sector, uint32_t count, const void* buffer,
                                 uint32_t sectorSize, uint32_t alignment)
{
    uint64_t offset = 0;
    if (!checkedOffset(sector, sectorSize, offset)) {
        Logger::instance().error(QStringLiteral("Failed to seek: %1").arg(lastErrorText()));
        return false;
    }
    return writeRange(handle, offset, uint64_t(count) * sectorSize, buffer, alignment);
}

bool RawDisk::getDiskGeometry(DeviceHandle* handle, DiskGeometry& geometry)
{
    if (!handle || !handle->geometry(geometry)) {
        if (!handle)
            Platform::setLastError(PlatformError::InvalidHandle, "The handle is invalid");
        Logger::instance().error(QStringLiteral("Failed to get disk geometry: %1").arg(lastErrorText()));
        return false;
    }
    return true;
}

bool RawDisk::queryAlignment(DeviceHandle* handle, StorageAlignment& alignment)
{
    alignment = StorageAlignment{512, 512, 0};
    if (handle) {
        PlatformGeometry g;
        if (handle->geometry(g) && g.bytesPerSector != 0)
            alignment.logicalSector = g.bytesPerSector;
        PlatformAccessAlignment a;
        if (handle->accessAlignment(a)) {
            if (a.bytesPerPhysicalSector != 0)
                alignment.physicalSector = a.bytesPerPhysicalSector;
            alignment.alignmentOffset = a.bytesOffsetForSectorAlignment;
        }
    }
    if (alignment.physicalSector < alignment.logicalSector)
        alignment.physicalSector = alignment.logicalSector;
    Logger::instance().info(QStringLiteral("Storage alignment: logical=%1, physical=%2, offset=%3")
                                .arg(alignment.logicalSector)
                                .arg(alignment.physicalSector)
                                .arg(alignment.alignmentOffset));
    return true;
}

QString RawDisk::getBusType(int diskNumber)
{
    const QString unknown = QStringLiteral("Unknown");
    DiskHandle h = Platform::devices().openDevice(native(physicalDrivePath(diskNumber)), DeviceAccess::Read,
                                                  DeviceFlags::None);
    if (!h)
        return unknown;
    PlatformDeviceDescriptor d;
    if (!h->deviceDescriptor(d) || d.answerLength < DescriptorMinimumAnswer)
        return unknown;
    return busTypeName(d.busType);
}

QString RawDisk::busTypeName(int busType)
{
    switch (busType) {
    case 1: return QStringLiteral("SCSI");
    case 2: return QStringLiteral("ATAPI");
    case 3: return QStringLiteral("ATA");
    case 4: return QStringLiteral("1394");
    case 7: return QStringLiteral("USB");
    case 8: return QStringLiteral("RAID");
    case 9: return QStringLiteral("iSCSI");
    case 10: return QStringLiteral("SAS");
    case 11: return QStringLiteral("SATA");
    case 12: return QStringLiteral("SD");
    case 13: return QStringLiteral("MMC");
    case 14: return QStringLiteral("Virtual");
    case 15: return QStringLiteral("FileBackedVirtual");
    case 16: return QStringLiteral("Spaces");
    case 17: return QStringLiteral("NVMe");
    default: return QStringLiteral("BusType%1").arg(busType);
    }
}

bool RawDisk::isSsd(int diskNumber)
{
    DiskHandle h = Platform::devices().openDevice(native(physicalDrivePath(diskNumber)), DeviceAccess::Read,
                                                  DeviceFlags::None);
    bool penalty = true;
    if (!h || !h->seekPenalty(penalty))
        return false;
    return !penalty;
}

namespace {
// Asked without access rights: an open for reading fails on a volume another program has locked,
// which is just the volume that must not be mistaken for one elsewhere.
bool queryExtents(const QString& volumePath, std::vector<PlatformExtent>& out)
{
    QString path = volumePath;
    if (path.endsWith(QLatin1Char('\\')))
        path.chop(1);
    VolumeHandlePtr h = Platform::devices().openVolume(native(path), DeviceAccess::None, DeviceFlags::None);
    return h && h->volumeDiskExtents(out);
}
} // namespace

QList<DiskExtent> RawDisk::getVolumeDiskExtents(const QString& volumePath)
{
    QList<DiskExtent> result;
    std::vector<PlatformExtent> extents;
    if (!queryExtents(volumePath, extents))
        return result;
    // Every extent: a spanned volume's later pieces must be locked like its first.
    for (const PlatformExtent& e : extents)
        result.append(e);
    return result;
}

int RawDisk::getDiskNumberForVolume(const QString& volumePath)
{
    const QList<DiskExtent> extents = getVolumeDiskExtents(volumePath);
    return extents.isEmpty() ? -1 : static_cast<int>(extents.first().diskNumber);
}

QStringList RawDisk::enumerateVolumes()
{
    QStringList result;
    for (const std::string& name : Platform::volumes().enumerateVolumes())
        result.append(QString::fromStdString(name));
    return result;
}

bool RawDisk::volumesOnDisk(int diskNumber, const ByteRange& range, QStringList& out, QString& error)
{
    const uint64_t end = range.length ? range.offset + range.length : UINT64_MAX;
    out.clear();
    for (const QString& volume : enumerateVolumes()) {
        std::vector<PlatformExtent> extents;
        if (!queryExtents(volume, extents)) {
            const uint32_t code = Platform::lastErrorCode();
            if (code == PlatformError::InvalidFunction || code == PlatformError::NotReady)
                continue;
            const QString why = lastErrorText();
            error = QStringLiteral("the volume %1 cannot tell where it lies (%2)").arg(volumeLabel(volume), why);
            Logger::instance().error(error);
            return false;
        }
        for (const PlatformExtent& e : extents) {
            const bool unknown = e.startingOffset < 0 || e.extentLength <= 0;
            if (int(e.diskNumber) == diskNumber
                && (unknown || (uint64_t(e.startingOffset) < end && range.offset < uint64_t(e.startingOffset + e.extentLength)))) {
                out.append(volume);
                break;
            }
        }
    }
    return true;
}

QString RawDisk::volumeLabel(const QString& volume)
{
    const QStringList paths = getVolumeMountPaths(volume);
    return paths.isEmpty() ? volume : QStringLiteral("%1 (%2)").arg(paths.join(QStringLiteral(", ")), volume);
}

QStringList RawDisk::getVolumeMountPaths(const QString& volumeName)
{
    QStringList result;
    for (const std::string& p : Platform::volumes().volumeMountPaths(native(volumeName)))
        result.append(QString::fromStdString(p));
    return result;
}

QString RawDisk::getVolumeNameForMountPoint(const QString& path)
{
    // The platform wants a trailing backslash; a bare letter gets its colon too. Folders keep their name.
    QString mountPoint = path;
    if (mountPoint.endsWith(QLatin1Char(':')))
        mountPoint += QLatin1Char('\\');
    else if (mountPoint.size() == 1 && mountPoint.at(0).isLetter())
        mountPoint += QStringLiteral(":\\");
    else if (!mountPoint.endsWith(QLatin1Char('\\')))
        mountPoint += QLatin1Char('\\');
    return QString::fromStdString(Platform::volumes().volumeNameForMountPoint(native(mountPoint)));
}

bool RawDisk::unlockVolume(VolumeHandle* handle) { return handle && handle->unlockVolume(); }

bool RawDisk::updateDiskProperties(DeviceHandle* handle)
{
    if (handle && handle->updateDiskProperties())
        return true;
    if (!handle)
        Platform::setLastError(PlatformError::InvalidHandle, "The handle is invalid");
    Logger::instance().warning(QStringLiteral("Failed to update disk properties: %1").arg(lastErrorText()));
    return false;
}

bool RawDisk::flush(DeviceHandle* handle) { return handle && handle->flush(); }

QString RawDisk::lastErrorText() { return QString::fromStdString(Platform::lastErrorText()).trimmed(); }

QString RawDisk::physicalDrivePath(int n) { return QStringLiteral("\\\\.\\PhysicalDrive%1").arg(n); }
