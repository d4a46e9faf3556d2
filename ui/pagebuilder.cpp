#include "ui/pagebuilder.h"

#include <QLabel>
#include <QScrollArea>
#include <QVBoxLayout>

QLabel* PageBuilder::title(const QString& text, QWidget* parent)
{
    auto* l = new QLabel(text, parent);
    l->setObjectName(QStringLiteral("pageTitle"));
    l->setStyleSheet(QStringLiteral("color: #111827; font-size: 22px; font-weight: bold;"));
    return l;
}

QLabel* PageBuilder::subtitle(const QString& text, QWidget* parent)
{
    auto* l = new QLabel(text, parent);
    l->setObjectName(QStringLiteral("pageSubtitle"));
    l->setWordWrap(true);
    l->setStyleSheet(QStringLiteral("color: #6B7280; font-size: 13px;"));
    return l;
}

QVBoxLayout* PageBuilder::listPage(QWidget* page, QLabel* title, QLabel* subtitle)
{
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(28, 22, 28, 8);
    layout->setSpacing(6);
    layout->addWidget(title);
    layout->addWidget(subtitle);
    layout->addSpacing(8);
    return addDiskList(layout, page);
}

QVBoxLayout* PageBuilder::addDiskList(QVBoxLayout* pageLayout, QWidget* page)
{
    auto* scroll = new QScrollArea(page);
    scroll->setObjectName(QStringLiteral("diskListScroll"));
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    // No frame to show focus on: Tab goes to the cards, which scroll themselves into view.
    scroll->setFocusPolicy(Qt::NoFocus);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setStyleSheet(QStringLiteral("QScrollArea { background: transparent; }"));
    auto* content = new QWidget(scroll);
    content->setObjectName(QStringLiteral("diskListContent"));
    content->setStyleSheet(QStringLiteral("QWidget#diskListContent { background: transparent; }"));
    auto* list = new QVBoxLayout(content);
    list->setContentsMargins(6, 6, 10, 6);
    list->setSpacing(12);
    list->addStretch(1);
    scroll->setWidget(content);
    pageLayout->addWidget(scroll, 1);
    return list;
}

void PageBuilder::clearList(QVBoxLayout* list)
{
    while (list->count() > 1) {
        QLayoutItem* item = list->takeAt(0);
        delete item->widget();
        delete item;
    }
}

void PageBuilder::addEmptyNote(QVBoxLayout* list, const QString& text)
{
    auto* note = new QLabel(text, list->parentWidget());
    note->setObjectName(QStringLiteral("emptyNote"));
    note->setAlignment(Qt::AlignCenter);
    note->setWordWrap(true);
    note->setMinimumHeight(120);
    note->setStyleSheet(QStringLiteral("color: #6B7280; font-size: 13px; border: 1px dashed #CBD5E1;"
                                       " border-radius: 12px;"));
    list->insertWidget(list->count() - 1, note);
}
