#include "cli/clioptions.h"
#include "ui/wizardstate.h"

#include <QtTest>

using Mode = Tessarin::CloneModeType;

// The command line's choices, checked against the window's rules for the same choices.
namespace {
QList<DiskInfo> disks()
{
    QList<DiskInfo> list;
    for (int n = 0; n < 3; ++n) {
        DiskInfo d;
        d.diskNumber = n;
        d.realPath = QStringLiteral("/images/disk%1.img").arg(n);
        d.devicePath = Tessarin::physicalDrivePath(n);
        d.size = uint64_t(8 + 8 * n) << 30;
        for (int i = 1; i <= 2; ++i) {
            PartitionInfo p;
            p.diskNumber = n;
            p.partitionNumber = i;
            p.start512 = 2048 * i;
            p.size = 1ull << 30;
            d.partitions << p;
        }
        list << d;
    }
    return list;
}
} // namespace

class TestCliOptions : public QObject {
    Q_OBJECT
private slots:
    // The command line becomes the request the window builds for the same choices.
    void argumentsBecomeTheWindowsRequest_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("smart");
        QTest::addColumn<bool>("sectorBySector");
        QTest::addColumn<bool>("align");
        QTest::addColumn<int>("resize");
        QTest::addColumn<QString>("error");
        const int data = int(Tessarin::ResizeMode::KeepAndCreateData), keep = int(Tessarin::ResizeMode::KeepOnly);
        const int disk = int(Mode::DiskClone), system = int(Mode::SystemClone), part = int(Mode::PartitionClone);
        QTest::newRow("disk defaults") << QStringList{"disk", "0", "1"} << disk << true << false << true << data << "";
        QTest::newRow("disk by path") << QStringList{"disk", "/images/disk0.img", "\\\\.\\PhysicalDrive2"} << disk << true
                                      << false << true << data << "";
        QTest::newRow("sector by sector") << QStringList{"disk", "0", "1", "--sector-by-sector", "--no-align-4k"} << disk
                                          << false << true << false << data << "";
        QTest::newRow("system keep") << QStringList{"system", "1", "2", "--space=keep", "--boot-mode", "legacy", "--no-smart"}
                                     << system << false << false << true << keep << "";
        QTest::newRow("partition") << QStringList{"partition", "0:2", "1"} << part << true << false << true << data << "";
        QTest::newRow("smart and sector") << QStringList{"disk", "0", "1", "--smart", "--sector-by-sector"} << disk << true
                                          << false << true << data << "--smart and --sector-by-sector exclude each other";
        QTest::newRow("space on disk clone") << QStringList{"disk", "0", "1", "--space", "keep"} << disk << true << false
                                             << true << data << "--boot-mode, --space and --data-label apply to system clones only";
        QTest::newRow("bad space") << QStringList{"system", "0", "1", "--space", "more"} << system << true << false << true
                                   << data << "Invalid value for --space: more";
        QTest::newRow("unknown disk") << QStringList{"disk", "0", "7"} << disk << true << false << true << data
                                      << "No listed disk is 7";
        QTest::newRow("partition without number") << QStringList{"partition", "0", "1"} << part << true << false << true
                                                  << data << "A partition clone names its source as DISK:PARTITION";
        QTest::newRow("missing partition") << QStringList{"partition", "0:5", "1"} << part << true << false << true << data
                                           << "Disk 0 has no partition 5";
    }
    void argumentsBecomeTheWindowsRequest()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, mode);
        QFETCH(bool, smart);
        QFETCH(bool, sectorBySector);
        QFETCH(bool, align);
        QFETCH(int, resize);
        QFETCH(QString, error);
        const CliOptions o = CliOptions::parse(QStringList{"clone"} + arguments, disks());
        QCOMPARE(o.error, error);
        if (!error.isEmpty())
            return;
        WizardState window;
        window.setMode(Mode(mode));
        if (window.isPartitionMode())
            window.chooseSourcePartition(o.config.sourcePartition);
        else
            window.chooseSourceDisk(o.config.sourceDisk);
        window.chooseTarget(o.config.targetDisk);
        window.setCopyOptions(smart, align, sectorBySector);
        window.setSpaceAllocation(Tessarin::ResizeMode(resize), QStringLiteral("Data"));
        window.setTargetBootMode(o.config.targetBootMode);
        const CloneConfig w = window.config();
        const CloneConfig& c = o.config;
        QCOMPARE(int(c.mode), int(w.mode));
        QCOMPARE(c.sourceDisk.realPath, w.sourceDisk.realPath);
        QCOMPARE(c.sourcePartition.partitionNumber, w.sourcePartition.partitionNumber);
        QCOMPARE(c.sourcePartition.diskNumber, w.sourcePartition.diskNumber);
        QCOMPARE(c.targetDisk.diskNumber, w.targetDisk.diskNumber);
        QCOMPARE(c.smartClone, w.smartClone);
        QCOMPARE(c.sectorBySector, w.sectorBySector);
        QCOMPARE(c.align4K, w.align4K);
        QCOMPARE(c.fixBoot, w.fixBoot);
        QCOMPARE(int(c.resizeMode), int(w.resizeMode));
        QCOMPARE(int(c.targetBootMode), int(w.targetBootMode));
        QVERIFY(!c.verify && !c.continueOnReadErrors);
    }

    // A system clone keeps the source's boot mode unless the user picks one, in both front ends:
    // a BIOS installation is moved to UEFI only on request.
    void bootModeFollowsTheSource()
    {
        QList<DiskInfo> list = disks();
        list[0].partitionStyle = Tessarin::PartitionStyle::GPT;
        list[1].partitionStyle = Tessarin::PartitionStyle::MBR;
        const int legacy = int(Tessarin::TargetBootMode::Legacy), uefi = int(Tessarin::TargetBootMode::Uefi);
        const auto cli = [&](const QStringList& arguments) {
            return int(CliOptions::parse(QStringList{"clone", "system"} + arguments, list).config.targetBootMode);
        };
        QCOMPARE(cli({"1", "2"}), legacy);
        QCOMPARE(cli({"0", "2"}), uefi);
        QCOMPARE(cli({"1", "2", "--boot-mode", "uefi"}), uefi);
        WizardState window;
        window.setMode(Mode::SystemClone);
        window.chooseSourceDisk(list[1]);
        QCOMPARE(int(window.choices().targetBootMode), legacy);
        window.chooseSourceDisk(list[0]);
        QCOMPARE(int(window.choices().targetBootMode), uefi);
        window.setTargetBootMode(Tessarin::TargetBootMode::Uefi);
        window.chooseSourceDisk(list[1]);
        QCOMPARE(int(window.choices().targetBootMode), uefi);
    }

    // Flags the window has no switch for, and the partition a partition clone is written onto.
    void consoleOnlyChoices()
    {
        CliOptions o = CliOptions::parse({"clone", "partition", "0:1", "2:2", "--boot-repair", "--verify",
                                          "--continue-on-read-errors", "--dry-run", "--json", "-y"}, disks());
        QVERIFY2(o.error.isEmpty(), qPrintable(o.error));
        QVERIFY(o.config.fixBoot && o.config.verify && o.config.continueOnReadErrors && o.dryRun && o.json && o.yes);
        QCOMPARE(o.config.targetPartition.diskNumber, 2);
        QCOMPARE(o.config.targetPartition.partitionNumber, 2);
        o = CliOptions::parse({"clone", "disk", "0", "1", "--no-boot-repair"}, disks());
        QVERIFY(!o.config.fixBoot);
    }

    // One label rule for both front ends: what the window refuses, the command line refuses too,
    // with the same reason, before anything is opened.
    void dataLabelRuleOfBothFrontEnds_data()
    {
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("taken");    // the label as taken, when it is usable
        QTest::addColumn<QString>("problem");  // empty when usable
        const QString quote = QStringLiteral("The data partition label contains a double quote, a line break or another control character");
        QTest::newRow("plain") << "Files" << "Files" << "";
        QTest::newRow("trimmed, 32 characters") << QStringLiteral("  %1 ").arg(QString(32, QLatin1Char('x')))
                                                << QString(32, QLatin1Char('x')) << "";
        QTest::newRow("single quote") << "It's data" << "It's data" << "";
        QTest::newRow("33 characters") << QString(33, QLatin1Char('x')) << "" << "The data partition label is longer than 32 characters";
        QTest::newRow("double quote") << "My \"Data\"" << "" << quote;
        QTest::newRow("line break") << "Data\nclean" << "" << quote;
        QTest::newRow("blank") << "   " << "" << "The data partition label is empty";
    }
    void dataLabelRuleOfBothFrontEnds()
    {
        QFETCH(QString, label);
        QFETCH(QString, taken);
        QFETCH(QString, problem);
        const CliOptions o = CliOptions::parse({"clone", "system", "0", "1", "--data-label", label}, disks());
        QCOMPARE(o.error, problem.isEmpty() ? QString() : QStringLiteral("Invalid value for --data-label: ") + problem);
        if (problem.isEmpty())
            QCOMPARE(o.config.dataPartitionLabel, taken);
        WizardState window;
        window.setMode(Mode::SystemClone);
        window.chooseSourceDisk(disks()[0]);
        window.chooseTarget(disks()[1]);
        window.setSpaceAllocation(Tessarin::ResizeMode::KeepAndCreateData, label.trimmed());
        QCOMPARE(window.check(WizardState::OptionsStep), problem);
        // Without a data partition the label is not used, so it does not stop the window.
        window.setSpaceAllocation(Tessarin::ResizeMode::KeepOnly, label.trimmed());
        QCOMPARE(window.check(WizardState::OptionsStep), QString());
    }
};

QTEST_GUILESS_MAIN(TestCliOptions)
#include "tst_clioptions.moc"
