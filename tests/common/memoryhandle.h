#pragma once
// A handle on a disk or volume of a MemoryStorage: transfers land on the disk's bytes, requests
// answer from the disk's and volume's settable fields.
#include "common/memorynames.h"
#include "common/memorystorage.h"

#include <algorithm>

class MemoryHandle : public VolumeHandle {
public:
    MemoryHandle(MemoryStorage* platform, MemoryStorage::Target target, std::string path, DeviceAccess access,
                 DeviceFlags flags)
        : m_platform(platform), m_target(std::move(target)), m_path(std::move(path)), m_access(access), m_flags(flags)
    {
    }

    ~MemoryHandle() override
    {
        // Closing a volume handle releases its lock, as on Windows.
        if (m_locked) {
            std::lock_guard<std::recursive_mutex> lock(m_platform->m_mutex);
            if (MemoryVolume* v = m_platform->findVolume(m_target.volume))
                v->lockCount = std::max(0, v->lockCount - 1);
        }
    }

    bool readAt(uint64_t offset, void* buffer, uint64_t length, uint64_t& done) override
    {
        return m_platform->transfer(m_target, false, offset, buffer, length, done, m_flags, m_path);
    }

    bool writeAt(uint64_t offset, const void* buffer, uint64_t length, uint64_t& done) override
    {
        done = 0;
        if (m_access != DeviceAccess::ReadWrite)
            return MemoryNames::fail(PlatformError::AccessDenied, MemoryNames::AccessDeniedText);
        return m_platform->transfer(m_target, true, offset, const_cast<void*>(buffer), length, done, m_flags, m_path);
    }

    bool flush() override
    {
        return onDisk([](MemoryDisk& d) {
            if (d.flushFails)
                return MemoryNames::fail(PlatformError::IoDevice, MemoryNames::IoDeviceText);
            ++d.flushCount;
            return true;
        });
    }

    Discard discardKind() override
    {
        if (m_access != DeviceAccess::ReadWrite)
            return Discard::None;
        std::lock_guard<std::recursive_mutex> lock(m_platform->m_mutex);
        MemoryDisk* d = disk();
        return d ? d->discardKind : Discard::None;
    }

    // A hole reads back as zeros; trimmed storage as a pattern, so nothing may rely on its contents.
    bool discard(uint64_t offset, uint64_t length) override
    {
        const Discard kind = discardKind();
        if (kind == Discard::None)
            return DeviceHandle::discard(offset, length);
        const bool fails = onDisk([](MemoryDisk& d) { return d.discardFails; });
        if (fails)
            return MemoryNames::fail(PlatformError::IoDevice, MemoryNames::IoDeviceText);
        std::vector<uint8_t> fill(size_t(length), kind == Discard::Zeroes ? 0x00 : 0xD5);
        uint64_t done = 0;
        if (!m_platform->transfer(m_target, true, offset, fill.data(), length, done, DeviceFlags::None, m_path))
            return false;
        return onDisk([&](MemoryDisk& d) {
            d.discardedBytes += done;
            return true;
        });
    }

    bool geometry(PlatformGeometry& out) override
    {
        return onDisk([&](MemoryDisk& d) {
            if (!d.geometryAnswers)
                return unsupported();
            out.diskSize = int64_t(d.data.size());
            out.bytesPerSector = d.logicalSector;
            out.tracksPerCylinder = 255;
            out.sectorsPerTrack = 63;
            out.cylinders = int64_t(d.data.size() / (uint64_t(255) * 63 * d.logicalSector));
            return true;
        });
    }

    bool accessAlignment(PlatformAccessAlignment& out) override
    {
        return onDisk([&](MemoryDisk& d) {
            out = PlatformAccessAlignment{d.logicalSector, d.physicalSector, 0};
            return true;
        });
    }

    bool deviceDescriptor(PlatformDeviceDescriptor& out) override
    {
        return onDisk([&](MemoryDisk& d) {
            out.answerLength = 1024;
            out.busType = d.busType;
            out.productId = d.productId;
            out.serialNumber = d.serialNumber;
            return true;
        });
    }

    bool seekPenalty(bool& incursSeekPenalty) override
    {
        return onDisk([&](MemoryDisk& d) {
            incursSeekPenalty = d.seekPenalty;
            return true;
        });
    }

    bool driveLayout(PlatformDriveLayout& out) override
    {
        return onDisk([&](MemoryDisk& d) {
            if (!m_target.volume.empty())
                return unsupported();
            out = d.layout;
            return true;
        });
    }

    bool updateDiskProperties() override
    {
        return onDisk([](MemoryDisk& d) { return ++d.updatePropertiesCount > 0; });
    }

    bool volumeDiskExtents(std::vector<PlatformExtent>& out) override
    {
        return onVolume([&](MemoryVolume& v) {
            if (v.extentsError)
                return MemoryNames::fail(v.extentsError, "The volume's extents cannot be read.");
            out = v.extents;
            return true;
        });
    }

    bool lockVolume() override
    {
        return onVolume([&](MemoryVolume& v) {
            if (v.lockCount > 0 || v.lockedElsewhere)
                return MemoryNames::fail(PlatformError::AccessDenied, MemoryNames::AccessDeniedText);
            ++v.lockCount;
            return m_locked = true;
        });
    }

    bool unlockVolume() override
    {
        return onVolume([&](MemoryVolume& v) {
            if (!m_locked)
                return MemoryNames::fail(PlatformError::NotSupported, "The volume is not locked.");
            v.lockCount = std::max(0, v.lockCount - 1);
            m_locked = false;
            return true;
        });
    }

    bool dismountVolume() override
    {
        return onVolume([](MemoryVolume& v) { return ++v.dismountCount > 0; });
    }

    bool allowExtendedAccess() override
    {
        return onVolume([](MemoryVolume&) { return true; });
    }

    // The program reads allocation from the volume itself, never through these requests.
    bool ntfsVolumeData(PlatformNtfsVolumeData&) override { return unsupported(); }
    bool volumeBitmap(int64_t, PlatformVolumeBitmap&) override { return unsupported(); }

    std::string path() const override { return m_path; }

private:
    MemoryDisk* disk()
    {
        if (m_target.disk < 0 || size_t(m_target.disk) >= m_platform->m_disks.size())
            return nullptr;
        MemoryDisk* d = &m_platform->m_disks[size_t(m_target.disk)];
        if (d->vanished) {
            Platform::setLastError(PlatformError::NotReady, MemoryNames::NotReadyText);
            return nullptr;
        }
        return d;
    }
    MemoryVolume* volume() { return m_target.volume.empty() ? nullptr : m_platform->findVolume(m_target.volume); }
    // Runs fn on the handle's disk or volume under the platform's lock; without one the request is
    // not supported.
    template <typename Fn>
    bool onDisk(Fn fn)
    {
        std::lock_guard<std::recursive_mutex> lock(m_platform->m_mutex);
        MemoryDisk* d = disk();
        return d ? fn(*d) : unsupported();
    }
    template <typename Fn>
    bool onVolume(Fn fn)
    {
        std::lock_guard<std::recursive_mutex> lock(m_platform->m_mutex);
        MemoryVolume* v = volume();
        return v ? fn(*v) : unsupported();
    }
    static bool unsupported()
    {
        if (Platform::lastErrorCode() != PlatformError::NotReady)
            Platform::setLastError(PlatformError::InvalidFunction, "Incorrect function.");
        return false;
    }

    MemoryStorage* m_platform;
    MemoryStorage::Target m_target;
    std::string m_path;
    DeviceAccess m_access;
    DeviceFlags m_flags;
    bool m_locked = false;
};
