// Runners, script texts, listing parsers and the offline registry configuration.
#include "bootfixture.h"
#include "platformtools/diskpartscript.h"
#include "boot/offlineregistry.h"
#include "platformtools/toolrunner.h"

#include <QDir>
#include <QElapsedTimer>
#include <QStandardPaths>
#include <QFile>
#include <QtTest>

Q_DECLARE_METATYPE(CommandResult)

namespace {
// Runs one of the runners by name on a fixed argument list or script.
bool runTool(const QString& tool, QString& out)
{
    const QString script = QStringLiteral("select disk 1\nselect partition 2\nassign letter=S\n");
    if (tool == QLatin1String("bcdedit"))
        return ToolRunner::runBcdeditStore(QStringLiteral("S:\\EFI\\Microsoft\\Boot\\BCD"),
                                           {QStringLiteral("/set"), QStringLiteral("{default}"), QStringLiteral("detecthal"), QStringLiteral("yes")}, out);
    if (tool == QLatin1String("bcdboot"))
        return ToolRunner::runBcdboot({QStringLiteral("W:\\Windows"), QStringLiteral("/s"), QStringLiteral("S:")}, out);
    if (tool == QLatin1String("diskpart"))
        return ToolRunner::runDiskpartScript(script, out);
    return ToolRunner::runResizerDiskpartScript(script, out);
}
}

class TestTools : public QObject {
    Q_OBJECT
private slots:
    void runnerRequests();
    void runnerOutcomes_data();
    void runnerOutcomes();
    void namedScriptAndUnload();
    void unsafeArgumentsAreRefused();
    void extractGuid();
    void scriptTexts();
    void listingParsers();
    void controlSetEnumeration();
    void diskCloneRegistry();
    void diskCloneRegistryFailures();
    void systemCloneRegistry();
    void missingToolsFailCleanly();
};

void TestTools::runnerRequests()
{
    BootFixture f;
    QString out;
    for (const char* tool : {"bcdedit", "bcdboot", "diskpart", "resizer"})
        QVERIFY2(runTool(QString::fromLatin1(tool), out), tool);
    const auto calls = f.runner.calls();
    QCOMPARE(f.programs(), (QStringList{"bcdedit", "bcdboot", "diskpart", "diskpart"}));
    QCOMPARE(calls.at(0).request.arguments, (QStringList{"/store", "S:\\EFI\\Microsoft\\Boot\\BCD", "/set", "{default}", "detecthal", "yes"}));
    QCOMPARE(calls.at(1).request.arguments, (QStringList{"W:\\Windows", "/s", "S:"}));
    // (start, finish, kill wait) of bcdedit, bcdboot, diskpart and the resizer's diskpart.
    const QList<QList<int>> timeouts{{5000, 30000, 5000}, {-1, 60000, 5000}, {-1, 60000, 5000}, {-1, 120000, 5000}};
    for (int i = 0; i < 4; ++i) {
        const CommandRequest& r = calls.at(i).request;
        QCOMPARE((QList<int>{r.startTimeoutMs, r.finishTimeoutMs, r.killWaitMs}), timeouts.at(i));
        QVERIFY(r.killOnTimeout);
    }
    for (int i = 2; i < 4; ++i) {
        QCOMPARE(calls.at(i).request.arguments.at(0), QStringLiteral("/s"));
        QCOMPARE(calls.at(i).scriptText, QStringLiteral("select disk 1\nselect partition 2\nassign letter=S\n"));
        QVERIFY2(!QFile::exists(calls.at(i).request.arguments.at(1)), "the temporary script is removed");
    }
}

