#pragma once
#include "core/partitioninfo.h"
#include "partition/partitioningtool.h"

#include <QList>
#include <QString>
#include <cstdint>
#include <functional>
#include <vector>

class DiskIO;

// The system clone's work on the target's tables and volumes once the partitions are copied:
// dropping the entries of partitions left behind, moving those that were relocated, fitting the
// table to the target, and the steps that need the platform's tools with the target handle closed.
// Positions are 512-byte units as in the partition records; the disk's sectors only at the I/O.
class SystemCloneTarget {
public:
    struct Move {
        uint64_t oldStart = 0;  // 512-byte units
        uint64_t newStart = 0;
    };

    SystemCloneTarget(DiskIO& disk, int diskNumber, uint32_t sectorSize)
        : m_disk(disk), m_diskNumber(diskNumber), m_sectorSize(sectorSize) {}

    // Keeps the entries that start at one of `keep` (source positions), moves those in `moves`,
    // and writes both GPT copies for the target's size.
    bool finishGpt(const std::vector<uint64_t>& keep, const std::vector<Move>& moves);
    static constexpr uint64_t NoActive = UINT64_MAX;
    // The same for the four MBR entries; a container of logical partitions is never kept. The entry
    // at `activeStart` (source position) becomes the only active one; NoActive keeps the flags as copied.
    bool finishMbr(const std::vector<uint64_t>& keep, const std::vector<Move>& moves, uint64_t activeStart = NoActive);
    // Gives the entry that starts at `start` the length `count` (512-byte units), in the GPT (`gpt`)
    // or the MBR; refused when it would pass the usable area or overlap another entry.
    bool resizeEntry(bool gpt, uint64_t start, uint64_t count);
    // A volume's boot sector names its own start (hidden sectors): a moved NTFS or FAT volume of
    // `volumeBytes` gets its new one, in the boot sector and its backup. Other volumes are left alone.
    bool setHiddenSectors(uint64_t partitionStart, uint64_t volumeBytes);

    // Runs `step` with the target handle closed, so that a platform tool can open the disk, and
    // reopens it whatever the step did. False when the step fails or the handle cannot come back.
    bool withTargetClosed(const std::function<bool(PartitioningTool&)>& step);
    // The partition a data partition may be: at least 100 MiB, none of `system` by number or by
    // position, no system, reserved or recovery type; the last on the disk. -1 when none qualifies.
    static int chooseDataRow(const QList<PartitioningTool::Row>& rows, const QList<PartitionInfo>& system);
    // The row whose partition starts at `start` (512-byte units), -1 when none.
    static int rowAt(const QList<PartitioningTool::Row>& rows, uint64_t start);

    QString lastError() const { return m_lastError; }

private:
    bool fail(const QString& message);
    uint64_t diskSector(uint64_t start512) const { return start512 * 512 / m_sectorSize; }

    DiskIO& m_disk;
    int m_diskNumber;
    uint32_t m_sectorSize;
    QString m_lastError;
};
