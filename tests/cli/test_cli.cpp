#include "cli/clioptions.h"
#include "cli/cliresult.h"
#include "cli/clirunner.h"
#include "common/faultydevice.h"
#include "core/diskmanager.h"
#include "engine/cloneengine.h"

#include <QCryptographicHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>
#include <csignal>
#include <unistd.h>

namespace {
using CliRunner::sh;
} // namespace

class TestCli : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir{QStringLiteral("/var/tmp/tessarin-cli-XXXXXX")};

    QString path(const QString& name) const { return m_dir.filePath(name); }

    int cli(const QStringList& images, const QStringList& arguments, QByteArray* out = nullptr, QByteArray* err = nullptr)
    {
        return CliRunner::run(images, arguments, out, err);
    }

    // A GPT disk of 64 MiB with a FAT32 partition holding one file: made once by outside tools, then copied.
    void makeSource(const QString& image)
    {
        if (m_sample.isEmpty() && CliRunner::makeSource(path(QStringLiteral("sample.img")), 64, path(QStringLiteral("data.bin"))))
            m_sample = path(QStringLiteral("sample.img"));
        QVERIFY(!m_sample.isEmpty() && copySparse(m_sample, image));
    }
    // A blank 96 MiB GPT disk with one 8 MiB partition, made once and copied.
    void makeTarget(const QString& image)
    {
        if (m_blank.isEmpty() && sh(QStringLiteral("truncate -s 96M %1 && sgdisk -n1:2048:+8M %1 >/dev/null").arg(path(QStringLiteral("blank.img")))))
            m_blank = path(QStringLiteral("blank.img"));
        QVERIFY(!m_blank.isEmpty() && copySparse(m_blank, image));
    }
    QString m_sample, m_blank;

    // The images of the refusal rows, listed for this process's own engine before anything asks the platform.
    QStringList refusalImages() const
    {
        return {m_dir.filePath(QStringLiteral("refuse-src.img")), m_dir.filePath(QStringLiteral("refuse-small.img")),
                m_dir.filePath(QStringLiteral("refuse-4k.img")) + QStringLiteral("@4096"),
                m_dir.filePath(QStringLiteral("refuse-truncated.img")), m_dir.filePath(QStringLiteral("refuse-tgt.img"))};
    }

    // The extents of every copy of a JSON plan.
    static QList<QList<qint64>> planExtents(const QJsonObject& plan)
    {
        QList<QList<qint64>> out;
        for (const QJsonValue& copy : plan.value("copies").toArray())
            for (const QJsonValue& e : copy.toObject().value("extents").toArray()) {
                const QJsonObject o = e.toObject();
                out.append({o.value("sourceOffset").toInteger(), o.value("targetOffset").toInteger(), o.value("length").toInteger()});
            }
        return out;
    }

