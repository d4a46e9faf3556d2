#include "ui/wizardstate.h"

#include <QtTest>

using Mode = Tessarin::CloneModeType;

namespace {
DiskInfo disk(int number, uint64_t gib, int partitions = 0)
{
    DiskInfo d;
    d.diskNumber = number;
    d.size = gib << 30;
    for (int i = 1; i <= partitions; ++i) {
        PartitionInfo p;
        p.diskNumber = number;
        p.partitionNumber = i;
        p.size = 1ull << 30;
        d.partitions << p;
    }
    return d;
}
}

class TestWizardState : public QObject {
    Q_OBJECT
private slots:
    // Which step may be left with which choices; a source or target of -1 is not chosen.
    void stepChecks_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("source");
        QTest::addColumn<int>("target");
        QTest::addColumn<int>("step");
        QTest::addColumn<QString>("reason");
        const int disk = int(Mode::DiskClone), system = int(Mode::SystemClone), part = int(Mode::PartitionClone);
        QTest::newRow("disk, nothing") << disk << -1 << -1 << 0 << "Please select a source disk.";
        QTest::newRow("disk, source") << disk << 0 << -1 << 0 << "";
        QTest::newRow("disk, no target") << disk << 0 << -1 << 1 << "Please select a target disk.";
        QTest::newRow("disk, target is the source") << disk << 0 << 0 << 1 << "Please select a target disk.";
        QTest::newRow("disk, target") << disk << 0 << 1 << 1 << "";
        QTest::newRow("disk, smaller target") << disk << 1 << 2 << 2 << "Target disk is smaller than source disk";
        QTest::newRow("disk, start") << disk << 0 << 1 << 2 << "";
        QTest::newRow("system, start") << system << 1 << 2 << 2 << "";
        QTest::newRow("partition, nothing") << part << -1 << -1 << 0 << "Please select a source partition.";
        QTest::newRow("partition, start") << part << 0 << 2 << 2 << "";
    }

    void stepChecks()
    {
        QFETCH(int, mode);
        QFETCH(int, source);
        QFETCH(int, target);
        QFETCH(int, step);
        QFETCH(QString, reason);
        const QList<DiskInfo> disks{disk(0, 8, 2), disk(1, 16, 3), disk(2, 12)};
        WizardState state;
        state.setMode(Mode(mode));
        if (source >= 0 && state.isPartitionMode())
            state.chooseSourcePartition(disks[source].partitions[0]);
        else if (source >= 0)
            state.chooseSourceDisk(disks[source]);
        if (target >= 0)
            state.chooseTarget(disks[target]);
        QCOMPARE(state.check(step), reason);
    }

    // The disk of the running system is never offered, never passes the target step, and a request
    // aimed at it is refused in every mode.
    void systemDiskIsNeverATarget()
    {
        DiskInfo system = disk(2, 32);
        system.isSystemDisk = true;
        QVERIFY(WizardState::offeredAsTarget(disk(2, 32), 0));
        QVERIFY(!WizardState::offeredAsTarget(system, 0));
        for (Mode mode : {Mode::DiskClone, Mode::SystemClone, Mode::PartitionClone}) {
            WizardState state;
            state.setMode(mode);
            const DiskInfo source = disk(0, 8, 2);
            state.chooseSourceDisk(source);
            state.chooseSourcePartition(source.partitions[0]);
            state.chooseTarget(disk(2, 32));
            QString error;
            QVERIFY2(state.config().validate(error), qPrintable(error));
            state.chooseTarget(system);
            QCOMPARE(state.check(WizardState::TargetStep), QStringLiteral("Please select a target disk."));
            QVERIFY(!state.config().validate(error));
        }
    }

    // The request carries only what the mode uses, and the options as chosen.
    void configFollowsTheMode()
    {
        WizardState state;
        state.chooseSourceDisk(disk(0, 8, 2));
        state.chooseSourcePartition(disk(0, 8, 2).partitions[1]);
        state.chooseTarget(disk(1, 16));
        state.setCopyOptions(false, true, true);
        state.setTargetBootMode(Tessarin::TargetBootMode::Legacy);
        state.setSpaceAllocation(Tessarin::ResizeMode::ExpandSystem, QStringLiteral("Media"));

        state.setMode(Mode::SystemClone);
        CloneConfig c = state.config();
        QVERIFY(c.sourceDisk.diskNumber == 0 && !c.sourcePartition.isValid() && c.targetDisk.diskNumber == 1);
        QVERIFY(c.fixBoot && c.sectorBySector && !c.smartClone);
        QVERIFY(c.targetBootMode == Tessarin::TargetBootMode::Legacy && c.resizeMode == Tessarin::ResizeMode::ExpandSystem);
        QCOMPARE(c.dataPartitionLabel, QStringLiteral("Media"));
        QVERIFY(c.id != state.config().id);  // every request is a new one
        state.setMode(Mode::DiskClone);
        c = state.config();
        QVERIFY(c.resizeMode == CloneConfig().resizeMode && c.targetBootMode == CloneConfig().targetBootMode);
        state.setMode(Mode::PartitionClone);
        c = state.config();
        QVERIFY(!c.sourceDisk.isValid() && c.sourcePartition.partitionNumber == 2 && !c.fixBoot);
    }

    // A new source drops the target; a new enumeration refreshes what is there and forgets the rest.
    void choicesFollowSourceAndDiskList()
    {
        WizardState state;
        state.setMode(Mode::PartitionClone);
        state.chooseSourcePartition(disk(1, 16, 3).partitions[2]);
        QCOMPARE(state.sourceDiskNumber(), 1);
        state.chooseTarget(disk(0, 8));
        state.chooseSourcePartition(disk(1, 16, 3).partitions[0]);
        QVERIFY(!state.targetDisk().isValid());

        state.setMode(Mode::DiskClone);
        state.chooseSourceDisk(disk(0, 8));
        state.chooseTarget(disk(2, 12));
        QCOMPARE(state.check(1), QString());
        DiskInfo grown = disk(2, 20);
        state.updateDisks({disk(0, 8), grown});
        QCOMPARE(state.targetDisk().size, grown.size);
        QCOMPARE(state.sourcePartition().diskNumber, -1);  // disk 1 left
        state.updateDisks({grown});
        QCOMPARE(state.check(0), QStringLiteral("Please select a source disk."));
    }
};

QTEST_GUILESS_MAIN(TestWizardState)
#include "test_wizardstate.moc"
