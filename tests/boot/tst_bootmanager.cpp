// Boot manager, MBR and EFI handlers, and the MBR bootstrap itself (assembled and booted).
#include "bootfixture.h"
#include "boot/bcdeditor.h"
#include "boot/bootmanager.h"
#include "boot/efihandler.h"
#include "boot/mbrbootcode.h"
#include "boot/mbrhandler.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

namespace {
constexpr int EntryFlag = 0;
constexpr int EntryType = 4;
constexpr int EntryStartLba = 8;
constexpr int EntrySectors = 12;

void putLe32(QByteArray& b, int offset, uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        b[offset + i] = char((v >> (8 * i)) & 0xFF);
}

// A 4 MiB disk image with an MBR table: entry i = (flag, type, start, sectors).
struct Entry {
    uint8_t flag;
    uint8_t type;
    uint32_t start;
    uint32_t sectors;
};
QByteArray makeMbr(const QList<Entry>& entries, uint32_t signature)
{
    QByteArray mbr(512, char(0xCC));  // old boot code: must be replaced
    putLe32(mbr, MBRHandler::DiskSignatureOffset, signature);
    mbr[444] = char(0x5A);
    mbr[445] = char(0x5A);
    for (int i = 0; i < 4; ++i) {
        const int o = MBRHandler::PartitionTableOffset + 16 * i;
        for (int j = 0; j < 16; ++j)
            mbr[o + j] = 0;
        if (i < entries.size()) {
            mbr[o + EntryFlag] = char(entries[i].flag);
            mbr[o + 1] = char(0xFE);  // CHS fields as tools write them for LBA-only disks
            mbr[o + 2] = char(0xFF);
            mbr[o + 3] = char(0xFF);
            mbr[o + EntryType] = char(entries[i].type);
            putLe32(mbr, o + EntryStartLba, entries[i].start);
            putLe32(mbr, o + EntrySectors, entries[i].sectors);
        }
    }
    mbr[510] = 0;  // a damaged signature is repaired as well
    mbr[511] = 0;
    return mbr;
}

bool writeImage(const QString& path, const QByteArray& bytes, qint64 size = 4 * 1024 * 1024)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.resize(size) && f.write(bytes) == bytes.size();
}

// The whole of an in-memory disk as an image file, for the tools that read files.
bool saveDisk(BootFixture& f, int disk, const QString& path)
{
    const std::vector<uint8_t>& d = f.platform.data(disk);
    return writeImage(path, QByteArray(reinterpret_cast<const char*>(d.data()), qsizetype(d.size())), qint64(d.size()));
}

QString sourceDir()
{
    const QByteArray env = qgetenv("TESSARIN_SOURCE_DIR");
    return env.isEmpty() ? QStringLiteral(TESSARIN_TEST_SOURCE_DIR) : QString::fromLocal8Bit(env);
}

QByteArray assemble(const QString& asmFile, const QString& outDir, QString& error)
{
    const QString out = outDir + QStringLiteral("/out.bin");
    QProcess nasm;
    nasm.start(QStringLiteral("nasm"), {QStringLiteral("-f"), QStringLiteral("bin"), QStringLiteral("-o"), out, asmFile});
    if (!nasm.waitForFinished(30000) || nasm.exitCode() != 0) {
        error = QString::fromLocal8Bit(nasm.readAllStandardError());
        return QByteArray();
    }
    QFile f(out);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Boots `image` and returns the BIOS console (COM1) and the test boot sector's port (COM2) once
// `expected` appeared in either (or after the time-out).
QString bootInQemu(const QString& image, const QString& expected, QString& com2, int timeoutMs = 40000)
{
    const QString com2File = image + QStringLiteral(".com2");
    QFile::remove(com2File);
    auto readCom2 = [&] {
        QFile f(com2File);
        com2 = f.open(QIODevice::ReadOnly) ? QString::fromLatin1(f.readAll()) : QString();
    };
    QProcess qemu;
    qemu.setProcessChannelMode(QProcess::MergedChannels);
    qemu.start(QStringLiteral("qemu-system-x86_64"),
               QStringLiteral("-nographic -no-reboot -net none -m 32 -monitor none -serial stdio").split(QLatin1Char(' '))
                   + QStringList{QStringLiteral("-serial"), QStringLiteral("file:") + com2File, QStringLiteral("-drive"),
                                 QStringLiteral("file=%1,format=raw,if=ide").arg(image)});
    QString text;
    if (!qemu.waitForStarted(10000))
        return text;
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < timeoutMs && !text.contains(expected) && !com2.contains(expected)) {
        qemu.waitForReadyRead(200);
        text += QString::fromLatin1(qemu.readAll());
        readCom2();
        if (qemu.state() == QProcess::NotRunning)
            break;
    }
    qemu.kill();
    qemu.waitForFinished(5000);
    readCom2();
    return text;
}
}

class TestBootManager : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void bootstrapMatchesSource();
    void mbrRepairOnImage();
    void fixBootPathChoice();
    void uefiRepair();
    void efiHandlerChecks();
    void bootsUnderQemu_data();
    void bootsUnderQemu();

