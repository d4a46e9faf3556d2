#pragma once
#include <QString>
#include <QStringList>

// Whether the Windows boot tools (bcdedit, bcdboot, reg) can run here: they must sit in the system
// folder the platform reports, which a Linux host never has. Callers ask before starting any tool,
// so a missing tool ends the repair with a clear message instead of a row of failed calls.
class BootToolAvailability {
public:
    // The programs the boot repair starts, by the name it starts them with.
    static QStringList requiredTools();
    // Tools not found in the system folder, in requiredTools() order; all of them without a system folder.
    static QStringList missingTools();
    static bool allAvailable() { return missingTools().isEmpty(); }
    // The translated failure text for a repair that cannot run.
    static QString unavailableMessage();
    // Logs what is missing and which repair steps ran (none here) for `operation`; returns unavailableMessage().
    static QString refuse(const QString& operation);
};
