#include "core/logger.h"

#include <QtTest>
#include <thread>
#include <unistd.h>

class TestLogger : public QObject {
    Q_OBJECT
private slots:
    // The first init wins; debug lines stay out of the file, and only warnings and errors reach the callback.
    void linesReachFileAndCallback()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("first.log"));
        Logger& log = Logger::instance();
        log.init(path);
        log.init(dir.filePath(QStringLiteral("second.log")));
        QCOMPARE(log.filePath(), path);
        QStringList seen;
        log.setCallback([&](const QString& m, Logger::Level) { seen << m; });
        log.log(Logger::Debug, QStringLiteral("hidden debug"));
        log.info(QStringLiteral("plain info"));
        log.warning(QStringLiteral("careful"));
        log.error(QStringLiteral("broken"));
        log.setCallback({});
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(f.readAll());
        QVERIFY(text.count(QLatin1Char('\n')) == 3 && text.contains(QStringLiteral("broken")) && !text.contains(QStringLiteral("hidden")));
        QCOMPARE(seen, (QStringList{QStringLiteral("careful"), QStringLiteral("broken")}));
    }

    // The callback runs outside the log's lock: it may log itself, and another thread may log meanwhile.
    void callbackThatLogsDoesNotDeadlock()
    {
        Logger& log = Logger::instance();
        int depth = 0;
        log.setCallback([&](const QString&, Logger::Level) {
            if (depth++ == 0)
                log.warning(QStringLiteral("logged from the callback"));
            std::thread other([&] { log.info(QStringLiteral("another thread")); });
            other.join();
        });
        std::atomic<bool> done{false};
        std::thread writer([&] {
            log.warning(QStringLiteral("first"));
            done = true;
        });
        QTRY_VERIFY_WITH_TIMEOUT(done.load(), 5000);
        writer.join();
        log.setCallback({});
        QCOMPARE(depth, 2);
    }

    void logFolderFollowsStateConventionsElseExecutable()
    {
        QTemporaryDir home;
        qputenv("HOME", home.path().toUtf8());
        qputenv("XDG_STATE_HOME", home.filePath(QStringLiteral("state")).toUtf8());
        QCOMPARE(logFolderFor(false), home.filePath(QStringLiteral("state/tessarin")));
        QCOMPARE(logFolderFor(true), home.filePath(QStringLiteral("state/tessarin")));
        for (const char* ignored : {"relative/state", ""}) {
            qputenv("XDG_STATE_HOME", ignored);
            QCOMPARE(logFolderFor(false), home.filePath(QStringLiteral(".local/state/tessarin")));
            QCOMPARE(logFolderFor(true), QStringLiteral("/var/log/tessarin"));
        }
        if (::geteuid() == 0)
            return;
        // A plain file where the log folder should go makes the folder impossible to create.
        QDir(home.path()).mkpath(QStringLiteral(".local/state"));
        QFile blocker(home.filePath(QStringLiteral(".local/state/tessarin")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        QCOMPARE(QFileInfo(logFilePath()).absolutePath(), QCoreApplication::applicationDirPath());
        QFile::remove(blocker.fileName());
        QCOMPARE(QFileInfo(logFilePath()).absolutePath(), home.filePath(QStringLiteral(".local/state/tessarin")));
    }
};

QTEST_GUILESS_MAIN(TestLogger)
#include "test_logger.moc"
