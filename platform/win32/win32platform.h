#pragma once
// The Windows backend of the platform seam. Compiled only on Windows.
#include "platform/platform.h"
#include "platform/win32/win32devices.h"
#include "platform/win32/win32files.h"
#include "platform/win32/win32firmware.h"
#include "platform/win32/win32registry.h"
#include "platform/win32/win32snapshots.h"
#include "platform/win32/win32volumes.h"

#include <cstdint>
#include <string>

class Win32Platform : public PlatformBackend {
public:
    Win32Platform();
    PlatformParts parts() override;

    // Shared by the Windows backend's classes.
    static std::wstring wide(const std::string& utf8);
    static std::string narrow(const wchar_t* text, size_t length);
    static std::string narrow(const std::wstring& text);
    // The system's message for `code` in the system's default language, trimmed; empty for 0.
    static std::string errorText(uint32_t code);
    // Stores `code` and its text as the calling thread's last error.
    static void reportError(uint32_t code);
    // Stores GetLastError() as the calling thread's last error.
    static void reportLastError();
    static void clearError();

private:
    Win32Files m_files;
    Win32Registry m_registry;
    Win32Firmware m_firmware;
    Win32Volumes m_volumes;
    Win32Devices m_devices;
    Win32Snapshots m_snapshots;
};
