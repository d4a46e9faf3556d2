#include "partition/regionloopdevice.h"

#include "core/commandprocessrunner.h"
#include "core/logger.h"

RegionLoopDevice::RegionLoopDevice() : m_loop(CommandProcessRunner::instance()) {}

RegionLoopDevice::~RegionLoopDevice() { detach(); }

bool RegionLoopDevice::attach(const QString& backingPath, uint64_t offset, uint64_t size, uint32_t sectorSize, Access access)
{
    const bool readOnly = access == Access::ReadOnly;
    if (!m_loop.attach(backingPath.toStdString(), offset, size, sectorSize, readOnly)) {
        m_lastError = QString::fromStdString(m_loop.lastError());
        return false;
    }
    Logger::instance().info(QStringLiteral("Mapped %1 bytes of %2 at %3 to %4%5")
                                .arg(size)
                                .arg(backingPath)
                                .arg(offset)
                                .arg(device(), readOnly ? QStringLiteral(", read-only") : QString()));
    return true;
}

bool RegionLoopDevice::detach()
{
    if (m_loop.detach())
        return true;
    m_lastError = QString::fromStdString(m_loop.lastError());
    Logger::instance().warning(m_lastError);
    return false;
}
