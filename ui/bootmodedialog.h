#pragma once
#include "ui/optiondialogbase.h"

class QButtonGroup;
class QRadioButton;

// Chooses the target's boot mode for a system clone: 0 UEFI, 1 Legacy.
class BootModeDialog : public OptionDialogBase {
    Q_OBJECT
public:
    explicit BootModeDialog(QWidget* parent = nullptr);

    void setBootMode(int mode);
    int bootMode() const;

    // "UEFI (GPT)", "Legacy (MBR)" or "Unknown".
    static QString modeText(int mode);

private:
    QButtonGroup* m_group = nullptr;
};
