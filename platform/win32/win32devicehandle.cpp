#include "platform/win32/win32devicehandle.h"

#include "platform/layoutparser.h"
#include "platform/win32/win32answerparser.h"
#include "platform/win32/win32platform.h"

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#include <winioctl.h>

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <functional>
#include <memory>

namespace {

constexpr DWORD GeometryAnswerBytes = 256;              // DISK_GEOMETRY_EX and its trailing detection data
constexpr DWORD DescriptorAnswerBytes = 1024;
constexpr DWORD DescriptorAnswerLimit = 65536;
constexpr DWORD LayoutAnswerBytes = 18624;               // header and 129 entries
constexpr DWORD LayoutAnswerLimit = 16 * 1024 * 1024;
constexpr DWORD ExtentsAnswerBytes = 272;                // header and 11 extents
constexpr uint32_t ExtentCountLimit = 65536;
constexpr DWORD BitmapAnswerBytes = 1048576;
// Whole transfers are split so each ReadFile/WriteFile length fits a DWORD and stays a
// multiple of any sector size.
constexpr uint64_t TransferChunk = 1u << 30;
constexpr DWORD WaitSliceMs = 200;
constexpr DWORD ControlLimitMs = 120000;
constexpr DWORD TransferBaseLimitMs = 60000;
constexpr DWORD BytesPerLimitMs = 1048576 / 1000;
// DEVICE_TRIM_DESCRIPTOR: Version, Size, then the TrimEnabled byte.
constexpr size_t TrimAnswerBytes = 12;
constexpr size_t TrimEnabledOffset = 8;
// Trim ranges are cut to this length and sent this many at a time: devices take a bounded list.
constexpr uint64_t TrimRangeBytes = 256ull * 1048576;
constexpr size_t TrimRangesPerCall = 64;

HANDLE h(void* handle) { return static_cast<HANDLE>(handle); }

// One OVERLAPPED call waited for on the spot: every handle is opened for overlapped I/O, where
// a call without an OVERLAPPED has no defined position or result. The wait has a limit and looks
// at the cancel flag between slices, so a hung device cannot hold the run for ever.
class WaitedCall {
public:
    explicit WaitedCall(uint64_t offset = 0)
    {
        m_event = CreateEventW(nullptr, TRUE, FALSE, nullptr);
        m_overlapped.Offset = static_cast<DWORD>(offset);
        m_overlapped.OffsetHigh = static_cast<DWORD>(offset >> 32);
        m_overlapped.hEvent = m_event;
    }
    ~WaitedCall()
    {
        if (m_event)
            CloseHandle(m_event);
    }
    WaitedCall(const WaitedCall&) = delete;
    WaitedCall& operator=(const WaitedCall&) = delete;

    bool ready() const { return m_event != nullptr; }
    OVERLAPPED* get() { return &m_overlapped; }
    // `started` is what the call returned; waits for a pending call at most `limitMs` and while
    // `cancel` stays false, and leaves GetLastError set on failure (ERROR_TIMEOUT,
    // ERROR_OPERATION_ABORTED for a wait given up).
    bool finish(HANDLE handle, BOOL started, DWORD& transferred, DWORD limitMs, const std::function<bool()>& cancel)
    {
        transferred = 0;
        if (!started && GetLastError() != ERROR_IO_PENDING) {
            const DWORD err = GetLastError();
            // A call that failed at once left the OVERLAPPED unwritten; only a cut answer carries bytes.
            if (err == ERROR_MORE_DATA)
                transferred = static_cast<DWORD>(m_overlapped.InternalHigh);
            SetLastError(err);
            return false;
        }
        // Done at once: nothing to wait for (Wine does not set the event for every call that completes so).
        if (started)
            return GetOverlappedResult(handle, &m_overlapped, &transferred, FALSE) != FALSE;
        for (DWORD waited = 0;;) {
            const DWORD result = WaitForSingleObject(m_event, WaitSliceMs);
            if (result == WAIT_OBJECT_0 || result == WAIT_FAILED)
                break;
            waited += WaitSliceMs;
            const bool cancelled = cancel();
            if (!cancelled && waited < limitMs)
                continue;
            CancelIoEx(handle, &m_overlapped);
            // The system writes into the OVERLAPPED and the buffer until the call ends, cancelled or not.
            if (GetOverlappedResult(handle, &m_overlapped, &transferred, TRUE))
                return true;
            SetLastError(cancelled ? ERROR_OPERATION_ABORTED : ERROR_TIMEOUT);
            return false;
        }
        return GetOverlappedResult(handle, &m_overlapped, &transferred, TRUE) != FALSE;
    }

private:
    HANDLE m_event = nullptr;
    OVERLAPPED m_overlapped{};
};

// A transfer may take a minute plus a second per mebibyte; a device slower than that is hung.
DWORD transferLimitMs(DWORD bytes) { return TransferBaseLimitMs + bytes / BytesPerLimitMs; }

} // namespace

