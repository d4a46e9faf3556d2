// Sparse target: a smart disk clone of a GPT disk whose one NTFS partition is filled to 40 %, onto a
// fresh sparse image file. The target should take on its file system little more than the source
// partition's used bytes: free clusters stay holes. Not a timing; one run, checked with sgdisk -v
// and ntfsfix -n. Run as root (loop devices, ntfs-3g mounts).
#include "benchmarks/common/benchrunner.h"
#include "benchmarks/common/clonecli.h"
#include "benchmarks/common/volumefiller.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <cstdio>
#include <unistd.h>

namespace {
constexpr uint64_t MiB = 1024 * 1024;
constexpr uint64_t SectorBytes = 512;
constexpr uint64_t PartitionStart = MiB;
constexpr uint64_t TrailingSpace = MiB;  // room for the backup table
constexpr int PercentUsed = 40;
constexpr double GoalSlackOfDisk = 0.02;

// An NTFS partition of `bytes` at `offset` of `image`, checked read-only through a loop device.
QString checkNtfs(const QString& image, uint64_t offset, uint64_t bytes)
{
    const QString loop = BenchRunner::attachLoop(image, true, offset, bytes);
    if (loop.isEmpty())
        return QStringLiteral("losetup failed");
    QString error;
    BenchRunner::tool("ntfsfix", {"-n", loop}, &error);
    BenchRunner::detachLoop(loop);
    return error;
}

QString checkTable(const QString& image)
{
    QString error, output;
    if (!BenchRunner::tool("sgdisk", {"-v", image}, &error, &output))
        return error;
    return output.contains(QStringLiteral("No problems found")) ? QString() : QStringLiteral("sgdisk -v: ") + output;
}

bool printShares(uint64_t diskBytes, uint64_t used, uint64_t allocated)
{
    const double disk = double(diskBytes);
    const double usedShare = 100.0 * double(used) / disk, allocatedShare = 100.0 * double(allocated) / disk;
    const double goal = usedShare + 100.0 * GoalSlackOfDisk;
    std::printf("  %-28s %9s %10s\n", "bytes", "MiB", "% of disk");
    std::printf("  %-28s %9.1f %10.1f\n", "source partition used", double(used) / MiB, usedShare);
    std::printf("  %-28s %9.1f %10.1f\n", "target allocated", double(allocated) / MiB, allocatedShare);
    const bool met = allocatedShare <= goal;
    std::printf("  %-52s %5.1f %%  (goal <= %.1f %%) %s\n", "target allocated, share of the disk", allocatedShare, goal,
                met ? "met" : "MISSED");
    return met;
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
    for (const char* tool : {"sgdisk", "mkntfs", "ntfs-3g", "ntfsfix", "losetup"}) {
        if (!BenchRunner::haveTool(tool)) {
            std::fprintf(stderr, "%s is not installed\n", tool);
            return 1;
        }
    }
    if (geteuid() != 0) {
        std::fprintf(stderr, "needs root (loop devices, ntfs-3g mounts)\n");
        return 1;
    }
    QTemporaryDir dir(options.dir + QStringLiteral("/tessarin-bench-XXXXXX"));
    if (!dir.isValid()) {
        std::fprintf(stderr, "cannot create a folder under %s\n", qPrintable(options.dir));
        return 1;
    }
    const uint64_t bytes = (options.quick ? 256 : 4096) * MiB;
    const uint64_t partitionBytes = bytes - PartitionStart - TrailingSpace;
    const uint64_t firstSector = PartitionStart / SectorBytes, lastSector = firstSector + partitionBytes / SectorBytes - 1;
    const QString source = dir.filePath("source.img"), target = dir.filePath("target.img");

    std::printf("NTFS at %d %%: building a %llu MiB GPT disk\n", PercentUsed, (unsigned long long)(bytes / MiB));
    std::fflush(stdout);
    uint64_t used = 0;
    QString loop;
    bool built = BenchRunner::makeSparseFile(source, bytes)
        && BenchRunner::tool("sgdisk", {"-n", QStringLiteral("1:%1:%2").arg(firstSector).arg(lastSector), "-t", "1:0700", source}, &error);
    if (built) {
        loop = BenchRunner::attachLoop(source, false, PartitionStart, partitionBytes);
        built = !loop.isEmpty()
            && VolumeFiller::buildNtfs(loop, partitionBytes, PercentUsed, firstSector, dir.filePath("mnt"), used, error);
        BenchRunner::detachLoop(loop);
    }
    if (!built) {
        std::fprintf(stderr, "cannot build the source: %s\n", qPrintable(loop.isEmpty() && error.isEmpty() ? QStringLiteral("losetup failed") : error));
        return 1;
    }
    CloneCli::useDisks({source, target}, dir.path());

    std::vector<Method> m(1);
    m[0].name = "tessarin smart disk clone";
    m[0].prepare = [&] { return BenchRunner::makeSparseFile(target, bytes); };
    m[0].command = [] { return CloneCli::cloneDisk(0, 1, {"--smart"}); };
    m[0].check = [&] {
        const QString table = checkTable(target);
        return table.isEmpty() ? checkNtfs(target, PartitionStart, partitionBytes) : table;
    };
    std::printf("\nImage files\n");
    BenchRunner::runRounds(m, 1);

    BenchRunner::printTable(QStringLiteral("Smart disk clone onto a sparse image, NTFS at %1 %").arg(PercentUsed), m, bytes);
    if (m[0].runs.empty())
        return 1;
    return printShares(bytes, used, BenchRunner::allocatedBytes(target)) ? 0 : 1;
}
