#include "platform/win32/win32answerparser.h"
#include "ondisk/byteorder.h"
#include "ondisk/guidtext.h"

#include <algorithm>

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#include <winioctl.h>

#include <cstddef>

// The parser reads answers at fixed offsets; hold them to the SDK's own layout.
using P = Win32AnswerParser;
static_assert(sizeof(DISK_GEOMETRY_EX) >= P::GeometryExAnswerSize);
static_assert(offsetof(DISK_GEOMETRY_EX, Geometry) + offsetof(DISK_GEOMETRY, Cylinders) == P::GeoCylinders);
static_assert(offsetof(DISK_GEOMETRY, TracksPerCylinder) == P::GeoTracksPerCylinder);
static_assert(offsetof(DISK_GEOMETRY, SectorsPerTrack) == P::GeoSectorsPerTrack);
static_assert(offsetof(DISK_GEOMETRY, BytesPerSector) == P::GeoBytesPerSector);
static_assert(offsetof(DISK_GEOMETRY_EX, DiskSize) == P::GeoDiskSize);
static_assert(sizeof(STORAGE_DEVICE_DESCRIPTOR) == P::DeviceDescriptorMinimum);
static_assert(offsetof(STORAGE_DEVICE_DESCRIPTOR, ProductIdOffset) == P::DescProductIdOffset);
static_assert(offsetof(STORAGE_DEVICE_DESCRIPTOR, SerialNumberOffset) == P::DescSerialNumberOffset);
static_assert(offsetof(STORAGE_DEVICE_DESCRIPTOR, BusType) == P::DescBusType);
static_assert(sizeof(STORAGE_ACCESS_ALIGNMENT_DESCRIPTOR) == P::AccessAlignmentAnswerSize);
static_assert(offsetof(STORAGE_ACCESS_ALIGNMENT_DESCRIPTOR, BytesPerLogicalSector) == P::AlignLogicalSector);
static_assert(offsetof(STORAGE_ACCESS_ALIGNMENT_DESCRIPTOR, BytesPerPhysicalSector) == P::AlignPhysicalSector);
static_assert(offsetof(STORAGE_ACCESS_ALIGNMENT_DESCRIPTOR, BytesOffsetForSectorAlignment) == P::AlignSectorOffset);
static_assert(sizeof(DEVICE_SEEK_PENALTY_DESCRIPTOR) == P::SeekPenaltyAnswerSize);
static_assert(offsetof(DEVICE_SEEK_PENALTY_DESCRIPTOR, IncursSeekPenalty) == P::SeekIncursPenalty);
static_assert(offsetof(DRIVE_LAYOUT_INFORMATION_EX, PartitionStyle) == P::LayoutStyleField);
static_assert(offsetof(DRIVE_LAYOUT_INFORMATION_EX, PartitionCount) == P::LayoutCount);
static_assert(offsetof(DRIVE_LAYOUT_INFORMATION_EX, PartitionEntry) == P::LayoutHeaderSize);
static_assert(offsetof(DRIVE_LAYOUT_INFORMATION_EX, Mbr) + offsetof(DRIVE_LAYOUT_INFORMATION_MBR, Signature) == P::LayoutMbrSignature);
static_assert(offsetof(DRIVE_LAYOUT_INFORMATION_EX, Gpt) + offsetof(DRIVE_LAYOUT_INFORMATION_GPT, DiskId) == P::LayoutGptDiskId);
static_assert(sizeof(STORAGE_DESCRIPTOR_HEADER) == P::DescriptorHeaderSize);
static_assert(offsetof(STORAGE_DESCRIPTOR_HEADER, Size) == P::DescHeaderSize);
static_assert(ERROR_INSUFFICIENT_BUFFER == PlatformError::InsufficientBuffer && ERROR_MORE_DATA == PlatformError::MoreData
              && ERROR_BAD_LENGTH == PlatformError::BadLength);
