#pragma once

#include <QObject>
#include <QString>
#include <QUuid>
#include <cstdint>

class DiskIO;

// The two edits of a blank target's GPT (a fresh table, one added entry) through GptDisk.
// Stateless: every operation is static and takes the disk's logical sector size; LBAs are in that
// sector size.
class PartitionTable : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    static void guidToGptBytes(const QUuid& guid, uint8_t* out16);

    static bool initializeGpt(DiskIO& disk, uint64_t diskSizeBytes, uint32_t sectorSize);
    static bool addGptPartition(DiskIO& disk, uint64_t firstLba, uint64_t lastLba, const QUuid& typeGuid,
                                const QString& name, uint32_t sectorSize);
};
