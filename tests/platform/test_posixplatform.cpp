#include "core/commandprocessrunner.h"
#include "core/qprocesscommandrunner.h"
#include "ondisk/byteorder.h"
#include "ondisk/guidtext.h"
#include "platform/posix/disktable.h"
#include "platform/posix/filesystemprobe.h"
#include "platform/posix/mountinfo.h"
#include "platform/posix/posixdevicehandle.h"
#include "platform/posix/posixerror.h"
#include "platform/posix/posixplatform.h"
#include "platform/posix/sysfsblock.h"
#include "platform/posix/volumename.h"
#include "platform/posix/volumeprobe.h"
#include "platform/posix/windowspathmapper.h"
#include "common/imagefixture.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QtTest>
#include <cstring>
#include <sys/stat.h>
#include <sys/sysmacros.h>

namespace {
// Runs every child for real and records it; for each loop device attached, whether the kernel
// holds it read-only ("1"), as /sys/block/loopN/ro says while it is attached.
class LoopWatcher : public CommandRunner {
public:
    QStringList calls;
    QStringList readOnly;
    CommandResult run(const CommandRequest& request) override
    {
        calls << (request.program + QLatin1Char(' ') + request.arguments.join(QLatin1Char(' ')));
        const CommandResult r = m_real.run(request);
        const QString device = QString::fromLocal8Bit(r.standardOutput).trimmed();
        if (request.program == QLatin1String("losetup") && request.arguments.contains(QStringLiteral("--show"))
            && device.startsWith(QStringLiteral("/dev/loop"))) {
            QFile ro(QStringLiteral("/sys/block/%1/ro").arg(device.mid(5)));
            readOnly << (ro.open(QIODevice::ReadOnly) ? QString::fromLatin1(ro.readAll()).trimmed() : QStringLiteral("?"));
        }
        return r;
    }
private:
    QProcessCommandRunner m_real;
};

// The EFI system partition type GUID as it lies on disk, and its registry form.
const uint8_t EspBytes[16] = {0x28, 0x73, 0x2A, 0xC1, 0x1F, 0xF8, 0xD2, 0x11,
                              0xBA, 0x4B, 0x00, 0xA0, 0xC9, 0x3E, 0xC9, 0x3B};
const char* EspText = "{C12A7328-F81F-11D2-BA4B-00A0C93EC93B}";

std::unique_ptr<PosixPlatform> platformFor(const QString& disks, const QString& letters = {})
{
    PosixPlatform::Settings s;
    s.disks = disks.toStdString();
    s.driveLetters = letters.toStdString();
    return std::make_unique<PosixPlatform>(s);
}

QByteArray readFile(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
}

class TestPosixPlatform : public QObject {
    Q_OBJECT
private slots:
    void diskTableText()
    {
        // A gap and a bad suffix keep their numbers, so the disks after them keep theirs; '@' inside a
        // path belongs to it; a trailing ':' adds nothing.
        std::vector<std::string> messages;
        auto t = DiskTable::parse("/a.img::/c@x/d.img@4096:/e.img@1024:", messages);
        QCOMPARE(t.size(), size_t(4));
        QVERIFY(t[0].usable && !t[1].usable && !t[3].usable);
        QCOMPARE(t[2].path, std::string("/c@x/d.img"));
        QCOMPARE(t[2].logicalSectorSize, 4096u);
        QVERIFY(DiskTable::parse("", messages).empty());

        // A rescan appends newcomers and keeps the known numbers.
        std::vector<DiskTable::Entry> table{{"/dev/sda", 0, true}, {"/dev/sdc", 0, true}};
        DiskTable::mergeAppend(table, {"/dev/sda", "/dev/sdb", "/dev/sdc"});
        QCOMPARE(table[1].path, std::string("/dev/sdc"));
        QCOMPARE(table.at(2).path, std::string("/dev/sdb"));
        QCOMPARE(DiskTable::driveNumberFromPath("\\\\.\\PhysicalDrive12"), 12);
        QCOMPARE(DiskTable::driveNumberFromPath("/tmp/PhysicalDrive1.img"), -1);
    }