void TestTools::runnerOutcomes_data()
{
    QTest::addColumn<QString>("tool");
    QTest::addColumn<CommandResult>("result");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QString>("output");
    QTest::addColumn<QString>("logged");
    using S = ScriptedCommandRunner;
    const QByteArray longOut(300, 'x');
    CommandResult late = S::timedOut();
    late.standardOutput = "partial";
    // The whole output comes back although only 200 characters are logged; no "\n" without stderr.
    QTest::newRow("bcdedit long output") << "bcdedit" << S::result(0, longOut) << true << QString::fromLatin1(longOut) << QString();
    QTest::newRow("bcdedit exit 1") << "bcdedit" << S::result(1, "out", "err") << false << "out\nerr" << QString();
    QTest::newRow("bcdedit not started") << "bcdedit" << S::notStarted() << false << "Failed to start bcdedit process"
                                         << "Failed to start bcdedit process";
    QTest::newRow("bcdedit timed out") << "bcdedit" << S::timedOut() << false << "bcdedit process timeout" << "bcdedit process timeout";
    QTest::newRow("bcdboot timed out") << "bcdboot" << late << false << "partial\nbcdboot process timeout" << "bcdboot process timeout";
    // A bcdboot that never started is not a success on a machine without the tool.
    QTest::newRow("bcdboot not started") << "bcdboot" << S::notStarted() << false << "\nbcdboot process timeout" << QString();
    // Exit code 0 with an error text in any case counts as failure.
    QTest::newRow("diskpart error text") << "diskpart" << S::result(0, "Virtual Disk Service ERROR:\nThe volume is in use.")
                                         << false << "Virtual Disk Service ERROR:\nThe volume is in use." << QString();
    QTest::newRow("diskpart error in stderr") << "diskpart" << S::result(0, "", "eRRor in stderr") << false << "\neRRor in stderr" << QString();
    QTest::newRow("diskpart not started") << "diskpart" << S::notStarted() << false << QString() << QString();
    QTest::newRow("diskpart exit 1") << "diskpart" << S::result(1, "done") << false << "done" << QString();
    // Only the resizer's runner also rejects "failed".
    QTest::newRow("diskpart failed text") << "diskpart" << S::result(0, "The operation FAILED.") << true << "The operation FAILED." << QString();
    QTest::newRow("resizer failed text") << "resizer" << S::result(0, "The operation FAILED.") << false << "The operation FAILED." << QString();
}

void TestTools::runnerOutcomes()
{
    QFETCH(QString, tool);
    QFETCH(CommandResult, result);
    QFETCH(bool, ok);
    QFETCH(QString, output);
    QFETCH(QString, logged);
    BootFixture f;
    f.runner.enqueue(result);
    QString out = QStringLiteral("stale");
    QCOMPARE(runTool(tool, out), ok);
    QCOMPARE(out, output);
    if (!logged.isEmpty())
        QVERIFY(f.logged(logged));
}

void TestTools::namedScriptAndUnload()
{
    BootFixture f;
    const QString script = QStringLiteral("select disk 2\nlist partition\n");
    f.runner.enqueue(3, "列表 out", "err");
    const ToolRunner::ScriptRun run = ToolRunner::runNamedScript(QStringLiteral("/tessarin_bcd.txt"), script, 30000);
    QVERIFY(run.created);
    QCOMPARE(run.path, QDir::tempPath() + QStringLiteral("/tessarin_bcd.txt"));
    QCOMPARE(f.runner.calls().at(0).request.arguments, (QStringList{"/s", run.path}));
    QCOMPARE(f.runner.calls().at(0).scriptText, script);
    QCOMPARE(f.runner.calls().at(0).request.finishTimeoutMs, 30000);
    QCOMPARE(run.standardOutput, QStringLiteral("列表 out"));
    QCOMPARE(run.standardError, QStringLiteral("err"));
    QVERIFY(!run.succeeded());
    QVERIFY(!QFile::exists(run.path));

    f.runner.clear();
    f.runner.enqueue(1);
    f.runner.enqueue(0);
    QVERIFY(ToolRunner::unloadOfflineHive(QStringLiteral("HKLM\\TESSARIN_DISK_OFFLINE_SYS")));
    QCOMPARE(f.runner.sleeps(), (QList<int>{500, 1000}));
    QCOMPARE(f.runner.calls().size(), 2);
    for (const auto& c : f.runner.calls()) {
        QCOMPARE(c.request.arguments, (QStringList{"unload", "HKLM\\TESSARIN_DISK_OFFLINE_SYS"}));
        QCOMPARE(c.request.finishTimeoutMs, 30000);
    }
    QVERIFY(f.logged(QStringLiteral("First offline registry unload attempt failed, retrying...")));
    f.runner.clear();
    f.runner.enqueue(1);
    f.runner.enqueue(ScriptedCommandRunner::timedOut());
    QVERIFY(!ToolRunner::unloadOfflineHive(QStringLiteral("HKLM\\X")));
    f.runner.clear();
    f.runner.enqueue(0);
    QVERIFY(ToolRunner::unloadOfflineHive(QStringLiteral("HKLM\\X")));
    QCOMPARE(f.runner.calls().size(), 1);
}

