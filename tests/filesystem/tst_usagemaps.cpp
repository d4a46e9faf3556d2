// Decoders, usage-map views and the parsers over volumes built in memory.
#include "common/logcapture.h"
#include "ondisk/fat32bootsector.h"
#include "filesystem/fat32parser.h"
#include "filesystem/ntfsparser.h"
#include "filesystem/usagemapcheck.h"
#include "ondisk/ntfsrunlist.h"
#include "common/memoryplatform.h"
#include "ntfsimage.h"
#include "ondisk/ntfsbootsector.h"
#include "ondisk/ntfsmftrecord.h"
#include "platform/platform.h"

#include <QRandomGenerator>
#include <QStringList>
#include <QtTest>

namespace {
const uint8_t* u8(const QByteArray& b) { return reinterpret_cast<const uint8_t*>(b.constData()); }

// `bytes` as a new disk of `mp`, opened for reading; `disk` receives its number.
std::unique_ptr<DeviceHandle> openBytes(MemoryPlatform& mp, const QByteArray& bytes, int* disk = nullptr)
{
    const int n = mp.addDisk(uint64_t(bytes.size()));
    std::memcpy(mp.data(n).data(), bytes.constData(), size_t(bytes.size()));
    if (disk)
        *disk = n;
    return mp.openDevice(MemoryPlatform::diskPath(n), DeviceAccess::Read, DeviceFlags::None);
}

// The usage as a plain per-sector model, walked as the framework describes: the reference
// against which the compact range computation is checked.
SectorRanges referenceRanges(const QBitArray& clusters, const FileSystemBase::UsageLayout& l)
{
    const uint64_t length = std::max<uint64_t>(l.clusterAreaStart + uint64_t(clusters.size()) * l.sectorsPerCluster,
                                               l.extraStart + l.extraCount);
    std::vector<bool> used(length, false);
    for (uint64_t s = 0; s < l.clusterAreaStart; ++s)
        used[s] = true;
    for (qsizetype c = 0; c < clusters.size(); ++c)
        if (clusters.testBit(c))
            for (uint64_t s = 0; s < l.sectorsPerCluster; ++s)
                used[l.clusterAreaStart + uint64_t(c) * l.sectorsPerCluster + s] = true;
    for (uint64_t s = 0; s < l.extraCount; ++s)
        used[l.extraStart + s] = true;
    SectorRanges out;
    const uint64_t f = l.sectorSize / 512;
    bool open = false;
    uint64_t start = 0;
    for (uint64_t i = 0; i <= length; ++i) {
        const bool bit = i < length && used[i];
        if (bit && !open) {
            open = true;
            start = i;
        } else if (!bit && open) {
            out.append(SectorRange{start * f, (i - start) * f});
            open = false;
        }
    }
    return out;
}

class FixedMap : public FileSystemBase {
public:
    UsageLayout layout;
    void set(const QBitArray& bits, const UsageLayout& l, uint64_t partitionSize = 0)
    {
        m_clusterBitmap = bits;
        layout = l;
        m_partitionSize = partitionSize;
    }
    bool build() { return buildSectorMap(QStringLiteral("FixedMap")); }
    bool load(DeviceHandle*, uint64_t, uint64_t) override { return false; }
    int fileSystemType() const override { return 0; }
    QString fileSystemName() const override { return QString(); }

protected:
    UsageLayout usageLayout() const override { return layout; }
};

QByteArray fat32Boot(uint32_t totalSectors, uint8_t spc = 1, uint32_t fatSize = 64, uint16_t reserved = 32)
{
    QByteArray b(512, '\0');
    NtfsImage::put(b, 11, 512, 2);
    b[13] = char(spc);
    NtfsImage::put(b, 14, reserved, 2);
    b[16] = 2;
    NtfsImage::put(b, 32, totalSectors, 4);
    NtfsImage::put(b, 36, fatSize, 4);
    NtfsImage::put(b, 44, 2, 4);
    NtfsImage::put(b, 67, 0xCAFEF00D, 4);
    std::memcpy(b.data() + 71, "DATA       ", 11);
    NtfsImage::put(b, 510, 0xAA55, 2);
    return b;
}
}

