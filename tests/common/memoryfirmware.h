#pragma once
// A settable firmware for tests: the firmware part of a MemoryPlatform, usable alone.
#include "platform/platform.h"

class MemoryFirmware : public PlatformFirmware {
public:
    uint32_t firmware = 2;                          // UEFI

    bool firmwareType(uint32_t& type) override;
    uint32_t probeFirmwareEnvironment() override;
};
