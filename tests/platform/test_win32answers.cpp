// Answers of the Windows storage control codes are built here byte by byte at the offsets of the
// Windows SDK layouts (x64), independently of the parser's own constants.
#include "ondisk/byteorder.h"
#include "platform/win32/win32answerparser.h"
#include "platform/win32/win32deviceidentity.h"
#include "platform/win32/win32disktable.h"
#include "platform/win32/win32text.h"

#include <QtTest>

#include <cstring>

namespace {

using Bytes = std::vector<uint8_t>;

void put32(Bytes& b, size_t at, uint32_t v) { ByteOrder::put32(b.data() + at, v); }
void put64(Bytes& b, size_t at, uint64_t v) { ByteOrder::put64(b.data() + at, v); }

void putBytes(Bytes& b, size_t at, std::initializer_list<uint8_t> v)
{
    std::copy(v.begin(), v.end(), b.begin() + static_cast<std::ptrdiff_t>(at));
}

void putText(Bytes& b, size_t at, const char* s)
{
    std::memcpy(b.data() + at, s, std::strlen(s) + 1);
}

// The EFI system partition type as GPT stores it (mixed-endian).
const std::initializer_list<uint8_t> EspType = {0x28, 0x73, 0x2A, 0xC1, 0x1F, 0xF8, 0xD2, 0x11,
                                                0xBA, 0x4B, 0x00, 0xA0, 0xC9, 0x3E, 0xC9, 0x3B};
const std::initializer_list<uint8_t> BasicDataType = {0xA2, 0xA0, 0xD0, 0xEB, 0xE5, 0xB9, 0x33, 0x44,
                                                      0x87, 0xC0, 0x68, 0xB6, 0xB7, 0x26, 0x99, 0xC7};

std::u16string u16(std::initializer_list<char16_t> units) { return std::u16string(units); }

} // namespace

class TestWin32Answers : public QObject {
    Q_OBJECT
private slots:
    void driveLayoutGpt()
    {
        // DRIVE_LAYOUT_INFORMATION_EX: style @0, count @4, entries @48, 144 bytes each;
        // entry: style @0, start @8, length @16, number @24, GPT type @32, id @48.
        Bytes a(18624, 0);
        put32(a, 0, 1);
        put32(a, 4, 2);
        putBytes(a, 8, {0x44, 0x33, 0x22, 0x11, 0x66, 0x55, 0x88, 0x77, 0x99, 0xAA, 0xBB, 0xCC, 0xDD, 0xEE, 0xFF, 0x00});  // disk GUID
        size_t e = 48;
        put32(a, e + 0, 1);
        put64(a, e + 8, 1048576);
        put64(a, e + 16, 104857600);
        put32(a, e + 24, 1);
        putBytes(a, e + 32, EspType);
        putBytes(a, e + 48, {0x10, 0x32, 0x54, 0x76, 0x98, 0xBA, 0xDC, 0xFE, 0x01, 0x23, 0x45, 0x67, 0x89, 0xAB, 0xCD, 0xEF});
        e += 144;
        put32(a, e + 0, 1);
        put64(a, e + 8, 0x1'2345'6000ULL);
        put64(a, e + 16, 0x20'0000'0000ULL);   // beyond 32 bits: must not be truncated
        put32(a, e + 24, 3);
        putBytes(a, e + 32, BasicDataType);

        PlatformDriveLayout layout;
        QVERIFY(Win32AnswerParser::parseDriveLayout(a.data(), 48 + 2 * 144, layout));
        QVERIFY(layout.style == LayoutStyle::GPT && layout.entries.size() == 2 && layout.mbrSignature == 0);
        QCOMPARE(layout.gptDiskGuid, std::string("{11223344-5566-7788-99AA-BBCCDDEEFF00}"));
        QCOMPARE(layout.entries[0].typeGuid, std::string("{C12A7328-F81F-11D2-BA4B-00A0C93EC93B}"));
        QCOMPARE(layout.entries[0].partitionGuid, std::string("{76543210-BA98-FEDC-0123-456789ABCDEF}"));
        const PlatformLayoutEntry& data = layout.entries[1];
        QVERIFY(data.partitionNumber == 3 && data.startingOffset == 0x1'2345'6000LL && data.partitionLength == 0x20'0000'0000LL);
        QCOMPARE(data.typeGuid, std::string("{EBD0A0A2-B9E5-4433-87C0-68B6B72699C7}"));
    }

