#include "ui/selectablecard.h"

#include <QMouseEvent>

SelectableCard::SelectableCard(const QString& objectName, int cornerRadius, QWidget* parent)
    : QFrame(parent)
    , m_cornerRadius(cornerRadius)
{
    setObjectName(objectName);
    setCursor(Qt::PointingHandCursor);
    setAttribute(Qt::WA_Hover);
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

void SelectableCard::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QFrame::mousePressEvent(event);
        return;
    }
    if (!m_selected)
        setSelected(true);
    emit clicked();
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
