#include "platform/posix/volumename.h"

#include <cctype>

namespace {
constexpr const char* PrefixQuestion = "\\\\?\\Volume{";
constexpr const char* PrefixDot = "\\\\.\\Volume{";
constexpr size_t PrefixLength = 11;
constexpr size_t GuidTextLength = 36;
// Where the hyphens of the 8-4-4-4-12 form sit.
constexpr size_t HyphenPositions[] = {8, 13, 18, 23};

bool isHyphenPosition(size_t i)
{
    for (size_t p : HyphenPositions)
        if (p == i)
            return true;
    return false;
}

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}
}

std::string VolumeName::encode(const std::string& kernelName)
{
    if (kernelName.empty() || kernelName.size() > MaxKernelName || kernelName.find('/') != std::string::npos)
        return {};
    static const char digits[] = "0123456789ABCDEF";
    std::string hex;
    for (size_t i = 0; i < MaxKernelName; ++i) {
        const unsigned char b = i < kernelName.size() ? (unsigned char)kernelName[i] : 0;
        hex.push_back(digits[b >> 4]);
        hex.push_back(digits[b & 0xF]);
    }
    std::string guid;
    for (size_t i = 0, h = 0; i < GuidTextLength; ++i)
        guid.push_back(isHyphenPosition(i) ? '-' : hex[h++]);
    return std::string(PrefixQuestion) + guid + "}\\";
}

std::string VolumeName::decode(const std::string& name)
{
    if (name.compare(0, PrefixLength, PrefixQuestion) != 0 && name.compare(0, PrefixLength, PrefixDot) != 0)
        return {};
    std::string rest = name.substr(PrefixLength);
    if (!rest.empty() && rest.back() == '\\')
        rest.pop_back();
    if (rest.size() != GuidTextLength + 1 || rest.back() != '}')
        return {};
    std::string bytes;
    int pending = -1;
    bool ended = false;
    for (size_t i = 0; i < GuidTextLength; ++i) {
        if (isHyphenPosition(i)) {
            if (rest[i] != '-')
                return {};
            continue;
        }
        const int v = hexValue(rest[i]);
        if (v < 0)
            return {};
        if (pending < 0) {
            pending = v;
            continue;
        }
        const char c = char((pending << 4) | v);
        pending = -1;
        if (c == 0) {
            ended = true;
        } else {
            // Bytes after the terminating zero, or characters a kernel name never has, mean this is
            // a real GUID of some other system and not one of ours.
            if (ended || c == '/' || !std::isprint((unsigned char)c))
                return {};
            bytes.push_back(c);
        }
    }
    return bytes;
}
