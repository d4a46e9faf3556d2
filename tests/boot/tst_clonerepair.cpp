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
            static const QRegularExpression sel(QStringLiteral("^select partition (\\d+)$"));
            static const QRegularExpression assign(QStringLiteral("^assign letter=([A-Z])"));
            static const QRegularExpression remove(QStringLiteral("^remove letter=([A-Z])"));
            if (auto m = sel.match(line); m.hasMatch())
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
    void freeLetters();
    void efiHeuristic_data();
    void efiHeuristic();
    void sourceWindowsPartition();
    void detection();
    void diskCloneUefiRepair();
    void diskCloneUefiFailures();
    void diskCloneLegacy();
    void systemCloneRebuild();
    void systemCloneRebuildFailures();
    void systemCloneRepairBcd();
    void efiContentsAndWinRE();
};

void TestCloneRepair::freeLetters()
{
    BootFixture f;
    f.useLetters("ZY");
    QCOMPARE(DiskCloneBootRepair::chooseFreeLetter({}), QStringLiteral("X"));
    QCOMPARE(DiskCloneBootRepair::chooseFreeLetter({QStringLiteral("x"), QStringLiteral("W:")}), QStringLiteral("V"));
    f.useLetters("KLMNOPQRSTUVWXYZ");
    QVERIFY(DiskCloneBootRepair::chooseFreeLetter({}).isEmpty());  // J and below never used

    // Only one letter free: both repairs fail before any diskpart run.
    f.useLetters("KLNOPQRSTUVWXYZ");
    DiskCloneBootRepair disk(nullptr, nullptr);
    disk.setSourceDisk(sourceDisk());
    disk.setTargetDisk(targetDisk());
    QVERIFY(!disk.configureUefiPortableBoot());
    QCOMPARE(disk.lastError(), QStringLiteral("No available drive letters for boot repair"));
    SystemCloneBootRepair system(&f.bcd, nullptr);
    system.setTargetDisk(targetDisk());
    QVERIFY(!system.rebuildBcdForMigration());
    QVERIFY(f.callsOf(QStringLiteral("diskpart")).isEmpty());
}

void TestCloneRepair::efiHeuristic_data()
{
    QTest::addColumn<PartitionInfo>("p");
    QTest::addColumn<bool>("expected");
    PartitionInfo p = part(1);
    p.size = 300 << 20;
    PartitionInfo guid = p;
    guid.typeGuid = QStringLiteral("{c12a7328-f81f-11d2-ba4b-00a0c93ec93b}");
    QTest::newRow("type guid, any case") << guid << true;
    PartitionInfo ef = p;
    ef.mbrType = 0xEF;
    QTest::newRow("mbr type 0xEF") << ef << true;
    PartitionInfo labelled = p;
    labelled.fileSystemName = QStringLiteral("fat32");
    labelled.label = QStringLiteral("efi boot");
    QTest::newRow("small FAT32 labelled EFI") << labelled << true;
    PartitionInfo unlabelled = labelled;
    unlabelled.label = QStringLiteral("DATA");
    QTest::newRow("small FAT32 other label") << unlabelled << false;
    PartitionInfo sys = unlabelled;
    sys.isSystem = true;
    QTest::newRow("small FAT32 system flag") << sys << true;
    PartitionInfo ntfs = p;
    ntfs.fileSystem = Tessarin::FileSystemType::NTFS;
    ntfs.label = QStringLiteral("SYSTEM");
    QTest::newRow("small NTFS labelled SYSTEM") << ntfs << false;
    PartitionInfo big = labelled;
    big.size = 536870913;
    QTest::newRow("FAT32 above 512 MiB") << big << false;
    big.size = 536870912;
    QTest::newRow("FAT32 of exactly 512 MiB") << big << true;
}

void TestCloneRepair::efiHeuristic()
{
    QFETCH(PartitionInfo, p);
    QFETCH(bool, expected);
    QCOMPARE(DiskCloneBootRepair::looksLikeEfiPartition(p), expected);
}

