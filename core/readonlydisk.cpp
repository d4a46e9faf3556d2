#include "core/readonlydisk.h"

#include <algorithm>

bool ReadOnlyDisk::open(int diskNumber)
{
    m_handle = RawDisk::openDisk(diskNumber, false);
    DiskGeometry geometry;
    StorageAlignment alignment;
    if (!m_handle || !RawDisk::getDiskGeometry(m_handle.get(), geometry) || geometry.diskSize <= 0
        || !RawDisk::queryAlignment(m_handle.get(), alignment) || alignment.logicalSector == 0) {
        m_handle.reset();
        return false;
    }
    m_sectorSize = alignment.logicalSector;
    m_alignment = std::max(alignment.logicalSector, alignment.physicalSector);
    m_sectors = uint64_t(geometry.diskSize) / m_sectorSize;
    return true;
}

bool ReadOnlyDisk::read(uint64_t offset, uint64_t length, void* out) const
{
    return m_handle && RawDisk::readRange(m_handle.get(), offset, length, out, m_alignment);
}

ReadOnlyDisk::ReadFn ReadOnlyDisk::reader() const
{
    return [this](uint64_t offset, uint64_t length, uint8_t* out) { return read(offset, length, out); };
}
