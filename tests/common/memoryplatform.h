#pragma once
// An in-memory Platform for tests: numbered disks held as byte vectors, fault injection, a record of
// every transfer, and settable answers for volumes, files, drive letters, registry and firmware.
//
// Use (link `tessarin_testsupport`, include "common/memoryplatform.h"):
//
//   MemoryPlatform mp;
//   int src = mp.addDisk(8 * 1024 * 1024);            // disk 0: "\\.\PhysicalDrive0", 512/512 sectors
//   int dst = mp.addDisk(8 * 1024 * 1024, 512, 4096);  // disk 1: 512 logical, 4096 physical
//   mp.fillPattern(src, 7);                            // deterministic non-zero bytes
//   mp.addAlias("/tmp/a.img", src);                    // another name for the same disk (sameDevice)
//   ScopedPlatform scope(&mp);                         // Platform::current() is mp until scope ends
//   ... run the code under test ...
//   QVERIFY(mp.writes(src).empty());                   // nothing was written to the source
//   mp.reads(dst), mp.opens()                          // spans transferred, devices opened
//
// Every transfer is recorded as an IoEvent (disk, write, offset on the disk, length, handle path,
// succeeded), failed attempts included; clearRecords() forgets them. ScopedPlatform installs the
// platform process-wide, so build the MemoryPlatform before the scope and destroy handles first.
//
// Faults (byte offsets on the disk; a transfer touching the byte fails as a whole, nothing moved):
//   mp.failReadAt(disk, offset, PlatformError::IoDevice, "I/O error");   also failWriteAt,
//   failReadAtSector/failWriteAtSector (logical sectors), clearFaults(disk);
//   mp.setWriteLimit(disk, bytes)   a full target: bytes at or past the limit are not written
//                                  (the write stops there, returns false, code 112);
//   mp.setVanished(disk, true)      every open and transfer fails with NotReady;
//   mp.setIoHook(fn)                fn(event) runs before each transfer (cancel a copy, sleep, count).
// Transfers through handles opened with a NoBuffering flag must be whole logical sectors from a buffer
// aligned to the logical sector, like unbuffered I/O (setStrictAlignment(false) turns that off).
// Reading or writing past the end of a disk moves only what fits (short count), like a block device.
//
// Volumes: addVolume(name, disk, offset, length) gives a volume handle whose I/O lands on that range of
// the disk; set its mount paths, label, file system, free space, lock/dismount results, NTFS data and
// bitmap through volume(name). Files, drives, registry and firmware are plain public members
// (registry: sub-key path -> values; registryEnumSubKeys lists children in sorted order). File paths
// compare as Windows compares them: case, '/' against '\' and trailing backslashes do not matter.
// A letter in driveMask has a fixed disk behind it (type 3) unless driveTypes says otherwise.
// Transfers and handle calls are guarded by one mutex, so a worker thread may use the handles; set the
// public members and disk fields before such a thread starts.
#include "platform/platform.h"

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <mutex>
#include <optional>
#include <set>
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
    uint32_t alignmentOffset = 0;
    bool alignmentAnswers = true;      // access-alignment query succeeds
    bool geometryAnswers = true;
    int busType = 11;                  // SATA
    uint32_t descriptorAnswerLength = 1024;
    std::string productId = "Memory Disk";
    std::string serialNumber = "MEM0000";
    bool seekPenalty = false;
    bool seekPenaltyAnswers = true;
    PlatformDriveLayout layout;
    std::string realPath;
    int updatePropertiesCount = 0;
    int flushCount = 0;
    bool flushFails = false;
    std::vector<MemoryFault> readFaults;
    std::vector<MemoryFault> writeFaults;
    int64_t writeLimit = -1;           // -1: none
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
    bool openFails = false;
    bool lockFails = false;
    bool dismountFails = false;
    int lockCount = 0;                 // locks taken and not yet released
    int dismountCount = 0;
    int extendedAccessCount = 0;
    std::optional<PlatformNtfsVolumeData> ntfsData;
    PlatformVolumeBitmap bitmap;       // answered whole from its startingLcn
    bool bitmapAnswers = false;
    int64_t bitmapPiece = 0;           // clusters per answer, the rest flagged moreData; 0: all at once
    int64_t bitmapFailFrom = -1;       // queries from this cluster on fail (IoDevice); -1: none
};

