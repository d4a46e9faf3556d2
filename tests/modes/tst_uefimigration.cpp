// A BIOS installation moved onto a UEFI disk by the system clone: where its partitions land, the
// new GPT with its EFI system and reserved partitions as sgdisk and the file-system checks see it,
// the boot files made offline, and the requests that stay refused.
#include "boot/bootabilitycheck.h"
#include "boot/boottoolavailability.h"
#include "clonefixture.h"
#include "modes/systemclonemode.h"
#include "common/scriptedcommandrunner.h"
#include "core/diskio.h"
#include "modes/uefimigrationlayout.h"
#include "modes/uefimigrationtarget.h"
#include "partition/diskpartpartitioningtool.h"
#include "ondisk/byteorder.h"

#include <QRegularExpression>

namespace {
enum Disk { Src, Dst, GptSrc };
using Mode = Tessarin::ResizeMode;
using Offsets = QList<uint64_t>;

PartitionInfo part(uint64_t startMiB, uint64_t bytes)
{
    PartitionInfo p;
    p.start512 = startMiB * MiB / 512;
    p.size = bytes;
    p.count512 = bytes / 512;
    return p;
}

struct Entry {
    uint64_t start = 0, end = 0;
    QString type;
};
} // namespace

class TestUefiMigration : public QObject {
    Q_OBJECT
    CloneFixture f;

    // Partitions of a GPT as sfdisk reads it: bytes and type GUID, in table order.
    QList<Entry> entriesOf(int disk)
    {
        const ToolRun d = runCaptured(QStringLiteral("sfdisk"), {QStringLiteral("-d"), f.paths[disk]});
        QList<Entry> out;
        static const QRegularExpression row(QStringLiteral("start=\\s*(\\d+), size=\\s*(\\d+), type=([0-9A-F-]+)"));
        for (const QRegularExpressionMatch& m : row.globalMatch(d.out))
            out.append({m.captured(1).toULongLong() * 512, (m.captured(1).toULongLong() + m.captured(2).toULongLong()) * 512,
                        m.captured(3)});
        return out;
    }

private slots:
    void initTestCase()
    {
        f.setUp({{320}, {600}, {320}}, {QStringLiteral("ntfscp"), QStringLiteral("mtype")});
    }

    void layout_data()
    {
        QTest::addColumn<QList<PartitionInfo>>("parts");
        QTest::addColumn<bool>("align");
        QTest::addColumn<int>("grow");
        QTest::addColumn<uint64_t>("usable");
        QTest::addColumn<Offsets>("want");  // empty: refused
        const uint64_t first = UefiMigrationLayout::FirstCopyOffset;
        QTest::newRow("windows behind the new partitions") << QList<PartitionInfo>{part(600, 80 * MiB)} << true << -1 << 2000 * MiB
                                                           << Offsets{first};
        QTest::newRow("second rounded up to a mebibyte") << QList<PartitionInfo>{part(100, 80 * MiB + 512), part(900, 30 * MiB)} << true
                                                         << -1 << 2000 * MiB << Offsets{first, first + 81 * MiB};
        QTest::newRow("second packed without alignment") << QList<PartitionInfo>{part(100, 80 * MiB + 512), part(900, 30 * MiB)} << false
                                                         << -1 << 2000 * MiB << Offsets{first, first + 80 * MiB + 512};
        QTest::newRow("grow: recovery to the end") << QList<PartitionInfo>{part(100, 80 * MiB), part(900, 30 * MiB)} << true << 0
                                                   << 2000 * MiB - 1 << Offsets{first, 1969 * MiB};
        QTest::newRow("exactly fits") << QList<PartitionInfo>{part(100, 80 * MiB)} << true << -1 << first + 80 * MiB << Offsets{first};
        QTest::newRow("one byte short") << QList<PartitionInfo>{part(100, 80 * MiB)} << true << -1 << first + 80 * MiB - 1 << Offsets{};
    }
    void layout()
    {
        QFETCH(QList<PartitionInfo>, parts);
        QFETCH(bool, align);
        QFETCH(int, grow);
        QFETCH(uint64_t, usable);
        QFETCH(Offsets, want);
        std::vector<UefiMigrationLayout::Placement> out;
        QString error;
        QCOMPARE(UefiMigrationLayout::place(parts, 512, align, usable, out, error, grow), !want.isEmpty());
        if (want.isEmpty()) {
            QVERIFY(error.contains(QStringLiteral("would exceed")));
            return;
        }
        Offsets got;
        for (const auto& at : out)
            got << at.targetOffset;
        QCOMPARE(got, want);
        // The new partitions come first and nothing overlaps.
        const auto entries = UefiMigrationLayout::entries(out);
        for (size_t i = 1; i < entries.size(); ++i)
            QVERIFY(entries[i - 1].offset + entries[i - 1].size <= entries[i].offset);
    }

