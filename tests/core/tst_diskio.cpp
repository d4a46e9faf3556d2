#include "common/imagefixture.h"
#include "common/memoryplatform.h"
#include "core/diskio.h"
#include "core/logger.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <thread>
#include <unistd.h>

namespace {

constexpr uint64_t KiB = 1024;
constexpr uint64_t MiB = 1024 * 1024;

using Event = MemoryPlatform::IoEvent;

// (offset, length) pairs of recorded transfers, for compact comparisons.
QList<QPair<quint64, quint64>> spans(const std::vector<Event>& events)
{
    QList<QPair<quint64, quint64>> out;
    for (const Event& e : events)
        out.append({e.offset, e.length});
    return out;
}

std::vector<uint8_t> pattern(uint64_t size, uint32_t seed)
{
    std::vector<uint8_t> v(size);
    for (uint64_t i = 0; i < size; ++i)
        v[i] = MemoryPlatform::patternByte(seed, i);
    return v;
}

bool allZero(const std::vector<uint8_t>& v, uint64_t from, uint64_t to)
{
    return std::all_of(v.begin() + from, v.begin() + to, [](uint8_t b) { return b == 0; });
}

bool sameRange(const std::vector<uint8_t>& a, uint64_t aOff, const std::vector<uint8_t>& b, uint64_t bOff, uint64_t n)
{
    return std::equal(a.begin() + aOff, a.begin() + aOff + n, b.begin() + bOff);
}

// A source and a target in memory, installed for the scope of one test.
struct Rig {
    explicit Rig(uint64_t srcSize = 4 * MiB, uint64_t dstSize = 4 * MiB, uint32_t srcLogical = 512,
                 uint32_t srcPhysical = 512, uint32_t dstLogical = 512, uint32_t dstPhysical = 512)
    {
        src = mp.addDisk(srcSize, srcLogical, srcPhysical);
        dst = mp.addDisk(dstSize, dstLogical, dstPhysical);
        mp.fillPattern(src, 11);
    }
    // Opens both sides with copy buffers of `buffer` bytes.
    bool open(DiskIO& io, uint64_t buffer = 64 * KiB)
    {
        io.setBufferSize(buffer);
        return io.openSourceDisk(src) && io.openTargetDisk(dst);
    }
    MemoryPlatform mp;
    ScopedPlatform scope{&mp};
    int src = -1;
    int dst = -1;
};

// Warnings and errors seen while alive.
struct LogCapture {
    LogCapture()
    {
        Logger::instance().setCallback([this](const QString& m, Logger::Level) { lines.append(m); });
    }
    ~LogCapture() { Logger::instance().setCallback(nullptr); }
    bool has(const QString& part) const
    {
        return std::any_of(lines.begin(), lines.end(), [&](const QString& l) { return l.contains(part); });
    }
    QStringList lines;
};

bool writeFile(const QString& path, const std::vector<uint8_t>& bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate)
        && f.write(reinterpret_cast<const char*>(bytes.data()), qint64(bytes.size())) == qint64(bytes.size());
}

std::vector<uint8_t> readFile(const QString& path, uint64_t size)
{
    std::vector<uint8_t> v(size);
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    const qint64 got = f.read(reinterpret_cast<char*>(v.data()), qint64(size));
    v.resize(got < 0 ? 0 : uint64_t(got));
    return v;
}

} // namespace

class DiskIOTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();

    void alignedTransfersUseEnclosingSpans();
    void readModifyWriteNeverWritesInventedBytes();
    void transfersAtAndPastTheEnd();
    void alignmentAndBufferAlignment();
    void sourceIsReadOnlyAndNeverTheTarget();
    void targetVolumesAreLockedUntilClose();
    void byteOperations();
    void copySectorsCopiesPatterns();
    void copySectorsAcrossSectorSizes();
    void copyFailuresStopAndReport();
    void cancellationKeepsWhatWasWritten();
    void copyBytesChunksAndProgress();
    void fastCopyPipeline();
    void fastCopyFailures();
    void deviceQueries();

    void imageFilesThroughNativeBackend();
    void driveNumbersThroughNativeBackend();
    void loopDevicesWithBothSectorSizes();

private:
    QTemporaryDir m_logDir;
    QTemporaryDir m_diskDir{QDir::tempPath() + QStringLiteral("/tessarin-disks-XXXXXX")};
    QString m_disk0, m_disk1;
    QString m_logPath;
    qint64 logMark() const { return QFileInfo(m_logPath).size(); }
    QString logSince(qint64 mark) const
    {
        QFile f(m_logPath);
        if (!f.open(QIODevice::ReadOnly) || !f.seek(mark))
            return QString();
        return QString::fromUtf8(f.readAll());
    }
};

void DiskIOTest::initTestCase()
{
    QVERIFY(m_logDir.isValid());
    m_logPath = m_logDir.filePath(QStringLiteral("test.log"));
    Logger::instance().init(m_logPath);
    QVERIFY(Logger::instance().isFileOpen());
    // The native backend's disk table: two images, the second presented with 4096-byte sectors.
    // Set before anything asks for the native backend.
    QVERIFY(m_diskDir.isValid());
    m_disk0 = m_diskDir.filePath(QStringLiteral("disk0.img"));
    m_disk1 = m_diskDir.filePath(QStringLiteral("disk1.img"));
    QVERIFY(writeFile(m_disk0, pattern(4 * MiB, 41)));
    QVERIFY(writeFile(m_disk1, std::vector<uint8_t>(4 * MiB, 0)));
    qputenv("TESSARIN_DISKS", (m_disk0 + QStringLiteral(":") + m_disk1 + QStringLiteral("@4096")).toLocal8Bit());
}

