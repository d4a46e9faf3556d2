#include "common/memoryregistry.h"

#include "common/memorynames.h"

namespace {
using N = MemoryNames;
}

bool MemoryRegistry::registryKeyExists(const std::string& subKey)
{
    std::lock_guard<std::recursive_mutex> lock(m_mutex);
    const std::string k = N::lower(N::stripTrailingBackslash(subKey));
    for (const auto& [key, values] : registry) {
        const std::string lk = N::lower(key);
        if (lk == k || lk.rfind(k + "\\", 0) == 0)
            return true;
    }
    return N::fail(PlatformError::FileNotFound, N::NotFoundText);
}

bool MemoryRegistry::registryReadValue(const std::string& subKey, const std::string& valueName,
                                       std::vector<uint8_t>& data, uint32_t& type)
{
    std::lock_guard<std::recursive_mutex> lock(m_mutex);
    for (const auto& [key, values] : registry) {
        if (!N::equalNoCase(key, N::stripTrailingBackslash(subKey)))
            continue;
        for (const auto& [name, value] : values) {
            if (N::equalNoCase(name, valueName)) {
                data = value.data;
                type = value.type;
                return true;
            }
        }
    }
    return N::fail(PlatformError::FileNotFound, N::NotFoundText);
}

uint32_t MemoryRegistry::registryEnumSubKeys(const std::string& subKey, std::vector<std::string>& names)
{
    std::lock_guard<std::recursive_mutex> lock(m_mutex);
    names.clear();
    if (!registryKeyExists(subKey))
        return PlatformError::FileNotFound;
    const std::string prefix = N::lower(N::stripTrailingBackslash(subKey)) + "\\";
    for (const auto& [key, values] : registry) {
        if (N::lower(key).rfind(prefix, 0) != 0)
            continue;
        const std::string rest = key.substr(prefix.size());
        const std::string child = rest.substr(0, rest.find('\\'));
        if (!child.empty() && N::findNoCase(names, child) == names.end())
            names.push_back(child);
    }
    Platform::setLastError(registryEnumStatus, "Registry enumeration ended.");
    return registryEnumStatus;
}

MemoryRegistry::RegistryValue MemoryRegistry::dword(uint32_t value)
{
    return RegistryValue{4, {uint8_t(value), uint8_t(value >> 8), uint8_t(value >> 16), uint8_t(value >> 24)}};
}
