// Byte-level tests of the GPT/MBR/NTFS layouts, the resize planner and the diskpart scripts.
#include "core/diskio.h"
#include "core/scriptedcommandrunner.h"
#include "common/logcapture.h"
#include "partition/gptcodec.h"
#include "partition/partitionresizer.h"
#include "partition/partitiontable.h"
#include "platformtools/diskpartscript.h"
#include "ondisk/byteorder.h"
#include "ondisk/crc32.h"
#include "ondisk/mbrcodec.h"

#include <QSignalSpy>
#include <QTest>

namespace {
const QString Msr = QStringLiteral("{E3C9E316-0B5C-4DB8-817D-F92DF00215AE}");
const QString Basic = QStringLiteral("{EBD0A0A2-B9E5-4433-87C0-68B6B72699C7}");
const QString Efi = QStringLiteral("{C12A7328-F81F-11D2-BA4B-00A0C93EC93B}");
const QString Recovery = QStringLiteral("{DE94BBA4-06D1-4D40-A16A-BFD50179D6AC}");

PartitionInfo part(const QString& label, uint64_t start, uint64_t count, const QString& type = Basic)
{
    PartitionInfo p;
    p.diskNumber = 1;
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
    d.diskNumber = 0;
    d.size = size;
    d.sectorSize = sectorSize;
    return d;
}

// A typical Windows layout on a 512-byte disk of `total` sectors whose last partition fills the usable area.
QList<PartitionInfo> windowsLayout(uint64_t total, bool recoveryBehind)
{
    QList<PartitionInfo> list{part(QStringLiteral("EFI"), 2048, 204800, Efi),
                              part(QStringLiteral("MSR"), 206848, 32768, Msr)};
    const uint64_t usableEnd = total - 33;
    if (recoveryBehind) {
        list << part(QStringLiteral("Windows"), 239616, usableEnd - 239616 - 1048576)
             << part(QStringLiteral("Recovery"), usableEnd - 1048576, 1048576, Recovery);
    } else {
        list << part(QStringLiteral("Windows"), 239616, usableEnd - 239616);
    }
    return list;
}
} // namespace

class TestPartitionCodec : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;
    LogCapture m_log;

