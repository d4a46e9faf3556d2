// System clones end to end on sparse images and 4096-byte loop devices, judged by sgdisk, sfdisk,
// ntfsfix, fsck.fat, ntfs-3g, mtools and file hashes; the layout rules with plain numbers.
#include "boot/boottoolavailability.h"
#include "common/imagefixture.h"
#include "common/logcapture.h"
#include "core/diskio.h"
#include "core/diskmanager.h"
#include "modes/systemclonelayout.h"
#include "modes/systemclonemode.h"
#include "modes/systemclonetarget.h"
#include "ondisk/byteorder.h"

#include <QCryptographicHash>
#include <QDirIterator>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTest>
#include <memory>

namespace {
constexpr uint64_t MiB = 1048576;
enum Disk { Src, Dst, Small, Src4k, Dst4k, DiskCount };
using Mode = Tessarin::ResizeMode;

struct PartSpec {
    QString type;  // sgdisk type code, or the MBR type in hex
    uint64_t mib;
    QString fs;    // "ntfs", "fat32" or empty
    bool windows = false;
    uint64_t gapBefore = 0;  // MiB of free space before it
    bool system = true;      // expected to be cloned
};
using Layout = QList<PartSpec>;
using FileHashes = QMap<QString, QByteArray>;

QByteArray sha256(const QString& path)
{
    QFile f(path);
    QCryptographicHash h(QCryptographicHash::Sha256);
    return f.open(QIODevice::ReadOnly) && h.addData(&f) ? h.result() : QByteArray();
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

void writeTree(const QString& root, int count, quint32 seed, bool windows)
{
    QRandomGenerator gen(seed);
    QDir(root).mkpath(windows ? QStringLiteral("Windows/System32") : QStringLiteral("d"));
    for (int i = 0; i < count; ++i) {
        QByteArray data(int(gen.bounded(i % 40 == 0 ? 2 << 20 : 30000)), Qt::Uninitialized);
        for (char& c : data)
            c = char(gen.generate());
        QFile f(QStringLiteral("%1/%2/f%3.bin").arg(root, windows && i % 3 ? QStringLiteral("Windows/System32") : QStringLiteral("d")).arg(i));
        QDir(root).mkpath(QFileInfo(f).path());
        if (f.open(QIODevice::WriteOnly))
            f.write(data);
    }
}

PartitionInfo part(uint64_t startMiB, uint64_t sizeMiB, uint64_t extraBytes = 0)
{
    PartitionInfo p;
    p.startSector = startMiB * MiB / 512;
    p.size = sizeMiB * MiB + extraBytes;
    p.sectorCount = p.size / 512;
    return p;
}
} // namespace
Q_DECLARE_METATYPE(Layout)

class TestSystemClone : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;
    LogCapture m_log;
    QString m_files[DiskCount];
    QString m_paths[DiskCount];
    std::unique_ptr<LoopDevice> m_loops[2];
    QString m_skip;

    uint32_t sectorOf(int disk) const { return disk == Src4k || disk == Dst4k ? 4096 : 512; }
    void settle() { runCaptured(QStringLiteral("sync"), {}); }

    static QList<uint64_t> offsets(const Layout& layout)
    {
        QList<uint64_t> out;
        uint64_t at = MiB;
        for (const PartSpec& p : layout) {
            at += p.gapBefore * MiB;
            out.append(at);
            at += p.mib * MiB;
        }
        return out;
    }

