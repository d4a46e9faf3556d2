#include "ui/clonesettingsdialog.h"

#include "ui/dialogstyle.h"
#include "ui/toggleswitch.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

CloneSettingsDialog::CloneSettingsDialog(QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(tr("Clone Settings"));
    setModal(true);
    setStyleSheet(DialogStyle::sheet());

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(22, 16, 22, 14);
    layout->setSpacing(8);
    auto* heading = new QLabel(tr("Clone Settings"), this);
    heading->setObjectName(QStringLiteral("dialogHeading"));
    heading->setWordWrap(true);
    layout->addWidget(heading);

    auto* card = new QFrame(this);
    card->setObjectName(QStringLiteral("optionsCard"));
    auto* cardLayout = new QVBoxLayout(card);
    cardLayout->setContentsMargins(12, 6, 12, 6);
    cardLayout->setSpacing(2);

    auto addRow = [card, cardLayout](const QString& title, const QString& badge, const QString& note,
                                     const QString& name, bool separatorAbove) {
        if (separatorAbove) {
            auto* s = new QFrame(card);
            s->setObjectName(QStringLiteral("separator"));
            s->setFixedHeight(1);
            cardLayout->addWidget(s);
        }
        auto* row = new QHBoxLayout;
        row->setContentsMargins(0, 4, 0, 4);
        auto* text = new QVBoxLayout;
        text->setSpacing(2);
        auto* titleRow = new QHBoxLayout;
        auto* t = new QLabel(title, card);
        t->setObjectName(QStringLiteral("optionTitle"));
        titleRow->addWidget(t);
        if (!badge.isEmpty()) {
            auto* b = new QLabel(badge, card);
            b->setObjectName(QStringLiteral("badge"));
            titleRow->addWidget(b);
        }
        titleRow->addStretch(1);
        text->addLayout(titleRow);
        auto* n = new QLabel(note, card);
        n->setObjectName(QStringLiteral("optionNote"));
        n->setWordWrap(true);
        text->addWidget(n);
        row->addLayout(text, 1);
        auto* sw = new ToggleSwitch(card);
        sw->setObjectName(name);
        row->addWidget(sw, 0, Qt::AlignVCenter);
        cardLayout->addLayout(row);
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
    layout->addWidget(card);

    auto* note = new QLabel(tr("⚠️  Smart clone and Sector-by-sector are mutually exclusive."), this);
    note->setObjectName(QStringLiteral("warning"));
    note->setWordWrap(true);
    layout->addWidget(note);
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
    DialogStyle::fixSize(this, QSize(480, 340));
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

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

CloneSettingsDialog::Options CloneSettingsDialog::options() const
{
    return Options{m_smart->isChecked(), m_align->isChecked(), m_sector->isChecked()};
}

QString CloneSettingsDialog::summaryText(bool smartClone, bool align4K, bool sectorBySector)
{
    if (sectorBySector)
        return tr("Sector-by-sector clone");
    QStringList parts;
    if (smartClone)
        parts << tr("Smart clone");
    if (align4K)
        parts << tr("4K alignment");
    if (parts.isEmpty())
        return tr("No options selected");
    return parts.join(QStringLiteral(", "));
}