    void driveLayoutMbrAndLimits()
    {
        Bytes a(48 + 4 * 144, 0);
        put32(a, 0, 0);
        put32(a, 4, 4);
        put32(a, 8, 0xDEADBEEF);   // disk signature
        const uint8_t types[4] = {0x07, 0x0C, 0x00, 0x27};
        for (size_t i = 0; i < 4; ++i) {
            const size_t e = 48 + i * 144;
            put32(a, e + 0, 0);
            put64(a, e + 8, 2048 * 512 * (i + 1));
            put64(a, e + 16, types[i] ? 4096 * 512 : 0);
            put32(a, e + 24, types[i] ? static_cast<uint32_t>(i + 1) : 0);
            a[e + 32] = types[i];
            a[e + 33] = i == 0 ? 1 : 0;
        }
        PlatformDriveLayout layout;
        QVERIFY(Win32AnswerParser::parseDriveLayout(a.data(), a.size(), layout));
        QVERIFY(layout.style == LayoutStyle::MBR && layout.entries.size() == 4);   // empty slots are the caller's to skip
        QVERIFY(layout.mbrSignature == 0xDEADBEEF && layout.gptDiskGuid.empty());
        QVERIFY(layout.entries[0].bootIndicator && !layout.entries[1].bootIndicator);
        QVERIFY(layout.entries[3].mbrType == 0x27 && layout.entries[3].startingOffset == int64_t(2048) * 512 * 4);

        // A count larger than what came back: only whole entries inside the answer are read.
        put32(a, 4, 1000);
        QVERIFY(Win32AnswerParser::parseDriveLayout(a.data(), 48 + 2 * 144 + 100, layout));
        QCOMPARE(layout.entries.size(), size_t(2));

        // A raw (uninitialised) disk and a truncated header.
        put32(a, 0, 2);
        put32(a, 4, 0);
        QVERIFY(Win32AnswerParser::parseDriveLayout(a.data(), 48, layout));
        QVERIFY(layout.style == LayoutStyle::Unknown && layout.entries.empty());
        QVERIFY(!Win32AnswerParser::parseDriveLayout(a.data(), 47, layout));
    }

    void deviceDescriptorStrings()
    {
        // STORAGE_DEVICE_DESCRIPTOR: product offset @16, serial offset @24, bus type @28; 40 bytes.
        Bytes a(1024, 0xEE);
        std::fill(a.begin(), a.begin() + 40, 0);
        put32(a, 16, 60);
        put32(a, 24, 90);
        put32(a, 28, 17);
        putText(a, 60, "Samsung SSD 980 ");
        putText(a, 90, "  S64DNX0R123456");
        PlatformDeviceDescriptor d;
        Win32AnswerParser::parseDeviceDescriptor(a.data(), 120, d);
        QVERIFY(d.busType == 17 && d.serialNumber == "  S64DNX0R123456");   // untrimmed, as reported

        // Offset 0 means "no string"; an offset past the returned bytes reads nothing.
        put32(a, 16, 0);
        put32(a, 24, 500);
        Win32AnswerParser::parseDeviceDescriptor(a.data(), 120, d);
        QVERIFY(d.productId.empty() && d.serialNumber.empty());

        // A string that runs to the end of the answer is cut there, not read on into the buffer.
        put32(a, 24, 100);
        std::memset(a.data() + 100, 'X', 100);
        Win32AnswerParser::parseDeviceDescriptor(a.data(), 120, d);
        QCOMPARE(d.serialNumber, std::string(20, 'X'));

        // A short answer keeps its length for the caller to reject and invents no bus type.
        Win32AnswerParser::parseDeviceDescriptor(a.data(), 20, d);
        QVERIFY(d.answerLength == 20 && d.busType == 0 && d.serialNumber.empty());

        // The header (version @0, size @4) says how large the whole answer must be asked for again.
        put32(a, 4, 4096);
        QVERIFY(Win32AnswerParser::declaredDescriptorSize(a.data(), 8) == 4096 && Win32AnswerParser::declaredDescriptorSize(a.data(), 7) == 0);
        // Drivers report a short output buffer in any of three ways; each means "ask again".
        for (uint32_t code : {122u, 234u, 24u})
            QVERIFY(Win32AnswerParser::isBufferTooSmall(code));
        QVERIFY(!Win32AnswerParser::isBufferTooSmall(PlatformError::AccessDenied) && !Win32AnswerParser::isBufferTooSmall(1));
    }

