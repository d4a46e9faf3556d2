#include "core/diskio.h"

#include "core/logger.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QMutexLocker>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <limits>

namespace {

constexpr uint64_t MiB = 1024ull * 1024;
constexpr uint64_t FastCopyPieceBytes = 16 * MiB;
constexpr uint32_t MinimumBufferAlignment = 4096;
constexpr int SpeedWindowMs = 200;
constexpr int EventPollMs = 50;
constexpr int MaxVolumeExtents = 11;  // what fits in a 272-byte extents answer
constexpr uint32_t DescriptorMinimumAnswer = 40;
const QString PhysicalDriveWord = QStringLiteral("PhysicalDrive");

QString physicalDrive(int n) { return QStringLiteral("\\\\.\\PhysicalDrive%1").arg(n); }

std::string native(const QString& path) { return path.toStdString(); }

bool isPowerOfTwo(uint64_t v) { return v != 0 && (v & (v - 1)) == 0; }

// Memory alignment for a transfer buffer: the I/O alignment when it is a usable power of two,
// never less than a page.
uint32_t memoryAlignment(uint32_t alignment)
{
    return isPowerOfTwo(alignment) ? std::max(alignment, MinimumBufferAlignment) : MinimumBufferAlignment;
}

bool isAligned(const void* p, uint32_t alignment) { return reinterpret_cast<uintptr_t>(p) % alignment == 0; }

uint64_t roundUp(uint64_t v, uint64_t a) { return (v + a - 1) / a * a; }

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
// error set, when fewer than `minimum` bytes came.
bool readFully(DeviceHandle* h, uint64_t offset, uint8_t* buffer, uint64_t length, uint64_t minimum)
{
    uint64_t got = 0;
    while (got < length) {
        uint64_t done = 0;
        if (!h->readAt(offset + got, buffer + got, length - got, done))
            return false;
        if (done == 0)
            break;
        got += std::min(done, length - got);
    }
    if (got < minimum) {
        setShortTransferError("read", got, minimum);
        return false;
    }
    return true;
}

bool writeFully(DeviceHandle* h, uint64_t offset, const uint8_t* buffer, uint64_t length)
{
    uint64_t put = 0;
    while (put < length) {
        uint64_t done = 0;
        if (!h->writeAt(offset + put, buffer + put, length - put, done))
            return false;
        if (done == 0)
            break;
        put += std::min(done, length - put);
    }
    if (put < length) {
        setShortTransferError("written", put, length);
        return false;
    }
    return true;
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

// -1: no drive word in the path, -2: a drive word without a valid number.
int diskNumberOfPath(const QString& path)
{
    const int at = path.lastIndexOf(PhysicalDriveWord, -1, Qt::CaseInsensitive);
    if (at < 0)
        return -1;
    bool ok = false;
    const int n = path.mid(at + PhysicalDriveWord.size()).toInt(&ok);
    return ok && n >= 0 ? n : -2;
}

int64_t nowMs() { return QDateTime::currentMSecsSinceEpoch(); }

} // namespace

// ---------------------------------------------------------------------------------------------
// AlignedBuffer

AlignedBuffer::AlignedBuffer(uint64_t size, uint32_t alignment)
{
    if (size == 0 || !isPowerOfTwo(alignment) || size > std::numeric_limits<size_t>::max() - alignment)
        return;
    // calloc: large blocks arrive zeroed from the system without a pass over every page.
    void* block = std::calloc(static_cast<size_t>(size) + alignment, 1);
    if (!block)
        return;
    const uintptr_t aligned = (reinterpret_cast<uintptr_t>(block) + alignment - 1) & ~uintptr_t(alignment - 1);
    m_block = block;
    m_data = reinterpret_cast<uint8_t*>(aligned);
    m_size = size;
}

AlignedBuffer::~AlignedBuffer() { reset(); }

AlignedBuffer::AlignedBuffer(AlignedBuffer&& other) noexcept
    : m_block(other.m_block), m_data(other.m_data), m_size(other.m_size)
{
    other.m_block = nullptr;
    other.m_data = nullptr;
    other.m_size = 0;
}

AlignedBuffer& AlignedBuffer::operator=(AlignedBuffer&& other) noexcept
{
    if (this != &other) {
        reset();
        std::swap(m_block, other.m_block);
        std::swap(m_data, other.m_data);
        std::swap(m_size, other.m_size);
    }
    return *this;
}

void AlignedBuffer::reset()
{
    std::free(m_block);
    m_block = nullptr;
    m_data = nullptr;
    m_size = 0;
}

namespace {
// The backend says when it could not honour unbuffered I/O; copies are slower then, so it is logged.
void logOpenNote(const DeviceHandle* handle)
{
    const std::string note = handle->openNote();
    if (!note.empty())
        Logger::instance().info(QString::fromStdString(note));
}
}

// ---------------------------------------------------------------------------------------------
// Stateless layer

DiskHandle DiskIO::openDisk(int diskNumber, bool writable)
{
    DiskHandle h = Platform::current().openDevice(native(physicalDrive(diskNumber)),
                                                  writable ? DeviceAccess::ReadWrite : DeviceAccess::Read,
                                                  DeviceFlags::NoBufferingWriteThrough);
    if (!h)
        Logger::instance().error(QStringLiteral("Failed to open disk %1: %2").arg(diskNumber).arg(lastErrorText()));
    return h;
}

DiskHandle DiskIO::openVolume(const QString& path, bool writable)
{
    DiskHandle h = Platform::current().openDevice(native(path),
                                                  writable ? DeviceAccess::ReadWrite : DeviceAccess::Read,
                                                  DeviceFlags::NoBufferingWriteThrough);
    if (!h)
        Logger::instance().error(QStringLiteral("Failed to open volume %1: %2").arg(path, lastErrorText()));
    return h;
}

bool DiskIO::readSectors(DeviceHandle* handle, uint64_t sector, uint32_t count, void* buffer, uint32_t sectorSize)
{
    uint64_t offset = 0;
    if (!handle || !checkedOffset(sector, sectorSize, offset)) {
        if (!handle)
            Platform::setLastError(PlatformError::InvalidHandle, "The handle is invalid");
        Logger::instance().error(QStringLiteral("Failed to seek: %1").arg(lastErrorText()));
        return false;
    }
    const uint64_t bytes = uint64_t(count) * sectorSize;
    const int64_t size = deviceSize(handle);
    bool ok = true;
    if (size >= 0 && offset + bytes > uint64_t(size)) {
        setBeyondEndError(size);
        ok = false;
    } else {
        ok = readFully(handle, offset, static_cast<uint8_t*>(buffer), bytes, bytes);
    }
    if (!ok)
        Logger::instance().error(QStringLiteral("Failed to read sectors: %1").arg(lastErrorText()));
    return ok;
}

bool DiskIO::writeSectors(DeviceHandle* handle, uint64_t sector, uint32_t count, const void* buffer,
                          uint32_t sectorSize)
{
    uint64_t offset = 0;
    if (!handle || !checkedOffset(sector, sectorSize, offset)) {
        if (!handle)
            Platform::setLastError(PlatformError::InvalidHandle, "The handle is invalid");
        Logger::instance().error(QStringLiteral("Failed to seek: %1").arg(lastErrorText()));
        return false;
    }
    const uint64_t bytes = uint64_t(count) * sectorSize;
    const int64_t size = deviceSize(handle);
    bool ok = true;
    if (size >= 0 && offset + bytes > uint64_t(size)) {
        setBeyondEndError(size);
        ok = false;
    } else {
        ok = writeFully(handle, offset, static_cast<const uint8_t*>(buffer), bytes);
    }
    if (!ok)
        Logger::instance().error(QStringLiteral("Failed to write sectors: %1").arg(lastErrorText()));
    return ok;
}

namespace {
// The aligned span [start, start + span) that encloses a transfer; cut at the end of the device.
struct EnclosingSpan {
    uint64_t head = 0;
    uint64_t start = 0;
    uint64_t span = 0;
};

// Checks the handle and range of a transfer of `length` (> 0) bytes at `offset`; on failure logs
// `failText` with the reason and returns false. Nothing past the device end is accepted: an image
// file would otherwise grow.
bool planSpan(DeviceHandle* handle, uint64_t offset, uint64_t length, uint32_t alignment,
              const QString& failText, EnclosingSpan& out)
{
    const int64_t size = deviceSize(handle);
    if (offset > uint64_t(std::numeric_limits<int64_t>::max()) - length) {
        Platform::setLastError(PlatformError::InvalidParameter, "The position lies outside the addressable range");
        Logger::instance().error(QStringLiteral("Failed to seek: %1").arg(DiskIO::lastErrorText()));
        return false;
    }
    if (size >= 0 && offset + length > uint64_t(size)) {
        setBeyondEndError(size);
        Logger::instance().error(failText.arg(DiskIO::lastErrorText()));
        return false;
    }
    out.head = offset % alignment;
    out.start = offset - out.head;
    out.span = roundUp(out.head + length, alignment);
    if (size >= 0 && out.start + out.span > uint64_t(size))
        out.span = uint64_t(size) - out.start;
    return true;
}

bool refuseMissingHandle(DeviceHandle* handle)
{
    if (handle)
        return false;
    Platform::setLastError(PlatformError::InvalidHandle, "The handle is invalid");
    Logger::instance().error(QStringLiteral("Failed to seek: %1").arg(DiskIO::lastErrorText()));
    return true;
}
}

// The enclosing span [offset - head, roundUp(offset + length)) is read whole; a span that runs past the
// end of the device is cut there, since only the asked bytes have to come back.
bool DiskIO::readAlignedRange(DeviceHandle* handle, uint64_t offset, uint64_t length, void* buffer,
                              uint32_t alignment)
{
    if (refuseMissingHandle(handle))
        return false;
    if (length == 0)
        return true;
    if (alignment == 0)
        alignment = 512;
    EnclosingSpan plan;
    if (!planSpan(handle, offset, length, alignment, QStringLiteral("Failed to read sectors: %1"), plan))
        return false;
    const auto [head, start, span] = plan;
    const uint32_t memAlign = memoryAlignment(alignment);

    if (head == 0 && span == length && isAligned(buffer, memAlign)) {
        if (!readFully(handle, start, static_cast<uint8_t*>(buffer), span, length)) {
            Logger::instance().error(QStringLiteral("Failed to read sectors: %1").arg(lastErrorText()));
            return false;
        }
        return true;
    }
    AlignedBuffer temp(span, memAlign);
    if (!temp) {
        Logger::instance().error(QStringLiteral("Failed to allocate aligned buffer for read"));
        return false;
    }
    if (!readFully(handle, start, temp.data(), span, head + length)) {
        Logger::instance().error(QStringLiteral("Failed to read sectors: %1").arg(lastErrorText()));
        return false;
    }
    std::memcpy(buffer, temp.data() + head, length);
    return true;
}

bool DiskIO::writeAlignedRange(DeviceHandle* handle, uint64_t offset, uint64_t length, const void* buffer,
                               uint32_t alignment)
{
    if (refuseMissingHandle(handle))
        return false;
    if (length == 0)
        return true;
    if (alignment == 0)
        alignment = 512;
    EnclosingSpan plan;
    if (!planSpan(handle, offset, length, alignment, QStringLiteral("Failed to write sectors: %1"), plan))
        return false;
    const auto [head, start, span] = plan;
    const uint32_t memAlign = memoryAlignment(alignment);
    const bool exact = head == 0 && span == length;

    if (exact && isAligned(buffer, memAlign)) {
        if (!writeFully(handle, start, static_cast<const uint8_t*>(buffer), span)) {
            Logger::instance().error(QStringLiteral("Failed to write sectors: %1").arg(lastErrorText()));
            return false;
        }
        return true;
    }
    AlignedBuffer temp(span, memAlign);
    if (!temp) {
        Logger::instance().error(QStringLiteral("Failed to allocate aligned buffer for write"));
        return false;
    }
    if (!exact) {
        // Neighbouring bytes must come from the disk; a span that cannot be read is never written.
        if (!readFully(handle, start, temp.data(), span, span)) {
            const uint32_t code = Platform::lastErrorCode();
            const std::string text = Platform::lastErrorText();
            Platform::setLastError(code == PlatformError::Success ? PlatformError::IoDevice : code,
                                   "Could not read the surrounding sectors before writing: " + text);
            Logger::instance().error(QStringLiteral("Failed to write sectors: %1").arg(lastErrorText()));
            return false;
        }
    }
    std::memcpy(temp.data() + head, buffer, length);
    if (!writeFully(handle, start, temp.data(), span)) {
        Logger::instance().error(QStringLiteral("Failed to write sectors: %1").arg(lastErrorText()));
        return false;
    }
    return true;
}

bool DiskIO::readSectorsAligned(DeviceHandle* handle, uint64_t sector, uint32_t count, void* buffer,
                                uint32_t sectorSize, uint32_t alignment)
{
    uint64_t offset = 0;
    if (!checkedOffset(sector, sectorSize, offset)) {
        Logger::instance().error(QStringLiteral("Failed to seek: %1").arg(lastErrorText()));
        return false;
    }
    return readAlignedRange(handle, offset, uint64_t(count) * sectorSize, buffer, alignment);
}

bool DiskIO::writeSectorsAligned(DeviceHandle* handle, uint64_t sector, uint32_t count, const void* buffer,
                                 uint32_t sectorSize, uint32_t alignment)
{
    uint64_t offset = 0;
    if (!checkedOffset(sector, sectorSize, offset)) {
        Logger::instance().error(QStringLiteral("Failed to seek: %1").arg(lastErrorText()));
        return false;
    }
    return writeAlignedRange(handle, offset, uint64_t(count) * sectorSize, buffer, alignment);
}

bool DiskIO::getDiskGeometry(DeviceHandle* handle, DiskGeometry& geometry)
{
    PlatformGeometry g;
    if (!handle || !handle->geometry(g)) {
        if (!handle)
            Platform::setLastError(PlatformError::InvalidHandle, "The handle is invalid");
        Logger::instance().error(QStringLiteral("Failed to get disk geometry: %1").arg(lastErrorText()));
        return false;
    }
    geometry.diskSize = g.diskSize;
    geometry.bytesPerSector = g.bytesPerSector;
    geometry.totalSectors = g.bytesPerSector ? g.diskSize / g.bytesPerSector : 0;
    geometry.cylinders = static_cast<uint32_t>(static_cast<uint64_t>(g.cylinders) & 0xFFFFFFFFu);
    geometry.tracksPerCylinder = g.tracksPerCylinder;
    geometry.sectorsPerTrack = g.sectorsPerTrack;
    return true;
}

bool DiskIO::queryAlignment(DeviceHandle* handle, StorageAlignment& alignment)
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

QString DiskIO::getBusType(int diskNumber)
{
    const QString unknown = QStringLiteral("Unknown");
    DiskHandle h = Platform::current().openDevice(native(physicalDrive(diskNumber)), DeviceAccess::Read,
                                                  DeviceFlags::None);
    if (!h)
        return unknown;
    PlatformDeviceDescriptor d;
    if (!h->deviceDescriptor(d) || d.answerLength < DescriptorMinimumAnswer)
        return unknown;
    return busTypeName(d.busType);
}

QString DiskIO::busTypeName(int busType)
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

bool DiskIO::isSsd(int diskNumber)
{
    DiskHandle h = Platform::current().openDevice(native(physicalDrive(diskNumber)), DeviceAccess::Read,
                                                  DeviceFlags::None);
    bool penalty = true;
    if (!h || !h->seekPenalty(penalty))
        return false;
    return !penalty;
}

QList<DiskExtent> DiskIO::getVolumeDiskExtents(const QString& volumePath)
{
    QString path = volumePath;
    if (path.endsWith(QLatin1Char('\\')))
        path.chop(1);
    QList<DiskExtent> result;
    DiskHandle h = Platform::current().openDevice(native(path), DeviceAccess::Read, DeviceFlags::None);
    std::vector<PlatformExtent> extents;
    if (!h || !h->volumeDiskExtents(extents))
        return result;
    for (const PlatformExtent& e : extents) {
        if (result.size() >= MaxVolumeExtents)
            break;
        result.append(DiskExtent{e.diskNumber, e.startingOffset, e.extentLength});
    }
    return result;
}

int DiskIO::getDiskNumberForVolume(const QString& volumePath)
{
    const QList<DiskExtent> extents = getVolumeDiskExtents(volumePath);
    return extents.isEmpty() ? -1 : static_cast<int>(extents.first().diskNumber);
}

QStringList DiskIO::enumerateVolumes()
{
    QStringList result;
    for (const std::string& name : Platform::current().enumerateVolumes())
        result.append(QString::fromStdString(name));
    return result;
}

QStringList DiskIO::getVolumeMountPaths(const QString& volumeName)
{
    QStringList result;
    for (const std::string& p : Platform::current().volumeMountPaths(native(volumeName)))
        result.append(QString::fromStdString(p));
    return result;
}

QString DiskIO::getVolumeNameForMountPoint(const QString& path)
{
    // The platform wants a trailing backslash; a bare letter gets its colon too. Folders keep their name.
    QString mountPoint = path;
    if (mountPoint.endsWith(QLatin1Char(':')))
        mountPoint += QLatin1Char('\\');
    else if (mountPoint.size() == 1 && mountPoint.at(0).isLetter())
        mountPoint += QStringLiteral(":\\");
    else if (!mountPoint.endsWith(QLatin1Char('\\')))
        mountPoint += QLatin1Char('\\');
    return QString::fromStdString(Platform::current().volumeNameForMountPoint(native(mountPoint)));
}

bool DiskIO::unlockVolume(DeviceHandle* handle) { return handle && handle->unlockVolume(); }

bool DiskIO::updateDiskProperties(DeviceHandle* handle)
{
    if (handle && handle->updateDiskProperties())
        return true;
    if (!handle)
        Platform::setLastError(PlatformError::InvalidHandle, "The handle is invalid");
    Logger::instance().warning(QStringLiteral("Failed to update disk properties: %1").arg(lastErrorText()));
    return false;
}

bool DiskIO::flush(DeviceHandle* handle) { return handle && handle->flush(); }

QString DiskIO::lastErrorText() { return QString::fromStdString(Platform::lastErrorText()).trimmed(); }

// ---------------------------------------------------------------------------------------------
// Object layer

DiskIO::DiskIO(QObject* parent) : QObject(parent)
{
    allocateAlignedBuffer();
    allocateDoubleBuffers();
}

DiskIO::~DiskIO() { close(); }

bool DiskIO::fail(const QString& message)
{
    m_lastError = message;
    emit error(message);
    return false;
}

bool DiskIO::refuseSameDevice(const QString& sourcePath, const QString& targetPath)
{
    const bool same = QString::compare(sourcePath, targetPath, Qt::CaseInsensitive) == 0
        || Platform::current().sameDevice(native(sourcePath), native(targetPath));
    if (!same)
        return false;
    Logger::instance().error(
        QStringLiteral("Source and target are the same device: %1 and %2").arg(sourcePath, targetPath));
    m_lastError = tr("Source and target are the same device: %1 and %2").arg(sourcePath, targetPath);
    return true;
}

bool DiskIO::openSource(const QString& path)
{
    QMutexLocker lock(&m_mutex);
    if (m_target && refuseSameDevice(path, m_targetPath))
        return false;
    m_source.reset();
    m_sourcePath.clear();

    DiskHandle h;
    const int n = diskNumberOfPath(path);
    if (n == -1) {
        h = openVolume(path, false);
    } else if (n == -2) {
        Platform::setLastError(PlatformError::InvalidParameter, "The disk path has no valid drive number");
    } else {
        h = Platform::current().openDevice(native(physicalDrive(n)), DeviceAccess::Read,
                                           DeviceFlags::NoBufferingSequentialScan);
        if (h)
            Logger::instance().info(QStringLiteral("Source opened with NO_BUFFERING flag"));
        else
            h = openDisk(n, false);
    }
    if (!h) {
        const QString err = lastErrorText();
        Logger::instance().error(QStringLiteral("Failed to open source: %1").arg(err));
        m_lastError = tr("Failed to open source: %1").arg(err);
        return false;
    }
    logOpenNote(h.get());
    StorageAlignment a;
    queryAlignment(h.get(), a);
    m_sectorSize = a.logicalSector;
    m_sourceLogicalSector = a.logicalSector;
    m_sourcePhysicalSector = a.physicalSector;
    m_sourceAlignment = a.physicalSector;
    m_source = std::move(h);
    m_sourcePath = path;
    Logger::instance().info(QStringLiteral("Source disk: logical sector=%1, physical sector=%2")
                                .arg(m_sourceLogicalSector)
                                .arg(m_sourcePhysicalSector));
    Logger::instance().info(QStringLiteral("Opened source: %1").arg(path));
    return true;
}

bool DiskIO::openSourceDisk(int diskNumber) { return openSource(physicalDrive(diskNumber)); }

bool DiskIO::openTarget(const QString& path)
{
    QMutexLocker lock(&m_mutex);
    // Checked before any volume is locked: the source's volumes must stay untouched.
    if (m_source && refuseSameDevice(m_sourcePath, path))
        return false;
    closeTargetLocked();
    m_targetPath.clear();

    DiskHandle h;
    const int n = diskNumberOfPath(path);
    if (n == -1) {
        h = openVolume(path, true);
    } else if (n == -2) {
        Platform::setLastError(PlatformError::InvalidParameter, "The disk path has no valid drive number");
    } else {
        m_targetDiskNumber = n;
        if (!lockTargetVolumesLocked())
            Logger::instance().warning(QStringLiteral("Failed to lock some target volumes, continuing anyway..."));
        h = Platform::current().openDevice(native(physicalDrive(n)), DeviceAccess::ReadWrite,
                                           DeviceFlags::NoBufferingSequentialScan);
        if (h)
            Logger::instance().info(QStringLiteral("Target opened with NO_BUFFERING | SEQUENTIAL_SCAN flags"));
        else
            h = openDisk(n, true);
    }
    if (!h) {
        const QString err = lastErrorText();
        Logger::instance().error(QStringLiteral("Failed to open target: %1").arg(err));
        m_lastError = tr("Failed to open target: %1").arg(err);
        return false;
    }
    logOpenNote(h.get());
    StorageAlignment a;
    queryAlignment(h.get(), a);
    m_targetLogicalSector = a.logicalSector;
    m_targetPhysicalSector = a.physicalSector;
    m_targetAlignment = a.physicalSector;
    m_target = std::move(h);
    m_targetPath = path;
    Logger::instance().info(QStringLiteral("Target disk: logical sector=%1, physical sector=%2")
                                .arg(m_targetLogicalSector)
                                .arg(m_targetPhysicalSector));
    m_bufferAlignment = std::max({m_sourceAlignment, m_targetAlignment, MinimumBufferAlignment});
    allocateAlignedBuffer();
    allocateDoubleBuffers();
    Logger::instance().info(QStringLiteral("Opened target: %1, using alignment: %2").arg(path).arg(m_bufferAlignment));
    return true;
}

bool DiskIO::openTargetDisk(int diskNumber) { return openTarget(physicalDrive(diskNumber)); }

bool DiskIO::readSideBytes(DeviceHandle* handle, uint64_t offset, uint64_t length, void* buffer,
                           uint32_t sectorSize, uint32_t alignment, const QString& failText)
{
    if (readAlignedRange(handle, offset, length, buffer, alignment))
        return true;
    return fail(failText.arg(sectorSize ? offset / sectorSize : 0).arg(lastErrorText()));
}

bool DiskIO::readSource(uint64_t sector, uint32_t count, void* buffer)
{
    if (!m_source) {
        m_lastError = tr("Source not opened");
        return false;
    }
    if (readSectorsAligned(m_source.get(), sector, count, buffer, m_sectorSize, m_sourceAlignment))
        return true;
    return fail(tr("Read failed at sector %1: %2").arg(sector).arg(lastErrorText()));
}

bool DiskIO::readSourceBytes(uint64_t offset, uint64_t length, void* buffer)
{
    if (!m_source) {
        m_lastError = tr("Source not opened");
        return false;
    }
    return readSideBytes(m_source.get(), offset, length, buffer, m_sectorSize, m_sourceAlignment,
                         tr("Read failed at sector %1: %2"));
}

bool DiskIO::readTarget(uint64_t sector, uint32_t count, void* buffer)
{
    if (!m_target) {
        m_lastError = tr("Target not opened");
        return false;
    }
    if (readSectorsAligned(m_target.get(), sector, count, buffer, m_targetLogicalSector, m_targetAlignment))
        return true;
    return fail(tr("Read target failed at sector %1: %2").arg(sector).arg(lastErrorText()));
}

bool DiskIO::readTargetBytes(uint64_t offset, uint64_t length, void* buffer)
{
    if (!m_target) {
        m_lastError = tr("Target not opened");
        return false;
    }
    return readSideBytes(m_target.get(), offset, length, buffer, m_targetLogicalSector, m_targetAlignment,
                         tr("Read target failed at sector %1: %2"));
}

bool DiskIO::writeTarget(uint64_t sector, uint32_t count, const void* buffer)
{
    if (!m_target) {
        m_lastError = tr("Target not opened");
        return false;
    }
    if (writeSectorsAligned(m_target.get(), sector, count, buffer, m_targetLogicalSector, m_targetAlignment))
        return true;
    return fail(tr("Write failed at sector %1: %2").arg(sector).arg(lastErrorText()));
}

bool DiskIO::writeTargetBytes(uint64_t offset, uint64_t length, const void* buffer)
{
    if (!m_target) {
        m_lastError = tr("Target not opened");
        return false;
    }
    if (writeAlignedRange(m_target.get(), offset, length, buffer, m_targetAlignment))
        return true;
    return fail(tr("Write failed at sector %1: %2")
                    .arg(m_targetLogicalSector ? offset / m_targetLogicalSector : 0)
                    .arg(lastErrorText()));
}

bool DiskIO::flushTarget() { return m_target && m_target->flush(); }

bool DiskIO::lockTargetVolumes()
{
    QMutexLocker lock(&m_mutex);
    return lockTargetVolumesLocked();
}

bool DiskIO::lockTargetVolumesLocked()
{
    if (m_targetDiskNumber < 0)
        return true;
    bool allLocked = true;
    for (const QString& volume : enumerateVolumes()) {
        for (const DiskExtent& extent : getVolumeDiskExtents(volume)) {
            if (extent.diskNumber != static_cast<uint32_t>(m_targetDiskNumber))
                continue;
            Logger::instance().info(QStringLiteral("Locking volume on target disk: %1").arg(volume));
            QString path = volume;
            if (path.endsWith(QLatin1Char('\\')))
                path.chop(1);
            DiskHandle h = Platform::current().openDevice(native(path), DeviceAccess::ReadWrite, DeviceFlags::None);
            if (!h) {
                Logger::instance().warning(
                    QStringLiteral("Cannot open volume: %1, error: %2").arg(volume, lastErrorText()));
                allLocked = false;
                continue;
            }
            if (!h->lockVolume()) {
                Logger::instance().warning(QStringLiteral("Cannot lock volume: %1").arg(volume));
                allLocked = false;
            }
            if (!h->dismountVolume())
                Logger::instance().warning(QStringLiteral("Cannot dismount volume: %1").arg(volume));
            h->allowExtendedAccess();
            m_lockedVolumes.push_back(std::move(h));
            Logger::instance().info(QStringLiteral("Volume locked and dismounted: %1").arg(volume));
            break;
        }
    }
    return allLocked;
}

void DiskIO::closeTargetLocked()
{
    for (DiskHandle& v : m_lockedVolumes)
        v->unlockVolume();
    m_lockedVolumes.clear();
    if (m_target) {
        if (!m_target->flush())
            Logger::instance().warning(QStringLiteral("Failed to flush target: %1").arg(lastErrorText()));
        m_target.reset();
    }
}

void DiskIO::closeTarget()
{
    QMutexLocker lock(&m_mutex);
    closeTargetLocked();
}

void DiskIO::close()
{
    {
        QMutexLocker lock(&m_mutex);
        m_source.reset();
    }
    closeTarget();
}

void DiskIO::cancel()
{
    m_cancelled.store(true);
    Logger::instance().info(QStringLiteral("Copy cancellation requested"));
}

bool DiskIO::hasSource() const
{
    QMutexLocker lock(&m_mutex);
    return m_source != nullptr;
}

bool DiskIO::hasTarget() const
{
    QMutexLocker lock(&m_mutex);
    return m_target != nullptr;
}

// ---------------------------------------------------------------------------------------------
// Bulk copy

void DiskIO::allocateAlignedBuffer()
{
    m_alignedBuffer.reset();
    uint64_t size = m_bufferSize / m_bufferAlignment * m_bufferAlignment;
    if (size < m_bufferAlignment)
        size = m_bufferAlignment;
    m_bufferSize = size;
    AlignedBuffer buffer(size, m_bufferAlignment);
    if (!buffer)
        return;
    m_alignedBuffer = std::move(buffer);
    Logger::instance().info(QStringLiteral("Allocated aligned buffer: %1 MB").arg(size / MiB));
}

void DiskIO::allocateDoubleBuffers()
{
    m_bufferA.reset();
    m_bufferB.reset();
    AlignedBuffer a(m_bufferSize, m_bufferAlignment);
    AlignedBuffer b(m_bufferSize, m_bufferAlignment);
    if (!a || !b)
        return;
    m_bufferA = std::move(a);
    m_bufferB = std::move(b);
    Logger::instance().info(QStringLiteral("Allocated double buffers: 2 x %1 MB").arg(m_bufferSize / MiB));
}

void DiskIO::resetStats()
{
    m_currentSpeed = 0;
    m_bytesCopied = 0;
    m_copyStartTime = 0;
    m_speedSampleTime = 0;
    m_speedSampleBytes = 0;
}

void DiskIO::updateSpeed()
{
    const int64_t now = nowMs();
    if (m_speedSampleTime == 0) {
        m_speedSampleBytes = m_bytesCopied;
        m_speedSampleTime = now;
        return;
    }
    const int64_t window = now - m_speedSampleTime;
    if (window < SpeedWindowMs)
        return;
    m_currentSpeed = (m_bytesCopied - m_speedSampleBytes) * 1000 / uint64_t(window);
    m_speedSampleBytes = m_bytesCopied;
    m_speedSampleTime = now;
    emit speedChanged(m_currentSpeed);
}

bool DiskIO::copySectors(uint64_t srcSector, uint64_t dstSector, uint32_t count)
{
    if (count == 0)
        return true;
    if (!m_alignedBuffer) {
        m_lastError = tr("Aligned buffer not allocated");
        return false;
    }
    const uint64_t chunk = m_sectorSize ? m_alignedBuffer.size() / m_sectorSize : 0;
    if (chunk == 0) {
        m_lastError = tr("Aligned buffer not allocated");
        return false;
    }
    if (m_copyStartTime == 0)
        m_copyStartTime = nowMs();
    uint64_t remaining = count;
    while (remaining > 0 && !m_cancelled.load()) {
        const uint32_t n = static_cast<uint32_t>(std::min<uint64_t>(remaining, chunk));
        if (!readSource(srcSector, n, m_alignedBuffer.data()))
            return false;
        const bool written = m_targetLogicalSector == m_sectorSize
            ? writeTarget(dstSector, n, m_alignedBuffer.data())
            : writeTargetBytes(dstSector * m_sectorSize, uint64_t(n) * m_sectorSize, m_alignedBuffer.data());
        if (!written)
            return false;
        srcSector += n;
        dstSector += n;
        remaining -= n;
        m_bytesCopied += uint64_t(n) * m_sectorSize;
        updateSpeed();
    }
    return !m_cancelled.load();
}

bool DiskIO::copyBytes(uint64_t srcOffset, uint64_t dstOffset, uint64_t length)
{
    if (!m_alignedBuffer) {
        m_lastError = tr("Aligned buffer not allocated");
        return false;
    }
    if (m_copyStartTime == 0)
        m_copyStartTime = nowMs();
    QElapsedTimer sinceEvents;
    sinceEvents.start();
    uint64_t done = 0;
    while (done < length && !m_cancelled.load()) {
        const uint64_t chunk = std::min<uint64_t>(m_alignedBuffer.size(), length - done);
        if (!readSourceBytes(srcOffset + done, chunk, m_alignedBuffer.data()))
            return false;
        if (!writeTargetBytes(dstOffset + done, chunk, m_alignedBuffer.data()))
            return false;
        m_bytesCopied += chunk;
        done += chunk;
        updateSpeed();
        emit progressChanged(done, length);
        if (sinceEvents.elapsed() > EventPollMs) {
            QCoreApplication::processEvents();
            sinceEvents.restart();
        }
    }
    return !m_cancelled.load();
}

bool DiskIO::fastCopy(uint64_t srcOffset, uint64_t dstOffset, uint64_t length)
{
    if (!m_bufferA || !m_bufferB) {
        m_lastError = tr("Double buffers not allocated");
        Logger::instance().error(QStringLiteral("Double buffers not allocated"));
        return false;
    }
    if (!m_source || !m_target) {
        m_lastError = tr("Source or target not opened");
        Logger::instance().error(QStringLiteral("Source or target not opened"));
        return false;
    }
    m_cancelled.store(false);
    Logger::instance().info(
        QStringLiteral("Starting fast copy: %1 bytes from offset %2 to %3").arg(length).arg(srcOffset).arg(dstOffset));
    Logger::instance().info(QStringLiteral("Buffer size: %1 MB").arg(m_bufferSize / MiB));

    const int64_t start = nowMs();
    m_copyStartTime = start;
    m_bytesCopied = 0;
    m_speedSampleTime = start;
    m_speedSampleBytes = 0;
    QElapsedTimer timer;
    timer.start();

    const uint64_t chunkMax = std::min(m_bufferA.size(), m_bufferB.size());
    AlignedBuffer* readBuffer = &m_bufferA;
    AlignedBuffer* writeBuffer = &m_bufferB;
    uint64_t pendingLength = 0;
    uint64_t pendingOffset = 0;
    uint64_t read = 0;
    bool result = true;

    auto writePending = [&]() -> bool {
        uint64_t written = 0;
        while (written < pendingLength && !m_cancelled.load()) {
            const uint64_t piece = std::min(FastCopyPieceBytes, pendingLength - written);
            if (!writeTargetBytes(pendingOffset + written, piece, writeBuffer->data() + written))
                return false;
            written += piece;
            if (timer.elapsed() >= SpeedWindowMs) {
                m_bytesCopied = read - pendingLength + written;
                updateSpeed();
                timer.restart();
            }
        }
        return true;
    };

    while (read < length && !m_cancelled.load()) {
        const uint64_t chunk = std::min(chunkMax, length - read);
        if (!readSourceBytes(srcOffset + read, chunk, readBuffer->data())) {
            result = false;
            break;
        }
        if (pendingLength > 0) {
            if (!writePending()) {
                result = false;
                break;
            }
            if (m_cancelled.load())
                break;
        }
        std::swap(readBuffer, writeBuffer);
        pendingLength = chunk;
        pendingOffset = dstOffset + read;
        read += chunk;
        m_bytesCopied = read;
        if (timer.elapsed() >= SpeedWindowMs) {
            updateSpeed();
            timer.restart();
        }
    }
    if (result && !m_cancelled.load() && pendingLength > 0 && !writePending())
        result = false;
    // A flush that fails means the data may not be on the device: that is a failed copy.
    if (result && !m_cancelled.load() && !m_target->flush()) {
        const QString err = lastErrorText();
        Logger::instance().error(QStringLiteral("Failed to flush target: %1").arg(err));
        fail(tr("Failed to flush target: %1").arg(err));
        result = false;
    }

    m_bytesCopied = read;
    if (result && !m_cancelled.load()) {
        const int64_t elapsed = nowMs() - m_copyStartTime;
        if (elapsed > 0) {
            m_currentSpeed = m_bytesCopied * 1000 / uint64_t(elapsed);
            emit speedChanged(m_currentSpeed);
            Logger::instance().info(QStringLiteral("Fast copy completed: %1 MB in %2 seconds, average speed: %3 MB/s")
                                        .arg(m_bytesCopied / MiB)
                                        .arg(QString::number(elapsed / 1000.0, 'f', 1))
                                        .arg(m_currentSpeed / MiB));
        }
    }
    if (m_cancelled.load()) {
        Logger::instance().info(QStringLiteral("Fast copy cancelled by user"));
        return false;
    }
    return result;
}
