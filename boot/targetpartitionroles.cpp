#include "boot/targetpartitionroles.h"

#include <algorithm>

namespace {
// The row types PartitioningTool gives; its own words, whatever the system's language.
const QString SystemType = QStringLiteral("System");
const QString PrimaryType = QStringLiteral("Primary");
const QString LogicalType = QStringLiteral("Logical");
}

TargetPartitionRoles TargetPartitionRoles::fromRows(const QList<PartitioningTool::Row>& rows, uint64_t minWindowsBytes)
{
    TargetPartitionRoles roles;
    QList<PartitioningTool::Row> data;
    for (const PartitioningTool::Row& r : rows) {
        if (r.number < 1)
            continue;
        roles.offsets.insert(r.number, r.offsetBytes);
        if (r.type == SystemType && roles.efi < 1)
            roles.efi = r.number;
        else if ((r.type == PrimaryType || r.type == LogicalType) && r.sizeBytes > minWindowsBytes)
            data.append(r);
    }
    std::stable_sort(data.begin(), data.end(),
                     [](const PartitioningTool::Row& a, const PartitioningTool::Row& b) { return a.sizeBytes > b.sizeBytes; });
    for (const PartitioningTool::Row& r : data)
        roles.windowsCandidates.append(r.number);
    return roles;
}

bool TargetPartitionRoles::read(int diskNumber, uint64_t minWindowsBytes, TargetPartitionRoles& out, QString& error)
{
    out = TargetPartitionRoles();
    PartitioningTool& tool = PartitioningTool::current();
    QList<PartitioningTool::Row> rows;
    if (!tool.listPartitions(diskNumber, rows)) {
        error = tool.lastError();
        return false;
    }
    out = fromRows(rows, minWindowsBytes);
    return true;
}
