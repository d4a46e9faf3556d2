#include "common/imagefixture.h"
#include "common/memoryplatform.h"
#include "core/diskio.h"
#include "core/spanplanner.h"

#include <QCryptographicHash>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <thread>

namespace {

constexpr uint64_t KiB = 1024;
constexpr uint64_t MiB = 1024 * 1024;
using Event = MemoryPlatform::IoEvent;

// Patterned bytes as the memory platform fills a disk, for image files.
QByteArray pattern(uint64_t size, uint32_t seed)
{
    QByteArray v(qsizetype(size), '\0');
    for (uint64_t i = 0; i < size; ++i)
        v[qsizetype(i)] = char(MemoryPlatform::patternByte(seed, i));
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

// A patterned source and an empty target in memory, installed for the scope of one test.
struct Rig {
    explicit Rig(uint64_t srcSize = 4 * MiB, uint64_t dstSize = 4 * MiB, uint32_t srcLogical = 512,
                 uint32_t srcPhysical = 512, uint32_t dstLogical = 512, uint32_t dstPhysical = 512)
    {
        src = mp.addDisk(srcSize, srcLogical, srcPhysical);
        dst = mp.addDisk(dstSize, dstLogical, dstPhysical);
        mp.fillPattern(src, 11);
    }
    bool open(DiskIO& io, uint64_t buffer = 64 * KiB)
    {
        io.setBufferSize(buffer);
        return io.openSourceDisk(src) && io.openTargetDisk(dst);
    }
    MemoryPlatform mp;
    ScopedPlatform scope{&mp};
    int src = -1, dst = -1;
};

enum class Op { Sectors, Bytes, Fast, Extents };

// Copies `length` bytes from `srcOff` to `dstOff` with one of the operations (sector ones need whole sectors).
bool copyWith(DiskIO& io, Op op, uint64_t srcOff, uint64_t dstOff, uint64_t length)
{
    const uint32_t s = io.sectorSize();
    switch (op) {
    case Op::Sectors: return io.copySectors(srcOff / s, dstOff / s, uint32_t(length / s));
    case Op::Bytes: return io.copyBytes(srcOff, dstOff, length);
    case Op::Fast: return io.fastCopy(srcOff, dstOff, length);
    case Op::Extents: {
        // The same bytes as two extents, the second listed first.
        const uint64_t half = length / 2;
        return io.copyExtents({{srcOff + half, dstOff + half, length - half}, {srcOff, dstOff, half}});
    }
    }
    return false;
}

QByteArray fileHash(const QString& path)
{
    QFile f(path);
    QCryptographicHash h(QCryptographicHash::Sha256);
    return f.open(QIODevice::ReadOnly) && h.addData(&f) ? h.result() : QByteArray();
}

} // namespace

class DiskIOTest : public QObject {
    Q_OBJECT
private slots:
    // Whole aligned spans around any range; cut at the device end, refused past it or on overflow.
    void spanPlanner()
    {
        using R = SpanPlanner::Result;
        struct Case { const char* name; uint64_t offset, length; uint32_t alignment; int64_t deviceSize; R result; uint64_t start, span; bool exact; };
        for (const Case& c : {Case{"8 sectors at 8", 8 * 512, 4096, 4096, -1, R::Ok, 4096, 4096, true},
                              Case{"two spans", 5000, 7000, 4096, 1 << 20, R::Ok, 4096, 8192, false},
                              Case{"cut at device end", 8 * 512, 512, 4096, 9 * 512, R::Ok, 4096, 512, true},
                              Case{"head, cut at end", 8 * 512 + 100, 100, 4096, 9 * 512, R::Ok, 4096, 512, false},
                              Case{"one byte past", 4096, 513, 4096, 4608, R::BeyondEnd, 0, 0, false},
                              Case{"starts at end", 4608, 1, 512, 4608, R::BeyondEnd, 0, 0, false},
                              Case{"offset overflow", ~uint64_t(0) - 10, 512, 512, -1, R::OutOfRange, 0, 0, false},
                              Case{"length overflow", 512, ~uint64_t(0), 512, -1, R::OutOfRange, 0, 0, false}}) {
            AlignedSpan plan;
            QVERIFY2(SpanPlanner::plan(c.offset, c.length, c.alignment, c.deviceSize, plan) == c.result, c.name);
            QVERIFY2(c.result != R::Ok || (plan.start == c.start && plan.span == c.span && plan.start + plan.head == c.offset
                                           && plan.exact(c.length) == c.exact), c.name);
        }
    }

