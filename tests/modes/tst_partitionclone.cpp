// Partition clones end to end on sparse images and a 4096-byte loop device, judged by sgdisk,
// ntfsfix, fsck.fat, ntfs-3g, mtools and hashes of the files and of everything that must survive.
#include "common/imagefixture.h"
#include "common/logcapture.h"
#include "core/diskio.h"
#include "core/diskmanager.h"
#include "modes/bootsectorpatch.h"
#include "modes/partitionclonemode.h"
#include "ondisk/byteorder.h"

#include <QCryptographicHash>
#include <QDirIterator>
#include <QRandomGenerator>
#include <QTest>
#include <memory>

namespace {
constexpr qint64 MiB = 1048576;
enum Disk { Src, DstGpt, DstMbr, Dst4k, Small, Gone, DiskCount };
enum Part { Ntfs, Fat };
// The target layout of the "into a partition" cases: kept, target, kept.
const qint64 KeptA = MiB, Target = 21 * MiB, KeptC = 85 * MiB;
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

void writeTree(const QString& root, int count, quint32 seed)
{
    QRandomGenerator gen(seed);
    for (int i = 0; i < count; ++i) {
        QDir(root).mkpath(QStringLiteral("d%1").arg(i % 5));
        QByteArray data(i % 40 == 0 ? int(gen.bounded(3 << 20)) : int(gen.bounded(40000)), Qt::Uninitialized);
        for (char& c : data)
            c = char(gen.generate());
        QFile f(QStringLiteral("%1/d%2/f%3.bin").arg(root).arg(i % 5).arg(i));
        if (f.open(QIODevice::WriteOnly))
            f.write(data);
    }
}
} // namespace

