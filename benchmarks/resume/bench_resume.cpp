// Resume: a disk clone killed half-way and resumed with --resume, against the same clone run in
// full onto a fresh target. The source is an image of pseudo-random data without a partition table,
// so the clone copies it whole and the halves weigh the same. The kill happens while preparing the
// resumed run; only the resumed command is timed, from a cold page cache like the full run.
// Run as root (page cache).
#include "benchmarks/common/benchrunner.h"
#include "benchmarks/common/clonecli.h"
#include "benchmarks/resume/cloneinterrupter.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>

namespace {
constexpr uint64_t MiB = 1024 * 1024;
constexpr double GoalResumedAgainstFull = 0.6;
constexpr int MinimumRounds = 5;
}

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    BenchOptions options;
    QString error;
    if (!BenchRunner::parseOptions(argc, argv, options, error)) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 2;
    }
    if (!CloneCli::offers(QStringLiteral("--resume"))) {
        std::fprintf(stderr, "%s has no --resume option: this build cannot resume a clone, nothing to measure\n",
                     qPrintable(CloneCli::program()));
        return 1;
    }
    const int rounds = options.quick ? 1 : std::max(MinimumRounds, options.rounds);
    const uint64_t bytes = (options.quick ? 256 : 2048) * MiB;
    QTemporaryDir dir(options.dir + QStringLiteral("/tessarin-bench-XXXXXX"));
    if (!dir.isValid()) {
        std::fprintf(stderr, "cannot create a folder under %s\n", qPrintable(options.dir));
        return 1;
    }
    const QString source = dir.filePath("source.img"), fullTarget = dir.filePath("full.img"),
                  resumedTarget = dir.filePath("resumed.img");
    std::printf("Writing %llu MiB of pseudo-random data\n", (unsigned long long)(bytes / MiB));
    if (!BenchRunner::fillRandomFile(source, bytes, 1)) {
        std::fprintf(stderr, "cannot create the source in %s\n", qPrintable(dir.path()));
        return 1;
    }
    // Separate targets keep each run's journal to itself.
    CloneCli::useDisks({source, fullTarget, resumedTarget}, dir.path());

    auto sameAs = [=](const QString& target) {
        return [=] { return BenchRunner::sameBytes(source, target, bytes) ? QString() : QStringLiteral("target differs from source"); };
    };
    std::vector<double> killedAt;
    std::vector<Method> m(2);
    m[0].name = "full run";
    m[0].prepare = [&] { return BenchRunner::makeSparseFile(fullTarget, bytes); };
    m[0].command = [] { return CloneCli::cloneDisk(0, 1); };
    m[0].check = sameAs(fullTarget);
    m[1].name = "resumed run";
    m[1].prepare = [&] {
        uint64_t reached = 0;
        QString why;
        if (!BenchRunner::makeSparseFile(resumedTarget, bytes)
            || !CloneInterrupter::run(CloneCli::cloneDisk(0, 2, {"--json"}), resumedTarget, bytes / 2, reached, why)) {
            std::printf(" (%s)", qPrintable(why.isEmpty() ? QStringLiteral("cannot create the target") : why));
            return false;
        }
        killedAt.push_back(100.0 * double(reached) / double(bytes));
        return true;
    };
    m[1].command = [] { return CloneCli::cloneDisk(0, 2, {"--resume"}); };
    m[1].check = sameAs(resumedTarget);

    std::printf("\nImage files\n");
    BenchRunner::runRounds(m, rounds);

    std::printf("\nFigures of a shared machine are noisy; compare ratios, not seconds.\n");
    BenchRunner::printTable("Disk clone, raw data, image files", m, bytes);
    if (!killedAt.empty()) {
        std::sort(killedAt.begin(), killedAt.end());
        std::printf("  killed with %.0f to %.0f %% of the target written (median %.0f %%)\n", killedAt.front(),
                    killedAt.back(), killedAt[killedAt.size() / 2]);
    }
    const bool met = BenchRunner::printRatio("resumed run / full run", m[1], m[0], GoalResumedAgainstFull);
    return met && !m[0].failed && !m[1].failed ? 0 : 1;
}