class MemoryPlatform : public Platform {
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

    MemoryPlatform();
    ~MemoryPlatform() override;

    // --- disks ---
    int addDisk(uint64_t sizeBytes, uint32_t logicalSector = 512, uint32_t physicalSector = 512);
    MemoryDisk& disk(int n);                        // direct access; hold no transfer while editing
    std::vector<uint8_t>& data(int n) { return disk(n).data; }
    void fillPattern(int n, uint32_t seed);         // non-zero pseudo-random bytes
    static uint8_t patternByte(uint32_t seed, uint64_t offset);
    void addAlias(const std::string& path, int n);  // another path that opens disk n
    static std::string diskPath(int n);             // "\\.\PhysicalDrive%1"

    void failReadAt(int n, uint64_t offset, uint32_t code, const std::string& text);
    void failWriteAt(int n, uint64_t offset, uint32_t code, const std::string& text);
    void failReadAtSector(int n, uint64_t sector, uint32_t code = PlatformError::IoDevice,
                          const std::string& text = "The request could not be performed because of an I/O device error.");
    void failWriteAtSector(int n, uint64_t sector, uint32_t code = PlatformError::IoDevice,
                           const std::string& text = "The request could not be performed because of an I/O device error.");
    void clearFaults(int n);
    void setWriteLimit(int n, int64_t bytes);
    void setVanished(int n, bool vanished);
    void setStrictAlignment(bool strict) { m_strict = strict; }
    void setIoHook(IoHook hook);

    // --- records ---
    std::vector<IoEvent> reads(int n) const;
    std::vector<IoEvent> writes(int n) const;
    std::vector<OpenRecord> opens() const;
    void clearRecords();

    // --- volumes ---
    MemoryVolume& addVolume(const std::string& name, int disk, int64_t offset, int64_t length);
    MemoryVolume& volume(const std::string& name);

    // --- settable answers ---
    std::string windowsDir = "C:\\Windows";
    std::set<std::string> existingPaths;            // fileExists; createDirectory/copyFile/deleteFile edit it
    std::vector<std::pair<std::string, std::string>> copiedFiles;  // (from, to) of each copyFile
    std::set<std::string> failingPaths;             // file operations on these fail with AccessDenied
    std::set<std::string> readOnlyPaths;            // deleting or overwriting fails until attributes are reset
    std::vector<std::string> deletedFiles;          // each successful deleteFile
    uint32_t driveMask = 1u << 2;                   // C:
    std::map<std::string, uint32_t> driveTypes;     // root path -> DRIVE_*
    static uint32_t letterMask(const std::string& letters);  // "ZYC" -> the bits of Z:, Y: and C:
    uint32_t firmware = 2;                          // UEFI
    bool firmwareAnswers = true;
    uint32_t firmwareProbeCode = PlatformError::InvalidFunction;
    struct RegistryValue {
        uint32_t type = 0;
        std::vector<uint8_t> data;
    };
    // Keys by sub-key path; a key's sub-keys are the stored keys one level below it.
    std::map<std::string, std::map<std::string, RegistryValue>> registry;
    uint32_t registryEnumStatus = PlatformError::NoMoreItems;  // what ends every sub-key enumeration
    static RegistryValue dword(uint32_t value);                // REG_DWORD, little-endian

    // --- Platform ---
    std::unique_ptr<DeviceHandle> openDevice(const std::string& path, DeviceAccess access,
                                             DeviceFlags flags) override;
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
    friend class MemoryHandle;
    struct Target {
        int disk = -1;
        std::string volume;            // set for volume handles
        uint64_t base = 0;             // offset of the handle's byte 0 on the disk
        uint64_t length = 0;           // bytes reachable through the handle
    };
    bool resolve(const std::string& path, Target& out);
    static std::string normalizeVolumeName(const std::string& name);
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
    bool m_strict = true;
};