    void buildSource(int disk, bool gpt, const Layout& layout, QList<FileHashes>& files)
    {
        const uint32_t ss = sectorOf(disk);
        QVERIFY(makeSparseFile(m_files[disk], QFileInfo(m_files[disk]).size()));
        const QList<uint64_t> at = offsets(layout);
        if (gpt) {
            QStringList args{QStringLiteral("-o")};
            for (int i = 0; i < layout.size(); ++i)
                args << QStringLiteral("-n") << QStringLiteral("%1:%2:%3").arg(i + 1).arg(at[i] / ss).arg((at[i] + layout[i].mib * MiB) / ss - 1)
                     << QStringLiteral("-t") << QStringLiteral("%1:%2").arg(i + 1).arg(layout[i].type);
            QVERIFY(sgdiskRun(m_paths[disk], args));
        } else {
            QString script = QStringLiteral("label: dos\n");
            for (int i = 0; i < layout.size(); ++i)
                script += QStringLiteral("start=%1, size=%2, type=%3\n").arg(at[i] / ss).arg(layout[i].mib * MiB / ss).arg(layout[i].type);
            QVERIFY(sfdiskScript(m_paths[disk], script));
        }
        files.clear();
        for (int i = 0; i < layout.size(); ++i) {
            files.append(FileHashes());
            if (layout[i].fs.isEmpty())
                continue;
            LoopDevice dev(m_files[disk], false, ss == 512 ? 0 : int(ss), qint64(at[i]), qint64(layout[i].mib * MiB));
            QVERIFY2(dev.ok(), qPrintable(dev.error()));
            const QString tree = m_dir.filePath(QStringLiteral("tree%1").arg(i));
            QDir(tree).removeRecursively();
            writeTree(tree, layout[i].fs == QLatin1String("ntfs") ? 200 : 20, quint32(i + 3), layout[i].windows);
            files.last() = hashTree(tree);
            if (layout[i].fs == QLatin1String("ntfs")) {
                QVERIFY(makeNtfs(dev.device()));
                Mount m(dev.device(), m_dir.filePath(QStringLiteral("mnt")), {}, QStringLiteral("ntfs-3g"));
                QVERIFY2(m.ok(), qPrintable(m.error()));
                QCOMPARE(runTool(QStringLiteral("cp"), {QStringLiteral("-a"), tree + QStringLiteral("/."), m.point()}), 0);
            } else {
                QVERIFY(makeFat32(dev.device(), {QStringLiteral("-n"), QStringLiteral("EFI")}));
                QCOMPARE(runTool(QStringLiteral("mcopy"), {QStringLiteral("-s"), QStringLiteral("-i"), dev.device(),
                                                            tree + QStringLiteral("/d"), QStringLiteral("::")}), 0);
            }
        }
        settle();
    }

    DiskInfo record(int disk)
    {
        for (const DiskInfo& d : DiskManager::enumerateDisks())
            if (d.diskNumber == disk)
                return d;
        return {};
    }

    bool clone(int src, int dst, bool smart, Mode mode, QString& error, QList<PartitionInfo>* placed = nullptr,
               const std::function<void(CloneConfig&)>& edit = {})
    {
        CloneConfig config;
        config.sourceDisk = record(src);
        config.targetDisk = record(dst);
        config.smartClone = smart;
        config.targetBootMode = config.sourceDisk.partitionStyle == Tessarin::PartitionStyle::MBR
            ? Tessarin::TargetBootMode::Legacy : Tessarin::TargetBootMode::Uefi;
        if (edit)
            edit(config);
        DiskIO io;
        io.setBufferSize(4 * MiB);
        SystemCloneMode m;
        m.setResizeMode(mode);
        m.setDataPartitionLabel(QStringLiteral("Files"));
        m.setConfig(config);
        m.setSectorBySector(config.sectorBySector);
        m.setDiskIO(&io);
        const bool ok = m.validate(error) && m.prepare() && m.execute();
        if (!ok && error.isEmpty())
            error = m.lastError();
        if (placed)
            *placed = m.systemPartitions();
        io.close();
        settle();
        return ok;
    }

    // Partitions of a disk as sfdisk reads its table (GPT or MBR): first and end byte, sorted.
    QList<QPair<uint64_t, uint64_t>> tableOf(int disk)
    {
        const ToolRun d = runCaptured(QStringLiteral("sfdisk"), {QStringLiteral("-d"), m_paths[disk]});
        QList<QPair<uint64_t, uint64_t>> out;
        static const QRegularExpression row(QStringLiteral("start=\\s*(\\d+), size=\\s*(\\d+)"));
        for (const QRegularExpressionMatch& m : row.globalMatch(d.out))
            out.append({m.captured(1).toULongLong() * sectorOf(disk),
                        (m.captured(1).toULongLong() + m.captured(2).toULongLong()) * sectorOf(disk)});
        std::sort(out.begin(), out.end());
        return out;
    }

