// Copy plans with numbers: what a strategy would copy for given ranges and partitions, and the
// boot sector of a copy at its new place.
#include "modes/bootsectorpatch.h"
#include "modes/cloneplan.h"
#include "modes/copyplan.h"
#include "ondisk/byteorder.h"

#include <QTest>
#include <cstring>
#include <numeric>

using Extents = std::vector<CopyExtent>;
Q_DECLARE_METATYPE(Extents)
Q_DECLARE_METATYPE(SectorRanges)
using Ranges = std::vector<ByteRange>;
Q_DECLARE_METATYPE(Ranges)
Q_DECLARE_METATYPE(ClonePlan::Method)
Q_DECLARE_METATYPE(ByteRange)

static bool operator==(const CopyExtent& a, const CopyExtent& b)
{
    return a.sourceOffset == b.sourceOffset && a.targetOffset == b.targetOffset && a.length == b.length;
}

static bool operator==(const ByteRange& a, const ByteRange& b) { return a.offset == b.offset && a.length == b.length; }

constexpr uint64_t MiB = 1048576;

class TestCopyPlan : public QObject {
    Q_OBJECT
private slots:
    // A partition of 64 MiB at 1 MiB (target 2 MiB further on): metadata region first, then the
    // ranges, merged where both sides run on, widened to device sectors, refused when outside.
    void usedRanges_data()
    {
        QTest::addColumn<uint32_t>("sectorSize");
        QTest::addColumn<uint32_t>("cluster");
        QTest::addColumn<SectorRanges>("ranges");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<Extents>("expected");
        const uint64_t s = MiB, t = 3 * MiB;
        QTest::newRow("metadata only") << 512u << 4096u << SectorRanges{} << true << Extents{{s, t, MiB}};
        QTest::newRow("256 big clusters") << 512u << 65536u << SectorRanges{} << true << Extents{{s, t, 16 * MiB}};
        QTest::newRow("range inside metadata") << 512u << 4096u << SectorRanges{{8, 8}} << true << Extents{{s, t, MiB}};
        QTest::newRow("touching and apart") << 512u << 4096u << SectorRanges{{2048, 8}, {2056, 8}, {4096, 1}} << true
                                            << Extents{{s, t, MiB + 8192}, {s + 2 * MiB, t + 2 * MiB, 512}};
        QTest::newRow("4Kn widened") << 4096u << 4096u << SectorRanges{{4097, 1}} << true
                                     << Extents{{s, t, MiB}, {s + 2 * MiB, t + 2 * MiB, 4096}};
        QTest::newRow("last sector") << 512u << 4096u << SectorRanges{{131071, 1}} << true
                                     << Extents{{s, t, MiB}, {s + 64 * MiB - 512, t + 64 * MiB - 512, 512}};
        QTest::newRow("beyond the partition") << 512u << 4096u << SectorRanges{{131071, 2}} << false << Extents{};
        QTest::newRow("huge count") << 512u << 4096u << SectorRanges{{16, ~uint64_t(0) - 8}} << false << Extents{};
    }
    void usedRanges()
    {
        QFETCH(uint32_t, sectorSize);
        QFETCH(uint32_t, cluster);
        QFETCH(SectorRanges, ranges);
        QFETCH(bool, accepted);
        QFETCH(Extents, expected);
        CopyPlan plan(sectorSize);
        QCOMPARE(plan.addUsed(MiB, 3 * MiB, 64 * MiB, ranges, cluster), accepted);
        QCOMPARE(plan.extents(), expected);
        QCOMPARE(plan.totalBytes(), std::accumulate(expected.begin(), expected.end(), uint64_t(0),
                                                    [](uint64_t sum, const CopyExtent& e) { return sum + e.length; }));
    }

    // Extents added out of order: overlapping and touching ones with the same shift become one;
    // a different shift never merges, even when the source ranges touch.
    void merging()
    {
        CopyPlan plan;
        plan.addInPlace(10 * MiB, MiB);
        plan.addInPlace(0, MiB);
        plan.addInPlace(MiB / 2, MiB);
        plan.addInPlace(3 * MiB / 2, MiB / 2);
        plan.add(11 * MiB, 20 * MiB, MiB);
        const Extents expected{{0, 0, 2 * MiB}, {10 * MiB, 10 * MiB, MiB}, {11 * MiB, 20 * MiB, MiB}};
        QCOMPARE(plan.extents(), expected);
        QCOMPARE(plan.totalBytes(), 4 * MiB);
    }

    void bootCritical_data()
    {
        QTest::addColumn<PartitionInfo>("partition");
        QTest::addColumn<bool>("windows");
        QTest::addColumn<bool>("critical");
        auto part = [](const QString& type, uint64_t size, Tessarin::FileSystemType fs, const QString& label) {
            PartitionInfo p;
            p.diskNumber = 0;
            p.typeGuid = type;
            p.size = size;
            p.fileSystem = fs;
            p.label = label;
            return p;
        };
        using FS = Tessarin::FileSystemType;
        const QString basic = QStringLiteral("{EBD0A0A2-B9E5-4433-87C0-68B6B72699C7}");
        QTest::newRow("data") << part(basic, 100 * MiB, FS::NTFS, "Data") << false << false;
        QTest::newRow("windows volume") << part(basic, 100 * MiB, FS::NTFS, "Data") << true << true;
        QTest::newRow("msr") << part("{E3C9E316-0B5C-4DB8-817D-F92DF00215AE}", 16 * MiB, FS::Unknown, "") << false << true;
        PartitionInfo recovery = part(basic, 500 * MiB, FS::NTFS, "");
        recovery.isRecovery = true;
        QTest::newRow("recovery") << recovery << false << true;
    }
    void bootCritical()
    {
        QFETCH(PartitionInfo, partition);
        QFETCH(bool, windows);
        QFETCH(bool, critical);
        QCOMPARE(CopyPlan::isBootCritical(partition, windows), critical);
    }

