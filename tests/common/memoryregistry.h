#pragma once
// A registry held in memory for tests: the registry part of a MemoryPlatform, usable alone. Keys by
// sub-key path; a key's sub-keys are the stored keys one level below it, listed in sorted order.
#include "platform/platform.h"

#include <cstdint>
#include <map>
#include <mutex>
#include <string>
#include <vector>

class MemoryRegistry : public PlatformRegistry {
public:
    struct RegistryValue {
        uint32_t type = 0;
        std::vector<uint8_t> data;
    };
    std::map<std::string, std::map<std::string, RegistryValue>> registry;
    uint32_t registryEnumStatus = PlatformError::NoMoreItems;  // what ends every sub-key enumeration
    static RegistryValue dword(uint32_t value);                // REG_DWORD, little-endian

    bool registryKeyExists(const std::string& subKey) override;
    bool registryReadValue(const std::string& subKey, const std::string& valueName, std::vector<uint8_t>& data,
                           uint32_t& type) override;
    uint32_t registryEnumSubKeys(const std::string& subKey, std::vector<std::string>& names) override;

private:
    mutable std::recursive_mutex m_mutex;
};
