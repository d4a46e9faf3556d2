#pragma once
// Bounds-unchecked little-endian field reads; callers check the span first.
#include <cstddef>
#include <cstdint>

class LittleEndian {
public:
    static uint16_t u16(const uint8_t* p) { return uint16_t(p[0] | (p[1] << 8)); }
    static uint32_t u32(const uint8_t* p) { return uint32_t(u16(p)) | (uint32_t(u16(p + 2)) << 16); }
    static uint64_t u64(const uint8_t* p) { return uint64_t(u32(p)) | (uint64_t(u32(p + 4)) << 32); }
    // `width` (0..8) bytes as an unsigned number.
    static uint64_t unsignedField(const uint8_t* p, unsigned width)
    {
        uint64_t v = 0;
        for (unsigned i = 0; i < width; ++i)
            v |= uint64_t(p[i]) << (8 * i);
        return v;
    }
    // `width` (0..8) bytes, sign-extended from the top bit of the last byte.
    static int64_t signedField(const uint8_t* p, unsigned width)
    {
        if (width == 0)
            return 0;
        uint64_t v = unsignedField(p, width);
        if (width < 8 && (p[width - 1] & 0x80))
            v |= ~uint64_t(0) << (8 * width);
        return int64_t(v);
    }
    static void put16(uint8_t* p, uint16_t v) { p[0] = uint8_t(v); p[1] = uint8_t(v >> 8); }
};
