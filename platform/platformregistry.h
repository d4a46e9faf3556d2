#pragma once
#include "platform/registryhive.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// The running system's registry (keys under HKEY_LOCAL_MACHINE, sub-key path without the root) and
// hive files opened for editing.
class PlatformRegistry {
public:
    virtual ~PlatformRegistry() = default;

    virtual bool registryKeyExists(const std::string& subKey) = 0;
    // Reads a value; `data` receives its bytes and `type` its REG_* type.
    virtual bool registryReadValue(const std::string& subKey, const std::string& valueName,
                                   std::vector<uint8_t>& data, uint32_t& type) = 0;
    // Sub-key names in index order; returns the status that ended the enumeration
    // (NoMoreItems when it ran to the end), or another code when the key could not be opened.
    virtual uint32_t registryEnumSubKeys(const std::string& subKey, std::vector<std::string>& names) = 0;

    // A hive file (not the running system's registry) opened for editing; null with lastError
    // where this backend has no hive editor.
    virtual std::unique_ptr<RegistryHive> openRegistryHive(const std::string& path);
};
