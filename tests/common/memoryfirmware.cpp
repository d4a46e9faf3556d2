#include "common/memoryfirmware.h"

bool MemoryFirmware::firmwareType(uint32_t& type)
{
    type = firmware;
    return true;
}

uint32_t MemoryFirmware::probeFirmwareEnvironment()
{
    Platform::setLastError(PlatformError::InvalidFunction, "Incorrect function.");
    return PlatformError::InvalidFunction;
}
