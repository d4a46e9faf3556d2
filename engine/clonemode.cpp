#include "engine/clonemode.h"
#include "core/logger.h"

CloneMode::CloneMode(QObject* parent) : QObject(parent) {}

CloneMode::~CloneMode() = default;

void CloneMode::setConfig(const CloneConfig& config)
{
    m_config = config;
    m_sourceDisk = config.sourceDisk;
    m_targetDisk = config.targetDisk;
    m_smartClone = config.smartClone;
    m_align4K = config.align4K;
}

void CloneMode::setResizeMode(Tessarin::ResizeMode) {}

void CloneMode::setDataPartitionLabel(const QString&) {}

void CloneMode::cancel() { m_cancelled.store(true); }

bool CloneMode::requireDiskIO()
{
    if (m_diskIO)
        return true;
    return fail(tr("DiskIO not initialized (call setDiskIO first)"));
}

bool CloneMode::fail(const QString& message)
{
    m_lastError = message;
    Logger::instance().error(message);
    return false;
}
