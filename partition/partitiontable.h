#pragma once
#include "ondisk/gptheader.h"
#include "ondisk/gptpartitionentry.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QUuid>
#include <cstdint>

class DiskIO;

// Reads the GPT of the target of a DiskIO and makes the two edits of a blank target (a fresh table,
// one added entry) through GptDisk. Stateless: every operation is static and
// takes the disk's logical sector size; LBAs are in that sector size.
class PartitionTable : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    static uint32_t crc32(const void* data, size_t length);
    static void guidToGptBytes(const QUuid& guid, uint8_t* out16);

    static bool readGptHeader(DiskIO& disk, GptHeader& out, uint32_t sectorSize);
    static bool readGptEntries(DiskIO& disk, QList<GptPartitionEntry>& out, uint32_t sectorSize);
    static bool initializeGpt(DiskIO& disk, uint64_t diskSizeBytes, uint32_t sectorSize);
    static bool addGptPartition(DiskIO& disk, uint64_t firstLba, uint64_t lastLba, const QUuid& typeGuid,
                                const QString& name, uint32_t sectorSize);

    // Sector sizes the GPT code accepts: a multiple of 128, at least 512.
    static bool isValidSectorSize(uint32_t sectorSize);
};
