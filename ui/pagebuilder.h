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
    // A frameless resizable scroll area whose content "diskListContent" has a vertical layout.
    static QVBoxLayout* addDiskList(QVBoxLayout* pageLayout, QWidget* page);
};
