#include "ondisk/emptyhive.h"
#include "ondisk/byteorder.h"

#include <algorithm>
#include <cstring>

namespace {
// Cells are allocated in multiples of 8 bytes; an allocated cell's size is stored negated.
size_t cellBytes(size_t used) { return (used + 7) / 8 * 8; }
} // namespace

uint32_t EmptyHive::checksum(const uint8_t* baseBlock)
{
    uint32_t sum = 0;
    for (size_t at = 0; at < OffChecksum; at += 4)
        sum ^= ByteOrder::get32(baseBlock + at);
    return sum;
}

std::vector<uint8_t> EmptyHive::encode(const std::string& rootName)
{
    if (rootName.empty() || rootName.size() > MaxRootNameBytes)
        return {};
    std::vector<uint8_t> file(BaseBlockBytes + BinBytes, 0);
    uint8_t* bin = file.data() + BaseBlockBytes;
    const size_t keyCell = BinHeaderBytes;
    const size_t keySize = cellBytes(OffKeyName + rootName.size());
    const size_t securityCell = keyCell + keySize;
    const size_t securitySize = cellBytes(OffDescriptor + DescriptorBytes);
    const size_t freeCell = securityCell + securitySize;

    uint8_t* base = file.data();
    std::memcpy(base + OffSignature, "regf", 4);
    ByteOrder::put32(base + OffPrimarySequence, 1);
    ByteOrder::put32(base + OffSecondarySequence, 1);
    ByteOrder::put32(base + OffMajorVersion, MajorVersion);
    ByteOrder::put32(base + OffMinorVersion, MinorVersion);
    ByteOrder::put32(base + OffFileFormat, DirectMemoryLoad);
    ByteOrder::put32(base + OffRootCell, uint32_t(keyCell));
    ByteOrder::put32(base + OffBinsSize, uint32_t(BinBytes));
    ByteOrder::put32(base + OffClustering, 1);

    std::memcpy(bin, "hbin", 4);
    ByteOrder::put32(bin + OffBinSize, uint32_t(BinBytes));

    uint8_t* key = bin + keyCell;
    ByteOrder::put32(key + OffCellSize, uint32_t(-int32_t(keySize)));
    std::memcpy(key + OffCellSignature, "nk", 2);
    ByteOrder::put16(key + OffKeyFlags, RootKeyFlags);
    for (size_t at : {OffSubKeyList, OffVolatileSubKeyList, OffValueList, OffClassName})
        ByteOrder::put32(key + at, NoCell);
    ByteOrder::put32(key + OffSecurity, uint32_t(securityCell));
    ByteOrder::put16(key + OffKeyNameLength, uint16_t(rootName.size()));
    std::memcpy(key + OffKeyName, rootName.data(), rootName.size());

    // The only security cell lists itself as its neighbours.
    uint8_t* security = bin + securityCell;
    ByteOrder::put32(security + OffCellSize, uint32_t(-int32_t(securitySize)));
    std::memcpy(security + OffCellSignature, "sk", 2);
    ByteOrder::put32(security + OffSecurityNext, uint32_t(securityCell));
    ByteOrder::put32(security + OffSecurityPrevious, uint32_t(securityCell));
    ByteOrder::put32(security + OffReferenceCount, 1);
    ByteOrder::put32(security + OffDescriptorSize, uint32_t(DescriptorBytes));
    security[OffDescriptor] = DescriptorRevision;
    ByteOrder::put16(security + OffDescriptor + OffDescriptorControl, SelfRelative);

    ByteOrder::put32(bin + freeCell + OffCellSize, uint32_t(BinBytes - freeCell));
    ByteOrder::put32(base + OffChecksum, checksum(base));
    return file;
}