    void checkVolume(int disk, uint64_t offset, uint64_t size, const QString& fs, const FileHashes& files)
    {
        const uint32_t ss = sectorOf(disk);
        LoopDevice dev(m_files[disk], false, ss == 512 ? 0 : int(ss), qint64(offset), qint64(size));
        QVERIFY2(dev.ok(), qPrintable(dev.error()));
        QString out;
        if (fs == QLatin1String("ntfs")) {
            QVERIFY2(runTool(QStringLiteral("ntfsfix"), {QStringLiteral("-n"), dev.device()}, &out) == 0, qPrintable(out));
            Mount m(dev.device(), m_dir.filePath(QStringLiteral("check")), {QStringLiteral("-o"), QStringLiteral("ro")},
                    QStringLiteral("ntfs-3g"));
            QVERIFY2(m.ok(), qPrintable(m.error()));
            QCOMPARE(hashTree(m.point()), files);
            return;
        }
        QVERIFY2(runTool(QStringLiteral("fsck.fat"), {QStringLiteral("-n"), dev.device()}, &out) == 0, qPrintable(out));
        const QString outDir = m_dir.filePath(QStringLiteral("fatout"));
        QDir(outDir).removeRecursively();
        QDir().mkpath(outDir);
        QCOMPARE(runTool(QStringLiteral("mcopy"), {QStringLiteral("-s"), QStringLiteral("-i"), dev.device(), QStringLiteral("::d"), outDir}), 0);
        QCOMPARE(hashTree(outDir), files);
    }

private slots:
    // Where partitions land: a gap of exactly 100 MiB stays, one byte more is closed to the next
    // mebibyte (or sector without align4K); a layout past the target is refused.
    void layout_data()
    {
        QTest::addColumn<QList<PartitionInfo>>("parts");
        QTest::addColumn<bool>("align4K");
        QTest::addColumn<uint64_t>("targetBytes");
        QTest::addColumn<QList<uint64_t>>("expected");  // target offsets; empty: refused
        const uint64_t odd = 3 * 512;  // first partition ends off a mebibyte boundary
        QTest::newRow("gap 100 MiB kept") << QList<PartitionInfo>{part(1, 40), part(141, 80)} << true << 400 * MiB
                                          << QList<uint64_t>{MiB, 141 * MiB};
        QTest::newRow("gap 100 MiB + 1 sector moved") << QList<PartitionInfo>{part(1, 40, odd), part(142, 80)} << true
                                                      << 400 * MiB << QList<uint64_t>{MiB, 42 * MiB};
        QTest::newRow("moved without align4K") << QList<PartitionInfo>{part(1, 40, odd), part(142, 80)} << false
                                               << 400 * MiB << QList<uint64_t>{MiB, 41 * MiB + odd};
        QTest::newRow("small gap after a move keeps its offset")
            << QList<PartitionInfo>{part(1, 10), part(200, 50), part(260, 20)} << true << 400 * MiB
            << QList<uint64_t>{MiB, 11 * MiB, 260 * MiB};
        QTest::newRow("beyond target") << QList<PartitionInfo>{part(1, 40), part(100, 80)} << true << 179 * MiB
                                       << QList<uint64_t>{};
    }
    void layout()
    {
        QFETCH(QList<PartitionInfo>, parts);
        QFETCH(bool, align4K);
        QFETCH(uint64_t, targetBytes);
        QFETCH(QList<uint64_t>, expected);
        std::vector<SystemCloneLayout::Placement> out;
        QString error;
        const bool ok = SystemCloneLayout::place(parts, 512, align4K, targetBytes, out, error);
        QCOMPARE(ok, !expected.isEmpty());
        QCOMPARE(error.isEmpty(), ok);
        for (int i = 0; ok && i < expected.size(); ++i)
            QCOMPARE(out[size_t(i)].targetOffset, expected[i]);
    }

