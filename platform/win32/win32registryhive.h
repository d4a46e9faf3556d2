#pragma once
// RegistryHive over a hive file loaded as an application hive (RegLoadAppKeyW). Compiled only on
// Windows.
#include "platform/registryhive.h"

#include <memory>

// Windows writes an application hive back on its own, at the latest when its last handle closes:
// unlike the hivex one, changes made without commit() are not discarded. commit() flushes them.
class Win32RegistryHive : public RegistryHive {
public:
    // Null with `error` set when the file is missing or cannot be loaded as a hive (one that is
    // loaded elsewhere, as the running system's own hives are, is refused by Windows).
    static std::unique_ptr<Win32RegistryHive> open(const std::string& path, std::string& error);
    ~Win32RegistryHive() override;
    Win32RegistryHive(const Win32RegistryHive&) = delete;
    Win32RegistryHive& operator=(const Win32RegistryHive&) = delete;

    bool keyExists(const std::string& path) override;
    std::vector<std::string> subKeys(const std::string& path) override;
    bool readValue(const std::string& path, const std::string& name, uint32_t& type,
                   std::vector<uint8_t>& data) override;
    bool writeValue(const std::string& path, const std::string& name, uint32_t type,
                    const std::vector<uint8_t>& data) override;
    bool deleteKey(const std::string& path) override;
    bool commit() override;
    std::string lastError() const override { return m_lastError; }

private:
    explicit Win32RegistryHive(void* root) : m_root(root) {}
    bool fail(const std::string& what, long status);

    void* m_root;  // HKEY of the hive's root
    std::string m_lastError;
};
