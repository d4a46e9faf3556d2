#pragma once
#include "core/diskinfo.h"

#include <QFrame>

class QLabel;

// Collapsible heading above the partition cards of one disk: a click, Space or Enter folds it.
class DiskGroupHeader : public QFrame {
    Q_OBJECT
    Q_PROPERTY(bool expanded READ isExpanded WRITE setExpanded NOTIFY expandedChanged)
public:
    explicit DiskGroupHeader(const DiskInfo& disk, QWidget* parent = nullptr);

    int diskNumber() const { return m_diskNumber; }
    bool isExpanded() const { return m_expanded; }
    void setExpanded(bool expanded);
    QString arrowText() const;

signals:
    void expandedChanged(bool expanded);
    void toggleClicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void toggle();

    int m_diskNumber = -1;
    bool m_expanded = true;
    QLabel* m_arrow = nullptr;
};