void TestCloneRepair::sourceWindowsPartition()
{
    BootFixture f;
    DiskCloneBootRepair repair(nullptr, nullptr);
    repair.setSourceDisk(diskOf(0, {part(1, QStringLiteral("D")), part(2, QStringLiteral(" E:/ ")), part(3, QStringLiteral("C:"))}));
    QCOMPARE(repair.findSourceWindowsPartition().diskNumber, -1);
    f.addFiles({"C:\\Windows\\System32"});
    QCOMPARE(repair.findSourceWindowsPartition().partitionNumber, 3);
    f.addFiles({"E:\\Windows\\System32"});
    QCOMPARE(repair.findSourceWindowsPartition().partitionNumber, 2);
    f.addFiles({"D:\\Windows\\System32"});
    QCOMPARE(repair.findSourceWindowsPartition().partitionNumber, 1);
}

void TestCloneRepair::detection()
{
    BootFixture f;
    DiskSimulator sim(f);
    DiskCloneBootRepair repair(nullptr, nullptr);
    int efi = -1, win = -1;
    QVERIFY(repair.detectTargetBootPartitions(2, QStringLiteral("W"), efi, win));
    QCOMPARE(efi, 1);
    QCOMPARE(win, 3);
    const auto calls = f.callsOf(QStringLiteral("diskpart"));
    QCOMPARE(calls.at(0).scriptText, QStringLiteral("rescan\nselect disk 2\nattributes disk clear readonly noerr\nonline disk noerr\nlist partition\n"));
    QVERIFY(calls.at(0).request.arguments.at(1).endsWith(QStringLiteral("/tessarin_disk_detect_boot.txt")));
    QCOMPARE(calls.at(0).request.finishTimeoutMs, 60000);
    // The 8 MB primary partition is no candidate; partition 3 is probed and released.
    QCOMPARE(calls.at(1).scriptText, QStringLiteral("select disk 2\nselect partition 3\nassign letter=W noerr\n"));
    QCOMPARE(calls.at(1).request.finishTimeoutMs, 30000);
    QCOMPARE(calls.at(2).scriptText, QStringLiteral("select disk 2\nselect partition 3\nremove letter=W\n"));
    QVERIFY(calls.at(2).request.arguments.at(1).endsWith(QStringLiteral("/tessarin_unmount.txt")));
    QCOMPARE(calls.size(), 3);

    // A preset Windows number is probed first; a wrong one is released and the next is tried.
    f.runner.clear();
    sim.scripts.clear();
    efi = 1;
    win = 4;
    QVERIFY(repair.detectTargetBootPartitions(2, QStringLiteral("W"), efi, win));
    QCOMPARE(win, 3);
    QCOMPARE(sim.scripts.at(1), QStringLiteral("select disk 2\nselect partition 4\nassign letter=W noerr\n"));
    QCOMPARE(f.runner.sleeps().count(500), 4);  // five tests of the failed probe

    // No primary partition above 8 MiB and no preset: detection fails.
    sim.listing = QStringLiteral("  Partition 1    System             100 MB  1024 KB\n  Partition 2    Primary              8 MB   101 MB\n");
    efi = -1;
    win = -1;
    QVERIFY(!repair.detectTargetBootPartitions(2, QStringLiteral("W"), efi, win));
    QCOMPARE(efi, 1);
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
    QSignalSpy phases(&repair, &DiskCloneBootRepair::phaseChanged);
    QVERIFY(repair.configureUefiPortableBoot());
    QCOMPARE(f.runner.sleeps().first(), 2000);

    // X for the EFI partition, W for Windows.
    const QString mount = QStringLiteral("rescan\nselect disk 2\nattributes disk clear readonly\nonline disk noerr\n"
                                         "select partition 1\nassign letter=X noerr\nselect partition 3\nassign letter=W noerr\n");
    const int m = sim.scripts.indexOf(mount);
    QVERIFY(m > 0);
    const QString probe = QStringLiteral("select disk 2\nselect partition 3\nassign letter=W noerr\n");
    QCOMPARE(sim.scripts.at(1), probe);  // the source's Windows number is probed first
    QCOMPARE(sim.scripts.at(sim.scripts.size() - 2), QStringLiteral("select disk 2\nselect partition 3\nremove letter=W\n"));
    QCOMPARE(sim.scripts.last(), QStringLiteral("select disk 2\nselect partition 1\nremove letter=X\n"));
    QVERIFY(repair.mountedLetter().isEmpty());
    QCOMPARE(repair.mountedDisk(), 2);
    QCOMPARE(repair.mountedPartition(), 1);

    QVERIFY(!f.callsOf(QStringLiteral("reg")).isEmpty());
    QCOMPARE(f.callsOf(QStringLiteral("reg")).at(1).request.arguments,
             (QStringList{"load", "HKLM\\TESSARIN_DISK_OFFLINE_SYS", "W:\\Windows\\System32\\config\\SYSTEM"}));
    QCOMPARE(f.callsOf(QStringLiteral("bcdboot")).at(0).request.arguments,
             (QStringList{"W:\\Windows", "/s", "X:", "/f", "UEFI", "/l", "zh-cn"}));
    QVERIFY(f.copies().contains(QStringLiteral("X:\\EFI\\Microsoft\\Boot\\bootmgfw.efi -> X:\\EFI\\Boot\\bootx64.efi")));
    QCOMPARE(phases.size(), 3);

    // bcdboot fails: the portable configuration still runs, the repair reports failure.
    f.runner.clear();
    sim.scripts.clear();
    f.platform.copiedFiles.clear();
    sim.failing.insert(QStringLiteral("bcdboot"), ScriptedCommandRunner::result(1, "Failure"));
    QVERIFY(!repair.configureUefiPortableBoot());
    QCOMPARE(repair.lastError(), QStringLiteral("bcdboot failed for cloned disk"));
    QCOMPARE(f.platform.copiedFiles.size(), size_t(1));
    QVERIFY(f.logged(QStringLiteral("bcdboot failed, trying portable BCD configuration on existing store")));
}