class TestUsageMaps : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void ntfsBootSectorRejects();
    void mftRecordFixups();
    void runListDecoding();
    void fat32BootSector();
    void rangesMatchPerSectorModel();
    void sectorMapCap();
    void ntfsParserReadsOnlyWhatItNeeds();
    void ntfsParserFailures();
    void otherVolumeIsNoError_data();
    void otherVolumeIsNoError();
    void ntfsBitmapCheck();
    void fatCopiesMerge();
    void fat32ParserInMemory();

private:
    QTemporaryDir m_dir;
    LogCapture m_log;
};

void TestUsageMaps::initTestCase()
{
    QVERIFY(m_dir.isValid());
    m_log.init(m_dir);
}

void TestUsageMaps::ntfsBootSectorRejects()
{
    const QByteArray good = NtfsImage().build().left(512);
    NtfsBootSector boot;
    struct Case { const char* name; qsizetype at; QByteArray bytes; uint64_t limit; NtfsBootSector::Status status; };
    const QList<Case> cases = {
        {"oem lower", 3, "ntfs", 0, NtfsBootSector::Status::BadOemId},
        {"signature", 510, QByteArray("\x55\xAB", 2), 0, NtfsBootSector::Status::BadSignature},
        {"sector size 768", 11, QByteArray("\0\3", 2), 0, NtfsBootSector::Status::BadSectorSize},
        {"spc 3", 13, QByteArray("\3", 1), 0, NtfsBootSector::Status::BadClusterSize},
        {"record 2^-128", 64, QByteArray("\x80", 1), 0, NtfsBootSector::Status::BadRecordSize},
        {"volume beyond limit", 0, QByteArray(), 4095 * 512 - 1, NtfsBootSector::Status::BadGeometry},
        {"volume fits limit", 0, QByteArray(), 4095 * 512, NtfsBootSector::Status::Ok},
        {"huge volume", 40, QByteArray("\xff\xff\xff\xff\xff\xff\xff\xff", 8), 0, NtfsBootSector::Status::BadGeometry},
        {"mft outside", 48, QByteArray("\xff\x01", 2), 0, NtfsBootSector::Status::BadGeometry},
    };
    for (const Case& c : cases) {
        QByteArray b = good;
        b.replace(c.at, c.bytes.size(), c.bytes);
        QVERIFY2(NtfsBootSector::decode(u8(b), 512, c.limit, boot) == c.status, c.name);
    }
    QCOMPARE(NtfsBootSector::decode(u8(good), 511, 0, boot), NtfsBootSector::Status::TooShort);
}

void TestUsageMaps::mftRecordFixups()
{
    const QByteArray record = NtfsImage().record();
    QByteArray r = record;
    QCOMPARE(NtfsMftRecord::prepare(reinterpret_cast<uint8_t*>(r.data()), 1024, 6), NtfsMftRecord::Status::Ok);
    QVERIFY(r.mid(510, 2) == QByteArray(2, '\0'));        // original words restored
    QVERIFY(r.mid(1022, 2) == QByteArray(2, '\0'));

    struct Case { const char* name; qsizetype at; QByteArray bytes; uint64_t number; NtfsMftRecord::Status status; };
    const QList<Case> cases = {
        {"torn second stride", 1022, QByteArray("\x02\x00", 2), 6, NtfsMftRecord::Status::FixupMismatch},
        {"usa count", 6, QByteArray("\x02\x00", 2), 6, NtfsMftRecord::Status::BadUpdateSequence},
        {"usa offset past stride", 4, QByteArray("\xfe\x01", 2), 6, NtfsMftRecord::Status::BadUpdateSequence},
        {"signature", 0, "BAAD", 6, NtfsMftRecord::Status::BadSignature},
        {"not in use", 22, QByteArray("\0\0", 2), 6, NtfsMftRecord::Status::NotInUse},
        {"other record", 0, QByteArray(), 7, NtfsMftRecord::Status::WrongRecordNumber},
        {"bytes in use", 24, QByteArray("\x01\x04\0\0", 4), 6, NtfsMftRecord::Status::BadHeader},
    };
    for (const Case& c : cases) {
        QByteArray b = record;
        b.replace(c.at, c.bytes.size(), c.bytes);
        QVERIFY2(NtfsMftRecord::prepare(reinterpret_cast<uint8_t*>(b.data()), size_t(b.size()), c.number) == c.status, c.name);
    }

}