    void migrates_data()
    {
        QTest::addColumn<int>("mode");
        QTest::newRow("keep only") << int(Mode::KeepOnly);
        QTest::newRow("expand windows") << int(Mode::ExpandSystem);
        QTest::newRow("data partition") << int(Mode::KeepAndCreateData);
    }
    // System Reserved stays behind; Windows lands behind the new EFI system and reserved partitions,
    // knows its new start, keeps every file, and after the boot repair the copy passes the check.
    void migrates()
    {
        if (!f.skip.isEmpty())
            QSKIP(qPrintable(f.skip));
        QFETCH(int, mode);
        // Recovery keeps its MBR type 27, which only its type marks as part of the installation.
        const Layout reserved{{"7", 50, "ntfs", false, 0, true, true}, {"7", 80, "ntfs", true, 110}, {"27", 30, "ntfs"}};
        QList<FileHashes> files;
        f.buildSource(Src, false, reserved, files);
        if (QTest::currentTestFailed())
            return;
        // The boot manager Windows keeps for UEFI machines.
        const QString manager = f.dir.filePath(QStringLiteral("bootmgfw.efi"));
        QFile out(manager);
        QVERIFY(out.open(QIODevice::WriteOnly) && out.write(QByteArray(70000, 'M')) == 70000);
        out.close();
        const uint64_t windowsAt = CloneFixture::offsets(reserved)[1];
        FileHashes windowsFiles;
        {
            LoopDevice win(f.files[Src], false, 0, qint64(windowsAt), qint64(80 * MiB));
            Mount m(win.device(), f.dir.filePath(QStringLiteral("mnt")), {}, QStringLiteral("ntfs-3g"));
            QVERIFY2(m.ok(), qPrintable(m.error()));
            QVERIFY(QDir(m.point()).mkpath(QStringLiteral("Windows/Boot/EFI")));
            QVERIFY(QFile::copy(manager, m.point() + QStringLiteral("/Windows/Boot/EFI/bootmgfw.efi")));
            windowsFiles = CloneFixture::hashTree(m.point());
        }
        f.settle(Src);
        const QByteArray sourceHash = f.hash(f.files[Src]);
        QVERIFY(writeFileBytes(f.files[Dst], 0, QByteArray(MiB, char(0xA5))));

        SystemCloneMode m;
        m.setResizeMode(Mode(mode));
        QString error;
        QVERIFY2(f.run(m, Src, Dst, true, error, [](CloneConfig& c) { c.targetBootMode = Tessarin::TargetBootMode::Uefi; }), qPrintable(error));
        QCOMPARE(f.hash(f.files[Src]), sourceHash);
        QVERIFY(m.plan().table.join(QLatin1Char('\n')).contains(QStringLiteral("BIOS-to-UEFI migration")));

        f.checkGpt(Dst);
        const QList<Entry> entries = entriesOf(Dst);
        QCOMPARE(entries.size(), Mode(mode) == Mode::KeepAndCreateData ? 5 : 4);
        QCOMPARE(entries[0].type, QString::fromLatin1(Tessarin::EfiTypeText));
        QCOMPARE(entries[0].start, MiB);
        QCOMPARE(entries[0].end - entries[0].start, UefiMigrationLayout::EspBytes);
        QCOMPARE(entries[1].type, QString::fromLatin1(Tessarin::MsrTypeText));
        QCOMPARE(entries[1].end - entries[1].start, UefiMigrationLayout::MsrBytes);
        QCOMPARE(entries[2].type, QString::fromLatin1(Tessarin::BasicDataTypeText));
        QCOMPARE(entries[2].start, UefiMigrationLayout::FirstCopyOffset);
        QCOMPARE(entries[3].type, QString::fromLatin1(Tessarin::RecoveryTypeText));
        QCOMPARE(entries[3].end - entries[3].start, 30 * MiB);
        if (Mode(mode) == Mode::ExpandSystem) {
            // Recovery goes to the end and Windows grows up to it.
            QVERIFY(entries[3].start > 560 * MiB);
            QCOMPARE(entries[2].end, entries[3].start);
        } else {
            QCOMPARE(entries[2].end - entries[2].start, 80 * MiB);
            QCOMPARE(entries[3].start, entries[2].end);
        }
        for (int i : {2, 3})
            QCOMPARE(ByteOrder::get32(reinterpret_cast<const uint8_t*>(readFileBytes(f.files[Dst], qint64(entries[i].start) + 28, 4).constData())),
                     uint32_t(entries[i].start / 512));
        f.checkVolume(Dst, entries[3].start, entries[3].end - entries[3].start, QStringLiteral("ntfs"), files[2]);
        if (Mode(mode) == Mode::KeepAndCreateData) {
            // The data partition fills the rest as a GPT basic data partition with its own volume.
            QCOMPARE(entries[4].type, QString::fromLatin1(Tessarin::BasicDataTypeText));
            QVERIFY(entries[4].start >= entries[3].end && entries[4].end > 590 * MiB);
            QVERIFY2(m.warnings().isEmpty(), qPrintable(m.warnings().join(QLatin1Char('\n'))));
            LoopDevice data(f.files[Dst], false, 0, qint64(entries[4].start), qint64(entries[4].end - entries[4].start));
            QString out;
            QVERIFY2(runTool(QStringLiteral("ntfsfix"), {QStringLiteral("-n"), data.device()}, &out) == 0, qPrintable(out));
        }
        f.checkVolume(Dst, entries[2].start, entries[2].end - entries[2].start, QStringLiteral("ntfs"), windowsFiles);
        LoopDevice esp(f.files[Dst], false, 0, qint64(MiB), qint64(UefiMigrationLayout::EspBytes));
        QString fsck;
        QVERIFY2(runTool(QStringLiteral("fsck.fat"), {QStringLiteral("-n"), esp.device()}, &fsck) == 0, qPrintable(fsck));

        if (BootToolAvailability::allAvailable())
            return;
        QVERIFY2(m.repairBoot(), qPrintable(m.lastError()));
        QVERIFY(m.bootRepaired());
        for (const QString& loader : {QStringLiteral("EFI/Boot/bootx64.efi"), QStringLiteral("EFI/Microsoft/Boot/bootmgfw.efi")}) {
            const QString copied = f.dir.filePath(QStringLiteral("copied.efi"));
            QFile::remove(copied);
            QCOMPARE(runTool(QStringLiteral("mcopy"), {QStringLiteral("-i"), esp.device(), QStringLiteral("::") + loader, copied}), 0);
            QCOMPARE(f.hash(copied), f.hash(manager));
        }
        QVERIFY2(runTool(QStringLiteral("fsck.fat"), {QStringLiteral("-n"), esp.device()}, &fsck) == 0, qPrintable(fsck));
        const auto findings = BootabilityCheck::checkDisk(Dst);
        QStringList lines;
        for (const auto& finding : findings)
            lines << finding.text;
        QVERIFY2(BootabilityCheck::passed(findings), qPrintable(lines.join(QLatin1Char('\n'))));
        // The loader's two devices name the copy; the boot manager runs from whatever started it.
        QVERIFY2(lines.join(QLatin1Char('\n')).contains(QStringLiteral("2 device elements name partitions of this disk")),
                 qPrintable(lines.join(QLatin1Char('\n'))));
    }

