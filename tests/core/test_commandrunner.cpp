#include "core/commandrunner.h"

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
        QVERIFY(res.exitCode == 3 && res.standardOutput == "out\n" && res.standardError == "err\n");

        CommandRequest missing;
        missing.program = QStringLiteral("tessarin-no-such-tool");
        missing.startTimeoutMs = 2000;
        const CommandResult none = CommandRunner::current().run(missing);
        QVERIFY(!none.started && !none.finished);
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
        QVERIFY(res.started && res.timedOut && !res.finished && res.exitCode == -1);
        QVERIFY(t.elapsed() < 10000);
        QFile f(pidFile);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray pid = f.readAll().trimmed();
        QVERIFY(!pid.isEmpty());
        // Gone, not merely left behind: no process (not even a zombie) with that id remains.
        QVERIFY2(!QFile::exists(QStringLiteral("/proc/") + QString::fromLatin1(pid)), pid.constData());
#endif
    }
};

QTEST_GUILESS_MAIN(TestCommandRunner)
#include "test_commandrunner.moc"
