#include "common/faultydevice.h"

#include "common/imagefixture.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QThread>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {
constexpr int StepMs = 50;
constexpr int MountLimitMs = 10000;
constexpr int ReleaseLimitMs = 10000;

bool isMountPoint(const QString& directory)
{
    QFile mountInfo(QStringLiteral("/proc/self/mountinfo"));
    if (!mountInfo.open(QIODevice::ReadOnly))
        return false;
    // Field 5 is the mount point; spaces in it are written as \040, which our paths never contain.
    for (const QByteArray& line : mountInfo.readAll().split('\n')) {
        const QList<QByteArray> fields = line.split(' ');
        if (fields.size() > 4 && fields[4] == directory.toLocal8Bit())
            return true;
    }
    return false;
}
}  // namespace

FaultyDevice::FaultyDevice(const QString& backingImage, const std::vector<Range>& badRanges, int logicalSectorSize)
{
#ifndef TESSARIN_FAULTYFUSE_PATH
    Q_UNUSED(backingImage);
    Q_UNUSED(badRanges);
    Q_UNUSED(logicalSectorSize);
    m_reason = QStringLiteral("built without libfuse3 (no tessarin_faultyfuse)");
#else
    m_reason = missingRequirement({QStringLiteral("losetup")}, true, true);
    if (!m_reason.isEmpty())
        return;
    const QFileInfo image(backingImage);
    if (!image.isFile()) {
        m_reason = backingImage + QStringLiteral(" is not a file");
        return;
    }
    char pattern[] = "/tmp/tessarin-faulty-XXXXXX";
    if (!mkdtemp(pattern)) {
        m_reason = QStringLiteral("mkdtemp: ") + QString::fromLocal8Bit(strerror(errno));
        return;
    }
    m_directory = QString::fromLocal8Bit(pattern);
    m_mountPoint = m_directory + QStringLiteral("/mnt");
    m_file = m_mountPoint + QStringLiteral("/disk");
    QDir().mkpath(m_mountPoint);
    if (startServer(image.absoluteFilePath(), badRanges) && waitForMount(static_cast<uint64_t>(image.size())))
        attachLoop(logicalSectorSize);
#endif
}

FaultyDevice::~FaultyDevice()
{
    detachLoop();
    stopServer();
    if (!m_directory.isEmpty() && !isMountPoint(m_mountPoint))
        QDir(m_directory).removeRecursively();
}

