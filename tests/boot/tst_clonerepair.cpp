// Boot repair of disk-clone and system-clone targets against a simulated diskpart.
#include "bootfixture.h"
#include "boot/boottoolavailability.h"
#include "boot/diskclonebootrepair.h"
#include "boot/systemclonebootrepair.h"
#include "common/hivefixture.h"
#include "platform/platform.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtEndian>

#include <QRegularExpression>
#include <QtTest>

namespace {
// Plays diskpart for one disk: "assign letter" makes the partition's files appear under the
// letter, "remove letter" takes them away, "list partition" answers with `listing`.
struct DiskSimulator {
    BootFixture& f;
    QString listing = QStringLiteral("  Partition 1    System             100 MB  1024 KB\n"
                                     "  Partition 2    Reserved            16 MB   101 MB\n"
                                     "  Partition 5    Primary              8 MB   117 MB\n"
                                     "  Partition 3    Primary            237 GB   125 MB\n"
                                     "  Partition 4    Recovery           509 MB   237 GB\n");
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
            return ScriptedCommandRunner::result(0);
        scripts.append(script);
        static const QRegularExpression command(QStringLiteral("^(select disk|select partition|assign letter=|remove letter=)\\s*(\\w+)"));
        int partition = -1;
        for (const QString& line : script.split(QLatin1Char('\n'))) {
            const QRegularExpressionMatch m = command.match(line);
            const QString verb = m.captured(1), value = m.captured(2);
            if (verb == QLatin1String("select disk"))
                disks.insert(value.toInt());
            else if (verb == QLatin1String("select partition"))
                partition = value.toInt();
            else if (verb == QLatin1String("assign letter=") && mountWorks)
                mount(partition, value);
            else if (verb == QLatin1String("remove letter="))
                unmount(value.toStdString());
        }
        return ScriptedCommandRunner::result(0, script.contains(QLatin1String("list partition")) ? listing.toUtf8() : "done");
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

// The machine's own files, with the boot tools' folder on the mapped C: (Linux has none).
class FilesWithTools : public PlatformFiles {
public:
    explicit FilesWithTools(PlatformFiles& files) : m_files(files) {}
    std::string windowsDirectory() override { return "C:\\Windows"; }
    bool fileExists(const std::string& path) override { return m_files.fileExists(path); }
    bool createDirectory(const std::string& path) override { return m_files.createDirectory(path); }
    bool copyFile(const std::string& from, const std::string& to, bool failIfExists) override
    {
        return m_files.copyFile(from, to, failIfExists);
    }
    bool deleteFile(const std::string& path) override { return m_files.deleteFile(path); }
    bool setFileAttributesNormal(const std::string& path) override { return m_files.setFileAttributesNormal(path); }
    uint32_t logicalDrives() override { return m_files.logicalDrives(); }
    uint32_t driveType(const std::string& rootPath) override { return m_files.driveType(rootPath); }

private:
    PlatformFiles& m_files;
};

DiskInfo targetDisk(int number = 2) { return diskOf(number, {efiPart(1), part(2), part(3)}); }

// A disk-clone repair from disk 0 (Windows on C:) to disk 2.
void aim(DiskCloneBootRepair& repair)
{
    repair.setSourceDisk(diskOf(0, {efiPart(1), part(2), part(3, QStringLiteral("C:"))}));
    repair.setTargetDisk(targetDisk());
}
}

class TestCloneRepair : public QObject {
    Q_OBJECT
private slots:
    // The native file part (read once) sees the copy's volumes Y: and V: and the boot tools on C:.
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QStringList map;
        for (const char* letter : {"C", "Y", "V"})
            map << QStringLiteral("%1=%2").arg(QLatin1String(letter), m_dir.filePath(QLatin1String(letter)));
        qputenv("TESSARIN_DRIVE_LETTERS", map.join(QLatin1Char(';')).toLocal8Bit());
    }

