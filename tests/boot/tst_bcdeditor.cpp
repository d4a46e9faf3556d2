// The boot-store editor: repair chain, manual store, portable mode, clean-up.
#include "bootfixture.h"

#include <QtTest>

Q_DECLARE_METATYPE(CommandResult)

namespace {
const QString UefiStore = QStringLiteral("S:\\EFI\\Microsoft\\Boot\\BCD");
const QString Guid = QStringLiteral("{12345678-1234-1234-1234-123456789abc}");

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
    void repairChain_data()
    {
        // The answers of bcdboot and of "/create ... osloader" decide which strategy ends the chain.
        QTest::addColumn<int>("firmware");
        QTest::addColumn<int>("bcdbootExit");
        QTest::addColumn<CommandResult>("osloader");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QStringList>("bcdeditHas");
        const QString locate = "/store|" + UefiStore + "|/set|{default}|device|locate=\\Windows\\System32\\winload.efi";
        const CommandResult created = ScriptedCommandRunner::result(0, "The entry " + Guid.toUtf8() + " was successfully created.");
        QTest::newRow("bcdboot works, UEFI: portable mode follows") << 2 << 0 << created << true << QStringList{locate};
        QTest::newRow("manual store, BIOS: no portable mode") << 1 << 1 << created << true << QStringList();
        QTest::newRow("manual store, UEFI") << 2 << 1 << created << true << QStringList{locate};
        QTest::newRow("no GUID: existing store patched")
            << 2 << 1 << ScriptedCommandRunner::result(0, "no identifier here") << true
            << QStringList{"/store|" + UefiStore + "|/set|{current}|osdevice|partition=W:", locate};
        // The manual attempt deleted the store: nothing is left to patch.
        QTest::newRow("all fail") << 2 << 1 << ScriptedCommandRunner::result(1, "failed") << false << QStringList();
    }

    void repairChain()
    {
        QFETCH(int, firmware);
        QFETCH(int, bcdbootExit);
        QFETCH(CommandResult, osloader);
        QFETCH(bool, ok);
        QFETCH(QStringList, bcdeditHas);
        BootFixture f;
        addEfiFiles(f);
        f.addFiles({"W:\\Windows\\system32\\winload.efi"});
        f.runner.setResponder([&](const CommandRequest& r, const QString&) {
            if (r.program == QLatin1String("bcdboot"))
                return ScriptedCommandRunner::result(bcdbootExit);
            if (r.arguments.contains(QLatin1String("osloader")))
                return osloader;
            // In the last row bcdedit cannot make a store at all.
            if (r.arguments.contains(QLatin1String("/createstore")) && osloader.exitCode == 0)
                f.addFiles({UefiStore});
            return ScriptedCommandRunner::result(0);
        });
        QCOMPARE(f.bcd.repairBoot(QStringLiteral("W:"), firmware, QStringLiteral("S:")), ok);
        const QStringList lines = bcdeditLines(f);
        for (const QString& line : bcdeditHas)
            QVERIFY2(lines.contains(line), qPrintable(line));
        if (bcdeditHas.isEmpty())
            QVERIFY(lines.filter(QStringLiteral("locate=")).isEmpty());
        // The old store is kept as a backup before anything is changed.
        if (firmware == 2)
            QVERIFY(f.copies().contains(UefiStore + " -> " + UefiStore + ".backup"));

        // Without Windows at the given root nothing runs.
        BootFixture empty;
        QVERIFY(!empty.bcd.repairBoot(QStringLiteral("W:\\"), firmware, QStringLiteral("S:")));
        QVERIFY(empty.runner.calls().isEmpty());
    }

    void manualStoreEditsOnlyTheTargetStore()
    {
        for (int firmware : {0, 2}) {
            BootFixture f;
            f.runner.setResponder([](const CommandRequest& r, const QString&) {
                if (r.arguments.contains(QLatin1String("osloader")))
                    return ScriptedCommandRunner::result(0, "The entry " + Guid.toUtf8() + " was successfully created.");
                return ScriptedCommandRunner::result(0);
            });
            QVERIFY(f.bcd.createStoreManually(QStringLiteral("W:"), QStringLiteral("S:"), firmware));
            const QString store = BCDEditor::bcdStorePath(QStringLiteral("S:"), firmware);
            QCOMPARE(store, firmware == 2 ? UefiStore : QStringLiteral("S:\\Boot\\BCD"));
            const QStringList lines = bcdeditLines(f);
            QCOMPARE(lines.first(), "/createstore|" + store);
            // Every later edit names the new store: the running system's own store is never touched.
            for (const QString& line : lines.mid(1))
                QVERIFY2(line.startsWith("/store|" + store + "|"), qPrintable(line));
            // The loader entry is the one bcdedit created, and it points at the clone.
            QVERIFY(lines.contains("/store|" + store + "|/set|" + Guid + "|osdevice|partition=W:"));
            QVERIFY(lines.contains("/store|" + store + "|/set|{bootmgr}|default|" + Guid));
            QCOMPARE(lines.filter(firmware == 2 ? QStringLiteral("winload.efi") : QStringLiteral("winload.exe")).size(), 1);
        }
    }

