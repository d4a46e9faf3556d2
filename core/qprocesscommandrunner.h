#pragma once
#include "core/commandrunner.h"

#include <QString>

// Runs children with QProcess, blocking the calling thread.
class QProcessCommandRunner : public CommandRunner {
public:
    CommandResult run(const CommandRequest& request) override;

    // Where a bare tool name is started from: the system folder only, never the search path (an
    // elevated program would otherwise run whatever "diskpart.exe" lies in its own folder). Names
    // with a folder, and every name where the platform has no system folder, stay as they are.
    static QString programPath(const QString& program, const QString& systemDirectory);
};
