#include "platform/posix/volumename.h"

#include <cctype>
#include <climits>

namespace {
constexpr const char* PrefixQuestion = "\\\\?\\Volume{";
constexpr const char* PrefixDot = "\\\\.\\Volume{";
constexpr size_t PrefixLength = 11;
constexpr size_t GuidTextLength = 36;
constexpr size_t NameBytes = 16;
// Where the hyphens of the 8-4-4-4-12 form sit.
constexpr size_t HyphenPositions[] = {8, 13, 18, 23};

// The image-partition form: marker bytes, then two big-endian numbers.
constexpr char ImageMarker[] = {'\0', 'I', 'M', 'G'};
constexpr size_t ImageMarkerBytes = sizeof ImageMarker;
constexpr size_t OffImageDisk = 4;
constexpr size_t OffImagePartition = 8;
constexpr size_t OffImageTail = 12;

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

std::string nameFromBytes(const std::string& bytes)
{
    static const char digits[] = "0123456789ABCDEF";
    std::string hex;
    for (size_t i = 0; i < NameBytes; ++i) {
        const unsigned char b = i < bytes.size() ? (unsigned char)bytes[i] : 0;
        hex.push_back(digits[b >> 4]);
        hex.push_back(digits[b & 0xF]);
    }
    std::string guid;
    for (size_t i = 0, h = 0; i < GuidTextLength; ++i)
        guid.push_back(isHyphenPosition(i) ? '-' : hex[h++]);
    return std::string(PrefixQuestion) + guid + "}\\";
}

// The 16 bytes inside the braces; false when `name` is not a volume name of this shape.
bool bytesFromName(const std::string& name, std::string& bytes)
{
    bytes.clear();
    if (name.compare(0, PrefixLength, PrefixQuestion) != 0 && name.compare(0, PrefixLength, PrefixDot) != 0)
        return false;
    std::string rest = name.substr(PrefixLength);
    if (!rest.empty() && rest.back() == '\\')
        rest.pop_back();
    if (rest.size() != GuidTextLength + 1 || rest.back() != '}')
        return false;
    int pending = -1;
    for (size_t i = 0; i < GuidTextLength; ++i) {
        if (isHyphenPosition(i)) {
            if (rest[i] != '-')
                return false;
            continue;
        }
        const int v = hexValue(rest[i]);
        if (v < 0)
            return false;
        if (pending < 0) {
            pending = v;
            continue;
        }
        bytes.push_back(char((pending << 4) | v));
        pending = -1;
    }
    return true;
}

void putBigEndian32(std::string& bytes, size_t at, uint32_t v)
{
    for (size_t k = 0; k < 4; ++k)
        bytes[at + k] = char(uint8_t(v >> (24 - 8 * k)));
}

uint32_t bigEndian32(const std::string& bytes, size_t at)
{
    uint32_t v = 0;
    for (size_t k = 0; k < 4; ++k)
        v = v << 8 | uint8_t(bytes[at + k]);
    return v;
}
}

std::string VolumeName::encode(const std::string& kernelName)
{
    if (kernelName.empty() || kernelName.size() > MaxKernelName || kernelName.find('/') != std::string::npos)
        return {};
    return nameFromBytes(kernelName);
}

std::string VolumeName::decode(const std::string& name)
{
    std::string raw;
    if (!bytesFromName(name, raw))
        return {};
    std::string kernel;
    bool ended = false;
    for (char c : raw) {
        if (c == 0) {
            ended = true;
            continue;
        }
        // Bytes after the terminating zero, or characters a kernel name never has, mean this is a
        // real GUID of some other system (or an image partition) and not a kernel name.
        if (ended || c == '/' || !std::isprint((unsigned char)c))
            return {};
        kernel.push_back(c);
    }
    return kernel;
}

std::string VolumeName::encodeImagePartition(int diskNumber, uint32_t partitionNumber)
{
    if (diskNumber < 0)
        return {};
    std::string bytes(NameBytes, '\0');
    bytes.replace(0, ImageMarkerBytes, ImageMarker, ImageMarkerBytes);
    putBigEndian32(bytes, OffImageDisk, uint32_t(diskNumber));
    putBigEndian32(bytes, OffImagePartition, partitionNumber);
    return nameFromBytes(bytes);
}

bool VolumeName::decodeImagePartition(const std::string& name, int& diskNumber, uint32_t& partitionNumber)
{
    std::string raw;
    if (!bytesFromName(name, raw) || raw.compare(0, ImageMarkerBytes, ImageMarker, ImageMarkerBytes) != 0)
        return false;
    for (size_t i = OffImageTail; i < NameBytes; ++i)
        if (raw[i] != 0)
            return false;
    const uint32_t disk = bigEndian32(raw, OffImageDisk);
    if (disk > uint32_t(INT_MAX))
        return false;
    diskNumber = int(disk);
    partitionNumber = bigEndian32(raw, OffImagePartition);
    return true;
}
