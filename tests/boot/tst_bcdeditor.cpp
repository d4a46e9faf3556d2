// The boot-store editor: repair chain, manual store, portable mode, clean-up, EFI letters.
#include "bootfixture.h"
#include "boot/bcdeditor.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>
#if !defined(_WIN32)
#include "platform/posix/posixplatform.h"
#endif

namespace {
const QString UefiStore = QStringLiteral("S:\\EFI\\Microsoft\\Boot\\BCD");

void addWindows(ScriptedPlatform& p, const QString& root = QStringLiteral("W:"))
{
    p.addFile(root + QStringLiteral("\\Windows\\system32\\winload.efi"));
}
void addEfiFiles(ScriptedPlatform& p, const QString& root = QStringLiteral("S:"))
{
    p.addFile(root + QStringLiteral("\\EFI\\Microsoft\\Boot\\BCD"));
    p.addFile(root + QStringLiteral("\\EFI\\Microsoft\\Boot\\bootmgfw.efi"));
}
QStringList bcdeditLines(const BootFixture& f)
{
    QStringList out;
    for (const auto& c : f.callsOf(QStringLiteral("bcdedit")))
        out.append(c.request.arguments.join(QLatin1Char('|')));
    return out;
}
}

class TestBcdEditor : public QObject {
    Q_OBJECT
private slots:
    void repairChainFirstStrategy();
    void repairChainFallbacks();
    void repairAbortsWithoutWindows();
    void manualStoreCommands();
    void firmwareZeroUsesAllAndBiosLayout();
    void portableModeSteps();
    void portableModeFailures();
    void invalidEntryParsing_data();
    void invalidEntryParsing();
    void cleanInvalidEntriesDeletes();
    void mountAndUnmountEfi();
    void runningStoreEdits();
    void portableModeOnRealFolder();
};

void TestBcdEditor::repairChainFirstStrategy()
{
    BootFixture f;
    addWindows(f.platform);
    addEfiFiles(f.platform);
    f.platform.addFile(UefiStore + ".backup");
    BCDEditor bcd;
    QSignalSpy progress(&bcd, &BCDEditor::progressMessage);
    QVERIFY(bcd.repairBoot(QStringLiteral("W:"), 2, QStringLiteral("S:")));
    // The old backup is replaced by a fresh copy of the store.
    QVERIFY(f.platform.deletions.contains(UefiStore + ".backup"));
    QCOMPARE(f.platform.copies.first(), UefiStore + " -> " + UefiStore + ".backup");
    const auto boot = f.callsOf(QStringLiteral("bcdboot"));
    QCOMPARE(boot.size(), 1);
    QCOMPARE(boot.at(0).request.arguments, (QStringList{"W:\\Windows", "/s", "S:", "/f", "UEFI", "/l", "zh-cn"}));
    // Portable mode and the clean-up follow on UEFI.
    const QStringList lines = bcdeditLines(f);
    QVERIFY(lines.contains("/store|" + UefiStore + "|/set|{default}|device|locate=\\Windows\\System32\\winload.efi"));
    QCOMPARE(lines.last(), "/store|" + UefiStore + "|/enum|all|/v");
    QCOMPARE(progress.size(), 5);
    QCOMPARE(progress.at(0).at(0).toString(), QStringLiteral("Repairing boot configuration..."));
}

