#include "ui/spaceallocationdialog.h"

#include "modes/datapartitionlabel.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

SpaceAllocationDialog::SpaceAllocationDialog(QWidget* parent)
    : OptionDialogBase(tr("Target Disk Space Allocation"), tr("Select how to handle the remaining space"), parent)
{
    m_group = new QButtonGroup(this);
    m_group->setExclusive(true);

    auto* expand = new QRadioButton(tr("Expand system partition (use all space)"), card());
    expand->setObjectName(QStringLiteral("radioExpand"));
    cardLayout()->addWidget(expand);
    cardLayout()->addWidget(note(tr("Extend the system partition to fill the entire disk."), true));
    addSeparator(2);

    auto* dataRow = new QHBoxLayout;
    auto* data = new QRadioButton(tr("Create a separate data partition"), card());
    data->setObjectName(QStringLiteral("radioData"));
    dataRow->addWidget(data);
    dataRow->addWidget(badge(tr("Recommended")));
    dataRow->addStretch(1);
    cardLayout()->addLayout(dataRow);
    auto* labelRow = new QHBoxLayout;
    labelRow->setContentsMargins(24, 2, 0, 0);
    auto* caption = new QLabel(tr("Label:"), card());
    caption->setObjectName(QStringLiteral("optionNote"));
    labelRow->addWidget(caption);
    m_label = new QLineEdit(QStringLiteral("Data"), card());
    m_label->setObjectName(QStringLiteral("editLabel"));
    m_label->setMaxLength(DataPartitionLabel::MaxLength);
    m_label->setFixedHeight(30);
    labelRow->addWidget(m_label, 1);
    cardLayout()->addLayout(labelRow);
    addSeparator(2);

    auto* keep = new QRadioButton(tr("Keep as unallocated space"), card());
    keep->setObjectName(QStringLiteral("radioKeep"));
    cardLayout()->addWidget(keep);
    cardLayout()->addWidget(
        note(tr("Leave the remaining space unpartitioned. You can partition it manually later."), true));

    m_group->addButton(expand, 0);
    m_group->addButton(data, 1);
    m_group->addButton(keep, 2);
    data->setChecked(true);
    connect(m_group, &QButtonGroup::idToggled, this, [this](int, bool) { updateLabelEnabled(); });

    finish(tr("Cancel"), tr("OK"), QSize(480, 384));
    updateLabelEnabled();
}

void SpaceAllocationDialog::setMode(int mode)
{
    // The label field follows through idToggled.
    if (QAbstractButton* button = m_group->button(mode))
        button->setChecked(true);
}

int SpaceAllocationDialog::mode() const
{
    return m_group->checkedId();
}

void SpaceAllocationDialog::setDataPartitionLabel(const QString& label)
{
    m_label->setText(label);
}

QString SpaceAllocationDialog::dataPartitionLabel() const
{
    return DataPartitionLabel::normalized(m_label->text());
}

void SpaceAllocationDialog::updateLabelEnabled()
{
    m_label->setEnabled(m_group->button(1)->isChecked());
}

QString SpaceAllocationDialog::modeText(int mode)
{
    switch (mode) {
    case 0: return tr("Expand system partition");
    case 1: return tr("Create data partition");
    case 2: return tr("Keep unallocated");
    default: return tr("Unknown");
    }
}
