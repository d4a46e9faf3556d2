#include "common/memoryfirmware.h"

#include "common/memorynames.h"

namespace {
using N = MemoryNames;
}

bool MemoryFirmware::firmwareType(uint32_t& type)
{
    if (!firmwareAnswers)
        return N::fail(PlatformError::InvalidFunction, "Incorrect function.");
    type = firmware;
    return true;
}

uint32_t MemoryFirmware::probeFirmwareEnvironment()
{
    Platform::setLastError(firmwareProbeCode, firmwareProbeCode ? "Firmware probe" : "");
    return firmwareProbeCode;
}
