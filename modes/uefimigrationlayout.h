#pragma once
#include "core/partitioninfo.h"
#include "modes/systemclonelayout.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

// Where a BIOS installation's partitions land on a new GPT disk that starts under UEFI: a new EFI
// system partition and a Microsoft reserved partition first, then the Windows volume and any
// recovery partition, packed in their source order. The source's System Reserved (and any EFI or
// reserved partition of an MBR disk) stays behind: the new EFI system partition takes its place.
// Pure: records in, byte positions out.
class UefiMigrationLayout {
public:
    using Placement = SystemCloneLayout::Placement;
    static constexpr uint64_t MiB = 1048576;
    static constexpr uint64_t EspOffset = MiB;
    // Large enough for FAT32 on 4096-byte sectors too.
    static constexpr uint64_t EspBytes = 260 * MiB;
    static constexpr uint64_t MsrBytes = 16 * MiB;
    static constexpr uint64_t FirstCopyOffset = EspOffset + EspBytes + MsrBytes;
    // Recovery: required by the platform, no drive letter.
    static constexpr uint64_t RecoveryAttributes = 0x8000000000000001ull;

    enum class Kind { Esp, Msr, Copy };
    struct Entry {
        Kind kind = Kind::Copy;
        uint64_t offset = 0;
        uint64_t size = 0;
        int index = -1;  // Copy: the partition's index in the placed list
    };

    // Whether a partition of the source goes to the migrated disk: Windows and recovery.
    static bool takes(const PartitionInfo& partition);
    // The system partitions found on the source keep those the migration copies, sorted by start;
    // returns those left behind.
    static QList<PartitionInfo> split(QList<PartitionInfo>& system);
    // The plan's lines for the new table, and for the boot files with or without the Windows boot tools.
    static QStringList tableSteps(const QList<PartitionInfo>& leftBehind);
    static QString bootStep(bool bootTools);

    // Target positions of `partitions` (all taken, sorted by start) behind the new partitions, each
    // start rounded up to 1 MiB with `align4K`, else to `sectorSize`; with `growIndex` set the ones
    // behind it go to the end of `usableBytes` instead, so it can grow. False with `error` when one
    // would pass `usableBytes`.
    static bool place(const QList<PartitionInfo>& partitions, uint32_t sectorSize, bool align4K, uint64_t usableBytes,
                      std::vector<Placement>& out, QString& error, int growIndex = -1);
    // The new table's entries in disk order: EFI system, reserved, then one per placement.
    static std::vector<Entry> entries(const std::vector<Placement>& placements);
};
