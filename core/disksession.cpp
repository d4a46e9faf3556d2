#include "core/disksession.h"

#include "core/clonepreflight.h"
#include "core/clonerefusal.h"
#include "core/commandrunner.h"
#include "core/logger.h"

#include <QCoreApplication>
#include <QMutexLocker>
#include <algorithm>

namespace {
const QString PhysicalDriveWord = QStringLiteral("PhysicalDrive");

std::string native(const QString& path) { return path.toStdString(); }

// The backend says when it could not honour unbuffered I/O; copies are slower then, so it is logged.
void logOpenNote(const DeviceHandle* handle)
{
    const std::string note = handle->openNote();
    if (!note.empty())
        Logger::instance().info(QString::fromStdString(note));
}
}

DiskSession::~DiskSession() { close(); }

bool DiskSession::isVolumePath(const QString& path)
{
    // "\\.\E:" and "\\?\Volume{...}": a volume of the platform; anything else (an image file) is not.
    return path.startsWith(QLatin1String("\\\\.\\")) || path.startsWith(QLatin1String("\\\\?\\Volume{"), Qt::CaseInsensitive);
}

int DiskSession::diskNumberOfPath(const QString& path)
{
    const int at = path.lastIndexOf(PhysicalDriveWord, -1, Qt::CaseInsensitive);
    if (at < 0)
        return -1;
    bool ok = false;
    const int n = path.mid(at + PhysicalDriveWord.size()).toInt(&ok);
    return ok && n >= 0 ? n : -2;
}

bool DiskSession::refuseSameDevice(const QString& sourcePath, const QString& targetPath, QString& error) const
{
    ClonePreflight::Side a, b;
    a.path = sourcePath;
    b.path = targetPath;
    // A disk and a volume on it, or an image file and the disk holding it, share their sectors
    // under different names.
    const bool same = ClonePreflight::sharesStorage(a, b);
    if (!same)
        return false;
    Logger::instance().error(
        QStringLiteral("Source and target are the same device: %1 and %2").arg(sourcePath, targetPath));
    error = QCoreApplication::translate("DiskIO", "Source and target are the same device: %1 and %2").arg(sourcePath, targetPath);
    return true;
}

namespace {
void refuseTarget(const QString& reason, QString& error)
{
    Logger::instance().error(QStringLiteral("Failed to open target: %1").arg(reason));
    error = QCoreApplication::translate("DiskIO", "Failed to open target: %1").arg(reason);
}
}

bool DiskSession::refuseSystemDisk(int diskNumber, QString& error) const
{
    const std::vector<int> system = Platform::devices().systemDiskNumbers();
    if (std::find(system.begin(), system.end(), diskNumber) == system.end())
        return false;
    refuseTarget(CloneRefusal::runningSystem(diskNumber), error);
    return true;
}

bool DiskSession::refuseOtherDisk(DeviceHandle* target, int diskNumber, QString& error) const
{
    DiskIdentity want;
    if (!DiskIdentity::expected(diskNumber, want) || !want.isKnown())
        return false;
    DiskIdentity actual;
    if (!DiskIdentity::read(target, actual)) {
        refuseTarget(QStringLiteral("disk %1 cannot be identified: %2").arg(diskNumber).arg(RawDisk::lastErrorText()),
                     error);
        return true;
    }
    const QString why = want.mismatch(actual);
    if (why.isEmpty())
        return false;
    refuseTarget(QStringLiteral("disk %1 is no longer the disk chosen as target (%2); disks were probably added or "
                                "removed, choose the target again")
                     .arg(diskNumber)
                     .arg(why),
                 error);
    return true;
}

// A whole disk is opened unbuffered for sequential access, falling back to the plain disk open.
DiskHandle DiskSession::openSide(const QString& path, bool writable, VolumeHandle** volume)
{
    const int n = diskNumberOfPath(path);
    if (n == -1) {
        VolumeHandlePtr h = RawDisk::openVolume(path, writable);
        // Without it the last sectors of a volume (NTFS keeps its backup boot sector there) are out of reach.
        if (h && isVolumePath(path))
            h->allowExtendedAccess();
        if (volume)
            *volume = h.get();
        return h;
    }
    if (n == -2) {
        Platform::setLastError(PlatformError::InvalidParameter, "The disk path has no valid drive number");
        return nullptr;
    }
    if (writable)
        m_targetDiskNumber = n;
    DiskHandle h = Platform::devices().openDevice(native(RawDisk::physicalDrivePath(n)),
                                                  writable ? DeviceAccess::ReadWrite : DeviceAccess::Read,
                                                  DeviceFlags::NoBufferingSequentialScan);
    if (!h)
        return RawDisk::openDisk(n, writable);
    Logger::instance().info(writable ? QStringLiteral("Target opened with NO_BUFFERING | SEQUENTIAL_SCAN flags")
                                     : QStringLiteral("Source opened with NO_BUFFERING flag"));
    return h;
}

