#include "ui/selectablecard.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollArea>

SelectableCard::SelectableCard(const QString& objectName, int cornerRadius, QWidget* parent)
    : QFrame(parent)
    , m_cornerRadius(cornerRadius)
{
    setObjectName(objectName);
    setCursor(Qt::PointingHandCursor);
    setAttribute(Qt::WA_Hover);
    setFocusPolicy(Qt::StrongFocus);
    applyStyle();
}

void SelectableCard::setSelected(bool selected)
{
    if (selected == m_selected)
        return;
    m_selected = selected;
    applyStyle();
    emit selectedChanged(selected);
}

SelectableCard* SelectableCard::focusTarget(QWidget* container)
{
    SelectableCard* first = nullptr;
    for (SelectableCard* card : container->findChildren<SelectableCard*>()) {
        if (!card->isVisibleTo(container))
            continue;
        if (card->isSelected())
            return card;
        if (!first)
            first = card;
    }
    return first;
}

void SelectableCard::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QFrame::mousePressEvent(event);
        return;
    }
    choose();
}

void SelectableCard::choose()
{
    if (!m_selected)
        setSelected(true);
    emit clicked();
}

void SelectableCard::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Space:
        choose();
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // Chosen, then left to the window, whose default button goes on with it.
        choose();
        event->ignore();
        return;
    case Qt::Key_Up:
    case Qt::Key_Left:
    case Qt::Key_Down:
    case Qt::Key_Right:
        if (SelectableCard* next = neighbour(event->key() == Qt::Key_Down || event->key() == Qt::Key_Right))
            next->setFocus(event->key() == Qt::Key_Up || event->key() == Qt::Key_Left ? Qt::BacktabFocusReason
                                                                                       : Qt::TabFocusReason);
        return;
    default:
        QFrame::keyPressEvent(event);
    }
}

SelectableCard* SelectableCard::neighbour(bool forward) const
{
    for (QWidget* w = forward ? nextInFocusChain() : previousInFocusChain(); w && w != this;
         w = forward ? w->nextInFocusChain() : w->previousInFocusChain()) {
        if (w->isWindow())
            return nullptr;
        auto* card = qobject_cast<SelectableCard*>(w);
        if (card && card->isVisible() && card->isEnabled())
            return card;
    }
    return nullptr;
}

void SelectableCard::focusInEvent(QFocusEvent* event)
{
    for (QWidget* w = parentWidget(); w; w = w->parentWidget())
        if (auto* scroll = qobject_cast<QScrollArea*>(w)) {
            scroll->ensureWidgetVisible(this);
            break;
        }
    update();
    QFrame::focusInEvent(event);
}

void SelectableCard::focusOutEvent(QFocusEvent* event)
{
    update();
    QFrame::focusOutEvent(event);
}

// A second ring inside the border, so focus shows on a selected card as well as on any other.
void SelectableCard::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    if (!hasFocus())
        return;
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor("#1D4ED8"), 2, Qt::DashLine));
    p.setBrush(Qt::NoBrush);
    const int inset = 5;
    p.drawRoundedRect(QRectF(rect()).adjusted(inset, inset, -inset, -inset), m_cornerRadius - inset / 2.0,
                      m_cornerRadius - inset / 2.0);
}

// Qt has already updated underMouse() when these arrive.
void SelectableCard::enterEvent(QEnterEvent* event)
{
    applyStyle();
    QFrame::enterEvent(event);
}

void SelectableCard::leaveEvent(QEvent* event)
{
    applyStyle();
    QFrame::leaveEvent(event);
}

void SelectableCard::applyStyle()
{
    const QString border = m_selected ? QStringLiteral("#2563EB")
                                      : (underMouse() ? QStringLiteral("#93C5FD") : QStringLiteral("#E5E7EB"));
    const QString bg = m_selected ? QStringLiteral("#F5F9FF") : QStringLiteral("#FFFFFF");
    setStyleSheet(QStringLiteral("QFrame#%1 { background: %2; border: 2px solid %3; border-radius: %4px; }")
                      .arg(objectName(), bg, border)
                      .arg(m_cornerRadius));
}