void TestBcdEditor::repairChainFallbacks()
{
    {   // bcdboot fails, manual creation works (BIOS: no portable mode).
        BootFixture f;
        addWindows(f.platform);
        f.runner.setResponder([](const CommandRequest& r, const QString&) {
            if (r.program == QLatin1String("bcdboot"))
                return ScriptedCommandRunner::result(1, "Failure when attempting to copy boot files.");
            if (r.arguments.contains(QLatin1String("osloader")))
                return ScriptedCommandRunner::result(0, "The entry {12345678-1234-1234-1234-123456789abc} was successfully created.");
            return ScriptedCommandRunner::result(0);
        });
        BCDEditor bcd;
        QVERIFY(bcd.repairBoot(QStringLiteral("W:"), 1, QStringLiteral("S:")));
        QVERIFY(f.logged(QStringLiteral("bcdboot failed: Failure when attempting to copy boot files.")));
        QCOMPARE(bcdeditLines(f).size(), 18);
        QVERIFY(bcdeditLines(f).filter(QStringLiteral("locate=")).isEmpty());
    }
    {   // bcdboot and manual creation fail; the existing store is patched.
        BootFixture f;
        addWindows(f.platform);
        addEfiFiles(f.platform);
        f.runner.setResponder([](const CommandRequest& r, const QString&) {
            if (r.program == QLatin1String("bcdboot") || r.arguments.contains(QLatin1String("osloader")))
                return ScriptedCommandRunner::result(1, "failed");
            return ScriptedCommandRunner::result(0);
        });
        // The manual attempt deletes the store; it is back when the patching starts.
        BCDEditor bcd;
        f.platform.failCopy = false;
        QVERIFY(!bcd.repairBoot(QStringLiteral("W:"), 2, QStringLiteral("S:")));
        QCOMPARE(bcd.lastError(), QStringLiteral("All BCD repair methods failed"));
        QVERIFY(f.logged(QStringLiteral("Failed to create OS loader entry: failed")));
        QVERIFY(f.logged(QStringLiteral("Manual BCD creation failed, attempting to update existing BCD...")));
    }
    {   // Third strategy succeeds when the store is still there.
        BootFixture f;
        addWindows(f.platform);
        addEfiFiles(f.platform);
        f.runner.setResponder([&f](const CommandRequest& r, const QString&) {
            if (r.program == QLatin1String("bcdboot"))
                return ScriptedCommandRunner::result(1);
            if (r.arguments.contains(QLatin1String("osloader")))
                return ScriptedCommandRunner::result(0, "no identifier here");
            if (r.arguments.contains(QLatin1String("/createstore")))
                f.platform.addFile(UefiStore);
            return ScriptedCommandRunner::result(0);
        });
        BCDEditor bcd;
        QVERIFY(bcd.repairBoot(QStringLiteral("W:"), 2, QStringLiteral("S:")));
        QVERIFY(f.logged(QStringLiteral("Failed to parse OS loader GUID from bcdedit output")));
        const QStringList lines = bcdeditLines(f);
        QVERIFY(lines.contains("/store|" + UefiStore + "|/set|{current}|osdevice|partition=W:"));
        QVERIFY(lines.contains("/store|" + UefiStore + "|/set|{default}|device|locate=\\Windows\\System32\\winload.efi"));
    }
}

void TestBcdEditor::repairAbortsWithoutWindows()
{
    BootFixture f;
    addEfiFiles(f.platform);
    BCDEditor bcd;
    QVERIFY(!bcd.repairBoot(QStringLiteral("W:\\"), 2, QStringLiteral("S:")));
    QCOMPARE(bcd.lastError(), QStringLiteral("Windows installation not found at W:\\Windows"));
    QVERIFY(f.runner.calls().isEmpty());
    // Any of the four files is enough.
    f.platform.addFile(QStringLiteral("W:\\Windows\\system32\\config\\SYSTEM"));
    QVERIFY(bcd.checkWindowsInstallation(QStringLiteral("W:\\Windows")));
}

