#include "platform/win32/win32platform.h"

#include "platform/win32/win32answerparser.h"
#include "platform/win32/win32asyncio.h"
#include "platform/win32/win32deviceidentity.h"
#include "platform/win32/win32devicehandle.h"
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

static_assert(sizeof(wchar_t) == sizeof(char16_t), "the wide-character calls take UTF-16");

namespace {

constexpr DWORD PathBuffer = MAX_PATH + 1;
constexpr DWORD RegistryKeyNameBuffer = 256;   // key names are at most 255 characters
constexpr int RegistryReadAttempts = 4;        // a value may grow between size query and read
constexpr const char* PageFileKey = "SYSTEM\\CurrentControlSet\\Control\\Session Manager\\Memory Management";
constexpr const wchar_t* ZeroNamespaceGuid = L"{00000000-0000-0000-0000-000000000000}";

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

// Owns an open registry key.
class ScopedKey {
public:
    ScopedKey() = default;
    ~ScopedKey()
    {
        if (m_key)
            RegCloseKey(m_key);
    }
    ScopedKey(const ScopedKey&) = delete;
    ScopedKey& operator=(const ScopedKey&) = delete;
    HKEY* receive() { return &m_key; }
    HKEY get() const { return m_key; }
private:
    HKEY m_key = nullptr;
};

LONG openMachineKey(const std::string& subKey, ScopedKey& key)
{
    const std::wstring name = Win32Platform::wide(subKey);
    return RegOpenKeyExW(HKEY_LOCAL_MACHINE, name.c_str(), 0, KEY_READ, key.receive());
}

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

using GetFirmwareTypeFunction = BOOL(WINAPI*)(DWORD*);

} // namespace

std::unique_ptr<Platform> createNativePlatform()
{
    return std::make_unique<Win32Platform>();
}

// --- text and errors ---

std::wstring Win32Platform::wide(const std::string& utf8)
{
    const std::u16string u = Win32Text::toUtf16(utf8);
    return std::wstring(u.begin(), u.end());
}

std::string Win32Platform::narrow(const wchar_t* text, size_t length)
{
    if (!text)
        return std::string();
    const std::u16string u(text, text + length);
    return Win32Text::toUtf8(u);
}

std::string Win32Platform::narrow(const std::wstring& text) { return narrow(text.data(), text.size()); }

std::string Win32Platform::errorText(uint32_t code)
{
    if (code == 0)
        return std::string();
    const DWORD flags = FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS;
    wchar_t* buffer = nullptr;
    DWORD length = FormatMessageW(flags, nullptr, code, MAKELANGID(LANG_NEUTRAL, SUBLANG_SYS_DEFAULT),
                                  reinterpret_cast<LPWSTR>(&buffer), 0, nullptr);
    if (length == 0) {
        // No message in the system language: let the system pick any language it has.
        buffer = nullptr;
        length = FormatMessageW(flags, nullptr, code, 0, reinterpret_cast<LPWSTR>(&buffer), 0, nullptr);
    }
    std::string text;
    if (length != 0 && buffer)
        text = Win32Text::trimmed(narrow(buffer, length));
    if (buffer)
        LocalFree(buffer);
    if (text.empty())
        text = "Error " + std::to_string(code);
    return text;
}

void Win32Platform::reportError(uint32_t code)
{
    Platform::setLastError(code, errorText(code));
    SetLastError(code);   // formatting may have changed it
}

void Win32Platform::reportLastError() { reportError(GetLastError()); }

void Win32Platform::clearError() { Platform::setLastError(0, std::string()); }

// --- devices ---

std::unique_ptr<DeviceHandle> Win32Platform::openDevice(const std::string& path, DeviceAccess access,
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
    const std::wstring name = wide(path);
    HANDLE handle = CreateFileW(name.c_str(), desired, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                attributes, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        reportLastError();
        return nullptr;
    }
    clearError();
    return std::make_unique<Win32DeviceHandle>(handle, path);
}

std::string Win32Platform::diskRealPath(int diskNumber)
{
    if (diskNumber < 0) {
        reportError(ERROR_INVALID_PARAMETER);
        return std::string();
    }
    const std::string path = "\\\\.\\PhysicalDrive" + std::to_string(diskNumber);
    // On Windows the drive path is the real place; an unknown number has no device behind it.
    const std::wstring name = wide(path);
    ScopedHandle probe(CreateFileW(name.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                   0, nullptr));
    if (!probe.valid()) {
        reportLastError();
        return std::string();
    }
    clearError();
    return path;
}

