#pragma once
#include <QString>

// Runs a diskpart script for the resizer through CommandRunner: anonymous temporary script file,
// "diskpart /s <file>", 120000 ms wait (not acted on), success = exit code 0 and neither "error"
// nor "failed" in the combined output (any letter case).
class ResizerDiskpartRunner {
public:
    static constexpr int FinishTimeoutMs = 120000;

    static bool run(const QString& script, QString& output);
    // The success rule on its own.
    static bool isSuccess(int exitCode, const QString& output);
};
