// A source whose volume is mounted for writing, read through a snapshot set made by a stand-in for
// the system's snapshots: the volume's bytes and its usage map come from the shadow device, and the
// set is deleted at the end of every run, also a failed or cancelled one.
#include "common/forwardingdevices.h"
#include "common/imagefixture.h"
#include "core/diskmanager.h"
#include "core/diskio.h"
#include "engine/cloneworker.h"
#include "modes/cloneplan.h"

#include <QtTest>

namespace {
constexpr qint64 MiB = 1 << 20;
const std::string VolumeName = "\\\\?\\Volume{5eed0000-0000-0000-0000-000000000001}\\";

// A shadow device that cannot tell its size: its routes are not cut at its end.
class SizelessHandle : public ForwardingVolumeHandle {
public:
    using ForwardingVolumeHandle::ForwardingVolumeHandle;
    bool geometry(PlatformGeometry&) override { return false; }
};

// The source disk's first partition is reported mounted read-write as VolumeName.
class MountedSource : public StorageForwardingDevices {
public:
    using StorageForwardingDevices::StorageForwardingDevices;
    std::unique_ptr<VolumeHandle> openVolume(const std::string& path, DeviceAccess access, DeviceFlags flags) override
    {
        auto inner = m_inner.openVolume(path, access, flags);
        if (!inner || path.find("sizeless") == std::string::npos)
            return inner;
        return std::make_unique<SizelessHandle>(std::move(inner));
    }
    std::vector<WritableMount> writableMounts(const std::string&, const ByteRange&) override
    {
        return {WritableMount{VolumeName, "S:\\", {PlatformExtent{0, MiB, 40 * MiB}}}};
    }
};

// Sets whose one shadow device is an image file; counts what it made and what was deleted.
class FakeSnapshots : public PlatformSnapshots {
public:
    class Set : public SourceSnapshot {
    public:
        Set(FakeSnapshots& owner, std::string device) : m_owner(owner), m_device(std::move(device)) {}
        ~Set() override { ++m_owner.deleted; }
        std::string shadowDevice(const std::string& volume) const override
        { return volume == VolumeName ? m_device : std::string(); }
    private:
        FakeSnapshots& m_owner;
        std::string m_device;
    };
    bool available() override { return true; }
    std::unique_ptr<SourceSnapshot> createSnapshot(const std::vector<std::string>& names) override
    {
        ++created;
        volumes = names;
        return std::make_unique<Set>(*this, device);
    }
    std::string device;
    std::vector<std::string> volumes;
    int created = 0;
    int deleted = 0;
};

bool sh(const QString& command) { return runTool(QStringLiteral("sh"), {QStringLiteral("-c"), command}) == 0; }

DiskInfo disk(int number)
{
    for (const DiskInfo& d : DiskManager::enumerateDisks())
        if (d.diskNumber == number)
            return d;
    return {};
}
}

class TestSourceSnapshot : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;
    QString path(const QString& name) const { return m_dir.filePath(name); }

private slots:
    void initTestCase()
    {
        const QString missing = missingRequirement({"sgdisk", "mkfs.fat", "mcopy"});
        if (!missing.isEmpty())
            QSKIP(qPrintable(missing));
        qputenv("MTOOLS_SKIP_CHECK", "1");
        // The live volume holds live.bin; its snapshot holds snap.bin as well, in clusters the
        // live volume's FAT calls free.
        QVERIFY(sh(QStringLiteral("cd %1 && truncate -s 64M src.img && sgdisk -n1:2048:+40M -t1:0700 src.img >/dev/null"
                                  " && mkfs.fat -F 32 -s 1 --offset 2048 src.img 40960 >/dev/null"
                                  " && head -c 1000000 /dev/urandom > live.bin && mcopy -i src.img@@1M live.bin ::/live.bin"
                                  " && dd if=src.img of=shadow.img bs=1M skip=1 count=40 status=none"
                                  " && head -c 3000000 /dev/urandom > snap.bin && mcopy -i shadow.img snap.bin ::/snap.bin")
                       .arg(m_dir.path())));
        qputenv("TESSARIN_DISKS", (path("src.img") + QLatin1Char(':') + path("tgt.img")).toLocal8Bit());
    }

    void setDeletedWhateverEndsTheRun_data()
    {
        QTest::addColumn<QString>("shadow");  // the shadow device's image, or "missing"
        QTest::addColumn<bool>("smart");
        QTest::addColumn<bool>("cancel");
        QTest::addColumn<bool>("succeeds");
        QTest::newRow("smart copy") << "shadow" << true << false << true;
        QTest::newRow("full copy") << "shadow" << false << false << true;
        QTest::newRow("shadow device cannot be opened") << "missing" << true << false << false;
        QTest::newRow("shadow device ends early") << "sizeless" << false << false << false;
        QTest::newRow("cancelled") << "shadow" << false << true << false;
    }
    void setDeletedWhateverEndsTheRun()
    {
        QFETCH(QString, shadow);
        QFETCH(bool, smart);
        QFETCH(bool, cancel);
        QFETCH(bool, succeeds);
        QFile::remove(path("tgt.img"));
        QVERIFY(makeSparseFile(path("tgt.img"), 64 * MiB));
        QVERIFY(sh(QStringLiteral("cd %1 && rm -f sizeless.img && head -c 20M shadow.img > sizeless.img").arg(m_dir.path())));
        MountedSource devices(Platform::devices());
        FakeSnapshots snapshots;
        snapshots.device = (shadow == "missing" ? path("gone.img") : path(shadow + QStringLiteral(".img"))).toStdString();
        ScopedPlatform scope(PlatformParts{.devices = &devices, .snapshots = &snapshots});

        auto config = std::make_shared<CloneConfig>();
        config->mode = Tessarin::CloneModeType::DiskClone;
        config->sourceDisk = disk(0);
        config->targetDisk = disk(1);
        config->smartClone = smart;
        config->fixBoot = false;
        CloneWorker worker;
        worker.setConfig(config);
        worker.setSmartClone(smart);
        int deletedDuringCopy = -1;
        connect(&worker, &CloneWorker::progressChanged, &worker, [&](const CloneProgress& p) {
            if (p.copiedBytes == 0 || deletedDuringCopy >= 0)
                return;
            deletedDuringCopy = snapshots.deleted;
            if (cancel)
                worker.cancel();
        });
        bool success = false;
        connect(&worker, &CloneWorker::finished, &worker, [&](bool ok, const QString&) { success = ok; });
        worker.doClone();

        QCOMPARE(success, succeeds);
        QCOMPARE(snapshots.created, 1);
        QCOMPARE(snapshots.volumes, std::vector<std::string>{VolumeName});
        QCOMPARE(snapshots.deleted, 1);
        if (deletedDuringCopy >= 0)
            QCOMPARE(deletedDuringCopy, 0);
        if (!succeeds)
            return;
        QVERIFY(worker.progress().errorMessage.isEmpty());
        // The copy holds the snapshot's volume: its file is there, read through the snapshot's map.
        QVERIFY(sh(QStringLiteral("cd %1 && rm -f out.bin && mcopy -i tgt.img@@1M ::/snap.bin out.bin && cmp -s out.bin snap.bin")
                       .arg(m_dir.path())));
        if (!smart)
            QCOMPARE(contentHash(path("tgt.img"), MiB, 40 * MiB), contentHash(path("shadow.img")));
    }
};

QTEST_GUILESS_MAIN(TestSourceSnapshot)
#include "tst_sourcesnapshot.moc"