void TestUsageMaps::runListDecoding()
{
    auto decode = [](const QByteArray& bytes, uint64_t total, std::vector<NtfsRun>& runs) {
        runs.clear();
        return NtfsRunList::decode(u8(bytes), size_t(bytes.size()), total, runs);
    };
    std::vector<NtfsRun> runs;
    QCOMPARE(decode(QByteArray("\x21\x18\x00\x01\x11\x10\xF0\x00", 8), 1000, runs), NtfsRunList::Status::Ok);
    QCOMPARE(runs.size(), size_t(2));
    QCOMPARE(runs[1].cluster, 0x100u - 16);  // offsets are signed and relative

    // A sparse run keeps the position; the next run is relative to the last real one.
    QCOMPARE(decode(QByteArray("\x11\x04\x20\x01\x08\x11\x02\x10\x00", 9), 1000, runs), NtfsRunList::Status::Ok);
    QVERIFY(runs[1].sparse);
    QCOMPARE(runs[2].cluster, 0x30u);

    struct Case { const char* name; QByteArray bytes; uint64_t total; NtfsRunList::Status status; };
    const QList<Case> cases = {
        {"no end marker", QByteArray("\x11\x04\x20", 3), 1000, NtfsRunList::Status::Truncated},
        {"field past buffer", QByteArray("\x44\x01\x02", 3), 1000, NtfsRunList::Status::Truncated},
        {"length field 9 bytes", QByteArray("\x19", 1) + QByteArray(16, '\1'), 1000, NtfsRunList::Status::FieldTooWide},
        {"no length field", QByteArray("\x10\x05\x00", 3), 1000, NtfsRunList::Status::ZeroLength},
        {"zero clusters", QByteArray("\x11\x00\x05\x00", 4), 1000, NtfsRunList::Status::ZeroLength},
        {"before cluster 0", QByteArray("\x11\x01\xF0\x00", 4), 1000, NtfsRunList::Status::OutsideVolume},
        {"past the end", QByteArray("\x21\x10\xF0\x03\x00", 5), 1000, NtfsRunList::Status::OutsideVolume},
        {"ends on the end", QByteArray("\x21\x10\xD8\x03\x00", 5), 1000, NtfsRunList::Status::Ok},
        {"huge length", QByteArray("\x18\xff\xff\xff\xff\xff\xff\xff\xff\x00", 10), 1000, NtfsRunList::Status::OutsideVolume},
        {"offset overflow", QByteArray("\x81\x01\xff\xff\xff\xff\xff\xff\xff\x7f\x81\x01\xff\xff\xff\xff\xff\xff\xff\x7f\x00", 21),
         ~0ull, NtfsRunList::Status::OutsideVolume},
    };
    for (const Case& c : cases)
        QVERIFY2(decode(c.bytes, c.total, runs) == c.status, c.name);
}

void TestUsageMaps::fat32BootSector()
{
    Fat32BootSector boot;
    QByteArray b = fat32Boot(70000);
    QCOMPARE(Fat32BootSector::decode(u8(b), 512, 0, boot), Fat32BootSector::Status::Ok);
    QCOMPARE(boot.totalClusters, 70000u - 160);

    NtfsImage::put(b, 32, 0, 4);  // no 32-bit count: the partition size stands in
    QCOMPARE(Fat32BootSector::decode(u8(b), 512, 80000 * 512ull, boot), Fat32BootSector::Status::Ok);
    QCOMPARE(boot.totalSectors, 80000u);

    struct Case { const char* name; qsizetype at; QByteArray bytes; uint64_t limit; Fat32BootSector::Status status; };
    const QList<Case> cases = {
        {"fat16 size", 22, QByteArray("\x20\x00", 2), 0, Fat32BootSector::Status::NotFat32},
        {"root entries", 17, QByteArray("\x00\x02", 2), 0, Fat32BootSector::Status::NotFat32},
        {"signature", 510, QByteArray("\x00\x00", 2), 0, Fat32BootSector::Status::BadSignature},
        {"zero spc", 13, QByteArray("\0", 1), 0, Fat32BootSector::Status::BadGeometry},
        {"fats beyond volume", 36, QByteArray("\xff\xff\x00\x00", 4), 0, Fat32BootSector::Status::BadGeometry},
        {"volume beyond partition", 0, QByteArray(), 69999 * 512ull, Fat32BootSector::Status::BadGeometry},
        {"too many clusters", 32, QByteArray("\xff\xff\xff\xff", 4), 0, Fat32BootSector::Status::BadGeometry},
    };
    for (const Case& c : cases) {
        QByteArray x = fat32Boot(70000);
        x.replace(c.at, c.bytes.size(), c.bytes);
        QVERIFY2(Fat32BootSector::decode(u8(x), 512, c.limit, boot) == c.status, c.name);
    }
}

