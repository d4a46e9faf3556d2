#pragma once
#include <cstdint>
#include <string>

// GUID text in the registry form "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}" and the 16 bytes a GPT
// stores, whose first three groups are little-endian (mixed-endian order).
class GuidText {
public:
    static constexpr size_t Bytes = 16;

    static std::string fromGptBytes(const uint8_t* bytes16);
    // Accepts upper or lower case, with or without braces; false (out untouched) for anything else.
    static bool toGptBytes(const std::string& text, uint8_t* out16);
};
