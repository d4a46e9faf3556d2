// Copy throughput of DiskIO::fastCopy and DiskIO::copySectors against dd with direct I/O, on image
// files of a real file system. Usage: tessarin_bench_copy [--dir /var/tmp] [--size 2048] (MiB)
#include "core/diskio.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

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
    double seconds = 0;
    bool ok = false;
    bool verified = false;
};

} // namespace

int main(int argc, char** argv)
{
    QString dirBase = QStringLiteral("/var/tmp");
    uint64_t sizeMiB = 2048;
    for (int i = 1; i + 1 < argc; i += 2) {
        const QString opt = QString::fromLocal8Bit(argv[i]);
        if (opt == QLatin1String("--dir"))
            dirBase = QString::fromLocal8Bit(argv[i + 1]);
        else if (opt == QLatin1String("--size"))
            sizeMiB = QString::fromLocal8Bit(argv[i + 1]).toULongLong();
    }
    const uint64_t size = sizeMiB * MiB;
    if (size == 0) {
        std::fprintf(stderr, "usage: %s [--dir DIR] [--size MiB]\n", argv[0]);
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

    auto run = [&](const QString& name, const std::function<bool()>& copy) {
        Result r;
        r.name = name;
        makeSparse(dst, size);
        dropCaches();
        QElapsedTimer t;
        t.start();
        r.ok = copy();
        r.seconds = double(t.nsecsElapsed()) / 1e9;
        dropCaches();
        r.verified = r.ok && sameContent(src, dst, size);
        return r;
    };

    std::vector<Result> results;
    results.push_back(run(QStringLiteral("dd bs=64M direct"), [&] {
        QProcess dd;
        dd.start(QStringLiteral("dd"), {QStringLiteral("if=") + src, QStringLiteral("of=") + dst, QStringLiteral("bs=64M"),
                                       QStringLiteral("iflag=direct"), QStringLiteral("oflag=direct")});
        return dd.waitForFinished(-1) && dd.exitStatus() == QProcess::NormalExit && dd.exitCode() == 0;
    }));
    results.push_back(run(QStringLiteral("DiskIO::fastCopy"), [&] {
        DiskIO io;
        return io.openSourceDisk(0) && io.openTargetDisk(1) && io.fastCopy(0, 0, size);
    }));
    results.push_back(run(QStringLiteral("DiskIO::copySectors"), [&] {
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
    }));

    const double ddRate = results.front().ok ? double(sizeMiB) / results.front().seconds : 0;
    std::printf("\n%-22s %10s %10s %8s  %s\n", "method", "seconds", "MiB/s", "vs dd", "verified");
    bool allOk = true;
    for (const Result& r : results) {
        const double rate = r.ok ? double(sizeMiB) / r.seconds : 0;
        std::printf("%-22s %10.2f %10.1f %8.2f  %s\n", qPrintable(r.name), r.seconds, rate,
                    ddRate > 0 ? rate / ddRate : 0.0, r.verified ? "yes" : "NO");
        allOk = allOk && r.verified;
    }
    dir.remove();
    return allOk ? 0 : 1;
}
