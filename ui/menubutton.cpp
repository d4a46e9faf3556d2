#include "ui/menubutton.h"

#include <QPainter>
#include <algorithm>

MenuButton::MenuButton(QWidget* parent)
    : QPushButton(parent)
{
    setFixedSize(46, 32);
    setCursor(Qt::PointingHandCursor);
    setFlat(true);
}

// Qt has already updated underMouse() when these arrive.
void MenuButton::enterEvent(QEnterEvent* event)
{
    update();
    QPushButton::enterEvent(event);
}

void MenuButton::leaveEvent(QEvent* event)
{
    update();
    QPushButton::leaveEvent(event);
}

void MenuButton::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    if (underMouse() || isDown())
        p.fillRect(rect(), QColor("#F3F4F6"));
    if (hasFocus()) {
        p.setPen(QPen(QColor("#2563EB"), 2));
        p.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
    }
    QPen pen(QColor("#374151"), 1.6);
    pen.setCapStyle(Qt::RoundCap);
    p.setPen(pen);
    const double cx = width() / 2.0;
    const double cy = height() / 2.0;
    for (int i = -1; i <= 1; ++i)
        p.drawLine(QPointF(cx - 7, cy + i * 5), QPointF(cx + 7, cy + i * 5));
}

QPoint MenuButton::popupPosition(const QRect& button, const QSize& menuSize, const QRect& window)
{
    const int x = std::max(window.left(), std::min(button.left(), window.right() + 1 - menuSize.width()));
    return QPoint(x, button.bottom() + 1);
}
