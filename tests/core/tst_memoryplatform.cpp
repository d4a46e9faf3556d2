#include "common/faultydevice.h"
#include "common/imagefixture.h"
#include "common/memoryplatform.h"

#include <QtTest>

#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

// The test platform other subsystems build on: its answers must be as strict as the real seam.
class MemoryPlatformTest : public QObject {
    Q_OBJECT
private slots:
    // Volumes opened by name or drive letter land at their extent and end there; locks are exclusive
    // and go with the handle.
    void volumeHandlesReachTheirDiskRange()
    {
        MemoryPlatform mp;
        const int n = mp.addDisk(1 << 20);
        mp.fillPattern(n, 1);
        mp.addVolume("\\\\?\\Volume{1}\\", n, 65536, 8192).mountPaths = {"E:\\"};
        for (const char* path : {"\\\\?\\Volume{1}", "\\\\.\\E:"}) {
            auto h = mp.openDevice(path, DeviceAccess::ReadWrite, DeviceFlags::None);
            QVERIFY(h);
            uint8_t buf[512];
            uint64_t done = 0;
            QVERIFY(h->readAt(0, buf, 512, done) && done == 512 && std::memcmp(buf, mp.data(n).data() + 65536, 512) == 0);
            QVERIFY(h->readAt(8192 - 256, buf, 512, done) && done == 256);  // short at the volume's end
        }
        QVERIFY(mp.sameDevice("\\\\?\\Volume{1}\\", "\\\\.\\E:") && !mp.sameDevice("\\\\?\\Volume{1}\\", MemoryPlatform::diskPath(n)));
        auto a = mp.openVolume("\\\\.\\E:", DeviceAccess::ReadWrite, DeviceFlags::None);
        auto b = mp.openVolume("\\\\.\\E:", DeviceAccess::ReadWrite, DeviceFlags::None);
        QVERIFY(a->lockVolume() && !b->lockVolume());
        a.reset();
        QVERIFY(b->lockVolume());
    }

    // A part installed alone replaces its concern only: the others stay what was installed before,
    // and every scope gives back exactly what it found.
    void partsInstallAlone()
    {
        const PlatformParts native = Platform::native().parts();
        auto installed = [] { return Platform::current(); };
        auto same = [](const PlatformParts& a, const PlatformParts& b) {
            return a.devices == b.devices && a.volumes == b.volumes && a.files == b.files && a.firmware == b.firmware
                && a.registry == b.registry;
        };
        MemoryPlatform mp;
        const PlatformParts fake = mp.parts();
        const PlatformParts rows[] = {{.devices = fake.devices}, {.volumes = fake.volumes}, {.files = fake.files},
                                      {.firmware = fake.firmware}, {.registry = fake.registry}};
        for (const PlatformParts& row : rows) {
            {
                ScopedPlatform one(row);
                const PlatformParts now = installed();
                QCOMPARE(now.devices, row.devices ? fake.devices : native.devices);
                QCOMPARE(now.volumes, row.volumes ? fake.volumes : native.volumes);
                QCOMPARE(now.files, row.files ? fake.files : native.files);
                QCOMPARE(now.firmware, row.firmware ? fake.firmware : native.firmware);
                QCOMPARE(now.registry, row.registry ? fake.registry : native.registry);
                {
                    MemoryFirmware second;
                    ScopedPlatform two(PlatformParts{.firmware = &second});
                    const PlatformParts both = installed();
                    QVERIFY(both.firmware == &second && both.devices == now.devices && both.volumes == now.volumes
                            && both.files == now.files && both.registry == now.registry);
                    ScopedPlatform all(&mp);
                    QVERIFY(same(installed(), fake));
                }
                QVERIFY(same(installed(), now));
            }
            QVERIFY(same(installed(), native));
        }
    }

    // Files faked alone answer from memory while the disks stay the real ones; a volume request on a
    // disk handle fails as Windows fails it.
    void fakeFilesBesideRealDisks()
    {
        MemoryFiles files;
        files.existingPaths = {"Q:\\boot\\bcd"};
        ScopedPlatform scope(PlatformParts{.files = &files});
        QVERIFY(Platform::files().fileExists("q:/BOOT/bcd\\") && !Platform::files().fileExists("Q:\\other"));
        QCOMPARE(&Platform::devices(), Platform::native().parts().devices);

        MemoryStorage storage;
        const int n = storage.addDisk(1 << 20);
        auto disk = storage.openVolume(MemoryStorage::diskPath(n), DeviceAccess::ReadWrite, DeviceFlags::None);
        std::vector<PlatformExtent> extents;
        QVERIFY(disk && !disk->lockVolume() && Platform::lastErrorCode() == PlatformError::InvalidFunction);
        QVERIFY(!disk->volumeDiskExtents(extents) && Platform::lastErrorCode() == PlatformError::InvalidFunction);
        PlatformGeometry g;
        QVERIFY(disk->geometry(g) && g.diskSize == 1 << 20);
    }