    // The boot sector counts its hidden sectors in its own sector size: an offset that is no whole
    // number of them is refused with the sector unchanged.
    void hiddenSectorUnits_data()
    {
        QTest::addColumn<int>("bytesPerSector");
        QTest::addColumn<qint64>("offset");
        QTest::addColumn<quint32>("hidden");  // 0: refused
        QTest::newRow("512 at 1 MiB") << 512 << qint64(MiB) << 2048u;
        QTest::newRow("4096 at 1 MiB") << 4096 << qint64(MiB) << 256u;
        QTest::newRow("4096 at 1 MiB + 512") << 4096 << qint64(MiB + 512) << 0u;
        QTest::newRow("512 beyond 32 bits") << 512 << (qint64(1) << 41) << 0u;
    }
    void hiddenSectorUnits()
    {
        QFETCH(int, bytesPerSector);
        QFETCH(qint64, offset);
        QFETCH(quint32, hidden);
        QByteArray sector(512, '\0');
        auto* s = reinterpret_cast<uint8_t*>(sector.data());
        std::memcpy(s + 3, "NTFS    ", 8);
        ByteOrder::put16(s + 11, uint16_t(bytesPerSector));
        ByteOrder::put32(s + 28, 63);
        const QByteArray before = sector;
        BootSectorPatch::Result r;
        QCOMPARE(BootSectorPatch::apply(s, uint64_t(offset), 8 * MiB, r), hidden != 0);
        QVERIFY(hidden ? ByteOrder::get32(s + 28) == hidden : sector == before);
    }

    // A partition of 64 MiB at 1 MiB on the target: its metadata, an odd-sized piece and its last
    // sector are copied; the rest of its span, cut inward to whole target sectors, may be discarded,
    // and nothing the plan writes anywhere (another copy's extent too) or outside a smart span.
    void unwrittenRanges_data()
    {
        QTest::addColumn<ClonePlan::Method>("method");
        QTest::addColumn<ByteRange>("span");
        QTest::addColumn<Extents>("otherCopy");
        QTest::addColumn<uint32_t>("sector");
        QTest::addColumn<Ranges>("expected");
        using M = ClonePlan::Method;
        const ByteRange span{MiB, 64 * MiB};
        const Extents table{{0, 0, MiB}};
        QTest::newRow("smart, 512") << M::Smart << span << table << 512u
                                    << Ranges{{2 * MiB, 3 * MiB}, {5 * MiB + 1536, 60 * MiB - 2048}};
        QTest::newRow("smart, 4Kn cut inward") << M::Smart << span << table << 4096u
                                               << Ranges{{2 * MiB, 3 * MiB}, {5 * MiB + 4096, 60 * MiB - 8192}};
        QTest::newRow("another copy inside the span") << M::Smart << span << Extents{{0, 30 * MiB, MiB}} << 512u
                                                      << Ranges{{2 * MiB, 3 * MiB}, {5 * MiB + 1536, 25 * MiB - 1536},
                                                                {31 * MiB, 34 * MiB - 512}};
        QTest::newRow("span written whole") << M::Smart << span << Extents{{0, 0, 66 * MiB}} << 512u << Ranges{};
        QTest::newRow("full copy") << M::Full << span << table << 512u << Ranges{};
        QTest::newRow("no span") << M::Smart << ByteRange{} << table << 512u << Ranges{};
    }
    void unwrittenRanges()
    {
        QFETCH(ClonePlan::Method, method);
        QFETCH(ByteRange, span);
        QFETCH(Extents, otherCopy);
        QFETCH(uint32_t, sector);
        QFETCH(Ranges, expected);
        ClonePlan plan;
        const Extents copied{{MiB, MiB, MiB}, {5 * MiB + 100, 5 * MiB + 100, 1000}, {65 * MiB - 512, 65 * MiB - 512, 512}};
        plan.copies.append({QStringLiteral("data"), method, 0, false, copied, 0, span});
        plan.copies.append({QStringLiteral("other"), ClonePlan::Method::Full, -1, true, otherCopy, 0, {}});
        const Ranges ranges = plan.unwrittenRanges(sector);
        QCOMPARE(ranges, expected);
        QCOMPARE(ClonePlan::lengthOf(ranges), std::accumulate(expected.begin(), expected.end(), uint64_t(0),
                                                              [](uint64_t sum, const ByteRange& r) { return sum + r.length; }));
    }
};

QTEST_GUILESS_MAIN(TestCopyPlan)
#include "tst_copyplan.moc"
