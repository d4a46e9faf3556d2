// Boot repair of disk-clone and system-clone targets against a simulated diskpart.
#include "bootfixture.h"
#include "boot/bcdeditor.h"
#include "boot/diskclonebootrepair.h"
#include "boot/systemclonebootrepair.h"

#include <QRegularExpression>
#include <QtTest>

namespace {
const QString EnglishListing = QStringLiteral(
    "  Partition ###  Type              Size     Offset\n"
    "  -------------  ----------------  -------  -------\n"
    "  Partition 1    System             100 MB  1024 KB\n"
    "  Partition 2    Reserved            16 MB   101 MB\n"
    "  Partition 5    Primary              8 MB   117 MB\n"
    "  Partition 3    Primary            237 GB   125 MB\n"
    "  Partition 4    Recovery           509 MB   237 GB\n");

// Plays diskpart for one disk: "assign letter" makes the partition's files appear under the
// letter, "remove letter" takes them away, "list partition" answers with `listing`.
struct DiskSimulator {
    BootFixture& f;
    QString listing = EnglishListing;
    int windowsPartition = 3;
    int efiPartition = 1;
    bool mountWorks = true;
    QMap<QString, CommandResult> failing;  // program -> its answer
    QStringList scripts;
    QSet<int> disks;  // every disk a script selected

    explicit DiskSimulator(BootFixture& fixture) : f(fixture)
    {
        f.runner.setResponder([this](const CommandRequest& r, const QString& script) { return answer(r, script); });
    }
    CommandResult answer(const CommandRequest& r, const QString& script)
    {
        if (failing.contains(r.program))
            return failing.value(r.program);
        if (r.program != QLatin1String("diskpart"))
            return ScriptedCommandRunner::result(0, "The operation completed successfully.");
        scripts.append(script);
        int partition = -1;
        for (const QString& line : script.split(QLatin1Char('\n'))) {
            static const QRegularExpression disk(QStringLiteral("^select disk (\\d+)$"));
            static const QRegularExpression sel(QStringLiteral("^select partition (\\d+)$"));
            static const QRegularExpression assign(QStringLiteral("^assign letter=([A-Z])"));
            static const QRegularExpression remove(QStringLiteral("^remove letter=([A-Z])"));
            if (auto m = disk.match(line); m.hasMatch())
                disks.insert(m.captured(1).toInt());
            else if (auto m = sel.match(line); m.hasMatch())
                partition = m.captured(1).toInt();
            else if (auto m = assign.match(line); m.hasMatch() && mountWorks)
                mount(partition, m.captured(1));
            else if (auto m = remove.match(line); m.hasMatch())
                unmount(m.captured(1).toStdString());
        }
        if (script.contains(QLatin1String("list partition")))
            return ScriptedCommandRunner::result(0, listing.toUtf8());
        return ScriptedCommandRunner::result(0, "DiskPart successfully completed the operation.");
    }
    void mount(int partition, const QString& letter)
    {
        f.platform.driveMask |= MemoryPlatform::letterMask(letter.toStdString());
        const QString l = letter + QLatin1Char(':');
        if (partition == windowsPartition)
            f.addFiles({l + "\\Windows", l + "\\Windows\\System32", l + "\\Windows\\System32\\config\\SYSTEM"});
        else if (partition == efiPartition)
            f.addFiles({l + "\\EFI", l + "\\EFI\\Microsoft\\Boot\\BCD", l + "\\EFI\\Microsoft\\Boot\\bootmgfw.efi"});
    }
    void unmount(const std::string& letter)
    {
        f.platform.driveMask &= ~MemoryPlatform::letterMask(letter);
        std::erase_if(f.platform.existingPaths, [&](const std::string& p) { return p.rfind(letter + ":", 0) == 0; });
    }
};

DiskInfo sourceDisk()
{
    PartitionInfo efi = part(1);
    efi.isEfi = true;
    return diskOf(0, {efi, part(2), part(3, QStringLiteral("C:"))});
}

DiskInfo targetDisk(int number = 2) { return diskOf(number, {efiPart(1), part(2), part(3)}); }
}

