#include "core/commandrunner.h"
#include "core/scriptedcommandrunner.h"

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
    }

    void processRunnerMissingProgramAndTimeout()
    {
        CommandRequest missing;
        missing.program = QStringLiteral("tessarin-no-such-tool");
        missing.startTimeoutMs = 2000;
        QVERIFY(!CommandRunner::current().run(missing).started);

        CommandRequest slow;
        slow.program = QStringLiteral("sleep");
        slow.arguments = {QStringLiteral("20")};
        slow.finishTimeoutMs = 200;
        QElapsedTimer t;
        t.start();
        const CommandResult res = CommandRunner::current().run(slow);
        QVERIFY(res.started && res.timedOut && !res.finished);
        QVERIFY(t.elapsed() < 10000);
    }

    void scriptedRunnerRecordsScriptsAndAnswersInOrder()
    {
        ScriptedCommandRunner scripted;
        ScopedCommandRunner scope(&scripted);
        QTemporaryFile script;
        QVERIFY(script.open());
        script.write("select disk 2\nclean\n");
        script.flush();
        scripted.enqueue(1, "first");
        scripted.setResponder([](const CommandRequest& req, const QString&) {
            return ScriptedCommandRunner::result(req.arguments.size(), "resp");
        });
        CommandRequest r;
        r.program = QStringLiteral("diskpart");
        r.arguments = {QStringLiteral("/s"), script.fileName()};
        const CommandResult a = CommandRunner::current().run(r);
        const CommandResult b = CommandRunner::current().run(r);
        QCOMPARE(a.exitCode, 1);
        QCOMPARE(a.standardOutput, QByteArray("first"));
        QCOMPARE(b.exitCode, 2);
        CommandRunner::current().sleepMs(500);
        QCOMPARE(scripted.calls().size(), 2);
        QCOMPARE(scripted.calls().at(0).scriptText, QStringLiteral("select disk 2\nclean\n"));
        QCOMPARE(scripted.calls().at(0).request.program, QStringLiteral("diskpart"));
        QCOMPARE(scripted.sleeps(), QList<int>{500});
    }
};

QTEST_GUILESS_MAIN(TestCommandRunner)
#include "test_commandrunner.moc"
