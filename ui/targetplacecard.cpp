#include "ui/targetplacecard.h"

#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QVBoxLayout>

TargetPlaceCard::TargetPlaceCard(CloneConfig::PartitionTarget place, const QString& icon, const QString& title,
                                 const QString& detail, QWidget* parent)
    : SelectableCard(QStringLiteral("TargetPlaceCard"), 10, parent)
    , m_place(place)
{
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(14, 10, 14, 10);
    row->setSpacing(12);

    // The same round tag as a partition card, so the places read as one list.
    auto* tag = new QLabel(this);
    tag->setObjectName(QStringLiteral("placeTag"));
    tag->setFixedSize(48, 48);
    tag->setAlignment(Qt::AlignCenter);
    tag->setPixmap(QIcon(icon).pixmap(26, 26));
    tag->setStyleSheet(QStringLiteral("background: #DBEAFE; border-radius: 24px;"));
    row->addWidget(tag);

    auto* column = new QVBoxLayout;
    column->setSpacing(4);
    row->addLayout(column, 1);
    auto* name = new QLabel(title, this);
    name->setObjectName(QStringLiteral("placeTitle"));
    name->setStyleSheet(QStringLiteral("font-size: 14px; font-weight: bold; color: #111827;"));
    column->addWidget(name);
    auto* info = new QLabel(detail, this);
    info->setObjectName(QStringLiteral("placeDetail"));
    info->setWordWrap(true);
    info->setStyleSheet(QStringLiteral("color: #6B7280; font-size: 12px;"));
    column->addWidget(info);
}
