// Byte-level tests of the GPT/MBR codecs, the GPT model's load and commit order, and the resize planner.
#include "core/diskio.h"
#include "common/logcapture.h"
#include "common/memoryplatform.h"
#include "ondisk/mbrcodec.h"
#include "partition/gptcodec.h"
#include "partition/gptdisk.h"
#include "partition/partitionresizer.h"
#include "partition/partitiontable.h"

#include <QTest>
#include <cstring>

namespace {
const QString Msr = QStringLiteral("{E3C9E316-0B5C-4DB8-817D-F92DF00215AE}");
const QString Basic = QStringLiteral("{EBD0A0A2-B9E5-4433-87C0-68B6B72699C7}");
const QString Efi = QStringLiteral("{C12A7328-F81F-11D2-BA4B-00A0C93EC93B}");
const QString Recovery = QStringLiteral("{DE94BBA4-06D1-4D40-A16A-BFD50179D6AC}");

PartitionInfo part(uint64_t start, uint64_t count, const QString& type = Basic)
{
    PartitionInfo p;
    p.start512 = start;
    p.count512 = count;
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
    const uint64_t windowsEnd = total - 33 - (recoveryBehind ? 1048576 : 0);
    QList<PartitionInfo> list{part(2048, 204800, Efi), part(206848, 32768, Msr), part(239616, windowsEnd - 239616)};
    if (recoveryBehind)
        list << part(windowsEnd, 1048576, Recovery);
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

} // namespace

class TestPartitionCodec : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;
    LogCapture m_log;

private slots:
    void initTestCase() { m_log.init(m_dir); }

    void guidByteOrder()
    {
        uint8_t bytes[16];
        GptCodec::guidToGptBytes(GptCodec::efiSystemType(), bytes);
        QCOMPARE(QByteArray(reinterpret_cast<char*>(bytes), 16), QByteArray::fromHex("28732ac11ff8d211ba4b00a0c93ec93b"));
        QCOMPARE(GptCodec::gptBytesToGuid(bytes), GptCodec::efiSystemType());
    }

    // The header CRC covers HeaderSize bytes, whatever that size is; everything else makes the sector untrusted.
    void headerSectorChecks()
    {
        struct Case { const char* name; int offset; QByteArray patch; uint64_t lba; const char* error; };  // offset < 0: not resealed
        const QByteArray size120 = QByteArray::fromHex("78000000");
        for (const Case& c : {Case{"sound", 0, {}, 1, ""}, Case{"120-byte header, tail under CRC", 12, size120, 1, ""},
                              Case{"signature", 0, "EFI PARX", 1, "no GPT signature"}, Case{"wrong LBA", 0, {}, 7, "names itself LBA 1"},
                              Case{"size 91", 12, QByteArray::fromHex("5b000000"), 1, "invalid size"},
                              Case{"size past sector", 12, QByteArray::fromHex("01020000"), 1, "invalid size"},
                              Case{"120-byte header sealed over 92", -12, size120, 1, "bad CRC"}}) {
            const Image img = gptImage(512, 2048);
            std::vector<uint8_t> sector(img.begin() + 512, img.begin() + 1024);
            sector[100] = 0x5A;  // outside 92 bytes: only a header that declares it covers it
            std::memcpy(sector.data() + std::abs(c.offset), c.patch.constData(), size_t(c.patch.size()));
            GptHeader h;
            GptHeader::decode(sector, h);
            if (c.offset >= 0) {
                const uint32_t n = std::min<uint32_t>(std::max<uint32_t>(h.headerSize, 92), 512);
                const uint32_t crc = GptHeader::crcOver(std::span<const uint8_t>(sector).first(n));
                std::memcpy(sector.data() + GptHeader::OffHeaderCrc, &crc, 4);
            }
            std::string why;
            const bool ok = GptHeader::checkSector(sector, c.lba, h, why);
            QVERIFY2(ok == !*c.error && why.find(c.error) != std::string::npos, c.name);
        }
    }

