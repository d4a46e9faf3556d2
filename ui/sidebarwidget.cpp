#include "ui/sidebarwidget.h"

#include <QLinearGradient>
#include <QPainter>

SidebarWidget::SidebarWidget(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("sidebar"));
    setAttribute(Qt::WA_StyledBackground, false);
}

void SidebarWidget::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    QLinearGradient g(0, 0, 0, height());
    g.setColorAt(0.0, QColor("#173B8F"));
    g.setColorAt(0.55, QColor("#175EB2"));
    g.setColorAt(1.0, QColor("#0B82AE"));
    p.fillRect(rect(), g);
}