    // The data partition is never a system partition, by number or by place, and is the last one.
    void dataRow()
    {
        PartitionInfo windows = part(57, 80);
        windows.partitionNumber = 4;
        const QList<PartitioningTool::Row> rows{{1, "System", MiB, 40 * MiB}, {4, "Primary", 57 * MiB, 80 * MiB},
                                                {5, "Primary", 140 * MiB, 99 * MiB}, {6, "Primary", 200 * MiB, 150 * MiB},
                                                {7, "Primary", 100 * MiB, 300 * MiB}};
        QCOMPARE(SystemCloneTarget::chooseDataRow(rows, {windows}), 3);
        PartitionInfo unnumbered = windows;
        unnumbered.partitionNumber = 0;  // found by position only
        QCOMPARE(SystemCloneTarget::chooseDataRow(rows.mid(1, 1), {unnumbered}), -1);
    }

    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        m_log.init(m_dir);
        m_skip = missingRequirement({QStringLiteral("losetup"), QStringLiteral("sgdisk"), QStringLiteral("sfdisk"),
                                     QStringLiteral("mkntfs"), QStringLiteral("ntfsfix"), QStringLiteral("ntfs-3g"),
                                     QStringLiteral("ntfsresize"), QStringLiteral("ntfslabel"), QStringLiteral("mkfs.fat"),
                                     QStringLiteral("fsck.fat"), QStringLiteral("mcopy")}, true, true);
        if (!m_skip.isEmpty())
            return;
        qputenv("MTOOLS_SKIP_CHECK", "1");
        const uint64_t sizes[DiskCount] = {320 * MiB, 480 * MiB, 150 * MiB, 320 * MiB, 320 * MiB};
        QStringList table;
        for (int i = 0; i < DiskCount; ++i) {
            m_files[i] = m_dir.filePath(QStringLiteral("disk%1.img").arg(i));
            QVERIFY(makeSparseFile(m_files[i], qint64(sizes[i])));
            m_paths[i] = m_files[i];
        }
        for (int i = 0; i < 2; ++i) {
            m_loops[i] = std::make_unique<LoopDevice>(m_files[Src4k + i], false, 4096);
            QVERIFY2(m_loops[i]->ok(), qPrintable(m_loops[i]->error()));
            m_paths[Src4k + i] = m_loops[i]->device();
        }
        for (int i = 0; i < DiskCount; ++i)
            table << (i == Src4k ? m_files[i] + QStringLiteral("@4096") : m_paths[i]);  // partitions of a loop device are not probed
        qputenv("TESSARIN_DISKS", table.join(QLatin1Char(':')).toLocal8Bit());
    }

    void clones_data()
    {
        QTest::addColumn<int>("src");
        QTest::addColumn<int>("dst");
        QTest::addColumn<bool>("gpt");
        QTest::addColumn<Layout>("layout");
        QTest::addColumn<bool>("smart");
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("sbs");  // sector by sector: every partition in place, the data one too
        // The Windows volume behind a gap over 100 MiB moves up; the data partition stays behind.
        const Layout sample{{"ef00", 40, "fat32"}, {"0c01", 16, ""}, {"0700", 80, "ntfs", true, 110},
                            {"2700", 30, "ntfs"}, {"0700", 40, "ntfs", false, 0, false}};
        // A FAT32 recovery partition moves (boot sector and its backup); Windows behind it stays in place.
        const Layout windowsLast{{"ef00", 40, "fat32"}, {"0c01", 16, ""}, {"2700", 40, "fat32", false, 110},
                                 {"0700", 80, "ntfs", true}, {"0700", 30, "ntfs", false, 0, false}};
        const Layout mbr{{"c", 40, "fat32", false, 0, false}, {"7", 80, "ntfs", true, 110}};
        const Layout gpt4k{{"0c01", 16, ""}, {"0700", 80, "ntfs", true, 120}, {"0700", 60, "ntfs", false, 0, false}};
        QTest::newRow("gpt smart keep only") << int(Src) << int(Dst) << true << sample << true << int(Mode::KeepOnly) << false;
        QTest::newRow("gpt full keep only") << int(Src) << int(Dst) << true << sample << false << int(Mode::KeepOnly) << false;
        QTest::newRow("gpt data partition") << int(Src) << int(Dst) << true << sample << true << int(Mode::KeepAndCreateData) << false;
        QTest::newRow("gpt expand system") << int(Src) << int(Dst) << true << windowsLast << true << int(Mode::ExpandSystem) << false;
        QTest::newRow("gpt sector by sector") << int(Src) << int(Dst) << true << sample << true << int(Mode::KeepAndCreateData)
                                              << true;
        QTest::newRow("mbr legacy") << int(Src) << int(Dst) << false << mbr << true << int(Mode::KeepOnly) << false;
        QTest::newRow("gpt 4096") << int(Src4k) << int(Dst4k) << true << gpt4k << true << int(Mode::KeepOnly) << false;
    }
    void clones()
    {
        if (!m_skip.isEmpty())
            QSKIP(qPrintable(m_skip));
        QFETCH(int, src);
        QFETCH(int, dst);
        QFETCH(bool, gpt);
        QFETCH(Layout, layout);
        QFETCH(bool, smart);
        QFETCH(int, mode);
        QFETCH(bool, sbs);
        if (sbs)
            for (PartSpec& p : layout)
                p.system = true;
        QList<FileHashes> files;
        buildSource(src, gpt, layout, files);
        if (QTest::currentTestFailed())
            return;
        QVERIFY(writeFileBytes(m_files[dst], qint64(300 * MiB), QByteArray(4 * MiB, char(0xA5))));
        const QByteArray sourceHash = sha256(m_files[src]);
        QString error;
        QList<PartitionInfo> placed;
        QVERIFY2(clone(src, dst, smart, Mode(mode), error, &placed, [&](CloneConfig& c) { c.sectorBySector = sbs; }),
                 qPrintable(error));
        QCOMPARE(sha256(m_files[src]), sourceHash);

        // Expected target places: packed behind a large gap, in place otherwise.
        const uint32_t ss = sectorOf(dst);
        const QList<uint64_t> at = offsets(layout);
        QList<QPair<uint64_t, uint64_t>> want;
        uint64_t end = 0;
        for (int i = 0; i < layout.size(); ++i) {
            if (!layout[i].system)
                continue;
            const uint64_t to = !sbs && layout[i].gapBefore > 100 && !want.isEmpty() ? (end + MiB - 1) / MiB * MiB : at[i];
            want.append({to, to + layout[i].mib * MiB});
            end = to + layout[i].mib * MiB;
        }
        QCOMPARE(placed.size() + (sbs ? 1 : 0), want.size());
        if (gpt) {
            const ToolRun v = runCaptured(QStringLiteral("sgdisk"), {QStringLiteral("-v"), m_paths[dst]});
            QVERIFY2(v.out.contains(QStringLiteral("No problems found")), qPrintable(v.out));
            QCOMPARE(readFileBytes(m_files[dst], QFileInfo(m_files[dst]).size() - ss, 8), QByteArray("EFI PART"));
        }
        QList<QPair<uint64_t, uint64_t>> entries = tableOf(dst);
        if (Mode(mode) == Mode::ExpandSystem) {
            QVERIFY(entries.last().second > want.last().second + 100 * MiB);
            want.last().second = entries.last().second;
        }
        if (Mode(mode) == Mode::KeepAndCreateData && !sbs) {  // sector by sector makes none
            QCOMPARE(entries.size(), want.size() + 1);
            const QPair<uint64_t, uint64_t> data = entries.takeLast();
            QVERIFY(data.first >= want.last().second);
            LoopDevice dev(m_files[dst], false, 0, qint64(data.first), qint64(data.second - data.first));
            QString out;
            QVERIFY2(runTool(QStringLiteral("ntfsfix"), {QStringLiteral("-n"), dev.device()}, &out) == 0, qPrintable(out));
            QVERIFY(runTool(QStringLiteral("ntfslabel"), {dev.device()}, &out) == 0);
            QCOMPARE(out.trimmed(), QStringLiteral("Files"));
            Mount m(dev.device(), m_dir.filePath(QStringLiteral("data")), {}, QStringLiteral("ntfs-3g"));
            QVERIFY2(m.ok(), qPrintable(m.error()));
        }
        QCOMPARE(entries, want);

        for (int i = 0, k = 0; i < layout.size(); ++i) {
            if (!layout[i].system)
                continue;
            const QPair<uint64_t, uint64_t> w = want[k++];
            // A BIOS boot finds the moved volume through this field (FAT32: in its backup at sector 6 too).
            for (qint64 copy : layout[i].fs == QLatin1String("fat32") ? QList<qint64>{0, 6 * 512} : QList<qint64>{0})
                if (w.first != at[i])
                    QCOMPARE(ByteOrder::get32(reinterpret_cast<const uint8_t*>(
                                 readFileBytes(m_files[dst], qint64(w.first) + copy + 28, 4).constData())),
                             uint32_t(w.first / ss));
            if (!layout[i].fs.isEmpty())
                checkVolume(dst, w.first, w.second - w.first, layout[i].fs, files[i]);
            if (Mode(mode) == Mode::ExpandSystem && layout[i].windows) {
                // More than the whole old volume now fits.
                LoopDevice dev(m_files[dst], false, 0, qint64(w.first), qint64(w.second - w.first));
                Mount m(dev.device(), m_dir.filePath(QStringLiteral("grow")), {}, QStringLiteral("ntfs-3g"));
                QVERIFY2(m.ok(), qPrintable(m.error()));
                QFile big(m.point() + QStringLiteral("/big.bin"));
                QVERIFY(big.open(QIODevice::WriteOnly));
                for (int n = 0; n < 100; ++n)
                    QCOMPARE(big.write(QByteArray(int(MiB), char(n))), qint64(MiB));
                QVERIFY(big.flush());
            }
        }
    }

    // Requests refused before the target is touched.
    void refusals_data()
    {
        QTest::addColumn<int>("dst");
        QTest::addColumn<QString>("damage");
        QTest::newRow("target too small") << int(Small) << QString();
        QTest::newRow("both GPT copies bad") << int(Dst) << QStringLiteral("gpt");
        QTest::newRow("source vanished") << int(Dst) << QStringLiteral("gone");
        QTest::newRow("volume larger than partition") << int(Dst) << QStringLiteral("volume");
        QTest::newRow("sector sizes differ") << int(Dst4k) << QString();
    }
    void refusals()
    {
        if (!m_skip.isEmpty())
            QSKIP(qPrintable(m_skip));
        QFETCH(int, dst);
        QFETCH(QString, damage);
        QList<FileHashes> files;
        buildSource(Src, true, {{"ef00", 40, "fat32"}, {"0700", 160, "ntfs", true}}, files);
        if (QTest::currentTestFailed())
            return;
        const DiskInfo before = record(Src);
        if (damage == QLatin1String("gpt")) {
            QVERIFY(writeFileBytes(m_files[Src], 512 + 16, QByteArray(4, 'x')));
            QVERIFY(writeFileBytes(m_files[Src], QFileInfo(m_files[Src]).size() - 512 + 16, QByteArray(4, 'x')));
        }
        if (damage == QLatin1String("volume"))
            QVERIFY(sgdiskRun(m_paths[Src], {QStringLiteral("-d"), QStringLiteral("2"), QStringLiteral("-n"),
                                             QStringLiteral("2:%1:%2").arg(41 * MiB / 512).arg(201 * MiB / 512 - 1 - 2048),
                                             QStringLiteral("-t"), QStringLiteral("2:0700")}));
        QVERIFY(writeFileBytes(m_files[dst], 0, QByteArray(MiB, char(0x5A))));
        const QByteArray targetHash = sha256(m_files[dst]);
        QString error;
        QVERIFY(!clone(Src, dst, true, Mode::KeepOnly, error, nullptr, [&](CloneConfig& c) {
            if (damage == QLatin1String("gone"))
                QFile::remove(m_files[Src]);
            if (damage == QLatin1String("gpt") || damage == QLatin1String("gone"))
                c.sourceDisk = before;  // as enumerated before the damage
            for (PartitionInfo& p : c.sourceDisk.partitions)
                p.hasWindows = p.hasWindows || (damage == QLatin1String("volume") && !p.isEfi);  // as a mounted volume shows
        }));
        QVERIFY(!error.isEmpty());
        QCOMPARE(sha256(m_files[dst]), targetHash);
        if (damage == QLatin1String("gone"))
            QVERIFY(makeSparseFile(m_files[Src], qint64(320 * MiB)));
    }

    // Boot repair: skipped without Windows; with it, missing boot tools fail with a reason.
    void bootRepair()
    {
        CloneConfig config;
        config.sourceDisk.diskNumber = 0;
        config.sourceDisk.size = 160 * MiB;
        PartitionInfo p = part(1, 60);
        p.diskNumber = 0;
        config.sourceDisk.partitions = {p};
        SystemCloneMode plain;
        plain.setConfig(config);
        QVERIFY(plain.repairBoot());
        if (BootToolAvailability::allAvailable())
            QSKIP("the boot tools are present here");
        config.sourceDisk.partitions[0].hasWindows = true;
        config.sourceDisk.partitionStyle = Tessarin::PartitionStyle::GPT;
        config.targetDisk.diskNumber = 1;
        config.targetDisk.size = 160 * MiB;
        SystemCloneMode windows;
        windows.setConfig(config);
        QString error;
        QVERIFY2(windows.validate(error), qPrintable(error));
        QVERIFY(!windows.repairBoot());
        QVERIFY(!windows.lastError().isEmpty());
    }

    void cleanupTestCase()
    {
        for (auto& loop : m_loops)
            loop.reset();
    }
};

QTEST_GUILESS_MAIN(TestSystemClone)
#include "tst_systemclone.moc"