void DiskIOTest::alignedTransfersUseEnclosingSpans()
{
    MemoryPlatform mp;
    ScopedPlatform scope(&mp);
    const int n = mp.addDisk(64 * KiB);
    mp.fillPattern(n, 3);
    const std::vector<uint8_t> before = mp.data(n);
    DiskHandle h = DiskIO::openDisk(n, true);
    QVERIFY(h);

    // One 512-byte sector at 9 with alignment 4096: the span at 4096 is read, bytes 512..1023 returned.
    std::vector<uint8_t> one(512);
    QVERIFY(DiskIO::readSectorsAligned(h.get(), 9, 1, one.data(), 512, 4096));
    QCOMPARE(spans(mp.reads(n)), (QList<QPair<quint64, quint64>>{{4096, 4096}}));
    QVERIFY(sameRange(one, 0, before, 9 * 512, 512));

    // Writing it back changed: the span is read first and only bytes 512..1023 of it change.
    mp.clearRecords();
    std::vector<uint8_t> ones(512, 0xEE);
    QVERIFY(DiskIO::writeSectorsAligned(h.get(), 9, 1, ones.data(), 512, 4096));
    QCOMPARE(spans(mp.reads(n)), (QList<QPair<quint64, quint64>>{{4096, 4096}}));
    QCOMPARE(spans(mp.writes(n)), (QList<QPair<quint64, quint64>>{{4096, 4096}}));
    std::vector<uint8_t> expected = before;
    std::fill(expected.begin() + 9 * 512, expected.begin() + 10 * 512, 0xEE);
    QVERIFY(mp.data(n) == expected);

    // Eight sectors at 8 fill the span exactly: written directly, nothing read.
    mp.clearRecords();
    AlignedBuffer full(4096, 4096);
    std::memset(full.data(), 0x77, 4096);
    QVERIFY(DiskIO::writeSectorsAligned(h.get(), 8, 8, full.data(), 512, 4096));
    QVERIFY(mp.reads(n).empty());
    QCOMPARE(spans(mp.writes(n)), (QList<QPair<quint64, quint64>>{{4096, 4096}}));

    // A span-sized request from a misaligned caller buffer still works (unbuffered handles would refuse it).
    mp.clearRecords();
    std::vector<uint8_t> raw(8192 + 1);
    QVERIFY(DiskIO::readSectorsAligned(h.get(), 16, 8, raw.data() + 1, 512, 4096));
    QVERIFY(sameRange(raw, 1, mp.data(n), 16 * 512, 4096));
    QVERIFY(DiskIO::writeSectorsAligned(h.get(), 24, 8, raw.data() + 1, 512, 4096));
    QVERIFY(sameRange(mp.data(n), 24 * 512, mp.data(n), 16 * 512, 4096));
    QVERIFY(mp.reads(n).size() == 1 && mp.writes(n).size() == 1);

    // Plain sector transfers move exactly what is asked, from aligned buffers.
    mp.clearRecords();
    QVERIFY(DiskIO::readSectors(h.get(), 3, 2, full.data(), 512));
    QCOMPARE(spans(mp.reads(n)), (QList<QPair<quint64, quint64>>{{1536, 1024}}));
    QVERIFY(sameRange(std::vector<uint8_t>(full.data(), full.data() + 1024), 0, mp.data(n), 1536, 1024));
    QVERIFY(!DiskIO::readSectors(h.get(), 3, 2, raw.data() + 1, 512));  // misaligned: the device refuses
}

void DiskIOTest::readModifyWriteNeverWritesInventedBytes()
{
    MemoryPlatform mp;
    ScopedPlatform scope(&mp);
    const int n = mp.addDisk(64 * KiB);
    mp.fillPattern(n, 5);
    const std::vector<uint8_t> before = mp.data(n);
    // A bad sector next to the one written, inside the same 4096-byte span.
    mp.failReadAtSector(n, 10, PlatformError::IoDevice, "bad sector");
    DiskHandle h = DiskIO::openDisk(n, true);
    QVERIFY(h);
    std::vector<uint8_t> ones(512, 0xAB);
    QVERIFY(!DiskIO::writeSectorsAligned(h.get(), 9, 1, ones.data(), 512, 4096));
    QVERIFY(mp.writes(n).empty());
    QVERIFY(mp.data(n) == before);
    QVERIFY(DiskIO::lastErrorText().contains(QStringLiteral("surrounding sectors")));
    QVERIFY(DiskIO::lastErrorText().contains(QStringLiteral("bad sector")));

    // Through the object: the message names the sector and the reason, and the error signal carries it.
    Rig rig;
    rig.mp.failReadAtSector(rig.dst, 3, PlatformError::IoDevice, "bad sector");
    DiskIO io;
    QVERIFY(rig.open(io));
    QCOMPARE(io.targetAlignment(), 512u);
    rig.mp.disk(rig.dst).physicalSector = 4096;
    QVERIFY(io.openTargetDisk(rig.dst));
    QSignalSpy errors(&io, &DiskIO::error);
    QVERIFY(!io.writeTargetBytes(1000, 10, ones.data()));
    QCOMPARE(io.lastError().left(24), QStringLiteral("Write failed at sector 1"));
    QVERIFY(io.lastError().contains(QStringLiteral("bad sector")));
    QCOMPARE(errors.count(), 1);
    QVERIFY(rig.mp.writes(rig.dst).empty());
}

void DiskIOTest::transfersAtAndPastTheEnd()
{
    MemoryPlatform mp;
    ScopedPlatform scope(&mp);
    // 9 sectors: the last 4096-byte span runs 3584 bytes past the end.
    const int n = mp.addDisk(9 * 512);
    mp.fillPattern(n, 9);
    DiskHandle h = DiskIO::openDisk(n, true);
    QVERIFY(h);
    std::vector<uint8_t> buf(4096, 0x44);

    QVERIFY(DiskIO::readSectorsAligned(h.get(), 8, 1, buf.data(), 512, 4096));
    QVERIFY(sameRange(buf, 0, mp.data(n), 8 * 512, 512));
    std::fill(buf.begin(), buf.end(), 0x44);
    QVERIFY(DiskIO::writeSectorsAligned(h.get(), 8, 1, buf.data(), 512, 4096));
    QCOMPARE(mp.data(n).size(), size_t(9 * 512));
    QCOMPARE(mp.data(n)[8 * 512], uint8_t(0x44));
    QCOMPARE(spans(mp.writes(n)), (QList<QPair<quint64, quint64>>{{4096, 512}}));

    // Past the end: refused before anything moves.
    mp.clearRecords();
    const std::vector<uint8_t> before = mp.data(n);
    QVERIFY(!DiskIO::writeSectorsAligned(h.get(), 8, 2, buf.data(), 512, 4096));
    QVERIFY(DiskIO::lastErrorText().contains(QStringLiteral("beyond the end")));
    QVERIFY(!DiskIO::writeSectors(h.get(), 9, 1, buf.data(), 512));
    QVERIFY(!DiskIO::readSectorsAligned(h.get(), 9, 1, buf.data(), 512, 4096));
    QVERIFY(!DiskIO::readSectors(h.get(), 8, 2, buf.data(), 512));
    QVERIFY(!DiskIO::readSectors(h.get(), std::numeric_limits<uint64_t>::max() / 256, 1, buf.data(), 512));
    QVERIFY(mp.writes(n).empty() && mp.reads(n).empty());
    QVERIFY(mp.data(n) == before);

    // A device that does not tell its size: the read succeeds when at least head + bytes came back.
    mp.disk(n).geometryAnswers = false;
    QVERIFY(DiskIO::readSectorsAligned(h.get(), 8, 1, buf.data(), 512, 4096));
    QVERIFY(!DiskIO::readSectorsAligned(h.get(), 8, 2, buf.data(), 512, 4096));
    QVERIFY(DiskIO::lastErrorText().contains(QStringLiteral("Only 512 of 1024")));
    QVERIFY(!DiskIO::writeSectors(h.get(), 8, 2, buf.data(), 512));  // short write reported
}

