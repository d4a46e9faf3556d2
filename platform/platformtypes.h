#pragma once
// Plain values that cross the platform seam. No Qt here: the Windows backend is compiled
// with a bare cross compiler.
#include <cstdint>
#include <string>
#include <vector>

enum class DeviceAccess { None, Read, ReadWrite };

// Open flags as the Windows backend knows them; the posix backend maps the unbuffered ones to O_DIRECT.
enum class DeviceFlags { None, NoBufferingWriteThrough, NoBufferingSequentialScan };

enum class LayoutStyle { Unknown, MBR, GPT };

struct PlatformGeometry {
    int64_t diskSize = 0;
    uint32_t bytesPerSector = 0;
    int64_t cylinders = 0;
    uint32_t tracksPerCylinder = 0;
    uint32_t sectorsPerTrack = 0;
};

struct PlatformAccessAlignment {
    uint32_t bytesPerLogicalSector = 0;
    uint32_t bytesPerPhysicalSector = 0;
    uint32_t bytesOffsetForSectorAlignment = 0;
};

struct PlatformDeviceDescriptor {
    uint32_t answerLength = 0;  // bytes the device returned; callers reject short answers
    int busType = 0;            // STORAGE_BUS_TYPE number
    std::string productId;      // Latin-1/ASCII as reported, untrimmed
    std::string serialNumber;
};

struct PlatformLayoutEntry {
    uint32_t partitionNumber = 0;
    int64_t startingOffset = 0;   // bytes
    int64_t partitionLength = 0;  // bytes
    // GPT only: GUIDs in registry form, upper case, with braces.
    std::string typeGuid;
    std::string partitionGuid;
    // MBR only.
    uint8_t mbrType = 0;
    bool bootIndicator = false;
};

struct PlatformDriveLayout {
    LayoutStyle style = LayoutStyle::Unknown;
    std::vector<PlatformLayoutEntry> entries;
    // Who the disk is, as its table says: MBR signature or GPT disk GUID (registry form).
    uint32_t mbrSignature = 0;
    std::string gptDiskGuid;
};

// Bytes [offset, offset + length) of a device; length 0 reaches to its end.
struct ByteRange {
    uint64_t offset = 0;
    uint64_t length = 0;
};

struct PlatformExtent {
    uint32_t diskNumber = 0;
    int64_t startingOffset = 0;
    int64_t extentLength = 0;
};

struct PlatformNtfsVolumeData {
    int64_t volumeSerialNumber = 0;
    int64_t numberSectors = 0;
    int64_t totalClusters = 0;
    int64_t freeClusters = 0;
    uint32_t bytesPerSector = 0;
    uint32_t bytesPerCluster = 0;
    uint32_t bytesPerFileRecordSegment = 0;
    int64_t mftValidDataLength = 0;
    int64_t mftStartLcn = 0;
};

// One answer of the volume-bitmap query: bits for clusters [startingLcn, startingLcn + bitmapSize).
struct PlatformVolumeBitmap {
    int64_t startingLcn = 0;
    int64_t bitmapSize = 0;   // clusters described
    std::vector<uint8_t> bits;
    bool moreData = false;    // the answer was cut; ask again from startingLcn + bitmapSize
};

// Windows error codes the portable code tests for by number.
namespace PlatformError {
constexpr uint32_t Success = 0;
constexpr uint32_t InvalidFunction = 1;
constexpr uint32_t FileNotFound = 2;
constexpr uint32_t AccessDenied = 5;
constexpr uint32_t InvalidHandle = 6;
constexpr uint32_t NotReady = 21;
constexpr uint32_t SharingViolation = 32;
constexpr uint32_t HandleEof = 38;
constexpr uint32_t NotSupported = 50;
constexpr uint32_t InvalidParameter = 87;
constexpr uint32_t Busy = 170;
constexpr uint32_t AlreadyExists = 183;
constexpr uint32_t MoreData = 234;
constexpr uint32_t BadLength = 24;
constexpr uint32_t InsufficientBuffer = 122;
constexpr uint32_t NoMoreItems = 259;
constexpr uint32_t CallNotImplemented = 120;
constexpr uint32_t IoDevice = 1117;
constexpr uint32_t OperationAborted = 995;
}
