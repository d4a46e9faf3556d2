#pragma once
#include "platform/processrunner.h"

// What the platform backends are handed to start their tools: CommandRunner::execute, so their
// children go through the same runner, rule and test seam as every other child of the program.
class CommandProcessRunner : public ProcessRunner {
public:
    using ProcessRunner::run;
    Result run(const std::vector<std::string>& argv, int timeoutMs, size_t outputLimit) override;
    void sleepMs(int milliseconds) override;

    static CommandProcessRunner& instance();
};
