#include "core/cloneconfig.h"
#include "core/cloneprogress.h"
#include "core/diskinfo.h"
#include "core/tessarin.h"

#include <QtTest>

using namespace Tessarin;

namespace {
DiskInfo disk(int n, uint64_t size)
{
    DiskInfo d;
    d.diskNumber = n;
    d.size = size;
    return d;
}

PartitionInfo part(int disk, int number, uint64_t size)
{
    PartitionInfo p;
    p.diskNumber = disk;
    p.partitionNumber = number;
    p.size = size;
    return p;
}
}

class TestRecords : public QObject {
    Q_OBJECT
private slots:
    void formatSizeBoundaries_data()
    {
        QTest::addColumn<quint64>("bytes");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<QString>("text");
        QTest::newRow("zero") << quint64(0) << 2 << "0 B";
        QTest::newRow("1023") << quint64(1023) << 2 << "1023 B";
        QTest::newRow("1024") << quint64(1024) << 2 << "1.00 KB";
        QTest::newRow("1.5KB") << quint64(1536) << 1 << "1.5 KB";
        QTest::newRow("below MB") << quint64(1048575) << 2 << "1024.00 KB";
        QTest::newRow("MB") << quint64(1048576) << 2 << "1.00 MB";
        QTest::newRow("GB") << quint64(3) * 1073741824ull / 2 << 2 << "1.50 GB";
        QTest::newRow("TB") << (quint64(1) << 40) << 2 << "1.00 TB";
        QTest::newRow("no decimals") << (quint64(5) << 40) << 0 << "5 TB";
    }
    void formatSizeBoundaries()
    {
        QFETCH(quint64, bytes);
        QFETCH(int, decimals);
        QFETCH(QString, text);
        QCOMPARE(formatSize(bytes, decimals), text);
    }

    void displayNames()
    {
        DiskInfo d = disk(3, 1);
        QCOMPARE(d.displayName(), QStringLiteral("Disk 3"));
        d.model = QStringLiteral("Acme SSD");
        QCOMPARE(d.displayName(), QStringLiteral("Disk 3 - Acme SSD"));
        d.size = 2 * 1073741824ull;
        QCOMPARE(d.sizeString(), QStringLiteral("2.00 GB"));

        PartitionInfo p = part(0, 4, 1);
        QCOMPARE(p.displayName(), QStringLiteral("Partition 4"));
        p.isSystem = true;
        QCOMPARE(p.displayName(), QStringLiteral("System Reserved"));
        p.isRecovery = true;
        QCOMPARE(p.displayName(), QStringLiteral("Recovery Partition"));
        p.isEfi = true;
        QCOMPARE(p.displayName(), QStringLiteral("EFI System Partition"));
        p.label = QStringLiteral("Data");
        QCOMPARE(p.displayName(), QStringLiteral("Data"));
        p.driveLetter = QStringLiteral("D:");
        QCOMPARE(p.displayName(), QStringLiteral("D: (Data)"));
        p.label.clear();
        QCOMPARE(p.displayName(), QStringLiteral("D:"));
    }

    void percentages()
    {
        PartitionInfo p;
        QCOMPARE(p.usagePercent(), 0.0);
        p.size = 200;
        p.usedSpace = 50;
        QCOMPARE(p.usagePercent(), 25.0);

        CloneProgress c;
        QCOMPARE(c.percentage(), 0.0);
        c.totalBytes = 400;
        c.copiedBytes = 100;
        QCOMPARE(c.percentage(), 25.0);
        c.copiedBytes = 900;
        QCOMPARE(c.percentage(), 100.0);
        c.status = Failed;
        c.errorMessage = QStringLiteral("x");
        c.reset();
        QCOMPARE(c.status, Idle);
        QCOMPARE(c.totalBytes, quint64(0));
        QVERIFY(c.errorMessage.isEmpty());
        QVERIFY(c.startTime.isValid());
    }