    // An entry array of another entry size, over 1 MiB, inside the usable area or off the disk is refused.
    void entryArrayChecks()
    {
        struct Case { uint32_t entrySize, count; uint64_t entryLba, diskSectors; const char* error; };
        for (const Case& c : {Case{128, 128, 2, 20480, ""}, Case{256, 128, 2, 20480, "entry size 256"},
                              Case{128, 8193, 2, 20480, "entry count 8193"}, Case{128, 256, 2, 20480, "overlaps"},
                              Case{128, 128, 30000, 20480, "outside the disk"}, Case{128, 128, uint64_t(1) << 62, 0, "outside the disk"}}) {
            GptDisk g;
            QVERIFY(g.create(512, 20480, {}));
            GptHeader h = g.header();
            h.sizeOfPartitionEntry = c.entrySize;
            h.numberOfEntries = c.count;
            h.partitionEntryLba = c.entryLba;
            if (c.entryLba > 20480)
                h.lastUsableLba = h.firstUsableLba;  // an array behind the usable area, as a backup would be
            std::string why;
            QVERIFY2(h.checkEntryArray(512, c.diskSectors, why) == !*c.error && why.find(c.error) != std::string::npos, why.c_str());
        }
    }

    // Names are cut to 35 units plus a terminator; a plain MBR is never turned into a protective one.
    void entryAndMbrCodecs()
    {
        GptPartitionEntry e;
        const QString longName = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789abcd");  // 40
        e.setName(longName.toStdU16String());
        QCOMPARE(QString::fromStdU16String(e.nameText()), longName.left(35));

        MbrCodec::Entry m;
        QVERIFY(MbrCodec::entry(MbrCodec::protectiveMbr(uint64_t(1) << 33, 4096), 0, m));
        QCOMPARE(m.sectorCount, 0xFFFFFFFFu);
        std::vector<uint8_t> mbr = MbrCodec::protectiveMbr(204800, 512);
        QVERIFY(!MbrCodec::entry(mbr, 4, m) && !MbrCodec::setEntryExtent(mbr, -1, 1, 1));
        QVERIFY(MbrCodec::fitProtective(mbr, 409600));
        QVERIFY(MbrCodec::entry(mbr, 0, m) && m.sectorCount == 409599);
        MbrCodec::setEntryExtent(mbr, 0, 2048, 1000);
        mbr[446 + MbrCodec::EntOffType] = 0x07;
        const std::vector<uint8_t> plain = mbr;
        QVERIFY(!MbrCodec::fitProtective(mbr, 409600) && mbr == plain);
    }

    // Every prefix of a commit leaves a table that loads, holding either the old or the new entry;
    // a damaged copy is rebuilt from the sound one, never re-sealed as it was.
    void commitKeepsASoundCopy_data()
    {
        QTest::addColumn<uint32_t>("ss");
        QTest::addColumn<int>("damage");  // 0 none, 1 primary header field, 2 backup array, 3 disk grown
        QTest::newRow("512 both sound") << 512u << 0;
        QTest::newRow("4096 primary header damaged") << 4096u << 1;
        QTest::newRow("512 backup array damaged") << 512u << 2;
        QTest::newRow("4096 disk grown") << 4096u << 3;
    }
    void commitKeepsASoundCopy()
    {
        QFETCH(uint32_t, ss);
        QFETCH(int, damage);
        const uint64_t total = (1 << 20) / ss;
        const uint64_t diskSectors = damage == 3 ? 2 * total : total;
        Image img = gptImage(ss, total);
        QVERIFY(!img.empty());
        img.resize(diskSectors * ss, 0);
        if (damage == 1)
            img[ss + GptHeader::OffLastUsableLba] ^= 0x01;
        if (damage == 2)
            img[(total - 2) * ss + 40] ^= 0xFF;

        GptDisk g;
        QVERIFY2(g.load(reader(img), ss, diskSectors), g.lastError().c_str());
        QVERIFY(g.primarySound() == (damage != 1) && g.backupSound() == (damage != 2));
        QCOMPARE(g.header().lastUsableLba, total - GptCodec::entrySectors(ss) - 2);
        g.entries()[0].setName(u"new");
        std::vector<GptDisk::Write> plan;
        QVERIFY((damage != 3 || g.fitToDisk()) && g.commitPlan(plan));

        for (size_t k = 0; k <= plan.size(); ++k) {
            Image partial = img;
            apply(partial, plan, k);
            GptDisk h;
            QVERIFY2(h.load(reader(partial), ss, diskSectors), qPrintable(QStringLiteral("after %1 writes: %2").arg(k).arg(h.lastError().c_str())));
            const QString name = QString::fromStdU16String(h.entries()[0].nameText());
            QVERIFY(name == QStringLiteral("old") || name == QStringLiteral("new"));
            if (k < plan.size())
                continue;
            QVERIFY(h.primarySound() && h.backupSound() && h.notes().empty() && name == QStringLiteral("new"));
            QCOMPARE(h.header().lastUsableLba, diskSectors - GptCodec::entrySectors(ss) - 2);
            MbrCodec::Entry pe;
            QVERIFY(MbrCodec::entry(partial, 0, pe) && pe.sectorCount == diskSectors - 1);
        }
    }

