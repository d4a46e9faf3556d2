#pragma once
#include <cstdint>

// What the machine's firmware reports.
class PlatformFirmware {
public:
    virtual ~PlatformFirmware() = default;

    // 1 = BIOS, 2 = UEFI, other values as the platform reports them.
    virtual bool firmwareType(uint32_t& type) = 0;
    // Reads an empty-named variable of the zero GUID without a buffer; returns the error code left behind.
    virtual uint32_t probeFirmwareEnvironment() = 0;
};
