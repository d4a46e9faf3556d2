#pragma once
#include <QString>

// The look shared by the option dialogs.
class QDialog;
class QSize;

class DialogStyle {
public:
    static QString sheet();
    // Fixes the dialog at `base`, grown where a translation needs more room than English.
    static void fixSize(QDialog* dialog, const QSize& base);
};