    void mountInfoLines()
    {
        MountInfo::Entry e;
        QVERIFY(MountInfo::parseLine("36 35 98:0 /mnt1 /mnt/my\\040disk rw,noatime master:1 shared:2 - ext3 /dev/root rw", e));
        QVERIFY(e.mountPoint == "/mnt/my disk" && e.source == "/dev/root");
        // No optional fields; tab, backslash and newline escaped.
        QVERIFY(MountInfo::parseLine("90 24 0:51 / /media/a\\011b\\134c\\012 rw,relatime - fuseblk /dev/sdb1 rw", e));
        QVERIFY(e.mountPoint == "/media/a\tb\\c\n" && e.fsType == "fuseblk");
        QCOMPARE(MountInfo::unescape("\\04"), std::string("\\04"));
        for (const char* bad : {"garbage", "36 35 98:0 / /x rw master:1", "36 35 98-0 / /x rw - ext4 /dev/x rw"})
            QVERIFY2(!MountInfo::parseLine(bad, e), bad);
        QCOMPARE(MountInfo::parse("22 27 0:21 / /proc rw - proc proc rw\nbad line\n25 24 7:1 / /t rw - vfat /dev/l rw\n").size(),
                 size_t(2));
    }

    void volumeNames()
    {
        // Kernel names and image partitions round-trip; names that are not ours decode to nothing.
        for (const char* kernel : {"sdb1", "nvme0n1p128", "mmcblk0p16abcdef"}) {
            const std::string name = VolumeName::encode(kernel);
            QVERIFY(VolumeName::isVolumeName(name));
            QCOMPARE(VolumeName::decode(name), std::string(kernel));
        }
        for (const char* foreign : {"\\\\?\\Volume{6B29FC40-CA47-1067-B31D-00DD010662DA}\\",
                                    "\\\\?\\Volume{73646231-0000-0000-0000-00000000000}\\", "C:\\"})
            QVERIFY2(VolumeName::decode(foreign).empty(), foreign);
        QVERIFY(VolumeName::encode("a-name-longer-than-16").empty() && VolumeName::encode("../x").empty());

        int disk = -1;
        uint32_t partition = 0;
        const std::string image = VolumeName::encodeImagePartition(0x7FFFFFFF, 0xFFFFFFFF);
        QVERIFY(VolumeName::decodeImagePartition(image.substr(0, image.size() - 1), disk, partition));
        QVERIFY(disk == 0x7FFFFFFF && partition == 0xFFFFFFFFu);
        QVERIFY(VolumeName::decode(image).empty() && !VolumeName::isVolumeName(image));
        QVERIFY(!VolumeName::decodeImagePartition(VolumeName::encode("sdb1"), disk, partition));
        QVERIFY(!VolumeName::decodeImagePartition("\\\\?\\Volume{00494D47-0000-0003-0000-000200000001}\\", disk, partition));
        QVERIFY(VolumeName::encodeImagePartition(-1, 1).empty());
    }

    void windowsPaths()
    {
        std::vector<std::string> messages;
        const WindowsPathMapper m = WindowsPathMapper::fromText("Z=/mnt/x/;y=/;Q:/bad;=x", messages);
        using Pair = std::pair<const char*, const char*>;
        for (const auto& [windows, native] : {Pair{"Z:\\Windows\\System32", "/mnt/x/Windows/System32"}, Pair{"Y:\\boot", "/boot"},
                                              Pair{"\\\\?\\Z:\\EFI\\Boot\\", "/mnt/x/EFI/Boot/"}, Pair{"C:\\Windows", ""},
                                              Pair{"/mnt/x\\Windows\\System32", "/mnt/x/Windows/System32"}})
            QCOMPARE(m.toNative(windows), std::string(native));
        QCOMPARE(m.letterRootFor("/mnt/x/"), std::string("Z:\\"));
        QVERIFY(m.letterRootFor("/mnt").empty());
        QCOMPARE(WindowsPathMapper::driveLetterOf("cc:\\x"), '\0');
        QCOMPARE(WindowsPathMapper::driveLetterOf("\\\\.\\D:"), 'D');
    }

    void guidText()
    {
        QCOMPARE(GuidText::fromGptBytes(EspBytes), std::string(EspText));
        uint8_t back[16] = {};
        QVERIFY(GuidText::toGptBytes("c12a7328-f81f-11d2-ba4b-00a0c93ec93b", back) && std::memcmp(back, EspBytes, 16) == 0);
        for (const char* bad : {"{C12A7328-F81F-11D2-BA4B-00A0C93EC93}", "C12A7328F81F-11D2-BA4B-00A0C93EC93B0",
                                "{C12A7328-F81F-11D2-BA4B-00A0C93EC93G}", "C12A7328-F81F-11D2-BA4B-00A0C93EC93B}"})
            QVERIFY2(!GuidText::toGptBytes(bad, back), bad);
    }

