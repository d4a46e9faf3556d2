// The offline boot repair and the check reach a partition's volume only through a window of exactly
// that partition, on real images: a volume that claims more room than its partition, an image path
// that mtools would split, and hives too large to take in are refused without touching anything.
#include "boot/bootabilitycheck.h"
#include "boot/offlinebootrepair.h"
#include "boot/offlineregistry.h"
#include "common/hivefixture.h"
#include "common/imagefixture.h"
#include "core/qprocesscommandrunner.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>
#include <sys/resource.h>

namespace {
using namespace hivefixture;
constexpr qint64 MiB = 1 << 20;
constexpr qint64 EspStart = MiB, EspSize = 40 * MiB, NtfsStart = 41 * MiB, NtfsSize = 64 * MiB;
const QString BootManagerElement = QStringLiteral("Objects\\{9dea862c-5cdd-4e70-acc1-f32b344d4795}\\Elements\\11000001");
const QString LoaderElement = QStringLiteral("Objects\\{7619dcc9-fafe-11d9-b411-000476eba25f}\\Elements\\21000001");

QByteArray hashOf(const QString& file, qint64 offset = 0, qint64 length = -1) { return contentHash(file, offset, length); }

// Peak resident memory of this process so far, in bytes.
qint64 peakMemory()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return qint64(usage.ru_maxrss) * 1024;
}

QByteArray gptDevice(char disk, char partition) { return device(0, QByteArray(16, partition), QByteArray(16, disk)); }

OfflineBcdStore::IdentityMap sourceToCopy()
{
    BcdDeviceElement::Identity from, to;
    from.gpt = to.gpt = true;
    from.diskGuid.fill(0x22);
    from.partitionGuid.fill(0x11);
    to.diskGuid.fill(0x66);
    to.partitionGuid.fill(0x77);
    return {{from, to}};
}

// Records, for every loop device attached through it, whether the kernel holds it read-only.
class LoopWatcher : public CommandRunner {
public:
    QStringList readOnly;  // "1" or "0" per device, as /sys/block/loopN/ro says while it is attached
    CommandResult run(const CommandRequest& request) override
    {
        const CommandResult r = m_real.run(request);
        const QString device = QString::fromLocal8Bit(r.standardOutput).trimmed();
        if (request.program == QLatin1String("losetup") && request.arguments.contains(QStringLiteral("--show"))
            && device.startsWith(QStringLiteral("/dev/loop"))) {
            QFile ro(QStringLiteral("/sys/block/%1/ro").arg(device.mid(5)));
            readOnly.append(ro.open(QIODevice::ReadOnly) ? QString::fromLatin1(ro.readAll()).trimmed() : QStringLiteral("?"));
        }
        return r;
    }
private:
    QProcessCommandRunner m_real;
};
} // namespace

