#pragma once
#include <QByteArray>
#include <cstdint>

// The MBR bootstrap assembled from boot/mbr/mbr.asm (see scripts/gen-mbr.sh).
class MbrBootCode {
public:
    static constexpr int BootstrapSize = 440;
    static constexpr int ImageSize = 446;  // bootstrap + zeroed disk signature and reserved word
    static const uint8_t Bootstrap[BootstrapSize];

    // The 446 bytes that replace the start of sector 0.
    static QByteArray image();
};