class TestCloneRepair : public QObject {
    Q_OBJECT
private slots:
    void noFreeLettersRunsNothing();
    void detection();
    void diskCloneUefiRepair();
    void diskCloneUefiFailures();
    void diskCloneLegacy();
    void systemCloneRebuild();
    void systemCloneRebuildFailures();
    void systemCloneRepairBcd();
};

void TestCloneRepair::noFreeLettersRunsNothing()
{
    BootFixture f;
    f.useLetters("KLMNOPQRSTUVWXYZ");
    QVERIFY(DiskCloneBootRepair::chooseFreeLetter({}).isEmpty());  // J and below never used
    f.useLetters("KLNOPQRSTUVWXYZ");  // one letter is not enough for EFI and Windows
    DiskCloneBootRepair disk(nullptr, nullptr);
    disk.setSourceDisk(sourceDisk());
    disk.setTargetDisk(targetDisk());
    QVERIFY(!disk.configureUefiPortableBoot());
    SystemCloneBootRepair system(&f.bcd, nullptr);
    system.setTargetDisk(targetDisk());
    QVERIFY(!system.rebuildBcdForMigration());
    QVERIFY(f.callsOf(QStringLiteral("diskpart")).isEmpty());
}

void TestCloneRepair::detection()
{
    BootFixture f;
    DiskSimulator sim(f);
    DiskCloneBootRepair repair(nullptr, nullptr);
    int efi = -1, win = -1;
    QVERIFY(repair.detectTargetBootPartitions(2, QStringLiteral("W"), efi, win));
    QCOMPARE(efi, 1);
    QCOMPARE(win, 3);  // the 8 MB primary partition is no candidate
    QCOMPARE(sim.disks, QSet<int>{2});
    QCOMPARE(f.platform.driveMask, 0u);  // the probe letter is released

    // A wrong preset Windows number is probed, released, and the next candidate is tried.
    efi = 1;
    win = 4;
    QVERIFY(repair.detectTargetBootPartitions(2, QStringLiteral("W"), efi, win));
    QCOMPARE(win, 3);
    QCOMPARE(f.platform.driveMask, 0u);

    // No primary partition above 8 MiB and no preset: detection fails.
    sim.listing = QStringLiteral("  Partition 1    System             100 MB  1024 KB\n  Partition 2    Primary              8 MB   101 MB\n");
    efi = -1;
    win = -1;
    QVERIFY(!repair.detectTargetBootPartitions(2, QStringLiteral("W"), efi, win));
}

void TestCloneRepair::diskCloneUefiRepair()
{
    BootFixture f;
    f.useLetters("ZYC");
    f.addFiles({"C:\\Windows\\System32"});
    DiskSimulator sim(f);
    DiskCloneBootRepair repair(&f.bcd, nullptr);
    repair.setSourceDisk(sourceDisk());
    repair.setTargetDisk(targetDisk());
    QVERIFY(repair.configureUefiPortableBoot());
    QCOMPARE(sim.disks, QSet<int>{2});  // only the target disk is touched
    QCOMPARE(f.platform.driveMask, MemoryPlatform::letterMask("ZYC"));  // every letter given back
    QVERIFY(repair.mountedLetter().isEmpty());
    QCOMPARE(f.callsOf(QStringLiteral("reg")).at(1).request.arguments.at(2), QStringLiteral("W:\\Windows\\System32\\config\\SYSTEM"));
    QCOMPARE(f.callsOf(QStringLiteral("bcdboot")).at(0).request.arguments.mid(0, 3), (QStringList{"W:\\Windows", "/s", "X:"}));
    QVERIFY(f.copies().contains(QStringLiteral("X:\\EFI\\Microsoft\\Boot\\bootmgfw.efi -> X:\\EFI\\Boot\\bootx64.efi")));

    // bcdboot fails: the portable configuration still runs, the repair reports failure.
    f.platform.copiedFiles.clear();
    sim.failing.insert(QStringLiteral("bcdboot"), ScriptedCommandRunner::result(1, "Failure"));
    QVERIFY(!repair.configureUefiPortableBoot());
    QCOMPARE(f.platform.copiedFiles.size(), size_t(1));
    QCOMPARE(f.platform.driveMask, MemoryPlatform::letterMask("ZYC"));
}

