#pragma once
#include <cstddef>
#include <string>
#include <vector>

// Runs a program of the system (losetup, ntfsls) without a shell, waits at most a time-out for it
// and keeps at most a bounded amount of its output; a child that overruns either is killed.
class PosixProcess {
public:
    static constexpr int DefaultTimeoutMs = 30000;
    static constexpr size_t DefaultOutputLimit = 1 << 20;

    struct Result {
        bool started = false;
        bool timedOut = false;   // killed when the time-out ran out
        bool outputCut = false;  // killed for writing more than the limit to one channel
        int exitCode = -1;       // -1 unless it exited by itself
        std::string out;         // standard output, at most the limit
        std::string err;         // standard error, at most the limit
        bool succeeded() const { return started && !timedOut && !outputCut && exitCode == 0; }
    };

    // `argv`: program first, looked up in PATH. Standard input is /dev/null.
    static Result run(const std::vector<std::string>& argv, int timeoutMs = DefaultTimeoutMs,
                      size_t outputLimit = DefaultOutputLimit);
};