bool FaultyDevice::startServer(const QString& image, const std::vector<Range>& badRanges)
{
#ifdef TESSARIN_FAULTYFUSE_PATH
    std::vector<QByteArray> args{QByteArrayLiteral(TESSARIN_FAULTYFUSE_PATH), image.toLocal8Bit(), m_mountPoint.toLocal8Bit()};
    for (const Range& r : badRanges)
        args.push_back(QByteArray::number(qulonglong(r.offset)) + ':' + QByteArray::number(qulonglong(r.length)));
    std::vector<char*> argv;
    for (QByteArray& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    const QByteArray log = (m_directory + QStringLiteral("/server.log")).toLocal8Bit();
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, log.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_adddup2(&actions, STDOUT_FILENO, STDERR_FILENO);
    const int rc = posix_spawn(&m_server, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (rc != 0) {
        m_server = -1;
        m_reason = QStringLiteral("cannot start %1: %2").arg(QString::fromLocal8Bit(argv[0]), QString::fromLocal8Bit(strerror(rc)));
        return false;
    }
    return true;
#else
    Q_UNUSED(image);
    Q_UNUSED(badRanges);
    return false;
#endif
}

bool FaultyDevice::waitForMount(uint64_t expectedSize)
{
    // The file is only there once the kernel has the mount and the server answers.
    for (int waited = 0; waited < MountLimitMs; waited += StepMs) {
        int status = 0;
        if (waitpid(m_server, &status, WNOHANG) == m_server) {
            m_server = -1;
            m_reason = QStringLiteral("tessarin_faultyfuse ended before mounting: ") + serverLog();
            return false;
        }
        struct stat st {};
        if (isMountPoint(m_mountPoint) && ::stat(m_file.toLocal8Bit().constData(), &st) == 0) {
            m_mounted = true;
            if (static_cast<uint64_t>(st.st_size) == expectedSize)
                return true;
            m_reason = QStringLiteral("served file has %1 bytes, image %2").arg(st.st_size).arg(expectedSize);
            return false;
        }
        QThread::msleep(StepMs);
    }
    m_mounted = isMountPoint(m_mountPoint);
    m_reason = QStringLiteral("FUSE mount not ready after %1 s: ").arg(MountLimitMs / 1000) + serverLog();
    return false;
}

bool FaultyDevice::attachLoop(int logicalSectorSize)
{
    // Direct I/O in the loop driver keeps its reads off the FUSE file's page cache; the server
    // also opens the file as direct I/O, so a kernel that refuses the flag here still sees errors.
    const QStringList base{"-f", "--show", "-r", "-b", QString::number(logicalSectorSize)};
    ToolRunSplit r = runSplit(QStringLiteral("losetup"), base + QStringList{"--direct-io=on", m_file});
    if (r.code != 0)
        r = runSplit(QStringLiteral("losetup"), base + QStringList{m_file});
    const QString device = r.out.trimmed();
    if (r.code != 0 || !device.startsWith(QStringLiteral("/dev/")) || device.contains(QLatin1Char('\n'))) {
        m_reason = QStringLiteral("losetup: %1 %2").arg(r.out.trimmed(), r.err.trimmed());
        return false;
    }
    m_device = device;
    return true;
}

void FaultyDevice::detachLoop()
{
    if (m_device.isEmpty())
        return;
    // Another process may take the number as soon as it is free, so wait for our file to leave it.
    runSplit(QStringLiteral("losetup"), {"-d", m_device});
    for (int waited = 0; waited < ReleaseLimitMs; waited += StepMs) {
        const ToolRunSplit r = runSplit(QStringLiteral("losetup"), {"-n", "-O", "BACK-FILE", m_device});
        if (r.code != 0 || !r.out.trimmed().startsWith(m_file)) {
            m_device.clear();
            return;
        }
        if (waited % 1000 == 1000 - StepMs)
            runSplit(QStringLiteral("losetup"), {"-d", m_device});
        QThread::msleep(StepMs);
    }
    qWarning().noquote() << m_device << "still attached to" << m_file;
}

void FaultyDevice::stopServer()
{
    if (m_mounted || (!m_mountPoint.isEmpty() && isMountPoint(m_mountPoint))) {
        // A loop device lets go of the file a moment after detaching, and the mount stays busy until then.
        for (int waited = 0; waited < ReleaseLimitMs && isMountPoint(m_mountPoint); waited += StepMs) {
            runSplit(QStringLiteral("umount"), {m_mountPoint});
            if (isMountPoint(m_mountPoint))
                QThread::msleep(StepMs);
        }
        if (isMountPoint(m_mountPoint)) {
            runSplit(QStringLiteral("umount"), {"-l", m_mountPoint});
            qWarning().noquote() << m_mountPoint << "was busy; unmounted lazily";
        }
        m_mounted = false;
    }
    if (m_server <= 0)
        return;
    // Unmounting ends the server; a server that hangs is ended by force.
    for (int waited = 0; waited < ReleaseLimitMs; waited += StepMs) {
        if (waitpid(m_server, nullptr, WNOHANG) == m_server) {
            m_server = -1;
            return;
        }
        if (waited == ReleaseLimitMs / 2)
            kill(m_server, SIGTERM);
        QThread::msleep(StepMs);
    }
    kill(m_server, SIGKILL);
    waitpid(m_server, nullptr, 0);
    m_server = -1;
}

QString FaultyDevice::serverLog() const
{
    QFile log(m_directory + QStringLiteral("/server.log"));
    return log.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(log.readAll()).trimmed() : QString();
}