private:
    QTemporaryDir m_dir;
};

void TestBootManager::initTestCase() { QVERIFY(m_dir.isValid()); }

void TestBootManager::bootstrapMatchesSource()
{
    if (QStandardPaths::findExecutable(QStringLiteral("nasm")).isEmpty())
        QSKIP("nasm is not installed (scripts/setup.sh installs it)");
    QString error;
    const QByteArray bytes = assemble(sourceDir() + QStringLiteral("/boot/mbr/mbr.asm"), m_dir.path(), error);
    QVERIFY2(!bytes.isEmpty(), qPrintable(error));
    QVERIFY2(bytes == QByteArray(reinterpret_cast<const char*>(MbrBootCode::Bootstrap), MbrBootCode::BootstrapSize),
             "boot/mbrbootcode.cpp is stale: run scripts/gen-mbr.sh");
}

void TestBootManager::mbrRepairOnImage()
{
    BootFixture f;
    f.platform.addDisk(512);  // disk 0 must stay untouched
    const QByteArray before = makeMbr({{0x00, 0x07, 2048, 2048}, {0x80, 0x83, 4096, 2048}}, 0x12345678);
    const int n = f.addDisk(before);
    MBRHandler mbr;
    QVERIFY(mbr.repairBootSector(n));
    const QByteArray after = f.diskBytes(n, 0, 512);
    QCOMPARE(after.left(446), MbrBootCode::image());
    for (const auto& w : f.platform.writes(n))  // nothing beyond sector 0
        QVERIFY(w.offset + w.length <= 512);
    QVERIFY(f.platform.writes(0).empty());
    QVERIFY(mbr.setActivePartition(n, 1));

    // sfdisk reads the repaired table: same entries, the first one now the active one.
    const QString img = m_dir.filePath(QStringLiteral("repair.img"));
    if (!QStandardPaths::findExecutable(QStringLiteral("sfdisk")).isEmpty() && saveDisk(f, n, img)) {
        QProcess sfdisk;
        sfdisk.start(QStringLiteral("sfdisk"), {QStringLiteral("--dump"), img});
        QVERIFY(sfdisk.waitForFinished(30000));
        const QString dump = QString::fromLocal8Bit(sfdisk.readAllStandardOutput());
        QVERIFY2(dump.contains(QStringLiteral("label-id: 0x00000000")), qPrintable(dump));
        QVERIFY2(dump.contains(QStringLiteral("start=        2048, size=        2048, type=7, bootable")), qPrintable(dump));
        QVERIFY2(dump.contains(QStringLiteral("start=        4096, size=        2048, type=83\n")), qPrintable(dump));
    }
    QVERIFY(!mbr.repairBootSector(7));  // no such disk
    QVERIFY(!mbr.writeMbr(n, QByteArray(100, 0)));
    const size_t opens = f.platform.opens().size();
    for (int number : {0, 5, -1})
        QVERIFY(!mbr.setActivePartition(n, number));
    QCOMPARE(f.platform.opens().size(), opens);  // refused before the disk is opened
}

void TestBootManager::fixBootPathChoice()
{
    BootFixture f;
    f.platform.addDisk(512);
    PartitionInfo sys = part(2, QStringLiteral("C:"));
    sys.isSystem = true;
    DiskInfo disk = diskOf(f.addDisk(makeMbr({{0x80, 7, 2048, 2048}, {0, 7, 4096, 2048}}, 0xABCDEF01)), {sys});

    BootManager bm;
    // Firmware 1 takes the MBR path even on a GPT disk; the system partition becomes the active one.
    QVERIFY(bm.fixBoot(disk, 1));
    const QByteArray mbr = f.diskBytes(disk.diskNumber, 0, 512);
    QCOMPARE(mbr.left(446), MbrBootCode::image());
    QCOMPARE(uint8_t(mbr[446]), uint8_t(0));
    QCOMPARE(uint8_t(mbr[462]), uint8_t(0x80));
    QVERIFY(f.platform.writes(0).empty());
    QVERIFY(f.callsOf("bcdedit").at(0).request.arguments.contains(QStringLiteral("partition=C:")));

    // Firmware 0 on a GPT disk goes the UEFI way; without an EFI partition that fails.
    QSignalSpy errors(&bm, &BootManager::error);
    QVERIFY(!bm.fixBoot(disk, 0));
    // A failing MBR write stops the repair.
    disk.diskNumber = 9;
    QVERIFY(!bm.fixBoot(disk, 1));
    QCOMPARE(errors.size(), 2);
}

