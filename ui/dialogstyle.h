#pragma once
#include <QString>

// The look shared by the option dialogs.
class DialogStyle {
public:
    static QString sheet();
};
