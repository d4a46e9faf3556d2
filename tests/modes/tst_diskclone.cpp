// Disk clones end to end on sparse images and 4096-byte loop devices.
#include "boot/boottoolavailability.h"
#include "clonefixture.h"
#include "common/forwardingdevices.h"
#include "common/memoryplatform.h"
#include "modes/diskclonemode.h"
#include "partition/partitioningtool.h"

#include <QMutex>
#include <QRegularExpression>
#include <map>
#include <numeric>

namespace {
enum Disk { Src, Dst, Small, Dst4kImage, Src4k, Dst4k, Gone };

// The real backend, with every device open counted by path. Transfers run on the default queue,
// since the native one takes only its own handles.
class OpenCounter : public StorageForwardingDevices {
public:
    using StorageForwardingDevices::StorageForwardingDevices;

    std::unique_ptr<DeviceHandle> openDevice(const std::string& path, DeviceAccess access, DeviceFlags flags) override
    {
        auto inner = m_inner.openDevice(path, access, flags);
        if (!inner)
            return nullptr;
        QMutexLocker lock(&m_mutex);
        ++m_opens[path];
        return std::make_unique<ForwardingHandle>(std::move(inner));
    }
    int opens(int diskNumber)
    {
        QMutexLocker lock(&m_mutex);
        return m_opens[RawDisk::physicalDrivePath(diskNumber).toStdString()];
    }

private:
    QMutex m_mutex;
    std::map<std::string, int> m_opens;
};

// The real backend, with the target's discard bent: failing, refused as not supported, or not offered.
class DiscardBender : public StorageForwardingDevices {
public:
    enum class Bend { Fails, Refused, None };
    DiscardBender(PlatformDevices& inner, Bend bend, int target) : StorageForwardingDevices(inner), m_bend(bend), m_target(target) {}

    std::unique_ptr<DeviceHandle> openDevice(const std::string& path, DeviceAccess access, DeviceFlags flags) override
    {
        auto inner = m_inner.openDevice(path, access, flags);
        if (!inner || path != RawDisk::physicalDrivePath(m_target).toStdString() || access != DeviceAccess::ReadWrite)
            return inner;
        return std::make_unique<Handle>(std::move(inner), m_bend);
    }

private:
    class Handle : public ForwardingHandle {
    public:
        Handle(std::unique_ptr<DeviceHandle> inner, Bend bend) : ForwardingHandle(std::move(inner)), m_bend(bend) {}
        Discard discardKind() override { return m_bend == Bend::None ? Discard::None : Discard::Undefined; }
        bool discard(uint64_t, uint64_t) override
        {
            Platform::setLastError(m_bend == Bend::Fails ? PlatformError::IoDevice : PlatformError::NotSupported, "bent");
            return false;
        }
    private:
        Bend m_bend;
    };
    Bend m_bend;
    int m_target;
};

// Counts the cleans and does nothing else.
class CountingTool : public PartitioningTool {
public:
    bool clean(int, TableStyle, const ScriptStep&) override { return ++cleans > 0; }
    bool listPartitions(int, QList<Row>&) override { return false; }
    bool format(int, int, Tessarin::FileSystemType, const QString&) override { return false; }
    bool extendFileSystem(int, int) override { return false; }
    int cleans = 0;
};
} // namespace

class TestDiskClone : public QObject {
    Q_OBJECT
    CloneFixture f;

    // A disk clone of the fixture's source onto its target, without boot repair.
    CloneConfig diskClone()
    {
        Tessarin::registerMetaTypes();
        CloneConfig config;
        config.mode = Tessarin::CloneModeType::DiskClone;
        config.sourceDisk = f.record(Src);
        config.targetDisk = f.record(Dst);
        config.fixBoot = false;
        return config;
    }

private slots:
    void initTestCase()
    {
        f.setUp({{160}, {224}, {159}, {224, 4096}, {200, 4096, true}, {240, 4096, true}, {160}});
        if (!f.skip.isEmpty())
            QSKIP(qPrintable(f.skip));
    }