    // A legacy copy made on Windows keeps its store, whose device elements name the source's disk
    // signature: they are re-pointed to the copy's, through the copy's letters, without bcdedit.
    void diskCloneLegacyStoreEditedInPlace()
    {
        using namespace hivefixture;
        if (QStandardPaths::findExecutable(QStringLiteral("hivexregedit")).isEmpty())
            QSKIP("hivexregedit is not installed (scripts/setup.sh installs it)");
        BootFixture f;
        constexpr qint64 MiB = 1 << 20;
        for (uint32_t signature : {0x11111111u, 0x22222222u}) {
            QByteArray mbr(512, '\0');
            qToLittleEndian<quint32>(signature, mbr.data() + 440);
            for (int i = 0; i < 2; ++i) {
                char* e = mbr.data() + 446 + 16 * i;
                e[0] = char(i == 0 ? 0x80 : 0);
                e[4] = 0x07;
                qToLittleEndian<quint32>(2048u * uint32_t(i + 1), e + 8);
                qToLittleEndian<quint32>(2048u, e + 12);
            }
            mbr[510] = char(0x55);
            mbr[511] = char(0xAA);
            f.addDisk(mbr);
        }
        const QString c = m_dir.filePath(QStringLiteral("C/Windows/System32")), y = m_dir.filePath(QStringLiteral("Y")),
                      v = m_dir.filePath(QStringLiteral("V"));
        QVERIFY(QDir().mkpath(c) && QDir().mkpath(y + QStringLiteral("/Boot")) && QDir().mkpath(v + QStringLiteral("/Windows/System32/config")));
        for (const char* tool : {"bcdedit.exe", "bcdboot.exe", "reg.exe"})
            QVERIFY(QFile(c + QLatin1Char('/') + QLatin1String(tool)).open(QIODevice::WriteOnly));
        const QString loader = QStringLiteral("{7619dcc9-fafe-11d9-b411-000476eba25f}");
        makeHive(y + QStringLiteral("/Boot/BCD"), QStringLiteral("[%1\\Objects\\%2\\Elements\\21000001]\n\"Element\"=hex:%3\n\n")
                                                      .arg(Prefix, loader, regHex(device(1, le(MiB, 8), le(0x11111111, 4)))));
        makeHive(v + QStringLiteral("/Windows/System32/config/SYSTEM"),
                 QStringLiteral("[%1\\ControlSet001\\Services\\storahci]\n\"Start\"=dword:00000003\n\n").arg(Prefix));

        PlatformBackend& native = Platform::native();
        FilesWithTools withTools(*native.parts().files);
        ScopedPlatform files({nullptr, nullptr, &withTools, nullptr, native.parts().registry});
        PartitionInfo boot = part(1, QStringLiteral("Y:")), windows = part(2, QStringLiteral("V:"));
        boot.start512 = 2048;
        windows.start512 = 4096;
        boot.fileSystem = windows.fileSystem = Tessarin::FileSystemType::NTFS;
        windows.isSystem = true;
        DiskCloneBootRepair repair(&f.bcd, nullptr);
        repair.setSourceDisk(diskOf(0, {}));
        repair.setTargetDisk(diskOf(1, {boot, windows}));
        QVERIFY2(repair.repairLegacyBcd(), qPrintable(repair.lastError()));
        QVERIFY(f.callsOf(QStringLiteral("bcdedit")).isEmpty());
        const QString store = exportHive(y + QStringLiteral("/Boot/BCD"));
        QVERIFY2(store.contains(regHex(device(1, le(MiB, 8), le(0x22222222, 4)))), qPrintable(store));
        QVERIFY(exportHive(v + QStringLiteral("/Windows/System32/config/SYSTEM")).contains(QStringLiteral("\"Start\"=dword:00000000")));
    }

    void noFreeLettersRunsNothing()
    {
        BootFixture f;
        f.useLetters("KLMNOPQRSTUVWXYZ");
        QVERIFY(DiskCloneBootRepair::chooseFreeLetter({}).isEmpty());  // J and below never used
        f.useLetters("KLNOPQRSTUVWXYZ");  // one letter is not enough for EFI and Windows
        DiskCloneBootRepair disk(nullptr, nullptr);
        aim(disk);
        QVERIFY(!disk.configureUefiPortableBoot());
        SystemCloneBootRepair system(&f.bcd, nullptr);
        system.setTargetDisk(targetDisk());
        QVERIFY(!system.rebuildBcdForMigration());
        QVERIFY(f.callsOf(QStringLiteral("diskpart")).isEmpty());
    }

