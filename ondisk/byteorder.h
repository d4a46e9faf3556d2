#pragma once
// Little-endian field access for on-disk structures. Bounds-unchecked: callers check the span first.
#include <cstdint>

class ByteOrder {
public:
    static uint16_t get16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | (p[1] << 8)); }
    static uint32_t get32(const uint8_t* p)
    {
        return static_cast<uint32_t>(get16(p)) | (static_cast<uint32_t>(get16(p + 2)) << 16);
    }
    static uint64_t get64(const uint8_t* p)
    {
        return static_cast<uint64_t>(get32(p)) | (static_cast<uint64_t>(get32(p + 4)) << 32);
    }
    // `width` (0..8) bytes as an unsigned number.
    static uint64_t getUnsigned(const uint8_t* p, unsigned width)
    {
        uint64_t v = 0;
        for (unsigned i = 0; i < width; ++i)
            v |= static_cast<uint64_t>(p[i]) << (8 * i);
        return v;
    }
    // `width` (0..8) bytes, sign-extended from the top bit of the last byte.
    static int64_t getSigned(const uint8_t* p, unsigned width)
    {
        if (width == 0)
            return 0;
        uint64_t v = getUnsigned(p, width);
        if (width < 8 && (p[width - 1] & 0x80))
            v |= ~uint64_t(0) << (8 * width);
        return static_cast<int64_t>(v);
    }

    static void put16(uint8_t* p, uint16_t v)
    {
        p[0] = static_cast<uint8_t>(v);
        p[1] = static_cast<uint8_t>(v >> 8);
    }
    static void put32(uint8_t* p, uint32_t v)
    {
        for (int i = 0; i < 4; ++i)
            p[i] = static_cast<uint8_t>(v >> (8 * i));
    }
    static void put64(uint8_t* p, uint64_t v)
    {
        for (int i = 0; i < 8; ++i)
            p[i] = static_cast<uint8_t>(v >> (8 * i));
    }
};