    // Each layout cloned onto a larger target: the source untouched, a sound table at the target's
    // end with new identifiers, every volume clean and every file equal.
    void clones_data()
    {
        QTest::addColumn<int>("src");
        QTest::addColumn<int>("dst");
        QTest::addColumn<Layout>("layout");
        QTest::addColumn<bool>("smart");
        const Layout gpt{{"ef00", 34, "fat32"}, {"0c01", 8, ""}, {"0700", 60, "ntfs", true}, {"2700", 16, "ntfs"},
                         {"0700", 40, "ntfs"}};
        const Layout mbr{{"7", 80, "ntfs", true}, {"c", 40, "fat32"}};
        const Layout gpt4k{{"0c01", 16, ""}, {"0700", 100, "ntfs", true}, {"0700", 60, "ntfs"}};
        for (bool smart : {true, false}) {
            QTest::addRow("gpt %d", smart) << int(Src) << int(Dst) << gpt << smart;
            QTest::addRow("mbr %d", smart) << int(Src) << int(Dst) << mbr << smart;
        }
        QTest::newRow("gpt 4096 smart") << int(Src4k) << int(Dst4k) << gpt4k << true;
    }
    void clones()
    {
        QFETCH(int, src);
        QFETCH(int, dst);
        QFETCH(Layout, layout);
        QFETCH(bool, smart);
        const bool gpt = layout[0].type.size() == 4;  // sgdisk codes; MBR types are one digit
        QList<FileHashes> files;
        f.buildSource(src, gpt, layout, files);
        if (QTest::currentTestFailed())
            return;
        QVERIFY(writeFileBytes(f.files[dst], qint64(50 * MiB), QByteArray(4 * MiB, char(0xA5))));  // an old owner's data
        // Partitions a system needs to start are copied whole even by a smart copy: old bytes near
        // their ends, where their volumes hold nothing, must give way to the source's.
        // A Windows tree counts where the enumeration saw it (partitions of a loop device are not probed).
        const QList<uint64_t> at = CloneFixture::offsets(layout);
        const QList<DiskInfo> disks = DiskManager::enumerateDisks();
        const DiskInfo source = CloneFixture::pick(disks, src);
        auto bootCritical = [&](int i) {
            const QString& type = layout[i].type;
            return (layout[i].windows && source.partitions.value(i).hasWindows) || type == QLatin1String("ef00")
                || type == QLatin1String("0c01") || type == QLatin1String("2700");
        };
        for (int i = 0; i < layout.size(); ++i)
            if (bootCritical(i))
                QVERIFY(writeFileBytes(f.files[dst], qint64(at[i] + layout[i].mib * MiB - 2 * MiB), QByteArray(MiB, char(0xA5))));
        f.settle(dst);
        const QByteArray sourceHash = f.hash(f.files[src]);
        QString error;
        DiskCloneMode mode;
        QVERIFY2(f.run(mode, src, dst, smart, error, {}, {}, disks), qPrintable(error));
        const uint64_t total = mode.totalBytes();
        QCOMPARE(f.hash(f.files[src]), sourceHash);
        const uint64_t partitionBytes = std::accumulate(layout.begin(), layout.end(), uint64_t(0),
                                                        [](uint64_t sum, const PartSpec& p) { return sum + p.mib * MiB; });
        // Smart copies leave the free clusters of the data volumes behind; full copies move every byte.
        QVERIFY2(smart ? total + 16 * MiB < partitionBytes : total >= partitionBytes, qPrintable(QString::number(total)));

        const uint32_t ss = f.sectors[dst];
        const QByteArray s0 = readFileBytes(f.files[src], 0, 2 * ss), d0 = readFileBytes(f.files[dst], 0, 2 * ss);
        if (gpt) {
            f.checkGpt(dst);
            QVERIFY(s0.mid(ss + 56, 16) != d0.mid(ss + 56, 16));  // disk GUID
            const QByteArray se = readFileBytes(f.files[src], 2 * ss, 128 * layout.size());
            const QByteArray de = readFileBytes(f.files[dst], 2 * ss, 128 * layout.size());
            for (int i = 0; i < layout.size(); ++i) {
                QCOMPARE(de.mid(i * 128, 16), se.mid(i * 128, 16));
                QVERIFY(de.mid(i * 128 + 16, 16) != se.mid(i * 128 + 16, 16));
            }
        } else {  // the boot code and table stay, the disk signature is new
            QCOMPARE(d0.left(440), s0.left(440));
            QVERIFY(d0.mid(440, 4) != s0.mid(440, 4));
            QCOMPARE(d0.mid(444, 68), s0.mid(444, 68));
        }
        for (int i = 0; i < layout.size(); ++i) {
            if (!layout[i].fs.isEmpty())
                f.checkVolume(dst, at[i], layout[i].mib * MiB, layout[i].fs, files[i]);
            if (bootCritical(i))
                QVERIFY2(f.hash(f.files[dst], qint64(at[i]), qint64(layout[i].mib * MiB))
                             == f.hash(f.files[src], qint64(at[i]), qint64(layout[i].mib * MiB)),
                         qPrintable(QStringLiteral("partition %1 was not copied whole").arg(i + 1)));
        }
        // Windows on the source but no boot store on the copy: the offline repair has nothing to do.
        if (src == Src && !BootToolAvailability::allAvailable())
            QVERIFY2(mode.repairBoot(), qPrintable(mode.lastError()));
    }

