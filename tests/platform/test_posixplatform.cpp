#include "ondisk/byteorder.h"
#include "ondisk/crc32.h"
#include "ondisk/guidtext.h"
#include "platform/posix/disktable.h"
#include "platform/posix/filesystemprobe.h"
#include "platform/posix/layoutparser.h"
#include "platform/posix/mountinfo.h"
#include "platform/posix/posixdevicehandle.h"
#include "platform/posix/posixerror.h"
#include "platform/posix/posixplatform.h"
#include "platform/posix/sysfsblock.h"
#include "platform/posix/volumename.h"
#include "platform/posix/windowspathmapper.h"
#include "common/imagefixture.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>
#include <cstring>
#include <sys/stat.h>

namespace {
// The EFI system partition type GUID as it lies on disk, and its registry form.
const uint8_t EspBytes[16] = {0x28, 0x73, 0x2A, 0xC1, 0x1F, 0xF8, 0xD2, 0x11,
                              0xBA, 0x4B, 0x00, 0xA0, 0xC9, 0x3E, 0xC9, 0x3B};
const char* EspText = "{C12A7328-F81F-11D2-BA4B-00A0C93EC93B}";

void put32(std::vector<uint8_t>& b, size_t at, uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        b[at + i] = uint8_t(v >> (8 * i));
}
void put64(std::vector<uint8_t>& b, size_t at, uint64_t v)
{
    put32(b, at, uint32_t(v));
    put32(b, at + 4, uint32_t(v >> 32));
}

void putMbrEntry(std::vector<uint8_t>& b, int slot, uint8_t boot, uint8_t type, uint32_t start, uint32_t count)
{
    const size_t e = 446 + size_t(slot) * 16;
    b[e] = boot;
    b[e + 4] = type;
    put32(b, e + 8, start);
    put32(b, e + 12, count);
    b[510] = 0x55;
    b[511] = 0xAA;
}

struct TestPartition {
    uint64_t first, last;
    uint8_t uniqueSeed;
};

// A whole small GPT disk: protective MBR, primary and backup header and arrays.
std::vector<uint8_t> buildGptDisk(uint64_t sectors, uint32_t sectorSize, const std::vector<TestPartition>& parts,
                                  uint32_t entryCount = 128)
{
    std::vector<uint8_t> disk(sectors * sectorSize, 0);
    putMbrEntry(disk, 0, 0, 0xEE, 1, uint32_t(std::min<uint64_t>(sectors - 1, 0xFFFFFFFF)));
    std::vector<uint8_t> array(size_t(entryCount) * 128, 0);
    for (size_t i = 0; i < parts.size(); ++i) {
        std::memcpy(array.data() + i * 128, EspBytes, 16);
        for (int k = 0; k < 16; ++k)
            array[i * 128 + 16 + k] = uint8_t(parts[i].uniqueSeed + k);
        put64(array, i * 128 + 32, parts[i].first);
        put64(array, i * 128 + 40, parts[i].last);
    }
    const uint64_t arraySectors = (array.size() + sectorSize - 1) / sectorSize;
    const uint32_t arrayCrc = Crc32::compute(array.data(), array.size());
    const auto header = [&](uint64_t my, uint64_t alt, uint64_t entries) {
        std::vector<uint8_t> h(sectorSize, 0);
        std::memcpy(h.data(), "EFI PART", 8);
        put32(h, 8, 0x00010000);
        put32(h, 12, 92);
        put64(h, 24, my);
        put64(h, 32, alt);
        put64(h, 40, 2 + arraySectors);
        put64(h, 48, sectors - 2 - arraySectors);
        put64(h, 72, entries);
        put32(h, 80, entryCount);
        put32(h, 84, 128);
        put32(h, 88, arrayCrc);
        put32(h, 16, Crc32::compute(h.data(), 92));
        return h;
    };
    const auto place = [&](uint64_t lba, const std::vector<uint8_t>& bytes) {
        std::memcpy(disk.data() + lba * sectorSize, bytes.data(), bytes.size());
    };
    place(1, header(1, sectors - 1, 2));
    place(2, array);
    place(sectors - 1 - arraySectors, array);
    place(sectors - 1, header(sectors - 1, 1, sectors - 1 - arraySectors));
    return disk;
}

LayoutParser::ReadFn readerOf(const std::vector<uint8_t>& disk)
{
    return [&disk](uint64_t offset, uint64_t length, uint8_t* out) {
        if (offset + length > disk.size())
            return false;
        std::memcpy(out, disk.data() + offset, size_t(length));
        return true;
    };
}

PlatformDriveLayout parseDisk(const std::vector<uint8_t>& disk, uint32_t sectorSize, std::vector<std::string>* notes = nullptr)
{
    PlatformDriveLayout layout;
    std::vector<std::string> n;
    if (!LayoutParser::parse(readerOf(disk), disk.size(), sectorSize, layout, n))
        layout.style = LayoutStyle::Unknown, layout.entries.clear();
    if (notes)
        *notes = n;
    return layout;
}

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

bool joinedContains(const std::vector<std::string>& lines, const char* part)
{
    for (const std::string& l : lines)
        if (l.find(part) != std::string::npos)
            return true;
    return false;
}
}

class TestPosixPlatform : public QObject {
    Q_OBJECT
private slots:
    // ---- pure parsers ----
    void diskTableText();
    void mountInfoLines();
    void volumeNames();
    void windowsPaths();
    void guidTextAndFieldWidths();
    void mbrLayouts();
    void gptLayouts();
    void gptDamage();
    void bootSectorsFromMkfs();

    // ---- image files ----
    void imageSizesAndSectors();
    void transfersAtTheEnd();
    void accessModes();
    void directIoFallback();
    void layoutOfToolMadeImages();
    void partitionsOfImagesAreVolumes();
    void filesThroughDriveLetters();
    void servicesNotOnLinux();
    void environmentAndMachineScan();

    // ---- loop devices (root) ----
    void loopDeviceBasics();
    void loopDevice4Kn();
    void mountedDeviceIsProtected();
};

void TestPosixPlatform::diskTableText()
{
    std::vector<std::string> messages;
    auto t = DiskTable::parse("/a.img:/b.img@4096:/dev/sdx", messages);
    QCOMPARE(t.size(), size_t(3));
    QCOMPARE(t[0].path, std::string("/a.img"));
    QCOMPARE(t[0].logicalSectorSize, 0u);
    QCOMPARE(t[1].path, std::string("/b.img"));
    QCOMPARE(t[1].logicalSectorSize, 4096u);
    QVERIFY(t[2].usable);
    QVERIFY(messages.empty());

    // A gap keeps its number so the next disk stays number 2; a bad suffix takes a number too.
    messages.clear();
    t = DiskTable::parse("/a.img::/c.img:/d.img@1024", messages);
    QCOMPARE(t.size(), size_t(4));
    QVERIFY(!t[1].usable);
    QCOMPARE(t[2].path, std::string("/c.img"));
    QVERIFY(!t[3].usable);
    QCOMPARE(messages.size(), size_t(2));

    // '@' inside a path is part of it; a trailing ':' adds nothing; empty text means no disks.
    messages.clear();
    t = DiskTable::parse("/tmp/x@y/disk.img:", messages);
    QCOMPARE(t.size(), size_t(1));
    QCOMPARE(t[0].path, std::string("/tmp/x@y/disk.img"));
    QVERIFY(messages.empty());
    QVERIFY(DiskTable::parse("", messages).empty());

    // Appending a rescan keeps known numbers.
    std::vector<DiskTable::Entry> table{{"/dev/sda", 0, true}, {"/dev/sdc", 0, true}};
    DiskTable::mergeAppend(table, {"/dev/sda", "/dev/sdb", "/dev/sdc"});
    QCOMPARE(table.size(), size_t(3));
    QCOMPARE(table[1].path, std::string("/dev/sdc"));
    QCOMPARE(table[2].path, std::string("/dev/sdb"));

    QCOMPARE(DiskTable::driveNumberFromPath("\\\\.\\PhysicalDrive12"), 12);
    QCOMPARE(DiskTable::driveNumberFromPath("\\\\.\\PhysicalDrive"), -1);
    QCOMPARE(DiskTable::driveNumberFromPath("/tmp/PhysicalDrive1.img"), -1);
}