void TestCloneRepair::diskCloneUefiFailures()
{
    {   // Partitions never become visible: both letters are removed, EFI first.
        BootFixture f;
        DiskSimulator sim(f);
        f.addFiles({"C:\\Windows\\System32"});
        DiskCloneBootRepair repair(&f.bcd, nullptr);
        repair.setSourceDisk(sourceDisk());
        repair.setTargetDisk(targetDisk());
        sim.mountWorks = false;
        QVERIFY(!repair.configureUefiPortableBoot());  // detection keeps the preset Windows number
        QCOMPARE(repair.lastError(), QStringLiteral("Failed to mount EFI or Windows partitions: EFI=Z:\\EFI, Windows=Y:\\Windows"));
        QCOMPARE(sim.scripts.at(sim.scripts.size() - 2), QStringLiteral("select disk 2\nselect partition 1\nremove letter=Z\n"));
        QCOMPARE(sim.scripts.last(), QStringLiteral("select disk 2\nselect partition 3\nremove letter=Y\n"));
        QCOMPARE(f.runner.sleeps().count(1000), 7);  // eight tests, 1000 ms apart
        QVERIFY(repair.mountedLetter().isEmpty());
        QCOMPARE(repair.mountedPartition(), -1);
        QVERIFY(f.callsOf(QStringLiteral("bcdboot")).isEmpty());
    }
    {   // The offline hive cannot be loaded: letters removed, the registry's reason kept.
        BootFixture f;
        DiskSimulator sim(f);
        sim.failing.insert(QStringLiteral("reg"), ScriptedCommandRunner::result(1, "ERROR: Access is denied."));
        DiskCloneBootRepair repair(&f.bcd, nullptr);
        repair.setSourceDisk(sourceDisk());
        repair.setTargetDisk(targetDisk());
        QVERIFY(!repair.configureUefiPortableBoot());
        QCOMPARE(repair.lastError(), QStringLiteral("Failed to load offline registry: ERROR: Access is denied."));
        QCOMPARE(sim.scripts.last(), QStringLiteral("select disk 2\nselect partition 3\nremove letter=Y\n"));
        QVERIFY(f.callsOf(QStringLiteral("bcdboot")).isEmpty());
    }
}

