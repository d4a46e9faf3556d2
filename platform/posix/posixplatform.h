#pragma once
#include "platform/platform.h"
#include "platform/posix/disktable.h"
#include "platform/posix/windowspathmapper.h"

#include <chrono>
#include <mutex>
#include <optional>
#include <sys/types.h>

// The Linux backend: real block devices and image files, mounts from /proc/self/mountinfo, drive
// letters from a letter map. Configuration comes from the environment (TESSARIN_DISKS,
// TESSARIN_DRIVE_LETTERS, TESSARIN_WINDOWS_DIR) or, for tests, from a Settings value.
class PosixPlatform : public Platform {
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
    std::vector<std::string> configurationMessages() override;
    // Native path of a Windows-form file path; empty (with lastError) for an unmapped drive letter.
    std::string nativeFilePath(const std::string& path);

    std::unique_ptr<DeviceHandle> openDevice(const std::string& path, DeviceAccess access, DeviceFlags flags) override;
    std::string diskRealPath(int diskNumber) override;
    bool sameDevice(const std::string& pathA, const std::string& pathB) override;

    std::vector<std::string> enumerateVolumes() override;
    std::vector<std::string> volumeMountPaths(const std::string& volumeName) override;
    std::string volumeNameForMountPoint(const std::string& mountPoint) override;
    bool volumeInformation(const std::string& rootPath, std::string& label, std::string& fileSystemName) override;
    bool diskFreeSpace(const std::string& rootPath, uint64_t& totalBytes, uint64_t& freeBytes) override;

    std::string windowsDirectory() override;
    bool fileExists(const std::string& path) override;
    bool createDirectory(const std::string& path) override;
    bool copyFile(const std::string& from, const std::string& to, bool failIfExists) override;
    bool deleteFile(const std::string& path) override;
    bool setFileAttributesNormal(const std::string& path) override;
    uint32_t logicalDrives() override;
    uint32_t driveType(const std::string& rootPath) override;

    bool firmwareType(uint32_t& type) override;
    uint32_t probeFirmwareEnvironment() override;

    bool registryKeyExists(const std::string& subKey) override;
    bool registryReadValue(const std::string& subKey, const std::string& valueName, std::vector<uint8_t>& data,
                           uint32_t& type) override;
    uint32_t registryEnumSubKeys(const std::string& subKey, std::vector<std::string>& names) override;

private:
    // Where a device name leads.
    struct DeviceTarget {
        std::string nativePath;
        uint32_t imageSectorSize = 0;  // 0: not configured
        // A partition of an image-file disk: its disk and its place in the image.
        int diskNumber = -1;
        uint64_t windowStart = 0;
        uint64_t windowLength = 0;  // 0: not a partition of an image
    };
    bool resolveDevice(const std::string& path, DeviceTarget& out);
    // The volume entries of the table of disk `number` when that disk is an image file; false
    // when it is not one or its table cannot be read.
    bool imageVolumes(int number, const DiskTable::Entry& entry, std::vector<PlatformLayoutEntry>& out);
    bool imageVolumeTarget(int diskNumber, uint32_t partitionNumber, DeviceTarget& out);
    bool tableEntry(int number, DiskTable::Entry& out);
    std::vector<DiskTable::Entry> tableSnapshot();
    void refreshScannedTable();
    // Table number of a whole disk given by device number, or -1.
    int diskNumberOfDevice(dev_t rdev);
    uint32_t configuredSectorSize(const struct stat& st);
    static std::string matchCase(const std::string& native);
    // Kernel name of the block device behind a volume name or a mount path; `mountType` gets the
    // file-system type of its mount when it is mounted.
    std::string volumeDevice(const std::string& rootPath, std::string& mountType, std::string& mountPoint);

    Settings m_settings;
    WindowsPathMapper m_paths;
    std::vector<std::string> m_settingMessages;
    mutable std::mutex m_mutex;
    std::vector<DiskTable::Entry> m_table;
    std::vector<std::string> m_tableMessages;
    std::chrono::steady_clock::time_point m_lastScan;
};
