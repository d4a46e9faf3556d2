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

constexpr uint64_t MiB = 1ull << 20;

// A disk whose partitions follow each other from 1 MiB, with the given sizes in MiB.
DiskInfo laidOut(int number, uint64_t mib, Tessarin::PartitionStyle style, QList<uint64_t> sizes)
{
    DiskInfo d;
    d.diskNumber = number;
    d.size = mib * MiB;
    d.partitionStyle = style;
    uint64_t at = MiB;
    for (int i = 0; i < sizes.size(); ++i) {
        PartitionInfo p;
        p.diskNumber = number;
        p.partitionNumber = i + 1;
        p.start512 = at / PartitionInfo::Unit;
        p.size = sizes[i] * MiB;
        p.label = QStringLiteral("Vol%1_%2").arg(number).arg(i + 1);
        at += p.size;
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

    // Each place on the target makes its own request, or is refused with the reason; the source is
    // disk 0's 2 GiB partition 1.
    void targetPlaces_data()
    {
        QTest::addColumn<int>("target");
        QTest::addColumn<int>("place");
        QTest::addColumn<int>("disk");  // of the chosen target partition
        QTest::addColumn<int>("partition");
        QTest::addColumn<QString>("reason");
        const int whole = int(Place::WholeDisk), free = int(Place::FreeRegion), part = int(Place::Partition);
        QTest::newRow("whole disk") << 1 << whole << -1 << 0 << "";
        QTest::newRow("free region") << 1 << free << -1 << 0 << "";
        QTest::newRow("free region of an MBR disk") << 3 << free << -1 << 0 << "";
        QTest::newRow("free region too small") << 2 << free << -1 << 0
                                               << "Disk 2 has no free region large enough for the source partition.";
        QTest::newRow("no table, no free region") << 4 << free << -1 << 0
                                                  << "Disk 4 has no free region large enough for the source partition.";
        QTest::newRow("partition") << 1 << part << 1 << 2 << "";
        QTest::newRow("partition too small") << 1 << part << 1 << 1 << NoPartition;
        QTest::newRow("partition of the source disk") << 1 << part << 0 << 2 << NoPartition;
        QTest::newRow("mounted partition") << 1 << part << 1 << 3 << NoPartition;
        QTest::newRow("no partition") << 1 << part << -1 << 0 << NoPartition;
    }

    void targetPlaces()
    {
        QFETCH(int, target);
        QFETCH(int, place);
        QFETCH(int, disk);
        QFETCH(int, partition);
        QFETCH(QString, reason);
        const QList<DiskInfo> disks = placeDisks();
        WizardState state;
        state.setMode(Mode::PartitionClone);
        state.chooseSourcePartition(disks[0].partitions[0]);
        state.chooseTarget(disks[target]);
        const PartitionInfo chosen = disk >= 0 ? disks[disk].partitions[partition - 1] : PartitionInfo();
        state.chooseTargetPlace(Place(place), chosen);
        QCOMPARE(state.check(WizardState::OptionsStep), reason);
        const bool offered = disk >= 0 && WizardState::offeredAsTargetPartition(chosen, state.sourcePartition());
        QCOMPARE(offered, Place(place) == Place::Partition && reason.isEmpty());
        if (!reason.isEmpty())
            return;
        const CloneConfig c = state.config();
        QCOMPARE(int(c.partitionTarget), place);
        QCOMPARE(c.targetDisk.diskNumber, target);
        QCOMPARE(c.targetPartition.isValid(), Place(place) == Place::Partition);
        QCOMPARE(c.targetPartition.partitionNumber, partition);
        // A new disk is taken whole again.
        state.chooseTarget(disks[2]);
        QVERIFY(state.config().partitionTarget == Place::WholeDisk && !state.config().targetPartition.isValid());
    }

    // The free region is offered up to the last sector a copy fits in, on both table styles: a GPT
    // keeps its backup table at the end, an MBR does not.
    void freeRegionFitsToTheSector()
    {
        for (const auto style : {Tessarin::PartitionStyle::GPT, Tessarin::PartitionStyle::MBR}) {
            const DiskInfo target = laidOut(1, 64, style, {});
            const uint64_t backup = style == Tessarin::PartitionStyle::GPT ? 512 + 128 * 128 : 0;
            PartitionInfo source = laidOut(0, 128, style, {100}).partitions[0];
            source.size = 63 * MiB - backup;
            const FreeRegion::Span region = WizardState::offeredFreeRegion(target, source);
            QCOMPARE(region.start, MiB);
            QCOMPARE(region.bytes, source.size);
            source.size += 1;  // rounds up to one more sector
            QCOMPARE(WizardState::offeredFreeRegion(target, source).bytes, uint64_t(0));
        }
    }

    // The question names what is erased or overwritten and what stays.
    void confirmationNamesWhatIsLost_data()
    {
        QTest::addColumn<int>("place");
        QTest::addColumn<QStringList>("named");
        QTest::addColumn<QString>("notNamed");
        QTest::newRow("whole disk") << int(Place::WholeDisk)
                                    << QStringList{"whole target disk will be erased", "Vol1_1, Vol1_2, Vol1_3"} << "";
        QTest::newRow("free region") << int(Place::FreeRegion)
                                     << QStringList{"Nothing is overwritten", "stays: Vol1_1, Vol1_2, Vol1_3"}
                                     << "erased";
        QTest::newRow("partition") << int(Place::Partition)
                                   << QStringList{"Partition 2 (Vol1_2, 4.00 GB) will be overwritten",
                                                  "stay: Vol1_1, Vol1_3."}
                                   << "erased";
    }

    void confirmationNamesWhatIsLost()
    {
        QFETCH(int, place);
        QFETCH(QStringList, named);
        QFETCH(QString, notNamed);
        QList<DiskInfo> disks = placeDisks();
        disks[1].partitions[2].driveLetter.clear();
        WizardState state;
        state.setMode(Mode::PartitionClone);
        state.chooseSourcePartition(disks[0].partitions[0]);
        state.chooseTarget(disks[1]);
        state.chooseTargetPlace(Place(place), disks[1].partitions[1]);
        const QString text = state.confirmationText();
        for (const QString& part : named)
            QVERIFY2(text.contains(part), qPrintable(text));
        QVERIFY2(notNamed.isEmpty() || !text.contains(notNamed), qPrintable(text));
    }

    // With the run's plan the question names both disks by number, model, size and path, and lists
    // what is copied where and the table, space and boot steps; without one, only the erasure.
    void confirmationShowsThePlan()
    {
        DiskInfo source = disk(0, 64), target = disk(3, 128);
        source.model = QStringLiteral("Alpha SSD");
        source.devicePath = QStringLiteral("\\\\.\\PhysicalDrive0");
        target.model = QStringLiteral("Beta HDD");
        target.devicePath = QStringLiteral("\\\\.\\PhysicalDrive3");
        WizardState state;
        state.setMode(Mode::DiskClone);
        state.chooseSourceDisk(source);
        state.chooseTarget(target);
        ClonePlan plan;
        ClonePlan::Copy copy;
        copy.name = QStringLiteral("Windows");
        copy.method = ClonePlan::Method::Smart;
        copy.extents.push_back(CopyExtent{2048 * 512, 4096 * 512, 10 * MiB});
        copy.bytes = 10 * MiB;
        plan.copies << copy;
        plan.table << QStringLiteral("GPT copied, new disk GUID");
        plan.space << QStringLiteral("C: grows by 64 GB");
        plan.boot << QStringLiteral("boot files rebuilt");

        const QString text = state.confirmationText(plan);
        for (const QString& part : {QStringLiteral("Disk 0 - Alpha SSD (64.00 GB, \\\\.\\PhysicalDrive0)"),
                                    QStringLiteral("Disk 3 - Beta HDD (128.00 GB, \\\\.\\PhysicalDrive3)"),
                                    QStringLiteral("will be erased"),
                                    QStringLiteral("Windows: used data only, sector 2048 to sector 4096, 10.00 MB"),
                                    QStringLiteral("GPT copied, new disk GUID"), QStringLiteral("C: grows by 64 GB"),
                                    QStringLiteral("boot files rebuilt")})
            QVERIFY2(text.contains(part), qPrintable(part + QStringLiteral(" in:\n") + text));
        const QString bare = state.confirmationText();
        QVERIFY2(bare.contains(QStringLiteral("will be erased")) && !bare.contains(QStringLiteral("Boot repair")),
                 qPrintable(bare));
    }

    // A target partition that a new enumeration no longer lists is no longer chosen.
    void vanishedTargetPartitionIsForgotten()
    {
        QList<DiskInfo> disks = placeDisks();
        WizardState state;
        state.setMode(Mode::PartitionClone);
        state.chooseSourcePartition(disks[0].partitions[0]);
        state.chooseTarget(disks[1]);
        state.chooseTargetPlace(Place::Partition, disks[1].partitions[1]);
        disks[1].partitions[1].size += MiB;
        state.updateDisks(disks);
        QCOMPARE(state.targetPartition().size, disks[1].partitions[1].size);
        disks[1].partitions.removeAt(1);
        state.updateDisks(disks);
        QCOMPARE(state.check(WizardState::TargetStep), NoPartition);
    }

private:
    using Place = CloneConfig::PartitionTarget;
    inline static const QString NoPartition =
        QStringLiteral("Please select a target partition at least as large as the source partition.");

    // 0: the source's disk; 1: room after three partitions, the third mounted; 2: too little room;
    // 3: an MBR disk with room; 4: a disk without a table.
    static QList<DiskInfo> placeDisks()
    {
        using Style = Tessarin::PartitionStyle;
        QList<DiskInfo> disks{laidOut(0, 8192, Style::GPT, {2048, 4096}), laidOut(1, 16384, Style::GPT, {1024, 4096, 4096}),
                              laidOut(2, 4096, Style::GPT, {3072}), laidOut(3, 4096, Style::MBR, {1024}),
                              laidOut(4, 8192, Style::Unknown, {})};
        disks[1].partitions[2].driveLetter = QStringLiteral("/mnt/games");
        return disks;
    }
};

QTEST_GUILESS_MAIN(TestWizardState)
#include "test_wizardstate.moc"