void DiskIOTest::alignmentAndBufferAlignment()
{
    struct Case {
        uint32_t srcPhys, dstPhys, expectedBuffer;
    };
    for (const Case c : {Case{4096, 512, 4096}, Case{512, 512, 4096}, Case{512, 8192, 8192}}) {
        Rig rig(1 * MiB, 1 * MiB, 512, c.srcPhys, 512, c.dstPhys);
        DiskIO io;
        QVERIFY(rig.open(io, 100 * KiB));
        QCOMPARE(io.sourceAlignment(), c.srcPhys);
        QCOMPARE(io.targetAlignment(), c.dstPhys);
        QCOMPARE(io.bufferAlignment(), c.expectedBuffer);
        QCOMPARE(io.bufferSize() % c.expectedBuffer, 0u);  // 100 KiB rounded down to the alignment
        QVERIFY(io.bufferSize() <= 100 * KiB);
    }

    MemoryPlatform mp;
    ScopedPlatform scope(&mp);
    const int n = mp.addDisk(1 * MiB, 4096, 512);  // physical reported below logical
    DiskHandle h = DiskIO::openDisk(n, false);
    StorageAlignment a;
    QVERIFY(DiskIO::queryAlignment(h.get(), a));
    QCOMPARE(a.logicalSector, 4096u);
    QCOMPARE(a.physicalSector, 4096u);
    mp.disk(n).alignmentAnswers = false;
    mp.disk(n).geometryAnswers = false;
    QVERIFY(DiskIO::queryAlignment(h.get(), a));
    QCOMPARE(a.logicalSector, 512u);
    QCOMPARE(a.physicalSector, 512u);

    // Buffers: aligned, zero-filled, movable.
    AlignedBuffer b(10000, 8192);
    QVERIFY(b && reinterpret_cast<uintptr_t>(b.data()) % 8192 == 0);
    QVERIFY(std::all_of(b.data(), b.data() + 10000, [](uint8_t x) { return x == 0; }));
    AlignedBuffer moved = std::move(b);
    QVERIFY(!b && moved && moved.size() == 10000);
    QVERIFY(!AlignedBuffer(100, 3000));  // not a power of two
}

void DiskIOTest::sourceIsReadOnlyAndNeverTheTarget()
{
    Rig rig;
    rig.mp.addAlias("/images/source.img", rig.src);
    rig.mp.addVolume("\\\\?\\Volume{11111111-0000-0000-0000-000000000000}\\", rig.src, 1 * MiB, 1 * MiB);
    LogCapture log;
    DiskIO io;
    QVERIFY(io.openSourceDisk(rig.src));
    const auto opens = rig.mp.opens();
    QCOMPARE(opens.back().access, DeviceAccess::Read);

    // The same disk under another name is refused before any of its volumes is locked.
    QVERIFY(!io.openTarget(QStringLiteral("/images/source.img")));
    QVERIFY(io.lastError().contains(QStringLiteral("same device")));
    QVERIFY(log.has(QStringLiteral("Source and target are the same device")));
    QVERIFY(!io.hasTarget());
    QCOMPARE(rig.mp.volume("\\\\?\\Volume{11111111-0000-0000-0000-000000000000}\\").lockCount, 0);
    QVERIFY(!io.openTarget(QStringLiteral("\\\\.\\PHYSICALDRIVE%1").arg(rig.src)));

    // And the other way round: a source on the open target.
    DiskIO other;
    QVERIFY(other.openTargetDisk(rig.src));
    QVERIFY(!other.openSource(QStringLiteral("/images/source.img")));
    QVERIFY(other.lastError().contains(QStringLiteral("same device")));
    QVERIFY(!other.hasSource());
    other.close();

    // A drive path without a usable number opens nothing (not disk 0).
    rig.mp.clearRecords();
    QVERIFY(!io.openSource(QStringLiteral("\\\\.\\PhysicalDriveX")));
    QVERIFY(io.lastError().startsWith(QStringLiteral("Failed to open source: ")));
    QVERIFY(rig.mp.opens().empty());

    // A whole copy reads the source and never writes it; only read access was ever asked for it.
    QVERIFY(rig.open(io));
    rig.mp.clearRecords();
    QVERIFY(io.copySectors(0, 0, 4 * MiB / 512));
    QVERIFY(io.fastCopy(0, 0, 4 * MiB));
    QVERIFY(io.copyBytes(100, 300, 1 * MiB));
    QVERIFY(!rig.mp.reads(rig.src).empty());
    QVERIFY(rig.mp.writes(rig.src).empty());
    for (const auto& o : rig.mp.opens())
        if (o.path == MemoryPlatform::diskPath(rig.src).c_str())
            QCOMPARE(o.access, DeviceAccess::Read);
}

