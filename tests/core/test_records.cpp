#include "core/cloneconfig.h"
#include "core/cloneprogress.h"
#include "core/tessarin.h"

#include <QtTest>

using namespace Tessarin;

class TestRecords : public QObject {
    Q_OBJECT
private slots:
    void formatSizeBoundaries_data()
    {
        QTest::addColumn<quint64>("bytes");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<QString>("text");
        QTest::newRow("1023") << quint64(1023) << 2 << "1023 B";
        QTest::newRow("1024") << quint64(1024) << 2 << "1.00 KB";
        QTest::newRow("below MB") << quint64(1048575) << 2 << "1024.00 KB";
        QTest::newRow("GB") << quint64(3) * 1073741824ull / 2 << 2 << "1.50 GB";
        QTest::newRow("TB, no decimals") << (quint64(5) << 40) << 0 << "5 TB";
    }
    void formatSizeBoundaries()
    {
        QFETCH(quint64, bytes);
        QFETCH(int, decimals);
        QFETCH(QString, text);
        QCOMPARE(formatSize(bytes, decimals), text);
    }

    // Requests that would copy onto the source, or onto too small a disk, never pass.
    void validation_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("targetDisk");
        QTest::addColumn<quint64>("targetSize");
        QTest::addColumn<int>("targetPartition");  // 0: none
        QTest::addColumn<bool>("sectorBySector");
        QTest::addColumn<bool>("valid");
        const int disk = int(CloneModeType::DiskClone), sys = int(CloneModeType::SystemClone),
                  part = int(CloneModeType::PartitionClone);
        QTest::newRow("disk ok") << disk << 1 << quint64(1000) << 0 << false << true;
        QTest::newRow("disk onto itself") << disk << 0 << quint64(1000) << 0 << false << false;
        QTest::newRow("disk too small") << disk << 1 << quint64(999) << 0 << false << false;
        QTest::newRow("system smaller") << sys << 1 << quint64(999) << 0 << false << true;
        QTest::newRow("system sector copy smaller") << sys << 1 << quint64(999) << 0 << true << false;
        QTest::newRow("partition to other disk") << part << 1 << quint64(5000) << 0 << false << true;
        QTest::newRow("partition same disk free space") << part << 0 << quint64(5000) << 0 << false << false;
        QTest::newRow("partition onto itself") << part << 0 << quint64(5000) << 2 << false << false;
        QTest::newRow("partition onto neighbour") << part << 0 << quint64(5000) << 3 << false << true;
    }
    void validation()
    {
        QFETCH(int, mode);
        QFETCH(int, targetDisk);
        QFETCH(quint64, targetSize);
        QFETCH(int, targetPartition);
        QFETCH(bool, sectorBySector);
        QFETCH(bool, valid);
        CloneConfig c;
        c.mode = CloneModeType(mode);
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

    void progressCrossesThreadsAsMetaType()
    {
        registerMetaTypes();
        CloneProgress p;
        p.totalBytes = 400;
        p.copiedBytes = 900;
        QCOMPARE(p.percentage(), 100.0);  // never above 100
        const QVariant v = QVariant::fromValue(p);
        QCOMPARE(v.value<CloneProgress>().copiedBytes, quint64(900));
        QVERIFY(QMetaType::fromName("Tessarin::CloneStatus").isValid());
    }
};

QTEST_GUILESS_MAIN(TestRecords)
#include "test_records.moc"
