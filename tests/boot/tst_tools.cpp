// The tool runner, its script files, the argument rule, the listing parsers and the offline registry.
#include "bootfixture.h"
#include "boot/offlineregistry.h"
#include "platformtools/diskpartscript.h"
#include "platformtools/scriptfile.h"
#include "platformtools/toolrunner.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

Q_DECLARE_METATYPE(CommandResult)

namespace {
const QString Script = QStringLiteral("select disk 1\nselect partition 2\nassign letter=S\n");

bool runTool(const QString& tool, QString& out)
{
    if (tool == QLatin1String("bcdedit"))
        return ToolRunner::runBcdeditStore(QStringLiteral("S:\\EFI\\Microsoft\\Boot\\BCD"), {QStringLiteral("/enum")}, out);
    if (tool == QLatin1String("bcdboot"))
        return ToolRunner::runBcdboot({QStringLiteral("W:\\Windows"), QStringLiteral("/s"), QStringLiteral("S:")}, out);
    return ToolRunner::runDiskpartScript(Script, out);
}

[[maybe_unused]] QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

[[maybe_unused]] bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}
}

class TestTools : public QObject {
    Q_OBJECT
private slots:
    void failuresAreNeverSuccess_data()
    {
        QTest::addColumn<QString>("tool");
        QTest::addColumn<CommandResult>("result");
        QTest::addColumn<bool>("ok");
        using S = ScriptedCommandRunner;
        for (const char* tool : {"bcdedit", "bcdboot", "diskpart"}) {
            CommandResult late = S::timedOut();
            late.standardOutput = "partial";
            QTest::addRow("%s clean exit", tool) << tool << S::result(0, "done") << true;
            QTest::addRow("%s exit 1", tool) << tool << S::result(1, "done") << false;
            QTest::addRow("%s not started", tool) << tool << S::notStarted() << false;
            QTest::addRow("%s timed out", tool) << tool << late << false;
        }
        QTest::newRow("diskpart error text") << "diskpart" << S::result(0, "Virtual Disk Service ERROR:\n") << false;
        QTest::newRow("diskpart error in stderr") << "diskpart" << S::result(0, "", "eRRor") << false;
    }

    void failuresAreNeverSuccess()
    {
        QFETCH(QString, tool);
        QFETCH(CommandResult, result);
        QFETCH(bool, ok);
        BootFixture f;
        f.runner.enqueue(result);
        QString out;
        QCOMPARE(runTool(tool, out), ok);
        QVERIFY(f.runner.calls().at(0).request.finishTimeoutMs > 0);  // never waits for ever

        // The offline hive is unloaded on a second attempt; two failures fail.
        f.runner.clear();
        f.runner.enqueue(1);
        f.runner.enqueue(result);
        QCOMPARE(ToolRunner::unloadOfflineHive(QStringLiteral("HKLM\\X")), result.finished && result.exitCode == 0);
        QCOMPARE(f.runner.calls().size(), 2);
    }

