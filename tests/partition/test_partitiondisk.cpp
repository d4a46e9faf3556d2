// GPT/MBR editing on real sparse images and a 4096-byte-sector loop device, checked with sgdisk,
// sfdisk, mkntfs, ntfsfix and ntfs-3g.
#include "core/diskio.h"
#include "common/imagefixture.h"
#include "common/logcapture.h"
#include "partition/gptcodec.h"
#include "partition/partitionresizer.h"
#include "partition/partitiontable.h"
#include "ondisk/byteorder.h"
#include "ondisk/gptheader.h"
#include "ondisk/mbrcodec.h"

#include <QRegularExpression>
#include <QTest>
#include <memory>

namespace {
constexpr uint64_t DiskBytes = 256ull << 20;
constexpr uint64_t SourceBytes = 48ull << 20;
const QString BasicText = QStringLiteral("{EBD0A0A2-B9E5-4433-87C0-68B6B72699C7}");

struct DumpEntry {
    uint64_t start = 0, size = 0;
    QString name;
};

// Entries of `sfdisk --dump`, in its units (the device's sectors).
QList<DumpEntry> sfdiskDump(const QString& path)
{
    QList<DumpEntry> out;
    const ToolRun p = runCaptured(QStringLiteral("sfdisk"), {QStringLiteral("--dump"), path});
    static const QRegularExpression re(QStringLiteral("start=\\s*(\\d+), size=\\s*(\\d+)(?:.*name=\"([^\"]*)\")?"));
    for (const QString& line : p.out.split(QLatin1Char('\n'))) {
        const auto m = re.match(line);
        if (m.hasMatch())
            out.append({m.captured(1).toULongLong(), m.captured(2).toULongLong(), m.captured(3)});
    }
    return out;
}

GptHeader headerAt(const QString& path, uint64_t lba, uint32_t ss)
{
    const QByteArray b = readFileBytes(path, qint64(lba * ss), GptHeader::Size);
    GptHeader h;
    GptHeader::decode(std::span(reinterpret_cast<const uint8_t*>(b.constData()), size_t(b.size())), h);
    return h;
}

GptPartitionEntry entryAt(const QByteArray& array, int index)
{
    GptPartitionEntry e;
    GptPartitionEntry::decode(std::span(reinterpret_cast<const uint8_t*>(array.constData()), size_t(array.size()))
                                  .subspan(size_t(index) * GptPartitionEntry::Size), e);
    return e;
}

// A partition as enumeration reports it: position in 512-byte units whatever the device's sectors.
PartitionInfo partInfo(int disk, uint64_t first, uint64_t count, uint32_t ss, const QString& type = BasicText)
{
    PartitionInfo p;
    p.diskNumber = disk;
    p.start512 = first * ss / 512;
    p.count512 = count * ss / 512;
    p.size = count * ss;
    p.typeGuid = type;
    return p;
}
} // namespace

