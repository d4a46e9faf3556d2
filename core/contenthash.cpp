#include "core/contenthash.h"

#include <xxhash.h>

ContentHash::Digest ContentHash::of(const void* data, size_t length)
{
    const XXH128_hash_t h = XXH3_128bits(data, length);
    Digest out{};
    for (int i = 0; i < 8; ++i) {
        out[size_t(i)] = uint8_t(h.low64 >> (8 * i));
        out[size_t(8 + i)] = uint8_t(h.high64 >> (8 * i));
    }
    return out;
}