static_assert(sizeof(PARTITION_INFORMATION_EX) == P::LayoutEntrySize);
static_assert(offsetof(PARTITION_INFORMATION_EX, PartitionStyle) == P::EntryStyle);
static_assert(offsetof(PARTITION_INFORMATION_EX, StartingOffset) == P::EntryStartingOffset);
static_assert(offsetof(PARTITION_INFORMATION_EX, PartitionLength) == P::EntryLength);
static_assert(offsetof(PARTITION_INFORMATION_EX, PartitionNumber) == P::EntryNumber);
static_assert(offsetof(PARTITION_INFORMATION_EX, Mbr) + offsetof(PARTITION_INFORMATION_MBR, PartitionType) == P::EntryMbrType);
static_assert(offsetof(PARTITION_INFORMATION_EX, Mbr) + offsetof(PARTITION_INFORMATION_MBR, BootIndicator) == P::EntryMbrBootIndicator);
static_assert(offsetof(PARTITION_INFORMATION_EX, Gpt) + offsetof(PARTITION_INFORMATION_GPT, PartitionType) == P::EntryGptType);
static_assert(offsetof(PARTITION_INFORMATION_EX, Gpt) + offsetof(PARTITION_INFORMATION_GPT, PartitionId) == P::EntryGptId);
static_assert(static_cast<uint32_t>(PARTITION_STYLE_MBR) == P::PartitionStyleMbr
              && static_cast<uint32_t>(PARTITION_STYLE_GPT) == P::PartitionStyleGpt);
static_assert(offsetof(VOLUME_DISK_EXTENTS, NumberOfDiskExtents) == P::ExtentsCount);
static_assert(offsetof(VOLUME_DISK_EXTENTS, Extents) == P::ExtentsHeaderSize);
static_assert(sizeof(DISK_EXTENT) == P::ExtentSize);
static_assert(offsetof(DISK_EXTENT, DiskNumber) == P::ExtentDiskNumber);
static_assert(offsetof(DISK_EXTENT, StartingOffset) == P::ExtentStartingOffset);
static_assert(offsetof(DISK_EXTENT, ExtentLength) == P::ExtentLength);
static_assert(sizeof(NTFS_VOLUME_DATA_BUFFER) == P::NtfsVolumeDataSize);
static_assert(offsetof(NTFS_VOLUME_DATA_BUFFER, VolumeSerialNumber) == P::NtfsSerialNumber);
static_assert(offsetof(NTFS_VOLUME_DATA_BUFFER, NumberSectors) == P::NtfsNumberSectors);
static_assert(offsetof(NTFS_VOLUME_DATA_BUFFER, TotalClusters) == P::NtfsTotalClusters);
static_assert(offsetof(NTFS_VOLUME_DATA_BUFFER, FreeClusters) == P::NtfsFreeClusters);
static_assert(offsetof(NTFS_VOLUME_DATA_BUFFER, BytesPerSector) == P::NtfsBytesPerSector);
static_assert(offsetof(NTFS_VOLUME_DATA_BUFFER, BytesPerCluster) == P::NtfsBytesPerCluster);
static_assert(offsetof(NTFS_VOLUME_DATA_BUFFER, BytesPerFileRecordSegment) == P::NtfsBytesPerFileRecord);
static_assert(offsetof(NTFS_VOLUME_DATA_BUFFER, MftValidDataLength) == P::NtfsMftValidDataLength);
static_assert(offsetof(NTFS_VOLUME_DATA_BUFFER, MftStartLcn) == P::NtfsMftStartLcn);
static_assert(offsetof(VOLUME_BITMAP_BUFFER, StartingLcn) == P::BitmapStartingLcn);
static_assert(offsetof(VOLUME_BITMAP_BUFFER, BitmapSize) == P::BitmapSizeField);
static_assert(offsetof(VOLUME_BITMAP_BUFFER, Buffer) == P::BitmapHeaderSize);
static_assert(sizeof(STORAGE_DEVICE_NUMBER) == P::DeviceNumberSize);
static_assert(offsetof(STORAGE_DEVICE_NUMBER, DeviceType) == P::DevNumType);
static_assert(offsetof(STORAGE_DEVICE_NUMBER, DeviceNumber) == P::DevNumNumber);
static_assert(offsetof(STORAGE_DEVICE_NUMBER, PartitionNumber) == P::DevNumPartition);
static_assert(offsetof(DEVICE_MANAGE_DATA_SET_ATTRIBUTES, DataSetRangesOffset) == 20);
static_assert(sizeof(DEVICE_DATA_SET_RANGE) == 16);
#endif

namespace {

uint8_t u8at(const uint8_t* p, size_t at) { return p[at]; }
uint32_t u32at(const uint8_t* p, size_t at) { return ByteOrder::get32(p + at); }
uint64_t u64at(const uint8_t* p, size_t at) { return ByteOrder::get64(p + at); }
int64_t i64at(const uint8_t* p, size_t at) { return static_cast<int64_t>(u64at(p, at)); }

} // namespace

