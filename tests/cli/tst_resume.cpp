// A clone stopped part-way (killed, or Ctrl-C) and resumed from its journal ends as a straight clone
// would; a journal that does not fit the disks, the plan or the source is refused before any write.
#include "cli/clirunner.h"
#include "common/imagefixture.h"

#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QtTest>

#include <csignal>
#include <fcntl.h>
#include <unistd.h>
#include <sys/stat.h>

namespace {
constexpr qint64 MiB = 1 << 20;
constexpr qint64 FatStart = 1 * MiB, FatBytes = 300 * MiB;
constexpr qint64 RawStart = FatStart + FatBytes, RawBytes = 600 * MiB;
// What a smart clone of the source moves, roughly: the files, the FAT's metadata and the raw partition.
constexpr qint64 PlannedBytes = 800 * MiB;

bool sh(const QString& command, QByteArray* out = nullptr) { return CliRunner::sh(command, out); }

qint64 allocatedBytes(const QString& file)
{
    struct stat st {};
    return ::stat(file.toLocal8Bit().constData(), &st) == 0 ? qint64(st.st_blocks) * 512 : 0;
}

// A killed run's transfers are torn down by the kernel after the process is gone; its exclusive
// hold on a block device goes with them.
bool waitUntilFree(const QString& device)
{
    for (int i = 0; i < 200; ++i) {
        const int fd = ::open(device.toLocal8Bit().constData(), O_RDONLY | O_EXCL | O_CLOEXEC);
        if (fd >= 0) {
            ::close(fd);
            return true;
        }
        QThread::msleep(50);
    }
    return false;
}

QString digest(const QString& file)
{
    QByteArray out;
    sh(QStringLiteral("sha256sum %1 | cut -c1-64").arg(file), &out);
    return QString::fromLatin1(out.trimmed());
}
}

class TestResume : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir{QStringLiteral("/var/tmp/tessarin-resume-XXXXXX")};
    QString path(const QString& name) const { return m_dir.filePath(name); }
    QString journalFolder() const { return QString::fromLocal8Bit(qgetenv("XDG_STATE_HOME")) + QStringLiteral("/tessarin"); }

    static QStringList cloneArgs(const QStringList& extra = {})
    {
        return QStringList{QStringLiteral("clone"), QStringLiteral("disk"), QStringLiteral("0"), QStringLiteral("1"),
                           QStringLiteral("--yes"), QStringLiteral("--json")} + extra;
    }

    // Starts a clone and stops it with `signal` once `watched` holds `bytes` more than at the start;
    // false when the run ended first.
    bool interrupt(const QStringList& disks, const QStringList& arguments, const QString& watched, qint64 bytes, int signal)
    {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("TESSARIN_DISKS"), disks.join(QLatin1Char(':')));
        p.setProcessEnvironment(env);
        const qint64 before = allocatedBytes(watched);
        p.start(QStringLiteral(TESSARIN_CLI), arguments);
        p.closeWriteChannel();
        while (p.state() != QProcess::NotRunning && allocatedBytes(watched) - before < bytes)
            p.waitForFinished(1);
        if (p.state() == QProcess::NotRunning)
            return false;
        ::kill(pid_t(p.processId()), signal);
        p.waitForFinished(60000);
        return true;
    }

    // The newest journal: the one the last interrupted run left.
    QString lastJournal() const
    {
        const QFileInfoList list = QDir(journalFolder()).entryInfoList({QStringLiteral("resume-*.journal")}, QDir::Files, QDir::Time);
        return list.isEmpty() ? QString() : list.first().filePath();
    }

    QJsonObject result(const QByteArray& out) const
    {
        const QList<QByteArray> lines = out.trimmed().split('\n');
        return QJsonDocument::fromJson(lines.last()).object();
    }

    // Table sound, every file of the FAT32 volume equal and sound, the raw partition equal.
    void checkCopy(const QString& target)
    {
        QByteArray out;
        QVERIFY(sh(QStringLiteral("sgdisk -v %1").arg(target), &out));
        QVERIFY2(out.contains("No problems found"), out.constData());
        QVERIFY(sh(QStringLiteral("cmp -n %1 -i %2:%2 %3 %4").arg(RawBytes).arg(RawStart).arg(path(QStringLiteral("src.img")), target)));
        const QString files = path(QStringLiteral("files"));
        QVERIFY(sh(QStringLiteral("rm -rf %1 && mkdir -p %1 && MTOOLS_SKIP_CHECK=1 mcopy -n -i %2@@1M '::/*' %1/").arg(files, target)));
        for (int i = 0; i < 20; ++i) {
            const QString name = QStringLiteral("f%1.bin").arg(i);
            QCOMPARE(digest(files + QLatin1Char('/') + name), digest(path(QStringLiteral("data/")) + name));
        }
        QVERIFY(sh(QStringLiteral("dd if=%1 of=%2 bs=1M skip=1 count=300 status=none && fsck.fat -n %2 >/dev/null")
                       .arg(target, path(QStringLiteral("fat.img")))));
    }