class TestPartitionClone : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;
    LogCapture m_log;
    QString m_files[DiskCount];
    QString m_paths[DiskCount];
    std::unique_ptr<LoopDevice> m_loop4k;
    const qint64 m_partStart[2] = {MiB, 61 * MiB};
    const qint64 m_partSize[2] = {60 * MiB, 40 * MiB};
    FileHashes m_tree[2];
    QByteArray m_sourceHash;

    void settle(int disk)
    {
        runCaptured(QStringLiteral("sync"), {});
        if (m_paths[disk].startsWith(QStringLiteral("/dev/")))
            runCaptured(QStringLiteral("blockdev"), {QStringLiteral("--flushbufs"), m_paths[disk]});
    }

    DiskInfo record(int disk)
    {
        for (const DiskInfo& d : DiskManager::enumerateDisks())
            if (d.diskNumber == disk)
                return d;
        return {};
    }

    // A target with old data, an empty table of the given style, or the kept/target/kept layout.
    void makeTarget(int disk, bool gpt, bool layout)
    {
        const uint32_t ss = disk == Dst4k ? 4096 : 512;
        QVERIFY(makeSparseFile(m_files[disk], QFileInfo(m_files[disk]).size()));
        QVERIFY(writeFileBytes(m_files[disk], 30 * MiB, QByteArray(MiB, char(0xA5))));
        settle(disk);
        const qint64 at[3] = {KeptA, Target, KeptC}, len[3] = {20 * MiB, 64 * MiB, 20 * MiB};
        if (gpt) {
            QStringList args{QStringLiteral("-o")};
            for (int i = 0; layout && i < 3; ++i)
                args << QStringLiteral("-n") << QStringLiteral("%1:%2:%3").arg(i + 1).arg(at[i] / ss).arg((at[i] + len[i]) / ss - 1);
            QVERIFY(sgdiskRun(m_paths[disk], args));
        } else {
            QString script = QStringLiteral("label: dos\n");
            for (int i = 0; layout && i < 3; ++i)
                script += QStringLiteral("start=%1, size=%2, type=83\n").arg(at[i] / ss).arg(len[i] / ss);
            QVERIFY(sfdiskScript(m_paths[disk], script));
        }
        for (int i = 0; layout && i < 3; i += 2) {
            QByteArray kept(int(len[i]), Qt::Uninitialized);
            QRandomGenerator gen{quint32(i)};
            for (char& c : kept)
                c = char(gen.generate());
            QVERIFY(writeFileBytes(m_files[disk], at[i], kept));
        }
        settle(disk);
    }

    bool clone(int disk, int part, int target, bool smart, QString& error, const std::function<void(CloneConfig&)>& edit = {})
    {
        CloneConfig config;
        config.mode = Tessarin::CloneModeType::PartitionClone;
        config.sourceDisk = record(Src);
        config.sourcePartition = config.sourceDisk.partitions.value(part);
        config.targetDisk = record(disk);
        if (target >= 0)
            config.targetPartition = config.targetDisk.partitions.value(target);
        config.smartClone = smart;
        if (edit)
            edit(config);
        DiskIO io;
        io.setBufferSize(4 * MiB);
        PartitionCloneMode mode;
        mode.setConfig(config);
        mode.setSmartClone(smart);
        mode.setDiskIO(&io);
        const bool ok = mode.validate(error) && mode.prepare() && mode.execute();
        if (!ok && error.isEmpty())
            error = mode.lastError();
        io.close();
        settle(disk);
        return ok;
    }

    // The copy at `offset` of `disk`: a clean file system holding every file, with its new start.
    void checkCopy(int disk, int part, qint64 offset)
    {
        const QByteArray boot = readFileBytes(m_files[disk], offset, 512);
        const uint32_t bps = ByteOrder::get16(reinterpret_cast<const uint8_t*>(boot.constData()) + 11);
        QCOMPARE(qint64(ByteOrder::get32(reinterpret_cast<const uint8_t*>(boot.constData()) + 28)) * bps, offset);
        LoopDevice dev(m_files[disk], false, 0, offset, m_partSize[part]);
        QVERIFY2(dev.ok(), qPrintable(dev.error()));
        QString out;
        if (part == Ntfs) {
            QVERIFY2(runTool(QStringLiteral("ntfsfix"), {QStringLiteral("-n"), dev.device()}, &out) == 0, qPrintable(out));
            Mount m(dev.device(), m_dir.filePath(QStringLiteral("check")), {QStringLiteral("-o"), QStringLiteral("ro")},
                    QStringLiteral("ntfs-3g"));
            QVERIFY2(m.ok(), qPrintable(m.error()));
            QCOMPARE(hashTree(m.point()), m_tree[part]);
        } else {
            QVERIFY2(runTool(QStringLiteral("fsck.fat"), {QStringLiteral("-n"), dev.device()}, &out) == 0, qPrintable(out));
            const QString outDir = m_dir.filePath(QStringLiteral("fatout"));
            QDir(outDir).removeRecursively();
            QDir().mkpath(outDir);
            QCOMPARE(runTool(QStringLiteral("mcopy"), {QStringLiteral("-s"), QStringLiteral("-i"), dev.device(),
                                                        QStringLiteral("::d0"), outDir}), 0);
            QCOMPARE(hashTree(outDir + QStringLiteral("/d0")), m_tree[part]);
        }
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        m_log.init(m_dir);
        const QString skip = missingRequirement({QStringLiteral("losetup"), QStringLiteral("sgdisk"), QStringLiteral("sfdisk"),
                                                 QStringLiteral("mkntfs"), QStringLiteral("ntfsfix"), QStringLiteral("ntfs-3g"),
                                                 QStringLiteral("mkfs.fat"), QStringLiteral("fsck.fat"), QStringLiteral("mcopy")},
                                                true, true);
        if (!skip.isEmpty())
            QSKIP(qPrintable(skip));
        qputenv("MTOOLS_SKIP_CHECK", "1");
        const qint64 sizes[DiskCount] = {128 * MiB, 160 * MiB, 160 * MiB, 160 * MiB, 60 * MiB, 128 * MiB};
        for (int i = 0; i < DiskCount; ++i) {
            m_files[i] = m_dir.filePath(QStringLiteral("disk%1.img").arg(i));
            QVERIFY(makeSparseFile(m_files[i], sizes[i]));
            m_paths[i] = m_files[i];
        }
        m_loop4k = std::make_unique<LoopDevice>(m_files[Dst4k], false, 4096);
        QVERIFY2(m_loop4k->ok(), qPrintable(m_loop4k->error()));
        m_paths[Dst4k] = m_loop4k->device();
        QFile::remove(m_files[Gone]);
        QStringList table;
        for (const QString& p : m_paths)
            table << p;
        qputenv("TESSARIN_DISKS", table.join(QLatin1Char(':')).toLocal8Bit());

        // The source: an NTFS and a FAT32 partition on a GPT disk.
        QVERIFY(sgdiskRun(m_files[Src], {QStringLiteral("-o"), QStringLiteral("-n"), QStringLiteral("1:2048:124927"),
                                         QStringLiteral("-t"), QStringLiteral("1:0700"), QStringLiteral("-n"),
                                         QStringLiteral("2:124928:206847"), QStringLiteral("-t"), QStringLiteral("2:0700")}));
        for (int part : {Ntfs, Fat}) {
            const QString tree = m_dir.filePath(QStringLiteral("tree%1").arg(part));
            writeTree(tree, part == Ntfs ? 200 : 30, quint32(part + 3));
            LoopDevice dev(m_files[Src], false, 0, m_partStart[part], m_partSize[part]);
            QVERIFY2(dev.ok(), qPrintable(dev.error()));
            if (part == Ntfs) {
                m_tree[part] = hashTree(tree);
                QVERIFY(makeNtfs(dev.device()));
                Mount m(dev.device(), m_dir.filePath(QStringLiteral("mnt")), {}, QStringLiteral("ntfs-3g"));
                QVERIFY2(m.ok(), qPrintable(m.error()));
                QCOMPARE(runTool(QStringLiteral("cp"), {QStringLiteral("-a"), tree + QStringLiteral("/."), m.point()}), 0);
            } else {
                m_tree[part] = hashTree(tree + QStringLiteral("/d0"));
                QVERIFY(makeFat32(dev.device()));
                QCOMPARE(runTool(QStringLiteral("mcopy"), {QStringLiteral("-s"), QStringLiteral("-i"), dev.device(),
                                                            tree + QStringLiteral("/d0"), QStringLiteral("::")}), 0);
            }
        }
        settle(Src);
        m_sourceHash = sha256(m_files[Src]);
    }

    // Each copy: a sound table, a clean file system with every file, the right start, the source
    // untouched; into a partition, everything else on the target survives.
    void clones_data()
    {
        QTest::addColumn<int>("part");
        QTest::addColumn<int>("disk");
        QTest::addColumn<bool>("into");
        QTest::addColumn<bool>("smart");
        for (bool smart : {true, false}) {
            const QString s = smart ? QStringLiteral(" smart") : QStringLiteral(" full");
            for (int part : {Ntfs, Fat}) {
                const QString fs = part == Ntfs ? QStringLiteral("ntfs") : QStringLiteral("fat32");
                QTest::newRow(qPrintable(fs + " free gpt" + s)) << part << int(DstGpt) << false << smart;
                QTest::newRow(qPrintable(fs + " free mbr" + s)) << part << int(DstMbr) << false << smart;
                QTest::newRow(qPrintable(fs + " into gpt" + s)) << part << int(DstGpt) << true << smart;
                QTest::newRow(qPrintable(fs + " into mbr" + s)) << part << int(DstMbr) << true << smart;
            }
        }
        QTest::newRow("ntfs free gpt 4096") << int(Ntfs) << int(Dst4k) << false << true;
        QTest::newRow("fat32 into gpt 4096") << int(Fat) << int(Dst4k) << true << true;
    }
    void clones()
    {
        QFETCH(int, part);
        QFETCH(int, disk);
        QFETCH(bool, into);
        QFETCH(bool, smart);
        const bool gpt = disk != DstMbr;
        const uint32_t ss = disk == Dst4k ? 4096 : 512;
        makeTarget(disk, gpt, into);
        if (QTest::currentTestFailed())
            return;
        const QByteArray keptA = sha256(m_files[disk], KeptA, 20 * MiB), keptC = sha256(m_files[disk], KeptC, 20 * MiB);
        const QByteArray table = readFileBytes(m_files[disk], 0, 34 * ss);
        QString error;
        QVERIFY2(clone(disk, part, into ? 1 : -1, smart, error), qPrintable(error));
        QCOMPARE(sha256(m_files[Src]), m_sourceHash);
        const qint64 offset = into ? Target : MiB;
        checkCopy(disk, part, offset);
        const QByteArray now = readFileBytes(m_files[disk], 0, 34 * ss);
        if (gpt) {
            const ToolRun v = runCaptured(QStringLiteral("sgdisk"), {QStringLiteral("-v"), m_paths[disk]});
            QVERIFY2(v.out.contains(QStringLiteral("No problems found")), qPrintable(v.out));
            const int index = into ? 1 : 0;
            QCOMPARE(ByteOrder::get64(reinterpret_cast<const uint8_t*>(now.constData()) + 2 * ss + index * 128 + 32), quint64(offset / ss));
            if (into) {  // the kept entries, the reused entry's unique GUID and place
                QCOMPARE(now.mid(2 * ss, 128), table.mid(2 * ss, 128));
                QCOMPARE(now.mid(2 * ss + 256, 128), table.mid(2 * ss + 256, 128));
                QCOMPARE(now.mid(2 * ss + 128 + 16, 32), table.mid(2 * ss + 128 + 16, 32));
            }
        } else {
            const int slot = into ? 1 : 0;
            const QByteArray e = now.mid(446 + slot * 16, 16);
            QCOMPARE(quint8(e[4]), quint8(part == Ntfs ? 0x07 : 0x0B));
            QCOMPARE(qint64(ByteOrder::get32(reinterpret_cast<const uint8_t*>(e.constData()) + 8)) * ss, offset);
            QVERIFY(qint64(ByteOrder::get32(reinterpret_cast<const uint8_t*>(e.constData()) + 12)) * ss >= m_partSize[part]);
            if (into) {  // the other slots, the disk signature and the boot code stay
                QCOMPARE(now.left(446 + 16), table.left(446 + 16));
                QCOMPARE(now.mid(446 + 32, 34), table.mid(446 + 32, 34));
            }
        }
        if (into) {
            QCOMPARE(sha256(m_files[disk], KeptA, 20 * MiB), keptA);
            QCOMPARE(sha256(m_files[disk], KeptC, 20 * MiB), keptC);
        }
    }

    // Requests refused before anything is written.
    void refusals_data()
    {
        QTest::addColumn<int>("disk");
        QTest::addColumn<int>("target");
        QTest::addColumn<QString>("damage");
        QTest::newRow("target disk too small") << int(Small) << -1 << QString();
        QTest::newRow("target partition too small") << int(DstMbr) << 0 << QString();
        QTest::newRow("target partition has a drive letter") << int(DstGpt) << 1 << QStringLiteral("letter");
        QTest::newRow("target partition mounted") << int(DstGpt) << 1 << QStringLiteral("mount");
        QTest::newRow("source vanished") << int(DstGpt) << 1 << QStringLiteral("gone");
    }
    void refusals()
    {
        QFETCH(int, disk);
        QFETCH(int, target);
        QFETCH(QString, damage);
        if (disk != Small)
            makeTarget(disk, disk == DstGpt, true);
        std::unique_ptr<LoopDevice> dev;
        std::unique_ptr<Mount> mount;
        if (damage == QLatin1String("mount")) {
            dev = std::make_unique<LoopDevice>(m_files[disk], false, 0, Target, 64 * MiB);
            QVERIFY(dev->ok() && makeNtfs(dev->device()));
        }
        const QByteArray before = sha256(m_files[disk]);
        if (dev) {
            mount = std::make_unique<Mount>(dev->device(), m_dir.filePath(QStringLiteral("busy")),
                                            QStringList{QStringLiteral("-o"), QStringLiteral("ro")}, QStringLiteral("ntfs-3g"));
            QVERIFY2(mount->ok(), qPrintable(mount->error()));
        }
        QString error;
        QVERIFY(!clone(disk, Ntfs, target, true, error, [&](CloneConfig& c) {
            if (damage == QLatin1String("letter"))
                c.targetPartition.driveLetter = QStringLiteral("T:");
            if (damage == QLatin1String("gone"))
                c.sourcePartition.diskNumber = Gone;
        }));
        QVERIFY(!error.isEmpty());
        mount.reset();
        dev.reset();
        QCOMPARE(sha256(m_files[disk]), before);
        QCOMPARE(sha256(m_files[Src]), m_sourceHash);
    }

    // A volume larger than its partition record: no usage map is trusted, the partition is copied whole.
    void volumeLargerThanPartition()
    {
        makeTarget(DstGpt, true, false);
        QString error;
        QVERIFY2(clone(DstGpt, Ntfs, -1, true, error, [](CloneConfig& c) { c.sourcePartition.size = 50 * MiB; }),
                 qPrintable(error));
        QCOMPARE(sha256(m_files[DstGpt], MiB + 512, 50 * MiB - 512), sha256(m_files[Src], MiB + 512, 50 * MiB - 512));
    }

    // The boot sector counts its hidden sectors in its own sector size: an offset that is no whole
    // number of them is refused with the sector unchanged.
    void hiddenSectorUnits_data()
    {
        QTest::addColumn<int>("bytesPerSector");
        QTest::addColumn<qint64>("offset");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<quint32>("hidden");
        QTest::newRow("512 at 1 MiB") << 512 << MiB << true << 2048u;
        QTest::newRow("4096 at 1 MiB") << 4096 << MiB << true << 256u;
        QTest::newRow("4096 at 1 MiB + 512") << 4096 << MiB + 512 << false << 0u;
        QTest::newRow("512 beyond 32 bits") << 512 << (qint64(1) << 41) << false << 0u;
    }
    void hiddenSectorUnits()
    {
        QFETCH(int, bytesPerSector);
        QFETCH(qint64, offset);
        QFETCH(bool, ok);
        QFETCH(quint32, hidden);
        QByteArray sector(512, '\0');
        auto* s = reinterpret_cast<uint8_t*>(sector.data());
        memcpy(s + 3, "NTFS    ", 8);
        ByteOrder::put16(s + 11, uint16_t(bytesPerSector));
        ByteOrder::put32(s + 28, 63);
        const QByteArray before = sector;
        BootSectorPatch::Result r;
        QCOMPARE(BootSectorPatch::apply(s, uint64_t(offset), 8 * MiB, r), ok);
        if (ok)
            QCOMPARE(ByteOrder::get32(s + 28), hidden);
        else
            QCOMPARE(sector, before);
    }

    void cleanupTestCase() { m_loop4k.reset(); }
};

QTEST_GUILESS_MAIN(TestPartitionClone)
#include "tst_partitionclone.moc"
