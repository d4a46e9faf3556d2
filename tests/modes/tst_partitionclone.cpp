// Partition clones end to end on sparse images and a 4096-byte loop device; everything that must
// survive on the target is hashed before and after.
#include "boot/boottoolavailability.h"
#include "clonefixture.h"
#include "common/memoryplatform.h"
#include "modes/partitionclonemode.h"
#include "ondisk/byteorder.h"
#include "partition/gptdisk.h"

namespace {
enum Disk { Src, DstGpt, DstMbr, Dst4k, Small, Gone };
enum Part { Ntfs, Fat };
// The target layout of the "into a partition" cases: kept, target, kept.
const qint64 KeptA = MiB, Target = 21 * MiB, KeptC = 85 * MiB;
const Layout SourceLayout{{"0700", 60, "ntfs"}, {"0700", 40, "fat32"}};

quint64 le(const QByteArray& bytes, int at, int width)
{
    const auto* p = reinterpret_cast<const uint8_t*>(bytes.constData()) + at;
    return width == 8 ? ByteOrder::get64(p) : width == 4 ? ByteOrder::get32(p) : ByteOrder::get16(p);
}
} // namespace

class TestPartitionClone : public QObject {
    Q_OBJECT
    CloneFixture f;
    QList<FileHashes> m_tree;
    QByteArray m_sourceHash;
    QHash<qint64, QByteArray> m_kept;  // what the kept partitions hold, made once

    // A target with old data, an empty table of the given style, or the kept/target/kept layout.
    void makeTarget(int disk, bool gpt, bool layout)
    {
        const QString t = gpt ? QStringLiteral("8300") : QStringLiteral("83");
        QList<FileHashes> none;
        f.buildSource(disk, gpt, layout ? Layout{{t, 20, ""}, {t, 64, ""}, {t, 20, ""}} : Layout{}, none);
        QVERIFY(writeFileBytes(f.files[disk], 30 * MiB, QByteArray(MiB, char(0xA5))));
        for (qint64 at : {KeptA, KeptC}) {
            if (!layout)
                break;
            QByteArray& kept = m_kept[at];
            if (kept.isEmpty()) {
                kept.resize(int(20 * MiB));
                QRandomGenerator gen{quint32(at)};
                for (char& c : kept)
                    c = char(gen.generate());
            }
            QVERIFY(writeFileBytes(f.files[disk], at, kept));
        }
        f.settle(disk);
    }

    bool clone(int disk, int part, int target, bool smart, QString& error, const std::function<void(CloneConfig&)>& edit = {})
    {
        PartitionCloneMode mode;
        return f.run(mode, Src, disk, smart, error, [&](CloneConfig& c) {
            c.mode = Tessarin::CloneModeType::PartitionClone;
            c.sourcePartition = c.sourceDisk.partitions.value(part);
            if (target >= 0)
                c.targetPartition = c.targetDisk.partitions.value(target);
            if (edit)
                edit(c);
        });
    }

private slots:
    void initTestCase()
    {
        f.setUp({{128}, {160}, {160}, {160, 4096, true}, {60}, {128}});
        if (!f.skip.isEmpty())
            QSKIP(qPrintable(f.skip));
        QFile::remove(f.files[Gone]);
        f.buildSource(Src, true, SourceLayout, m_tree);
        m_sourceHash = f.hash(f.files[Src]);
    }

