#include "modes/clonemode.h"
#include "modes/cloneresume.h"
#include "boot/boottoolavailability.h"
#include "boot/copyvolumeletters.h"
#include "boot/offlinebootrepair.h"
#include "core/diskio.h"
#include "core/logger.h"
#include "core/sourcereading.h"
#include "modes/copyplan.h"
#include "partition/partitionresizer.h"

#include <algorithm>

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

bool CloneMode::makePlan(QString& error)
{
    if (m_planned)
        return true;
    m_plan.clear();
    // The record checks, then whether source and target may be used at all, then the strategy's own.
    if (!m_config.validate(error) || !ClonePreflight::check(sourceSide(), targetSide(), error) || !validate(error))
        return false;
    if (!requireDiskIO()) {
        error = m_lastError;
        return false;
    }
    if (!chooseSourceReading(error))
        return false;
    if (!buildPlan()) {
        error = m_lastError;
        // A refused run keeps no snapshot.
        m_diskIO->close();
        return false;
    }
    planDiscard();
    m_totalBytes = m_plan.totalBytes();
    m_planned = true;
    return true;
}

void CloneMode::planDiscard()
{
    const uint64_t free = ClonePlan::lengthOf(m_plan.unwrittenRanges(std::max<uint32_t>(m_targetDisk.sectorSize, 1)));
    if (free == 0)
        return;
    if (m_config.discardFreeSpace)
        m_plan.space << QStringLiteral("discard the free space of the smart-copied partitions: %1 (%2 bytes)")
                            .arg(Tessarin::formatSize(free, 2)).arg(free);
    else
        m_plan.space << QStringLiteral("free space of the smart-copied partitions, %1 (%2 bytes): not discarded (--no-discard)")
                            .arg(Tessarin::formatSize(free, 2)).arg(free);
}

void CloneMode::discardUnwritten()
{
    Logger& log = Logger::instance();
    if (!m_diskIO || !m_diskIO->hasTarget() || isCancelled())
        return;
    const std::vector<ByteRange> ranges = m_plan.unwrittenRanges(m_diskIO->targetLogicalSector());
    if (ranges.empty())
        return;
    if (!m_config.discardFreeSpace) {
        log.info(QStringLiteral("Free space on the target not discarded (turned off)"));
        return;
    }
    uint64_t discarded = 0;
    bool supported = false;
    if (!m_diskIO->discardTarget(ranges, discarded, supported)) {
        // The copy is complete and sound either way; only the storage stays allocated.
        log.warning(QStringLiteral("Discarding the free space on the target failed after %1 MB: %2")
                        .arg(discarded / CopyPlan::MiB).arg(m_diskIO->lastError()));
        return;
    }
    if (!supported) {
        log.info(QStringLiteral("The target %1 cannot discard; its free space stays as the copy left it")
                     .arg(m_diskIO->targetPath()));
        return;
    }
    log.info(QStringLiteral("Discarded %1 MB of free space on the target").arg(discarded / CopyPlan::MiB));
}

// Before the plan reads the source: its usage maps must come from the same instant as its copy.
bool CloneMode::chooseSourceReading(QString& error)
{
    SourceReading reading;
    std::vector<RoutedDevice::Route> routes;
    if (!reading.begin(m_config, error) || !reading.openRoutes(routes, error))
        return false;
    m_plan.source << reading.planLine();
    if (reading.kind() == SourceReading::Kind::Snapshot)
        m_diskIO->readThroughSnapshot(reading.takeSnapshot(), std::move(routes));
    return true;
}

bool CloneMode::ensurePlanned()
{
    QString error;
    return makePlan(error) || fail(error);
}