void TestUsageMaps::rangesMatchPerSectorModel()
{
    QRandomGenerator rng(20261206);
    for (int round = 0; round < 300; ++round) {
        FileSystemBase::UsageLayout l;
        l.sectorSize = 512u << rng.bounded(4);
        l.sectorsPerCluster = 1u << rng.bounded(5);
        l.clusterAreaStart = rng.bounded(3) == 0 ? 0 : rng.bounded(100);
        const qsizetype clusters = 1 + rng.bounded(400);
        const int density = rng.bounded(4);
        QBitArray bits(clusters);
        for (qsizetype i = 0; i < clusters; ++i) {
            const bool set = density == 0 ? rng.bounded(2) : density == 1 ? rng.bounded(20) == 0
                           : density == 2 ? rng.bounded(20) != 0 : (i / 70) % 2 == 0;
            bits.setBit(i, set);
        }
        if (rng.bounded(2)) {
            l.extraStart = rng.bounded(uint32_t(l.clusterAreaStart + clusters * l.sectorsPerCluster + 3));
            l.extraCount = 1 + rng.bounded(3);
        }
        const SectorRanges got = FileSystemBase::rangesFromClusterBitmap(bits, l);
        const SectorRanges want = referenceRanges(bits, l);
        QVERIFY2(got == want, qPrintable(QStringLiteral("round %1: %2 ranges, expected %3").arg(round).arg(got.size()).arg(want.size())));

        // The byte map, one entry per 512-byte sector, says the same.
        FixedMap map;
        map.set(bits, l);
        QVERIFY(map.build());
        const QByteArray bytes = map.sectorMap();
        QByteArray expected(bytes.size(), '\0');
        for (const SectorRange& r : want)
            expected.replace(qsizetype(r.startSector), qsizetype(r.sectorCount), QByteArray(qsizetype(r.sectorCount), '\1'));
        QVERIFY2(bytes == expected, qPrintable(QStringLiteral("round %1").arg(round)));
    }
}

void TestUsageMaps::sectorMapCap()
{
    // 2^31 / 8 + 1 clusters of 8 sectors: one cluster more than a 2^31-entry map holds.
    const qsizetype clusters = (qsizetype(1) << 28) + 1;
    QBitArray bits(clusters);
    bits.setBit(0);
    bits.setBit(clusters - 1);
    FileSystemBase::UsageLayout l;
    l.sectorsPerCluster = 8;
    FixedMap map;
    map.set(bits, l);
    QVERIFY(!map.build());
    QVERIFY(map.sectorMap().isEmpty());
    // The used data behind 1 TiB is still described by the ranges.
    QCOMPARE(map.usedSectorRanges(), (SectorRanges{{0, 8}, {uint64_t(clusters - 1) * 8, 8}}));
}

