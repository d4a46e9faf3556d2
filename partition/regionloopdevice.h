#pragma once
#include "platform/regionloop.h"

#include <QString>
#include <cstdint>

// RegionLoop for the partition and boot code: attached through the program's one runner, with
// Qt texts and a log line for every mapping.
class RegionLoopDevice {
public:
    // ReadOnly: the kernel refuses every write through the device, whatever tool holds it.
    enum class Access { ReadOnly, ReadWrite };

    RegionLoopDevice();
    ~RegionLoopDevice();
    RegionLoopDevice(const RegionLoopDevice&) = delete;
    RegionLoopDevice& operator=(const RegionLoopDevice&) = delete;

    // `sectorSize` other than 512 gives the device that logical sector size.
    bool attach(const QString& backingPath, uint64_t offset, uint64_t size, uint32_t sectorSize, Access access);
    // True once the device is gone (or was never there).
    bool detach();

    QString device() const { return QString::fromStdString(m_loop.device()); }
    QString lastError() const { return m_lastError; }

private:
    RegionLoop m_loop;
    QString m_lastError;
};
