// Clones that boot: small UEFI and BIOS test disks made here, copied by the disk clone and the
// system clone (onto larger disks, with a partition moved), and started under qemu. Each copy must
// reach the test program on it: a UEFI application on the EFI system partition, or a boot sector
// that finds itself through its hidden sectors. A BIOS disk moved to UEFI by the system clone must
// start from the boot manager its Windows keeps for UEFI machines.
#include "clonefixture.h"
#include "common/hivefixture.h"
#include "boot/bootabilitycheck.h"
#include "boot/mbrbootcode.h"
#include "modes/diskclonemode.h"
#include "modes/systemclonemode.h"
#include "ondisk/byteorder.h"

namespace {
enum Disk { Src, Dst };
const QString Marker = QStringLiteral("TESSARIN-BOOT-OK");
const QString Firmware = QStringLiteral("/usr/share/ovmf/OVMF.fd");
constexpr int BootCodeOffset = 90;
constexpr int HiddenSectorsOffset = 28;  // where the FAT32 jump lands; NTFS's jump is pointed there too
}

QString describe(const std::vector<BootabilityCheck::Finding>& findings)
{
    QStringList lines;
    for (const auto& finding : findings)
        lines << BootabilityCheck::severityName(finding.severity) + QStringLiteral(": ") + finding.text;
    return lines.join(QLatin1Char('\n'));
}

class TestVmBoot : public QObject {
    Q_OBJECT
    CloneFixture f;
    QString m_efiApp;
    QByteArray m_bootCode;

    // What the machine printed on its serial port before it powered off (or the time ran out).
    QString boot(int disk, bool uefi)
    {
        QStringList args{QStringLiteral("-accel"), QStringLiteral("tcg"), QStringLiteral("-m"), QStringLiteral("256"),
                         QStringLiteral("-nographic"), QStringLiteral("-no-reboot"), QStringLiteral("-net"), QStringLiteral("none"),
                         QStringLiteral("-drive"), QStringLiteral("file=%1,format=raw,if=%2").arg(f.files[disk], uefi ? QStringLiteral("virtio") : QStringLiteral("ide"))};
        if (uefi)
            args << QStringLiteral("-bios") << Firmware;
        else
            args << QStringLiteral("-device") << QStringLiteral("isa-debug-exit,iobase=0xf4,iosize=0x04");
        const ToolRun run = runCaptured(QStringLiteral("timeout"), QStringList{QStringLiteral("90"), QStringLiteral("qemu-system-x86_64")} + args);
        return run.out;
    }

    // A boot store as Windows leaves one: the boot manager on the first partition, its default
    // loader (application and OS device) on the Windows partition, both named by the source's identity.
    QString makeStore(const Layout& layout, bool uefi)
    {
        using namespace hivefixture;
        const QList<uint64_t> at = CloneFixture::offsets(layout);
        int windows = 0;
        for (int i = 0; i < layout.size(); ++i)
            if (layout[i].windows)
                windows = i;
        auto named = [&](int i) {
            if (!uefi)
                return device(1, le(at[i], 8), readFileBytes(f.files[Src], 440, 4));
            return device(0, readFileBytes(f.files[Src], 1024 + 128 * i + 16, 16), readFileBytes(f.files[Src], 512 + 56, 16));
        };
        const QString manager = QStringLiteral("%1\\Objects\\{9dea862c-5cdd-4e70-acc1-f32b344d4795}\\Elements").arg(Prefix);
        const QString loader = QStringLiteral("%1\\Objects\\{7619dcc9-fafe-11d9-b411-000476eba25f}\\Elements").arg(Prefix);
        const QString reg = QStringLiteral("[%1\\11000001]\n\"Element\"=hex:%2\n\n"
                                           "[%1\\23000003]\n\"Element\"=\"{7619dcc9-fafe-11d9-b411-000476eba25f}\"\n\n"
                                           "[%3\\11000001]\n\"Element\"=hex:%4\n\n"
                                           "[%3\\21000001]\n\"Element\"=hex:%4\n\n")
                                .arg(manager, regHex(named(0)), loader, regHex(named(windows)));
        const QString store = f.dir.filePath(QStringLiteral("BCD"));
        QFile::remove(store);
        makeHive(store, reg);
        return store;
    }

