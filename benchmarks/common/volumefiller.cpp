#include "benchmarks/common/volumefiller.h"

#include "benchmarks/common/benchrunner.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <cstdio>
#include <sys/statvfs.h>

namespace {
constexpr uint64_t MiB = 1024 * 1024;
constexpr size_t FilesPerFolder = 200;
}

std::vector<uint64_t> VolumeFiller::mixedSizes(uint64_t budget, uint64_t seed)
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

QString VolumeFiller::pathFor(const QString& root, size_t index)
{
    return QStringLiteral("%1/d%2/f%3.bin").arg(root).arg(index / FilesPerFolder).arg(index);
}

uint64_t VolumeFiller::usedBytes(const QString& mountPoint)
{
    struct statvfs s {};
    return statvfs(mountPoint.toLocal8Bit().constData(), &s) == 0 ? uint64_t(s.f_blocks - s.f_bfree) * s.f_frsize : 0;
}

bool VolumeFiller::buildNtfs(const QString& device, uint64_t bytes, int percent, uint64_t startSector,
                             const QString& mountPoint, uint64_t& used, QString& error)
{
    QStringList format{"-Q", "-F", "-q"};
    if (startSector > 0)
        format << "-p" << QString::number(startSector);
    if (!BenchRunner::tool("mkntfs", format << device, &error))
        return false;
    QDir().mkpath(mountPoint);
    if (!BenchRunner::tool("ntfs-3g", {device, mountPoint}, &error))
        return false;
    const uint64_t target = bytes / 100 * uint64_t(percent);
    const std::vector<uint64_t> sizes = mixedSizes(target - std::min(target, usedBytes(mountPoint)), uint64_t(percent));
    bool ok = true;
    for (size_t i = 0; ok && i < sizes.size() && usedBytes(mountPoint) < target; ++i) {
        QDir().mkpath(QFileInfo(pathFor(mountPoint, i)).path());
        ok = BenchRunner::fillRandomFile(pathFor(mountPoint, i), sizes[i], i + 1);
    }
    used = usedBytes(mountPoint);
    std::printf("  %llu of %llu MiB in use\n", (unsigned long long)(used / MiB), (unsigned long long)(bytes / MiB));
    if (!BenchRunner::tool("umount", {mountPoint}, &error))
        return false;
    if (!ok)
        error = QStringLiteral("writing the files failed at %1 of %2 bytes").arg(used).arg(target);
    return ok;
}
