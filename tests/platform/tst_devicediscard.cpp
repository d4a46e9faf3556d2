// Discard on the Linux backend: holes in image files, BLKDISCARD on loop devices, never outside a
// handle's window and never through a handle that may not write.
#include "platform/posix/posixplatform.h"
#include "platform/posix/volumename.h"
#include "common/imagefixture.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>
#include <fcntl.h>
#include <unistd.h>

namespace {
constexpr qint64 ImageBytes = 8 << 20;
constexpr qint64 Start = 2048 * 512, Length = 4096 * 512;
const char Junk = char(0xAB);

QByteArray readFile(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Whether [from, from + length) of `path` is one hole.
bool isHole(const QString& path, qint64 from, qint64 length)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const off_t data = ::lseek(fd, from, SEEK_DATA);
    ::close(fd);
    return data < 0 || data >= from + length;
}

std::unique_ptr<PosixPlatform> platformFor(const QString& disks)
{
    PosixPlatform::Settings s;
    s.disks = disks.toStdString();
    return std::make_unique<PosixPlatform>(s);
}
} // namespace

class TestDeviceDiscard : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;

    // An MBR image full of junk with one partition at 1 MiB, listed alone.
    QString junkImage()
    {
        const QString img = m_dir.filePath(QStringLiteral("junk.img"));
        QFile f(img);
        if (!f.open(QIODevice::WriteOnly) || f.write(QByteArray(ImageBytes, Junk)) != ImageBytes)
            return {};
        f.close();
        return sfdiskScript(img, QStringLiteral("label: dos\nstart=2048, size=4096, type=7\n")) ? img : QString();
    }

private slots:
    // A partition of an image is a window: a discard reaching past its end is cut there, and the
    // hole reads back as zeros. A read-only handle neither offers nor does it.
    void imagePartitionWindow()
    {
        if (const QString why = missingRequirement({"sfdisk"}); !why.isEmpty())
            QSKIP(qPrintable(why));
        const QString img = junkImage();
        QVERIFY(!img.isEmpty());
        auto p = platformFor(img);
        const std::string name = VolumeName::encodeImagePartition(0, 1);
        auto reader = p->openDevice(name, DeviceAccess::Read, DeviceFlags::None);
        QVERIFY(reader);
        QCOMPARE(reader->discardKind(), DeviceHandle::Discard::None);
        QVERIFY(!reader->discard(0, 4096));
        reader.reset();

        auto w = p->openDevice(name, DeviceAccess::ReadWrite, DeviceFlags::None);
        QVERIFY(w);
        QCOMPARE(w->discardKind(), DeviceHandle::Discard::Zeroes);
        QVERIFY(w->discard(Length - 65536, 2 * 65536));
        w.reset();
        const QByteArray after = readFile(img);
        QCOMPARE(after.mid(Start + Length - 65536, 65536), QByteArray(65536, 0));
        QVERIFY(isHole(img, Start + Length - 65536, 65536));
        QCOMPARE(after.mid(Start + Length, 65536), QByteArray(65536, Junk));
        QCOMPARE(after.mid(Start, Length - 65536), QByteArray(Length - 65536, Junk));
    }

    // A loop device gives the storage back: BLKDISCARD punches a hole in its backing file.
    void loopDevice()
    {
        if (const QString why = missingRequirement({"sfdisk", "losetup"}, true); !why.isEmpty())
            QSKIP(qPrintable(why));
        const QString img = junkImage();
        QVERIFY(!img.isEmpty());
        {
            LoopDevice loop(img, false);
            QVERIFY2(loop.ok(), qPrintable(loop.error()));
            auto p = platformFor(loop.device());
            auto w = p->openDevice("\\\\.\\PhysicalDrive0", DeviceAccess::ReadWrite, DeviceFlags::None);
            QVERIFY(w);
            QCOMPARE(w->discardKind(), DeviceHandle::Discard::Undefined);
            QVERIFY(w->discard(Start, Length));
        }
        QVERIFY(isHole(img, Start, Length));
        QCOMPARE(readFile(img).mid(Start + Length, 65536), QByteArray(65536, Junk));
    }
};

QTEST_GUILESS_MAIN(TestDeviceDiscard)
#include "tst_devicediscard.moc"