    // A partial span is written only after its neighbours were read from the device, and not at all
    // when that read fails; nothing is read or written past the device end or an overflowing position.
    void alignedTransfers()
    {
        MemoryPlatform mp;
        ScopedPlatform scope(&mp);
        const int n = mp.addDisk(9 * 512);  // the last 4096-byte span runs past the end
        mp.fillPattern(n, 3);
        DiskHandle h = DiskIO::openDisk(n, true);
        QVERIFY(h);
        std::vector<uint8_t> expected = mp.data(n), buf(4096, 0xEE);
        QVERIFY(DiskIO::writeSectorsAligned(h.get(), 5, 1, buf.data(), 512, 4096));
        std::fill(expected.begin() + 5 * 512, expected.begin() + 6 * 512, 0xEE);
        QVERIFY(mp.data(n) == expected);
        std::vector<uint8_t> one(512);
        QVERIFY(DiskIO::readSectorsAligned(h.get(), 5, 1, one.data(), 512, 4096) && sameRange(one, 0, expected, 5 * 512, 512));
        QVERIFY(DiskIO::writeSectorsAligned(h.get(), 8, 1, buf.data(), 512, 4096));
        QVERIFY(mp.data(n).size() == 9 * 512 && mp.writes(n).back().offset + mp.writes(n).back().length == 9 * 512);

        mp.clearRecords();
        expected = mp.data(n);
        mp.failReadAtSector(n, 6, PlatformError::IoDevice, "bad sector");  // beside the one written
        QVERIFY(!DiskIO::writeSectorsAligned(h.get(), 5, 1, buf.data(), 512, 4096));
        QVERIFY(mp.writes(n).empty());
        mp.clearRecords();
        QVERIFY(!DiskIO::writeSectorsAligned(h.get(), 8, 2, buf.data(), 512, 4096));
        QVERIFY(!DiskIO::writeSectors(h.get(), 9, 1, buf.data(), 512));
        QVERIFY(!DiskIO::readSectorsAligned(h.get(), 9, 1, buf.data(), 512, 4096));
        QVERIFY(!DiskIO::readSectors(h.get(), std::numeric_limits<uint64_t>::max() / 256, 1, buf.data(), 512));
        QVERIFY(mp.writes(n).empty() && mp.reads(n).empty() && mp.data(n) == expected);

        // A device that does not tell its size: a short read or write is a failure, not success.
        mp.disk(n).geometryAnswers = false;
        QVERIFY(DiskIO::readSectorsAligned(h.get(), 8, 1, buf.data(), 512, 4096));
        QVERIFY(!DiskIO::readSectorsAligned(h.get(), 8, 2, buf.data(), 512, 4096));
        QVERIFY(!DiskIO::writeSectors(h.get(), 8, 2, buf.data(), 512));
    }

    void bufferAlignmentFollowsBothSides()
    {
        struct Case { uint32_t srcPhys, dstPhys, expected; };
        for (const Case c : {Case{4096, 512, 4096}, Case{512, 512, 4096}, Case{512, 8192, 8192}}) {
            Rig rig(1 * MiB, 1 * MiB, 512, c.srcPhys, 512, c.dstPhys);
            DiskIO io;
            QVERIFY(rig.open(io, 100 * KiB));
            QCOMPARE(io.bufferAlignment(), c.expected);
            QCOMPARE(io.bufferSize() % c.expected, 0u);
            // Copies still come out right through buffers of that alignment.
            QVERIFY(io.fastCopy(0, 0, 1 * MiB));
            QVERIFY(rig.mp.data(rig.dst) == rig.mp.data(rig.src));
        }
    }

