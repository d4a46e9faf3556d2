#pragma once
#include "core/cloneconfig.h"

#include "ui/selectablecard.h"

// A selectable card for a place on the target disk that is not one of its partitions: the whole
// disk, or its free region.
class TargetPlaceCard : public SelectableCard {
    Q_OBJECT
public:
    TargetPlaceCard(CloneConfig::PartitionTarget place, const QString& icon, const QString& title,
                    const QString& detail, QWidget* parent = nullptr);

    CloneConfig::PartitionTarget place() const { return m_place; }

private:
    CloneConfig::PartitionTarget m_place;
};
