#pragma once
// Reads the answer buffers of the Windows storage control codes. Kept free of windows.h so the
// byte-level rules can be built and tested on any system; the Windows backend checks the offsets
// below against the SDK structures at compile time.
#include "platform/platformtypes.h"

#include <cstddef>
#include <cstdint>
#include <string>

class Win32AnswerParser {
public:
    // Byte sizes of the fixed answers the backend asks for.
    static constexpr size_t GeometryExAnswerSize = 32;        // DISK_GEOMETRY_EX without its trailing data
    static constexpr size_t DeviceDescriptorMinimum = 40;     // STORAGE_DEVICE_DESCRIPTOR
    static constexpr size_t AccessAlignmentAnswerSize = 28;   // STORAGE_ACCESS_ALIGNMENT_DESCRIPTOR
    static constexpr size_t SeekPenaltyAnswerSize = 12;       // DEVICE_SEEK_PENALTY_DESCRIPTOR
    static constexpr size_t LayoutHeaderSize = 48;            // DRIVE_LAYOUT_INFORMATION_EX up to its entries
    static constexpr size_t LayoutEntrySize = 144;            // PARTITION_INFORMATION_EX
    static constexpr size_t ExtentsHeaderSize = 8;            // VOLUME_DISK_EXTENTS up to its extents
    static constexpr size_t ExtentSize = 24;                  // DISK_EXTENT
    static constexpr size_t NtfsVolumeDataSize = 96;          // NTFS_VOLUME_DATA_BUFFER
    static constexpr size_t BitmapHeaderSize = 16;            // VOLUME_BITMAP_BUFFER up to its bits
    static constexpr size_t DeviceNumberSize = 12;            // STORAGE_DEVICE_NUMBER

    // DISK_GEOMETRY_EX
    static constexpr size_t GeoCylinders = 0;
    static constexpr size_t GeoTracksPerCylinder = 12;
    static constexpr size_t GeoSectorsPerTrack = 16;
    static constexpr size_t GeoBytesPerSector = 20;
    static constexpr size_t GeoDiskSize = 24;

    // STORAGE_DESCRIPTOR_HEADER, the start of every property answer
    static constexpr size_t DescriptorHeaderSize = 8;
    static constexpr size_t DescHeaderSize = 4;

    // STORAGE_DEVICE_DESCRIPTOR
    static constexpr size_t DescProductIdOffset = 16;
    static constexpr size_t DescSerialNumberOffset = 24;
    static constexpr size_t DescBusType = 28;

    // STORAGE_ACCESS_ALIGNMENT_DESCRIPTOR
    static constexpr size_t AlignLogicalSector = 16;
    static constexpr size_t AlignPhysicalSector = 20;
    static constexpr size_t AlignSectorOffset = 24;

    // DEVICE_SEEK_PENALTY_DESCRIPTOR
    static constexpr size_t SeekIncursPenalty = 8;

    // DRIVE_LAYOUT_INFORMATION_EX and PARTITION_INFORMATION_EX
    static constexpr size_t LayoutStyleField = 0;
    static constexpr size_t LayoutCount = 4;
    static constexpr size_t LayoutMbrSignature = 8;           // DRIVE_LAYOUT_INFORMATION_MBR.Signature
    static constexpr size_t LayoutGptDiskId = 8;              // DRIVE_LAYOUT_INFORMATION_GPT.DiskId
    static constexpr size_t EntryStyle = 0;
    static constexpr size_t EntryStartingOffset = 8;
    static constexpr size_t EntryLength = 16;
    static constexpr size_t EntryNumber = 24;
    static constexpr size_t EntryMbrType = 32;
    static constexpr size_t EntryMbrBootIndicator = 33;
    static constexpr size_t EntryGptType = 32;
    static constexpr size_t EntryGptId = 48;
    static constexpr uint32_t PartitionStyleMbr = 0;
    static constexpr uint32_t PartitionStyleGpt = 1;

    // VOLUME_DISK_EXTENTS and DISK_EXTENT
    static constexpr size_t ExtentsCount = 0;
    static constexpr size_t ExtentDiskNumber = 0;
    static constexpr size_t ExtentStartingOffset = 8;
    static constexpr size_t ExtentLength = 16;

    // NTFS_VOLUME_DATA_BUFFER
    static constexpr size_t NtfsSerialNumber = 0;
    static constexpr size_t NtfsNumberSectors = 8;
    static constexpr size_t NtfsTotalClusters = 16;
    static constexpr size_t NtfsFreeClusters = 24;
    static constexpr size_t NtfsBytesPerSector = 40;
    static constexpr size_t NtfsBytesPerCluster = 44;
    static constexpr size_t NtfsBytesPerFileRecord = 48;
    static constexpr size_t NtfsMftValidDataLength = 56;
    static constexpr size_t NtfsMftStartLcn = 64;

    // VOLUME_BITMAP_BUFFER
    static constexpr size_t BitmapStartingLcn = 0;
    static constexpr size_t BitmapSizeField = 8;

    // STORAGE_DEVICE_NUMBER
    static constexpr size_t DevNumType = 0;
    static constexpr size_t DevNumNumber = 4;
    static constexpr size_t DevNumPartition = 8;

    // Each parser takes the buffer and the byte count the device returned; it never reads beyond
    // that count and returns false when the fixed part of the answer is missing.
    static bool parseGeometry(const uint8_t* answer, size_t length, PlatformGeometry& out);
    // Fills answerLength always; bus type and strings only where the answer holds them.
    static void parseDeviceDescriptor(const uint8_t* answer, size_t length, PlatformDeviceDescriptor& out);
    static bool parseAccessAlignment(const uint8_t* answer, size_t length, PlatformAccessAlignment& out);
    static bool parseSeekPenalty(const uint8_t* answer, size_t length, bool& incursSeekPenalty);
    // Entries beyond the returned bytes are left out.
    static bool parseDriveLayout(const uint8_t* answer, size_t length, PlatformDriveLayout& out);
    static bool parseDiskExtents(const uint8_t* answer, size_t length, std::vector<PlatformExtent>& out);
    // Bytes the whole property answer needs, from its header; 0 when the header is missing.
    static uint32_t declaredDescriptorSize(const uint8_t* answer, size_t length);
    // Whether a control-code failure means "ask again with a larger buffer".
    static bool isBufferTooSmall(uint32_t errorCode);
    // Extent count the device says the volume has, even when the answer was cut short.
    static uint32_t declaredExtentCount(const uint8_t* answer, size_t length);
    static bool parseNtfsVolumeData(const uint8_t* answer, size_t length, PlatformNtfsVolumeData& out);
    // bitmapSize counts only the clusters whose bits came back; moreData is set whenever clusters
    // the device declared are left undescribed, whatever status came with the answer.
    static bool parseVolumeBitmap(const uint8_t* answer, size_t length, PlatformVolumeBitmap& out);
    static bool parseDeviceNumber(const uint8_t* answer, size_t length, uint32_t& deviceType,
                                  uint32_t& deviceNumber, uint32_t& partitionNumber);

    // The NUL-terminated string at `offset` of an answer; empty for offset 0 or outside the answer.
    static std::string descriptorString(const uint8_t* answer, size_t length, uint32_t offset);
    // 16 GUID bytes in Windows memory order -> "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}".
    static std::string guidToRegistryText(const uint8_t* guid);
};