void TestPosixPlatform::mountInfoLines()
{
    MountInfo::Entry e;
    QVERIFY(MountInfo::parseLine(
        "36 35 98:0 /mnt1 /mnt/my\\040disk rw,noatime master:1 shared:2 - ext3 /dev/root rw,errors=continue", e));
    QCOMPARE(e.major, 98u);
    QCOMPARE(e.minor, 0u);
    QCOMPARE(e.root, std::string("/mnt1"));
    QCOMPARE(e.mountPoint, std::string("/mnt/my disk"));
    QCOMPARE(e.fsType, std::string("ext3"));
    QCOMPARE(e.source, std::string("/dev/root"));

    // No optional fields; a tab, a backslash and a newline escaped; a FUSE mount.
    QVERIFY(MountInfo::parseLine("90 24 0:51 / /media/a\\011b\\134c\\012 rw,relatime - fuseblk /dev/sdb1 rw", e));
    QCOMPARE(e.mountPoint, std::string("/media/a\tb\\c\n"));
    QCOMPARE(e.fsType, std::string("fuseblk"));
    QCOMPARE(e.major, 0u);
    QCOMPARE(MountInfo::unescape("\\04"), std::string("\\04"));  // cut escape stays as it is

    QVERIFY(!MountInfo::parseLine("garbage", e));
    QVERIFY(!MountInfo::parseLine("36 35 98:0 / /x rw master:1", e));  // no separator
    QVERIFY(!MountInfo::parseLine("36 35 98-0 / /x rw - ext4 /dev/x rw", e));

    const auto all = MountInfo::parse("22 27 0:21 / /proc rw - proc proc rw\nbad line\n"
                                      "25 24 7:1 / /mnt/t rw - vfat /dev/loop0p1 rw\n");
    QCOMPARE(all.size(), size_t(2));
    QCOMPARE(all[1].minor, 1u);
}

void TestPosixPlatform::volumeNames()
{
    const std::string name = VolumeName::encode("sdb1");
    QCOMPARE(name, std::string("\\\\?\\Volume{73646231-0000-0000-0000-000000000000}\\"));
    QCOMPARE(VolumeName::decode(name), std::string("sdb1"));
    QCOMPARE(VolumeName::decode(name.substr(0, name.size() - 1)), std::string("sdb1"));
    QCOMPARE(VolumeName::decode("\\\\.\\Volume{6e766d65-306e-3170-3132-380000000000}"), std::string("nvme0n1p128"));
    QCOMPARE(VolumeName::decode(VolumeName::encode("mmcblk0p16abcdef")), std::string("mmcblk0p16abcdef"));
    // Names that are not ours: a real GUID, a broken form, a name too long to encode.
    QVERIFY(VolumeName::decode("\\\\?\\Volume{6B29FC40-CA47-1067-B31D-00DD010662DA}\\").empty());
    QVERIFY(VolumeName::decode("\\\\?\\Volume{73646231-0000-0000-0000-00000000000}\\").empty());
    QVERIFY(VolumeName::decode("C:\\").empty());
    QVERIFY(VolumeName::encode("a-name-longer-than-16").empty());
    QVERIFY(VolumeName::encode("../x").empty());

    // Partitions of image files: disk and partition number, apart from every kernel name.
    const std::string image = VolumeName::encodeImagePartition(3, 2);
    QCOMPARE(image, std::string("\\\\?\\Volume{00494D47-0000-0003-0000-000200000000}\\"));
    int disk = -1;
    uint32_t partition = 0;
    QVERIFY(VolumeName::decodeImagePartition(image.substr(0, image.size() - 1), disk, partition));
    QCOMPARE(disk, 3);
    QCOMPARE(partition, 2u);
    QVERIFY(VolumeName::decodeImagePartition(VolumeName::encodeImagePartition(0x7FFFFFFF, 0xFFFFFFFF), disk, partition));
    QCOMPARE(disk, 0x7FFFFFFF);
    QCOMPARE(partition, 0xFFFFFFFFu);
    QVERIFY(VolumeName::decode(image).empty());
    QVERIFY(!VolumeName::isVolumeName(image));
    QVERIFY(!VolumeName::decodeImagePartition(name, disk, partition));
    QVERIFY(!VolumeName::decodeImagePartition("\\\\?\\Volume{00494D47-0000-0003-0000-000200000001}\\", disk, partition));
    QVERIFY(!VolumeName::decodeImagePartition("\\\\?\\Volume{00494D47-8000-0000-0000-000200000000}\\", disk, partition));
    QVERIFY(VolumeName::encodeImagePartition(-1, 1).empty());
}

void TestPosixPlatform::windowsPaths()
{
    std::vector<std::string> messages;
    const WindowsPathMapper m = WindowsPathMapper::fromText("Z=/mnt/x/;y=/;Q:/bad;=x", messages);
    QCOMPARE(messages.size(), size_t(2));
    QCOMPARE(m.toNative("Z:\\Windows\\System32"), std::string("/mnt/x/Windows/System32"));
    QCOMPARE(m.toNative("z:"), std::string("/mnt/x"));
    QCOMPARE(m.toNative("\\\\?\\Z:\\EFI\\Boot\\"), std::string("/mnt/x/EFI/Boot/"));
    QCOMPARE(m.toNative("Y:\\boot"), std::string("/boot"));
    QCOMPARE(m.toNative("/mnt/x\\Windows\\System32"), std::string("/mnt/x/Windows/System32"));
    QVERIFY(m.toNative("C:\\Windows").empty());
    QCOMPARE(m.letterRootFor("/mnt/x/"), std::string("Z:\\"));
    QVERIFY(m.letterRootFor("/mnt").empty());
    QCOMPARE(WindowsPathMapper::driveLetterOf("c:\\x"), 'C');
    QCOMPARE(WindowsPathMapper::driveLetterOf("cc:\\x"), '\0');
    QCOMPARE(WindowsPathMapper::driveLetterOf("\\\\.\\D:"), 'D');
}