    // bcdedit without a store edits the running system's boot entries: whatever path a call takes,
    // only one that names a store (or makes one) reaches the tool.
    void bcdeditOnlyWithAStore_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("runs");
        const QString store = QStringLiteral("S:\\Boot\\BCD");
        QTest::newRow("store named") << QStringList{"/store", store, "/set", "{default}", "detecthal", "yes"} << true;
        QTest::newRow("store made") << QStringList{"/createstore", store} << true;
        QTest::newRow("store option in upper case") << QStringList{"/STORE", store, "/enum"} << true;
        QTest::newRow("system store") << QStringList{"/set", "{bootmgr}", "device", "partition=C:"} << false;
        QTest::newRow("store option without a path") << QStringList{"/store"} << false;
        QTest::newRow("empty store path") << QStringList{"/store", "", "/enum"} << false;
        QTest::newRow("store option later") << QStringList{"/set", "{default}", "/store", store} << false;
    }
    void bcdeditOnlyWithAStore()
    {
        QFETCH(QStringList, arguments);
        QFETCH(bool, runs);
        BootFixture f;
        QString out;
        QCOMPARE(ToolRunner::runBcdedit(arguments, out), runs);
        QCOMPARE(ToolRunner::run(QStringLiteral("bcdedit"), arguments, 1000).started, runs);
        QCOMPARE(f.runner.calls().size(), runs ? 2 : 0);
    }

    void unsafeValuesRunNothing_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<bool>("safe");
        QTest::newRow("plain label") << QStringLiteral("Daten (D:) 'x' ä") << true;
        for (char16_t c : {u'"', u'\n', u'\r', u'\0', u'\t', u'\x85', u'\x2028'})
            QTest::addRow("U+%04X", unsigned(c)) << QStringLiteral("Data") + QChar(c) + QStringLiteral(" clean") << false;
    }

    void unsafeValuesRunNothing()
    {
        // One rule for command-line arguments and diskpart labels: what it refuses never reaches a tool.
        QFETCH(QString, value);
        QFETCH(bool, safe);
        BootFixture f;
        QString out;
        QCOMPARE(ToolRunner::runBcdeditStore(QStringLiteral("S:\\Boot\\BCD"), {QStringLiteral("/set"), value}, out), safe);
        QCOMPARE(ToolRunner::runReg({QStringLiteral("load"), value}, 1000), safe);
        QCOMPARE(f.runner.calls().size(), safe ? 2 : 0);
        // An empty script (what a script builder answers when it refuses) is refused as well.
        QVERIFY(!ToolRunner::runDiskpartScript(QString(), out));
        QCOMPARE(f.runner.calls().size(), safe ? 2 : 0);
    }

    // A stand-in diskpart on the search path accepts a script only as a plain file in a directory
    // of its own (mode 700) and keeps what it was given; links and files planted at the script
    // names in the shared temporary directory are never written through.
    void scriptFilesThroughARealProcess()
    {
#if defined(_WIN32)
        QSKIP("links are planted and the stand-in tool written with POSIX means");
#else
        QTemporaryDir shared, bin;
        QVERIFY(shared.isValid() && bin.isValid());
        const QString victim = shared.filePath(QStringLiteral("victim"));
        const QString link = shared.filePath(QStringLiteral("tessarin_clean.txt"));
        const QString planted = shared.filePath(QStringLiteral("tessarin_bcd.txt"));
        const QString dangling = shared.filePath(QStringLiteral("dangling"));
        const QString throughDangling = shared.filePath(QStringLiteral("made-through-link"));
        QVERIFY(writeFile(victim, "precious") && writeFile(planted, "planted"));
        QVERIFY(QFile::link(victim, link) && QFile::link(throughDangling, dangling));
        const auto listing = [&] { return QDir(shared.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System); };
        const QStringList before = listing();
        const QString tool = bin.filePath(QStringLiteral("diskpart"));
        QVERIFY(writeFile(tool, "#!/bin/sh\n[ \"$1\" = /s ] && [ -f \"$2\" ] && [ ! -L \"$2\" ] || exit 9\n"
                                "d=$(dirname \"$2\"); [ \"$d\" != \"$SHARED\" ] && [ \"$(stat -c %a \"$d\")\" = 700 ] || exit 8\n"
                                "cat \"$2\" >> \"$SEEN\"\necho DiskPart done.\n"));
        QVERIFY(QFile::setPermissions(tool, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner));
        const QByteArray path = qgetenv("PATH"), tmp = qgetenv("TMPDIR");
        qputenv("PATH", bin.path().toLocal8Bit() + ':' + path);
        qputenv("TMPDIR", shared.path().toLocal8Bit());
        qputenv("SEEN", bin.filePath(QStringLiteral("seen")).toLocal8Bit());
        qputenv("SHARED", shared.path().toLocal8Bit());
        const QString labelled = QStringLiteral("select disk 2\nselect partition 1\nformat fs=ntfs label=\"Données ä\" quick\n");
        QString out;
        const bool ok = ToolRunner::runNamedScript(QStringLiteral("/tessarin_clean.txt"), Script, 10000).succeeded()
            && ToolRunner::runNamedScript(QStringLiteral("/tessarin_bcd.txt"), Script, 10000).succeeded()
            && ToolRunner::runDiskpartScript(labelled, out);
        qputenv("PATH", path);
        tmp.isEmpty() ? qunsetenv("TMPDIR") : qputenv("TMPDIR", tmp);
        QVERIFY(ok);
        // Local code page, no byte-order mark, "\n" line ends.
        QCOMPARE(readAll(bin.filePath(QStringLiteral("seen"))), (Script + Script + labelled).toLocal8Bit());
        QCOMPARE(listing(), before);  // the private directories are gone again

        // The writer itself: a link (also a dangling one) or a file at the path is never opened.
        QString error;
        for (const QString& p : {link, planted, dangling})
            QVERIFY2(!ScriptFile::createExclusive(p, "clean\n", error), qPrintable(p));
        QVERIFY(!QFile::exists(throughDangling));
        QCOMPARE(readAll(victim), QByteArray("precious"));
        QCOMPARE(readAll(planted), QByteArray("planted"));
        QVERIFY(ScriptFile::createExclusive(shared.filePath(QStringLiteral("fresh")), "clean\n", error));
#endif
    }

    // Anything but one letter would become script text.
    void lettersAreValidated()
    {
        for (const char* bad : {"", "SS", "S\nclean", "1", "S:\\x", "\"S\""})
            QVERIFY2(DiskpartScript::mountPair(1, 1, QStringLiteral("Z"), 2, QString::fromLatin1(bad)).isEmpty(), bad);
        QVERIFY(DiskpartScript::unmount(2, 4, QStringLiteral("K:\\")).endsWith(QStringLiteral("remove letter=K\n")));
    }

    void offlineRegistry()
    {
        {
            BootFixture f;
            f.addFiles({"W:\\Windows\\System32\\config\\SYSTEM"});
            // Only storahci is installed in the clone.
            f.runner.setResponder([](const CommandRequest& r, const QString&) {
                const bool installed = r.arguments.value(1).endsWith(QLatin1String("\\storahci"));
                return ScriptedCommandRunner::result(r.arguments.value(0) == QLatin1String("query") && !installed ? 1 : 0);
            });
            QVERIFY(OfflineRegistry().configurePortableUsbBoot(QStringLiteral("W")));
            const QString k = QStringLiteral("HKLM\\TESSARIN_DISK_OFFLINE_SYS");
            QStringList writes;
            for (const auto& c : f.callsOf(QStringLiteral("reg"))) {
                const QStringList& a = c.request.arguments;
                QVERIFY2(a.value(1).startsWith(k), qPrintable(a.join(' ')));  // nothing outside the loaded hive
                if (a.value(0) == QLatin1String("add"))
                    writes.append(a.value(1) + QLatin1Char('=') + a.value(3) + QLatin1Char('=') + a.value(7));
            }
            QCOMPARE(f.callsOf(QStringLiteral("reg")).last().request.arguments, (QStringList{"unload", k}));
            for (const char* value : {"\\Services\\partmgr\\Parameters=SanPolicy=1", "\\Control=PortableOperatingSystem=1",
                                      "\\Services\\storahci=Start=0"})
                for (const char* set : {"\\ControlSet001", "\\ControlSet002"})
                    QVERIFY2(writes.contains(k + set + value), value);
            QVERIFY(writes.filter(QStringLiteral("stornvme")).isEmpty());  // not installed: no key made
        }
        for (int failing : {0, 1, 2}) {
            // No hive, a load that times out, an unload that never works: each fails, and after a
            // failed load nothing is written.
            BootFixture f;
            if (failing > 0)
                f.addFiles({"W:\\Windows\\System32\\config\\SYSTEM"});
            f.runner.setResponder([failing](const CommandRequest& r, const QString&) {
                const QString verb = r.arguments.value(0);
                if (failing == 1 && verb == QLatin1String("load"))
                    return ScriptedCommandRunner::timedOut();
                return ScriptedCommandRunner::result(failing == 2 && verb == QLatin1String("unload") ? 1 : 0);
            });
            QVERIFY(!OfflineRegistry().configurePortableUsbBoot(QStringLiteral("W")));
            if (failing < 2)
                QVERIFY(f.callsOf(QStringLiteral("reg")).size() <= 2);
        }
    }
};

QTEST_GUILESS_MAIN(TestTools)
#include "tst_tools.moc"
