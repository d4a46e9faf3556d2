#pragma once
#include <array>
#include <cstddef>
#include <cstdint>

// The one hash of copied bytes (XXH3, 128 bits): verification of a copy, the plan's and the
// source's fingerprints in a resume journal. Fast and collision-resistant enough for data
// integrity checks, not a cryptographic digest.
class ContentHash {
public:
    using Digest = std::array<uint8_t, 16>;
    static Digest of(const void* data, size_t length);
};