    // A commit stops at the first write or flush that fails and says so; a header never counts as
    // written before the flush behind it has succeeded.
    void commitStopsAtTheFirstFailure()
    {
        struct Case { const char* name; int failWrite, failFlush; bool ok; int writes, flushes; const char* error; };
        // The plan of a sound table: backup array, backup header, primary array, primary header.
        for (const Case& c : {Case{"all succeed", -1, -1, true, 4, 2, ""},
                              Case{"backup array", 0, -1, false, 1, 0, "write the backup partition table"},
                              Case{"flush behind the backup header", -1, 0, false, 2, 1, "flush the disk after writing the backup GPT header"},
                              Case{"primary header", 3, -1, false, 4, 1, "write the primary GPT header"},
                              Case{"last flush", -1, 1, false, 4, 2, "flush the disk after writing the primary GPT header"}}) {
            Image img = gptImage(512, 2048);
            GptTable g;
            QVERIFY(g.load(reader(img), 512, 2048));
            int writes = 0, flushes = 0;
            const auto write = [&](uint64_t offset, uint64_t length, const uint8_t* bytes) {
                if (writes++ == c.failWrite)
                    return false;
                std::memcpy(img.data() + offset, bytes, length);
                return true;
            };
            const bool ok = g.commit(write, [&] { return flushes++ != c.failFlush; });
            QVERIFY2(ok == c.ok && writes == c.writes && flushes == c.flushes, c.name);
            QVERIFY2(g.lastError().find(c.error) != std::string::npos, c.name);
        }
    }

    // Through a DiskIO: a disk that cannot flush gets no table reported as written.
    void flushFailureFailsTheDiskCommit()
    {
        MemoryPlatform mp;
        const int n = mp.addDisk(1 << 20);
        ScopedPlatform scope(&mp);
        for (const bool flushFails : {false, true}) {
            mp.disk(n).flushFails = flushFails;
            mp.clearRecords();
            DiskIO io;
            QVERIFY(io.openTargetDisk(n));
            QCOMPARE(PartitionTable::initializeGpt(io, 1 << 20, 512), !flushFails);
            // Nothing is written behind the first header whose flush failed.
            QCOMPARE(mp.writes(n).size(), flushFails ? size_t(2) : size_t(5));
        }
    }

    // A disk shrunk under its last partition gets no plan (both copies broken: see the disk test).
    void shrunkDiskIsNotEdited()
    {
        const Image img = gptImage(512, 2048);
        GptDisk g;
        std::vector<GptDisk::Write> plan;
        QVERIFY(g.load(reader(img), 512, 120) && !g.backupSound());
        QVERIFY(!g.commitPlan(plan) && plan.empty() && !g.fitToDisk());
        QVERIFY(!g.load(reader(Image(2048 * 512, 0)), 512, 2048) && !g.hasSignature());
    }