    void statusAndModeTexts()
    {
        QCOMPARE(statusText(Idle), QStringLiteral("Idle"));
        QCOMPARE(statusText(RepairingBoot), QStringLiteral("Repairing boot configuration"));
        QCOMPARE(statusText(Cancelled), QStringLiteral("Cancelled"));
        QCOMPARE(statusText(42), QStringLiteral("Unknown"));
        CloneConfig c;
        QCOMPARE(c.resizeModeName(), QStringLiteral("Keep Original + Create Data Partition"));
        c.resizeMode = ResizeMode::ExpandSystem;
        QCOMPARE(c.resizeModeName(), QStringLiteral("Expand System Partition"));
        c.resizeMode = static_cast<ResizeMode>(9);
        QVERIFY(c.resizeModeName().isEmpty());
    }

    void configDefaults()
    {
        CloneConfig a, b;
        QVERIFY(!a.id.isEmpty());
        QVERIFY(!a.id.startsWith(QLatin1Char('{')));
        QVERIFY(a.id != b.id);
        QVERIFY(a.smartClone && a.align4K && a.fixBoot && !a.sectorBySector);
        QCOMPARE(a.dataPartitionLabel, QStringLiteral("Data"));
        QCOMPARE(a.targetBootMode, TargetBootMode::Uefi);
        QVERIFY(a.createdAt.isValid());
        QVERIFY(!a.sourceDisk.isValid());
    }

    void validateDiskAndSystemClone()
    {
        CloneConfig c;
        QString error;
        QVERIFY(!c.validate(error));
        QCOMPARE(error, QStringLiteral("Source disk is not valid"));
        c.sourceDisk = disk(0, 1000);
        QVERIFY(!c.validate(error));
        QCOMPARE(error, QStringLiteral("Target disk is not valid"));
        c.targetDisk = disk(0, 1000);
        QVERIFY(!c.validate(error));
        QCOMPARE(error, QStringLiteral("Source and target disk cannot be the same"));
        c.targetDisk = disk(1, 999);
        QVERIFY(!c.validate(error));
        QCOMPARE(error, QStringLiteral("Target disk is smaller than source disk"));
        c.targetDisk.size = 1000;
        QVERIFY(c.validate(error));

        c.mode = CloneModeType::SystemClone;
        c.targetDisk.size = 999;
        QVERIFY(c.validate(error));
        c.sectorBySector = true;
        QVERIFY(!c.validate(error));
        QCOMPARE(error, QStringLiteral("Sector-by-sector system clone requires a target disk that is not smaller than the source disk"));
    }

    void validatePartitionClone()
    {
        CloneConfig c;
        c.mode = CloneModeType::PartitionClone;
        QString error;
        QVERIFY(!c.validate(error));
        QCOMPARE(error, QStringLiteral("Source partition is not valid"));
        c.sourcePartition = part(1, 2, 100);
        QVERIFY(!c.validate(error));
        QCOMPARE(error, QStringLiteral("Target disk or partition is not valid"));
        c.targetDisk = disk(1, 5000);
        QVERIFY(!c.validate(error));
        QCOMPARE(error, QStringLiteral("Source partition and target disk cannot be on the same disk"));
        c.targetPartition = part(1, 2, 100);
        QVERIFY(!c.validate(error));
        QCOMPARE(error, QStringLiteral("Source and target partition cannot be the same"));
        c.targetPartition.partitionNumber = 3;
        QVERIFY(c.validate(error));
        c.targetPartition = PartitionInfo();
        c.targetDisk = disk(2, 5000);
        QVERIFY(c.validate(error));
    }

    void recordsCrossThreadsAsMetaTypes()
    {
        registerMetaTypes();
        QVERIFY(QMetaType::fromName("CloneProgress").isValid());
        QVERIFY(QMetaType::fromName("Tessarin::CloneStatus").isValid());
        QVERIFY(QMetaType::fromName("SystemCloneMode::ResizeMode").isValid());
        CloneProgress p;
        p.copiedBytes = 7;
        const QVariant v = QVariant::fromValue(p);
        QCOMPARE(v.value<CloneProgress>().copiedBytes, quint64(7));
    }
};

QTEST_GUILESS_MAIN(TestRecords)
#include "test_records.moc"
