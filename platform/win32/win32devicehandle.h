#pragma once
// A CreateFileW handle on a disk, volume or file, opened for overlapped I/O so that Win32AsyncIo can
// run transfers on it; the calls here wait for their own completion. Compiled only on Windows.
#include "platform/volumehandle.h"

#include <cstdint>
#include <string>
#include <vector>

class Win32DeviceHandle : public VolumeHandle {
public:
    // Takes ownership of `handle` (a Win32 HANDLE) and closes it on destruction.
    Win32DeviceHandle(void* handle, std::string path);
    ~Win32DeviceHandle() override;
    Win32DeviceHandle(const Win32DeviceHandle&) = delete;
    Win32DeviceHandle& operator=(const Win32DeviceHandle&) = delete;

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

    std::string path() const override;
    void* nativeHandle() const { return m_handle; }
    // How many of `length` bytes at `offset` may be written, in `allowed`: an image file ends where
    // it ends, as a disk does (WriteFile past its end would grow it). False at or past its end.
    bool writableLength(uint64_t offset, uint64_t length, uint64_t& allowed) const;

private:
    // Positioned ReadFile/WriteFile in DWORD-sized pieces, each waited for.
    bool transfer(bool write, uint64_t offset, uint8_t* buffer, uint64_t length, uint64_t& done);
    // DeviceIoControl waited for; false leaves the reason in GetLastError (bytes of a cut answer in `returned`).
    bool control(unsigned long code, const void* input, unsigned long inputLength, void* output,
                 unsigned long outputLength, unsigned long& returned);
    // Sector sizes of the volume under a file (FileStorageInfo); false for devices.
    bool fileStorage(uint32_t& logical, uint32_t& physical, uint32_t& alignmentOffset);
    // An image file's layout, read from its own sectors as a disk would answer it.
    bool fileLayout(PlatformDriveLayout& out);
    // DeviceIoControl without buffers, for the requests that only act.
    bool simpleControl(unsigned long code);
    // A storage property query of `propertyId` into `answer`; `returned` receives the bytes written.
    bool queryProperty(int propertyId, std::vector<uint8_t>& answer, unsigned long& returned);

    void* m_handle;
    std::string m_path;
    std::vector<uint8_t> m_bitmapAnswer;
    // Trims of a disk in pieces of at most TrimRangesPerCall ranges; holes of a file made sparse first.
    bool trim(uint64_t offset, uint64_t length);
    bool zeroFileRange(uint64_t offset, uint64_t length);

    bool m_discardAsked = false;
    Discard m_discardKind = Discard::None;
    bool m_sparse = false;
    int64_t m_fileSize = -1;  // an image file's size when opened; -1 for disks and volumes
};
