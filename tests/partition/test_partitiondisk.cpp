// GPT/MBR editing on real sparse images and a 4096-byte-sector loop device, checked with sgdisk,
// sfdisk, mkntfs, ntfsfix and ntfs-3g.
#include "core/diskio.h"
#include "core/scriptedcommandrunner.h"
#include "common/imagefixture.h"
#include "common/logcapture.h"
#include "partition/gptcodec.h"
#include "partition/partitionresizer.h"
#include "partition/partitiontable.h"
#include "ondisk/byteorder.h"
#include "ondisk/crc32.h"
#include "ondisk/mbrcodec.h"

#include <QCryptographicHash>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>
#include <memory>

namespace {
constexpr uint64_t DiskBytes = 256ull << 20;
constexpr uint64_t SourceBytes = 48ull << 20;
const QString BasicText = QStringLiteral("EBD0A0A2-B9E5-4433-87C0-68B6B72699C7");
const QString EfiText = QStringLiteral("C12A7328-F81F-11D2-BA4B-00A0C93EC93B");

struct DumpEntry {
    uint64_t start = 0;
    uint64_t size = 0;
    QString type;
    QString name;
};

// Entries of `sfdisk --dump`, in its units (the device's sectors).
QList<DumpEntry> sfdiskDump(const QString& path)
{
    QList<DumpEntry> out;
    const ToolRun p = runCaptured(QStringLiteral("sfdisk"), {QStringLiteral("--dump"), path});
    static const QRegularExpression re(
        QStringLiteral("start=\\s*(\\d+), size=\\s*(\\d+), type=([0-9A-Fa-f-]+)(?:.*name=\"([^\"]*)\")?"));
    for (const QString& line : p.out.split(QLatin1Char('\n'))) {
        const auto m = re.match(line);
        if (m.hasMatch())
            out.append({m.captured(1).toULongLong(), m.captured(2).toULongLong(), m.captured(3).toUpper(), m.captured(4)});
    }
    return out;
}

QByteArray fileHash(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    QCryptographicHash h(QCryptographicHash::Sha1);
    h.addData(&f);
    return h.result();
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
} // namespace

class TestPartitionDisk : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;
    LogCapture m_log;
    QString m_images[3];   // disk 0: 512 image, disk 1: 4096 image, disk 2: backing file of the loop device
    std::unique_ptr<LoopDevice> m_loopDevice;  // 4096-byte sectors over m_images[2], when root
    QString m_loop;
    QString m_loopNote;

    // Path the external tools read for disk `n`, and the file holding its bytes.
    QString toolPath(int n) const { return n == 2 ? m_loop : m_images[n]; }

    bool hasDisk(int n) const { return n != 2 || !m_loop.isEmpty(); }

    void resetDisk(int n)
    {
        QFile f(m_images[n]);
        QVERIFY(f.open(QIODevice::ReadWrite));
        QVERIFY(f.resize(0));
        QVERIFY(f.resize(qint64(DiskBytes)));
        f.close();
        if (n == 2)
            runCaptured(QStringLiteral("blockdev"), {QStringLiteral("--flushbufs"), m_loop});
    }