    // The same disk under another name is refused; the source is only ever opened for reading.
    void sameDeviceRefusedAndSourceReadOnly()
    {
        Rig rig;
        rig.mp.addAlias("/images/source.img", rig.src);
        const std::string vol = "\\\\?\\Volume{11111111-0000-0000-0000-000000000000}\\";
        rig.mp.addVolume(vol, rig.src, 1 * MiB, 1 * MiB);
        DiskIO io;
        QVERIFY(io.openSourceDisk(rig.src));
        for (const QString& name : {QStringLiteral("/images/source.img"), QStringLiteral("\\\\.\\PHYSICALDRIVE%1").arg(rig.src)})
            QVERIFY(!io.openTarget(name));
        QVERIFY(!io.hasTarget() && rig.mp.volume(vol).lockCount + rig.mp.volume(vol).dismountCount == 0);
        DiskIO other;
        QVERIFY(other.openTargetDisk(rig.src) && !other.openSource(QStringLiteral("/images/source.img")));
        other.close();
        // A drive path without a usable number opens nothing (not disk 0).
        rig.mp.clearRecords();
        QVERIFY(!io.openSource(QStringLiteral("\\\\.\\PhysicalDriveX")));
        QVERIFY(rig.mp.opens().empty());

        QVERIFY(rig.open(io));
        for (const auto& o : rig.mp.opens())
            if (o.path == MemoryPlatform::diskPath(rig.src))
                QCOMPARE(o.access, DeviceAccess::Read);
    }

    // Every volume of the target is locked and dismounted, none of the source's; the locks go with
    // close, and a re-open releases the old ones first.
    void targetVolumesAreLockedUntilClose()
    {
        Rig rig;
        const std::string a = "\\\\?\\Volume{a}\\", b = "\\\\?\\Volume{b}\\", c = "\\\\?\\Volume{c}\\";
        rig.mp.addVolume(a, rig.dst, 1 * MiB, 1 * MiB);
        rig.mp.addVolume(b, rig.dst, 2 * MiB, 1 * MiB);
        rig.mp.addVolume(c, rig.src, 1 * MiB, 1 * MiB);
        DiskIO io;
        QVERIFY(rig.open(io));
        QVERIFY(rig.mp.volume(a).lockCount == 1 && rig.mp.volume(a).dismountCount == 1 && rig.mp.volume(b).lockCount == 1);
        QCOMPARE(rig.mp.volume(c).lockCount + rig.mp.volume(c).dismountCount, 0);
        io.closeTarget();
        QCOMPARE(rig.mp.volume(a).lockCount, 0);
        QVERIFY(io.openTargetDisk(rig.dst) && io.openTargetDisk(rig.dst));
        QCOMPARE(rig.mp.volume(a).lockCount, 1);
        io.close();
        QCOMPARE(rig.mp.volume(a).lockCount, 0);
    }

