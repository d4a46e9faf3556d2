#include "common/forwardingdevices.h"
#include "common/imagefixture.h"
#include "common/memoryplatform.h"
#include "core/diskio.h"
#include "core/diskmanager.h"
#include "core/logger.h"
#include "modes/usedspace.h"
#include "ondisk/crc32.h"
#include "platform/posix/posixplatform.h"

#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSemaphore>
#include <QSignalSpy>
#include <QTest>
#include <QtEndian>
#include <memory>
#include <thread>

using Tessarin::FileSystemType;
using Tessarin::PartitionStyle;

namespace {

constexpr qint64 MiB = 1 << 20;
// Disk numbers of the table built in initTestCase.
enum Slot { Gpt = 0, Mbr = 1, Blank = 2, Protective = 3, Gap = 4, BadSignature = 5, AbsurdCount = 6, Truncated = 7,
            Loop4k = 9, Mounted = 10, Beyond = 16 };

// Copies a formatted volume file into an image at `offsetMiB`, leaving zero blocks sparse.
bool placeVolume(const QString& volume, const QString& image, int offsetMiB)
{
    return runTool(QStringLiteral("dd"), {"if=" + volume, "of=" + image, "bs=1M", "seek=" + QString::number(offsetMiB),
                                          QStringLiteral("conv=notrunc,sparse")}) == 0;
}

// Sets the entry count of the GPT header at `offset` and reseals its CRC, so only the count is wrong.
bool setGptEntryCount(const QString& path, qint64 offset, uint32_t count)
{
    constexpr int HeaderSizeOffset = 12, HeaderCrcOffset = 16, EntryCountOffset = 80;
    QByteArray header = readFileBytes(path, offset, 512);
    if (header.size() != 512 || !header.startsWith("EFI PART"))
        return false;
    qToLittleEndian<uint32_t>(count, header.data() + EntryCountOffset);
    qToLittleEndian<uint32_t>(0, header.data() + HeaderCrcOffset);
    const uint32_t headerSize = qFromLittleEndian<uint32_t>(header.constData() + HeaderSizeOffset);
    qToLittleEndian<uint32_t>(Crc32::compute(header.constData(), headerSize), header.data() + HeaderCrcOffset);
    return writeFileBytes(path, offset, header);
}

// A platform whose drive-layout request always fails, so the style must come from sector 0.
class NoLayoutDevices : public ForwardingDevices {
public:
    using ForwardingDevices::ForwardingDevices;
    std::unique_ptr<DeviceHandle> openDevice(const std::string& path, DeviceAccess access, DeviceFlags flags) override
    {
        auto inner = m_inner.openDevice(path, access, flags);
        return inner ? std::make_unique<NoLayout>(std::move(inner)) : nullptr;
    }
private:
    struct NoLayout : ForwardingHandle {
        using ForwardingHandle::ForwardingHandle;
        bool driveLayout(PlatformDriveLayout&) override
        {
            Platform::setLastError(PlatformError::InvalidFunction, "no layout");
            return false;
        }
    };
};

// Holds the first device probe until released, so a second request arrives while the task runs.
class GateDevices : public ForwardingDevices {
public:
    using ForwardingDevices::ForwardingDevices;
    std::unique_ptr<DeviceHandle> openDevice(const std::string& path, DeviceAccess access, DeviceFlags flags) override
    {
        if (!m_held.exchange(true)) {
            m_entered.release();
            m_gate.acquire();
        }
        return m_inner.openDevice(path, access, flags);
    }
    QSemaphore m_entered;
    QSemaphore m_gate;
private:
    std::atomic<bool> m_held{false};
};

} // namespace

class TestDiskManager : public QObject {
    Q_OBJECT
private:
    QTemporaryDir m_dir;
    std::unique_ptr<LoopDevice> m_loop4kDevice, m_loopMountedDevice;
    std::unique_ptr<Mount> m_mount;
    QString m_loop4k, m_loopMounted, m_mountPoint;
    QString m_gptDump;  // sfdisk's view of the GPT image, the independent reference
    QList<DiskInfo> m_disks;
    QString m_why4k, m_whyMounted;

    QString path(const QString& name) const { return m_dir.filePath(name); }