Win32DeviceHandle::Win32DeviceHandle(void* handle, std::string path)
    : m_handle(handle), m_path(std::move(path))
{
    // Disks and volumes answer the geometry request; files do not, and have a size that must not grow.
    std::vector<uint8_t> answer(GeometryAnswerBytes, 0);
    unsigned long returned = 0;
    LARGE_INTEGER size{};
    if (m_handle && h(m_handle) != INVALID_HANDLE_VALUE
        && !control(IOCTL_DISK_GET_DRIVE_GEOMETRY_EX, nullptr, 0, answer.data(), GeometryAnswerBytes, returned)
        && GetFileSizeEx(h(m_handle), &size))
        m_fileSize = size.QuadPart;
}

bool Win32DeviceHandle::writableLength(uint64_t offset, uint64_t length, uint64_t& allowed) const
{
    allowed = length;
    if (m_fileSize < 0 || length == 0)
        return true;
    const uint64_t end = static_cast<uint64_t>(m_fileSize);
    if (offset >= end) {
        Win32Platform::reportError(ERROR_HANDLE_EOF);
        return false;
    }
    allowed = std::min(length, end - offset);
    return true;
}

Win32DeviceHandle::~Win32DeviceHandle()
{
    if (m_handle && h(m_handle) != INVALID_HANDLE_VALUE)
        CloseHandle(h(m_handle));
}

std::string Win32DeviceHandle::path() const { return m_path; }

bool Win32DeviceHandle::control(unsigned long code, const void* input, unsigned long inputLength, void* output,
                                unsigned long outputLength, unsigned long& returned)
{
    returned = 0;
    WaitedCall call;
    if (!call.ready())
        return false;
    const BOOL started = DeviceIoControl(h(m_handle), code, const_cast<void*>(input), inputLength, output,
                                         outputLength, nullptr, call.get());
    DWORD got = 0;
    const bool ok = call.finish(h(m_handle), started, got, ControlLimitMs, [this] { return cancelRequested(); });
    returned = std::min<DWORD>(got, outputLength);
    return ok;
}

bool Win32DeviceHandle::transfer(bool write, uint64_t offset, uint8_t* buffer, uint64_t length, uint64_t& done)
{
    done = 0;
    if (offset > static_cast<uint64_t>(INT64_MAX) || length > static_cast<uint64_t>(INT64_MAX) - offset) {
        Win32Platform::reportError(ERROR_NEGATIVE_SEEK);
        return false;
    }
    if (write && !writableLength(offset, length, length))
        return false;
    while (done < length) {
        const DWORD ask = static_cast<DWORD>(std::min(length - done, TransferChunk));
        WaitedCall call(offset + done);
        if (!call.ready()) {
            Win32Platform::reportLastError();
            return false;
        }
        const BOOL started = write ? WriteFile(h(m_handle), buffer + done, ask, nullptr, call.get())
                                   : ReadFile(h(m_handle), buffer + done, ask, nullptr, call.get());
        DWORD moved = 0;
        if (!call.finish(h(m_handle), started, moved, transferLimitMs(ask), [this] { return cancelRequested(); })) {
            const DWORD err = GetLastError();
            done += moved;
            if (!write && err == ERROR_HANDLE_EOF)
                break;
            Win32Platform::reportError(err);
            return false;
        }
        done += moved;
        if (moved == 0) {
            if (!write)
                break;   // end of the device or file
            // No progress and no error: the device is full; never report that as success.
            Win32Platform::reportError(ERROR_HANDLE_DISK_FULL);
            return false;
        }
    }
    Win32Platform::clearError();
    return true;
}

bool Win32DeviceHandle::readAt(uint64_t offset, void* buffer, uint64_t length, uint64_t& done)
{
    return transfer(false, offset, static_cast<uint8_t*>(buffer), length, done);
}