    // Every copy operation, across sector sizes and at odd offsets: exactly the asked bytes land, nothing
    // else is touched, the source is never written, and the pipelined copies flush the target once.
    void copiesAreByteExact()
    {
        struct Case { Op op; uint32_t srcSector, dstSector; uint64_t srcOff, dstOff, length; };
        const uint64_t sectorLen = 1 * MiB + 64 * KiB;
        for (const Case& c : {Case{Op::Sectors, 512, 512, 37 * 512, 2000 * 512, 1000 * 512}, Case{Op::Sectors, 512, 4096, 8 * 512, 3 * 512, sectorLen},
                              Case{Op::Sectors, 4096, 512, 8 * 4096, 16 * 4096, sectorLen}, Case{Op::Bytes, 512, 4096, 100, 300, 1 * MiB + 7},
                              Case{Op::Fast, 512, 4096, 12345, 777, 2 * MiB + 333}, Case{Op::Fast, 512, 512, 0, 0, 0},
                              Case{Op::Extents, 4096, 512, 4096, 1000, 3 * MiB / 2 + 5}}) {
            Rig rig(4 * MiB, 4 * MiB, c.srcSector, c.srcSector, c.dstSector, c.dstSector);
            DiskIO io;
            QVERIFY(rig.open(io, 192 * KiB));
            const int flushes = rig.mp.disk(rig.dst).flushCount;
            const QByteArray row = QByteArray::number(int(c.op)) + " " + QByteArray::number(c.length);
            QVERIFY2(copyWith(io, c.op, c.srcOff, c.dstOff, c.length), qPrintable(io.lastError()));
            const auto& dst = rig.mp.data(rig.dst);
            QVERIFY2(sameRange(dst, c.dstOff, rig.mp.data(rig.src), c.srcOff, c.length), row);
            QVERIFY2(allZero(dst, 0, c.dstOff) && allZero(dst, c.dstOff + c.length, dst.size()), row);
            QVERIFY2(rig.mp.writes(rig.src).empty() && io.bytesCopied() == c.length, row);
            QVERIFY2((c.op != Op::Fast && c.op != Op::Extents) || rig.mp.disk(rig.dst).flushCount == flushes + 1, row);
        }
    }

    // A read error, a write error or a target too small stops the copy and reports it: nothing from
    // the failing chunk on reaches the target and the target never grows. A failed flush fails too.
    void copyFailuresStopAndReport()
    {
        enum Fault { ReadFails, WriteFails, TooSmall };
        for (Op op : {Op::Sectors, Op::Bytes, Op::Fast}) {
            for (Fault fault : {ReadFails, WriteFails, TooSmall}) {
                Rig rig(4 * MiB, fault == TooSmall ? 1 * MiB + 4 * KiB : 4 * MiB);
                if (fault == ReadFails)
                    rig.mp.failReadAtSector(rig.src, 300, PlatformError::IoDevice, "medium error");
                if (fault == WriteFails)
                    rig.mp.failWriteAtSector(rig.dst, 700, PlatformError::IoDevice, "write fault");
                DiskIO io;
                QVERIFY(rig.open(io, fault == TooSmall ? 256 * KiB : 64 * KiB));
                QSignalSpy errors(&io, &DiskIO::error);
                QVERIFY(!copyWith(io, op, 0, 0, fault == TooSmall ? 4 * MiB : 1 * MiB));
                QCOMPARE(errors.count(), 1);
                const std::vector<uint8_t>& dst = rig.mp.data(rig.dst);
                // The chunk holding sector 300 starts at 256 (the pending chunk is not written once a read failed).
                QVERIFY(fault != ReadFails || allZero(dst, 256 * 512, dst.size()));
                QVERIFY(fault != WriteFails || rig.mp.reads(rig.src).size() <= 7);  // stopped at the failing chunk
                QVERIFY(fault != TooSmall || (dst.size() == 1 * MiB + 4 * KiB && allZero(dst, 1 * MiB, dst.size())));
            }
        }
        Rig rig;
        DiskIO io;
        QVERIFY(!io.fastCopy(0, 0, 10));  // nothing open
        QVERIFY(rig.open(io));
        rig.mp.disk(rig.dst).flushFails = true;  // the data may not be on the device: a failed copy
        QVERIFY(!io.fastCopy(0, 0, 1 * MiB));
        io.setBufferSize(uint64_t(1) << 62);
        io.allocateAlignedBuffer();
        io.allocateDoubleBuffers();
        QVERIFY(!io.copySectors(0, 0, 1) && !io.fastCopy(0, 0, 10));
    }