bool CloneMode::repairCopyBoot(bool windows, const QStringList& services, bool resetOverrides)
{
    Logger& log = Logger::instance();
    log.info(QStringLiteral("Fixing boot configuration..."));
    emit phaseChanged(tr("Repairing boot configuration..."));
    // Without Windows on the source there is no boot store to rebuild, whatever the firmware.
    if (!windows) {
        addSkipped(tr("Boot repair: skipped, the source disk holds no Windows installation"));
        return true;
    }
    if (BootToolAvailability::allAvailable()) {
        m_bootRepaired = repairBootOnline();
        return m_bootRepaired;
    }
    if (!prepareOfflineBoot())
        return false;
    QString error;
#ifdef Q_OS_WIN
    // No loop device reaches a partition here: the copy's volumes are read through drive letters,
    // which the volume locks of the target's handle would refuse.
    if (m_diskIO) {
        m_diskIO->flushTarget();
        m_diskIO->closeTarget();
    }
    CopyVolumeLetters letters(m_targetDisk.diskNumber);
    if (!letters.mount())
        return fail(letters.lastError());
    const OfflineBootRepair::MountedVolumes mounted = letters.roots();
#else
    const OfflineBootRepair::MountedVolumes mounted;
#endif
    m_bootRepaired = OfflineBootRepair::repairCloneLogged(m_sourceDisk.diskNumber, m_targetDisk.diskNumber, services,
                                                         resetOverrides,
                                                         m_config.mode == Tessarin::CloneModeType::SystemClone, error, mounted);
    return m_bootRepaired || fail(error);
}

std::vector<BootabilityCheck::Finding> CloneMode::checkCopy() const
{
    return BootabilityCheck::checkDisk(m_targetDisk.diskNumber);
}

void CloneMode::planBootRepair(bool windows)
{
    if (!m_config.fixBoot) {
        m_plan.boot << QStringLiteral("none (--no-boot-repair)");
        return;
    }
    if (!windows) {
        m_plan.boot << QStringLiteral("none: the source holds no Windows installation");
        return;
    }
    if (m_config.mode == Tessarin::CloneModeType::SystemClone)
        m_plan.boot << QStringLiteral("rebuild the boot files for %1 boot")
                           .arg(m_config.targetBootMode == Tessarin::TargetBootMode::Legacy ? QStringLiteral("legacy BIOS")
                                                                                            : QStringLiteral("UEFI"))
                    << QStringLiteral("mark the copied Windows as portable and enable the boot-start storage drivers");
    else
        m_plan.boot << QStringLiteral("rebuild the boot configuration store of the copy for this machine's firmware");
    if (!BootToolAvailability::allAvailable())
        m_plan.boot << QStringLiteral("without the Windows boot tools the copy's boot store and SYSTEM hive are edited offline");
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

bool CloneMode::loadSourceTable(SourceTable& table, uint32_t sectorSize)
{
    const GptDisk::ReadFn read = [this](uint64_t offset, uint64_t length, uint8_t* out) {
        return m_diskIO->readSourceBytes(offset, length, out);
    };
    const bool ok = table.load(read, m_sourceDisk, sectorSize);
    for (const QString& note : table.notes())
        Logger::instance().warning(note);
    return ok;
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

void CloneMode::addSkipped(const QString& step)
{
    m_skipped.append(step);
    Logger::instance().info(step);
}

bool CloneMode::resuming() const { return m_resume && m_resume->isResuming(); }

bool CloneMode::copyExtents(const std::vector<CopyExtent>& extents, uint64_t bytes, const QString& what, bool always)
{
    std::vector<CopyExtent> todo = extents, done;
    if (resuming() && !always) {
        todo = m_resume->copied().remaining(extents);
        done = m_resume->copied().covered(extents);
    }
    const uint64_t skipped = CopyBatchPlanner::bytesOf(done);
    if (skipped > 0)
        Logger::instance().info(QStringLiteral("%1: %2 of %3 MB were copied by the interrupted run")
                                    .arg(what).arg(skipped / 1048576).arg(bytes / 1048576));
    const uint64_t base = m_bytesCopied + skipped;
    const QMetaObject::Connection relay = connect(m_diskIO, &DiskIO::progressChanged, this,
        [this, base](uint64_t written, uint64_t) { emit progressChanged(base + written, m_totalBytes); },
        Qt::DirectConnection);
    const bool ok = todo.empty() || m_diskIO->copyExtents(todo);
    disconnect(relay);
    // What the earlier run copied is verified too, not only what this one did.
    bool compared = true;
    if (ok && !done.empty() && m_config.verify) {
        emit phaseChanged(tr("Comparing what the interrupted run copied of %1...").arg(what));
        compared = m_diskIO->compareExtents(done);
    }
    if (!ok || !compared) {
        if (isCancelled() || m_diskIO->isCancelled())
            return false;
        return fail(tr("Failed to copy %1: %2").arg(what, m_diskIO->lastError()));
    }
    m_bytesCopied += bytes;
    emit progressChanged(m_bytesCopied, m_totalBytes);
    return true;
}
