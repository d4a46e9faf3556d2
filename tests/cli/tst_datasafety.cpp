// The refusals a clone must make before its first byte, seen from the command line on real images
// and loop devices: the source is never written, a refused target stays as it was, exit code 3.
#include "cli/cliresult.h"
#include "cli/clirunner.h"
#include "common/faultydevice.h"
#include "common/imagefixture.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>
#include <fcntl.h>
#include <memory>
#include <unistd.h>

namespace {
constexpr qint64 MiB = 1 << 20;


bool sh(const QString& command, QString* out = nullptr)
{
    QByteArray bytes;
    const bool ok = CliRunner::sh(command, &bytes);
    if (out)
        *out = QString::fromLocal8Bit(bytes);
    return ok;
}

// What another run would hold on an image it writes: all of it, or its first `length` bytes.
class HeldLock {
public:
    explicit HeldLock(const QString& path, off_t length = 0) : m_fd(::open(path.toLocal8Bit().constData(), O_RDWR | O_CLOEXEC))
    {
        struct flock lock {};
        lock.l_type = F_WRLCK;
        lock.l_whence = SEEK_SET;
        lock.l_len = length;
        m_held = m_fd >= 0 && ::fcntl(m_fd, F_OFD_SETLK, &lock) == 0;
    }
    ~HeldLock()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    bool ok() const { return m_held; }
private:
    int m_fd;
    bool m_held = false;
};
}

class TestDataSafety : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir{QStringLiteral("/var/tmp/tessarin-safety-XXXXXX")};
    QString path(const QString& name) const { return m_dir.filePath(name); }

    int cli(const QStringList& disks, const QStringList& arguments, QByteArray* err = nullptr, QByteArray* out = nullptr)
    {
        return CliRunner::run(disks, arguments, out, err);
    }


