// Disk clones end to end on sparse images and 4096-byte loop devices, judged by sgdisk, ntfsfix,
// fsck.fat, ntfs-3g, mtools and file hashes.
#include "common/imagefixture.h"
#include "common/logcapture.h"
#include "core/diskio.h"
#include "core/diskmanager.h"
#include "modes/diskclonemode.h"

#include <QCryptographicHash>
#include <QDirIterator>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTest>
#include <memory>

namespace {
constexpr uint64_t MiB = 1048576;
enum Disk { Src, Dst, Small, Dst4kImage, Src4k, Dst4k, Gone, DiskCount };

struct PartSpec {
    QString type;  // sgdisk type code, or the MBR type in hex
    uint64_t mib;
    QString fs;    // "ntfs", "fat32" or empty
    bool windows = false;
};
using Layout = QList<PartSpec>;
using FileHashes = QMap<QString, QByteArray>;

QByteArray sha256(const QString& path, qint64 offset = 0, qint64 length = -1)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly) || !f.seek(offset))
        return {};
    QCryptographicHash h(QCryptographicHash::Sha256);
    for (qint64 left = length < 0 ? f.size() - offset : length; left > 0;) {
        const QByteArray b = f.read(std::min<qint64>(left, 1 << 22));
        if (b.isEmpty())
            break;
        h.addData(b);
        left -= b.size();
    }
    return h.result();
}

FileHashes hashTree(const QString& root)
{
    FileHashes out;
    QDirIterator it(root, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString p = it.next();
        if (!p.contains(QStringLiteral("System Volume Information")))
            out.insert(QDir(root).relativeFilePath(p), sha256(p));
    }
    return out;
}

// Files of varied size, some empty, some spanning many clusters, under a Windows tree when asked.
void writeTree(const QString& root, int count, quint32 seed, bool windows)
{
    QRandomGenerator gen(seed);
    if (windows)
        QDir(root).mkpath(QStringLiteral("Windows/System32"));
    for (int i = 0; i < count; ++i) {
        const QString dir = windows && i % 7 == 0 ? QStringLiteral("Windows/System32") : QStringLiteral("d%1").arg(i % 9);
        QDir(root).mkpath(dir);
        const int size = i % 50 == 0 ? int(gen.bounded(3 << 20)) : int(gen.bounded(40000));
        QByteArray data(size, Qt::Uninitialized);
        for (char& c : data)
            c = char(gen.generate());
        QFile f(QStringLiteral("%1/%2/f%3.bin").arg(root, dir).arg(i));
        if (f.open(QIODevice::WriteOnly))
            f.write(data);
    }
}

} // namespace
Q_DECLARE_METATYPE(Layout)

