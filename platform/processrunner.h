#pragma once
#include <cstddef>
#include <string>
#include <vector>

// How a platform backend starts a program of the system (losetup, ntfsls). The backends own no
// runner: the caller hands them the program's one runner, so their children share its time-out,
// output bound, argument rule and whatever runner a test installed.
class ProcessRunner {
public:
    static constexpr int DefaultTimeoutMs = 30000;
    static constexpr size_t DefaultOutputLimit = 1 << 20;

    struct Result {
        bool started = false;
        bool timedOut = false;   // killed when the time-out ran out
        bool outputCut = false;  // killed for writing more than the limit to one channel
        int exitCode = -1;       // -1 unless it ended by itself
        std::string out;         // standard output, at most the limit
        std::string err;         // standard error, at most the limit
        bool succeeded() const { return started && !timedOut && !outputCut && exitCode == 0; }
    };

    virtual ~ProcessRunner() = default;
    // `argv`: the program's name first, then one element per argument (no shell).
    virtual Result run(const std::vector<std::string>& argv, int timeoutMs, size_t outputLimit) = 0;
    virtual void sleepMs(int milliseconds) = 0;

    Result run(const std::vector<std::string>& argv) { return run(argv, DefaultTimeoutMs, DefaultOutputLimit); }
};
