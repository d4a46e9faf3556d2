#include "ui/nofocusrectstyle.h"

NoFocusRectStyle::NoFocusRectStyle(QStyle* base)
    : QProxyStyle(base)
{
}

void NoFocusRectStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                     QPainter* painter, const QWidget* widget) const
{
    if (element == PE_FrameFocusRect)
        return;
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}
