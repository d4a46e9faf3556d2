#include "platform/win32/win32firmware.h"

#include "platform/win32/win32platform.h"

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

namespace {
constexpr const wchar_t* ZeroNamespaceGuid = L"{00000000-0000-0000-0000-000000000000}";
using GetFirmwareTypeFunction = BOOL(WINAPI*)(DWORD*);
}

bool Win32Firmware::firmwareType(uint32_t& type)
{
    // Looked up at run time: the call exists from Windows 8 on only.
    HMODULE kernel = GetModuleHandleW(L"kernel32.dll");
    FARPROC proc = kernel ? GetProcAddress(kernel, "GetFirmwareType") : nullptr;
    if (!proc) {
        Win32Platform::reportError(ERROR_CALL_NOT_IMPLEMENTED);
        return false;
    }
    auto getFirmwareType = reinterpret_cast<GetFirmwareTypeFunction>(reinterpret_cast<void (*)()>(proc));
    DWORD value = 0;
    if (!getFirmwareType(&value)) {
        Win32Platform::reportLastError();
        return false;
    }
    type = value;
    Win32Platform::clearError();
    return true;
}

uint32_t Win32Firmware::probeFirmwareEnvironment()
{
    SetLastError(ERROR_SUCCESS);
    GetFirmwareEnvironmentVariableW(L"", ZeroNamespaceGuid, nullptr, 0);
    const DWORD err = GetLastError();
    if (err == ERROR_SUCCESS)
        Win32Platform::clearError();
    else
        Win32Platform::reportError(err);
    return err;
}
