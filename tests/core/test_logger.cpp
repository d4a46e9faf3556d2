#include "core/logger.h"

#include <QtTest>

namespace {
QString readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}
}

class TestLogger : public QObject {
    Q_OBJECT
private slots:
    void linesLevelsAndCallback()
    {
        QTemporaryDir dir;
        const QString first = dir.filePath(QStringLiteral("first.log"));
        Logger& log = Logger::instance();
        log.init(first);
        QVERIFY(log.isFileOpen());
        log.init(dir.filePath(QStringLiteral("second.log")));
        QCOMPARE(log.filePath(), first);

        QList<QPair<QString, int>> seen;
        log.setCallback([&](const QString& m, Logger::Level l) { seen.append({m, int(l)}); });
        log.log(Logger::Debug, QStringLiteral("hidden debug"));
        log.info(QStringLiteral("plain info"));
        log.warning(QStringLiteral("careful"));
        log.error(QStringLiteral("broken"));
        log.log(static_cast<Logger::Level>(9), QStringLiteral("odd level"));
        log.setCallback({});

        const QString text = readAll(first);
        QVERIFY(!text.contains(QStringLiteral("hidden debug")));
        const QStringList lines = text.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 4);
        const QRegularExpression shape(QStringLiteral(
            R"(^\[\d{4}-\d\d-\d\d \d\d:\d\d:\d\d\.\d{3}\] \[(INFO |WARN |ERROR|UNKN )\] .+$)"));
        for (const QString& line : lines)
            QVERIFY2(shape.match(line).hasMatch(), qPrintable(line));
        QVERIFY(lines[0].endsWith(QStringLiteral("[INFO ] plain info")));
        QVERIFY(lines[1].endsWith(QStringLiteral("[WARN ] careful")));
        QVERIFY(lines[2].endsWith(QStringLiteral("[ERROR] broken")));
        QVERIFY(lines[3].endsWith(QStringLiteral("[UNKN ] odd level")));
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("second.log"))));  // the second init changed nothing

        // Only warnings and worse reach the callback, as bare messages.
        QCOMPARE(seen.size(), 3);
        QCOMPARE(seen[0].first, QStringLiteral("careful"));
        QCOMPARE(seen[0].second, int(Logger::Warning));
        QCOMPARE(seen[1].first, QStringLiteral("broken"));
        QCOMPARE(seen[2].second, 9);
    }

    void logFileNextToExecutableWhenDesktopUnusable()
    {
        QTemporaryDir home;
        // A plain file where the log folder should go makes the folder impossible to create.
        QDir(home.path()).mkpath(QStringLiteral("Desktop"));
        QFile blocker(home.filePath(QStringLiteral("Desktop/Tessarin_Logs")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        qputenv("HOME", home.path().toUtf8());
        qputenv("XDG_DESKTOP_DIR", home.filePath(QStringLiteral("Desktop")).toUtf8());
        qputenv("XDG_CONFIG_HOME", home.filePath(QStringLiteral("config")).toUtf8());
        const QString path = logFilePath();
        QCOMPARE(QFileInfo(path).absolutePath(), QCoreApplication::applicationDirPath());
        QVERIFY(QRegularExpression(QStringLiteral(R"(^Tessarin_\d{8}_\d{6}\.log$)"))
                    .match(QFileInfo(path).fileName()).hasMatch());

        QFile::remove(blocker.fileName());
        const QString usable = logFilePath();
        QCOMPARE(QFileInfo(usable).absolutePath(), home.filePath(QStringLiteral("Desktop/Tessarin_Logs")));
    }
};

QTEST_GUILESS_MAIN(TestLogger)
#include "test_logger.moc"
