// Boot repair of disk-clone and system-clone targets against a simulated diskpart.
#include "bootfixture.h"
#include "boot/boottoolavailability.h"
#include "boot/copyvolumeletters.h"
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
// letter, "remove letter" takes them away. It answers in Japanese or French: nothing may read its
// text. The disk's table (numbers, types, sizes) is the platform's drive layout.
struct DiskSimulator {
    struct Entry {
        uint32_t number;
        int64_t startMiB, sizeMiB;
        const char* type;
    };
    static constexpr const char* Esp = "{C12A7328-F81F-11D2-BA4B-00A0C93EC93B}";
    static constexpr const char* Msr = "{E3C9E316-0B5C-4DB8-817D-F92DF00215AE}";
    static constexpr const char* Data = "{EBD0A0A2-B9E5-4433-87C0-68B6B72699C7}";
    static constexpr const char* Recovery = "{DE94BBA4-06D1-4D40-A16A-BFD50179D6AC}";

    BootFixture& f;
    QByteArray answerText = QByteArray("DiskPart a attribué la lettre de lecteur ou le point de montage.\r\n"
                                       "  Partition ###  Type              Taille   Décalage\r\n"
                                       "  Partition 1    Système            100 Mo  1024 Ko\r\n");
    int windowsPartition = 3;
    int efiPartition = 1;
    bool mountWorks = true;
    QMap<QString, CommandResult> failing;  // program -> its answer
    QStringList scripts;
    QSet<int> disks;  // every disk a script selected

    explicit DiskSimulator(BootFixture& fixture) : f(fixture)
    {
        f.runner.setResponder([this](const CommandRequest& r, const QString& script) { return answer(r, script); });
        for (int n = 0; n < 3; ++n)
            f.platform.addDisk(4 * 1024 * 1024);
        // Disk 2, the usual target: the 8 MiB data partition is too small to hold Windows.
        table(2, {{1, 1, 100, Esp}, {2, 101, 16, Msr}, {5, 117, 8, Data}, {3, 125, 242688, Data}, {4, 242813, 509, Recovery}});
    }
    void table(int disk, const QList<Entry>& entries)
    {
        constexpr int64_t MiB = 1048576;
        PlatformDriveLayout& layout = f.platform.disk(disk).layout;
        layout = PlatformDriveLayout{};
        layout.style = LayoutStyle::GPT;
        for (const Entry& e : entries) {
            PlatformLayoutEntry le;
            le.partitionNumber = e.number;
            le.startingOffset = e.startMiB * MiB;
            le.partitionLength = e.sizeMiB * MiB;
            le.typeGuid = e.type;
            layout.entries.push_back(le);
        }
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
        return ScriptedCommandRunner::result(0, answerText);
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
        if (QStandardPaths::findExecutable(QStringLiteral("hivexregedit")).isEmpty())
            QSKIP("hivexregedit is not installed (scripts/setup.sh installs it)");
        BootFixture f;
        QString y, v;
        prepareLegacyCopy(f, y, v);
        PlatformBackend& native = Platform::native();
        FilesWithTools withTools(*native.parts().files);
        ScopedPlatform files({nullptr, nullptr, &withTools, nullptr, native.parts().registry});
        DiskCloneBootRepair repair(&f.bcd, nullptr);
        repair.setSourceDisk(diskOf(0, {}));
        repair.setTargetDisk(diskOf(1, legacyCopyPartitions()));
        QVERIFY2(repair.repairLegacyBcd(), qPrintable(repair.lastError()));
        QVERIFY(f.callsOf(QStringLiteral("bcdedit")).isEmpty());
        checkLegacyCopy(y, v);
    }

