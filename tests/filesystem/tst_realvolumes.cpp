// Usage maps of real NTFS and FAT32 volumes made by their own tools at test time. The property
// smart clone lives on: copying only the used ranges into zeroes gives a sound volume with every
// file intact.
#include "common/imagefixture.h"
#include "core/diskio.h"
#include "filesystem/fat32parser.h"
#include "filesystem/ntfsclusterowners.h"
#include "filesystem/ntfsparser.h"
#include "modes/unreadableowners.h"

#include <QCryptographicHash>
#include <QDirIterator>
#include <QMap>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QStorageInfo>
#include <QTemporaryDir>
#include <QtTest>

namespace {
QByteArray randomBytes(QRandomGenerator& rng, qsizetype n)
{
    QByteArray b(n, '\0');
    for (qsizetype i = 0; i + 4 <= n; i += 4) {
        const quint32 v = rng.generate();
        std::memcpy(b.data() + i, &v, 4);
    }
    return b;
}

bool writeFile(const QString& path, const QByteArray& data)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(data) == data.size();
}

// name -> SHA-256 of every file below `root`.
QMap<QString, QByteArray> hashTree(const QString& root)
{
    QMap<QString, QByteArray> out;
    QDirIterator it(root, QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile f(path);
        if (!f.open(QIODevice::ReadOnly))
            continue;
        QCryptographicHash h(QCryptographicHash::Sha256);
        h.addData(&f);
        out.insert(QDir(root).relativeFilePath(path), h.result().toHex());
    }
    return out;
}

// Fills a directory with files of mixed sizes and deletes some. With `fragment`, it then fills the
// volume, frees every second megabyte and writes a file that can only lie in the holes.
void fillTree(const QString& root, quint32 seed, bool fragment = false)
{
    QRandomGenerator rng(seed);
    QDir().mkpath(root + QStringLiteral("/docs/deep"));
    for (int i = 0; i < 24; ++i)
        writeFile(QStringLiteral("%1/docs/f%2.bin").arg(root).arg(i), randomBytes(rng, 20000 + rng.bounded(90000)));
    for (int i = 0; i < 24; i += 2)
        QFile::remove(QStringLiteral("%1/docs/f%2.bin").arg(root).arg(i));
    writeFile(root + QStringLiteral("/docs/deep/big1.bin"), randomBytes(rng, 1500000));
    writeFile(root + QStringLiteral("/tiny.txt"), QByteArray("resident or one cluster\n"));
    for (int i = 0; i < 6; ++i)
        writeFile(QStringLiteral("%1/docs/deep/s%2.dat").arg(root).arg(i), randomBytes(rng, 300 + rng.bounded(5000)));
    QFile::remove(root + QStringLiteral("/docs/deep/s3.dat"));
    writeFile(root + QStringLiteral("/big2.bin"), randomBytes(rng, 2500000));
    if (!fragment)
        return;
    QDir().mkpath(root + QStringLiteral("/fill"));
    QStringList fills;
    for (int i = 0; i < 4096; ++i) {
        const QString path = QStringLiteral("%1/fill/%2.bin").arg(root).arg(i);
        if (!writeFile(path, randomBytes(rng, 1 << 20))) {
            QFile::remove(path);
            break;
        }
        fills << path;
    }
    for (int i = 0; i < fills.size(); i += 2)
        QFile::remove(fills[i]);
    // Most of what is free now, so it cannot lie in one piece.
    const qint64 freeBytes = QStorageInfo(root).bytesFree();
    writeFile(root + QStringLiteral("/frag.bin"), randomBytes(rng, freeBytes / 10 * 8 / 4096 * 4096));
}

// Copies the ranges of a volume at `offset` in `source` into a zero-filled image of `size` bytes.
bool copyRanges(const QString& source, uint64_t offset, const SectorRanges& ranges, const QString& target, uint64_t size)
{
    QFile in(source);
    QFile out(target);
    if (!in.open(QIODevice::ReadOnly) || !out.open(QIODevice::WriteOnly | QIODevice::Truncate) || !out.resize(qint64(size)))
        return false;
    for (const SectorRange& r : ranges) {
        if (r.endSector() * 512 > size)
            return false;
        if (!in.seek(qint64(offset + r.startSector * 512)) || !out.seek(qint64(r.startSector * 512)))
            return false;
        const QByteArray data = in.read(qint64(r.sectorCount * 512));
        if (data.size() != qint64(r.sectorCount * 512) || out.write(data) != data.size())
            return false;
    }
    return true;
}

