// System clones end to end on sparse images and 4096-byte loop devices; the layout rules with
// plain numbers.
#include "boot/bootabilitycheck.h"
#include "boot/boottoolavailability.h"
#include "clonefixture.h"
#include "modes/systemclonelayout.h"
#include "modes/systemclonemode.h"
#include "ondisk/byteorder.h"

#include <QRegularExpression>
#include <QScopeGuard>

namespace {
enum Disk { Src, Dst, Small, Src4k, Dst4k };
using Mode = Tessarin::ResizeMode;
using Span = QPair<uint64_t, uint64_t>;

PartitionInfo part(uint64_t startMiB, uint64_t sizeMiB, uint64_t extraBytes = 0)
{
    PartitionInfo p;
    p.start512 = startMiB * MiB / 512;
    p.size = sizeMiB * MiB + extraBytes;
    p.count512 = p.size / 512;
    return p;
}
} // namespace

class TestSystemClone : public QObject {
    Q_OBJECT
    CloneFixture f;

    bool clone(SystemCloneMode& m, int src, int dst, bool smart, Mode mode, QString& error,
               const std::function<void(CloneConfig&)>& edit = {})
    {
        m.setResizeMode(mode);
        m.setDataPartitionLabel(QStringLiteral("Files"));
        return f.run(m, src, dst, smart, error, [&](CloneConfig& c) {
            c.targetBootMode = c.sourceDisk.partitionStyle == Tessarin::PartitionStyle::MBR ? Tessarin::TargetBootMode::Legacy
                                                                                          : Tessarin::TargetBootMode::Uefi;
            if (edit)
                edit(c);
        });
    }

    // Partitions of a disk as sfdisk reads its table (GPT or MBR): first and end byte, sorted.
    QList<Span> tableOf(int disk)
    {
        const ToolRun d = runCaptured(QStringLiteral("sfdisk"), {QStringLiteral("-d"), f.paths[disk]});
        QList<Span> out;
        static const QRegularExpression row(QStringLiteral("start=\\s*(\\d+), size=\\s*(\\d+)"));
        for (const QRegularExpressionMatch& m : row.globalMatch(d.out))
            out.append({m.captured(1).toULongLong() * f.sectors[disk],
                        (m.captured(1).toULongLong() + m.captured(2).toULongLong()) * f.sectors[disk]});
        std::sort(out.begin(), out.end());
        return out;
    }

private slots:
    // Where partitions land: a gap of exactly 100 MiB stays, one byte more is closed to the next
    // mebibyte (or sector without align4K); a layout past the target is refused. With a partition
    // to grow, those behind it go to the target's end and it may fill the space up to them.
    void layout_data()
    {
        QTest::addColumn<QList<PartitionInfo>>("parts");
        QTest::addColumn<bool>("align4K");
        QTest::addColumn<uint64_t>("targetBytes");
        QTest::addColumn<int>("grow");
        QTest::addColumn<QList<uint64_t>>("expected");  // target offsets; empty: refused
        QTest::addColumn<uint64_t>("grownSize");        // of the partition `grow`
        const uint64_t odd = 3 * 512;  // first partition ends off a mebibyte boundary
        const QList<PartitionInfo> windows{part(1, 40), part(41, 80), part(121, 30), part(151, 20, odd)};
        QTest::newRow("gap 100 MiB kept") << QList<PartitionInfo>{part(1, 40), part(141, 80)} << true << 400 * MiB << -1
                                          << QList<uint64_t>{MiB, 141 * MiB} << uint64_t(0);
        QTest::newRow("gap 100 MiB + 1 sector moved") << QList<PartitionInfo>{part(1, 40, odd), part(142, 80)} << true
                                                      << 400 * MiB << -1 << QList<uint64_t>{MiB, 42 * MiB} << uint64_t(0);
        QTest::newRow("moved without align4K") << QList<PartitionInfo>{part(1, 40, odd), part(142, 80)} << false
                                               << 400 * MiB << -1 << QList<uint64_t>{MiB, 41 * MiB + odd} << uint64_t(0);
        QTest::newRow("beyond target") << QList<PartitionInfo>{part(1, 40), part(100, 80)} << true << 179 * MiB << -1
                                       << QList<uint64_t>{} << uint64_t(0);
        QTest::newRow("grow: the partitions behind go to the end") << windows << true << 400 * MiB << 1
                                                                   << QList<uint64_t>{MiB, 41 * MiB, 349 * MiB, 379 * MiB}
                                                                   << 308 * MiB;
        QTest::newRow("grow without align4K: the last ends at the end") << windows << false << 400 * MiB << 1
                                                                        << QList<uint64_t>{MiB, 41 * MiB, 350 * MiB - odd, 380 * MiB - odd}
                                                                        << 309 * MiB - odd;
        QTest::newRow("grow the last: up to the target's end") << windows << true << 400 * MiB + odd << 3
                                                               << QList<uint64_t>{MiB, 41 * MiB, 121 * MiB, 151 * MiB}
                                                               << 249 * MiB + odd;
        QTest::newRow("grow: no room, all stay") << windows << true << 171 * MiB + odd << 1
                                                 << QList<uint64_t>{MiB, 41 * MiB, 121 * MiB, 151 * MiB} << 80 * MiB;
    }
    void layout()
    {
        QFETCH(QList<PartitionInfo>, parts);
        QFETCH(bool, align4K);
        QFETCH(uint64_t, targetBytes);
        QFETCH(int, grow);
        QFETCH(QList<uint64_t>, expected);
        QFETCH(uint64_t, grownSize);
        std::vector<SystemCloneLayout::Placement> out;
        QString error;
        const bool ok = SystemCloneLayout::place(parts, 512, align4K, targetBytes, out, error, grow);
        QCOMPARE(ok, !expected.isEmpty());
        QCOMPARE(error.isEmpty(), ok);
        for (int i = 0; ok && i < expected.size(); ++i)
            QCOMPARE(out[size_t(i)].targetOffset, expected[i]);
        if (grow >= 0)
            QCOMPARE(SystemCloneLayout::grownSize(out, grow, 512, targetBytes), grownSize);
    }