    // A cancel during the copy stops it: false with no error text, the copy unfinished, and no
    // table on the target yet, so no system mounts the half-copied volumes or meets the source's identity.
    void cancelMidCopy()
    {
        QList<FileHashes> files;
        f.buildSource(Src, true, {{"0700", 120, ""}}, files);
        bool cancelled = false;
        QString error;
        DiskCloneMode mode;
        QVERIFY(!f.run(mode, Src, Dst, false, error, {}, [&](DiskIO& io) {
            connect(&mode, &CloneMode::progressChanged, &mode, [&](uint64_t done, uint64_t) {
                if (done >= 16 * MiB && !cancelled) {
                    cancelled = true;
                    mode.cancel();
                    io.cancel();
                }
            });
        }));
        QVERIFY(cancelled);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        QVERIFY(mode.bytesCopied() < mode.totalBytes());
        QFile target(f.files[Dst]);
        QVERIFY(target.open(QIODevice::ReadOnly));
        const QByteArray head = target.read(1024);
        QVERIFY(head.size() == 1024 && head.mid(510, 2) != QByteArray("\x55\xAA", 2) && head.mid(512, 8) != "EFI PART");
    }

    // A target volume another program holds, or one that cannot say where it lies, refuses the
    // run before the clean: the tool is never called and no byte of the target changes.
    void busyTargetVolumeRefusedBeforeTheClean_data()
    {
        QTest::addColumn<bool>("lockedElsewhere");
        QTest::addColumn<uint32_t>("extentsError");
        QTest::newRow("locked by another program") << true << 0u;
        QTest::newRow("extents unreadable") << false << PlatformError::AccessDenied;
    }
    void busyTargetVolumeRefusedBeforeTheClean()
    {
        QFETCH(bool, lockedElsewhere);
        QFETCH(uint32_t, extentsError);
        MemoryPlatform mp;
        const int src = mp.addDisk(8 * MiB), dst = mp.addDisk(8 * MiB);
        mp.fillPattern(src, 5);
        mp.fillPattern(dst, 6);
        MemoryVolume& v = mp.addVolume("\\\\?\\Volume{e}\\", dst, 1 * MiB, 2 * MiB);
        v.lockedElsewhere = lockedElsewhere;
        v.extentsError = extentsError;
        const std::vector<uint8_t> before = mp.data(dst);
        CountingTool tool;
        PartitioningTool::setCurrent(&tool);
        QString message;
        {
            ScopedPlatform scoped(&mp);
            const QList<DiskInfo> disks = DiskManager::enumerateDisks();
            QCOMPARE(disks.size(), 2);
            CloneConfig config;
            config.mode = Tessarin::CloneModeType::DiskClone;
            config.sourceDisk = disks[src];
            config.targetDisk = disks[dst];
            config.fixBoot = false;
            CloneEngine engine;
            QSignalSpy finished(&engine, &CloneEngine::finished);
            engine.setConfig(config);
            engine.start();
            QVERIFY(!finished.isEmpty() || (engine.isRunning() && finished.wait(60000)));
            QVERIFY(!finished.first().at(0).toBool());
            message = finished.first().at(1).toString();
        }
        PartitioningTool::setCurrent(nullptr);
        QVERIFY2(message.contains(QStringLiteral("nothing was written")), qPrintable(message));
        QCOMPARE(tool.cleans, 0);
        QVERIFY(mp.data(dst) == before && mp.volume("\\\\?\\Volume{e}\\").dismountCount == 0);
    }

