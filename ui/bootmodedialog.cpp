#include "ui/bootmodedialog.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

BootModeDialog::BootModeDialog(QWidget* parent)
    : OptionDialogBase(tr("Target Boot Mode"), tr("Select the boot mode for the target disk"), parent)
{
    m_group = new QButtonGroup(this);
    m_group->setExclusive(true);

    auto* uefiRow = new QHBoxLayout;
    auto* uefi = new QRadioButton(tr("UEFI Mode (GPT)"), card());
    uefi->setObjectName(QStringLiteral("radioUefi"));
    uefiRow->addWidget(uefi);
    uefiRow->addWidget(badge(tr("Recommended")));
    uefiRow->addStretch(1);
    cardLayout()->addLayout(uefiRow);
    cardLayout()->addWidget(
        note(tr("Recommended for computers made after 2012. Supports disks larger than 2TB."), true));
    addSeparator(2);

    auto* legacy = new QRadioButton(tr("Legacy Mode (MBR)"), card());
    legacy->setObjectName(QStringLiteral("radioLegacy"));
    cardLayout()->addWidget(legacy);
    cardLayout()->addWidget(note(tr("For older computers or special requirements. Supports disks up to 2TB."), true));

    m_group->addButton(uefi, 0);
    m_group->addButton(legacy, 1);
    uefi->setChecked(true);

    addWarning(tr("⚠  The target computer must support the selected boot mode."));
    finish(tr("Cancel"), tr("OK"), QSize(460, 294));
}

void BootModeDialog::setBootMode(int mode)
{
    m_group->button(mode == 0 ? 0 : 1)->setChecked(true);
}

int BootModeDialog::bootMode() const
{
    return m_group->checkedId();
}

QString BootModeDialog::modeText(int mode)
{
    switch (mode) {
    case 0: return tr("UEFI (GPT)");
    case 1: return tr("Legacy (MBR)");
    default: return tr("Unknown");
    }
}