    void initTestCase()
    {
        f.setUp({{320}, {480}, {150}, {320, 4096, true, true}, {320, 4096, true}}, {QStringLiteral("ntfsresize"), QStringLiteral("ntfslabel")});
    }

    void clones_data()
    {
        QTest::addColumn<int>("src");
        QTest::addColumn<int>("dst");
        QTest::addColumn<Layout>("layout");
        QTest::addColumn<bool>("smart");
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("sbs");  // sector by sector: every partition in place, the data one too
        // The Windows volume behind a gap over 100 MiB moves up; the data partition stays behind.
        const Layout sample{{"ef00", 40, "fat32"}, {"0c01", 16, ""}, {"0700", 80, "ntfs", true, 110},
                            {"2700", 30, "ntfs"}, {"0700", 40, "ntfs", false, 0, false}};
        // A FAT32 recovery partition moves (boot sector and its backup); Windows behind it stays in place.
        const Layout windowsLast{{"ef00", 40, "fat32"}, {"0c01", 16, ""}, {"2700", 40, "fat32", false, 110},
                                 {"0700", 80, "ntfs", true}, {"0700", 30, "ntfs", false, 0, false}};
        const Layout mbr{{"c", 40, "fat32", false, 0, false}, {"7", 80, "ntfs", true, 110}};
        // System Reserved holds the boot manager and starts the machine; Windows lies behind a gap and moves up.
        const Layout reserved{{"7", 50, "ntfs", false, 0, true, true}, {"7", 80, "ntfs", true, 110}, {"7", 30, "ntfs", false, 0, false}};
        const Layout gpt4k{{"0c01", 16, ""}, {"0700", 80, "ntfs", true, 120}, {"0700", 60, "ntfs", false, 0, false}};
        QTest::newRow("gpt smart keep only") << int(Src) << int(Dst) << sample << true << int(Mode::KeepOnly) << false;
        QTest::newRow("gpt full keep only") << int(Src) << int(Dst) << sample << false << int(Mode::KeepOnly) << false;
        QTest::newRow("gpt data partition") << int(Src) << int(Dst) << sample << true << int(Mode::KeepAndCreateData) << false;
        QTest::newRow("gpt expand system") << int(Src) << int(Dst) << windowsLast << true << int(Mode::ExpandSystem) << false;
        QTest::newRow("gpt sector by sector") << int(Src) << int(Dst) << sample << true << int(Mode::KeepAndCreateData) << true;
        QTest::newRow("mbr legacy") << int(Src) << int(Dst) << mbr << true << int(Mode::KeepOnly) << false;
        QTest::newRow("mbr system reserved") << int(Src) << int(Dst) << reserved << true << int(Mode::KeepOnly) << false;
        QTest::newRow("mbr data partition") << int(Src) << int(Dst) << mbr << true << int(Mode::KeepAndCreateData) << false;
        QTest::newRow("mbr system reserved data partition") << int(Src) << int(Dst) << reserved << true
                                                            << int(Mode::KeepAndCreateData) << false;
        QTest::newRow("gpt 4096") << int(Src4k) << int(Dst4k) << gpt4k << true << int(Mode::KeepOnly) << false;
    }
    void clones()
    {
        if (!f.skip.isEmpty())
            QSKIP(qPrintable(f.skip));
        QFETCH(int, src);
        QFETCH(int, dst);
        QFETCH(Layout, layout);
        QFETCH(bool, smart);
        QFETCH(int, mode);
        QFETCH(bool, sbs);
        const bool gpt = layout[0].type.size() == 4;  // sgdisk codes; MBR types are one digit
        if (sbs)
            for (PartSpec& p : layout)
                p.system = true;
        QList<FileHashes> files;
        f.buildSource(src, gpt, layout, files);
        if (QTest::currentTestFailed())
            return;
        QVERIFY(writeFileBytes(f.files[dst], qint64(300 * MiB), QByteArray(4 * MiB, char(0xA5))));
        const QByteArray sourceHash = f.hash(f.files[src]);
        QString error;
        SystemCloneMode m;
        f.log.mark();
        QVERIFY2(clone(m, src, dst, smart, Mode(mode), error, [&](CloneConfig& c) { c.sectorBySector = sbs; }), qPrintable(error));
        QCOMPARE(f.hash(f.files[src]), sourceHash);
        // An unlabelled boot partition is named for what it is.
        if (std::any_of(layout.begin(), layout.end(), [](const PartSpec& p) { return p.bootFiles; }))
            QVERIFY(f.log.since().contains(QStringLiteral("Found system partition: System Reserved")));

        // Expected target places: packed behind a large gap, in place otherwise.
        const uint32_t ss = f.sectors[dst];
        const QList<uint64_t> at = CloneFixture::offsets(layout);
        QList<Span> want;
        for (int i = 0; i < layout.size(); ++i) {
            if (!layout[i].system)
                continue;
            const uint64_t to = !sbs && layout[i].gapBefore > 100 && !want.isEmpty() ? (want.last().second + MiB - 1) / MiB * MiB : at[i];
            want.append({to, to + layout[i].mib * MiB});
        }
        if (gpt)
            f.checkGpt(dst);
        QList<Span> entries = tableOf(dst);
        if (Mode(mode) == Mode::ExpandSystem) {
            QVERIFY(entries.last().second > want.last().second + 100 * MiB);
            // The grown volume's file system is enlarged after the copy: none of its space is discarded.
            for (const ByteRange& r : m.plan().unwrittenRanges(ss))
                QVERIFY(r.offset + r.length <= want.last().first || r.offset >= want.last().second);
            want.last().second = entries.last().second;
        }
        if (Mode(mode) == Mode::KeepAndCreateData && !sbs) {  // sector by sector makes none
            QCOMPARE(entries.size(), want.size() + 1);
            const Span data = entries.takeLast();
            QVERIFY(data.first >= want.last().second);
            QCOMPARE(data.first % MiB, 0u);
            LoopDevice dev(f.files[dst], false, 0, qint64(data.first), qint64(data.second - data.first));
            QString out;
            QVERIFY2(runTool(QStringLiteral("ntfsfix"), {QStringLiteral("-n"), dev.device()}, &out) == 0, qPrintable(out));
            QVERIFY(runTool(QStringLiteral("ntfslabel"), {dev.device()}, &out) == 0);
            QCOMPARE(out.trimmed(), QStringLiteral("Files"));
            // BIOS boots find a volume through its hidden sectors.
            QCOMPARE(ByteOrder::get32(reinterpret_cast<const uint8_t*>(
                         readFileBytes(f.files[dst], qint64(data.first) + 28, 4).constData())),
                     uint32_t(data.first / ss));
            if (!gpt) {
                // One primary NTFS entry over the new space, not active, none further.
                const QByteArray table = readFileBytes(f.files[dst], 0, 512);
                int found = 0;
                for (int i = 0; i < 4; ++i) {
                    const auto* e = reinterpret_cast<const uint8_t*>(table.constData()) + 446 + 16 * i;
                    if (ByteOrder::get32(e + 8) == data.first / ss) {
                        ++found;
                        QCOMPARE(e[4], uint8_t(0x07));
                        QCOMPARE(e[0], uint8_t(0));
                        QCOMPARE(uint64_t(ByteOrder::get32(e + 12)) * ss, data.second - data.first);
                    }
                }
                QCOMPARE(found, 1);
                QVERIFY(m.warnings().isEmpty());
            }
        }
        QCOMPARE(entries, want);

        for (int i = 0, k = 0; i < layout.size(); ++i) {
            if (!layout[i].system)
                continue;
            const Span w = want[k++];
            // A BIOS boot finds the moved volume through its hidden sectors (FAT32: in the backup at sector 6 too).
            for (qint64 copy : layout[i].fs == QLatin1String("fat32") ? QList<qint64>{0, 6 * 512} : QList<qint64>{0})
                if (w.first != at[i])
                    QCOMPARE(ByteOrder::get32(reinterpret_cast<const uint8_t*>(
                                 readFileBytes(f.files[dst], qint64(w.first) + copy + 28, 4).constData())),
                             uint32_t(w.first / ss));
            if (!layout[i].fs.isEmpty())
                f.checkVolume(dst, w.first, w.second - w.first, layout[i].fs, files[i]);
            if (Mode(mode) == Mode::ExpandSystem && layout[i].windows) {
                // More than the whole old volume now fits.
                LoopDevice dev(f.files[dst], false, 0, qint64(w.first), qint64(w.second - w.first));
                Mount grown(dev.device(), f.dir.filePath(QStringLiteral("grow")), {}, QStringLiteral("ntfs-3g"));
                QVERIFY2(grown.ok(), qPrintable(grown.error()));
                QCOMPARE(runTool(QStringLiteral("dd"), {QStringLiteral("if=/dev/urandom"), QStringLiteral("of=%1/big.bin").arg(grown.point()),
                                                         QStringLiteral("bs=1M"), QStringLiteral("count=100")}), 0);
            }
        }
        const bool reserved = std::any_of(layout.begin(), layout.end(), [](const PartSpec& p) { return p.bootFiles; });
        if (!gpt) {
            // Only the copy's System Reserved (else Windows) is active, and a BIOS check agrees.
            const QByteArray mbr = readFileBytes(f.files[dst], 0, 512);
            for (int i = 0; i < layout.size(); ++i)  // the cut-down table keeps each entry in its slot
                QCOMPARE(uint8_t(mbr[446 + 16 * i]) == 0x80, layout[i].system && (reserved ? layout[i].bootFiles : layout[i].windows));
            bool oneActive = false;
            for (const BootabilityCheck::Finding& finding : BootabilityCheck::checkDisk(dst)) {
                QVERIFY2(!finding.text.contains(QStringLiteral("active")) || finding.severity == BootabilityCheck::Severity::Ok,
                         qPrintable(finding.text));
                oneActive = oneActive || finding.text == QStringLiteral("MBR: exactly one active partition");
            }
            QVERIFY(oneActive);
        }
        // Every layout holds Windows but no boot store (System Reserved's BCD is no hive): without
        // the boot-store tools the offline repair finds nothing to change and passes.
        if (!BootToolAvailability::allAvailable() && !reserved)
            QVERIFY2(m.repairBoot(), qPrintable(m.lastError()));
    }

