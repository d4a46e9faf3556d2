#include "ui/selecttargetpage.h"

#include "ui/diskcard.h"
#include "ui/pagebuilder.h"
#include "ui/partitioncard.h"
#include "ui/targetplacecard.h"
#include "ui/wizardstate.h"

#include <QLabel>
#include <QRegularExpression>
#include <QVBoxLayout>

namespace {
using Place = CloneConfig::PartitionTarget;

QString placesName(int diskNumber) { return QStringLiteral("targetPlaces_%1").arg(diskNumber); }

void selectOnly(QWidget* container, SelectableCard* chosen)
{
    for (SelectableCard* card : container->findChildren<SelectableCard*>())
        card->setSelected(card == chosen);
}
}

SelectTargetPage::SelectTargetPage(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("pageSelectTarget"));
    m_subtitle = PageBuilder::subtitle(QString(), this);
    m_list = PageBuilder::listPage(this, PageBuilder::title(tr("Step 2: Select target disk"), this), m_subtitle);
}

void SelectTargetPage::showDisks(const QList<DiskInfo>& disks, const WizardState& state)
{
    m_subtitle->setText(state.isPartitionMode()
                            ? tr("Choose the destination disk, then where the copy goes on it: the whole disk (erased), "
                                 "its largest free region (every partition stays) or one of its partitions (overwritten).")
                            : tr("Choose the destination disk. All existing data on the target disk will be erased."));
    PageBuilder::clearList(m_list);
    QWidget* content = m_list->parentWidget();
    int shown = 0;
    for (const DiskInfo& disk : disks) {
        if (!WizardState::offeredAsTarget(disk, state.sourceDiskNumber()))
            continue;
        ++shown;
        auto* card = new DiskCard(disk, false, content);
        card->setSelected(disk.diskNumber == state.targetDisk().diskNumber);
        connect(card, &DiskCard::clicked, this, [this, card]() { chooseDisk(card); });
        m_list->insertWidget(m_list->count() - 1, card);
        if (state.isPartitionMode())
            m_list->insertWidget(m_list->count() - 1, addPlaces(disk, state));
    }
    if (shown == 0)
        PageBuilder::addEmptyNote(m_list, tr("No other disk is available as a target."));
}

void SelectTargetPage::chooseDisk(DiskCard* chosen)
{
    QWidget* content = m_list->parentWidget();
    for (DiskCard* card : content->findChildren<DiskCard*>())
        card->setSelected(card == chosen);
    // A newly chosen disk is taken whole, as the wizard state does.
    for (QWidget* places : content->findChildren<QWidget*>(QRegularExpression(QStringLiteral("^targetPlaces_")))) {
        const bool own = places->objectName() == placesName(chosen->disk().diskNumber);
        places->setVisible(own);
        for (TargetPlaceCard* card : places->findChildren<TargetPlaceCard*>())
            if (own && card->place() == Place::WholeDisk)
                selectOnly(places, card);
    }
    emit diskChosen(chosen->disk());
}

QWidget* SelectTargetPage::addPlaces(const DiskInfo& disk, const WizardState& state)
{
    auto* container = new QWidget(m_list->parentWidget());
    container->setObjectName(placesName(disk.diskNumber));
    auto* inner = new QVBoxLayout(container);
    inner->setContentsMargins(18, 0, 0, 0);
    inner->setSpacing(8);
    auto* note = PageBuilder::subtitle(tr("Partitions smaller than the source partition, or mounted, are not offered."),
                                       container);
    note->setObjectName(QStringLiteral("placesNote"));
    inner->addWidget(note);

    const bool chosenDisk = disk.diskNumber == state.targetDisk().diskNumber;
    const PartitionInfo& source = state.sourcePartition();
    const auto add = [&](SelectableCard* card, Place place, const PartitionInfo& partition) {
        card->setSelected(chosenDisk && state.targetPlace() == place
                          && (place != Place::Partition
                              || state.targetPartition().partitionNumber == partition.partitionNumber));
        connect(card, &SelectableCard::clicked, this, [this, container, card, place, partition]() {
            selectOnly(container, card);
            emit placeChosen(place, partition);
        });
        inner->addWidget(card);
    };
    add(new TargetPlaceCard(Place::WholeDisk, QStringLiteral(":/icons/hdd.png"), tr("Whole disk"),
                            tr("Every partition on the disk is erased; the copy starts at 1 MiB."), container),
        Place::WholeDisk, PartitionInfo());
    const FreeRegion::Span region = WizardState::offeredFreeRegion(disk, source);
    if (region.bytes > 0)
        add(new TargetPlaceCard(Place::FreeRegion, QStringLiteral(":/icons/disk-space.png"), tr("Largest free region"),
                                tr("%1 free at %2; the copy is added as a new partition and every partition stays.")
                                    .arg(Tessarin::formatSize(region.bytes, 2), Tessarin::formatSize(region.start, 2)),
                                container),
            Place::FreeRegion, PartitionInfo());
    for (const PartitionInfo& partition : disk.partitions)
        if (WizardState::offeredAsTargetPartition(partition, source))
            add(new PartitionCard(partition, container), Place::Partition, partition);
    container->setVisible(chosenDisk);
    return container;
}
