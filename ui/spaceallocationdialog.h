#pragma once
#include "ui/optiondialogbase.h"

class QButtonGroup;
class QLineEdit;

// Chooses the use of the target's extra space for a system clone:
// 0 expand the system partition, 1 create a data partition, 2 keep it unallocated.
class SpaceAllocationDialog : public OptionDialogBase {
    Q_OBJECT
public:
    explicit SpaceAllocationDialog(QWidget* parent = nullptr);

    void setMode(int mode);
    int mode() const;
    void setDataPartitionLabel(const QString& label);
    QString dataPartitionLabel() const;
    QLineEdit* labelEdit() const { return m_label; }

    // "Expand system partition", "Create data partition", "Keep unallocated" or "Unknown".
    static QString modeText(int mode);

private:
    void updateLabelEnabled();

    QButtonGroup* m_group = nullptr;
    QLineEdit* m_label = nullptr;
};