    // Expand with a recovery partition right behind Windows: the recovery partition moves to the
    // target's end and Windows, its file system too, fills the space before it. When the file
    // system cannot grow, the run says so.
    // A cancel during the copy leaves the target listing no partition: the table comes last, so no
    // system mounts a half-copied volume, whether the source's table is copied or a new GPT is made.
    void cancelMidCopy_data()
    {
        QTest::addColumn<Layout>("layout");
        QTest::addColumn<bool>("uefi");
        const Layout gpt{{"ef00", 40, "fat32"}, {"0c01", 16, ""}, {"0700", 80, "ntfs", true}};
        const Layout mbr{{"c", 40, "fat32", false, 0, false}, {"7", 80, "ntfs", true}};
        QTest::newRow("gpt") << gpt << true;
        QTest::newRow("mbr legacy") << mbr << false;
        QTest::newRow("mbr to uefi") << mbr << true;
    }
    void cancelMidCopy()
    {
        if (!f.skip.isEmpty())
            QSKIP(qPrintable(f.skip));
        QFETCH(Layout, layout);
        QFETCH(bool, uefi);
        QList<FileHashes> files;
        f.buildSource(Src, layout[0].type.size() == 4, layout, files);
        if (QTest::currentTestFailed())
            return;
        SystemCloneMode m;
        m.setResizeMode(Mode::KeepOnly);
        bool cancelled = false;
        QString error;
        QVERIFY(!f.run(
            m, Src, Dst, false, error,
            [&](CloneConfig& c) { c.targetBootMode = uefi ? Tessarin::TargetBootMode::Uefi : Tessarin::TargetBootMode::Legacy; },
            [&](DiskIO& io) {
                connect(&m, &CloneMode::progressChanged, &m, [&](uint64_t done, uint64_t) {
                    if (done >= 16 * MiB && !cancelled) {
                        cancelled = true;
                        m.cancel();
                        io.cancel();
                    }
                });
            }));
        QVERIFY(cancelled);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        QVERIFY(m.bytesCopied() < m.totalBytes());
        const QList<Span> entries = tableOf(Dst);
        QVERIFY2(entries.isEmpty(), qPrintable(QStringLiteral("%1 partitions listed").arg(entries.size())));
    }