    // The same for a system clone: its copied System Reserved partition has the store, so bcdboot
    // does not run; the store's device elements and the copy's SYSTEM hive are edited in place.
    void systemCloneLegacyStoreEditedInPlace()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("hivexregedit")).isEmpty())
            QSKIP("hivexregedit is not installed (scripts/setup.sh installs it)");
        BootFixture f;
        QString y, v;
        prepareLegacyCopy(f, y, v);
        PlatformBackend& native = Platform::native();
        FilesWithTools withTools(*native.parts().files);
        ScopedPlatform files({nullptr, nullptr, &withTools, nullptr, native.parts().registry});
        SystemCloneBootRepair repair(&f.bcd, nullptr);
        repair.setSourceDiskNumber(0);
        repair.setTargetDisk(diskOf(1, legacyCopyPartitions()));
        repair.setSystemPartitions(legacyCopyPartitions());
        repair.setTargetBootMode(Tessarin::TargetBootMode::Legacy);
        QVERIFY2(repair.repairBcd(), qPrintable(repair.lastError()));
        QVERIFY(f.callsOf(QStringLiteral("bcdboot")).isEmpty());
        QVERIFY(f.callsOf(QStringLiteral("bcdedit")).isEmpty());
        checkLegacyCopy(y, v);
    }

    // Where no loop device reaches a partition, the offline repair reads the copy through drive
    // letters: the ones its volumes have, and one given through diskpart to each volume without;
    // those are taken away again. A partition without a file system it reads is left alone.
    void copyVolumeLetters()
    {
        constexpr uint64_t MiB = 1048576;
        BootFixture f;
        f.useLetters("D");
        const int n = f.platform.addDisk(8 * MiB);
        f.listPartition(n, LayoutStyle::GPT, 1, 1, 2, DiskSimulator::Esp, false, QString(), "FAT32");
        f.listPartition(n, LayoutStyle::GPT, 2, 3, 1, DiskSimulator::Msr, false, QString(), "");
        f.listPartition(n, LayoutStyle::GPT, 3, 4, 3, DiskSimulator::Data, false, QStringLiteral("D:"), "NTFS");
        QStringList scripts;
        f.runner.setResponder([&](const CommandRequest&, const QString& script) {
            scripts << script;
            static const QRegularExpression assign(QStringLiteral("assign letter=(\\w)"));
            const QRegularExpressionMatch m = assign.match(script);
            if (m.hasMatch())
                f.platform.driveMask |= MemoryPlatform::letterMask(m.captured(1).toStdString());
            return ScriptedCommandRunner::result(0, "DiskPart a attribu\xc3\xa9 la lettre de lecteur.");
        });
        {
            CopyVolumeLetters letters(n);
            QVERIFY2(letters.mount(), qPrintable(letters.lastError()));
            QCOMPARE(letters.roots().keys(), (QList<uint64_t>{1 * MiB, 4 * MiB}));
            QCOMPARE(letters.roots().value(1 * MiB).root, QStringLiteral("Z:\\"));
            QCOMPARE(letters.roots().value(1 * MiB).kind, VolumeFileAccess::Kind::Fat);
            QCOMPARE(letters.roots().value(4 * MiB).root, QStringLiteral("D:\\"));
            QCOMPARE(letters.roots().value(4 * MiB).kind, VolumeFileAccess::Kind::Ntfs);
            QCOMPARE(scripts, QStringList{QStringLiteral("select disk %1\nselect partition 1\nassign letter=Z noerr\n").arg(n)});
        }
        QCOMPARE(scripts.size(), 2);
        QVERIFY2(scripts.last().contains(QStringLiteral("remove letter=Z")), qPrintable(scripts.last()));
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
        // No data partition above 8 MiB and no preset: detection fails.
        sim.table(2, {{1, 1, 100, DiskSimulator::Esp}, {2, 101, 8, DiskSimulator::Data}});
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
        // A recovery partition before the EFI partition; the largest data partition is probed first.
        sim.answerText = QStringLiteral("  パーティション ###  種類              サイズ     オフセット\r\n"
                                        "  パーティション 2    システム            260 MB   101 MB\r\n").toUtf8();
        sim.table(1, {{1, 1, 100, DiskSimulator::Recovery}, {2, 101, 260, DiskSimulator::Esp},
                      {4, 123241, 51200, DiskSimulator::Data}, {3, 361, 122880, DiskSimulator::Data}});
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
    // Two MBR disks of signatures 0x11111111 (source, 0) and 0x22222222 (copy, 1), each with an
    // active partition at 1 MiB and one at 2 MiB; the copy's volumes are Y: (a store naming the
    // source) and V: (Windows), the boot tools on C:.
    void prepareLegacyCopy(BootFixture& f, QString& y, QString& v)
    {
        using namespace hivefixture;
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
        QDir(m_dir.path()).removeRecursively();
        const QString c = m_dir.filePath(QStringLiteral("C/Windows/System32"));
        y = m_dir.filePath(QStringLiteral("Y"));
        v = m_dir.filePath(QStringLiteral("V"));
        QVERIFY(QDir().mkpath(c) && QDir().mkpath(y + QStringLiteral("/Boot")) && QDir().mkpath(v + QStringLiteral("/Windows/System32/config")));
        for (const char* tool : {"bcdedit.exe", "bcdboot.exe", "reg.exe"})
            QVERIFY(QFile(c + QLatin1Char('/') + QLatin1String(tool)).open(QIODevice::WriteOnly));
        const QString loader = QStringLiteral("{7619dcc9-fafe-11d9-b411-000476eba25f}");
        makeHive(y + QStringLiteral("/Boot/BCD"), QStringLiteral("[%1\\Objects\\%2\\Elements\\21000001]\n\"Element\"=hex:%3\n\n")
                                                      .arg(Prefix, loader, regHex(device(1, le(MiB, 8), le(0x11111111, 4)))));
        makeHive(v + QStringLiteral("/Windows/System32/config/SYSTEM"),
                 QStringLiteral("[%1\\ControlSet001\\Services\\storahci]\n\"Start\"=dword:00000003\n\n").arg(Prefix));
    }
    static QList<PartitionInfo> legacyCopyPartitions()
    {
        PartitionInfo boot = part(1, QStringLiteral("Y:")), windows = part(2, QStringLiteral("V:"));
        boot.start512 = 2048;
        windows.start512 = 4096;
        boot.fileSystem = windows.fileSystem = Tessarin::FileSystemType::NTFS;
        boot.isActive = true;
        windows.isSystem = true;
        return {boot, windows};
    }
    static void checkLegacyCopy(const QString& y, const QString& v)
    {
        using namespace hivefixture;
        const QString store = exportHive(y + QStringLiteral("/Boot/BCD"));
        QVERIFY2(store.contains(regHex(device(1, le(1 << 20, 8), le(0x22222222, 4)))), qPrintable(store));
        QVERIFY(exportHive(v + QStringLiteral("/Windows/System32/config/SYSTEM")).contains(QStringLiteral("\"Start\"=dword:00000000")));
    }

    QTemporaryDir m_dir;
};

QTEST_GUILESS_MAIN(TestCloneRepair)
#include "tst_clonerepair.moc"