void TestBcdEditor::manualStoreCommands()
{
    BootFixture f;
    f.runner.setResponder([](const CommandRequest& r, const QString&) {
        if (r.arguments.contains(QLatin1String("osloader")))
            return ScriptedCommandRunner::result(0, "The entry {aaaaaaaa-bbbb-cccc-dddd-eeeeeeeeeeee} was successfully created.");
        return ScriptedCommandRunner::result(r.arguments.contains(QLatin1String("/createstore")) ? 1 : 0);
    });
    BCDEditor bcd;
    QVERIFY(bcd.createStoreManually(QStringLiteral("W:"), QStringLiteral("S:"), 2));
    QVERIFY(f.platform.hasFile(QStringLiteral("S:\\EFI\\Microsoft\\Boot")));  // directory made with parents
    QVERIFY(f.logged(QStringLiteral("createstore output: ")));
    const QString g = QStringLiteral("{aaaaaaaa-bbbb-cccc-dddd-eeeeeeeeeeee}");
    const QString s = "/store|" + UefiStore + "|";
    const QStringList expected{
        "/createstore|" + UefiStore,
        s + "/create|{bootmgr}|/d|Windows Boot Manager",
        s + "/set|{bootmgr}|device|partition=S:",
        s + "/set|{bootmgr}|path|\\EFI\\Microsoft\\Boot\\bootmgfw.efi",
        s + "/set|{bootmgr}|locale|zh-cn",
        s + "/set|{bootmgr}|timeout|5",
        s + "/create|/d|Windows 10|/application|osloader",
        s + "/set|" + g + "|device|partition=W:",
        s + "/set|" + g + "|osdevice|partition=W:",
        s + "/set|" + g + "|path|\\Windows\\system32\\winload.efi",
        s + "/set|" + g + "|systemroot|\\Windows",
        s + "/set|" + g + "|locale|zh-cn",
        s + "/set|" + g + "|inherit|{bootloadersettings}",
        s + "/set|" + g + "|nx|OptIn",
        s + "/set|" + g + "|recoveryenabled|No",
        s + "/set|" + g + "|detecthal|yes",
        s + "/set|{bootmgr}|default|" + g,
        s + "/set|{bootmgr}|displayorder|" + g,
    };
    QCOMPARE(bcdeditLines(f), expected);
}

void TestBcdEditor::firmwareZeroUsesAllAndBiosLayout()
{
    BootFixture f;
    f.runner.setResponder([](const CommandRequest& r, const QString&) {
        if (r.program == QLatin1String("bcdboot"))
            return ScriptedCommandRunner::result(1);
        return ScriptedCommandRunner::result(0, "{aaaaaaaa-bbbb-cccc-dddd-eeeeeeeeeeee}");
    });
    BCDEditor bcd;
    QVERIFY(!bcd.rebuildWithBcdboot(QStringLiteral("W:\\Windows"), QStringLiteral("S:"), 0));
    QCOMPARE(f.runner.calls().at(0).request.arguments.at(4), QStringLiteral("ALL"));
    QCOMPARE(BCDEditor::bcdStorePath(QStringLiteral("S:"), 0), QStringLiteral("S:\\Boot\\BCD"));
    QCOMPARE(BCDEditor::bcdStorePath(QStringLiteral("S:\\"), 2), UefiStore);
    QCOMPARE(BCDEditor::bcdStorePath(QStringLiteral("S:/"), 1), QStringLiteral("S:/Boot\\BCD"));
    f.runner.clear();
    QVERIFY(bcd.createStoreManually(QStringLiteral("W:"), QStringLiteral("S:"), 0));
    const QStringList lines = bcdeditLines(f);
    QVERIFY(lines.contains(QStringLiteral("/store|S:\\Boot\\BCD|/set|{bootmgr}|path|\\bootmgr")));
    QVERIFY(lines.filter(QStringLiteral("winload.exe")).size() == 1);
}

