#include "core/cloneconfig.h"
#include "core/cloneprogress.h"
#include "core/tessarin.h"

#include <QtTest>

using namespace Tessarin;

class TestRecords : public QObject {
    Q_OBJECT
private slots:
    // Requests that would copy onto the source, or onto too small a disk, never pass.
    void validation_data()
    {
        QTest::addColumn<CloneModeType>("mode");
        QTest::addColumn<int>("targetDisk");
        QTest::addColumn<quint64>("targetSize");
        QTest::addColumn<int>("targetPartition");  // 0: none
        QTest::addColumn<bool>("sectorBySector");
        QTest::addColumn<bool>("valid");
        using M = CloneModeType;
        QTest::newRow("disk ok") << M::DiskClone << 1 << quint64(1000) << 0 << false << true;
        QTest::newRow("system smaller") << M::SystemClone << 1 << quint64(999) << 0 << false << true;
        QTest::newRow("system sector copy smaller") << M::SystemClone << 1 << quint64(999) << 0 << true << false;
        QTest::newRow("partition to other disk") << M::PartitionClone << 1 << quint64(5000) << 0 << false << true;
        QTest::newRow("partition same disk free space") << M::PartitionClone << 0 << quint64(5000) << 0 << false << false;
        QTest::newRow("partition onto itself") << M::PartitionClone << 0 << quint64(5000) << 2 << false << false;
        QTest::newRow("partition onto neighbour") << M::PartitionClone << 0 << quint64(5000) << 3 << false << true;
    }
    void validation()
    {
        QFETCH(CloneModeType, mode);
        QFETCH(int, targetDisk);
        QFETCH(quint64, targetSize);
        QFETCH(int, targetPartition);
        QFETCH(bool, sectorBySector);
        QFETCH(bool, valid);
        CloneConfig c;
        c.mode = mode;
        c.sourceDisk.diskNumber = 0;
        c.sourceDisk.size = 1000;
        c.targetDisk.diskNumber = targetDisk;
        c.targetDisk.size = targetSize;
        c.sectorBySector = sectorBySector;
        c.sourcePartition.diskNumber = 0;
        c.sourcePartition.partitionNumber = 2;
        c.sourcePartition.size = 100;
        if (targetPartition) {
            c.targetPartition.diskNumber = targetDisk;
            c.targetPartition.partitionNumber = targetPartition;
            c.targetPartition.size = 100;
        }
        QString error;
        QCOMPARE(c.validate(error), valid);
        QCOMPARE(error.isEmpty(), valid);
    }

    void progressNeverAboveAHundredPercent()
    {
        CloneProgress p;
        p.totalBytes = 400;
        p.copiedBytes = 900;
        QCOMPARE(p.percentage(), 100.0);
    }
};

QTEST_GUILESS_MAIN(TestRecords)
#include "test_records.moc"
