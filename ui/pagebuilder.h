#pragma once
#include <QString>

class QLabel;
class QVBoxLayout;
class QWidget;

// Pieces shared by the wizard pages.
class PageBuilder {
public:
    static QLabel* title(const QString& text, QWidget* parent);
    static QLabel* subtitle(const QString& text, QWidget* parent);
    // Lays `page` out as a title, a subtitle and a scrolling list; returns the list's layout.
    static QVBoxLayout* listPage(QWidget* page, QLabel* title, QLabel* subtitle);
    // Empties a list made by listPage (its trailing stretch stays).
    static void clearList(QVBoxLayout* list);
    // The dashed note an empty list shows instead of cards.
    static void addEmptyNote(QVBoxLayout* list, const QString& text);

private:
    // A frameless resizable scroll area whose content "diskListContent" has a vertical layout.
    static QVBoxLayout* addDiskList(QVBoxLayout* pageLayout, QWidget* page);
};
