#include "ui/clonesettingsdialog.h"

#include "ui/toggleswitch.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

CloneSettingsDialog::CloneSettingsDialog(QWidget* parent)
    : OptionDialogBase(tr("Clone Settings"), tr("Clone Settings"), parent)
{
    cardLayout()->setSpacing(2);
    auto addRow = [this](const QString& title, const QString& badgeText, const QString& noteText,
                         const QString& name, bool separatorAbove) {
        if (separatorAbove)
            addSeparator();
        auto* row = new QHBoxLayout;
        row->setContentsMargins(0, 4, 0, 4);
        auto* text = new QVBoxLayout;
        text->setSpacing(2);
        auto* titleRow = new QHBoxLayout;
        auto* t = new QLabel(title, card());
        t->setObjectName(QStringLiteral("optionTitle"));
        titleRow->addWidget(t);
        if (!badgeText.isEmpty())
            titleRow->addWidget(badge(badgeText));
        titleRow->addStretch(1);
        text->addLayout(titleRow);
        text->addWidget(note(noteText, false));
        row->addLayout(text, 1);
        auto* sw = new ToggleSwitch(card());
        sw->setObjectName(name);
        row->addWidget(sw, 0, Qt::AlignVCenter);
        cardLayout()->addLayout(row);
        return sw;
    };
    m_smart = addRow(tr("Smart clone (recommended)"), tr("recommended"),
                     tr("Copy only used sectors — faster and supports large-to-small migration."),
                     QStringLiteral("switchSmartClone"), false);
    m_align = addRow(tr("4K alignment (SSD optimization)"), QString(),
                     tr("Align partitions to 4K boundaries for better SSD performance."),
                     QStringLiteral("switchAlign4K"), true);
    m_sector = addRow(tr("Sector-by-sector clone"), QString(),
                      tr("Copy every sector including unused space — slower but complete."),
                      QStringLiteral("switchSectorBySector"), true);
    m_verify = addRow(tr("Verify the copy"), QString(),
                      tr("Read every copied range back from the target and compare it with the source."),
                      QStringLiteral("switchVerify"), true);
    m_continue = addRow(tr("Continue past unreadable sectors"), QString(),
                        tr("Write zeros for source sectors that cannot be read and list them in a file next to the log."),
                        QStringLiteral("switchContinueOnReadErrors"), true);

    addWarning(tr("⚠️  Smart clone and Sector-by-sector are mutually exclusive."));
    finish(tr("Cancel"), tr("OK"), QSize(480, 480));

    // Switching one of the two copy methods on switches the other off; switching off touches nothing.
    connect(m_smart, &ToggleSwitch::toggled, this, [this](bool on) {
        if (on && !m_loading)
            m_sector->setChecked(false);
    });
    connect(m_sector, &ToggleSwitch::toggled, this, [this](bool on) {
        if (on && !m_loading)
            m_smart->setChecked(false);
    });
    setOptions(true, true, false);
}

void CloneSettingsDialog::setOptions(bool smartClone, bool align4K, bool sectorBySector)
{
    m_loading = true;
    m_smart->setChecked(smartClone);
    m_align->setChecked(align4K);
    m_sector->setChecked(sectorBySector);
    m_loading = false;
}

void CloneSettingsDialog::setSafetyOptions(bool verify, bool continueOnReadErrors)
{
    m_verify->setChecked(verify);
    m_continue->setChecked(continueOnReadErrors);
}

CloneSettingsDialog::Options CloneSettingsDialog::options() const
{
    return Options{m_smart->isChecked(), m_align->isChecked(), m_sector->isChecked(), m_verify->isChecked(),
                   m_continue->isChecked()};
}

QString CloneSettingsDialog::summaryText(bool smartClone, bool align4K, bool sectorBySector, bool verify,
                                         bool continueOnReadErrors)
{
    QStringList parts;
    if (sectorBySector) {
        parts << tr("Sector-by-sector clone");
    } else {
        if (smartClone)
            parts << tr("Smart clone");
        if (align4K)
            parts << tr("4K alignment");
    }
    // Safety options change what the run does: they are shown whenever they are on.
    if (verify)
        parts << tr("Verify the copy");
    if (continueOnReadErrors)
        parts << tr("Continue past unreadable sectors");
    if (parts.isEmpty())
        return tr("No options selected");
    return parts.join(QStringLiteral(", "));
}