    // Cancelled before the copy starts nothing is read or written; cancelled at the second write the
    // target keeps exactly the chunks written so far. The flag stays set for later copies.
    void cancellation()
    {
        struct Case { Op op; int cancelAtWrite; uint64_t kept; };  // cancelAtWrite 0: before the start
        // Fast copies move 40 MiB chunks in 16 MiB pieces: stopped after the second piece.
        for (const Case& c : {Case{Op::Sectors, 0, 0}, Case{Op::Bytes, 0, 0}, Case{Op::Fast, 0, 0}, Case{Op::Sectors, 2, 128 * KiB},
                              Case{Op::Bytes, 2, 128 * KiB}, Case{Op::Fast, 2, 32 * MiB}}) {
            const bool big = c.op == Op::Fast && c.cancelAtWrite;
            const uint64_t size = big ? 48 * MiB : 4 * MiB;
            Rig rig(size, size);
            DiskIO io;
            QVERIFY(rig.open(io, big ? 40 * MiB : 64 * KiB));
            rig.mp.clearRecords();
            int writes = 0;
            rig.mp.setIoHook([&](const Event& e) {
                if (e.disk == rig.dst && e.write && ++writes == c.cancelAtWrite)
                    io.cancel();
            });
            if (c.cancelAtWrite == 0)
                io.cancel();
            QVERIFY(!copyWith(io, c.op, 0, 0, size));
            rig.mp.setIoHook(nullptr);
            QVERIFY(sameRange(rig.mp.data(rig.dst), 0, rig.mp.data(rig.src), 0, c.kept) && allZero(rig.mp.data(rig.dst), c.kept, size));
            QVERIFY(c.cancelAtWrite || (rig.mp.reads(rig.src).empty() && rig.mp.writes(rig.dst).empty()));
            QVERIFY(!copyWith(io, c.op, 0, 0, 4096));
        }
    }

    // The copy runs on the worker thread: events posted to it wait until the copy returns.
    void copyBytesChunksWithoutProcessingEvents()
    {
        Rig rig(100 * MiB, 100 * MiB);
        DiskIO io;
        QVERIFY(io.openSourceDisk(rig.src) && io.openTargetDisk(rig.dst));
        rig.mp.setIoHook([](const Event& e) {
            if (!e.write)
                std::this_thread::sleep_for(std::chrono::milliseconds(60));
        });
        bool timerFired = false;
        QTimer::singleShot(0, &io, [&] { timerFired = true; });
        QVERIFY(io.copyBytes(0, 0, 100 * MiB));
        rig.mp.setIoHook(nullptr);
        QVERIFY(!timerFired);
        QVERIFY(rig.mp.data(rig.dst) == rig.mp.data(rig.src));
        QTRY_VERIFY(timerFired);
    }

    // A volume's disk and its mount points in every spelling a caller may use.
    void deviceQueries()
    {
        MemoryPlatform mp;
        ScopedPlatform scope(&mp);
        const int n = mp.addDisk(8 * MiB);
        const std::string vol = "\\\\?\\Volume{22222222-0000-0000-0000-000000000000}\\";
        mp.addVolume(vol, n, 1 * MiB, 2 * MiB).mountPaths = {"E:\\", "C:\\mnt\\data\\"};
        const QString volName = QString::fromStdString(vol);
        QCOMPARE(DiskIO::getDiskNumberForVolume(volName), n);
        for (const char* mount : {"E", "E:", "E:\\", "C:\\mnt\\data"})
            QCOMPARE(DiskIO::getVolumeNameForMountPoint(QString::fromLatin1(mount)), volName);
        QVERIFY(DiskIO::getVolumeNameForMountPoint(QStringLiteral("F:")).isEmpty());
    }

    // ---- the native backend: image files and loop devices, compared by hash ----

