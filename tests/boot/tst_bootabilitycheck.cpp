// The offline check on disks built in memory.
#include "boot/bootabilitycheck.h"
#include "filesystem/ntfsimage.h"

#include <QtTest>

namespace {
constexpr uint64_t MiB = 1048576;
constexpr qsizetype HiddenSectorsAt = 28;

// An MBR disk with boot code and one active NTFS partition at 1 MiB whose boot sector claims `hidden`.
QByteArray mbrDiskWithNtfs(uint32_t diskSector, uint32_t volumeSector, uint32_t hidden)
{
    NtfsImage volume;
    volume.bytesPerSector = volumeSector;
    volume.sectorsPerCluster = 4096 / volumeSector;
    volume.imageSectors = 2 * MiB / volumeSector;
    QByteArray ntfs = volume.build();
    NtfsImage::put(ntfs, HiddenSectorsAt, hidden, 4);
    QByteArray disk(qsizetype(4 * MiB), '\0');
    disk[0] = char(0xEB);
    disk[446] = char(0x80);
    disk[446 + 4] = char(0x07);
    NtfsImage::put(disk, 446 + 8, MiB / diskSector, 4);
    NtfsImage::put(disk, 446 + 12, uint64_t(ntfs.size()) / diskSector, 4);
    NtfsImage::put(disk, 510, 0xAA55, 2);
    disk.replace(qsizetype(MiB), ntfs.size(), ntfs);
    return disk;
}

std::vector<BootabilityCheck::Finding> runCheck(const QByteArray& disk, uint32_t sectorSize, const uint64_t* onlyAt = nullptr)
{
    BootabilityCheck check([&](uint64_t offset, uint64_t length, uint8_t* out) {
        if (offset + length > uint64_t(disk.size()))
            return false;
        std::memcpy(out, disk.constData() + offset, size_t(length));
        return true;
    }, sectorSize, uint64_t(disk.size()) / sectorSize);
    if (onlyAt)
        check.setOnlyPartitionAt(*onlyAt);
    return check.run();
}

QStringList errors(const std::vector<BootabilityCheck::Finding>& findings)
{
    QStringList out;
    for (const BootabilityCheck::Finding& f : findings)
        if (f.severity == BootabilityCheck::Severity::Error)
            out << f.text;
    return out;
}
} // namespace

class TestBootabilityCheck : public QObject {
    Q_OBJECT
private slots:
    // Hidden sectors count the volume's own sectors from the disk's start, whatever the disk's sectors are.
    void hiddenSectors_data()
    {
        QTest::addColumn<uint32_t>("diskSector");
        QTest::addColumn<uint32_t>("volumeSector");
        QTest::addColumn<uint32_t>("hidden");
        QTest::addColumn<bool>("agrees");
        QTest::newRow("512 on 512") << 512u << 512u << 2048u << true;
        QTest::newRow("4096 on 4096") << 4096u << 4096u << 256u << true;
        QTest::newRow("4096 counted in 512s") << 4096u << 4096u << 2048u << false;
        QTest::newRow("4096 volume on a 512 disk") << 512u << 4096u << 256u << true;
        QTest::newRow("4096 volume counted in disk sectors") << 512u << 4096u << 2048u << false;
        QTest::newRow("512 counted in 4096s") << 512u << 512u << 256u << false;
        QTest::newRow("none on MBR") << 4096u << 4096u << 0u << false;
    }
    void hiddenSectors()
    {
        QFETCH(uint32_t, diskSector);
        QFETCH(uint32_t, volumeSector);
        QFETCH(uint32_t, hidden);
        QFETCH(bool, agrees);
        const QByteArray disk = mbrDiskWithNtfs(diskSector, volumeSector, hidden);
        BootabilityCheck check([&](uint64_t offset, uint64_t length, uint8_t* out) {
            if (offset + length > uint64_t(disk.size()))
                return false;
            std::memcpy(out, disk.constData() + offset, size_t(length));
            return true;
        }, diskSector, uint64_t(disk.size()) / diskSector);
        QStringList verdicts;
        for (const BootabilityCheck::Finding& f : check.run())
            if (f.text.startsWith(QStringLiteral("Partition 1: NTFS boot sector")))
                verdicts << BootabilityCheck::severityName(f.severity) + QLatin1Char(' ') + f.text;
        QCOMPARE(verdicts.size(), 1);
        QVERIFY2(verdicts.first().startsWith(agrees ? QStringLiteral("ok ") : QStringLiteral("error ")), qPrintable(verdicts.first()));
    }

    // A copied data partition on a disk that cannot start (no boot code, nothing active): the
    // narrowed check judges the table and that partition's boot sector only.
    void onlyOnePartition_data()
    {
        QTest::addColumn<uint32_t>("hidden");
        QTest::addColumn<qint64>("at");
        QTest::addColumn<QString>("error");
        QTest::newRow("sound copy") << 2048u << qint64(MiB) << QString();
        QTest::newRow("hidden sectors of the source's place") << 63u << qint64(MiB)
                                                               << QStringLiteral("Partition 1: NTFS boot sector says it starts at sector 63, the table says 2048");
        QTest::newRow("no partition there") << 2048u << qint64(2 * MiB) << QStringLiteral("No partition of the table starts at byte 2097152");
    }
    void onlyOnePartition()
    {
        QFETCH(uint32_t, hidden);
        QFETCH(qint64, at);
        QFETCH(QString, error);
        QByteArray disk = mbrDiskWithNtfs(512, 512, hidden);
        disk[0] = '\0';
        disk[446] = '\0';
        const uint64_t offset = uint64_t(at);
        const QStringList found = errors(runCheck(disk, 512, &offset));
        QCOMPARE(found, error.isEmpty() ? QStringList{} : QStringList{error});
        // The whole-disk check of the same bytes fails on what the narrowed one leaves out.
        const QStringList whole = errors(runCheck(disk, 512));
        QVERIFY2(whole.contains(QStringLiteral("MBR: no boot code")), qPrintable(whole.join(QLatin1Char('\n'))));
    }
};

QTEST_GUILESS_MAIN(TestBootabilityCheck)
#include "tst_bootabilitycheck.moc"
