#pragma once
#include "platform/asyncio.h"
#include "platform/devicehandle.h"
#include "platform/processrunner.h"
#include "platform/registryhive.h"
#include "platform/storageclaim.h"

#include <memory>

// The seam between the portable program and the operating system. Paths are UTF-8 and written
// the Windows way ("\\.\PhysicalDrive3", "\\?\Volume{...}\", "Z:\EFI\Boot"); a backend turns them
// into its own. Failing calls return false/null/empty and leave the reason in lastErrorCode()/
// lastErrorText() of the calling thread, like GetLastError.
class Platform {
public:
    virtual ~Platform() = default;

    // The backend in use: the native one unless a test installed its own with setCurrent.
    static Platform& current();
    // Installs `platform` (not owned) for the whole process; nullptr restores the native backend.
    static void setCurrent(Platform* platform);
    static Platform& native();

    static void setLastError(uint32_t code, const std::string& text);
    static uint32_t lastErrorCode();
    static std::string lastErrorText();

    // Problems found in the backend's configuration (missing disks, malformed settings), one
    // message each, for the portable code to log; empty when there is nothing to report.
    virtual std::vector<std::string> configurationMessages() { return {}; }

    // --- devices ---
    virtual std::unique_ptr<DeviceHandle> openDevice(const std::string& path, DeviceAccess access,
                                                     DeviceFlags flags) = 0;
    // The real place behind a drive number, for display next to "\\.\PhysicalDrive%1"
    // (e.g. "/dev/sdb", "/tmp/a.img"); empty when the number is unknown.
    virtual std::string diskRealPath(int diskNumber) = 0;
    // True when both paths reach the same device (same file or block device), whatever their names.
    virtual bool sameDevice(const std::string& pathA, const std::string& pathB) = 0;
    // True when the two ranges share storage under any names: the same disk, a loop device and its
    // backing file, a partition and its disk, an image file and the disk holding it. The default
    // compares the devices and the disks of the paths, whatever the ranges.
    virtual bool sharesStorage(const std::string& pathA, const ByteRange& rangeA, const std::string& pathB,
                               const ByteRange& rangeB);
    // Why the range cannot be written now (mounted or held, also under another name); empty when it
    // can. The default knows nothing beyond what opening and locking the volumes tells.
    virtual std::string busyReason(const std::string& path, const ByteRange& range);
    // Holds the range for this run so that no other run writes it (exclusive) or writes it while
    // this one reads it (shared); released with the claim. Null with lastError when another run
    // holds it. The default claims nothing and always succeeds.
    virtual std::unique_ptr<StorageClaim> claimStorage(const std::string& path, const ByteRange& range, bool exclusive);
    // Numbers of the disks a path occupies: a drive its own number, a volume the disks of its
    // extents, a file the disks of the volume that holds it; empty when the platform cannot tell.
    // The default knows drive paths and volume names.
    virtual std::vector<int> disksOfPath(const std::string& path);
    // Every disk number present now, ascending. The default probes the drive paths one by one.
    virtual std::vector<int> diskNumbers();
    // A queue for up to `depth` transfers in flight on handles this platform opened. The default
    // runs them on worker threads through DeviceHandle::readAt/writeAt.
    virtual std::unique_ptr<AsyncIo> createAsyncIo(unsigned depth);

    // --- volumes ---
    virtual std::vector<std::string> enumerateVolumes() = 0;
    virtual std::vector<std::string> volumeMountPaths(const std::string& volumeName) = 0;
    virtual std::string volumeNameForMountPoint(const std::string& mountPoint) = 0;
    virtual bool volumeInformation(const std::string& rootPath, std::string& label,
                                   std::string& fileSystemName) = 0;
    virtual bool diskFreeSpace(const std::string& rootPath, uint64_t& totalBytes, uint64_t& freeBytes) = 0;
    // True when `relativePath` ("Windows\System32") exists below the volume's root, whether or not
    // the volume is mounted; never writes to the volume. The default looks below its mount paths;
    // a backend that needs a tool to look starts it through `runner`.
    virtual bool volumeContainsPath(const std::string& volumeName, const std::string& relativePath,
                                    ProcessRunner& runner);

    // --- files and drive letters ---
    virtual std::string windowsDirectory() = 0;
    // The folder of the system's own programs (bcdedit.exe & co); empty where there is none. The
    // default is System32 below windowsDirectory().
    virtual std::string systemDirectory();
    // Numbers of the disks that hold the running system, never to be written. The default: the
    // disk of the Windows directory's volume.
    virtual std::vector<int> systemDiskNumbers();
    // A platform tool's output bytes as UTF-8 (console tools write in the console's code page).
    // The default takes them as UTF-8 already.
    virtual std::string toolOutputText(const std::string& bytes) { return bytes; }
    virtual bool fileExists(const std::string& path) = 0;         // file or folder
    virtual bool createDirectory(const std::string& path) = 0;    // AlreadyExists when it is there
    virtual bool copyFile(const std::string& from, const std::string& to, bool failIfExists) = 0;
    virtual bool deleteFile(const std::string& path) = 0;
    virtual bool setFileAttributesNormal(const std::string& path) = 0;
    virtual uint32_t logicalDrives() = 0;                          // bit 0 = A:
    virtual uint32_t driveType(const std::string& rootPath) = 0;   // DRIVE_* numbers, 1 = no root dir

    // --- firmware ---
    // 1 = BIOS, 2 = UEFI, other values as the platform reports them.
    virtual bool firmwareType(uint32_t& type) = 0;
    // Reads an empty-named variable of the zero GUID without a buffer; returns the error code left behind.
    virtual uint32_t probeFirmwareEnvironment() = 0;

    // --- registry (keys under HKEY_LOCAL_MACHINE, sub-key path without the root) ---
    virtual bool registryKeyExists(const std::string& subKey) = 0;
    // Reads a value; `size` receives its size in bytes and `type` its REG_* type.
    virtual bool registryReadValue(const std::string& subKey, const std::string& valueName,
                                   std::vector<uint8_t>& data, uint32_t& type) = 0;
    // Sub-key names in index order; returns the status that ended the enumeration
    // (NoMoreItems when it ran to the end), or another code when the key could not be opened.
    virtual uint32_t registryEnumSubKeys(const std::string& subKey, std::vector<std::string>& names) = 0;

    // A hive file (not the running system's registry) opened for editing; null with lastError
    // where this backend has no hive editor.
    virtual std::unique_ptr<RegistryHive> openRegistryHive(const std::string& path);
};

// Installs a platform for one scope (tests) and restores the previous one.
class ScopedPlatform {
public:
    explicit ScopedPlatform(Platform* platform);
    ~ScopedPlatform();
    ScopedPlatform(const ScopedPlatform&) = delete;
    ScopedPlatform& operator=(const ScopedPlatform&) = delete;
private:
    Platform* m_previous;
};

// Defined by the backend compiled for this system.
std::unique_ptr<Platform> createNativePlatform();