void TestBcdEditor::portableModeSteps()
{
    BootFixture f;
    addEfiFiles(f.platform);
    f.platform.addFile(QStringLiteral("S:\\EFI\\Boot\\bootx64.efi"));  // stale copy from an earlier run
    BCDEditor bcd;
    QVERIFY(bcd.configurePortableMode(QStringLiteral("S")));
    const QString s = "/store|" + UefiStore + "|";
    QCOMPARE(bcdeditLines(f), (QStringList{
                                  s + "/set|{default}|device|locate=\\Windows\\System32\\winload.efi",
                                  s + "/set|{default}|osdevice|locate=\\Windows",
                                  s + "/set|{default}|path|\\Windows\\System32\\winload.efi",
                                  s + "/set|{default}|systemroot|\\Windows",
                                  s + "/set|{bootmgr}|device|boot",
                                  s + "/set|{default}|detecthal|yes",
                                  s + "/deletevalue|{default}|winpe",
                              }));
    QCOMPARE(f.platform.normalized, (QStringList{"S:\\EFI\\Boot\\bootx64.efi"}));
    QCOMPARE(f.platform.copies, (QStringList{"S:\\EFI\\Microsoft\\Boot\\bootmgfw.efi -> S:\\EFI\\Boot\\bootx64.efi"}));
    QVERIFY(!f.logged(QStringLiteral("Failed to create directory")));  // "already exists" is not a failure

    // With a colon the same store is used.
    f.runner.clear();
    QVERIFY(bcd.configurePortableMode(QStringLiteral("S:")));
    QCOMPARE(f.runner.calls().at(0).request.arguments.at(1), UefiStore);
}

void TestBcdEditor::portableModeFailures()
{
    {   // Missing store: nothing runs.
        BootFixture f;
        BCDEditor bcd;
        QVERIFY(!bcd.configurePortableMode(QStringLiteral("S:")));
        QCOMPARE(bcd.lastError(), "BCD file not found: " + UefiStore);
        QVERIFY(f.runner.calls().isEmpty());
    }
    {   // Non-critical failures only warn.
        BootFixture f;
        addEfiFiles(f.platform);
        f.runner.setResponder([](const CommandRequest& r, const QString&) {
            return ScriptedCommandRunner::result(r.arguments.contains(QLatin1String("detecthal"))
                                                 || r.arguments.contains(QLatin1String("winpe")) || r.arguments.contains(QLatin1String("boot")) ? 1 : 0);
        });
        BCDEditor bcd;
        QVERIFY(bcd.configurePortableMode(QStringLiteral("S:")));
        QVERIFY(f.logged(QStringLiteral("Failed to set detecthal: ")));
    }
    {   // A critical failure fails the run, but every later step still runs.
        BootFixture f;
        addEfiFiles(f.platform);
        f.runner.setResponder([](const CommandRequest& r, const QString&) {
            return ScriptedCommandRunner::result(r.arguments.contains(QLatin1String("osdevice")) ? 1 : 0, "denied");
        });
        BCDEditor bcd;
        QVERIFY(!bcd.configurePortableMode(QStringLiteral("S:")));
        QCOMPARE(bcd.lastError(), QStringLiteral("Critical portable BCD configuration step failed"));
        QCOMPARE(f.runner.calls().size(), 7);
        QCOMPARE(f.platform.copies.size(), 1);
    }
    {   // Missing boot manager or a failed copy fails the run after all steps.
        BootFixture f;
        f.platform.addFile(UefiStore);
        BCDEditor bcd;
        QVERIFY(!bcd.configurePortableMode(QStringLiteral("S:")));
        QVERIFY(f.logged(QStringLiteral("Source file not found: S:\\EFI\\Microsoft\\Boot\\bootmgfw.efi")));
        QCOMPARE(f.runner.calls().size(), 7);
        addEfiFiles(f.platform);
        f.platform.failCopy = true;
        QVERIFY(!bcd.configurePortableMode(QStringLiteral("S:")));
        QVERIFY(f.logged(QStringLiteral("Failed to copy bootx64.efi, error: 5")));
    }
}