    void settle(int n)
    {
        if (n == 2)
            runCaptured(QStringLiteral("blockdev"), {QStringLiteral("--flushbufs"), m_loop});
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
            resetDisk(i);
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

    // initializeGpt + addGptPartition: sgdisk finds no problem and lists exactly what was written.
    void initializeAndAdd_data() { gptLayouts_data(); }
    void initializeAndAdd()
    {
        QFETCH(int, disk);
        QFETCH(uint32_t, ss);
        if (!hasDisk(disk))
            QSKIP(qPrintable(m_loopNote));
        resetDisk(disk);
        DiskIO d;
        QVERIFY(d.openTargetDisk(disk));
        QCOMPARE(d.targetLogicalSector(), ss);
        writeTwoPartitionGpt(d, ss, DiskBytes);
        const uint64_t total = DiskBytes / ss;
        // A one-sector partition in the gap is accepted; one touching a neighbour in one sector is not.
        const uint64_t mib = (1 << 20) / ss;
        m_log.mark();
        QVERIFY(!PartitionTable::addGptPartition(d, mib - 2, mib, GptCodec::linuxDataType(), QStringLiteral("x"), ss));
        QVERIFY(m_log.since().contains(QStringLiteral("Requested partition overlaps existing GPT entry 0: %1-%2").arg(mib).arg(9 * mib - 1)));
        QVERIFY(PartitionTable::addGptPartition(d, mib - 1, mib - 1, GptCodec::linuxDataType(), QStringLiteral("one"), ss));
        d.close();
        settle(disk);

        if (disk == 1)
            return;  // sgdisk and sfdisk take an image file as 512-byte sectors
        const ToolRun v = runCaptured(QStringLiteral("sgdisk"), {QStringLiteral("-v"), toolPath(disk)});
        QVERIFY2(v.out.contains(QStringLiteral("No problems found")), qPrintable(v.out));
        const QList<DumpEntry> dump = sfdiskDump(toolPath(disk));
        QCOMPARE(dump.size(), 3);
        QCOMPARE(dump[1].start + dump[1].size - 1, total - GptCodec::entrySectors(ss) - 2);
        QCOMPARE(dump[1].name, QStringLiteral("Data One"));
        QCOMPARE(dump[2].start, mib - 1);
        QCOMPARE(dump[2].size, uint64_t(1));
    }

    // A primary header with a wrong CRC is repaired from the backup by the next edit, never re-sealed;
    // with both copies broken every edit is refused and nothing is written.
    void damagedTables_data() { gptLayouts_data(); }
    void damagedTables()
    {
        QFETCH(int, disk);
        QFETCH(uint32_t, ss);
        if (!hasDisk(disk))
            QSKIP(qPrintable(m_loopNote));
        resetDisk(disk);
        DiskIO d;
        QVERIFY(d.openTargetDisk(disk));
        writeTwoPartitionGpt(d, ss, DiskBytes);
        const uint64_t total = DiskBytes / ss;
        const uint64_t lastUsable = headerAt(m_images[disk], 1, ss).lastUsableLba;
        // A field changed under an unchanged CRC, the way a bad sector or a stray write leaves it.
        QByteArray lba1 = readFileBytes(m_images[disk], ss, ss);
        lba1[GptHeader::OffLastUsableLba + 2] = char(lba1[GptHeader::OffLastUsableLba + 2] ^ 0x10);
        QVERIFY(d.writeTargetBytes(ss, ss, lba1.constData()));
        PartitionResizer r;
        m_log.mark();
        QVERIFY2(r.regenerateGptGuids(d, ss), qPrintable(r.lastError()));
        QVERIFY(m_log.since().contains(QStringLiteral("Primary GPT is not sound")));
        d.close();
        settle(disk);
        const GptHeader primary = headerAt(m_images[disk], 1, ss);
        QCOMPARE(primary.lastUsableLba, lastUsable);
        QCOMPARE(primary.headerCrc32, primary.computeHeaderCrc());
        if (disk != 1) {
            const ToolRun v = runCaptured(QStringLiteral("sgdisk"), {QStringLiteral("-v"), toolPath(disk)});
            QVERIFY2(v.out.contains(QStringLiteral("No problems found")), qPrintable(v.out));
        }

        // Both headers broken: every edit is refused and the disk stays byte for byte.
        QVERIFY(d.openTargetDisk(disk));
        QVERIFY(d.writeTargetBytes(ss, ss, lba1.constData()));
        QByteArray last = readFileBytes(m_images[disk], qint64((total - 1) * ss), ss);
        last[GptHeader::OffFirstUsableLba] = char(last[GptHeader::OffFirstUsableLba] ^ 0x01);
        QVERIFY(d.writeTargetBytes((total - 1) * ss, ss, last.constData()));
        d.flushTarget();
        settle(disk);
        const QByteArray before = fileHash(m_images[disk]);
        const uint64_t mib = (1 << 20) / ss;
        QVERIFY(!r.regenerateGptGuids(d, ss));
        QVERIFY(r.lastError().contains(QStringLiteral("Neither GPT copy is sound")));
        QVERIFY(!r.addGptPartitionEntry(d, 2048, 8, BasicText, QStringLiteral("x"), DiskBytes, ss));
        QVERIFY(!r.updateBackupGpt(d, DiskBytes, ss));
        QVERIFY(!PartitionTable::addGptPartition(d, mib - 1, mib - 1, GptCodec::basicDataType(), QStringLiteral("x"), ss));
        GptHeader shown;
        QVERIFY(PartitionTable::readGptHeader(d, shown, ss));  // still readable for display
        d.close();
        settle(disk);
        QCOMPARE(fileHash(m_images[disk]), before);
    }

    // Every refusal leaves the image byte for byte as it was.
    void badInputWritesNothing()
    {
        resetDisk(0);
        DiskIO d;
        QVERIFY(d.openTargetDisk(0));
        const QString img = m_images[0];

        QByteArray before = fileHash(img);
        m_log.mark();
        QVERIFY(!PartitionTable::initializeGpt(d, 16 * 512, 512));
        QVERIFY(m_log.since().contains(QStringLiteral("Disk too small for a GPT")));
        QCOMPARE(fileHash(img), before);

        writeTwoPartitionGpt(d, 512, DiskBytes);
        const uint64_t last = DiskBytes / 512 - 34;
        before = fileHash(img);
        QVERIFY(!PartitionTable::addGptPartition(d, 20, 100, GptCodec::basicDataType(), QStringLiteral("x"), 512));
        QVERIFY(!PartitionTable::addGptPartition(d, last, last + 1, GptCodec::basicDataType(), QStringLiteral("x"), 512));
        QCOMPARE(fileHash(img), before);

        // A plan entry without a table entry, or a resize over the backup GPT, is refused.
        PartitionResizer r;
        ResizePlanEntry e;
        e.partitionIndex = 128;
        e.needsResize = true;
        e.newStartSector = 18432;
        e.newSectorCount = 2048;
        QVERIFY(!r.updateGptEntries(d, {e}, DiskBytes, 512));
        QVERIFY(r.lastError().contains(QStringLiteral("outside the GPT's 128 entries")));
        e.partitionIndex = 1;
        e.newSectorCount = DiskBytes / 512 - 18432 - 32;
        QVERIFY(!r.updateGptEntries(d, {e}, DiskBytes, 512));
        QVERIFY(r.lastError().contains(QStringLiteral("beyond the disk's last usable LBA")));
        e.newStartSector = 2048 + 100;  // runs into entry 0
        e.newSectorCount = 20000;
        QVERIFY(!r.updateGptEntries(d, {e}, DiskBytes, 512));
        QVERIFY(r.lastError().contains(QStringLiteral("would overlap GPT entry 0")));
        QCOMPARE(fileHash(img), before);

        d.close();
    }

    // A GPT disk copied onto a larger disk: the last partition and its NTFS volume grow.
    void resizeGrowsCopiedDisk_data() { gptLayouts_data(); }
    void resizeGrowsCopiedDisk()
    {
        QFETCH(int, disk);
        QFETCH(uint32_t, ss);
        if (!hasDisk(disk))
            QSKIP(qPrintable(m_loopNote));
        if (const QString why = missingRequirement({QStringLiteral("mkntfs"), QStringLiteral("sgdisk")}); !why.isEmpty())
            QSKIP(qPrintable(why));
        resetDisk(disk);
        const uint64_t mib = (1 << 20) / ss;
        const uint64_t srcTotal = SourceBytes / ss;
        const uint64_t dataFirst = 9 * mib;
        const uint64_t dataLast = srcTotal - GptCodec::entrySectors(ss) - 2;
        if (disk == 0) {
            // The source is made by sgdisk on a smaller image and copied over.
            const QString src = m_dir.filePath(QStringLiteral("source.img"));
            QVERIFY(makeSparseFile(src, qint64(SourceBytes)));
            QVERIFY(sgdiskRun(src, {"-n", "1:2048:18431", "-t", "1:ef00", "-n", "2:18432:0", "-t", "2:0700"}));
            QVERIFY(runCaptured(QStringLiteral("dd"), {QStringLiteral("if=") + src, QStringLiteral("of=") + m_images[0],
                                               QStringLiteral("conv=notrunc"), QStringLiteral("bs=1M")}).code == 0);
        } else {
            DiskIO d;
            QVERIFY(d.openTargetDisk(disk));
            writeTwoPartitionGpt(d, ss, SourceBytes);
        }
        // NTFS volume in the data partition.
        const uint64_t dataSectors = dataLast - dataFirst + 1;
        const QString vol = m_dir.filePath(QStringLiteral("ntfs.img"));
        QVERIFY(makeSparseFile(vol, qint64(dataSectors * ss)));
        QVERIFY(makeNtfs(vol, {"-s", QString::number(ss), "-p", QString::number(dataFirst), "-H", "0", "-S", "0"}));
        const QString dest = disk == 2 ? m_loop : m_images[disk];
        QCOMPARE(runCaptured(QStringLiteral("dd"), {QStringLiteral("if=") + vol, QStringLiteral("of=") + dest,
                                            QStringLiteral("bs=") + QString::number(ss), QStringLiteral("seek=") + QString::number(dataFirst),
                                            QStringLiteral("conv=notrunc,fsync")}).code, 0);
        settle(disk);

        DiskInfo source;
        source.size = SourceBytes;
        source.sectorSize = ss;
        DiskInfo target = source;
        target.size = DiskBytes;
        PartitionInfo efi;
        efi.diskNumber = disk;
        efi.startSector = mib * ss / 512;
        efi.sectorCount = 8 * mib * ss / 512;
        efi.size = 8ull << 20;
        efi.typeGuid = QStringLiteral("{%1}").arg(EfiText);
        efi.isEfi = true;
        PartitionInfo data;
        data.diskNumber = disk;
        data.label = QStringLiteral("Data");
        data.fileSystem = Tessarin::FileSystemType::NTFS;
        data.startSector = dataFirst * ss / 512;
        data.sectorCount = dataSectors * ss / 512;
        data.size = dataSectors * ss;
        data.usedSpace = 4ull << 20;
        data.typeGuid = QStringLiteral("{%1}").arg(BasicText);

        PartitionResizer r;
        const auto plan = r.calculateResizePlan(source, target, {efi, data}, PartitionResizer::ExpandLast);
        QVERIFY2(plan[1].needsResize, qPrintable(plan[1].description));
        QCOMPARE(plan[1].newSectorCount, data.sectorCount + (DiskBytes - SourceBytes) / 512);
        QSignalSpy resizing(&r, &PartitionResizer::partitionResizing);
        DiskIO d;
        QVERIFY(d.openTargetDisk(disk));
        m_log.mark();
        QVERIFY2(r.executeResize(d, plan, DiskBytes, ss), qPrintable(r.lastError()));
        d.close();
        settle(disk);
        QCOMPARE(resizing.count(), 1);
        QCOMPARE(resizing[0][2].value<uint64_t>(), plan[1].newSize);
        QVERIFY(m_log.since().contains(QStringLiteral("grown in its boot sector only")));

        const uint64_t total = DiskBytes / ss;
        const QString img = m_images[disk];
        const GptHeader primary = headerAt(img, 1, ss);
        const GptHeader backup = headerAt(img, total - 1, ss);
        QCOMPARE(primary.alternateLba, total - 1);
        QCOMPARE(backup.myLba, total - 1);
        QCOMPARE(backup.headerCrc32, backup.computeHeaderCrc());
        const QByteArray array = readFileBytes(img, qint64(primary.partitionEntryLba * ss), 16384);
        QCOMPARE(readFileBytes(img, qint64(backup.partitionEntryLba * ss), 16384), array);
        const GptPartitionEntry grown = entryAt(array, 1);
        QCOMPARE(grown.lastLba, primary.lastUsableLba);
        QCOMPARE(QString::fromStdU16String(grown.nameText()), disk == 0 ? QString() : QStringLiteral("Data One"));

        const QByteArray mbr = readFileBytes(img, 0, 512);
        MbrCodec::Entry protective;
        QVERIFY(MbrCodec::entry(std::span(reinterpret_cast<const uint8_t*>(mbr.constData()), 512), 0, protective));
        QCOMPARE(protective.sectorCount, uint32_t(total - 1));

        // Boot sector and its backup at the partition's last sector carry the new size.
        const uint64_t newSectors = grown.lastLba - grown.firstLba + 1;
        const QByteArray boot = readFileBytes(img, qint64(grown.firstLba * ss), 512);
        QCOMPARE(ByteOrder::get64(reinterpret_cast<const uint8_t*>(boot.constData()) + 40), newSectors - 1);
        QCOMPARE(readFileBytes(img, qint64(grown.lastLba * ss), 512), boot);

        if (disk == 1)
            return;
        const ToolRun v = runCaptured(QStringLiteral("sgdisk"), {QStringLiteral("-v"), toolPath(disk)});
        QVERIFY2(v.out.contains(QStringLiteral("No problems found")), qPrintable(v.out));
        if (!isRoot())
            return;
        // The grown volume as ntfsfix and ntfs-3g see it.
        LoopDevice part(img, false, int(ss), qint64(grown.firstLba * ss), qint64(newSectors * ss));
        QVERIFY2(part.ok(), qPrintable(part.error()));
        const ToolRun fix = runCaptured(QStringLiteral("ntfsfix"), {QStringLiteral("-n"), part.device()});
        QVERIFY2(fix.code == 0, qPrintable(fix.out));
        Mount mount(part.device(), m_dir.filePath(QStringLiteral("mnt")), {QStringLiteral("-t"), QStringLiteral("ntfs-3g")});
        QVERIFY2(mount.ok(), qPrintable(mount.error()));
    }

    // New disk and unique GUIDs; everything sgdisk shows besides them stays.
    void regenerateGuids_data() { gptLayouts_data(); }
    void regenerateGuids()
    {
        QFETCH(int, disk);
        QFETCH(uint32_t, ss);
        if (!hasDisk(disk))
            QSKIP(qPrintable(m_loopNote));
        resetDisk(disk);
        DiskIO d;
        QVERIFY(d.openTargetDisk(disk));
        writeTwoPartitionGpt(d, ss, DiskBytes);
        d.close();
        settle(disk);
        const QString img = m_images[disk];
        const uint64_t total = DiskBytes / ss;
        const QByteArray oldArray = readFileBytes(img, qint64(2 * ss), 16384);
        const GptHeader oldHeader = headerAt(img, 1, ss);
        QVERIFY(d.openTargetDisk(disk));
        PartitionResizer r;
        // A caller that assumes 512-byte sectors still reaches the right LBAs.
        QVERIFY(r.regenerateGptGuids(d, 512));
        d.close();
        settle(disk);

        const GptHeader h = headerAt(img, 1, ss);
        const GptHeader b = headerAt(img, total - 1, ss);
        QVERIFY(h.diskGuid != oldHeader.diskGuid);
        QCOMPARE(b.diskGuid, h.diskGuid);
        QCOMPARE(h.headerCrc32, h.computeHeaderCrc());
        QCOMPARE(b.headerCrc32, b.computeHeaderCrc());
        const QByteArray array = readFileBytes(img, qint64(2 * ss), 16384);
        QCOMPARE(Crc32::compute(array.constData(), 16384), h.partitionEntryArrayCrc32);
        QCOMPARE(readFileBytes(img, qint64(b.partitionEntryLba * ss), 16384), array);
        for (int i = 0; i < 128; ++i) {
            const QByteArray o = oldArray.mid(i * 128, 128);
            const QByteArray n = array.mid(i * 128, 128);
            QCOMPARE(n.left(16), o.left(16));
            QCOMPARE(n.mid(32), o.mid(32));
            QCOMPARE(n.mid(16, 16) != o.mid(16, 16), i < 2);  // unused entries gain no GUID
        }
        if (disk == 1)
            return;
        const ToolRun v = runCaptured(QStringLiteral("sgdisk"), {QStringLiteral("-v"), toolPath(disk)});
        QVERIFY2(v.out.contains(QStringLiteral("No problems found")), qPrintable(v.out));
    }

    // MBR entries as sfdisk reads them back, in the disk's own sectors.
    void mbrEntries_data()
    {
        QTest::addColumn<int>("disk");
        QTest::addColumn<uint32_t>("ss");
        QTest::newRow("512 image") << 0 << 512u;
        QTest::newRow("4096 loop") << 2 << 4096u;
    }
    void mbrEntries()
    {
        QFETCH(int, disk);
        QFETCH(uint32_t, ss);
        if (!hasDisk(disk))
            QSKIP(qPrintable(m_loopNote));
        resetDisk(disk);
        const uint64_t mib = (1 << 20) / ss;
        QVERIFY(sfdiskScript(toolPath(disk), QStringLiteral("label: dos\nstart=%1, size=%2, type=7\nstart=%3, size=%2, type=7\n")
                                                 .arg(mib).arg(8 * mib).arg(16 * mib)));
        settle(disk);

        PartitionInfo p;
        p.label = QStringLiteral("second");
        p.fileSystem = Tessarin::FileSystemType::FAT32;
        p.startSector = 16 * mib * ss / 512;
        p.sectorCount = 8 * mib * ss / 512;
        p.size = 8ull << 20;
        ResizePlanEntry e;
        e.partitionIndex = 1;
        e.partition = p;
        e.needsResize = true;
        e.newStartSector = p.startSector;
        e.newSectorCount = 40 * mib * ss / 512;
        e.newSize = 40ull << 20;
        ResizePlanEntry logical = e;
        logical.partitionIndex = 4;  // beyond the four primary slots: refused, MBR unchanged

        DiskIO d;
        QVERIFY(d.openTargetDisk(disk));
        PartitionResizer r;
        QByteArray before = fileHash(m_images[disk]);
        QVERIFY(!r.executeResize(d, {e, logical}, DiskBytes, ss));
        QVERIFY(r.lastError().contains(QStringLiteral("MBR slot 4")));
        QCOMPARE(fileHash(m_images[disk]), before);
        QVERIFY2(r.executeResize(d, {e}, DiskBytes, ss), qPrintable(r.lastError()));
        // Growing into the first partition, or to a start that is not a whole 4096-byte sector, is refused.
        before = fileHash(m_images[disk]);
        ResizePlanEntry clash = e;
        clash.newStartSector = 4 * mib * ss / 512;
        QVERIFY(!r.updateMbrEntries(d, {clash}, ss));
        QVERIFY(r.lastError().contains(QStringLiteral("overlap")));
        if (ss == 4096) {
            ResizePlanEntry odd = e;
            odd.newStartSector += 1;
            QVERIFY(!r.updateMbrEntries(d, {odd}, ss));
            QVERIFY(r.lastError().contains(QStringLiteral("not whole 4096-byte sectors")));
        }
        d.close();
        QCOMPARE(fileHash(m_images[disk]), before);
        settle(disk);
        const QList<DumpEntry> dump = sfdiskDump(toolPath(disk));
        QCOMPARE(dump.size(), 2);
        QCOMPARE(dump[0].start, mib);
        QCOMPARE(dump[0].size, 8 * mib);
        QCOMPARE(dump[1].start, 16 * mib);
        QCOMPARE(dump[1].size, 40 * mib);

        resetDisk(disk);
        QVERIFY(d.openTargetDisk(disk));
        QVERIFY(!r.updateMbrEntries(d, {e}, ss));
        QCOMPARE(r.lastError(), QStringLiteral("Invalid MBR signature"));
    }

    // The data partition behind the copied ones, GPT path written here, MBR path through diskpart.
    void dataPartition_data() { gptLayouts_data(); }
    void dataPartition()
    {
        QFETCH(int, disk);
        QFETCH(uint32_t, ss);
        if (!hasDisk(disk))
            QSKIP(qPrintable(m_loopNote));
        resetDisk(disk);
        DiskIO d;
        QVERIFY(d.openTargetDisk(disk));
        QVERIFY(PartitionTable::initializeGpt(d, SourceBytes, ss));  // copied from a smaller disk
        const uint64_t mib = (1 << 20) / ss;
        QVERIFY(PartitionTable::addGptPartition(d, mib, 9 * mib - 1, GptCodec::basicDataType(), QStringLiteral("C"), ss));
        PartitionInfo c;
        c.label = QStringLiteral("C");
        c.startSector = mib * ss / 512;
        c.sectorCount = 8 * mib * ss / 512;
        c.typeGuid = QStringLiteral("{%1}").arg(BasicText);

        PartitionResizer r;
        QSignalSpy created(&r, &PartitionResizer::partitionCreated);
        const QString label = QStringLiteral("Data partition with a forty-char name!!");
        // Too little room on a disk barely larger than the copied partition: refused, nothing written.
        QByteArray before = fileHash(m_images[disk]);
        QVERIFY(!r.createDataPartition(d, {c}, 100ull << 20, ss, label, true));
        QVERIFY(r.lastError().startsWith(QStringLiteral("Remaining space too small for data partition (")));
        QCOMPARE(fileHash(m_images[disk]), before);

        QVERIFY2(r.createDataPartition(d, {c}, DiskBytes, ss, label, true), qPrintable(r.lastError()));
        d.close();
        settle(disk);
        QCOMPARE(created.count(), 1);
        const uint64_t total = DiskBytes / ss;
        const GptHeader h = headerAt(m_images[disk], 1, ss);
        QCOMPARE(h.alternateLba, total - 1);
        QCOMPARE(h.lastUsableLba, total - GptCodec::entrySectors(ss) - 2);
        const QByteArray array = readFileBytes(m_images[disk], qint64(2 * ss), 16384);
        const GptPartitionEntry e = entryAt(array, 1);
        QCOMPARE(e.firstLba, 10 * mib);  // 1 MiB behind C, 4 KiB aligned
        QCOMPARE(e.lastLba, total - GptCodec::entrySectors(ss) - 3);
        QCOMPARE(GptCodec::gptBytesToGuid(e.typeGuid.data()), GptCodec::basicDataType());
        if (disk != 1) {
            const ToolRun v = runCaptured(QStringLiteral("sgdisk"), {QStringLiteral("-v"), toolPath(disk)});
            QVERIFY2(v.out.contains(QStringLiteral("No problems found")), qPrintable(v.out));
        }

        // MBR: diskpart gets the disk number of the opened target.
        if (disk != 0)
            return;
        ScriptedCommandRunner runner;
        ScopedCommandRunner scope(&runner);
        c.typeGuid.clear();
        QVERIFY(d.openTargetDisk(0));
        QVERIFY(r.createDataPartition(d, {c}, DiskBytes, ss, QStringLiteral("Data"), false));
        QCOMPARE(runner.calls().size(), 1);
        QVERIFY(runner.calls()[0].scriptText.startsWith(QStringLiteral("select disk 0\n")));
    }
};

QTEST_GUILESS_MAIN(TestPartitionDisk)
#include "test_partitiondisk.moc"