void TestTools::unsafeArgumentsAreRefused()
{
    BootFixture f;
    QString out;
    QVERIFY(!ToolRunner::runBcdedit({QStringLiteral("/set"), QStringLiteral("{default}\" /f \"x")}, out));
    QVERIFY(!ToolRunner::runBcdboot({QStringLiteral("W:\\Win\ndows")}, out));
    QVERIFY(!ToolRunner::runReg({QStringLiteral("load"), QStringLiteral("HKLM\\A\r")}, 1000));
    QVERIFY(f.runner.calls().isEmpty());
    QVERIFY(f.logged(QStringLiteral("Refusing to run bcdedit")));
}

void TestTools::extractGuid()
{
    QCOMPARE(ToolRunner::extractGuid(QStringLiteral("The entry {6a1b2c3d-0000-11ee-8A8b-00155d01f00A} was successfully created.")),
             QStringLiteral("{6a1b2c3d-0000-11ee-8A8b-00155d01f00A}"));
    QCOMPARE(ToolRunner::extractGuid(QStringLiteral("{bootmgr} then {11111111-2222-3333-4444-555555555555} {aaaaaaaa-2222-3333-4444-555555555555}")),
             QStringLiteral("{11111111-2222-3333-4444-555555555555}"));
    QVERIFY(ToolRunner::extractGuid(QStringLiteral("{11111111-2222-3333-4444-55555555555}")).isEmpty());
    QVERIFY(ToolRunner::extractGuid(QStringLiteral("11111111-2222-3333-4444-555555555555")).isEmpty());
}

void TestTools::scriptTexts()
{
    // The scripts the repairs run are compared in full by their tests; here the letter forms.
    QCOMPARE(DiskpartScript::mountEfiAndWindows(3, 1, "X", 3, "w"),
             QStringLiteral("rescan\nselect disk 3\nattributes disk clear readonly\nonline disk noerr\n"
                            "select partition 1\nassign letter=X noerr\nselect partition 3\nassign letter=W noerr\n"));
    QCOMPARE(DiskpartScript::removeVolumeLetter("S:"), QStringLiteral("select volume S\nremove letter=S\n"));
    QCOMPARE(DiskpartScript::unmount(2, 4, "K:\\"), QStringLiteral("select disk 2\nselect partition 4\nremove letter=K\n"));
    // Anything that is not one letter would become script text: refused.
    for (const char* bad : {"", "SS", "S\nclean", "1", "S:\\x", "\"S\""}) {
        QVERIFY2(DiskpartScript::assignEfiLetter(1, 1, QString::fromLatin1(bad)).isEmpty(), bad);
        QVERIFY2(DiskpartScript::mountPair(1, 1, QStringLiteral("Z"), 2, QString::fromLatin1(bad)).isEmpty(), bad);
    }
}

void TestTools::listingParsers()
{
    const QString english = QStringLiteral(
        "  Partition ###  Type              Size     Offset\n"
        "  -------------  ----------------  -------  -------\n"
        "  Partition 1    System             100 MB  1024 KB\n"
        "  Partition 2    Reserved            16 MB   101 MB\n"
        "  Partition 3    Primary            237 GB   117 MB\n"
        "  Partition 4    Recovery           509 MB   237 GB\n"
        "  partition 5    primary              8 MB   238 GB\n");
    const auto rows = DiskpartScript::parseDiskCloneListing(english);
    QCOMPARE(rows.size(), 5);
    QCOMPARE(rows.at(0).number, 1);
    QCOMPARE(rows.at(0).type, QStringLiteral("System"));
    QCOMPARE(rows.at(0).sizeBytes, uint64_t(100) * 1048576);
    QCOMPARE(rows.at(2).sizeBytes, uint64_t(237) * 1073741824);
    QCOMPARE(rows.at(4).number, 5);

    const QString chinese = QStringLiteral(
        "  分区 ###       类型              大小     偏移量\n"
        "  分区      1    系统                 260 MB  1024 KB\n"
        "  分区      2    保留                  16 MB   261 MB\n"
        "  分区      3    主要                 120 GB   277 MB\n"
        "  Partition 4    Primary             512\n");
    QVERIFY(DiskpartScript::parseDiskCloneListing(chinese).size() == 0);
    const auto zh = DiskpartScript::parseSystemCloneListing(chinese);
    QCOMPARE(zh.size(), 4);
    QCOMPARE(zh.at(0).type, QStringLiteral("系统"));
    QCOMPARE(zh.at(0).sizeBytes, uint64_t(260) * 1048576);
    QCOMPARE(zh.at(2).sizeBytes, uint64_t(120) * 1073741824);
    QCOMPARE(zh.at(3).sizeBytes, uint64_t(512));  // no unit: bytes
    QCOMPARE(DiskpartScript::parseSystemCloneListing(english).size(), 5);
}

