#pragma once
#include "core/diskinfo.h"
#include "core/tessarin.h"

#include <QWidget>

class QLabel;
class QVBoxLayout;

// Step 1: the list of source disks, or in partition mode the partitions grouped by disk.
class SelectSourcePage : public QWidget {
    Q_OBJECT
public:
    explicit SelectSourcePage(QWidget* parent = nullptr);

    QLabel* titleLabel() const { return m_title; }

    // Title and explanation of the mode.
    void setMode(Tessarin::CloneModeType mode);
    // Rebuilds the list for `mode`; the card of the chosen disk or partition is shown selected.
    void showDisks(const QList<DiskInfo>& disks, Tessarin::CloneModeType mode, int chosenDisk,
                   const PartitionInfo& chosenPartition);

signals:
    void diskChosen(const DiskInfo& disk);
    void partitionChosen(const PartitionInfo& partition);

private:
    void showDiskCards(const QList<DiskInfo>& disks, bool systemMode, int chosenDisk);
    void showPartitionGroups(const QList<DiskInfo>& disks, const PartitionInfo& chosen);

    QLabel* m_title = nullptr;
    QLabel* m_subtitle = nullptr;
    QVBoxLayout* m_list = nullptr;
};
