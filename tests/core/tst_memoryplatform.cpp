#include "common/memoryplatform.h"

#include <QtTest>

#include <cstring>

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
};

QTEST_GUILESS_MAIN(MemoryPlatformTest)
#include "tst_memoryplatform.moc"
