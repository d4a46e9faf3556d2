#include "ui/spaceallocationdialog.h"

#include "ui/dialogstyle.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

SpaceAllocationDialog::SpaceAllocationDialog(QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(tr("Target Disk Space Allocation"));
    setModal(true);
    setStyleSheet(DialogStyle::sheet());

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(22, 16, 22, 14);
    layout->setSpacing(8);
    auto* heading = new QLabel(tr("Select how to handle the remaining space"), this);
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

    auto note = [card](const QString& text) {
        auto* l = new QLabel(text, card);
        l->setObjectName(QStringLiteral("optionNote"));
        l->setWordWrap(true);
        l->setContentsMargins(24, 0, 0, 0);
        return l;
    };
    auto separator = [card, cardLayout]() {
        auto* s = new QFrame(card);
        s->setObjectName(QStringLiteral("separator"));
        s->setFixedHeight(1);
        cardLayout->addSpacing(2);
        cardLayout->addWidget(s);
        cardLayout->addSpacing(2);
    };

    auto* expand = new QRadioButton(tr("Expand system partition (use all space)"), card);
    expand->setObjectName(QStringLiteral("radioExpand"));
    cardLayout->addWidget(expand);
    cardLayout->addWidget(note(tr("Extend the system partition to fill the entire disk.")));
    separator();

    auto* dataRow = new QHBoxLayout;
    auto* data = new QRadioButton(tr("Create a separate data partition"), card);
    data->setObjectName(QStringLiteral("radioData"));
    dataRow->addWidget(data);
    auto* badge = new QLabel(tr("Recommended"), card);
    badge->setObjectName(QStringLiteral("badge"));
    dataRow->addWidget(badge);
    dataRow->addStretch(1);
    cardLayout->addLayout(dataRow);
    auto* labelRow = new QHBoxLayout;
    labelRow->setContentsMargins(24, 2, 0, 0);
    auto* caption = new QLabel(tr("Label:"), card);
    caption->setObjectName(QStringLiteral("optionNote"));
    labelRow->addWidget(caption);
    m_label = new QLineEdit(QStringLiteral("Data"), card);
    m_label->setObjectName(QStringLiteral("editLabel"));
    m_label->setMaxLength(MaxLabelLength);
    m_label->setFixedHeight(30);
    labelRow->addWidget(m_label, 1);
    cardLayout->addLayout(labelRow);
    separator();

    auto* keep = new QRadioButton(tr("Keep as unallocated space"), card);
    keep->setObjectName(QStringLiteral("radioKeep"));
    cardLayout->addWidget(keep);
    cardLayout->addWidget(note(tr("Leave the remaining space unpartitioned. You can partition it manually later.")));
    layout->addWidget(card);
    layout->addStretch(1);

    m_group->addButton(expand, 0);
    m_group->addButton(data, 1);
    m_group->addButton(keep, 2);
    data->setChecked(true);
    connect(m_group, &QButtonGroup::idToggled, this, [this](int, bool) { updateLabelEnabled(); });

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
    DialogStyle::fixSize(this, QSize(480, 384));
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    updateLabelEnabled();
}

void SpaceAllocationDialog::setMode(int mode)
{
    if (mode >= 0 && mode <= 2)
        m_group->button(mode)->setChecked(true);
    updateLabelEnabled();
}

int SpaceAllocationDialog::mode() const
{
    if (m_group->button(0)->isChecked())
        return 0;
    if (m_group->button(1)->isChecked())
        return 1;
    return 2;
}

void SpaceAllocationDialog::setDataPartitionLabel(const QString& label)
{
    m_label->setText(label);
}

QString SpaceAllocationDialog::dataPartitionLabel() const
{
    return m_label->text().trimmed();
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
