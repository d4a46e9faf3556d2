#pragma once
// The disks of the clone tests: sparse images (some behind 4096-byte loop devices) listed for the
// platform, sources built with sfdisk (types named by sgdisk codes), mkntfs and mkfs.fat holding files of known hashes,
// and copies judged by sgdisk, ntfsfix, fsck.fat and those hashes read back through ntfs-3g and mtools.
#include "common/imagefixture.h"
#include "common/logcapture.h"
#include "core/diskio.h"
#include "core/diskmanager.h"
#include "engine/cloneengine.h"
#include "modes/clonemode.h"

#include <QDirIterator>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>
#include <functional>
#include <memory>
#include <vector>

constexpr uint64_t MiB = 1048576;
using FileHashes = QMap<QString, QByteArray>;

struct PartSpec {
    QString type;  // sgdisk type code (GPT), or the MBR type in hex
    uint64_t mib;
    QString fs;               // "ntfs", "fat32" or empty
    bool windows = false;     // holds a Windows tree; the active partition on MBR
    uint64_t gapBefore = 0;   // MiB of free space before it
    bool system = true;       // what a system clone takes along
    bool bootFiles = false;   // holds bootmgr and Boot/BCD: System Reserved, the active one on MBR
};
using Layout = QList<PartSpec>;
Q_DECLARE_METATYPE(Layout)

struct DiskSpec {
    uint64_t mib;
    uint32_t sector = 512;
    bool loop = false;       // a loop device of that sector size over the image
    bool listImage = false;  // listed as image@4096 even when looped: partitions of a loop device are not probed
};

class CloneFixture {
public:
    QTemporaryDir dir;
    LogCapture log;
    QString skip;         // why the tests that need tools must skip
    QStringList files;    // the images
    QStringList paths;    // what the tools open: the image, or the loop device over it
    QList<uint32_t> sectors;
    QList<DiskInfo> listed;  // the records the last run was given

    // Creates the images and lists them, in this order, as the platform's disks (before it starts).
    void setUp(const QList<DiskSpec>& disks, const QStringList& moreTools = {})
    {
        QVERIFY(dir.isValid());
        log.init(dir);
        skip = missingRequirement(QStringLiteral("losetup sgdisk sfdisk mkntfs ntfsfix ntfs-3g mkfs.fat fsck.fat mcopy")
                                      .split(QLatin1Char(' ')) + moreTools, true, true);
        if (!skip.isEmpty())
            return;
        qputenv("MTOOLS_SKIP_CHECK", "1");
        QStringList table;
        for (const DiskSpec& d : disks) {
            files << dir.filePath(QStringLiteral("disk%1.img").arg(files.size()));
            QVERIFY(makeSparseFile(files.last(), qint64(d.mib * MiB)));
            sectors << d.sector;
            paths << files.last();
            if (d.loop) {
                m_loops.push_back(std::make_unique<LoopDevice>(files.last(), false, int(d.sector)));
                QVERIFY2(m_loops.back()->ok(), qPrintable(m_loops.back()->error()));
                paths.last() = m_loops.back()->device();
            }
            table << (d.loop && !d.listImage ? paths.last() : d.sector == 512 ? files.last() : files.last() + QStringLiteral("@4096"));
        }
        qputenv("TESSARIN_DISKS", table.join(QLatin1Char(':')).toLocal8Bit());
    }

    // Only this disk's image and loop device are flushed: a machine-wide sync waits for every other writer too.
    void settle(int disk)
    {
        runCaptured(QStringLiteral("sync"), {files[disk]});
        if (paths[disk].startsWith(QStringLiteral("/dev/")))
            runCaptured(QStringLiteral("blockdev"), {QStringLiteral("--flushbufs"), paths[disk]});
    }

    DiskInfo record(int disk) { return pick(DiskManager::enumerateDisks(), disk); }
    static DiskInfo pick(const QList<DiskInfo>& disks, int disk)
    {
        for (const DiskInfo& d : disks)
            if (d.diskNumber == disk)
                return d;
        return {};
    }