    // The test program onto the source: the UEFI application as the fallback loader, or the boot
    // code into the active volume's boot sector; with `uefiManager` also as the Windows volume's
    // UEFI boot manager.
    void install(const Layout& layout, bool uefi, bool uefiManager = false)
    {
        const QList<uint64_t> at = CloneFixture::offsets(layout);
        for (int i = 0; i < layout.size(); ++i) {
            if (uefi && layout[i].type == QLatin1String("ef00")) {
                LoopDevice esp(f.files[Src], false, 0, qint64(at[i]), qint64(layout[i].mib * MiB));
                QVERIFY2(esp.ok(), qPrintable(esp.error()));
                QCOMPARE(runTool(QStringLiteral("mmd"), {QStringLiteral("-i"), esp.device(), QStringLiteral("::EFI"), QStringLiteral("::EFI/Boot")}), 0);
                QCOMPARE(runTool(QStringLiteral("mcopy"), {QStringLiteral("-i"), esp.device(), m_efiApp, QStringLiteral("::EFI/Boot/bootx64.efi")}), 0);
                QCOMPARE(runTool(QStringLiteral("mmd"), {QStringLiteral("-i"), esp.device(), QStringLiteral("::EFI/Microsoft"), QStringLiteral("::EFI/Microsoft/Boot")}), 0);
                QCOMPARE(runTool(QStringLiteral("mcopy"), {QStringLiteral("-i"), esp.device(), makeStore(layout, uefi), QStringLiteral("::EFI/Microsoft/Boot/BCD")}), 0);
            }
            if (!uefi && i == 0) {
                LoopDevice part(f.files[Src], false, 0, qint64(at[i]), qint64(layout[i].mib * MiB));
                QVERIFY2(part.ok(), qPrintable(part.error()));
                Mount m(part.device(), f.dir.filePath(QStringLiteral("mnt")), {}, QStringLiteral("ntfs-3g"));
                QVERIFY2(m.ok(), qPrintable(m.error()));
                QVERIFY(QDir(m.point()).mkpath(QStringLiteral("Boot")));
                QFile::remove(m.point() + QStringLiteral("/Boot/BCD"));  // a System Reserved partition has one already
                QVERIFY(QFile::copy(makeStore(layout, uefi), m.point() + QStringLiteral("/Boot/BCD")));
                if (uefiManager) {
                    QVERIFY(QDir(m.point()).mkpath(QStringLiteral("Windows/Boot/EFI")));
                    QVERIFY(QFile::copy(m_efiApp, m.point() + QStringLiteral("/Windows/Boot/EFI/bootmgfw.efi")));
                }
            }
            if (!uefi && layout[i].fs == QLatin1String("ntfs")) {
                // As an installer leaves it: every volume knows where it starts.
                QByteArray start(4, 0);
                ByteOrder::put32(reinterpret_cast<uint8_t*>(start.data()), uint32_t(at[i] / 512));
                QVERIFY(writeFileBytes(f.files[Src], qint64(at[i]) + HiddenSectorsOffset, start));
            }
            if (!uefi && i == 0) {
                QVERIFY(writeFileBytes(f.files[Src], qint64(at[i]), QByteArray("\xEB\x58\x90", 3)));
                QVERIFY(writeFileBytes(f.files[Src], qint64(at[i]) + BootCodeOffset, m_bootCode));
            }
        }
        // A BIOS starts the first partition ("System Reserved"), whatever buildSource marked.
        for (int i = 0; !uefi && i < layout.size(); ++i)
            QVERIFY(writeFileBytes(f.files[Src], 446 + 16 * i, QByteArray(1, i == 0 ? char(0x80) : char(0))));
        if (!uefi)
            QVERIFY(writeFileBytes(f.files[Src], 0, QByteArray(reinterpret_cast<const char*>(MbrBootCode::Bootstrap), MbrBootCode::BootstrapSize)));
        f.settle(Src);
    }

private slots:
    void initTestCase()
    {
        f.setUp({{240}, {400}}, {QStringLiteral("qemu-system-x86_64"), QStringLiteral("nasm"), QStringLiteral("x86_64-w64-mingw32-gcc"),
                                 QStringLiteral("mmd"), QStringLiteral("timeout")});
        if (f.skip.isEmpty() && !QFileInfo::exists(Firmware))
            f.skip = QStringLiteral("no UEFI firmware at %1 (Debian package ovmf)").arg(Firmware);
        if (!f.skip.isEmpty())
            return;
        const QString src = qEnvironmentVariable("TESSARIN_SOURCE_DIR") + QStringLiteral("/tests/modes/vm/");
        m_efiApp = f.dir.filePath(QStringLiteral("bootx64.efi"));
        QString out;
        QVERIFY2(runTool(QStringLiteral("x86_64-w64-mingw32-gcc"),
                         {QStringLiteral("-O2"), QStringLiteral("-ffreestanding"), QStringLiteral("-nostdlib"), QStringLiteral("-fno-stack-protector"),
                          QStringLiteral("-mno-red-zone"), QStringLiteral("-fshort-wchar"), QStringLiteral("-Wl,--subsystem,10"),
                          QStringLiteral("-e"), QStringLiteral("efi_main"), QStringLiteral("-o"), m_efiApp, src + QStringLiteral("markerapp.c")}, &out) == 0,
                 qPrintable(out));
        const QString code = f.dir.filePath(QStringLiteral("markerboot.bin"));
        QVERIFY2(runTool(QStringLiteral("nasm"), {QStringLiteral("-f"), QStringLiteral("bin"), QStringLiteral("-o"), code, src + QStringLiteral("markerboot.asm")}, &out) == 0,
                 qPrintable(out));
        QFile file(code);
        QVERIFY(file.open(QIODevice::ReadOnly));
        m_bootCode = file.readAll();
        QVERIFY(!m_bootCode.isEmpty() && m_bootCode.size() <= 510 - BootCodeOffset);
    }

