#pragma once
#include "core/diskidentity.h"
#include "core/rawdisk.h"
#include "platform/routeddevice.h"
#include "platform/sourcesnapshot.h"

#include <QMutex>
#include <QString>
#include <vector>

// The source and target of one clone: how each is opened, the refusal of overlapping devices on
// both sides and of the running system's disks as target, the check that a target drive is still
// the disk the user chose (DiskIdentity::expect), the target's volumes in the range the run writes
// locked and dismounted until it is closed (a target whose volumes there cannot all be locked is
// not opened), and each side's sector sizes. The
// handle-changing operations hold the mutex; reads and writes through source() and target() come
// from the worker thread only.
class DiskSession {
public:
    DiskSession() = default;
    ~DiskSession();
    DiskSession(const DiskSession&) = delete;
    DiskSession& operator=(const DiskSession&) = delete;

    // On failure `error` holds the user-visible reason.
    bool openSource(const QString& path, QString& error);
    // From the next openSource on, the source's bytes in the routes come from their devices (the
    // shadow copies of `snapshot`); the set is deleted once the source is closed.
    void readThroughSnapshot(std::unique_ptr<SourceSnapshot> snapshot, std::vector<RoutedDevice::Route> routes);
    bool readsSnapshot() const;
    // `writes`: the bytes of a target disk the run writes (length 0: all of it); only the volumes
    // there are locked and dismounted, the others stay as their users have them.
    bool openTarget(const QString& path, QString& error, const ByteRange& writes = {});
    // Flushes the target; a disk target is from then on expected to carry the table now on it.
    bool flushTarget();
    // The target disk's size from its open handle; 0 when unknown or when the target is a volume.
    uint64_t targetBytes() const;
    // Flushes the target and makes the platform re-read its table through the open handle.
    bool rereadTargetLayout();
    // Flushes and closes the target, makes the platform re-read its table, then releases the locks.
    void closeTarget();
    void close();

    // A volume that will not lock is dismounted (closing its files) and asked again this often.
    static constexpr int LockAttempts = 10;
    static constexpr int LockPauseMs = 500;

    bool hasSource() const;
    bool hasTarget() const;
    DeviceHandle* source() const { return m_source.get(); }
    DeviceHandle* target() const { return m_target.get(); }
    QString sourcePath() const { return m_sourcePath; }
    QString targetPath() const { return m_targetPath; }
    int targetDiskNumber() const { return m_targetDiskNumber; }
    uint32_t sourceLogicalSector() const { return m_sourceLogicalSector; }
    uint32_t sourcePhysicalSector() const { return m_sourcePhysicalSector; }
    uint32_t targetLogicalSector() const { return m_targetLogicalSector; }
    uint32_t targetPhysicalSector() const { return m_targetPhysicalSector; }
    // Transfers are aligned to the physical sector: anything smaller is read-modify-write in the drive.
    uint32_t sourceAlignment() const { return m_sourcePhysicalSector; }
    uint32_t targetAlignment() const { return m_targetPhysicalSector; }

private:
    // -1: a volume path; -2: a drive path without a valid number.
    static int diskNumberOfPath(const QString& path);
    static bool isVolumePath(const QString& path);
    // `volume` receives the handle's volume requests when the path names a volume.
    DiskHandle openSide(const QString& path, bool writable, VolumeHandle** volume = nullptr);
    bool refuseSameDevice(const QString& sourcePath, const QString& targetPath, QString& error) const;
    bool refuseSystemDisk(int diskNumber, QString& error) const;
    bool refuseOtherDisk(DeviceHandle* target, int diskNumber, QString& error) const;
    // Locks and dismounts every volume in the written range of the target disk; false with the first
    // volume that stays busy or cannot say where it lies.
    bool lockTargetVolumesLocked(QString& error);
    static bool lockWithRetry(VolumeHandle* volume);
    void releaseVolumeLocks();
    void closeTargetLocked();

    mutable QMutex m_mutex;
    DiskHandle m_source;
    std::vector<RoutedDevice::Route> m_sourceRoutes;
    std::unique_ptr<SourceSnapshot> m_snapshot;
    DiskHandle m_target;
    QString m_sourcePath;
    QString m_targetPath;
    std::vector<VolumeHandlePtr> m_lockedVolumes;
    int m_targetDiskNumber = -1;
    ByteRange m_targetWrites;
    uint32_t m_sourceLogicalSector = 512;
    uint32_t m_sourcePhysicalSector = 512;
    uint32_t m_targetLogicalSector = 512;
    uint32_t m_targetPhysicalSector = 512;
};
