#include "ui/focusringstyle.h"

#include <QPainter>
#include <QStyleOption>

FocusRingStyle::FocusRingStyle(QStyle* base)
    : QProxyStyle(base)
{
}

void FocusRingStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                                   const QWidget* widget) const
{
    if (element != PE_FrameFocusRect) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(QPen(QColor("#2563EB"), 2));
    painter->setBrush(Qt::NoBrush);
    painter->drawRoundedRect(QRectF(option->rect).adjusted(1, 1, -1, -1), 3, 3);
    painter->restore();
}