void TestUsageMaps::ntfsParserReadsOnlyWhatItNeeds()
{
    NtfsImage img;
    img.bitmap = QByteArray(64, '\0');
    img.bitmap[0] = char(0xFF);   // clusters 0-7: boot sector, $MFT from 4
    img.bitmap[1] = char(0x11);   // the rest of $MFT (8), $MFTMirr (12)
    img.bitmap[2] = char(0x03);   // $LogFile
    img.bitmap[8] = char(0x01);   // cluster 64: the bitmap itself
    img.bitmap[63] = char(0xFF);  // clusters 504-511: 511 is beyond the volume and ignored
    MemoryPlatform mp;
    int n = -1;
    auto dev = openBytes(mp, img.build(), &n);
    NTFSParser parser;
    QVERIFY2(parser.load(dev.get(), 0, 0), qPrintable(parser.lastError()));
    QCOMPARE(parser.totalClusters(), 511u);
    QCOMPARE(parser.usedClusters(), 20u);
    QVERIFY(parser.mapFault().isEmpty());
    // The backup boot sector behind the volume belongs to the used data.
    QCOMPARE(parser.usedSectorRanges(), (SectorRanges{{0, 72}, {96, 8}, {128, 16}, {512, 8}, {4032, 56}, {4095, 1}}));
    int bitmapReads = 0;
    for (const auto& read : mp.reads(n)) {
        const bool boot = read.offset == 0 && read.length == 4096;
        const bool mft = read.offset >= img.recordOffset(0) && read.offset + read.length <= img.recordOffset(NtfsImage::MftRecords);
        bitmapReads += read.offset == 64 * 4096 ? 1 : 0;
        QVERIFY2(boot || mft || read.offset == 64 * 4096, qPrintable(QStringLiteral("read at %1").arg(read.offset)));
    }
    QCOMPARE(bitmapReads, 1);

    // At an offset in a larger device, with the partition size known and no room for the backup.
    QByteArray disk(1024 * 1024, '\0');
    disk.append(img.build());
    auto dev2 = openBytes(mp, disk);
    NTFSParser inPartition;
    QVERIFY(inPartition.load(dev2.get(), 1024 * 1024, 4095 * 512));
    QCOMPARE(inPartition.usedSectorRanges().last(), (SectorRange{4032, 56}));
}