void TestTools::controlSetEnumeration()
{
    BootFixture f;
    const std::string hive = "TESSARIN_DISK_OFFLINE_SYS";
    QVERIFY(OfflineRegistry::enumerateOfflineControlSets(QString::fromStdString(hive)).isEmpty());
    QVERIFY(f.logged(QStringLiteral("Failed to open offline hive for ControlSet enumeration: HKLM\\TESSARIN_DISK_OFFLINE_SYS")));

    // Select names the sets first; other names only count when they have the ControlSet### form.
    auto& reg = f.platform.registry;
    for (const char* key : {"ControlSet001", "ControlSet002", "ControlSet003", "ControlSet01", "ControlSet0042"})
        reg[hive + "\\" + key] = {};
    reg[hive + "\\Select"] = {{"Current", MemoryPlatform::dword(2)}, {"Default", MemoryPlatform::dword(2)},
                               {"LastKnownGood", MemoryPlatform::dword(1)}};
    QCOMPARE(OfflineRegistry::enumerateOfflineControlSets(QString::fromStdString(hive)),
             (QStringList{"ControlSet002", "ControlSet001", "ControlSet003"}));

    // Select pointing at a missing set is skipped; an enumeration error keeps what was read.
    reg[hive + "\\Select"]["Current"] = MemoryPlatform::dword(9);
    reg[hive + "\\Select"]["Default"] = MemoryPlatform::dword(1);
    f.platform.registryEnumStatus = PlatformError::AccessDenied;
    QCOMPARE(OfflineRegistry::enumerateOfflineControlSets(QString::fromStdString(hive)),
             (QStringList{"ControlSet001", "ControlSet002", "ControlSet003"}));
    QVERIFY(f.logged(QStringLiteral("RegEnumKeyEx failed while reading ControlSets, status=5")));
    QCOMPARE(OfflineRegistry::controlSetName(12), QStringLiteral("ControlSet012"));
}

namespace {
QStringList regCommands(const BootFixture& f)
{
    QStringList out;
    for (const auto& c : f.callsOf(QStringLiteral("reg")))
        out.append(c.request.arguments.join(QLatin1Char(' ')) + QStringLiteral(" @") + QString::number(c.request.finishTimeoutMs));
    return out;
}
}

