#pragma once
#include "core/partitioninfo.h"

#include <QFrame>

// A selectable card for one partition in the partition-clone source list.
class PartitionCard : public QFrame {
    Q_OBJECT
    Q_PROPERTY(bool selected READ isSelected WRITE setSelected NOTIFY selectedChanged)
public:
    explicit PartitionCard(const PartitionInfo& partition, QWidget* parent = nullptr);

    const PartitionInfo& partition() const { return m_partition; }
    bool isSelected() const { return m_selected; }
    void setSelected(bool selected);

    // "System", "Recovery", "Boot", else the file-system name or "Unknown".
    static QString badgeText(const PartitionInfo& partition);

signals:
    void clicked();
    void selectedChanged(bool selected);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    void applyStyle();

    PartitionInfo m_partition;
    bool m_selected = false;
    bool m_hovered = false;
};