void TestUsageMaps::ntfsParserFailures()
{
    // Every damage leaves no map at all (the caller then copies in full), says what went wrong and
    // logs it. A volume that is NTFS but whose $Bitmap cannot be trusted also names that fault.
    using Prepare = std::function<void(NtfsImage&, QByteArray&)>;
    struct Case { const char* name; Prepare prepare; uint64_t failFrom; const char* error; bool fault; };
    const auto build = [](NtfsImage& i, QByteArray& b) { b = i.build(); };
    const QList<Case> cases = {
        {"signature", [](NtfsImage& i, QByteArray& b) { i.bootSignature = 0xAB55; b = i.build(); }, ~0ull, "signature", false},
        {"not ntfs", [](NtfsImage& i, QByteArray& b) { b = i.build(); std::memcpy(b.data() + 3, "MSDOS5.0", 8); }, ~0ull, "OEM", false},
        {"torn record", [](NtfsImage& i, QByteArray& b) { b = i.build(); b[qsizetype(i.recordOffset(6)) + 1022] = 7; }, ~0ull, "MFT record", false},
        {"resident data", [](NtfsImage& i, QByteArray& b) { i.resident = true; b = i.build(); }, ~0ull, "data runs", true},
        {"run outside", [](NtfsImage& i, QByteArray& b) { i.runList = QByteArray("\x21\x01\xff\x01\x00", 5); b = i.build(); }, ~0ull, "data runs", true},
        {"runs too short", [](NtfsImage& i, QByteArray& b) { i.sectorsPerCluster = 1; i.imageSectors = 8192; b = i.build(); }, ~0ull, "needs", true},
        {"bitmap unreadable", build, 64 * 4096, "cluster 64", false},
        {"valid length short", [](NtfsImage& i, QByteArray& b) { i.bitmapValidLength = 63; b = i.build(); }, ~0ull, "valid length is 63", true},
        {"boot sector free", [](NtfsImage& i, QByteArray& b) { i.bitmap[0] = char(0xFE); b = i.build(); }, ~0ull, "cluster 0 free", true},
        {"$MFT's last cluster free", [](NtfsImage& i, QByteArray& b) { i.bitmap[1] = char(0xFE); b = i.build(); }, ~0ull,
         "cluster 8 of $MFT", true},
        {"$MFTMirr free", [](NtfsImage& i, QByteArray& b) { i.bitmap[1] = char(0xEF); b = i.build(); }, ~0ull, "cluster 12 of $MFTMirr", true},
        {"$LogFile free", [](NtfsImage& i, QByteArray& b) { i.bitmap[2] = char(0xFD); b = i.build(); }, ~0ull, "cluster 17 of $LogFile", true},
        {"$Bitmap free", [](NtfsImage& i, QByteArray& b) { i.bitmap[8] = char(0xFE); b = i.build(); }, ~0ull, "cluster 64 of $Bitmap", true},
        {"$LogFile record torn", [](NtfsImage& i, QByteArray& b) { b = i.build(); b[qsizetype(i.recordOffset(2)) + 1022] = 7; }, ~0ull,
         "$LogFile (MFT record 2) cannot be read", true},
        {"a file's cluster free", [](NtfsImage& i, QByteArray& b) {
             i.otherRuns[17] = QByteArray("\x11\x02\x63\x00", 4);  // clusters 99-100
             i.bitmap[12] = char(0xEF);
             b = i.build();
         }, ~0ull, "cluster 100 of MFT record 17", true},
    };
    for (const Case& c : cases) {
        NtfsImage img;
        img.bitmap = QByteArray(64, '\xff');
        QByteArray bytes;
        c.prepare(img, bytes);
        MemoryPlatform mp;
        int n = -1;
        auto dev = openBytes(mp, bytes, &n);
        if (c.failFrom != ~0ull)
            mp.failReadAt(n, c.failFrom, PlatformError::IoDevice, "injected read failure");
        m_log.mark();
        NTFSParser parser;
        QVERIFY2(!parser.load(dev.get(), 0, 0), c.name);
        QVERIFY2(parser.clusterBitmap().isEmpty() && parser.sectorBitmap().isEmpty(), c.name);
        QVERIFY2(parser.lastError().contains(QLatin1String(c.error)), qPrintable(QStringLiteral("%1: %2").arg(c.name, parser.lastError())));
        QVERIFY2(parser.mapFault().isEmpty() != c.fault, qPrintable(QStringLiteral("%1: %2").arg(c.name, parser.mapFault())));
        QVERIFY2(!m_log.since().isEmpty(), c.name);
    }
    // Records not in use and sparse runs claim nothing.
    NtfsImage img;
    img.bitmap = QByteArray(64, '\xff');
    img.bitmap[12] = 0;
    img.otherRuns[17] = QByteArray("\x11\x02\x63\x01\x04\x00", 6);  // clusters 99-100 and a 4-cluster hole
    QByteArray bytes = img.build();
    bytes[qsizetype(img.recordOffset(17)) + 22] = 0;  // not in use
    img.otherRuns[18] = QByteArray("\x11\x01\x40\x01\x08\x00", 6);
    bytes.replace(qsizetype(img.recordOffset(18)), 1024, img.record(18, img.otherRuns[18], 9 * 4096));
    MemoryPlatform mp;
    auto dev = openBytes(mp, bytes);
    NTFSParser parser;
    QVERIFY2(parser.load(dev.get(), 0, 0), qPrintable(parser.lastError()));
}

void TestUsageMaps::otherVolumeIsNoError_data()
{
    QTest::addColumn<QByteArray>("oem");
    QTest::addColumn<QString>("shown");
    QTest::newRow("unformatted") << QByteArray(8, '\0') << QStringLiteral("blank");
    QTest::newRow("FAT") << QByteArray("MSDOS5.0") << QStringLiteral("'MSDOS5.0'");
    QTest::newRow("binary") << QByteArray("\x01\xffXFS\x00\x00\x7f", 8) << QStringLiteral("'\\x01\\xffXFS\\x00\\x00\\x7f'");
}

// A volume that is not NTFS is tried as such when enumeration did not know it: that is an info line
// a person can read, not an error.
void TestUsageMaps::otherVolumeIsNoError()
{
    QFETCH(QByteArray, oem);
    QFETCH(QString, shown);
    QByteArray bytes(1 << 20, '\0');
    bytes.replace(3, 8, oem);
    MemoryPlatform mp;
    auto dev = openBytes(mp, bytes);
    m_log.mark();
    NTFSParser parser;
    QVERIFY(!parser.load(dev.get(), 0, 0));
    const QString log = m_log.since();
    QVERIFY2(log.contains(shown) && !log.contains(QLatin1String("ERROR")), qPrintable(log));
    // Log lines end in CR LF on Windows.
    for (const QChar c : log)
        QVERIFY2(c.isPrint() || c == QLatin1Char('\n') || c == QLatin1Char('\r'), qPrintable(log));
}