uint64_t rangeSectors(const SectorRanges& ranges)
{
    uint64_t n = 0;
    for (const SectorRange& r : ranges)
        n += r.sectorCount;
    return n;
}

// (first cluster, count) of the runs ntfsinfo lists for a file's $DATA.
std::vector<std::pair<uint64_t, uint64_t>> runsOf(const QString& image, const QString& file)
{
    const ToolRun info = runCaptured(QStringLiteral("ntfsinfo"), {"-v", "-F", file, image});
    std::vector<std::pair<uint64_t, uint64_t>> runs;
    const QString list = info.out.section(QStringLiteral("Runlist:"), 1);
    auto it = QRegularExpression(QStringLiteral("0x[0-9a-f]+\\s+0x([0-9a-f]+)\\s+0x([0-9a-f]+)")).globalMatch(list);
    while (it.hasNext()) {
        const auto m = it.next();
        runs.emplace_back(m.captured(1).toULongLong(nullptr, 16), m.captured(2).toULongLong(nullptr, 16));
    }
    return runs;
}

qulonglong field(const QString& text, const QString& pattern)
{
    const auto m = QRegularExpression(pattern).match(text);
    return m.hasMatch() ? m.captured(1).toULongLong() : ~0ull;
}

}

class TestRealVolumes : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void ntfsVolumes_data();
    void ntfsVolumes();
    void fat32Volumes_data();
    void fat32Volumes();
    void ntfsInsideDiskByNumber();
    void ntfsOnFourKSectorDevice();

private:
    QTemporaryDir m_dir;
    QString m_diskImage;   // disk 0: a partitioned image with NTFS at 1 MiB
    uint64_t m_diskVolumeSize = 0;
};

void TestRealVolumes::initTestCase()
{
    QVERIFY(m_dir.isValid());
    // The disk table is fixed at the first platform use, so disk 0 is named before anything opens.
    m_diskImage = m_dir.filePath(QStringLiteral("disk0.img"));
    qputenv("TESSARIN_DISKS", m_diskImage.toLocal8Bit());
}

void TestRealVolumes::ntfsVolumes_data()
{
    QTest::addColumn<int>("cluster");
    QTest::addColumn<int>("sizeMiB");
    QTest::newRow("512") << 512 << 40;
    QTest::newRow("4096") << 4096 << 64;
    QTest::newRow("65536") << 65536 << 160;
}

