#include "ui/bootmodedialog.h"

#include "ui/dialogstyle.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

BootModeDialog::BootModeDialog(QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(tr("Target Boot Mode"));
    setModal(true);
    setStyleSheet(DialogStyle::sheet());

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(22, 16, 22, 14);
    layout->setSpacing(8);

    auto* heading = new QLabel(tr("Select the boot mode for the target disk"), this);
    heading->setObjectName(QStringLiteral("dialogHeading"));
    heading->setWordWrap(true);
    layout->addWidget(heading);

    auto* card = new QFrame(this);
    card->setObjectName(QStringLiteral("optionsCard"));
    auto* cardLayout = new QVBoxLayout(card);
    cardLayout->setContentsMargins(12, 6, 12, 6);
    cardLayout->setSpacing(4);
    m_group = new QButtonGroup(this);
    m_group->setExclusive(true);

    auto* uefiRow = new QHBoxLayout;
    auto* uefi = new QRadioButton(tr("UEFI Mode (GPT)"), card);
    uefi->setObjectName(QStringLiteral("radioUefi"));
    uefiRow->addWidget(uefi);
    auto* badge = new QLabel(tr("Recommended"), card);
    badge->setObjectName(QStringLiteral("badge"));
    uefiRow->addWidget(badge);
    uefiRow->addStretch(1);
    cardLayout->addLayout(uefiRow);
    auto* uefiNote = new QLabel(tr("Recommended for computers made after 2012. Supports disks larger than 2TB."), card);
    uefiNote->setObjectName(QStringLiteral("optionNote"));
    uefiNote->setWordWrap(true);
    uefiNote->setContentsMargins(24, 0, 0, 0);
    cardLayout->addWidget(uefiNote);

    auto* separator = new QFrame(card);
    separator->setObjectName(QStringLiteral("separator"));
    separator->setFixedHeight(1);
    cardLayout->addSpacing(2);
    cardLayout->addWidget(separator);
    cardLayout->addSpacing(2);

    auto* legacy = new QRadioButton(tr("Legacy Mode (MBR)"), card);
    legacy->setObjectName(QStringLiteral("radioLegacy"));
    cardLayout->addWidget(legacy);
    auto* legacyNote = new QLabel(tr("For older computers or special requirements. Supports disks up to 2TB."), card);
    legacyNote->setObjectName(QStringLiteral("optionNote"));
    legacyNote->setWordWrap(true);
    legacyNote->setContentsMargins(24, 0, 0, 0);
    cardLayout->addWidget(legacyNote);
    layout->addWidget(card);

    m_group->addButton(uefi, 0);
    m_group->addButton(legacy, 1);
    uefi->setChecked(true);

    auto* warning = new QLabel(tr("⚠  The target computer must support the selected boot mode."), this);
    warning->setObjectName(QStringLiteral("warning"));
    warning->setWordWrap(true);
    layout->addWidget(warning);
    layout->addStretch(1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    auto* cancel = new QPushButton(tr("Cancel"), this);
    cancel->setObjectName(QStringLiteral("btnCancel"));
    cancel->setFixedSize(90, 34);
    auto* ok = new QPushButton(tr("OK"), this);
    ok->setObjectName(QStringLiteral("btnOk"));
    ok->setFixedSize(90, 34);
    ok->setDefault(true);
    buttons->addWidget(cancel);
    buttons->addWidget(ok);
    layout->addLayout(buttons);
    DialogStyle::fixSize(this, QSize(460, 294));
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
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
