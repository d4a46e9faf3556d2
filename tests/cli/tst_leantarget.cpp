// Smart clones leave their target lean: a sparse image target gets only what the plan copies, and
// on a target that held other data the free space of the smart-copied partitions is given back.
#include "cli/cliresult.h"
#include "cli/clirunner.h"

#include <QCryptographicHash>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>
#include <algorithm>
#include <fcntl.h>
#include <memory>
#include <unistd.h>

namespace {
using CliRunner::sh;
constexpr qint64 MiB = 1048576;
constexpr qint64 DiskBytes = 128 * MiB;
// Source layout: FAT32 (with data.bin) at 1 MiB, NTFS right behind it.
constexpr qint64 FatStart = MiB, FatBytes = 40 * MiB;
constexpr qint64 NtfsStart = FatStart + FatBytes, NtfsBytes = 48 * MiB;
// What a clone may allocate beyond its plan: the backup GPT and the file system's block rounding.
constexpr qint64 Slack = 256 * 1024;

// Bytes of `image` in [from, to) that hold data: holes do not count.
qint64 allocatedIn(const QString& image, qint64 from, qint64 to)
{
    const int fd = ::open(QFile::encodeName(image).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return -1;
    qint64 total = 0;
    for (off_t at = from; at < to;) {
        const off_t data = ::lseek(fd, at, SEEK_DATA);
        if (data < 0 || data >= to)
            break;
        const off_t hole = std::min<off_t>(::lseek(fd, data, SEEK_HOLE), to);
        total += hole - data;
        at = hole;
    }
    ::close(fd);
    return total;
}

QByteArray sha256(const QString& file)
{
    QFile f(file);
    QCryptographicHash hash(QCryptographicHash::Sha256);
    return f.open(QIODevice::ReadOnly) && hash.addData(&f) ? hash.result() : QByteArray();
}
} // namespace

class TestLeanTarget : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir{QStringLiteral("/var/tmp/tessarin-lean-XXXXXX")};
    QString m_source;

    QString path(const QString& name) const { return m_dir.filePath(name); }

    // The dry run's JSON plan of `arguments`.
    QJsonObject plan(const QStringList& disks, const QStringList& arguments)
    {
        QByteArray out;
        if (CliRunner::run(disks, arguments + QStringList{"--dry-run", "--json"}, &out) != 0)
            return {};
        for (const QByteArray& line : out.split('\n')) {
            const QJsonObject o = QJsonDocument::fromJson(line).object();
            if (o.value("event").toString() == QLatin1String("plan"))
                return o;
        }
        return {};
    }

    // The copy holds the source's file and sound file systems (FAT32 at 1 MiB, NTFS behind it when asked).
    void checkCopy(const QString& target, bool ntfs)
    {
        const QString copied = path(QStringLiteral("copied.bin"));
        QFile::remove(copied);
        QVERIFY(sh(QStringLiteral("MTOOLS_SKIP_CHECK=1 mcopy -i %1@@1M ::/data.bin %2").arg(target, copied)));
        QCOMPARE(sha256(copied), sha256(path(QStringLiteral("data.bin"))));
        QString out;
        QVERIFY2(runTool(QStringLiteral("sgdisk"), {"-v", target}, &out) == 0 && out.contains("No problems found"), qPrintable(out));
        {
            LoopDevice fat(target, false, 0, FatStart, FatBytes);
            QVERIFY2(fat.ok(), qPrintable(fat.error()));
            QVERIFY2(runTool(QStringLiteral("fsck.fat"), {"-n", fat.device()}, &out) == 0, qPrintable(out));
        }
        if (ntfs) {
            LoopDevice part(target, false, 0, NtfsStart, NtfsBytes);
            QVERIFY2(part.ok(), qPrintable(part.error()));
            QVERIFY2(runTool(QStringLiteral("ntfsfix"), {"-n", part.device()}, &out) == 0, qPrintable(out));
        }
    }

private slots:
    void initTestCase()
    {
        const QString why = missingRequirement({"sgdisk", "mkfs.fat", "mcopy", "mkntfs", "ntfsfix", "fsck.fat", "losetup"}, true);
        if (!why.isEmpty())
            QSKIP(qPrintable(why));
        m_source = path(QStringLiteral("source.img"));
        QVERIFY(sh(QStringLiteral("truncate -s %1 %2 && sgdisk -n1:2048:+40M -t1:0700 -n2:0:+48M -t2:0700 %2 >/dev/null"
                                  " && mkfs.fat -F 32 -s 1 --offset 2048 %2 40960 >/dev/null && head -c 3000000 /dev/urandom > %3"
                                  " && MTOOLS_SKIP_CHECK=1 mcopy -i %2@@1M %3 ::/data.bin")
                       .arg(DiskBytes).arg(m_source, path(QStringLiteral("data.bin")))));
        LoopDevice ntfs(m_source, false, 0, NtfsStart, NtfsBytes);
        QVERIFY2(ntfs.ok(), qPrintable(ntfs.error()));
        QVERIFY(makeNtfs(ntfs.device(), {"-p", QString::number(NtfsStart / 512)}));
    }

