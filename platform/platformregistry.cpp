#include "platform/platformregistry.h"

#include "platform/platform.h"

std::unique_ptr<RegistryHive> PlatformRegistry::openRegistryHive(const std::string&)
{
    Platform::setLastError(PlatformError::NotSupported, "Registry hive files cannot be edited here");
    return nullptr;
}
