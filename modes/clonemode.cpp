#include "modes/clonemode.h"
#include "core/diskio.h"
#include "core/logger.h"
#include "partition/partitionresizer.h"

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

ClonePreflight::Side CloneMode::sourceSide() const { return ClonePreflight::wholeDisk(m_sourceDisk.diskNumber); }

ClonePreflight::Side CloneMode::targetSide() const { return ClonePreflight::wholeDisk(m_targetDisk.diskNumber); }

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

bool CloneMode::giveCopyNewIdentity(PartitionResizer& resizer, bool gpt, uint32_t sectorSize)
{
    if (gpt) {
        emit phaseChanged(tr("Regenerating disk identifiers..."));
        if (!resizer.regenerateGptGuids(*m_diskIO, sectorSize))
            return fail(tr("Failed to give the copy new GPT GUIDs: %1").arg(resizer.lastError()));
        Logger::instance().info(QStringLiteral("GPT GUIDs regenerated successfully"));
    } else {
        emit phaseChanged(tr("Updating disk signature..."));
        if (!resizer.regenerateMbrSignature(*m_diskIO, sectorSize))
            return fail(tr("Failed to give the copy a new MBR disk signature: %1").arg(resizer.lastError()));
    }
    return m_diskIO->flushTarget() || fail(tr("Failed to flush target: %1").arg(m_diskIO->lastError()));
}

void CloneMode::addWarning(const QString& message)
{
    m_warnings.append(message);
    Logger::instance().warning(message);
}

bool CloneMode::copyExtents(const std::vector<CopyExtent>& extents, uint64_t bytes, const QString& what)
{
    const uint64_t base = m_bytesCopied;
    const QMetaObject::Connection relay = connect(m_diskIO, &DiskIO::progressChanged, this,
        [this, base](uint64_t written, uint64_t) { emit progressChanged(base + written, m_totalBytes); },
        Qt::DirectConnection);
    const bool ok = m_diskIO->copyExtents(extents);
    disconnect(relay);
    if (!ok) {
        if (isCancelled() || m_diskIO->isCancelled())
            return false;
        return fail(tr("Failed to copy %1: %2").arg(what, m_diskIO->lastError()));
    }
    m_bytesCopied = base + bytes;
    emit progressChanged(m_bytesCopied, m_totalBytes);
    return true;
}
