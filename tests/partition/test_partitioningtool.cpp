// The partitioning tool: the diskpart scripts against a scripted runner (the disk and partition
// each one touches, how success is judged) and the native tool on sparse images, checked with
// sgdisk, blkid, ntfsfix, fsck.fat and ntfs-3g.
#include "common/imagefixture.h"
#include "common/logcapture.h"
#include "core/scriptedcommandrunner.h"
#include "partition/diskpartpartitioningtool.h"
#include "partition/nativepartitioningtool.h"
#include "platformtools/diskpartscript.h"

#include <QCryptographicHash>
#include <QRegularExpression>
#include <QTest>

namespace {
using Style = PartitioningTool::TableStyle;
constexpr qint64 DiskBytes = 256ll << 20;
constexpr qint64 Mib = 1ll << 20;
// Partitions of the prepared image: 1 = NTFS at 1 MiB, 2 = FAT32 at 65 MiB, each 64 MiB.
constexpr qint64 Part1 = 1 * Mib, Part2 = 65 * Mib, PartBytes = 64 * Mib;

QByteArray fileHash(const QString& path)
{
    QFile f(path);
    QCryptographicHash h(QCryptographicHash::Sha1);
    return f.open(QIODevice::ReadOnly) && h.addData(&f) ? h.result() : QByteArray();
}

// "blkid -p" on a region finds a signature (exit 0) or none (exit 2).
int probeRegion(const QString& image, qint64 offset, qint64 size)
{
    LoopDevice loop(image, false, 0, offset, size);
    return loop.ok() ? runTool(QStringLiteral("blkid"), {QStringLiteral("-p"), loop.device()}) : -1;
}
} // namespace

