#include "common/imagefiles.h"
#include "common/logcapture.h"
#include "common/memoryplatform.h"
#include "core/copybatchplanner.h"
#include "core/copypipeline.h"
#include "core/diskio.h"
#include "core/spanplanner.h"
#include "core/unreadablemap.h"
#include "platform/threadedasyncio.h"

#include <QFile>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>
#ifdef Q_OS_LINUX
#include "common/faultydevice.h"
#include "common/imagefixture.h"
#endif


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

enum class Op { Single, Extents, Fragments };

// Extents of 512 bytes to 12 KiB with gaps between them, as a fragmented volume's smart copy gives.
std::vector<CopyExtent> fragments(uint64_t srcOff, uint64_t dstOff, uint64_t span)
{
    std::vector<CopyExtent> out;
    for (uint64_t at = 0, i = 0; at + 16 * KiB <= span; at += 16 * KiB, ++i) {
        const uint64_t skip = (i * 7 % 5) * 512, length = 512 * (1 + i * 13 % 24);
        out.push_back({srcOff + at + skip, dstOff + at + skip, length});
    }
    return out;
}

// Copies `length` bytes from `srcOff` to `dstOff` as one extent, as two, or as scattered fragments.
bool copyWith(DiskIO& io, Op op, uint64_t srcOff, uint64_t dstOff, uint64_t length)
{
    switch (op) {
    case Op::Single: return io.copyExtents({{srcOff, dstOff, length}});
    case Op::Extents: {
        // The same bytes as two extents, the second listed first.
        const uint64_t half = length / 2;
        return io.copyExtents({{srcOff + half, dstOff + half, length - half}, {srcOff, dstOff, half}});
    }
    case Op::Fragments: return io.copyExtents(fragments(srcOff, dstOff, length));
    }
    return false;
}

