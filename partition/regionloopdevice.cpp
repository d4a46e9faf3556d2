#include "partition/regionloopdevice.h"

#include "core/logger.h"
#include "platformtools/toolrunner.h"

#include <QFileInfo>

namespace {
const QString Losetup = QStringLiteral("losetup");
}

RegionLoopDevice::~RegionLoopDevice() { detach(); }

bool RegionLoopDevice::attach(const QString& backingPath, uint64_t offset, uint64_t size, uint32_t sectorSize, Access access)
{
    if (!detach())
        return false;
    QStringList args{QStringLiteral("--find"), QStringLiteral("--show"), QStringLiteral("-o"), QString::number(offset),
                     QStringLiteral("--sizelimit"), QString::number(size)};
    if (sectorSize != 0 && sectorSize != 512)
        args << QStringLiteral("-b") << QString::number(sectorSize);
    if (access == Access::ReadOnly)
        args << QStringLiteral("-r");
    // A backing path that starts with "-" stays a path.
    args << QStringLiteral("--") << backingPath;
    const CommandResult r = ToolRunner::run(Losetup, args, LosetupTimeoutMs);
    // Only standard output names the device; warnings go to standard error.
    const QString device = ToolRunner::decode(r.standardOutput).trimmed();
    if (!r.started) {
        m_lastError = QStringLiteral("losetup could not be started");
        return false;
    }
    if (!r.finished || r.exitCode != 0 || !device.startsWith(QStringLiteral("/dev/loop"))) {
        m_lastError = QStringLiteral("losetup could not map %1 at %2: %3")
                          .arg(backingPath)
                          .arg(offset)
                          .arg(ToolRunner::combinedOutput(r).trimmed());
        return false;
    }
    m_device = device;
    m_backing = QFileInfo(backingPath).canonicalFilePath();
    Logger::instance().info(QStringLiteral("Mapped %1 bytes of %2 at %3 to %4%5")
                                .arg(size)
                                .arg(backingPath)
                                .arg(offset)
                                .arg(device, access == Access::ReadOnly ? QStringLiteral(", read-only") : QString()));
    return true;
}

bool RegionLoopDevice::detach()
{
    if (m_device.isEmpty())
        return true;
    CommandRunner& runner = CommandRunner::current();
    // -d takes the device as its own argument, so it cannot follow "--"; the name is one losetup printed.
    ToolRunner::run(Losetup, {QStringLiteral("-d"), m_device}, LosetupTimeoutMs);
    // "losetup DEV" fails once the device has no backing file any more; a device that shows
    // another file was already released and taken by someone else.
    for (int waited = 0; waited <= ReleaseWaitMs; waited += ReleasePollMs) {
        const CommandResult r = ToolRunner::run(Losetup, {QStringLiteral("--"), m_device}, LosetupTimeoutMs);
        if (!r.started)
            break;
        if (r.finished && (r.exitCode != 0 || !ToolRunner::decode(r.standardOutput).contains(m_backing))) {
            m_device.clear();
            return true;
        }
        runner.sleepMs(ReleasePollMs);
    }
    m_lastError = QStringLiteral("%1 was not released").arg(m_device);
    Logger::instance().warning(m_lastError);
    return false;
}