    const DiskInfo* diskAt(int number) const
    {
        for (const DiskInfo& d : m_disks)
            if (d.diskNumber == number)
                return &d;
        return nullptr;
    }

    // A failing tool's words are in the test log (the fixture prints them).
    bool makeGpt()
    {
        const QString img = path("gpt.img"), efi = path("efi.part"), ntfs = path("ntfs.part");
        return makeSparseFile(img, 256 * MiB)
            && sgdiskRun(img, {"-n1:2048:+64M", "-t1:ef00", "-n2:0:+16M", "-t2:0c01", "-n3:0:+96M", "-t3:0700", "-n4:0:0", "-t4:2700"})
            && makeSparseFile(efi, 64 * MiB) && makeFat32(efi, {"-n", "EFI"})
            && makeSparseFile(ntfs, 96 * MiB) && makeNtfs(ntfs, {"-L", "Data"})
            && runTool("sfdisk", {"--json", img}, &m_gptDump) == 0
            && placeVolume(efi, img, 1) && placeVolume(ntfs, img, 1 + 64 + 16);
    }

    bool makeMbr()
    {
        const QString img = path("mbr.img"), fat = path("fat.part");
        return makeSparseFile(img, 128 * MiB)
            && sfdiskScript(img, "label: dos\nlabel-id: 0x1234abcd\nstart=2048, size=65536, type=7, bootable\n"
                                 "start=67584, size=131072, type=c\n")
            && makeSparseFile(fat, 64 * MiB) && makeFat32(fat, {"-n", "STICK"}) && placeVolume(fat, img, 33);
    }

    bool makeSmallGpt(const QString& img) { return makeSparseFile(img, 16 * MiB) && sgdiskRun(img, {"-n1:2048:+4M", "-t1:0700"}); }

    bool makeLoop4k()
    {
        const QString img = path("4k.img");
        if (!makeSparseFile(img, 64 * MiB))
            return false;
        m_loop4kDevice = std::make_unique<LoopDevice>(img, false, 4096);
        m_why4k = m_loop4kDevice->error();
        m_loop4k = m_loop4kDevice->device();
        if (!m_loop4k.isEmpty() && !sgdiskRun(m_loop4k, {"-n1:256:+16M", "-t1:0700"}))
            m_why4k = "sgdisk on the 4K loop failed";
        return m_why4k.isEmpty();
    }

    // An NTFS volume mounted with a Windows folder and 8 MiB of data: drive C: of the running system.
    QString makeMounted()
    {
        const QString img = path("mounted.img");
        if (!makeSparseFile(img, 96 * MiB) || !sfdiskScript(img, "label: dos\nstart=2048, size=163840, type=7\n"))
            return "sfdisk failed";
        m_loopMountedDevice = std::make_unique<LoopDevice>(img, true);
        m_loopMounted = m_loopMountedDevice->device();
        if (m_loopMounted.isEmpty())
            return m_loopMountedDevice->error();
        const QString part = m_loopMounted + "p1";
        // The kernel's own scan is asynchronous and sometimes misses the table (or it has no parser
        // for it): ask again with partx.
        const auto appeared = [&] { return QFile::exists(part); };
        if (!QTest::qWaitFor(appeared, 200)) {
            runTool("partx", {"-a", m_loopMounted});
            if (!QTest::qWaitFor(appeared, 3000))
                return "no partition node " + part;
        }
        if (!makeNtfs(part, {"-L", "Sys"}))
            return "no partition node or mkntfs failed on " + part;
        m_mount = std::make_unique<Mount>(part, path("mnt"), QStringList{}, "ntfs-3g");
        if (!m_mount->ok())
            return m_mount->error();
        m_mountPoint = m_mount->point();
        QDir().mkpath(m_mountPoint + "/Windows/System32");
        QFile payload(m_mountPoint + "/payload.bin");
        if (!payload.open(QIODevice::WriteOnly) || payload.write(QByteArray(8 * MiB, 'x')) != 8 * MiB)
            return "cannot write on the mounted volume";
        payload.close();
        runTool("sync", {});
        return {};
    }

