#pragma once
#include "core/partitioninfo.h"

#include <QList>
#include <QString>
#include <cstdint>
#include <vector>

// Which partitions a system clone takes and where each lands on the target. Pure: records in,
// byte positions out. Partition records count 512-byte units; offsets here are bytes.
class SystemCloneLayout {
public:
    static constexpr uint64_t MiB = 1048576;
    // A source gap wider than this is closed on the target (strictly wider: exactly this stays).
    static constexpr uint64_t RelocationGap = 100 * MiB;
    // Room kept behind the copied partitions before a remaining-space mode is worth running.
    static constexpr uint64_t SpaceMargin = 2 * MiB;
    // Used space times this must fit a target smaller than the full copy.
    static constexpr double UsedSpaceFactor = 1.1;

    struct Placement {
        uint64_t sourceOffset = 0;
        uint64_t targetOffset = 0;
        uint64_t size = 0;
        bool moved() const { return sourceOffset != targetOffset; }
    };

    enum class Role { None, Efi, Recovery, System, Msr, Windows };
    // The role that makes a partition part of the installation; `windowsVolume` says whether it
    // holds Windows\System32. System is an MBR disk's active or boot-manager partition.
    static Role roleOf(const PartitionInfo& partition, bool windowsVolume);
    static QString roleText(Role role, const QString& driveLetter);
    // Copied whole even with smart copy: the EFI partition, the reserved partition, System Reserved,
    // and recovery or mounted Windows partitions whose file system has no usage map here.
    static bool isSystemCritical(const PartitionInfo& partition);
    static bool isMsr(const PartitionInfo& partition);

    // Whether the NTFS or FAT32 boot sector `bootSector` (512 bytes) claims more than `partitionBytes`;
    // false for any other content.
    static bool volumeExceeds(const uint8_t* bootSector, uint64_t partitionBytes);

    // Bytes a copy of `partitions` moves on the target: whole partitions when critical or when
    // smart copy is off, else their used space.
    static uint64_t neededBytes(const QList<PartitionInfo>& partitions, bool smart);
    // End of the layout with every partition packed from 1 MiB, each rounded up to a mebibyte.
    static uint64_t packedBytes(const QList<PartitionInfo>& partitions);

    // Target positions of `partitions` (sorted by start). A partition behind a source gap over
    // RelocationGap moves to the previous partition's target end, rounded up to 1 MiB with
    // `align4K`, else to `sectorSize`. False with `error` when one would pass `targetBytes` or a
    // position is not a whole disk sector.
    // With `growIndex` set, the partitions behind that one go to the end of the target instead, in
    // their order and keeping their sizes, each start rounded down to the same unit, so that it can
    // grow into the space between; where they would not fit behind it they are placed as above.
    static bool place(const QList<PartitionInfo>& partitions, uint32_t sectorSize, bool align4K, uint64_t targetBytes,
                      std::vector<Placement>& out, QString& error, int growIndex = -1);
    // The placements behind `growIndex` go to the end of [0, end), in order, starts rounded down to
    // `alignment`, when all of them fit behind it; otherwise nothing moves.
    static void moveBehindToEnd(std::vector<Placement>& out, int growIndex, uint64_t end, uint64_t alignment);
    // The Windows volume of `partitions`, the one that grows into the remaining space; -1 for none.
    static int growIndexOf(const QList<PartitionInfo>& partitions);
    // Bytes placement `index` may hold once grown: up to the next placement behind it, or to
    // `targetBytes` when none follows, in whole `sectorSize` sectors; never less than its size.
    static uint64_t grownSize(const std::vector<Placement>& placements, int index, uint32_t sectorSize, uint64_t targetBytes);
};
