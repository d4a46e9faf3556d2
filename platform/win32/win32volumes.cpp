#include "platform/win32/win32volumes.h"

#include "platform/win32/win32platform.h"
#include "platform/win32/win32text.h"

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <cwchar>

namespace {
constexpr DWORD PathBuffer = MAX_PATH + 1;
}

Win32Volumes::Win32Volumes(PlatformFiles& files) : m_files(files) {}

std::vector<std::string> Win32Volumes::enumerateVolumes()
{
    std::vector<std::string> names;
    wchar_t name[PathBuffer] = {};
    HANDLE find = FindFirstVolumeW(name, PathBuffer);
    if (find == INVALID_HANDLE_VALUE) {
        Win32Platform::reportLastError();
        return names;
    }
    do {
        names.push_back(Win32Platform::narrow(name, wcsnlen(name, PathBuffer)));
    } while (FindNextVolumeW(find, name, PathBuffer));
    const DWORD err = GetLastError();
    FindVolumeClose(find);
    if (err != ERROR_NO_MORE_FILES)
        Win32Platform::reportError(err);
    else
        Win32Platform::clearError();
    return names;
}

std::vector<std::string> Win32Volumes::volumeMountPaths(const std::string& volumeName)
{
    const std::wstring name = Win32Platform::wide(volumeName);
    std::vector<wchar_t> buffer(PathBuffer, 0);
    for (int attempt = 0; attempt < 3; ++attempt) {
        DWORD needed = 0;
        if (GetVolumePathNamesForVolumeNameW(name.c_str(), buffer.data(), static_cast<DWORD>(buffer.size()),
                                             &needed)) {
            const std::u16string units(buffer.begin(), buffer.end());
            Win32Platform::clearError();
            return Win32Text::multiStringToList(units.data(), units.size());
        }
        const DWORD err = GetLastError();
        if (err != ERROR_MORE_DATA || needed <= buffer.size()) {
            Win32Platform::reportError(err);
            return {};
        }
        buffer.assign(needed, 0);
    }
    Win32Platform::reportError(ERROR_MORE_DATA);
    return {};
}

std::string Win32Volumes::volumeNameForMountPoint(const std::string& mountPoint)
{
    const std::wstring path = Win32Platform::wide(mountPoint);
    wchar_t name[PathBuffer] = {};
    if (!GetVolumeNameForVolumeMountPointW(path.c_str(), name, PathBuffer)) {
        Win32Platform::reportLastError();
        return std::string();
    }
    Win32Platform::clearError();
    return Win32Platform::narrow(name, wcsnlen(name, PathBuffer));
}

bool Win32Volumes::volumeInformation(const std::string& rootPath, std::string& label, std::string& fileSystemName)
{
    const std::wstring root = Win32Platform::wide(rootPath);
    wchar_t labelBuffer[PathBuffer] = {};
    wchar_t fsBuffer[PathBuffer] = {};
    DWORD serial = 0;
    DWORD maxComponent = 0;
    DWORD fsFlags = 0;
    if (!GetVolumeInformationW(root.c_str(), labelBuffer, PathBuffer, &serial, &maxComponent, &fsFlags, fsBuffer,
                               PathBuffer)) {
        Win32Platform::reportLastError();
        return false;
    }
    label = Win32Platform::narrow(labelBuffer, wcsnlen(labelBuffer, PathBuffer));
    fileSystemName = Win32Platform::narrow(fsBuffer, wcsnlen(fsBuffer, PathBuffer));
    Win32Platform::clearError();
    return true;
}

bool Win32Volumes::diskFreeSpace(const std::string& rootPath, uint64_t& totalBytes, uint64_t& freeBytes)
{
    const std::wstring root = Win32Platform::wide(rootPath);
    ULARGE_INTEGER availableToCaller{};
    ULARGE_INTEGER total{};
    ULARGE_INTEGER totalFree{};
    if (!GetDiskFreeSpaceExW(root.c_str(), &availableToCaller, &total, &totalFree)) {
        Win32Platform::reportLastError();
        return false;
    }
    totalBytes = total.QuadPart;
    freeBytes = totalFree.QuadPart;
    Win32Platform::clearError();
    return true;
}

bool Win32Volumes::volumeContainsPath(const std::string& volumeName, const std::string& relativePath, ProcessRunner&)
{
    // A volume name reaches the file system whether or not the volume has a drive letter.
    std::string path = volumeName;
    if (!path.empty() && path.back() != '\\')
        path += '\\';
    return m_files.fileExists(path + relativePath);
}
