#pragma once
#include "platform/devicehandle.h"

#include <vector>

// A handle opened to act on a volume: its extents, its lock and its file system's allocation.
// As on Windows, any path may be opened this way; the volume requests fail (InvalidFunction) on a
// handle that reaches no volume. Closing the handle releases its lock.
class VolumeHandle : public DeviceHandle {
public:
    virtual bool volumeDiskExtents(std::vector<PlatformExtent>& out) = 0;
    virtual bool lockVolume() = 0;
    virtual bool unlockVolume() = 0;
    virtual bool dismountVolume() = 0;
    virtual bool allowExtendedAccess() = 0;
    virtual bool ntfsVolumeData(PlatformNtfsVolumeData& out) = 0;
    virtual bool volumeBitmap(int64_t startingLcn, PlatformVolumeBitmap& out) = 0;
};