void TestRealVolumes::ntfsVolumes()
{
    QFETCH(int, cluster);
    QFETCH(int, sizeMiB);
    if (const QString why = missingRequirement({"mkntfs", "ntfs-3g", "ntfscluster", "ntfsinfo", "ntfsfix"}, true, true); !why.isEmpty())
        QSKIP(qPrintable(why));

    const QString image = m_dir.filePath(QStringLiteral("ntfs%1.img").arg(cluster));
    const uint64_t size = uint64_t(sizeMiB) * 1024 * 1024;
    QVERIFY(makeSparseFile(image, qint64(size)) && makeNtfs(image, {"-c", QString::number(cluster)}));
    QMap<QString, QByteArray> sourceHashes;
    {
        Mount m(image, m_dir.filePath(QStringLiteral("mnt")), {}, QStringLiteral("ntfs-3g"));
        QVERIFY2(m.ok(), qPrintable(m.error()));
        fillTree(m.point(), quint32(cluster), true);
        sourceHashes = hashTree(m.point());
    }
    QVERIFY(sourceHashes.size() >= 20);
    const ToolRun fragInfo = runCaptured(QStringLiteral("ntfsinfo"), {"-v", "-F", "/frag.bin", image});
    QVERIFY2(field(fragInfo.out, QStringLiteral("fragments: (\\d+)")) >= 2, "frag.bin is not fragmented");

    DiskHandle handle = RawDisk::openVolume(image, false);
    QVERIFY(handle);
    NTFSParser parser;
    QVERIFY2(parser.load(handle.get(), 0, size), qPrintable(parser.lastError()));
    handle.reset();
    QCOMPARE(parser.clusterSize(), uint32_t(cluster));

    // The files behind given clusters: a fragment's last cluster, a deep file's first, a cluster of the MFT.
    const auto frag = runsOf(image, QStringLiteral("/frag.bin"));
    const auto deep = runsOf(image, QStringLiteral("/docs/deep/big1.bin"));
    QVERIFY(frag.size() >= 2 && !deep.empty());
    QFile volume(image);
    QVERIFY(volume.open(QIODevice::ReadOnly));
    bool spoilMft = false;
    const NtfsClusterOwners::ReadVolume read = [&](uint64_t offset, uint64_t length, void* buffer) {
        if (!volume.seek(qint64(offset)) || volume.read(static_cast<char*>(buffer), qint64(length)) != qint64(length))
            return false;
        if (spoilMft && offset == parser.mftCluster() * uint64_t(cluster))
            static_cast<char*>(buffer)[0] = 'X';
        return true;
    };
    QStringList owners;
    QString ownersError;
    const std::vector<std::pair<uint64_t, uint64_t>> asked{
        {frag.back().first + frag.back().second - 1, 1}, {deep.front().first, 1}, {parser.mftCluster(), 1}};
    QVERIFY2(NtfsClusterOwners::find(read, asked, owners, ownersError), qPrintable(ownersError));
    owners.sort();
    QCOMPARE(owners, QStringList({"$MFT", "\\docs\\deep\\big1.bin", "\\frag.bin"}));
    spoilMft = true;
    QVERIFY(!NtfsClusterOwners::find(read, asked, owners, ownersError) && !ownersError.isEmpty());
    volume.close();

    // ntfs-3g's own view of the allocation.
    const ToolRun info = runCaptured(QStringLiteral("ntfsinfo"), {"-m", image});
    const ToolRun clusters = runCaptured(QStringLiteral("ntfscluster"), {"-i", image});
    QCOMPARE(parser.totalClusters(), field(info.out, QStringLiteral("Volume Size in Clusters:\\s*(\\d+)")));
    const qulonglong freeBytes = field(clusters.out, QStringLiteral("bytes of free space\\s*:\\s*(\\d+)"));
    QCOMPARE(parser.totalClusters() - parser.usedClusters(), freeBytes / uint64_t(cluster));

    // The ranges are exactly the used clusters and the backup boot sector.
    const SectorRanges ranges = parser.usedSectorRanges();
    QCOMPARE(rangeSectors(ranges) * 512, parser.usedClusters() * uint64_t(cluster) + parser.sectorSize());
    const QString clone = m_dir.filePath(QStringLiteral("ntfs%1-clone.img").arg(cluster));
    QVERIFY(copyRanges(image, 0, ranges, clone, size));
    const ToolRun fix = runCaptured(QStringLiteral("ntfsfix"), {"-n", clone});
    QVERIFY2(fix.code == 0 && !fix.out.contains(QStringLiteral("BAD")), qPrintable(fix.out));
    Mount m(clone, m_dir.filePath(QStringLiteral("mntclone")), {"-o", "ro"}, QStringLiteral("ntfs-3g"));
    QVERIFY2(m.ok(), qPrintable(m.error()));
    QCOMPARE(hashTree(m.point()), sourceHashes);
}

void TestRealVolumes::fat32Volumes_data()
{
    QTest::addColumn<int>("sectorsPerCluster");
    QTest::addColumn<int>("sizeMiB");
    QTest::newRow("512") << 1 << 48;
    QTest::newRow("4096") << 8 << 300;
    QTest::newRow("65536") << 128 << 4096;
}