    void bootSectorsFromMkfs()
    {
        if (const QString why = missingRequirement({"mkfs.fat"}); !why.isEmpty())
            QSKIP(qPrintable(why));
        QTemporaryDir dir;
        struct Case { const char* fat; qint64 size; const char* version; const char* windows; };
        for (const Case& c : {Case{"32", 40 << 20, "FAT32", "FAT32"}, Case{"16", 20 << 20, "FAT16", "FAT"},
                              Case{"12", 2 << 20, "FAT12", "FAT"}}) {
            const QString image = dir.filePath(QString("fat%1.img").arg(c.fat));
            QVERIFY(makeSparseFile(image, c.size));
            QCOMPARE(runTool("mkfs.fat", {"-F", c.fat, "-n", "TESTLABEL", image}), 0);
            const QByteArray sector = readFile(image).left(512);
            FileSystemProbe::Result r;
            QVERIFY(FileSystemProbe::classifyBootSector(reinterpret_cast<const uint8_t*>(sector.constData()), sector.size(), r));
            QCOMPARE(r.version, std::string(c.version));
            QCOMPARE(r.label, std::string("TESTLABEL"));
            QCOMPARE(FileSystemProbe::windowsName("vfat", r), std::string(c.windows));
        }
        FileSystemProbe::Result r;
        std::vector<uint8_t> zero(512, 0);
        QVERIFY(!FileSystemProbe::classifyBootSector(zero.data(), zero.size(), r));
        QCOMPARE(FileSystemProbe::windowsName("fuseblk", FileSystemProbe::Result{"ntfs", "", ""}), std::string("NTFS"));
    }

    void imageSizesAndSectors()
    {
        QTemporaryDir dir;
        const QString a = dir.filePath("a.img"), b = dir.filePath("b.img");
        QVERIFY(makeSparseFile(a, (10 << 20) + 300));  // a partial trailing sector is not presented
        QVERIFY(makeSparseFile(b, (10 << 20) + 2048));
        auto p = platformFor(a + ":" + dir.filePath("missing.img") + ":" + b + "@4096");
        QVERIFY(p->diskRealPath(2) == b.toStdString() && p->diskRealPath(3).empty());

        PlatformGeometry g;
        auto h0 = p->openDevice("\\\\.\\PhysicalDrive0", DeviceAccess::Read, DeviceFlags::None);
        QVERIFY(h0 && h0->geometry(g) && g.diskSize == 10 << 20 && g.bytesPerSector == 512);
        for (const char* absent : {"\\\\.\\PhysicalDrive1", "\\\\.\\PhysicalDrive7"})
            QVERIFY(!p->openDevice(absent, DeviceAccess::Read, DeviceFlags::None) && Platform::lastErrorCode() == PlatformError::FileNotFound);
        // The configured sector size holds by number and by path; 2048 trailing bytes are no 4 KiB sector.
        for (const std::string& path : {std::string("\\\\.\\PhysicalDrive2"), b.toStdString()}) {
            auto h = p->openDevice(path, DeviceAccess::Read, DeviceFlags::NoBufferingSequentialScan);
            PlatformAccessAlignment al;
            QVERIFY(h && h->geometry(g) && h->accessAlignment(al));
            QVERIFY(g.bytesPerSector == 4096 && g.diskSize == 10 << 20 && al.bytesPerLogicalSector == 4096);
        }
        QVERIFY(p->sameDevice("\\\\.\\PhysicalDrive2", b.toStdString()) && !p->sameDevice("\\\\.\\PhysicalDrive0", b.toStdString()));
        QVERIFY(p->enumerateVolumes().empty());  // image files without a table have no volumes
    }

    void transfersAtTheEnd()
    {
        QTemporaryDir dir;
        const QString a = dir.filePath("a.img");
        const qint64 size = 1 << 20;
        QVERIFY(makeSparseFile(a, size + 100));
        auto p = platformFor(a);
        auto h = p->openDevice("\\\\.\\PhysicalDrive0", DeviceAccess::ReadWrite, DeviceFlags::NoBufferingWriteThrough);
        QVERIFY(h);
        // Unbuffered transfers need aligned memory.
        std::unique_ptr<uint8_t, decltype(&std::free)> mem(static_cast<uint8_t*>(std::aligned_alloc(4096, 16384)), &std::free);
        uint8_t* buf = mem.get();
        uint8_t* back = mem.get() + 8192;
        std::memset(buf, 0xAB, 8192);
        std::memset(back, 0, 8192);
        uint64_t done = 99;
        QVERIFY(h->writeAt(4096, buf, 4096, done) && h->flush() && h->readAt(4096, back, 4096, done));
        QVERIFY(done == 4096 && std::memcmp(back, buf, 4096) == 0);

        // Past the end: clean failure with nothing moved. Across it: what lies before, and the image
        // never grows.
        QVERIFY(!h->readAt(size, back, 4096, done) && done == 0 && Platform::lastErrorCode() == PlatformError::HandleEof);
        QVERIFY(!h->writeAt(size, buf, 4096, done) && done == 0);
        QVERIFY(h->readAt(size - 4096, back, 8192, done) && done == 4096);
        QVERIFY(h->writeAt(size - 4096, buf, 8192, done) && done == 4096);
        h.reset();
        QCOMPARE(QFileInfo(a).size(), size + 100);
        QCOMPARE(readFile(a).mid(size - 1, 2), QByteArray("\xAB\0", 2));
    }

