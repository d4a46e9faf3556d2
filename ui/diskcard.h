#pragma once
#include "core/diskinfo.h"

#include "ui/selectablecard.h"

// A selectable card for one disk in the source and target lists.
class DiskCard : public SelectableCard {
    Q_OBJECT
public:
    explicit DiskCard(const DiskInfo& disk, bool systemCloneMode = false, QWidget* parent = nullptr);

    const DiskInfo& disk() const { return m_disk; }
    bool isSystemCloneMode() const { return m_systemClone; }

    // "Windows", "Boot", "Recovery" or "Not cloned": what a system clone does with the partition.
    static QString systemCloneRole(const PartitionInfo& partition);
    // "Disk 2" or "Disk 2: Model".
    static QString titleText(const DiskInfo& disk);

private:
    DiskInfo m_disk;
    bool m_systemClone = false;
};