void TestTools::diskCloneRegistry()
{
    BootFixture f;
    f.addFiles({"W:\\Windows\\System32\\config\\SYSTEM"});
    // Only storahci and USBSTOR are installed in the clone; the registry cannot be read (Linux-like).
    f.runner.setResponder([](const CommandRequest& r, const QString&) {
        if (r.arguments.value(0) == QLatin1String("query"))
            return ScriptedCommandRunner::result(r.arguments.value(1).endsWith(QLatin1String("\\storahci"))
                                                         || r.arguments.value(1).endsWith(QLatin1String("\\USBSTOR"))
                                                     ? 0 : 1);
        return ScriptedCommandRunner::result(0);
    });
    OfflineRegistry reg;
    QSignalSpy phases(&reg, &OfflineRegistry::phaseChanged);
    QVERIFY(reg.configurePortableUsbBoot(QStringLiteral("W")));
    QCOMPARE(phases.size(), 1);
    QVERIFY(f.logged(QStringLiteral("using ControlSet001 and ControlSet002")));

    const QStringList cmds = regCommands(f);
    const QString k = QStringLiteral("HKLM\\TESSARIN_DISK_OFFLINE_SYS");
    const QString cs1 = k + QStringLiteral("\\ControlSet001");
    QCOMPARE(cmds.at(0), "unload " + k + " @5000");
    QCOMPARE(cmds.at(1), "load " + k + " W:\\Windows\\System32\\config\\SYSTEM @30000");
    QCOMPARE(cmds.at(2), "add " + cs1 + "\\Services\\partmgr\\Parameters /v SanPolicy /t REG_DWORD /d 1 /f @10000");
    QCOMPARE(cmds.at(3), "add " + cs1 + "\\Control /v PortableOperatingSystem /t REG_DWORD /d 1 /f @10000");
    QCOMPARE(cmds.at(4), "query " + cs1 + "\\Services\\storahci @5000");
    QCOMPARE(cmds.at(5), "add " + cs1 + "\\Services\\storahci /v Start /t REG_DWORD /d 0 /f @10000");
    QCOMPARE(cmds.at(6), "delete " + cs1 + "\\Services\\storahci\\StartOverride /f @5000");
    QCOMPARE(cmds.at(7), "add " + cs1 + "\\Services\\storahci\\StartOverride /v 0 /t REG_DWORD /d 0 /f @10000");
    QCOMPARE(cmds.at(8), "query " + cs1 + "\\Services\\stornvme @5000");
    // Per control set: 2 adds + 32 queries + 2 installed services x 3 writes.
    QCOMPARE(cmds.size(), 2 + 2 * (2 + 32 + 6) + 2);
    QCOMPARE(cmds.at(cmds.size() - 2), "delete " + k + "\\MountedDevices /f @10000");
    QCOMPARE(cmds.last(), "unload " + k + " @30000");
    QVERIFY(!cmds.join('\n').contains("\\ControlSet002\\Services\\stornvme\\StartOverride"));
    QVERIFY(cmds.join('\n').contains("add " + k + "\\ControlSet002\\Services\\USBSTOR /v Start"));
}

void TestTools::diskCloneRegistryFailures()
{
    {
        BootFixture f;
        OfflineRegistry reg;
        QVERIFY(!reg.configurePortableUsbBoot(QStringLiteral("W")));
        QCOMPARE(reg.lastError(), QStringLiteral("Offline SYSTEM registry hive not found: W:\\Windows\\System32\\config\\SYSTEM"));
        QVERIFY(f.runner.calls().isEmpty());
    }
    {
        BootFixture f;
        f.addFiles({"W:\\Windows\\System32\\config\\SYSTEM"});
        f.runner.enqueue(1);  // stale unload: nothing mounted
        f.runner.enqueue(1, "  ERROR: The process cannot access the file\n", " because it is in use. \n");
        OfflineRegistry reg;
        QVERIFY(!reg.configurePortableUsbBoot(QStringLiteral("W")));
        QCOMPARE(reg.lastError(), QStringLiteral("Failed to load offline registry: ERROR: The process cannot access the file\n because it is in use."));
        QCOMPARE(f.runner.calls().size(), 2);  // nothing loaded, nothing unloaded
    }
    {
        BootFixture f;
        f.addFiles({"W:\\Windows\\System32\\config\\SYSTEM"});
        f.runner.setResponder([](const CommandRequest& r, const QString&) {
            return ScriptedCommandRunner::result(r.arguments.value(0) == QLatin1String("unload") ? 1 : 0);
        });
        OfflineRegistry reg;
        QVERIFY(!reg.configurePortableUsbBoot(QStringLiteral("W")));
        QCOMPARE(reg.lastError(), QStringLiteral("Failed to unload offline registry"));
        QCOMPARE(regCommands(f).filter(QStringLiteral("unload")).size(), 3);
    }
}