    // Without the UEFI boot manager on the copy, the boot repair fails and says what is missing.
    void repairWithoutBootManagerFails()
    {
        if (!f.skip.isEmpty())
            QSKIP(qPrintable(f.skip));
        if (BootToolAvailability::allAvailable())
            QSKIP("the Windows boot tools are present: bcdboot makes the boot files");
        QList<FileHashes> files;
        f.buildSource(Src, false, {{"7", 80, "ntfs", true}}, files);
        SystemCloneMode m;
        m.setResizeMode(Mode::KeepOnly);
        QString error;
        QVERIFY2(f.run(m, Src, Dst, true, error, [](CloneConfig& c) { c.targetBootMode = Tessarin::TargetBootMode::Uefi; }), qPrintable(error));
        QVERIFY(!m.repairBoot());
        QVERIFY2(m.lastError().contains(QStringLiteral("Windows/Boot/EFI/bootmgfw.efi")), qPrintable(m.lastError()));
        QVERIFY(!BootabilityCheck::passed(BootabilityCheck::checkDisk(Dst)));
    }

    // On Windows the new EFI system partition is formatted by diskpart: the partition the target's
    // table holds at 1 MiB, with FAT32; without one there, nothing is formatted. diskpart answers
    // in French, which nothing reads.
    void espFormattedByDiskpart_data()
    {
        QTest::addColumn<QStringList>("table");  // sgdisk arguments
        QTest::addColumn<QString>("script");      // empty: refused
        QTest::newRow("esp at 1 MiB") << QStringList{"-n", "1:2048:+260M", "-t", "1:ef00", "-n", "2:0:+16M", "-t", "2:0c01",
                                                     "-n", "3:0:+80M", "-t", "3:0700"}
                                      << QStringLiteral("select partition 1\nformat fs=fat32 label=\"SYSTEM\" quick\n");
        QTest::newRow("nothing at 1 MiB") << QStringList{"-n", "4:567296:+80M", "-t", "4:0700"} << QString();
    }
    void espFormattedByDiskpart()
    {
        if (!f.skip.isEmpty())
            QSKIP(qPrintable(f.skip));
        QFETCH(QStringList, table);
        QFETCH(QString, script);
        QVERIFY(sgdiskRun(f.files[Dst], QStringList{"-o"} + table));
        ScriptedCommandRunner runner;
        ScopedCommandRunner commands(&runner);
        DiskpartPartitioningTool diskpart;
        ScopedPartitioningTool tool(&diskpart);
        runner.setResponder([&](const CommandRequest&, const QString&) {
            return ScriptedCommandRunner::result(0, QByteArray("  Partition ###  Type              Taille   Décalage\r\n"
                                                               "  Partition 4    Principale          80 Mo   277 Mo\r\n"
                                                               "  100 pour cent effectués\r\n"));
        });
        DiskIO io;
        QVERIFY(io.openTargetDisk(Dst));
        UefiMigrationTarget target(io, Dst, 512);
        QCOMPARE(target.formatEsp(), !script.isEmpty());
        QVERIFY(io.hasTarget());
        const QList<ScriptedCommandRunner::Call> calls = runner.calls();
        QCOMPARE(calls.size(), script.isEmpty() ? 0 : 1);
        if (!script.isEmpty())
            QVERIFY2(calls.last().scriptText.endsWith(script), qPrintable(calls.last().scriptText));
    }

