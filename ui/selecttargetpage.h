#pragma once
#include "core/diskinfo.h"

#include <QWidget>

class QVBoxLayout;

// Step 2: the list of target disks.
class SelectTargetPage : public QWidget {
    Q_OBJECT
public:
    explicit SelectTargetPage(QWidget* parent = nullptr);

    // Every disk but the source's; the chosen one is shown selected.
    void showDisks(const QList<DiskInfo>& disks, int sourceDisk, int chosenDisk);

signals:
    void diskChosen(const DiskInfo& disk);

private:
    QVBoxLayout* m_list = nullptr;
};
