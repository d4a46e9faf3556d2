#include "ui/kestrellogo.h"

#include <QPainter>
#include <QPainterPath>

KestrelLogo::KestrelLogo(QWidget* parent)
    : QWidget(parent)
{
    setFixedSize(40, 40);
}

void KestrelLogo::paintMark(QPainter& p, const QRectF& box)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(box.topLeft());
    p.scale(box.width() / 100.0, box.height() / 100.0);

    p.setPen(Qt::NoPen);
    p.setBrush(QColor("#F97316"));
    p.drawRoundedRect(QRectF(4, 4, 92, 92), 24, 24);

    // Spread wings and a hooked head, cream on orange.
    QPainterPath bird;
    bird.moveTo(14, 44);
    bird.cubicTo(30, 30, 42, 34, 50, 46);
    bird.cubicTo(58, 34, 70, 30, 86, 44);
    bird.cubicTo(74, 42, 64, 46, 58, 56);
    bird.lineTo(56, 74);
    bird.lineTo(50, 84);
    bird.lineTo(44, 74);
    bird.lineTo(42, 56);
    bird.cubicTo(36, 46, 26, 42, 14, 44);
    bird.closeSubpath();
    p.setBrush(QColor("#FFF4E0"));
    p.drawPath(bird);

    p.setBrush(QColor("#FFF4E0"));
    p.drawEllipse(QPointF(50, 38), 7.5, 7.5);
    QPainterPath beak;
    beak.moveTo(47, 42);
    beak.lineTo(53, 42);
    beak.lineTo(50, 49);
    beak.closeSubpath();
    p.setBrush(QColor("#7C2D12"));
    p.drawPath(beak);
    p.drawEllipse(QPointF(47.5, 37), 1.6, 1.6);
    p.drawEllipse(QPointF(52.5, 37), 1.6, 1.6);
    p.restore();
}

void KestrelLogo::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    paintMark(p, QRectF(rect()));
}