bool Win32AnswerParser::parseGeometry(const uint8_t* answer, size_t length, PlatformGeometry& out)
{
    if (!answer || length < GeometryExAnswerSize)
        return false;
    out.cylinders = i64at(answer, GeoCylinders);
    out.tracksPerCylinder = u32at(answer, GeoTracksPerCylinder);
    out.sectorsPerTrack = u32at(answer, GeoSectorsPerTrack);
    out.bytesPerSector = u32at(answer, GeoBytesPerSector);
    out.diskSize = i64at(answer, GeoDiskSize);
    return true;
}

void Win32AnswerParser::parseDeviceDescriptor(const uint8_t* answer, size_t length,
                                              PlatformDeviceDescriptor& out)
{
    out = PlatformDeviceDescriptor();
    if (!answer)
        return;
    out.answerLength = static_cast<uint32_t>(std::min<size_t>(length, UINT32_MAX));
    if (length >= DescBusType + 4)
        out.busType = static_cast<int>(u32at(answer, DescBusType));
    if (length >= DescProductIdOffset + 4)
        out.productId = descriptorString(answer, length, u32at(answer, DescProductIdOffset));
    if (length >= DescSerialNumberOffset + 4)
        out.serialNumber = descriptorString(answer, length, u32at(answer, DescSerialNumberOffset));
}

bool Win32AnswerParser::parseAccessAlignment(const uint8_t* answer, size_t length, PlatformAccessAlignment& out)
{
    if (!answer || length < AccessAlignmentAnswerSize)
        return false;
    out.bytesPerLogicalSector = u32at(answer, AlignLogicalSector);
    out.bytesPerPhysicalSector = u32at(answer, AlignPhysicalSector);
    out.bytesOffsetForSectorAlignment = u32at(answer, AlignSectorOffset);
    return true;
}

bool Win32AnswerParser::parseSeekPenalty(const uint8_t* answer, size_t length, bool& incursSeekPenalty)
{
    if (!answer || length < SeekPenaltyAnswerSize)
        return false;
    incursSeekPenalty = u8at(answer, SeekIncursPenalty) != 0;
    return true;
}

bool Win32AnswerParser::parseDriveLayout(const uint8_t* answer, size_t length, PlatformDriveLayout& out)
{
    out = PlatformDriveLayout();
    if (!answer || length < LayoutHeaderSize)
        return false;
    const uint32_t style = u32at(answer, LayoutStyleField);
    out.style = style == PartitionStyleMbr ? LayoutStyle::MBR
              : style == PartitionStyleGpt ? LayoutStyle::GPT
                                           : LayoutStyle::Unknown;
    if (out.style == LayoutStyle::MBR)
        out.mbrSignature = u32at(answer, LayoutMbrSignature);
    else if (out.style == LayoutStyle::GPT)
        out.gptDiskGuid = guidToRegistryText(answer + LayoutGptDiskId);
    const uint64_t declared = u32at(answer, LayoutCount);
    const uint64_t fits = (length - LayoutHeaderSize) / LayoutEntrySize;
    const uint64_t count = std::min(declared, fits);
    out.entries.reserve(count);
    for (uint64_t i = 0; i < count; ++i) {
        const uint8_t* e = answer + LayoutHeaderSize + i * LayoutEntrySize;
        PlatformLayoutEntry entry;
        entry.partitionNumber = u32at(e, EntryNumber);
        entry.startingOffset = i64at(e, EntryStartingOffset);
        entry.partitionLength = i64at(e, EntryLength);
        const uint32_t entryStyle = u32at(e, EntryStyle);
        if (entryStyle == PartitionStyleGpt) {
            entry.typeGuid = guidToRegistryText(e + EntryGptType);
            entry.partitionGuid = guidToRegistryText(e + EntryGptId);
        } else if (entryStyle == PartitionStyleMbr) {
            entry.mbrType = u8at(e, EntryMbrType);
            entry.bootIndicator = u8at(e, EntryMbrBootIndicator) != 0;
        }
        out.entries.push_back(std::move(entry));
    }
    return true;
}

uint32_t Win32AnswerParser::declaredDescriptorSize(const uint8_t* answer, size_t length)
{
    if (!answer || length < DescriptorHeaderSize)
        return 0;
    return u32at(answer, DescHeaderSize);
}

bool Win32AnswerParser::isBufferTooSmall(uint32_t errorCode)
{
    // Drivers differ in which of the three they return for a short output buffer.
    return errorCode == PlatformError::InsufficientBuffer || errorCode == PlatformError::MoreData
        || errorCode == PlatformError::BadLength;
}

