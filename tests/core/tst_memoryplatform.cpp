#include "common/memoryplatform.h"

#include <QtTest>

#include <cstring>

// The test platform other subsystems build on: its answers must behave like the real seam.
class MemoryPlatformTest : public QObject {
    Q_OBJECT
private slots:
    void volumeHandlesReachTheirDiskRange();
    void faultsAndLimits();
    void filesRegistryAndFirmware();
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

    // The bitmap in pieces: each answer starts on a byte boundary at or before the cluster asked for
    // and carries only its own clusters; a failure from a cluster on stops the walk there.
    v.bitmapAnswers = true;
    v.bitmap.bitmapSize = 20;
    v.bitmap.bits = {0xFF, 0x00, 0xFF};
    v.bitmapPiece = 12;
    PlatformVolumeBitmap piece;
    QVERIFY(b->volumeBitmap(0, piece) && piece.moreData && piece.bitmapSize == 12);
    QCOMPARE(piece.bits, (std::vector<uint8_t>{0xFF, 0x00}));
    QVERIFY(b->volumeBitmap(12, piece) && !piece.moreData);
    QCOMPARE(piece.startingLcn, 8);
    QCOMPARE(piece.bitmapSize, 12);
    QCOMPARE(piece.bits, (std::vector<uint8_t>{0x00, 0x0F}));
    v.bitmapFailFrom = 12;
    QVERIFY(b->volumeBitmap(0, piece));
    QVERIFY(!b->volumeBitmap(12, piece));
    QCOMPARE(Platform::lastErrorCode(), PlatformError::IoDevice);
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
    std::memset(buf, 0xAA, sizeof buf);
    QVERIFY(!h->writeAt(512, buf, 1024, done));
    QCOMPARE(done, 512u);
    QCOMPARE(mp.data(n)[1023], uint8_t(0xAA));
    QCOMPARE(mp.data(n)[1024], uint8_t(0));
    QCOMPARE(int(mp.writes(n).size()), 2);
    QVERIFY(!mp.writes(n)[1].succeeded);

    mp.setVanished(n, true);
    QVERIFY(!h->readAt(0, buf, 512, done));
    QCOMPARE(Platform::lastErrorCode(), PlatformError::NotReady);
    QVERIFY(!mp.openDevice(MemoryPlatform::diskPath(n), DeviceAccess::Read, DeviceFlags::None));
}

void MemoryPlatformTest::filesRegistryAndFirmware()
{
    MemoryPlatform mp;
    mp.existingPaths = {"Z:\\Windows\\System32\\winload.efi"};
    QVERIFY(mp.fileExists("z:\\windows\\system32\\WINLOAD.EFI"));
    QVERIFY(mp.createDirectory("S:\\EFI"));
    QVERIFY(!mp.createDirectory("S:\\EFI"));
    QCOMPARE(Platform::lastErrorCode(), PlatformError::AlreadyExists);
    QVERIFY(mp.copyFile("Z:\\Windows\\System32\\winload.efi", "S:\\EFI\\x.efi", true));
    QVERIFY(!mp.copyFile("Z:\\Windows\\System32\\winload.efi", "S:\\EFI\\x.efi", true));
    QVERIFY(mp.deleteFile("S:\\EFI\\x.efi") && !mp.fileExists("S:\\EFI\\x.efi"));
    QCOMPARE(mp.deletedFiles, (std::vector<std::string>{"S:\\EFI\\x.efi"}));
    // Paths compare like Windows paths; a read-only file stays until its attributes are reset.
    QVERIFY(mp.fileExists("s:/efi/") && !mp.fileExists("S:\\EF"));
    mp.readOnlyPaths = {"Z:\\Windows\\System32\\winload.efi"};
    QVERIFY(!mp.copyFile("S:\\EFI", "z:/windows/system32/winload.efi", false));
    QVERIFY(!mp.deleteFile("Z:\\Windows\\System32\\winload.efi"));
    QCOMPARE(Platform::lastErrorCode(), PlatformError::AccessDenied);
    QVERIFY(mp.setFileAttributesNormal("Z:\\Windows\\System32\\winload.efi"));
    QVERIFY(mp.deleteFile("Z:\\Windows\\System32\\winload.efi"));

    // Letters in the mask have a fixed disk behind them unless a type is set.
    mp.driveMask = MemoryPlatform::letterMask("zC");
    QCOMPARE(mp.driveMask, (1u << 25) | (1u << 2));
    mp.driveTypes["C:\\"] = 5;
    QCOMPARE(mp.driveType("Z:\\"), 3u);
    QCOMPARE(mp.driveType("C:\\"), 5u);
    QCOMPARE(mp.driveType("Y:\\"), 1u);

    mp.registry["SYSTEM\\ControlSet001\\Services\\stornvme"]["Start"] = {4, {3, 0, 0, 0}};
    mp.registry["SYSTEM\\ControlSet001\\Services\\storahci\\Parameters"] = {};
    std::vector<std::string> names;
    QCOMPARE(mp.registryEnumSubKeys("SYSTEM\\ControlSet001\\Services", names), PlatformError::NoMoreItems);
    QCOMPARE(names, (std::vector<std::string>{"storahci", "stornvme"}));  // sorted, as stored
    QVERIFY(mp.registryKeyExists("SYSTEM\\ControlSet001"));
    QCOMPARE(mp.registryEnumSubKeys("SYSTEM\\Missing", names), PlatformError::FileNotFound);
    std::vector<uint8_t> data;
    uint32_t type = 0;
    QVERIFY(mp.registryReadValue("system\\controlset001\\services\\stornvme", "start", data, type));
    QCOMPARE(type, 4u);
    QCOMPARE(data, (std::vector<uint8_t>{3, 0, 0, 0}));
    QCOMPARE(MemoryPlatform::dword(0x01020304).data, (std::vector<uint8_t>{4, 3, 2, 1}));
    mp.registryEnumStatus = PlatformError::AccessDenied;  // names read so far still come back
    QCOMPARE(mp.registryEnumSubKeys("SYSTEM\\ControlSet001\\Services", names), PlatformError::AccessDenied);
    QCOMPARE(names.size(), size_t(2));

    uint32_t fw = 0;
    QVERIFY(mp.firmwareType(fw) && fw == 2);
    mp.firmwareAnswers = false;
    QVERIFY(!mp.firmwareType(fw));
}

QTEST_GUILESS_MAIN(MemoryPlatformTest)
#include "tst_memoryplatform.moc"
