#pragma once
#include "partition/partitioningtool.h"

#include <QList>
#include <QMap>
#include <QString>
#include <cstdint>

// Which partitions of a copy are its EFI partition and which may hold Windows, taken from the
// disk's own partition table (types and sizes), never from a tool's localized listing.
class TargetPartitionRoles {
public:
    int efi = -1;
    // Partitions that may hold Windows, largest first: the likeliest is probed first.
    QList<int> windowsCandidates;
    // Byte offset of every listed partition by its number.
    QMap<int, uint64_t> offsets;

    // Pure: the roles of `rows` as PartitioningTool lists them. A data partition of at most
    // `minWindowsBytes` is no candidate; where a disk has two EFI partitions the first one counts.
    static TargetPartitionRoles fromRows(const QList<PartitioningTool::Row>& rows, uint64_t minWindowsBytes);
    // The roles of disk `diskNumber` as its table says now; false with `error` when it cannot be read.
    static bool read(int diskNumber, uint64_t minWindowsBytes, TargetPartitionRoles& out, QString& error);
};
