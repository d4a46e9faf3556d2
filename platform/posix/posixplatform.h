#pragma once
#include "platform/platform.h"
#include "platform/posix/disktable.h"
#include "platform/posix/posixdeviceopener.h"
#include "platform/posix/posixfiles.h"
#include "platform/posix/posixvolumes.h"
#include "platform/posix/storagemap.h"

#include <optional>

// The Linux backend: real block devices and image files, mounts from /proc/self/mountinfo, drive
// letters from a letter map. Configuration comes from the environment (TESSARIN_DISKS,
// TESSARIN_DRIVE_LETTERS, TESSARIN_WINDOWS_DIR) or, for tests, from a Settings value. One object
// serves every concern: they share the disk table and the drive-letter map.
class PosixPlatform : public PlatformBackend,
                      public PlatformDevices,
                      public PlatformVolumes,
                      public PlatformFiles,
                      public PlatformFirmware,
                      public PlatformRegistry,
                      public PlatformSnapshots {
public:
    struct Settings {
        // TESSARIN_DISKS; without a value the machine's whole disks are scanned from /sys/block.
        std::optional<std::string> disks;
        std::string driveLetters;      // TESSARIN_DRIVE_LETTERS, "Z=/mnt/x;Y=/mnt/y"
        std::string windowsDirectory;  // TESSARIN_WINDOWS_DIR, e.g. "Z:\Windows"
    };

    PosixPlatform();  // from the environment
    explicit PosixPlatform(Settings settings);

    static Settings settingsFromEnvironment();
    // Builds the disk table again from the settings (numbers of a TESSARIN_DISKS table are
    // positional and do not change; a /sys/block scan starts numbering afresh).
    void reloadDiskTable();
    std::vector<std::string> diskTableMessages() const;
    PlatformParts parts() override { return PlatformParts{this, this, this, this, this, this}; }
    std::vector<std::string> configurationMessages() override;
    // Native path of a Windows-form file path; empty (with lastError) for an unmapped drive letter.
    std::string nativeFilePath(const std::string& path);

    std::unique_ptr<DeviceHandle> openDevice(const std::string& path, DeviceAccess access, DeviceFlags flags) override;
    std::unique_ptr<VolumeHandle> openVolume(const std::string& path, DeviceAccess access, DeviceFlags flags) override;
    std::string diskRealPath(int diskNumber) override;
    bool sameDevice(const std::string& pathA, const std::string& pathB) override;
    bool sharesStorage(const std::string& pathA, const ByteRange& rangeA, const std::string& pathB,
                       const ByteRange& rangeB) override;
    std::string busyReason(const std::string& path, const ByteRange& range) override;
    // Read-write mounts of the range's block devices, loop devices over its image file included;
    // read-only mounts do not count.
    std::vector<WritableMount> writableMounts(const std::string& path, const ByteRange& range) override;
    // Open file description locks on the image files behind the range (also behind a loop device).
    std::unique_ptr<StorageClaim> claimStorage(const std::string& path, const ByteRange& range, bool exclusive) override;
    // io_uring where the kernel offers it, worker threads otherwise.
    std::unique_ptr<AsyncIo> createAsyncIo(unsigned depth) override;
    std::vector<int> systemDiskNumbers() override;

    std::vector<std::string> enumerateVolumes() override;
    std::vector<std::string> volumeMountPaths(const std::string& volumeName) override;
    std::string volumeNameForMountPoint(const std::string& mountPoint) override;
    bool volumeInformation(const std::string& rootPath, std::string& label, std::string& fileSystemName) override;
    bool diskFreeSpace(const std::string& rootPath, uint64_t& totalBytes, uint64_t& freeBytes) override;
    bool volumeContainsPath(const std::string& volumeName, const std::string& relativePath,
                            ProcessRunner& runner) override;

    std::string windowsDirectory() override;
    std::string systemDirectory() override;  // none: the Windows tools never run here
    bool fileExists(const std::string& path) override;
    bool createDirectory(const std::string& path) override;
    bool copyFile(const std::string& from, const std::string& to, bool failIfExists) override;
    bool deleteFile(const std::string& path) override;
    bool setFileAttributesNormal(const std::string& path) override;
    uint32_t logicalDrives() override;
    uint32_t driveType(const std::string& rootPath) override;
    bool syncFileData(int descriptor) override;
    bool syncFolder(const std::string& path) override;

    bool firmwareType(uint32_t& type) override;
    uint32_t probeFirmwareEnvironment() override;

    bool registryKeyExists(const std::string& subKey) override;
    std::unique_ptr<RegistryHive> openRegistryHive(const std::string& path) override;
    bool registryReadValue(const std::string& subKey, const std::string& valueName, std::vector<uint8_t>& data,
                           uint32_t& type) override;
    uint32_t registryEnumSubKeys(const std::string& subKey, std::vector<std::string>& names) override;

private:
    // The storage behind a range of a device name; `ok` false when the name leads nowhere.
    std::vector<StorageMap::Region> regionsOf(const std::string& path, const ByteRange& range, bool& ok);
    bool resolveDevice(const std::string& path, PosixDeviceOpener::Target& out);

    Settings m_settings;
    std::vector<std::string> m_settingMessages;
    DiskTable m_disks;
    PosixFiles m_files;
    PosixDeviceOpener m_opener;
    PosixVolumes m_volumes;
};
