#include "platform/win32/win32devices.h"

#include "platform/win32/win32answerparser.h"
#include "platform/win32/win32asyncio.h"
#include "platform/win32/win32deviceidentity.h"
#include "platform/win32/win32devicehandle.h"
#include "platform/win32/win32platform.h"
#include "platform/win32/win32text.h"

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#include <winioctl.h>

#include <algorithm>
#include <cstring>
#include <cwchar>
#include <cwctype>

namespace {

constexpr DWORD PathBuffer = MAX_PATH + 1;
constexpr const char* PageFileKey = "SYSTEM\\CurrentControlSet\\Control\\Session Manager\\Memory Management";

// Owns a HANDLE from CreateFileW.
class ScopedHandle {
public:
    explicit ScopedHandle(HANDLE handle) : m_handle(handle) {}
    ~ScopedHandle()
    {
        if (valid())
            CloseHandle(m_handle);
    }
    ScopedHandle(const ScopedHandle&) = delete;
    ScopedHandle& operator=(const ScopedHandle&) = delete;
    bool valid() const { return m_handle && m_handle != INVALID_HANDLE_VALUE; }
    HANDLE get() const { return m_handle; }
private:
    HANDLE m_handle;
};

bool identify(const std::string& path, Win32DeviceIdentity& out)
{
    const std::wstring name = Win32Platform::wide(path);
    // No access rights: enough for every question below and allowed on a device in use.
    ScopedHandle handle(CreateFileW(name.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                    nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    if (!handle.valid()) {
        Win32Platform::reportLastError();
        return false;
    }
    out = Win32DeviceIdentity();
    BY_HANDLE_FILE_INFORMATION info{};
    if (GetFileInformationByHandle(handle.get(), &info)) {
        out.hasFileIndex = true;
        out.volumeSerial = info.dwVolumeSerialNumber;
        out.fileIndex = (static_cast<uint64_t>(info.nFileIndexHigh) << 32) | info.nFileIndexLow;
    }
#if _WIN32_WINNT >= 0x0602
    FILE_ID_INFO idInfo{};
    if (GetFileInformationByHandleEx(handle.get(), FileIdInfo, &idInfo, sizeof(idInfo))) {
        static_assert(sizeof(idInfo.FileId.Identifier) == 16);
        out.hasFileId128 = true;
        out.volumeSerial64 = idInfo.VolumeSerialNumber;
        std::memcpy(out.fileId128.data(), idInfo.FileId.Identifier, out.fileId128.size());
    }
#endif
    uint8_t answer[Win32AnswerParser::DeviceNumberSize] = {};
    DWORD returned = 0;
    if (DeviceIoControl(handle.get(), IOCTL_STORAGE_GET_DEVICE_NUMBER, nullptr, 0, answer, sizeof(answer),
                        &returned, nullptr)
        && Win32AnswerParser::parseDeviceNumber(answer, std::min<size_t>(returned, sizeof(answer)),
                                                out.deviceType, out.deviceNumber, out.partitionNumber)) {
        out.hasDeviceNumber = true;
    }
    if (!out.known()) {
        Win32Platform::reportLastError();
        return false;
    }
    return true;
}

std::wstring lowered(std::wstring s)
{
    for (auto& c : s)
        c = static_cast<wchar_t>(std::towlower(static_cast<wint_t>(c)));
    return s;
}

} // namespace

Win32Devices::Win32Devices(PlatformVolumes& volumes, PlatformFiles& files, PlatformRegistry& registry,
                           const std::optional<std::string>& diskTable)
    : m_volumes(volumes), m_files(files), m_registry(registry), m_table(diskTable)
{
}

bool Win32Devices::resolve(const std::string& path, std::string& out)
{
    out = path;
    if (!m_table.configured())
        return true;
    const int drive = Win32DiskTable::driveNumber(path);
    if (drive < 0)
        return true;
    const Win32DiskTable::Entry* entry = m_table.entry(drive);
    if (!entry) {
        Platform::setLastError(ERROR_FILE_NOT_FOUND, "disk " + std::to_string(drive) + " is not in the disk table");
        return false;
    }
    out = entry->path;
    return true;
}

std::unique_ptr<DeviceHandle> Win32Devices::openDevice(const std::string& path, DeviceAccess access,
                                                       DeviceFlags flags)
{
    return openVolume(path, access, flags);
}

// Disk and volume handles are the same CreateFileW handle; which requests work depends on the path.
std::unique_ptr<VolumeHandle> Win32Devices::openVolume(const std::string& path, DeviceAccess access,
                                                       DeviceFlags flags)
{
    DWORD desired = 0;
    switch (access) {
    case DeviceAccess::None: desired = 0; break;
    case DeviceAccess::Read: desired = GENERIC_READ; break;
    case DeviceAccess::ReadWrite: desired = GENERIC_READ | GENERIC_WRITE; break;
    }
    DWORD attributes = 0;
    switch (flags) {
    case DeviceFlags::None: attributes = 0; break;
    case DeviceFlags::NoBufferingWriteThrough: attributes = FILE_FLAG_NO_BUFFERING | FILE_FLAG_WRITE_THROUGH; break;
    case DeviceFlags::NoBufferingSequentialScan: attributes = FILE_FLAG_NO_BUFFERING | FILE_FLAG_SEQUENTIAL_SCAN; break;
    }
    // Overlapped always: Win32AsyncIo runs its transfers on these handles, and the handle's own
    // calls wait for themselves.
    attributes |= FILE_FLAG_OVERLAPPED;
    std::string real;
    if (!resolve(path, real))
        return nullptr;
    const std::wstring name = Win32Platform::wide(real);
    HANDLE handle = CreateFileW(name.c_str(), desired, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                attributes, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        Win32Platform::reportLastError();
        return nullptr;
    }
    Win32Platform::clearError();
    return std::make_unique<Win32DeviceHandle>(handle, real);
}

std::string Win32Devices::diskRealPath(int diskNumber)
{
    if (diskNumber < 0) {
        Win32Platform::reportError(ERROR_INVALID_PARAMETER);
        return std::string();
    }
    const std::string path = "\\\\.\\PhysicalDrive" + std::to_string(diskNumber);
    if (m_table.configured()) {
        const Win32DiskTable::Entry* entry = m_table.entry(diskNumber);
        if (!entry) {
            Win32Platform::reportError(ERROR_FILE_NOT_FOUND);
            return std::string();
        }
        Win32Platform::clearError();
        return entry->path;
    }
    // On Windows the drive path is the real place; an unknown number has no device behind it.
    const std::wstring name = Win32Platform::wide(path);
    ScopedHandle probe(CreateFileW(name.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                   0, nullptr));
    if (!probe.valid()) {
        Win32Platform::reportLastError();
        return std::string();
    }
    Win32Platform::clearError();
    return path;
}

bool Win32Devices::sameDevice(const std::string& pathA, const std::string& pathB)
{
    std::string realA;
    std::string realB;
    if (!resolve(pathA, realA) || !resolve(pathB, realB))
        return false;
    Win32DeviceIdentity a;
    Win32DeviceIdentity b;
    if (!identify(realA, a) || !identify(realB, b)) {
        // A side that cannot be identified is still the same device when the names agree.
        const uint32_t code = Platform::lastErrorCode();
        const bool sameName = lowered(Win32Platform::wide(realA)) == lowered(Win32Platform::wide(realB));
        Win32Platform::reportError(code);
        return sameName;
    }
    Win32Platform::clearError();
    return a.sameAs(b);
}

std::vector<int> Win32Devices::disksOfPath(const std::string& path)
{
    if (m_table.configured()) {
        // A table's drive paths and the files it names are its disks; any other path is the machine's.
        const int number = m_table.numberOfPath(path);
        if (number >= 0)
            return {number};
        const int drive = Win32DiskTable::driveNumber(path);
        if (drive >= 0)
            return m_table.entry(drive) ? std::vector<int>{drive} : std::vector<int>();
    }
    std::vector<int> disks = PlatformDevices::disksOfPath(path);
    if (!disks.empty())
        return disks;
    // A file: the disks of the volume it lives on, found through its mount point (a drive root
    // or a folder), so an image on E:\ and \\.\PhysicalDrive1 holding E: are seen as one device.
    const std::wstring name = Win32Platform::wide(path);
    std::vector<wchar_t> mountPoint(name.size() + PathBuffer, 0);
    if (!GetVolumePathNameW(name.c_str(), mountPoint.data(), static_cast<DWORD>(mountPoint.size()))) {
        Win32Platform::reportLastError();
        return {};
    }
    const std::string volume = m_volumes.volumeNameForMountPoint(Win32Platform::narrow(mountPoint.data(), wcsnlen(mountPoint.data(), mountPoint.size())));
    return volume.empty() ? std::vector<int>() : PlatformDevices::disksOfPath(volume);
}

std::vector<int> Win32Devices::diskNumbers()
{
    if (m_table.configured()) {
        Win32Platform::clearError();
        return m_table.numbers();
    }
    // The object manager lists every PhysicalDriveN link, whatever the numbers are.
    std::vector<wchar_t> names(65536, 0);
    for (int attempt = 0; attempt < 4; ++attempt) {
        const DWORD length = QueryDosDeviceW(nullptr, names.data(), static_cast<DWORD>(names.size()));
        if (length != 0) {
            const std::u16string units(names.begin(), names.begin() + length);
            std::vector<int> numbers;
            for (const std::string& entry : Win32Text::multiStringToList(units.data(), units.size())) {
                if (entry.rfind("PhysicalDrive", 0) != 0)
                    continue;
                const std::vector<int> n = PlatformDevices::disksOfPath("\\\\.\\" + entry);   // the number, nothing opened
                if (n.size() == 1)
                    numbers.push_back(n.front());
            }
            std::sort(numbers.begin(), numbers.end());
            numbers.erase(std::unique(numbers.begin(), numbers.end()), numbers.end());
            Win32Platform::clearError();
            return numbers;
        }
        if (GetLastError() != ERROR_INSUFFICIENT_BUFFER)
            break;
        names.assign(names.size() * 4, 0);
    }
    // Without the list, probing by number still finds the disks.
    return PlatformDevices::diskNumbers();
}

std::unique_ptr<AsyncIo> Win32Devices::createAsyncIo(unsigned depth)
{
    auto io = std::make_unique<Win32AsyncIo>(depth);
    if (!io->ready())
        return nullptr;
    return io;
}

std::vector<int> Win32Devices::systemDiskNumbers()
{
    const std::vector<int> machine = machineSystemDisks();
    if (!m_table.configured())
        return machine;
    // Image files are never the running system's; a table entry naming a system drive is.
    std::vector<int> disks;
    for (int n : m_table.numbers()) {
        const int drive = Win32DiskTable::driveNumber(m_table.entry(n)->path);
        if (drive >= 0 && std::find(machine.begin(), machine.end(), drive) != machine.end())
            disks.push_back(n);
    }
    return disks;
}

std::vector<int> Win32Devices::machineSystemDisks()
{
    // The disk of the Windows directory (the boot volume), and every disk holding a page file in
    // use: writing any of them pulls the ground from under the running system.
    std::vector<int> disks;
    const auto add = [&](const std::vector<int>& more) {
        for (int n : more) {
            if (std::find(disks.begin(), disks.end(), n) == disks.end())
                disks.push_back(n);
        }
    };
    const std::string windows = m_files.windowsDirectory();
    if (!windows.empty())
        add(disksOfPath(windows));
    std::vector<uint8_t> data;
    uint32_t type = 0;
    if (m_registry.registryReadValue(PageFileKey, "ExistingPageFiles", data, type) && type == REG_MULTI_SZ) {
        std::u16string units;
        for (size_t i = 0; i + 1 < data.size(); i += 2)
            units.push_back(static_cast<char16_t>(data[i] | (data[i + 1] << 8)));
        for (std::string file : Win32Text::multiStringToList(units.data(), units.size())) {
            // Kernel form "\??\C:\pagefile.sys".
            if (file.rfind("\\??\\", 0) == 0)
                file = file.substr(4);
            add(disksOfPath(file));
        }
    }
    std::sort(disks.begin(), disks.end());
    return disks;
}
