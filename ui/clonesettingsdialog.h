#pragma once
#include "ui/optiondialogbase.h"

class ToggleSwitch;

// Smart clone, 4K alignment and sector-by-sector switches, and how the copy treats its data:
// verification and unreadable source sectors.
class CloneSettingsDialog : public OptionDialogBase {
    Q_OBJECT
public:
    struct Options {
        bool smartClone = true;
        bool align4K = true;
        bool sectorBySector = false;
        bool verify = false;
        bool continueOnReadErrors = false;
    };

    explicit CloneSettingsDialog(QWidget* parent = nullptr);

    void setOptions(bool smartClone, bool align4K, bool sectorBySector);
    void setSafetyOptions(bool verify, bool continueOnReadErrors);
    Options options() const;

    ToggleSwitch* smartCloneSwitch() const { return m_smart; }
    ToggleSwitch* align4KSwitch() const { return m_align; }
    ToggleSwitch* sectorBySectorSwitch() const { return m_sector; }
    ToggleSwitch* verifySwitch() const { return m_verify; }
    ToggleSwitch* continueOnReadErrorsSwitch() const { return m_continue; }

    // "Sector-by-sector clone" or the set ones of "Smart clone" and "4K alignment", then the safety
    // options that are on; "No options selected" when nothing is.
    static QString summaryText(bool smartClone, bool align4K, bool sectorBySector, bool verify, bool continueOnReadErrors);

private:
    ToggleSwitch* m_smart = nullptr;
    ToggleSwitch* m_align = nullptr;
    ToggleSwitch* m_sector = nullptr;
    ToggleSwitch* m_verify = nullptr;
    ToggleSwitch* m_continue = nullptr;
    bool m_loading = false;
};
