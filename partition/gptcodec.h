#pragma once
#include "ondisk/gptpartitionentry.h"

#include <QUuid>
#include <cstdint>

// GPT values that come from Qt types: GUIDs in disk byte order, the known partition types.
class GptCodec {
public:
    static const QUuid& efiSystemType();
    static const QUuid& basicDataType();
    static const QUuid& reservedType();
    static const QUuid& linuxDataType();

    // RFC 4122 order r0..r15 -> disk order r3 r2 r1 r0 r5 r4 r7 r6 r8..r15.
    static void guidToGptBytes(const QUuid& guid, uint8_t* out16);
    static QUuid gptBytesToGuid(const uint8_t* in16);
    static void setEntryTypeGuid(GptPartitionEntry& entry, const QUuid& guid);
    static void setEntryUniqueGuid(GptPartitionEntry& entry, const QUuid& guid);

    // Sectors of a 128-entry array of 128-byte entries: 32 for 512, 4 for 4096.
    static uint32_t entrySectors(uint32_t sectorSize);
};