void TestCloneRepair::diskCloneLegacy()
{
    {   // Store found through a letter of the target record.
        BootFixture f;
        DiskInfo target = targetDisk();
        target.partitions[1].driveLetter = QStringLiteral("D:");
        f.addFiles({"D:\\Boot\\BCD"});
        f.runner.enqueue(0, "此操作已成功完成。");
        DiskCloneBootRepair repair(nullptr, nullptr);
        repair.setTargetDisk(target);
        QVERIFY(repair.repairLegacyBcd());
        QCOMPARE(f.runner.calls().size(), 1);
        QCOMPARE(f.runner.calls().at(0).request.arguments,
                 (QStringList{"/store", "D:\\Boot\\BCD", "/set", "{default}", "detecthal", "yes"}));
        QCOMPARE(f.runner.calls().at(0).request.finishTimeoutMs, 30000);
        QVERIFY(!f.logged(QStringLiteral("bcdedit output")));
    }
    {   // The system partition is mounted and recorded for removal.
        BootFixture f;
        f.useLetters("Z");
        f.runner.setResponder([&f](const CommandRequest& r, const QString& s) {
            if (s.contains(QLatin1String("assign letter=Y")))
                f.addFiles({"Y:\\Boot\\BCD"});
            return ScriptedCommandRunner::result(0, r.program == QLatin1String("bcdedit") ? "Access denied" : "");
        });
        DiskCloneBootRepair repair(nullptr, nullptr);
        repair.setTargetDisk(targetDisk(5));
        QVERIFY(repair.repairLegacyBcd());
        QCOMPARE(f.runner.calls().at(0).scriptText, QStringLiteral("select disk 5\nselect partition 1\nassign letter=Y\n"));
        QVERIFY(f.runner.calls().at(0).request.arguments.at(1).endsWith(QStringLiteral("/tessarin_mbr.txt")));
        QCOMPARE(f.runner.sleeps(), (QList<int>{1000}));
        QCOMPARE(repair.mountedLetter(), QStringLiteral("Y"));
        QCOMPARE(repair.mountedDisk(), 5);
        QCOMPARE(repair.mountedPartition(), 1);
        QCOMPARE(f.runner.calls().at(1).request.arguments.at(1), QStringLiteral("Y:\\Boot\\BCD"));
        QVERIFY(f.logged(QStringLiteral("bcdedit output: Access denied ")));
    }
    {   // Mounted, but no store there: the letter does not stay behind.
        BootFixture f;
        DiskCloneBootRepair repair(nullptr, nullptr);
        repair.setTargetDisk(targetDisk(5));
        QVERIFY(repair.repairLegacyBcd());
        QVERIFY(f.logged(QStringLiteral("Could not find or mount system partition with BCD")));
        QCOMPARE(f.runner.calls().size(), 2);
        QCOMPARE(f.runner.calls().at(1).scriptText, QStringLiteral("select disk 5\nselect partition 1\nremove letter=Z\n"));
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
    QSignalSpy phases(&repair, &SystemCloneBootRepair::phaseChanged);
    QVERIFY(repair.rebuildBcdForMigration());

    const QStringList expected{
        QStringLiteral("rescan\nselect disk 1\nattributes disk clear readonly noerr\nonline disk noerr\n"),
        QStringLiteral("select disk 1\nlist partition\n"),
        QStringLiteral("select disk 1\nselect partition 1\nassign letter=Y noerr\n"),
        QStringLiteral("select disk 1\nselect partition 1\nremove letter=Y noerr\n"),
        QStringLiteral("select disk 1\nselect partition 3\nassign letter=Y noerr\n"),
        QStringLiteral("select disk 1\nselect partition 3\nremove letter=Y noerr\n"),
        QStringLiteral("select disk 1\nselect partition 2\nassign letter=Z\nselect partition 3\nassign letter=Y\n"),
        QStringLiteral("select disk 1\nselect partition 2\nremove letter=Z\nselect partition 3\nremove letter=Y\n"),
    };
    QCOMPARE(sim.scripts, expected);
    for (const auto& c : f.callsOf(QStringLiteral("diskpart"))) {
        QVERIFY(c.request.arguments.at(1).endsWith(QStringLiteral("/tessarin_bcd.txt")));
        QCOMPARE(c.request.finishTimeoutMs, 30000);
    }
    const auto cmd = f.callsOf(QStringLiteral("cmd"));
    QCOMPARE(cmd.size(), 1);
    QCOMPARE(cmd.at(0).request.arguments, (QStringList{"/c", "rd", "/s", "/q", "Z:\\EFI\\Microsoft\\Boot"}));
    QCOMPARE(cmd.at(0).request.finishTimeoutMs, 10000);
    const auto boot = f.callsOf(QStringLiteral("bcdboot"));
    QCOMPARE(boot.at(0).request.arguments, (QStringList{"Y:\\Windows", "/s", "Z:", "/f", "UEFI", "/l", "zh-cn"}));
    QCOMPARE(boot.at(0).request.finishTimeoutMs, 60000);
    const auto bcdedit = f.callsOf(QStringLiteral("bcdedit"));
    const QString store = QStringLiteral("Z:\\EFI\\Microsoft\\Boot\\BCD");
    QCOMPARE(bcdedit.at(0).request.arguments, (QStringList{"/store", store, "/set", "{default}", "detecthal", "yes"}));
    QCOMPARE(bcdedit.at(1).request.arguments, (QStringList{"/store", store, "/deletevalue", "{default}", "nointegritychecks"}));
    QCOMPARE(bcdedit.at(2).request.arguments, (QStringList{"/store", store, "/set", "{default}", "bootstatuspolicy", "ignoreallfailures"}));
    QCOMPARE(bcdedit.at(3).request.arguments, (QStringList{"/store", store, "/set", "{default}", "recoveryenabled", "yes"}));
    for (int i = 0; i < 4; ++i)
        QCOMPARE(bcdedit.at(i).request.finishTimeoutMs, 10000);
    QCOMPARE(bcdedit.last().request.arguments, (QStringList{"/store", store, "/enum", "all", "/v"}));
    QCOMPARE(f.callsOf(QStringLiteral("reg")).at(0).request.arguments.at(2), QStringLiteral("Y:\\Windows\\System32\\config\\SYSTEM"));
    QVERIFY(repair.mountedLetter().isEmpty());
    QVERIFY(phases.size() >= 2);
    QCOMPARE(f.runner.sleeps().mid(0, 2), (QList<int>{3000, 2000}));
}

void TestCloneRepair::systemCloneRebuildFailures()
{
    {   // No probed partition holds Windows: nothing is mounted for good.
        BootFixture f;
        DiskSimulator sim(f);
        sim.windowsPartition = 9;
        SystemCloneBootRepair repair(&f.bcd, nullptr);
        repair.setTargetDisk(targetDisk(1));
        QVERIFY(!repair.rebuildBcdForMigration());
        QCOMPARE(repair.lastError(), QStringLiteral("No primary partition contains Windows\\System32"));
        QCOMPARE(sim.scripts.size(), 2 + 2 * 4);  // online, list, assign+remove for partitions 2, 5, 3, 4
        QVERIFY(f.callsOf(QStringLiteral("bcdboot")).isEmpty());
    }
    {   // bcdboot times out: no options, letters still removed.
        BootFixture f;
        DiskSimulator sim(f);
        sim.failing.insert(QStringLiteral("bcdboot"), ScriptedCommandRunner::timedOut());
        SystemCloneBootRepair repair(&f.bcd, nullptr);
        repair.setTargetDisk(targetDisk(1));
        QVERIFY(!repair.rebuildBcdForMigration());
        QCOMPARE(repair.lastError(), QStringLiteral("bcdboot timed out"));
        QVERIFY(f.logged(QStringLiteral("bcdboot timed out after 60 seconds")));
        QVERIFY(f.callsOf(QStringLiteral("bcdedit")).isEmpty());
        QCOMPARE(sim.scripts.last(), QStringLiteral("select disk 1\nselect partition 1\nremove letter=Z\nselect partition 3\nremove letter=Y\n"));
        QVERIFY(f.logged(QStringLiteral("bcdboot failed")));
    }
    {   // Exit code reported; Windows folder missing after the final mount.
        BootFixture f;
        DiskSimulator sim(f);
        bool probing = true;
        f.runner.setResponder([&](const CommandRequest& r, const QString& s) {
            if (s.contains(QLatin1String("assign letter=Z")))
                probing = false;
            if (!probing && s.contains(QLatin1String("assign")))
                sim.mountWorks = false;
            return sim.answer(r, s);
        });
        SystemCloneBootRepair repair(&f.bcd, nullptr);
        repair.setTargetDisk(targetDisk(1));
        QVERIFY(!repair.rebuildBcdForMigration());
        QCOMPARE(repair.lastError(), QStringLiteral("Windows folder not found on target partition 3"));
        QCOMPARE(f.callsOf(QStringLiteral("cmd")).at(0).request.arguments, (QStringList{"/c", "dir", "Y:\\"}));
        QCOMPARE(sim.scripts.at(sim.scripts.size() - 2), QStringLiteral("select disk 1\nselect partition 1\nremove letter=Z\n"));
        QCOMPARE(sim.scripts.last(), QStringLiteral("select disk 1\nselect partition 3\nremove letter=Y\n"));
    }
}

void TestCloneRepair::systemCloneRepairBcd()
{
    {   // Legacy BIOS: the system partition's letter is the system root.
        BootFixture f;
        f.addFiles({"E:\\Windows\\System32"});
        f.addFiles({"E:\\Windows\\system32\\winload.exe"});
        SystemCloneBootRepair repair(&f.bcd, nullptr);
        PartitionInfo sys = part(1, QStringLiteral("F:"));
        sys.isSystem = true;
        repair.setSystemPartitions({sys, part(2, QStringLiteral("E:"))});
        repair.setTargetBootMode(Tessarin::TargetBootMode::Legacy);
        QVERIFY(repair.repairBcd());
        QCOMPARE(f.callsOf(QStringLiteral("bcdboot")).at(0).request.arguments,
                 (QStringList{"E:\\Windows", "/s", "F:", "/f", "BIOS", "/l", "zh-cn"}));
    }
    {   // UEFI without a letter on the EFI partition: it is mounted and recorded.
        BootFixture f;
        f.useLetters("ZYX");
        f.addFiles({"E:\\Windows\\System32"});
        f.addFiles({"E:\\Windows\\system32\\winload.efi"});
        SystemCloneBootRepair repair(&f.bcd, nullptr);
        PartitionInfo efi = part(1);
        efi.isEfi = true;
        repair.setSystemPartitions({efi, part(3, QStringLiteral("E:"))});
        repair.setTargetDisk(targetDisk(2));
        QVERIFY(repair.repairBcd());
        QCOMPARE(f.callsOf(QStringLiteral("diskpart")).at(0).scriptText,
                 QStringLiteral("select disk 2\nselect partition 1\nassign letter=W\n"));
        QCOMPARE(repair.mountedLetter(), QStringLiteral("W"));
        QCOMPARE(f.callsOf(QStringLiteral("bcdboot")).at(0).request.arguments.at(2), QStringLiteral("W:"));

        // EFI partition cannot be mounted: the repair stops.
        f.runner.clear();
        repair.clearMountedLetter();
        DiskInfo noEfi = targetDisk(2);
        noEfi.partitions.removeFirst();
        repair.setTargetDisk(noEfi);
        QVERIFY(!repair.repairBcd());
        QCOMPARE(repair.lastError(), QStringLiteral("Cannot access EFI partition for BCD repair"));
        QVERIFY(f.callsOf(QStringLiteral("bcdboot")).isEmpty());

        // All strategies fail: the editor's message becomes the repair's.
        f.runner.setResponder([](const CommandRequest& r, const QString&) {
            return ScriptedCommandRunner::result(r.program == QLatin1String("diskpart") ? 0 : 1);
        });
        repair.setTargetDisk(targetDisk(2));
        QVERIFY(!repair.repairBcd());
        QCOMPARE(repair.lastError(), QStringLiteral("All BCD repair methods failed"));
    }
    {
        BootFixture f;
        SystemCloneBootRepair repair(&f.bcd, nullptr);
        repair.setSystemPartitions({part(3, QStringLiteral("E:"))});
        QVERIFY(!repair.repairBcd());
        QCOMPARE(repair.lastError(), QStringLiteral("Cannot find Windows partition for BCD repair"));
    }
}

void TestCloneRepair::efiContentsAndWinRE()
{
    BootFixture f;
    SystemCloneBootRepair repair(&f.bcd, nullptr);
    f.addFiles({"S:\\EFI\\Microsoft\\Boot\\bootmgfw.efi"});
    f.addFiles({"S:\\EFI\\Microsoft\\Boot\\BCD"});
    QVERIFY(!repair.verifyEfiContents(QStringLiteral("S")));
    QVERIFY(f.logged(QStringLiteral("  Missing: S:\\EFI\\Boot\\bootx64.efi")));
    f.addFiles({"S:\\EFI\\Boot\\bootx64.efi"});
    QVERIFY(repair.verifyEfiContents(QStringLiteral("S:")));
    QVERIFY(!repair.checkWinRE(QStringLiteral("C:")));
    f.addFiles({"C:\\Windows\\System32\\Recovery\\Winre.wim"});
    QVERIFY(repair.checkWinRE(QStringLiteral("C:")));
}

QTEST_GUILESS_MAIN(TestCloneRepair)
#include "tst_clonerepair.moc"
