#include "ui/selectsourcepage.h"

#include "ui/diskcard.h"
#include "ui/diskgroupheader.h"
#include "ui/pagebuilder.h"
#include "ui/partitioncard.h"

#include <QLabel>
#include <QVBoxLayout>

namespace {
// Pick-one: the clicked card is selected, every other card of the list is not.
template<typename Card>
void selectOnly(QWidget* list, Card* chosen)
{
    for (Card* card : list->findChildren<Card*>())
        card->setSelected(card == chosen);
}
}

SelectSourcePage::SelectSourcePage(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("pageSelectSource"));
    m_title = PageBuilder::title(QString(), this);
    m_subtitle = PageBuilder::subtitle(QString(), this);
    m_list = PageBuilder::listPage(this, m_title, m_subtitle);
    setMode(Tessarin::CloneModeType::SystemClone);
}

void SelectSourcePage::setMode(Tessarin::CloneModeType mode)
{
    switch (mode) {
    case Tessarin::CloneModeType::DiskClone:
        m_title->setText(tr("Step 1: Select source disk"));
        m_subtitle->setText(tr("Choose the disk to clone."));
        break;
    case Tessarin::CloneModeType::SystemClone:
        m_title->setText(tr("Step 1: Select system disk"));
        m_subtitle->setText(tr("Choose the disk that contains the current Windows installation. "
                               "Only boot and system partitions are cloned."));
        break;
    case Tessarin::CloneModeType::PartitionClone:
        m_title->setText(tr("Step 1: Select source partition"));
        m_subtitle->setText(tr("Choose the partition to clone."));
        break;
    }
}

void SelectSourcePage::showDisks(const QList<DiskInfo>& disks, Tessarin::CloneModeType mode, int chosenDisk,
                                 const PartitionInfo& chosenPartition)
{
    PageBuilder::clearList(m_list);
    if (mode == Tessarin::CloneModeType::PartitionClone)
        showPartitionGroups(disks, chosenPartition);
    else
        showDiskCards(disks, mode == Tessarin::CloneModeType::SystemClone, chosenDisk);
}

void SelectSourcePage::showDiskCards(const QList<DiskInfo>& disks, bool systemMode, int chosenDisk)
{
    QWidget* content = m_list->parentWidget();
    for (const DiskInfo& disk : disks) {
        auto* card = new DiskCard(disk, systemMode, content);
        card->setSelected(disk.diskNumber == chosenDisk);
        connect(card, &DiskCard::clicked, this, [this, content, card]() {
            selectOnly(content, card);
            emit diskChosen(card->disk());
        });
        m_list->insertWidget(m_list->count() - 1, card);
    }
    if (disks.isEmpty())
        PageBuilder::addEmptyNote(m_list, tr("No disks found."));
}

void SelectSourcePage::showPartitionGroups(const QList<DiskInfo>& disks, const PartitionInfo& chosen)
{
    QWidget* content = m_list->parentWidget();
    int groups = 0;
    for (const DiskInfo& disk : disks) {
        if (disk.partitions.isEmpty())
            continue;
        ++groups;
        auto* header = new DiskGroupHeader(disk, content);
        header->setObjectName(QStringLiteral("DiskGroupHeader"));
        m_list->insertWidget(m_list->count() - 1, header);

        auto* container = new QWidget(content);
        container->setObjectName(QStringLiteral("partitionContainer_%1").arg(disk.diskNumber));
        auto* inner = new QVBoxLayout(container);
        inner->setContentsMargins(18, 0, 0, 0);
        inner->setSpacing(8);
        for (const PartitionInfo& part : disk.partitions) {
            auto* card = new PartitionCard(part, container);
            card->setSelected(chosen.isValid() && part.diskNumber == chosen.diskNumber
                              && part.partitionNumber == chosen.partitionNumber);
            connect(card, &PartitionCard::clicked, this, [this, content, card]() {
                selectOnly(content, card);
                emit partitionChosen(card->partition());
            });
            inner->addWidget(card);
        }
        connect(header, &DiskGroupHeader::toggleClicked, container,
                [header, container]() { container->setVisible(header->isExpanded()); });
        m_list->insertWidget(m_list->count() - 1, container);
    }
    if (groups == 0)
        PageBuilder::addEmptyNote(m_list, tr("No partitions found."));
}
