// Copy throughput of DiskIO::fastCopy and DiskIO::copySectors against dd with direct I/O, on image
// files of a real file system. Usage: tessarin_bench_copy [--dir /var/tmp] [--size 2048 (MiB)] [--runs 3]
// Every method writes into the same fresh sparse target of the full size and ends with the data on the
// device: dd gets conv=notrunc (else it would append to an emptied file, which ext4 does faster than
// filling holes) and conv=fsync (DiskIO flushes the target, and that flush writes the new allocations).
// The methods run in interleaved rounds; the median and the best time of each are shown, since a shared
// machine's disk speed drifts from one minute to the next.
#include "core/diskio.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <functional>
#include <unistd.h>
#include <vector>

namespace {

constexpr uint64_t MiB = 1024 * 1024;
constexpr uint64_t IoBlock = 64 * MiB;

bool fillRandom(const QString& path, uint64_t size)
{
    const int fd = ::open(path.toLocal8Bit().constData(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    if (fd < 0)
        return false;
    std::vector<uint64_t> block(IoBlock / 8);
    uint64_t state = 0x9E3779B97F4A7C15ull;
    bool ok = true;
    for (uint64_t done = 0; ok && done < size;) {
        for (uint64_t& w : block) {
            state ^= state << 13;
            state ^= state >> 7;
            state ^= state << 17;
            w = state | 0x0101010101010101ull;  // no zero byte anywhere: nothing sparse or compressible
        }
        const uint64_t n = std::min(IoBlock, size - done);
        ok = ::write(fd, block.data(), n) == ssize_t(n);
        done += n;
    }
    ok = ::fsync(fd) == 0 && ok;
    ::close(fd);
    return ok;
}

bool makeSparse(const QString& path, uint64_t size)
{
    QFile::remove(path);
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.resize(qint64(size));
}

void dropCaches()
{
    ::sync();
    if (FILE* f = std::fopen("/proc/sys/vm/drop_caches", "w")) {
        std::fputs("3\n", f);
        std::fclose(f);
    }
}

bool sameContent(const QString& a, const QString& b, uint64_t size)
{
    QFile fa(a), fb(b);
    if (!fa.open(QIODevice::ReadOnly) || !fb.open(QIODevice::ReadOnly) || uint64_t(fb.size()) != size)
        return false;
    std::vector<char> ba(IoBlock), bb(IoBlock);
    for (uint64_t done = 0; done < size;) {
        const qint64 n = qint64(std::min(IoBlock, size - done));
        if (fa.read(ba.data(), n) != n || fb.read(bb.data(), n) != n || std::memcmp(ba.data(), bb.data(), size_t(n)))
            return false;
        done += uint64_t(n);
    }
    return true;
}

struct Result {
    QString name;
    std::vector<double> seconds;
    bool ok = true;
    bool verified = true;
    double median() const
    {
        std::vector<double> s = seconds;
        std::sort(s.begin(), s.end());
        return s.empty() ? 0 : s.size() % 2 ? s[s.size() / 2] : (s[s.size() / 2 - 1] + s[s.size() / 2]) / 2;
    }
    double best() const { return seconds.empty() ? 0 : *std::min_element(seconds.begin(), seconds.end()); }
};

} // namespace

int main(int argc, char** argv)
{
    QString dirBase = QStringLiteral("/var/tmp");
    uint64_t sizeMiB = 2048;
    int runs = 3;
    for (int i = 1; i + 1 < argc; i += 2) {
        const QString opt = QString::fromLocal8Bit(argv[i]);
        if (opt == QLatin1String("--dir"))
            dirBase = QString::fromLocal8Bit(argv[i + 1]);
        else if (opt == QLatin1String("--size"))
            sizeMiB = QString::fromLocal8Bit(argv[i + 1]).toULongLong();
        else if (opt == QLatin1String("--runs"))
            runs = std::max(1, QString::fromLocal8Bit(argv[i + 1]).toInt());
    }
    const uint64_t size = sizeMiB * MiB;
    if (size == 0) {
        std::fprintf(stderr, "usage: %s [--dir DIR] [--size MiB] [--runs N]\n", argv[0]);
        return 2;
    }
    QTemporaryDir dir(dirBase + QStringLiteral("/tessarin-bench-XXXXXX"));
    if (!dir.isValid()) {
        std::fprintf(stderr, "cannot create a folder under %s\n", qPrintable(dirBase));
        return 1;
    }
    const QString src = dir.filePath(QStringLiteral("source.img"));
    const QString dst = dir.filePath(QStringLiteral("target.img"));
    std::printf("Creating %llu MiB of pseudo-random data in %s\n", (unsigned long long)sizeMiB, qPrintable(src));
    if (!fillRandom(src, size) || !makeSparse(dst, size)) {
        std::fprintf(stderr, "cannot create the images\n");
        return 1;
    }

    // The images become disks 0 and 1 of the backend, opened as the clone opens physical drives.
    qputenv("TESSARIN_DISKS", (src + QLatin1Char(':') + dst).toLocal8Bit());
    QCoreApplication app(argc, argv);

    auto run = [&](Result& r, const std::function<bool()>& copy) {
        makeSparse(dst, size);
        dropCaches();
        QElapsedTimer t;
        t.start();
        const bool ok = copy();
        r.seconds.push_back(double(t.nsecsElapsed()) / 1e9);
        dropCaches();
        r.ok = r.ok && ok;
        r.verified = r.verified && ok && sameContent(src, dst, size);
        std::printf("  %-22s %8.2f s  %s\n", qPrintable(r.name), r.seconds.back(), ok ? "" : "FAILED");
        std::fflush(stdout);
    };
    const std::function<bool()> viaDd = [&] {
        QProcess dd;
        dd.start(QStringLiteral("dd"), {QStringLiteral("if=") + src, QStringLiteral("of=") + dst, QStringLiteral("bs=64M"),
                                       QStringLiteral("iflag=direct"), QStringLiteral("oflag=direct"),
                                       QStringLiteral("conv=notrunc,fsync")});
        return dd.waitForFinished(-1) && dd.exitStatus() == QProcess::NormalExit && dd.exitCode() == 0;
    };
    const std::function<bool()> viaFastCopy = [&] {
        DiskIO io;
        return io.openSourceDisk(0) && io.openTargetDisk(1) && io.fastCopy(0, 0, size);
    };
    const std::function<bool()> viaCopySectors = [&] {
        DiskIO io;
        if (!io.openSourceDisk(0) || !io.openTargetDisk(1))
            return false;
        const uint64_t sectors = size / io.sectorSize();
        for (uint64_t s = 0; s < sectors;) {
            const uint32_t n = uint32_t(std::min<uint64_t>(sectors - s, 1u << 30));
            if (!io.copySectors(s, s, n))
                return false;
            s += n;
        }
        return io.flushTarget();
    };
    std::vector<Result> results(3);
    results[0].name = QStringLiteral("dd bs=64M direct");  // iflag/oflag=direct
    results[1].name = QStringLiteral("DiskIO::fastCopy");
    results[2].name = QStringLiteral("DiskIO::copySectors");
    const std::function<bool()>* methods[] = {&viaDd, &viaFastCopy, &viaCopySectors};
    for (int round = 0; round < runs; ++round) {
        std::printf("Round %d of %d\n", round + 1, runs);
        for (size_t m = 0; m < results.size(); ++m)
            run(results[m], *methods[m]);
    }

    auto rate = [&](double seconds) { return seconds > 0 ? double(sizeMiB) / seconds : 0.0; };
    const Result& dd = results.front();
    std::printf("\n%-22s %12s %12s %10s %10s  %s\n", "method", "median MiB/s", "best MiB/s", "median/dd", "best/dd",
                "verified");
    bool allOk = true;
    for (const Result& r : results) {
        const double med = r.ok ? rate(r.median()) : 0, best = r.ok ? rate(r.best()) : 0;
        std::printf("%-22s %12.1f %12.1f %10.2f %10.2f  %s\n", qPrintable(r.name), med, best,
                    dd.ok ? med / rate(dd.median()) : 0.0, dd.ok ? best / rate(dd.best()) : 0.0,
                    r.verified ? "yes" : "NO");
        allOk = allOk && r.verified;
    }
    dir.remove();
    return allOk ? 0 : 1;
}