void TestPosixPlatform::guidTextAndFieldWidths()
{
    QCOMPARE(GuidText::fromGptBytes(EspBytes), std::string(EspText));
    uint8_t back[16] = {};
    QVERIFY(GuidText::toGptBytes("c12a7328-f81f-11d2-ba4b-00a0c93ec93b", back));
    QCOMPARE(std::memcmp(back, EspBytes, 16), 0);
    uint8_t untouched[16] = {};
    for (const char* bad : {"{C12A7328-F81F-11D2-BA4B-00A0C93EC93}", "C12A7328F81F-11D2-BA4B-00A0C93EC93B0",
                            "{C12A7328-F81F-11D2-BA4B-00A0C93EC93G}", "C12A7328-F81F-11D2-BA4B-00A0C93EC93B}"})
        QVERIFY2(!GuidText::toGptBytes(bad, untouched), bad);
    QCOMPARE(std::count(untouched, untouched + 16, 0), std::ptrdiff_t(16));

    // Run-list fields: 1..8 bytes, the offsets sign-extended from their own top bit.
    const uint8_t field[8] = {0x00, 0x80, 0xFF, 0xFF, 0x7F, 0x01, 0x02, 0x83};
    QCOMPARE(ByteOrder::getUnsigned(field, 2), uint64_t(0x8000));
    QCOMPARE(ByteOrder::getSigned(field, 2), int64_t(-32768));
    QCOMPARE(ByteOrder::getSigned(field + 4, 1), int64_t(127));
    QCOMPARE(ByteOrder::getSigned(field + 2, 3), int64_t(0x7FFFFF));
    QCOMPARE(ByteOrder::getSigned(field, 8), int64_t(0x830201'7FFFFF8000ull));
    QCOMPARE(ByteOrder::getSigned(field, 0), int64_t(0));
}

void TestPosixPlatform::mbrLayouts()
{
    std::vector<uint8_t> disk(512 * 64, 0);
    putMbrEntry(disk, 0, 0x80, 0x07, 2048, 4096);
    putMbrEntry(disk, 2, 0x00, 0x0C, 8192, 100);
    PlatformDriveLayout l = parseDisk(disk, 512);
    QCOMPARE(l.style, LayoutStyle::MBR);
    QCOMPARE(l.entries.size(), size_t(2));
    QCOMPARE(l.entries[0].partitionNumber, 1u);
    QCOMPARE(l.entries[0].startingOffset, int64_t(2048) * 512);
    QCOMPARE(l.entries[0].partitionLength, int64_t(4096) * 512);
    QVERIFY(l.entries[0].bootIndicator);
    QCOMPARE(l.entries[1].partitionNumber, 3u);
    QCOMPARE(l.entries[1].mbrType, uint8_t(0x0C));
    QVERIFY(!l.entries[1].bootIndicator);

    // On a 4Kn disk MBR addresses count 4096-byte sectors.
    std::vector<uint8_t> disk4k(4096 * 16, 0);
    putMbrEntry(disk4k, 0, 0, 0x07, 256, 512);
    l = parseDisk(disk4k, 4096);
    QCOMPARE(l.entries.at(0).startingOffset, int64_t(256) * 4096);

    // No signature, or a boot sector whose "entries" are code: no table.
    std::vector<uint8_t> blank(512 * 64, 0);
    QCOMPARE(parseDisk(blank, 512).style, LayoutStyle::Unknown);
    disk[446] = 0x33;
    QCOMPARE(parseDisk(disk, 512).style, LayoutStyle::Unknown);
    // A sector 0 that cannot be read fails the request.
    PlatformDriveLayout out;
    std::vector<std::string> notes;
    QVERIFY(!LayoutParser::parse([](uint64_t, uint64_t, uint8_t*) { return false; }, 1 << 20, 512, out, notes));
}

void TestPosixPlatform::gptLayouts()
{
    for (uint32_t sector : {512u, 4096u}) {
        const uint64_t sectors = sector == 512 ? 256 : 64;
        const auto disk = buildGptDisk(sectors, sector, {{40, 99, 0x10}, {100, 100, 0x40}});
        std::vector<std::string> notes;
        const PlatformDriveLayout l = parseDisk(disk, sector, &notes);
        QCOMPARE(l.style, LayoutStyle::GPT);
        QCOMPARE(l.entries.size(), size_t(2));
        QCOMPARE(l.entries[0].partitionNumber, 1u);
        QCOMPARE(l.entries[0].startingOffset, int64_t(40) * sector);
        QCOMPARE(l.entries[0].partitionLength, int64_t(60) * sector);
        QCOMPARE(l.entries[1].partitionLength, int64_t(sector));
        QCOMPARE(l.entries[0].typeGuid, std::string(EspText));
        QCOMPARE(l.entries[0].partitionGuid, std::string("{13121110-1514-1716-1819-1A1B1C1D1E1F}"));
        QVERIFY(notes.empty());
    }
    // An MBR without 0xEE wins over GPT remains (a disk converted to MBR keeps its old backup GPT).
    auto disk = buildGptDisk(256, 512, {{40, 99, 1}});
    std::fill(disk.begin() + 446, disk.begin() + 510, 0);
    putMbrEntry(disk, 0, 0, 0x83, 2048, 10);
    QCOMPARE(parseDisk(disk, 512).style, LayoutStyle::MBR);
}

void TestPosixPlatform::gptDamage()
{
    const auto good = buildGptDisk(256, 512, {{40, 99, 1}, {120, 130, 2}});
    std::vector<std::string> notes;

    // Primary header or primary array damaged: the backup answers.
    auto disk = good;
    disk[512 + 40] ^= 0xFF;
    PlatformDriveLayout l = parseDisk(disk, 512, &notes);
    QCOMPARE(l.style, LayoutStyle::GPT);
    QCOMPARE(l.entries.size(), size_t(2));
    QVERIFY(joinedContains(notes, "bad CRC"));
    disk = good;
    disk[2 * 512 + 33] ^= 0x01;
    l = parseDisk(disk, 512);
    QCOMPARE(l.style, LayoutStyle::GPT);
    QCOMPARE(l.entries.at(0).startingOffset, int64_t(40) * 512);

    // Both copies damaged: Unknown, not an MBR with one 0xEE partition.
    disk[255 * 512 + 20] ^= 0xFF;
    disk[512 + 20] ^= 0xFF;
    l = parseDisk(disk, 512, &notes);
    QCOMPARE(l.style, LayoutStyle::Unknown);
    QVERIFY(l.entries.empty());

    // The disk cut short: the backup header is missing and the primary array runs off the end.
    disk = good;
    disk.resize(20 * 512);
    l = parseDisk(disk, 512);
    QCOMPARE(l.style, LayoutStyle::Unknown);

    // Absurd headers with valid CRCs are refused by the header check itself.
    {
        GptHeader h;
        std::string why;
        std::vector<uint8_t> header(good.begin() + 512, good.begin() + 1024);
        const auto reseal = [&] {
            put32(header, 16, 0);
            put32(header, 16, Crc32::compute(header.data(), 92));
        };
        QVERIFY(LayoutParser::parseGptHeader(header.data(), header.size(), 1, 256, h, why));
        put32(header, 80, 0x01000000);  // 16M entries
        reseal();
        QVERIFY(!LayoutParser::parseGptHeader(header.data(), header.size(), 1, 256, h, why));
        QVERIFY(why.find("entry count") != std::string::npos);
        put32(header, 80, 128);
        put32(header, 84, 256);
        reseal();
        QVERIFY(!LayoutParser::parseGptHeader(header.data(), header.size(), 1, 256, h, why));
        put32(header, 84, 128);
        put64(header, 72, 300);  // array beyond the disk
        reseal();
        QVERIFY(!LayoutParser::parseGptHeader(header.data(), header.size(), 1, 256, h, why));
        put64(header, 72, 2);
        reseal();
        QVERIFY(!LayoutParser::parseGptHeader(header.data(), header.size(), 255, 256, h, why));  // wrong LBA
        QVERIFY(!LayoutParser::parseGptHeader(header.data(), 60, 1, 256, h, why));             // truncated
        put32(header, 12, 600);  // header larger than its sector
        reseal();
        QVERIFY(!LayoutParser::parseGptHeader(header.data(), header.size(), 1, 256, h, why));
    }
}

void TestPosixPlatform::bootSectorsFromMkfs()
{
    if (const QString why = missingRequirement({"mkfs.fat"}); !why.isEmpty())
        QSKIP(qPrintable(why));
    QTemporaryDir dir;
    struct Case {
        const char* fat;
        qint64 size;
        const char* version;
    };
    for (const Case& c : {Case{"32", 40 << 20, "FAT32"}, Case{"16", 20 << 20, "FAT16"}, Case{"12", 2 << 20, "FAT12"}}) {
        const QString image = dir.filePath(QString("fat%1.img").arg(c.fat));
        QVERIFY(makeSparseFile(image, c.size));
        QCOMPARE(runTool("mkfs.fat", {"-F", c.fat, "-n", "TESTLABEL", image}), 0);
        const QByteArray sector = readFile(image).left(512);
        FileSystemProbe::Result r;
        QVERIFY(FileSystemProbe::classifyBootSector(reinterpret_cast<const uint8_t*>(sector.constData()), sector.size(), r));
        QCOMPARE(r.type, std::string("vfat"));
        QCOMPARE(r.version, std::string(c.version));
        QCOMPARE(r.label, std::string("TESTLABEL"));
        QCOMPARE(FileSystemProbe::windowsName("vfat", r), std::string(c.version == std::string("FAT32") ? "FAT32" : "FAT"));
    }
    FileSystemProbe::Result r;
    std::vector<uint8_t> zero(512, 0);
    QVERIFY(!FileSystemProbe::classifyBootSector(zero.data(), zero.size(), r));
    FileSystemProbe::Result ntfs{"ntfs", "", ""};
    QCOMPARE(FileSystemProbe::windowsName("fuseblk", ntfs), std::string("NTFS"));
    QCOMPARE(FileSystemProbe::windowsName("ntfs3", {}), std::string("NTFS"));
    QCOMPARE(FileSystemProbe::windowsName("exfat", {}), std::string("exFAT"));
    QCOMPARE(FileSystemProbe::windowsName("ext4", {}), std::string("ext4"));
}

void TestPosixPlatform::imageSizesAndSectors()
{
    QTemporaryDir dir;
    const QString a = dir.filePath("a.img"), b = dir.filePath("b.img");
    QVERIFY(makeSparseFile(a, (10 << 20) + 300));  // a partial trailing sector is not presented
    QVERIFY(makeSparseFile(b, (10 << 20) + 2048));
    auto p = platformFor(a + ":" + dir.filePath("missing.img") + ":" + b + "@4096");
    QVERIFY(joinedContains(p->configurationMessages(), "missing.img does not exist"));
    QCOMPARE(p->diskRealPath(2), b.toStdString());
    QVERIFY(p->diskRealPath(3).empty());

    auto h0 = p->openDevice("\\\\.\\PhysicalDrive0", DeviceAccess::Read, DeviceFlags::None);
    QVERIFY(h0);
    PlatformGeometry g;
    QVERIFY(h0->geometry(g));
    QCOMPARE(g.diskSize, int64_t(10 << 20));
    QCOMPARE(g.bytesPerSector, 512u);
    QCOMPARE(g.tracksPerCylinder, 255u);
    QCOMPARE(g.sectorsPerTrack, 63u);
    QCOMPARE(g.cylinders, int64_t(1));

    QVERIFY(!p->openDevice("\\\\.\\PhysicalDrive1", DeviceAccess::None, DeviceFlags::None));
    QCOMPARE(Platform::lastErrorCode(), PlatformError::FileNotFound);
    QVERIFY(!p->openDevice("\\\\.\\PhysicalDrive7", DeviceAccess::Read, DeviceFlags::None));
    QCOMPARE(Platform::lastErrorCode(), PlatformError::FileNotFound);

    auto h2 = p->openDevice("\\\\.\\PhysicalDrive2", DeviceAccess::Read, DeviceFlags::NoBufferingSequentialScan);
    QVERIFY(h2);
    QVERIFY(h2->geometry(g));
    QCOMPARE(g.bytesPerSector, 4096u);
    QCOMPARE(g.diskSize, int64_t(10 << 20));  // 2048 trailing bytes are less than a 4 KiB sector
    PlatformAccessAlignment al;
    QVERIFY(h2->accessAlignment(al));
    QCOMPARE(al.bytesPerLogicalSector, 4096u);
    QCOMPARE(al.bytesPerPhysicalSector, 4096u);
    // The same image opened by its own path keeps the configured sector size.
    auto direct = p->openDevice(b.toStdString(), DeviceAccess::Read, DeviceFlags::None);
    QVERIFY(direct && direct->geometry(g));
    QCOMPARE(g.bytesPerSector, 4096u);

    PlatformDeviceDescriptor d;
    QVERIFY(h0->deviceDescriptor(d));
    QCOMPARE(d.busType, 15);
    QVERIFY(d.answerLength >= 40);
    bool seek = true;
    QVERIFY(h0->seekPenalty(seek));
    QVERIFY(!seek);
    QVERIFY(p->sameDevice("\\\\.\\PhysicalDrive2", b.toStdString()));
    QVERIFY(!p->sameDevice("\\\\.\\PhysicalDrive0", b.toStdString()));
    QVERIFY(!p->sameDevice("\\\\.\\PhysicalDrive0", "\\\\.\\PhysicalDrive9"));
    QVERIFY(p->enumerateVolumes().empty());  // image files have no volumes
}

void TestPosixPlatform::transfersAtTheEnd()
{
    QTemporaryDir dir;
    const QString a = dir.filePath("a.img");
    const qint64 size = 1 << 20;
    QVERIFY(makeSparseFile(a, size + 100));
    auto p = platformFor(a);
    auto h = p->openDevice("\\\\.\\PhysicalDrive0", DeviceAccess::ReadWrite, DeviceFlags::NoBufferingWriteThrough);
    QVERIFY(h);
    // Unbuffered transfers need aligned memory.
    std::unique_ptr<uint8_t, decltype(&std::free)> bufMem(static_cast<uint8_t*>(std::aligned_alloc(4096, 8192)), &std::free);
    std::unique_ptr<uint8_t, decltype(&std::free)> backMem(static_cast<uint8_t*>(std::aligned_alloc(4096, 8192)), &std::free);
    std::memset(bufMem.get(), 0xAB, 8192);
    std::memset(backMem.get(), 0, 8192);
    struct Span { uint8_t* p; uint8_t* data() { return p; } uint8_t& operator[](size_t i) { return p[i]; } };
    Span buf{bufMem.get()}, back{backMem.get()};
    uint64_t done = 99;
    QVERIFY(h->writeAt(4096, buf.data(), 4096, done));
    QCOMPARE(done, uint64_t(4096));
    QVERIFY(h->flush());
    QVERIFY(h->readAt(4096, back.data(), 4096, done));
    QCOMPARE(done, uint64_t(4096));
    QCOMPARE(back[0], uint8_t(0xAB));
    QCOMPARE(back[4095], uint8_t(0xAB));

    // Past the end: clean failure with nothing moved.
    QVERIFY(!h->readAt(size, back.data(), 4096, done));
    QCOMPARE(done, uint64_t(0));
    QCOMPARE(Platform::lastErrorCode(), PlatformError::HandleEof);
    QVERIFY(!h->writeAt(size, buf.data(), 4096, done));
    QCOMPARE(done, uint64_t(0));
    QCOMPARE(Platform::lastErrorCode(), PlatformError::HandleEof);
    // Across the end: what lies before it, and the image never grows.
    QVERIFY(h->readAt(size - 4096, back.data(), 8192, done));
    QCOMPARE(done, uint64_t(4096));
    QVERIFY(h->writeAt(size - 4096, buf.data(), 8192, done));
    QCOMPARE(done, uint64_t(4096));
    h.reset();
    QCOMPARE(QFileInfo(a).size(), size + 100);
    QCOMPARE(uint8_t(readFile(a).at(size - 1)), uint8_t(0xAB));
    QCOMPARE(uint8_t(readFile(a).at(size)), uint8_t(0));
}

void TestPosixPlatform::accessModes()
{
    QTemporaryDir dir;
    const QString a = dir.filePath("a.img");
    QVERIFY(makeSparseFile(a, 1 << 20));
    auto p = platformFor(a);
    std::vector<uint8_t> buf(512, 1);
    uint64_t done = 0;

    auto reader = p->openDevice("\\\\.\\PhysicalDrive0", DeviceAccess::Read, DeviceFlags::None);
    QVERIFY(reader);
    QVERIFY(!reader->writeAt(0, buf.data(), 512, done));
    QCOMPARE(Platform::lastErrorCode(), PlatformError::AccessDenied);

    // An existence probe opens without access and cannot move data, but still answers geometry.
    auto probe = p->openDevice("\\\\.\\PhysicalDrive0", DeviceAccess::None, DeviceFlags::None);
    QVERIFY(probe);
    QVERIFY(!probe->readAt(0, buf.data(), 512, done));
    QCOMPARE(Platform::lastErrorCode(), PlatformError::AccessDenied);
    PlatformGeometry g;
    QVERIFY(probe->geometry(g));
    QCOMPARE(g.diskSize, int64_t(1 << 20));

    QFile::setPermissions(a, QFileDevice::ReadOwner);
    if (!isRoot()) {
        QVERIFY(!p->openDevice("\\\\.\\PhysicalDrive0", DeviceAccess::ReadWrite, DeviceFlags::None));
        QCOMPARE(Platform::lastErrorCode(), PlatformError::AccessDenied);
    }
    QVERIFY(!p->openDevice(dir.filePath("nothing").toStdString(), DeviceAccess::Read, DeviceFlags::None));
    QCOMPARE(Platform::lastErrorCode(), PlatformError::FileNotFound);
    QVERIFY(Platform::lastErrorText().find("No such file") != std::string::npos);
    QVERIFY(!p->openDevice(dir.path().toStdString(), DeviceAccess::Read, DeviceFlags::None));
    QCOMPARE(Platform::lastErrorCode(), PlatformError::InvalidParameter);

    // Volume operations belong to volumes; the volume queries of Windows do not exist here.
    std::vector<PlatformExtent> extents;
    QVERIFY(!reader->volumeDiskExtents(extents));
    QVERIFY(!reader->lockVolume());
    PlatformVolumeBitmap bitmap;
    QVERIFY(!reader->volumeBitmap(0, bitmap));
    QCOMPARE(Platform::lastErrorCode(), PlatformError::NotSupported);
    QCOMPARE(Platform::lastErrorText(), std::string("volume bitmap query is not available on this system"));
    QVERIFY(reader->updateDiskProperties());
}

void TestPosixPlatform::directIoFallback()
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
    QVERIFY(h->openNote().find("buffered I/O") != std::string::npos);
    QVERIFY(static_cast<PosixDeviceHandle*>(h.get())->isBuffered());
    std::vector<uint8_t> data(512, 0x5A);
    uint64_t done = 0;
    QVERIFY(h->writeAt(512, data.data(), 512, done) && h->flush());
    h.reset();
    QCOMPARE(uint8_t(readFile(image).at(1000)), uint8_t(0x5A));

    // An unbuffered open on a file system that can do it is not marked.
    QTemporaryDir disk(QDir::currentPath() + "/tessarin-XXXXXX");
    const QString onDisk = disk.filePath("b.img");
    QVERIFY(makeSparseFile(onDisk, 1 << 20));
    auto p2 = platformFor(onDisk);
    auto h2 = p2->openDevice("\\\\.\\PhysicalDrive0", DeviceAccess::Read, DeviceFlags::NoBufferingSequentialScan);
    QVERIFY(h2);
    QVERIFY(h2->openNote().empty());
    // Unbuffered reads need aligned buffers; an aligned one works.
    void* aligned = std::aligned_alloc(4096, 4096);
    QVERIFY(h2->readAt(0, aligned, 4096, done));
    std::free(aligned);
    QCOMPARE(done, uint64_t(4096));
}

void TestPosixPlatform::layoutOfToolMadeImages()
{
    if (const QString why = missingRequirement({"sgdisk", "sfdisk"}); !why.isEmpty())
        QSKIP(qPrintable(why));
    QTemporaryDir dir;
    const QString gpt = dir.filePath("gpt.img"), mbr = dir.filePath("mbr.img");
    QVERIFY(makeSparseFile(gpt, 64 << 20));
    QVERIFY(sgdiskRun(gpt, {"-n", "1:2048:+16M", "-t", "1:EF00", "-u", "1:01234567-89AB-CDEF-0123-456789ABCDEF",
                            "-n", "3:0:+8M", "-t", "3:0700"}));
    QVERIFY(makeSparseFile(mbr, 64 << 20));
    QVERIFY(sfdiskScript(mbr, "label: dos\nstart=2048, size=20480, type=7, bootable\nstart=22528, type=c\n"));

    auto p = platformFor(gpt + ":" + mbr);
    auto h = p->openDevice("\\\\.\\PhysicalDrive0", DeviceAccess::Read, DeviceFlags::NoBufferingSequentialScan);
    PlatformDriveLayout l;
    QVERIFY(h && h->driveLayout(l));
    QCOMPARE(l.style, LayoutStyle::GPT);
    QCOMPARE(l.entries.size(), size_t(2));
    QCOMPARE(l.entries[0].typeGuid, std::string(EspText));
    QCOMPARE(l.entries[0].partitionGuid, std::string("{01234567-89AB-CDEF-0123-456789ABCDEF}"));
    QCOMPARE(l.entries[0].startingOffset, int64_t(2048) * 512);
    QCOMPARE(l.entries[0].partitionLength, int64_t(16) << 20);
    QCOMPARE(l.entries[1].partitionNumber, 3u);
    QCOMPARE(l.entries[1].typeGuid, std::string("{EBD0A0A2-B9E5-4433-87C0-68B6B72699C7}"));

    auto hm = p->openDevice("\\\\.\\PhysicalDrive1", DeviceAccess::Read, DeviceFlags::None);
    QVERIFY(hm && hm->driveLayout(l));
    QCOMPARE(l.style, LayoutStyle::MBR);
    QCOMPARE(l.entries.size(), size_t(2));
    QCOMPARE(l.entries[0].mbrType, uint8_t(0x07));
    QVERIFY(l.entries[0].bootIndicator);
    QCOMPARE(l.entries[1].startingOffset, int64_t(22528) * 512);
    QCOMPARE(l.entries[1].mbrType, uint8_t(0x0C));

    // Wipe the primary GPT header on disk: the real backup written by sgdisk takes over.
    h.reset();
    auto w = p->openDevice("\\\\.\\PhysicalDrive0", DeviceAccess::ReadWrite, DeviceFlags::None);
    std::vector<uint8_t> zero(512, 0);
    uint64_t done = 0;
    QVERIFY(w && w->writeAt(512, zero.data(), 512, done));
    QVERIFY(w->driveLayout(l));
    QCOMPARE(l.style, LayoutStyle::GPT);
    QCOMPARE(l.entries.size(), size_t(2));
}

void TestPosixPlatform::partitionsOfImagesAreVolumes()
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
    auto v = p->openDevice(name.substr(0, name.size() - 1), DeviceAccess::Read, DeviceFlags::None);
    std::vector<PlatformExtent> extents;
    QVERIFY(v && v->volumeDiskExtents(extents));
    QCOMPARE(extents.size(), size_t(1));
    QCOMPARE(extents[0].diskNumber, 0u);
    QCOMPARE(extents[0].startingOffset, int64_t(Start));
    QCOMPARE(extents[0].extentLength, int64_t(Length));
    QVERIFY(p->volumeMountPaths(name).empty());
    std::string label, fs;
    QVERIFY(p->volumeInformation(name, label, fs));
    QCOMPARE(fs, std::string("FAT32"));
    QCOMPARE(label, std::string("STICK"));
    uint64_t total = 0, free = 0;
    QVERIFY(!p->diskFreeSpace(name, total, free));
    QCOMPARE(Platform::lastErrorCode(), PlatformError::NotReady);
    QVERIFY(!p->sameDevice(name, "\\\\.\\PhysicalDrive0"));
    QVERIFY(p->sameDevice(name, name));

    // The volume handle sees the partition from its offset 0 and nothing outside it.
    const QByteArray beyond = readFile(img).mid(Start + Length, 512);  // the extended partition's first sector
    auto w = p->openDevice(name, DeviceAccess::ReadWrite, DeviceFlags::None);
    PlatformGeometry g;
    QVERIFY(w && w->geometry(g));
    QCOMPARE(g.diskSize, int64_t(Length));
    std::vector<uint8_t> buffer(1024, 0);
    uint64_t done = 0;
    QVERIFY(w->readAt(0, buffer.data(), 512, done));
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(buffer.data()), 512), readFile(part).left(512));
    std::vector<uint8_t> marks(1024, 0xAB);
    QVERIFY(w->writeAt(Length - 512, marks.data(), 1024, done));
    QCOMPARE(done, uint64_t(512));
    QVERIFY(!w->writeAt(Length, marks.data(), 512, done));
    QCOMPARE(Platform::lastErrorCode(), PlatformError::HandleEof);
    QVERIFY(!w->readAt(Length, buffer.data(), 512, done));
    w.reset();
    const QByteArray after = readFile(img);
    QCOMPARE(after.mid(Start + Length - 512, 512), QByteArray(512, char(0xAB)));
    QCOMPARE(after.mid(Start + Length, 512), beyond);

    // Numbers the table does not have.
    QVERIFY(!p->openDevice(VolumeName::encodeImagePartition(0, 2), DeviceAccess::Read, DeviceFlags::None));
    QCOMPARE(Platform::lastErrorCode(), PlatformError::FileNotFound);
    QVERIFY(!p->volumeInformation(VolumeName::encodeImagePartition(4, 1), label, fs));
}