    // A crash skips cleanupTestCase: a detached shell waits for this process to end and then
    // unmounts and detaches whatever still hangs on our images (found by backing file, never by number).
    void startCrashGuard()
    {
        const QString script = QStringLiteral(
            "while kill -0 %1 2>/dev/null; do sleep 1; done; "
            "umount '%2/mnt' 2>/dev/null; "
            "for img in '%2/4k.img' '%2/mounted.img'; do "
            "for l in $(losetup -n -O NAME -j \"$img\" 2>/dev/null); do losetup -d \"$l\"; done; done; "
            "rm -rf '%2'")
                                   .arg(QCoreApplication::applicationPid())
                                   .arg(m_dir.path());
        QProcess::startDetached(QStringLiteral("sh"), {QStringLiteral("-c"), script});
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        Tessarin::registerMetaTypes();
        Logger::instance().init(path("enum.log"));
        QVERIFY(makeGpt());
        QVERIFY(makeMbr());
        QVERIFY(makeSparseFile(path("blank.img"), 16 * MiB));
        QVERIFY(makeSparseFile(path("protective.img"), 16 * MiB));
        QByteArray mbr(512, '\0');  // one 0xEE entry over the whole disk, and no GPT behind it
        mbr[446 + 4] = char(0xEE);
        qToLittleEndian<uint32_t>(1, mbr.data() + 446 + 8);
        qToLittleEndian<uint32_t>(32767, mbr.data() + 446 + 12);
        mbr[510] = char(0x55);
        mbr[511] = char(0xAA);
        QVERIFY(writeFileBytes(path("protective.img"), 0, mbr));

        // Corrupt GPTs: both headers unsigned; both headers with an absurd entry count but a valid CRC.
        QVERIFY(makeSmallGpt(path("badsig.img")));
        QVERIFY(writeFileBytes(path("badsig.img"), 512, QByteArray(8, 'X')));
        QVERIFY(writeFileBytes(path("badsig.img"), 16 * MiB - 512, QByteArray(8, 'X')));
        QVERIFY(makeSmallGpt(path("absurd.img")));
        QVERIFY(setGptEntryCount(path("absurd.img"), 512, 0x7FFFFFFF));
        QVERIFY(setGptEntryCount(path("absurd.img"), 16 * MiB - 512, 0xFFFFFFFF));
        // Cut inside the partition, with a ragged end: the backup GPT is gone.
        QVERIFY(makeSmallGpt(path("truncated.img")));
        QVERIFY(QFile::resize(path("truncated.img"), 2 * MiB + 100));

        if (isRoot()) {
            startCrashGuard();
            makeLoop4k();
            m_whyMounted = makeMounted();
        } else {
            m_why4k = m_whyMounted = "needs root for loop devices";
        }

        QStringList table(17);
        const char* images[] = {"gpt", "mbr", "blank", "protective", nullptr, "badsig", "absurd", "truncated"};
        for (int i = 0; i <= Truncated; ++i)
            table[i] = images[i] ? path(QString::fromLatin1(images[i]) + ".img") : QString();
        table[Loop4k] = m_why4k.isEmpty() ? m_loop4k : QString();
        table[Mounted] = m_whyMounted.isEmpty() ? m_loopMounted : QString();
        table[Beyond] = path("blank.img");
        qputenv("TESSARIN_DISKS", table.join(QLatin1Char(':')).toLocal8Bit());
        // The mounted volume plays drive C: holding the running Windows.
        if (m_whyMounted.isEmpty()) {
            qputenv("TESSARIN_DRIVE_LETTERS", ("C=" + m_mountPoint).toLocal8Bit());
            qputenv("TESSARIN_WINDOWS_DIR", "C:\\Windows");
        }

        QElapsedTimer timer;
        timer.start();
        DiskManager::setUsageReader(&UsedSpace::measure);
        m_disks = DiskManager::enumerateDisks();
        QVERIFY2(timer.elapsed() < 20000, "an absurd entry count must not make enumeration crawl");
    }

    void cleanupTestCase()
    {
        m_mount.reset();
        m_loopMountedDevice.reset();
        m_loop4kDevice.reset();
    }

