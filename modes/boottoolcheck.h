#pragma once
#include <QStringList>

// Which of the boot-store tools the boot repair runs are missing from this system.
class BootToolCheck {
public:
    static QStringList requiredTools();
    // Empty when every required tool is on the search path.
    static QStringList missingTools();
};