bool Win32Platform::sameDevice(const std::string& pathA, const std::string& pathB)
{
    Win32DeviceIdentity a;
    Win32DeviceIdentity b;
    if (!identify(pathA, a) || !identify(pathB, b)) {
        // A side that cannot be identified is still the same device when the names agree.
        const uint32_t code = lastErrorCode();
        const bool sameName = lowered(wide(pathA)) == lowered(wide(pathB));
        reportError(code);
        return sameName;
    }
    clearError();
    return a.sameAs(b);
}

std::vector<int> Win32Platform::disksOfPath(const std::string& path)
{
    std::vector<int> disks = Platform::disksOfPath(path);
    if (!disks.empty())
        return disks;
    // A file: the disks of the volume it lives on, found through its mount point (a drive root
    // or a folder), so an image on E:\ and \\.\PhysicalDrive1 holding E: are seen as one device.
    const std::wstring name = wide(path);
    std::vector<wchar_t> mountPoint(name.size() + PathBuffer, 0);
    if (!GetVolumePathNameW(name.c_str(), mountPoint.data(), static_cast<DWORD>(mountPoint.size()))) {
        reportLastError();
        return {};
    }
    const std::string volume = volumeNameForMountPoint(narrow(mountPoint.data(), wcsnlen(mountPoint.data(), mountPoint.size())));
    return volume.empty() ? std::vector<int>() : Platform::disksOfPath(volume);
}

std::vector<int> Win32Platform::diskNumbers()
{
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
                const std::vector<int> n = Platform::disksOfPath("\\\\.\\" + entry);   // the number, nothing opened
                if (n.size() == 1)
                    numbers.push_back(n.front());
            }
            std::sort(numbers.begin(), numbers.end());
            numbers.erase(std::unique(numbers.begin(), numbers.end()), numbers.end());
            clearError();
            return numbers;
        }
        if (GetLastError() != ERROR_INSUFFICIENT_BUFFER)
            break;
        names.assign(names.size() * 4, 0);
    }
    // Without the list, probing by number still finds the disks.
    return Platform::diskNumbers();
}

std::unique_ptr<AsyncIo> Win32Platform::createAsyncIo(unsigned depth)
{
    auto io = std::make_unique<Win32AsyncIo>(depth);
    if (!io->ready())
        return nullptr;
    return io;
}

// --- volumes ---

std::vector<std::string> Win32Platform::enumerateVolumes()
{
    std::vector<std::string> names;
    wchar_t name[PathBuffer] = {};
    HANDLE find = FindFirstVolumeW(name, PathBuffer);
    if (find == INVALID_HANDLE_VALUE) {
        reportLastError();
        return names;
    }
    do {
        names.push_back(narrow(name, wcsnlen(name, PathBuffer)));
    } while (FindNextVolumeW(find, name, PathBuffer));
    const DWORD err = GetLastError();
    FindVolumeClose(find);
    if (err != ERROR_NO_MORE_FILES)
        reportError(err);
    else
        clearError();
    return names;
}

std::vector<std::string> Win32Platform::volumeMountPaths(const std::string& volumeName)
{
    const std::wstring name = wide(volumeName);
    std::vector<wchar_t> buffer(PathBuffer, 0);
    for (int attempt = 0; attempt < 3; ++attempt) {
        DWORD needed = 0;
        if (GetVolumePathNamesForVolumeNameW(name.c_str(), buffer.data(), static_cast<DWORD>(buffer.size()),
                                             &needed)) {
            const std::u16string units(buffer.begin(), buffer.end());
            clearError();
            return Win32Text::multiStringToList(units.data(), units.size());
        }
        const DWORD err = GetLastError();
        if (err != ERROR_MORE_DATA || needed <= buffer.size()) {
            reportError(err);
            return {};
        }
        buffer.assign(needed, 0);
    }
    reportError(ERROR_MORE_DATA);
    return {};
}

std::string Win32Platform::volumeNameForMountPoint(const std::string& mountPoint)
{
    const std::wstring path = wide(mountPoint);
    wchar_t name[PathBuffer] = {};
    if (!GetVolumeNameForVolumeMountPointW(path.c_str(), name, PathBuffer)) {
        reportLastError();
        return std::string();
    }
    clearError();
    return narrow(name, wcsnlen(name, PathBuffer));
}

