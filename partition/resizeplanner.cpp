#include "partition/resizeplanner.h"
#include "core/logger.h"
#include "ondisk/logicalsector.h"
#include "partition/gptcodec.h"
#include "partition/sectorunits.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace {

constexpr uint64_t OneMiB = 1048576;
constexpr uint64_t HundredMiB = 104857600;

Logger& log() { return Logger::instance(); }

bool isReserved(const PartitionInfo& p)
{
    return p.isMsr || p.typeGuid.toUpper().contains(QLatin1String(Tessarin::MsrTypeText));
}

bool looksGpt(const QList<PartitionInfo>& partitions)
{
    return std::any_of(partitions.begin(), partitions.end(), [](const PartitionInfo& p) { return !p.typeGuid.isEmpty(); });
}

uint32_t planSectorSize(const DiskInfo& disk)
{
    return LogicalSector::isValid(disk.sectorSize) ? disk.sectorSize : SectorUnits::Unit;
}

// End (exclusive, 512-byte units) of what partitions may use on `target`: before the backup GPT on
// a GPT layout, the disk's end otherwise; 0 when the size is unknown.
uint64_t usableEndUnits(const DiskInfo& target, bool gpt)
{
    const uint32_t ss = planSectorSize(target);
    const uint64_t total = target.size / ss;
    const uint64_t reserve = gpt ? uint64_t(GptCodec::entrySectors(ss)) + 1 : 0;
    return total > reserve ? SectorUnits::toUnits(total - reserve, ss) : 0;
}

QString twoDecimals(double v) { return QString::number(v, 'f', 2); }

} // namespace
uint64_t ResizePlanner::minimumPartitionSize(const PartitionInfo& p)
{
    if (p.usedSpace == 0)
        return p.size / 10;
    const auto scaled = static_cast<uint64_t>(static_cast<double>(p.usedSpace) * 1.1);
    return std::max<uint64_t>(scaled, HundredMiB);
}

QList<ResizePlanEntry> ResizePlanner::calculateResizePlan(const DiskInfo& source, const DiskInfo& target,
                                                             const QList<PartitionInfo>& partitions, int strategy)
{
    const int64_t diff = int64_t(target.size) - int64_t(source.size);
    log().info(QStringLiteral("Calculating resize plan: source=%1 bytes, target=%2 bytes, diff=%3 bytes, strategy=%4")
                   .arg(source.size).arg(target.size).arg(diff).arg(strategy));

    QList<ResizePlanEntry> plan;
    for (int i = 0; i < partitions.size(); ++i) {
        ResizePlanEntry e;
        e.partitionIndex = i;
        e.partition = partitions[i];
        e.newStartSector = partitions[i].start512;
        e.newSectorCount = partitions[i].count512;
        e.newSize = partitions[i].size;
        plan.append(e);
    }
    auto describeAll = [&plan](const QString& text) {
        for (ResizePlanEntry& e : plan)
            e.description = text;
    };

    if (strategy == KeepSizes || strategy == 4 || strategy == 5) {
        log().info(QStringLiteral("Keep original partition sizes"));
        describeAll(QStringLiteral("Keep original size"));
        return plan;
    }
    if (std::llabs(diff) < int64_t(OneMiB)) {
        log().info(QStringLiteral("Disk sizes are similar, no resize needed"));
        describeAll(QStringLiteral("No resize needed"));
        return plan;
    }
    if (strategy == Proportional) {
        planProportional(source, target, partitions, plan);
        return plan;
    }
    if (strategy != ExpandLast && strategy != ShrinkLast) {
        describeAll(QStringLiteral("No resize requested"));
        return plan;
    }
    planFitLast(target, partitions, diff, plan);
    return plan;
}

