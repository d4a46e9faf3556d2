#pragma once
#include <cstddef>
#include <cstdint>

// CRC-32 of IEEE 802.3 / zlib (reflected polynomial 0xEDB88320), as the GPT uses it.
class Crc32 {
public:
    static uint32_t compute(const void* data, size_t length);
};
