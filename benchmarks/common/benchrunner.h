#pragma once
// What every copy benchmark shares: its options, a cold page cache before each run, each copy as a
// child process measured the same way (wall time, user+system CPU time, peak resident memory),
// rounds that alternate the methods, and the table with same-run ratios against the goals.
#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>
#include <vector>

struct BenchOptions {
    int rounds = 9;
    bool quick = false;      // small sizes, one round: checks that the program runs
    QString dir = QStringLiteral("/var/tmp");
};

struct ChildRun {
    bool ok = false;
    double seconds = 0;
    double cpuSeconds = 0;  // user + system of the child and everything it waited for
    long peakKiB = 0;
    QString error;
};

struct Method {
    QString name;
    std::function<bool()> prepare;     // before the cache is dropped, e.g. a fresh target
    std::function<QStringList()> command;
    std::function<QString()> check;    // after the run; empty when the copy is sound
    std::vector<ChildRun> runs;
    bool failed = false;
    QString failure;

    double medianSeconds() const;
    double bestSeconds() const;
    double medianCpuSeconds() const;
    long peakKiB() const;
};

class BenchRunner {
public:
    // False with a usage text in `error` for unknown options.
    static bool parseOptions(int argc, char** argv, BenchOptions& options, QString& error);
    static QString usage(const char* program);
    // Writes back dirty pages and empties the page cache; false when not allowed (not root).
    static bool dropCaches();
    static ChildRun runChild(const QStringList& command);
    // Rounds of every method in turn, the order reversed every second round; a method that fails
    // once is dropped from the later rounds. Checks run in the first round only.
    static void runRounds(std::vector<Method>& methods, int rounds);
    // Median and best wall time, CPU time per GiB and peak memory of each method.
    static void printTable(const QString& title, const std::vector<Method>& methods, uint64_t bytes);
    // ours / theirs (medians) against `goal` (at most); "n/a" when either has no time.
    // Returns false when the goal is missed.
    static bool printRatio(const QString& label, const Method& ours, const Method& theirs, double goal);

    static bool fillRandomFile(const QString& path, uint64_t size, uint64_t seed);
    static bool makeSparseFile(const QString& path, uint64_t size);
    static bool sameBytes(const QString& a, const QString& b, uint64_t size);
    // Runs a helper tool to its end; its output on failure in `error`, always in `output`.
    static bool tool(const QString& program, const QStringList& arguments, QString* error = nullptr, QString* output = nullptr);
    static bool haveTool(const QString& program);
    // "/dev/loopN" or empty; a non-zero `size` maps only `size` bytes from `offset` (a partition).
    static QString attachLoop(const QString& image, bool readOnly = false, uint64_t offset = 0, uint64_t size = 0);
    // Bytes the file takes on its file system (holes excluded); 0 when it cannot be asked.
    static uint64_t allocatedBytes(const QString& path);
    static void detachLoop(const QString& device);
};
