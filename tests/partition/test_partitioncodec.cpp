// Byte-level tests of the GPT/MBR codecs, the GPT model's load and commit order, and the resize planner.
#include "core/diskio.h"
#include "core/scriptedcommandrunner.h"
#include "common/logcapture.h"
#include "ondisk/crc32.h"
#include "ondisk/mbrcodec.h"
#include "partition/gptcodec.h"
#include "partition/gptdisk.h"
#include "partition/partitionresizer.h"

#include <QTest>
#include <cstring>

namespace {
const QString Msr = QStringLiteral("{E3C9E316-0B5C-4DB8-817D-F92DF00215AE}");
const QString Basic = QStringLiteral("{EBD0A0A2-B9E5-4433-87C0-68B6B72699C7}");
const QString Efi = QStringLiteral("{C12A7328-F81F-11D2-BA4B-00A0C93EC93B}");
const QString Recovery = QStringLiteral("{DE94BBA4-06D1-4D40-A16A-BFD50179D6AC}");

PartitionInfo part(const QString& label, uint64_t start, uint64_t count, const QString& type = Basic)
{
    PartitionInfo p;
    p.label = label;
    p.startSector = start;
    p.sectorCount = count;
    p.size = count * 512;
    p.typeGuid = type;
    p.isEfi = type == Efi;
    p.isRecovery = type == Recovery;
    p.isMsr = type == Msr;
    return p;
}

DiskInfo disk(uint64_t size, uint32_t sectorSize = 512)
{
    DiskInfo d;
    d.size = size;
    d.sectorSize = sectorSize;
    return d;
}

// A Windows layout on a 512-byte disk of `total` sectors whose last partition fills the usable area.
QList<PartitionInfo> windowsLayout(uint64_t total, bool recoveryBehind)
{
    QList<PartitionInfo> list{part(QStringLiteral("EFI"), 2048, 204800, Efi), part(QStringLiteral("MSR"), 206848, 32768, Msr)};
    const uint64_t usableEnd = total - 33;
    if (recoveryBehind)
        list << part(QStringLiteral("Windows"), 239616, usableEnd - 239616 - 1048576)
             << part(QStringLiteral("Recovery"), usableEnd - 1048576, 1048576, Recovery);
    else
        list << part(QStringLiteral("Windows"), 239616, usableEnd - 239616);
    return list;
}

using Image = std::vector<uint8_t>;

GptDisk::ReadFn reader(const Image& img)
{
    return [&img](uint64_t offset, uint64_t length, uint8_t* out) {
        if (offset > img.size() || length > img.size() - offset)
            return false;
        std::memcpy(out, img.data() + offset, length);
        return true;
    };
}

void apply(Image& img, const std::vector<GptDisk::Write>& plan, size_t count)
{
    for (size_t i = 0; i < count && i < plan.size(); ++i)
        std::memcpy(img.data() + plan[i].offset, plan[i].bytes.data(), plan[i].bytes.size());
}

// A blank disk of `total` sectors with a fresh GPT and one partition "old" at LBA 40-99.
Image gptImage(uint32_t ss, uint64_t total)
{
    Image img(total * ss, 0);
    GptDisk g;
    if (!g.create(ss, total, {1, 2, 3}))
        return {};
    GptCodec::setEntryTypeGuid(g.entries()[0], GptCodec::basicDataType());
    g.entries()[0].firstLba = 40;
    g.entries()[0].lastLba = 99;
    g.entries()[0].setName(u"old");
    std::vector<GptDisk::Write> plan;
    if (!g.commitPlan(plan))
        return {};
    apply(img, plan, plan.size());
    return img;
}

QStringList whats(const std::vector<GptDisk::Write>& plan)
{
    QStringList out;
    for (const auto& w : plan)
        out << QString::fromStdString(w.what);
    return out;
}
} // namespace

class TestPartitionCodec : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;
    LogCapture m_log;