void TestPosixPlatform::filesThroughDriveLetters()
{
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkpath("Windows/System32"));
    auto p = platformFor("", "Z=" + dir.path());
    QVERIFY(p->fileExists("Z:\\Windows\\System32"));
    QVERIFY(p->fileExists("Z:\\WINDOWS\\system32"));  // Windows paths ignore case
    QVERIFY(p->createDirectory("Z:\\windows\\system32\\Config"));
    QVERIFY(QFileInfo::exists(dir.filePath("Windows/System32/Config")));
    QVERIFY(!p->fileExists("Z:\\Windows\\System64"));
    QCOMPARE(Platform::lastErrorCode(), PlatformError::FileNotFound);
    QVERIFY(!p->fileExists("C:\\Windows"));  // unmapped letter
    QCOMPARE(Platform::lastErrorCode(), PlatformError::FileNotFound);

    QVERIFY(p->createDirectory("Z:\\EFI"));
    QVERIFY(!p->createDirectory("Z:\\EFI"));
    QCOMPARE(Platform::lastErrorCode(), PlatformError::AlreadyExists);

    QFile src(dir.filePath("src.bin"));
    QVERIFY(src.open(QIODevice::WriteOnly));
    src.write(QByteArray(3 << 20, 'x') + "end");
    src.close();
    QVERIFY(p->copyFile("Z:\\src.bin", "Z:\\EFI\\copy.bin", true));
    QCOMPARE(readFile(dir.filePath("EFI/copy.bin")), readFile(dir.filePath("src.bin")));
    QFile other(dir.filePath("other.bin"));
    QVERIFY(other.open(QIODevice::WriteOnly));
    other.write("other");
    other.close();
    QVERIFY(!p->copyFile("Z:\\other.bin", "Z:\\EFI\\copy.bin", true));
    QCOMPARE(Platform::lastErrorCode(), PosixError::FileExists);
    QCOMPARE(readFile(dir.filePath("EFI/copy.bin")).size(), (3 << 20) + 3);
    QVERIFY(p->copyFile("Z:\\other.bin", "Z:\\EFI\\copy.bin", false));
    QCOMPARE(readFile(dir.filePath("EFI/copy.bin")), QByteArray("other"));

    QFile::setPermissions(dir.filePath("other.bin"), QFileDevice::ReadOwner);
    QVERIFY(p->setFileAttributesNormal("Z:\\other.bin"));
    QVERIFY(QFileInfo(dir.filePath("other.bin")).permissions() & QFileDevice::WriteOwner);
    QVERIFY(p->deleteFile("Z:\\other.bin"));
    QVERIFY(!QFile::exists(dir.filePath("other.bin")));
    QVERIFY(!p->deleteFile("Z:\\other.bin"));
    QCOMPARE(Platform::lastErrorCode(), PlatformError::FileNotFound);

    QCOMPARE(p->logicalDrives(), 1u << 25);
    QCOMPARE(p->driveType("Z:\\"), 3u);
    QCOMPARE(p->driveType("Y:\\"), 1u);
    QVERIFY(p->windowsDirectory().empty());
    uint64_t total = 0, free = 0;
    QVERIFY(p->diskFreeSpace("Z:\\", total, free));
    QVERIFY(total > 0 && free <= total);
}