class TestDiskClone : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;
    LogCapture m_log;
    QString m_files[DiskCount];
    QString m_paths[DiskCount];  // what the tools open: the image, or the loop device over it
    std::unique_ptr<LoopDevice> m_loops[2];
    QString m_skip;

    QString fileOf(int disk) const { return m_files[disk]; }
    uint32_t sectorOf(int disk) const { return disk == Src4k || disk == Dst4k ? 4096 : 512; }

    void settle(int disk)
    {
        runCaptured(QStringLiteral("sync"), {});
        if (m_paths[disk].startsWith(QStringLiteral("/dev/")))
            runCaptured(QStringLiteral("blockdev"), {QStringLiteral("--flushbufs"), m_paths[disk]});
    }

    // Byte offsets of the partitions of `layout`, one after the other from 1 MiB.
    static QList<uint64_t> offsets(const Layout& layout)
    {
        QList<uint64_t> out;
        uint64_t at = MiB;
        for (const PartSpec& p : layout) {
            out.append(at);
            at += p.mib * MiB;
        }
        return out;
    }

    // Writes the table and the volumes of `layout` on `disk`; the expected files per partition.
    void buildSource(int disk, bool gpt, const Layout& layout, QList<FileHashes>& files)
    {
        const uint32_t ss = sectorOf(disk);
        QVERIFY(makeSparseFile(fileOf(disk), QFileInfo(fileOf(disk)).size()));
        settle(disk);
        const QList<uint64_t> at = offsets(layout);
        if (gpt) {
            QStringList args{QStringLiteral("-o")};
            for (int i = 0; i < layout.size(); ++i)
                args << QStringLiteral("-n") << QStringLiteral("%1:%2:%3").arg(i + 1).arg(at[i] / ss).arg((at[i] + layout[i].mib * MiB) / ss - 1)
                     << QStringLiteral("-t") << QStringLiteral("%1:%2").arg(i + 1).arg(layout[i].type);
            QVERIFY(sgdiskRun(m_paths[disk], args));
        } else {
            QString script = QStringLiteral("label: dos\n");
            for (int i = 0; i < layout.size(); ++i)
                script += QStringLiteral("start=%1, size=%2, type=%3%4\n").arg(at[i] / ss).arg(layout[i].mib * MiB / ss)
                              .arg(layout[i].type, i == 0 ? QStringLiteral(", bootable") : QString());
            QVERIFY(sfdiskScript(m_paths[disk], script));
        }
        settle(disk);
        files.clear();
        for (int i = 0; i < layout.size(); ++i) {
            files.append(FileHashes());
            if (layout[i].fs.isEmpty())
                continue;
            LoopDevice part(fileOf(disk), false, ss == 512 ? 0 : int(ss), qint64(at[i]), qint64(layout[i].mib * MiB));
            QVERIFY2(part.ok(), qPrintable(part.error()));
            const QString tree = m_dir.filePath(QStringLiteral("tree%1").arg(i));
            QDir(tree).removeRecursively();
            writeTree(tree, layout[i].fs == QLatin1String("ntfs") ? 300 : 25, quint32(i + 7), layout[i].windows);
            files.last() = hashTree(tree);
            if (layout[i].fs == QLatin1String("ntfs")) {
                QVERIFY(makeNtfs(part.device()));
                Mount m(part.device(), m_dir.filePath(QStringLiteral("mnt")), {}, QStringLiteral("ntfs-3g"));
                QVERIFY2(m.ok(), qPrintable(m.error()));
                QCOMPARE(runTool(QStringLiteral("cp"), {QStringLiteral("-a"), tree + QStringLiteral("/."), m.point()}), 0);
            } else {
                QVERIFY(makeFat32(part.device(), {QStringLiteral("-n"), QStringLiteral("EFI")}));
                QCOMPARE(runTool(QStringLiteral("mcopy"), {QStringLiteral("-s"), QStringLiteral("-i"), part.device(),
                                                            tree + QStringLiteral("/d0"), QStringLiteral("::")}), 0);
                files.last() = hashTree(tree + QStringLiteral("/d0"));
            }
        }
        settle(disk);
    }

    DiskInfo record(int disk)
    {
        for (const DiskInfo& d : DiskManager::enumerateDisks())
            if (d.diskNumber == disk)
                return d;
        return {};
    }

    // validate, prepare and execute on records enumerated now; `edit` changes them first.
    bool clone(int src, int dst, bool smart, QString& error, const std::function<void(CloneConfig&)>& edit = {},
               const std::function<void(DiskCloneMode&, DiskIO&)>& hook = {})
    {
        CloneConfig config;
        config.sourceDisk = record(src);
        config.targetDisk = record(dst);
        config.smartClone = smart;
        if (edit)
            edit(config);
        DiskIO io;
        io.setBufferSize(4 * MiB);
        DiskCloneMode mode;
        mode.setConfig(config);
        mode.setDiskIO(&io);
        if (hook)
            hook(mode, io);
        const bool ok = mode.validate(error) && mode.prepare() && mode.execute();
        if (!ok && error.isEmpty())
            error = mode.lastError();
        io.close();
        settle(dst);
        return ok;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        m_log.init(m_dir);
        m_skip = missingRequirement({QStringLiteral("losetup"), QStringLiteral("sgdisk"), QStringLiteral("sfdisk"),
                                     QStringLiteral("mkntfs"), QStringLiteral("ntfsfix"), QStringLiteral("ntfs-3g"),
                                     QStringLiteral("mkfs.fat"), QStringLiteral("fsck.fat"), QStringLiteral("mcopy")},
                                    true, true);
        if (!m_skip.isEmpty())
            QSKIP(qPrintable(m_skip));
        qputenv("MTOOLS_SKIP_CHECK", "1");
        const uint64_t sizes[DiskCount] = {160 * MiB, 224 * MiB, 159 * MiB, 224 * MiB, 200 * MiB, 240 * MiB, 160 * MiB};
        QStringList table;
        for (int i = 0; i < DiskCount; ++i) {
            m_files[i] = m_dir.filePath(QStringLiteral("disk%1.img").arg(i));
            QVERIFY(makeSparseFile(m_files[i], qint64(sizes[i])));
            m_paths[i] = m_files[i];
        }
        for (int i = 0; i < 2; ++i) {
            m_loops[i] = std::make_unique<LoopDevice>(m_files[Src4k + i], false, 4096);
            QVERIFY2(m_loops[i]->ok(), qPrintable(m_loops[i]->error()));
            m_paths[Src4k + i] = m_loops[i]->device();
        }
        for (int i = 0; i < DiskCount; ++i)
            table << (i == Dst4kImage ? m_paths[i] + QStringLiteral("@4096") : m_paths[i]);
        qputenv("TESSARIN_DISKS", table.join(QLatin1Char(':')).toLocal8Bit());
    }

    // Each layout cloned onto a larger target: the source untouched, a sound table at the target's
    // end with new identifiers, every volume clean and every file equal.
    void clones_data()
    {
        QTest::addColumn<int>("src");
        QTest::addColumn<int>("dst");
        QTest::addColumn<bool>("gpt");
        QTest::addColumn<Layout>("layout");
        QTest::addColumn<bool>("smart");
        const Layout gpt{{"ef00", 40, "fat32"}, {"0c01", 16, ""}, {"0700", 60, "ntfs", true}, {"2700", 20, "ntfs"}};
        const Layout mbr{{"7", 80, "ntfs", true}, {"c", 40, "fat32"}};
        const Layout gpt4k{{"0c01", 16, ""}, {"0700", 100, "ntfs", true}, {"0700", 60, "ntfs"}};
        QTest::newRow("gpt smart") << int(Src) << int(Dst) << true << gpt << true;
        QTest::newRow("gpt full") << int(Src) << int(Dst) << true << gpt << false;
        QTest::newRow("mbr smart") << int(Src) << int(Dst) << false << mbr << true;
        QTest::newRow("mbr full") << int(Src) << int(Dst) << false << mbr << false;
        QTest::newRow("gpt 4096 smart") << int(Src4k) << int(Dst4k) << true << gpt4k << true;
    }
    void clones()
    {
        QFETCH(int, src);
        QFETCH(int, dst);
        QFETCH(bool, gpt);
        QFETCH(Layout, layout);
        QFETCH(bool, smart);
        QList<FileHashes> files;
        buildSource(src, gpt, layout, files);
        if (QTest::currentTestFailed())
            return;
        QVERIFY(writeFileBytes(fileOf(dst), qint64(50 * MiB), QByteArray(4 * MiB, char(0xA5))));  // an old owner's data
        settle(dst);
        const QByteArray sourceHash = sha256(fileOf(src));
        QString error;
        uint64_t total = 0;
        QVERIFY2(clone(src, dst, smart, error, {}, [&](DiskCloneMode& m, DiskIO&) {
            connect(&m, &CloneMode::progressChanged, &m, [&](uint64_t, uint64_t t) { total = t; });
        }), qPrintable(error));
        QCOMPARE(sha256(fileOf(src)), sourceHash);
        uint64_t partitionBytes = 0;
        for (const PartSpec& p : layout)
            partitionBytes += p.mib * MiB;
        // Smart copies leave the free clusters behind; full copies move every partition byte.
        QVERIFY2(smart ? total < partitionBytes * 3 / 4 : total >= partitionBytes, qPrintable(QString::number(total)));

        const uint32_t ss = sectorOf(dst);
        const QByteArray s0 = readFileBytes(fileOf(src), 0, 2 * ss), d0 = readFileBytes(fileOf(dst), 0, 2 * ss);
        if (gpt) {
            const ToolRun v = runCaptured(QStringLiteral("sgdisk"), {QStringLiteral("-v"), m_paths[dst]});
            QVERIFY2(v.out.contains(QStringLiteral("No problems found")), qPrintable(v.out));
            const qint64 last = QFileInfo(fileOf(dst)).size() / ss - 1;
            QCOMPARE(readFileBytes(fileOf(dst), last * ss, 8), QByteArray("EFI PART"));
            QVERIFY(s0.mid(ss + 56, 16) != d0.mid(ss + 56, 16));
            const QByteArray se = readFileBytes(fileOf(src), 2 * ss, 128 * layout.size());
            const QByteArray de = readFileBytes(fileOf(dst), 2 * ss, 128 * layout.size());
            for (int i = 0; i < layout.size(); ++i) {
                QCOMPARE(de.mid(i * 128, 16), se.mid(i * 128, 16));
                QVERIFY(de.mid(i * 128 + 16, 16) != se.mid(i * 128 + 16, 16));
            }
        } else {
            QCOMPARE(d0.left(440), s0.left(440));
            QVERIFY(d0.mid(440, 4) != s0.mid(440, 4));
            QCOMPARE(d0.mid(444, 68), s0.mid(444, 68));
        }

        const QList<uint64_t> at = offsets(layout);
        for (int i = 0; i < layout.size(); ++i) {
            if (layout[i].fs.isEmpty())
                continue;
            LoopDevice part(fileOf(dst), false, ss == 512 ? 0 : int(ss), qint64(at[i]), qint64(layout[i].mib * MiB));
            QVERIFY2(part.ok(), qPrintable(part.error()));
            if (layout[i].fs == QLatin1String("ntfs")) {
                QString out;
                QVERIFY2(runTool(QStringLiteral("ntfsfix"), {QStringLiteral("-n"), part.device()}, &out) == 0, qPrintable(out));
                Mount m(part.device(), m_dir.filePath(QStringLiteral("check")), {QStringLiteral("-o"), QStringLiteral("ro")},
                        QStringLiteral("ntfs-3g"));
                QVERIFY2(m.ok(), qPrintable(m.error()));
                QCOMPARE(hashTree(m.point()), files[i]);
            } else {
                QString out;
                QVERIFY2(runTool(QStringLiteral("fsck.fat"), {QStringLiteral("-n"), part.device()}, &out) == 0, qPrintable(out));
                const QString outDir = m_dir.filePath(QStringLiteral("fatout%1").arg(i));
                QDir(outDir).removeRecursively();
                QDir().mkpath(outDir);
                QCOMPARE(runTool(QStringLiteral("mcopy"), {QStringLiteral("-s"), QStringLiteral("-i"), part.device(),
                                                            QStringLiteral("::d0"), outDir}), 0);
                QCOMPARE(hashTree(outDir + QStringLiteral("/d0")), files[i]);
            }
        }
    }

    // A cancel during the copy stops it: false with no error text, and no more progress after it.
    void cancelMidCopy()
    {
        QList<FileHashes> files;
        buildSource(Src, true, {{"0700", 120, ""}}, files);
        if (QTest::currentTestFailed())
            return;
        uint64_t seen = 0, afterCancel = 0, total = 0;
        bool cancelled = false;
        QString error;
        const bool ok = clone(Src, Dst, false, error, {}, [&](DiskCloneMode& m, DiskIO& io) {
            connect(&m, &CloneMode::progressChanged, &m, [&](uint64_t done, uint64_t t) {
                total = t;
                if (cancelled)
                    afterCancel = std::max(afterCancel, done);
                seen = done;
                if (done >= 16 * MiB && !cancelled) {
                    cancelled = true;
                    m.cancel();
                    io.cancel();
                }
            });
        });
        QVERIFY(!ok);
        QVERIFY(cancelled);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        QVERIFY(seen < total);
        QVERIFY(afterCancel <= 16 * MiB + 8 * MiB);
    }

    // Requests that must be refused before anything is written: the target is not even cleaned.
    void refusals_data()
    {
        QTest::addColumn<int>("src");
        QTest::addColumn<int>("dst");
        QTest::addColumn<QString>("damage");
        QTest::newRow("smaller target") << int(Src) << int(Small) << QString();
        QTest::newRow("sector size mismatch") << int(Src) << int(Dst4kImage) << QString();
        QTest::newRow("both GPT copies bad") << int(Src) << int(Dst) << QStringLiteral("gpt");
        QTest::newRow("target holds the system") << int(Src) << int(Dst) << QStringLiteral("system");
        QTest::newRow("source vanished") << int(Gone) << int(Dst) << QStringLiteral("gone");
    }
    void refusals()
    {
        QFETCH(int, src);
        QFETCH(int, dst);
        QFETCH(QString, damage);
        QList<FileHashes> files;
        buildSource(src, true, {{"0700", 20, ""}}, files);
        if (QTest::currentTestFailed())
            return;
        if (damage == QLatin1String("gpt")) {
            const qint64 last = QFileInfo(fileOf(src)).size() / 512 - 1;
            QVERIFY(writeFileBytes(fileOf(src), 512 + 16, QByteArray(4, 'x')));
            QVERIFY(writeFileBytes(fileOf(src), last * 512 + 16, QByteArray(4, 'x')));
        }
        QVERIFY(writeFileBytes(fileOf(dst), 0, QByteArray(MiB, char(0x5A))));
        const QByteArray targetHash = sha256(fileOf(dst));
        QString error;
        QVERIFY(!clone(src, dst, true, error, [&](CloneConfig& c) {
            if (damage == QLatin1String("system"))
                c.targetDisk.isSystemDisk = true;
            if (damage == QLatin1String("gone"))
                QFile::remove(fileOf(src));
        }));
        QVERIFY(!error.isEmpty());
        QCOMPARE(sha256(fileOf(dst)), targetHash);
        if (damage == QLatin1String("gone"))
            QVERIFY(makeSparseFile(fileOf(src), qint64(160 * MiB)));
    }

    // An NTFS volume larger than its partition: its usage map cannot be trusted, so the partition
    // is copied whole, byte for byte, and the clone still succeeds.
    void volumeLargerThanPartition()
    {
        QList<FileHashes> files;
        buildSource(Src, false, {{"7", 60, "ntfs"}}, files);
        if (QTest::currentTestFailed())
            return;
        QVERIFY(sfdiskScript(m_paths[Src], QStringLiteral("label: dos\nstart=2048, size=%1, type=7\n").arg(40 * MiB / 512)));
        QString error;
        QVERIFY2(clone(Src, Dst, true, error), qPrintable(error));
        QCOMPARE(sha256(fileOf(Dst), qint64(MiB), qint64(40 * MiB)), sha256(fileOf(Src), qint64(MiB), qint64(40 * MiB)));
    }

    // Boot repair: nothing to do without Windows on the source; with it, a system without the
    // boot-store tools gets a failure that says so, never a success.
    void bootRepair()
    {
        DiskInfo source;
        source.diskNumber = 0;
        source.size = 160 * MiB;
        PartitionInfo p;
        p.diskNumber = 0;
        p.size = 60 * MiB;
        source.partitions = {p};
        CloneConfig config;
        config.sourceDisk = source;
        DiskCloneMode plain;
        plain.setConfig(config);
        QVERIFY(plain.repairBoot());
        if (!QStandardPaths::findExecutable(QStringLiteral("bcdedit")).isEmpty())
            QSKIP("bcdedit is present here");
        config.sourceDisk.partitions[0].hasWindows = true;
        DiskCloneMode windows;
        windows.setConfig(config);
        QVERIFY(!windows.repairBoot());
        QVERIFY2(windows.lastError().contains(QStringLiteral("bcdedit")), qPrintable(windows.lastError()));
    }

    void cleanupTestCase()
    {
        for (auto& loop : m_loops)
            loop.reset();
    }
};

QTEST_GUILESS_MAIN(TestDiskClone)
#include "tst_diskclone.moc"