class TestPartitionDisk : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;
    LogCapture m_log;
    QString m_images[3];   // disk 0: 512 image, disk 1: 4096 image, disk 2: backing file of the loop device
    std::unique_ptr<LoopDevice> m_loopDevice;  // 4096-byte sectors over m_images[2], when root
    QString m_loop, m_loopNote;

    // Path the external tools read for disk `n`; m_images[n] holds its bytes.
    QString toolPath(int n) const { return n == 2 ? m_loop : m_images[n]; }

    void settle(int n)
    {
        if (n == 2)
            runCaptured(QStringLiteral("blockdev"), {QStringLiteral("--flushbufs"), m_loop});
    }

    // Zeroes disk `n`; false, with the test skipped or failed, when that cannot be done.
    bool resetDisk(int n)
    {
        if (n == 2 && m_loop.isEmpty())
            QTest::qSkip(qPrintable(m_loopNote), __FILE__, __LINE__);
        else if (!makeSparseFile(m_images[n], qint64(DiskBytes)))
            QTest::qFail("cannot reset the image", __FILE__, __LINE__);
        else
            settle(n);
        return !QTest::currentTestFailed() && (n != 2 || !m_loop.isEmpty());
    }

    // sgdisk reads an image file as 512-byte sectors, so disk 1 is checked by our own reads only.
    void sgdiskClean(int n)
    {
        if (n == 1)
            return;
        const ToolRun v = runCaptured(QStringLiteral("sgdisk"), {QStringLiteral("-v"), toolPath(n)});
        QVERIFY2(v.out.contains(QStringLiteral("No problems found")), qPrintable(v.out));
    }

    // A small GPT: EFI at 1 MiB (8 MiB), basic data behind it up to the last usable LBA of a `diskBytes` disk.
    void writeTwoPartitionGpt(DiskIO& d, uint32_t ss, uint64_t diskBytes)
    {
        QVERIFY(PartitionTable::initializeGpt(d, diskBytes, ss));
        const uint64_t mib = (1 << 20) / ss;
        QVERIFY(PartitionTable::addGptPartition(d, mib, 9 * mib - 1, GptCodec::efiSystemType(), QStringLiteral("EFI"), ss));
        const uint64_t lastUsable = diskBytes / ss - GptCodec::entrySectors(ss) - 2;
        QVERIFY(PartitionTable::addGptPartition(d, 9 * mib, lastUsable, GptCodec::basicDataType(), QStringLiteral("Data One"), ss));
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        m_log.init(m_dir);
        for (int i = 0; i < 3; ++i) {
            m_images[i] = m_dir.filePath(QStringLiteral("disk%1.img").arg(i));
            QVERIFY(makeSparseFile(m_images[i], qint64(DiskBytes)));
        }
        m_loopNote = missingRequirement({QStringLiteral("losetup")}, true);
        if (m_loopNote.isEmpty()) {
            m_loopDevice = std::make_unique<LoopDevice>(m_images[2], false, 4096);
            m_loop = m_loopDevice->device();
            m_loopNote = m_loopDevice->error();
        }
        // Disk numbers: 0 = 512-byte image, 1 = image presented with 4096-byte sectors, 2 = the loop device.
        qputenv("TESSARIN_DISKS", QStringLiteral("%1:%2@4096:%3").arg(m_images[0], m_images[1], m_loop).toLocal8Bit());
    }

    void cleanupTestCase() { m_loopDevice.reset(); }

    void gptLayouts_data()
    {
        QTest::addColumn<int>("disk");
        QTest::addColumn<uint32_t>("ss");
        QTest::newRow("512 image") << 0 << 512u;
        QTest::newRow("4096 image") << 1 << 4096u;
        QTest::newRow("4096 loop") << 2 << 4096u;
    }

    // A table built on a disk copied from a smaller one: the GPT, a partition, the data partition
    // behind it and a one-sector partition in the gap. sgdisk finds no problem and sfdisk lists exactly
    // that; every refused edit leaves the disk byte for byte as it was.
    void buildTable_data() { gptLayouts_data(); }
    void buildTable()
    {
        QFETCH(int, disk);
        QFETCH(uint32_t, ss);
        if (!resetDisk(disk))
            return;
        DiskIO d;
        QVERIFY(d.openTargetDisk(disk));
        const uint64_t mib = (1 << 20) / ss;
        const uint64_t lastUsable = DiskBytes / ss - GptCodec::entrySectors(ss) - 2;
        QByteArray before = contentHash(m_images[disk]);
        QVERIFY(!PartitionTable::initializeGpt(d, 16 * 512, ss));  // too small for a GPT
        QCOMPARE(contentHash(m_images[disk]), before);
        QVERIFY(PartitionTable::initializeGpt(d, SourceBytes, ss));
        QVERIFY(PartitionTable::addGptPartition(d, mib, 9 * mib - 1, GptCodec::basicDataType(), QStringLiteral("C"), ss));
        PartitionInfo c = partInfo(disk, mib, 8 * mib, ss);
        PartitionResizer r;
        const QString label = QStringLiteral("Data partition with a forty-char name!!");
        settle(disk);
        before = contentHash(m_images[disk]);
        // Over the entry array, one sector into C, and too little room for a data partition.
        QVERIFY(!PartitionTable::addGptPartition(d, 2, 100, GptCodec::linuxDataType(), QStringLiteral("x"), ss));
        QVERIFY(!PartitionTable::addGptPartition(d, mib - 2, mib, GptCodec::linuxDataType(), QStringLiteral("x"), ss));
        QVERIFY(!r.createDataPartition(d, {c}, 100ull << 20, ss, label, true));
        settle(disk);
        QCOMPARE(contentHash(m_images[disk]), before);
        QVERIFY2(r.createDataPartition(d, {c}, DiskBytes, ss, label, true), qPrintable(r.lastError()));
        QVERIFY(!PartitionTable::addGptPartition(d, lastUsable, lastUsable + 1, GptCodec::linuxDataType(), QStringLiteral("x"), ss));
        QVERIFY(PartitionTable::addGptPartition(d, mib - 1, mib - 1, GptCodec::linuxDataType(), QStringLiteral("one"), ss));
        d.close();
        settle(disk);

        const GptPartitionEntry e = entryAt(readFileBytes(m_images[disk], qint64(2 * ss), 16384), 1);
        QCOMPARE(e.firstLba, 10 * mib);  // 1 MiB behind C, 4 KiB aligned
        QCOMPARE(e.lastLba, lastUsable - 1);
        sgdiskClean(disk);
        if (disk != 1) {
            const QList<DumpEntry> dump = sfdiskDump(toolPath(disk));
            QCOMPARE(dump.size(), 3);
            QVERIFY(dump[1].start == 10 * mib && !dump[1].name.isEmpty() && label.startsWith(dump[1].name));
            QVERIFY(dump[2].start == mib - 1 && dump[2].size == 1);
        }
        if (disk != 0)
            return;
        // Taken for an MBR disk, a GPT disk's protective MBR gains no entry.
        c.typeGuid.clear();
        QVERIFY(d.openTargetDisk(0));
        before = contentHash(m_images[disk]);
        QVERIFY(!r.createDataPartition(d, {c}, DiskBytes, ss, QStringLiteral("Data"), false));
        d.close();
        QCOMPARE(contentHash(m_images[disk]), before);
    }

    // A primary header with a wrong CRC is repaired from the backup by the next edit, never re-sealed,
    // and that edit (new disk and entry GUIDs) keeps everything else; with both copies broken every
    // edit is refused and nothing is written.
    void damagedTables_data() { gptLayouts_data(); }
    void damagedTables()
    {
        QFETCH(int, disk);
        QFETCH(uint32_t, ss);
        if (!resetDisk(disk))
            return;
        DiskIO d;
        QVERIFY(d.openTargetDisk(disk));
        writeTwoPartitionGpt(d, ss, DiskBytes);
        const QString img = m_images[disk];
        const uint64_t total = DiskBytes / ss;
        const GptHeader old = headerAt(img, 1, ss);
        const QByteArray oldArray = readFileBytes(img, qint64(2 * ss), 16384);
        // A field changed under an unchanged CRC, the way a bad sector or a stray write leaves it.
        QByteArray lba1 = readFileBytes(img, ss, ss);
        lba1[GptHeader::OffLastUsableLba + 2] = char(lba1[GptHeader::OffLastUsableLba + 2] ^ 0x10);
        QVERIFY(d.writeTargetBytes(ss, ss, lba1.constData()));
        PartitionResizer r;
        // A caller that assumes 512-byte sectors still reaches the right LBAs.
        QVERIFY2(r.regenerateGptGuids(d, 512), qPrintable(r.lastError()));
        d.close();
        settle(disk);
        const GptHeader primary = headerAt(img, 1, ss);
        QCOMPARE(primary.lastUsableLba, old.lastUsableLba);
        QCOMPARE(primary.headerCrc32, primary.computeHeaderCrc());
        QVERIFY(primary.diskGuid != old.diskGuid);
        QCOMPARE(headerAt(img, total - 1, ss).diskGuid, primary.diskGuid);
        const QByteArray array = readFileBytes(img, qint64(2 * ss), 16384);
        for (int i = 0; i < 128; ++i) {
            const QByteArray o = oldArray.mid(i * 128, 128), n = array.mid(i * 128, 128);
            QVERIFY(n.left(16) == o.left(16) && n.mid(32) == o.mid(32));
            QCOMPARE(n.mid(16, 16) != o.mid(16, 16), i < 2);  // unused entries gain no GUID
        }
        sgdiskClean(disk);

        // Both headers broken: every edit is refused and the disk stays byte for byte.
        QVERIFY(d.openTargetDisk(disk));
        QVERIFY(d.writeTargetBytes(ss, ss, lba1.constData()));
        QByteArray last = readFileBytes(img, qint64((total - 1) * ss), ss);
        last[GptHeader::OffFirstUsableLba] = char(last[GptHeader::OffFirstUsableLba] ^ 0x01);
        QVERIFY(d.writeTargetBytes((total - 1) * ss, ss, last.constData()));
        d.flushTarget();
        settle(disk);
        const QByteArray before = contentHash(img);
        const uint64_t mib = (1 << 20) / ss;
        QVERIFY(!r.regenerateGptGuids(d, ss));
        QVERIFY(!r.addGptPartitionEntry(d, 2048, 8, BasicText.mid(1, 36), QStringLiteral("x"), DiskBytes, ss));
        QVERIFY(!r.updateBackupGpt(d, DiskBytes, ss));
        QVERIFY(!PartitionTable::addGptPartition(d, mib - 1, mib - 1, GptCodec::basicDataType(), QStringLiteral("x"), ss));
        d.close();
        settle(disk);
        QCOMPARE(contentHash(img), before);
    }

    // A GPT disk copied onto a larger disk: the last partition and its NTFS volume grow. Plan entries
    // without a table entry, over the backup GPT or into a neighbour are refused unwritten first.
    void resizeGrowsCopiedDisk_data() { gptLayouts_data(); }
    void resizeGrowsCopiedDisk()
    {
        QFETCH(int, disk);
        QFETCH(uint32_t, ss);
        if (const QString why = missingRequirement({QStringLiteral("mkntfs"), QStringLiteral("sgdisk")}); !why.isEmpty())
            QSKIP(qPrintable(why));
        if (!resetDisk(disk))
            return;
        const uint64_t mib = (1 << 20) / ss;
        const uint64_t dataFirst = 9 * mib;
        const uint64_t dataSectors = SourceBytes / ss - GptCodec::entrySectors(ss) - 2 - dataFirst + 1;
        if (disk == 0) {
            // The source is made by sgdisk on a smaller image and copied over.
            const QString src = m_dir.filePath(QStringLiteral("source.img"));
            QVERIFY(makeSparseFile(src, qint64(SourceBytes)));
            QVERIFY(sgdiskRun(src, {"-n", "1:2048:18431", "-t", "1:ef00", "-n", "2:18432:0", "-t", "2:0700"}));
            QCOMPARE(runTool(QStringLiteral("dd"), {"if=" + src, "of=" + m_images[0], "conv=notrunc", "bs=1M"}), 0);
        } else {
            DiskIO d;
            QVERIFY(d.openTargetDisk(disk));
            writeTwoPartitionGpt(d, ss, SourceBytes);
        }
        const QString vol = m_dir.filePath(QStringLiteral("ntfs.img"));
        QVERIFY(makeSparseFile(vol, qint64(dataSectors * ss)));
        QVERIFY(makeNtfs(vol, {"-s", QString::number(ss), "-p", QString::number(dataFirst), "-H", "0", "-S", "0"}));
        QCOMPARE(runTool(QStringLiteral("dd"), {"if=" + vol, "of=" + toolPath(disk), "bs=" + QString::number(ss),
                                                "seek=" + QString::number(dataFirst), "conv=notrunc,fsync"}), 0);
        settle(disk);

        DiskInfo source;
        source.size = SourceBytes;
        source.sectorSize = ss;
        DiskInfo target = source;
        target.size = DiskBytes;
        PartitionInfo efi = partInfo(disk, mib, 8 * mib, ss, QStringLiteral("{C12A7328-F81F-11D2-BA4B-00A0C93EC93B}"));
        efi.isEfi = true;
        PartitionInfo data = partInfo(disk, dataFirst, dataSectors, ss);
        data.fileSystem = Tessarin::FileSystemType::NTFS;
        data.usedSpace = 4ull << 20;
        PartitionResizer r;
        const auto plan = r.calculateResizePlan(source, target, {efi, data}, PartitionResizer::ExpandLast);
        QVERIFY2(plan[1].needsResize, qPrintable(plan[1].description));
        DiskIO d;
        QVERIFY(d.openTargetDisk(disk));
        ResizePlanEntry noEntry = plan[1], overBackup = plan[1], intoEfi = plan[1];
        noEntry.partitionIndex = 128;
        overBackup.newSectorCount += ss / 512;
        intoEfi.newStartSector = efi.start512 + 8;
        const QByteArray before = contentHash(m_images[disk]);
        for (const ResizePlanEntry& bad : {noEntry, overBackup, intoEfi})
            QVERIFY(!r.updateGptEntries(d, {bad}, DiskBytes, ss));
        QCOMPARE(contentHash(m_images[disk]), before);
        QVERIFY2(r.executeResize(d, plan, DiskBytes, ss), qPrintable(r.lastError()));
        d.close();
        settle(disk);

        const QString img = m_images[disk];
        const GptHeader primary = headerAt(img, 1, ss);
        QCOMPARE(primary.alternateLba, DiskBytes / ss - 1);
        const GptPartitionEntry grown = entryAt(readFileBytes(img, qint64(primary.partitionEntryLba * ss), 16384), 1);
        QCOMPARE(grown.lastLba, primary.lastUsableLba);
        // Boot sector and its backup at the partition's last sector carry the new size.
        const uint64_t newSectors = grown.lastLba - grown.firstLba + 1;
        const QByteArray boot = readFileBytes(img, qint64(grown.firstLba * ss), 512);
        QCOMPARE(ByteOrder::get64(reinterpret_cast<const uint8_t*>(boot.constData()) + 40), newSectors - 1);
        QCOMPARE(readFileBytes(img, qint64(grown.lastLba * ss), 512), boot);

        sgdiskClean(disk);
        if (disk == 1 || !isRoot())
            return;
        // The grown volume as ntfsfix and ntfs-3g see it.
        LoopDevice part(img, false, int(ss), qint64(grown.firstLba * ss), qint64(newSectors * ss));
        QVERIFY2(part.ok(), qPrintable(part.error()));
        const ToolRun fix = runCaptured(QStringLiteral("ntfsfix"), {QStringLiteral("-n"), part.device()});
        QVERIFY2(fix.code == 0, qPrintable(fix.out));
        Mount mount(part.device(), m_dir.filePath(QStringLiteral("mnt")), {QStringLiteral("-t"), QStringLiteral("ntfs-3g")});
        QVERIFY2(mount.ok(), qPrintable(mount.error()));
    }

    // MBR entries as sfdisk reads them back, in the disk's own sectors; refused edits write nothing.
    void mbrEntries_data() { gptLayouts_data(); }
    void mbrEntries()
    {
        QFETCH(int, disk);
        QFETCH(uint32_t, ss);
        if (disk == 1)
            QSKIP("sfdisk reads an image file as 512-byte sectors");
        if (!resetDisk(disk))
            return;
        PartitionResizer r;
        const uint64_t mib = (1 << 20) / ss;
        PartitionInfo fat = partInfo(disk, 16 * mib, 8 * mib, ss, {});  // no type GUID: an MBR partition
        fat.fileSystem = Tessarin::FileSystemType::FAT32;
        ResizePlanEntry e{1, fat, fat.start512, 40 * mib * ss / 512, 40ull << 20, true, true, {}};
        DiskIO d;
        QVERIFY(d.openTargetDisk(disk));
        QVERIFY(!r.updateMbrEntries(d, {e}, ss));  // no MBR yet
        d.close();
        QVERIFY(sfdiskScript(toolPath(disk), QStringLiteral("label: dos\nstart=%1, size=%2, type=7\nstart=%3, size=%2, type=7\n")
                                                 .arg(mib).arg(8 * mib).arg(16 * mib)));
        settle(disk);
        QVERIFY(d.openTargetDisk(disk));
        ResizePlanEntry logical = e;
        logical.partitionIndex = 4;  // beyond the four primary slots
        ResizePlanEntry clash = e;
        clash.newStartSector = 4 * mib * ss / 512;  // into the first partition
        ResizePlanEntry odd = e;
        odd.newStartSector += 1;  // not a whole sector on 4096-byte disks
        QByteArray before = contentHash(m_images[disk]);
        QVERIFY(!r.executeResize(d, {e, logical}, DiskBytes, ss));
        QVERIFY(!r.updateMbrEntries(d, {clash}, ss));
        QVERIFY(ss == 512 || !r.updateMbrEntries(d, {odd}, ss));
        QCOMPARE(contentHash(m_images[disk]), before);
        QVERIFY2(r.executeResize(d, {e}, DiskBytes, ss), qPrintable(r.lastError()));
        d.close();
        settle(disk);
        const QList<DumpEntry> dump = sfdiskDump(toolPath(disk));
        QCOMPARE(dump.size(), 2);
        QVERIFY(dump[0].start == mib && dump[0].size == 8 * mib);
        QVERIFY(dump[1].start == 16 * mib && dump[1].size == 40 * mib);

        // The data partition: a primary NTFS entry from 1 MiB behind the last one to the disk's end;
        // with all four slots taken it is refused and nothing is written.
        fat.count512 = 40 * mib * ss / 512;
        QVERIFY(d.openTargetDisk(disk));
        QVERIFY2(r.createDataPartition(d, {fat}, DiskBytes, ss, QStringLiteral("Data"), true), qPrintable(r.lastError()));
        d.close();
        settle(disk);
        const QList<DumpEntry> withData = sfdiskDump(toolPath(disk));
        QCOMPARE(withData.size(), 3);
        QVERIFY(withData[2].start == 57 * mib && withData[2].start + withData[2].size == DiskBytes / ss);
        QCOMPARE(uint8_t(readFileBytes(m_images[disk], 446 + 2 * 16 + 4, 1)[0]), uint8_t(0x07));
        QVERIFY(sfdiskScript(toolPath(disk), QStringLiteral("label: dos\nstart=%1, size=%2, type=7\nstart=%3, size=%2, type=7\n"
                                                            "start=%4, size=%2, type=7\nstart=%5, size=%2, type=7\n")
                                                 .arg(mib).arg(8 * mib).arg(16 * mib).arg(32 * mib).arg(48 * mib)));
        settle(disk);
        fat.start512 = 48 * mib * ss / 512;
        fat.count512 = 8 * mib * ss / 512;
        QVERIFY(d.openTargetDisk(disk));
        before = contentHash(m_images[disk]);
        QVERIFY(!r.createDataPartition(d, {fat}, DiskBytes, ss, QStringLiteral("Data"), true));
        QVERIFY2(r.lastError().contains(QStringLiteral("four primary")), qPrintable(r.lastError()));
        d.close();
        QCOMPARE(contentHash(m_images[disk]), before);
    }

};

QTEST_GUILESS_MAIN(TestPartitionDisk)
#include "test_partitiondisk.moc"
