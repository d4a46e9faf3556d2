#include "platform/devicehandle.h"
#include "platform/platform.h"

bool DeviceHandle::discard(uint64_t, uint64_t)
{
    Platform::setLastError(PlatformError::NotSupported, "the device cannot discard");
    return false;
}
