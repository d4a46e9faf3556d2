#pragma once
// GetFirmwareType and the firmware-variable probe. Compiled only on Windows.
#include "platform/platformfirmware.h"

class Win32Firmware : public PlatformFirmware {
public:
    bool firmwareType(uint32_t& type) override;
    uint32_t probeFirmwareEnvironment() override;
};