    // The type GUID of an sgdisk type code.
    static QString gptType(const QString& code)
    {
        static const QMap<QString, QString> types{{QStringLiteral("ef00"), QStringLiteral("C12A7328-F81F-11D2-BA4B-00A0C93EC93B")},
                                                  {QStringLiteral("0c01"), QStringLiteral("E3C9E316-0B5C-4DB8-817D-F92DF00215AE")},
                                                  {QStringLiteral("0700"), QStringLiteral("EBD0A0A2-B9E5-4433-87C0-68B6B72699C7")},
                                                  {QStringLiteral("2700"), QStringLiteral("DE94BBA4-06D1-4D40-A16A-BFD50179D6AC")},
                                                  {QStringLiteral("8300"), QStringLiteral("0FC63DAF-8483-4772-8E79-3D69D8477DE4")}};
        return types.value(code);
    }

    // Byte offsets of the partitions of `layout`, from 1 MiB on.
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

    // A fresh table and volumes of `layout` on `disk`; `hashes` gets the files of each partition.
    // Each recipe is built once; later requests get a copy of that first build.
    void buildSource(int disk, bool gpt, const Layout& layout, QList<FileHashes>& hashes)
    {
        const uint32_t ss = sectors[disk];
        QString recipe = QStringLiteral("%1 %2 %3 %4").arg(ss).arg(QFileInfo(files[disk]).size()).arg(gpt).arg(paths[disk] != files[disk]);
        for (const PartSpec& p : layout)
            recipe += QStringLiteral("|%1 %2 %3 %4 %5 %6").arg(p.type).arg(p.mib).arg(p.fs).arg(p.windows).arg(p.gapBefore).arg(p.bootFiles);
        const bool reserved = std::any_of(layout.begin(), layout.end(), [](const PartSpec& p) { return p.bootFiles; });
        if (const auto built = m_built.constFind(recipe); built != m_built.constEnd()) {
            QVERIFY(copySparse(built->image, files[disk]));
            settle(disk);
            hashes = built->hashes;
            m_trees[disk] = built->trees;
            return;
        }
        Built made;
        const QString name = QStringLiteral("source%1").arg(m_built.size());
        QVERIFY(makeSparseFile(files[disk], QFileInfo(files[disk]).size()));
        settle(disk);
        const QList<uint64_t> at = offsets(layout);
        QString script = gpt ? QStringLiteral("label: gpt\n") : QStringLiteral("label: dos\n");
        for (int i = 0; i < layout.size(); ++i) {
            const uint64_t first = at[i] / ss, count = layout[i].mib * MiB / ss;
            const QString type = gpt ? gptType(layout[i].type) : layout[i].type;
            QVERIFY2(!type.isEmpty(), qPrintable(layout[i].type));
            script += QStringLiteral("start=%1, size=%2, type=%3%4\n").arg(first).arg(count)
                          .arg(type, !gpt && (reserved ? layout[i].bootFiles : layout[i].windows) ? QStringLiteral(", bootable") : QString());
        }
        QVERIFY(sfdiskScript(paths[disk], script));
        settle(disk);
        hashes.clear();
        for (int i = 0; i < layout.size(); ++i) {
            hashes.append(FileHashes());
            if (layout[i].fs.isEmpty())
                continue;
            const bool ntfs = layout[i].fs == QLatin1String("ntfs");
            LoopDevice part(files[disk], false, ss == 512 ? 0 : int(ss), qint64(at[i]), qint64(layout[i].mib * MiB));
            QVERIFY2(part.ok(), qPrintable(part.error()));
            const QString tree = dir.filePath(QStringLiteral("%1/tree%2").arg(name).arg(i));
            made.trees.resize(i + 1);
            made.trees[i] = tree;
            QDir(tree).removeRecursively();  // left by a build that failed
            writeTree(tree, int(ntfs ? layout[i].mib * 2 : layout[i].mib / 2), quint32(i + 7), layout[i].windows);
            if (layout[i].bootFiles) {
                QDir(tree).mkpath(QStringLiteral("Boot"));
                for (const QString& name : {QStringLiteral("bootmgr"), QStringLiteral("Boot/BCD")}) {
                    QFile f(tree + QLatin1Char('/') + name);
                    QVERIFY(f.open(QIODevice::WriteOnly));
                    f.write(QByteArray(40000, char(name.size())));
                }
            }
            if (ntfs) {
                hashes.last() = hashTree(tree);
                QVERIFY(makeNtfs(part.device()));
                Mount m(part.device(), dir.filePath(QStringLiteral("mnt")), {}, QStringLiteral("ntfs-3g"));
                QVERIFY2(m.ok(), qPrintable(m.error()));
                QCOMPARE(runTool(QStringLiteral("cp"), {QStringLiteral("-a"), tree + QStringLiteral("/."), m.point()}), 0);
            } else {
                hashes.last() = hashTree(tree + QStringLiteral("/d"));
                QVERIFY(makeFat32(part.device(), {QStringLiteral("-n"), layout[i].type == QLatin1String("ef00") ? QStringLiteral("EFI") : QStringLiteral("DATA")}));
                QCOMPARE(runTool(QStringLiteral("mcopy"), {QStringLiteral("-s"), QStringLiteral("-i"), part.device(),
                                                            tree + QStringLiteral("/d"), QStringLiteral("::")}), 0);
            }
        }
        settle(disk);
        made.image = dir.filePath(name + QStringLiteral(".img"));
        made.hashes = hashes;
        QVERIFY(copySparse(files[disk], made.image));
        m_trees[disk] = made.trees;
        m_built.insert(recipe, made);
    }