    void detection()
    {
        BootFixture f;
        DiskSimulator sim(f);
        DiskCloneBootRepair repair(nullptr, nullptr);
        // No preset, and a wrong preset Windows number that is probed, released, and passed over.
        for (int presetWindows : {-1, 4}) {
            int efi = presetWindows < 0 ? -1 : 1, win = presetWindows;
            QVERIFY(repair.detectTargetBootPartitions(2, QStringLiteral("W"), efi, win));
            QCOMPARE(efi, 1);
            QCOMPARE(win, 3);  // the 8 MB primary partition is no candidate
            QCOMPARE(sim.disks, QSet<int>{2});
            QCOMPARE(f.platform.driveMask, 0u);  // the probe letter is released
        }
        // No primary partition above 8 MiB and no preset: detection fails.
        sim.listing = QStringLiteral("  Partition 1    System             100 MB  1024 KB\n  Partition 2    Primary              8 MB   101 MB\n");
        int efi = -1, win = -1;
        QVERIFY(!repair.detectTargetBootPartitions(2, QStringLiteral("W"), efi, win));
    }

    void diskCloneUefi_data()
    {
        QTest::addColumn<QString>("failingProgram");
        QTest::addColumn<bool>("mountWorks");
        QTest::addColumn<int>("bcdboots");
        QTest::newRow("works") << QString() << true << 1;
        // The portable configuration still runs, the repair reports failure.
        QTest::newRow("bcdboot fails") << QStringLiteral("bcdboot") << true << 1;
        QTest::newRow("partitions never visible") << QString() << false << 0;
        QTest::newRow("offline hive not loaded") << QStringLiteral("reg") << true << 0;
    }

    void diskCloneUefi()
    {
        QFETCH(QString, failingProgram);
        QFETCH(bool, mountWorks);
        QFETCH(int, bcdboots);
        BootFixture f;
        f.useLetters("ZYC");
        f.addFiles({"C:\\Windows\\System32"});
        DiskSimulator sim(f);
        sim.mountWorks = mountWorks;
        if (!failingProgram.isEmpty())
            sim.failing.insert(failingProgram, ScriptedCommandRunner::result(1, "ERROR: Failure"));
        DiskCloneBootRepair repair(&f.bcd, nullptr);
        aim(repair);
        QCOMPARE(repair.configureUefiPortableBoot(), failingProgram.isEmpty() && mountWorks);
        QCOMPARE(sim.disks, QSet<int>{2});  // only the target disk is touched
        QCOMPARE(f.platform.driveMask, MemoryPlatform::letterMask("ZYC"));  // every letter given back
        QVERIFY(sim.scripts.last().contains(QStringLiteral("remove letter=")));
        QVERIFY(repair.mountedLetter().isEmpty());
        QCOMPARE(f.callsOf(QStringLiteral("bcdboot")).size(), bcdboots);
        if (bcdboots == 0)
            return;
        QCOMPARE(f.callsOf(QStringLiteral("reg")).at(1).request.arguments.at(2), QStringLiteral("W:\\Windows\\System32\\config\\SYSTEM"));
        const QStringList bcdboot = f.callsOf(QStringLiteral("bcdboot")).at(0).request.arguments;
        QVERIFY(bcdboot.contains(QStringLiteral("W:\\Windows")) && bcdboot.contains(QStringLiteral("X:")));
        QCOMPARE(f.copies(), QStringList{QStringLiteral("X:\\EFI\\Microsoft\\Boot\\bootmgfw.efi -> X:\\EFI\\Boot\\bootx64.efi")});
    }

