// The partitioning tool: diskpart scripts against a scripted runner (which disk, how success is
// judged) and the native tool on sparse images, checked with sgdisk, blkid, ntfsfix, fsck.fat, ntfs-3g.
#include "common/imagefixture.h"
#include "common/logcapture.h"
#include "common/scriptedcommandrunner.h"
#include "partition/diskpartpartitioningtool.h"
#include "partition/nativepartitioningtool.h"
#include "platformtools/diskpartscript.h"

#include <QTest>

namespace {
using Style = PartitioningTool::TableStyle;
using Fs = Tessarin::FileSystemType;
using Step = PartitioningTool::ScriptStep;
constexpr qint64 Mib = 1ll << 20, DiskBytes = 256 * Mib;
// Partitions of the prepared image: 1 = NTFS at 1 MiB, 2 = FAT32 at 65 MiB, each 64 MiB.
constexpr qint64 Part1 = 1 * Mib, Part2 = 65 * Mib, PartBytes = 64 * Mib;
} // namespace

class TestPartitioningTool : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;
    LogCapture m_log;
    QString m_target, m_bystander, m_skip;
    QByteArray m_bystanderHash;
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
    // A tool run on a region of the target through a loop device ("blkid -p": 0 signature, 2 none).
    int onRegion(const QString& tool, const QStringList& arguments, qint64 offset, qint64 size)
    {
        LoopDevice loop(m_target, false, 0, offset, size);
        return loop.ok() ? runTool(tool, arguments + QStringList{loop.device()}) : -1;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        m_log.init(m_dir);
        m_target = m_dir.filePath(QStringLiteral("target.img"));
        m_bystander = m_dir.filePath(QStringLiteral("bystander.img"));
        m_skip = missingRequirement({"losetup", "sgdisk", "sfdisk", "blkid", "mkntfs", "ntfsfix", "ntfsresize", "mkfs.fat",
                                     "fsck.fat", "ntfs-3g"}, true, true);
        // Disk 0 is the target, disk 1 a disk no step may touch.
        qputenv("TESSARIN_DISKS", QStringLiteral("%1:%2").arg(m_target, m_bystander).toLocal8Bit());
        if (m_skip.isEmpty())
            QVERIFY(makeSparseFile(m_bystander, DiskBytes) && sgdiskRun(m_bystander, {"-n", "1:2048:+64M"}));
        m_bystanderHash = contentHash(m_bystander);
    }
    void init()
    {
        if (!m_skip.isEmpty() && QByteArray(QTest::currentTestFunction()).startsWith("native"))
            QSKIP(qPrintable(m_skip));
    }
    void cleanup() { QCOMPARE(contentHash(m_bystander), m_bystanderHash); }

    // Every script selects the disk it was asked for (once), and the partition where there is one;
    // a clean converts to the asked-for style.
    void diskpartScriptsSelectTheirDisk()
    {
        ScriptedCommandRunner runner;
        ScopedCommandRunner scope(&runner);
        DiskpartPartitioningTool tool;
        runner.setResponder([](const CommandRequest&, const QString&) {
            return ScriptedCommandRunner::result(0, "  100 percent completed\r\nDiskPart successfully formatted.\r\n");
        });
        QVERIFY(tool.clean(3, Style::Gpt, Step::systemClone()) && tool.clean(3, Style::Mbr, Step::partitionClone())
                && tool.clean(3, Style::None, {}) && tool.format(3, 2, Fs::NTFS, QStringLiteral("Data"))
                && tool.extendFileSystem(3, 2));
        const QList<ScriptedCommandRunner::Call> calls = runner.calls();
        QCOMPARE(calls.size(), 5);
        const char* cleanEnds[] = {"clean\nconvert gpt noerr\n", "clean\nconvert mbr noerr\n", "\nclean\n"};
        for (int i = 0; i < 5; ++i) {
            const QString& s = calls[i].scriptText;
            QVERIFY2(s.startsWith(QStringLiteral("select disk 3\n")) && s.count(QStringLiteral("select disk")) == 1, qPrintable(s));
            QVERIFY2(i >= 3 || s.endsWith(QLatin1String(cleanEnds[i])), qPrintable(s));
            QVERIFY2(i < 3 || s.contains(QStringLiteral("\nselect partition 2\n")), qPrintable(s));
        }
    }

    // The listing the diskpart tool gives is the disk's own table, whatever language diskpart
    // speaks: numbers, offsets, sizes and roles from the types; diskpart is not even asked.
    void nativeListingOfTheDiskpartTool()
    {
        QVERIFY(prepareTarget());
        QVERIFY(sgdiskRun(m_target, {"-t", "1:ef00"}));
        ScriptedCommandRunner runner;
        ScopedCommandRunner scope(&runner);
        runner.setResponder([](const CommandRequest&, const QString&) {
            return ScriptedCommandRunner::result(0, "  \xe3\x83\x91\xe3\x83\xbc\xe3\x83\x86\xe3\x82\xa3\xe3\x82\xb7\xe3\x83\xa7\xe3\x83\xb3 1"
                                                    "    \xe3\x82\xb7\xe3\x82\xb9\xe3\x83\x86\xe3\x83\xa0  64 MB  1024 KB\r\n");
        });
        DiskpartPartitioningTool tool;
        QList<PartitioningTool::Row> rows;
        QVERIFY2(tool.listPartitions(0, rows), qPrintable(tool.lastError()));
        QVERIFY(runner.calls().isEmpty());
        QCOMPARE(rows.size(), 2);
        QVERIFY(rows[0].number == 1 && rows[0].type == QStringLiteral("System") && rows[0].offsetBytes == uint64_t(Part1));
        QVERIFY(rows[1].number == 2 && rows[1].type == QStringLiteral("Primary") && rows[1].offsetBytes == uint64_t(Part2));
        QVERIFY(rows[0].sizeBytes == uint64_t(PartBytes) && rows[1].sizeBytes == uint64_t(PartBytes));
        QVERIFY(!tool.listPartitions(7, rows));  // no such disk
    }

    // Success needs the exit code as well as the percentage (a number in every language); a
    // refused label starts nothing. The
    // clean of every mode judges the exit code; a time-out fails it too.
    void diskpartJudgement()
    {
        enum Kind { Format, DiskClean, SystemClean };
        struct Case { Kind kind; CommandResult answer; const char* label; bool succeeds; };
        using R = ScriptedCommandRunner;
        for (const Case& c : {Case{Format, R::result(0, "100 percent completed"), "Data", true},
                              Case{Format, R::result(1, "100 percent completed\r\nerror"), "Data", false},
                              Case{Format, R::result(0, "Virtual Disk Service error"), "Data", false},
                              Case{Format, R::result(0, "  100 pour cent effectu\xc3\xa9s\r\n"), "Data", true},
                              Case{Format, R::result(0, "DiskPart successfully formatted the volume."), "Data", false},
                              Case{Format, R::result(0, "100"), "a\" quick\nclean", false},
                              Case{DiskClean, R::result(1), "", false}, Case{SystemClean, R::result(1), "", false},
                              Case{SystemClean, R::timedOut(), "", false}}) {
            ScriptedCommandRunner runner;
            ScopedCommandRunner scope(&runner);
            runner.enqueue(c.answer);
            DiskpartPartitioningTool tool;
            const bool done = c.kind == Format        ? tool.format(1, 2, Fs::NTFS, QString::fromUtf8(c.label))
                              : c.kind == DiskClean ? tool.clean(1, Style::None, {})
                                                    : tool.clean(1, Style::Gpt, Step::systemClone());
            QVERIFY2(done == c.succeeds, c.label);
            QCOMPARE(runner.calls().isEmpty(), !DiskpartScript::isSafeLabel(QString::fromUtf8(c.label)) && c.kind == Format);
        }
    }

    // The old table and both file systems are gone, the new table is sound, the other disk is untouched.
    void nativeCleanConverts()
    {
        struct Case { Style style; const char* pttype; };
        for (const Case& c : {Case{Style::Gpt, "gpt"}, Case{Style::Mbr, "dos"}, Case{Style::None, ""}}) {
            QVERIFY(prepareTarget());
            QCOMPARE(onRegion("blkid", {"-p"}, Part1, PartBytes), 0);
            QVERIFY2(m_native.clean(0, c.style, {}), qPrintable(m_native.lastError()));
            QVERIFY(onRegion("blkid", {"-p"}, Part1, PartBytes) == 2 && onRegion("blkid", {"-p"}, Part2, PartBytes) == 2);
            QCOMPARE(runCaptured("blkid", {"-p", "-o", "value", "-s", "PTTYPE", m_target}).out.trimmed(), QString(c.pttype));
            const ToolRun v = runCaptured(QStringLiteral("sgdisk"), {QStringLiteral("-v"), m_target});
            QVERIFY2(c.style != Style::Gpt || (v.code == 0 && v.out.contains(QStringLiteral("No problems found"))), qPrintable(v.out));
            QVERIFY(!runCaptured(QStringLiteral("sfdisk"), {QStringLiteral("--dump"), m_target}).out.contains("start="));
        }
    }

    void nativeRefusesMountedDisk()
    {
        QVERIFY(prepareTarget());
        const QByteArray before = contentHash(m_target);
        {
            LoopDevice loop(m_target, false, 0, Part1, PartBytes);
            Mount mount(loop.device(), m_dir.filePath(QStringLiteral("mnt")), {}, QStringLiteral("ntfs-3g"));
            QVERIFY2(mount.ok(), qPrintable(mount.error()));
            QVERIFY(!m_native.clean(0, Style::Gpt, {}) && !m_native.format(0, 2, Fs::FAT32, QStringLiteral("X")));
        }
        QCOMPARE(contentHash(m_target), before);
    }

    // Each file system goes where the other was, so a format that missed its partition shows; the
    // listing first agrees with the table sgdisk made.
    void nativeFormat()
    {
        struct Case { int partition; Fs fileSystem; const char* checker; };
        for (const Case& c : {Case{2, Fs::NTFS, "ntfsfix"}, Case{1, Fs::FAT32, "fsck.fat"}}) {
            QVERIFY(prepareTarget());
            QList<PartitioningTool::Row> rows;
            QVERIFY2(m_native.listPartitions(0, rows) && rows.size() == 2, qPrintable(m_native.lastError()));
            for (int i = 0; i < 2; ++i)
                QVERIFY(rows[i].number == i + 1 && rows[i].offsetBytes == quint64(i ? Part2 : Part1)
                        && rows[i].sizeBytes == quint64(PartBytes));
            QVERIFY2(m_native.format(0, c.partition, c.fileSystem, QStringLiteral("DATEN")), qPrintable(m_native.lastError()));
            QVERIFY2(onRegion(c.checker, {"-n"}, c.partition == 1 ? Part1 : Part2, PartBytes) == 0, c.checker);
            QVERIFY(!m_native.format(0, 9, c.fileSystem, QStringLiteral("X")));
            QVERIFY(!m_native.format(0, c.partition, Fs::FAT32, QStringLiteral("TWELVE_CHARS")));
        }
    }

    // A partition grown behind its NTFS: afterwards the volume fills it and holds more than before.
    void nativeExtendNtfs()
    {
        QVERIFY(prepareTarget());
        QVERIFY(!m_native.extendFileSystem(0, 2));  // FAT32 is not grown
        QVERIFY(sgdiskRun(m_target, {"-d", "2", "-n", "2:133120:+128M", "-t", "2:0700"}));
        QCOMPARE(onRegion("mkntfs", {"-Q", "-F", "-q"}, 133120ll * 512, 32 * Mib), 0);
        QVERIFY2(m_native.extendFileSystem(0, 2), qPrintable(m_native.lastError()));
        LoopDevice loop(m_target, false, 0, 133120ll * 512, 128 * Mib);
        QCOMPARE(runTool(QStringLiteral("ntfsfix"), {QStringLiteral("-n"), loop.device()}), 0);
        Mount mount(loop.device(), m_dir.filePath(QStringLiteral("grown")), {}, QStringLiteral("ntfs-3g"));
        QVERIFY2(mount.ok(), qPrintable(mount.error()));
        const ToolRun df = runCaptured(QStringLiteral("df"), {QStringLiteral("-B1"), QStringLiteral("--output=size"), mount.point()});
        QVERIFY2(df.out.split(QLatin1Char('\n')).value(1).trimmed().toLongLong() > 100 * Mib, qPrintable(df.out));
        QCOMPARE(runTool(QStringLiteral("dd"), {"if=/dev/zero", "of=" + mount.point() + "/big", "bs=1M", "count=64"}), 0);
    }
};

QTEST_GUILESS_MAIN(TestPartitioningTool)
#include "test_partitioningtool.moc"