private slots:
    void initTestCase()
    {
        const QString missing = missingRequirement({"sgdisk", "mkfs.fat", "mcopy", "losetup", "mkfs.ext4", "fsck.fat"}, true);
        if (!missing.isEmpty())
            QSKIP(qPrintable(missing));
        QVERIFY(CliRunner::makeSource(path(QStringLiteral("src.img")), 64, path(QStringLiteral("data.bin"))));
        QVERIFY(sh(QStringLiteral("truncate -s 80M %1 && sgdisk -n1:2048:+40M %1 >/dev/null").arg(path(QStringLiteral("blank.img")))));
    }

    // Each row names its disks; "src" and "tgt" are image files, the rest other names for them.
    void refusedBeforeTheFirstWrite_data()
    {
        QTest::addColumn<QStringList>("disks");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("reason");
        const QStringList disk{"clone", "disk", "0", "1"}, system{"clone", "system", "0", "1"};
        const QString shared = QStringLiteral("under another name");
        QTest::newRow("symbolic link") << QStringList{"src", "link"} << disk << shared;
        QTest::newRow("hard link") << QStringList{"src", "hard"} << disk << shared;
        QTest::newRow("dot-dot path") << QStringList{"src", "dotdot"} << disk << shared;
        QTest::newRow("image, then its loop device") << QStringList{"src", "loop:src"} << disk << shared;
        QTest::newRow("loop device, then its image") << QStringList{"loop:src", "src"} << disk << shared;
        QTest::newRow("system clone onto a loop alias") << QStringList{"src", "loop:src"} << system << shared;
        QTest::newRow("partition clone onto a loop over a source partition")
            << QStringList{"src", "part1loop:src"} << QStringList{"clone", "partition", "0:2", "1"} << shared;
        QTest::newRow("loop target mounted through another loop") << QStringList{"src", "loop:tgt", "mounted:tgt"} << disk
                                                                  << QStringLiteral("is mounted on");
        QTest::newRow("image target mounted through a loop") << QStringList{"src", "tgt", "mounted:tgt"} << disk
                                                             << QStringLiteral("is mounted on");
        QTest::newRow("read-only target") << QStringList{"src", "roloop:tgt"} << disk
                                          << QStringLiteral("cannot be opened for writing");
        QTest::newRow("image held by another run") << QStringList{"src", "tgt", "held:tgt"} << disk
                                                   << QStringLiteral("in use by another clone run");
        // Another run into another free region of the same disk writes the same table.
        QTest::newRow("table held by another run") << QStringList{"src", "tgt", "heldtable:tgt"}
                                                   << QStringList{"clone", "partition", "0:2", "1:free"}
                                                   << QStringLiteral("in use by another clone run");
        QTest::newRow("GPT past the disk's end") << QStringList{"truncated", "tgt"} << disk
                                                 << QStringLiteral("describes a larger disk");
    }
    void refusedBeforeTheFirstWrite()
    {
        QFETCH(QStringList, disks);
        QFETCH(QStringList, arguments);
        QFETCH(QString, reason);
        const QString src = path(QStringLiteral("src.img")), tgt = path(QStringLiteral("tgt.img"));
        QFile::remove(tgt);
        QVERIFY(copySparse(path(QStringLiteral("blank.img")), tgt));
        std::vector<std::unique_ptr<LoopDevice>> loops;
        std::unique_ptr<Mount> mount;
        std::unique_ptr<HeldLock> held;
        QStringList names;
        for (const QString& d : disks) {
            const QString image = d.endsWith(QLatin1String("tgt")) ? tgt : src;
            if (d == "src" || d == "tgt") {
                names << (d == "src" ? src : tgt);
            } else if (d == "link") {
                QFile::remove(path("link.img"));
                QVERIFY(QFile::link(src, path("link.img")));
                names << path("link.img");
            } else if (d == "hard") {
                QVERIFY(sh(QStringLiteral("ln -f %1 %2").arg(src, path("hard.img"))));
                names << path("hard.img");
            } else if (d == "dotdot") {
                QVERIFY(QDir(m_dir.path()).mkpath("sub"));
                names << m_dir.path() + "/sub/../src.img";
            } else if (d == "truncated") {
                QVERIFY(sh(QStringLiteral("cp %1 %2 && truncate -s 56M %2").arg(src, path("truncated.img"))));
                names << path("truncated.img");
            } else if (d.startsWith("loop:") || d.startsWith("part1loop:")) {
                const bool part = d.startsWith("part1loop:");
                loops.push_back(std::make_unique<LoopDevice>(image, false, 0, part ? MiB : 0, part ? 40 * MiB : 0));
                QVERIFY2(loops.back()->ok(), qPrintable(loops.back()->error()));
                names << loops.back()->device();
            } else if (d.startsWith("roloop:")) {
                QString device;
                QVERIFY(sh(QStringLiteral("losetup -f --show -r %1").arg(image), &device));
                names << device.trimmed();
                m_readOnly = device.trimmed();  // detached after the run
            } else if (d.startsWith("mounted:")) {
                // The target's first partition, through a loop device of its own, mounted read-only.
                loops.push_back(std::make_unique<LoopDevice>(image, false, 0, MiB, 40 * MiB));
                QVERIFY(loops.back()->ok() && sh(QStringLiteral("mkfs.ext4 -q %1").arg(loops.back()->device())));
                mount = std::make_unique<Mount>(loops.back()->device(), path("mnt"), QStringList{"-o", "ro,noload"});
                QVERIFY2(mount->ok(), qPrintable(mount->error()));
            } else if (d.startsWith("held:") || d.startsWith("heldtable:")) {
                held = std::make_unique<HeldLock>(image, d.startsWith("heldtable:") ? 34 * 512 : 0);
                QVERIFY(held->ok());
            }
        }
        const QByteArray sourceBefore = contentHash(src), targetBefore = contentHash(tgt);
        QByteArray err;
        const int code = cli(names, arguments + QStringList{"--yes"}, &err);
        if (!m_readOnly.isEmpty()) {
            sh(QStringLiteral("losetup -d %1").arg(m_readOnly));
            m_readOnly.clear();
        }
        QVERIFY2(err.contains(reason.toUtf8()) && err.contains("nothing was"), err.constData());
        QCOMPARE(code, int(CliResult::Refused));
        QCOMPARE(contentHash(src), sourceBefore);
        QCOMPARE(contentHash(tgt), targetBefore);
    }

    // A source volume mounted read-write may change while it is read, and no snapshot can be taken
    // of it here: refused, naming the mount, unless reading it live is accepted. Read-only is fine.
    void mountedSource_data()
    {
        QTest::addColumn<QStringList>("mountOptions");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("code");
        QTest::newRow("read-write") << QStringList{} << QStringList{} << int(CliResult::Refused);
        QTest::newRow("read-only") << QStringList{"-o", "ro,noload"} << QStringList{} << 0;
        QTest::newRow("read-write, live reading accepted") << QStringList{} << QStringList{"--live-source"} << 0;
    }
    void mountedSource()
    {
        QFETCH(QStringList, mountOptions);
        QFETCH(QStringList, arguments);
        QFETCH(int, code);
        const QString src = path(QStringLiteral("live.img")), tgt = path(QStringLiteral("live-target.img"));
        QFile::remove(src);
        QFile::remove(tgt);
        QVERIFY(copySparse(path(QStringLiteral("src.img")), src) && copySparse(path(QStringLiteral("blank.img")), tgt));
        // Partition 2 (after the 40 MiB one at 1 MiB) through a loop device of its own, as ext4.
        LoopDevice loop(src, false, 0, 41 * MiB, 8 * MiB);
        QVERIFY2(loop.ok(), qPrintable(loop.error()));
        QVERIFY(sh(QStringLiteral("mkfs.ext4 -q %1").arg(loop.device())));
        Mount mount(loop.device(), path(QStringLiteral("live-mnt")), mountOptions);
        QVERIFY2(mount.ok(), qPrintable(mount.error()));
        const QByteArray targetBefore = contentHash(tgt);
        QByteArray err, out;
        QCOMPARE(cli({src, tgt}, QStringList{"clone", "disk", "0", "1", "--yes", "--dry-run"} + arguments, &err, &out), code);
        QCOMPARE(cli({src, tgt}, QStringList{"clone", "disk", "0", "1", "--yes", "--no-boot-repair"} + arguments, &err), code);
        if (code == int(CliResult::Refused)) {
            QVERIFY2(err.contains("mounted read-write") && err.contains(mount.point().toUtf8()) && err.contains("--live-source")
                         && err.contains("nothing was"),
                     err.constData());
            QCOMPARE(contentHash(tgt), targetBefore);
        } else {
            QVERIFY2(out.contains(arguments.isEmpty() ? "read the source as it is" : "live while they are mounted read-write"),
                     out.constData());
        }
    }

    // No table to read: every sector is copied, never just the first mebibyte.
    void diskWithoutTableIsCopiedWhole()
    {
        const QString raw = path(QStringLiteral("raw.img")), tgt = path(QStringLiteral("raw-target.img"));
        QVERIFY(sh(QStringLiteral("truncate -s 48M %1 && mkfs.fat -F 32 -s 1 %1 >/dev/null && MTOOLS_SKIP_CHECK=1 mcopy -i %1 %2 "
                                  "::/data.bin && truncate -s 64M %3")
                       .arg(raw, path("data.bin"), tgt)));
        QByteArray out;
        QCOMPARE(cli({raw, tgt}, {"clone", "disk", "0", "1", "--yes", "--dry-run"}, nullptr, &out), 0);
        QVERIFY2(out.contains("whole disk: sector by sector"), out.constData());
        QCOMPARE(cli({raw, tgt}, {"clone", "disk", "0", "1", "--yes", "--verify"}), 0);
        QVERIFY(sh(QStringLiteral("cmp -n %1 %2 %3 && fsck.fat -n %3 >/dev/null").arg(48 * MiB).arg(raw, tgt)));
    }

    // A run that fails halfway leaves a target without any table: it carries no identity, the
    // source's least of all, and offers no half-copied volume to be mounted.
    void failedCopyNeverCarriesTheSourcesIdentity()
    {
        const QString src = path(QStringLiteral("src.img")), tgt = path(QStringLiteral("id-target.img"));
        const FaultyDevice faulty(src, {{20 * MiB, 4096}});  // inside partition 1
        if (!faulty.isReady())
            QSKIP(qPrintable(faulty.skipReason()));
        QVERIFY(sh(QStringLiteral("truncate -s 80M %1").arg(tgt)));
        QCOMPARE(cli({faulty.devicePath(), tgt}, {"clone", "disk", "0", "1", "--yes", "--no-smart", "--no-boot-repair"}),
                 int(CliResult::Failed));
        const QByteArray head = readFileBytes(tgt, 0, 1024);
        QVERIFY(head.size() == 1024 && head.mid(510, 2) != QByteArray("\x55\xAA", 2) && head.mid(512, 8) != "EFI PART");
        QString table;
        QVERIFY2(!sh(QStringLiteral("blkid -p -o value -s PTTYPE %1").arg(tgt), &table), qPrintable(table));
    }

private:
    QString m_readOnly;
};

QTEST_GUILESS_MAIN(TestDataSafety)
#include "tst_datasafety.moc"