    // Requests that must be refused before anything is written: the target is not even cleaned.
    void refusals_data()
    {
        QTest::addColumn<int>("src");
        QTest::addColumn<int>("dst");
        QTest::addColumn<QString>("damage");
        QTest::addColumn<QString>("refusal");
        QTest::newRow("smaller target") << int(Src) << int(Small) << QString()
                                        << QStringLiteral("Target disk is smaller than source disk");
        QTest::newRow("sector size mismatch") << int(Src) << int(Dst4kImage) << QString()
                                              << QStringLiteral("different logical sector sizes (512 and 4096 bytes)");
        QTest::newRow("both GPT copies bad") << int(Src) << int(Dst) << QStringLiteral("gpt")
                                             << QStringLiteral("The source disk's partition table is damaged");
        QTest::newRow("target holds the system") << int(Src) << int(Dst) << QStringLiteral("system")
                                                 << QStringLiteral("holds the running system");
        QTest::newRow("source vanished") << int(Gone) << int(Dst) << QStringLiteral("gone") << QStringLiteral("Failed to open source disk");
    }
    void refusals()
    {
        QFETCH(int, src);
        QFETCH(int, dst);
        QFETCH(QString, damage);
        QFETCH(QString, refusal);
        QList<FileHashes> files;
        f.buildSource(src, true, {{"0700", 20, ""}}, files);
        if (damage == QLatin1String("gpt")) {
            QVERIFY(writeFileBytes(f.files[src], 512 + 16, QByteArray(4, 'x')));
            QVERIFY(writeFileBytes(f.files[src], QFileInfo(f.files[src]).size() - 512 + 16, QByteArray(4, 'x')));
        }
        QVERIFY(writeFileBytes(f.files[dst], 0, QByteArray(MiB, char(0x5A))));
        const QByteArray targetHash = f.hash(f.files[dst]);
        QString error;
        DiskCloneMode mode;
        QVERIFY(!f.run(mode, src, dst, true, error, [&](CloneConfig& c) {
            c.targetDisk.isSystemDisk = c.targetDisk.isSystemDisk || damage == QLatin1String("system");
            if (damage == QLatin1String("gone"))
                QFile::remove(f.files[src]);
        }));
        QVERIFY2(error.contains(refusal), qPrintable(error));
        QCOMPARE(f.hash(f.files[dst]), targetHash);
        if (damage == QLatin1String("gone"))
            QVERIFY(makeSparseFile(f.files[src], qint64(160 * MiB)));
    }

    // An NTFS volume larger than its partition: its usage map cannot be trusted, so the partition
    // is copied whole and the clone still succeeds.
    void volumeLargerThanPartition()
    {
        QList<FileHashes> files;
        f.buildSource(Src, false, {{"7", 60, "ntfs"}}, files);
        QVERIFY(sfdiskScript(f.paths[Src], QStringLiteral("label: dos\nstart=2048, size=%1, type=7\n").arg(40 * MiB / 512)));
        QString error;
        DiskCloneMode mode;
        QVERIFY2(f.run(mode, Src, Dst, true, error), qPrintable(error));
        QCOMPARE(f.hash(f.files[Dst], qint64(MiB), qint64(40 * MiB)), f.hash(f.files[Src], qint64(MiB), qint64(40 * MiB)));
        QVERIFY(mode.repairBoot());  // no Windows on the source: nothing to repair
    }

