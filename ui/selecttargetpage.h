#pragma once
#include "core/cloneconfig.h"
#include "core/diskinfo.h"

#include <QWidget>

class DiskCard;
class QLabel;
class QVBoxLayout;
class WizardState;

// Step 2: the list of target disks. In a partition clone the chosen disk also lists where on it
// the copy may go: the whole disk, its largest free region, or one of its partitions.
class SelectTargetPage : public QWidget {
    Q_OBJECT
public:
    explicit SelectTargetPage(QWidget* parent = nullptr);

    // Every disk but the source's; the chosen disk and place are shown selected.
    void showDisks(const QList<DiskInfo>& disks, const WizardState& state);

signals:
    void diskChosen(const DiskInfo& disk);
    void placeChosen(CloneConfig::PartitionTarget place, const PartitionInfo& partition);

private:
    // The place cards of `disk`, in a container named "targetPlaces_N" shown only while it is chosen.
    QWidget* addPlaces(const DiskInfo& disk, const WizardState& state);
    void chooseDisk(DiskCard* card);

    QLabel* m_subtitle = nullptr;
    QVBoxLayout* m_list = nullptr;
};