    void refusals_data()
    {
        QTest::addColumn<int>("src");
        QTest::addColumn<bool>("uefi");
        QTest::addColumn<bool>("sbs");
        QTest::addColumn<QString>("refusal");
        QTest::newRow("gpt source, legacy target") << int(GptSrc) << false << false << QStringLiteral("requires an MBR source");
        QTest::newRow("sector by sector") << int(Src) << true << true << QStringLiteral("a sector-by-sector copy cannot do that");
    }
    void refusals()
    {
        if (!f.skip.isEmpty())
            QSKIP(qPrintable(f.skip));
        QFETCH(int, src);
        QFETCH(bool, uefi);
        QFETCH(bool, sbs);
        QFETCH(QString, refusal);
        QList<FileHashes> files;
        if (src == GptSrc)
            f.buildSource(GptSrc, true, {{"ef00", 40, "fat32"}, {"0700", 80, "ntfs", true}}, files);
        else
            f.buildSource(Src, false, {{"7", 80, "ntfs", true}}, files);
        QVERIFY(writeFileBytes(f.files[Dst], 0, QByteArray(MiB, char(0x5A))));
        const QByteArray targetHash = f.hash(f.files[Dst]);
        SystemCloneMode m;
        QString error;
        QVERIFY(!f.run(m, src, Dst, true, error, [&](CloneConfig& c) {
            c.targetBootMode = uefi ? Tessarin::TargetBootMode::Uefi : Tessarin::TargetBootMode::Legacy;
            c.sectorBySector = sbs;
        }));
        QVERIFY2(error.contains(refusal), qPrintable(error));
        QCOMPARE(f.hash(f.files[Dst]), targetHash);
    }
};

QTEST_GUILESS_MAIN(TestUefiMigration)
#include "tst_uefimigration.moc"