void TestTools::systemCloneRegistry()
{
    {
        BootFixture f;
        f.addFiles({"V:\\Windows\\System32\\config\\SYSTEM"});
        f.platform.registry["TESSARIN_OFFLINE_SYS\\ControlSet001"] = {};
        f.runner.setResponder([](const CommandRequest& r, const QString&) {
            if (r.arguments.value(0) == QLatin1String("query"))
                return ScriptedCommandRunner::result(r.arguments.value(1).endsWith(QLatin1String("\\disk")) ? 0 : 1);
            return ScriptedCommandRunner::result(r.arguments.value(0) == QLatin1String("unload") ? 1 : 0);
        });
        OfflineRegistry reg;
        QSignalSpy phases(&reg, &OfflineRegistry::phaseChanged);
        reg.configureForMigration(QStringLiteral("V"));
        QCOMPARE(phases.size(), 3);
        const QStringList cmds = regCommands(f);
        const QString cs = QStringLiteral("HKLM\\TESSARIN_OFFLINE_SYS\\ControlSet001");
        QCOMPARE(cmds.at(0), QStringLiteral("load HKLM\\TESSARIN_OFFLINE_SYS V:\\Windows\\System32\\config\\SYSTEM @30000"));
        QCOMPARE(cmds.at(1), "add " + cs + "\\Services\\partmgr\\Parameters /v SanPolicy /t REG_DWORD /d 1 /f @10000");
        QCOMPARE(cmds.at(2), "query " + cs + "\\Services\\storahci @3000");
        // "disk" is the 11th name of this variant's order.
        QCOMPARE(cmds.at(12), "query " + cs + "\\Services\\disk @3000");
        QCOMPARE(cmds.at(13), "add " + cs + "\\Services\\disk /v Start /t REG_DWORD /d 0 /f @5000");
        QCOMPARE(cmds.at(14), "add " + cs + "\\Services\\disk\\StartOverride /v 0 /t REG_DWORD /d 0 /f @5000");
        QVERIFY(cmds.filter(QStringLiteral("delete ") + cs).isEmpty());  // override key never deleted here
        QCOMPARE(cmds.at(cmds.size() - 4), "add " + cs + "\\Control /v PortableOperatingSystem /t REG_DWORD /d 1 /f @10000");
        QCOMPARE(cmds.at(cmds.size() - 3), QStringLiteral("delete HKLM\\TESSARIN_OFFLINE_SYS\\MountedDevices /f @10000"));
        QCOMPARE(cmds.at(cmds.size() - 2), QStringLiteral("unload HKLM\\TESSARIN_OFFLINE_SYS @10000"));
        QCOMPARE(cmds.last(), QStringLiteral("unload HKLM\\TESSARIN_OFFLINE_SYS @10000"));
        QCOMPARE(f.runner.sleeps(), (QList<int>{500, 1000}));
    }
    {
        BootFixture f;
        f.addFiles({"V:\\Windows\\System32\\config\\SYSTEM"});
        f.runner.enqueue(1);
        OfflineRegistry reg;
        reg.configureForMigration(QStringLiteral("V"));
        QCOMPARE(f.runner.calls().size(), 1);
        QVERIFY(f.logged(QStringLiteral("Failed to load registry")));
    }
}

void TestTools::missingToolsFailCleanly()
{
    for (const char* tool : {"bcdedit", "bcdboot", "diskpart", "reg"}) {
        if (!QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty())
            QSKIP("a program named like a Windows tool is on the search path");
    }
    // The real process runner: on this system none of the tools can start.
    QString out;
    QElapsedTimer timer;
    timer.start();
    QVERIFY(!ToolRunner::runBcdedit({QStringLiteral("/enum")}, out));
    QCOMPARE(out, QStringLiteral("Failed to start bcdedit process"));
    QVERIFY(!ToolRunner::runBcdboot({QStringLiteral("W:\\Windows")}, out));
    QVERIFY(out.endsWith(QStringLiteral("\nbcdboot process timeout")));
    QVERIFY(!ToolRunner::runDiskpartScript(QStringLiteral("list disk\n"), out));
    QVERIFY(!ToolRunner::runReg({QStringLiteral("query"), QStringLiteral("HKLM\\SYSTEM")}, 5000));
    QVERIFY(!ToolRunner::runNamedScript(QStringLiteral("/tessarin_unmount.txt"), QStringLiteral("rescan\n"), 30000).succeeded());
    QVERIFY(!QFile::exists(ToolRunner::namedScriptPath(QStringLiteral("/tessarin_unmount.txt"))));
    QVERIFY(timer.elapsed() < 20000);
}

QTEST_GUILESS_MAIN(TestTools)
#include "tst_tools.moc"
