#pragma once
#include "core/diskinfo.h"

#include <QJsonArray>
#include <QString>
#include <QStringList>

// The disks as `list` shows them: a readable table, or JSON for scripts. Positions are in the
// disk's own logical sectors, as partitioning tools count them.
class DiskListing {
public:
    static QString text(const QList<DiskInfo>& disks);
    static QJsonArray json(const QList<DiskInfo>& disks);
    // EFI, MSR, recovery, system, Windows: what a partition is to a clone.
    static QStringList roles(const PartitionInfo& partition);
    static QString styleName(Tessarin::PartitionStyle style);
    // The table column: the style, or "unreadable" when the table area could not be read.
    static QString tableText(const DiskInfo& disk);
    static QString typeText(const PartitionInfo& partition);
    // The one-paragraph description of a target that the confirmation shows.
    static QString describe(const DiskInfo& disk);
};