bool Win32DeviceHandle::writeAt(uint64_t offset, const void* buffer, uint64_t length, uint64_t& done)
{
    // WriteFile never writes into the buffer; the cast only shares the loop with reads.
    return transfer(true, offset, static_cast<uint8_t*>(const_cast<void*>(buffer)), length, done);
}

bool Win32DeviceHandle::flush()
{
    if (!FlushFileBuffers(h(m_handle))) {
        Win32Platform::reportLastError();
        return false;
    }
    Win32Platform::clearError();
    return true;
}

bool Win32DeviceHandle::simpleControl(unsigned long code)
{
    unsigned long returned = 0;
    if (!control(code, nullptr, 0, nullptr, 0, returned)) {
        Win32Platform::reportLastError();
        return false;
    }
    Win32Platform::clearError();
    return true;
}

bool Win32DeviceHandle::queryProperty(int propertyId, std::vector<uint8_t>& answer, unsigned long& returned)
{
    STORAGE_PROPERTY_QUERY query{};
    query.PropertyId = static_cast<STORAGE_PROPERTY_ID>(propertyId);
    query.QueryType = PropertyStandardQuery;
    if (!control(IOCTL_STORAGE_QUERY_PROPERTY, &query, sizeof(query), answer.data(),
                 static_cast<DWORD>(answer.size()), returned)) {
        Win32Platform::reportLastError();
        return false;
    }
    return true;
}

bool Win32DeviceHandle::fileStorage(uint32_t& logical, uint32_t& physical, uint32_t& alignmentOffset)
{
    FILE_STORAGE_INFO info{};
    if (GetFileInformationByHandleEx(h(m_handle), FileStorageInfo, &info, sizeof(info)) && info.LogicalBytesPerSector) {
        logical = info.LogicalBytesPerSector;
        physical = std::max<uint32_t>(info.PhysicalBytesPerSectorForPerformance, logical);
        alignmentOffset = info.ByteOffsetForSectorAlignment == STORAGE_INFO_OFFSET_UNKNOWN
            ? 0 : info.ByteOffsetForSectorAlignment;
        return true;
    }
    // Before Windows 8 (and where the class is not answered): the sector size of the volume's root.
    const std::wstring name = Win32Platform::wide(m_path);
    std::vector<wchar_t> root(name.size() + MAX_PATH + 1, 0);
    DWORD sectorsPerCluster = 0, bytesPerSector = 0, freeClusters = 0, clusters = 0;
    if (GetFileType(h(m_handle)) != FILE_TYPE_DISK
        || !GetVolumePathNameW(name.c_str(), root.data(), static_cast<DWORD>(root.size()))
        || !GetDiskFreeSpaceW(root.data(), &sectorsPerCluster, &bytesPerSector, &freeClusters, &clusters)
        || bytesPerSector == 0)
        return false;
    logical = physical = bytesPerSector;
    alignmentOffset = 0;
    return true;
}

DeviceHandle::Discard Win32DeviceHandle::discardKind()
{
    if (m_discardAsked)
        return m_discardKind;
    m_discardAsked = true;
    if (m_fileSize >= 0) {
        m_discardKind = Discard::Zeroes;  // a sparse file's zeroed range reads back as zeros
        return m_discardKind;
    }
    std::vector<uint8_t> answer(TrimAnswerBytes, 0);
    unsigned long returned = 0;
    if (queryProperty(StorageDeviceTrimProperty, answer, returned) && returned > TrimEnabledOffset
        && answer[TrimEnabledOffset] != 0)
        m_discardKind = Discard::Undefined;
    Win32Platform::clearError();
    return m_discardKind;
}

bool Win32DeviceHandle::discard(uint64_t offset, uint64_t length)
{
    if (discardKind() == Discard::None)
        return DeviceHandle::discard(offset, length);
    if (offset > static_cast<uint64_t>(INT64_MAX) || length > static_cast<uint64_t>(INT64_MAX) - offset) {
        Win32Platform::reportError(ERROR_NEGATIVE_SEEK);
        return false;
    }
    if (length == 0)
        return true;
    const bool ok = m_fileSize >= 0 ? zeroFileRange(offset, length) : trim(offset, length);
    if (ok)
        Win32Platform::clearError();
    else if (GetLastError() == ERROR_NOT_SUPPORTED)
        m_discardKind = Discard::None;  // asked once, not again for every request
    return ok;
}

