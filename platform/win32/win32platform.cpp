#include "platform/win32/win32platform.h"

#include "platform/win32/win32text.h"

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

static_assert(sizeof(wchar_t) == sizeof(char16_t), "the wide-character calls take UTF-16");

namespace {
constexpr const wchar_t* DisksVariable = L"TESSARIN_DISKS";

// Read wide: the narrow environment is in the ANSI code page, which cannot hold every image path.
std::optional<std::string> configuredDisks()
{
    SetLastError(ERROR_SUCCESS);
    const DWORD needed = GetEnvironmentVariableW(DisksVariable, nullptr, 0);
    if (needed == 0)
        return GetLastError() == ERROR_ENVVAR_NOT_FOUND ? std::nullopt : std::optional<std::string>(std::string());
    std::wstring text(needed, L'\0');
    const DWORD length = GetEnvironmentVariableW(DisksVariable, text.data(), needed);
    if (length >= needed)
        return std::string();
    return Win32Platform::narrow(text.data(), length);
}
}

Win32Platform::Win32Platform()
    : m_volumes(m_files), m_devices(m_volumes, m_files, m_registry, configuredDisks())
{
}

PlatformParts Win32Platform::parts()
{
    return PlatformParts{&m_devices, &m_volumes, &m_files, &m_firmware, &m_registry, &m_snapshots};
}

std::unique_ptr<PlatformBackend> createNativePlatform()
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
