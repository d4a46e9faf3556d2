// The boot-store editor: repair chain, manual store, portable mode, clean-up, EFI letters.
#include "bootfixture.h"
#include "boot/bcdeditor.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>
#if !defined(_WIN32)
#include "platform/posix/posixplatform.h"
#endif

Q_DECLARE_METATYPE(CommandResult)

namespace {
const QString UefiStore = QStringLiteral("S:\\EFI\\Microsoft\\Boot\\BCD");

void addWindows(BootFixture& f) { f.addFiles({"W:\\Windows\\system32\\winload.efi"}); }
void addEfiFiles(BootFixture& f) { f.addFiles({UefiStore, "S:\\EFI\\Microsoft\\Boot\\bootmgfw.efi"}); }
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
    void repairChainFallbacks_data();
    void repairChainFallbacks();
    void repairAbortsWithoutWindows();
    void manualStoreCommands();
    void firmwareZeroUsesAllAndBiosLayout();
    void portableModeSteps();
    void portableStepFailure_data();
    void portableStepFailure();
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
    addWindows(f);
    addEfiFiles(f);
    f.addFiles({UefiStore + ".backup"});
    QSignalSpy progress(&f.bcd, &BCDEditor::progressMessage);
    QVERIFY(f.bcd.repairBoot(QStringLiteral("W:"), 2, QStringLiteral("S:")));
    // The old backup is replaced by a fresh copy of the store.
    QCOMPARE(f.platform.deletedFiles.at(0), (UefiStore + ".backup").toStdString());
    QCOMPARE(f.copies().first(), UefiStore + " -> " + UefiStore + ".backup");
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

void TestBcdEditor::repairChainFallbacks_data()
{
    // bcdboot always fails here; the answer to "/create ... osloader" decides between the manual
    // store and the patching of the existing one.
    QTest::addColumn<int>("firmware");
    QTest::addColumn<CommandResult>("osloader");
    QTest::addColumn<bool>("createstoreMakesStore");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QString>("logged");
    QTest::addColumn<QStringList>("bcdeditHas");
    QTest::addColumn<int>("bcdeditCalls");  // -1: not checked
    const QString locate = "/store|" + UefiStore + "|/set|{default}|device|locate=\\Windows\\System32\\winload.efi";
    const CommandResult created = ScriptedCommandRunner::result(0, "The entry {12345678-1234-1234-1234-123456789abc} was successfully created.");
    QTest::newRow("manual store, BIOS: no portable mode")
        << 1 << created << true << true << "bcdboot failed: Failure when attempting to copy boot files." << QStringList() << 18;
    QTest::newRow("manual store, UEFI: portable mode follows")
        << 2 << created << true << true << "bcdboot failed: Failure when attempting to copy boot files." << QStringList{locate} << 25;
    QTest::newRow("no GUID: existing store patched")
        << 2 << ScriptedCommandRunner::result(0, "no identifier here") << true << true
        << "Failed to parse OS loader GUID from bcdedit output"
        << QStringList{"/store|" + UefiStore + "|/set|{current}|osdevice|partition=W:", locate} << -1;
    // The manual attempt deleted the store: nothing is left to patch.
    QTest::newRow("all fail") << 2 << ScriptedCommandRunner::result(1, "failed") << false << false
                              << "Failed to create OS loader entry: failed" << QStringList() << -1;
}

void TestBcdEditor::repairChainFallbacks()
{
    QFETCH(int, firmware);
    QFETCH(CommandResult, osloader);
    QFETCH(bool, createstoreMakesStore);
    QFETCH(bool, ok);
    QFETCH(QString, logged);
    QFETCH(QStringList, bcdeditHas);
    QFETCH(int, bcdeditCalls);
    BootFixture f;
    addWindows(f);
    addEfiFiles(f);
    f.runner.setResponder([&](const CommandRequest& r, const QString&) {
        if (r.program == QLatin1String("bcdboot"))
            return ScriptedCommandRunner::result(1, "Failure when attempting to copy boot files.");
        if (r.arguments.contains(QLatin1String("osloader")))
            return osloader;
        if (createstoreMakesStore && r.arguments.contains(QLatin1String("/createstore")))
            f.addFiles({UefiStore});
        return ScriptedCommandRunner::result(0);
    });
    QCOMPARE(f.bcd.repairBoot(QStringLiteral("W:"), firmware, QStringLiteral("S:")), ok);
    if (!ok) {
        QCOMPARE(f.bcd.lastError(), QStringLiteral("All BCD repair methods failed"));
        QVERIFY(f.logged(QStringLiteral("Manual BCD creation failed, attempting to update existing BCD...")));
    }
    QVERIFY(f.logged(logged));
    const QStringList lines = bcdeditLines(f);
    for (const QString& line : bcdeditHas)
        QVERIFY2(lines.contains(line), qPrintable(line));
    if (bcdeditHas.isEmpty())
        QVERIFY(lines.filter(QStringLiteral("locate=")).isEmpty());
    if (bcdeditCalls >= 0)
        QCOMPARE(lines.size(), bcdeditCalls);
}

void TestBcdEditor::repairAbortsWithoutWindows()
{
    BootFixture f;
    addEfiFiles(f);
    QVERIFY(!f.bcd.repairBoot(QStringLiteral("W:\\"), 2, QStringLiteral("S:")));
    QCOMPARE(f.bcd.lastError(), QStringLiteral("Windows installation not found at W:\\Windows"));
    QVERIFY(f.runner.calls().isEmpty());
    // Any of the four files is enough.
    f.addFiles({"W:\\Windows\\system32\\config\\SYSTEM"});
    QVERIFY(f.bcd.checkWindowsInstallation(QStringLiteral("W:\\Windows")));
}

void TestBcdEditor::manualStoreCommands()
{
    BootFixture f;
    f.runner.setResponder([](const CommandRequest& r, const QString&) {
        if (r.arguments.contains(QLatin1String("osloader")))
            return ScriptedCommandRunner::result(0, "The entry {aaaaaaaa-bbbb-cccc-dddd-eeeeeeeeeeee} was successfully created.");
        return ScriptedCommandRunner::result(r.arguments.contains(QLatin1String("/createstore")) ? 1 : 0);
    });
    QVERIFY(f.bcd.createStoreManually(QStringLiteral("W:"), QStringLiteral("S:"), 2));
    QVERIFY(f.exists(QStringLiteral("S:\\EFI")) && f.exists(QStringLiteral("S:\\EFI\\Microsoft\\Boot")));  // made with parents
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
    QVERIFY(!f.bcd.rebuildWithBcdboot(QStringLiteral("W:\\Windows"), QStringLiteral("S:"), 0));
    QCOMPARE(f.runner.calls().at(0).request.arguments.at(4), QStringLiteral("ALL"));
    QCOMPARE(BCDEditor::bcdStorePath(QStringLiteral("S:"), 0), QStringLiteral("S:\\Boot\\BCD"));
    QCOMPARE(BCDEditor::bcdStorePath(QStringLiteral("S:\\"), 2), UefiStore);
    QCOMPARE(BCDEditor::bcdStorePath(QStringLiteral("S:/"), 1), QStringLiteral("S:/Boot\\BCD"));
    f.runner.clear();
    QVERIFY(f.bcd.createStoreManually(QStringLiteral("W:"), QStringLiteral("S:"), 0));
    const QStringList lines = bcdeditLines(f);
    QVERIFY(lines.contains(QStringLiteral("/store|S:\\Boot\\BCD|/set|{bootmgr}|path|\\bootmgr")));
    QVERIFY(lines.filter(QStringLiteral("winload.exe")).size() == 1);
}

void TestBcdEditor::portableModeSteps()
{
    BootFixture f;
    addEfiFiles(f);
    // A read-only fallback loader from an earlier run is replaced.
    f.addFiles({"S:\\EFI\\Boot", "S:\\EFI\\Boot\\bootx64.efi"});
    f.platform.readOnlyPaths = {"S:\\EFI\\Boot\\bootx64.efi"};
    QVERIFY(f.bcd.configurePortableMode(QStringLiteral("S")));
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
    QCOMPARE(f.copies(), (QStringList{"S:\\EFI\\Microsoft\\Boot\\bootmgfw.efi -> S:\\EFI\\Boot\\bootx64.efi"}));
    QVERIFY(!f.logged(QStringLiteral("Failed to create directory")));  // "already exists" is not a failure

    // With a colon the same store is used.
    f.runner.clear();
    QVERIFY(f.bcd.configurePortableMode(QStringLiteral("S:")));
    QCOMPARE(f.runner.calls().at(0).request.arguments.at(1), UefiStore);
}

void TestBcdEditor::portableStepFailure_data()
{
    QTest::addColumn<QString>("step");
    QTest::addColumn<bool>("critical");
    QTest::addColumn<QString>("warning");
    QTest::newRow("device") << "/set {default} device" << true << "Failed to set {default} device: denied";
    QTest::newRow("osdevice") << "/set {default} osdevice" << true << "Failed to set {default} osdevice: denied";
    QTest::newRow("path") << "/set {default} path" << true << "Failed to set {default} path: denied";
    QTest::newRow("systemroot") << "/set {default} systemroot" << true << "Failed to set {default} systemroot: denied";
    QTest::newRow("bootmgr device") << "/set {bootmgr} device" << false << "Failed to set {bootmgr} device: denied";
    QTest::newRow("detecthal") << "/set {default} detecthal" << false << "Failed to set detecthal: denied";
    QTest::newRow("winpe") << "/deletevalue {default} winpe" << false << QString();
}

void TestBcdEditor::portableStepFailure()
{
    // A critical failure fails the run, any failure leaves every later step running.
    QFETCH(QString, step);
    QFETCH(bool, critical);
    QFETCH(QString, warning);
    BootFixture f;
    addEfiFiles(f);
    f.runner.setResponder([step](const CommandRequest& r, const QString&) {
        return ScriptedCommandRunner::result(r.arguments.mid(2, 3).join(QLatin1Char(' ')) == step ? 1 : 0, "denied");
    });
    QCOMPARE(f.bcd.configurePortableMode(QStringLiteral("S:")), !critical);
    if (critical)
        QCOMPARE(f.bcd.lastError(), QStringLiteral("Critical portable BCD configuration step failed"));
    if (!warning.isEmpty())
        QVERIFY(f.logged(warning));
    QCOMPARE(f.runner.calls().size(), 7);
    QCOMPARE(f.platform.copiedFiles.size(), size_t(1));
}

void TestBcdEditor::portableModeFailures()
{
    BootFixture f;
    // Missing store: nothing runs.
    QVERIFY(!f.bcd.configurePortableMode(QStringLiteral("S:")));
    QCOMPARE(f.bcd.lastError(), "BCD file not found: " + UefiStore);
    QVERIFY(f.runner.calls().isEmpty());
    // Missing boot manager or a failed copy fails the run after all steps.
    f.addFiles({UefiStore});
    QVERIFY(!f.bcd.configurePortableMode(QStringLiteral("S:")));
    QVERIFY(f.logged(QStringLiteral("Source file not found: S:\\EFI\\Microsoft\\Boot\\bootmgfw.efi")));
    QCOMPARE(f.runner.calls().size(), 7);
    addEfiFiles(f);
    f.platform.failingPaths = {"S:\\EFI\\Boot\\bootx64.efi"};
    QVERIFY(!f.bcd.configurePortableMode(QStringLiteral("S:")));
    QVERIFY(f.logged(QStringLiteral("Failed to copy bootx64.efi, error: 5")));
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
    QVERIFY(f.bcd.cleanInvalidEntries(QStringLiteral("S")));
    const QString s = "/store|" + UefiStore + "|";
    QCOMPARE(bcdeditLines(f), (QStringList{s + "/enum|all|/v", s + "/delete|{11111111-2222-3333-4444-555555555555}|/f",
                                           s + "/delete|{22222222-2222-3333-4444-555555555555}|/f"}));
    QVERIFY(f.logged(QStringLiteral("Failed to delete entry {22222222-2222-3333-4444-555555555555}: The element is in use")));
    f.runner.clear();
    f.runner.enqueue(1);
    QVERIFY(!f.bcd.cleanInvalidEntries(QStringLiteral("S:")));
    QCOMPARE(f.runner.calls().size(), 1);
}

void TestBcdEditor::mountAndUnmountEfi()
{
    BootFixture f;
    DiskInfo disk = diskOf(2, {part(1), efiPart(3)});
    f.useLetters("ZYW");
    QString letter;
    QVERIFY(f.bcd.mountEfiPartition(disk, letter));
    QCOMPARE(letter, QStringLiteral("X"));
    QCOMPARE(f.runner.calls().at(0).scriptText, QStringLiteral("select disk 2\nselect partition 3\nassign letter=X\n"));
    QCOMPARE(f.runner.sleeps(), (QList<int>{500}));

    f.runner.clear();
    QVERIFY(f.bcd.unmountEfiPartition(QStringLiteral("X")));
    QCOMPARE(f.runner.calls().at(0).scriptText, QStringLiteral("select volume X\nremove letter=X\n"));

    // Only letters D to Z are candidates.
    f.runner.clear();
    f.useLetters("DEFGHIJKLMNOPQRSTUVWXYZ");
    QVERIFY(!f.bcd.mountEfiPartition(disk, letter));
    QCOMPARE(f.bcd.lastError(), QStringLiteral("No available drive letter for EFI partition"));
    f.useLetters("EFGHIJKLMNOPQRSTUVWXYZ");
    f.runner.enqueue(0, "DiskPart has encountered an error: Access is denied.");
    QVERIFY(!f.bcd.mountEfiPartition(disk, letter));
    QVERIFY(f.bcd.lastError().startsWith(QStringLiteral("Failed to mount EFI partition: DiskPart has encountered an error")));
    QVERIFY(f.runner.calls().last().scriptText.endsWith(QStringLiteral("assign letter=D\n")));

    disk.partitions.removeLast();
    QVERIFY(!f.bcd.mountEfiPartition(disk, letter));
    QCOMPARE(f.bcd.lastError(), QStringLiteral("EFI partition not found on target disk"));
}

void TestBcdEditor::runningStoreEdits()
{
    BootFixture f;
    f.runner.enqueue(1, "x");
    QVERIFY(f.bcd.updateBootDevice(QStringLiteral("C:"), QStringLiteral("Disk 0")));
    QCOMPARE(bcdeditLines(f), (QStringList{"/set|{bootmgr}|device|partition=C:", "/set|{default}|device|partition=C:",
                                           "/set|{default}|osdevice|partition=C:"}));
    QVERIFY(f.logged(QStringLiteral("Failed to update bootmgr device: x")));
    QVERIFY(f.bcd.checkEfiBootManager(QStringLiteral("S:\\")) == false);
    f.addFiles({"S:\\EFI\\Microsoft\\Boot\\bootmgfw.efi"});
    QVERIFY(f.bcd.checkEfiBootManager(QStringLiteral("S:")));
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
