#include "ui/selecttargetpage.h"

#include "ui/pagebuilder.h"

#include <QLabel>

SelectTargetPage::SelectTargetPage(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("pageSelectTarget"));
    m_list = PageBuilder::listPage(
        this, PageBuilder::title(tr("Step 2: Select target disk"), this),
        PageBuilder::subtitle(tr("Choose the destination disk. All existing data on the target disk will be erased."),
                              this));
}
