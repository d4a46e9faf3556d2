#include "ui/diskgroupheader.h"

#include "ui/diskcard.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QVBoxLayout>

DiskGroupHeader::DiskGroupHeader(const DiskInfo& disk, QWidget* parent)
    : QFrame(parent)
    , m_diskNumber(disk.diskNumber)
{
    setObjectName(QStringLiteral("DiskGroupHeader"));
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
    setStyleSheet(QStringLiteral("QFrame#DiskGroupHeader { background: #F3F6FB; border: 1px solid #E2E8F0;"
                                 " border-radius: 10px; }"
                                 "QFrame#DiskGroupHeader:focus { border: 2px solid #2563EB; }"));

    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(12, 8, 14, 8);
    row->setSpacing(10);
    m_arrow = new QLabel(arrowText(), this);
    m_arrow->setObjectName(QStringLiteral("groupArrow"));
    m_arrow->setStyleSheet(QStringLiteral("color: #2563EB; font-size: 16px; background: transparent;"));
    m_arrow->setFixedWidth(16);
    row->addWidget(m_arrow);

    auto* column = new QVBoxLayout;
    column->setSpacing(2);
    auto* title = new QLabel(DiskCard::titleText(disk), this);
    title->setStyleSheet(QStringLiteral("font-weight: bold; font-size: 14px; color: #111827; background: transparent;"));
    column->addWidget(title);
    const QString style = !disk.tableReadError().isEmpty()                      ? tr("Table unreadable")
                          : disk.partitionStyle == Tessarin::PartitionStyle::GPT ? QStringLiteral("GPT")
                          : disk.partitionStyle == Tessarin::PartitionStyle::MBR ? QStringLiteral("MBR")
                                                                                 : tr("Not initialized");
    const QString where = disk.realPath.isEmpty() ? disk.devicePath : disk.realPath;
    auto* info = new QLabel(tr("%1 · %2").arg(disk.sizeString(), style + QStringLiteral(" · ") + where), this);
    info->setStyleSheet(QStringLiteral("color: #6B7280; font-size: 12px; background: transparent;"));
    column->addWidget(info);
    row->addLayout(column, 1);

    auto* count = new QLabel(tr("%1 partition(s)").arg(disk.partitions.size()), this);
    count->setStyleSheet(QStringLiteral("color: #4B5563; font-size: 12px; background: transparent;"));
    row->addWidget(count);
}

QString DiskGroupHeader::arrowText() const
{
    return m_expanded ? QStringLiteral("▾") : QStringLiteral("▸");
}

void DiskGroupHeader::setExpanded(bool expanded)
{
    if (expanded == m_expanded)
        return;
    m_expanded = expanded;
    m_arrow->setText(arrowText());
    emit expandedChanged(expanded);
}

void DiskGroupHeader::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QFrame::mousePressEvent(event);
        return;
    }
    toggle();
}

void DiskGroupHeader::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Space || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        toggle();
        return;
    }
    QFrame::keyPressEvent(event);
}

void DiskGroupHeader::toggle()
{
    setExpanded(!m_expanded);
    emit toggleClicked();
}
