#pragma once
#include <cstdint>
#include <string>
#include <vector>

// A registry hive file (a boot store, a SYSTEM hive) opened for editing while no Windows has it
// loaded. Key paths are relative to the hive's root, parts separated by "\", matched without
// regard to case. Changes stay in memory until commit() writes the file back.
class RegistryHive {
public:
    static constexpr uint32_t TypeString = 1;
    static constexpr uint32_t TypeBinary = 3;
    static constexpr uint32_t TypeDword = 4;
    static constexpr uint32_t TypeMultiString = 7;

    virtual ~RegistryHive() = default;

    virtual bool keyExists(const std::string& path) = 0;
    // Names of the key's sub-keys in stored order; empty for a missing key.
    virtual std::vector<std::string> subKeys(const std::string& path) = 0;
    virtual bool readValue(const std::string& path, const std::string& name, uint32_t& type,
                           std::vector<uint8_t>& data) = 0;
    // Adds or replaces one value, creating missing keys along `path`.
    virtual bool writeValue(const std::string& path, const std::string& name, uint32_t type,
                            const std::vector<uint8_t>& data) = 0;
    // Removes a key with everything below it; true when it is gone (or was never there).
    virtual bool deleteKey(const std::string& path) = 0;
    virtual bool commit() = 0;
    virtual std::string lastError() const = 0;
};