    // Each copy: a sound table, a clean file system with every file that knows its new start, the
    // source untouched; into a partition, everything else on the target survives.
    void clones_data()
    {
        QTest::addColumn<int>("part");
        QTest::addColumn<int>("disk");
        QTest::addColumn<bool>("into");
        QTest::addColumn<bool>("smart");
        for (bool smart : {true, false})
            for (int part : {Ntfs, Fat})
                for (int disk : {DstGpt, DstMbr})
                    for (bool into : {false, true})
                        QTest::addRow("%s %s %s %s", part == Ntfs ? "ntfs" : "fat32", into ? "into" : "free",
                                      disk == DstGpt ? "gpt" : "mbr", smart ? "smart" : "full") << part << disk << into << smart;
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
        const uint32_t ss = f.sectors[disk];
        makeTarget(disk, gpt, into);
        if (QTest::currentTestFailed())
            return;
        const QByteArray keptA = f.hash(f.files[disk], KeptA, 20 * MiB), keptC = f.hash(f.files[disk], KeptC, 20 * MiB);
        const QByteArray table = readFileBytes(f.files[disk], 0, 34 * ss);
        QString error;
        QVERIFY2(clone(disk, part, into ? 1 : -1, smart, error), qPrintable(error));
        QCOMPARE(f.hash(f.files[Src]), m_sourceHash);
        const qint64 offset = into ? Target : MiB;
        const QByteArray boot = readFileBytes(f.files[disk], offset, 512);
        QCOMPARE(qint64(le(boot, 28, 4) * le(boot, 11, 2)), offset);  // hidden sectors, in the volume's own sector size
        f.checkVolume(disk, uint64_t(offset), SourceLayout[part].mib * MiB, SourceLayout[part].fs, m_tree[part], false);
        const QByteArray now = readFileBytes(f.files[disk], 0, 34 * ss);
        if (gpt) {
            f.checkGpt(disk);
            QCOMPARE(le(now, 2 * ss + (into ? 128 : 0) + 32, 8), quint64(offset / ss));
            if (into) {  // the kept entries, the reused entry's unique GUID and place
                QCOMPARE(now.mid(2 * ss, 128), table.mid(2 * ss, 128));
                QCOMPARE(now.mid(2 * ss + 256, 128), table.mid(2 * ss + 256, 128));
                QCOMPARE(now.mid(2 * ss + 128 + 16, 32), table.mid(2 * ss + 128 + 16, 32));
            }
        } else {
            const QByteArray e = now.mid(446 + (into ? 16 : 0), 16);
            QCOMPARE(quint8(e[4]), quint8(part == Ntfs ? 0x07 : 0x0B));
            QCOMPARE(qint64(le(e, 8, 4) * ss), offset);
            QVERIFY(le(e, 12, 4) * ss >= SourceLayout[part].mib * MiB);
            if (into) {  // the other slots, the disk signature and the boot code stay
                QCOMPARE(now.left(446 + 16), table.left(446 + 16));
                QCOMPARE(now.mid(446 + 32, 34), table.mid(446 + 32, 34));
            }
        }
        if (into) {
            QCOMPARE(f.hash(f.files[disk], KeptA, 20 * MiB), keptA);
            QCOMPARE(f.hash(f.files[disk], KeptC, 20 * MiB), keptC);
        }
    }

