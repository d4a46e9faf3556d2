#include "ondisk/byteorder.h"
#include "ondisk/crc32.h"
#include "platform/layoutparser.h"
#include "common/imagefixture.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QtTest>
#include <algorithm>
#include <cstring>

// The partition table reader behind image files and Linux disks, against sgdisk's and sfdisk's tables.
namespace {
void put32(std::vector<uint8_t>& b, size_t at, uint32_t v) { ByteOrder::put32(b.data() + at, v); }
void put64(std::vector<uint8_t>& b, size_t at, uint64_t v) { ByteOrder::put64(b.data() + at, v); }

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

// A 256-sector GPT disk made by sgdisk, partitions at 40-99 and 120-130; empty without sgdisk.
std::vector<uint8_t> sgdiskDisk(const QTemporaryDir& dir)
{
    const QString image = dir.filePath("small-gpt.img");
    if (!haveTool("sgdisk") || !makeSparseFile(image, 256 * 512) || !sgdiskRun(image, {"-a", "1", "-n", "1:40:99", "-n", "2:120:130"}))
        return {};
    const QByteArray bytes = readFileBytes(image, 0, 256 * 512);
    return std::vector<uint8_t>(bytes.begin(), bytes.end());
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


QByteArray readFile(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
} // namespace

class TestLayoutParser : public QObject {
    Q_OBJECT
private slots:
    void mbrLayouts()
    {
        // On a 4Kn disk MBR addresses count 4096-byte sectors; slot numbers survive an empty slot.
        std::vector<uint8_t> disk(4096 * 16, 0);
        putMbrEntry(disk, 2, 0, 0x07, 256, 512);
        PlatformDriveLayout l = parseDisk(disk, 4096);
        QCOMPARE(l.style, LayoutStyle::MBR);
        QCOMPARE(l.entries.at(0).partitionNumber, 3u);
        QCOMPARE(l.entries.at(0).startingOffset, int64_t(256) * 4096);
        // No signature, or a boot sector whose "entries" are code: no table.
        std::vector<uint8_t> blank(512 * 64, 0);
        QCOMPARE(parseDisk(blank, 512).style, LayoutStyle::Unknown);
        putMbrEntry(blank, 0, 0x80, 0x07, 2048, 4096);
        blank[446] = 0x33;
        QCOMPARE(parseDisk(blank, 512).style, LayoutStyle::Unknown);
        PlatformDriveLayout out;
        std::vector<std::string> notes;
        QVERIFY(!LayoutParser::parse([](uint64_t, uint64_t, uint8_t*) { return false; }, 1 << 20, 512, out, notes));
    }

    // Logical partitions are listed as sfdisk lists them, numbered from 5 after the four slots; a
    // chain whose last link points back ends there instead of listing its partitions again.
    void logicalPartitionsFollowTheChain()
    {
        if (const QString why = missingRequirement({"sfdisk"}); !why.isEmpty())
            QSKIP(qPrintable(why));
        QTemporaryDir dir;
        const QString img = dir.filePath("logical.img");
        QVERIFY(makeSparseFile(img, 64 << 20));
        QVERIFY(sfdiskScript(img, "label: dos\nstart=2048, size=8192, type=7\nstart=10240, size=98304, type=f\n"
                                  "start=12288, size=8192, type=7\nstart=22528, size=8192, type=c\n"
                                  "start=32768, size=8192, type=83\nstart=110592, size=8192, type=7\n"));
        const ToolRun listed = runCaptured(QStringLiteral("sfdisk"), {QStringLiteral("--json"), img});
        QCOMPARE(listed.code, 0);
        QStringList theirs, ours;
        const QJsonArray parts = QJsonDocument::fromJson(listed.out.toUtf8()).object().value("partitiontable").toObject().value("partitions").toArray();
        for (const QJsonValue& v : parts) {
            const QJsonObject o = v.toObject();
            const QString node = o.value("node").toString();
            theirs << QStringLiteral("%1:%2+%3").arg(node.mid(img.size())).arg(o.value("start").toInteger()).arg(o.value("size").toInteger());
        }
        QByteArray bytes = readFile(img);
        std::vector<uint8_t> disk(bytes.begin(), bytes.end());
        auto listOurs = [&] {
            QStringList out;
            for (const PlatformLayoutEntry& e : parseDisk(disk, 512).entries)
                out << QStringLiteral("%1:%2+%3").arg(e.partitionNumber).arg(e.startingOffset / 512).arg(e.partitionLength / 512);
            std::sort(out.begin(), out.end(), [](const QString& a, const QString& b) { return a.split(':')[0].toInt() < b.split(':')[0].toInt(); });
            return out;
        };
        QCOMPARE(listOurs(), theirs);
        QCOMPARE(theirs.size(), 6);
        // The last record (at 30720, its link empty) now links back to the second (at 20480).
        const size_t last = 30720 * 512;
        QVERIFY(disk[last + 510] == 0x55 && disk[last + 446 + 16 + 4] == 0);
        disk[last + 446 + 16 + 4] = 0x05;
        put32(disk, last + 446 + 16 + 8, 20480 - 10240);
        put32(disk, last + 446 + 16 + 12, 10240);
        QCOMPARE(listOurs(), theirs);
    }

    void gptLayouts()
    {
        // An MBR without 0xEE wins over GPT remains (a disk converted to MBR keeps its old backup GPT).
        QTemporaryDir dir;
        auto disk = sgdiskDisk(dir);
        if (disk.empty())
            QSKIP("needs sgdisk");
        QCOMPARE(parseDisk(disk, 512).style, LayoutStyle::GPT);
        std::fill(disk.begin() + 446, disk.begin() + 510, 0);
        putMbrEntry(disk, 0, 0, 0x83, 2048, 10);
        QCOMPARE(parseDisk(disk, 512).style, LayoutStyle::MBR);
    }

    void gptDamage()
    {
        QTemporaryDir dir;
        const auto good = sgdiskDisk(dir);
        if (good.empty())
            QSKIP("needs sgdisk");
        std::vector<std::string> notes;

        // Primary header or primary array damaged: the backup answers.
        auto disk = good;
        disk[512 + 40] ^= 0xFF;
        PlatformDriveLayout l = parseDisk(disk, 512, &notes);
        QVERIFY(l.entries.size() == 2 && !notes.empty());
        disk = good;
        disk[2 * 512 + 33] ^= 0x01;
        l = parseDisk(disk, 512);
        QVERIFY(l.style == LayoutStyle::GPT && l.entries.at(0).startingOffset == 40 * 512);

        // Both copies damaged: Unknown, not an MBR with one 0xEE partition.
        disk[255 * 512 + 20] ^= 0xFF;
        disk[512 + 20] ^= 0xFF;
        QCOMPARE(parseDisk(disk, 512).style, LayoutStyle::Unknown);

        // The disk cut short: the backup header is missing and the primary array runs off the end.
        disk = good;
        disk.resize(20 * 512);
        QCOMPARE(parseDisk(disk, 512).style, LayoutStyle::Unknown);

        // Absurd headers with valid CRCs are refused, and with the backup gone nothing is listed.
        struct Bad { const char* name; size_t at; uint64_t value; int width; uint64_t lba; };
        for (const Bad& b : {Bad{"sound", 0, 0, 0, 1}, Bad{"16M entries", 80, 0x01000000, 4, 1}, Bad{"entry size", 84, 256, 4, 1},
                             Bad{"array beyond the disk", 72, 300, 8, 1}, Bad{"primary at the backup's place", 0, 0, 0, 255},
                             Bad{"larger than its sector", 12, 600, 4, 1}}) {
            std::vector<uint8_t> header(good.begin() + 512, good.begin() + 1024);
            if (b.width == 4)
                put32(header, b.at, uint32_t(b.value));
            else if (b.width == 8)
                put64(header, b.at, b.value);
            put32(header, 16, 0);
            put32(header, 16, Crc32::compute(header.data(), 92));
            disk = good;
            std::fill(disk.begin() + 512, disk.begin() + 1024, 0);
            std::fill(disk.begin() + 255 * 512, disk.end(), 0);
            std::copy(header.begin(), header.end(), disk.begin() + std::ptrdiff_t(b.lba * 512));
            l = parseDisk(disk, 512, &notes);
            const bool sound = std::string(b.name) == "sound";
            QVERIFY2(!notes.empty() && l.style == (sound ? LayoutStyle::GPT : LayoutStyle::Unknown)
                         && l.entries.size() == (sound ? 2u : 0u), b.name);
        }
    }
};

QTEST_GUILESS_MAIN(TestLayoutParser)
#include "tst_layoutparser.moc"
