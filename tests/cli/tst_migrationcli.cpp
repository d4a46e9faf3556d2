// A BIOS (MBR) Windows disk moved to UEFI from the command line: the dry run says so and writes
// nothing, the run makes a GPT copy that sgdisk and the program's own check accept.
#include "cli/cliresult.h"
#include "cli/clirunner.h"
#include "common/imagefixture.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QtTest>

namespace {
constexpr qint64 MiB = 1 << 20;
using CliRunner::sh;

QString joined(const QJsonObject& plan, const char* key)
{
    QStringList lines;
    for (const QJsonValue& v : plan.value(QLatin1String(key)).toArray())
        lines << v.toString();
    return lines.join(QLatin1Char('\n'));
}
} // namespace

class TestMigrationCli : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;

private slots:
    void biosDiskMovedToUefi()
    {
        const QString skip = missingRequirement({QStringLiteral("losetup"), QStringLiteral("sfdisk"), QStringLiteral("sgdisk"),
                                                 QStringLiteral("mkntfs"), QStringLiteral("ntfs-3g"), QStringLiteral("mkfs.fat"),
                                                 QStringLiteral("mmd"), QStringLiteral("ntfscat")}, true, true);
        if (!skip.isEmpty())
            QSKIP(qPrintable(skip));
        const QString source = m_dir.filePath(QStringLiteral("bios.img")), target = m_dir.filePath(QStringLiteral("uefi.img"));
        QVERIFY(sh(QStringLiteral("truncate -s 120M %1 && truncate -s 400M %2 && printf 'label: dos\\nstart=2048,size=204800,type=7,bootable\\n'"
                                  " | sfdisk -q %1").arg(source, target)));
        {
            LoopDevice part(source, false, 0, MiB, 100 * MiB);
            QVERIFY2(part.ok(), qPrintable(part.error()));
            QVERIFY(sh(QStringLiteral("mkntfs -Q -F %1 >/dev/null 2>&1").arg(part.device())));
            Mount m(part.device(), m_dir.filePath(QStringLiteral("mnt")), {}, QStringLiteral("ntfs-3g"));
            QVERIFY2(m.ok(), qPrintable(m.error()));
            QVERIFY(QDir(m.point()).mkpath(QStringLiteral("Windows/System32")) && QDir(m.point()).mkpath(QStringLiteral("Windows/Boot/EFI")));
            QVERIFY(sh(QStringLiteral("head -c 50000 /dev/urandom > %1/Windows/Boot/EFI/bootmgfw.efi && echo k > %1/Windows/System32/ntoskrnl.exe")
                           .arg(m.point())));
        }
        const QByteArray sourceHash = contentHash(source), targetHash = contentHash(target);
        const QStringList disks{source, target};
        const QStringList arguments{"clone", "system", "0", "1", "--boot-mode", "uefi", "--space", "keep", "--json"};

        QByteArray out, err;
        QCOMPARE(CliRunner::run(disks, arguments + QStringList{"--dry-run"}, &out, &err), 0);
        const QJsonObject plan = QJsonDocument::fromJson(out.split('\n').first()).object();
        QVERIFY2(joined(plan, "table").contains(QStringLiteral("BIOS-to-UEFI migration")), out.constData());
        QVERIFY2(joined(plan, "bootRepair").contains(QStringLiteral("bootmgfw.efi")), out.constData());
        QCOMPARE(contentHash(target), targetHash);

        QCOMPARE(CliRunner::run(disks, arguments + QStringList{"--yes"}, &out, &err), int(CliResult::Success));
        const QJsonObject result = QJsonDocument::fromJson(out.trimmed().split('\n').last()).object();
        QVERIFY2(result.value("targetCheckPassed").toBool(), out.constData());
        QVERIFY2(result.value("bootRepaired").toBool(), out.constData());
        QCOMPARE(contentHash(source), sourceHash);
        QByteArray verify;
        sh(QStringLiteral("sgdisk -v %1").arg(target), &verify);
        QVERIFY2(verify.contains("No problems found"), verify.constData());
    }
};

QTEST_GUILESS_MAIN(TestMigrationCli)
#include "tst_migrationcli.moc"