    void expandMovesRecoveryToTheEnd_data()
    {
        QTest::addColumn<int>("src");
        QTest::addColumn<int>("dst");
        QTest::addColumn<Layout>("layout");
        QTest::addColumn<bool>("resizeFails");
        QTest::addColumn<bool>("gpt");
        const Layout windows10{{"ef00", 40, "fat32"}, {"0c01", 16, ""}, {"0700", 80, "ntfs", true}, {"2700", 30, "ntfs"},
                               {"0700", 40, "ntfs", false, 0, false}};
        const Layout windows4k{{"0c01", 16, ""}, {"0700", 80, "ntfs", true}, {"2700", 30, "ntfs"}, {"0700", 60, "ntfs", false, 0, false}};
        // A BIOS installation: recovery (type 27) behind Windows, the MBR reaching to the disk's end.
        const Layout windowsMbr{{"7", 80, "ntfs", true}, {"27", 30, "ntfs"}, {"7", 40, "ntfs", false, 0, false}};
        QTest::newRow("gpt") << int(Src) << int(Dst) << windows10 << false << true;
        QTest::newRow("gpt 4096") << int(Src4k) << int(Dst4k) << windows4k << false << true;
        QTest::newRow("mbr") << int(Src) << int(Dst) << windowsMbr << false << false;
        QTest::newRow("file system not grown") << int(Src) << int(Dst) << windows10 << true << true;
    }
    void expandMovesRecoveryToTheEnd()
    {
        if (!f.skip.isEmpty())
            QSKIP(qPrintable(f.skip));
        QFETCH(int, src);
        QFETCH(int, dst);
        QFETCH(Layout, layout);
        QFETCH(bool, resizeFails);
        QFETCH(bool, gpt);
        QList<FileHashes> files;
        f.buildSource(src, gpt, layout, files);
        if (QTest::currentTestFailed())
            return;
        const QByteArray path = qgetenv("PATH");
        const auto restore = qScopeGuard([&] { qputenv("PATH", path); });
        if (resizeFails) {
            const QString bin = f.dir.filePath(QStringLiteral("failing-resize"));
            QDir().mkpath(bin);
            QFile tool(bin + QStringLiteral("/ntfsresize"));
            QVERIFY(tool.open(QIODevice::WriteOnly));
            tool.write("#!/bin/sh\necho 'ntfsresize: simulated failure' >&2\nexit 1\n");
            tool.close();
            tool.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
            qputenv("PATH", bin.toLocal8Bit() + ':' + path);
        }
        QString error;
        SystemCloneMode m;
        QVERIFY2(clone(m, src, dst, true, Mode::ExpandSystem, error), qPrintable(error));
        qputenv("PATH", path);
        if (resizeFails) {
            QCOMPARE(m.warnings().size(), 1);
            QVERIFY2(m.warnings().first().contains(QStringLiteral("its file system could not be grown")), qPrintable(m.warnings().first()));
        } else {
            QVERIFY2(m.warnings().isEmpty(), qPrintable(m.warnings().join(QLatin1Char('\n'))));
        }
        if (gpt)
            f.checkGpt(dst);

        const uint32_t ss = f.sectors[dst];
        const uint64_t usableEnd = QFileInfo(f.files[dst]).size() - (gpt ? (1 + 16384 / ss) * ss : 0);
        const QList<uint64_t> at = CloneFixture::offsets(layout);
        const QList<Span> entries = tableOf(dst);
        const int win = int(entries.size()) - 2, rec = win + 1;
        QCOMPARE(entries.size(), layout.size() - 1);
        // Everything up to Windows stays; the recovery partition ends within a mebibyte of the
        // usable end and Windows reaches up to it.
        for (int i = 0; i <= win; ++i)
            QCOMPARE(entries[i].first, at[i]);
        QVERIFY(entries[rec].second <= usableEnd && usableEnd - entries[rec].second < MiB);
        QCOMPARE(entries[rec].second - entries[rec].first, layout[rec].mib * MiB);
        // Windows keeps its size when its file system cannot follow.
        QCOMPARE(entries[win].second, resizeFails ? at[win] + layout[win].mib * MiB : entries[rec].first);
        // Its boot sector names its new start.
        QCOMPARE(ByteOrder::get32(reinterpret_cast<const uint8_t*>(readFileBytes(f.files[dst], qint64(entries[rec].first) + 28, 4).constData())),
                 uint32_t(entries[rec].first / ss));
        f.checkVolume(dst, entries[rec].first, entries[rec].second - entries[rec].first, QStringLiteral("ntfs"), files[rec]);
        f.checkVolume(dst, entries[win].first, entries[win].second - entries[win].first, QStringLiteral("ntfs"), files[win]);
        if (resizeFails)
            return;
        LoopDevice dev(f.files[dst], false, ss == 512 ? 0 : int(ss), qint64(entries[win].first), qint64(entries[win].second - entries[win].first));
        QVERIFY2(dev.ok(), qPrintable(dev.error()));
        const ToolRun info = runCaptured(QStringLiteral("ntfsresize"), {QStringLiteral("--info"), QStringLiteral("-f"), dev.device()});
        static const QRegularExpression current(QStringLiteral("Current volume size: (\\d+) bytes"));
        const uint64_t volume = current.match(info.out).captured(1).toULongLong();
        QVERIFY2(volume + MiB > entries[win].second - entries[win].first, qPrintable(info.out));
        // More than the whole old volume now fits.
        Mount grown(dev.device(), f.dir.filePath(QStringLiteral("grow")), {}, QStringLiteral("ntfs-3g"));
        QVERIFY2(grown.ok(), qPrintable(grown.error()));
        QCOMPARE(runTool(QStringLiteral("dd"), {QStringLiteral("if=/dev/urandom"), QStringLiteral("of=%1/big.bin").arg(grown.point()),
                                                 QStringLiteral("bs=1M"), QStringLiteral("count=100")}), 0);
    }