void DiskIOTest::targetVolumesAreLockedUntilClose()
{
    Rig rig;
    const std::string a = "\\\\?\\Volume{aaaaaaaa-0000-0000-0000-000000000000}\\";
    const std::string b = "\\\\?\\Volume{bbbbbbbb-0000-0000-0000-000000000000}\\";
    const std::string c = "\\\\?\\Volume{cccccccc-0000-0000-0000-000000000000}\\";
    rig.mp.addVolume(a, rig.dst, 1 * MiB, 1 * MiB);
    rig.mp.addVolume(b, rig.dst, 2 * MiB, 1 * MiB).lockFails = true;
    rig.mp.addVolume(c, rig.src, 1 * MiB, 1 * MiB);
    LogCapture log;
    DiskIO io;
    QVERIFY(rig.open(io));
    QCOMPARE(io.targetDiskNumber(), rig.dst);
    QCOMPARE(rig.mp.volume(a).lockCount, 1);
    QCOMPARE(rig.mp.volume(a).dismountCount, 1);
    QCOMPARE(rig.mp.volume(a).extendedAccessCount, 1);
    QCOMPARE(rig.mp.volume(b).dismountCount, 1);
    QCOMPARE(rig.mp.volume(c).lockCount + rig.mp.volume(c).dismountCount, 0);
    QVERIFY(log.has(QStringLiteral("Cannot lock volume: ") + QString::fromStdString(b)));
    QVERIFY(log.has(QStringLiteral("Failed to lock some target volumes, continuing anyway...")));
    // Volume handles are opened without the trailing backslash.
    bool sawStripped = false;
    for (const auto& o : rig.mp.opens())
        sawStripped |= o.path == a.substr(0, a.size() - 1) && o.access == DeviceAccess::ReadWrite;
    QVERIFY(sawStripped);

    io.closeTarget();
    QVERIFY(!io.hasTarget());
    QCOMPARE(rig.mp.volume(a).lockCount, 0);
    QVERIFY(rig.mp.disk(rig.dst).flushCount > 0);

    // Re-opening releases the old locks first, so the volume can be locked again.
    QVERIFY(io.openTargetDisk(rig.dst));
    QVERIFY(io.openTargetDisk(rig.dst));
    QCOMPARE(rig.mp.volume(a).lockCount, 1);
    io.close();
    QCOMPARE(rig.mp.volume(a).lockCount, 0);
    QVERIFY(!io.hasSource());
}

void DiskIOTest::byteOperations()
{
    Rig rig(1 * MiB, 1 * MiB, 512, 4096, 512, 4096);
    DiskIO io;
    std::vector<uint8_t> buf(10000);
    QVERIFY(!io.readSourceBytes(0, 10, buf.data()));
    QCOMPARE(io.lastError(), QStringLiteral("Source not opened"));
    QVERIFY(!io.writeTargetBytes(0, 10, buf.data()));
    QCOMPARE(io.lastError(), QStringLiteral("Target not opened"));
    QVERIFY(rig.open(io));
    const std::vector<uint8_t>& src = rig.mp.data(rig.src);

    // Unaligned read: the enclosing span [4096, 12288) is read, the wanted bytes copied out.
    rig.mp.clearRecords();
    QVERIFY(io.readSourceBytes(5000, 7000, buf.data()));
    QVERIFY(sameRange(buf, 0, src, 5000, 7000));
    QCOMPARE(spans(rig.mp.reads(rig.src)), (QList<QPair<quint64, quint64>>{{4096, 8192}}));

    // Unaligned write: span read, changed, written back.
    rig.mp.clearRecords();
    QVERIFY(io.writeTargetBytes(5000, 7000, buf.data()));
    QCOMPARE(spans(rig.mp.reads(rig.dst)), (QList<QPair<quint64, quint64>>{{4096, 8192}}));
    QCOMPARE(spans(rig.mp.writes(rig.dst)), (QList<QPair<quint64, quint64>>{{4096, 8192}}));
    const std::vector<uint8_t>& dst = rig.mp.data(rig.dst);
    QVERIFY(sameRange(dst, 5000, src, 5000, 7000));
    QVERIFY(allZero(dst, 0, 5000) && allZero(dst, 12000, dst.size()));

    // Aligned offset and length: no read before the write.
    rig.mp.clearRecords();
    QVERIFY(io.writeTargetBytes(8192, 4096, buf.data()));
    QVERIFY(rig.mp.reads(rig.dst).empty());
    QVERIFY(io.readTargetBytes(8192, 4096, buf.data() + 4096));
    QVERIFY(std::equal(buf.begin(), buf.begin() + 4096, buf.begin() + 4096));

    // Past the end: nothing changes; message in target sectors.
    rig.mp.clearRecords();
    QSignalSpy errors(&io, &DiskIO::error);
    QVERIFY(!io.writeTargetBytes(1 * MiB - 100, 200, buf.data()));
    QCOMPARE(io.lastError().section(QLatin1Char(':'), 0, 0), QStringLiteral("Write failed at sector 2047"));
    QVERIFY(!io.readTargetBytes(1 * MiB, 1, buf.data()));
    QVERIFY(io.lastError().startsWith(QStringLiteral("Read target failed at sector 2048: ")));
    QCOMPARE(errors.count(), 2);
    QVERIFY(rig.mp.writes(rig.dst).empty());
}

void DiskIOTest::copySectorsCopiesPatterns()
{
    Rig rig(4 * MiB, 4 * MiB);
    DiskIO io;
    QVERIFY(rig.open(io, 192 * KiB));
    rig.mp.clearRecords();
    QVERIFY(io.copySectors(0, 0, 0));
    QVERIFY(rig.mp.reads(rig.src).empty());
    DiskIO idle;
    idle.cancel();
    QVERIFY(idle.copySectors(0, 0, 0));  // nothing to copy is success, cancelled or not

    // 1000 sectors from 37 to 2000 in chunks of 192 KiB (384 sectors).
    QVERIFY(io.copySectors(37, 2000, 1000));
    const auto& src = rig.mp.data(rig.src);
    const auto& dst = rig.mp.data(rig.dst);
    QVERIFY(sameRange(dst, 2000 * 512, src, 37 * 512, 1000 * 512));
    QVERIFY(allZero(dst, 0, 2000 * 512) && allZero(dst, 3000 * 512, dst.size()));
    QCOMPARE(io.bytesCopied(), 1000u * 512);
    const auto reads = rig.mp.reads(rig.src);
    QCOMPARE(int(reads.size()), 3);  // 384 + 384 + 232 sectors
    QCOMPARE(reads.back().length, 232u * 512);
    QVERIFY(rig.mp.writes(rig.src).empty());

    // Without buffers nothing runs.
    io.setBufferSize(uint64_t(1) << 62);
    io.allocateAlignedBuffer();
    QVERIFY(!io.copySectors(0, 0, 1));
    QCOMPARE(io.lastError(), QStringLiteral("Aligned buffer not allocated"));
}

