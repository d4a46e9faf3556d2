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
        auto a = mp.openDevice("\\\\.\\E:", DeviceAccess::ReadWrite, DeviceFlags::None);
        auto b = mp.openDevice("\\\\.\\E:", DeviceAccess::ReadWrite, DeviceFlags::None);
        QVERIFY(a->lockVolume() && !b->lockVolume());
        a.reset();
        QVERIFY(b->lockVolume());
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