    void diskCloneLegacy()
    {
        // The system partition is mounted and recorded for removal by the strategy; mounted but
        // without a store there, the letter does not stay behind.
        for (bool storeThere : {true, false}) {
            BootFixture f;
            f.useLetters("Z");
            f.runner.setResponder([&](const CommandRequest&, const QString& s) {
                if (storeThere && s.contains(QLatin1String("assign letter=Y")))
                    f.addFiles({"Y:\\Boot\\BCD"});
                return ScriptedCommandRunner::result(0);
            });
            DiskCloneBootRepair repair(nullptr, nullptr);
            repair.setTargetDisk(targetDisk(5));
            QVERIFY(repair.repairLegacyBcd());
            QVERIFY(f.runner.calls().at(0).scriptText.startsWith(QStringLiteral("select disk 5\nselect partition 1\n")));
            QCOMPARE(repair.mountedLetter(), storeThere ? QStringLiteral("Y") : QString());
            if (storeThere) {
                QCOMPARE(repair.mountedDisk(), 5);
                QCOMPARE(repair.mountedPartition(), 1);
                QCOMPARE(f.callsOf(QStringLiteral("bcdedit")).at(0).request.arguments.mid(0, 2), (QStringList{"/store", "Y:\\Boot\\BCD"}));
            } else {
                QVERIFY(f.runner.calls().last().scriptText.contains(QStringLiteral("remove letter=Y")));
            }
        }
    }

    void systemCloneRebuild_data()
    {
        QTest::addColumn<int>("windowsPartition");
        QTest::addColumn<bool>("bcdbootTimesOut");
        QTest::newRow("works") << 3 << false;
        QTest::newRow("no probed partition holds Windows") << 9 << false;
        QTest::newRow("bcdboot times out") << 3 << true;
    }

    void systemCloneRebuild()
    {
        QFETCH(int, windowsPartition);
        QFETCH(bool, bcdbootTimesOut);
        BootFixture f;
        DiskSimulator sim(f);
        // Two system partitions: the one listed last is the EFI partition.
        sim.listing = QStringLiteral(
            "  分区      1    系统                 100 MB  1024 KB\n"
            "  分区      2    系统                 260 MB   101 MB\n"
            "  分区      3    主要                 120 GB   361 MB\n"
            "  分区      4    主要                  50 GB   121 GB\n");
        sim.efiPartition = 2;
        sim.windowsPartition = windowsPartition;
        if (bcdbootTimesOut)
            sim.failing.insert(QStringLiteral("bcdboot"), ScriptedCommandRunner::timedOut());
        SystemCloneBootRepair repair(&f.bcd, nullptr);
        repair.setTargetDisk(targetDisk(1));
        const bool ok = windowsPartition == 3 && !bcdbootTimesOut;
        QCOMPARE(repair.rebuildBcdForMigration(), ok);
        QCOMPARE(sim.disks, QSet<int>{1});
        QCOMPARE(f.callsOf(QStringLiteral("bcdboot")).size(), windowsPartition == 3 ? 1 : 0);
        if (!ok) {
            QCOMPARE(f.platform.driveMask, 0u);
            QVERIFY(repair.mountedLetter().isEmpty());
            QVERIFY(f.callsOf(QStringLiteral("bcdedit")).isEmpty());
            return;
        }
        // The EFI partition stays mounted for the strategy's check, then its letter is removed.
        QCOMPARE(f.platform.driveMask, MemoryPlatform::letterMask("Z"));
        QCOMPARE(repair.efiLetterUsed(), QStringLiteral("Z"));
        QVERIFY(repair.verifyEfiContents(repair.efiLetterUsed()));
        repair.releaseMountedLetter();
        QCOMPARE(f.platform.driveMask, 0u);
        QCOMPARE(repair.efiLetterUsed(), QStringLiteral("Z"));
        QVERIFY(sim.scripts.contains(QStringLiteral("select disk 1\nselect partition 2\nassign letter=Z\nselect partition 3\nassign letter=Y\n")));
        const QStringList bcdboot = f.callsOf(QStringLiteral("bcdboot")).at(0).request.arguments;
        QVERIFY(bcdboot.contains(QStringLiteral("Y:\\Windows")) && bcdboot.contains(QStringLiteral("Z:")));
        for (const auto& c : f.callsOf(QStringLiteral("bcdedit")))
            QCOMPARE(c.request.arguments.mid(0, 2), (QStringList{"/store", "Z:\\EFI\\Microsoft\\Boot\\BCD"}));
        QCOMPARE(f.callsOf(QStringLiteral("reg")).at(0).request.arguments.at(2), QStringLiteral("Y:\\Windows\\System32\\config\\SYSTEM"));
    }