    // The folder whose files went into partition `part` of the source last built on `disk`.
    QString tree(int disk, int part) const { return m_trees.value(disk).value(part); }

    // makePlan, prepare and execute `mode` on the records of `src` and `dst` in `disks`, or enumerated
    // now when that is empty; `edit` changes the configuration first, `hook` sees the DiskIO before the run.
    bool run(CloneMode& mode, int src, int dst, bool smart, QString& error, const std::function<void(CloneConfig&)>& edit = {},
             const std::function<void(DiskIO&)>& hook = {}, const QList<DiskInfo>& disks = {})
    {
        listed = disks.isEmpty() ? DiskManager::enumerateDisks() : disks;
        CloneConfig config;
        config.mode = Tessarin::CloneModeType(mode.type());
        config.sourceDisk = pick(listed, src);
        config.targetDisk = pick(listed, dst);
        config.smartClone = smart;
        if (edit)
            edit(config);
        DiskIO io;
        io.setBufferSize(4 * MiB);
        mode.setConfig(config);
        mode.setSectorBySector(config.sectorBySector);
        mode.setDiskIO(&io);
        if (hook)
            hook(io);
        // As the worker runs it: the free space is discarded right after the copy.
        const bool ok = mode.makePlan(error) && mode.prepare() && mode.execute();
        if (ok)
            mode.discardUnwritten();
        if (!ok && error.isEmpty())
            error = mode.lastError();
        io.close();
        settle(dst);
        return ok;
    }

    // The whole run as the window starts it: the engine's worker thread with its own DiskIO, smart
    // and verified, without boot repair. `message` receives the result text.
    bool runEngine(Tessarin::CloneModeType type, int src, int dst, QString& message,
                   const std::function<void(CloneConfig&)>& edit = {}, CloneProgress* last = nullptr)
    {
        Tessarin::registerMetaTypes();
        CloneConfig config;
        config.mode = type;
        listed = DiskManager::enumerateDisks();
        config.sourceDisk = pick(listed, src);
        config.targetDisk = pick(listed, dst);
        config.smartClone = true;
        config.verify = true;
        config.fixBoot = false;
        if (edit)
            edit(config);
        CloneEngine engine;
        QSignalSpy finished(&engine, &CloneEngine::finished);
        QSignalSpy refused(&engine, &CloneEngine::error);
        QSignalSpy progress(&engine, &CloneEngine::progressChanged);
        engine.setConfig(config);
        engine.start();
        if (finished.isEmpty() && (!engine.isRunning() || !finished.wait(600000))) {
            message = refused.isEmpty() ? QStringLiteral("the engine did not finish") : refused.first().first().toString();
            return false;
        }
        message = finished.first().at(1).toString();
        if (last && !progress.isEmpty())
            *last = progress.last().first().value<CloneProgress>();
        settle(dst);
        return finished.first().at(0).toBool();
    }

    // Writes `bytes` at `at` of disk `disk`'s image, keeping what was there in `undo` (newest last).
    void patch(int disk, qint64 at, const QByteArray& bytes, QList<QPair<qint64, QByteArray>>& undo)
    {
        undo.append({at, readFileBytes(files[disk], at, bytes.size())});
        QVERIFY(writeFileBytes(files[disk], at, bytes));
    }
    void unpatch(int disk, QList<QPair<qint64, QByteArray>>& undo)
    {
        while (!undo.isEmpty()) {
            const auto [at, bytes] = undo.takeLast();
            QVERIFY(writeFileBytes(files[disk], at, bytes));
        }
        settle(disk);
    }

