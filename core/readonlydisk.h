#pragma once
#include "core/rawdisk.h"

#include <cstdint>
#include <functional>

// A disk opened by number for reading only, with its logical sector size, its I/O alignment and
// its size: what the offline checks and repairs read tables and volumes through.
class ReadOnlyDisk {
public:
    using ReadFn = std::function<bool(uint64_t offset, uint64_t length, uint8_t* out)>;

    // False (reason in RawDisk::lastErrorText) when the disk cannot be opened or sized.
    bool open(int diskNumber);
    void close() { m_handle.reset(); }

    uint32_t sectorSize() const { return m_sectorSize; }
    uint64_t sectors() const { return m_sectors; }
    // Any byte range, through whole aligned spans; valid while the disk is open.
    bool read(uint64_t offset, uint64_t length, void* out) const;
    ReadFn reader() const;
    // For the parsers that read through a handle; owned by this disk.
    DeviceHandle* handle() const { return m_handle.get(); }

private:
    DiskHandle m_handle;
    uint32_t m_sectorSize = 512;
    uint32_t m_alignment = 512;
    uint64_t m_sectors = 0;
};
