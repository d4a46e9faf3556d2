#include "ui/circularprogress.h"

#include <QPainter>
#include <QPropertyAnimation>
#include <cmath>

CircularProgress::CircularProgress(QWidget* parent)
    : QWidget(parent)
    , m_animation(new QPropertyAnimation(this, "animatedValue", this))
{
    setMinimumSize(120, 120);
    m_animation->setDuration(300);
    m_animation->setEasingCurve(QEasingCurve::OutCubic);
}

void CircularProgress::setValue(int value)
{
    if (value == m_value)
        return;
    m_value = value;
    m_animation->stop();
    m_animation->setStartValue(m_animatedValue);
    m_animation->setEndValue(double(value));
    m_animation->start();
    emit valueChanged(value);
}

void CircularProgress::setAnimatedValue(double value)
{
    m_animatedValue = value;
    update();
}

void CircularProgress::setRange(int minimum, int maximum)
{
    m_minimum = minimum;
    m_maximum = maximum;
    update();
}

void CircularProgress::setProgressColor(const QColor& color)
{
    m_color = color;
    update();
}

void CircularProgress::setTextVisible(bool visible)
{
    m_textVisible = visible;
    update();
}

void CircularProgress::setRingWidth(int width)
{
    m_ringWidth = qMax(1, width);
    update();
}

double CircularProgress::fraction() const
{
    if (m_maximum <= m_minimum)
        return 0.0;
    return qBound(0.0, (m_animatedValue - m_minimum) / double(m_maximum - m_minimum), 1.0);
}

QString CircularProgress::text() const
{
    if (m_maximum <= m_minimum)
        return QStringLiteral("0%");
    const double f = qBound(0.0, (m_value - m_minimum) / double(m_maximum - m_minimum), 1.0);
    return QStringLiteral("%1%").arg(int(std::lround(f * 100.0)));
}

void CircularProgress::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const int side = qMin(width(), height());
    const double inset = m_ringWidth / 2.0 + 1.0;
    const QRectF ring(QPointF((width() - side) / 2.0 + inset, (height() - side) / 2.0 + inset),
                      QSizeF(side - 2 * inset, side - 2 * inset));

    QPen pen(TrackColor, m_ringWidth);
    pen.setCapStyle(Qt::FlatCap);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(ring);

    if (m_maximum <= m_minimum)
        return;

    const double f = fraction();
    if (f > 0.0) {
        pen.setColor(m_color);
        pen.setCapStyle(Qt::RoundCap);
        p.setPen(pen);
        // Qt angles are 1/16 degree, counter-clockwise positive: negative span runs clockwise.
        p.drawArc(ring, 90 * 16, -int(std::lround(f * 360.0 * 16)));
    }

    if (m_textVisible) {
        QFont font = this->font();
        font.setPixelSize(qMax(1, side / 4));
        font.setWeight(QFont::Bold);
        p.setFont(font);
        p.setPen(TextColor);
        p.drawText(rect(), Qt::AlignCenter, text());
    }
}