    void portableStepFailure_data()
    {
        QTest::addColumn<QString>("step");
        QTest::addColumn<bool>("critical");
        // A boot entry that points nowhere fails the run; the rest are only warnings.
        QTest::newRow("loader device") << "/set {default} device" << true;
        QTest::newRow("hal detection") << "/set {default} detecthal" << false;
    }

    void portableStepFailure()
    {
        // A critical failure fails the run; any failure leaves every later step running.
        QFETCH(QString, step);
        QFETCH(bool, critical);
        BootFixture f;
        addEfiFiles(f);
        f.runner.setResponder([step](const CommandRequest& r, const QString&) {
            return ScriptedCommandRunner::result(r.arguments.mid(2, 3).join(QLatin1Char(' ')) == step ? 1 : 0, "denied");
        });
        QCOMPARE(f.bcd.configurePortableMode(QStringLiteral("S:")), !critical);
        QCOMPARE(f.runner.calls().size(), 7);
        QCOMPARE(f.copies(), (QStringList{"S:\\EFI\\Microsoft\\Boot\\bootmgfw.efi -> S:\\EFI\\Boot\\bootx64.efi"}));

        // Without a store nothing runs; a failed fallback copy fails the run.
        BootFixture g;
        QVERIFY(!g.bcd.configurePortableMode(QStringLiteral("S:")));
        QVERIFY(g.runner.calls().isEmpty());
        addEfiFiles(g);
        g.platform.failingPaths = {"S:\\EFI\\Boot\\bootx64.efi"};
        QVERIFY(!g.bcd.configurePortableMode(QStringLiteral("S")));
    }

    // bcdboot /l and bcdedit's locale follow the system's UI language in Windows' language-region form.
    void bootLocale_data()
    {
        QTest::addColumn<QStringList>("uiLanguages");
        QTest::addColumn<QString>("locale");
        QTest::newRow("German") << QStringList{"de-DE", "en-US"} << "de-de";
        QTest::newRow("script part left out") << QStringList{"zh-Hans-CN"} << "zh-cn";
        QTest::newRow("underscore form") << QStringList{"pt_BR"} << "pt-br";
        QTest::newRow("language without region") << QStringList{"fr"} << "en-us";
        QTest::newRow("nothing known") << QStringList{} << "en-us";
    }

    void bootLocale()
    {
        QFETCH(QStringList, uiLanguages);
        QFETCH(QString, locale);
        QCOMPARE(BCDEditor::bootLocaleFrom(uiLanguages), locale);
    }

    void cleanInvalidEntries_data()
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
    }

    void cleanInvalidEntries()
    {
        QFETCH(QString, output);
        QFETCH(QStringList, expected);
        QCOMPARE(BCDEditor::findInvalidEntries(output), expected);
        // Each one is deleted from the named store; a failed delete is only a warning.
        BootFixture f;
        f.runner.enqueue(0, output.toUtf8());
        f.runner.enqueue(1, "The element is in use");
        QVERIFY(f.bcd.cleanInvalidEntries(QStringLiteral("S")));
        const QStringList deletes = bcdeditLines(f).filter(QStringLiteral("/delete|"));
        QCOMPARE(deletes.size(), expected.size());
        for (const QString& id : expected)
            QVERIFY(deletes.contains("/store|" + UefiStore + "|/delete|" + id + "|/f"));
        f.runner.clear();
        f.runner.enqueue(1);
        QVERIFY(!f.bcd.cleanInvalidEntries(QStringLiteral("S:")));  // nothing deleted without a listing
        QCOMPARE(f.runner.calls().size(), 1);
    }
};

QTEST_GUILESS_MAIN(TestBcdEditor)
#include "tst_bcdeditor.moc"
