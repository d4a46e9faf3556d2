#include "ondisk/crc32.h"

#include <array>

namespace {
std::array<uint32_t, 256> buildTable()
{
    std::array<uint32_t, 256> table{};
    for (uint32_t i = 0; i < 256; ++i) {
        uint32_t c = i;
        for (int k = 0; k < 8; ++k)
            c = (c & 1) ? (0xEDB88320u ^ (c >> 1)) : (c >> 1);
        table[i] = c;
    }
    return table;
}
}

uint32_t Crc32::compute(const void* data, size_t length)
{
    if (length == 0)
        return 0;
    // Built once; a function-local static is initialised thread-safely.
    static const std::array<uint32_t, 256> table = buildTable();
    const auto* p = static_cast<const uint8_t*>(data);
    uint32_t crc = 0xFFFFFFFFu;
    for (size_t i = 0; i < length; ++i)
        crc = table[(crc ^ p[i]) & 0xFF] ^ (crc >> 8);
    return ~crc;
}