void DiskIOTest::copySectorsAcrossSectorSizes()
{
    // 512-byte source onto a 4096-byte target and back: same bytes at the same byte positions.
    struct Case {
        uint32_t srcLogical, dstLogical;
    };
    for (const Case c : {Case{512, 4096}, Case{4096, 512}}) {
        Rig rig(2 * MiB, 2 * MiB, c.srcLogical, c.srcLogical, c.dstLogical, c.dstLogical);
        DiskIO io;
        QVERIFY(rig.open(io, 64 * KiB));
        QCOMPARE(io.sectorSize(), c.srcLogical);
        const uint64_t srcSector = 8, dstSector = 16, count = (1 * MiB + 64 * KiB) / c.srcLogical;
        QVERIFY(io.copySectors(srcSector, dstSector, uint32_t(count)));
        const auto& src = rig.mp.data(rig.src);
        const auto& dst = rig.mp.data(rig.dst);
        const uint64_t length = count * c.srcLogical;
        QVERIFY(sameRange(dst, dstSector * c.srcLogical, src, srcSector * c.srcLogical, length));
        QVERIFY(allZero(dst, 0, dstSector * c.srcLogical));
        QVERIFY(allZero(dst, dstSector * c.srcLogical + length, dst.size()));
        // Every target transfer was in whole target sectors (the memory device refuses others).
        for (const Event& w : rig.mp.writes(rig.dst))
            QVERIFY(w.offset % c.dstLogical == 0 && w.length % c.dstLogical == 0 && w.succeeded);
    }
}

void DiskIOTest::copyFailuresStopAndReport()
{
    {
        Rig rig;
        rig.mp.failReadAtSector(rig.src, 300, PlatformError::IoDevice, "medium error");
        DiskIO io;
        QVERIFY(rig.open(io, 64 * KiB));
        QSignalSpy errors(&io, &DiskIO::error);
        QVERIFY(!io.copySectors(0, 0, 2048));
        // The chunk holding sector 300 starts at 256.
        QCOMPARE(io.lastError(), QStringLiteral("Read failed at sector 256: medium error"));
        QCOMPARE(errors.count(), 1);
        QCOMPARE(errors.first().first().toString(), io.lastError());
        QVERIFY(rig.mp.writes(rig.dst).size() == 2);  // the chunks before it, nothing after
        QVERIFY(allZero(rig.mp.data(rig.dst), 256 * 512, 4 * MiB));
    }
    {
        Rig rig;
        rig.mp.failWriteAtSector(rig.dst, 700, PlatformError::IoDevice, "write fault");
        DiskIO io;
        QVERIFY(rig.open(io, 64 * KiB));
        QSignalSpy errors(&io, &DiskIO::error);
        QVERIFY(!io.copySectors(0, 0, 2048));
        QCOMPARE(io.lastError(), QStringLiteral("Write failed at sector 640: write fault"));
        QCOMPARE(errors.count(), 1);
        QCOMPARE(int(rig.mp.reads(rig.src).size()), 6);  // stopped at the failing chunk
    }
    {
        // A target smaller than the copy: fails at the first chunk that does not fit; nothing grows.
        Rig rig(4 * MiB, 1 * MiB + 4 * KiB);
        DiskIO io;
        QVERIFY(rig.open(io, 256 * KiB));
        QVERIFY(!io.copySectors(0, 0, 4 * MiB / 512));
        QVERIFY(io.lastError().startsWith(QStringLiteral("Write failed at sector 2048: ")));
        QVERIFY(io.lastError().contains(QStringLiteral("beyond the end")));
        QCOMPARE(rig.mp.data(rig.dst).size(), size_t(1 * MiB + 4 * KiB));
        QVERIFY(allZero(rig.mp.data(rig.dst), 1 * MiB, 1 * MiB + 4 * KiB));
        QVERIFY(!io.fastCopy(0, 0, 4 * MiB));
        QVERIFY(io.lastError().contains(QStringLiteral("beyond the end")));
    }
    {
        // A full target (writes stop at a limit) and a vanished source.
        Rig rig;
        rig.mp.setWriteLimit(rig.dst, 100 * KiB);
        DiskIO io;
        QVERIFY(rig.open(io, 64 * KiB));
        QVERIFY(!io.copyBytes(0, 0, 1 * MiB));
        QVERIFY(io.lastError().startsWith(QStringLiteral("Write failed at sector 128: ")));
        rig.mp.setVanished(rig.src, true);
        QVERIFY(!io.fastCopy(0, 0, 1 * MiB));
        QCOMPARE(io.lastError(), QStringLiteral("Read failed at sector 0: The device is not ready."));
    }
}

