// Which volumes of a target a run locks, and which it refuses to write beside: on in-memory disks.
#include "common/memoryplatform.h"
#include "core/clonepreflight.h"
#include "core/diskio.h"

#include <QtTest>

namespace {
constexpr uint64_t MiB = 1024 * 1024;

struct Disks {
    Disks()
    {
        src = mp.addDisk(4 * MiB);
        dst = mp.addDisk(4 * MiB);
    }
    MemoryPlatform mp;
    ScopedPlatform scope{&mp};
    int src = -1, dst = -1;
};
} // namespace

class TargetLocksTest : public QObject {
    Q_OBJECT
private slots:
    // A run that writes one range of the target locks and dismounts only the volumes there: a
    // mounted volume beside it keeps its files open, and one that someone else holds does not stop it.
    void onlyVolumesInTheWrittenRangeAreLocked()
    {
        Disks rig;
        const std::string mounted = "\\\\?\\Volume{a}\\", written = "\\\\?\\Volume{b}\\", held = "\\\\?\\Volume{c}\\";
        rig.mp.addVolume(mounted, rig.dst, 1 * MiB, 1 * MiB).mountPaths = {"E:\\"};
        rig.mp.addVolume(written, rig.dst, 2 * MiB, 1 * MiB);
        rig.mp.addVolume(held, rig.dst, 3 * MiB, 1 * MiB).lockedElsewhere = true;
        DiskIO io;
        QVERIFY2(io.openSourceDisk(rig.src) && io.openTargetDisk(rig.dst, ByteRange{2 * MiB, 1 * MiB}),
                 qPrintable(io.lastError()));
        QCOMPARE(rig.mp.volume(written).lockCount, 1);
        QCOMPARE(rig.mp.volume(mounted).lockCount + rig.mp.volume(mounted).dismountCount, 0);
        QCOMPARE(rig.mp.volume(held).dismountCount, 0);
        io.close();
        QCOMPARE(rig.mp.volume(written).lockCount, 0);
    }

    // Whether a volume lies on the target is asked without access rights, so a volume someone else
    // locked still tells; one that cannot tell refuses the run; one on no disk at all is no concern.
    void volumeThatCannotTellWhereItLiesIsRefused_data()
    {
        QTest::addColumn<bool>("lockedElsewhere");
        QTest::addColumn<uint32_t>("extentsError");
        QTest::addColumn<QString>("refusal");
        QTest::newRow("locked by another program") << true << 0u << QStringLiteral("is in use");
        QTest::newRow("extents unreadable") << false << PlatformError::AccessDenied << QStringLiteral("cannot tell");
        QTest::newRow("on no disk") << false << PlatformError::InvalidFunction << QString();
        QTest::newRow("drive without its medium") << false << PlatformError::NotReady << QString();
    }
    void volumeThatCannotTellWhereItLiesIsRefused()
    {
        QFETCH(bool, lockedElsewhere);
        QFETCH(uint32_t, extentsError);
        QFETCH(QString, refusal);
        Disks rig;
        const std::string vol = "\\\\?\\Volume{d}\\";
        MemoryVolume& v = rig.mp.addVolume(vol, rig.dst, 1 * MiB, 1 * MiB);
        v.lockedElsewhere = lockedElsewhere;
        v.extentsError = extentsError;
        QString error;
        const bool passed = ClonePreflight::check(ClonePreflight::wholeDisk(rig.src), ClonePreflight::wholeDisk(rig.dst), error);
        QVERIFY2(passed == refusal.isEmpty() && error.contains(refusal), qPrintable(error));
        DiskIO io;
        QCOMPARE(io.openTargetDisk(rig.dst), refusal.isEmpty());
        QCOMPARE(rig.mp.volume(vol).dismountCount, 0);
    }
};

QTEST_GUILESS_MAIN(TargetLocksTest)
#include "tst_targetlocks.moc"