uint32_t Win32AnswerParser::declaredExtentCount(const uint8_t* answer, size_t length)
{
    if (!answer || length < ExtentsCount + 4)
        return 0;
    return u32at(answer, ExtentsCount);
}

bool Win32AnswerParser::parseDiskExtents(const uint8_t* answer, size_t length, std::vector<PlatformExtent>& out)
{
    out.clear();
    if (!answer || length < ExtentsHeaderSize)
        return false;
    const uint64_t declared = u32at(answer, ExtentsCount);
    const uint64_t fits = (length - ExtentsHeaderSize) / ExtentSize;
    const uint64_t count = std::min(declared, fits);
    out.reserve(count);
    for (uint64_t i = 0; i < count; ++i) {
        const uint8_t* e = answer + ExtentsHeaderSize + i * ExtentSize;
        PlatformExtent extent;
        extent.diskNumber = u32at(e, ExtentDiskNumber);
        extent.startingOffset = i64at(e, ExtentStartingOffset);
        extent.extentLength = i64at(e, ExtentLength);
        out.push_back(extent);
    }
    return true;
}

bool Win32AnswerParser::parseNtfsVolumeData(const uint8_t* answer, size_t length, PlatformNtfsVolumeData& out)
{
    if (!answer || length < NtfsVolumeDataSize)
        return false;
    out.volumeSerialNumber = i64at(answer, NtfsSerialNumber);
    out.numberSectors = i64at(answer, NtfsNumberSectors);
    out.totalClusters = i64at(answer, NtfsTotalClusters);
    out.freeClusters = i64at(answer, NtfsFreeClusters);
    out.bytesPerSector = u32at(answer, NtfsBytesPerSector);
    out.bytesPerCluster = u32at(answer, NtfsBytesPerCluster);
    out.bytesPerFileRecordSegment = u32at(answer, NtfsBytesPerFileRecord);
    out.mftValidDataLength = i64at(answer, NtfsMftValidDataLength);
    out.mftStartLcn = i64at(answer, NtfsMftStartLcn);
    return true;
}

bool Win32AnswerParser::parseVolumeBitmap(const uint8_t* answer, size_t length, PlatformVolumeBitmap& out)
{
    out = PlatformVolumeBitmap();
    if (!answer || length < BitmapHeaderSize)
        return false;
    const int64_t start = i64at(answer, BitmapStartingLcn);
    const int64_t declared = i64at(answer, BitmapSizeField);
    if (start < 0 || declared < 0)
        return false;
    // BitmapSize counts every cluster from StartingLcn to the end of the volume, also when the
    // answer was cut; only the bits present may be reported as described.
    const uint64_t bytesPresent = length - BitmapHeaderSize;
    const uint64_t bitsPresent = bytesPresent > (UINT64_MAX / 8) ? UINT64_MAX : bytesPresent * 8;
    const uint64_t described = std::min<uint64_t>(static_cast<uint64_t>(declared), bitsPresent);
    const uint64_t bytesUsed = (described + 7) / 8;
    out.startingLcn = start;
    out.bitmapSize = static_cast<int64_t>(described);
    out.bits.assign(answer + BitmapHeaderSize, answer + BitmapHeaderSize + bytesUsed);
    out.moreData = described < static_cast<uint64_t>(declared);
    return true;
}

bool Win32AnswerParser::parseDeviceNumber(const uint8_t* answer, size_t length, uint32_t& deviceType,
                                          uint32_t& deviceNumber, uint32_t& partitionNumber)
{
    if (!answer || length < DeviceNumberSize)
        return false;
    deviceType = u32at(answer, DevNumType);
    deviceNumber = u32at(answer, DevNumNumber);
    partitionNumber = u32at(answer, DevNumPartition);
    return true;
}

std::string Win32AnswerParser::descriptorString(const uint8_t* answer, size_t length, uint32_t offset)
{
    if (!answer || offset == 0 || offset >= length)
        return std::string();
    const uint8_t* begin = answer + offset;
    const uint8_t* end = answer + length;
    const uint8_t* nul = std::find(begin, end, uint8_t(0));
    return std::string(reinterpret_cast<const char*>(begin), static_cast<size_t>(nul - begin));
}

std::string Win32AnswerParser::guidToRegistryText(const uint8_t* guid)
{
    return GuidText::fromGptBytes(guid);
}