void DiskIOTest::cancellationKeepsWhatWasWritten()
{
    // copySectors: cancelled while the third chunk is read; that chunk is still written, nothing after.
    {
        Rig rig;
        DiskIO io;
        QVERIFY(rig.open(io, 64 * KiB));
        int readsSeen = 0;
        rig.mp.setIoHook([&](const Event& e) {
            if (e.disk == rig.src && !e.write && ++readsSeen == 3)
                io.cancel();
        });
        QVERIFY(!io.copySectors(0, 0, 4 * MiB / 512));
        QVERIFY(io.isCancelled());
        QVERIFY(sameRange(rig.mp.data(rig.dst), 0, rig.mp.data(rig.src), 0, 192 * KiB));
        QVERIFY(allZero(rig.mp.data(rig.dst), 192 * KiB, 4 * MiB));
        rig.mp.setIoHook(nullptr);
    }
    // copyBytes: cancelled from a progress slot after the second chunk.
    {
        Rig rig;
        DiskIO io;
        QVERIFY(rig.open(io, 64 * KiB));
        connect(&io, &DiskIO::progressChanged, &io, [&](uint64_t done, uint64_t) {
            if (done == 128 * KiB)
                io.cancel();
        });
        QVERIFY(!io.copyBytes(0, 0, 1 * MiB));
        QVERIFY(sameRange(rig.mp.data(rig.dst), 0, rig.mp.data(rig.src), 0, 128 * KiB));
        QVERIFY(allZero(rig.mp.data(rig.dst), 128 * KiB, 4 * MiB));
    }
    // fastCopy: cancelled while the second 16 MiB piece of the first chunk is written.
    {
        Rig rig(48 * MiB, 48 * MiB);
        DiskIO io;
        QVERIFY(rig.open(io, 40 * MiB));
        const qint64 mark = logMark();
        int writesSeen = 0;
        rig.mp.setIoHook([&](const Event& e) {
            if (e.disk == rig.dst && e.write && ++writesSeen == 2)
                io.cancel();
        });
        QVERIFY(!io.fastCopy(0, 0, 48 * MiB));
        QCOMPARE(spans(rig.mp.writes(rig.dst)), (QList<QPair<quint64, quint64>>{{0, 16 * MiB}, {16 * MiB, 16 * MiB}}));
        QVERIFY(sameRange(rig.mp.data(rig.dst), 0, rig.mp.data(rig.src), 0, 32 * MiB));
        QVERIFY(allZero(rig.mp.data(rig.dst), 32 * MiB, 48 * MiB));
        QVERIFY(logSince(mark).contains(QStringLiteral("Fast copy cancelled by user")));
        rig.mp.setIoHook(nullptr);
        // The next fast copy starts afresh.
        QVERIFY(io.fastCopy(0, 0, 48 * MiB));
        QVERIFY(rig.mp.data(rig.dst) == rig.mp.data(rig.src));
    }
}

void DiskIOTest::copyBytesChunksAndProgress()
{
    Rig rig(100 * MiB, 100 * MiB);
    DiskIO io;
    QCOMPARE(io.bufferSize(), 64 * MiB);
    QVERIFY(io.openSourceDisk(rig.src) && io.openTargetDisk(rig.dst));
    QSignalSpy progress(&io, &DiskIO::progressChanged);
    // Each read takes a while, so pending events must be processed during the copy.
    rig.mp.setIoHook([&](const Event& e) {
        if (!e.write)
            std::this_thread::sleep_for(std::chrono::milliseconds(60));
    });
    uint64_t copiedWhenTimerFired = 0;
    bool timerFired = false;
    QTimer::singleShot(0, &io, [&] {
        timerFired = true;
        copiedWhenTimerFired = io.bytesCopied();
    });
    rig.mp.clearRecords();
    QVERIFY(io.copyBytes(0, 0, 100 * MiB));
    rig.mp.setIoHook(nullptr);
    QCOMPARE(progress.count(), 2);
    QCOMPARE(progress.at(0).at(0).value<uint64_t>(), 64 * MiB);
    QCOMPARE(progress.at(1).at(0).value<uint64_t>(), 100 * MiB);
    QCOMPARE(progress.at(1).at(1).value<uint64_t>(), 100 * MiB);
    QCOMPARE(spans(rig.mp.reads(rig.src)), (QList<QPair<quint64, quint64>>{{0, 64 * MiB}, {64 * MiB, 36 * MiB}}));
    QVERIFY(timerFired);
    QCOMPARE(copiedWhenTimerFired, 64 * MiB);
    QVERIFY(rig.mp.data(rig.dst) == rig.mp.data(rig.src));
}

void DiskIOTest::fastCopyPipeline()
{
    // 40 MiB through 64 MiB buffers: one read, written in 16 MiB pieces.
    {
        Rig rig(40 * MiB, 40 * MiB);
        DiskIO io;
        QVERIFY(rig.open(io, 64 * MiB));
        rig.mp.clearRecords();
        QVERIFY(io.fastCopy(0, 0, 40 * MiB));
        QCOMPARE(spans(rig.mp.reads(rig.src)), (QList<QPair<quint64, quint64>>{{0, 40 * MiB}}));
        QCOMPARE(spans(rig.mp.writes(rig.dst)),
                 (QList<QPair<quint64, quint64>>{{0, 16 * MiB}, {16 * MiB, 16 * MiB}, {32 * MiB, 8 * MiB}}));
        QCOMPARE(io.bytesCopied(), 40 * MiB);
    }
    // Odd offsets and a length that is no multiple of the sector: each source byte read once into place.
    {
        Rig rig(4 * MiB, 4 * MiB, 512, 4096, 4096, 4096);
        DiskIO io;
        QVERIFY(rig.open(io, 64 * KiB));
        rig.mp.clearRecords();
        const uint64_t srcOff = 12345, dstOff = 777, length = 2 * MiB + 333;
        const qint64 mark = logMark();
        QVERIFY(io.fastCopy(srcOff, dstOff, length));
        const auto& dst = rig.mp.data(rig.dst);
        QVERIFY(sameRange(dst, dstOff, rig.mp.data(rig.src), srcOff, length));
        QVERIFY(allZero(dst, 0, dstOff) && allZero(dst, dstOff + length, dst.size()));
        QCOMPARE(io.bytesCopied(), length);
        // Reads are the enclosing spans of consecutive chunks: no chunk read twice or skipped.
        uint64_t expectNext = srcOff;
        for (const Event& r : rig.mp.reads(rig.src)) {
            QVERIFY(r.offset <= expectNext && r.offset + r.length >= std::min(expectNext + 64 * KiB, srcOff + length));
            expectNext = std::min(expectNext + 64 * KiB, srcOff + length);
        }
        QCOMPARE(expectNext, srcOff + length);
        QVERIFY(rig.mp.writes(rig.src).empty());
        const QString log = logSince(mark);
        QVERIFY(log.contains(QStringLiteral("Starting fast copy: %1 bytes from offset 12345 to 777").arg(length)));
        QVERIFY(log.contains(QStringLiteral("Buffer size: 0 MB")));
    }
    // Zero bytes: flushes, returns true, moves nothing.
    {
        Rig rig;
        DiskIO io;
        QVERIFY(rig.open(io));
        rig.mp.clearRecords();
        const int flushes = rig.mp.disk(rig.dst).flushCount;
        QVERIFY(io.fastCopy(0, 0, 0));
        QCOMPARE(rig.mp.disk(rig.dst).flushCount, flushes + 1);
        QVERIFY(rig.mp.reads(rig.src).empty() && rig.mp.writes(rig.dst).empty());
    }
}

