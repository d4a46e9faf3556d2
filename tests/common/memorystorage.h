#pragma once
// In-memory disks and the volumes on them, for tests: the devices and volumes parts of a
// MemoryPlatform, usable alone. See memoryplatform.h for the use.
#include "platform/platform.h"

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <mutex>
#include <string>
#include <vector>

struct MemoryFault {
    uint64_t offset = 0;
    uint32_t code = 0;
    std::string text;
};

struct MemoryDisk {
    std::vector<uint8_t> data;
    uint32_t logicalSector = 512;
    uint32_t physicalSector = 512;
    bool geometryAnswers = true;
    int busType = 11;                  // SATA
    std::string productId = "Memory Disk";
    std::string serialNumber = "MEM0000";
    bool seekPenalty = false;
    PlatformDriveLayout layout;
    std::string realPath;
    int updatePropertiesCount = 0;
    int flushCount = 0;
    bool flushFails = false;
    std::vector<MemoryFault> readFaults;
    std::vector<MemoryFault> writeFaults;
    int64_t writeLimit = -1;           // -1: none
    DeviceHandle::Discard discardKind = DeviceHandle::Discard::Zeroes;
    bool discardFails = false;
    uint64_t discardedBytes = 0;
    bool vanished = false;
};

struct MemoryVolume {
    std::string name;                  // "\\?\Volume{...}\" form, trailing backslash included
    std::vector<PlatformExtent> extents;
    std::vector<std::string> mountPaths;
    std::string label;
    std::string fileSystem = "NTFS";
    uint64_t totalBytes = 0;
    uint64_t freeBytes = 0;
    int lockCount = 0;                 // locks taken and not yet released
    int dismountCount = 0;
    // Another program holds the volume locked: its lock is refused, and so is every open that asks
    // for data access, as on Windows; an open without access rights still answers.
    bool lockedElsewhere = false;
    uint32_t extentsError = 0;         // non-zero: the extents request fails with this code
};

class MemoryStorage : public PlatformDevices, public PlatformVolumes {
public:
    struct IoEvent {
        int disk = -1;                 // the disk the bytes land on
        bool write = false;
        uint64_t offset = 0;           // on the disk
        uint64_t length = 0;
        std::string path;              // the handle's path
        bool succeeded = false;        // filled after the transfer
    };
    struct OpenRecord {
        std::string path;
        DeviceAccess access = DeviceAccess::None;
        DeviceFlags flags = DeviceFlags::None;
        bool succeeded = false;
    };
    using IoHook = std::function<void(const IoEvent&)>;

    MemoryStorage();
    ~MemoryStorage() override;

    // --- disks ---
    int addDisk(uint64_t sizeBytes, uint32_t logicalSector = 512, uint32_t physicalSector = 512);
    MemoryDisk& disk(int n);                        // direct access; hold no transfer while editing
    std::vector<uint8_t>& data(int n) { return disk(n).data; }
    void fillPattern(int n, uint32_t seed);         // non-zero pseudo-random bytes
    static uint8_t patternByte(uint32_t seed, uint64_t offset);
    void addAlias(const std::string& path, int n);  // another path that opens disk n
    static std::string diskPath(int n);             // "\\.\PhysicalDrive%1"

    void failReadAt(int n, uint64_t offset, uint32_t code, const std::string& text);
    void failReadAtSector(int n, uint64_t sector, uint32_t code = PlatformError::IoDevice,
                          const std::string& text = "The request could not be performed because of an I/O device error.");
    void failWriteAtSector(int n, uint64_t sector, uint32_t code = PlatformError::IoDevice,
                           const std::string& text = "The request could not be performed because of an I/O device error.");
    void setWriteLimit(int n, int64_t bytes);
    void setVanished(int n, bool vanished);
    void setIoHook(IoHook hook);

    // --- records ---
    std::vector<IoEvent> reads(int n) const;
    std::vector<IoEvent> writes(int n) const;
    std::vector<OpenRecord> opens() const;
    void clearRecords();

    // --- volumes ---
    MemoryVolume& addVolume(const std::string& name, int disk, int64_t offset, int64_t length);
    MemoryVolume& volume(const std::string& name);

    // --- PlatformDevices ---
    std::unique_ptr<DeviceHandle> openDevice(const std::string& path, DeviceAccess access,
                                             DeviceFlags flags) override;
    std::unique_ptr<VolumeHandle> openVolume(const std::string& path, DeviceAccess access,
                                             DeviceFlags flags) override;
    std::string diskRealPath(int diskNumber) override;
    bool sameDevice(const std::string& pathA, const std::string& pathB) override;

    // --- PlatformVolumes ---
    std::vector<std::string> enumerateVolumes() override;
    std::vector<std::string> volumeMountPaths(const std::string& volumeName) override;
    std::string volumeNameForMountPoint(const std::string& mountPoint) override;
    bool volumeInformation(const std::string& rootPath, std::string& label, std::string& fileSystemName) override;
    bool diskFreeSpace(const std::string& rootPath, uint64_t& totalBytes, uint64_t& freeBytes) override;

private:
    friend class MemoryHandle;
    struct Target {
        int disk = -1;
        std::string volume;            // set for volume handles
        uint64_t base = 0;             // offset of the handle's byte 0 on the disk
        uint64_t length = 0;           // bytes reachable through the handle
    };
    bool resolve(const std::string& path, Target& out);
    bool transfer(const Target& t, bool write, uint64_t offset, void* buffer, uint64_t length, uint64_t& done,
                  DeviceFlags flags, const std::string& path);
    MemoryVolume* findVolume(const std::string& nameOrMountPath);

    mutable std::recursive_mutex m_mutex;
    std::deque<MemoryDisk> m_disks;        // deque: references from disk() stay valid
    std::map<std::string, int> m_aliases;
    std::deque<MemoryVolume> m_volumes;
    std::vector<IoEvent> m_events;
    std::vector<OpenRecord> m_opens;
    IoHook m_hook;
};
