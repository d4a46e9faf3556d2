#pragma once
#include "core/commandrunner.h"

// Runs children with QProcess, blocking the calling thread.
class QProcessCommandRunner : public CommandRunner {
public:
    CommandResult run(const CommandRequest& request) override;
};