    // A fresh sparse image gets the plan's bytes and no more: clearing the old table area and the
    // disk's end must not fill it with zeros.
    void sparseImageGetsOnlyThePlan_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("prepare");
        QTest::addColumn<bool>("ntfs");
        QTest::newRow("disk clone") << QStringList{"clone", "disk", "0", "1"} << QString() << true;
        QTest::newRow("partition clone onto the disk") << QStringList{"clone", "partition", "0:1", "1"} << QString() << false;
        QTest::newRow("partition clone into free space") << QStringList{"clone", "partition", "0:1", "1:free"}
                                                         << QStringLiteral("sgdisk -o %1 >/dev/null") << false;
    }
    void sparseImageGetsOnlyThePlan()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, prepare);
        QFETCH(bool, ntfs);
        const QString target = path(QStringLiteral("sparse.img"));
        QFile::remove(target);
        QVERIFY(sh(QStringLiteral("truncate -s %1 %2").arg(DiskBytes).arg(target)));
        if (!prepare.isEmpty())
            QVERIFY(sh(prepare.arg(target)));
        const QStringList disks{m_source, target};
        const qint64 planned = plan(disks, arguments).value("totalBytes").toInteger();
        QVERIFY(planned > 0);
        QByteArray err;
        QCOMPARE(CliRunner::run(disks, arguments + QStringList{"--yes"}, nullptr, &err), int(CliResult::Success));
        const qint64 allocated = allocatedIn(target, 0, DiskBytes);
        QVERIFY2(allocated <= planned + Slack, qPrintable(QStringLiteral("%1 bytes allocated for a plan of %2").arg(allocated).arg(planned)));
        checkCopy(target, ntfs);
    }

    // A target full of old data behind a loop device: the free space of the smart-copied partitions
    // is discarded (holes in the backing file), nothing outside them; --no-discard keeps it all.
    void freeSpaceDiscardedOnDevice_data()
    {
        QTest::addColumn<bool>("discard");
        QTest::newRow("discarded") << true;
        QTest::newRow("--no-discard") << false;
    }
    void freeSpaceDiscardedOnDevice()
    {
        QFETCH(bool, discard);
        const QString target = path(QStringLiteral("junk.img"));
        QFile::remove(target);
        QVERIFY(sh(QStringLiteral("head -c %1 /dev/zero | tr '\\000' '\\132' > %2").arg(DiskBytes).arg(target)));
        QJsonArray copies;
        {
            LoopDevice loop(target, false);
            QVERIFY2(loop.ok(), qPrintable(loop.error()));
            const QStringList disks{m_source, loop.device()};
            QStringList arguments{"clone", "disk", "0", "1"};
            if (!discard)
                arguments << "--no-discard";
            const QJsonObject planned = plan(disks, arguments);
            copies = planned.value("copies").toArray();
            QCOMPARE(planned.value("discardBytes").toInteger() > 0, discard);
            QByteArray err;
            QCOMPARE(CliRunner::run(disks, arguments + QStringList{"--yes"}, nullptr, &err), int(CliResult::Success));
        }
        QCOMPARE(copies.size(), 3);
        const qint64 spans[][2] = {{FatStart, FatBytes}, {NtfsStart, NtfsBytes}};
        for (int i = 0; i < 2; ++i) {
            const QJsonObject copy = copies[i].toObject();
            QCOMPARE(copy.value("method").toString(), QStringLiteral("smart"));
            const qint64 allocated = allocatedIn(target, spans[i][0], spans[i][0] + spans[i][1]);
            if (discard)
                QVERIFY2(allocated <= copy.value("bytes").toInteger() + Slack,
                         qPrintable(QStringLiteral("%1: %2 bytes still allocated").arg(copy.value("name").toString()).arg(allocated)));
            else
                QCOMPARE(allocated, spans[i][1]);
        }
        // Behind the partitions the old data stays, up to the backup GPT.
        const qint64 behind = NtfsStart + NtfsBytes;
        QCOMPARE(allocatedIn(target, behind, DiskBytes - MiB), DiskBytes - MiB - behind);
        checkCopy(target, true);
    }
};

QTEST_GUILESS_MAIN(TestLeanTarget)
#include "tst_leantarget.moc"