    // A data partition that cannot be made or formatted leaves the system partitions standing, but
    // the run is never a plain success: its warnings name the data partition.
    void dataPartitionNotMadeIsAWarning_data()
    {
        QTest::addColumn<int>("dst");
        QTest::addColumn<QString>("label");
        QTest::addColumn<bool>("formatFails");
        QTest::addColumn<QString>("warning");
        QTest::addColumn<int>("entries");  // in the target's table afterwards
        QTest::newRow("label diskpart cannot take") << int(Dst) << QStringLiteral("Da\"ta") << false
                                                   << QStringLiteral("No data partition was created") << 2;
        QTest::newRow("no room for it") << int(Small) << QStringLiteral("Files") << false
                                        << QStringLiteral("The data partition \"Files\" was not created") << 2;
        QTest::newRow("format fails") << int(Dst) << QStringLiteral("Files") << true
                                      << QStringLiteral("The data partition \"Files\" was created but not formatted") << 3;
    }
    void dataPartitionNotMadeIsAWarning()
    {
        if (!f.skip.isEmpty())
            QSKIP(qPrintable(f.skip));
        QFETCH(int, dst);
        QFETCH(QString, label);
        QFETCH(bool, formatFails);
        QFETCH(QString, warning);
        QFETCH(int, entries);
        QList<FileHashes> files;
        f.buildSource(Src, true, {{"ef00", 40, "fat32"}, {"0700", 80, "ntfs", true}}, files);
        const QByteArray path = qgetenv("PATH");
        const auto restore = qScopeGuard([&] { qputenv("PATH", path); });
        if (formatFails) {
            // An mkntfs that fails, found first on the path.
            const QString bin = f.dir.filePath(QStringLiteral("failing-bin"));
            QDir().mkpath(bin);
            QFile tool(bin + QStringLiteral("/mkntfs"));
            QVERIFY(tool.open(QIODevice::WriteOnly));
            tool.write("#!/bin/sh\necho 'mkntfs: simulated failure' >&2\nexit 1\n");
            tool.close();
            tool.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
            qputenv("PATH", bin.toLocal8Bit() + ':' + path);
        }
        QString error;
        SystemCloneMode m;
        m.setResizeMode(Mode::KeepAndCreateData);
        m.setDataPartitionLabel(label);
        QVERIFY2(f.run(m, Src, dst, true, error), qPrintable(error));
        QCOMPARE(m.warnings().size(), 1);
        QVERIFY2(m.warnings().first().startsWith(warning), qPrintable(m.warnings().first()));
        f.checkGpt(dst);
        QCOMPARE(tableOf(dst).size(), entries);
    }

