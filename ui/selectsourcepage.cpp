#include "ui/selectsourcepage.h"

#include "ui/pagebuilder.h"

#include <QLabel>
#include <QVBoxLayout>

SelectSourcePage::SelectSourcePage(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("pageSelectSource"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(28, 22, 28, 8);
    layout->setSpacing(6);
    m_title = PageBuilder::title(tr("Step 1: Select system disk"), this);
    m_subtitle = PageBuilder::subtitle(
        tr("Choose the disk that contains the current Windows installation. Only boot and system partitions are cloned."),
        this);
    layout->addWidget(m_title);
    layout->addWidget(m_subtitle);
    layout->addSpacing(8);
    m_list = PageBuilder::addDiskList(layout, this);
}