private slots:
    void initTestCase()
    {
        const QStringList images = refusalImages();
        QVERIFY(CliRunner::makeSource(images[0], 64, path(QStringLiteral("refuse-data.bin"))));
        QVERIFY(sh(QStringLiteral("truncate -s 32M %1 && truncate -s 96M %2 && cp %3 %4 && truncate -s 56M %4 && truncate -s 96M %5")
                       .arg(images[1], images[2].section('@', 0, 0), images[0], images[3], images[4])));
        qputenv("TESSARIN_DISKS", images.join(QLatin1Char(':')).toUtf8());
    }

    // The same bad request gets the same words from the command line, its dry run and the run itself.
    void oneRefusalTextOnEveryPath_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("reason");
        QTest::newRow("target smaller") << QStringList{"clone", "disk", "0", "1"} << "Target disk is smaller than source disk";
        QTest::newRow("same disk") << QStringList{"clone", "disk", "0", "0"} << "Source and target disk cannot be the same";
        QTest::newRow("sector sizes") << QStringList{"clone", "disk", "0", "2"} << "different logical sector sizes";
        QTest::newRow("table past the end") << QStringList{"clone", "disk", "3", "4"} << "describes a larger disk";
        QTest::newRow("system clone, sector sizes") << QStringList{"clone", "system", "0", "2"} << "different logical sector sizes";
    }
    void oneRefusalTextOnEveryPath()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, reason);
        const QStringList images = refusalImages();
        QByteArray plain, dry;
        QCOMPARE(cli(images, arguments + QStringList{"--yes"}, nullptr, &plain), int(CliResult::Refused));
        QCOMPARE(cli(images, arguments + QStringList{"--dry-run"}, nullptr, &dry), int(CliResult::Refused));
        const QString text = QString::fromUtf8(plain).trimmed().section(QStringLiteral("tessarin-cli: "), 1);
        QVERIFY2(text.contains(reason), qPrintable(text));
        QCOMPARE(QString::fromUtf8(dry).trimmed().section(QStringLiteral("tessarin-cli: "), 1), text);

        // The run as the window starts it, without a plan asked for first.
        Tessarin::registerMetaTypes();
        const CliOptions options = CliOptions::parse(arguments, DiskManager::enumerateDisks());
        QVERIFY2(options.error.isEmpty(), qPrintable(options.error));
        CloneEngine engine;
        QSignalSpy finished(&engine, &CloneEngine::finished);
        QSignalSpy progress(&engine, &CloneEngine::progressChanged);
        engine.setConfig(options.config);
        engine.start();
        QVERIFY(finished.wait(30000));
        QCOMPARE(finished.first().at(1).toString(), text);
        QVERIFY(progress.last().first().value<CloneProgress>().refused);
    }

    // A partition number is 1 or more; the target may also be `free`. Anything else is a bad command line.
    void badPartitionNumbers_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("named");
        QTest::newRow("word target") << QStringList{"0:1", "4:x"} << "4:x";
        QTest::newRow("zero target") << QStringList{"0:1", "4:0"} << "4:0";
        QTest::newRow("negative source") << QStringList{"0:-1", "4"} << "0:-1";
        QTest::newRow("free source") << QStringList{"0:free", "4"} << "0:free";
    }
    void badPartitionNumbers()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, named);
        QByteArray err;
        QCOMPARE(cli(refusalImages(), QStringList{"clone", "partition"} + arguments + QStringList{"--yes"}, nullptr, &err),
                 int(CliResult::BadCommandLine));
        QVERIFY2(err.contains(named.toUtf8() + " does not name a partition"), err.constData());
    }

    // The dry run lists every extent the run copies: on GPT the whole primary table region, however
    // far its entry array reaches; on MBR the extended partition's boot records. A source filled with
    // random bytes shows each copied sector on the zeroed target.
    void dryRunListsWhatTheRunCopies_data()
    {
        QTest::addColumn<QString>("table");
        QTest::newRow("GPT, entry array at 2 MiB") << "sgdisk -j 4096 -n1:8192:+8M -n2:0:+6M %1 >/dev/null";
        QTest::newRow("MBR with logical partitions")
            << "printf 'label: dos\nstart=2048, size=16384, type=83\nstart=20480, size=65536, type=5\n"
               "start=22528, size=8192, type=83\nstart=34816, size=8192, type=83\n' | sfdisk -q %1";
    }
    void dryRunListsWhatTheRunCopies()
    {
        QFETCH(QString, table);
        const QString source = path(QStringLiteral("extents-source.img")), target = path(QStringLiteral("extents-target.img"));
        QFile::remove(target);
        QVERIFY(sh(QStringLiteral("head -c 64M /dev/urandom > %1 && ").arg(source) + table.arg(source)
                   + QStringLiteral(" && truncate -s 80M %1").arg(target)));
        QByteArray out;
        QCOMPARE(cli({source, target}, {"clone", "disk", "0", "1", "--dry-run", "--json", "--no-boot-repair"}, &out), 0);
        const QJsonObject plan = QJsonDocument::fromJson(out.trimmed().split('\n').first()).object();
        const QList<QList<qint64>> extents = planExtents(plan);
        QVERIFY(!extents.isEmpty());
        QCOMPARE(cli({source, target}, {"clone", "disk", "0", "1", "--yes", "--no-boot-repair"}, &out), 0);

        QFile s(source), t(target);
        QVERIFY(s.open(QIODevice::ReadOnly) && t.open(QIODevice::ReadOnly));
        const QByteArray src = s.readAll(), dst = t.readAll();
        const bool gpt = table.startsWith(QLatin1String("sgdisk"));
        // Written, not copied: the new identity (MBR signature; GPT header and its entry array at
        // sector 4096), the protective entry and the backup GPT fitted to the target's size.
        const auto written = [&](qint64 at) {
            if (!gpt)
                return at >= 440 && at < 444;
            return (at >= 446 && at < 462) || (at >= 512 && at < 1024) || (at >= 4096 * 512 && at < 4128 * 512)
                || at >= dst.size() - 33 * 512;
        };
        QList<bool> listed(dst.size() / 512, false);
        for (const QList<qint64>& e : extents) {
            for (qint64 i = 0; i < e[2]; ++i)
                if (!written(e[1] + i) && src[int(e[0] + i)] != dst[int(e[1] + i)])
                    QFAIL(qPrintable(QStringLiteral("target byte %1 differs from the source").arg(e[1] + i)));
            for (qint64 sector = e[1] / 512; sector < (e[1] + e[2]) / 512; ++sector)
                listed[int(sector)] = true;
        }
        const QByteArray zero(512, '\0');
        for (int sector = 0; sector < listed.size(); ++sector)
            if (!listed[sector] && !written(qint64(sector) * 512) && dst.mid(sector * 512, 512) != zero)
                QFAIL(qPrintable(QStringLiteral("target sector %1 was copied but is not in the dry run").arg(sector)));
    }

    // `list --json` places every partition where sfdisk reads it from the table.
    void listAgreesWithSfdisk()
    {
        const QString image = path(QStringLiteral("listed.img"));
        QVERIFY(sh(QStringLiteral("truncate -s 64M %1 && sgdisk -n1:2048:+3M -n2:10240:+17M -n3:0:0 %1 >/dev/null").arg(image)));
        QByteArray ours, theirs;
        QCOMPARE(cli({image}, {"list", "--json"}, &ours), 0);
        QVERIFY(sh(QStringLiteral("sfdisk --json %1").arg(image), &theirs));
        const QJsonArray listed = QJsonDocument::fromJson(ours).array().at(0).toObject().value("partitions").toArray();
        const QJsonArray table = QJsonDocument::fromJson(theirs).object().value("partitiontable").toObject().value("partitions").toArray();
        QCOMPARE(listed.size(), 3);
        QCOMPARE(listed.size(), table.size());
        for (int i = 0; i < table.size(); ++i) {
            QCOMPARE(listed[i].toObject().value("startSector").toInteger(), table[i].toObject().value("start").toInteger());
            QCOMPARE(listed[i].toObject().value("sectors").toInteger(), table[i].toObject().value("size").toInteger());
        }
    }

    // Bad command lines, refusals and dry runs leave the target's bytes as they were.
    void nothingWrittenUnlessAClone()
    {
        const QString source = path(QStringLiteral("source.img")), target = path(QStringLiteral("target.img")),
                      small = path(QStringLiteral("small.img"));
        makeSource(source);
        QVERIFY(sh(QStringLiteral("truncate -s 80M %1 && truncate -s 32M %2 && sgdisk -n1:2048:+8M %2 >/dev/null").arg(target, small)));
        const QByteArray before = contentHash(target), smallBefore = contentHash(small);
        const QStringList images{source, target, small};
        QCOMPARE(cli(images, {"clone", "disk", "0"}), int(CliResult::BadCommandLine));
        QCOMPARE(cli(images, {"clone", "disk", "0", "1", "--frobnicate"}), int(CliResult::BadCommandLine));
        QCOMPARE(cli(images, {"clone", "system", "0", "1", "--yes", "--data-label", "Data\"\nselect disk 0"}),
                 int(CliResult::BadCommandLine));
        QCOMPARE(cli(images, {"clone", "disk", "0", "2", "--yes"}), int(CliResult::Refused));
        QCOMPARE(cli(images, {"clone", "disk", "0", "0", "--yes"}), int(CliResult::Refused));
        // No terminal and no --yes: refused, not assumed.
        QCOMPARE(cli(images, {"clone", "disk", "0", "1"}), int(CliResult::Refused));
        QByteArray out;
        QCOMPARE(cli(images, {"clone", "disk", "0", "1", "--dry-run", "--json"}, &out), 0);
        const QList<QByteArray> lines = out.trimmed().split('\n');
        QCOMPARE(QJsonDocument::fromJson(lines.first()).object().value("event").toString(), QStringLiteral("plan"));
        const QJsonArray copies = QJsonDocument::fromJson(lines.first()).object().value("copies").toArray();
        QCOMPARE(copies.size(), 3);
        QCOMPARE(copies[0].toObject().value("method").toString(), QStringLiteral("smart"));
        QVERIFY(copies[0].toObject().value("bytes").toInteger() < 40 << 20);
        QCOMPARE(QJsonDocument::fromJson(lines.last()).object().value("event").toString(), QStringLiteral("result"));
        QCOMPARE(contentHash(target), before);
        QCOMPARE(contentHash(small), smallBefore);
    }

    // A smart, verified disk clone: the copy passes sgdisk and keeps the file; JSON ends with the result.
    void cloneSucceedsAndReportsInJson()
    {
        const QString source = path(QStringLiteral("ok-source.img")), target = path(QStringLiteral("ok-target.img"));
        makeSource(source);
        QVERIFY(sh(QStringLiteral("truncate -s 96M %1").arg(target)));
        QByteArray out;
        QCOMPARE(cli({source, target}, {"clone", "disk", "0", "1", "--yes", "--json", "--verify"}, &out), 0);
        const QList<QByteArray> lines = out.trimmed().split('\n');
        QVERIFY(lines.size() > 2);
        for (const QByteArray& line : lines)
            QVERIFY2(QJsonDocument::fromJson(line).isObject(), line.constData());
        const QJsonObject result = QJsonDocument::fromJson(lines.last()).object();
        QCOMPARE(result.value("event").toString(), QStringLiteral("result"));
        QVERIFY(result.value("success").toBool());
        QVERIFY(QFile::exists(result.value("log").toString()));
        // The copy was checked after the run: its sound GPT and its volume are among the findings.
        QVERIFY2(result.value("targetCheckPassed").toBool(), lines.last().constData());
        QStringList findings;
        for (const QJsonValue& v : result.value("targetCheck").toArray())
            findings << v.toObject().value("severity").toString() + QLatin1Char(' ') + v.toObject().value("text").toString();
        QVERIFY2(findings.contains(QStringLiteral("ok GPT: primary and backup sound, backup header at the last LBA 196607")),
                 lines.last().constData());
        // mkfs.fat leaves the hidden-sector count 0 and a disk clone keeps the volume as it was.
        QVERIFY2(findings.contains(QStringLiteral("warning Partition 1: FAT32 boot sector has no hidden-sector count (the table says 2048)")),
                 lines.last().constData());
        // Nothing to repair without Windows on the source, and the result says so rather than claiming a repair.
        QCOMPARE(result.value("skipped").toArray(),
                 QJsonArray{QStringLiteral("Boot repair: skipped, the source disk holds no Windows installation")});
        QVERIFY(!result.value("bootRepaired").toBool());
        QByteArray verify;
        sh(QStringLiteral("sgdisk -v %1").arg(target), &verify);
        QVERIFY2(verify.contains("No problems found"), verify.constData());
        QVERIFY(sh(QStringLiteral("MTOOLS_SKIP_CHECK=1 mcopy -n -i %1@@1M ::/data.bin %2").arg(target, path("copied.bin"))));
        QCOMPARE(contentHash(path(QStringLiteral("copied.bin"))), contentHash(path(QStringLiteral("data.bin"))));
    }

    // `DST:free` adds the copy behind a partition the target already holds and keeps that partition's
    // bytes; plain `DST` erases the target, so the copy is its one partition.
    void partitionCloneTargets_data()
    {
        QTest::addColumn<QString>("table");
        QTest::addColumn<bool>("free");
        QTest::newRow("GPT, free space") << "gpt" << true;
        QTest::newRow("MBR, free space") << "dos" << true;
        QTest::newRow("GPT, whole disk") << "gpt" << false;
        QTest::newRow("MBR, whole disk") << "dos" << false;
    }
    void partitionCloneTargets()
    {
        QFETCH(QString, table);
        QFETCH(bool, free);
        const QString source = path(QStringLiteral("pt-source.img")), target = path(QStringLiteral("pt-target.img"));
        makeSource(source);
        QVERIFY(sh(QStringLiteral("rm -f %1 && truncate -s 96M %1 && echo 'label: %2' > %3 && echo 'start=2048,size=16384,type=%4' >> %3"
                                  " && sfdisk -q %1 < %3 && mkfs.fat --offset 2048 %1 8192 >/dev/null"
                                  " && head -c 2000000 /dev/urandom > %5 && MTOOLS_SKIP_CHECK=1 mcopy -i %1@@1M %5 ::/keep.bin")
                       .arg(target, table, path("pt.sfdisk"),
                            table == QLatin1String("gpt") ? QStringLiteral("EBD0A0A2-B9E5-4433-87C0-68B9B4C7C763") : QStringLiteral("6"),
                            path("keep.bin"))));
        const QByteArray kept = contentHash(target, 1 << 20, 8 << 20);
        const QStringList arguments{"clone", "partition", "0:1", free ? QStringLiteral("1:free") : QStringLiteral("1")};
        QByteArray out, err;
        QCOMPARE(cli({source, target}, arguments + QStringList{"--dry-run", "--json"}, &out, &err), 0);
        const QString tableLine = QJsonDocument::fromJson(out.split('\n').first()).object().value("table").toArray().first().toString();
        QVERIFY2(tableLine.startsWith(free ? "keep the target's partitions" : "erase the whole target"), qPrintable(tableLine));
        QCOMPARE(contentHash(target, 1 << 20, 8 << 20), kept);
        QVERIFY2(cli({source, target}, arguments + QStringList{"--yes"}, &out, &err) == 0, err.constData());

        QByteArray dump;
        QVERIFY(sh(QStringLiteral("sfdisk -J %1").arg(target), &dump));
        const QJsonObject layout = QJsonDocument::fromJson(dump).object().value("partitiontable").toObject();
        QCOMPARE(layout.value("label").toString(), table);
        const QJsonArray parts = layout.value("partitions").toArray();
        QCOMPARE(parts.size(), free ? 2 : 1);
        const QJsonObject copy = parts.last().toObject();
        QCOMPARE(copy.value("size").toInteger(), 81920);
        if (free) {
            QCOMPARE(parts.first().toObject().value("start").toInteger(), 2048);
            QCOMPARE(parts.first().toObject().value("size").toInteger(), 16384);
            QCOMPARE(contentHash(target, 1 << 20, 8 << 20), kept);
            QVERIFY(copy.value("start").toInteger() >= 2048 + 16384);
            QVERIFY(sh(QStringLiteral("MTOOLS_SKIP_CHECK=1 mcopy -n -i %1@@1M ::/keep.bin %2").arg(target, path("pt-kept.bin"))));
            QCOMPARE(contentHash(path("pt-kept.bin")), contentHash(path("keep.bin")));
        } else {
            QCOMPARE(copy.value("start").toInteger(), 2048);
        }
        QByteArray verify;
        if (table == QLatin1String("gpt")) {
            sh(QStringLiteral("sgdisk -v %1").arg(target), &verify);
            QVERIFY2(verify.contains("No problems found"), verify.constData());
        } else {
            QVERIFY(sh(QStringLiteral("sfdisk -V %1 2>&1").arg(target), &verify));
        }
        QVERIFY(sh(QStringLiteral("MTOOLS_SKIP_CHECK=1 mcopy -n -i %1@@%2 ::/data.bin %3")
                       .arg(target).arg(copy.value("start").toInteger() * 512).arg(path("pt-copied.bin"))));
        QCOMPARE(contentHash(path("pt-copied.bin")), contentHash(path("data.bin")));
    }

    // SIGINT mid-copy cancels the clone (4). A failing copy's 1 is reached in unreadableSectorsByTheirCode.
    void cancelByItsCode()
    {
        const QString source = path(QStringLiteral("big.img")), target = path(QStringLiteral("big-target.img"));
        QVERIFY(sh(QStringLiteral("truncate -s 700M %1 && sgdisk -n1:2048:+600M %1 >/dev/null"
                                  " && head -c 600M /dev/urandom | dd of=%1 bs=1M seek=1 conv=notrunc status=none"
                                  " && truncate -s 700M %2").arg(source, target)));
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("TESSARIN_DISKS"), source + QLatin1Char(':') + target);
        p.setProcessEnvironment(env);
        p.start(QStringLiteral(TESSARIN_CLI), {"clone", "disk", "0", "1", "--yes", "--json"});
        QVERIFY(p.waitForStarted());
        QByteArray seen;
        while (!seen.contains("Copying partition 1") && p.state() == QProcess::Running && p.waitForReadyRead(20000))
            seen += p.readAllStandardOutput();
        QVERIFY2(seen.contains("Copying partition 1"), seen.constData());
        ::kill(pid_t(p.processId()), SIGINT);
        QVERIFY(p.waitForFinished(60000));
        seen += p.readAllStandardOutput();
        QCOMPARE(p.exitCode(), int(CliResult::Cancelled));
        QCOMPARE(QJsonDocument::fromJson(seen.trimmed().split('\n').last()).object().value("exitCode").toInt(), 4);
    }

    // A source that fails reads in two ranges, one where partition 1 starts (read for the journal's
    // fingerprint too): by default the clone fails (1); going on, it ends with 5, the zeros counted
    // and their sectors in the map file. The second run also clones onto a target that already
    // holds a table (the first run's).
    void unreadableSectorsByTheirCode()
    {
        const QString source = path(QStringLiteral("bad-source.img")), target = path(QStringLiteral("bad-target.img"));
        makeSource(source);
        constexpr uint64_t nearStart = 2560, badSector = 40960;  // inside partition 1, its first MiB and 20 MiB
        const FaultyDevice faulty(source, {{nearStart * 512, 8 * 512}, {badSector * 512, 8 * 512}});
        if (!faulty.isReady())
            QSKIP(qPrintable(faulty.skipReason()));
        QVERIFY(sh(QStringLiteral("truncate -s 96M %1").arg(target)));
        const QStringList clone{"clone", "disk", "0", "1", "--yes", "--json", "--no-smart", "--no-boot-repair"};
        QCOMPARE(cli({faulty.devicePath(), target}, clone), int(CliResult::Failed));
        QByteArray out;
        QCOMPARE(cli({faulty.devicePath(), target}, clone + QStringList{"--continue-on-read-errors"}, &out), int(CliResult::UnreadableSectors));
        const QJsonObject result = QJsonDocument::fromJson(out.trimmed().split('\n').last()).object();
        QCOMPARE(result.value("unreadableSectors").toInt(), 16);
        QFile map(result.value("unreadableMap").toString());
        QVERIFY(map.open(QIODevice::ReadOnly));
        QCOMPARE(map.readAll(), QByteArray("2560 8\n40960 8\n"));
    }

    // One unreadable sector where the table lies (sector 0, the GPT header, its entries) is a read
    // error, not a blank disk: the listing names the sector, and a clone from that disk is refused
    // with the same words before the target is touched.
    void unreadableTableIsNamed_data()
    {
        QTest::addColumn<quint64>("badSector");
        QTest::newRow("sector 0") << quint64(0);
        QTest::newRow("GPT header") << quint64(1);
        QTest::newRow("last of the first eight") << quint64(7);
    }
    void unreadableTableIsNamed()
    {
        QFETCH(quint64, badSector);
        const QString source = path(QStringLiteral("table-source%1.img").arg(badSector)),
                      target = path(QStringLiteral("table-target%1.img").arg(badSector));
        makeSource(source);
        const FaultyDevice faulty(source, {{badSector * 512, 512}});
        if (!faulty.isReady())
            QSKIP(qPrintable(faulty.skipReason()));
        makeTarget(target);
        const QByteArray before = contentHash(target);
        const QString expected = QStringLiteral("Cannot read the partition table: sector %1 unreadable").arg(badSector);
        QByteArray out, err;
        QCOMPARE(cli({faulty.devicePath(), target}, {"list", "--json"}, &out), 0);
        const QJsonObject listed = QJsonDocument::fromJson(out).array().at(0).toObject();
        QCOMPARE(listed.value("table").toString(), QStringLiteral("unreadable"));
        QCOMPARE(listed.value("tableError").toString(), expected);
        QCOMPARE(cli({faulty.devicePath(), target}, {"list"}, &out), 0);
        QVERIFY2(out.contains(expected.toUtf8()), out.constData());
        for (const char* mode : {"disk", "system"}) {
            QCOMPARE(cli({faulty.devicePath(), target}, {"clone", mode, "0", "1", "--yes"}, &out, &err), int(CliResult::Refused));
            QVERIFY2(err.contains(expected.toUtf8()), err.constData());
        }
        QCOMPARE(contentHash(target), before);
    }
};

QTEST_GUILESS_MAIN(TestCli)
#include "test_cli.moc"