bool Win32DeviceHandle::zeroFileRange(uint64_t offset, uint64_t length)
{
    if (!writableLength(offset, length, length))
        return false;
    unsigned long returned = 0;
    if (!m_sparse) {
        FILE_SET_SPARSE_BUFFER sparse{};
        sparse.SetSparse = TRUE;
        if (!control(FSCTL_SET_SPARSE, &sparse, sizeof(sparse), nullptr, 0, returned)) {
            const DWORD err = GetLastError();
            Win32Platform::reportError(err == ERROR_INVALID_FUNCTION ? ERROR_NOT_SUPPORTED : err);
            return false;
        }
        m_sparse = true;
    }
    FILE_ZERO_DATA_INFORMATION zero{};
    zero.FileOffset.QuadPart = static_cast<LONGLONG>(offset);
    zero.BeyondFinalZero.QuadPart = static_cast<LONGLONG>(offset + length);
    if (!control(FSCTL_SET_ZERO_DATA, &zero, sizeof(zero), nullptr, 0, returned)) {
        Win32Platform::reportLastError();
        return false;
    }
    return true;
}

bool Win32DeviceHandle::trim(uint64_t offset, uint64_t length)
{
    // The request is the attributes header followed by its ranges, 8-byte aligned.
    const size_t rangesAt = (sizeof(DEVICE_MANAGE_DATA_SET_ATTRIBUTES) + 7) / 8 * 8;
    for (uint64_t done = 0; done < length;) {
        std::vector<uint8_t> request(rangesAt + TrimRangesPerCall * sizeof(DEVICE_DATA_SET_RANGE), 0);
        size_t count = 0;
        for (; count < TrimRangesPerCall && done < length; ++count) {
            DEVICE_DATA_SET_RANGE range{};
            range.StartingOffset = static_cast<LONGLONG>(offset + done);
            range.LengthInBytes = std::min(TrimRangeBytes, length - done);
            std::memcpy(request.data() + rangesAt + count * sizeof(range), &range, sizeof(range));
            done += range.LengthInBytes;
        }
        DEVICE_MANAGE_DATA_SET_ATTRIBUTES header{};
        header.Size = sizeof(header);
        header.Action = DeviceDsmAction_Trim;
        header.DataSetRangesOffset = static_cast<DWORD>(rangesAt);
        header.DataSetRangesLength = static_cast<DWORD>(count * sizeof(DEVICE_DATA_SET_RANGE));
        std::memcpy(request.data(), &header, sizeof(header));
        const DWORD used = static_cast<DWORD>(rangesAt + count * sizeof(DEVICE_DATA_SET_RANGE));
        unsigned long returned = 0;
        if (!control(IOCTL_STORAGE_MANAGE_DATA_SET_ATTRIBUTES, request.data(), used, nullptr, 0, returned)) {
            const DWORD err = GetLastError();
            Win32Platform::reportError(err == ERROR_INVALID_FUNCTION ? ERROR_NOT_SUPPORTED : err);
            return false;
        }
    }
    return true;
}

bool Win32DeviceHandle::geometry(PlatformGeometry& out)
{
    std::vector<uint8_t> answer(GeometryAnswerBytes, 0);
    unsigned long returned = 0;
    if (!control(IOCTL_DISK_GET_DRIVE_GEOMETRY_EX, nullptr, 0, answer.data(), GeometryAnswerBytes, returned)) {
        const DWORD err = GetLastError();
        // An image file: its size, and the sector size of the volume that holds it, which is what
        // unbuffered transfers on it must be multiples of.
        LARGE_INTEGER size{};
        uint32_t logical = 0, physical = 0, offset = 0;
        if (GetFileSizeEx(h(m_handle), &size) && fileStorage(logical, physical, offset)) {
            out = PlatformGeometry();
            out.diskSize = size.QuadPart;
            out.bytesPerSector = logical;
            Win32Platform::clearError();
            return true;
        }
        Win32Platform::reportError(err);
        return false;
    }
    if (!Win32AnswerParser::parseGeometry(answer.data(), returned, out)) {
        Win32Platform::reportError(ERROR_INVALID_DATA);
        return false;
    }
    // On a volume the geometry is its disk's; the volume's own length is asked separately.
    GET_LENGTH_INFORMATION length{};
    if (control(IOCTL_DISK_GET_LENGTH_INFO, nullptr, 0, &length, sizeof(length), returned)
        && returned >= sizeof(length))
        out.diskSize = length.Length.QuadPart;
    Win32Platform::clearError();
    return true;
}

