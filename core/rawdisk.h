#pragma once
#include "platform/platform.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <memory>

using DiskHandle = std::unique_ptr<DeviceHandle>;
using VolumeHandlePtr = std::unique_ptr<VolumeHandle>;

// The seam's records serve as they are; only the alignment gets defaults of its own.
using DiskGeometry = PlatformGeometry;
using DiskExtent = PlatformExtent;

struct StorageAlignment {
    uint32_t logicalSector = 512;
    uint32_t physicalSector = 512;
    uint32_t alignmentOffset = 0;
};

// Stateless operations on disks, volumes and their handles, over the platform seam. Handles it
// returns belong to the caller. Failures are logged with the platform's error text.
class RawDisk {
public:
    static QString physicalDrivePath(int diskNumber);
    static DiskHandle openDisk(int diskNumber, bool writable);
    static VolumeHandlePtr openVolume(const QString& path, bool writable);

    // Exactly the asked sectors; the caller's buffer must suit the handle.
    static bool readSectors(DeviceHandle* handle, uint64_t sector, uint32_t count, void* buffer, uint32_t sectorSize);
    static bool writeSectors(DeviceHandle* handle, uint64_t sector, uint32_t count, const void* buffer,
                             uint32_t sectorSize);
    // Any byte range, through whole aligned spans: never past the device end, and a partial span is
    // written only after its neighbouring bytes were read from the device.
    static bool readRange(DeviceHandle* handle, uint64_t offset, uint64_t length, void* buffer, uint32_t alignment);
    static bool writeRange(DeviceHandle* handle, uint64_t offset, uint64_t length, const void* buffer,
                           uint32_t alignment);
    static bool readSectorsAligned(DeviceHandle* handle, uint64_t sector, uint32_t count, void* buffer,
                                   uint32_t sectorSize, uint32_t alignment);
    static bool writeSectorsAligned(DeviceHandle* handle, uint64_t sector, uint32_t count, const void* buffer,
                                    uint32_t sectorSize, uint32_t alignment);

    static bool getDiskGeometry(DeviceHandle* handle, DiskGeometry& geometry);
    static bool queryAlignment(DeviceHandle* handle, StorageAlignment& alignment);
    static QString getBusType(int diskNumber);
    static QString busTypeName(int busType);
    static bool isSsd(int diskNumber);
    static QList<DiskExtent> getVolumeDiskExtents(const QString& volumePath);
    static int getDiskNumberForVolume(const QString& volumePath);
    static QStringList enumerateVolumes();
    // Volumes with an extent on disk `diskNumber` that meets `range` (length 0: the whole disk); an
    // extent of unknown place counts as meeting it. False, with `error`, when a volume cannot say
    // where it lies, since it may lie there; one on no disk at all (an optical drive, a volume
    // outside the disk table) answers InvalidFunction, one without its medium NotReady, and
    // neither is a concern.
    static bool volumesOnDisk(int diskNumber, const ByteRange& range, QStringList& out, QString& error);
    static QStringList getVolumeMountPaths(const QString& volumeName);
    // "E:\ (\\?\Volume{...}\)", or the bare name when the volume has no mount path.
    static QString volumeLabel(const QString& volume);
    static QString getVolumeNameForMountPoint(const QString& path);
    static bool unlockVolume(VolumeHandle* handle);
    static bool updateDiskProperties(DeviceHandle* handle);
    static bool flush(DeviceHandle* handle);
    static QString lastErrorText();
};