    // No gap is filled, a number past 15 is listed like any other, and every partition names its own disk.
    void numbersFollowTheDiskTable()
    {
        QList<int> numbers;
        for (const DiskInfo& d : m_disks) {
            numbers << d.diskNumber;
            for (const PartitionInfo& p : d.partitions)
                QVERIFY(p.diskNumber == d.diskNumber && p.size > 0);
        }
        QList<int> expected{Gpt, Mbr, Blank, Protective, BadSignature, AbsurdCount, Truncated};
        if (m_why4k.isEmpty())
            expected << Loop4k;
        if (m_whyMounted.isEmpty())
            expected << Mounted;
        QCOMPARE(numbers, expected << Beyond);
    }

    // Positions, types and GUIDs as sfdisk reads them; file systems and labels from the volumes.
    void gptDisk()
    {
        const DiskInfo* d = diskAt(Gpt);
        QVERIFY(d);
        QCOMPARE(d->partitionStyle, PartitionStyle::GPT);
        const QJsonObject table = QJsonDocument::fromJson(m_gptDump.toUtf8()).object()["partitiontable"].toObject();
        const QJsonArray reference = table["partitions"].toArray();
        // The disk's own identity, by which a renumbered target is recognised.
        QCOMPARE(d->gptDiskGuid, "{" + table["id"].toString().toUpper() + "}");
        QCOMPARE(d->partitions.size(), 4);
        QCOMPARE(reference.size(), 4);
        for (int i = 0; i < 4; ++i) {
            const PartitionInfo& p = d->partitions.at(i);
            const QJsonObject ref = reference.at(i).toObject();
            QCOMPARE(p.partitionNumber, i + 1);
            QCOMPARE(p.start512, uint64_t(ref["start"].toInteger()));
            QCOMPARE(p.count512, uint64_t(ref["size"].toInteger()));
            QCOMPARE(p.typeGuid, "{" + ref["type"].toString().toUpper() + "}");
            QCOMPARE(p.partitionGuid, "{" + ref["uuid"].toString().toUpper() + "}");
            QVERIFY(p.isEfi == (i == 0) && p.isMsr == (i == 1) && p.isRecovery == (i == 3));
        }
        QCOMPARE(d->partitions.at(0).fileSystem, FileSystemType::FAT32);
        QVERIFY(d->partitions.at(2).fileSystem == FileSystemType::NTFS && d->partitions.at(2).label == QStringLiteral("Data"));
    }

    void mbrDisk()
    {
        const DiskInfo* d = diskAt(Mbr);
        QVERIFY(d);
        QCOMPARE(d->partitionStyle, PartitionStyle::MBR);
        QVERIFY(d->partitions.size() == 2 && d->mbrSignature == 0x1234abcdu);
        const PartitionInfo& ntfs = d->partitions.at(0);
        QVERIFY(ntfs.start512 == 2048 && ntfs.count512 == 65536 && ntfs.mbrType == 0x07 && ntfs.isActive);
        // Unformatted and unmounted: the type byte alone names the file system.
        QCOMPARE(ntfs.fileSystem, FileSystemType::NTFS);
        const PartitionInfo& fat = d->partitions.at(1);
        QVERIFY(fat.start512 == 67584 && fat.mbrType == 0x0C && !fat.isActive);
        QVERIFY(fat.fileSystem == FileSystemType::FAT32 && fat.label == QStringLiteral("STICK"));
    }