void ResizePlanner::planFitLast(const DiskInfo& target, const QList<PartitionInfo>& partitions, int64_t diff,
                                   QList<ResizePlanEntry>& plan)
{
    int chosen = -1;
    for (int i = 0; i < partitions.size(); ++i) {
        const PartitionInfo& p = partitions[i];
        if (p.isEfi || p.isRecovery || isReserved(p) || p.start512 == 0)
            continue;
        if (chosen < 0 || p.start512 > partitions[chosen].start512)
            chosen = i;
    }
    for (int i = 0; i < plan.size(); ++i)
        if (i != chosen)
            plan[i].description = QStringLiteral("Keep original size");
    if (chosen < 0)
        return;

    ResizePlanEntry& e = plan[chosen];
    const PartitionInfo& p = partitions[chosen];
    int64_t newCount = int64_t(p.count512) + diff / 512;
    if (newCount < 0) {
        e.canResize = false;
        e.description = QStringLiteral("Target disk is too small");
        return;
    }

    const uint64_t usableEnd = usableEndUnits(target, looksGpt(partitions));
    const uint64_t start = p.start512;
    const uint64_t roomToEnd = usableEnd > start ? usableEnd - start : 0;
    uint64_t count = uint64_t(newCount);
    if (diff < 0) {
        // Cut only what does not fit: the tail of a volume that fits still holds data.
        count = std::min<uint64_t>(p.count512, roomToEnd);
    } else {
        count = std::min<uint64_t>(count, roomToEnd);
        for (int i = 0; i < partitions.size(); ++i) {
            const PartitionInfo& other = partitions[i];
            if (i == chosen || other.count512 == 0 || other.start512 < start)
                continue;
            if (other.start512 < start + count) {
                e.canResize = false;
                e.description = QStringLiteral("Cannot expand into partition %1 behind it").arg(other.displayName());
                return;
            }
        }
    }
    const uint32_t per = SectorUnits::unitsPerSector(planSectorSize(target));
    count -= count % per;
    if (count == 0) {
        e.canResize = false;
        e.description = QStringLiteral("Target disk is too small");
        return;
    }
    if (count == p.count512) {
        e.description = QStringLiteral("Keep original size");
        return;
    }
    const uint64_t minimum = minimumPartitionSize(p);
    if (count * 512 < minimum) {
        e.canResize = false;
        e.description = QStringLiteral("Cannot shrink below minimum size %1 bytes").arg(minimum);
        return;
    }
    e.needsResize = true;
    e.newSectorCount = count;
    e.newSize = count * 512;
    e.description = count < p.count512 ? QStringLiteral("Shrink by %1 bytes").arg((p.count512 - count) * 512)
                                          : QStringLiteral("Expand by %1 bytes").arg((count - p.count512) * 512);
}

void ResizePlanner::planProportional(const DiskInfo& source, const DiskInfo& target,
                                        const QList<PartitionInfo>& partitions, QList<ResizePlanEntry>& plan)
{
    const double ratio = source.size ? double(target.size) / double(source.size) : 0.0;
    const QString ratioText = QStringLiteral("Proportional resize (ratio=%1)").arg(twoDecimals(ratio));
    const uint32_t per = SectorUnits::unitsPerSector(planSectorSize(target));
    const uint64_t step = std::lcm<uint64_t>(8, per);
    const uint64_t usableEnd = usableEndUnits(target, looksGpt(partitions));
    auto kept = [](const PartitionInfo& p) { return p.isEfi || p.isRecovery || isReserved(p); };

    // Walk the layout in disk order; the cursor starts where the first partition starts.
    QList<int> order(partitions.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [&](int a, int b) { return partitions[a].start512 < partitions[b].start512; });
    uint64_t cursor = partitions.isEmpty() ? 0 : partitions[order.first()].start512;

    for (int idx : order) {
        const PartitionInfo& p = partitions[idx];
        ResizePlanEntry& e = plan[idx];
        if (kept(p)) {
            e.description = QStringLiteral("System partition - keep original size");
            cursor = std::max(cursor, p.start512 + p.count512);
            continue;
        }
        uint64_t count = source.size ? uint64_t(std::floor(double(p.size) * ratio)) / 512 : 0;
        count -= count % per;
        const uint64_t start = (cursor + step - 1) / step * step;
        e.newStartSector = start;
        e.newSectorCount = count;
        e.newSize = count * 512;
        e.needsResize = count != p.count512 || start != p.start512;
        e.description = ratioText;
        cursor = start + count;
        if (!e.needsResize)
            continue;

        // Data is never moved, so the plan is only possible where nothing moves or collides;
        // a failed entry keeps needsResize so the executor refuses the whole plan.
        if (start != p.start512) {
            e.canResize = false;
            e.description = QStringLiteral("Proportional resize would move the partition from sector %1 to %2, "
                                           "and partition data is not moved")
                                .arg(p.start512).arg(start);
            continue;
        }
        if (count == 0 || (usableEnd && start + count > usableEnd)) {
            e.canResize = false;
            e.description = QStringLiteral("Target disk is too small");
            continue;
        }
        for (int j = 0; j < partitions.size(); ++j) {
            const PartitionInfo& other = partitions[j];
            if (j != idx && kept(other) && other.start512 >= start && other.start512 < start + count) {
                e.canResize = false;
                e.description = QStringLiteral("Proportional resize would overlap partition %1")
                                    .arg(other.displayName());
                break;
            }
        }
        if (!e.canResize)
            continue;
        const uint64_t minimum = minimumPartitionSize(p);
        if (count * 512 < minimum) {
            e.canResize = false;
            e.description = QStringLiteral("Cannot shrink below minimum size %1 bytes").arg(minimum);
        }
    }
}
