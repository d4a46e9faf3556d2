#pragma once
#include "platform/asyncio.h"
#include "platform/storageclaim.h"
#include "platform/volumehandle.h"

#include <memory>
#include <string>
#include <vector>

class PlatformFiles;
class PlatformVolumes;

// Disks, volumes and image files as storage: opening them, telling them apart, and which of them
// the running system stands on.
class PlatformDevices {
public:
    virtual ~PlatformDevices() = default;

    // Problems found in the backend's configuration (missing disks, malformed settings), one
    // message each, for the portable code to log; empty when there is nothing to report.
    virtual std::vector<std::string> configurationMessages() { return {}; }

    virtual std::unique_ptr<DeviceHandle> openDevice(const std::string& path, DeviceAccess access,
                                                     DeviceFlags flags) = 0;
    // The same open, for the volume requests (lock, dismount, extents, allocation bitmap).
    virtual std::unique_ptr<VolumeHandle> openVolume(const std::string& path, DeviceAccess access,
                                                     DeviceFlags flags) = 0;
    // The real place behind a drive number, for display next to "\\.\PhysicalDrive%1"
    // (e.g. "/dev/sdb", "/tmp/a.img"); empty when the number is unknown.
    virtual std::string diskRealPath(int diskNumber) = 0;
    // True when both paths reach the same device (same file or block device), whatever their names.
    virtual bool sameDevice(const std::string& pathA, const std::string& pathB) = 0;
    // True when the two ranges share storage under any names: the same disk, a loop device and its
    // backing file, a partition and its disk, an image file and the disk holding it. The default
    // compares the devices and the disks of the paths, whatever the ranges.
    virtual bool sharesStorage(const std::string& pathA, const ByteRange& rangeA, const std::string& pathB,
                               const ByteRange& rangeB);
    // Why the range cannot be written now (mounted or held, also under another name); empty when it
    // can. The default knows nothing beyond what opening and locking the volumes tells.
    virtual std::string busyReason(const std::string& path, const ByteRange& range);
    // A file system mounted for writing over part of a range: its bytes may change while they are read.
    struct WritableMount {
        std::string volumeName;  // as enumerateVolumes names it; empty when no volume name reaches it
        std::string mountPoint;  // where it is mounted, for messages
        std::vector<PlatformExtent> extents;  // the volume's place on its disks, in the volume's order
    };
    // Every file system mounted for writing over the range, also under another name. The default:
    // each volume with a mount path whose extents meet the range on the path's disks.
    virtual std::vector<WritableMount> writableMounts(const std::string& path, const ByteRange& range);
    // Holds the range for this run so that no other run writes it (exclusive) or writes it while
    // this one reads it (shared); released with the claim. Null with lastError when another run
    // holds it. The default claims nothing and always succeeds.
    virtual std::unique_ptr<StorageClaim> claimStorage(const std::string& path, const ByteRange& range, bool exclusive);
    // Numbers of the disks a path occupies: a drive its own number, a volume the disks of its
    // extents, a file the disks of the volume that holds it; empty when the platform cannot tell.
    // The default knows drive paths and volume names.
    virtual std::vector<int> disksOfPath(const std::string& path);
    // Every disk number present now, ascending. The default probes the drive paths one by one.
    virtual std::vector<int> diskNumbers();
    // Numbers of the disks that hold the running system, never to be written. The default: the
    // disk of the Windows directory's volume, as the installed files and volumes report them.
    virtual std::vector<int> systemDiskNumbers();
    // A queue for up to `depth` transfers in flight on handles this platform opened. The default
    // runs them on worker threads through DeviceHandle::readAt/writeAt.
    virtual std::unique_ptr<AsyncIo> createAsyncIo(unsigned depth);

protected:
    // The disk of the Windows directory's volume, from the given parts.
    static std::vector<int> windowsDirectoryDisks(PlatformFiles& files, PlatformVolumes& volumes,
                                                  PlatformDevices& devices);
};