bool Win32DeviceHandle::accessAlignment(PlatformAccessAlignment& out)
{
    std::vector<uint8_t> answer(Win32AnswerParser::AccessAlignmentAnswerSize, 0);
    unsigned long returned = 0;
    if (!queryProperty(StorageAccessAlignmentProperty, answer, returned)) {
        uint32_t logical = 0, physical = 0, offset = 0;
        if (!fileStorage(logical, physical, offset))
            return false;   // the property query's error stays
        out.bytesPerLogicalSector = logical;
        out.bytesPerPhysicalSector = physical;
        out.bytesOffsetForSectorAlignment = offset;
        Win32Platform::clearError();
        return true;
    }
    if (!Win32AnswerParser::parseAccessAlignment(answer.data(), returned, out)) {
        Win32Platform::reportError(ERROR_INVALID_DATA);
        return false;
    }
    Win32Platform::clearError();
    return true;
}

bool Win32DeviceHandle::deviceDescriptor(PlatformDeviceDescriptor& out)
{
    // The strings follow the fixed part; the header says how much the whole answer needs.
    DWORD size = DescriptorAnswerBytes;
    for (int attempt = 0; attempt < 2; ++attempt) {
        std::vector<uint8_t> answer(size, 0);
        unsigned long returned = 0;
        if (!queryProperty(StorageDeviceProperty, answer, returned))
            return false;
        const uint32_t needed = Win32AnswerParser::declaredDescriptorSize(answer.data(), returned);
        if (needed > size && needed <= DescriptorAnswerLimit && attempt == 0) {
            size = needed;
            continue;
        }
        Win32AnswerParser::parseDeviceDescriptor(answer.data(), returned, out);
        Win32Platform::clearError();
        return true;
    }
    return false;
}

bool Win32DeviceHandle::seekPenalty(bool& incursSeekPenalty)
{
    std::vector<uint8_t> answer(Win32AnswerParser::SeekPenaltyAnswerSize, 0);
    unsigned long returned = 0;
    if (!queryProperty(StorageDeviceSeekPenaltyProperty, answer, returned))
        return false;
    if (!Win32AnswerParser::parseSeekPenalty(answer.data(), returned, incursSeekPenalty)) {
        Win32Platform::reportError(ERROR_INVALID_DATA);
        return false;
    }
    Win32Platform::clearError();
    return true;
}

bool Win32DeviceHandle::driveLayout(PlatformDriveLayout& out)
{
    // The usual answer has room for 129 entries; a disk with more (many logical drives) is asked
    // again with a larger buffer rather than shown without partitions.
    DWORD size = LayoutAnswerBytes;
    for (;;) {
        std::vector<uint8_t> answer(size, 0);
        unsigned long returned = 0;
        if (control(IOCTL_DISK_GET_DRIVE_LAYOUT_EX, nullptr, 0, answer.data(), size, returned)) {
            if (!Win32AnswerParser::parseDriveLayout(answer.data(), returned, out)) {
                Win32Platform::reportError(ERROR_INVALID_DATA);
                return false;
            }
            Win32Platform::clearError();
            return true;
        }
        const DWORD err = GetLastError();
        if (!Win32AnswerParser::isBufferTooSmall(err) || size >= LayoutAnswerLimit) {
            // A file has no layout request: its table is read as the disk it stands for.
            LARGE_INTEGER fileSize{};
            if (GetFileSizeEx(h(m_handle), &fileSize))
                return fileLayout(out);
            Win32Platform::reportError(err);
            return false;
        }
        size *= 2;
    }
}

bool Win32DeviceHandle::fileLayout(PlatformDriveLayout& out)
{
    LARGE_INTEGER fileSize{};
    uint32_t logical = 0, physical = 0, offset = 0;
    if (!GetFileSizeEx(h(m_handle), &fileSize) || !fileStorage(logical, physical, offset)) {
        Win32Platform::reportLastError();
        return false;
    }
    // Unbuffered handles take whole sectors into aligned memory only.
    const auto reader = [this, logical](uint64_t at, uint64_t length, uint8_t* dest) {
        const uint64_t head = at % logical;
        const uint64_t span = (head + length + logical - 1) / logical * logical;
        const std::unique_ptr<uint8_t[]> raw(new uint8_t[size_t(span + logical)]);
        void* aligned = raw.get();
        size_t room = size_t(span + logical);
        if (!std::align(logical, size_t(span), aligned, room))
            return false;
        uint64_t done = 0;
        if (!readAt(at - head, aligned, span, done) || done < head + length)
            return false;
        std::memcpy(dest, static_cast<uint8_t*>(aligned) + head, size_t(length));
        return true;
    };
    std::vector<std::string> notes;
    if (!LayoutParser::parse(reader, uint64_t(fileSize.QuadPart), logical, out, notes)) {
        Win32Platform::reportError(ERROR_READ_FAULT);
        return false;
    }
    Win32Platform::clearError();
    return true;
}