void DiskIOTest::fastCopyFailures()
{
    Rig rig;
    DiskIO io;
    QVERIFY(!io.fastCopy(0, 0, 10));
    QCOMPARE(io.lastError(), QStringLiteral("Source or target not opened"));
    QVERIFY(rig.open(io, 64 * KiB));

    rig.mp.failReadAtSector(rig.src, 1000);
    QSignalSpy errors(&io, &DiskIO::error);
    QVERIFY(!io.fastCopy(0, 0, 4 * MiB));
    QVERIFY(io.lastError().startsWith(QStringLiteral("Read failed at sector 896: ")));
    QCOMPARE(errors.count(), 1);
    // The chunk read before the failing one was pending and is not written: only complete earlier chunks are.
    QCOMPARE(int(rig.mp.writes(rig.dst).size()), 6);
    QVERIFY(allZero(rig.mp.data(rig.dst), 6 * 64 * KiB, 4 * MiB));

    rig.mp.clearFaults(rig.src);
    rig.mp.disk(rig.dst).flushFails = true;
    QVERIFY(!io.fastCopy(0, 0, 1 * MiB));
    QVERIFY(io.lastError().startsWith(QStringLiteral("Failed to flush target: ")));

    io.setBufferSize(uint64_t(1) << 62);
    io.allocateDoubleBuffers();
    QVERIFY(!io.fastCopy(0, 0, 10));
    QCOMPARE(io.lastError(), QStringLiteral("Double buffers not allocated"));
}

void DiskIOTest::deviceQueries()
{
    MemoryPlatform mp;
    ScopedPlatform scope(&mp);
    const int n = mp.addDisk(8 * MiB);
    QCOMPARE(DiskIO::busTypeName(6), QStringLiteral("BusType6"));
    QCOMPARE(DiskIO::busTypeName(0), QStringLiteral("BusType0"));
    QCOMPARE(DiskIO::busTypeName(17), QStringLiteral("NVMe"));
    mp.disk(n).busType = 7;
    mp.disk(n).descriptorAnswerLength = 40;
    QCOMPARE(DiskIO::getBusType(n), QStringLiteral("USB"));
    mp.disk(n).descriptorAnswerLength = 39;
    QCOMPARE(DiskIO::getBusType(n), QStringLiteral("Unknown"));
    QCOMPARE(DiskIO::getBusType(n + 1), QStringLiteral("Unknown"));
    QVERIFY(DiskIO::isSsd(n));
    mp.disk(n).seekPenalty = true;
    QVERIFY(!DiskIO::isSsd(n));
    mp.disk(n).seekPenalty = false;
    mp.disk(n).seekPenaltyAnswers = false;
    QVERIFY(!DiskIO::isSsd(n));

    DiskHandle h = DiskIO::openDisk(n, false);
    DiskGeometry g;
    QVERIFY(DiskIO::getDiskGeometry(h.get(), g));
    QCOMPARE(g.diskSize, int64_t(8 * MiB));
    QCOMPARE(g.totalSectors, int64_t(8 * MiB / 512));
    QVERIFY(!DiskIO::openDisk(n + 5, false));
    QVERIFY(!DiskIO::lastErrorText().isEmpty());

    // Volumes: extents (at most 11), disk numbers, mount points with or without their trailing parts.
    const std::string vol = "\\\\?\\Volume{22222222-0000-0000-0000-000000000000}\\";
    MemoryVolume& v = mp.addVolume(vol, n, 1 * MiB, 2 * MiB);
    v.mountPaths = {"E:\\", "C:\\mnt\\data\\"};
    for (int i = 0; i < 14; ++i)
        v.extents.push_back(PlatformExtent{uint32_t(n), int64_t(i) * 4096, 4096});
    const QString volName = QString::fromStdString(vol);
    QCOMPARE(DiskIO::getVolumeDiskExtents(volName).size(), 11);
    QCOMPARE(DiskIO::getVolumeDiskExtents(volName).first().startingOffset, int64_t(1 * MiB));
    QCOMPARE(DiskIO::getDiskNumberForVolume(volName), n);
    QCOMPARE(DiskIO::getDiskNumberForVolume(QStringLiteral("\\\\?\\Volume{none}\\")), -1);
    QCOMPARE(DiskIO::enumerateVolumes(), QStringList{volName});
    QCOMPARE(DiskIO::getVolumeMountPaths(volName), (QStringList{QStringLiteral("E:\\"), QStringLiteral("C:\\mnt\\data\\")}));
    QCOMPARE(DiskIO::getVolumeNameForMountPoint(QStringLiteral("E")), volName);
    QCOMPARE(DiskIO::getVolumeNameForMountPoint(QStringLiteral("E:")), volName);
    QCOMPARE(DiskIO::getVolumeNameForMountPoint(QStringLiteral("E:\\")), volName);
    QCOMPARE(DiskIO::getVolumeNameForMountPoint(QStringLiteral("C:\\mnt\\data")), volName);
    QVERIFY(DiskIO::getVolumeNameForMountPoint(QStringLiteral("F:")).isEmpty());
}

// ---- the native backend: image files and loop devices ----