void TestCloneRepair::diskCloneUefiFailures()
{
    for (bool mountFails : {true, false}) {
        // Partitions never become visible, or the offline hive cannot be loaded: no bcdboot,
        // and no letter stays behind.
        BootFixture f;
        DiskSimulator sim(f);
        f.addFiles({"C:\\Windows\\System32"});
        sim.mountWorks = !mountFails;
        if (!mountFails)
            sim.failing.insert(QStringLiteral("reg"), ScriptedCommandRunner::result(1, "ERROR: Access is denied."));
        DiskCloneBootRepair repair(&f.bcd, nullptr);
        repair.setSourceDisk(sourceDisk());
        repair.setTargetDisk(targetDisk());
        QVERIFY(!repair.configureUefiPortableBoot());
        QVERIFY(f.callsOf(QStringLiteral("bcdboot")).isEmpty());
        QCOMPARE(f.platform.driveMask, 0u);
        QVERIFY(sim.scripts.last().contains(QStringLiteral("remove letter=")));
        QVERIFY(repair.mountedLetter().isEmpty());
    }
}

void TestCloneRepair::diskCloneLegacy()
{
    {   // The system partition is mounted and recorded for removal by the strategy.
        BootFixture f;
        f.useLetters("Z");
        f.runner.setResponder([&f](const CommandRequest&, const QString& s) {
            if (s.contains(QLatin1String("assign letter=Y")))
                f.addFiles({"Y:\\Boot\\BCD"});
            return ScriptedCommandRunner::result(0);
        });
        DiskCloneBootRepair repair(nullptr, nullptr);
        repair.setTargetDisk(targetDisk(5));
        QVERIFY(repair.repairLegacyBcd());
        QVERIFY(f.runner.calls().at(0).scriptText.startsWith(QStringLiteral("select disk 5\nselect partition 1\n")));
        QCOMPARE(repair.mountedLetter(), QStringLiteral("Y"));
        QCOMPARE(repair.mountedDisk(), 5);
        QCOMPARE(repair.mountedPartition(), 1);
        QCOMPARE(f.callsOf(QStringLiteral("bcdedit")).at(0).request.arguments.mid(0, 2), (QStringList{"/store", "Y:\\Boot\\BCD"}));
    }
    {   // Mounted, but no store there: the letter does not stay behind.
        BootFixture f;
        DiskCloneBootRepair repair(nullptr, nullptr);
        repair.setTargetDisk(targetDisk(5));
        QVERIFY(repair.repairLegacyBcd());
        QCOMPARE(f.runner.calls().size(), 2);
        QVERIFY(f.runner.calls().at(1).scriptText.contains(QStringLiteral("remove letter=Z")));
        QVERIFY(repair.mountedLetter().isEmpty());
    }
}

