#include "ui/selectsourcepage.h"

#include "ui/pagebuilder.h"

#include <QLabel>

SelectSourcePage::SelectSourcePage(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("pageSelectSource"));
    m_title = PageBuilder::title(tr("Step 1: Select system disk"), this);
    m_subtitle = PageBuilder::subtitle(
        tr("Choose the disk that contains the current Windows installation. Only boot and system partitions are cloned."),
        this);
    m_list = PageBuilder::listPage(this, m_title, m_subtitle);
}