    // Read-only handles refuse writes, unbuffered ones partial sectors; bad sectors, write limits and a
    // vanished disk fail as a device would.
    void faultsAndLimits()
    {
        MemoryPlatform mp;
        const int n = mp.addDisk(64 * 1024);
        auto h = mp.openDevice(MemoryPlatform::diskPath(n), DeviceAccess::ReadWrite, DeviceFlags::NoBufferingWriteThrough);
        auto ro = mp.openDevice(MemoryPlatform::diskPath(n), DeviceAccess::Read, DeviceFlags::None);
        QVERIFY(h && ro);
        alignas(4096) static uint8_t buf[8192];
        uint64_t done = 0;
        QVERIFY(!ro->writeAt(0, buf, 512, done) && Platform::lastErrorCode() == PlatformError::AccessDenied);
        QVERIFY(!h->writeAt(100, buf, 512, done) && Platform::lastErrorCode() == PlatformError::InvalidParameter);
        mp.failReadAtSector(n, 3, 1117, "bad");
        QVERIFY(!h->readAt(0, buf, 4096, done) && h->readAt(2048, buf, 512, done));
        mp.setWriteLimit(n, 1024);
        QVERIFY(!h->writeAt(512, buf, 1024, done) && done == 512);
        mp.setVanished(n, true);
        QVERIFY(!h->readAt(0, buf, 512, done) && Platform::lastErrorCode() == PlatformError::NotReady);
        QVERIFY(!mp.openDevice(MemoryPlatform::diskPath(n), DeviceAccess::Read, DeviceFlags::None));
    }

    // The failing device the copy tests read from: errors exactly in its range, the image's bytes
    // around it, through the kernel with O_DIRECT, at both sector sizes; nothing mounted afterwards.
    void faultyDeviceFailsOnlyItsRanges()
    {
        QTemporaryDir dir;
        const QString image = dir.filePath("faulty.img");
        QByteArray bytes(4 << 20, Qt::Uninitialized);
        for (int i = 0; i < bytes.size(); ++i)
            bytes[i] = char((i * 7 + i / 4096) & 0xFF);
        QVERIFY(writeFileBytes(image, 0, bytes));
        constexpr uint64_t BadOffset = 1 << 20, BadLength = 8192;
        for (int sector : {512, 4096}) {
            QString mountPoint;
            {
                FaultyDevice device(image, {{BadOffset, BadLength}}, sector);
                if (!device.isReady())
                    QSKIP(qPrintable(device.skipReason()));
                mountPoint = device.mountPoint();
                const int fd = open(device.devicePath().toLocal8Bit().constData(), O_RDONLY | O_DIRECT);
                QVERIFY(fd >= 0);
                void* raw = nullptr;
                QVERIFY(posix_memalign(&raw, 4096, 65536) == 0);
                const auto release = qScopeGuard([&] { free(raw); close(fd); });  // a held device cannot detach
                char* buf = static_cast<char*>(raw);
                const struct { uint64_t offset; size_t length; bool fails; } reads[] = {
                    {BadOffset - 65536, 65536, false},
                    {BadOffset - 4096, 8192, true},  // spans into the range
                    {BadOffset, 4096, true},
                    {BadOffset + BadLength - 4096, 4096, true},
                    {BadOffset + BadLength, 65536, false},
                };
                for (const auto& r : reads) {
                    const ssize_t n = pread(fd, buf, r.length, off_t(r.offset));
                    QVERIFY2((n < 0) == r.fails, qPrintable(QString("sector %1 offset %2 -> %3").arg(sector).arg(r.offset).arg(n)));
                    if (!r.fails)
                        QVERIFY(n == ssize_t(r.length) && std::memcmp(buf, bytes.constData() + r.offset, r.length) == 0);
                }
                const ToolRunSplit loop = runSplit("losetup", {"-n", "-O", "LOG-SEC", device.devicePath()});
                QCOMPARE(loop.out.trimmed().toInt(), sector);
            }
            // Only this device's mount counts: other tests may be serving theirs at the same time.
            const QString mounts = QString::fromLocal8Bit(readFileBytes("/proc/self/mountinfo", 0, 1 << 20));
            QVERIFY(!mountPoint.isEmpty());
            QVERIFY2(!mounts.contains(QLatin1Char(' ') + mountPoint + QLatin1Char(' ')), qPrintable(mountPoint));
        }
    }
};

QTEST_GUILESS_MAIN(MemoryPlatformTest)
#include "tst_memoryplatform.moc"