    void diskExtents()
    {
        // VOLUME_DISK_EXTENTS: count @0, extents @8, 24 bytes each: disk @0, start @8, length @16.
        Bytes a(272, 0);
        put32(a, 0, 2);
        put32(a, 8, 3);
        put64(a, 16, 16777216);
        put64(a, 24, 0x1'0000'0000ULL);
        put32(a, 32, 5);
        put64(a, 40, 1048576);
        put64(a, 48, 536870912);
        std::vector<PlatformExtent> extents;
        QVERIFY(Win32AnswerParser::parseDiskExtents(a.data(), a.size(), extents));
        QVERIFY(extents.size() == 2 && extents[0].extentLength == 0x1'0000'0000LL);
        QVERIFY(extents[1].diskNumber == 5 && extents[1].startingOffset == 1048576);

        // A volume on more disks than fit: 11 extents fit in 272 bytes, the count tells the rest.
        put32(a, 0, 14);
        QVERIFY(Win32AnswerParser::parseDiskExtents(a.data(), a.size(), extents));
        QCOMPARE(extents.size(), size_t(11));
        QCOMPARE(Win32AnswerParser::declaredExtentCount(a.data(), a.size()), 14u);
        QVERIFY(!Win32AnswerParser::parseDiskExtents(a.data(), 7, extents) && extents.empty());
    }

    void volumeBitmapCutAnswer()
    {
        // VOLUME_BITMAP_BUFFER: StartingLcn @0, BitmapSize @8 (clusters to the volume end), bits @16.
        Bytes a(16 + 8, 0);
        put64(a, 0, 4096);
        put64(a, 8, 100000);
        putBytes(a, 16, {0x01, 0x80, 0xFF, 0x00, 0x11, 0x22, 0x33, 0x44});
        PlatformVolumeBitmap bm;
        // Cut answer: only 4 bytes of bits came back although 100000 clusters remain.
        QVERIFY(Win32AnswerParser::parseVolumeBitmap(a.data(), 16 + 4, bm));
        QVERIFY(bm.startingLcn == 4096 && bm.bitmapSize == 32 && bm.moreData);
        QCOMPARE(bm.bits, (Bytes{0x01, 0x80, 0xFF, 0x00}));

        // Last answer: 20 clusters left, three bytes hold them; trailing bytes are not bits.
        put64(a, 8, 20);
        QVERIFY(Win32AnswerParser::parseVolumeBitmap(a.data(), a.size(), bm));
        QVERIFY(bm.bitmapSize == 20 && bm.bits.size() == 3 && !bm.moreData);

        QVERIFY(!Win32AnswerParser::parseVolumeBitmap(a.data(), 15, bm));
        put64(a, 8, ~0ULL);   // negative cluster count
        QVERIFY(!Win32AnswerParser::parseVolumeBitmap(a.data(), a.size(), bm));
    }

    void fixedAnswers()
    {
        // Fixed-size answers: the 64-bit fields come back whole, and one byte short is no answer.
        // DISK_GEOMETRY_EX: bytes/sector @20, size @24.
        Bytes g(32, 0);
        put32(g, 20, 4096);
        put64(g, 24, 2000398934016ULL);
        PlatformGeometry geo;
        QVERIFY(Win32AnswerParser::parseGeometry(g.data(), 32, geo) && geo.bytesPerSector == 4096);
        QCOMPARE(geo.diskSize, int64_t(2000398934016LL));
        QVERIFY(!Win32AnswerParser::parseGeometry(g.data(), 31, geo));

        // STORAGE_ACCESS_ALIGNMENT_DESCRIPTOR: logical @16, physical @20, offset @24.
        Bytes al(28, 0);
        put32(al, 16, 512);
        put32(al, 20, 4096);
        PlatformAccessAlignment alignment;
        QVERIFY(Win32AnswerParser::parseAccessAlignment(al.data(), 28, alignment) && alignment.bytesPerPhysicalSector == 4096);
        QVERIFY(!Win32AnswerParser::parseAccessAlignment(al.data(), 24, alignment));

        // NTFS_VOLUME_DATA_BUFFER: total clusters @16, bytes per cluster @44, MFT start @64.
        Bytes n(96, 0);
        put64(n, 16, 0x1'0000'0003ULL);
        put32(n, 44, 4096);
        put64(n, 64, 786432);
        PlatformNtfsVolumeData nv;
        QVERIFY(Win32AnswerParser::parseNtfsVolumeData(n.data(), 96, nv) && nv.totalClusters == 0x1'0000'0003LL);
        QVERIFY(nv.bytesPerCluster == 4096 && nv.mftStartLcn == 786432);
        QVERIFY(!Win32AnswerParser::parseNtfsVolumeData(n.data(), 95, nv));
    }

