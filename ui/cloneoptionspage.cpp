#include "ui/cloneoptionspage.h"

#include "ui/bootmodedialog.h"
#include "ui/spaceallocationdialog.h"
#include "ui/wizardstate.h"

#include "ui/clonesettingsdialog.h"
#include "ui/pagebuilder.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
const char* const CardSheet =
    "QFrame#%1 { background: #FFFFFF; border: 1px solid #E5E7EB; border-radius: 12px; }";

QFrame* summaryCard(const QString& objectName, const QString& icon, QLabel** caption, QLabel** name,
                    QLabel** size, const QString& captionText, QWidget* parent)
{
    auto* card = new QFrame(parent);
    card->setObjectName(objectName);
    card->setStyleSheet(QString::fromLatin1(CardSheet).arg(objectName));
    auto* row = new QHBoxLayout(card);
    row->setContentsMargins(16, 12, 16, 12);
    row->setSpacing(12);
    auto* iconLabel = new QLabel(card);
    iconLabel->setPixmap(QIcon(icon).pixmap(36, 36));
    row->addWidget(iconLabel);
    auto* column = new QVBoxLayout;
    column->setSpacing(2);
    *caption = new QLabel(captionText, card);
    (*caption)->setStyleSheet(QStringLiteral("color: #6B7280; font-size: 12px; border: none;"));
    *name = new QLabel(QStringLiteral("-"), card);
    (*name)->setStyleSheet(QStringLiteral("color: #111827; font-size: 14px; font-weight: bold; border: none;"));
    (*name)->setWordWrap(true);
    *size = new QLabel(QStringLiteral("-"), card);
    (*size)->setStyleSheet(QStringLiteral("color: #2563EB; font-size: 13px; border: none;"));
    column->addWidget(*caption);
    column->addWidget(*name);
    column->addWidget(*size);
    row->addLayout(column, 1);
    return card;
}
}

