#include "common/imagefixture.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QThread>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

static bool runProcess(QProcess& p, const QString& program, const QStringList& arguments, const QByteArray& input,
                       int timeoutMs)
{
    p.start(program, arguments);
    if (!p.waitForStarted(10000))
        return false;
    if (!input.isEmpty())
        p.write(input);
    p.closeWriteChannel();
    if (!p.waitForFinished(timeoutMs)) {
        p.kill();
        p.waitForFinished();
        return false;
    }
    return p.exitStatus() == QProcess::NormalExit;
}

ToolRun runCaptured(const QString& program, const QStringList& arguments, const QByteArray& input, int timeoutMs)
{
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    ToolRun r;
    const bool finished = runProcess(p, program, arguments, input, timeoutMs);
    r.out = QString::fromLocal8Bit(p.readAll());
    r.code = finished ? p.exitCode() : -1;
    return r;
}

ToolRunSplit runSplit(const QString& program, const QStringList& arguments, int timeoutMs)
{
    QProcess p;
    ToolRunSplit r;
    const bool finished = runProcess(p, program, arguments, {}, timeoutMs);
    r.out = QString::fromLocal8Bit(p.readAllStandardOutput());
    r.err = QString::fromLocal8Bit(p.readAllStandardError());
    r.code = finished ? p.exitCode() : -1;
    return r;
}

int runTool(const QString& program, const QStringList& arguments, QString* output, const QByteArray& input)
{
    const ToolRun r = runCaptured(program, arguments, input);
    if (output)
        *output = r.out;
    return r.code;
}

bool haveTool(const QString& program)
{
    return !QStandardPaths::findExecutable(program).isEmpty()
        || !QStandardPaths::findExecutable(program, {"/usr/sbin", "/sbin"}).isEmpty();
}

bool isRoot() { return geteuid() == 0; }

QString missingRequirement(const QStringList& tools, bool needRoot, bool needFuse)
{
    if (needRoot && !isRoot())
        return QStringLiteral("needs root");
    if (needFuse && !QFile::exists(QStringLiteral("/dev/fuse")))
        return QStringLiteral("needs /dev/fuse");
    for (const QString& t : tools)
        if (!haveTool(t))
            return t + QStringLiteral(" is not installed");
    return {};
}