private slots:
    void initTestCase() { m_log.init(m_dir); }

    void crcMatchesReferenceVectors()
    {
        QCOMPARE(Crc32::compute("123456789", 9), 0xCBF43926u);
        const QByteArray zeros(16384, '\0');
        QCOMPARE(Crc32::compute(zeros.constData(), size_t(zeros.size())), 0xAB54D286u);
        QCOMPARE(PartitionTable::crc32("x", 0), 0u);
    }

    void guidUsesMixedEndianOrder()
    {
        uint8_t bytes[16];
        PartitionTable::guidToGptBytes(GptCodec::efiSystemType(), bytes);
        const QByteArray expected = QByteArray::fromHex("28732ac11ff8d211ba4b00a0c93ec93b");
        QCOMPARE(QByteArray(reinterpret_cast<char*>(bytes), 16), expected);
        QCOMPARE(GptCodec::gptBytesToGuid(bytes), GptCodec::efiSystemType());
    }

    void freshHeaderGeometry_data()
    {
        QTest::addColumn<uint32_t>("sectorSize");
        QTest::addColumn<uint64_t>("total");
        QTest::addColumn<uint64_t>("firstUsable");
        QTest::addColumn<uint64_t>("lastUsable");
        QTest::addColumn<uint64_t>("backupEntries");
        QTest::newRow("512") << 512u << uint64_t(204800) << uint64_t(34) << uint64_t(204800 - 34) << uint64_t(204800 - 33);
        QTest::newRow("4096") << 4096u << uint64_t(25600) << uint64_t(6) << uint64_t(25600 - 6) << uint64_t(25600 - 5);
    }
    void freshHeaderGeometry()
    {
        QFETCH(uint32_t, sectorSize);
        QFETCH(uint64_t, total);
        QFETCH(uint64_t, firstUsable);
        QFETCH(uint64_t, lastUsable);
        QFETCH(uint64_t, backupEntries);
        const GptHeader h = GptCodec::newHeader(total, sectorSize, QUuid::createUuid());
        QCOMPARE(h.firstUsableLba, firstUsable);
        QCOMPARE(h.lastUsableLba, lastUsable);
        QCOMPARE(h.alternateLba, total - 1);
        const GptHeader b = h.makeBackup(total - 1, total - GptCodec::entrySectors(sectorSize) - 1);
        QCOMPARE(b.partitionEntryLba, backupEntries);
        QCOMPARE(b.alternateLba, uint64_t(1));
        QCOMPARE(b.headerCrc32, b.computeHeaderCrc());
        QVERIFY(b.headerCrc32 != h.headerCrc32);

        // Encoded at the documented offsets, and the CRC covers the bytes with the field zeroed.
        QByteArray bytes = GptCodec::headerBytes(h);
        QCOMPARE(bytes.left(8), QByteArray("EFI PART"));
        const auto* p = reinterpret_cast<const uint8_t*>(bytes.constData());
        QCOMPARE(ByteOrder::get32(p + 8), 0x00010000u);
        QCOMPARE(ByteOrder::get32(p + 12), 92u);
        QCOMPARE(ByteOrder::get64(p + 48), lastUsable);
        QCOMPARE(ByteOrder::get32(p + 80), 128u);
        QCOMPARE(ByteOrder::get32(p + 88), 0xAB54D286u);
        QCOMPARE(GptCodec::headerBytes(GptHeader::decode(p)), GptCodec::headerBytes(h));
        const uint32_t stored = ByteOrder::get32(p + 16);
        bytes[16] = bytes[17] = bytes[18] = bytes[19] = 0;
        QCOMPARE(Crc32::compute(bytes.constData(), 92), stored);
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
        QTest::newRow("no entries") << 128u << 0u << uint64_t(2) << uint64_t(20480) << "no partition entries";
        QTest::newRow("1 MiB + 1 entry") << 128u << 8193u << uint64_t(2) << uint64_t(20480) << "too large";
        QTest::newRow("into usable area") << 128u << 256u << uint64_t(2) << uint64_t(20480) << "overlaps";
        QTest::newRow("over LBA 1") << 128u << 128u << uint64_t(1) << uint64_t(20480) << "overlaps";
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
        GptHeader h = GptCodec::newHeader(20480, 512, QUuid::createUuid());
        h.sizeOfPartitionEntry = entrySize;
        h.numberOfEntries = count;
        h.partitionEntryLba = entryLba;
        if (entryLba > 20480)
            h.lastUsableLba = h.firstUsableLba;  // an array behind the usable area, as a backup would be
        std::string why;
        QCOMPARE(h.checkEntryArray(512, diskSectors, why), error.isEmpty());
        QVERIFY2(QString::fromStdString(why).contains(error), why.c_str());
    }

    void entryNameAndFields()
    {
        GptPartitionEntry e;
        QVERIFY(!e.isUsed());
        GptCodec::setEntryTypeGuid(e, GptCodec::basicDataType());
        e.firstLba = 2048;
        e.lastLba = 4095;
        e.attributes = 0x8000000000000001ull;
        const QString longName = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789abcd");  // 40
        e.setName(longName.toStdU16String());
        QCOMPARE(QString::fromStdU16String(e.nameText()), longName.left(35));
        uint8_t raw[128] = {};
        e.encode(raw);
        QCOMPARE(ByteOrder::get64(raw + 32), uint64_t(2048));
        QCOMPARE(ByteOrder::get64(raw + 40), uint64_t(4095));
        QCOMPARE(ByteOrder::get64(raw + 48), 0x8000000000000001ull);
        QCOMPARE(ByteOrder::get16(raw + 56), uint16_t('A'));
        QCOMPARE(ByteOrder::get16(raw + 56 + 70), uint16_t(0));  // unit 36 is padding
        QVERIFY(GptPartitionEntry::decode(raw).isUsed());
        QCOMPARE(GptCodec::gptBytesToGuid(GptPartitionEntry::decode(raw).typeGuid.data()), GptCodec::basicDataType());

        // Parse honours the stride; serialise always packs 128-byte entries.
        QByteArray wide(3 * 256, '\0');
        std::memcpy(wide.data() + 256, raw, 128);
        const auto parsed = GptCodec::parseEntries(wide, 3, 256);
        QVERIFY(!parsed[0].isUsed() && parsed[1].isUsed() && !parsed[2].isUsed());
        const QByteArray packed = GptCodec::serializeEntries(parsed, 3);
        QCOMPARE(packed.size(), 384);
        QCOMPARE(packed.mid(128, 128), QByteArray(reinterpret_cast<char*>(raw), 128));
    }

    void overlapIsInclusive()
    {
        QList<GptPartitionEntry> entries(4);
        GptCodec::setEntryTypeGuid(entries[2], GptCodec::basicDataType());
        entries[2].firstLba = 100;
        entries[2].lastLba = 199;
        QCOMPARE(GptCodec::findOverlap(entries, 50, 100), 2);   // touches in one sector
        QCOMPARE(GptCodec::findOverlap(entries, 199, 300), 2);
        QCOMPARE(GptCodec::findOverlap(entries, 200, 300), -1);
        QCOMPARE(GptCodec::findOverlap(entries, 50, 99), -1);
        QCOMPARE(GptCodec::findOverlap(entries, 120, 130, 2), -1);  // the entry itself is skipped
    }

    void protectiveAndPlainMbr()
    {
        std::vector<uint8_t> mbr = MbrCodec::protectiveMbr(204800, 512);
        uint8_t* s = mbr.data();
        const auto bytesAt = [&](int at, int n) { return QByteArray(reinterpret_cast<const char*>(s + at), n); };
        QVERIFY(MbrCodec::hasBootSignature(s));
        QCOMPARE(bytesAt(446, 16), QByteArray::fromHex("00000200eeffffff01000000ff1f0300"));
        QCOMPARE(MbrCodec::entry(MbrCodec::protectiveMbr(uint64_t(1) << 33, 4096).data(), 0).sectorCount, 0xFFFFFFFFu);
        QCOMPARE(MbrCodec::protectiveMbr(100, 4096).size(), size_t(4096));

        MbrCodec::setEntryExtent(s, 2, 0x01020304u, 0x0A0B0C0Du);
        QCOMPARE(bytesAt(446 + 32 + 5, 11), QByteArray::fromHex("feffff040302010d0c0b0a"));
        s[511] = 0;
        QVERIFY(!MbrCodec::hasBootSignature(s));
    }

    void minimumSize()
    {
        PartitionInfo p = part(QStringLiteral("a"), 2048, 2097152);
        p.usedSpace = 50ull << 20;
        QCOMPARE(PartitionResizer::minimumPartitionSize(p), uint64_t(104857600));
        p.usedSpace = 0;
        p.size = 1ull << 30;
        QCOMPARE(PartitionResizer::minimumPartitionSize(p), uint64_t(107374182));
        p.usedSpace = 200ull << 20;
        QCOMPARE(PartitionResizer::minimumPartitionSize(p), uint64_t(230686720));
    }

    void planKeepAndSimilar()
    {
        PartitionResizer r;
        const auto parts = windowsLayout(976773168, false);
        m_log.mark();
        auto plan = r.calculateResizePlan(disk(500107862016), disk(900000000000), parts, PartitionResizer::KeepSizes);
        QVERIFY(m_log.since().contains(QStringLiteral("Keep original partition sizes")));
        QVERIFY(!m_log.since().contains(QStringLiteral("similar")));
        for (const auto& e : plan)
            QVERIFY(!e.needsResize && e.description == QStringLiteral("Keep original size"));

        plan = r.calculateResizePlan(disk(500107862016), disk(500108000000), parts, PartitionResizer::ExpandLast);
        for (const auto& e : plan)
            QVERIFY(!e.needsResize && e.description == QStringLiteral("No resize needed"));
        plan = r.calculateResizePlan(disk(500107862016), disk(600107862016), parts, 9);
        QCOMPARE(plan.size(), 3);
        for (const auto& e : plan)
            QVERIFY(!e.needsResize && e.description == QStringLiteral("No resize requested"));
    }

    void planFitLast_data()
    {
        QTest::addColumn<int64_t>("diff");
        QTest::addColumn<bool>("recoveryBehind");
        QTest::addColumn<bool>("needs");
        QTest::addColumn<bool>("can");
        QTest::addColumn<int64_t>("deltaSectors");
        QTest::addColumn<QString>("description");
        QTest::newRow("grow 10 GiB") << int64_t(10737418240) << false << true << true << int64_t(20971520)
                                     << "Expand by 10737418240 bytes";
        QTest::newRow("1 byte under 1 MiB smaller") << int64_t(-1048575) << false << false << true << int64_t(0)
                                                    << "No resize needed";
        QTest::newRow("1 MiB smaller") << int64_t(-1048576) << false << true << true << int64_t(-2048)
                                       << "Shrink by 1048576 bytes";
        QTest::newRow("recovery behind") << int64_t(10737418240) << true << false << false << int64_t(0)
                                         << "Cannot expand into partition Recovery";
        QTest::newRow("below minimum") << int64_t(-400000000000) << false << false << false << int64_t(0)
                                       << "Cannot shrink below minimum size";
        QTest::newRow("too small") << int64_t(-500000000000) << false << false << false << int64_t(0)
                                   << "Target disk is too small";
    }
    void planFitLast()
    {
        QFETCH(int64_t, diff);
        QFETCH(bool, recoveryBehind);
        QFETCH(bool, needs);
        QFETCH(bool, can);
        QFETCH(int64_t, deltaSectors);
        QFETCH(QString, description);
        const uint64_t sourceSize = 500107862016;
        auto parts = windowsLayout(sourceSize / 512, recoveryBehind);
        parts[2].usedSpace = 150ull << 30;
        PartitionResizer r;
        const auto plan = r.calculateResizePlan(disk(sourceSize), disk(uint64_t(int64_t(sourceSize) + diff)), parts,
                                                diff > 0 ? PartitionResizer::ExpandLast : PartitionResizer::ShrinkLast);
        QCOMPARE(plan.size(), parts.size());
        for (int i = 0; i < plan.size(); ++i) {
            QCOMPARE(plan[i].partitionIndex, i);
            if (i != 2)
                QVERIFY(!plan[i].needsResize);
        }
        const ResizePlanEntry& w = plan[2];  // the Windows partition is the one chosen
        QCOMPARE(w.needsResize, needs);
        QCOMPARE(w.canResize, can);
        QVERIFY2(w.description.startsWith(description), qPrintable(w.description));
        QCOMPARE(w.newStartSector, parts[2].startSector);
        if (needs) {
            QCOMPARE(int64_t(w.newSectorCount) - int64_t(parts[2].sectorCount), deltaSectors);
            QCOMPARE(w.newSize, w.newSectorCount * 512);
        }
    }

    void shrinkCutsOnlyWhatDoesNotFit()
    {
        // Target 10 GiB smaller, but the last partition ends 20 GiB before the source's end.
        QList<PartitionInfo> parts{part(QStringLiteral("C"), 2048, 100000000)};
        parts[0].usedSpace = 1ull << 30;
        PartitionResizer r;
        auto plan = r.calculateResizePlan(disk(100000000ull * 512 + (20ull << 30)),
                                          disk(100000000ull * 512 + (10ull << 30)), parts, PartitionResizer::ShrinkLast);
        QVERIFY(!plan[0].needsResize && plan[0].canResize);
        // Target ending 1 MiB inside the partition: exactly that much goes.
        const uint64_t end = (2048 + 100000000ull) * 512;
        plan = r.calculateResizePlan(disk(end + (5ull << 30)), disk(end - 1048576 + 33 * 512), parts,
                                     PartitionResizer::ShrinkLast);
        QVERIFY(plan[0].needsResize);
        QCOMPARE(plan[0].newSectorCount, 100000000ull - 2048);
    }

    void planOnFourKTargetKeepsWholeSectors()
    {
        QList<PartitionInfo> parts{part(QStringLiteral("C"), 2048, 1000000)};
        PartitionResizer r;
        const uint64_t source = (2048 + 1000000 + 40) * 512ull;
        const auto plan = r.calculateResizePlan(disk(source), disk(source + 1048576 + 4 * 512, 4096), parts,
                                                PartitionResizer::ExpandLast);
        QVERIFY(plan[0].needsResize);
        QCOMPARE(plan[0].newSectorCount % 8, uint64_t(0));
        // GPT reserve on 4096-byte sectors is 5 sectors (40 units) behind the last usable LBA.
        QVERIFY(plan[0].newStartSector + plan[0].newSectorCount <= (source + 1048576 + 2048) / 512 - 40);
    }

    // Proportional: the cursor starts at the first partition; nothing may move or run into a kept partition.
    void planProportional()
    {
        PartitionResizer r;
        const uint64_t src = 100ull << 30;
        QList<PartitionInfo> simple{part(QStringLiteral("EFI"), 2048, 204800, Efi),
                                    part(QStringLiteral("MSR"), 206848, 32768, Msr),
                                    part(QStringLiteral("C"), 239616, 40000000)};
        auto plan = r.calculateResizePlan(disk(src), disk(2 * src), simple, PartitionResizer::Proportional);
        QCOMPARE(plan[0].description, QStringLiteral("System partition - keep original size"));
        QCOMPARE(plan[1].description, QStringLiteral("System partition - keep original size"));
        QVERIFY(!plan[0].needsResize && !plan[1].needsResize);
        QCOMPARE(plan[2].description, QStringLiteral("Proportional resize (ratio=2.00)"));
        QVERIFY(plan[2].needsResize && plan[2].canResize);
        QCOMPARE(plan[2].newStartSector, uint64_t(239616));
        QCOMPARE(plan[2].newSectorCount, uint64_t(80000000));

        // Growing the first of two data partitions would move the second: refused, plan unusable.
        QList<PartitionInfo> two{part(QStringLiteral("D1"), 2048, 10000000), part(QStringLiteral("D2"), 10002048, 10000000)};
        plan = r.calculateResizePlan(disk(src), disk(2 * src), two, PartitionResizer::Proportional);
        QVERIFY(plan[0].canResize);
        QVERIFY(plan[1].needsResize && !plan[1].canResize);
        QVERIFY(plan[1].description.contains(QStringLiteral("move")));
        DiskIO unopened;
        QVERIFY(!r.executeResize(unopened, plan, 2 * src, 512));
        QVERIFY(r.lastError().startsWith(QStringLiteral("Partition D2 cannot be resized: ")));

        // A kept partition behind a scaled one is an obstacle.
        QList<PartitionInfo> rec{part(QStringLiteral("C"), 2048, 10000000), part(QStringLiteral("R"), 10002048, 1000000, Recovery)};
        plan = r.calculateResizePlan(disk(src), disk(2 * src), rec, PartitionResizer::Proportional);
        QVERIFY(plan[0].needsResize && !plan[0].canResize);
        QVERIFY(plan[0].description.contains(QStringLiteral("overlap partition R")));
    }

    void dataPartitionPlacement()
    {
        QCOMPARE(PartitionResizer::dataPartitionStart(1000001, 512, true), uint64_t(1002056));
        QCOMPARE(PartitionResizer::dataPartitionStart(1000001, 512, false), uint64_t(1002049));
        // A 4096-byte sector is already 4 KiB aligned (step of one disk sector = 8 units), flag or not.
        QCOMPARE(PartitionResizer::dataPartitionStart(1000008, 4096, false), uint64_t(1002056));
        QCOMPARE(PartitionResizer::dataPartitionStart(1000001, 4096, false), uint64_t(1002056));
        QCOMPARE(PartitionResizer::dataPartitionEnd(1000000ull * 512, 512), uint64_t(1000000 - 34));
        QCOMPARE(PartitionResizer::dataPartitionEnd(125000ull * 4096, 4096), uint64_t((125000 - 6) * 8));
    }

    void mbrDataPartitionScripts()
    {
        ScriptedCommandRunner runner;
        ScopedCommandRunner scope(&runner);
        runner.enqueue(0, "DiskPart has encountered an ERROR: The extended partition could not be made.");
        runner.enqueue(0, "DiskPart successfully formatted the volume.");
        PartitionResizer r;
        const QString label = QStringLiteral("A label of forty characters, all of it!");
        QVERIFY(r.createMbrDataPartition(3, 1002056, 4194304, 512, label));
        const auto calls = runner.calls();
        QCOMPARE(calls.size(), 2);
        QCOMPARE(calls[0].request.program, QStringLiteral("diskpart"));
        QCOMPARE(calls[0].request.arguments.first(), QStringLiteral("/s"));
        QCOMPARE(calls[0].request.finishTimeoutMs, 120000);
        QCOMPARE(calls[0].scriptText, QStringLiteral("select disk 3\ncreate partition extended offset=501028 size=2048\n"
                                                     "create partition logical\nformat fs=ntfs label=\"%1\" quick\n").arg(label));
        QCOMPARE(calls[1].scriptText, QStringLiteral("select disk 3\ncreate partition primary offset=501028 size=2048\n"
                                                     "format fs=ntfs label=\"%1\" quick\n").arg(label));
        QVERIFY(!QFile::exists(calls[0].request.arguments.at(1)));  // temporary script removed

        runner.clear();
        runner.enqueue(0, "Virtual Disk Service: The operation Failed.");
        runner.enqueue(1, "");
        QVERIFY(!r.createMbrDataPartition(3, 2048, 4194304, 512, QStringLiteral("Data")));
        QVERIFY(r.lastError().startsWith(QStringLiteral("Failed to create MBR partition: ")));

        // A quote or a line break would end the label early or start a new diskpart command: refused.
        runner.clear();
        QVERIFY(!r.createMbrDataPartition(3, 2048, 4194304, 512, QStringLiteral("My \"Data\"")));
        QVERIFY(!r.createMbrDataPartition(3, 2048, 4194304, 512, QStringLiteral("x\nclean")));
        QVERIFY(runner.calls().isEmpty());
        QVERIFY(r.lastError().contains(QStringLiteral("double quote")));
        QVERIFY(DiskpartScript::isSafeLabel(QStringLiteral("Daten (D:) 'x'")));

    }
};

QTEST_GUILESS_MAIN(TestPartitionCodec)
#include "test_partitioncodec.moc"
