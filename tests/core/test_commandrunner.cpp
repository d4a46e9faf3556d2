#include "core/commandprocessrunner.h"
#include "core/commandrunner.h"
#include "common/scriptedcommandrunner.h"

#include <QtTest>

class TestCommandRunner : public QObject {
    Q_OBJECT
private slots:
    void processRunnerReportsExitOutputAndErrors()
    {
        CommandRequest r;
        r.program = QStringLiteral("sh");
        r.arguments = {QStringLiteral("-c"), QStringLiteral("echo out; echo err 1>&2; exit 3")};
        const CommandResult res = CommandRunner::current().run(r);
        QVERIFY(res.started && res.finished && !res.timedOut);
        QCOMPARE(res.exitCode, 3);
        QCOMPARE(res.standardOutput, QByteArray("out\n"));
        QCOMPARE(res.standardError, QByteArray("err\n"));

        r.program = QStringLiteral("tessarin-no-such-tool");
        r.startTimeoutMs = 2000;
        const CommandResult none = CommandRunner::current().run(r);
        QVERIFY(!none.started && !none.finished);
    }

    // The platform's tools run through the installed runner and under the same argument rule as
    // every other child: an argument that would end a line never reaches a runner.
    void platformToolsGoThroughTheOneRunner_data()
    {
        QTest::addColumn<QStringList>("argv");
        QTest::addColumn<bool>("started");
        QTest::newRow("plain") << QStringList{"losetup", "--find", "--show", "--", "/tmp/a b.img"} << true;
        QTest::newRow("line end") << QStringList{"ntfsls", "-p", "/Windows\nSystem32", "/dev/loop7"} << false;
        QTest::newRow("quote") << QStringList{"losetup", "--", "/tmp/\"a.img"} << false;
        QTest::newRow("line separator") << QStringList{"ntfsls", "-p", QString(QChar(0x2028)), "/dev/loop7"} << false;
    }
    void platformToolsGoThroughTheOneRunner()
    {
        QFETCH(QStringList, argv);
        QFETCH(bool, started);
        ScriptedCommandRunner scripted;
        ScopedCommandRunner scope(&scripted);
        scripted.enqueue(0, "/dev/loop7\n", "warning\n");
        std::vector<std::string> args;
        for (const QString& a : argv)
            args.push_back(a.toStdString());
        const ProcessRunner::Result r = CommandProcessRunner::instance().run(args, 1234, 4096);
        QCOMPARE(r.started, started);
        QCOMPARE(r.succeeded(), started);
        QCOMPARE(scripted.calls().size(), started ? 1 : 0);
        if (started) {
            const CommandRequest& request = scripted.calls().first().request;
            QCOMPARE(request.program, argv.first());
            QCOMPARE(request.arguments, argv.mid(1));
            QCOMPARE(request.finishTimeoutMs, 1234);
            QCOMPARE(request.outputLimit, 4096);
            QCOMPARE(r.out, std::string("/dev/loop7\n"));
            QCOMPARE(r.err, std::string("warning\n"));
        }
        CommandProcessRunner::instance().sleepMs(250);
        QCOMPARE(scripted.sleeps(), QList<int>{250});
    }

    void childThatTimesOutIsKilledAndFails()
    {
#if defined(_WIN32)
        QSKIP("the child is a POSIX shell");
#else
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString pidFile = dir.filePath(QStringLiteral("pid"));
        CommandRequest slow;
        slow.program = QStringLiteral("sh");
        slow.arguments = {QStringLiteral("-c"), QStringLiteral("echo $$ > '%1'; echo started; exec sleep 30").arg(pidFile)};
        slow.finishTimeoutMs = 500;
        QElapsedTimer t;
        t.start();
        const CommandResult res = CommandRunner::current().run(slow);
        QVERIFY(res.started && res.timedOut && !res.finished);
        QVERIFY(res.exitCode != 0);
        QVERIFY(t.elapsed() < 10000);
        QFile f(pidFile);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray pid = f.readAll().trimmed();
        // Gone, not merely left behind: no process (not even a zombie) with that id remains.
        QVERIFY2(!QFile::exists(QStringLiteral("/proc/") + QString::fromLatin1(pid)), pid.constData());
#endif
    }

    // Output beyond the limit kills the child, on either channel, in memory or streamed to a file;
    // a file within the limit holds exactly what the child wrote.
    void outputIsBounded_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<bool>("toFile");
        QTest::addColumn<bool>("cut");
        QTest::newRow("flood in memory") << QStringLiteral("exec yes") << false << true;
        QTest::newRow("flood of standard error") << QStringLiteral("exec yes >&2") << false << true;
        QTest::newRow("flood into a file") << QStringLiteral("exec yes") << true << true;
        QTest::newRow("within the limit, into a file") << QStringLiteral("head -c 300000 /dev/zero") << true << false;
    }
    void outputIsBounded()
    {
#if defined(_WIN32)
        QSKIP("the child is a POSIX shell");
#else
        QFETCH(QString, script);
        QFETCH(bool, toFile);
        QFETCH(bool, cut);
        QTemporaryDir dir;
        CommandRequest r;
        r.program = QStringLiteral("sh");
        r.arguments = {QStringLiteral("-c"), script};
        r.finishTimeoutMs = 60000;
        r.outputLimit = 1 << 20;
        if (toFile)
            r.standardOutputFile = dir.filePath(QStringLiteral("out"));
        const CommandResult res = CommandRunner::current().run(r);
        QVERIFY(res.started && !res.timedOut);
        QCOMPARE(res.outputCut, cut);
        QCOMPARE(res.finished, !cut);
        QVERIFY(res.standardOutput.size() <= r.outputLimit && res.standardError.size() <= r.outputLimit);
        if (toFile) {
            QVERIFY(res.standardOutput.isEmpty());
            const qint64 written = QFileInfo(r.standardOutputFile).size();
            QVERIFY(written <= r.outputLimit);
            if (!cut)
                QCOMPARE(written, qint64(300000));
        }
#endif
    }
};

QTEST_GUILESS_MAIN(TestCommandRunner)
#include "test_commandrunner.moc"