    // Clears in the $Bitmap of the NTFS volume at `offset` the bits of `file`'s clusters, or zeroes
    // the whole bitmap when `file` is empty. Where things lie comes from ntfsinfo.
    void damageNtfsBitmap(int disk, uint64_t offset, uint64_t size, const QString& file, QList<QPair<qint64, QByteArray>>& undo)
    {
        using Runs = QList<QPair<uint64_t, uint64_t>>;
        LoopDevice dev(files[disk], false, 0, qint64(offset), qint64(size));
        QVERIFY2(dev.ok(), qPrintable(dev.error()));
        auto runsOf = [&](const QStringList& which) {
            Runs runs;
            const QString out = runCaptured(QStringLiteral("ntfsinfo"), QStringList{QStringLiteral("-v")} + which + QStringList{dev.device()}).out;
            static const QRegularExpression row(QStringLiteral("^\\s+0x[0-9a-f]+\\s+0x([0-9a-f]+)\\s+0x([0-9a-f]+)\\s*$"),
                                                QRegularExpression::MultilineOption);
            for (const QRegularExpressionMatch& m : row.globalMatch(out))
                runs.append({m.captured(1).toULongLong(nullptr, 16), m.captured(2).toULongLong(nullptr, 16)});
            return runs;
        };
        static const QRegularExpression clusterRow(QStringLiteral("Cluster Size: (\\d+)"));
        const uint64_t clusterSize =
            clusterRow.match(runCaptured(QStringLiteral("ntfsinfo"), {QStringLiteral("-m"), dev.device()}).out).captured(1).toULongLong();
        const Runs bitmap = runsOf({QStringLiteral("-i"), QStringLiteral("6")});
        QVERIFY2(clusterSize != 0 && bitmap.size() == 1, "$Bitmap is expected in one run");
        const qint64 at = qint64(offset + bitmap.first().first * clusterSize);
        QByteArray bits = readFileBytes(files[disk], at, qint64(bitmap.first().second * clusterSize));
        if (file.isEmpty()) {
            bits.fill('\0');
        } else {
            const Runs owned = runsOf({QStringLiteral("-F"), file});
            QVERIFY2(!owned.isEmpty(), qPrintable(file));
            for (const auto& [first, count] : owned)
                for (uint64_t c = first; c < first + count; ++c)
                    bits[qsizetype(c / 8)] = char(bits[qsizetype(c / 8)] & ~(1 << (c % 8)));
        }
        patch(disk, at, bits, undo);
    }

    // Frees in the first FAT of the FAT32 volume at `offset` the chain of `file` (an mtools path);
    // the other FATs keep it.
    void breakFirstFat(int disk, uint64_t offset, uint64_t size, const QString& file, QList<QPair<qint64, QByteArray>>& undo)
    {
        QList<uint64_t> chain;
        {
            LoopDevice dev(files[disk], false, 0, qint64(offset), qint64(size));
            QVERIFY2(dev.ok(), qPrintable(dev.error()));
            const QString out = runCaptured(QStringLiteral("mshowfat"), {QStringLiteral("-i"), dev.device(), file}).out;
            static const QRegularExpression span(QStringLiteral("<(\\d+)(?:-(\\d+))?>"));
            for (const QRegularExpressionMatch& m : span.globalMatch(out))
                for (uint64_t c = m.captured(1).toULongLong(); c <= (m.captured(2).isEmpty() ? m.captured(1) : m.captured(2)).toULongLong(); ++c)
                    chain.append(c);
            QVERIFY2(chain.size() > 1, qPrintable(out));
        }
        const QByteArray boot = readFileBytes(files[disk], qint64(offset), 512);
        const qint64 fat = qint64(offset) + qint64(fatField(boot, 14, 2) * fatField(boot, 11, 2));
        for (uint64_t c : chain)
            patch(disk, fat + qint64(4 * c), QByteArray(4, '\0'), undo);
        settle(disk);
    }

    // Copies the second FAT over the first on the FAT32 volume at `offset`: the repair that trusts it.
    void restoreFirstFat(int disk, uint64_t offset)
    {
        const QByteArray boot = readFileBytes(files[disk], qint64(offset), 512);
        const qint64 bytes = qint64(fatField(boot, 36, 4) * fatField(boot, 11, 2));
        const qint64 fat = qint64(offset) + qint64(fatField(boot, 14, 2) * fatField(boot, 11, 2));
        QVERIFY(writeFileBytes(files[disk], fat, readFileBytes(files[disk], fat + bytes, bytes)));
        settle(disk);
    }

