// Boot manager, MBR and EFI handlers, and the MBR bootstrap itself (assembled and booted).
#include "bootfixture.h"
#include "boot/bootmanager.h"
#include "boot/efihandler.h"
#include "boot/mbrbootcode.h"
#include "boot/mbrhandler.h"
#include "core/diskidentity.h"
#include "core/diskio.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

namespace {
// An MBR with old boot code and a damaged signature (both must be replaced), and table entries
// of (flag, type, start, sectors).
struct Entry {
    uint8_t flag, type;
    uint32_t start, sectors;
};
QByteArray makeMbr(const QList<Entry>& entries)
{
    QByteArray mbr(512, char(0xCC));
    qToLittleEndian<quint32>(0x12345678, mbr.data() + MBRHandler::DiskSignatureOffset);
    mbr[510] = mbr[511] = 0;
    for (int i = 0; i < 4; ++i) {
        const int o = MBRHandler::PartitionTableOffset + MBRHandler::PartitionEntrySize * i;
        mbr.replace(o, 16, QByteArray(16, 0));
        if (i >= entries.size())
            continue;
        mbr[o] = char(entries[i].flag);
        mbr.replace(o + 1, 3, QByteArray::fromHex("feffff"));  // CHS as tools write it for LBA-only disks
        mbr[o + 4] = char(entries[i].type);
        qToLittleEndian<quint32>(entries[i].start, mbr.data() + o + 8);
        qToLittleEndian<quint32>(entries[i].sectors, mbr.data() + o + 12);
    }
    return mbr;
}

const std::string EfiType = "{C12A7328-F81F-11D2-BA4B-00A0C93EC93B}";
const std::string BasicDataType = "{EBD0A0A2-B9E5-4433-87C0-68B6B72699C7}";

QByteArray sector0(BootFixture& f, int disk) { return QByteArray(reinterpret_cast<const char*>(f.platform.data(disk).data()), 512); }

// The whole of an in-memory disk as an image file, for the tools that read files.
bool saveDisk(BootFixture& f, int disk, const QString& path)
{
    const std::vector<uint8_t>& d = f.platform.data(disk);
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate)
        && file.write(reinterpret_cast<const char*>(d.data()), qint64(d.size())) == qint64(d.size());
}

bool have(const char* tool) { return !QStandardPaths::findExecutable(QLatin1String(tool)).isEmpty(); }

QByteArray assemble(const QString& relativeAsm, const QString& outDir, QString& error)
{
    const QByteArray env = qgetenv("TESSARIN_SOURCE_DIR");
    const QString root = env.isEmpty() ? QStringLiteral(TESSARIN_TEST_SOURCE_DIR) : QString::fromLocal8Bit(env);
    const QString out = outDir + QStringLiteral("/out.bin");
    QProcess nasm;
    nasm.start(QStringLiteral("nasm"), {QStringLiteral("-f"), QStringLiteral("bin"), QStringLiteral("-o"), out, root + relativeAsm});
    if (!nasm.waitForFinished(30000) || nasm.exitCode() != 0) {
        error = QString::fromLocal8Bit(nasm.readAllStandardError());
        return QByteArray();
    }
    QFile f(out);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QString fileText(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? QString::fromLatin1(f.readAll()) : QString();
}

// Boots `image` until `expected` shows on the BIOS console (COM1) or the test boot sector's port
// (COM2), or 40 s passed; returns what both showed.
QString bootInQemu(const QString& image, const QString& expected)
{
    QProcess qemu;
    qemu.start(QStringLiteral("qemu-system-x86_64"),
               QStringLiteral("-nographic -no-reboot -net none -m 32 -monitor none -serial file:%1.com1 "
                              "-serial file:%1.com2 -drive file=%1,format=raw,if=ide").arg(image).split(QLatin1Char(' ')));
    const auto seen = [&] { return fileText(image + ".com1") + QStringLiteral("\nCOM2: ") + fileText(image + ".com2"); };
    QElapsedTimer timer;
    timer.start();
    while (qemu.state() != QProcess::NotRunning && timer.elapsed() < 40000 && !seen().contains(expected))
        qemu.waitForFinished(200);
    qemu.kill();
    qemu.waitForFinished(5000);
    return seen();
}
}