void TestPosixPlatform::servicesNotOnLinux()
{
    auto p = platformFor("");
    std::vector<std::string> names{"stale"};
    QCOMPARE(p->registryEnumSubKeys("SYSTEM\\Select", names), PlatformError::NotSupported);
    QVERIFY(names.empty());
    QCOMPARE(Platform::lastErrorText(), std::string("registry is not available on this system"));
    std::vector<uint8_t> data;
    uint32_t type = 0;
    QVERIFY(!p->registryReadValue("SYSTEM\\Select", "Current", data, type));
    QVERIFY(!p->registryKeyExists("SYSTEM"));

    uint32_t firmware = 0;
    QVERIFY(p->firmwareType(firmware));
    const bool efi = QFileInfo::exists("/sys/firmware/efi");
    QCOMPARE(firmware, efi ? 2u : 1u);
    QCOMPARE(p->probeFirmwareEnvironment() == PlatformError::InvalidFunction, !efi);
    // An empty TESSARIN_DISKS means no disks, never the machine's own.
    QVERIFY(p->diskRealPath(0).empty());
    QVERIFY(!p->openDevice("\\\\.\\PhysicalDrive0", DeviceAccess::None, DeviceFlags::None));
}

void TestPosixPlatform::environmentAndMachineScan()
{
    // ctest hands every test an empty disk list, so none can reach the machine's own disks.
    if (qEnvironmentVariableIsSet("TESSARIN_SOURCE_DIR")) {
        QVERIFY2(qEnvironmentVariableIsSet("TESSARIN_DISKS") && qgetenv("TESSARIN_DISKS").isEmpty(),
                 "TESSARIN_DISKS must be set and empty under ctest");
        QVERIFY(createNativePlatform()->diskRealPath(0).empty());
    }
    QTemporaryDir dir;
    const QString a = dir.filePath("a.img");
    QVERIFY(makeSparseFile(a, 1 << 20));
    qputenv("TESSARIN_DISKS", (dir.filePath("gone.img") + ":" + a + "@4096").toLocal8Bit());
    qputenv("TESSARIN_DRIVE_LETTERS", ("C=" + dir.path() + ";D=/").toLocal8Bit());
    qputenv("TESSARIN_WINDOWS_DIR", "C:\\Windows");
    std::unique_ptr<Platform> fromEnv = createNativePlatform();
    qunsetenv("TESSARIN_DISKS");
    qunsetenv("TESSARIN_DRIVE_LETTERS");
    qunsetenv("TESSARIN_WINDOWS_DIR");
    QCOMPARE(fromEnv->diskRealPath(1), a.toStdString());
    QCOMPARE(fromEnv->logicalDrives(), 0b1100u);
    QCOMPARE(fromEnv->windowsDirectory(), std::string("C:\\Windows"));
    QVERIFY(joinedContains(fromEnv->configurationMessages(), "gone.img"));
    {
        ScopedPlatform scoped(fromEnv.get());
        auto h = Platform::current().openDevice("\\\\.\\PhysicalDrive1", DeviceAccess::Read, DeviceFlags::None);
        PlatformGeometry g;
        QVERIFY(h && h->geometry(g));
        QCOMPARE(g.bytesPerSector, 4096u);
    }

    // Without a disk list: the machine's whole disks, never RAM disks, optical drives or idle loops.
    PosixPlatform machine{PosixPlatform::Settings{}};
    std::vector<std::string> before;
    for (int n = 0; !machine.diskRealPath(n).empty(); ++n)
        before.push_back(machine.diskRealPath(n));
    for (const std::string& path : before) {
        QVERIFY2(path.rfind("/dev/ram", 0) != 0 && path.rfind("/dev/zram", 0) != 0 && path.rfind("/dev/sr", 0) != 0,
                 path.c_str());
        if (path.rfind("/dev/loop", 0) == 0)
            QVERIFY(!SysfsBlock::loopBackingFile(path.substr(5)).empty());
    }
    if (const QString why = missingRequirement({"losetup"}, true); !why.isEmpty())
        QSKIP(qPrintable(why));
    LoopDevice loop(a, false);
    QVERIFY(loop.ok());
    QTest::qWait(1100);
    // A disk that arrives later gets the next number; the known ones keep theirs.
    std::vector<std::string> after;
    for (int n = 0; !machine.diskRealPath(n).empty(); ++n)
        after.push_back(machine.diskRealPath(n));
    // (Other programs may attach loop devices meanwhile; only ours is checked.)
    QVERIFY(after.size() > before.size());
    QVERIFY(std::equal(before.begin(), before.end(), after.begin()));
    QVERIFY(std::find(after.begin() + long(before.size()), after.end(), loop.device().toStdString()) != after.end());
}

