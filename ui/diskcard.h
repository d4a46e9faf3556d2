#pragma once
#include "core/diskinfo.h"

#include <QFrame>

class QLabel;

// A selectable card for one disk in the source and target lists.
class DiskCard : public QFrame {
    Q_OBJECT
    Q_PROPERTY(bool selected READ isSelected WRITE setSelected NOTIFY selectedChanged)
public:
    explicit DiskCard(const DiskInfo& disk, bool systemCloneMode = false, QWidget* parent = nullptr);

    const DiskInfo& disk() const { return m_disk; }
    bool isSystemCloneMode() const { return m_systemClone; }
    bool isSelected() const { return m_selected; }
    void setSelected(bool selected);

    // "Windows", "Boot", "Recovery" or "Not cloned": what a system clone does with the partition.
    static QString systemCloneRole(const PartitionInfo& partition);
    // "Disk 2" or "Disk 2: Model".
    static QString titleText(const DiskInfo& disk);

signals:
    void clicked();
    void selectedChanged(bool selected);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    void applyStyle();

    DiskInfo m_disk;
    bool m_systemClone = false;
    bool m_selected = false;
    bool m_hovered = false;
};
