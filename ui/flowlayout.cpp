#include "ui/flowlayout.h"

#include <QWidget>
#include <algorithm>

FlowLayout::FlowLayout(QWidget* parent, int spacing) : QLayout(parent)
{
    setSpacing(spacing);
    setContentsMargins(0, 0, 0, 0);
}

FlowLayout::~FlowLayout()
{
    while (QLayoutItem* item = takeAt(0))
        delete item;
}

QList<QRect> FlowLayout::place(const QList<QSize>& sizes, int width, int spacing, int& height)
{
    QList<QRect> rects;
    int x = 0;
    int y = 0;
    int rowHeight = 0;
    for (const QSize& size : sizes) {
        if (x > 0 && x + size.width() > width) {
            y += rowHeight + spacing;
            x = 0;
            rowHeight = 0;
        }
        rects << QRect(QPoint(x, y), size);
        x += size.width() + spacing;
        rowHeight = std::max(rowHeight, size.height());
    }
    height = sizes.isEmpty() ? 0 : y + rowHeight;
    return rects;
}

void FlowLayout::addItem(QLayoutItem* item) { m_items.append(item); }

int FlowLayout::count() const { return int(m_items.size()); }

QLayoutItem* FlowLayout::itemAt(int index) const { return m_items.value(index); }

QLayoutItem* FlowLayout::takeAt(int index)
{
    return index >= 0 && index < m_items.size() ? m_items.takeAt(index) : nullptr;
}

Qt::Orientations FlowLayout::expandingDirections() const { return {}; }

bool FlowLayout::hasHeightForWidth() const { return true; }

QList<QSize> FlowLayout::visibleSizes() const
{
    QList<QSize> sizes;
    for (QLayoutItem* item : m_items)
        if (!item->isEmpty())
            sizes << item->sizeHint();
    return sizes;
}

int FlowLayout::heightForWidth(int width) const
{
    const QMargins m = contentsMargins();
    int height = 0;
    place(visibleSizes(), width - m.left() - m.right(), spacing(), height);
    return height + m.top() + m.bottom();
}

QSize FlowLayout::minimumSize() const
{
    // As narrow as the widest item: everything else wraps.
    QSize size;
    for (const QSize& s : visibleSizes())
        size = size.expandedTo(s);
    const QMargins m = contentsMargins();
    return size + QSize(m.left() + m.right(), m.top() + m.bottom());
}

QSize FlowLayout::sizeHint() const
{
    int width = 0;
    int height = 0;
    for (const QSize& s : visibleSizes()) {
        width += s.width() + (width ? spacing() : 0);
        height = std::max(height, s.height());
    }
    const QMargins m = contentsMargins();
    return QSize(width + m.left() + m.right(), height + m.top() + m.bottom());
}

void FlowLayout::setGeometry(const QRect& rect)
{
    QLayout::setGeometry(rect);
    const QRect area = rect.marginsRemoved(contentsMargins());
    int height = 0;
    const QList<QRect> rects = place(visibleSizes(), area.width(), spacing(), height);
    int i = 0;
    for (QLayoutItem* item : m_items)
        if (!item->isEmpty())
            item->setGeometry(rects.at(i++).translated(area.topLeft()));
}
