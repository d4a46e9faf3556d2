#pragma once
// Reads of the running system's registry below HKEY_LOCAL_MACHINE, and hive files opened for
// editing. Compiled only on Windows.
#include "platform/platformregistry.h"

class Win32Registry : public PlatformRegistry {
public:
    bool registryKeyExists(const std::string& subKey) override;
    bool registryReadValue(const std::string& subKey, const std::string& valueName,
                           std::vector<uint8_t>& data, uint32_t& type) override;
    uint32_t registryEnumSubKeys(const std::string& subKey, std::vector<std::string>& names) override;
    std::unique_ptr<RegistryHive> openRegistryHive(const std::string& path) override;
};
