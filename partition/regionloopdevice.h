#pragma once
#include <QString>
#include <cstdint>

// A loop device over exactly one byte range of an image file or block device, so that the
// file-system tools see a partition as a device of its own and cannot reach past it. Detached in the destructor; the
// detach waits until the kernel has really let go (ntfs-3g and mkntfs release it a moment late,
// and a device number reused too early would take someone else's writes).
class RegionLoopDevice {
public:
    static constexpr int LosetupTimeoutMs = 30000;
    static constexpr int ReleaseWaitMs = 15000;
    static constexpr int ReleasePollMs = 250;

    // ReadOnly: the kernel refuses every write through the device, whatever tool holds it.
    enum class Access { ReadOnly, ReadWrite };

    RegionLoopDevice() = default;
    ~RegionLoopDevice();
    RegionLoopDevice(const RegionLoopDevice&) = delete;
    RegionLoopDevice& operator=(const RegionLoopDevice&) = delete;

    // `sectorSize` other than 512 gives the device that logical sector size.
    bool attach(const QString& backingPath, uint64_t offset, uint64_t size, uint32_t sectorSize, Access access);
    // True once the device is gone (or was never there).
    bool detach();

    QString device() const { return m_device; }
    QString lastError() const { return m_lastError; }

private:
    QString m_device;
    QString m_backing;  // canonical path, as losetup shows it
    QString m_lastError;
};
