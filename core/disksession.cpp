#include "core/disksession.h"

#include "core/logger.h"

#include <QCoreApplication>
#include <QMutexLocker>

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
    const bool same = QString::compare(sourcePath, targetPath, Qt::CaseInsensitive) == 0
        || Platform::current().sameDevice(native(sourcePath), native(targetPath));
    if (!same)
        return false;
    Logger::instance().error(
        QStringLiteral("Source and target are the same device: %1 and %2").arg(sourcePath, targetPath));
    error = QCoreApplication::translate("DiskIO", "Source and target are the same device: %1 and %2").arg(sourcePath, targetPath);
    return true;
}

// A whole disk is opened unbuffered for sequential access, falling back to the plain disk open; a
// target disk's volumes are locked first so that no file system writes behind the copy.
DiskHandle DiskSession::openSide(const QString& path, bool writable)
{
    const int n = diskNumberOfPath(path);
    if (n == -1)
        return RawDisk::openVolume(path, writable);
    if (n == -2) {
        Platform::setLastError(PlatformError::InvalidParameter, "The disk path has no valid drive number");
        return nullptr;
    }
    if (writable) {
        m_targetDiskNumber = n;
        if (!lockTargetVolumesLocked())
            Logger::instance().warning(QStringLiteral("Failed to lock some target volumes, continuing anyway..."));
    }
    DiskHandle h = Platform::current().openDevice(native(RawDisk::physicalDrivePath(n)),
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

bool DiskSession::openTarget(const QString& path, QString& error)
{
    QMutexLocker lock(&m_mutex);
    // Checked before any volume is locked: the source's volumes must stay untouched.
    if (m_source && refuseSameDevice(m_sourcePath, path, error))
        return false;
    closeTargetLocked();
    m_targetPath.clear();
    DiskHandle h = openSide(path, true);
    if (!h) {
        const QString err = RawDisk::lastErrorText();
        Logger::instance().error(QStringLiteral("Failed to open target: %1").arg(err));
        error = QCoreApplication::translate("DiskIO", "Failed to open target: %1").arg(err);
        return false;
    }
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

bool DiskSession::lockTargetVolumes()
{
    QMutexLocker lock(&m_mutex);
    return lockTargetVolumesLocked();
}

bool DiskSession::lockTargetVolumesLocked()
{
    if (m_targetDiskNumber < 0)
        return true;
    bool allLocked = true;
    for (const QString& volume : RawDisk::enumerateVolumes()) {
        for (const DiskExtent& extent : RawDisk::getVolumeDiskExtents(volume)) {
            if (extent.diskNumber != static_cast<uint32_t>(m_targetDiskNumber))
                continue;
            Logger::instance().info(QStringLiteral("Locking volume on target disk: %1").arg(volume));
            QString path = volume;
            if (path.endsWith(QLatin1Char('\\')))
                path.chop(1);
            DiskHandle h = Platform::current().openDevice(native(path), DeviceAccess::ReadWrite, DeviceFlags::None);
            if (!h) {
                Logger::instance().warning(
                    QStringLiteral("Cannot open volume: %1, error: %2").arg(volume, RawDisk::lastErrorText()));
                allLocked = false;
                continue;
            }
            if (!h->lockVolume()) {
                Logger::instance().warning(QStringLiteral("Cannot lock volume: %1").arg(volume));
                allLocked = false;
            }
            if (!h->dismountVolume())
                Logger::instance().warning(QStringLiteral("Cannot dismount volume: %1").arg(volume));
            h->allowExtendedAccess();
            m_lockedVolumes.push_back(std::move(h));
            Logger::instance().info(QStringLiteral("Volume locked and dismounted: %1").arg(volume));
            break;
        }
    }
    return allLocked;
}

void DiskSession::closeTargetLocked()
{
    for (DiskHandle& v : m_lockedVolumes)
        v->unlockVolume();
    m_lockedVolumes.clear();
    if (m_target) {
        if (!m_target->flush())
            Logger::instance().warning(QStringLiteral("Failed to flush target: %1").arg(RawDisk::lastErrorText()));
        m_target.reset();
    }
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
