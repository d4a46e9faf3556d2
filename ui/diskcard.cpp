#include "ui/diskcard.h"

#include "modes/systemclonelayout.h"
#include "ui/diskpartitionbar.h"
#include "ui/flowlayout.h"

#include <QGraphicsDropShadowEffect>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

DiskCard::DiskCard(const DiskInfo& disk, bool systemCloneMode, QWidget* parent)
    : SelectableCard(QStringLiteral("DiskCard"), 12, parent)
    , m_disk(disk)
    , m_systemClone(systemCloneMode)
{
    auto* shadow = new QGraphicsDropShadowEffect(this);
    shadow->setBlurRadius(14);
    shadow->setOffset(0, 2);
    shadow->setColor(QColor(15, 23, 42, 28));
    setGraphicsEffect(shadow);

    auto* outer = new QHBoxLayout(this);
    outer->setContentsMargins(16, 14, 16, 14);
    outer->setSpacing(14);

    auto* icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("diskIcon"));
    icon->setPixmap(QIcon(QStringLiteral(":/icons/hdd.png")).pixmap(40, 40));
    icon->setFixedSize(44, 44);
    icon->setAlignment(Qt::AlignCenter);
    outer->addWidget(icon, 0, Qt::AlignTop);

    auto* column = new QVBoxLayout;
    column->setSpacing(6);
    outer->addLayout(column, 1);

    // Title and badges wrap beside the size, so a long model name or language cuts nothing off.
    auto* header = new QHBoxLayout;
    header->setSpacing(8);
    auto* badges = new FlowLayout(nullptr, 8);
    header->addLayout(badges, 1);
    auto* title = new QLabel(titleText(disk), this);
    title->setObjectName(QStringLiteral("diskTitle"));
    title->setStyleSheet(QStringLiteral("font-size: 15px; font-weight: bold; color: #111827;"));
    badges->addWidget(title);

    auto badge = [this](const QString& text, const QString& fg, const QString& bg) {
        auto* l = new QLabel(text, this);
        l->setStyleSheet(QStringLiteral("color: %1; background: %2; border-radius: 8px; padding: 2px 8px;"
                                        " font-size: 11px; font-weight: bold;").arg(fg, bg));
        return l;
    };
    badges->addWidget(badge(disk.isSsd ? tr("SSD storage") : tr("HDD storage"), "#1D4ED8", "#DBEAFE"));
    QString style;
    switch (disk.partitionStyle) {
    case Tessarin::PartitionStyle::GPT: style = QStringLiteral("GPT"); break;
    case Tessarin::PartitionStyle::MBR: style = QStringLiteral("MBR"); break;
    default: style = tr("Not initialized"); break;
    }
    if (!disk.tableReadError().isEmpty()) {
        // Not a blank disk: its table exists but could not be read.
        QLabel* unreadable = badge(tr("Table unreadable"), "#B91C1C", "#FEE2E2");
        unreadable->setToolTip(disk.tableReadError());
        badges->addWidget(unreadable);
    } else {
        badges->addWidget(badge(style, "#374151", "#F3F4F6"));
    }
    if (disk.isSystemDisk)
        badges->addWidget(badge(tr("System disk"), "#047857", "#D1FAE5"));
    auto* size = new QLabel(disk.sizeString(), this);
    size->setObjectName(QStringLiteral("diskSize"));
    size->setStyleSheet(QStringLiteral("font-size: 15px; font-weight: bold; color: #1F2937;"));
    header->addWidget(size, 0, Qt::AlignTop);
    column->addLayout(header);

    auto* subtitle = new QLabel(this);
    subtitle->setObjectName(QStringLiteral("diskSubtitle"));
    subtitle->setStyleSheet(QStringLiteral("color: #6B7280; font-size: 12px;"));
    subtitle->setWordWrap(true);
    const uint64_t free = disk.unallocatedSpace();
    const QString where = disk.realPath.isEmpty() ? disk.devicePath : disk.realPath;
    if (systemCloneMode)
        subtitle->setText(tr("%1 - System clone: boot + Windows partitions only").arg(where));
    else
        subtitle->setText(tr("%1 available space - %2").arg(Tessarin::formatSize(free, 2), where));
    column->addWidget(subtitle);

    column->addWidget(new DiskPartitionBar(disk, this));

    if (systemCloneMode && !disk.partitions.isEmpty()) {
        auto* roles = new FlowLayout(nullptr, 6);
        for (const PartitionInfo& p : disk.partitions) {
            const QString role = systemCloneRole(p);
            const bool copied = role != tr("Not cloned");
            auto* tag = badge(QStringLiteral("%1 · %2").arg(DiskPartitionBar::shortTag(p), role),
                              copied ? "#1E40AF" : "#6B7280", copied ? "#E0E7FF" : "#F3F4F6");
            tag->setObjectName(QStringLiteral("roleTag"));
            roles->addWidget(tag);
        }
        column->addLayout(roles);
    }
}

QString DiskCard::titleText(const DiskInfo& disk)
{
    if (disk.model.isEmpty())
        return tr("Disk %1").arg(disk.diskNumber);
    return tr("Disk %1: %2").arg(disk.diskNumber).arg(disk.model);
}

QString DiskCard::systemCloneRole(const PartitionInfo& partition)
{
    // The system clone's own selection, so the card shows what the clone will take.
    using Role = SystemCloneLayout::Role;
    switch (SystemCloneLayout::roleOf(partition, partition.holdsWindows())) {
    case Role::Windows: return tr("Windows");
    case Role::System:
    case Role::Efi:
    case Role::Msr: return tr("Boot");
    case Role::Recovery: return tr("Recovery");
    case Role::None: break;
    }
    return tr("Not cloned");
}
