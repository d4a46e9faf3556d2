#pragma once
#include "core/partitioninfo.h"

#include "ui/selectablecard.h"

// A selectable card for one partition in the partition-clone source list.
class PartitionCard : public SelectableCard {
    Q_OBJECT
public:
    explicit PartitionCard(const PartitionInfo& partition, QWidget* parent = nullptr);

    const PartitionInfo& partition() const { return m_partition; }

    // "System", "Recovery", "Boot", else the file-system name or "Unknown".
    static QString badgeText(const PartitionInfo& partition);

private:
    PartitionInfo m_partition;
};
