#pragma once
// Test seam: passes every call to another backend; tests override the calls they want to bend.
#include "platform/platform.h"

#include <atomic>
#include <memory>

class ForwardingHandle : public DeviceHandle {
public:
    explicit ForwardingHandle(std::unique_ptr<DeviceHandle> inner) : m_inner(std::move(inner)) {}

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
    bool volumeDiskExtents(std::vector<PlatformExtent>& out) override { return m_inner->volumeDiskExtents(out); }
    bool lockVolume() override { return m_inner->lockVolume(); }
    bool unlockVolume() override { return m_inner->unlockVolume(); }
    bool dismountVolume() override { return m_inner->dismountVolume(); }
    bool allowExtendedAccess() override { return m_inner->allowExtendedAccess(); }
    bool ntfsVolumeData(PlatformNtfsVolumeData& out) override { return m_inner->ntfsVolumeData(out); }
    bool volumeBitmap(int64_t startingLcn, PlatformVolumeBitmap& out) override
    { return m_inner->volumeBitmap(startingLcn, out); }
    std::string path() const override { return m_inner->path(); }

protected:
    std::unique_ptr<DeviceHandle> m_inner;
};

class ForwardingPlatform : public Platform {
public:
    explicit ForwardingPlatform(Platform& inner) : m_inner(inner) {}

    std::unique_ptr<DeviceHandle> openDevice(const std::string& path, DeviceAccess access, DeviceFlags flags) override
    { return m_inner.openDevice(path, access, flags); }
    std::string diskRealPath(int diskNumber) override { return m_inner.diskRealPath(diskNumber); }
    bool sameDevice(const std::string& a, const std::string& b) override { return m_inner.sameDevice(a, b); }
    std::vector<std::string> enumerateVolumes() override { return m_inner.enumerateVolumes(); }
    std::vector<std::string> volumeMountPaths(const std::string& volumeName) override
    { return m_inner.volumeMountPaths(volumeName); }
    std::string volumeNameForMountPoint(const std::string& mountPoint) override
    { return m_inner.volumeNameForMountPoint(mountPoint); }
    bool volumeInformation(const std::string& rootPath, std::string& label, std::string& fileSystemName) override
    { return m_inner.volumeInformation(rootPath, label, fileSystemName); }
    bool diskFreeSpace(const std::string& rootPath, uint64_t& totalBytes, uint64_t& freeBytes) override
    { return m_inner.diskFreeSpace(rootPath, totalBytes, freeBytes); }
    std::string windowsDirectory() override { return m_inner.windowsDirectory(); }
    bool fileExists(const std::string& path) override { return m_inner.fileExists(path); }
    bool createDirectory(const std::string& path) override { return m_inner.createDirectory(path); }
    bool copyFile(const std::string& from, const std::string& to, bool failIfExists) override
    { return m_inner.copyFile(from, to, failIfExists); }
    bool deleteFile(const std::string& path) override { return m_inner.deleteFile(path); }
    bool setFileAttributesNormal(const std::string& path) override { return m_inner.setFileAttributesNormal(path); }
    uint32_t logicalDrives() override { return m_inner.logicalDrives(); }
    uint32_t driveType(const std::string& rootPath) override { return m_inner.driveType(rootPath); }
    bool firmwareType(uint32_t& type) override { return m_inner.firmwareType(type); }
    uint32_t probeFirmwareEnvironment() override { return m_inner.probeFirmwareEnvironment(); }
    bool registryKeyExists(const std::string& subKey) override { return m_inner.registryKeyExists(subKey); }
    bool registryReadValue(const std::string& subKey, const std::string& valueName, std::vector<uint8_t>& data,
                           uint32_t& type) override
    { return m_inner.registryReadValue(subKey, valueName, data, type); }
    uint32_t registryEnumSubKeys(const std::string& subKey, std::vector<std::string>& names) override
    { return m_inner.registryEnumSubKeys(subKey, names); }

protected:
    Platform& m_inner;
};

// Counts the handles it hands out that are still open.
class CountingPlatform : public ForwardingPlatform {
public:
    using ForwardingPlatform::ForwardingPlatform;

    std::unique_ptr<DeviceHandle> openDevice(const std::string& path, DeviceAccess access, DeviceFlags flags) override
    {
        auto inner = m_inner.openDevice(path, access, flags);
        if (!inner)
            return nullptr;
        return std::make_unique<Counted>(std::move(inner), m_open);
    }
    int openHandles() const { return m_open.load(); }

private:
    class Counted : public ForwardingHandle {
    public:
        Counted(std::unique_ptr<DeviceHandle> inner, std::atomic<int>& open)
            : ForwardingHandle(std::move(inner)), m_open(open) { ++m_open; }
        ~Counted() override { --m_open; }
    private:
        std::atomic<int>& m_open;
    };
    std::atomic<int> m_open{0};
};