    void utf8ToUtf16()
    {
        using T = Win32Text;
        // Two-, three- and four-byte sequences; the last becomes a surrogate pair.
        QCOMPARE(T::toUtf16("Z:\\Daten\xC3\xA4\xE2\x82\xAC\xF0\x9F\x98\x80"),
                 std::u16string(u"Z:\\Daten\u00E4\u20AC") + u16({0xD83D, 0xDE00}));
        // Overlong form of '/', an encoded surrogate, a value above U+10FFFF, a stray continuation byte.
        QCOMPARE(T::toUtf16("a\xC0\xAF" "b"), u16({'a', 0xFFFD, 'b'}));
        for (const char* bad : {"\xED\xA0\x80", "\xF4\x90\x80\x80", "\x80"})
            QVERIFY2(T::toUtf16(bad) == u16({0xFFFD}), bad);
        // A cut sequence does not swallow the character after it, nor run past the end.
        QCOMPARE(T::toUtf16("\xE2\x82" "A"), u16({0xFFFD, 'A'}));
        QCOMPARE(T::toUtf16("A\xF0\x9F"), u16({'A', 0xFFFD}));
    }

    void utf16ToUtf8()
    {
        using T = Win32Text;
        const std::u16string label = std::u16string(u"Syst\u00E8me \u20AC") + u16({0xD83D, 0xDE00});
        QCOMPARE(T::toUtf8(label), std::string("Syst\xC3\xA8me \xE2\x82\xAC\xF0\x9F\x98\x80"));
        QCOMPARE(T::toUtf16(T::toUtf8(label)), label);
        // Unpaired surrogates (high at the end, low alone, high before a normal unit).
        QCOMPARE(T::toUtf8(u16({'a', 0xD800})), std::string("a\xEF\xBF\xBD"));
        QCOMPARE(T::toUtf8(u16({0xD83D, 'c'})), std::string("\xEF\xBF\xBD" "c"));
        // The length decides, not a NUL.
        const char16_t units[] = {'A', 0, 'B', 'C'};
        QCOMPARE(T::toUtf8(units, 3), std::string("A\0B", 3));
    }

    void multiString()
    {
        using T = Win32Text;
        const std::u16string paths(u"C:\\\0D:\\Mount\\Data\\\0\0garbage\0\0", 28);
        QCOMPARE(T::multiStringToList(paths.data(), paths.size()),
                 (std::vector<std::string>{"C:\\", "D:\\Mount\\Data\\"}));
        const std::u16string none(u"\0\0", 2);
        QVERIFY(T::multiStringToList(none.data(), none.size()).empty());
        // An answer cut before its terminators still yields what it holds, nothing beyond.
        const std::u16string cut(u"E:\\\0F:\\xyz", 10);
        QCOMPARE(T::multiStringToList(cut.data(), 7), (std::vector<std::string>{"E:\\", "F:\\"}));
    }