private slots:
    void initTestCase()
    {
        const QString missing = missingRequirement({"sgdisk", "mkfs.fat", "mcopy", "fsck.fat", "losetup", "cmp"}, true);
        if (!missing.isEmpty())
            QSKIP(qPrintable(missing));
        for (const QString& old : QDir(journalFolder()).entryList({QStringLiteral("resume-*.journal")}))
            QFile::remove(journalFolder() + QLatin1Char('/') + old);
        const QString src = path(QStringLiteral("src.img")), data = path(QStringLiteral("data"));
        QVERIFY(sh(QStringLiteral("truncate -s 1000M %1 && sgdisk -n1:2048:+300M -t1:0700 -n2:0:+600M -t2:8300 %1 >/dev/null"
                                  " && mkfs.fat -F 32 --offset 2048 %1 307200 >/dev/null && mkdir -p %2"
                                  " && for i in $(seq 0 19); do head -c 10000000 /dev/urandom > %2/f$i.bin; done"
                                  " && MTOOLS_SKIP_CHECK=1 mcopy -i %1@@1M %2/*.bin ::/"
                                  " && head -c %3 /dev/urandom | dd of=%1 bs=1M seek=%4 conv=notrunc status=none")
                       .arg(src, data).arg(RawBytes).arg(RawStart / MiB)));
    }

    void killedCloneResumes_data()
    {
        QTest::addColumn<bool>("loop");
        QTest::addColumn<int>("signal");
        QTest::addColumn<double>("fraction");
        QTest::addColumn<bool>("verify");
        QTest::newRow("image, killed early") << false << int(SIGKILL) << 0.2 << false;
        QTest::newRow("image, killed late, verified") << false << int(SIGKILL) << 0.85 << true;
        QTest::newRow("image, Ctrl-C at half") << false << int(SIGINT) << 0.5 << false;
        QTest::newRow("loop device, killed at half") << true << int(SIGKILL) << 0.5 << false;
    }

    void killedCloneResumes()
    {
        QFETCH(bool, loop);
        QFETCH(int, signal);
        QFETCH(double, fraction);
        QFETCH(bool, verify);
        const QString target = path(QStringLiteral("tgt.img"));
        QVERIFY(sh(QStringLiteral("rm -f %1 && truncate -s 1100M %1").arg(target)));
        std::unique_ptr<LoopDevice> device;
        if (loop) {
            device = std::make_unique<LoopDevice>(target, false);
            QVERIFY2(device->ok(), qPrintable(device->error()));
        }
        const QStringList disks{path(QStringLiteral("src.img")), loop ? device->device() : target};
        const QStringList extra = verify ? QStringList{QStringLiteral("--verify")} : QStringList{};
        QVERIFY2(interrupt(disks, cloneArgs(extra), target, qint64(PlannedBytes * fraction), signal), "the clone ended before the stop");
        const QString journal = lastJournal();
        QVERIFY(!journal.isEmpty());
        if (loop)
            QVERIFY(waitUntilFree(device->device()));

        QByteArray out, err;
        QVERIFY2(CliRunner::run(disks, cloneArgs(extra + QStringList{QStringLiteral("--resume")}), &out, &err) == 0, err.constData());
        const QJsonObject done = result(out);
        if (signal == SIGINT) {
            // A cancel records everything that reached the target: the resumed run skips it.
            QFile log(done.value(QStringLiteral("log")).toString());
            QVERIFY(log.open(QIODevice::ReadOnly));
            QVERIFY(log.readAll().contains("were copied by the interrupted run"));
        }
        if (verify)
            QVERIFY(done.value(QStringLiteral("verifiedBytes")).toInteger() >= done.value(QStringLiteral("copiedBytes")).toInteger());
        QVERIFY2(!QFile::exists(journal), "a finished run leaves no journal");
        device.reset();
        checkCopy(target);
    }

    // Nothing that does not fit is trusted: each refusal exits 3 and leaves the target as it was.
    void unfitJournalsAreRefused_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("reason");
        QTest::newRow("no journal") << QStringLiteral("rm -f %2") << QStringList{} << QStringLiteral("no journal");
        QTest::newRow("truncated journal") << QStringLiteral("truncate -s -3 %2") << QStringList{} << QStringLiteral("cannot be used");
        QTest::newRow("other options") << QString() << QStringList{QStringLiteral("--no-smart")} << QStringLiteral("another plan");
        QTest::newRow("source changed") << QStringLiteral("MTOOLS_SKIP_CHECK=1 mcopy -i %1@@1M %3/f0.bin ::/new.bin")
                                        << QStringList{} << QStringLiteral("plan");
    }

    void unfitJournalsAreRefused()
    {
        QFETCH(QString, change);
        QFETCH(QStringList, arguments);
        QFETCH(QString, reason);
        const QString source = path(QStringLiteral("changed.img")), target = path(QStringLiteral("tgt2.img"));
        QVERIFY(sh(QStringLiteral("rm -f %2 && cp --sparse=always %1 %2 && rm -f %3 && truncate -s 1100M %3")
                       .arg(path(QStringLiteral("src.img")), source, target)));
        const QStringList disks{source, target};
        QVERIFY(interrupt(disks, cloneArgs(), target, PlannedBytes / 2, SIGINT));
        const QString journal = lastJournal();
        QVERIFY(!journal.isEmpty());
        if (!change.isEmpty()) {
            QString command = change;
            QVERIFY(sh(command.replace(QStringLiteral("%1"), source).replace(QStringLiteral("%2"), journal)
                           .replace(QStringLiteral("%3"), path(QStringLiteral("data")))));
        }
        const QString before = digest(target);
        QByteArray out, err;
        QCOMPARE(CliRunner::run(disks, cloneArgs(arguments + QStringList{QStringLiteral("--resume")}), &out, &err), 3);
        QVERIFY2(QString::fromUtf8(err).contains(reason, Qt::CaseInsensitive), err.constData());
        QCOMPARE(digest(target), before);
        QFile::remove(journal);
    }
};

QTEST_GUILESS_MAIN(TestResume)
#include "tst_resume.moc"
