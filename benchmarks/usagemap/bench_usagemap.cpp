// Memory and I/O of the NTFS usage map on a large sparse volume: the used-sector ranges against
// the one-byte-per-sector map, and which bytes parsing reads.
// Usage: bench_usagemap [image]   (without an image: a 64 GiB sparse volume made with mkntfs -Q)
#include "core/diskio.h"
#include "core/logger.h"
#include "filesystem/ntfsparser.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <cstdio>

namespace {
// Forwards to a real handle and records every read.
class CountingHandle : public DeviceHandle {
public:
    explicit CountingHandle(DeviceHandle* inner) : m_inner(inner) {}
    std::vector<std::pair<uint64_t, uint64_t>> reads;
    bool readAt(uint64_t offset, void* buffer, uint64_t length, uint64_t& done) override
    {
        reads.emplace_back(offset, length);
        return m_inner->readAt(offset, buffer, length, done);
    }
    bool writeAt(uint64_t, const void*, uint64_t, uint64_t&) override { return false; }
    bool flush() override { return m_inner->flush(); }
    bool geometry(PlatformGeometry& out) override { return m_inner->geometry(out); }
    bool accessAlignment(PlatformAccessAlignment& out) override { return m_inner->accessAlignment(out); }
    bool deviceDescriptor(PlatformDeviceDescriptor& out) override { return m_inner->deviceDescriptor(out); }
    bool seekPenalty(bool& out) override { return m_inner->seekPenalty(out); }
    bool driveLayout(PlatformDriveLayout& out) override { return m_inner->driveLayout(out); }
    bool updateDiskProperties() override { return false; }
    std::string path() const override { return m_inner->path(); }

private:
    DeviceHandle* m_inner;
};

// Peak resident set since the last reset, in KiB.
long peakKiB()
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : f.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    return -1;
}

long currentKiB()
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : f.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    return -1;
}

void resetPeak()
{
    QFile f(QStringLiteral("/proc/self/clear_refs"));
    if (f.open(QIODevice::WriteOnly))
        f.write("5");
}
}

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    Logger::instance().setCallback(nullptr);
    QTemporaryDir dir;
    QString image = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    if (image.isEmpty()) {
        image = dir.filePath(QStringLiteral("ntfs64g.img"));
        QFile f(image);
        if (!f.open(QIODevice::WriteOnly) || !f.resize(64ll << 30)) {
            std::fprintf(stderr, "cannot create %s\n", qPrintable(image));
            return 1;
        }
        f.close();
        if (QProcess::execute(QStringLiteral("mkntfs"), {"-Q", "-F", "-q", "-c", "4096", image}) != 0) {
            std::fprintf(stderr, "mkntfs failed\n");
            return 1;
        }
    }
    // Disk 0 for parse(), which builds the byte map as the clone strategies take it.
    qputenv("TESSARIN_DISKS", image.toLocal8Bit());

    // Phase 1: load and ranges only.
    DiskHandle raw = RawDisk::openVolume(image, false);
    if (!raw) {
        std::fprintf(stderr, "cannot open %s\n", qPrintable(image));
        return 1;
    }
    CountingHandle counting(raw.get());
    resetPeak();
    const long before = currentKiB();
    QElapsedTimer timer;
    timer.start();
    SectorRanges ranges;
    uint64_t clusterBitmapBytes = 0;
    NTFSParser parser;
    {
        if (!parser.load(&counting, 0, 0)) {
            std::fprintf(stderr, "load failed: %s\n", qPrintable(parser.lastError()));
            return 1;
        }
        ranges = parser.usedSectorRanges();
        clusterBitmapBytes = (parser.totalClusters() + 7) / 8;
    }
    const qint64 rangesMs = timer.elapsed();
    const long rangesPeak = peakKiB() - before;
    raw.reset();

    uint64_t readBytes = 0;
    std::printf("Volume: %s, %llu bytes, sector %u, cluster %u, %llu clusters, %llu used\n", qPrintable(image),
                qulonglong(parser.volumeSize()), parser.sectorSize(), parser.clusterSize(),
                qulonglong(parser.totalClusters()), qulonglong(parser.usedClusters()));
    std::printf("Reads while parsing (offset, length):\n");
    for (const auto& r : counting.reads) {
        readBytes += r.second;
        std::printf("  %12llu %8llu\n", qulonglong(r.first), qulonglong(r.second));
    }
    const uint64_t mftRecord6 = parser.mftCluster() * parser.clusterSize() + 6ull * parser.mftRecordSize();
    std::printf("  boot sector at 0, MFT record 6 at %llu (%u bytes), bitmap of %llu bytes; %llu bytes read in %zu reads\n",
                qulonglong(mftRecord6), parser.mftRecordSize(), qulonglong(clusterBitmapBytes), qulonglong(readBytes),
                counting.reads.size());

    // Phase 2: the byte map.
    resetPeak();
    const long before2 = currentKiB();
    timer.restart();
    uint64_t mapBytes = 0;
    {
        NTFSParser mapped;
        const DiskHandle disk = RawDisk::openDisk(0, false);
        if (!mapped.parse(disk.get(), 0)) {
            std::fprintf(stderr, "parse failed: %s\n", qPrintable(mapped.lastError()));
            return 1;
        }
        mapBytes = uint64_t(mapped.sectorMap().size());
    }
    const qint64 mapMs = timer.elapsed();
    const long mapPeak = peakKiB() - before2;

    const uint64_t rangesBytes = uint64_t(ranges.size()) * sizeof(SectorRange);
    std::printf("Ranges: %lld ranges, %llu bytes of ranges + %llu bytes of cluster bitmap; peak RSS growth %ld KiB; %lld ms\n",
                qlonglong(ranges.size()), qulonglong(rangesBytes), qulonglong(clusterBitmapBytes), rangesPeak, rangesMs);
    std::printf("Byte map: %llu bytes; peak RSS growth %ld KiB; %lld ms\n", qulonglong(mapBytes), mapPeak, mapMs);
    const double ratio = double(rangesBytes + clusterBitmapBytes) / double(mapBytes ? mapBytes : 1);
    const double rssRatio = double(rangesPeak) / double(mapPeak > 0 ? mapPeak : 1);
    std::printf("Ratio (ranges + cluster bitmap) / byte map = 1/%.0f; peak RSS ratio = 1/%.1f; goal at most 1/16: %s\n",
                1.0 / ratio, 1.0 / rssRatio, ratio <= 1.0 / 16 && rssRatio <= 1.0 / 16 ? "met" : "NOT met");
    return ratio <= 1.0 / 16 ? 0 : 2;
}