void TestRealVolumes::fat32Volumes()
{
    QFETCH(int, sectorsPerCluster);
    QFETCH(int, sizeMiB);
    if (const QString why = missingRequirement({"mkfs.fat", "fsck.fat", "mcopy", "mdel"}); !why.isEmpty())
        QSKIP(qPrintable(why));

    const QString image = m_dir.filePath(QStringLiteral("fat%1.img").arg(sectorsPerCluster));
    const uint64_t size = uint64_t(sizeMiB) * 1024 * 1024;
    QVERIFY(makeSparseFile(image, qint64(size)) && makeFat32(image, {"-S", "512", "-s", QString::number(sectorsPerCluster)}));

    const QString staging = m_dir.filePath(QStringLiteral("stage%1").arg(sectorsPerCluster));
    fillTree(staging, quint32(sectorsPerCluster) + 77);
    const QString mtoolsImage = QStringLiteral("-i");  // mtools' option naming the image
    // Small files first, every second one deleted again: the large files written after them are
    // split over the holes.
    QRandomGenerator rng{quint32(sectorsPerCluster)};
    QDir().mkpath(staging + QStringLiteral("/fill"));
    for (int i = 0; i < 16; ++i)
        writeFile(QStringLiteral("%1/fill/%2.bin").arg(staging).arg(i), randomBytes(rng, 3 * 512 * sectorsPerCluster));
    QCOMPARE(runCaptured(QStringLiteral("mcopy"), {mtoolsImage, image, "-s", staging + "/fill", "::/"}).code, 0);
    for (int i = 0; i < 16; i += 2) {
        QCOMPARE(runCaptured(QStringLiteral("mdel"), {mtoolsImage, image, QStringLiteral("::/fill/%1.bin").arg(i)}).code, 0);
        QFile::remove(QStringLiteral("%1/fill/%2.bin").arg(staging).arg(i));
    }
    QCOMPARE(runCaptured(QStringLiteral("mcopy"), {mtoolsImage, image, staging + "/big2.bin", "::/"}).code, 0);
    QCOMPARE(runCaptured(QStringLiteral("mcopy"), {mtoolsImage, image, "-s", staging + "/docs", staging + "/tiny.txt", "::/"}).code, 0);
    const QMap<QString, QByteArray> sourceHashes = hashTree(staging);

    DiskHandle handle = RawDisk::openVolume(image, false);
    QVERIFY(handle);
    FAT32Parser parser;
    QVERIFY2(parser.load(handle.get(), 0, size), qPrintable(parser.lastError()));
    handle.reset();
    QVERIFY(parser.isBitmapValid());
    QCOMPARE(parser.clusterSize(), uint32_t(512 * sectorsPerCluster));

    const ToolRun check = runCaptured(QStringLiteral("fsck.fat"), {"-n", "-v", image});
    QCOMPARE(check.code, 0);
    const auto m = QRegularExpression(QStringLiteral("(\\d+)/(\\d+) clusters")).match(check.out);
    QVERIFY(m.hasMatch());
    QCOMPARE(parser.usedClusters(), m.captured(1).toULongLong());
    QCOMPARE(parser.totalClusters(), m.captured(2).toULongLong());

    const SectorRanges ranges = parser.usedSectorRanges();
    QCOMPARE(ranges.first().startSector, 0u);
    QCOMPARE(rangeSectors(ranges) * 512, parser.dataStart() * 512 + parser.usedClusters() * parser.clusterSize());
    const QString clone = m_dir.filePath(QStringLiteral("fat%1-clone.img").arg(sectorsPerCluster));
    QVERIFY(copyRanges(image, 0, ranges, clone, size));
    const ToolRun cloneCheck = runCaptured(QStringLiteral("fsck.fat"), {"-n", clone});
    QVERIFY2(cloneCheck.code == 0, qPrintable(cloneCheck.out));
    const QString extracted = m_dir.filePath(QStringLiteral("out%1").arg(sectorsPerCluster));
    QDir().mkpath(extracted);
    QCOMPARE(runCaptured(QStringLiteral("mcopy"), {mtoolsImage, clone, "-s", "-n", "::/docs", "::/fill", "::/tiny.txt", "::/big2.bin", extracted}).code, 0);
    QCOMPARE(hashTree(extracted), sourceHashes);
}

