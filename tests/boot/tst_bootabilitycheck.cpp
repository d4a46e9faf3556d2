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
};

QTEST_GUILESS_MAIN(TestBootabilityCheck)
#include "tst_bootabilitycheck.moc"