    // A usage map that lost used clusters: an NTFS $Bitmap zeroed or missing one file's bits, a first
    // FAT that lost a file's chain while the second kept it. The smart, verified clone through the
    // engine still carries every file, and its result says what it found.
    void damagedMaps_data()
    {
        QTest::addColumn<QString>("fs");
        QTest::addColumn<bool>("wholeMap");
        QTest::addColumn<QString>("warning");
        QTest::newRow("ntfs bitmap zeroed") << QStringLiteral("ntfs") << true << QStringLiteral("$Bitmap marks the boot sector");
        QTest::newRow("ntfs one file's bits cleared") << QStringLiteral("ntfs") << false << QStringLiteral("MFT record");
        QTest::newRow("fat32 first FAT lost a chain") << QStringLiteral("fat32") << false << QStringLiteral("FAT copies differ");
    }
    void damagedMaps()
    {
        QFETCH(QString, fs);
        QFETCH(bool, wholeMap);
        QFETCH(QString, warning);
        const Layout layout{{"0700", 60, fs}};
        QList<FileHashes> files;
        f.buildSource(Src, true, layout, files);
        if (QTest::currentTestFailed())
            return;
        const QString tree = f.tree(Src, 0);
        QList<QPair<qint64, QByteArray>> undo;
        if (fs == QLatin1String("ntfs"))
            f.damageNtfsBitmap(Src, MiB, 60 * MiB, wholeMap ? QString() : CloneFixture::largestFile(tree), undo);
        else
            f.breakFirstFat(Src, MiB, 60 * MiB, QStringLiteral("::d/") + CloneFixture::largestFile(tree + QStringLiteral("/d")), undo);
        if (QTest::currentTestFailed())
            return;
        f.settle(Src);
        QString message;
        QVERIFY2(f.runEngine(Tessarin::CloneModeType::DiskClone, Src, Dst, message), qPrintable(message));
        if (fs == QLatin1String("fat32"))  // the copy keeps the source's disagreeing FATs
            f.restoreFirstFat(Dst, MiB);
        f.checkVolume(Dst, MiB, 60 * MiB, fs, files[0]);
        if (QTest::currentTestFailed())
            return;
        QVERIFY2(message.contains(QStringLiteral("Clone completed with warnings")) && message.contains(warning)
                     && message.contains(CloneFixture::pick(f.listed, Src).partitions.value(0).displayName()),
                 qPrintable(message));
    }

    // One run, one door: the run's session opens the source once and the target for its writes;
    // besides that the target is opened only by the checks before the first write, by the
    // partitioning tool's clean, for the platform's re-read of the new table once the session
    // closed it, and by the check of the copy.
    void opensEachDiskOnce()
    {
        const Layout layout{{"ef00", 34, "fat32"}, {"0700", 40, "ntfs"}, {"0700", 30, "ntfs"}};
        QList<FileHashes> files;
        f.buildSource(Src, true, layout, files);
        if (QTest::currentTestFailed())
            return;
        CloneConfig config = diskClone();
        config.smartClone = true;
        OpenCounter counter(Platform::devices());
        {
            ScopedPlatform scoped(PlatformParts{.devices = &counter});
            CloneEngine engine;
            QSignalSpy finished(&engine, &CloneEngine::finished);
            engine.setConfig(config);
            engine.start();
            QVERIFY(!finished.isEmpty() || (engine.isRunning() && finished.wait(600000)));
            QVERIFY2(finished.first().at(0).toBool(), qPrintable(finished.first().at(1).toString()));
        }
        f.settle(Dst);
        f.checkGpt(Dst);
        const QString opens = QStringLiteral("source opened %1 times, target %2 times").arg(counter.opens(Src)).arg(counter.opens(Dst));
        QVERIFY2(counter.opens(Src) == 1 && counter.opens(Dst) <= 5, qPrintable(opens));
    }

