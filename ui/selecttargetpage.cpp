#include "ui/selecttargetpage.h"

#include "ui/diskcard.h"
#include "ui/pagebuilder.h"
#include "ui/wizardstate.h"

#include <QLabel>
#include <QVBoxLayout>

SelectTargetPage::SelectTargetPage(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("pageSelectTarget"));
    m_list = PageBuilder::listPage(
        this, PageBuilder::title(tr("Step 2: Select target disk"), this),
        PageBuilder::subtitle(tr("Choose the destination disk. All existing data on the target disk will be erased."),
                              this));
}

void SelectTargetPage::showDisks(const QList<DiskInfo>& disks, int sourceDisk, int chosenDisk)
{
    PageBuilder::clearList(m_list);
    QWidget* content = m_list->parentWidget();
    int shown = 0;
    for (const DiskInfo& disk : disks) {
        if (!WizardState::offeredAsTarget(disk, sourceDisk))
            continue;
        ++shown;
        auto* card = new DiskCard(disk, false, content);
        card->setSelected(disk.diskNumber == chosenDisk);
        connect(card, &DiskCard::clicked, this, [this, content, card]() {
            for (DiskCard* other : content->findChildren<DiskCard*>())
                other->setSelected(other == card);
            emit diskChosen(card->disk());
        });
        m_list->insertWidget(m_list->count() - 1, card);
    }
    if (shown == 0)
        PageBuilder::addEmptyNote(m_list, tr("No other disk is available as a target."));
}