    void accessModes()
    {
        QTemporaryDir dir;
        const QString a = dir.filePath("a.img");
        QVERIFY(makeSparseFile(a, 1 << 20));
        auto p = platformFor(a);
        std::vector<uint8_t> buf(512, 1);
        uint64_t done = 0;
        auto reader = p->openVolume("\\\\.\\PhysicalDrive0", DeviceAccess::Read, DeviceFlags::None);
        QVERIFY(reader && !reader->writeAt(0, buf.data(), 512, done) && Platform::lastErrorCode() == PlatformError::AccessDenied);
        // An existence probe cannot move data but still answers geometry.
        auto probe = p->openDevice("\\\\.\\PhysicalDrive0", DeviceAccess::None, DeviceFlags::None);
        PlatformGeometry g;
        QVERIFY(probe && probe->geometry(g) && !probe->readAt(0, buf.data(), 512, done));
        QCOMPARE(Platform::lastErrorCode(), PlatformError::AccessDenied);
        QCOMPARE(readFile(a), QByteArray(1 << 20, '\0'));

        QVERIFY(!p->openDevice(dir.filePath("nothing").toStdString(), DeviceAccess::Read, DeviceFlags::None)
                && Platform::lastErrorCode() == PlatformError::FileNotFound);
        QVERIFY(!p->openDevice(dir.path().toStdString(), DeviceAccess::Read, DeviceFlags::None)
                && Platform::lastErrorCode() == PlatformError::InvalidParameter);
        // Volume operations belong to volumes.
        std::vector<PlatformExtent> extents;
        PlatformVolumeBitmap bitmap;
        QVERIFY(!reader->volumeDiskExtents(extents) && !reader->lockVolume() && !reader->volumeBitmap(0, bitmap));
    }

    void directIoFallback()
    {
        // tmpfs once refused O_DIRECT; newer kernels accept it. ramfs never does.
        QTemporaryDir shm("/dev/shm/tessarin-XXXXXX");
        QVERIFY(shm.isValid());
        QString image = shm.filePath("a.img");
        QVERIFY(makeSparseFile(image, 1 << 20));
        auto p = platformFor(image);
        auto h = p->openDevice("\\\\.\\PhysicalDrive0", DeviceAccess::ReadWrite, DeviceFlags::NoBufferingWriteThrough);
        QVERIFY(h);
        QTemporaryDir ramDir;
        std::unique_ptr<Mount> ramfs;  // unmounted before its folder goes
        if (h->openNote().empty()) {
            if (!isRoot())
                QSKIP("tmpfs allows direct I/O here and mounting ramfs needs root");
            ramfs = std::make_unique<Mount>("none", ramDir.path(), QStringList{"-t", "ramfs"});
            QVERIFY(ramfs->ok());
            image = ramDir.filePath("a.img");
            QVERIFY(makeSparseFile(image, 1 << 20));
            p = platformFor(image);
            h = p->openDevice("\\\\.\\PhysicalDrive0", DeviceAccess::ReadWrite, DeviceFlags::NoBufferingWriteThrough);
            QVERIFY(h);
        }
        QVERIFY(!h->openNote().empty() && static_cast<PosixDeviceHandle*>(h.get())->isBuffered());
        std::vector<uint8_t> data(512, 0x5A);
        uint64_t done = 0;
        QVERIFY(h->writeAt(512, data.data(), 512, done) && h->flush());
        h.reset();
        QCOMPARE(uint8_t(readFile(image).at(1000)), uint8_t(0x5A));

        // An unbuffered open on a file system that can do it is not marked.
        QTemporaryDir disk(QDir::currentPath() + "/tessarin-XXXXXX");
        QVERIFY(makeSparseFile(disk.filePath("b.img"), 1 << 20));
        auto h2 = platformFor(disk.filePath("b.img"))->openDevice("\\\\.\\PhysicalDrive0", DeviceAccess::Read, DeviceFlags::NoBufferingSequentialScan);
        QVERIFY(h2 && h2->openNote().empty());
    }