    // An MBR layout as Windows reports it: four slots with the unused ones as number 0, the
    // extended container as number 0 and its logical partitions numbered after the primaries.
    // Only partitions that hold data are listed; an extended entry is never one, numbered or not.
    void containersAndUnusedSlotsAreNotPartitions()
    {
        MemoryPlatform mp;
        const int n = mp.addDisk(64 * MiB);
        auto entry = [](uint32_t number, int64_t startMiB, int64_t lengthMiB, uint8_t type) {
            PlatformLayoutEntry e;
            e.partitionNumber = number;
            e.startingOffset = startMiB * MiB;
            e.partitionLength = lengthMiB * MiB;
            e.mbrType = type;
            return e;
        };
        PlatformDriveLayout& layout = mp.disk(n).layout;
        layout.style = LayoutStyle::MBR;
        layout.entries = {entry(1, 1, 8, 0x07), entry(0, 9, 40, 0x0F), entry(0, 0, 0, 0x00), entry(0, 0, 0, 0x00),
                          entry(5, 10, 8, 0x07), entry(0, 0, 0, 0x00), entry(6, 19, 8, 0x0C), entry(2, 50, 4, 0x05)};
        ScopedPlatform scoped(&mp);
        const DiskHandle disk = Platform::devices().openDevice(MemoryPlatform::diskPath(n),
                                                               DeviceAccess::Read, DeviceFlags::None);
        QStringList listed;
        for (const PartitionInfo& p : DiskManager::enumeratePartitions(disk.get(), n))
            listed << QStringLiteral("%1@%2").arg(p.partitionNumber).arg(p.start512 * 512 / MiB);
        QCOMPARE(listed, (QStringList{"1@1", "5@10", "6@19"}));
    }

    // Listed without partitions: no table, unsigned headers, a protective MBR with no GPT behind it.
    // Damaged tables give nothing absurd: at most 128 entries, no size past the file.
    void damagedTablesAreListedSafely()
    {
        for (int number : {Blank, BadSignature, Protective}) {
            const DiskInfo* d = diskAt(number);
            QVERIFY2(d && d->partitions.isEmpty(), qPrintable(QString::number(number)));
            QVERIFY(number == Protective || d->partitionStyle == PartitionStyle::Unknown);
        }
        const DiskInfo* absurd = diskAt(AbsurdCount);
        const DiskInfo* truncated = diskAt(Truncated);
        QVERIFY(absurd && absurd->partitions.size() <= 128);
        QVERIFY(truncated && truncated->size <= uint64_t(2 * MiB + 100) && truncated->size % 512 == 0);
    }

    void missingTableEntryIsLeftOut()
    {
        PosixPlatform::Settings settings;
        settings.disks = path("no-such-disk.img").toStdString() + ":" + path("gpt.img").toStdString();
        PosixPlatform platform(settings);
        ScopedPlatform scoped(&platform);
        const QList<DiskInfo> disks = DiskManager::enumerateDisks();
        QVERIFY(disks.size() == 1 && disks.first().diskNumber == 1);
    }

    void styleFromSectorZeroWhenLayoutFails()
    {
        NoLayoutDevices platform(Platform::devices());
        ScopedPlatform scoped(PlatformParts{.devices = &platform});
        const QList<DiskInfo> disks = DiskManager::enumerateDisks();
        QCOMPARE(disks.size(), m_disks.size());
        QMap<int, PartitionStyle> style;
        for (const DiskInfo& d : disks) {
            style[d.diskNumber] = d.partitionStyle;
            QVERIFY(d.partitions.isEmpty());
        }
        QVERIFY(style[Protective] == PartitionStyle::GPT && style[Gpt] == PartitionStyle::GPT);
        QVERIFY(style[Mbr] == PartitionStyle::MBR && style[Blank] == PartitionStyle::Unknown);
    }

    void fourKSectorLoopDevice()
    {
        if (!m_why4k.isEmpty())
            QSKIP(qPrintable(m_why4k));
        const DiskInfo* d = diskAt(Loop4k);
        QVERIFY(d);
        QVERIFY(d->sectorSize == 4096 && d->size == uint64_t(64 * MiB) && d->partitionStyle == PartitionStyle::GPT);
        QCOMPARE(d->partitions.size(), 1);
        QVERIFY(d->partitions.at(0).start512 == 256 * 4096 / 512 && d->partitions.at(0).size == uint64_t(16 * MiB));  // 512-byte units
    }

