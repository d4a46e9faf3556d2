#include "ui/partitioncard.h"

#include "ui/diskpartitionbar.h"
#include "ui/flowlayout.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

PartitionCard::PartitionCard(const PartitionInfo& partition, QWidget* parent)
    : SelectableCard(QStringLiteral("PartitionCard"), 10, parent)
    , m_partition(partition)
{
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(14, 10, 14, 10);
    row->setSpacing(12);

    const QString tagText = DiskPartitionBar::shortTag(partition);
    auto* tag = new QLabel(this);
    tag->setObjectName(QStringLiteral("partitionTag"));
    tag->setFixedSize(48, 48);
    tag->setAlignment(Qt::AlignCenter);
    // Long tags (labels, "Recovery") get a smaller font, and what still does not fit in the circle
    // is elided, the whole tag in the tooltip.
    const int tagFont = tagText.size() > 4 ? 8 : 11;
    QFont font = tag->font();
    font.setPixelSize(tagFont);
    font.setBold(true);
    const QString shown = QFontMetrics(font).elidedText(tagText, Qt::ElideRight, 42);
    tag->setText(shown);
    if (shown != tagText)
        tag->setToolTip(tagText);
    tag->setStyleSheet(QStringLiteral("background: #DBEAFE; color: #1D4ED8; border-radius: 24px;"
                                      " font-weight: bold; font-size: %1px;").arg(tagFont));
    row->addWidget(tag);

    auto* column = new QVBoxLayout;
    column->setSpacing(4);
    row->addLayout(column, 1);

    auto* header = new FlowLayout(nullptr, 6);
    auto* name = new QLabel(partition.displayName(), this);
    name->setObjectName(QStringLiteral("partitionName"));
    name->setStyleSheet(QStringLiteral("font-size: 14px; font-weight: bold; color: #111827;"));
    header->addWidget(name);
    auto* badge = new QLabel(badgeText(partition), this);
    badge->setObjectName(QStringLiteral("partitionBadge"));
    badge->setStyleSheet(QStringLiteral("color: #374151; background: #F3F4F6; border-radius: 8px;"
                                        " padding: 2px 8px; font-size: 11px; font-weight: bold;"));
    header->addWidget(badge);
    column->addLayout(header);

    auto* info = new QLabel(tr("%1 total  ·  Disk %2 Partition %3")
                                .arg(partition.sizeString())
                                .arg(partition.diskNumber)
                                .arg(partition.partitionNumber),
                            this);
    info->setStyleSheet(QStringLiteral("color: #6B7280; font-size: 12px;"));
    info->setWordWrap(true);
    column->addWidget(info);

    auto* usageRow = new QHBoxLayout;
    auto* usage = new QProgressBar(this);
    usage->setObjectName(QStringLiteral("usageBar"));
    usage->setRange(0, 100);
    usage->setValue(qBound(0, int(partition.usagePercent() + 0.5), 100));
    usage->setTextVisible(false);
    usage->setFixedHeight(6);
    // The Windows style asks for a wide bar; the card's width decides instead.
    usage->setMinimumWidth(24);
    usage->setStyleSheet(QStringLiteral("QProgressBar { background: #E5E7EB; border: none; border-radius: 3px; }"
                                        "QProgressBar::chunk { background: #2563EB; border-radius: 3px; }"));
    usageRow->addWidget(usage, 1);
    auto* used = new QLabel(tr("%1 / %2 used")
                                .arg(Tessarin::formatSize(partition.usedSpace, 2), partition.sizeString()),
                            this);
    used->setStyleSheet(QStringLiteral("color: #6B7280; font-size: 11px;"));
    usageRow->addWidget(used);
    column->addLayout(usageRow);

}

QString PartitionCard::badgeText(const PartitionInfo& partition)
{
    if (partition.holdsWindows())
        return tr("System");
    if (partition.isRecovery)
        return tr("Recovery");
    if (partition.isEfi || partition.isMsr)
        return tr("Boot");
    const QString fileSystem = partition.fileSystemText();
    return fileSystem.isEmpty() ? tr("Unknown") : fileSystem;
}
