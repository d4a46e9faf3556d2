// Decoders, usage-map views and the parsers over volumes built in memory.
#include "common/logcapture.h"
#include "ondisk/fat32bootsector.h"
#include "filesystem/fat32parser.h"
#include "filesystem/ntfsparser.h"
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
    void fat32ParserInMemory();
    void loadFromVolumeQuery();

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
    img.bitmap[0] = char(0xFF);   // clusters 0-7
    img.bitmap[8] = char(0x01);   // cluster 64: the bitmap itself
    img.bitmap[63] = char(0xFF);  // clusters 504-511: 511 is beyond the volume and ignored
    MemoryPlatform mp;
    int n = -1;
    auto dev = openBytes(mp, img.build(), &n);
    NTFSParser parser;
    QVERIFY2(parser.load(dev.get(), 0, 0), qPrintable(parser.lastError()));
    QCOMPARE(parser.totalClusters(), 511u);
    QCOMPARE(parser.usedClusters(), 16u);
    // The backup boot sector behind the volume belongs to the used data.
    QCOMPARE(parser.usedSectorRanges(), (SectorRanges{{0, 64}, {512, 8}, {4032, 56}, {4095, 1}}));
    for (const auto& read : mp.reads(n)) {
        const bool boot = read.offset == 0 && read.length == 4096;
        const bool mft = read.offset <= img.recordOffset(6) && read.offset + read.length >= img.recordOffset(7);
        const bool bitmap = read.offset == 64 * 4096;
        QVERIFY2(boot || mft || bitmap, qPrintable(QStringLiteral("read at %1").arg(read.offset)));
    }
    QCOMPARE(mp.reads(n).size(), size_t(3));

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
    // logs it.
    using Prepare = std::function<void(NtfsImage&, QByteArray&)>;
    struct Case { const char* name; Prepare prepare; uint64_t failFrom; const char* error; };
    const auto build = [](NtfsImage& i, QByteArray& b) { b = i.build(); };
    const QList<Case> cases = {
        {"signature", [](NtfsImage& i, QByteArray& b) { i.bootSignature = 0xAB55; b = i.build(); }, ~0ull, "signature"},
        {"not ntfs", [](NtfsImage& i, QByteArray& b) { b = i.build(); std::memcpy(b.data() + 3, "MSDOS5.0", 8); }, ~0ull, "OEM"},
        {"torn record", [](NtfsImage& i, QByteArray& b) { b = i.build(); b[qsizetype(i.recordOffset(6)) + 1022] = 7; }, ~0ull, "MFT record"},
        {"resident data", [](NtfsImage& i, QByteArray& b) { i.resident = true; b = i.build(); }, ~0ull, "data runs"},
        {"empty run list", [](NtfsImage& i, QByteArray& b) { i.runList = QByteArray(1, '\0'); b = i.build(); }, ~0ull, "data runs"},
        {"run outside", [](NtfsImage& i, QByteArray& b) { i.runList = QByteArray("\x21\x01\xff\x01\x00", 5); b = i.build(); }, ~0ull, "data runs"},
        {"unterminated runs", [](NtfsImage& i, QByteArray& b) { i.runList = QByteArray(24, '\x11'); b = i.build(); }, ~0ull, "data runs"},
        {"runs too short", [](NtfsImage& i, QByteArray& b) { i.sectorsPerCluster = 1; i.imageSectors = 8192; b = i.build(); }, ~0ull, "needs"},
        {"bitmap unreadable", build, 64 * 4096, "cluster 64"},
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
        QVERIFY2(!m_log.since().isEmpty(), c.name);
    }
}

void TestUsageMaps::fat32ParserInMemory()
{
    const uint32_t total = 70000;
    QByteArray img(qsizetype(total) * 512, '\0');
    img.replace(0, 512, fat32Boot(total));
    auto entry = [&](uint32_t n, uint32_t v) { NtfsImage::put(img, 32 * 512 + 4 * n, v, 4); };
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

void TestUsageMaps::loadFromVolumeQuery()
{
    QBitArray bits(1003);
    for (int i = 0; i < 1003; i += 7)
        bits.setBit(i);
    bits.setBit(1002);
    // A mounted volume answering the bitmap query 100 clusters at a time; each answer after the first
    // starts on the byte boundary before the cluster asked for.
    MemoryPlatform mp;
    ScopedPlatform scope(&mp);
    MemoryVolume& v = mp.addVolume("\\\\?\\Volume{d}\\", mp.addDisk(512), 0, 512);
    v.mountPaths = {"D:\\"};
    PlatformNtfsVolumeData data;
    data.bytesPerSector = 512;
    data.bytesPerCluster = 4096;
    data.totalClusters = bits.size();
    data.numberSectors = bits.size() * 8 + 7;
    data.bytesPerFileRecordSegment = 1024;
    v.ntfsData = data;
    v.bitmapAnswers = true;
    v.bitmapPiece = 100;
    v.bitmap.bitmapSize = bits.size();
    v.bitmap.bits.assign(size_t((bits.size() + 7) / 8), 0);
    for (qsizetype i = 0; i < bits.size(); ++i)
        if (bits.testBit(i))
            v.bitmap.bits[size_t(i / 8)] |= uint8_t(1u << (i % 8));
    {
        NTFSParser parser;
        QVERIFY2(parser.loadFromVolume(QStringLiteral("d")), qPrintable(parser.lastError()));
        QCOMPARE(mp.opens().back().path, std::string("\\\\.\\D:"));
        QCOMPARE(parser.clusterBitmap(), bits);
        QCOMPARE(parser.sectorMap().size(), qsizetype(1003 * 8 + 8));  // up to the backup boot sector
        const SectorRanges ranges = parser.usedSectorRanges();
        QCOMPARE(ranges.mid(ranges.size() - 2), (SectorRanges{{1001 * 8, 16}, {1003 * 8 + 7, 1}}));
    }
    {
        // A query that breaks off part-way gives no map rather than a partial one.
        v.mountPaths = {"E:\\"};
        v.bitmapFailFrom = 484;  // the sixth query: 0, 100, 196, 292, 388, 484
        NTFSParser parser;
        QVERIFY(!parser.loadFromVolume(QStringLiteral("E:")));
        QVERIFY2(parser.lastError().contains(QStringLiteral("484")), qPrintable(parser.lastError()));
        QVERIFY(parser.sectorMap().isEmpty());
        QVERIFY(parser.clusterBitmap().isEmpty());
    }
}

QTEST_GUILESS_MAIN(TestUsageMaps)
#include "tst_usagemaps.moc"