    void imageFilesThroughNativeBackend()
    {
        QTemporaryDir dir(QDir::tempPath() + QStringLiteral("/tessarin-diskio-XXXXXX"));
        QVERIFY(dir.isValid());
        const QString srcPath = dir.filePath(QStringLiteral("src.img")), dstPath = dir.filePath(QStringLiteral("dst.img"));
        const uint64_t size = 6 * MiB;
        QVERIFY(writeFileBytes(srcPath, 0, pattern(size, 21)));
        const QByteArray srcHash = fileHash(srcPath);

        DiskIO io;
        io.setBufferSize(1 * MiB);
        for (Op op : {Op::Sectors, Op::Fast, Op::Extents}) {
            QVERIFY(makeSparseFile(dstPath, size));
            QVERIFY2(io.openSource(srcPath) && io.openTarget(dstPath), qPrintable(io.lastError()));
            QVERIFY2(copyWith(io, op, 0, 0, size), qPrintable(io.lastError()));
            io.close();
            QCOMPARE(fileHash(dstPath), srcHash);
        }
        // Odd offsets through the enclosing spans, and a one-sector write beside untouched bytes.
        QVERIFY(makeSparseFile(dstPath, size));
        QVERIFY(io.openSource(srcPath) && io.openTarget(dstPath));
        QVERIFY2(io.fastCopy(1000, 3000, size - 5000), qPrintable(io.lastError()));
        io.close();
        QCOMPARE(readFileBytes(dstPath, 3000, qint64(size - 5000)), readFileBytes(srcPath, 1000, qint64(size - 5000)));
        QVERIFY(readFileBytes(dstPath, 0, 3000) == QByteArray(3000, '\0') && readFileBytes(dstPath, qint64(size) - 2000, 2000) == QByteArray(2000, '\0'));

        // A smaller target fails cleanly and does not grow; the source under another name is refused.
        const QString small = dir.filePath(QStringLiteral("small.img")), link = dir.filePath(QStringLiteral("link.img"));
        QVERIFY(makeSparseFile(small, 1 * MiB));
        QVERIFY(QFile::link(srcPath, link));
        QVERIFY(io.openSource(srcPath) && io.openTarget(small));
        QVERIFY(!io.fastCopy(0, 0, size));
        QCOMPARE(QFileInfo(small).size(), qint64(1 * MiB));
        QVERIFY(!io.openTarget(link));
        io.close();
        QCOMPARE(fileHash(srcPath), srcHash);
    }

    void loopDevicesWithBothSectorSizes()
    {
        if (const QString why = missingRequirement({QStringLiteral("losetup")}, true); !why.isEmpty())
            QSKIP(qPrintable(why));
        QTemporaryDir dir(QDir::tempPath() + QStringLiteral("/tessarin-loop-XXXXXX"));
        QVERIFY(dir.isValid());
        const uint64_t size = 8 * MiB;
        const QString srcImg = dir.filePath(QStringLiteral("src512.img")), dstImg = dir.filePath(QStringLiteral("dst4k.img"));
        QVERIFY(writeFileBytes(srcImg, 0, pattern(size, 33)));
        QVERIFY(makeSparseFile(dstImg, size));
        const LoopDevice srcLoop(srcImg, false, 512), dstLoop(dstImg, false, 4096);
        if (!srcLoop.ok() || !dstLoop.ok())
            QSKIP(qPrintable(srcLoop.error() + dstLoop.error()));

        DiskIO io;
        io.setBufferSize(1 * MiB);
        QVERIFY2(io.openSource(srcLoop.device()) && io.openTarget(dstLoop.device()), qPrintable(io.lastError()));
        QCOMPARE(io.targetLogicalSector(), 4096u);
        // 512-byte sectors onto 4096-byte sectors, starting inside a target sector.
        QVERIFY2(io.copySectors(3, 5, uint32_t(size / 512 - 16)), qPrintable(io.lastError()));
        io.close();
        const qint64 n = qint64(size - 16 * 512);
        QCOMPARE(readFileBytes(dstImg, 5 * 512, n), readFileBytes(srcImg, 3 * 512, n));
        QCOMPARE(readFileBytes(dstImg, 0, 5 * 512), QByteArray(5 * 512, '\0'));

        // And the whole device back the other way with the pipeline: the images end up identical.
        QVERIFY2(io.openSource(dstLoop.device()) && io.openTarget(srcLoop.device()), qPrintable(io.lastError()));
        QVERIFY2(io.fastCopy(0, 0, size), qPrintable(io.lastError()));
        io.close();
        QCOMPARE(fileHash(srcImg), fileHash(dstImg));
    }
};

QTEST_GUILESS_MAIN(DiskIOTest)
#include "tst_diskio.moc"
