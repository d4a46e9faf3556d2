// Smart copy (used clusters only) of NTFS volumes filled to 40 % and 90 % and of a FAT32 volume
// filled to 40 %, against dd of the whole volume. Other cloning tools are deliberately not run
// here; dd is the yardstick. Volumes are 4 GiB (--quick: small), filled with files of mixed size and
// random content through ntfs-3g or mtools; every copy goes loop device to loop device as a child
// process with a cold page cache. Run as root.
#include "benchmarks/common/benchrunner.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>

#include <cstdio>
#include <sys/statvfs.h>
#include <unistd.h>

namespace {
constexpr uint64_t MiB = 1024 * 1024;

struct Volume {
    bool ntfs = true;
    int percent = 40;
    uint64_t bytes = 0;
    QString image;
    QString label() const { return QStringLiteral("%1 at %2 %").arg(ntfs ? "NTFS" : "FAT32").arg(percent); }
};

// Sizes of files adding up to `budget`: many small, some medium, a few large.
std::vector<uint64_t> mixedSizes(uint64_t budget, uint64_t seed)
{
    uint64_t state = seed * 0x9E3779B97F4A7C15ull + 7;
    auto next = [&state](uint64_t lo, uint64_t hi) {
        state ^= state << 13;
        state ^= state >> 7;
        state ^= state << 17;
        return lo + state % (hi - lo + 1);
    };
    const uint64_t largeMax = std::max<uint64_t>(MiB, std::min<uint64_t>(256 * MiB, budget / 6));
    std::vector<uint64_t> sizes;
    uint64_t total = 0;
    // A fifth of the bytes in small files, a third in medium ones, the rest in large ones.
    const uint64_t shares[] = {budget / 5, budget / 3, budget};
    for (int kind = 0; kind < 3; ++kind) {
        while (total < shares[kind]) {
            const uint64_t size = kind == 0 ? next(1024, 64 * 1024)
                                : kind == 1 ? next(256 * 1024, std::max<uint64_t>(512 * 1024, largeMax / 16))
                                            : next(largeMax / 2, largeMax);
            const uint64_t n = std::min(size, budget - total);
            sizes.push_back(n);
            total += n;
        }
    }
    return sizes;
}

QString pathFor(const QString& root, size_t index)
{
    return QStringLiteral("%1/d%2/f%3.bin").arg(root).arg(index / 200).arg(index);
}

uint64_t usedBytes(const QString& mountPoint)
{
    struct statvfs s {};
    return statvfs(mountPoint.toLocal8Bit().constData(), &s) == 0 ? uint64_t(s.f_blocks - s.f_bfree) * s.f_frsize : 0;
}

bool buildNtfs(const Volume& v, const QString& mountPoint, QString& error)
{
    if (!BenchRunner::makeSparseFile(v.image, v.bytes) || !BenchRunner::tool("mkntfs", {"-Q", "-F", "-q", v.image}, &error))
        return false;
    QDir().mkpath(mountPoint);
    if (!BenchRunner::tool("ntfs-3g", {v.image, mountPoint}, &error))
        return false;
    const uint64_t target = v.bytes / 100 * uint64_t(v.percent);
    const std::vector<uint64_t> sizes = mixedSizes(target - std::min(target, usedBytes(mountPoint)), uint64_t(v.percent));
    bool ok = true;
    for (size_t i = 0; ok && i < sizes.size() && usedBytes(mountPoint) < target; ++i) {
        QDir().mkpath(QFileInfo(pathFor(mountPoint, i)).path());
        ok = BenchRunner::fillRandomFile(pathFor(mountPoint, i), sizes[i], i + 1);
    }
    const uint64_t used = usedBytes(mountPoint);
    std::printf("  %llu of %llu MiB in use\n", (unsigned long long)(used / MiB), (unsigned long long)(v.bytes / MiB));
    if (!BenchRunner::tool("umount", {mountPoint}, &error))
        return false;
    if (!ok)
        error = QStringLiteral("writing the files failed at %1 of %2 bytes").arg(used).arg(target);
    return ok;
}

bool buildFat32(const Volume& v, const QString& staging, bool quick, QString& error)
{
    // FAT32 wants at least 65525 clusters; small quick volumes get 512-byte ones.
    const QStringList cluster = quick ? QStringList{"-s", "1"} : QStringList{};
    if (!BenchRunner::makeSparseFile(v.image, v.bytes) || !BenchRunner::tool("mkfs.fat", QStringList{"-F", "32"} + cluster + QStringList{v.image}, &error))
        return false;
    QDir(staging).removeRecursively();
    const std::vector<uint64_t> sizes = mixedSizes(v.bytes / 100 * uint64_t(v.percent) / 100 * 98, 32);
    for (size_t i = 0; i < sizes.size(); ++i) {
        QDir().mkpath(QFileInfo(pathFor(staging, i)).path());
        if (!BenchRunner::fillRandomFile(pathFor(staging, i), sizes[i], i + 1)) {
            error = QStringLiteral("cannot write the staging files in %1").arg(staging);
            return false;
        }
    }
    QStringList args{"-i", v.image, "-s", "-Q"};
    for (const QString& d : QDir(staging).entryList(QDir::Dirs | QDir::NoDotAndDotDot))
        args << staging + QLatin1Char('/') + d;
    const bool ok = BenchRunner::tool("mcopy", args << "::/", &error);
    QDir(staging).removeRecursively();
    return ok;
}

std::vector<Method> methodsFor(const Volume& v, const QString& source, const QString& target)
{
    const uint64_t bytes = v.bytes;
    auto dd = [=](const char* block) {
        return [=] {
            return QStringList{"dd", "if=" + source, "of=" + target, QStringLiteral("bs=") + block, "iflag=direct", "oflag=direct", "conv=fsync"};
        };
    };
    std::vector<Method> m(3);
    m[0].name = "tessarin smart copy";
    m[0].command = [=] { return QStringList{TESSARIN_COPY_PROBE, "smart", source, target, QString::number(bytes)}; };
    m[1].name = "dd bs=4M direct";
    m[1].command = dd("4M");
    m[2].name = "dd bs=64M direct";
    m[2].command = dd("64M");
    // The source's free space is all zeroes and the target is discarded before each run, so a
    // sound smart copy equals the source byte for byte.
    const QString image = v.image;
    const bool ntfs = v.ntfs;
    for (Method& x : m) {
        x.prepare = [=] { return BenchRunner::tool("blkdiscard", {target}); };
        x.check = [=] {
            QString error;
            if (!BenchRunner::tool(ntfs ? "ntfsfix" : "fsck.fat", {"-n", target}, &error))
                return error;
            return BenchRunner::sameBytes(image, target, bytes) ? QString() : QStringLiteral("target differs from source");
        };
    }
    return m;
}

const Method& fasterDd(const std::vector<Method>& m)
{
    return m[1].runs.empty() || (!m[2].runs.empty() && m[2].medianSeconds() < m[1].medianSeconds()) ? m[2] : m[1];
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
    for (const char* tool : {"mkntfs", "ntfs-3g", "ntfsfix", "mkfs.fat", "fsck.fat", "mcopy", "losetup", "blkdiscard"}) {
        if (!BenchRunner::haveTool(tool)) {
            std::fprintf(stderr, "%s is not installed\n", tool);
            return 1;
        }
    }
    if (geteuid() != 0) {
        std::fprintf(stderr, "needs root (loop devices, ntfs-3g mounts, page cache)\n");
        return 1;
    }
    qputenv("MTOOLS_SKIP_CHECK", "1");
    QTemporaryDir dir(options.dir + QStringLiteral("/tessarin-bench-XXXXXX"));
    if (!dir.isValid()) {
        std::fprintf(stderr, "cannot create a folder under %s\n", qPrintable(options.dir));
        return 1;
    }
    const uint64_t ntfsBytes = (options.quick ? 256 : 4096) * MiB, fatBytes = (options.quick ? 64 : 4096) * MiB;
    const std::vector<Volume> volumes{{true, 40, ntfsBytes, dir.filePath("ntfs40.img")},
                                      {true, 90, ntfsBytes, dir.filePath("ntfs90.img")},
                                      {false, 40, fatBytes, dir.filePath("fat40.img")}};
    std::vector<std::vector<Method>> results;
    for (const Volume& v : volumes) {
        std::printf("\n%s: building %llu MiB volume\n", qPrintable(v.label()), (unsigned long long)(v.bytes / MiB));
        std::fflush(stdout);
        const bool built = v.ntfs ? buildNtfs(v, dir.filePath("mnt"), error) : buildFat32(v, dir.filePath("staging"), options.quick, error);
        const QString targetImage = dir.filePath("target.img");
        QString source, target;
        if (built && BenchRunner::makeSparseFile(targetImage, v.bytes)) {
            source = BenchRunner::attachLoop(v.image, true);
            target = BenchRunner::attachLoop(targetImage);
        }
        if (source.isEmpty() || target.isEmpty()) {
            std::printf("  skipped: %s\n", built ? "losetup failed" : qPrintable(error));
            results.emplace_back();
        } else {
            results.push_back(methodsFor(v, source, target));
            BenchRunner::runRounds(results.back(), options.rounds);
        }
        BenchRunner::detachLoop(source);
        BenchRunner::detachLoop(target);
        QFile::remove(v.image);
        QFile::remove(targetImage);
    }

    std::printf("\nFigures of a shared machine are noisy; compare ratios, not seconds.\n");
    bool met = true;
    for (size_t i = 0; i < volumes.size(); ++i) {
        const std::vector<Method>& m = results[i];
        if (m.empty())
            continue;
        const Volume& v = volumes[i];
        BenchRunner::printTable("Smart copy, " + v.label(), m, v.bytes);
        // dd copies every byte; the smart copy only the used clusters.
        const double goal = v.ntfs && v.percent == 90 ? 1.0 : 0.55;
        met = BenchRunner::printRatio("tessarin / faster dd", m[0], fasterDd(m), goal) && met;
    }
    return met ? 0 : 1;
}