    void boots_data()
    {
        QTest::addColumn<bool>("system");
        QTest::addColumn<Layout>("layout");
        QTest::addColumn<bool>("toUefi");  // a BIOS source moved to UEFI
        const Layout uefi{{"ef00", 40, "fat32"}, {"0700", 90, "ntfs", true}};
        const Layout uefiGap{{"ef00", 40, "fat32"}, {"0700", 90, "ntfs", true, 101}};
        const Layout bios{{"7", 120, "ntfs", true}};
        QTest::newRow("uefi disk clone") << false << uefi << false;
        QTest::newRow("uefi system clone, partition moved") << true << uefiGap << false;
        QTest::newRow("bios disk clone") << false << bios << false;
        QTest::newRow("bios system clone") << true << bios << false;
        // Boot manager and store on an active "System Reserved" volume, Windows on the next one.
        const Layout reserved{{"7", 50, "ntfs", false, 0, true, true}, {"7", 120, "ntfs", true}};
        QTest::newRow("bios system clone, System Reserved") << true << reserved << false;
        QTest::newRow("bios system clone moved to uefi") << true << bios << true;
    }
    void boots()
    {
        if (!f.skip.isEmpty())
            QSKIP(qPrintable(f.skip));
        QFETCH(bool, system);
        QFETCH(Layout, layout);
        QFETCH(bool, toUefi);
        const bool uefi = layout[0].type.size() == 4;
        const bool targetUefi = uefi || toUefi;
        QList<FileHashes> files;
        f.buildSource(Src, uefi, layout, files);
        install(layout, uefi, toUefi);
        if (QTest::currentTestFailed())
            return;
        QVERIFY(QFile::resize(f.files[Dst], 0) && QFile::resize(f.files[Dst], qint64(400 * MiB)));
        QVERIFY2(boot(Src, uefi).contains(Marker), "the test disk itself does not boot");

        QString error;
        std::unique_ptr<CloneMode> mode;
        if (system) {
            auto* m = new SystemCloneMode;
            m->setResizeMode(Tessarin::ResizeMode::KeepOnly);
            mode.reset(m);
        } else {
            mode.reset(new DiskCloneMode);
        }
        QVERIFY2(f.run(*mode, Src, Dst, true, error, [&](CloneConfig& c) {
            c.targetBootMode = targetUefi ? Tessarin::TargetBootMode::Uefi : Tessarin::TargetBootMode::Legacy;
        }), qPrintable(error));
        // Until the repair, the copy's boot store still names the source's partitions.
        QVERIFY(!BootabilityCheck::passed(BootabilityCheck::checkDisk(Dst)));
        // Boot repair as the worker runs it; without Windows tools it works on the copy's files.
        QVERIFY2(mode->repairBoot(), qPrintable(mode->lastError()));
        const auto findings = BootabilityCheck::checkDisk(Dst);
        // A UEFI repair leaves the boot manager on whatever device it was started from.
        const QString resolved = QStringLiteral("%1 device elements name partitions of this disk").arg(targetUefi ? 2 : 3);
        QVERIFY2(describe(findings).contains(resolved), qPrintable(describe(findings)));
        const QString out = boot(Dst, targetUefi);
        QVERIFY2(out.contains(Marker), qPrintable(out.right(300) + QLatin1Char('\n') + describe(findings)));
        QVERIFY2(BootabilityCheck::passed(findings), qPrintable(describe(findings)));
        if (targetUefi) {
            // Without its backup table the copy still starts, but the check must not pass it.
            const qint64 last = QFileInfo(f.files[Dst]).size() - 512;
            QVERIFY(writeFileBytes(f.files[Dst], last, QByteArray(512, 0)));
            QVERIFY(!BootabilityCheck::passed(BootabilityCheck::checkDisk(Dst)));
            return;
        }
        // The same copy with its volume sent to the wrong place must not find itself.
        const QByteArray table = readFileBytes(f.files[Dst], 446, 64);
        for (int i = 0; i < 4; ++i) {
            const qint64 start = qint64(ByteOrder::get32(reinterpret_cast<const uint8_t*>(table.constData()) + i * 16 + 8)) * 512;
            if (start && readFileBytes(f.files[Dst], start + 3, 4) == "NTFS")
                QVERIFY(writeFileBytes(f.files[Dst], start + HiddenSectorsOffset, QByteArray(4, 0)));
        }
        QVERIFY(!boot(Dst, uefi).contains(Marker));
        QVERIFY(!BootabilityCheck::passed(BootabilityCheck::checkDisk(Dst)));
    }
};

QTEST_GUILESS_MAIN(TestVmBoot)
#include "tst_vmboot.moc"