void TestCloneRepair::systemCloneRebuild()
{
    BootFixture f;
    DiskSimulator sim(f);
    // Two system partitions: the one listed last is the EFI partition.
    sim.listing = QStringLiteral(
        "  分区 ###       类型              大小     偏移量\n"
        "  分区      1    系统                 100 MB  1024 KB\n"
        "  分区      2    系统                 260 MB   101 MB\n"
        "  分区      3    主要                 120 GB   361 MB\n"
        "  分区      4    主要                  50 GB   121 GB\n");
    sim.efiPartition = 2;
    SystemCloneBootRepair repair(&f.bcd, nullptr);
    repair.setTargetDisk(targetDisk(1));
    QVERIFY(repair.rebuildBcdForMigration());
    QCOMPARE(sim.disks, QSet<int>{1});
    QCOMPARE(f.platform.driveMask, 0u);
    QVERIFY(sim.scripts.contains(QStringLiteral("select disk 1\nselect partition 2\nassign letter=Z\nselect partition 3\nassign letter=Y\n")));
    QCOMPARE(f.callsOf(QStringLiteral("cmd")).at(0).request.arguments.last(), QStringLiteral("Z:\\EFI\\Microsoft\\Boot"));
    QCOMPARE(f.callsOf(QStringLiteral("bcdboot")).at(0).request.arguments.mid(0, 3), (QStringList{"Y:\\Windows", "/s", "Z:"}));
    for (const auto& c : f.callsOf(QStringLiteral("bcdedit")))
        QCOMPARE(c.request.arguments.mid(0, 2), (QStringList{"/store", "Z:\\EFI\\Microsoft\\Boot\\BCD"}));
    QCOMPARE(f.callsOf(QStringLiteral("reg")).at(0).request.arguments.at(2), QStringLiteral("Y:\\Windows\\System32\\config\\SYSTEM"));
    QVERIFY(repair.mountedLetter().isEmpty());
}

void TestCloneRepair::systemCloneRebuildFailures()
{
    for (int scenario : {0, 1, 2}) {
        // No probed partition holds Windows; bcdboot times out; Windows is gone after the mount.
        BootFixture f;
        DiskSimulator sim(f);
        if (scenario == 0)
            sim.windowsPartition = 9;
        if (scenario == 1)
            sim.failing.insert(QStringLiteral("bcdboot"), ScriptedCommandRunner::timedOut());
        bool probing = true;
        f.runner.setResponder([&](const CommandRequest& r, const QString& s) {
            if (scenario == 2 && s.contains(QLatin1String("assign letter=Z")))
                probing = false;
            if (!probing && s.contains(QLatin1String("assign")))
                sim.mountWorks = false;
            return sim.answer(r, s);
        });
        SystemCloneBootRepair repair(&f.bcd, nullptr);
        repair.setTargetDisk(targetDisk(1));
        QVERIFY2(!repair.rebuildBcdForMigration(), qPrintable(QString::number(scenario)));
        QVERIFY(f.callsOf(QStringLiteral("bcdedit")).isEmpty());
        QCOMPARE(f.callsOf(QStringLiteral("bcdboot")).size(), scenario == 1 ? 1 : 0);
        QCOMPARE(f.platform.driveMask, 0u);
    }
}

void TestCloneRepair::systemCloneRepairBcd()
{
    {   // UEFI without a letter on the EFI partition: it is mounted on the target and recorded.
        BootFixture f;
        f.useLetters("ZYX");
        f.addFiles({"E:\\Windows\\System32", "E:\\Windows\\system32\\winload.efi"});
        SystemCloneBootRepair repair(&f.bcd, nullptr);
        PartitionInfo efi = part(1);
        efi.isEfi = true;
        repair.setSystemPartitions({efi, part(3, QStringLiteral("E:"))});
        repair.setTargetDisk(targetDisk(2));
        QVERIFY(repair.repairBcd());
        QVERIFY(f.callsOf(QStringLiteral("diskpart")).at(0).scriptText.startsWith(QStringLiteral("select disk 2\nselect partition 1\n")));
        QCOMPARE(repair.mountedLetter(), QStringLiteral("W"));

        // EFI partition cannot be mounted, or no Windows: the repair stops before bcdboot.
        f.runner.clear();
        repair.clearMountedLetter();
        DiskInfo noEfi = targetDisk(2);
        noEfi.partitions.removeFirst();
        repair.setTargetDisk(noEfi);
        QVERIFY(!repair.repairBcd());
        repair.setSystemPartitions({part(3, QStringLiteral("G:"))});
        QVERIFY(!repair.repairBcd());
        QVERIFY(f.callsOf(QStringLiteral("bcdboot")).isEmpty());
    }
}

QTEST_GUILESS_MAIN(TestCloneRepair)
#include "tst_clonerepair.moc"