void TestPosixPlatform::loopDeviceBasics()
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
    QVERIFY(QFileInfo::exists(part2));

    QCOMPARE(p->diskRealPath(1), loop.device().toStdString());
    auto h = p->openDevice("\\\\.\\PhysicalDrive1", DeviceAccess::Read, DeviceFlags::NoBufferingSequentialScan);
    QVERIFY(h);
    PlatformGeometry g;
    QVERIFY(h->geometry(g));
    QCOMPARE(g.diskSize, int64_t(64) << 20);
    QCOMPARE(g.bytesPerSector, 512u);
    PlatformDeviceDescriptor d;
    QVERIFY(h->deviceDescriptor(d));
    QCOMPARE(d.busType, 15);
    PlatformDriveLayout l;
    QVERIFY(h->driveLayout(l));
    QCOMPARE(l.style, LayoutStyle::GPT);
    QCOMPARE(l.entries.size(), size_t(2));

    const std::vector<std::string> volumes = p->enumerateVolumes();
    QCOMPARE(volumes.size(), size_t(2));
    const std::string expected = VolumeName::encode(QFileInfo(part2).fileName().toStdString());
    QCOMPARE(volumes[1], expected);
    // Volume names open with and without their trailing backslash.
    auto v = p->openDevice(expected.substr(0, expected.size() - 1), DeviceAccess::Read, DeviceFlags::None);
    QVERIFY(v);
    std::vector<PlatformExtent> extents;
    QVERIFY(v->volumeDiskExtents(extents));
    QCOMPARE(extents.size(), size_t(1));
    QCOMPARE(extents[0].diskNumber, 1u);
    QCOMPARE(extents[0].startingOffset, l.entries[1].startingOffset);
    QCOMPARE(extents[0].extentLength, l.entries[1].partitionLength);
    QVERIFY(v->lockVolume() && v->dismountVolume() && v->allowExtendedAccess() && v->unlockVolume());
    QVERIFY(p->volumeMountPaths(expected).empty());

    // One device, many names: loop device, its table number, its backing file.
    QVERIFY(p->sameDevice(loop.device().toStdString(), image.toStdString()));
    QVERIFY(p->sameDevice("\\\\.\\PhysicalDrive1", loop.device().toStdString()));
    QVERIFY(p->sameDevice(image.toStdString(), "\\\\.\\PhysicalDrive1"));
    QVERIFY(!p->sameDevice("\\\\.\\PhysicalDrive1", other.toStdString()));
    QVERIFY(!p->sameDevice(expected, loop.device().toStdString()));

    // Reads past the end of a block device fail like those of an image.
    std::vector<uint8_t> buf(4096);
    uint64_t done = 1;
    auto raw = p->openDevice("\\\\.\\PhysicalDrive1", DeviceAccess::Read, DeviceFlags::None);
    QVERIFY(!raw->readAt(uint64_t(64) << 20, buf.data(), 4096, done));
    QCOMPARE(done, uint64_t(0));
    QCOMPARE(Platform::lastErrorCode(), PlatformError::HandleEof);
}