    // Requests refused before anything is written.
    void refusals_data()
    {
        QTest::addColumn<int>("disk");
        QTest::addColumn<int>("target");
        QTest::addColumn<QString>("damage");
        QTest::addColumn<QString>("refusal");
        QTest::newRow("target disk too small") << int(Small) << -1 << QString() << QStringLiteral("Target disk is too small");
        QTest::newRow("target partition too small") << int(DstMbr) << 0 << QString() << QStringLiteral("Target partition is too small");
        QTest::newRow("target partition has a drive letter") << int(DstGpt) << 1 << QStringLiteral("letter")
                                                             << QStringLiteral("The target partition is mounted at T:");
        QTest::newRow("target partition mounted") << int(DstGpt) << 1 << QStringLiteral("mount")
                                                  << QStringLiteral("is mounted on");
        QTest::newRow("source vanished") << int(DstGpt) << 1 << QStringLiteral("gone") << QStringLiteral("Failed to open source disk");
    }
    void refusals()
    {
        QFETCH(int, disk);
        QFETCH(int, target);
        QFETCH(QString, damage);
        QFETCH(QString, refusal);
        if (disk != Small)
            makeTarget(disk, disk == DstGpt, true);
        std::unique_ptr<LoopDevice> dev;
        std::unique_ptr<Mount> mount;
        if (damage == QLatin1String("mount")) {
            dev = std::make_unique<LoopDevice>(f.files[disk], false, 0, Target, 64 * MiB);
            QVERIFY(dev->ok() && makeNtfs(dev->device()));
        }
        const QByteArray before = f.hash(f.files[disk]);
        if (dev) {
            mount = std::make_unique<Mount>(dev->device(), f.dir.filePath(QStringLiteral("busy")),
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
        QVERIFY2(error.contains(refusal), qPrintable(error));
        mount.reset();
        dev.reset();
        QCOMPARE(f.hash(f.files[disk]), before);
        QCOMPARE(f.hash(f.files[Src]), m_sourceHash);
    }

    // The finished copy is checked as a partition, not as a disk that must start: a fresh MBR
    // without boot code or an active entry passes, the copied boot sector agrees with its entry,
    // and the result says the boot repair did not run and why.
    void checkOfTheCopy_data()
    {
        QTest::addColumn<int>("disk");
        QTest::addColumn<bool>("fixBoot");
        QTest::addColumn<QString>("skipped");
        QTest::newRow("mbr, no boot repair asked") << int(DstMbr) << false << QStringLiteral("Boot repair: not requested");
        QTest::newRow("gpt, data partition needs none") << int(DstGpt) << true
                                                        << QStringLiteral("Boot repair: skipped, the source is not a system partition");
    }
    void checkOfTheCopy()
    {
        QFETCH(int, disk);
        QFETCH(bool, fixBoot);
        QFETCH(QString, skipped);
        makeTarget(disk, disk == DstGpt, false);
        QString message;
        CloneProgress last;
        QVERIFY2(f.runEngine(Tessarin::CloneModeType::PartitionClone, Src, disk, message, [&](CloneConfig& c) {
            c.sourcePartition = c.sourceDisk.partitions.value(Ntfs);
            c.fixBoot = fixBoot;
        }, &last), qPrintable(message));
        QCOMPARE(message, QStringLiteral("Clone completed successfully"));
        const QString findings = last.targetCheck.join(QLatin1Char('\n'));
        QVERIFY2(last.targetCheckPassed, qPrintable(findings));
        QVERIFY2(last.targetCheck.contains(QStringLiteral("ok: Partition 1: NTFS boot sector agrees with the table (hidden sectors 2048)")),
                 qPrintable(findings));
        QVERIFY2(!findings.contains(QStringLiteral("boot code")) && !findings.contains(QStringLiteral("EFI system partition")),
                 qPrintable(findings));
        QCOMPARE(last.skipped, QStringList{skipped});
        QVERIFY(!last.bootRepaired);
    }

    // A system partition whose boot repair cannot run: the copy is made, but the run fails and
    // says why, never "completed".
    void failedBootRepairFailsTheRun()
    {
        if (BootToolAvailability::allAvailable())
            QSKIP("the Windows boot tools are present here");
        makeTarget(DstGpt, true, false);
        QString message;
        CloneProgress last;
        QVERIFY(!f.runEngine(Tessarin::CloneModeType::PartitionClone, Src, DstGpt, message, [&](CloneConfig& c) {
            c.sourcePartition = c.sourceDisk.partitions.value(Ntfs);
            c.sourcePartition.isSystem = true;
            c.fixBoot = true;
        }, &last));
        QVERIFY2(message.contains(QStringLiteral("boot")) && !message.contains(QStringLiteral("completed")), qPrintable(message));
        QVERIFY(!last.bootRepaired);
    }

    // Into partition 2 of a disk whose partition 1 is mounted and held by another program: only
    // partition 2's volume is locked and dismounted, the run goes ahead, partition 1 is left alone.
    void intoPartitionLocksThatVolumeAlone()
    {
        MemoryPlatform mp;
        const int src = mp.addDisk(8 * MiB), dst = mp.addDisk(8 * MiB);
        mp.fillPattern(src, 9);
        auto entry = [](uint32_t number, int64_t at, int64_t length) {
            PlatformLayoutEntry e;
            e.partitionNumber = number;
            e.startingOffset = at;
            e.partitionLength = length;
            e.typeGuid = "{EBD0A0A2-B9E5-4433-87C0-68B6B72699C7}";
            return e;
        };
        mp.disk(src).layout = {LayoutStyle::GPT, {entry(1, MiB, MiB)}, 0, "{11111111-2222-3333-4444-555555555555}"};
        mp.disk(dst).layout = {LayoutStyle::GPT, {entry(1, MiB, 2 * MiB), entry(2, 3 * MiB, 2 * MiB)}, 0,
                               "{66666666-2222-3333-4444-555555555555}"};
        ScopedPlatform scoped(&mp);
        {
            DiskIO io;
            GptDisk gpt;
            QVERIFY(io.openTargetDisk(dst) && gpt.create(512, 8 * MiB / 512, {1}));
            for (int i : {0, 1}) {
                GptPartitionEntry& e = gpt.entries()[size_t(i)];
                e.typeGuid[0] = e.uniqueGuid[0] = uint8_t(i + 1);
                e.firstLba = uint64_t(i ? 3 : 1) * MiB / 512;
                e.lastLba = e.firstLba + 2 * MiB / 512 - 1;
            }
            QVERIFY(gpt.commit(io));
        }
        const std::string mounted = "\\\\?\\Volume{m}\\", written = "\\\\?\\Volume{w}\\";
        MemoryVolume& neighbour = mp.addVolume(mounted, dst, MiB, 2 * MiB);
        neighbour.mountPaths = {"E:\\"};
        neighbour.lockedElsewhere = true;
        mp.addVolume(written, dst, 3 * MiB, 2 * MiB);
        const std::vector<uint8_t> before = mp.data(dst);
        PartitionCloneMode mode;
        QString error;
        QVERIFY2(f.run(mode, src, dst, false, error, [](CloneConfig& c) {
            c.sourcePartition = c.sourceDisk.partitions.value(0);
            c.targetPartition = c.targetDisk.partitions.value(1);
        }), qPrintable(error));
        QCOMPARE(mp.volume(mounted).dismountCount, 0);
        QCOMPARE(mp.volume(written).dismountCount, 1);
        QCOMPARE(mp.volume(written).lockCount, 0);
        QVERIFY(std::equal(before.begin() + MiB, before.begin() + 3 * MiB, mp.data(dst).begin() + MiB));
        QVERIFY(std::equal(mp.data(src).begin() + MiB, mp.data(src).begin() + 2 * MiB, mp.data(dst).begin() + 3 * MiB));
    }

    // Into the free region of a disk whose partition 1 is mounted and held by another program: no
    // volume of the disk is locked or dismounted, the copy lands in the region with its own entry.
    void intoFreeRegionLocksNoOtherVolume()
    {
        MemoryPlatform mp;
        const int src = mp.addDisk(8 * MiB), dst = mp.addDisk(8 * MiB);
        mp.fillPattern(src, 5);
        PlatformLayoutEntry e;
        e.partitionNumber = 1;
        e.startingOffset = MiB;
        e.partitionLength = 2 * MiB;
        e.typeGuid = "{EBD0A0A2-B9E5-4433-87C0-68B6B72699C7}";
        mp.disk(dst).layout = {LayoutStyle::GPT, {e}, 0, "{66666666-2222-3333-4444-555555555555}"};
        e.partitionLength = MiB;
        mp.disk(src).layout = {LayoutStyle::GPT, {e}, 0, "{11111111-2222-3333-4444-555555555555}"};
        ScopedPlatform scoped(&mp);
        {
            DiskIO io;
            GptDisk gpt;
            QVERIFY(io.openTargetDisk(dst) && gpt.create(512, 8 * MiB / 512, {1}));
            GptPartitionEntry& first = gpt.entries()[0];
            first.typeGuid[0] = first.uniqueGuid[0] = 1;
            first.firstLba = MiB / 512;
            first.lastLba = first.firstLba + 2 * MiB / 512 - 1;
            QVERIFY(gpt.commit(io));
        }
        const std::string mounted = "\\\\?\\Volume{n}\\";
        MemoryVolume& neighbour = mp.addVolume(mounted, dst, MiB, 2 * MiB);
        neighbour.mountPaths = {"E:\\"};
        neighbour.lockedElsewhere = true;
        PartitionCloneMode mode;
        QString error;
        QVERIFY2(f.run(mode, src, dst, false, error, [](CloneConfig& c) {
            c.sourcePartition = c.sourceDisk.partitions.value(0);
            c.partitionTarget = CloneConfig::PartitionTarget::FreeRegion;
        }), qPrintable(error));
        QCOMPARE(mp.volume(mounted).dismountCount + mp.volume(mounted).lockCount, 0);
        QVERIFY(std::equal(mp.data(src).begin() + MiB, mp.data(src).begin() + 2 * MiB, mp.data(dst).begin() + 3 * MiB));
    }

    // A volume larger than its partition record: no usage map is trusted, the partition is copied whole.
    void volumeLargerThanPartition()
    {
        makeTarget(DstGpt, true, false);
        QString error;
        QVERIFY2(clone(DstGpt, Ntfs, -1, true, error, [](CloneConfig& c) { c.sourcePartition.size = 50 * MiB; }),
                 qPrintable(error));
        QCOMPARE(f.hash(f.files[DstGpt], MiB + 512, 50 * MiB - 512), f.hash(f.files[Src], MiB + 512, 50 * MiB - 512));
    }

    // A source whose usage map lost used clusters (one file's bits in $Bitmap, a file's chain in
    // the first FAT): the smart, verified clone through the engine carries every file and says what
    // it found. The source is mended afterwards for the other tests.
    void damagedMaps_data()
    {
        QTest::addColumn<int>("part");
        QTest::addColumn<QString>("warning");
        QTest::newRow("ntfs one file's bits cleared") << int(Ntfs) << QStringLiteral("cannot be trusted");
        QTest::newRow("fat32 first FAT lost a chain") << int(Fat) << QStringLiteral("FAT copies differ");
    }
    void damagedMaps()
    {
        QFETCH(int, part);
        QFETCH(QString, warning);
        makeTarget(DstGpt, true, false);
        const uint64_t offset = CloneFixture::offsets(SourceLayout)[part], size = SourceLayout[part].mib * MiB;
        const QString tree = f.tree(Src, part);
        QList<QPair<qint64, QByteArray>> undo;
        if (part == Ntfs)
            f.damageNtfsBitmap(Src, offset, size, CloneFixture::largestFile(tree), undo);
        else
            f.breakFirstFat(Src, offset, size, QStringLiteral("::d/") + CloneFixture::largestFile(tree + QStringLiteral("/d")), undo);
        f.settle(Src);
        QString message;
        const bool ok = !QTest::currentTestFailed() && f.runEngine(Tessarin::CloneModeType::PartitionClone, Src, DstGpt, message,
                                                                   [&](CloneConfig& c) { c.sourcePartition = c.sourceDisk.partitions.value(part); });
        f.unpatch(Src, undo);
        QCOMPARE(f.hash(f.files[Src]), m_sourceHash);
        QVERIFY2(ok, qPrintable(message));
        if (part == Fat)
            f.restoreFirstFat(DstGpt, MiB);
        f.checkVolume(DstGpt, MiB, size, SourceLayout[part].fs, m_tree[part], false);
        if (QTest::currentTestFailed())
            return;
        QVERIFY2(message.contains(QStringLiteral("Clone completed with warnings")) && message.contains(warning), qPrintable(message));
    }
};

QTEST_GUILESS_MAIN(TestPartitionClone)
#include "tst_partitionclone.moc"
