#include "platform/win32/win32registryhive.h"

#include "platform/win32/win32platform.h"

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

namespace {

constexpr DWORD KeyNameBuffer = 256;  // key names are at most 255 characters
constexpr int ReadAttempts = 4;       // a value may grow between size query and read

HKEY rootOf(void* root) { return static_cast<HKEY>(root); }

// Owns a key opened below the hive's root; the root itself is borrowed, not closed.
class SubKey {
public:
    SubKey(HKEY root, const std::string& path, REGSAM access) : m_root(root)
    {
        if (path.empty()) {
            m_key = root;
            m_status = ERROR_SUCCESS;
            return;
        }
        const std::wstring name = Win32Platform::wide(path);
        m_status = RegOpenKeyExW(root, name.c_str(), 0, access, &m_key);
    }
    ~SubKey()
    {
        if (m_key && m_key != m_root)
            RegCloseKey(m_key);
    }
    SubKey(const SubKey&) = delete;
    SubKey& operator=(const SubKey&) = delete;
    LONG status() const { return m_status; }
    HKEY get() const { return m_key; }

private:
    HKEY m_root;
    HKEY m_key = nullptr;
    LONG m_status = ERROR_INVALID_HANDLE;
};

bool isRoot(const std::string& path) { return path.find_first_not_of('\\') == std::string::npos; }

} // namespace

std::unique_ptr<Win32RegistryHive> Win32RegistryHive::open(const std::string& path, std::string& error)
{
    const std::wstring file = Win32Platform::wide(path);
    // RegLoadAppKeyW makes an empty hive where there is no file; only an existing one is edited.
    const DWORD attributes = GetFileAttributesW(file.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        error = "Cannot open registry hive " + path + ": " + Win32Platform::errorText(ERROR_FILE_NOT_FOUND);
        return nullptr;
    }
    HKEY root = nullptr;
    // Private to this process, so no other program sees the copy's hive while it is edited.
    const LONG status = RegLoadAppKeyW(file.c_str(), &root, KEY_ALL_ACCESS, REG_PROCESS_APPKEY, 0);
    if (status != ERROR_SUCCESS) {
        error = "Cannot open registry hive " + path + ": " + Win32Platform::errorText(static_cast<uint32_t>(status));
        return nullptr;
    }
    return std::unique_ptr<Win32RegistryHive>(new Win32RegistryHive(root));
}

Win32RegistryHive::~Win32RegistryHive()
{
    // The hive is written back and unloaded when its last handle closes.
    RegCloseKey(rootOf(m_root));
}

bool Win32RegistryHive::fail(const std::string& what, long status)
{
    m_lastError = what + ": " + Win32Platform::errorText(static_cast<uint32_t>(status));
    return false;
}

bool Win32RegistryHive::keyExists(const std::string& path)
{
    return SubKey(rootOf(m_root), path, KEY_READ).status() == ERROR_SUCCESS;
}

std::vector<std::string> Win32RegistryHive::subKeys(const std::string& path)
{
    std::vector<std::string> names;
    SubKey key(rootOf(m_root), path, KEY_ENUMERATE_SUB_KEYS);
    if (key.status() != ERROR_SUCCESS)
        return names;
    for (DWORD index = 0;; ++index) {
        wchar_t name[KeyNameBuffer] = {};
        DWORD length = KeyNameBuffer;
        if (RegEnumKeyExW(key.get(), index, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
            break;
        names.push_back(Win32Platform::narrow(name, length));
    }
    return names;
}

bool Win32RegistryHive::readValue(const std::string& path, const std::string& name, uint32_t& type,
                                  std::vector<uint8_t>& data)
{
    SubKey key(rootOf(m_root), path, KEY_QUERY_VALUE);
    if (key.status() != ERROR_SUCCESS)
        return fail("No key " + path, key.status());
    const std::wstring valueName = Win32Platform::wide(name);
    DWORD valueType = 0;
    DWORD size = 0;
    LONG status = RegQueryValueExW(key.get(), valueName.c_str(), nullptr, &valueType, nullptr, &size);
    for (int attempt = 0; status == ERROR_SUCCESS && attempt < ReadAttempts; ++attempt) {
        std::vector<uint8_t> buffer(size);
        DWORD got = size;
        status = RegQueryValueExW(key.get(), valueName.c_str(), nullptr, &valueType,
                                  buffer.empty() ? nullptr : buffer.data(), &got);
        if (status == ERROR_MORE_DATA) {
            size = got;
            status = ERROR_SUCCESS;
            continue;
        }
        if (status != ERROR_SUCCESS)
            break;
        buffer.resize(std::min<size_t>(got, buffer.size()));
        data = std::move(buffer);
        type = valueType;
        return true;
    }
    return fail("Cannot read " + path + "\\" + name, status == ERROR_SUCCESS ? ERROR_MORE_DATA : status);
}

bool Win32RegistryHive::writeValue(const std::string& path, const std::string& name, uint32_t type,
                                   const std::vector<uint8_t>& data)
{
    HKEY key = rootOf(m_root);
    if (!isRoot(path)) {
        const std::wstring keyName = Win32Platform::wide(path);
        const LONG created = RegCreateKeyExW(rootOf(m_root), keyName.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                             KEY_SET_VALUE, nullptr, &key, nullptr);
        if (created != ERROR_SUCCESS)
            return fail("Cannot create key " + path, created);
    }
    const std::wstring valueName = Win32Platform::wide(name);
    const LONG status = RegSetValueExW(key, valueName.c_str(), 0, type, data.empty() ? nullptr : data.data(),
                                       static_cast<DWORD>(data.size()));
    if (key != rootOf(m_root))
        RegCloseKey(key);
    if (status != ERROR_SUCCESS)
        return fail("Cannot write " + path + "\\" + name, status);
    return true;
}

bool Win32RegistryHive::deleteKey(const std::string& path)
{
    if (isRoot(path)) {
        m_lastError = "Cannot delete key " + path + ": the root of a hive stays";
        return false;
    }
    const std::wstring keyName = Win32Platform::wide(path);
    const LONG status = RegDeleteTreeW(rootOf(m_root), keyName.c_str());
    if (status != ERROR_SUCCESS && status != ERROR_FILE_NOT_FOUND)
        return fail("Cannot delete key " + path, status);
    return true;
}

bool Win32RegistryHive::commit()
{
    const LONG status = RegFlushKey(rootOf(m_root));
    if (status != ERROR_SUCCESS)
        return fail("Cannot write the hive back", status);
    return true;
}