// A queue that notes how many reads were submitted after the first failed transfer was reaped.
class WatchedQueue : public AsyncIo {
public:
    explicit WatchedQueue(unsigned depth) : m_inner(depth) {}
    bool submit(const AsyncRequest& request) override
    {
        if (m_failureSeen && !request.write)
            ++readsAfterFailure;
        return m_inner.submit(request);
    }
    bool reap(std::vector<AsyncCompletion>& out, bool wait) override
    {
        const size_t before = out.size();
        const bool ok = m_inner.reap(out, wait);
        m_failureSeen = m_failureSeen || std::any_of(out.begin() + std::ptrdiff_t(before), out.end(), [](const AsyncCompletion& c) { return !c.ok; });
        return ok;
    }
    size_t inFlight() const override { return m_inner.inFlight(); }
    size_t capacity() const override { return m_inner.capacity(); }
    void cancel() override { m_inner.cancel(); }
    std::string kind() const override { return "watched"; }
    int readsAfterFailure = 0;

private:
    ThreadedAsyncIo m_inner;
    bool m_failureSeen = false;
};

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
        DiskHandle h = RawDisk::openDisk(n, true);
        QVERIFY(h);
        std::vector<uint8_t> expected = mp.data(n), buf(4096, 0xEE);
        QVERIFY(RawDisk::writeSectorsAligned(h.get(), 5, 1, buf.data(), 512, 4096));
        std::fill(expected.begin() + 5 * 512, expected.begin() + 6 * 512, 0xEE);
        QVERIFY(mp.data(n) == expected);
        std::vector<uint8_t> one(512);
        QVERIFY(RawDisk::readSectorsAligned(h.get(), 5, 1, one.data(), 512, 4096) && sameRange(one, 0, expected, 5 * 512, 512));
        QVERIFY(RawDisk::writeSectorsAligned(h.get(), 8, 1, buf.data(), 512, 4096));
        QVERIFY(mp.data(n).size() == 9 * 512 && mp.writes(n).back().offset + mp.writes(n).back().length == 9 * 512);

        mp.clearRecords();
        expected = mp.data(n);
        mp.failReadAtSector(n, 6, PlatformError::IoDevice, "bad sector");  // beside the one written
        QVERIFY(!RawDisk::writeSectorsAligned(h.get(), 5, 1, buf.data(), 512, 4096));
        QVERIFY(mp.writes(n).empty());
        mp.clearRecords();
        QVERIFY(!RawDisk::writeSectorsAligned(h.get(), 8, 2, buf.data(), 512, 4096));
        QVERIFY(!RawDisk::writeSectors(h.get(), 9, 1, buf.data(), 512));
        QVERIFY(!RawDisk::readSectorsAligned(h.get(), 9, 1, buf.data(), 512, 4096));
        QVERIFY(!RawDisk::readSectors(h.get(), std::numeric_limits<uint64_t>::max() / 256, 1, buf.data(), 512));
        QVERIFY(mp.writes(n).empty() && mp.reads(n).empty() && mp.data(n) == expected);

        // A device that does not tell its size: a short read or write is a failure, not success.
        mp.disk(n).geometryAnswers = false;
        QVERIFY(RawDisk::readSectorsAligned(h.get(), 8, 1, buf.data(), 512, 4096));
        QVERIFY(!RawDisk::readSectorsAligned(h.get(), 8, 2, buf.data(), 512, 4096));
        QVERIFY(!RawDisk::writeSectors(h.get(), 8, 2, buf.data(), 512));
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
            QVERIFY(copyWith(io, Op::Single, 0, 0, 1 * MiB));
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

    // Extents joined where they touch on both sides, small aligned ones packed into one request,
    // unaligned heads and tails moved apart, large ones cut at the request size.
    void copyPlanner()
    {
        const CopyBatchPlanner::Limits limits{64 * KiB, 512, 4096, 4};
        struct Case { const char* name; std::vector<CopyExtent> in; const char* plan; };
        for (const Case& c : {Case{"joined", {{4096, 4096, 4096}, {0, 0, 4096}, {9, 9, 0}}, "D0:0:8192"},
                              Case{"packed", {{0, 0, 4096}, {4096, 12288, 4096}}, "D0:0:4096,4096:12288:4096"},
                              Case{"cut", {{0, 0, 160 * KiB}}, "D0:0:65536 D65536:65536:65536 D131072:131072:32768"},
                              Case{"head and tail", {{1536, 2560, 16384}}, "S1536:2560:1536 D3072:4096:12288 S15360:16384:2560"},
                              Case{"never aligned", {{100, 0, 8192}}, "S100:0:8192"},
                              Case{"piece limit", {{0, 0, 4096}, {8192, 8192, 4096}, {16384, 16384, 4096}, {24576, 24576, 4096}, {32768, 32768, 4096}},
                                   "D0:0:4096,8192:8192:4096,16384:16384:4096,24576:24576:4096 D32768:32768:4096"}}) {
            QStringList batches;
            for (const CopyBatch& b : CopyBatchPlanner::plan(c.in, limits)) {
                QStringList pieces;
                uint64_t at = 0;
                for (const CopyPiece& p : b.pieces) {
                    QVERIFY2(p.bufferOffset == at, c.name);
                    at += p.length;
                    pieces << QStringLiteral("%1:%2:%3").arg(p.sourceOffset).arg(p.targetOffset).arg(p.length);
                }
                QVERIFY2(at == b.bytes, c.name);
                batches << (b.direct ? "D" : "S") + pieces.join(',');
            }
            QCOMPARE(batches.join(' '), QString::fromLatin1(c.plan));
        }
    }

    // Every copy operation, across sector sizes, at odd offsets and as a fragmented extent list:
    // exactly the asked bytes land, nothing else is touched, the source is never written.
    void copiesAreByteExact()
    {
        struct Case { Op op; uint32_t srcSector, dstSector; uint64_t srcOff, dstOff, length; };
        const uint64_t sectorLen = 1 * MiB + 64 * KiB;
        for (const Case& c : {Case{Op::Single, 512, 512, 37 * 512, 2000 * 512, 1000 * 512}, Case{Op::Single, 512, 4096, 8 * 512, 3 * 512, sectorLen},
                              Case{Op::Single, 4096, 512, 8 * 4096, 16 * 4096, sectorLen}, Case{Op::Single, 512, 4096, 100, 300, 1 * MiB + 7},
                              Case{Op::Single, 512, 4096, 12345, 777, 2 * MiB + 333}, Case{Op::Single, 512, 512, 0, 0, 0},
                              Case{Op::Extents, 4096, 512, 4096, 1000, 3 * MiB / 2 + 5}, Case{Op::Fragments, 512, 4096, 0, 8192, 3 * MiB},
                              Case{Op::Fragments, 512, 512, 512, 0, 3 * MiB}}) {
            Rig rig(4 * MiB, 4 * MiB, c.srcSector, c.srcSector, c.dstSector, c.dstSector);
            DiskIO io;
            QVERIFY(rig.open(io, 192 * KiB));
            const QByteArray row = QByteArray::number(int(c.op)) + " " + QByteArray::number(c.length);
            QVERIFY2(copyWith(io, c.op, c.srcOff, c.dstOff, c.length), qPrintable(io.lastError()));
            std::vector<uint8_t> expected(rig.mp.data(rig.dst).size(), 0);
            for (const CopyExtent& e : c.op == Op::Fragments ? fragments(c.srcOff, c.dstOff, c.length)
                                                               : std::vector<CopyExtent>{{c.srcOff, c.dstOff, c.length}})
                std::copy_n(rig.mp.data(rig.src).begin() + e.sourceOffset, e.length, expected.begin() + e.targetOffset);
            QVERIFY2(rig.mp.data(rig.dst) == expected, row);
            QVERIFY2(rig.mp.writes(rig.src).empty() && rig.mp.disk(rig.dst).flushCount >= 1, row);
        }
    }

    // A read error, a write error, a full or vanishing target or a failed flush stops the copy and names
    // the first sector that fails on its own; with "continue", unreadable sectors become zeros and are
    // listed, per logical sector of the failing physical one.
    void copyFailuresStopAndReport()
    {
        enum Fault { ReadFails, WriteFails, Full, Vanishes, FlushFails, Unreadable, UnreadableWide };
        struct Case { Fault fault; uint32_t srcPhysical; const char* message; const char* map; };
        // Sector 1800 lies in a request after every buffer has held source bytes: its zeros must be written, not left over.
        for (const Case& c : {Case{ReadFails, 512, "^Read failed at sector 300: medium error$", ""},
                              Case{WriteFails, 512, "^Write failed at sector 700: write fault$", ""},
                              Case{Full, 512, "^Write failed at sector 2050: ", ""}, Case{Vanishes, 512, "^Write failed at sector \\d+: ", ""},
                              Case{FlushFails, 512, "^Failed to flush target: ", ""}, Case{Unreadable, 512, "", "300 2\n1000 1\n1800 1\n"},
                              Case{UnreadableWide, 4096, "", "8 8\n"}}) {
            Rig rig(2 * MiB, 2 * MiB, 512, c.srcPhysical);
            const int src = rig.src, dst = rig.dst;
            for (uint64_t s : c.fault == ReadFails || c.fault == Unreadable ? std::vector<uint64_t>{300, 301, 1000, 1800} : std::vector<uint64_t>{})
                rig.mp.failReadAtSector(src, s, PlatformError::IoDevice, "medium error");
            if (c.fault == UnreadableWide)
                rig.mp.failReadAtSector(src, 9, PlatformError::IoDevice, "medium error");
            if (c.fault == WriteFails)
                rig.mp.failWriteAtSector(dst, 700, PlatformError::IoDevice, "write fault");
            if (c.fault == Full)
                rig.mp.setWriteLimit(dst, 2050 * 512 + 100);
            rig.mp.disk(dst).flushFails = c.fault == FlushFails;
            int writes = 0;
            rig.mp.setIoHook([&](const Event& e) {
                if (c.fault == Vanishes && e.disk == dst && e.write && ++writes == 3)
                    rig.mp.setVanished(dst, true);
            });
            DiskIO io;
            QVERIFY(rig.open(io, 64 * KiB));
            io.setContinueOnReadErrors(c.fault == Unreadable || c.fault == UnreadableWide);
            QSignalSpy errors(&io, &DiskIO::error);
            const bool ok = copyWith(io, Op::Single, 0, 0, 2 * MiB);
            rig.mp.setIoHook(nullptr);
            QVERIFY2(ok ? *c.message == 0 : *c.message && io.lastError().contains(QRegularExpression(QLatin1String(c.message))),
                     qPrintable(io.lastError()));
            QCOMPARE(errors.count(), ok ? 0 : 1);
            QCOMPARE(io.unreadable().text(), QString::fromLatin1(c.map));
            QVERIFY(rig.mp.writes(src).empty());
            // Requests before a failing write finish; nothing before its sector is missing.
            const uint64_t intactSectors = c.fault == WriteFails ? 700 : c.fault == Full ? 2050 : c.fault == FlushFails ? 4096 : 0;
            QVERIFY(sameRange(rig.mp.data(dst), 0, rig.mp.data(src), 0, intactSectors * 512));
            if (!ok)
                continue;
            std::vector<uint8_t> expected = rig.mp.data(src);
            for (const auto& [first, count] : io.unreadable().ranges())
                std::fill_n(expected.begin() + first * 512, count * 512, 0);
            QVERIFY(rig.mp.data(dst) == expected);
        }
        Rig rig;
        DiskIO io;
        QVERIFY(!copyWith(io, Op::Single, 0, 0, 10));  // nothing open
        QVERIFY(rig.open(io));
        io.setBufferSize(uint64_t(1) << 62);
        io.allocateBuffers();
        QVERIFY(!copyWith(io, Op::Single, 0, 0, 512) && !copyWith(io, Op::Single, 0, 0, 10));
    }

    // A failed read, write or read-back ends the submissions: only the requests in flight finish, the
    // failing sector is exact, and everything before the reported stop is on the target.
    void pipelineStopsSubmittingAfterFailure()
    {
        enum Fault { SourceRead, TargetWrite, TargetReadBack };
        struct Case { Fault fault; CopyPipeline::Failure failure; uint64_t sector, reported; };
        for (const Case& c : {Case{SourceRead, CopyPipeline::Failure::Read, 300, 300}, Case{TargetWrite, CopyPipeline::Failure::Write, 700, 700},
                              Case{TargetReadBack, CopyPipeline::Failure::TargetRead, 1500, 1500}}) {
            Rig rig(4 * MiB, 4 * MiB);
            if (c.fault == SourceRead)
                rig.mp.failReadAtSector(rig.src, c.sector);
            else if (c.fault == TargetWrite)
                rig.mp.failWriteAtSector(rig.dst, c.sector);
            else
                rig.mp.failReadAtSector(rig.dst, c.sector);
            const std::unique_ptr<DeviceHandle> src = rig.mp.openDevice(MemoryPlatform::diskPath(rig.src), DeviceAccess::Read, DeviceFlags::None);
            const std::unique_ptr<DeviceHandle> dst =
                rig.mp.openDevice(MemoryPlatform::diskPath(rig.dst), DeviceAccess::ReadWrite, DeviceFlags::None);
            QVERIFY(src && dst);
            std::vector<AlignedBuffer> buffers;
            for (int i = 0; i < 8; ++i)
                buffers.emplace_back(64 * KiB, 4096);
            WatchedQueue queue(8);
            const std::atomic<bool> cancelled{false};
            CopyPipeline::Settings settings;
            settings.verify = c.fault == TargetReadBack;
            CopyPipeline pipeline(src.get(), dst.get(), queue, buffers, cancelled, settings);
            QVERIFY(!pipeline.run({{0, 0, 4 * MiB}}));
            QCOMPARE(pipeline.failure(), c.failure);
            QCOMPARE(pipeline.failureSector(), c.reported);
            QCOMPARE(queue.readsAfterFailure, 0);
            QCOMPARE(queue.inFlight(), size_t(0));
            const uint64_t intact = c.fault == TargetWrite ? c.sector * 512 : pipeline.stoppedAt();
            QVERIFY(pipeline.stoppedAt() <= std::max(intact, c.sector * 512));
            QVERIFY(sameRange(rig.mp.data(rig.dst), 0, rig.mp.data(rig.src), 0, intact));
        }
    }

    // Ranges join when they touch or overlap, in whatever order they come; a gap of one sector keeps them apart.
    void unreadableRangesJoin()
    {
        using Adds = std::vector<std::pair<uint64_t, uint64_t>>;
        struct Case { const char* name; Adds adds; const char* text; uint64_t count; };
        for (const Case& c : {Case{"apart", {{20, 1}, {10, 2}}, "10 2\n20 1\n", 3}, Case{"gap of one", {{10, 2}, {13, 1}}, "10 2\n13 1\n", 3},
                              Case{"touching after", {{10, 2}, {12, 3}}, "10 5\n", 5}, Case{"touching before", {{12, 3}, {10, 2}}, "10 5\n", 5},
                              Case{"inside", {{10, 10}, {12, 2}}, "10 10\n", 10},
                              Case{"bridges two", {{10, 2}, {14, 2}, {12, 2}}, "10 6\n", 6},
                              Case{"covers several", {{10, 1}, {14, 1}, {20, 1}, {30, 1}, {8, 20}}, "8 20\n30 1\n", 21},
                              Case{"ends where the next starts", {{5, 1}, {14, 1}, {8, 6}}, "5 1\n8 7\n", 8},
                              Case{"empty ones ignored", {{10, 0}, {11, 0}}, "", 0}}) {
            UnreadableMap map;
            for (const auto& [start, count] : c.adds)
                map.add(start, count);
            QVERIFY2(map.text() == QLatin1String(c.text), qPrintable(QStringLiteral("%1: %2").arg(c.name, map.text())));
            QVERIFY2(map.sectorCount() == c.count && map.isEmpty() == (c.count == 0), c.name);
        }
    }

    // Cancelled before the start nothing moves; at any write the copy stops within the requests in flight,
    // everything before the position it reports is on the target, and the flag stays set.
    void cancellation()
    {
        QTemporaryDir dir;
        LogCapture log;
        log.init(dir);
        for (int cancelAtWrite : {0, 1, 5, 17, 31}) {
            Rig rig(2 * MiB, 2 * MiB);
            DiskIO io;
            QVERIFY(rig.open(io, 64 * KiB));
            rig.mp.clearRecords();
            std::atomic<int> writes{0};
            rig.mp.setIoHook([&](const Event& e) {
                if (e.disk == rig.dst && e.write && ++writes == cancelAtWrite)
                    io.cancel();
            });
            if (cancelAtWrite == 0)
                io.cancel();
            log.mark();
            QVERIFY(!copyWith(io, Op::Single, 0, 0, 2 * MiB));
            rig.mp.setIoHook(nullptr);
            QVERIFY(writes <= cancelAtWrite + 8);
            QVERIFY(cancelAtWrite || (rig.mp.reads(rig.src).empty() && rig.mp.writes(rig.dst).empty()));
            const QRegularExpressionMatch m = QRegularExpression(QStringLiteral("stopped at source byte (\\d+)")).match(log.since());
            QVERIFY2(m.hasMatch(), qPrintable(log.since()));
            const uint64_t stopped = m.captured(1).toULongLong();
            QVERIFY(stopped <= 2 * MiB && sameRange(rig.mp.data(rig.dst), 0, rig.mp.data(rig.src), 0, stopped));
            QVERIFY(!copyWith(io, Op::Single, 0, 0, 4096));
        }
    }

    // Read-back after the copy: a clean copy counts every byte; a target byte changed behind the
    // copy's back fails it, naming that target sector.
    void verificationCatchesChangedTarget()
    {
        for (uint32_t dstSector : {512u, 4096u}) {
            Rig rig(2 * MiB, 2 * MiB, 512, 512, dstSector, dstSector);
            DiskIO io;
            QVERIFY(rig.open(io, 64 * KiB));
            io.setVerify(true);
            QSignalSpy verified(&io, &DiskIO::verifyProgressChanged);
            QVERIFY2(copyWith(io, Op::Single, 1000, 1000, 2 * MiB - 3000), qPrintable(io.lastError()));
            QVERIFY(io.verifiedBytes() == 2 * MiB - 3000 && !verified.isEmpty());
            const uint64_t changed = 777777;
            bool done = false;
            rig.mp.setIoHook([&](const Event& e) {
                if (e.disk == rig.dst && !e.write && !done && e.offset <= changed && changed < e.offset + e.length) {
                    done = true;
                    rig.mp.disk(rig.dst).data[changed] ^= 0x5A;
                }
            });
            QVERIFY(!copyWith(io, Op::Single, 1000, 1000, 2 * MiB - 3000));
            rig.mp.setIoHook(nullptr);
            QCOMPARE(io.lastError(), QStringLiteral("Verification failed: sector %1 of the target differs from the source").arg(changed / dstSector));
        }
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
        QCOMPARE(RawDisk::getDiskNumberForVolume(volName), n);
        for (const char* mount : {"E", "E:", "E:\\", "C:\\mnt\\data"})
            QCOMPARE(RawDisk::getVolumeNameForMountPoint(QString::fromLatin1(mount)), volName);
        QVERIFY(RawDisk::getVolumeNameForMountPoint(QStringLiteral("F:")).isEmpty());
    }

    // ---- the native backend: image files and loop devices, compared by hash ----

    void imageFilesThroughNativeBackend()
    {
        QTemporaryDir dir(QDir::tempPath() + QStringLiteral("/tessarin-diskio-XXXXXX"));
        QVERIFY(dir.isValid());
        const QString srcPath = dir.filePath(QStringLiteral("src.img")), dstPath = dir.filePath(QStringLiteral("dst.img"));
        const uint64_t size = 6 * MiB;
        QVERIFY(writeFileBytes(srcPath, 0, pattern(size, 21)));
        const QByteArray srcHash = contentHash(srcPath);

        DiskIO io;
        io.setBufferSize(1 * MiB);
        for (Op op : {Op::Single, Op::Extents}) {
            QVERIFY(makeSparseFile(dstPath, size));
            QVERIFY2(io.openSource(srcPath) && io.openTarget(dstPath), qPrintable(io.lastError()));
            QVERIFY2(copyWith(io, op, 0, 0, size), qPrintable(io.lastError()));
            io.close();
            QCOMPARE(contentHash(dstPath), srcHash);
        }
        // Odd offsets through the enclosing spans, and a one-sector write beside untouched bytes.
        QVERIFY(makeSparseFile(dstPath, size));
        QVERIFY(io.openSource(srcPath) && io.openTarget(dstPath));
        QVERIFY2(copyWith(io, Op::Single, 1000, 3000, size - 5000), qPrintable(io.lastError()));
        io.close();
        QCOMPARE(readFileBytes(dstPath, 3000, qint64(size - 5000)), readFileBytes(srcPath, 1000, qint64(size - 5000)));
        QVERIFY(readFileBytes(dstPath, 0, 3000) == QByteArray(3000, '\0') && readFileBytes(dstPath, qint64(size) - 2000, 2000) == QByteArray(2000, '\0'));

        // A smaller target fails cleanly and does not grow; the source under another name is refused.
        const QString small = dir.filePath(QStringLiteral("small.img")), link = dir.filePath(QStringLiteral("link.img"));
        QVERIFY(makeSparseFile(small, 1 * MiB));
        QVERIFY(linkFile(srcPath, link));
        QVERIFY(io.openSource(srcPath) && io.openTarget(small));
        QVERIFY(!copyWith(io, Op::Single, 0, 0, size));
        QCOMPARE(QFileInfo(small).size(), qint64(1 * MiB));
        QVERIFY(!io.openTarget(link));
        io.close();
        QCOMPARE(contentHash(srcPath), srcHash);
    }

    void loopDevicesWithBothSectorSizes()
    {
#ifndef Q_OS_LINUX
        QSKIP("loop devices are Linux's");
#else
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
        QVERIFY2(copyWith(io, Op::Single, 3 * 512, 5 * 512, size - 16 * 512), qPrintable(io.lastError()));
        io.close();
        const qint64 n = qint64(size - 16 * 512);
        QCOMPARE(readFileBytes(dstImg, 5 * 512, n), readFileBytes(srcImg, 3 * 512, n));
        QCOMPARE(readFileBytes(dstImg, 0, 5 * 512), QByteArray(5 * 512, '\0'));

        // And the whole device back the other way with the pipeline: the images end up identical.
        QVERIFY2(io.openSource(dstLoop.device()) && io.openTarget(srcLoop.device()), qPrintable(io.lastError()));
        io.setVerify(true);
        QVERIFY2(copyWith(io, Op::Single, 0, 0, size), qPrintable(io.lastError()));
        QCOMPARE(io.verifiedBytes(), size);
        io.close();
        QCOMPARE(contentHash(srcImg), contentHash(dstImg));
#endif
    }

    // A real block device that answers EIO in two ranges: by default the copy stops at the first bad
    // sector; going on, those sectors come out as zeros and exactly they are in the map.
    void unreadableSectorsOfRealDevice()
    {
#ifndef Q_OS_LINUX
        QSKIP("the failing device is a FUSE file under a Linux loop device");
#else
        QTemporaryDir dir(QDir::tempPath() + QStringLiteral("/tessarin-faulty-XXXXXX"));
        const uint64_t size = 4 * MiB;
        const QString srcImg = dir.filePath(QStringLiteral("src.img")), dstImg = dir.filePath(QStringLiteral("dst.img"));
        QByteArray expected = pattern(size, 44);
        QVERIFY(writeFileBytes(srcImg, 0, expected) && makeSparseFile(dstImg, size));
        const FaultyDevice faulty(srcImg, {{296 * 512, 16 * 512}, {1000 * 512, 8 * 512}});
        if (!faulty.isReady())
            QSKIP(qPrintable(faulty.skipReason()));
        for (bool goOn : {false, true}) {
            DiskIO io;
            io.setBufferSize(1 * MiB);
            io.setContinueOnReadErrors(goOn);
            io.setVerify(goOn);
            QVERIFY2(io.openSource(faulty.devicePath()) && io.openTarget(dstImg), qPrintable(io.lastError()));
            QCOMPARE(copyWith(io, Op::Single, 0, 0, size), goOn);
            QCOMPARE(io.unreadable().text(), QString::fromLatin1(goOn ? "296 16\n1000 8\n" : ""));
            QVERIFY2(goOn || io.lastError().startsWith(QLatin1String("Read failed at sector 296: ")), qPrintable(io.lastError()));
        }
        expected.replace(296 * 512, 16 * 512, QByteArray(16 * 512, '\0')).replace(1000 * 512, 8 * 512, QByteArray(8 * 512, '\0'));
        QCOMPARE(readFileBytes(dstImg, 0, qint64(size)), expected);
#endif
    }
};

QTEST_GUILESS_MAIN(DiskIOTest)
#include "tst_diskio.moc"
