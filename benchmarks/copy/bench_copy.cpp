// Raw copy: our copy routine against dd with direct I/O (4 MiB and 64 MiB blocks), on a 2 GiB image
// file and on a 2 GiB loop device, with and without verification. Every copy is a child process
// started with a cold page cache; rounds alternate the methods, and the ratios are of medians taken
// in the same run, since a shared machine's disk speed drifts from one minute to the next.
// Run as root (dropping the cache, loop devices). dd gets conv=notrunc (else it would append to an
// emptied file, which ext4 does faster than filling holes) and conv=fsync (ours flushes the target).
#include "benchmarks/common/benchrunner.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>

namespace {
constexpr uint64_t MiB = 1024 * 1024;
constexpr double GoalAgainstDd = 0.9;
constexpr double GoalVerifyCost = 1.25;

struct Target {
    QString source;
    QString target;
    std::function<bool()> fresh;  // an empty target before each run
};

std::vector<Method> methodsFor(const Target& t, uint64_t bytes)
{
    auto dd = [t](const char* block) {
        return [t, block] {
            return QStringList{"dd", "if=" + t.source, "of=" + t.target, QStringLiteral("bs=") + block, "iflag=direct",
                               "oflag=direct", "conv=notrunc,fsync"};
        };
    };
    auto probe = [t, bytes](bool verify) {
        return [t, bytes, verify] {
            QStringList c{TESSARIN_COPY_PROBE, "raw", t.source, t.target, QString::number(bytes)};
            return verify ? c << "--verify" : c;
        };
    };
    auto same = [t, bytes] {
        return BenchRunner::sameBytes(t.source, t.target, bytes) ? QString() : QStringLiteral("target differs from source");
    };
    std::vector<Method> m(4);
    m[0].name = "dd bs=4M direct";
    m[0].command = dd("4M");
    m[1].name = "dd bs=64M direct";
    m[1].command = dd("64M");
    m[2].name = "tessarin";
    m[2].command = probe(false);
    m[3].name = "tessarin --verify";
    m[3].command = probe(true);
    for (Method& x : m) {
        x.prepare = t.fresh;
        x.check = same;
    }
    return m;
}

// Ratios of one family; false when a goal is missed or ours has no figure. A family that could not
// run (no loop devices without root) still gets its lines, as n/a, rather than none.
bool report(const QString& title, const QString& where, const std::vector<Method>& family, uint64_t bytes)
{
    const std::vector<Method> m = family.empty() ? std::vector<Method>(4) : family;
    if (family.empty())
        std::printf("\n%s: not run\n", qPrintable(title));
    else
        BenchRunner::printTable(title, m, bytes);
    const bool ddFaster = m[0].runs.empty() || (!m[1].runs.empty() && m[1].medianSeconds() < m[0].medianSeconds());
    const Method& fasterDd = ddFaster ? m[1] : m[0];
    bool met = BenchRunner::printRatio("tessarin / faster dd, " + where, m[2], fasterDd, GoalAgainstDd);
    met = BenchRunner::printRatio("tessarin --verify / tessarin, " + where, m[3], m[2], GoalVerifyCost) && met;
    return met && !m[2].runs.empty() && !m[3].runs.empty();
}
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
    const uint64_t bytes = (options.quick ? 64 : 2048) * MiB;
    QTemporaryDir dir(options.dir + QStringLiteral("/tessarin-bench-XXXXXX"));
    if (!dir.isValid()) {
        std::fprintf(stderr, "cannot create a folder under %s\n", qPrintable(options.dir));
        return 1;
    }
    const QString sourceImage = dir.filePath("source.img"), targetImage = dir.filePath("target.img");
    std::printf("Writing %llu MiB of pseudo-random data\n", (unsigned long long)(bytes / MiB));
    if (!BenchRunner::fillRandomFile(sourceImage, bytes, 1) || !BenchRunner::makeSparseFile(targetImage, bytes)) {
        std::fprintf(stderr, "cannot create the images in %s\n", qPrintable(dir.path()));
        return 1;
    }
    bool met = true;

    std::printf("\nImage files\n");
    std::vector<Method> images = methodsFor({sourceImage, targetImage, [&] { return BenchRunner::makeSparseFile(targetImage, bytes); }}, bytes);
    BenchRunner::runRounds(images, options.rounds);

    std::printf("\nLoop devices\n");
    const QString sourceLoop = BenchRunner::attachLoop(sourceImage, true);
    const QString targetLoop = BenchRunner::attachLoop(targetImage);
    std::vector<Method> loops;
    if (sourceLoop.isEmpty() || targetLoop.isEmpty()) {
        std::printf("  skipped: losetup failed (needs root)\n");
    } else {
        // Discarding a file-backed loop device punches holes: the same empty target as for images.
        loops = methodsFor({sourceLoop, targetLoop, [&] { return BenchRunner::tool("blkdiscard", {targetLoop}); }}, bytes);
        BenchRunner::runRounds(loops, options.rounds);
    }
    BenchRunner::detachLoop(sourceLoop);
    BenchRunner::detachLoop(targetLoop);

    std::printf("\nFigures of a shared machine are noisy; compare ratios, not seconds.\n");
    met = report("Raw copy, image files", "image file", images, bytes) && met;
    met = report("Raw copy, loop devices", "loop device", loops, bytes) && met;
    return met ? 0 : 1;
}
