#pragma once
#include "core/diskinfo.h"
#include "core/partitioninfo.h"
#include "partition/resizeplanentry.h"

#include <QList>
#include <cstdint>

// Decides how a cloned layout fits a target of another size. Pure: it logs, but reads and writes
// nothing. Positions are 512-byte units.
class ResizePlanner {
public:
    enum Strategy : int { KeepSizes = 0, ExpandLast = 1, Proportional = 2, ShrinkLast = 3 };

    // One entry per partition, in the given order. Never fails: an impossible fit is an entry
    // with canResize false and its reason.
    static QList<ResizePlanEntry> calculateResizePlan(const DiskInfo& source, const DiskInfo& target,
                                                      const QList<PartitionInfo>& partitions, int strategy);
    static uint64_t minimumPartitionSize(const PartitionInfo& partition);

private:
    static void planFitLast(const DiskInfo& target, const QList<PartitionInfo>& partitions, int64_t diff,
                            QList<ResizePlanEntry>& plan);
    static void planProportional(const DiskInfo& source, const DiskInfo& target,
                                 const QList<PartitionInfo>& partitions, QList<ResizePlanEntry>& plan);
};
