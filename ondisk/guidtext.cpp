#include "ondisk/guidtext.h"
#include "ondisk/byteorder.h"

#include <cstdio>

namespace {
constexpr size_t OffData1 = 0;  // 32-bit, little-endian
constexpr size_t OffData2 = 4;  // 16-bit, little-endian
constexpr size_t OffData3 = 6;  // 16-bit, little-endian
constexpr size_t OffData4 = 8;  // 8 bytes in text order
constexpr size_t TextLength = 36;

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

bool isHyphenPosition(size_t i) { return i == 8 || i == 13 || i == 18 || i == 23; }
}

std::string GuidText::fromGptBytes(const uint8_t* b)
{
    char text[40];
    const uint8_t* d4 = b + OffData4;
    std::snprintf(text, sizeof text, "{%08X-%04X-%04X-%02X%02X-%02X%02X%02X%02X%02X%02X}",
                  unsigned(ByteOrder::get32(b + OffData1)), unsigned(ByteOrder::get16(b + OffData2)),
                  unsigned(ByteOrder::get16(b + OffData3)), d4[0], d4[1], d4[2], d4[3], d4[4], d4[5], d4[6], d4[7]);
    return text;
}

bool GuidText::toGptBytes(const std::string& text, uint8_t* out)
{
    std::string body = text;
    if (body.size() == TextLength + 2 && body.front() == '{' && body.back() == '}')
        body = body.substr(1, TextLength);
    if (body.size() != TextLength)
        return false;
    uint8_t rfc[Bytes];  // the bytes in text order
    size_t n = 0;
    for (size_t i = 0; i < TextLength; i += 2) {
        if (isHyphenPosition(i)) {
            if (body[i] != '-')
                return false;
            ++i;
        }
        const int hi = hexValue(body[i]);
        const int lo = hexValue(body[i + 1]);
        if (hi < 0 || lo < 0)
            return false;
        rfc[n++] = uint8_t(hi << 4 | lo);
    }
    const auto bigEndian = [&](size_t at, size_t width) {
        uint32_t v = 0;
        for (size_t k = 0; k < width; ++k)
            v = v << 8 | rfc[at + k];
        return v;
    };
    ByteOrder::put32(out + OffData1, bigEndian(0, 4));
    ByteOrder::put16(out + OffData2, uint16_t(bigEndian(4, 2)));
    ByteOrder::put16(out + OffData3, uint16_t(bigEndian(6, 2)));
    for (size_t k = 0; k < 8; ++k)
        out[OffData4 + k] = rfc[8 + k];
    return true;
}