class TestVolumeBounds : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;
    QString m_skip;
    QString m_mbrImage;

    QString path(const QString& name) const { return m_dir.filePath(name); }

    // GPT: a FAT32 EFI system partition holding a boot store, an NTFS partition right behind it.
    // With `claimBeyond` the FAT volume is made over both partitions, filled up to the end of its
    // own, and its boot sector still says so; its first 40 MiB are all the table gives it.
    void buildGptDisk(const QString& img, bool claimBeyond)
    {
        QVERIFY(makeSparseFile(img, 112 * MiB));
        QVERIFY(sgdiskRun(img, {"-o", "-n", "1:2048:83967", "-t", "1:ef00", "-n", "2:83968:215039", "-t", "2:0700"}));
        const QString store = path(QStringLiteral("store"));
        // The loader's device stays a partition; a UEFI repair turns the boot manager's into "boot".
        makeHive(store, QStringLiteral("[%1\\%2]\n\"Element\"=hex:%3\n\n[%1\\%4]\n\"Element\"=hex:%3\n\n")
                            .arg(Prefix, BootManagerElement, regHex(gptDevice('\x22', '\x11')), LoaderElement));
        {
            LoopDevice esp(img, false, 0, EspStart, claimBeyond ? NtfsStart + NtfsSize - EspStart : EspSize);
            QVERIFY2(esp.ok(), qPrintable(esp.error()));
            QVERIFY(makeFat32(esp.device(), {"-s", "1", "-n", "EFI"}));
            QCOMPARE(runTool("mmd", {"-i", esp.device(), "::/EFI", "::/EFI/Microsoft", "::/EFI/Microsoft/Boot"}), 0);
            QCOMPARE(runTool("mcopy", {"-i", esp.device(), store, "::/EFI/Microsoft/Boot/BCD"}), 0);
            if (claimBeyond) {
                const QString filler = path(QStringLiteral("filler"));
                QVERIFY(makeSparseFile(filler, 39 * MiB));
                QCOMPARE(runTool("mcopy", {"-i", esp.device(), filler, "::/filler"}), 0);
            }
        }
        LoopDevice ntfs(img, false, 0, NtfsStart, NtfsSize);
        QVERIFY(ntfs.ok() && makeNtfs(ntfs.device()));
    }

    // The boot store of the GPT disk's EFI partition, exported.
    QString storeOf(const QString& img)
    {
        LoopDevice esp(img, false, 0, EspStart, EspSize);
        const QString local = path(QStringLiteral("fetched"));
        QFile::remove(local);
        if (!esp.ok() || runTool("mcopy", {"-n", "-i", esp.device(), "::/EFI/Microsoft/Boot/BCD", local}) != 0)
            return {};
        return exportHive(local);
    }

    // On the MBR disk's NTFS partition: Boot/BCD, `storeBytes` long when given (sparse), and a
    // sparse SYSTEM hive of `hiveBytes`.
    void fillNtfs(qint64 storeBytes, qint64 hiveBytes)
    {
        LoopDevice part(m_mbrImage, false, 0, EspStart, NtfsSize);
        QVERIFY(part.ok());
        Mount m(part.device(), path(QStringLiteral("mnt")), {}, QStringLiteral("ntfs-3g"));
        QVERIFY2(m.ok(), qPrintable(m.error()));
        QVERIFY(QDir(m.point()).mkpath(QStringLiteral("Boot")) && QDir(m.point()).mkpath(QStringLiteral("Windows/System32/config")));
        const QString store = m.point() + QStringLiteral("/Boot/BCD");
        QFile::remove(store);
        if (storeBytes > 0)
            QCOMPARE(runTool("truncate", {"-s", QString::number(storeBytes), store}), 0);
        else
            makeHive(store, QStringLiteral("[%1\\%2]\n\"Element\"=hex:%3\n\n").arg(Prefix, BootManagerElement, regHex(gptDevice('\x22', '\x11'))));
        QCOMPARE(runTool("truncate", {"-s", QString::number(hiveBytes), m.point() + QStringLiteral("/Windows/System32/config/SYSTEM")}), 0);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        m_skip = missingRequirement({"losetup", "sgdisk", "sfdisk", "mkfs.fat", "mmd", "mcopy", "mtype", "mkntfs", "ntfs-3g",
                                     "ntfscat", "ntfscp", "hivexregedit", "truncate"}, true, true);
        qputenv("MTOOLS_SKIP_CHECK", "1");
        m_mbrImage = path(QStringLiteral("mbr.img"));
        qputenv("TESSARIN_DISKS", m_mbrImage.toLocal8Bit());
    }

    // Runs first, while this process's peak memory is still low: a hive far over the limit is
    // refused by its size, and never held in memory on the way.
    void oversizedHiveRefused()
    {
        if (!m_skip.isEmpty())
            QSKIP(qPrintable(m_skip));
        QVERIFY(makeSparseFile(m_mbrImage, 80 * MiB));
        QVERIFY(sfdiskScript(m_mbrImage, QStringLiteral("label: dos\nstart=2048, size=131072, type=7, bootable\n")));
        {
            LoopDevice part(m_mbrImage, false, 0, EspStart, NtfsSize);
            QVERIFY(part.ok() && makeNtfs(part.device()));
        }
        fillNtfs(0, 320 * MiB);
        const QByteArray before = hashOf(m_mbrImage);
        const qint64 peak = peakMemory();
        OfflineBootRepair repair(m_mbrImage, 512);
        const auto result = repair.run({{quint64(EspStart), quint64(NtfsSize), true}}, false, {},
                                       OfflineRegistry::diskCloneServices(), true, false);
        QCOMPARE(result, OfflineBootRepair::Result::Failed);
        QVERIFY2(repair.lastError().contains(QStringLiteral("256 MiB")), qPrintable(repair.lastError()));
        QVERIFY2(peakMemory() - peak < 128 * MiB, qPrintable(QString::number(peakMemory() - peak)));
        QCOMPARE(hashOf(m_mbrImage), before);
    }

    // The check attaches every loop device read-only, reads a store it can take and refuses by its
    // size one it cannot.
    void checkReadsThroughReadOnlyWindows()
    {
        if (!m_skip.isEmpty())
            QSKIP(qPrintable(m_skip));
        QVERIFY(QFile::exists(m_mbrImage));
        fillNtfs(0, 8192);
        LoopWatcher watcher;
        ScopedCommandRunner scoped(&watcher);
        const QByteArray before = hashOf(m_mbrImage);
        auto texts = [](const std::vector<BootabilityCheck::Finding>& findings) {
            QStringList out;
            for (const auto& f : findings)
                out << f.text;
            return out.join(QLatin1Char('\n'));
        };
        const QString small = texts(BootabilityCheck::checkDisk(0));
        QVERIFY2(small.contains(QStringLiteral("Boot store partition 1:/Boot/BCD {9dea862c")), qPrintable(small));
        QCOMPARE(hashOf(m_mbrImage), before);
        QVERIFY(!watcher.readOnly.isEmpty());
        QCOMPARE(watcher.readOnly.join(QString()), QString(watcher.readOnly.size(), QLatin1Char('1')));

        fillNtfs(300 * MiB, 8192);
        const QByteArray filled = hashOf(m_mbrImage);
        const qint64 peak = peakMemory();
        const QString large = texts(BootabilityCheck::checkDisk(0));
        QVERIFY2(large.contains(QStringLiteral("256 MiB")), qPrintable(large));
        QVERIFY(peakMemory() - peak < 128 * MiB);
        QCOMPARE(watcher.readOnly.join(QString()), QString(watcher.readOnly.size(), QLatin1Char('1')));
        QCOMPARE(hashOf(m_mbrImage), filled);
    }

    void repairStaysInsideThePartition_data()
    {
        QTest::addColumn<bool>("claimBeyond");
        QTest::addColumn<QString>("folder");
        QTest::newRow("volume claims the neighbour") << true << QStringLiteral("plain");
        // mtools would read "a@@1M/disk.img" as the file "a" at 1 MiB.
        QTest::newRow("image path with @@") << false << QStringLiteral("a@@1M");
    }
    void repairStaysInsideThePartition()
    {
        if (!m_skip.isEmpty())
            QSKIP(qPrintable(m_skip));
        QFETCH(bool, claimBeyond);
        QFETCH(QString, folder);
        QVERIFY(QDir(m_dir.path()).mkpath(folder));
        const QString img = path(folder + QStringLiteral("/disk.img"));
        buildGptDisk(img, claimBeyond);
        // A copy where mtools would look for "a@@1M/disk.img".
        const QString decoy = path(folder.section(QStringLiteral("@@"), 0, 0));
        if (decoy != path(folder))
            QVERIFY(QFile::copy(img, decoy));
        const QByteArray imageBefore = hashOf(img), neighbour = hashOf(img, NtfsStart, NtfsSize), decoyBefore = hashOf(decoy);
        const QString storeBefore = storeOf(img);
        QVERIFY(storeBefore.contains(regHex(gptDevice('\x22', '\x11'))));

        OfflineBootRepair repair(img, 512);
        const auto result = repair.run({{quint64(EspStart), quint64(EspSize), true}, {quint64(NtfsStart), quint64(NtfsSize), false}},
                                       true, sourceToCopy(), OfflineRegistry::diskCloneServices(), true, false);
        QCOMPARE(hashOf(img, NtfsStart, NtfsSize), neighbour);
        if (claimBeyond) {
            QCOMPARE(result, OfflineBootRepair::Result::Failed);
            QVERIFY2(repair.lastError().contains(QStringLiteral("larger than its partition")), qPrintable(repair.lastError()));
            QCOMPARE(hashOf(img), imageBefore);
            return;
        }
        QCOMPARE(result, OfflineBootRepair::Result::Updated);
        QVERIFY2(storeOf(img).contains(regHex(gptDevice('\x66', '\x77'))), qPrintable(storeOf(img)));
        QCOMPARE(hashOf(decoy), decoyBefore);
        LoopDevice esp(img, false, 0, EspStart, EspSize);
        QString out;
        QVERIFY2(esp.ok() && runTool("fsck.fat", {"-n", esp.device()}, &out) == 0, qPrintable(out));
    }
};

QTEST_GUILESS_MAIN(TestVolumeBounds)
#include "tst_volumebounds.moc"
