#pragma once
// Test seam for the devices part: passes every call to another implementation; tests override the
// calls they want to bend and install it with ScopedPlatform(PlatformParts{.devices = &fake}).
#include "platform/platform.h"

#include <atomic>
#include <memory>

// Forwards the disk requests of a handle.
template <typename Handle>
class ForwardingHandleOf : public Handle {
public:
    explicit ForwardingHandleOf(std::unique_ptr<Handle> inner) : m_inner(std::move(inner)) {}

    bool readAt(uint64_t offset, void* buffer, uint64_t length, uint64_t& done) override
    { return m_inner->readAt(offset, buffer, length, done); }
    bool writeAt(uint64_t offset, const void* buffer, uint64_t length, uint64_t& done) override
    { return m_inner->writeAt(offset, buffer, length, done); }
    bool flush() override { return m_inner->flush(); }
    bool geometry(PlatformGeometry& out) override { return m_inner->geometry(out); }
    bool accessAlignment(PlatformAccessAlignment& out) override { return m_inner->accessAlignment(out); }
    bool deviceDescriptor(PlatformDeviceDescriptor& out) override { return m_inner->deviceDescriptor(out); }
    bool seekPenalty(bool& incursSeekPenalty) override { return m_inner->seekPenalty(incursSeekPenalty); }
    bool driveLayout(PlatformDriveLayout& out) override { return m_inner->driveLayout(out); }
    bool updateDiskProperties() override { return m_inner->updateDiskProperties(); }
    DeviceHandle::Discard discardKind() override { return m_inner->discardKind(); }
    bool discard(uint64_t offset, uint64_t length) override { return m_inner->discard(offset, length); }
    std::string path() const override { return m_inner->path(); }

protected:
    std::unique_ptr<Handle> m_inner;
};

using ForwardingHandle = ForwardingHandleOf<DeviceHandle>;

class ForwardingVolumeHandle : public ForwardingHandleOf<VolumeHandle> {
public:
    using ForwardingHandleOf<VolumeHandle>::ForwardingHandleOf;

    bool volumeDiskExtents(std::vector<PlatformExtent>& out) override { return m_inner->volumeDiskExtents(out); }
    bool lockVolume() override { return m_inner->lockVolume(); }
    bool unlockVolume() override { return m_inner->unlockVolume(); }
    bool dismountVolume() override { return m_inner->dismountVolume(); }
    bool allowExtendedAccess() override { return m_inner->allowExtendedAccess(); }
    bool ntfsVolumeData(PlatformNtfsVolumeData& out) override { return m_inner->ntfsVolumeData(out); }
    bool volumeBitmap(int64_t startingLcn, PlatformVolumeBitmap& out) override
    { return m_inner->volumeBitmap(startingLcn, out); }
};

class ForwardingDevices : public PlatformDevices {
public:
    explicit ForwardingDevices(PlatformDevices& inner) : m_inner(inner) {}

    std::unique_ptr<DeviceHandle> openDevice(const std::string& path, DeviceAccess access, DeviceFlags flags) override
    { return m_inner.openDevice(path, access, flags); }
    std::unique_ptr<VolumeHandle> openVolume(const std::string& path, DeviceAccess access, DeviceFlags flags) override
    { return m_inner.openVolume(path, access, flags); }
    std::string diskRealPath(int diskNumber) override { return m_inner.diskRealPath(diskNumber); }
    bool sameDevice(const std::string& a, const std::string& b) override { return m_inner.sameDevice(a, b); }

protected:
    PlatformDevices& m_inner;
};

// Also forwards the storage rules (sharing, busy volumes, claims, disk numbers), so that a run's
// checks before writing see the real platform.
class StorageForwardingDevices : public ForwardingDevices {
public:
    using ForwardingDevices::ForwardingDevices;

    std::vector<std::string> configurationMessages() override { return m_inner.configurationMessages(); }
    bool sharesStorage(const std::string& a, const ByteRange& ra, const std::string& b, const ByteRange& rb) override
    { return m_inner.sharesStorage(a, ra, b, rb); }
    std::string busyReason(const std::string& path, const ByteRange& range) override
    { return m_inner.busyReason(path, range); }
    std::unique_ptr<StorageClaim> claimStorage(const std::string& path, const ByteRange& range, bool exclusive) override
    { return m_inner.claimStorage(path, range, exclusive); }
    std::vector<int> disksOfPath(const std::string& path) override { return m_inner.disksOfPath(path); }
    std::vector<int> diskNumbers() override { return m_inner.diskNumbers(); }
    std::vector<int> systemDiskNumbers() override { return m_inner.systemDiskNumbers(); }
};

// Counts the handles it hands out that are still open.
class CountingDevices : public ForwardingDevices {
public:
    using ForwardingDevices::ForwardingDevices;

    std::unique_ptr<DeviceHandle> openDevice(const std::string& path, DeviceAccess access, DeviceFlags flags) override
    {
        auto inner = m_inner.openDevice(path, access, flags);
        if (!inner)
            return nullptr;
        return std::make_unique<Counted<ForwardingHandle, DeviceHandle>>(std::move(inner), m_open);
    }
    std::unique_ptr<VolumeHandle> openVolume(const std::string& path, DeviceAccess access, DeviceFlags flags) override
    {
        auto inner = m_inner.openVolume(path, access, flags);
        if (!inner)
            return nullptr;
        return std::make_unique<Counted<ForwardingVolumeHandle, VolumeHandle>>(std::move(inner), m_open);
    }
    int openHandles() const { return m_open.load(); }

private:
    template <typename Forwarding, typename Handle>
    class Counted : public Forwarding {
    public:
        Counted(std::unique_ptr<Handle> inner, std::atomic<int>& open)
            : Forwarding(std::move(inner)), m_open(open) { ++m_open; }
        ~Counted() override { --m_open; }
    private:
        std::atomic<int>& m_open;
    };
    std::atomic<int> m_open{0};
};