bool Win32Platform::volumeInformation(const std::string& rootPath, std::string& label, std::string& fileSystemName)
{
    const std::wstring root = wide(rootPath);
    wchar_t labelBuffer[PathBuffer] = {};
    wchar_t fsBuffer[PathBuffer] = {};
    DWORD serial = 0;
    DWORD maxComponent = 0;
    DWORD fsFlags = 0;
    if (!GetVolumeInformationW(root.c_str(), labelBuffer, PathBuffer, &serial, &maxComponent, &fsFlags, fsBuffer,
                               PathBuffer)) {
        reportLastError();
        return false;
    }
    label = narrow(labelBuffer, wcsnlen(labelBuffer, PathBuffer));
    fileSystemName = narrow(fsBuffer, wcsnlen(fsBuffer, PathBuffer));
    clearError();
    return true;
}

bool Win32Platform::diskFreeSpace(const std::string& rootPath, uint64_t& totalBytes, uint64_t& freeBytes)
{
    const std::wstring root = wide(rootPath);
    ULARGE_INTEGER availableToCaller{};
    ULARGE_INTEGER total{};
    ULARGE_INTEGER totalFree{};
    if (!GetDiskFreeSpaceExW(root.c_str(), &availableToCaller, &total, &totalFree)) {
        reportLastError();
        return false;
    }
    totalBytes = total.QuadPart;
    freeBytes = totalFree.QuadPart;
    clearError();
    return true;
}

// --- files and drive letters ---

// GetWindowsDirectoryW and GetSystemDirectoryW answer alike: the length, or the size needed.
static std::string systemFolder(UINT(WINAPI* query)(LPWSTR, UINT))
{
    std::vector<wchar_t> buffer(PathBuffer, 0);
    for (int attempt = 0; attempt < 2; ++attempt) {
        const UINT length = query(buffer.data(), static_cast<UINT>(buffer.size()));
        if (length == 0) {
            Win32Platform::reportLastError();
            return std::string();
        }
        if (length < buffer.size()) {
            Win32Platform::clearError();
            return Win32Platform::narrow(buffer.data(), length);
        }
        buffer.assign(length + 1, 0);   // too small: length is the size needed
    }
    Win32Platform::reportError(ERROR_INSUFFICIENT_BUFFER);
    return std::string();
}

std::string Win32Platform::windowsDirectory() { return systemFolder(GetWindowsDirectoryW); }

std::string Win32Platform::systemDirectory() { return systemFolder(GetSystemDirectoryW); }