CloneOptionsPage::CloneOptionsPage(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("pageOptions"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(28, 22, 28, 8);
    layout->setSpacing(12);
    layout->addWidget(PageBuilder::title(tr("Step 3: Configure and confirm"), this));

    auto* summaryRow = new QHBoxLayout;
    summaryRow->setSpacing(12);
    QLabel* targetCaption = nullptr;
    m_sourceCard = summaryCard(QStringLiteral("sourceSummaryCard"), QStringLiteral(":/icons/hdd.png"),
                               &m_sourceCaption, &m_sourceName, &m_sourceSize, tr("Source disk"), this);
    m_targetCard = summaryCard(QStringLiteral("targetSummaryCard"), QStringLiteral(":/icons/disk-large.png"),
                               &targetCaption, &m_targetName, &m_targetSize, tr("Target disk"), this);
    auto* arrow = new QLabel(QStringLiteral("→"), this);
    arrow->setStyleSheet(QStringLiteral("color: #2563EB; font-size: 24px; font-weight: bold;"));
    summaryRow->addWidget(m_sourceCard, 1);
    summaryRow->addWidget(arrow);
    summaryRow->addWidget(m_targetCard, 1);
    layout->addLayout(summaryRow);

    auto* cards = new QVBoxLayout;
    cards->setSpacing(10);
    cards->addWidget(makeOptionCard(QStringLiteral("cloneSettingsCard"), QStringLiteral(":/icons/disk-clone.png"),
                                    tr("Clone Settings"), CloneSettingsDialog::summaryText(true, true, false, false, false),
                                    &m_summary, &m_settings, this));
    m_bootModeCard = makeOptionCard(QStringLiteral("bootModeFrame"), QStringLiteral(":/icons/boot-mode.png"),
                                    tr("Target boot mode"), BootModeDialog::modeText(int(m_shown.targetBootMode)),
                                    &m_bootModeSummary, &m_bootModeButton, this);
    m_spaceCard = makeOptionCard(QStringLiteral("spaceAllocationFrame"), QStringLiteral(":/icons/disk-space.png"),
                                 tr("Target disk space"), SpaceAllocationDialog::modeText(int(m_shown.resizeMode)),
                                 &m_spaceSummary, &m_spaceButton, this);
    cards->addWidget(m_bootModeCard);
    cards->addWidget(m_spaceCard);
    layout->addLayout(cards);
    m_refusal = new QLabel(this);
    m_refusal->setObjectName(QStringLiteral("refusalLabel"));
    m_refusal->setWordWrap(true);
    m_refusal->setStyleSheet(QStringLiteral("QLabel { background: #FEF2F2; color: #B91C1C; border: 1px solid #FCA5A5;"
                                            " border-radius: 8px; padding: 8px 12px; font-size: 13px; }"));
    m_refusal->hide();
    layout->addWidget(m_refusal);
    layout->addStretch(1);

    connect(m_settings, &QPushButton::clicked, this, &CloneOptionsPage::editCopyOptions);
    connect(m_bootModeButton, &QPushButton::clicked, this, &CloneOptionsPage::editBootMode);
    connect(m_spaceButton, &QPushButton::clicked, this, &CloneOptionsPage::editSpaceAllocation);
}

void CloneOptionsPage::showChoices(const WizardState& state)
{
    m_shown = state.choices();
    if (state.isPartitionMode()) {
        m_sourceCaption->setText(tr("Source partition"));
        m_sourceName->setText(state.sourcePartition().displayName());
        m_sourceSize->setText(state.sourcePartition().sizeString());
    } else {
        m_sourceCaption->setText(tr("Source disk"));
        m_sourceName->setText(state.sourceDisk().displayName());
        m_sourceSize->setText(state.sourceDisk().sizeString());
    }
    m_targetName->setText(state.targetDisk().displayName());
    m_targetSize->setText(state.targetDisk().sizeString());
    m_summary->setText(CloneSettingsDialog::summaryText(m_shown.smartClone, m_shown.align4K, m_shown.sectorBySector,
                                                        m_shown.verify, m_shown.continueOnReadErrors));
    m_bootModeSummary->setText(BootModeDialog::modeText(int(m_shown.targetBootMode)));
    m_spaceSummary->setText(SpaceAllocationDialog::modeText(int(m_shown.resizeMode)));
    m_bootModeCard->setVisible(state.isSystemMode());
    m_spaceCard->setVisible(state.isSystemMode());
    showRefusal(QString());
}

void CloneOptionsPage::showRefusal(const QString& reason)
{
    m_refusal->setText(reason.isEmpty() ? QString() : tr("This clone cannot start: %1").arg(reason));
    m_refusal->setVisible(!reason.isEmpty());
}

void CloneOptionsPage::editCopyOptions()
{
    CloneSettingsDialog dialog(this);
    dialog.setOptions(m_shown.smartClone, m_shown.align4K, m_shown.sectorBySector);
    dialog.setSafetyOptions(m_shown.verify, m_shown.continueOnReadErrors);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const CloneSettingsDialog::Options o = dialog.options();
    emit safetyOptionsChosen(o.verify, o.continueOnReadErrors);
    emit copyOptionsChosen(o.smartClone, o.align4K, o.sectorBySector);
}

void CloneOptionsPage::editBootMode()
{
    BootModeDialog dialog(this);
    dialog.setBootMode(int(m_shown.targetBootMode));
    if (dialog.exec() != QDialog::Accepted)
        return;
    emit bootModeChosen(dialog.bootMode() == 0 ? Tessarin::TargetBootMode::Uefi : Tessarin::TargetBootMode::Legacy);
}

void CloneOptionsPage::editSpaceAllocation()
{
    SpaceAllocationDialog dialog(this);
    dialog.setMode(int(m_shown.resizeMode));
    dialog.setDataPartitionLabel(m_shown.dataPartitionLabel);
    if (dialog.exec() != QDialog::Accepted)
        return;
    emit spaceAllocationChosen(Tessarin::ResizeMode(dialog.mode()), dialog.dataPartitionLabel());
}

QFrame* CloneOptionsPage::makeOptionCard(const QString& objectName, const QString& iconPath, const QString& title,
                                         const QString& summary, QLabel** summaryLabel, QPushButton** button,
                                         QWidget* parent)
{
    auto* card = new QFrame(parent);
    card->setObjectName(objectName);
    card->setStyleSheet(QString::fromLatin1(CardSheet).arg(objectName));
    auto* row = new QHBoxLayout(card);
    row->setContentsMargins(16, 10, 16, 10);
    row->setSpacing(12);
    auto* icon = new QLabel(card);
    icon->setPixmap(QIcon(iconPath).pixmap(30, 30));
    icon->setStyleSheet(QStringLiteral("border: none;"));
    row->addWidget(icon);
    auto* column = new QVBoxLayout;
    column->setSpacing(2);
    auto* t = new QLabel(title, card);
    t->setStyleSheet(QStringLiteral("color: #111827; font-size: 14px; font-weight: bold; border: none;"));
    auto* s = new QLabel(summary, card);
    s->setObjectName(objectName + QStringLiteral("Summary"));
    s->setStyleSheet(QStringLiteral("color: #4B5563; font-size: 12px; border: none;"));
    column->addWidget(t);
    column->addWidget(s);
    row->addLayout(column, 1);
    auto* b = new QPushButton(tr("Settings..."), card);
    b->setObjectName(objectName + QStringLiteral("Button"));
    b->setCursor(Qt::PointingHandCursor);
    b->setMinimumSize(96, 32);
    b->setStyleSheet(QStringLiteral("QPushButton { background: #EFF6FF; color: #1D4ED8; border: 1px solid #BFDBFE;"
                                    " border-radius: 6px; padding: 0 12px; font-weight: bold; }"
                                    "QPushButton:hover { background: #DBEAFE; }"
                                    "QPushButton:focus { border: 2px solid #1D4ED8; outline: none; }"));
    row->addWidget(b);
    if (summaryLabel)
        *summaryLabel = s;
    if (button)
        *button = b;
    return card;
}