    // A target whose discard fails, or that cannot discard, still holds a complete copy: the run
    // succeeds without warnings, and only the log says what became of the free space.
    void discardTroubleOnlyLogged_data()
    {
        QTest::addColumn<int>("bend");
        QTest::addColumn<QString>("logged");
        QTest::newRow("fails") << int(DiscardBender::Bend::Fails) << "[WARN ] Discarding the free space on the target failed";
        QTest::newRow("refused") << int(DiscardBender::Bend::Refused) << "[INFO ] The target " + RawDisk::physicalDrivePath(Dst) + " cannot discard";
        QTest::newRow("not offered") << int(DiscardBender::Bend::None) << "[INFO ] The target " + RawDisk::physicalDrivePath(Dst) + " cannot discard";
    }
    void discardTroubleOnlyLogged()
    {
        QFETCH(int, bend);
        QFETCH(QString, logged);
        const Layout layout{{"0700", 40, "ntfs"}, {"0700", 34, "fat32"}};
        QList<FileHashes> files;
        f.buildSource(Src, true, layout, files);
        if (QTest::currentTestFailed())
            return;
        CloneConfig config = diskClone();
        f.log.mark();
        DiscardBender bender(Platform::devices(), DiscardBender::Bend(bend), Dst);
        {
            ScopedPlatform scoped(PlatformParts{.devices = &bender});
            CloneEngine engine;
            QSignalSpy finished(&engine, &CloneEngine::finished);
            engine.setConfig(config);
            engine.start();
            QVERIFY(!finished.isEmpty() || (engine.isRunning() && finished.wait(600000)));
            QCOMPARE(finished.first().at(1).toString(), QStringLiteral("Clone completed successfully"));
        }
        const QString log = f.log.since();
        QVERIFY2(log.contains(logged), qPrintable(log));
        QVERIFY(!log.contains(QStringLiteral("Discarded")));
        f.settle(Dst);
        f.checkGpt(Dst);
        const QList<uint64_t> at = CloneFixture::offsets(layout);
        for (int i = 0; i < layout.size(); ++i)
            f.checkVolume(Dst, at[i], layout[i].mib * MiB, layout[i].fs, files[i]);
    }

    // Logical partitions: their chain of boot records lies outside every partition and must come along.
    void logicalPartitions()
    {
        QList<FileHashes> files;
        f.buildSource(Src, false, {{"7", 20, "ntfs"}}, files);
        QVERIFY(sfdiskScript(f.paths[Src], QStringLiteral("label: dos\nstart=2048, size=40960, type=7\n"
                                                          "start=43008, size=200704, type=5\n"
                                                          "start=45056, size=81920, type=c\nstart=129024, size=40960, type=83\n")));
        // The logical FAT32 is listed as a partition of its own and copied by its usage map.
        const QString file = f.dir.filePath(QStringLiteral("logical.bin"));
        QVERIFY(writeFileBytes(file, 0, QByteArray(300000, 'L')));
        {
            LoopDevice part(f.files[Src], false, 0, 45056 * 512, 81920 * 512);
            QVERIFY(part.ok() && makeFat32(part.device()));
            QCOMPARE(runTool(QStringLiteral("mmd"), {QStringLiteral("-i"), part.device(), QStringLiteral("::d")}), 0);
            QCOMPARE(runTool(QStringLiteral("mcopy"), {QStringLiteral("-i"), part.device(), file, QStringLiteral("::d/logical.bin")}), 0);
        }
        QString error;
        DiskCloneMode mode;
        QVERIFY2(f.run(mode, Src, Dst, true, error), qPrintable(error));
        auto dump = [](const QString& path) {
            QStringList lines = runCaptured(QStringLiteral("sfdisk"), {QStringLiteral("--dump"), path}).out.split(QLatin1Char('\n'));
            return lines.filter(QStringLiteral("start=")).replaceInStrings(QRegularExpression(QStringLiteral("^\\S+")), QString());
        };
        QCOMPARE(dump(f.files[Dst]), dump(f.files[Src]));
        QCOMPARE(dump(f.files[Dst]).size(), 4);
        f.checkVolume(Dst, 45056 * 512, 81920 * 512, QStringLiteral("fat32"),
                      FileHashes{{QStringLiteral("logical.bin"), f.hash(file)}});
    }
};

QTEST_GUILESS_MAIN(TestDiskClone)
#include "tst_diskclone.moc"