bool copySparse(const QString& from, const QString& to)
{
    const int in = ::open(from.toLocal8Bit().constData(), O_RDONLY | O_CLOEXEC);
    const int out = ::open(to.toLocal8Bit().constData(), O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
    struct stat st {};
    bool ok = in >= 0 && out >= 0 && ::fstat(in, &st) == 0 && ::ftruncate(out, 0) == 0 && ::ftruncate(out, st.st_size) == 0;
    // Only the data runs are copied; the rest stays a hole of the truncated file.
    for (off_t at = ok ? ::lseek(in, 0, SEEK_DATA) : -1; ok && at >= 0 && at < st.st_size;) {
        const off_t end = ::lseek(in, at, SEEK_HOLE);
        ok = end > at;
        while (ok && at < end) {
            off_t src = at, dst = at;
            const ssize_t n = ::copy_file_range(in, &src, out, &dst, size_t(end - at), 0);
            ok = n > 0;
            at += n;
        }
        at = ok && at < st.st_size ? ::lseek(in, at, SEEK_DATA) : -1;  // -1 with ENXIO: no data behind
    }
    if (in >= 0)
        ::close(in);
    if (out >= 0)
        ok = ::close(out) == 0 && ok;
    if (!ok)
        qWarning().noquote() << "copying" << from << "to" << to << "failed:" << strerror(errno);
    return ok;
}

// A failing tool's words go to the test log, where the failed check alone would say little.
static bool succeeds(const QString& program, const QStringList& arguments, const QByteArray& input = {})
{
    const ToolRun r = runCaptured(program, arguments, input);
    if (r.code != 0)
        qWarning().noquote() << program << arguments.join(' ') << "failed:" << r.code << r.out;
    return r.code == 0;
}

bool sfdiskScript(const QString& image, const QString& script)
{
    // Without a re-read for the kernel, sfdisk neither sleeps nor syncs the whole machine.
    return succeeds(QStringLiteral("sfdisk"), {QStringLiteral("--no-reread"), QStringLiteral("--no-tell-kernel"), image}, script.toUtf8());
}

bool sgdiskRun(const QString& image, const QStringList& arguments)
{
    return succeeds(QStringLiteral("sgdisk"), arguments + QStringList{image});
}

bool makeNtfs(const QString& target, const QStringList& extra)
{
    return succeeds(QStringLiteral("mkntfs"), QStringList{"-Q", "-F", "-q"} + extra + QStringList{target});
}

bool makeFat32(const QString& target, const QStringList& extra)
{
    return succeeds(QStringLiteral("mkfs.fat"), QStringList{"-F", "32"} + extra + QStringList{target});
}

LoopDevice::LoopDevice(const QString& image, bool partitions, int sectorSize, qint64 offset, qint64 sizeLimit)
    : m_image(QFileInfo(image).canonicalFilePath())
{
    QStringList args{"-f", "--show"};
    if (partitions)
        args << "-P";
    if (sectorSize)
        args << "-b" << QString::number(sectorSize);
    if (offset)
        args << "-o" << QString::number(offset);
    if (sizeLimit)
        args << "--sizelimit" << QString::number(sizeLimit);
    args << image;
    // Only standard output names the device; warnings on standard error must not become its name.
    const ToolRunSplit r = runSplit(QStringLiteral("losetup"), args);
    const QString device = r.out.trimmed();
    if (r.code == 0 && device.startsWith(QStringLiteral("/dev/")) && !device.contains(QLatin1Char('\n')))
        m_device = device;
    else
        m_error = QStringLiteral("losetup %1: %2 %3").arg(args.join(' '), r.out.trimmed(), r.err.trimmed());
}

LoopDevice::~LoopDevice()
{
    if (m_device.isEmpty())
        return;
    // A device still held (ntfs-3g lets go a moment after umount) is only marked for auto-clear;
    // it is free once it no longer shows our image. Another process may take the number at once,
    // so the check is for our backing file, not for the device being unused.
    runSplit(QStringLiteral("losetup"), {"-d", m_device});
    constexpr int StepMs = 100, LimitMs = 10000;
    for (int waited = 0; waited < LimitMs; waited += StepMs) {
        const ToolRunSplit r = runSplit(QStringLiteral("losetup"), {"-n", "-O", "BACK-FILE", m_device});
        if (r.code != 0 || m_image.isEmpty() || !r.out.trimmed().startsWith(m_image))
            return;
        if (waited % 1000 == 1000 - StepMs)  // a detach refused while the device was busy
            runSplit(QStringLiteral("losetup"), {"-d", m_device});
        QThread::msleep(StepMs);
    }
    qWarning().noquote() << m_device << "still attached to" << m_image << "after" << LimitMs / 1000 << "s";
}

QString LoopDevice::partition(int number) const
{
    const QString node = m_device + "p" + QString::number(number);
    for (int i = 0; i < 50 && !QFileInfo::exists(node); ++i)
        QThread::msleep(100);
    return node;
}

Mount::Mount(const QString& device, const QString& directory, const QStringList& options, const QString& program)
    : m_directory(directory)
{
    QDir().mkpath(directory);
    const ToolRun r = runCaptured(program, options + QStringList{device, directory});
    m_mounted = r.code == 0;
    if (!m_mounted)
        m_error = program + QStringLiteral(": ") + r.out.trimmed();
}

Mount::~Mount() { unmount(); }

void Mount::unmount()
{
    if (m_mounted)
        runTool(QStringLiteral("umount"), {m_directory});
    m_mounted = false;
}