void DiskIOTest::imageFilesThroughNativeBackend()
{
    QTemporaryDir dir(QDir::tempPath() + QStringLiteral("/tessarin-diskio-XXXXXX"));
    QVERIFY(dir.isValid());
    const QString srcPath = dir.filePath(QStringLiteral("src.img"));
    const QString dstPath = dir.filePath(QStringLiteral("dst.img"));
    const QString smallPath = dir.filePath(QStringLiteral("small.img"));
    const uint64_t size = 6 * MiB;
    const std::vector<uint8_t> srcBytes = pattern(size, 21);
    QVERIFY(writeFile(srcPath, srcBytes));
    QVERIFY(writeFile(dstPath, std::vector<uint8_t>(size, 0)));
    QVERIFY(writeFile(smallPath, std::vector<uint8_t>(1 * MiB, 0)));

    DiskIO io;
    io.setBufferSize(1 * MiB);
    QVERIFY2(io.openSource(srcPath), qPrintable(io.lastError()));
    QVERIFY2(io.openTarget(dstPath), qPrintable(io.lastError()));

    // The alignment edge cases on a real file: sector 9 with alignment 4096.
    std::vector<uint8_t> buf(4096, 0xC3);
    QVERIFY(io.readSource(9, 1, buf.data()));
    QVERIFY(sameRange(buf, 0, srcBytes, 9 * 512, 512));
    DiskHandle raw = Platform::current().openDevice(dstPath.toStdString(), DeviceAccess::ReadWrite,
                                                    DeviceFlags::NoBufferingWriteThrough);
    QVERIFY(raw);
    std::vector<uint8_t> marker(512, 0x5E);
    QVERIFY(DiskIO::writeSectorsAligned(raw.get(), 9, 1, marker.data(), 512, 4096));
    raw.reset();
    std::vector<uint8_t> dst = readFile(dstPath, size);
    QCOMPARE(dst.size(), size_t(size));
    QVERIFY(allZero(dst, 0, 9 * 512) && allZero(dst, 10 * 512, size));
    QCOMPARE(dst[9 * 512], uint8_t(0x5E));

    // Patterned copies, verified byte for byte.
    QVERIFY2(io.copySectors(0, 0, uint32_t(size / 512)), qPrintable(io.lastError()));
    QVERIFY(readFile(dstPath, size) == srcBytes);
    QVERIFY(writeFile(dstPath, std::vector<uint8_t>(size, 0)));
    QVERIFY2(io.fastCopy(1000, 3000, size - 5000), qPrintable(io.lastError()));
    dst = readFile(dstPath, size);
    QVERIFY(sameRange(dst, 3000, srcBytes, 1000, size - 5000));
    QVERIFY(allZero(dst, 0, 3000) && allZero(dst, size - 2000, size));
    QVERIFY(readFile(srcPath, size) == srcBytes);

    // A target image smaller than the copy fails cleanly and does not grow.
    QVERIFY(io.openTarget(smallPath));
    QVERIFY(!io.fastCopy(0, 0, size));
    QVERIFY(io.lastError().startsWith(QStringLiteral("Write failed at sector ")));
    QCOMPARE(QFileInfo(smallPath).size(), qint64(1 * MiB));

    // The source under another name is refused as a target.
    const QString link = dir.filePath(QStringLiteral("link.img"));
    QVERIFY(QFile::link(srcPath, link));
    QVERIFY(!io.openTarget(link));
    QVERIFY(io.lastError().contains(QStringLiteral("same device")));
    io.close();
    QVERIFY(readFile(srcPath, size) == srcBytes);
}

void DiskIOTest::driveNumbersThroughNativeBackend()
{
    DiskIO io;
    io.setBufferSize(256 * KiB);
    QVERIFY2(io.openSourceDisk(0), qPrintable(io.lastError()));
    QVERIFY2(io.openTargetDisk(1), qPrintable(io.lastError()));
    QCOMPARE(io.sourceLogicalSector(), 512u);
    QCOMPARE(io.targetLogicalSector(), 4096u);
    QCOMPARE(io.targetDiskNumber(), 1);
    QVERIFY(!io.openTarget(m_disk0));  // disk 0 by its file name
    QVERIFY(io.lastError().contains(QStringLiteral("same device")));
    QVERIFY(io.hasTarget());
    // 512-byte sectors onto a 4096-byte-sector disk, starting inside a target sector.
    QVERIFY2(io.copySectors(1, 3, 4000), qPrintable(io.lastError()));
    io.close();
    const std::vector<uint8_t> src = pattern(4 * MiB, 41);
    const std::vector<uint8_t> dst = readFile(m_disk1, 4 * MiB);
    QCOMPARE(dst.size(), size_t(4 * MiB));
    QVERIFY(sameRange(dst, 3 * 512, src, 512, 4000 * 512));
    QVERIFY(allZero(dst, 0, 3 * 512) && allZero(dst, 4003 * 512, 4 * MiB));
    QVERIFY(readFile(m_disk0, 4 * MiB) == src);
}

void DiskIOTest::loopDevicesWithBothSectorSizes()
{
    if (const QString why = missingRequirement({QStringLiteral("losetup")}, true); !why.isEmpty())
        QSKIP(qPrintable(why));
    QTemporaryDir dir(QDir::tempPath() + QStringLiteral("/tessarin-loop-XXXXXX"));
    QVERIFY(dir.isValid());
    const uint64_t size = 8 * MiB;
    const std::vector<uint8_t> srcBytes = pattern(size, 33);
    const QString srcImg = dir.filePath(QStringLiteral("src512.img"));
    const QString dstImg = dir.filePath(QStringLiteral("dst4k.img"));
    QVERIFY(writeFile(srcImg, srcBytes));
    QVERIFY(writeFile(dstImg, std::vector<uint8_t>(size, 0)));

    const LoopDevice srcLoop(srcImg, false, 512), dstLoop(dstImg, false, 4096);
    if (!srcLoop.ok() || !dstLoop.ok())
        QSKIP(qPrintable(srcLoop.error() + dstLoop.error()));
    const QString src = srcLoop.device(), dst = dstLoop.device();

    DiskIO io;
    io.setBufferSize(1 * MiB);
    QVERIFY2(io.openSource(src), qPrintable(io.lastError()));
    QVERIFY2(io.openTarget(dst), qPrintable(io.lastError()));
    QCOMPARE(io.sourceLogicalSector(), 512u);
    QCOMPARE(io.targetLogicalSector(), 4096u);

    // 512-byte sectors onto 4096-byte sectors, starting inside a target sector.
    QVERIFY2(io.copySectors(3, 5, uint32_t(size / 512 - 16)), qPrintable(io.lastError()));
    QVERIFY(io.flushTarget());
    io.close();
    std::vector<uint8_t> dstBytes = readFile(dstImg, size);
    QVERIFY(sameRange(dstBytes, 5 * 512, srcBytes, 3 * 512, size - 16 * 512));
    QVERIFY(allZero(dstBytes, 0, 5 * 512));

    // And back the other way, by bytes, with the pipeline.
    QVERIFY2(io.openSource(dst), qPrintable(io.lastError()));
    QVERIFY2(io.openTarget(src), qPrintable(io.lastError()));
    QVERIFY2(io.fastCopy(0, 0, size), qPrintable(io.lastError()));
    io.close();
    QVERIFY(readFile(srcImg, size) == dstBytes);
}

QTEST_GUILESS_MAIN(DiskIOTest)
#include "tst_diskio.moc"