bool DiskSession::openSource(const QString& path, QString& error)
{
    QMutexLocker lock(&m_mutex);
    if (m_target && refuseSameDevice(path, m_targetPath, error))
        return false;
    m_source.reset();
    m_sourcePath.clear();
    DiskHandle h = openSide(path, false);
    if (!h) {
        const QString err = RawDisk::lastErrorText();
        Logger::instance().error(QStringLiteral("Failed to open source: %1").arg(err));
        error = QCoreApplication::translate("DiskIO", "Failed to open source: %1").arg(err);
        return false;
    }
    logOpenNote(h.get());
    if (!m_sourceRoutes.empty()) {
        h = std::make_unique<RoutedDevice>(std::move(h), m_sourceRoutes);
        Logger::instance().info(QStringLiteral("Source volumes are read from their snapshot (%1 ranges)").arg(m_sourceRoutes.size()));
    }
    StorageAlignment a;
    RawDisk::queryAlignment(h.get(), a);
    m_sourceLogicalSector = a.logicalSector;
    m_sourcePhysicalSector = a.physicalSector;
    m_source = std::move(h);
    m_sourcePath = path;
    Logger::instance().info(QStringLiteral("Source disk: logical sector=%1, physical sector=%2")
                                .arg(m_sourceLogicalSector)
                                .arg(m_sourcePhysicalSector));
    Logger::instance().info(QStringLiteral("Opened source: %1").arg(path));
    return true;
}

// Nothing is locked or written before the target is known to be the chosen disk, and the handle is
// given out only once every volume on it is locked: a busy volume would make writes into its
// sectors fail halfway, after the tables were already overwritten.
bool DiskSession::openTarget(const QString& path, QString& error, const ByteRange& writes)
{
    QMutexLocker lock(&m_mutex);
    // Checked before any volume is locked: the source's volumes must stay untouched.
    if (m_source && refuseSameDevice(m_sourcePath, path, error))
        return false;
    closeTargetLocked();
    m_targetPath.clear();
    m_targetDiskNumber = -1;
    const int n = diskNumberOfPath(path);
    m_targetWrites = writes;
    if (n >= 0 && refuseSystemDisk(n, error))
        return false;
    VolumeHandle* volumeHandle = nullptr;
    DiskHandle h = openSide(path, true, &volumeHandle);
    if (!h) {
        const QString err = RawDisk::lastErrorText();
        Logger::instance().error(QStringLiteral("Failed to open target: %1").arg(err));
        error = QCoreApplication::translate("DiskIO", "Failed to open target: %1").arg(err);
        m_targetDiskNumber = -1;
        return false;
    }
    if (n >= 0 && refuseOtherDisk(h.get(), n, error)) {
        m_targetDiskNumber = -1;
        return false;
    }
    // A volume target is locked through its own handle, the one its writes go through.
    QString lockError;
    const bool volume = n < 0 && isVolumePath(path);
    const bool locked = n >= 0 ? lockTargetVolumesLocked(lockError) : !volume || lockWithRetry(volumeHandle);
    if (!locked) {
        if (n < 0)
            lockError = QStringLiteral("the volume %1 is in use and cannot be locked").arg(RawDisk::volumeLabel(path));
        releaseVolumeLocks();
        m_targetDiskNumber = -1;
        refuseTarget(lockError + QStringLiteral("; close the programs using it and try again"), error);
        return false;
    }
    if (volume)
        volumeHandle->dismountVolume();
    logOpenNote(h.get());
    StorageAlignment a;
    RawDisk::queryAlignment(h.get(), a);
    m_targetLogicalSector = a.logicalSector;
    m_targetPhysicalSector = a.physicalSector;
    m_target = std::move(h);
    m_targetPath = path;
    Logger::instance().info(QStringLiteral("Target disk: logical sector=%1, physical sector=%2")
                                .arg(m_targetLogicalSector)
                                .arg(m_targetPhysicalSector));
    return true;
}

bool DiskSession::lockWithRetry(VolumeHandle* volume)
{
    if (volume->lockVolume())
        return true;
    // Dismounting closes the files others hold open on the volume, after which the lock is usually granted.
    volume->dismountVolume();
    for (int attempt = 1; attempt < LockAttempts; ++attempt) {
        CommandRunner::current().sleepMs(LockPauseMs);
        if (volume->lockVolume())
            return true;
    }
    return false;
}