bool Win32DeviceHandle::updateDiskProperties() { return simpleControl(IOCTL_DISK_UPDATE_PROPERTIES); }

bool Win32DeviceHandle::volumeDiskExtents(std::vector<PlatformExtent>& out)
{
    out.clear();
    DWORD size = ExtentsAnswerBytes;
    for (int attempt = 0; attempt < 2; ++attempt) {
        std::vector<uint8_t> answer(size, 0);
        unsigned long returned = 0;
        if (control(IOCTL_VOLUME_GET_VOLUME_DISK_EXTENTS, nullptr, 0, answer.data(), size, returned)) {
            if (!Win32AnswerParser::parseDiskExtents(answer.data(), returned, out)) {
                Win32Platform::reportError(ERROR_INVALID_DATA);
                return false;
            }
            Win32Platform::clearError();
            return true;
        }
        const DWORD err = GetLastError();
        // A volume on more disks than the first answer holds says how many it has; a volume
        // missing from a disk's lock list would stay mounted during the clone.
        const uint32_t declared = Win32AnswerParser::declaredExtentCount(answer.data(), answer.size());
        if (!Win32AnswerParser::isBufferTooSmall(err) || attempt > 0 || declared == 0 || declared > ExtentCountLimit) {
            Win32Platform::reportError(err);
            return false;
        }
        size = static_cast<DWORD>(Win32AnswerParser::ExtentsHeaderSize + declared * Win32AnswerParser::ExtentSize);
    }
    Win32Platform::reportError(ERROR_MORE_DATA);
    return false;
}

bool Win32DeviceHandle::lockVolume() { return simpleControl(FSCTL_LOCK_VOLUME); }
bool Win32DeviceHandle::unlockVolume() { return simpleControl(FSCTL_UNLOCK_VOLUME); }
bool Win32DeviceHandle::dismountVolume() { return simpleControl(FSCTL_DISMOUNT_VOLUME); }
bool Win32DeviceHandle::allowExtendedAccess() { return simpleControl(FSCTL_ALLOW_EXTENDED_DASD_IO); }

bool Win32DeviceHandle::ntfsVolumeData(PlatformNtfsVolumeData& out)
{
    std::vector<uint8_t> answer(Win32AnswerParser::NtfsVolumeDataSize, 0);
    unsigned long returned = 0;
    if (!control(FSCTL_GET_NTFS_VOLUME_DATA, nullptr, 0, answer.data(), static_cast<DWORD>(answer.size()), returned)) {
        Win32Platform::reportLastError();
        return false;
    }
    if (!Win32AnswerParser::parseNtfsVolumeData(answer.data(), returned, out)) {
        Win32Platform::reportError(ERROR_INVALID_DATA);
        return false;
    }
    Win32Platform::clearError();
    return true;
}

bool Win32DeviceHandle::volumeBitmap(int64_t startingLcn, PlatformVolumeBitmap& out)
{
    out = PlatformVolumeBitmap();
    if (startingLcn < 0) {
        Win32Platform::reportError(ERROR_INVALID_PARAMETER);
        return false;
    }
    if (m_bitmapAnswer.size() != BitmapAnswerBytes)
        m_bitmapAnswer.assign(BitmapAnswerBytes, 0);
    STARTING_LCN_INPUT_BUFFER input{};
    input.StartingLcn.QuadPart = startingLcn;
    unsigned long returned = 0;
    if (!control(FSCTL_GET_VOLUME_BITMAP, &input, sizeof(input), m_bitmapAnswer.data(), BitmapAnswerBytes, returned)) {
        const DWORD err = GetLastError();
        if (err != ERROR_MORE_DATA) {
            Win32Platform::reportError(err);
            return false;
        }
    }
    if (!Win32AnswerParser::parseVolumeBitmap(m_bitmapAnswer.data(), returned, out)) {
        Win32Platform::reportError(ERROR_INVALID_DATA);
        return false;
    }
    Win32Platform::clearError();
    return true;
}
