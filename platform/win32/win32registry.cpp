#include "platform/win32/win32registry.h"

#include "platform/win32/win32platform.h"
#include "platform/win32/win32registryhive.h"

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

namespace {

constexpr DWORD RegistryKeyNameBuffer = 256;   // key names are at most 255 characters
constexpr int RegistryReadAttempts = 4;        // a value may grow between size query and read

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

} // namespace

bool Win32Registry::registryKeyExists(const std::string& subKey)
{
    ScopedKey key;
    const LONG status = openMachineKey(subKey, key);
    if (status != ERROR_SUCCESS) {
        Win32Platform::reportError(static_cast<uint32_t>(status));
        return false;
    }
    Win32Platform::clearError();
    return true;
}

bool Win32Registry::registryReadValue(const std::string& subKey, const std::string& valueName,
                                      std::vector<uint8_t>& data, uint32_t& type)
{
    ScopedKey key;
    LONG status = openMachineKey(subKey, key);
    if (status != ERROR_SUCCESS) {
        Win32Platform::reportError(static_cast<uint32_t>(status));
        return false;
    }
    const std::wstring name = Win32Platform::wide(valueName);
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
        Win32Platform::clearError();
        return true;
    }
    Win32Platform::reportError(status == ERROR_SUCCESS ? static_cast<uint32_t>(ERROR_MORE_DATA) : static_cast<uint32_t>(status));
    return false;
}

uint32_t Win32Registry::registryEnumSubKeys(const std::string& subKey, std::vector<std::string>& names)
{
    names.clear();
    ScopedKey key;
    LONG status = openMachineKey(subKey, key);
    if (status != ERROR_SUCCESS) {
        Win32Platform::reportError(static_cast<uint32_t>(status));
        return static_cast<uint32_t>(status);
    }
    for (DWORD index = 0;; ++index) {
        wchar_t name[RegistryKeyNameBuffer] = {};
        DWORD length = RegistryKeyNameBuffer;
        status = RegEnumKeyExW(key.get(), index, name, &length, nullptr, nullptr, nullptr, nullptr);
        if (status != ERROR_SUCCESS)
            break;
        names.push_back(Win32Platform::narrow(name, length));
    }
    if (status == ERROR_NO_MORE_ITEMS)
        Win32Platform::clearError();
    else
        Win32Platform::reportError(static_cast<uint32_t>(status));
    return static_cast<uint32_t>(status);
}

std::unique_ptr<RegistryHive> Win32Registry::openRegistryHive(const std::string& path)
{
    std::string error;
    std::unique_ptr<RegistryHive> hive = Win32RegistryHive::open(path, error);
    if (!hive)
        Platform::setLastError(PlatformError::NotSupported, error);
    else
        Win32Platform::clearError();
    return hive;
}