void TestUsageMaps::ntfsBitmapCheck()
{
    // 20 clusters; the bitmap marks 0-9 and 16-19.
    const QByteArray bitmap("\xff\x03\x0f", 3);
    auto run = [](uint64_t cluster, uint64_t length, bool sparse = false) {
        NtfsRun r;
        r.cluster = cluster;
        r.length = length;
        r.sparse = sparse;
        return r;
    };
    using Owners = std::vector<UsageMapCheck::Owner>;
    struct Case { const char* name; QByteArray bitmap; uint64_t validLength; Owners owners; const char* reason; };
    const QList<Case> cases = {
        {"every owner marked", bitmap, 3, {{"$MFT", {run(2, 3), run(16, 4)}}, {"$LogFile", {run(5, 5)}}}, nullptr},
        {"sparse runs claim nothing", bitmap, 3, {{"file", {run(10, 6, true)}}}, nullptr},
        {"a run's last cluster free", bitmap, 3, {{"$LogFile", {run(5, 6)}}}, "cluster 10 of $LogFile"},
        {"a later run's first cluster free", bitmap, 3, {{"$MFT", {run(0, 2), run(15, 2)}}}, "cluster 15 of $MFT"},
        {"run past the volume", bitmap, 3, {{"$MFT", {run(18, 3)}}}, "beyond the volume"},
        {"bitmap bytes short", bitmap.left(2), 3, {}, "holds 2 bytes"},
        {"bits past the volume ignored", QByteArray("\xff\xff\x0f", 3), 3, {{"f", {run(0, 20)}}}, nullptr},
    };
    for (const Case& c : cases) {
        const UsageMapCheck::Verdict v = UsageMapCheck::ntfsBitmap(c.bitmap, 20, c.validLength, c.owners);
        QVERIFY2(v.sound == (c.reason == nullptr), c.name);
        QVERIFY2(v.reason.isEmpty() == v.sound, c.name);
        if (c.reason)
            QVERIFY2(v.reason.contains(QLatin1String(c.reason)), qPrintable(QStringLiteral("%1: %2").arg(c.name, v.reason)));
    }
}

void TestUsageMaps::fatCopiesMerge()
{
    // Entries as written into FAT copies of 10 entries (8 data clusters).
    auto fat = [](std::initializer_list<std::pair<int, uint32_t>> entries) {
        QByteArray b(40, '\0');
        NtfsImage::put(b, 0, 0x0FFFFFF8, 4);
        NtfsImage::put(b, 4, 0x0FFFFFFF, 4);
        for (const auto& [n, v] : entries)
            NtfsImage::put(b, 4 * n, v, 4);
        return b;
    };
    const QByteArray file = fat({{2, 0x0FFFFFFF}, {4, 5}, {5, 0x0FFFFFFF}});
    struct Case { const char* name; QList<QByteArray> copies; const char* used; uint64_t differing; uint64_t first; };
    const QList<Case> cases = {
        {"copies agree", {file, file}, "10110000", 0, 0},
        {"second copy lost it", {file, fat({{2, 0x0FFFFFFF}})}, "10110000", 2, 4},
        {"only the reserved top bits differ", {file, fat({{2, 0xFFFFFFFF}, {4, 0x10000005}, {5, 0x0FFFFFFF}})}, "10110000", 0, 0},
        {"entries 0 and 1 are not clusters", {file, fat({{0, 0}, {1, 0}, {2, 0x0FFFFFFF}, {4, 5}, {5, 0x0FFFFFFF}})}, "10110000", 0, 0},
        {"a third copy marks a bad cluster", {file, file, fat({{2, 0x0FFFFFFF}, {4, 5}, {5, 0x0FFFFFFF}, {9, 0x0FFFFFF7}})},
         "10110001", 1, 9},
        {"reserved value 1 is free", {fat({{3, 1}}), fat({{3, 1}})}, "00000000", 0, 0},
        {"one copy", {file}, "10110000", 0, 0},
    };
    for (const Case& c : cases) {
        QList<QByteArrayView> views;
        for (const QByteArray& copy : c.copies)
            views.append(copy);
        QBitArray clusters(8);
        UsageMapCheck::FatComparison comparison;
        const uint64_t marked = UsageMapCheck::mergeFatCopies(views, 0, clusters, comparison);
        QString bits;
        for (qsizetype i = 0; i < clusters.size(); ++i)
            bits += clusters.testBit(i) ? QLatin1Char('1') : QLatin1Char('0');
        QVERIFY2(bits == QLatin1String(c.used), qPrintable(QStringLiteral("%1: %2").arg(c.name, bits)));
        QVERIFY2(marked == uint64_t(bits.count(QLatin1Char('1'))), c.name);
        QVERIFY2(comparison.differingEntries == c.differing, c.name);
        QVERIFY2(c.differing == 0 || comparison.firstDifference == c.first, c.name);
    }
    // Stretches read piece by piece add up: the second piece starts at entry 5.
    QBitArray clusters(8);
    UsageMapCheck::FatComparison comparison;
    const QByteArray lost = fat({{2, 0x0FFFFFFF}});
    UsageMapCheck::mergeFatCopies({QByteArrayView(lost).first(20), QByteArrayView(file).first(20)}, 0, clusters, comparison);
    UsageMapCheck::mergeFatCopies({QByteArrayView(lost).sliced(20), QByteArrayView(file).sliced(20)}, 5, clusters, comparison);
    QCOMPARE(clusters.count(true), 3);
    QCOMPARE(comparison.differingEntries, 2u);
}

