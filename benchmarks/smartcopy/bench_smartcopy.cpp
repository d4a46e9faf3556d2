// Smart copy (used clusters only) of NTFS volumes filled to 40 % and 90 % and of a FAT32 volume
// filled to 40 %, against dd of the whole volume. Other cloning tools are deliberately not run
// here; dd is the yardstick. Volumes are 4 GiB (--quick: small), filled with files of mixed size and
// random content through ntfs-3g or mtools; every copy goes loop device to loop device as a child
// process with a cold page cache. Run as root.
#include "benchmarks/common/benchrunner.h"
#include "benchmarks/common/volumefiller.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cstdio>
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

bool buildFat32(const Volume& v, const QString& staging, bool quick, QString& error)
{
    // FAT32 wants at least 65525 clusters; small quick volumes get 512-byte ones.
    const QStringList cluster = quick ? QStringList{"-s", "1"} : QStringList{};
    if (!BenchRunner::makeSparseFile(v.image, v.bytes) || !BenchRunner::tool("mkfs.fat", QStringList{"-F", "32"} + cluster + QStringList{v.image}, &error))
        return false;
    QDir(staging).removeRecursively();
    const std::vector<uint64_t> sizes = VolumeFiller::mixedSizes(v.bytes / 100 * uint64_t(v.percent) / 100 * 98, 32);
    for (size_t i = 0; i < sizes.size(); ++i) {
        QDir().mkpath(QFileInfo(VolumeFiller::pathFor(staging, i)).path());
        if (!BenchRunner::fillRandomFile(VolumeFiller::pathFor(staging, i), sizes[i], i + 1)) {
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
        uint64_t used = 0;
        const bool built = v.ntfs ? BenchRunner::makeSparseFile(v.image, v.bytes)
                                        && VolumeFiller::buildNtfs(v.image, v.bytes, v.percent, 0, dir.filePath("mnt"), used, error)
                                  : buildFat32(v, dir.filePath("staging"), options.quick, error);
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