    // The last data partition takes the difference; a partition behind it, or too little room, stops it.
    void planFitLast()
    {
        struct Case { const char* name; int64_t diff; bool recoveryBehind, needs, can; };
        const uint64_t sourceSize = 500107862016;
        for (const Case& c : {Case{"grow 10 GiB", 10737418240, false, true, true}, Case{"1 byte under 1 MiB smaller", -1048575, false, false, true},
                              Case{"1 MiB smaller", -1048576, false, true, true}, Case{"recovery behind", 10737418240, true, false, false},
                              Case{"below minimum", -400000000000, false, false, false}, Case{"too small", -500000000000, false, false, false}}) {
            auto parts = windowsLayout(sourceSize / 512, c.recoveryBehind);
            parts[2].usedSpace = 150ull << 30;
            PartitionResizer r;
            const uint64_t targetSize = uint64_t(int64_t(sourceSize) + c.diff);
            const auto plan = r.calculateResizePlan(disk(sourceSize), disk(targetSize), parts,
                                                    c.diff > 0 ? PartitionResizer::ExpandLast : PartitionResizer::ShrinkLast);
            QCOMPARE(plan.size(), parts.size());
            for (int i = 0; i < plan.size(); ++i)
                QVERIFY2(plan[i].partitionIndex == i && (i == 2 || !plan[i].needsResize), c.name);
            const ResizePlanEntry& w = plan[2];  // the Windows partition is the one chosen
            QVERIFY2(w.needsResize == c.needs && w.canResize == c.can && w.newStartSector == parts[2].start512, c.name);
            // It ends where the new disk's usable area ends.
            QVERIFY2(!c.needs || w.newStartSector + w.newSectorCount == targetSize / 512 - 33, c.name);
        }
    }

    // Nothing to cut when the last partition ends well before the smaller target's end; on 4096-byte
    // sectors the count stays whole sectors and clear of the 5-sector GPT reserve; proportional growth
    // moves nothing and runs into no kept partition, and the executor refuses a plan that would.
    void otherStrategies()
    {
        PartitionResizer r;
        auto plan = r.calculateResizePlan(disk(100000000ull * 512 + (20ull << 30)), disk(100000000ull * 512 + (10ull << 30)),
                                          {part(2048, 100000000)}, PartitionResizer::ShrinkLast);
        QVERIFY(!plan[0].needsResize && plan[0].canResize);
        const uint64_t source = (2048 + 1000000 + 40) * 512ull;
        plan = r.calculateResizePlan(disk(source), disk(source + 1048576 + 4 * 512, 4096), {part(2048, 1000000)}, PartitionResizer::ExpandLast);
        QVERIFY(plan[0].needsResize && plan[0].newSectorCount % 8 == 0);
        QVERIFY(plan[0].newStartSector + plan[0].newSectorCount <= (source + 1048576 + 2048) / 512 - 40);

        const uint64_t src = 100ull << 30;
        plan = r.calculateResizePlan(disk(src), disk(2 * src), windowsLayout(src / 512, false), PartitionResizer::Proportional);
        QVERIFY(!plan[0].needsResize && !plan[1].needsResize && plan[2].needsResize && plan[2].canResize);
        QCOMPARE(plan[2].newStartSector, uint64_t(239616));
        plan = r.calculateResizePlan(disk(src), disk(2 * src), {part(2048, 10000000), part(10002048, 10000000)}, PartitionResizer::Proportional);
        QVERIFY(plan[0].canResize && plan[1].needsResize && !plan[1].canResize);
        DiskIO unopened;
        QVERIFY(!r.executeResize(unopened, plan, 2 * src, 512));
        plan = r.calculateResizePlan(disk(src), disk(2 * src), {part(2048, 10000000), part(10002048, 1000000, Recovery)},
                                     PartitionResizer::Proportional);
        QVERIFY(plan[0].needsResize && !plan[0].canResize);
    }
};

QTEST_GUILESS_MAIN(TestPartitionCodec)
#include "test_partitioncodec.moc"