class TestPartitioningTool : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;
    LogCapture m_log;
    QString m_target, m_bystander, m_skip;
    NativePartitioningTool m_native;

    // A fresh target: GPT, NTFS in partition 1, FAT32 in partition 2.
    bool prepareTarget()
    {
        QFile::remove(m_target);
        if (!makeSparseFile(m_target, DiskBytes)
            || !sgdiskRun(m_target, {"-n", "1:2048:+64M", "-t", "1:0700", "-n", "2:0:+64M", "-t", "2:0700"}))
            return false;
        LoopDevice ntfs(m_target, false, 0, Part1, PartBytes), fat(m_target, false, 0, Part2, PartBytes);
        return ntfs.ok() && fat.ok() && makeNtfs(ntfs.device()) && makeFat32(fat.device());
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        m_log.init(m_dir);
        m_target = m_dir.filePath(QStringLiteral("target.img"));
        m_bystander = m_dir.filePath(QStringLiteral("bystander.img"));
        m_skip = missingRequirement({"losetup", "sgdisk", "sfdisk", "blkid", "mkntfs", "ntfsfix", "ntfsresize",
                                     "mkfs.fat", "fsck.fat", "ntfs-3g"},
                                    true, true);
        // Disk 0 is the target, disk 1 a disk no step may touch.
        qputenv("TESSARIN_DISKS", QStringLiteral("%1:%2").arg(m_target, m_bystander).toLocal8Bit());
        if (m_skip.isEmpty()) {
            QVERIFY(makeSparseFile(m_bystander, DiskBytes));
            QVERIFY(sgdiskRun(m_bystander, {"-n", "1:2048:+64M"}));
        }
    }

    // Every script selects the disk it was asked for, and the partition where there is one.
    void diskpartScriptsSelectTheirDisk()
    {
        ScriptedCommandRunner runner;
        ScopedCommandRunner scope(&runner);
        DiskpartPartitioningTool tool;
        QList<PartitioningTool::Row> rows;
        runner.setResponder([](const CommandRequest&, const QString&) {
            return ScriptedCommandRunner::result(0, "  100 percent completed\r\nDiskPart successfully formatted.\r\n");
        });
        QVERIFY(tool.clean(3, Style::Gpt, PartitioningTool::ScriptStep::systemClone()));
        QVERIFY(tool.clean(3, Style::Mbr, PartitioningTool::ScriptStep::partitionClone()));
        QVERIFY(tool.clean(3, Style::None, {}));
        QVERIFY(tool.listPartitions(3, rows));
        QVERIFY(tool.format(3, 2, Tessarin::FileSystemType::NTFS, QStringLiteral("Data")));
        QVERIFY(tool.extendFileSystem(3, 2));
        const QList<ScriptedCommandRunner::Call> calls = runner.calls();
        QCOMPARE(calls.size(), 6);
        QVERIFY(calls[0].scriptText.endsWith(QStringLiteral("clean\nconvert gpt noerr\n")));
        QVERIFY(calls[1].scriptText.endsWith(QStringLiteral("clean\nconvert mbr noerr\n")));
        QVERIFY(calls[2].scriptText.endsWith(QStringLiteral("clean\n")));
        for (const auto& call : calls) {
            QCOMPARE(call.request.program, QStringLiteral("diskpart"));
            QVERIFY2(call.scriptText.startsWith(QStringLiteral("select disk 3\n")), qPrintable(call.scriptText));
            QCOMPARE(call.scriptText.count(QStringLiteral("select disk")), 1);
        }
        for (int i = 4; i < 6; ++i)
            QVERIFY(calls[i].scriptText.contains(QStringLiteral("\nselect partition 2\n")));
    }

    // Success needs the exit code as well as the words; a refused label starts nothing.
    void diskpartJudgement_data()
    {
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QByteArray>("output");
        QTest::addColumn<QString>("label");
        QTest::addColumn<bool>("formatted");
        QTest::newRow("done") << 0 << QByteArray("100 percent completed") << "Data" << true;
        QTest::newRow("100 with error code") << 1 << QByteArray("  100 percent completed\r\nerror") << "Data" << false;
        QTest::newRow("exit 0 without success text") << 0 << QByteArray("Virtual Disk Service error") << "Data" << false;
        QTest::newRow("quote in label") << 0 << QByteArray("100") << "a\" quick\nclean" << false;
    }
    void diskpartJudgement()
    {
        QFETCH(int, exitCode);
        QFETCH(QByteArray, output);
        QFETCH(QString, label);
        QFETCH(bool, formatted);
        ScriptedCommandRunner runner;
        ScopedCommandRunner scope(&runner);
        runner.enqueue(exitCode, output);
        DiskpartPartitioningTool tool;
        QCOMPARE(tool.format(1, 2, Tessarin::FileSystemType::NTFS, label), formatted);
        QCOMPARE(runner.calls().isEmpty(), !DiskpartScript::isSafeLabel(label));
    }

    // The disk-clone clean judges the exit code, the system-clone clean does not; a time-out fails both.
    void diskpartCleanJudgement()
    {
        ScriptedCommandRunner runner;
        ScopedCommandRunner scope(&runner);
        DiskpartPartitioningTool tool;
        runner.enqueue(1);
        QVERIFY(!tool.clean(1, Style::None, {}));
        runner.enqueue(1);
        QVERIFY(tool.clean(1, Style::Gpt, PartitioningTool::ScriptStep::systemClone()));
        runner.enqueue(ScriptedCommandRunner::timedOut());
        QVERIFY(!tool.clean(1, Style::Gpt, PartitioningTool::ScriptStep::systemClone()));
    }

    void diskpartListing()
    {
        const QString listing = QStringLiteral(
            "  Partition ###  Type              Size     Offset\r\n"
            "  -------------  ----------------  -------  -------\r\n"
            "  Partition 1    System             100 MB  1024 KB\r\n"
            "  Partition 2    Reserved            16 MB   101 MB\r\n"
            "  Partition 4    Primary             19 GB   117 MB\r\n");
        const QList<PartitioningTool::Row> rows = DiskpartPartitioningTool::parseListing(listing);
        QCOMPARE(rows.size(), 3);
        QCOMPARE(rows[0].offsetBytes, 1ull << 20);
        QCOMPARE(rows[1].type, QStringLiteral("Reserved"));
        QCOMPARE(rows[2].number, 4);
        QCOMPARE(rows[2].sizeBytes, 19ull << 30);
        QCOMPARE(rows[2].offsetBytes, 117ull << 20);
    }

    void nativeListAgreesWithSgdisk()
    {
        if (!m_skip.isEmpty())
            QSKIP(qPrintable(m_skip));
        QVERIFY(prepareTarget());
        QList<PartitioningTool::Row> rows;
        QVERIFY2(m_native.listPartitions(0, rows), qPrintable(m_native.lastError()));
        const ToolRun p = runCaptured(QStringLiteral("sgdisk"), {QStringLiteral("-p"), m_target});
        static const QRegularExpression line(QStringLiteral("^\\s+(\\d+)\\s+(\\d+)\\s+(\\d+)\\s"),
                                             QRegularExpression::MultilineOption);
        int i = 0;
        for (auto it = line.globalMatch(p.out); it.hasNext(); ++i) {
            const auto m = it.next();
            QVERIFY(i < rows.size());
            QCOMPARE(rows[i].number, m.captured(1).toInt());
            QCOMPARE(rows[i].offsetBytes, m.captured(2).toULongLong() * 512);
            QCOMPARE(rows[i].sizeBytes, (m.captured(3).toULongLong() - m.captured(2).toULongLong() + 1) * 512);
        }
        QCOMPARE(i, 2);
        QCOMPARE(rows.size(), 2);
    }

    // The old table and both file systems are gone, the new table is sound, the other disk is untouched.
    void nativeCleanConverts_data()
    {
        QTest::addColumn<int>("style");
        QTest::newRow("gpt") << int(Style::Gpt);
        QTest::newRow("mbr") << int(Style::Mbr);
        QTest::newRow("blank") << int(Style::None);
    }
    void nativeCleanConverts()
    {
        if (!m_skip.isEmpty())
            QSKIP(qPrintable(m_skip));
        QFETCH(int, style);
        QVERIFY(prepareTarget());
        QCOMPARE(probeRegion(m_target, Part1, PartBytes), 0);
        const QByteArray bystander = fileHash(m_bystander);
        QVERIFY2(m_native.clean(0, Style(style), {}), qPrintable(m_native.lastError()));
        QCOMPARE(probeRegion(m_target, Part1, PartBytes), 2);
        QCOMPARE(probeRegion(m_target, Part2, PartBytes), 2);
        QCOMPARE(fileHash(m_bystander), bystander);
        const ToolRun label = runCaptured(QStringLiteral("blkid"), {"-p", "-o", "value", "-s", "PTTYPE", m_target});
        if (Style(style) == Style::Gpt) {
            const ToolRun v = runCaptured(QStringLiteral("sgdisk"), {QStringLiteral("-v"), m_target});
            QVERIFY2(v.code == 0 && v.out.contains(QStringLiteral("No problems found")), qPrintable(v.out));
            QCOMPARE(label.out.trimmed(), QStringLiteral("gpt"));
        } else if (Style(style) == Style::Mbr) {
            QCOMPARE(label.out.trimmed(), QStringLiteral("dos"));
        } else {
            QCOMPARE(label.code, 2);
        }
        const ToolRun dump = runCaptured(QStringLiteral("sfdisk"), {QStringLiteral("--dump"), m_target});
        QVERIFY2(!dump.out.contains(QStringLiteral("start=")), qPrintable(dump.out));
    }

    void nativeCleanRefusesMountedDisk()
    {
        if (!m_skip.isEmpty())
            QSKIP(qPrintable(m_skip));
        QVERIFY(prepareTarget());
        const QByteArray before = fileHash(m_target);
        {
            LoopDevice loop(m_target, false, 0, Part1, PartBytes);
            Mount mount(loop.device(), m_dir.filePath(QStringLiteral("mnt")), {}, QStringLiteral("ntfs-3g"));
            QVERIFY2(mount.ok(), qPrintable(mount.error()));
            QVERIFY(!m_native.clean(0, Style::Gpt, {}));
            QVERIFY(!m_native.format(0, 2, Tessarin::FileSystemType::FAT32, QStringLiteral("X")));
        }
        QCOMPARE(fileHash(m_target), before);
    }

    void nativeFormat_data()
    {
        QTest::addColumn<int>("partition");
        QTest::addColumn<int>("fileSystem");
        QTest::addColumn<QString>("checker");
        QTest::newRow("ntfs") << 2 << int(Tessarin::FileSystemType::NTFS) << "ntfsfix";
        QTest::newRow("fat32") << 1 << int(Tessarin::FileSystemType::FAT32) << "fsck.fat";
    }
    // Each file system goes where the other was, so a format that missed its partition shows.
    void nativeFormat()
    {
        if (!m_skip.isEmpty())
            QSKIP(qPrintable(m_skip));
        QFETCH(int, partition);
        QFETCH(int, fileSystem);
        QFETCH(QString, checker);
        QVERIFY(prepareTarget());
        const QByteArray bystander = fileHash(m_bystander);
        QVERIFY2(m_native.format(0, partition, Tessarin::FileSystemType(fileSystem), QStringLiteral("DATEN")),
                 qPrintable(m_native.lastError()));
        LoopDevice loop(m_target, false, 0, partition == 1 ? Part1 : Part2, PartBytes);
        QVERIFY(loop.ok());
        QString out;
        QCOMPARE(runTool(checker, {QStringLiteral("-n"), loop.device()}, &out), 0);
        const ToolRun label = runCaptured(QStringLiteral("blkid"), {"-p", "-o", "value", "-s", "LABEL", loop.device()});
        QCOMPARE(label.out.trimmed(), QStringLiteral("DATEN"));
        QCOMPARE(fileHash(m_bystander), bystander);
        QVERIFY(!m_native.format(0, 9, Tessarin::FileSystemType(fileSystem), QStringLiteral("X")));
        QVERIFY(!m_native.format(0, partition, Tessarin::FileSystemType::FAT32, QStringLiteral("TWELVE_CHARS")));
    }

    // A partition grown behind its NTFS: afterwards the volume fills it and holds more than before.
    void nativeExtendNtfs()
    {
        if (!m_skip.isEmpty())
            QSKIP(qPrintable(m_skip));
        QVERIFY(prepareTarget());
        QVERIFY(!m_native.extendFileSystem(0, 2));  // FAT32 is not grown
        QVERIFY(sgdiskRun(m_target, {"-d", "2", "-n", "2:133120:+128M", "-t", "2:0700"}));
        {
            LoopDevice small(m_target, false, 0, 133120ll * 512, 32 * Mib);
            QVERIFY(small.ok() && makeNtfs(small.device()));
        }
        QVERIFY2(m_native.extendFileSystem(0, 2), qPrintable(m_native.lastError()));
        LoopDevice loop(m_target, false, 0, 133120ll * 512, 128 * Mib);
        QString out;
        QCOMPARE(runTool(QStringLiteral("ntfsfix"), {QStringLiteral("-n"), loop.device()}, &out), 0);
        Mount mount(loop.device(), m_dir.filePath(QStringLiteral("grown")), {}, QStringLiteral("ntfs-3g"));
        QVERIFY2(mount.ok(), qPrintable(mount.error()));
        const ToolRun df = runCaptured(QStringLiteral("df"), {QStringLiteral("-B1"), QStringLiteral("--output=size"), mount.point()});
        QVERIFY2(df.out.split(QLatin1Char('\n')).value(1).trimmed().toLongLong() > 100 * Mib, qPrintable(df.out));
        QCOMPARE(runTool(QStringLiteral("dd"), {"if=/dev/zero", "of=" + mount.point() + "/big", "bs=1M", "count=64"}), 0);
    }
};

QTEST_GUILESS_MAIN(TestPartitioningTool)
#include "test_partitioningtool.moc"
