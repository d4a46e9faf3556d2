#pragma once
#include <cstdint>

// The MBR bootstrap assembled from boot/mbr/mbr.asm (see scripts/gen-mbr.sh).
class MbrBootCode {
public:
    static constexpr int BootstrapSize = 440;
    static const uint8_t Bootstrap[BootstrapSize];
};