void TestBcdEditor::invalidEntryParsing_data()
{
    QTest::addColumn<QString>("output");
    QTest::addColumn<QStringList>("expected");
    const QString bad1 = QStringLiteral(
        "Windows Boot Loader\n-------------------\nidentifier              {11111111-2222-3333-4444-555555555555}\n"
        "device                  unknown\npath                    \\Windows\\system32\\winload.efi\n");
    const QString good = QStringLiteral(
        "Windows Boot Loader\n-------------------\nidentifier              {22222222-2222-3333-4444-555555555555}\n"
        "device                  partition=C:\n");
    const QString protectedEntry = QStringLiteral(
        "Windows Boot Loader\n-------------------\nidentifier              {default}\ndevice                  unknown\n");
    QTest::newRow("trailing blank line") << bad1 + "\n" + good + "\n" << QStringList{"{11111111-2222-3333-4444-555555555555}"};
    QTest::newRow("last block without blank line") << good + "\n" + bad1 << QStringList{};
    QTest::newRow("protected identifier") << protectedEntry + "\n" + bad1 + "\r\n"
                                          << QStringList{"{11111111-2222-3333-4444-555555555555}"};
    QTest::newRow("chinese")
        << QStringLiteral("Windows 启动加载器\n标识符                  {33333333-2222-3333-4444-555555555555}\n"
                          "device                  unknown\n   \n标识符 {bootmgr}\ndevice unknown\n\n")
        << QStringList{"{33333333-2222-3333-4444-555555555555}"};
    QTest::newRow("device case-sensitive") << QStringLiteral("identifier {44444444-2222-3333-4444-555555555555}\nDevice Unknown\n\n")
                                           << QStringList{};
}

void TestBcdEditor::invalidEntryParsing()
{
    QFETCH(QString, output);
    QFETCH(QStringList, expected);
    QCOMPARE(BCDEditor::findInvalidEntries(output), expected);
}

void TestBcdEditor::cleanInvalidEntriesDeletes()
{
    BootFixture f;
    const QString out = QStringLiteral(
        "identifier {11111111-2222-3333-4444-555555555555}\ndevice unknown\n\n"
        "identifier {22222222-2222-3333-4444-555555555555}\ndevice unknown\n\n");
    f.runner.enqueue(0, out.toUtf8());
    f.runner.enqueue(0);
    f.runner.enqueue(1, "The element is in use");
    BCDEditor bcd;
    QVERIFY(bcd.cleanInvalidEntries(QStringLiteral("S")));
    const QString s = "/store|" + UefiStore + "|";
    QCOMPARE(bcdeditLines(f), (QStringList{s + "/enum|all|/v", s + "/delete|{11111111-2222-3333-4444-555555555555}|/f",
                                           s + "/delete|{22222222-2222-3333-4444-555555555555}|/f"}));
    QVERIFY(f.logged(QStringLiteral("Failed to delete entry {22222222-2222-3333-4444-555555555555}: The element is in use")));
    f.runner.clear();
    f.runner.enqueue(1);
    QVERIFY(!bcd.cleanInvalidEntries(QStringLiteral("S:")));
    QCOMPARE(f.runner.calls().size(), 1);
}

