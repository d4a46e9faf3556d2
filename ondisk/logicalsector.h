#pragma once
#include <cstdint>

// The logical sector sizes a disk may report: a power of two from 512 bytes to 64 KiB. Every
// LBA computation, table read and 512-byte unit conversion relies on this one rule.
class LogicalSector {
public:
    static constexpr uint32_t MinBytes = 512;
    static constexpr uint32_t MaxBytes = 65536;

    static constexpr bool isValid(uint32_t bytes)
    {
        return bytes >= MinBytes && bytes <= MaxBytes && (bytes & (bytes - 1)) == 0;
    }
};