void TestUsageMaps::fat32ParserInMemory()
{
    const uint32_t total = 70000;
    QByteArray img(qsizetype(total) * 512, '\0');
    img.replace(0, 512, fat32Boot(total));
    auto entry = [&](uint32_t n, uint32_t v) {
        for (int fat : {32, 32 + 64})
            NtfsImage::put(img, fat * 512 + 4 * n, v, 4);
    };
    entry(0, 0x0FFFFFF8);
    entry(1, 0x0FFFFFFF);
    entry(2, 0x0FFFFFFF);        // root directory: cluster index 0
    entry(5000, 5001);           // a file spanning two clusters, indices 4998 and 4999
    entry(5001, 0x0FFFFFFF);
    MemoryPlatform mp;
    auto dev = openBytes(mp, img);
    FAT32Parser parser;
    QVERIFY(parser.load(dev.get(), 0, 0));
    QVERIFY(parser.isBitmapValid());
    QCOMPARE(parser.usedSectorRanges(), (SectorRanges{{0, 161}, {160 + 4998, 2}}));
    QVERIFY(parser.mapNotice().isEmpty());

    // A chain only the second FAT holds still counts, and the disagreement is named; without
    // mirroring a stale copy is expected and named nowhere.
    for (bool mirrored : {true, false}) {
        QByteArray second = img;
        NtfsImage::put(second, (32 + 64) * 512 + 4 * 6000, 0x0FFFFFFF, 4);
        if (!mirrored)
            second[40] = char(0x80);
        auto both = openBytes(mp, second);
        FAT32Parser merged;
        QVERIFY(merged.load(both.get(), 0, 0));
        QCOMPARE(merged.usedSectorRanges(), (SectorRanges{{0, 161}, {160 + 4998, 2}, {160 + 5998, 1}}));
        QCOMPARE(merged.mapNotice().isEmpty(), !mirrored);
        QVERIFY(merged.mapFault().isEmpty());
    }

    // A FAT that cannot be read leaves no map: the caller copies in full.
    int n = -1;
    auto broken = openBytes(mp, img, &n);
    mp.failReadAt(n, 40 * 512, PlatformError::IoDevice, "injected read failure");
    FAT32Parser fallback;
    QVERIFY(fallback.load(broken.get(), 0, total * 512ull));
    QVERIFY(!fallback.isBitmapValid());
    QVERIFY(fallback.clusterBitmap().isEmpty());
    QCOMPARE(fallback.usedSectorRanges(), (SectorRanges{{0, total}}));
}

QTEST_GUILESS_MAIN(TestUsageMaps)
#include "tst_usagemaps.moc"
