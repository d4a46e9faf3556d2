#include "testtools.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QThread>
#include <unistd.h>

int runTool(const QString& program, const QStringList& arguments, QString* output, const QByteArray& input)
{
    QProcess p;
    p.start(program, arguments);
    if (!p.waitForStarted(5000))
        return -1;
    if (!input.isEmpty())
        p.write(input);
    p.closeWriteChannel();
    if (!p.waitForFinished(60000)) {
        p.kill();
        p.waitForFinished();
        return -1;
    }
    if (output)
        *output = QString::fromLocal8Bit(p.readAllStandardOutput());
    return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
}

bool haveTool(const QString& program)
{
    return !QStandardPaths::findExecutable(program).isEmpty()
        || !QStandardPaths::findExecutable(program, {"/usr/sbin", "/sbin"}).isEmpty();
}

bool isRoot() { return geteuid() == 0; }

bool makeSparseFile(const QString& path, qint64 bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.resize(bytes);
}

LoopDevice::LoopDevice(const QString& image, bool partitions, int sectorSize)
{
    QStringList args{"-f", "--show"};
    if (partitions)
        args << "-P";
    if (sectorSize)
        args << "-b" << QString::number(sectorSize);
    args << image;
    QString out;
    if (runTool("losetup", args, &out) == 0)
        m_device = out.trimmed();
}

LoopDevice::~LoopDevice()
{
    if (!m_device.isEmpty())
        runTool("losetup", {"-d", m_device});
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
    QStringList args = options;
    args << device << directory;
    m_mounted = runTool(program, args) == 0;
}

Mount::~Mount() { unmount(); }

void Mount::unmount()
{
    if (m_mounted)
        runTool("umount", {m_directory});
    m_mounted = false;
}
