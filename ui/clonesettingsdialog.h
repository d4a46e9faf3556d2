#pragma once
#include "ui/optiondialogbase.h"

class ToggleSwitch;

// Smart clone, 4K alignment and sector-by-sector switches.
class CloneSettingsDialog : public OptionDialogBase {
    Q_OBJECT
public:
    struct Options {
        bool smartClone = true;
        bool align4K = true;
        bool sectorBySector = false;
    };

    explicit CloneSettingsDialog(QWidget* parent = nullptr);

    void setOptions(bool smartClone, bool align4K, bool sectorBySector);
    Options options() const;

    ToggleSwitch* smartCloneSwitch() const { return m_smart; }
    ToggleSwitch* align4KSwitch() const { return m_align; }
    ToggleSwitch* sectorBySectorSwitch() const { return m_sector; }

    // "Sector-by-sector clone", or the set ones of "Smart clone" and "4K alignment", or "No options selected".
    static QString summaryText(bool smartClone, bool align4K, bool sectorBySector);

private:
    ToggleSwitch* m_smart = nullptr;
    ToggleSwitch* m_align = nullptr;
    ToggleSwitch* m_sector = nullptr;
    bool m_loading = false;
};
