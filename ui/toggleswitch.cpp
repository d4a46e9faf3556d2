#include "ui/toggleswitch.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPropertyAnimation>

namespace {
QColor mix(const QColor& from, const QColor& to, double t)
{
    auto channel = [t](int a, int b) { return int(a + (b - a) * t + 0.5); };
    return QColor(channel(from.red(), to.red()), channel(from.green(), to.green()),
                  channel(from.blue(), to.blue()));
}
}

ToggleSwitch::ToggleSwitch(QWidget* parent)
    : QWidget(parent)
    , m_animation(new QPropertyAnimation(this, "position", this))
{
    setFixedSize(44, 26);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
    m_animation->setDuration(AnimationMs);
    m_animation->setEasingCurve(QEasingCurve::OutCubic);
}

void ToggleSwitch::setChecked(bool checked)
{
    if (checked == m_checked)
        return;
    m_checked = checked;
    animateTo(checked ? 1.0 : 0.0);
    emit toggled(checked);
}

void ToggleSwitch::setPosition(double position)
{
    m_position = qBound(0.0, position, 1.0);
    update();
}

void ToggleSwitch::animateTo(double end)
{
    // Start from where the knob is now, so a quick second click reverses instead of jumping.
    m_animation->stop();
    m_animation->setStartValue(m_position);
    m_animation->setEndValue(end);
    m_animation->start();
}

void ToggleSwitch::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        setChecked(!m_checked);
        event->accept();
        return;
    }
    QWidget::mouseReleaseEvent(event);
}

void ToggleSwitch::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Space && !event->isAutoRepeat()) {
        setChecked(!m_checked);
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

void ToggleSwitch::focusInEvent(QFocusEvent* event)
{
    update();
    QWidget::focusInEvent(event);
}

void ToggleSwitch::focusOutEvent(QFocusEvent* event)
{
    update();
    QWidget::focusOutEvent(event);
}

void ToggleSwitch::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF track = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    p.setPen(Qt::NoPen);
    p.setBrush(mix(QColor("#E1E6EF"), QColor("#1264F6"), m_position));
    p.drawRoundedRect(track, track.height() / 2, track.height() / 2);
    if (hasFocus()) {
        // The switch has no room around it: the focus ring is the track's own edge.
        p.setPen(QPen(QColor("#1E3A8A"), 2));
        p.setBrush(Qt::NoBrush);
        const QRectF ring = QRectF(rect()).adjusted(1, 1, -1, -1);
        p.drawRoundedRect(ring, ring.height() / 2, ring.height() / 2);
        p.setPen(Qt::NoPen);
    }

    const double margin = 3.0;
    const double d = height() - 2 * margin;
    const double x = margin + (width() - 2 * margin - d) * m_position;
    p.setBrush(QColor(0, 0, 0, 20));
    p.drawEllipse(QRectF(x, margin + 1, d, d));
    p.setBrush(Qt::white);
    p.drawEllipse(QRectF(x, margin, d, d));
}
