#include "common/memoryplatform.h"

#include <QtTest>

#include <cstring>

// The test platform other subsystems build on: its answers must behave like the real seam.
class MemoryPlatformTest : public QObject {
    Q_OBJECT
private slots:
    void volumeHandlesReachTheirDiskRange();
    void faultsAndLimits();
};

void MemoryPlatformTest::volumeHandlesReachTheirDiskRange()
{
    MemoryPlatform mp;
    const int n = mp.addDisk(1 << 20);
    mp.fillPattern(n, 1);
    MemoryVolume& v = mp.addVolume("\\\\?\\Volume{1}\\", n, 65536, 8192);
    v.mountPaths = {"E:\\"};
    // Opened by name without the backslash and by "\\.\E:": both land at the extent.
    for (const char* path : {"\\\\?\\Volume{1}", "\\\\.\\E:"}) {
        auto h = mp.openDevice(path, DeviceAccess::ReadWrite, DeviceFlags::None);
        QVERIFY(h);
        uint8_t buf[512];
        uint64_t done = 0;
        QVERIFY(h->readAt(0, buf, 512, done) && done == 512);
        QVERIFY(std::memcmp(buf, mp.data(n).data() + 65536, 512) == 0);
        QVERIFY(h->readAt(8192 - 256, buf, 512, done) && done == 256);  // short at the volume's end
        std::vector<PlatformExtent> extents;
        QVERIFY(h->volumeDiskExtents(extents) && extents.size() == 1 && extents[0].startingOffset == 65536);
    }
    QVERIFY(mp.sameDevice("\\\\?\\Volume{1}\\", "\\\\.\\E:"));
    QVERIFY(!mp.sameDevice("\\\\?\\Volume{1}\\", MemoryPlatform::diskPath(n)));

    // Locks are exclusive and released when the handle closes.
    auto a = mp.openDevice("\\\\.\\E:", DeviceAccess::ReadWrite, DeviceFlags::None);
    auto b = mp.openDevice("\\\\.\\E:", DeviceAccess::ReadWrite, DeviceFlags::None);
    QVERIFY(a->lockVolume());
    QVERIFY(!b->lockVolume());
    a.reset();
    QCOMPARE(mp.volume("\\\\?\\Volume{1}\\").lockCount, 0);
    QVERIFY(b->lockVolume());
}

void MemoryPlatformTest::faultsAndLimits()
{
    MemoryPlatform mp;
    const int n = mp.addDisk(64 * 1024);
    auto h = mp.openDevice(MemoryPlatform::diskPath(n), DeviceAccess::ReadWrite, DeviceFlags::NoBufferingWriteThrough);
    auto ro = mp.openDevice(MemoryPlatform::diskPath(n), DeviceAccess::Read, DeviceFlags::None);
    QVERIFY(h && ro);
    alignas(4096) static uint8_t buf[8192];
    std::memset(buf, 0xAA, sizeof buf);
    uint64_t done = 0;
    QVERIFY(!ro->writeAt(0, buf, 512, done));
    QCOMPARE(Platform::lastErrorCode(), PlatformError::AccessDenied);
    QVERIFY(!h->writeAt(100, buf, 512, done));  // unbuffered handles need whole sectors
    QCOMPARE(Platform::lastErrorCode(), PlatformError::InvalidParameter);

    mp.failReadAtSector(n, 3, 1117, "bad");
    QVERIFY(!h->readAt(0, buf, 4096, done));
    QCOMPARE(Platform::lastErrorText(), std::string("bad"));
    QVERIFY(h->readAt(2048, buf, 512, done));  // the sector after it reads

    mp.setWriteLimit(n, 1024);
    QVERIFY(!h->writeAt(512, buf, 1024, done));
    QCOMPARE(done, 512u);

    mp.setVanished(n, true);
    QVERIFY(!h->readAt(0, buf, 512, done));
    QCOMPARE(Platform::lastErrorCode(), PlatformError::NotReady);
    QVERIFY(!mp.openDevice(MemoryPlatform::diskPath(n), DeviceAccess::Read, DeviceFlags::None));
}

QTEST_GUILESS_MAIN(MemoryPlatformTest)
#include "tst_memoryplatform.moc"