void TestPosixPlatform::loopDevice4Kn()
{
    if (const QString why = missingRequirement({"losetup"}, true); !why.isEmpty())
        QSKIP(qPrintable(why));
    QTemporaryDir dir;
    const QString image = dir.filePath("4k.img");
    QVERIFY(makeSparseFile(image, 32 << 20));
    LoopDevice loop(image, false, 4096);
    QVERIFY(loop.ok());
    if (haveTool("sgdisk"))
        QVERIFY(sgdiskRun(loop.device(), {"-n", "1:256:+4M"}));
    auto p = platformFor(loop.device());
    auto h = p->openDevice("\\\\.\\PhysicalDrive0", DeviceAccess::Read, DeviceFlags::NoBufferingSequentialScan);
    QVERIFY(h);
    PlatformGeometry g;
    QVERIFY(h->geometry(g));
    QCOMPARE(g.bytesPerSector, 4096u);
    PlatformAccessAlignment a;
    QVERIFY(h->accessAlignment(a));
    QCOMPARE(a.bytesPerLogicalSector, 4096u);
    QVERIFY(a.bytesPerPhysicalSector >= 4096u);
    if (haveTool("sgdisk")) {
        PlatformDriveLayout l;
        QVERIFY(h->driveLayout(l));
        QCOMPARE(l.style, LayoutStyle::GPT);
        QCOMPARE(l.entries.at(0).startingOffset, int64_t(256) * 4096);
    }
    // Without partition scanning there is nothing to re-read, which is not a failure.
    QVERIFY(h->updateDiskProperties());
}