std::vector<int> Win32Platform::systemDiskNumbers()
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
    const std::string windows = windowsDirectory();
    if (!windows.empty())
        add(disksOfPath(windows));
    std::vector<uint8_t> data;
    uint32_t type = 0;
    if (registryReadValue(PageFileKey, "ExistingPageFiles", data, type) && type == REG_MULTI_SZ) {
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

std::string Win32Platform::toolOutputText(const std::string& bytes)
{
    if (bytes.empty())
        return bytes;
    // Console tools write in the console's output code page; a program without a console has
    // none, and its children then use the OEM code page.
    UINT codePage = GetConsoleOutputCP();
    if (codePage == 0)
        codePage = GetOEMCP();
    const int length = MultiByteToWideChar(codePage, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
    if (length <= 0)
        return bytes;
    std::wstring text(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(codePage, 0, bytes.data(), static_cast<int>(bytes.size()), text.data(), length);
    return narrow(text);
}

bool Win32Platform::volumeContainsPath(const std::string& volumeName, const std::string& relativePath, ProcessRunner&)
{
    // A volume name reaches the file system whether or not the volume has a drive letter.
    std::string path = volumeName;
    if (!path.empty() && path.back() != '\\')
        path += '\\';
    return fileExists(path + relativePath);
}

bool Win32Platform::fileExists(const std::string& path)
{
    const std::wstring name = wide(path);
    if (GetFileAttributesW(name.c_str()) == INVALID_FILE_ATTRIBUTES) {
        reportLastError();
        return false;
    }
    clearError();
    return true;
}

bool Win32Platform::createDirectory(const std::string& path)
{
    const std::wstring name = wide(path);
    if (!CreateDirectoryW(name.c_str(), nullptr)) {
        reportLastError();
        return false;
    }
    clearError();
    return true;
}

bool Win32Platform::copyFile(const std::string& from, const std::string& to, bool failIfExists)
{
    const std::wstring source = wide(from);
    const std::wstring target = wide(to);
    if (!CopyFileW(source.c_str(), target.c_str(), failIfExists ? TRUE : FALSE)) {
        reportLastError();
        return false;
    }
    clearError();
    return true;
}

bool Win32Platform::deleteFile(const std::string& path)
{
    const std::wstring name = wide(path);
    if (!DeleteFileW(name.c_str())) {
        reportLastError();
        return false;
    }
    clearError();
    return true;
}

bool Win32Platform::setFileAttributesNormal(const std::string& path)
{
    const std::wstring name = wide(path);
    if (!SetFileAttributesW(name.c_str(), FILE_ATTRIBUTE_NORMAL)) {
        reportLastError();
        return false;
    }
    clearError();
    return true;
}

uint32_t Win32Platform::logicalDrives()
{
    const DWORD mask = GetLogicalDrives();
    if (mask == 0)
        reportLastError();
    else
        clearError();
    return mask;
}

uint32_t Win32Platform::driveType(const std::string& rootPath)
{
    const std::wstring root = wide(rootPath);
    return GetDriveTypeW(root.c_str());
}

// --- firmware ---

bool Win32Platform::firmwareType(uint32_t& type)
{
    // Looked up at run time: the call exists from Windows 8 on only.
    HMODULE kernel = GetModuleHandleW(L"kernel32.dll");
    FARPROC proc = kernel ? GetProcAddress(kernel, "GetFirmwareType") : nullptr;
    if (!proc) {
        reportError(ERROR_CALL_NOT_IMPLEMENTED);
        return false;
    }
    auto getFirmwareType = reinterpret_cast<GetFirmwareTypeFunction>(reinterpret_cast<void (*)()>(proc));
    DWORD value = 0;
    if (!getFirmwareType(&value)) {
        reportLastError();
        return false;
    }
    type = value;
    clearError();
    return true;
}

uint32_t Win32Platform::probeFirmwareEnvironment()
{
    SetLastError(ERROR_SUCCESS);
    GetFirmwareEnvironmentVariableW(L"", ZeroNamespaceGuid, nullptr, 0);
    const DWORD err = GetLastError();
    if (err == ERROR_SUCCESS)
        clearError();
    else
        reportError(err);
    return err;
}

// --- registry ---

bool Win32Platform::registryKeyExists(const std::string& subKey)
{
    ScopedKey key;
    const LONG status = openMachineKey(subKey, key);
    if (status != ERROR_SUCCESS) {
        reportError(static_cast<uint32_t>(status));
        return false;
    }
    clearError();
    return true;
}

bool Win32Platform::registryReadValue(const std::string& subKey, const std::string& valueName,
                                      std::vector<uint8_t>& data, uint32_t& type)
{
    ScopedKey key;
    LONG status = openMachineKey(subKey, key);
    if (status != ERROR_SUCCESS) {
        reportError(static_cast<uint32_t>(status));
        return false;
    }
    const std::wstring name = wide(valueName);
    DWORD valueType = 0;
    DWORD size = 0;
    status = RegQueryValueExW(key.get(), name.c_str(), nullptr, &valueType, nullptr, &size);
    for (int attempt = 0; status == ERROR_SUCCESS && attempt < RegistryReadAttempts; ++attempt) {
        std::vector<uint8_t> buffer(size);
        DWORD got = size;
        status = RegQueryValueExW(key.get(), name.c_str(), nullptr, &valueType,
                                  buffer.empty() ? nullptr : buffer.data(), &got);
        if (status == ERROR_MORE_DATA) {
            size = got;   // the value grew in between
            status = ERROR_SUCCESS;
            continue;
        }
        if (status != ERROR_SUCCESS)
            break;
        buffer.resize(std::min<size_t>(got, buffer.size()));
        data = std::move(buffer);
        type = valueType;
        clearError();
        return true;
    }
    reportError(status == ERROR_SUCCESS ? static_cast<uint32_t>(ERROR_MORE_DATA) : static_cast<uint32_t>(status));
    return false;
}

uint32_t Win32Platform::registryEnumSubKeys(const std::string& subKey, std::vector<std::string>& names)
{
    names.clear();
    ScopedKey key;
    LONG status = openMachineKey(subKey, key);
    if (status != ERROR_SUCCESS) {
        reportError(static_cast<uint32_t>(status));
        return static_cast<uint32_t>(status);
    }
    for (DWORD index = 0;; ++index) {
        wchar_t name[RegistryKeyNameBuffer] = {};
        DWORD length = RegistryKeyNameBuffer;
        status = RegEnumKeyExW(key.get(), index, name, &length, nullptr, nullptr, nullptr, nullptr);
        if (status != ERROR_SUCCESS)
            break;
        names.push_back(narrow(name, length));
    }
    if (status == ERROR_NO_MORE_ITEMS)
        clearError();
    else
        reportError(static_cast<uint32_t>(status));
    return static_cast<uint32_t>(status);
}