class TestBootManager : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QVERIFY(m_dir.isValid()); }

    void bootstrapMatchesSource()
    {
        if (!have("nasm"))
            QSKIP("nasm is not installed (scripts/setup.sh installs it)");
        QString error;
        const QByteArray bytes = assemble(QStringLiteral("/boot/mbr/mbr.asm"), m_dir.path(), error);
        QVERIFY2(!bytes.isEmpty(), qPrintable(error));
        QVERIFY2(bytes == QByteArray(reinterpret_cast<const char*>(MbrBootCode::Bootstrap), MbrBootCode::BootstrapSize),
                 "boot/mbrbootcode.cpp is stale: run scripts/gen-mbr.sh");
    }

    void mbrRepairOnImage()
    {
        BootFixture f;
        f.platform.addDisk(512);  // disk 0 must stay untouched
        // Windows on the active first partition, its boot manager on the second: that one becomes active.
        DiskInfo disk = diskOf(f.addDisk(makeMbr({{0x80, 0x07, 2048, 2048}, {0x00, 0x07, 4096, 2048}})), {});
        const int n = disk.diskNumber;
        f.listPartition(n, LayoutStyle::MBR, 1, 1, 1, "07", true, QStringLiteral("C:"));
        f.listPartition(n, LayoutStyle::MBR, 2, 2, 1, "07", false, QStringLiteral("R:"));
        f.addFiles({"C:\\Windows\\System32", "R:\\bootmgr", "R:\\Boot\\BCD"});
        // Firmware 1 takes the MBR path even when the record says GPT.
        BootManager bm;
        QVERIFY(bm.fixBoot(disk, 1));
        // New bootstrap; the disk signature and the word after it survive (Windows finds its disk by them).
        const QByteArray repaired = sector0(f, n);
        QCOMPARE(repaired.left(MbrBootCode::BootstrapSize),
                 QByteArray(reinterpret_cast<const char*>(MbrBootCode::Bootstrap), MbrBootCode::BootstrapSize));
        QCOMPARE(repaired.mid(MBRHandler::DiskSignatureOffset, 6), QByteArray::fromHex("78563412cccc"));
        for (const auto& w : f.platform.writes(n))  // nothing beyond sector 0
            QVERIFY(w.offset + w.length <= 512);
        QVERIFY(f.platform.writes(0).empty());
        QVERIFY(!f.callsOf("bcdedit").isEmpty());
        QVERIFY(f.callsOf("bcdedit").last().request.arguments.contains(QStringLiteral("partition=C:")));

        // sfdisk reads the repaired table: same entries, the second one now the only active one.
        const QString img = m_dir.filePath(QStringLiteral("repair.img"));
        if (have("sfdisk") && saveDisk(f, n, img)) {
            QProcess sfdisk;
            sfdisk.start(QStringLiteral("sfdisk"), {QStringLiteral("--dump"), img});
            QVERIFY(sfdisk.waitForFinished(30000));
            const QString dump = QString::fromLocal8Bit(sfdisk.readAllStandardOutput());
            QVERIFY2(dump.contains(QStringLiteral("start=        2048, size=        2048, type=7\n")), qPrintable(dump));
            QVERIFY2(dump.contains(QStringLiteral("start=        4096, size=        2048, type=7, bootable")), qPrintable(dump));
        }
        // Firmware 0 goes by the table the disk has now, not by the record: MBR.
        QVERIFY(bm.fixBoot(disk, 0));
        disk.diskNumber = 9;  // a disk the machine does not list is not repaired
        f.runner.clear();
        QVERIFY(!bm.fixBoot(disk, 1));
        QVERIFY(f.runner.calls().isEmpty());
        MBRHandler mbr;
        QVERIFY(!mbr.writeMbr(n, QByteArray(100, 0)));
        const size_t opens = f.platform.opens().size();
        for (int number : {0, 5, -1})
            QVERIFY(!mbr.setActivePartition(n, number));
        QCOMPARE(f.platform.opens().size(), opens);  // refused before the disk is opened
    }

    // Sector 0 is written by disk number. When the number names another disk than the one the
    // clone was given (another serial number, or the same model carrying another table), nothing
    // reaches that disk; the chosen disk itself is written.
    void mbrWritesOnlyTheChosenDisk_data()
    {
        QTest::addColumn<QString>("swap");  // what differs from the chosen disk
        QTest::addColumn<int>("operation");  // 0 boot code, 1 active flag, 2 whole sector
        QTest::newRow("chosen disk, boot code") << QString() << 0;
        QTest::newRow("chosen disk, active flag") << QString() << 1;
        QTest::newRow("other serial, boot code") << QStringLiteral("serial") << 0;
        QTest::newRow("other serial, active flag") << QStringLiteral("serial") << 1;
        QTest::newRow("other table, boot code") << QStringLiteral("table") << 0;
        QTest::newRow("other table, whole sector") << QStringLiteral("table") << 2;
    }
    void mbrWritesOnlyTheChosenDisk()
    {
        QFETCH(QString, swap);
        QFETCH(int, operation);
        BootFixture f;
        QByteArray mbr = makeMbr({{0x00, 0x07, 2048, 2048}, {0x80, 0x07, 4096, 2048}});
        mbr[510] = char(0x55);
        mbr[511] = char(0xAA);
        const int n = f.addDisk(mbr);
        DiskIdentity chosen;
        chosen.serialNumber = QString::fromStdString(f.platform.disk(n).serialNumber);
        chosen.size = f.platform.data(n).size();
        chosen.mbrSignature = swap == QLatin1String("table") ? 0x0BADF00D : 0x12345678;
        if (swap == QLatin1String("serial"))
            chosen.serialNumber = QStringLiteral("CHOSEN-DISK");
        DiskIdentity::expect(n, chosen);
        const auto forget = qScopeGuard([] { DiskIdentity::forgetAll(); });

        MBRHandler handler;
        const bool ok = operation == 0   ? handler.repairBootSector(n)
                        : operation == 1 ? handler.setActivePartition(n, 1)
                                         : handler.writeMbr(n, QByteArray(512, char(0xEE)));
        QCOMPARE(ok, swap.isEmpty());
        if (!swap.isEmpty()) {
            QVERIFY(f.platform.writes(n).empty());
            QCOMPARE(sector0(f, n), mbr);
            QVERIFY2(handler.lastError().contains(QStringLiteral("no longer the disk chosen")), qPrintable(handler.lastError()));
            return;
        }
        const QByteArray written = sector0(f, n);
        QCOMPARE(written.mid(MBRHandler::DiskSignatureOffset, 4), mbr.mid(MBRHandler::DiskSignatureOffset, 4));
        if (operation == 0)
            QCOMPARE(written.left(MbrBootCode::BootstrapSize),
                     QByteArray(reinterpret_cast<const char*>(MbrBootCode::Bootstrap), MbrBootCode::BootstrapSize));
        else
            QCOMPARE(uint8_t(written[MBRHandler::PartitionTableOffset]), MBRHandler::ActiveFlag);
    }

    // The clone writes the copy's new disk signature through its own checked handle; once that is
    // flushed, the boot code is written to the disk that carries it.
    void mbrRepairAfterTheCloneWroteANewSignature()
    {
        BootFixture f;
        QByteArray mbr = makeMbr({{0x80, 0x07, 2048, 2048}});
        mbr[510] = char(0x55);
        mbr[511] = char(0xAA);
        const int n = f.addDisk(mbr);
        // The platform's layout answer stays the old one, as a cached layout does until a re-read.
        f.platform.disk(n).layout.style = LayoutStyle::MBR;
        f.platform.disk(n).layout.mbrSignature = 0x12345678;
        DiskIdentity chosen;
        chosen.serialNumber = QString::fromStdString(f.platform.disk(n).serialNumber);
        chosen.size = f.platform.data(n).size();
        chosen.mbrSignature = 0x12345678;
        DiskIdentity::expect(n, chosen);
        const auto forget = qScopeGuard([] { DiskIdentity::forgetAll(); });
        DiskIO io;
        QVERIFY2(io.openTargetDisk(n), qPrintable(io.lastError()));
        QByteArray renamed = mbr;
        qToLittleEndian<quint32>(0xC0FFEE01, renamed.data() + MBRHandler::DiskSignatureOffset);
        QVERIFY(io.writeTargetBytes(0, 512, renamed.constData()));
        QVERIFY(io.flushTarget());
        MBRHandler handler;
        QVERIFY2(handler.repairBootSector(n), qPrintable(handler.lastError()));
        QCOMPARE(sector0(f, n).mid(MBRHandler::DiskSignatureOffset, 4), QByteArray::fromHex("01eeffc0"));
    }

    void uefiRepair()
    {
        {
            BootFixture f;
            const int n = f.addDisk(QByteArray(512, 0));
            f.listPartition(n, LayoutStyle::GPT, 1, 1, 1, EfiType, false, QStringLiteral("S:"), "FAT32");
            f.listPartition(n, LayoutStyle::GPT, 3, 2, 2, BasicDataType, false, QStringLiteral("E:"));
            const DiskInfo disk = diskOf(n, {efiPart(1, QStringLiteral("S:")), part(3, QStringLiteral("E:"))});
            f.addFiles({"E:\\Windows\\System32", "S:\\EFI\\Microsoft\\Boot\\bootmgfw.efi"});
            BootManager bm;
            QVERIFY(bm.fixBoot(disk, 2));
            QVERIFY(f.callsOf("bcdboot").isEmpty());  // boot manager already there

            // Without the boot manager bcdboot rebuilds it from the Windows found on E: onto S:; its
            // failure, or a bcdboot that never ran, is the repair's failure.
            f.platform.existingPaths.erase("S:\\EFI\\Microsoft\\Boot\\bootmgfw.efi");
            QVERIFY(bm.repairUefiBoot(disk));
            const QStringList args = f.callsOf("bcdboot").at(0).request.arguments;
            QVERIFY(args.contains(QStringLiteral("E:\\Windows")) && args.contains(QStringLiteral("S:")));
            for (const CommandResult& r : {ScriptedCommandRunner::result(1, "", "Failure"), ScriptedCommandRunner::notStarted(),
                                           ScriptedCommandRunner::timedOut()}) {
                f.runner.enqueue(r);
                QVERIFY(!bm.repairUefiBoot(disk));
            }
        }
        // No letter on the EFI partition: a free one is assigned on the right disk and partition, and
        // removed afterwards even when bcdboot failed; a failed assignment stops before bcdboot.
        for (bool assigned : {true, false}) {
            BootFixture f;
            f.useLetters("Z");
            f.runner.enqueue(0, assigned ? "DiskPart successfully assigned the drive letter." : "Virtual Disk Service error.");
            f.runner.enqueue(ScriptedCommandRunner::notStarted());
            QVERIFY(!EFIHandler().repairEfiBoot(5, efiPart(2), QStringLiteral("C:\\Windows")));
            QCOMPARE(f.runner.calls().size(), assigned ? 3 : 1);
            QCOMPARE(f.callsOf("bcdboot").size(), assigned ? 1 : 0);
            QVERIFY(f.runner.calls().at(0).scriptText.startsWith(QStringLiteral("select disk 5\nselect partition 2\nassign letter=Y")));
            if (assigned) {
                QVERIFY(f.callsOf("bcdboot").at(0).request.arguments.contains(QStringLiteral("Y:")));
                QVERIFY(f.runner.calls().at(2).scriptText.contains(QStringLiteral("remove letter=Y")));
            }
        }
    }

    // Every bcdedit call names a store on the copy, never the running system's; the repair goes by
    // the copy's table as it is now, not by the record of the target taken before the copy.
    void repairEditsOnlyTheCopysStore_data()
    {
        QTest::addColumn<int>("entry");
        QTest::addColumn<QStringList>("stores");  // the copy's stores the calls may name
        const QString uefi = QStringLiteral("S:\\EFI\\Microsoft\\Boot\\BCD");
        QTest::newRow("store repair, bcdboot works") << 0 << QStringList{uefi};
        QTest::newRow("store repair, manual store (BIOS)") << 1 << QStringList{"S:\\Boot\\BCD"};
        QTest::newRow("store repair, existing store patched") << 2 << QStringList{uefi};
        QTest::newRow("legacy repair of a disk") << 3 << QStringList{"R:\\Boot\\BCD"};
        QTest::newRow("UEFI repair of a disk") << 4 << QStringList{uefi};
        QTest::newRow("legacy repair, record up to date") << 5 << QStringList{"R:\\Boot\\BCD"};
    }
    void repairEditsOnlyTheCopysStore()
    {
        QFETCH(int, entry);
        QFETCH(QStringList, stores);
        BootFixture f;
        f.addFiles({"W:\\Windows\\System32", "W:\\Windows\\system32\\winload.efi", "S:\\EFI\\Microsoft\\Boot\\BCD",
                    "S:\\EFI\\Microsoft\\Boot\\bootmgfw.efi", "S:\\Boot\\BCD", "R:\\Boot\\BCD"});
        f.runner.setResponder([&](const CommandRequest& r, const QString&) {
            if (r.program == QLatin1String("bcdboot"))
                return ScriptedCommandRunner::result(entry == 0 ? 0 : 1);
            if (r.arguments.contains(QLatin1String("osloader")))
                return ScriptedCommandRunner::result(
                    0, entry == 1 ? "The entry {12345678-1234-1234-1234-123456789abc} was successfully created." : "no identifier");
            if (r.arguments.contains(QLatin1String("/createstore")))
                f.addFiles({r.arguments.last()});
            return ScriptedCommandRunner::result(0);
        });
        BootManager bm;
        if (entry < 3) {
            QVERIFY(f.bcd.repairBoot(QStringLiteral("W:"), entry == 1 ? 1 : 2, QStringLiteral("S:")));
        } else if (entry != 4) {
            // The copy boots from System Reserved on partition 1; the target once held a Windows on
            // partition 2 under E:, which a record taken before the copy still lists.
            const int n = f.addDisk(makeMbr({{0x80, 0x07, 2048, 2048}, {0x00, 0x07, 4096, 4096}}));
            f.listPartition(n, LayoutStyle::MBR, 1, 1, 1, "07", true, QStringLiteral("R:"));
            f.listPartition(n, LayoutStyle::MBR, 2, 2, 2, "07", false, QStringLiteral("W:"));
            const bool stale = entry == 3;
            PartitionInfo boot = part(1, stale ? QString() : QStringLiteral("R:"));
            boot.isActive = !stale;
            PartitionInfo windows = part(2, stale ? QStringLiteral("E:") : QStringLiteral("W:"));
            windows.isSystem = true;
            QVERIFY(bm.fixBoot(diskOf(n, {boot, windows}), 1));
            QCOMPARE(uint8_t(sector0(f, n)[MBRHandler::PartitionTableOffset]), MBRHandler::ActiveFlag);
            QCOMPARE(uint8_t(sector0(f, n)[MBRHandler::PartitionTableOffset + MBRHandler::PartitionEntrySize]), 0);
        } else {
            // Before the wipe the target had no EFI partition at all.
            const int n = f.addDisk(QByteArray(512, 0));
            f.listPartition(n, LayoutStyle::GPT, 1, 1, 1, EfiType, false, QStringLiteral("S:"), "FAT32");
            f.listPartition(n, LayoutStyle::GPT, 2, 2, 2, BasicDataType, false, QStringLiteral("W:"));
            QVERIFY2(bm.fixBoot(diskOf(n, {part(2, QStringLiteral("E:"))}), 2), qPrintable(bm.lastError()));
        }
        const auto calls = f.callsOf(QStringLiteral("bcdedit"));
        QVERIFY(!calls.isEmpty());
        for (const auto& c : calls) {
            const QStringList args = c.request.arguments;
            const QString line = args.join(QLatin1Char(' '));
            QVERIFY2(args.size() >= 2 && (args[0] == QLatin1String("/store") || args[0] == QLatin1String("/createstore")), qPrintable(line));
            QVERIFY2(stores.contains(args[1]), qPrintable(line));
            QVERIFY2(!line.contains(QLatin1String("E:")), qPrintable(line));
        }
        if (entry >= 3)
            QVERIFY(calls.last().request.arguments.contains(QStringLiteral("partition=W:")));
    }

    void bootsUnderQemu_data()
    {
        QTest::addColumn<int>("scenario");
        QTest::addColumn<QString>("expected");
        QTest::newRow("boots the active partition") << 0 << QStringLiteral("TESSARIN-PBR-OK entry-active=Y");
        QTest::newRow("no active entry") << 1 << QStringLiteral("Invalid partition table");
        QTest::newRow("two active entries") << 2 << QStringLiteral("Invalid partition table");
        QTest::newRow("unreadable boot sector") << 3 << QStringLiteral("Error loading operating system");
        QTest::newRow("boot sector without 0x55AA") << 4 << QStringLiteral("Missing operating system");
    }

    void bootsUnderQemu()
    {
        QFETCH(int, scenario);
        QFETCH(QString, expected);
        if (!have("qemu-system-x86_64") || !have("nasm"))
            QSKIP("qemu-system-x86_64 or nasm is not installed (scripts/setup.sh installs both)");
        QString error;
        QByteArray pbr = assemble(QStringLiteral("/tests/boot/data/serialmarker.asm"), m_dir.path(), error);
        QVERIFY2(pbr.size() == 512, qPrintable(error));
        if (scenario == 4)
            pbr[511] = 0;
        const uint32_t start = scenario == 3 ? 1000000 : 2048;  // beyond the 4 MiB disk: the read fails
        QList<Entry> entries{{uint8_t(scenario == 2 ? 0x80 : 0), 0x07, 100, 100},
                             {uint8_t(scenario == 1 ? 0 : 0x80), 0x07, start, 2048}};
        BootFixture f;
        const int n = f.addDisk(makeMbr(entries));
        std::memcpy(f.platform.data(n).data() + 2048 * 512, pbr.constData(), 512);
        // The boot code under test is the one the program writes.
        QVERIFY(MBRHandler().repairBootSector(n));
        const QString img = m_dir.filePath(QStringLiteral("qemu%1.img").arg(scenario));
        QVERIFY(saveDisk(f, n, img));
        const QString seen = bootInQemu(img, expected);
        QVERIFY2(seen.contains(expected), qPrintable(seen.right(600)));
        QCOMPARE(seen.contains(QStringLiteral("TESSARIN-PBR-OK")), scenario == 0);
    }

private:
    QTemporaryDir m_dir;
};

QTEST_GUILESS_MAIN(TestBootManager)
#include "tst_bootmanager.moc"