void TestBcdEditor::mountAndUnmountEfi()
{
    BootFixture f;
    DiskInfo disk;
    disk.diskNumber = 2;
    PartitionInfo msr;
    msr.partitionNumber = 1;
    PartitionInfo efi;
    efi.partitionNumber = 3;
    efi.isEfi = true;
    disk.partitions = {msr, efi};
    f.platform.usedLetters = {'Z', 'Y', 'W'};
    BCDEditor bcd;
    QString letter;
    QVERIFY(bcd.mountEfiPartition(disk, letter));
    QCOMPARE(letter, QStringLiteral("X"));
    QCOMPARE(f.runner.calls().at(0).scriptText, QStringLiteral("select disk 2\nselect partition 3\nassign letter=X\n"));
    QCOMPARE(f.runner.sleeps(), (QList<int>{500}));

    f.runner.clear();
    QVERIFY(bcd.unmountEfiPartition(QStringLiteral("X")));
    QCOMPARE(f.runner.calls().at(0).scriptText, QStringLiteral("select volume X\nremove letter=X\n"));

    // Only letters D to Z are candidates.
    f.runner.clear();
    for (char c = 'D'; c <= 'Z'; ++c)
        f.platform.usedLetters.insert(QChar::fromLatin1(c));
    QVERIFY(!bcd.mountEfiPartition(disk, letter));
    QCOMPARE(bcd.lastError(), QStringLiteral("No available drive letter for EFI partition"));
    f.platform.usedLetters.remove('D');
    f.runner.enqueue(0, "DiskPart has encountered an error: Access is denied.");
    QVERIFY(!bcd.mountEfiPartition(disk, letter));
    QVERIFY(bcd.lastError().startsWith(QStringLiteral("Failed to mount EFI partition: DiskPart has encountered an error")));
    QVERIFY(f.runner.calls().last().scriptText.endsWith(QStringLiteral("assign letter=D\n")));

    disk.partitions = {msr};
    QVERIFY(!bcd.mountEfiPartition(disk, letter));
    QCOMPARE(bcd.lastError(), QStringLiteral("EFI partition not found on target disk"));
}

void TestBcdEditor::runningStoreEdits()
{
    BootFixture f;
    f.runner.enqueue(1, "x");
    BCDEditor bcd;
    QVERIFY(bcd.updateBootDevice(QStringLiteral("C:"), QStringLiteral("Disk 0")));
    QCOMPARE(bcdeditLines(f), (QStringList{"/set|{bootmgr}|device|partition=C:", "/set|{default}|device|partition=C:",
                                           "/set|{default}|osdevice|partition=C:"}));
    QVERIFY(f.logged(QStringLiteral("Failed to update bootmgr device: x")));
    QVERIFY(bcd.checkEfiBootManager(QStringLiteral("S:\\")) == false);
    f.platform.addFile(QStringLiteral("S:\\EFI\\Microsoft\\Boot\\bootmgfw.efi"));
    QVERIFY(bcd.checkEfiBootManager(QStringLiteral("S:")));
}

void TestBcdEditor::portableModeOnRealFolder()
{
#if defined(_WIN32)
    QSKIP("drives are mapped to folders only by the posix backend");
#else
    // The posix backend with S: mapped to a folder: the fallback loader is really copied.
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("EFI/Microsoft/Boot")));
    QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("EFI/Boot")));
    auto write = [&](const QString& rel, const QByteArray& bytes) {
        QFile f(dir.filePath(rel));
        return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
    };
    QVERIFY(write(QStringLiteral("EFI/Microsoft/Boot/BCD"), "store"));
    QVERIFY(write(QStringLiteral("EFI/Microsoft/Boot/bootmgfw.efi"), "MZ boot manager"));
    QVERIFY(write(QStringLiteral("EFI/Boot/bootx64.efi"), "old loader"));
    PosixPlatform::Settings settings;
    settings.disks = std::string();
    settings.driveLetters = "S=" + dir.path().toStdString();
    PosixPlatform posix(settings);
    ScriptedCommandRunner runner;
    ScopedCommandRunner scopedRunner(&runner);
    ScopedPlatform scopedPlatform(&posix);
    BCDEditor bcd;
    QVERIFY(bcd.configurePortableMode(QStringLiteral("S")));
    QFile copy(dir.filePath(QStringLiteral("EFI/Boot/bootx64.efi")));
    QVERIFY(copy.open(QIODevice::ReadOnly));
    QCOMPARE(copy.readAll(), QByteArray("MZ boot manager"));
    QCOMPARE(runner.calls().at(0).request.arguments.at(1), QStringLiteral("S:\\EFI\\Microsoft\\Boot\\BCD"));
#endif
}

QTEST_GUILESS_MAIN(TestBcdEditor)
#include "tst_bcdeditor.moc"
