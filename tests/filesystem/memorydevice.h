#pragma once
// A device over bytes in memory, for parser tests: counts reads and can fail a byte span.
#include "platform/devicehandle.h"
#include "platform/platform.h"

#include <QByteArray>
#include <QList>
#include <QPair>
#include <cstring>

class MemoryDevice : public DeviceHandle {
public:
    explicit MemoryDevice(const QByteArray& bytes) : m_bytes(bytes) {}

    QByteArray m_bytes;
    uint64_t m_failFrom = ~0ull;  // reads touching [m_failFrom, m_failTo) fail
    uint64_t m_failTo = ~0ull;
    QList<QPair<uint64_t, uint64_t>> m_reads;  // (offset, length) of each read

    bool readAt(uint64_t offset, void* buffer, uint64_t length, uint64_t& done) override
    {
        m_reads.append({offset, length});
        done = 0;
        if (offset < m_failTo && offset + length > m_failFrom) {
            Platform::setLastError(PlatformError::IoDevice, "injected read failure");
            return false;
        }
        if (offset >= uint64_t(m_bytes.size()))
            return true;
        done = std::min<uint64_t>(length, uint64_t(m_bytes.size()) - offset);
        std::memcpy(buffer, m_bytes.constData() + offset, done);
        return true;
    }
    bool writeAt(uint64_t, const void*, uint64_t, uint64_t&) override { return false; }
    bool flush() override { return true; }
    bool geometry(PlatformGeometry& out) override
    {
        out.diskSize = m_bytes.size();
        out.bytesPerSector = 512;
        return true;
    }
    bool accessAlignment(PlatformAccessAlignment&) override { return false; }
    bool deviceDescriptor(PlatformDeviceDescriptor&) override { return false; }
    bool seekPenalty(bool&) override { return false; }
    bool driveLayout(PlatformDriveLayout&) override { return false; }
    bool updateDiskProperties() override { return false; }
    bool volumeDiskExtents(std::vector<PlatformExtent>&) override { return false; }
    bool lockVolume() override { return false; }
    bool unlockVolume() override { return false; }
    bool dismountVolume() override { return false; }
    bool allowExtendedAccess() override { return false; }
    bool ntfsVolumeData(PlatformNtfsVolumeData&) override { return false; }
    bool volumeBitmap(int64_t, PlatformVolumeBitmap&) override { return false; }
    std::string path() const override { return "memory"; }
};