void TestPosixPlatform::mountedDeviceIsProtected()
{
    // ntfs-3g mounts through FUSE ("fuseblk" with an anonymous device number), the harder case.
    if (const QString why = missingRequirement({"losetup", "sgdisk", "mkntfs", "ntfs-3g", "mkfs.fat"}, true); !why.isEmpty())
        QSKIP(qPrintable(why));
    QTemporaryDir dir;
    const QString image = dir.filePath("disk.img");
    QVERIFY(makeSparseFile(image, 128 << 20));
    QVERIFY(sgdiskRun(image, {"-n", "1:2048:+32M", "-t", "1:0700", "-n", "2:0:+48M", "-t", "2:0700"}));
    LoopDevice loop(image, true);
    QVERIFY(loop.ok());
    QTemporaryDir mountDir;
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
        QVERIFY(!p->openDevice("\\\\.\\PhysicalDrive0", DeviceAccess::ReadWrite, DeviceFlags::None));
        QCOMPARE(Platform::lastErrorCode(), PlatformError::Busy);
        QVERIFY(Platform::lastErrorText().find("mounted") != std::string::npos);
        QVERIFY(!p->openDevice(volume, DeviceAccess::ReadWrite, DeviceFlags::None));
        QCOMPARE(Platform::lastErrorCode(), PlatformError::Busy);
        QVERIFY(!p->openDevice(image.toStdString(), DeviceAccess::ReadWrite, DeviceFlags::None));
        QCOMPARE(Platform::lastErrorCode(), PlatformError::Busy);
        QVERIFY(p->openDevice("\\\\.\\PhysicalDrive0", DeviceAccess::Read, DeviceFlags::None));  // reading is fine
        QVERIFY(p->openDevice(volumes[1], DeviceAccess::ReadWrite, DeviceFlags::None));       // the other volume too

        auto v = p->openDevice(volume, DeviceAccess::Read, DeviceFlags::None);
        QVERIFY(v);
        QVERIFY(!v->lockVolume());
        QVERIFY(Platform::lastErrorText().find(mountDir.path().toStdString()) != std::string::npos);
        QVERIFY(!v->dismountVolume());

        const std::vector<std::string> paths = p->volumeMountPaths(volume);
        QCOMPARE(paths.size(), size_t(2));
        QCOMPARE(paths[0], std::string("Z:\\"));
        QCOMPARE(paths[1], mountDir.path().toStdString());
        QCOMPARE(p->volumeNameForMountPoint("Z:\\"), volume);
        QCOMPARE(p->volumeNameForMountPoint(mountDir.path().toStdString() + ":\\"), volume);
        QVERIFY(p->volumeNameForMountPoint(dir.path().toStdString()).empty());
        std::string label, fs;
        QVERIFY(p->volumeInformation(volume, label, fs));
        QCOMPARE(fs, std::string("NTFS"));
        QCOMPARE(label, std::string("TESSNTFS"));
        QVERIFY(p->volumeInformation("Z:\\", label, fs));
        QCOMPARE(fs, std::string("NTFS"));
        uint64_t total = 0, free = 0;
        QVERIFY(p->diskFreeSpace(volume, total, free));
        QVERIFY(total > (24ull << 20) && free > 0 && free <= total);
        QVERIFY(p->createDirectory("Z:\\EFI"));
        QVERIFY(p->fileExists("Z:\\EFI"));
        QVERIFY(p->openDevice("\\\\.\\Z:", DeviceAccess::Read, DeviceFlags::None));
        // A mounted partition keeps the kernel from re-reading the table.
        auto disk = p->openDevice("\\\\.\\PhysicalDrive0", DeviceAccess::Read, DeviceFlags::None);
        QVERIFY(!disk->updateDiskProperties());
        QCOMPARE(Platform::lastErrorCode(), PlatformError::Busy);
    }
    // Unmounted: writable opens work, and the volumes still tell their file system and label.
    auto w = p->openDevice("\\\\.\\PhysicalDrive0", DeviceAccess::ReadWrite, DeviceFlags::NoBufferingWriteThrough);
    QVERIFY(w);
    auto wv = p->openDevice(volume, DeviceAccess::ReadWrite, DeviceFlags::None);  // disk and volume together
    QVERIFY(wv);
    QVERIFY(wv->lockVolume());
    std::string label, fs;
    QVERIFY(p->volumeInformation(volume, label, fs));
    QCOMPARE(fs, std::string("NTFS"));
    QVERIFY(p->volumeInformation(volumes[1], label, fs));
    QCOMPARE(fs, std::string("FAT32"));
    QCOMPARE(label, std::string("TESSFAT"));
    uint64_t total = 0, free = 0;
    QVERIFY(!p->diskFreeSpace(volume, total, free));
    QVERIFY(p->volumeMountPaths(volume).empty());
}

QTEST_GUILESS_MAIN(TestPosixPlatform)
#include "test_posixplatform.moc"