void TestRealVolumes::ntfsInsideDiskByNumber()
{
    if (const QString why = missingRequirement({"mkntfs", "ntfs-3g", "ntfsfix"}, true, true); !why.isEmpty())
        QSKIP(qPrintable(why));

    // An NTFS volume at sector 2048 of disk 0, followed by other data that must not be touched.
    const QString volume = m_dir.filePath(QStringLiteral("part.img"));
    const uint64_t volumeSize = 48ull * 1024 * 1024;
    QVERIFY(makeSparseFile(volume, qint64(volumeSize)) && makeNtfs(volume, {"-c", "4096"}));
    QMap<QString, QByteArray> sourceHashes;
    {
        Mount m(volume, m_dir.filePath(QStringLiteral("mntpart")), {}, QStringLiteral("ntfs-3g"));
        QVERIFY2(m.ok(), qPrintable(m.error()));
        fillTree(m.point(), 4242);
        sourceHashes = hashTree(m.point());
    }
    QCOMPARE(runCaptured(QStringLiteral("dd"), {"if=" + volume, "of=" + m_diskImage, "bs=1M", "seek=1", "conv=sparse,notrunc",
                                        "status=none"}).code, 0);
    QVERIFY(QFile(m_diskImage).resize(qint64(volumeSize + 4 * 1024 * 1024)));

    NTFSParser parser;
    const DiskHandle image = RawDisk::openDisk(0, false);
    QVERIFY2(parser.parse(image.get(), 2048, volumeSize / 512), qPrintable(parser.lastError()));
    QCOMPARE(parser.partitionOffset(), 1024u * 1024);
    const QByteArray map = parser.sectorMap();
    QCOMPARE(uint64_t(map.size()), volumeSize / 512);  // the backup boot sector is the partition's last sector
    const SectorRanges ranges = parser.usedSectorRanges();
    QCOMPARE(uint64_t(map.count('\1')), rangeSectors(ranges));
    QCOMPARE(ranges.last(), (SectorRange{volumeSize / 512 - 1, 1}));

    // Unreadable disk sectors inside big1.bin's first cluster name that file (disk sectors, not
    // volume clusters: the partition starts at 1 MiB).
    const auto big = runsOf(volume, QStringLiteral("/docs/deep/big1.bin"));
    QVERIFY(!big.empty());
    DiskInfo disk;
    disk.diskNumber = 0;
    PartitionInfo part;
    part.partitionNumber = 1;
    part.start512 = 2048;
    part.size = volumeSize;
    disk.partitions = {part};
    UnreadableMap unreadable;
    unreadable.add(2048 + big.front().first * 8 + 3, 2);
    const QStringList owners = UnreadableOwners::describe(disk, unreadable);
    QVERIFY2(owners.size() == 1 && owners.first().endsWith(QLatin1String("\\docs\\deep\\big1.bin")), qPrintable(owners.join('\n')));

    const QString clone = m_dir.filePath(QStringLiteral("part-clone.img"));
    QVERIFY(copyRanges(m_diskImage, 1024 * 1024, ranges, clone, volumeSize));
    const ToolRun fix = runCaptured(QStringLiteral("ntfsfix"), {"-n", clone});
    QVERIFY2(fix.code == 0 && fix.out.contains(QStringLiteral("alternate boot sector... OK")), qPrintable(fix.out));
    Mount m(clone, m_dir.filePath(QStringLiteral("mntpartclone")), {"-o", "ro"}, QStringLiteral("ntfs-3g"));
    QVERIFY2(m.ok(), qPrintable(m.error()));
    QCOMPARE(hashTree(m.point()), sourceHashes);
}

void TestRealVolumes::ntfsOnFourKSectorDevice()
{
    if (const QString why = missingRequirement({"mkntfs", "losetup", "ntfscluster", "ntfsfix"}, true); !why.isEmpty())
        QSKIP(qPrintable(why));
    const QString image = m_dir.filePath(QStringLiteral("ntfs4k.img"));
    const uint64_t size = 64ull * 1024 * 1024;
    QVERIFY(makeSparseFile(image, qint64(size)));
    LoopDevice loop(image, false, 4096);
    if (!loop.ok())
        QSKIP(qPrintable(loop.error()));
    QVERIFY(makeNtfs(loop.device()));

    DiskHandle handle = RawDisk::openVolume(loop.device(), false);
    QVERIFY(handle);
    NTFSParser parser;
    QVERIFY2(parser.load(handle.get(), 0, 0), qPrintable(parser.lastError()));
    handle.reset();
    QCOMPARE(parser.sectorSize(), 4096u);
    const ToolRun clusters = runCaptured(QStringLiteral("ntfscluster"), {"-i", loop.device()});
    const qulonglong freeBytes = field(clusters.out, QStringLiteral("bytes of free space\\s*:\\s*(\\d+)"));
    QCOMPARE(parser.totalClusters() - parser.usedClusters(), freeBytes / parser.clusterSize());
    // In 512-byte units the backup boot sector is the device's last 4096-byte sector.
    QCOMPARE(parser.usedSectorRanges().last(), (SectorRange{size / 512 - 8, 8}));

    const QString clone = m_dir.filePath(QStringLiteral("ntfs4k-clone.img"));
    QVERIFY(copyRanges(loop.device(), 0, parser.usedSectorRanges(), clone, size));
    const ToolRun fix = runCaptured(QStringLiteral("ntfsfix"), {"-n", clone});
    QVERIFY2(fix.code == 0 && !fix.out.contains(QStringLiteral("BAD")), qPrintable(fix.out));
}

QTEST_GUILESS_MAIN(TestRealVolumes)
#include "tst_realvolumes.moc"