    void partitionsOfImagesAreVolumes()
    {
        if (const QString why = missingRequirement({"sfdisk", "mkfs.fat"}); !why.isEmpty())
            QSKIP(qPrintable(why));
        QTemporaryDir dir;
        const QString img = dir.filePath("stick.img"), part = dir.filePath("part.img");
        constexpr qint64 Start = 2048 * 512, Length = 40960 * 512;
        QVERIFY(makeSparseFile(img, 64 << 20));
        QVERIFY(sfdiskScript(img, "label: dos\nstart=2048, size=40960, type=c\nstart=43008, size=8192, type=5\n"));
        QVERIFY(makeSparseFile(part, Length));
        QVERIFY(makeFat32(part, {"-n", "STICK"}));
        QVERIFY(writeFileBytes(img, Start, readFile(part)));

        auto p = platformFor(img);
        // The extended container holds no file system and is no volume.
        const std::vector<std::string> names = p->enumerateVolumes();
        QCOMPARE(names, std::vector<std::string>{VolumeName::encodeImagePartition(0, 1)});
        const std::string name = names.front();
        auto v = p->openVolume(name.substr(0, name.size() - 1), DeviceAccess::Read, DeviceFlags::None);
        std::vector<PlatformExtent> extents;
        QVERIFY(v && v->volumeDiskExtents(extents));
        QVERIFY(extents.size() == 1 && extents[0].startingOffset == Start && extents[0].extentLength == Length);
        std::string label, fs;
        QVERIFY(p->volumeInformation(name, label, fs));
        QCOMPARE(fs + "/" + label, std::string("FAT32/STICK"));
        QVERIFY(!p->sameDevice(name, "\\\\.\\PhysicalDrive0"));

        // The volume handle sees the partition from its offset 0 and nothing outside it.
        const QByteArray beyond = readFile(img).mid(Start + Length, 512);  // the extended partition's first sector
        auto w = p->openDevice(name, DeviceAccess::ReadWrite, DeviceFlags::None);
        PlatformGeometry g;
        QVERIFY(w && w->geometry(g) && g.diskSize == Length);
        std::vector<uint8_t> buffer(1024, 0);
        uint64_t done = 0;
        QVERIFY(w->readAt(0, buffer.data(), 512, done));
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(buffer.data()), 512), readFile(part).left(512));
        std::vector<uint8_t> marks(1024, 0xAB);
        QVERIFY(w->writeAt(Length - 512, marks.data(), 1024, done) && done == 512);
        QVERIFY(!w->writeAt(Length, marks.data(), 512, done));
        w.reset();
        const QByteArray after = readFile(img);
        QCOMPARE(after.mid(Start + Length - 512, 512), QByteArray(512, char(0xAB)));
        QCOMPARE(after.mid(Start + Length, 512), beyond);

