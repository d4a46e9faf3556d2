#include "platform/win32/win32files.h"

#include "platform/win32/win32platform.h"

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <io.h>

#include <vector>

namespace {

constexpr DWORD PathBuffer = MAX_PATH + 1;

// GetWindowsDirectoryW and GetSystemDirectoryW answer alike: the length, or the size needed.
std::string systemFolder(UINT(WINAPI* query)(LPWSTR, UINT))
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

} // namespace

std::string Win32Files::windowsDirectory() { return systemFolder(GetWindowsDirectoryW); }

std::string Win32Files::systemDirectory() { return systemFolder(GetSystemDirectoryW); }

std::string Win32Files::toolOutputText(const std::string& bytes)
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
    return Win32Platform::narrow(text);
}

bool Win32Files::fileExists(const std::string& path)
{
    const std::wstring name = Win32Platform::wide(path);
    if (GetFileAttributesW(name.c_str()) == INVALID_FILE_ATTRIBUTES) {
        Win32Platform::reportLastError();
        return false;
    }
    Win32Platform::clearError();
    return true;
}

bool Win32Files::createDirectory(const std::string& path)
{
    const std::wstring name = Win32Platform::wide(path);
    if (!CreateDirectoryW(name.c_str(), nullptr)) {
        Win32Platform::reportLastError();
        return false;
    }
    Win32Platform::clearError();
    return true;
}

bool Win32Files::copyFile(const std::string& from, const std::string& to, bool failIfExists)
{
    const std::wstring source = Win32Platform::wide(from);
    const std::wstring target = Win32Platform::wide(to);
    if (!CopyFileW(source.c_str(), target.c_str(), failIfExists ? TRUE : FALSE)) {
        Win32Platform::reportLastError();
        return false;
    }
    Win32Platform::clearError();
    return true;
}

bool Win32Files::deleteFile(const std::string& path)
{
    const std::wstring name = Win32Platform::wide(path);
    if (!DeleteFileW(name.c_str())) {
        Win32Platform::reportLastError();
        return false;
    }
    Win32Platform::clearError();
    return true;
}

bool Win32Files::setFileAttributesNormal(const std::string& path)
{
    const std::wstring name = Win32Platform::wide(path);
    if (!SetFileAttributesW(name.c_str(), FILE_ATTRIBUTE_NORMAL)) {
        Win32Platform::reportLastError();
        return false;
    }
    Win32Platform::clearError();
    return true;
}

uint32_t Win32Files::logicalDrives()
{
    const DWORD mask = GetLogicalDrives();
    if (mask == 0)
        Win32Platform::reportLastError();
    else
        Win32Platform::clearError();
    return mask;
}

uint32_t Win32Files::driveType(const std::string& rootPath)
{
    const std::wstring root = Win32Platform::wide(rootPath);
    return GetDriveTypeW(root.c_str());
}

bool Win32Files::syncFileData(int descriptor)
{
    const intptr_t handle = _get_osfhandle(descriptor);
    if (handle == -1 || handle == -2) {
        Win32Platform::reportError(ERROR_INVALID_HANDLE);
        return false;
    }
    if (!FlushFileBuffers(reinterpret_cast<HANDLE>(handle))) {
        Win32Platform::reportLastError();
        return false;
    }
    Win32Platform::clearError();
    return true;
}

bool Win32Files::syncFolder(const std::string&)
{
    // NTFS commits a file's name with the file's own flush; a folder cannot be flushed.
    Win32Platform::clearError();
    return true;
}
