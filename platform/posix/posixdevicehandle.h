#pragma once
#include "platform/volumehandle.h"

#include <sys/types.h>

// An open block device (disk or partition) or image file. Created by PosixPlatform, which resolves
// names and decides the open flags; this class only works on the descriptor it is given.
class PosixDeviceHandle : public VolumeHandle {
public:
    struct Setup {
        std::string path;              // as the caller named it
        std::string nativePath;        // what was opened
        int fd = -1;                   // owned from now on
        bool pathOnly = false;         // opened for existence only: no transfers
        bool writable = false;
        bool buffered = false;         // unbuffered I/O was asked but the file system refused it
        std::string openNote;
        uint32_t imageSectorSize = 512;  // presented logical sector size of an image file
        bool isVolume = false;         // a partition of a disk
        int diskNumber = -1;           // table number of the disk a volume lies on
        uint64_t volumeStart = 0;      // bytes from the start of that disk
        // Not 0: a partition of an image file, the window [volumeStart, volumeStart + windowLength)
        // of `fd`, presented from offset 0; no transfer leaves it.
        uint64_t windowLength = 0;
    };

    explicit PosixDeviceHandle(Setup setup);
    ~PosixDeviceHandle() override;
    PosixDeviceHandle(const PosixDeviceHandle&) = delete;
    PosixDeviceHandle& operator=(const PosixDeviceHandle&) = delete;

    bool readAt(uint64_t offset, void* buffer, uint64_t length, uint64_t& done) override;
    bool writeAt(uint64_t offset, const void* buffer, uint64_t length, uint64_t& done) override;
    bool flush() override;

    bool geometry(PlatformGeometry& out) override;
    bool accessAlignment(PlatformAccessAlignment& out) override;
    bool deviceDescriptor(PlatformDeviceDescriptor& out) override;
    bool seekPenalty(bool& incursSeekPenalty) override;
    bool driveLayout(PlatformDriveLayout& out) override;
    bool updateDiskProperties() override;
    Discard discardKind() override;
    bool discard(uint64_t offset, uint64_t length) override;

    bool volumeDiskExtents(std::vector<PlatformExtent>& out) override;
    bool lockVolume() override;
    bool unlockVolume() override;
    bool dismountVolume() override;
    bool allowExtendedAccess() override;
    bool ntfsVolumeData(PlatformNtfsVolumeData& out) override;
    bool volumeBitmap(int64_t startingLcn, PlatformVolumeBitmap& out) override;

    std::string path() const override { return m_setup.path; }
    std::string openNote() const override { return m_setup.openNote; }

    // Where a transfer of `length` bytes at presented `offset` lands in the descriptor, cut at the
    // presented end; false (platform error set) when the handle may not do it or it starts past the end.
    struct Placement {
        int fd = -1;
        uint64_t fileOffset = 0;
        uint64_t length = 0;
    };
    bool placeTransfer(bool writing, uint64_t offset, uint64_t length, Placement& out);

    bool isBuffered() const { return m_setup.buffered; }
    bool isWindow() const { return m_setup.windowLength != 0; }
    bool isBlockDevice() const { return m_blockDevice; }
    const std::string& nativePath() const { return m_setup.nativePath; }
    // The presented size: a block device's size, or an image's size cut to whole logical sectors.
    bool presentedSize(uint64_t& size);
    uint32_t logicalSectorSize();

    // Why a block device cannot be taken over for writing: its mounts, swap use or holders, as
    // text ("mounted on /mnt/x"); empty when nothing holds it. Also used before a writable open.
    static std::string inUseReason(dev_t rdev, const std::string& kernelName, bool includePartitions);

private:
    // A descriptor that can take ioctls; an existence-only handle opens the device for a moment.
    int controlFd();
    void releaseControlFd(int fd);
    bool addMissingPartitions(int fd);
    // readAt and writeAt: the bounds of the presented size, retries, and the window of an image.
    bool transfer(bool writing, uint64_t offset, uint8_t* data, uint64_t length, uint64_t& done);
    bool readSpan(uint64_t offset, uint64_t length, uint8_t* out);
    // Where presented offset 0 lies in the file.
    uint64_t base() const { return isWindow() ? m_setup.volumeStart : 0; }
    std::string kernelName() const;
    std::string wholeDiskKernelName() const;

    Setup m_setup;
    bool m_blockDevice = false;
    dev_t m_rdev = 0;
    bool m_sizeKnown = false;
    uint64_t m_size = 0;
};