    // Without bcdedit, bcdboot or reg every entry point refuses before any tool or letter, with the
    // message that says the boot configuration was not updated; on Linux the tools are never there.
    void refusesWithoutBootTools_data()
    {
        QTest::addColumn<QString>("missing");
        for (const char* tool : {"bcdedit", "bcdboot", "reg"})
            QTest::newRow(tool) << QString::fromLatin1(tool);
    }

    void refusesWithoutBootTools()
    {
        QFETCH(QString, missing);
        BootFixture f;
        f.useLetters("C");
        f.platform.existingPaths.erase("C:\\Windows\\System32\\" + missing.toStdString() + ".exe");
        QCOMPARE(BootToolAvailability::missingTools(), QStringList{missing});
        DiskCloneBootRepair disk(&f.bcd, nullptr);
        aim(disk);
        SystemCloneBootRepair system(&f.bcd, nullptr);
        system.setTargetDisk(targetDisk());
        system.setSystemPartitions({efiPart(1), part(3, QStringLiteral("C:"))});
        const std::function<bool()> entries[] = {
            [&] { return disk.configureUefiPortableBoot(); }, [&] { return disk.repairLegacyBcd(); },
            [&] { return disk.configurePortableUsbBoot(QStringLiteral("C")); },
            [&] { return system.rebuildBcdForMigration(); }, [&] { return system.repairBcd(); }};
        for (const auto& entry : entries)
            QVERIFY(!entry());
        QCOMPARE(disk.lastError(), BootToolAvailability::unavailableMessage());
        QCOMPARE(system.lastError(), BootToolAvailability::unavailableMessage());
        QVERIFY(f.runner.calls().isEmpty());
        QCOMPARE(f.platform.driveMask, MemoryPlatform::letterMask("C"));

#ifndef Q_OS_WIN
        // Linux has no Windows system folder; on Windows (and Wine) the machine decides.
        ScopedPlatform native(&Platform::native());
        QCOMPARE(BootToolAvailability::missingTools(), BootToolAvailability::requiredTools());
#endif
    }

    void systemCloneRepairBcd()
    {
        // UEFI without a letter on the EFI partition: it is mounted on the target and recorded.
        BootFixture f;
        f.useLetters("ZYX");
        f.addFiles({"E:\\Windows\\System32", "E:\\Windows\\system32\\winload.efi"});
        SystemCloneBootRepair repair(&f.bcd, nullptr);
        repair.setSystemPartitions({efiPart(1), part(3, QStringLiteral("E:"))});
        repair.setTargetDisk(targetDisk(2));
        QVERIFY(repair.repairBcd());
        QVERIFY(f.callsOf(QStringLiteral("diskpart")).at(0).scriptText.startsWith(QStringLiteral("select disk 2\nselect partition 1\n")));
        QCOMPARE(repair.mountedLetter(), QStringLiteral("W"));
        // The strategy checks the files under the letter the repair used, then the letter is taken away.
        QCOMPARE(repair.efiLetterUsed(), QStringLiteral("W:"));
        repair.releaseMountedLetter();
        QVERIFY(repair.mountedLetter().isEmpty());
        QCOMPARE(f.callsOf(QStringLiteral("diskpart")).last().scriptText,
                 QStringLiteral("select disk 2\nselect partition 1\nremove letter=W\n"));

        // EFI partition cannot be mounted, or no Windows: the repair stops before bcdboot.
        f.runner.clear();
        repair.clearMountedLetter();
        repair.setTargetDisk(diskOf(2, {part(2), part(3)}));
        QVERIFY(!repair.repairBcd());
        repair.setSystemPartitions({part(3, QStringLiteral("G:"))});
        QVERIFY(!repair.repairBcd());
        QVERIFY(f.callsOf(QStringLiteral("bcdboot")).isEmpty());
    }

private:
    QTemporaryDir m_dir;
};

QTEST_GUILESS_MAIN(TestCloneRepair)
#include "tst_clonerepair.moc"

