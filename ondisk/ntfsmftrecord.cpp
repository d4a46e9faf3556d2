#include "ondisk/ntfsmftrecord.h"

#include "ondisk/byteorder.h"

#include <cstring>

namespace {
constexpr size_t OffUsaOffset = 4;
constexpr size_t OffUsaCount = 6;
constexpr size_t OffFirstAttribute = 20;
constexpr size_t OffFlags = 22;
constexpr size_t OffBytesInUse = 24;
constexpr size_t OffRecordNumber = 44;
constexpr size_t Header31Size = 48;  // NTFS 3.1 headers carry the record number
constexpr uint16_t FlagInUse = 0x0001;

constexpr size_t OffAttrType = 0;
constexpr size_t OffAttrLength = 4;
constexpr size_t OffAttrNonResident = 8;
constexpr size_t OffAttrNameLength = 9;
constexpr uint32_t MinAttributeLength = 24;

constexpr size_t OffStartVcn = 16;
constexpr size_t OffLastVcn = 24;
constexpr size_t OffRunListOffset = 32;
constexpr size_t OffAllocatedSize = 40;
constexpr size_t OffDataSize = 48;
constexpr size_t OffInitializedSize = 56;
constexpr uint32_t NonResidentHeaderSize = 64;
}

NtfsMftRecord::Status NtfsMftRecord::prepare(uint8_t* data, size_t size, uint64_t recordNumber)
{
    if (!data || size < FixupStride || size % FixupStride != 0)
        return Status::TooShort;
    if (std::memcmp(data, "FILE", 4) != 0)
        return Status::BadSignature;

    const uint16_t usaOffset = ByteOrder::get16(data + OffUsaOffset);
    const uint16_t usaCount = ByteOrder::get16(data + OffUsaCount);
    const size_t strides = size / FixupStride;
    // The array (sequence number + one saved word per stride) must sit in the first stride, before its last word.
    if (usaCount != strides + 1 || usaOffset < OffUsaCount + 2 || usaOffset % 2 != 0
        || size_t(usaOffset) + 2u * usaCount > FixupStride - 2)
        return Status::BadUpdateSequence;

    const uint16_t usn = ByteOrder::get16(data + usaOffset);
    for (size_t i = 0; i < strides; ++i) {
        uint8_t* tail = data + (i + 1) * FixupStride - 2;
        if (ByteOrder::get16(tail) != usn)
            return Status::FixupMismatch;
    }
    for (size_t i = 0; i < strides; ++i) {
        uint8_t* tail = data + (i + 1) * FixupStride - 2;
        std::memcpy(tail, data + usaOffset + 2 * (i + 1), 2);
    }

    if (!(ByteOrder::get16(data + OffFlags) & FlagInUse))
        return Status::NotInUse;
    if (usaOffset >= Header31Size && ByteOrder::get32(data + OffRecordNumber) != uint32_t(recordNumber))
        return Status::WrongRecordNumber;
    const uint32_t used = ByteOrder::get32(data + OffBytesInUse);
    const uint16_t first = ByteOrder::get16(data + OffFirstAttribute);
    if (used > size || first < size_t(usaOffset) + 2u * usaCount || size_t(first) + 4 > used)
        return Status::BadHeader;
    return Status::Ok;
}

uint16_t NtfsMftRecord::firstAttributeOffset(const uint8_t* data)
{
    return ByteOrder::get16(data + OffFirstAttribute);
}

uint32_t NtfsMftRecord::bytesInUse(const uint8_t* data, size_t size)
{
    const uint32_t used = ByteOrder::get32(data + OffBytesInUse);
    return used > size ? uint32_t(size) : used;
}

NtfsMftRecord::Step NtfsMftRecord::attributeAt(const uint8_t* data, size_t used, uint32_t offset, Attribute& out)
{
    out = Attribute();
    out.offset = offset;
    if (size_t(offset) + 4 > used)
        return Step::BadLength;
    out.type = ByteOrder::get32(data + offset + OffAttrType);
    if (out.type == TypeEnd)
        return Step::End;
    if (size_t(offset) + 8 > used)
        return Step::BadLength;
    out.length = ByteOrder::get32(data + offset + OffAttrLength);
    if (out.length < MinAttributeLength || out.length % 8 != 0 || out.length > used - offset)
        return Step::BadLength;
    out.nonResident = data[offset + OffAttrNonResident] != 0;
    out.nameLength = data[offset + OffAttrNameLength];
    return Step::Found;
}

bool NtfsMftRecord::nonResidentHeader(const uint8_t* data, const Attribute& attribute, NonResident& out)
{
    out = NonResident();
    if (!attribute.nonResident || attribute.length < NonResidentHeaderSize)
        return false;
    const uint8_t* a = data + attribute.offset;
    out.startVcn = ByteOrder::get64(a + OffStartVcn);
    out.lastVcn = ByteOrder::get64(a + OffLastVcn);
    out.runListOffset = ByteOrder::get16(a + OffRunListOffset);
    out.allocatedSize = ByteOrder::get64(a + OffAllocatedSize);
    out.dataSize = ByteOrder::get64(a + OffDataSize);
    out.initializedSize = ByteOrder::get64(a + OffInitializedSize);
    if (out.runListOffset < NonResidentHeaderSize || out.runListOffset >= attribute.length)
        return false;
    out.runListLength = attribute.length - out.runListOffset;
    return true;
}