        QVERIFY(!p->openDevice(VolumeName::encodeImagePartition(0, 2), DeviceAccess::Read, DeviceFlags::None));
    }

    void filesThroughDriveLetters()
    {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkpath("Windows/System32"));
        auto p = platformFor("", "Z=" + dir.path());
        QVERIFY(p->fileExists("Z:\\WINDOWS\\system32"));  // Windows paths ignore case
        QVERIFY(p->createDirectory("Z:\\windows\\system32\\Config"));
        QVERIFY(QFileInfo::exists(dir.filePath("Windows/System32/Config")));
        QVERIFY(!p->fileExists("C:\\Windows"));  // unmapped letter
        QVERIFY(p->createDirectory("Z:\\EFI") && !p->createDirectory("Z:\\EFI"));

        // Copies: whole files, refusing to overwrite unless asked.
        const QByteArray big = QByteArray(3 << 20, 'x') + "end";
        QVERIFY(writeFileBytes(dir.filePath("src.bin"), 0, big));
        QVERIFY(writeFileBytes(dir.filePath("other.bin"), 0, "other"));
        QVERIFY(p->copyFile("Z:\\src.bin", "Z:\\EFI\\copy.bin", true));
        QCOMPARE(readFile(dir.filePath("EFI/copy.bin")), big);
        QVERIFY(!p->copyFile("Z:\\other.bin", "Z:\\EFI\\copy.bin", true));
        QCOMPARE(readFile(dir.filePath("EFI/copy.bin")), big);
        QVERIFY(p->copyFile("Z:\\other.bin", "Z:\\EFI\\copy.bin", false));
        QCOMPARE(readFile(dir.filePath("EFI/copy.bin")), QByteArray("other"));

        QFile::setPermissions(dir.filePath("other.bin"), QFileDevice::ReadOwner);
        QVERIFY(p->setFileAttributesNormal("Z:\\other.bin"));
        QVERIFY(p->deleteFile("Z:\\other.bin"));
        QVERIFY(!QFile::exists(dir.filePath("other.bin")));
        QVERIFY(!p->deleteFile("Z:\\other.bin"));
        QCOMPARE(p->logicalDrives(), 1u << 25);
        // An empty disk list means no disks, never the machine's own.
        QVERIFY(p->diskRealPath(0).empty() && !p->openDevice("\\\\.\\PhysicalDrive0", DeviceAccess::None, DeviceFlags::None));
    }

    // An unmounted NTFS partition of an image is searched through a read-only loop device: the one
    // holding Windows\System32 is found (in any case), the other is not, and the image stays as it was.
    void windowsFolderFoundReadOnly()
    {
        if (const QString why = missingRequirement({"sfdisk", "mkntfs", "ntfs-3g", "ntfsls", "losetup"}, true); !why.isEmpty())
            QSKIP(qPrintable(why));
        QTemporaryDir dir;
        const QString img = dir.filePath("win.img"), mnt = dir.filePath("m");
        constexpr qint64 Length = 16384 * 512;
        QVERIFY(makeSparseFile(img, 48 << 20) && QDir().mkpath(mnt));
        QVERIFY(sfdiskScript(img, "label: gpt\nstart=2048, size=16384\nstart=20480, size=16384\n"));
        for (int i : {0, 1}) {
            LoopDevice loop(img, false, 0, (2048 + 18432 * i) * 512, Length);
            QVERIFY(loop.ok() && makeNtfs(loop.device()));
            Mount m(loop.device(), mnt, {}, "ntfs-3g");
            QVERIFY(m.ok() && QDir(mnt).mkpath(i == 0 ? "Windows/System32" : "Windows/Temp"));
        }
        const QByteArray before = contentHash(img);
        auto p = platformFor(img);
        // The probe's tools go through the program's runner, where a test sees them.
        LoopWatcher watcher;
        ScopedCommandRunner scope(&watcher);
        ProcessRunner& runner = CommandProcessRunner::instance();
        QVERIFY(p->volumeContainsPath(VolumeName::encodeImagePartition(0, 1), "windows\\SYSTEM32", runner));
        QVERIFY(!p->volumeContainsPath(VolumeName::encodeImagePartition(0, 2), "Windows\\System32", runner));
        QVERIFY(!p->volumeContainsPath(VolumeName::encodeImagePartition(0, 3), "Windows", runner));
        QCOMPARE(watcher.readOnly, QStringList({"1", "1"}));
        QCOMPARE(watcher.calls.filter(QStringLiteral("ntfsls")).size(), 4);  // Windows, then System32, on each
        QCOMPARE(contentHash(img), before);
        struct stat st {};
        QVERIFY(::stat(img.toLocal8Bit().constData(), &st) == 0);
        QVERIFY(SysfsBlock::loopDevicesBackedBy(st.st_dev, st.st_ino).empty());  // every loop device released

        // Mounted: looked up below the mount point.
        LoopDevice loop(img, false, 0, 2048 * 512, Length);
        Mount m(loop.device(), mnt, {"-o", "ro"}, "ntfs-3g");
        QVERIFY(m.ok() && VolumeProbe::containsBelowMount(mnt.toStdString(), "WINDOWS\\system32"));
    }

    // Images listed in TESSARIN_DISKS never hold the running system.
    void systemDiskIsTheRootDisk()
    {
        QTemporaryDir dir;
        QVERIFY(makeSparseFile(dir.filePath("a.img"), 1 << 20));
        QVERIFY(platformFor(dir.filePath("a.img"))->systemDiskNumbers().empty());
    }

    void environmentSettings()
    {
        // ctest hands every test an empty disk list, so none can reach the machine's own disks.
        if (qEnvironmentVariableIsSet("TESSARIN_SOURCE_DIR")) {
            QVERIFY2(qEnvironmentVariableIsSet("TESSARIN_DISKS") && qgetenv("TESSARIN_DISKS").isEmpty(),
                     "TESSARIN_DISKS must be set and empty under ctest");
            QVERIFY(createNativePlatform()->parts().devices->diskRealPath(0).empty());
        }
        QTemporaryDir dir;
        const QString a = dir.filePath("a.img");
        QVERIFY(makeSparseFile(a, 1 << 20));
        qputenv("TESSARIN_DISKS", (dir.filePath("gone.img") + ":" + a + "@4096").toLocal8Bit());
        qputenv("TESSARIN_DRIVE_LETTERS", ("C=" + dir.path() + ";D=/").toLocal8Bit());
        std::unique_ptr<PlatformBackend> fromEnv = createNativePlatform();
        qputenv("TESSARIN_DISKS", QByteArray());  // unset, a later platform would scan the machine's disks
        qunsetenv("TESSARIN_DRIVE_LETTERS");
        QCOMPARE(fromEnv->parts().devices->diskRealPath(1), a.toStdString());
        QCOMPARE(fromEnv->parts().files->logicalDrives(), 0b1100u);
    }

    void loopDeviceBasics()
    {
        if (const QString why = missingRequirement({"losetup", "sgdisk"}, true); !why.isEmpty())
            QSKIP(qPrintable(why));
        QTemporaryDir dir;
        const QString image = dir.filePath("disk.img"), other = dir.filePath("other.img");
        QVERIFY(makeSparseFile(image, 64 << 20));
        QVERIFY(makeSparseFile(other, 1 << 20));
        QVERIFY(sgdiskRun(image, {"-n", "1:2048:+8M", "-n", "2:0:+8M"}));
        LoopDevice loop(image, true);
        QVERIFY(loop.ok());
        auto p = platformFor(other + ":" + loop.device());
        // Re-reading the table makes the partitions known even to a kernel without table parsers.
        auto rw = p->openDevice("\\\\.\\PhysicalDrive1", DeviceAccess::ReadWrite, DeviceFlags::None);
        QVERIFY(rw && rw->updateDiskProperties());
        rw.reset();
        const QString part2 = loop.partition(2);
        QVERIFY(QFileInfo::exists(part2) && p->diskRealPath(1) == loop.device().toStdString());
        auto h = p->openDevice("\\\\.\\PhysicalDrive1", DeviceAccess::Read, DeviceFlags::NoBufferingSequentialScan);
        PlatformGeometry g;
        QVERIFY(h && h->geometry(g) && g.diskSize == 64 << 20);
        PlatformDriveLayout l;
        QVERIFY(h->driveLayout(l) && l.style == LayoutStyle::GPT && l.entries.size() == 2);

        const std::vector<std::string> volumes = p->enumerateVolumes();
        const std::string expected = VolumeName::encode(QFileInfo(part2).fileName().toStdString());
        QVERIFY(volumes.size() == 2 && volumes[1] == expected);
        // Volume names open with and without their trailing backslash.
        auto v = p->openVolume(expected.substr(0, expected.size() - 1), DeviceAccess::Read, DeviceFlags::None);
        std::vector<PlatformExtent> extents;
        QVERIFY(v && v->volumeDiskExtents(extents) && extents.at(0).diskNumber == 1);
        QCOMPARE(extents[0].startingOffset, l.entries[1].startingOffset);
        QVERIFY(v->lockVolume() && v->dismountVolume() && v->allowExtendedAccess() && v->unlockVolume());

        // One device, many names: loop device, its table number, its backing file; never its partition.
        QVERIFY(p->sameDevice(image.toStdString(), "\\\\.\\PhysicalDrive1") && !p->sameDevice("\\\\.\\PhysicalDrive1", other.toStdString()));
        QVERIFY(!p->sameDevice(expected, loop.device().toStdString()));
    }

    void loopDevice4Kn()
    {
        if (const QString why = missingRequirement({"losetup", "sgdisk"}, true); !why.isEmpty())
            QSKIP(qPrintable(why));
        QTemporaryDir dir;
        const QString image = dir.filePath("4k.img");
        QVERIFY(makeSparseFile(image, 32 << 20));
        LoopDevice loop(image, false, 4096);
        QVERIFY(loop.ok() && sgdiskRun(loop.device(), {"-n", "1:256:+4M"}));
        auto p = platformFor(loop.device());
        auto h = p->openDevice("\\\\.\\PhysicalDrive0", DeviceAccess::Read, DeviceFlags::NoBufferingSequentialScan);
        PlatformGeometry g;
        QVERIFY(h && h->geometry(g) && g.bytesPerSector == 4096);
        PlatformAccessAlignment a;
        QVERIFY(h->accessAlignment(a) && a.bytesPerLogicalSector == 4096 && a.bytesPerPhysicalSector >= 4096);
        PlatformDriveLayout l;
        QVERIFY(h->driveLayout(l) && l.style == LayoutStyle::GPT && l.entries.at(0).startingOffset == 256 * 4096);
        // Without partition scanning there is nothing to re-read, which is not a failure.
        QVERIFY(h->updateDiskProperties());
    }

    void mountedDeviceIsProtected()
    {
        // ntfs-3g mounts through FUSE ("fuseblk" with an anonymous device number), the harder case.
        if (const QString why = missingRequirement({"losetup", "sgdisk", "mkntfs", "ntfs-3g", "mkfs.fat"}, true); !why.isEmpty())
            QSKIP(qPrintable(why));
        QTemporaryDir dir;
        const QString image = dir.filePath("disk.img");
        QVERIFY(makeSparseFile(image, 128 << 20));
        QVERIFY(sgdiskRun(image, {"-n", "1:2048:+32M", "-t", "1:0700", "-n", "2:0:+48M", "-t", "2:0700"}));
        LoopDevice loop(image, true);
        QTemporaryDir mountDir;
        QVERIFY(loop.ok());
        auto p = platformFor(loop.device(), "Z=" + mountDir.path());
        QVERIFY(p->openDevice("\\\\.\\PhysicalDrive0", DeviceAccess::Read, DeviceFlags::None)->updateDiskProperties());
        const QString ntfsPart = loop.partition(1), fatPart = loop.partition(2);
        QVERIFY(makeNtfs(ntfsPart, {"-L", "TESSNTFS"}));
        QVERIFY(makeFat32(fatPart, {"-s", "1", "-n", "TESSFAT"}));
        const std::vector<std::string> volumes = p->enumerateVolumes();
        QCOMPARE(volumes.size(), size_t(2));
        const std::string& volume = volumes[0];

        {
            Mount mount(ntfsPart, mountDir.path(), {}, "ntfs-3g");
            QVERIFY(mount.ok());
            for (const std::string& path : {std::string("\\\\.\\PhysicalDrive0"), volume, image.toStdString()})
                QVERIFY2(!p->openDevice(path, DeviceAccess::ReadWrite, DeviceFlags::None) && Platform::lastErrorCode() == PlatformError::Busy, path.c_str());
            QVERIFY(p->openDevice("\\\\.\\PhysicalDrive0", DeviceAccess::Read, DeviceFlags::None));  // reading is fine
            QVERIFY(p->openDevice(volumes[1], DeviceAccess::ReadWrite, DeviceFlags::None));       // the other volume too

            auto v = p->openVolume(volume, DeviceAccess::Read, DeviceFlags::None);
            QVERIFY(v && !v->lockVolume() && !v->dismountVolume());
            QCOMPARE(p->volumeMountPaths(volume), (std::vector<std::string>{"Z:\\", mountDir.path().toStdString()}));
            QCOMPARE(p->volumeNameForMountPoint("Z:\\"), volume);
            QVERIFY(p->volumeNameForMountPoint(dir.path().toStdString()).empty());
            std::string label, fs;
            QVERIFY(p->volumeInformation("Z:\\", label, fs));
            QCOMPARE(fs + "/" + label, std::string("NTFS/TESSNTFS"));
            uint64_t total = 0, free = 0;
            QVERIFY(p->diskFreeSpace(volume, total, free) && total > (24ull << 20) && free > 0 && free <= total);
            QVERIFY(p->openDevice("\\\\.\\Z:", DeviceAccess::Read, DeviceFlags::None));
            // A mounted partition keeps the kernel from re-reading the table.
            auto disk = p->openDevice("\\\\.\\PhysicalDrive0", DeviceAccess::Read, DeviceFlags::None);
            QVERIFY(!disk->updateDiskProperties());
            QCOMPARE(Platform::lastErrorCode(), PlatformError::Busy);
        }
        // Unmounted: writable opens work, and the volumes still tell their file system and label.
        auto w = p->openDevice("\\\\.\\PhysicalDrive0", DeviceAccess::ReadWrite, DeviceFlags::NoBufferingWriteThrough);
        QVERIFY(w);
        auto wv = p->openVolume(volume, DeviceAccess::ReadWrite, DeviceFlags::None);  // disk and volume together
        QVERIFY(wv);
        QVERIFY(wv->lockVolume());
        std::string label, fs;
        QVERIFY(p->volumeInformation(volume, label, fs));
        QCOMPARE(fs, std::string("NTFS"));
        QVERIFY(p->volumeInformation(volumes[1], label, fs));
        QCOMPARE(fs + "/" + label, std::string("FAT32/TESSFAT"));
        QVERIFY(p->volumeMountPaths(volume).empty());
    }
};

QTEST_GUILESS_MAIN(TestPosixPlatform)
#include "test_posixplatform.moc"
