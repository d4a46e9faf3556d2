#pragma once
#include "core/cloneconfig.h"

#include <QWidget>

class QFrame;
class QLabel;
class QPushButton;
class QVBoxLayout;
class WizardState;

// Step 3: what is copied where, and the option cards; each card's dialog reports what was chosen.
class CloneOptionsPage : public QWidget {
    Q_OBJECT
public:
    explicit CloneOptionsPage(QWidget* parent = nullptr);

    QFrame* sourceCard() const { return m_sourceCard; }
    QFrame* targetCard() const { return m_targetCard; }
    QLabel* sourceCaption() const { return m_sourceCaption; }
    QLabel* sourceName() const { return m_sourceName; }
    QLabel* sourceSize() const { return m_sourceSize; }
    QLabel* targetName() const { return m_targetName; }
    QLabel* targetSize() const { return m_targetSize; }
    QLabel* optionsSummary() const { return m_summary; }
    QPushButton* settingsButton() const { return m_settings; }
    QPushButton* bootModeButton() const { return m_bootModeButton; }
    QPushButton* spaceButton() const { return m_spaceButton; }
    QLabel* refusalLabel() const { return m_refusal; }

    // Source, target and the options of `state`; the boot and space cards only in system mode.
    void showChoices(const WizardState& state);
    // Why the clone as chosen would be refused; empty hides it. New choices hide it too.
    void showRefusal(const QString& reason);

signals:
    void copyOptionsChosen(bool smartClone, bool align4K, bool sectorBySector);
    void safetyOptionsChosen(bool verify, bool continueOnReadErrors);
    void bootModeChosen(Tessarin::TargetBootMode mode);
    void spaceAllocationChosen(Tessarin::ResizeMode mode, const QString& dataPartitionLabel);

private:
    // One option card: an icon, a title, a summary line and a "Settings..." button.
    static QFrame* makeOptionCard(const QString& objectName, const QString& iconPath, const QString& title,
                                  const QString& summary, QLabel** summaryLabel, QPushButton** button,
                                  QWidget* parent);
    void editCopyOptions();
    void editBootMode();
    void editSpaceAllocation();

    CloneConfig m_shown;
    QFrame* m_bootModeCard = nullptr;
    QFrame* m_spaceCard = nullptr;
    QLabel* m_bootModeSummary = nullptr;
    QLabel* m_spaceSummary = nullptr;
    QPushButton* m_bootModeButton = nullptr;
    QPushButton* m_spaceButton = nullptr;
    QFrame* m_sourceCard = nullptr;
    QFrame* m_targetCard = nullptr;
    QLabel* m_sourceCaption = nullptr;
    QLabel* m_sourceName = nullptr;
    QLabel* m_sourceSize = nullptr;
    QLabel* m_targetName = nullptr;
    QLabel* m_targetSize = nullptr;
    QLabel* m_summary = nullptr;
    QPushButton* m_settings = nullptr;
    QLabel* m_refusal = nullptr;
};
