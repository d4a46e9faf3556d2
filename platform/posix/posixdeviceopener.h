#pragma once
#include "platform/volumehandle.h"

#include <cstdint>
#include <memory>
#include <string>

class DiskTable;

// Opens what a device name leads to: decides the open flags, refuses a writable open of a device
// that is mounted or in use, and hands the descriptor to a PosixDeviceHandle.
class PosixDeviceOpener {
public:
    // Where a device name leads.
    struct Target {
        std::string nativePath;
        uint32_t imageSectorSize = 0;  // 0: not configured
        // A partition of an image-file disk: its disk and its place in the image.
        int diskNumber = -1;
        uint64_t windowStart = 0;
        uint64_t windowLength = 0;  // 0: not a partition of an image
    };

    explicit PosixDeviceOpener(DiskTable& disks) : m_disks(disks) {}

    // `path` is the name the caller used, for messages and the handle.
    std::unique_ptr<VolumeHandle> open(const std::string& path, const Target& target, DeviceAccess access,
                                       DeviceFlags flags);
    // Whether two targets reach one device, whatever their names.
    static bool sameDevice(const Target& a, const Target& b);

private:
    DiskTable& m_disks;
};