    void deviceIdentity()
    {
        const auto with = [](Win32DeviceIdentity id, auto change) {
            change(id);
            return id;
        };
        // Handles on a file system answer the device-number request with their disk's number,
        // so two different files on one disk look alike by device number alone.
        const Win32DeviceIdentity fileA{.hasFileIndex = true, .volumeSerial = 0xA1B2C3D4, .fileIndex = 0x0001000000000123ULL,
                                        .hasDeviceNumber = true, .deviceType = 7, .partitionNumber = 2};
        QVERIFY(!fileA.sameAs(with(fileA, [](auto& i) { i.fileIndex += 1; })));
        QVERIFY(!fileA.sameAs(with(fileA, [](auto& i) { i.volumeSerial = 0x11111111; })));

        // ReFS: the 64-bit index may repeat; the 128-bit id decides when both sides have it.
        const auto refsA = with(fileA, [](auto& i) {
            i.hasFileId128 = true;
            i.volumeSerial64 = 0xA1B2C3D4;
            i.fileId128[15] = 1;
        });
        QVERIFY(!refsA.sameAs(with(refsA, [](auto& i) { i.fileId128[15] = 2; })));

        // Raw devices compare by device numbers.
        const Win32DeviceIdentity disk{.hasDeviceNumber = true, .deviceType = 7};
        const auto volume = with(disk, [](auto& i) { i.partitionNumber = 2; });
        QVERIFY(disk.sameAs(Win32DeviceIdentity(disk)));
        QVERIFY(!disk.sameAs(volume));

        // A file is never its disk, even with the disk's numbers; unknowns are never equal.
        QVERIFY(!fileA.sameAs(volume) && !volume.sameAs(fileA));
        QVERIFY(!Win32DeviceIdentity().sameAs(Win32DeviceIdentity()));
    }

    // The TESSARIN_DISKS text on Windows: ';' separates entries, so drive letters stay whole.
    // Expected entries: the path, "-" for a gap, a leading '!' for a taken but unusable number.
    void diskTable_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<int>("messages");
        QTest::newRow("drive letters") << QStringLiteral("C:\\img\\a.img;D:\\b.img") << QStringList{"C:\\img\\a.img", "D:\\b.img"} << 0;
        QTest::newRow("gap") << QStringLiteral("a.img;;b.img") << QStringList{"a.img", "-", "b.img"} << 1;
        QTest::newRow("trailing separator") << QStringLiteral("a.img;") << QStringList{"a.img"} << 0;
        QTest::newRow("sector sizes") << QStringLiteral("a.img@512;b.img@4096") << QStringList{"a.img", "!b.img"} << 1;
        QTest::newRow("empty: no disks") << QStringLiteral("") << QStringList{} << 0;
    }

    void diskTable()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, entries);
        QFETCH(int, messages);
        const Win32DiskTable table(text.toStdString());
        QVERIFY(table.configured());
        QCOMPARE(int(table.messages().size()), messages);
        QList<int> usable;
        for (int i = 0; i < entries.size(); ++i) {
            const QString& want = entries[i];
            const Win32DiskTable::Entry* e = table.entry(i);
            if (want == QLatin1String("-") || want.startsWith(QLatin1Char('!'))) {
                QVERIFY2(!e, qPrintable(want));
                continue;
            }
            QVERIFY2(e, qPrintable(want));
            QCOMPARE(QString::fromStdString(e->path), want);
            QCOMPARE(table.numberOfPath(want.toUpper().replace(QLatin1Char('\\'), QLatin1Char('/')).toStdString()), i);
            usable << i;
        }
        QVERIFY(!table.entry(int(entries.size())));
        const std::vector<int> numbers = table.numbers();
        QCOMPARE(QList<int>(numbers.begin(), numbers.end()), usable);
    }

    void driveNumbers_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("number");
        QTest::newRow("drive") << QStringLiteral("\\\\.\\PhysicalDrive12") << 12;
        QTest::newRow("any case") << QStringLiteral("\\\\.\\physicaldrive0") << 0;
        QTest::newRow("a file named like one") << QStringLiteral("C:\\PhysicalDrive1") << -1;
        QTest::newRow("no digits") << QStringLiteral("\\\\.\\PhysicalDrive") << -1;
        QTest::newRow("trailing text") << QStringLiteral("\\\\.\\PhysicalDrive1x") << -1;
    }

    void driveNumbers()
    {
        QFETCH(QString, path);
        QFETCH(int, number);
        QCOMPARE(Win32DiskTable::driveNumber(path.toStdString()), number);
    }
};

QTEST_APPLESS_MAIN(TestWin32Answers)
#include "test_win32answers.moc"
