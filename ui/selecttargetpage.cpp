#include "ui/selecttargetpage.h"

#include "ui/pagebuilder.h"

#include <QLabel>
#include <QVBoxLayout>

SelectTargetPage::SelectTargetPage(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("pageSelectTarget"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(28, 22, 28, 8);
    layout->setSpacing(6);
    layout->addWidget(PageBuilder::title(tr("Step 2: Select target disk"), this));
    layout->addWidget(PageBuilder::subtitle(
        tr("Choose the destination disk. All existing data on the target disk will be erased."), this));
    layout->addSpacing(8);
    m_list = PageBuilder::addDiskList(layout, this);
}
