#pragma once
#include "ondisk/gptheader.h"
#include "ondisk/gptpartitionentry.h"

#include <QByteArray>
#include <QList>
#include <QUuid>
#include <cstdint>

// Pure GPT layout functions over byte arrays: GUID byte order, entry arrays, fresh tables.
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

    // Entry i taken at i * stride of `array` (stride >= 128), `count` entries.
    static QList<GptPartitionEntry> parseEntries(const QByteArray& array, uint32_t count, uint32_t stride);
    // Packed 128-byte entries, `count` of them (missing ones zero, extra ones dropped).
    static QByteArray serializeEntries(const QList<GptPartitionEntry>& entries, uint32_t count);

    // The header's 92 bytes.
    static QByteArray headerBytes(const GptHeader& header);
    // One zero sector with the header's 92 bytes at its start.
    static QByteArray headerSector(const GptHeader& header, uint32_t sectorSize);
    // Replaces the first 92 bytes of an existing sector, keeping the rest as it was.
    static void putHeader(QByteArray& sector, const GptHeader& header);

    // The header of an empty GPT for a disk of `totalSectors` (entry CRC over 128 zero entries).
    static GptHeader newHeader(uint64_t totalSectors, uint32_t sectorSize, const QUuid& diskGuid);

    // Index of the first used entry that shares a sector with [first, last], or -1.
    // `skip` is an index left out of the comparison (the entry being changed).
    static int findOverlap(const QList<GptPartitionEntry>& entries, uint64_t first, uint64_t last, int skip = -1);
};
