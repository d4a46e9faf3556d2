#pragma once
// An MFT record and its attributes, checked and walked over bytes without I/O (no Qt, so it can be fuzzed).
#include <cstddef>
#include <cstdint>

class NtfsMftRecord {
public:
    enum class Status {
        Ok,
        TooShort,           // buffer smaller than 512 bytes or not a multiple of 512
        BadSignature,       // not "FILE"
        BadUpdateSequence,  // update-sequence array offset or count impossible for this size
        FixupMismatch,      // a stride does not end with the update sequence number (torn write)
        NotInUse,
        WrongRecordNumber,
        BadHeader,          // bytes in use or first-attribute offset out of the record
    };

    static constexpr uint32_t TypeData = 0x80;
    static constexpr uint32_t TypeEnd = 0xFFFFFFFF;
    static constexpr size_t FixupStride = 512;

    // Checks the record header and applies the update-sequence array in place. `recordNumber`
    // is compared with the number stored in NTFS 3.1 headers.
    static Status prepare(uint8_t* data, size_t size, uint64_t recordNumber);
    // Header fields, valid after prepare() returned Ok.
    static uint16_t firstAttributeOffset(const uint8_t* data);
    static uint32_t bytesInUse(const uint8_t* data, size_t size);

    struct Attribute {
        uint32_t offset = 0;  // within the record
        uint32_t type = 0;
        uint32_t length = 0;
        bool nonResident = false;
        uint8_t nameLength = 0;
    };
    enum class Step { Found, End, BadLength };
    // The attribute header at `offset` within the first `used` bytes. Found: `out` lies wholly
    // inside them. BadLength: `out.type` and `out.length` hold what was read, if anything.
    static Step attributeAt(const uint8_t* data, size_t used, uint32_t offset, Attribute& out);

    struct NonResident {
        uint64_t startVcn = 0;
        uint64_t lastVcn = 0;
        uint64_t allocatedSize = 0;
        uint64_t dataSize = 0;
        uint64_t initializedSize = 0;  // the valid length: bytes past it read as zeros
        uint16_t runListOffset = 0;  // within the attribute
        uint32_t runListLength = 0;  // bytes from there to the attribute's end
    };
    // The non-resident header of `attribute`; false when it does not fit the attribute.
    static bool nonResidentHeader(const uint8_t* data, const Attribute& attribute, NonResident& out);
};