bool DiskSession::lockTargetVolumesLocked(QString& error)
{
    if (m_targetDiskNumber < 0)
        return true;
    QStringList volumes;
    if (!RawDisk::volumesOnDisk(m_targetDiskNumber, m_targetWrites, volumes, error))
        return false;
    for (const QString& volume : volumes) {
        Logger::instance().info(QStringLiteral("Locking volume on target disk: %1").arg(volume));
        QString path = volume;
        if (path.endsWith(QLatin1Char('\\')))
            path.chop(1);
        VolumeHandlePtr h = Platform::devices().openVolume(native(path), DeviceAccess::ReadWrite, DeviceFlags::None);
        if (!h) {
            error = QStringLiteral("the volume %1 cannot be opened: %2").arg(RawDisk::volumeLabel(volume), RawDisk::lastErrorText());
            Logger::instance().error(error);
            return false;
        }
        if (!lockWithRetry(h.get())) {
            error = QStringLiteral("the volume %1 is in use and cannot be locked").arg(RawDisk::volumeLabel(volume));
            Logger::instance().error(error);
            return false;
        }
        if (!h->dismountVolume())
            Logger::instance().warning(QStringLiteral("Cannot dismount volume: %1").arg(volume));
        m_lockedVolumes.push_back(std::move(h));
        Logger::instance().info(QStringLiteral("Volume locked and dismounted: %1").arg(volume));
    }
    return true;
}

void DiskSession::releaseVolumeLocks()
{
    for (VolumeHandlePtr& v : m_lockedVolumes)
        v->unlockVolume();
    m_lockedVolumes.clear();
}

// Windows mounts the volumes of a re-read table at once: the re-read comes after the last write
// and after the disk handle is gone (so the disk is opened once more for it), and the locks go last.
void DiskSession::closeTargetLocked()
{
    const bool wasDisk = m_target && m_targetDiskNumber >= 0;
    if (m_target) {
        if (!m_target->flush())
            Logger::instance().warning(QStringLiteral("Failed to flush target: %1").arg(RawDisk::lastErrorText()));
        // The clone may have written a new table: from now on the disk is known by that one.
        if (wasDisk)
            DiskIdentity::followTable(m_target.get(), m_targetDiskNumber, m_targetLogicalSector);
        m_target.reset();
    }
    if (wasDisk) {
        DiskHandle disk = Platform::devices().openDevice(native(RawDisk::physicalDrivePath(m_targetDiskNumber)),
                                                         DeviceAccess::Read, DeviceFlags::None);
        if (disk)
            RawDisk::updateDiskProperties(disk.get());
    }
    releaseVolumeLocks();
}

bool DiskSession::flushTarget()
{
    QMutexLocker lock(&m_mutex);
    if (!m_target || !m_target->flush())
        return false;
    // Sector 0 may be written later by number (boot code), checked against the table written so far.
    if (m_targetDiskNumber >= 0)
        DiskIdentity::followTable(m_target.get(), m_targetDiskNumber, m_targetLogicalSector);
    return true;
}

uint64_t DiskSession::targetBytes() const
{
    QMutexLocker lock(&m_mutex);
    DiskGeometry geometry;
    if (!m_target || m_targetDiskNumber < 0 || !RawDisk::getDiskGeometry(m_target.get(), geometry) || geometry.diskSize <= 0)
        return 0;
    return uint64_t(geometry.diskSize);
}

bool DiskSession::rereadTargetLayout()
{
    QMutexLocker lock(&m_mutex);
    if (!m_target || !m_target->flush())
        return false;
    if (m_targetDiskNumber >= 0) {
        DiskIdentity::followTable(m_target.get(), m_targetDiskNumber, m_targetLogicalSector);
        RawDisk::updateDiskProperties(m_target.get());
    }
    return true;
}

void DiskSession::closeTarget()
{
    QMutexLocker lock(&m_mutex);
    closeTargetLocked();
}

void DiskSession::close()
{
    QMutexLocker lock(&m_mutex);
    m_source.reset();
    closeTargetLocked();
    // The shadow devices are closed before their set is deleted.
    m_sourceRoutes.clear();
    if (m_snapshot) {
        m_snapshot.reset();
        Logger::instance().info(QStringLiteral("Source snapshot deleted"));
    }
}

void DiskSession::readThroughSnapshot(std::unique_ptr<SourceSnapshot> snapshot, std::vector<RoutedDevice::Route> routes)
{
    QMutexLocker lock(&m_mutex);
    m_source.reset();
    m_sourceRoutes = std::move(routes);
    m_snapshot = std::move(snapshot);
}

bool DiskSession::readsSnapshot() const
{
    QMutexLocker lock(&m_mutex);
    return !m_sourceRoutes.empty();
}

bool DiskSession::hasSource() const
{
    QMutexLocker lock(&m_mutex);
    return m_source != nullptr;
}

bool DiskSession::hasTarget() const
{
    QMutexLocker lock(&m_mutex);
    return m_target != nullptr;
}