    void mountedPartitionHasVolumeDetails()
    {
        if (!m_whyMounted.isEmpty())
            QSKIP(qPrintable(m_whyMounted));
        const DiskInfo* d = diskAt(Mounted);
        QVERIFY(d);
        QCOMPARE(d->partitions.size(), 1);
        const PartitionInfo& p = d->partitions.at(0);
        QVERIFY(p.driveLetter == QStringLiteral("C:") && p.fileSystem == FileSystemType::NTFS && p.label == QStringLiteral("Sys"));
        QVERIFY2(p.usedSpace >= uint64_t(8 * MiB) && p.usedSpace < p.size, qPrintable(QString::number(p.usedSpace)));
        QVERIFY(p.isSystem && p.hasWindows && d->usedSpace == p.usedSpace);  // Windows\System32 exists on it
        // The usage map read for unmounted volumes agrees with what the mounted file system reports.
        DiskHandle handle = RawDisk::openDisk(Mounted, false);
        uint64_t mapUsed = 0;
        QVERIFY(handle && UsedSpace::measure(p, handle.get(), mapUsed));
        QCOMPARE(mapUsed, p.usedSpace);
        for (const DiskInfo& other : m_disks)
            QCOMPARE(other.isSystemDisk, other.diskNumber == Mounted);
    }

    // Volumes the machine has not mounted show the use their usage map records; a partition without
    // a file system none. What a disk has available is what no partition covers.
    void unmountedVolumesShowTheirUse()
    {
        const DiskInfo* gpt = diskAt(Gpt);
        const DiskInfo* mbr = diskAt(Mbr);
        const DiskInfo* blank = diskAt(Blank);
        QVERIFY(gpt && mbr && blank && gpt->partitions.size() == 4 && mbr->partitions.size() == 2);
        for (const PartitionInfo* p : {&gpt->partitions.at(0), &gpt->partitions.at(2), &mbr->partitions.at(1)})
            QVERIFY2(p->usedSpace > 0 && p->usedSpace < p->size / 4, qPrintable(p->displayName()));
        QVERIFY(gpt->partitions.at(1).usedSpace == 0 && mbr->partitions.at(0).usedSpace == 0);  // MSR; unformatted
        QCOMPARE(gpt->usedSpace, gpt->partitions.at(0).usedSpace + gpt->partitions.at(2).usedSpace);
        QCOMPARE(mbr->unallocatedSpace(), uint64_t(128 - 96) * MiB);
        QVERIFY(gpt->unallocatedSpace() > 0 && gpt->unallocatedSpace() < uint64_t(2 * MiB));
        QCOMPARE(blank->unallocatedSpace(), blank->size);
    }

    void asyncRequestsShareOneTask()
    {
        GateDevices gate(Platform::devices());
        ScopedPlatform scoped(PlatformParts{.devices = &gate});
        DiskManager manager;
        QSignalSpy started(&manager, &DiskManager::enumStarted);
        QSignalSpy changed(&manager, &DiskManager::diskListChanged);
        QSignalSpy finished(&manager, &DiskManager::enumFinished);
        manager.enumDisksAsync();
        QVERIFY(gate.m_entered.tryAcquire(1, 10000));  // the task is running and held
        manager.enumDisksAsync();
        QVERIFY(started.size() == 2 && manager.isEnumerating());
        gate.m_gate.release();
        QTRY_COMPARE_WITH_TIMEOUT(finished.size(), 1, 20000);
        // No task is left that could report again.
        QVERIFY(!manager.isEnumerating());
        QCoreApplication::processEvents();
        QVERIFY(changed.size() == 1 && finished.size() == 1 && manager.disks().size() == m_disks.size());

        // A later request runs a new task.
        manager.enumDisksAsync();
        QTRY_COMPARE_WITH_TIMEOUT(changed.size(), 2, 20000);
        QCOMPARE(started.size(), 3);
    }

    void destroyingManagerWaitsForTask()
    {
        GateDevices gate(Platform::devices());
        ScopedPlatform scoped(PlatformParts{.devices = &gate});
        auto manager = std::make_unique<DiskManager>();
        manager->enumDisksAsync();
        QVERIFY(gate.m_entered.tryAcquire(1, 10000));
        std::thread opener([&gate] {
            QThread::msleep(300);
            gate.m_gate.release();
        });
        QElapsedTimer timer;
        timer.start();
        manager.reset();  // must wait for the held task, which still uses the gate platform
        const qint64 waited = timer.elapsed();
        opener.join();
        QVERIFY2(waited >= 250, qPrintable(QString::number(waited)));
    }
};

QTEST_GUILESS_MAIN(TestDiskManager)
#include "test_diskmanager.moc"