void TestBootManager::uefiRepair()
{
    BootFixture f;
    const DiskInfo disk = diskOf(4, {efiPart(1, QStringLiteral("S:")), part(3, QStringLiteral("E:"))});
    f.addFiles({"E:\\Windows\\System32", "S:\\EFI\\Microsoft\\Boot\\bootmgfw.efi"});
    BootManager bm;
    QVERIFY(bm.fixBoot(disk, 2));
    QVERIFY(f.callsOf("bcdboot").isEmpty());  // boot manager already there

    // Without the boot manager bcdboot rebuilds it from the Windows found on E:; its failure,
    // or a bcdboot that never ran, is the repair's failure.
    f.platform.existingPaths.erase("S:\\EFI\\Microsoft\\Boot\\bootmgfw.efi");
    f.runner.clear();
    QVERIFY(bm.repairUefiBoot(disk));
    QCOMPARE(f.callsOf("bcdboot").at(0).request.arguments, (QStringList{"E:\\Windows", "/s", "S:", "/f", "UEFI"}));
    for (const CommandResult& r : {ScriptedCommandRunner::result(1, "", "Failure"), ScriptedCommandRunner::notStarted(),
                                   ScriptedCommandRunner::timedOut()}) {
        f.runner.enqueue(r);
        QVERIFY(!bm.repairUefiBoot(disk));
    }
}

void TestBootManager::efiHandlerChecks()
{
    BootFixture f;
    EFIHandler efi;
    PartitionInfo p = efiPart(2);
    // No letter on the partition: a free one is assigned on the right disk and partition for
    // the repair, and removed afterwards even when bcdboot failed.
    f.useLetters("Z");
    f.runner.enqueue(0, "DiskPart successfully assigned the drive letter or mount point.");
    f.runner.enqueue(ScriptedCommandRunner::notStarted());
    QVERIFY(!efi.repairEfiBoot(5, p, QStringLiteral("C:\\Windows")));
    QCOMPARE(f.programs(), (QStringList{"diskpart", "bcdboot", "diskpart"}));
    QVERIFY(f.runner.calls().at(0).scriptText.startsWith(QStringLiteral("select disk 5\nselect partition 2\nassign letter=Y")));
    QCOMPARE(f.callsOf("bcdboot").at(0).request.arguments.at(2), QStringLiteral("Y:"));
    QVERIFY(f.runner.calls().at(2).scriptText.contains(QStringLiteral("remove letter=Y")));
    // A failed assignment stops before bcdboot.
    f.runner.clear();
    f.runner.enqueue(0, "Virtual Disk Service error: The volume is not online.");
    QVERIFY(!efi.repairEfiBoot(5, p, QStringLiteral("C:\\Windows")));
    QCOMPARE(f.programs(), (QStringList{"diskpart"}));
}

void TestBootManager::bootsUnderQemu_data()
{
    QTest::addColumn<int>("scenario");
    QTest::addColumn<QString>("expected");
    QTest::newRow("boots the active partition") << 0 << QStringLiteral("TESSARIN-PBR-OK entry-active=Y");
    QTest::newRow("no active entry") << 1 << QStringLiteral("Invalid partition table");
    QTest::newRow("two active entries") << 2 << QStringLiteral("Invalid partition table");
    QTest::newRow("unreadable boot sector") << 3 << QStringLiteral("Error loading operating system");
    QTest::newRow("boot sector without 0x55AA") << 4 << QStringLiteral("Missing operating system");
}

void TestBootManager::bootsUnderQemu()
{
    QFETCH(int, scenario);
    QFETCH(QString, expected);
    if (QStandardPaths::findExecutable(QStringLiteral("qemu-system-x86_64")).isEmpty())
        QSKIP("qemu-system-x86_64 is not installed (scripts/setup.sh installs qemu-system-x86)");
    if (QStandardPaths::findExecutable(QStringLiteral("nasm")).isEmpty())
        QSKIP("nasm is not installed; it builds the test boot sector");
    QString error;
    QByteArray pbr = assemble(sourceDir() + QStringLiteral("/tests/boot/data/serialmarker.asm"), m_dir.path(), error);
    QVERIFY2(pbr.size() == 512, qPrintable(error));
    if (scenario == 4)
        pbr[511] = 0;

    const uint32_t start = scenario == 3 ? 1000000 : 2048;  // beyond the 4 MiB disk: the read fails
    QList<Entry> entries{{0x00, 0x07, 100, 100}, {0x80, 0x07, start, 2048}};
    if (scenario == 1)
        entries[1].flag = 0;
    if (scenario == 2)
        entries[0].flag = 0x80;

    BootFixture f;
    const int n = f.addDisk(makeMbr(entries, 0x11223344));
    std::memcpy(f.platform.data(n).data() + 2048 * 512, pbr.constData(), 512);
    // The boot code under test is the one the program writes.
    MBRHandler mbr;
    QVERIFY(mbr.repairBootSector(n));
    const QString img = m_dir.filePath(QStringLiteral("qemu%1.img").arg(scenario));
    QVERIFY(saveDisk(f, n, img));

    QString com2;
    const QString console = bootInQemu(img, expected, com2);
    if (scenario == 0) {
        QVERIFY2(com2.contains(expected), qPrintable(com2 + "\n" + console.right(300)));
    } else {
        QVERIFY2(console.contains(expected), qPrintable(console.right(400)));
        QVERIFY(!com2.contains(QStringLiteral("TESSARIN-PBR-OK")));
    }
}

QTEST_GUILESS_MAIN(TestBootManager)
#include "tst_bootmanager.moc"
