#pragma once
#include "core/diskinfo.h"
#include "core/partitioninfo.h"
#include "partition/resizeplanentry.h"
#include "partition/resizeplanner.h"

#include <QList>
#include <QObject>
#include <QString>
#include <cstdint>

class DiskIO;
class GptDisk;

// Plans and carries out the resize of a cloned layout, creates the data partition behind it and
// gives a cloned GPT disk new identities. Partition positions in plans and PartitionInfo are
// 512-byte units; they are converted to the disk's logical sectors where tables are written, and a
// position that does not fall on a disk sector is refused.
class PartitionResizer : public QObject {
    Q_OBJECT
public:
    using ResizeStrategy = ResizePlanner::Strategy;
    using enum ResizePlanner::Strategy;

    explicit PartitionResizer(QObject* parent = nullptr);

    QList<ResizePlanEntry> calculateResizePlan(const DiskInfo& source, const DiskInfo& target,
                                               const QList<PartitionInfo>& partitions, int strategy);
    bool executeResize(DiskIO& disk, const QList<ResizePlanEntry>& plan, uint64_t diskSize, uint32_t sectorSize);
    bool updateGptEntries(DiskIO& disk, const QList<ResizePlanEntry>& plan, uint64_t diskSize, uint32_t sectorSize);
    bool updateBackupGpt(DiskIO& disk, uint64_t diskSize, uint32_t sectorSize);
    bool updateMbrEntries(DiskIO& disk, const QList<ResizePlanEntry>& plan, uint32_t sectorSize);
    // startSector and sectorCount in 512-byte units.
    bool updateNtfsBootSector(DiskIO& disk, uint64_t startSector, uint64_t sectorCount, uint32_t sectorSize);
    static uint64_t minimumPartitionSize(const PartitionInfo& partition);

    bool createDataPartition(DiskIO& disk, const QList<PartitionInfo>& partitions, uint64_t diskSize,
                             uint32_t sectorSize, const QString& label, bool align4K);
    // startSector and sectorCount in 512-byte units.
    bool addGptPartitionEntry(DiskIO& disk, uint64_t startSector, uint64_t sectorCount, const QString& typeGuid,
                              const QString& name, uint64_t diskSize, uint32_t sectorSize);
    // A primary entry of `type` in the first free slot of the MBR; startSector and sectorCount in
    // 512-byte units. Refused when no slot is free or it would overlap another entry.
    bool addMbrPartitionEntry(DiskIO& disk, uint64_t startSector, uint64_t sectorCount, uint8_t type,
                              uint32_t sectorSize);
    bool regenerateGptGuids(DiskIO& disk, uint32_t sectorSize);
    // A new random MBR disk signature in sector 0 of the target; boot code and entries are kept.
    bool regenerateMbrSignature(DiskIO& disk, uint32_t sectorSize);

    QString lastError() const { return m_lastError; }

    // ---- pure helpers ----
    // First 512-byte unit of the data partition behind `lastEnd`: 1 MiB gap, then aligned to 4 KiB
    // when asked, and always to a whole disk sector.
    static uint64_t dataPartitionStart(uint64_t lastEnd, uint32_t sectorSize, bool align4K);
    // End (exclusive, 512-byte units) of the space a data partition may use: the GPT's last usable
    // LBA + 1 for a 128-entry array.
    static uint64_t dataPartitionEnd(uint64_t diskSize, uint32_t sectorSize);
    // The same for an MBR disk: the disk's end, or the last sector a 32-bit entry can reach.
    static uint64_t mbrDataPartitionEnd(uint64_t diskSize, uint32_t sectorSize);

signals:
    void progressChanged(int percent, const QString& message);
    void partitionResizing(const QString& partitionName, uint64_t oldSize, uint64_t newSize);
    void partitionCreated(const QString& partitionName, uint64_t size);

private:
    bool loadGpt(DiskIO& disk, GptDisk& gpt, uint32_t sectorSize, uint64_t totalSectors);
    uint32_t checkedSectorSize(DiskIO& disk, uint32_t requested);
    // Sector 0 of the target, refused without its boot signature.
    bool loadMbr(DiskIO& disk, uint32_t sectorSize, QByteArray& sector);
    bool fail(const QString& message);

    QString m_lastError;
};