private slots:
    void initTestCase() { m_log.init(m_dir); }

    void crcAndGuidOrder()
    {
        QCOMPARE(Crc32::compute("123456789", 9), 0xCBF43926u);
        uint8_t bytes[16];
        GptCodec::guidToGptBytes(GptCodec::efiSystemType(), bytes);
        QCOMPARE(QByteArray(reinterpret_cast<char*>(bytes), 16), QByteArray::fromHex("28732ac11ff8d211ba4b00a0c93ec93b"));
        QCOMPARE(GptCodec::gptBytesToGuid(bytes), GptCodec::efiSystemType());
    }

    // The header CRC covers HeaderSize bytes, whatever that size is; everything else makes the sector untrusted.
    void headerSectorChecks_data()
    {
        QTest::addColumn<int>("offset");  // negative: patched without resealing
        QTest::addColumn<QByteArray>("patch");
        QTest::addColumn<size_t>("length");
        QTest::addColumn<uint64_t>("lba");
        QTest::addColumn<QString>("error");
        QTest::newRow("sound") << 0 << QByteArray() << size_t(512) << uint64_t(1) << QString();
        QTest::newRow("120-byte header, tail under CRC") << 12 << QByteArray::fromHex("78000000") << size_t(512) << uint64_t(1) << QString();
        QTest::newRow("truncated") << 0 << QByteArray() << size_t(91) << uint64_t(1) << "truncated";
        QTest::newRow("signature") << 0 << QByteArray("EFI PARX") << size_t(512) << uint64_t(1) << "no GPT signature";
        QTest::newRow("size 91") << 12 << QByteArray::fromHex("5b000000") << size_t(512) << uint64_t(1) << "invalid size";
        QTest::newRow("size past sector") << 12 << QByteArray::fromHex("01020000") << size_t(512) << uint64_t(1) << "invalid size";
        QTest::newRow("wrong LBA") << 0 << QByteArray() << size_t(512) << uint64_t(7) << "names itself LBA 1";
        QTest::newRow("120-byte header sealed over 92") << -12 << QByteArray::fromHex("78000000") << size_t(512) << uint64_t(1) << "bad CRC";
    }
    void headerSectorChecks()
    {
        QFETCH(int, offset);
        QFETCH(QByteArray, patch);
        QFETCH(size_t, length);
        QFETCH(uint64_t, lba);
        QFETCH(QString, error);
        const Image img = gptImage(512, 2048);
        std::vector<uint8_t> sector(img.begin() + 512, img.begin() + 1024);
        sector[100] = 0x5A;  // outside 92 bytes: only a header that declares it covers it
        std::memcpy(sector.data() + std::abs(offset), patch.constData(), size_t(patch.size()));
        GptHeader h;
        GptHeader::decode(sector, h);
        if (offset >= 0) {
            const uint32_t n = std::min<uint32_t>(std::max<uint32_t>(h.headerSize, 92), 512);
            const uint32_t crc = GptHeader::crcOver(std::span<const uint8_t>(sector).first(n));
            std::memcpy(sector.data() + GptHeader::OffHeaderCrc, &crc, 4);
        }
        std::string why;
        GptHeader out;
        QCOMPARE(GptHeader::checkSector(std::span<const uint8_t>(sector).first(length), lba, out, why), error.isEmpty());
        QVERIFY2(QString::fromStdString(why).contains(error), why.c_str());
        if (error.isEmpty()) {
            // A sealed copy of the record is what is written: 92 bytes, and it checks out again.
            out.sealHeaderCrc();
            std::vector<uint8_t> again(512, 0);
            QVERIFY(out.encode(again));
            QVERIFY(GptHeader::checkSector(again, 1, out, why));
        }
    }

    void entryArrayChecks_data()
    {
        QTest::addColumn<uint32_t>("entrySize");
        QTest::addColumn<uint32_t>("count");
        QTest::addColumn<uint64_t>("entryLba");
        QTest::addColumn<uint64_t>("diskSectors");
        QTest::addColumn<QString>("error");
        QTest::newRow("normal") << 128u << 128u << uint64_t(2) << uint64_t(20480) << QString();
        QTest::newRow("entry size 256") << 256u << 128u << uint64_t(2) << uint64_t(20480) << "entry size 256";
        QTest::newRow("1 MiB + 1 entry") << 128u << 8193u << uint64_t(2) << uint64_t(20480) << "entry count 8193";
        QTest::newRow("into usable area") << 128u << 256u << uint64_t(2) << uint64_t(20480) << "overlaps";
        QTest::newRow("past the disk") << 128u << 128u << uint64_t(30000) << uint64_t(20480) << "outside the disk";
        QTest::newRow("huge LBA") << 128u << 128u << (uint64_t(1) << 62) << uint64_t(0) << "outside the disk";
    }
    void entryArrayChecks()
    {
        QFETCH(uint32_t, entrySize);
        QFETCH(uint32_t, count);
        QFETCH(uint64_t, entryLba);
        QFETCH(uint64_t, diskSectors);
        QFETCH(QString, error);
        GptDisk g;
        QVERIFY(g.create(512, 20480, {}));
        GptHeader h = g.header();
        h.sizeOfPartitionEntry = entrySize;
        h.numberOfEntries = count;
        h.partitionEntryLba = entryLba;
        if (entryLba > 20480)
            h.lastUsableLba = h.firstUsableLba;  // an array behind the usable area, as a backup would be
        std::string why;
        QCOMPARE(h.checkEntryArray(512, diskSectors, why), error.isEmpty());
        QVERIFY2(QString::fromStdString(why).contains(error), why.c_str());
    }

    void entryCodec()
    {
        GptPartitionEntry e;
        GptCodec::setEntryTypeGuid(e, GptCodec::basicDataType());
        e.firstLba = 2048;
        e.lastLba = 4095;
        const QString longName = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789abcd");  // 40
        e.setName(longName.toStdU16String());
        QCOMPARE(QString::fromStdU16String(e.nameText()), longName.left(35));
        uint8_t raw[128] = {};
        QVERIFY(!e.encode(std::span<uint8_t>(raw, 127)));
        QVERIFY(e.encode(raw));
        QCOMPARE(raw[126], uint8_t(0));  // unit 36 is padding

        // Decode honours the stride and refuses a buffer that does not hold every entry; encode packs.
        std::vector<uint8_t> wide(3 * 256, 0);
        std::memcpy(wide.data() + 256, raw, 128);
        std::vector<GptPartitionEntry> parsed;
        QVERIFY(!GptPartitionEntry::decodeArray(std::span<const uint8_t>(wide).first(3 * 256 - 1), 3, 256, parsed));
        QVERIFY(!GptPartitionEntry::decodeArray(wide, 3, 64, parsed));
        QVERIFY(GptPartitionEntry::decodeArray(wide, 3, 256, parsed));
        QVERIFY(!parsed[0].isUsed() && parsed[1].isUsed() && !parsed[2].isUsed());
        QCOMPARE(parsed[1].lastLba, uint64_t(4095));
        const std::vector<uint8_t> packed = GptPartitionEntry::encodeArray(parsed, 3);
        QCOMPARE(packed.size(), size_t(384));
        QVERIFY(std::equal(raw, raw + 128, packed.begin() + 128));
    }

    void mbrCodec()
    {
        std::vector<uint8_t> mbr = MbrCodec::protectiveMbr(204800, 512);
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(mbr.data()) + 446, 16), QByteArray::fromHex("00000200eeffffff01000000ff1f0300"));
        MbrCodec::Entry e;
        QVERIFY(MbrCodec::entry(MbrCodec::protectiveMbr(uint64_t(1) << 33, 4096), 0, e));
        QCOMPARE(e.sectorCount, 0xFFFFFFFFu);
        // Short sectors and slots past 3 are refused, not read past their end.
        QVERIFY(!MbrCodec::hasBootSignature(std::span<const uint8_t>(mbr).first(511)));
        QVERIFY(!MbrCodec::entry(std::span<const uint8_t>(mbr).first(511), 0, e));
        QVERIFY(!MbrCodec::entry(mbr, 4, e) && !MbrCodec::setEntryExtent(mbr, -1, 1, 1));
        QVERIFY(MbrCodec::fitProtective(mbr, 409600));
        QVERIFY(MbrCodec::entry(mbr, 0, e) && e.sectorCount == 409599);
        // A plain MBR is never turned into a protective one.
        MbrCodec::setEntryExtent(mbr, 0, 2048, 1000);
        mbr[446 + MbrCodec::EntOffType] = 0x07;
        const std::vector<uint8_t> plain = mbr;
        QVERIFY(!MbrCodec::fitProtective(mbr, 409600));
        QVERIFY(mbr == plain);
    }

    // Every prefix of a commit leaves a table that loads, holding either the old or the new entry;
    // a damaged copy is rebuilt from the sound one, never re-sealed as it was.
    void commitKeepsASoundCopy_data()
    {
        QTest::addColumn<uint32_t>("ss");
        QTest::addColumn<int>("damage");  // 0 none, 1 primary header field, 2 backup array, 3 disk grown
        QTest::addColumn<QStringList>("order");
        const QStringList backupFirst{"backup partition table", "backup GPT header", "primary partition table", "primary GPT header"};
        const QStringList primaryFirst{"primary partition table", "primary GPT header", "backup partition table", "backup GPT header"};
        QTest::newRow("512 both sound") << 512u << 0 << backupFirst;
        QTest::newRow("4096 primary header damaged") << 4096u << 1 << primaryFirst;
        QTest::newRow("512 backup array damaged") << 512u << 2 << backupFirst;
        QTest::newRow("4096 disk grown") << 4096u << 3 << (QStringList(backupFirst) << "protective MBR");
    }
    void commitKeepsASoundCopy()
    {
        QFETCH(uint32_t, ss);
        QFETCH(int, damage);
        QFETCH(QStringList, order);
        const uint64_t total = (1 << 20) / ss;
        Image img = gptImage(ss, total);
        QVERIFY(!img.empty());
        const uint64_t lastUsable = total - GptCodec::entrySectors(ss) - 2;
        uint64_t diskSectors = total;
        if (damage == 1)
            img[ss + GptHeader::OffLastUsableLba] ^= 0x01;
        if (damage == 2)
            img[(total - 2) * ss + 40] ^= 0xFF;
        if (damage == 3) {
            diskSectors = 2 * total;
            img.resize(diskSectors * ss, 0);
        }

        GptDisk g;
        QVERIFY2(g.load(reader(img), ss, diskSectors), g.lastError().c_str());
        QCOMPARE(g.primarySound(), damage != 1);
        QCOMPARE(g.backupSound(), damage != 2);
        QCOMPARE(g.notes().empty(), damage == 0 || damage == 3);
        QCOMPARE(g.header().lastUsableLba, lastUsable);
        QCOMPARE(QString::fromStdU16String(g.entries()[0].nameText()), QStringLiteral("old"));
        g.entries()[0].setName(u"new");
        if (damage == 3)
            QVERIFY(g.fitToDisk());
        std::vector<GptDisk::Write> plan;
        QVERIFY(g.commitPlan(plan));
        QCOMPARE(whats(plan), order);

        for (size_t k = 0; k <= plan.size(); ++k) {
            Image partial = img;
            apply(partial, plan, k);
            GptDisk h;
            QVERIFY2(h.load(reader(partial), ss, diskSectors), qPrintable(QStringLiteral("after %1 writes: %2").arg(k).arg(h.lastError().c_str())));
            const QString name = QString::fromStdU16String(h.entries()[0].nameText());
            QVERIFY(name == QStringLiteral("old") || name == QStringLiteral("new"));
            if (k < plan.size())
                continue;
            QVERIFY(h.primarySound() && h.backupSound() && h.notes().empty());
            QCOMPARE(name, QStringLiteral("new"));
            QCOMPARE(h.backupLba(), diskSectors - 1);
            QCOMPARE(h.header().lastUsableLba, diskSectors - GptCodec::entrySectors(ss) - 2);
            MbrCodec::Entry pe;
            QVERIFY(MbrCodec::entry(partial, 0, pe));
            QCOMPARE(uint64_t(pe.sectorCount), diskSectors - 1);
        }
    }

    void brokenTablesAreNotEdited()
    {
        Image img = gptImage(512, 2048);
        img[512 + 20] ^= 0xFF;
        img[2047 * 512 + 20] ^= 0xFF;
        GptDisk g;
        QVERIFY(!g.load(reader(img), 512, 2048));
        QVERIFY(g.hasSignature());
        QVERIFY2(g.lastError().find("Neither GPT copy is sound") != std::string::npos, g.lastError().c_str());
        std::vector<GptDisk::Write> plan;
        QVERIFY(!g.commitPlan(plan) && plan.empty());
        QVERIFY(!g.fitToDisk());

        // No GPT at all, and a disk shrunk under its last partition.
        QVERIFY(!g.load(reader(Image(2048 * 512, 0)), 512, 2048));
        QVERIFY(!g.hasSignature());
        img = gptImage(512, 2048);
        QVERIFY(g.load(reader(img), 512, 120));
        QVERIFY(!g.backupSound());
        QVERIFY(!g.commitPlan(plan));
        QVERIFY(!g.fitToDisk());
        QVERIFY2(g.lastError().find("beyond the disk's last usable LBA") != std::string::npos, g.lastError().c_str());
    }

    void planFitLast_data()
    {
        QTest::addColumn<int64_t>("diff");
        QTest::addColumn<int>("strategy");
        QTest::addColumn<bool>("recoveryBehind");
        QTest::addColumn<bool>("needs");
        QTest::addColumn<bool>("can");
        QTest::addColumn<int64_t>("deltaSectors");
        QTest::newRow("grow 10 GiB") << int64_t(10737418240) << 1 << false << true << true << int64_t(20971520);
        QTest::newRow("1 byte under 1 MiB smaller") << int64_t(-1048575) << 3 << false << false << true << int64_t(0);
        QTest::newRow("1 MiB smaller") << int64_t(-1048576) << 3 << false << true << true << int64_t(-2048);
        QTest::newRow("recovery behind") << int64_t(10737418240) << 1 << true << false << false << int64_t(0);
        QTest::newRow("below minimum") << int64_t(-400000000000) << 3 << false << false << false << int64_t(0);
        QTest::newRow("too small") << int64_t(-500000000000) << 3 << false << false << false << int64_t(0);
    }
    void planFitLast()
    {
        QFETCH(int64_t, diff);
        QFETCH(int, strategy);
        QFETCH(bool, recoveryBehind);
        QFETCH(bool, needs);
        QFETCH(bool, can);
        QFETCH(int64_t, deltaSectors);
        const uint64_t sourceSize = 500107862016;
        auto parts = windowsLayout(sourceSize / 512, recoveryBehind);
        parts[2].usedSpace = 150ull << 30;
        PartitionResizer r;
        const auto plan = r.calculateResizePlan(disk(sourceSize), disk(uint64_t(int64_t(sourceSize) + diff)), parts, strategy);
        QCOMPARE(plan.size(), parts.size());
        for (int i = 0; i < plan.size(); ++i)
            QVERIFY(plan[i].partitionIndex == i && (i == 2 || !plan[i].needsResize));
        const ResizePlanEntry& w = plan[2];  // the Windows partition is the one chosen
        QCOMPARE(w.needsResize, needs);
        QCOMPARE(w.canResize, can);
        QCOMPARE(w.newStartSector, parts[2].startSector);
        if (needs)
            QCOMPARE(int64_t(w.newSectorCount) - int64_t(parts[2].sectorCount), deltaSectors);
    }

    void shrinkAndFourKTargets()
    {
        // Target 10 GiB smaller, but the last partition ends 20 GiB before the source's end: nothing to cut.
        QList<PartitionInfo> parts{part(QStringLiteral("C"), 2048, 100000000)};
        parts[0].usedSpace = 1ull << 30;
        PartitionResizer r;
        auto plan = r.calculateResizePlan(disk(100000000ull * 512 + (20ull << 30)),
                                          disk(100000000ull * 512 + (10ull << 30)), parts, PartitionResizer::ShrinkLast);
        QVERIFY(!plan[0].needsResize && plan[0].canResize);
        // Target ending 1 MiB inside the partition: exactly that much goes.
        const uint64_t end = (2048 + 100000000ull) * 512;
        plan = r.calculateResizePlan(disk(end + (5ull << 30)), disk(end - 1048576 + 33 * 512), parts, PartitionResizer::ShrinkLast);
        QCOMPARE(plan[0].newSectorCount, 100000000ull - 2048);

        // On 4096-byte sectors the count stays whole sectors and clear of the 5-sector GPT reserve.
        parts = {part(QStringLiteral("C"), 2048, 1000000)};
        const uint64_t source = (2048 + 1000000 + 40) * 512ull;
        plan = r.calculateResizePlan(disk(source), disk(source + 1048576 + 4 * 512, 4096), parts, PartitionResizer::ExpandLast);
        QVERIFY(plan[0].needsResize);
        QCOMPARE(plan[0].newSectorCount % 8, uint64_t(0));
        QVERIFY(plan[0].newStartSector + plan[0].newSectorCount <= (source + 1048576 + 2048) / 512 - 40);
    }

    // Proportional: nothing may move or run into a kept partition.
    void planProportional()
    {
        PartitionResizer r;
        const uint64_t src = 100ull << 30;
        QList<PartitionInfo> simple{part(QStringLiteral("EFI"), 2048, 204800, Efi), part(QStringLiteral("MSR"), 206848, 32768, Msr),
                                    part(QStringLiteral("C"), 239616, 40000000)};
        auto plan = r.calculateResizePlan(disk(src), disk(2 * src), simple, PartitionResizer::Proportional);
        QVERIFY(!plan[0].needsResize && !plan[1].needsResize);
        QVERIFY(plan[2].needsResize && plan[2].canResize);
        QCOMPARE(plan[2].newStartSector, uint64_t(239616));
        QCOMPARE(plan[2].newSectorCount, uint64_t(80000000));

        // Growing the first of two data partitions would move the second: refused, and the executor refuses the plan.
        QList<PartitionInfo> two{part(QStringLiteral("D1"), 2048, 10000000), part(QStringLiteral("D2"), 10002048, 10000000)};
        plan = r.calculateResizePlan(disk(src), disk(2 * src), two, PartitionResizer::Proportional);
        QVERIFY(plan[0].canResize);
        QVERIFY(plan[1].needsResize && !plan[1].canResize);
        DiskIO unopened;
        QVERIFY(!r.executeResize(unopened, plan, 2 * src, 512));
        QVERIFY(r.lastError().contains(QStringLiteral("D2")));

        QList<PartitionInfo> rec{part(QStringLiteral("C"), 2048, 10000000), part(QStringLiteral("R"), 10002048, 1000000, Recovery)};
        plan = r.calculateResizePlan(disk(src), disk(2 * src), rec, PartitionResizer::Proportional);
        QVERIFY(plan[0].needsResize && !plan[0].canResize);
    }

    void dataPartitionPlacement()
    {
        QCOMPARE(PartitionResizer::dataPartitionStart(1000001, 512, true), uint64_t(1002056));
        QCOMPARE(PartitionResizer::dataPartitionStart(1000001, 512, false), uint64_t(1002049));
        // A 4096-byte sector is already 4 KiB aligned, flag or not.
        QCOMPARE(PartitionResizer::dataPartitionStart(1000001, 4096, false), uint64_t(1002056));
        QCOMPARE(PartitionResizer::dataPartitionEnd(1000000ull * 512, 512), uint64_t(1000000 - 34));
        QCOMPARE(PartitionResizer::dataPartitionEnd(125000ull * 4096, 4096), uint64_t((125000 - 6) * 8));
    }

    // The extended-partition script first, the primary one as fall-back; unsafe labels never reach diskpart.
    void mbrDataPartitionScripts()
    {
        ScriptedCommandRunner runner;
        ScopedCommandRunner scope(&runner);
        runner.enqueue(0, "DiskPart has encountered an ERROR: The extended partition could not be made.");
        runner.enqueue(0, "DiskPart successfully formatted the volume.");
        PartitionResizer r;
        QVERIFY(r.createMbrDataPartition(3, 1002056, 4194304, 512, QStringLiteral("Data")));
        const auto calls = runner.calls();
        QCOMPARE(calls.size(), 2);
        QVERIFY(calls[0].scriptText.contains(QStringLiteral("select disk 3\ncreate partition extended offset=501028 size=2048")));
        QVERIFY(calls[1].scriptText.contains(QStringLiteral("create partition primary offset=501028 size=2048")));

        runner.clear();
        runner.enqueue(0, "Virtual Disk Service: The operation Failed.");
        runner.enqueue(1, "");
        QVERIFY(!r.createMbrDataPartition(3, 2048, 4194304, 512, QStringLiteral("Data")));
        runner.clear();
        QVERIFY(!r.createMbrDataPartition(3, 2048, 4194304, 512, QStringLiteral("x\nclean")));
        QVERIFY(runner.calls().isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestPartitionCodec)
#include "test_partitioncodec.moc"