    static uint64_t fatField(const QByteArray& boot, int at, int width)
    {
        uint64_t v = 0;
        for (int i = 0; i < width; ++i)
            v |= uint64_t(uint8_t(boot[at + i])) << (8 * i);
        return v;
    }

    // The largest file under `root`, relative to it.
    static QString largestFile(const QString& root)
    {
        QString best;
        qint64 size = -1;
        QDirIterator it(root, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QFileInfo info(it.next());
            if (info.size() > size) {
                size = info.size();
                best = QDir(root).relativeFilePath(info.filePath());
            }
        }
        return best;
    }

    // sgdisk finds the table sound, with its backup header on the disk's last sector.
    void checkGpt(int disk)
    {
        const ToolRun v = runCaptured(QStringLiteral("sgdisk"), {QStringLiteral("-v"), paths[disk]});
        QVERIFY2(v.out.contains(QStringLiteral("No problems found")), qPrintable(v.out));
        QCOMPARE(readFileBytes(files[disk], QFileInfo(files[disk]).size() - sectors[disk], 8), QByteArray("EFI PART"));
    }

    // The volume at `offset` is clean and holds exactly `expected`; read through a loop device of
    // the disk's sector size, or of 512 bytes when `native` is false.
    void checkVolume(int disk, uint64_t offset, uint64_t size, const QString& fs, const FileHashes& expected, bool native = true)
    {
        const uint32_t ss = native ? sectors[disk] : 512;
        LoopDevice dev(files[disk], false, ss == 512 ? 0 : int(ss), qint64(offset), qint64(size));
        QVERIFY2(dev.ok(), qPrintable(dev.error()));
        QString out;
        if (fs == QLatin1String("ntfs")) {
            QVERIFY2(runTool(QStringLiteral("ntfsfix"), {QStringLiteral("-n"), dev.device()}, &out) == 0, qPrintable(out));
            Mount m(dev.device(), dir.filePath(QStringLiteral("check")), {QStringLiteral("-o"), QStringLiteral("ro")},
                    QStringLiteral("ntfs-3g"));
            QVERIFY2(m.ok(), qPrintable(m.error()));
            QCOMPARE(hashTree(m.point()), expected);
            return;
        }
        QVERIFY2(runTool(QStringLiteral("fsck.fat"), {QStringLiteral("-n"), dev.device()}, &out) == 0, qPrintable(out));
        const QString outDir = dir.filePath(QStringLiteral("fatout"));
        QDir(outDir).removeRecursively();
        QDir().mkpath(outDir);
        QCOMPARE(runTool(QStringLiteral("mcopy"), {QStringLiteral("-s"), QStringLiteral("-i"), dev.device(), QStringLiteral("::d"), outDir}), 0);
        QCOMPARE(hashTree(outDir + QStringLiteral("/d")), expected);
    }

    static QByteArray hash(const QString& path, qint64 offset = 0, qint64 length = -1) { return contentHash(path, offset, length); }

    static FileHashes hashTree(const QString& root)
    {
        FileHashes out;
        QDirIterator it(root, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString p = it.next();
            if (!p.contains(QStringLiteral("System Volume Information")))
                out.insert(QDir(root).relativeFilePath(p), hash(p));
        }
        return out;
    }

    // Files of varied size, some empty, some spanning many clusters, under d/ (and a Windows tree).
    static void writeTree(const QString& root, int count, quint32 seed, bool windows)
    {
        QRandomGenerator gen(seed);
        for (int i = 0; i < count; ++i) {
            const QString sub = windows && i % 3 ? QStringLiteral("Windows/System32") : QStringLiteral("d");
            QDir(root).mkpath(sub);
            QByteArray data(int(gen.bounded(i % 40 == 0 ? 3 << 20 : 40000)), Qt::Uninitialized);
            for (char& c : data)
                c = char(gen.generate());
            QFile f(QStringLiteral("%1/%2/f%3.bin").arg(root, sub).arg(i));
            if (f.open(QIODevice::WriteOnly))
                f.write(data);
        }
    }

private:
    struct Built {
        QString image;
        QList<FileHashes> hashes;
        QStringList trees;
    };
    std::vector<std::unique_ptr<LoopDevice>> m_loops;
    QHash<QString, Built> m_built;   // by recipe
    QHash<int, QStringList> m_trees;  // by disk
};