    // Requests refused before the target is touched.
    void refusals_data()
    {
        QTest::addColumn<int>("dst");
        QTest::addColumn<QString>("damage");
        QTest::addColumn<QString>("refusal");
        QTest::newRow("target too small") << int(Small) << QString() << QStringLiteral("Partition 2 would exceed target disk size");
        QTest::newRow("both GPT copies bad") << int(Dst) << QStringLiteral("gpt") << QStringLiteral("The source disk's partition table is damaged");
        QTest::newRow("source vanished") << int(Dst) << QStringLiteral("gone") << QStringLiteral("Failed to open source disk");
        QTest::newRow("volume larger than partition") << int(Dst) << QStringLiteral("volume")
                                                      << QStringLiteral("claims more space than the partition holds");
        QTest::newRow("sector sizes differ") << int(Dst4k) << QString() << QStringLiteral("different logical sector sizes");
        QTest::newRow("windows volume's bitmap zeroed") << int(Dst) << QStringLiteral("bitmap") << QStringLiteral("$Bitmap marks");
    }
    void refusals()
    {
        if (!f.skip.isEmpty())
            QSKIP(qPrintable(f.skip));
        QFETCH(int, dst);
        QFETCH(QString, damage);
        QFETCH(QString, refusal);
        QList<FileHashes> files;
        f.buildSource(Src, true, {{"ef00", 40, "fat32"}, {"0700", 160, "ntfs", true}}, files);
        const DiskInfo before = f.record(Src);
        if (damage == QLatin1String("gpt")) {
            QVERIFY(writeFileBytes(f.files[Src], 512 + 16, QByteArray(4, 'x')));
            QVERIFY(writeFileBytes(f.files[Src], QFileInfo(f.files[Src]).size() - 512 + 16, QByteArray(4, 'x')));
        }
        if (damage == QLatin1String("volume"))
            QVERIFY(sgdiskRun(f.paths[Src], QStringLiteral("-d 2 -n 2:%1:%2 -t 2:0700").arg(41 * MiB / 512).arg(201 * MiB / 512 - 1 - 2048)
                                                .split(QLatin1Char(' '))));
        QList<QPair<qint64, QByteArray>> undo;
        if (damage == QLatin1String("bitmap"))
            f.damageNtfsBitmap(Src, 41 * MiB, 160 * MiB, QString(), undo);
        QVERIFY(writeFileBytes(f.files[dst], 0, QByteArray(MiB, char(0x5A))));
        const QByteArray targetHash = f.hash(f.files[dst]);
        QString error;
        SystemCloneMode m;
        QVERIFY(!clone(m, Src, dst, true, Mode::KeepOnly, error, [&](CloneConfig& c) {
            if (damage == QLatin1String("gone"))
                QFile::remove(f.files[Src]);
            if (damage == QLatin1String("gpt") || damage == QLatin1String("gone"))
                c.sourceDisk = before;  // as enumerated before the damage
            for (PartitionInfo& p : c.sourceDisk.partitions)
                p.hasWindows = p.hasWindows || (damage == QLatin1String("volume") && !p.isEfi);  // as a mounted volume shows
        }));
        QVERIFY2(error.contains(refusal), qPrintable(error));
        QCOMPARE(f.hash(f.files[dst]), targetHash);
        if (damage == QLatin1String("gone"))
            QVERIFY(makeSparseFile(f.files[Src], qint64(320 * MiB)));
    }
};

QTEST_GUILESS_MAIN(TestSystemClone)
#include "tst_systemclone.moc"
