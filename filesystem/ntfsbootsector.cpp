#include "filesystem/ntfsbootsector.h"

#include "filesystem/littleendian.h"

#include <cstring>

namespace {
constexpr size_t OffOemId = 3;
constexpr size_t OffBytesPerSector = 11;
constexpr size_t OffSectorsPerCluster = 13;
constexpr size_t OffTotalSectors = 40;
constexpr size_t OffMftCluster = 48;
constexpr size_t OffMftMirrorCluster = 56;
constexpr size_t OffClustersPerRecord = 64;
constexpr size_t OffSerialNumber = 72;
constexpr size_t OffSignature = 510;
constexpr uint16_t BootSignature = 0xAA55;
constexpr uint32_t MaxClusterSize = 2u * 1024 * 1024;
constexpr uint32_t MinRecordSize = 512;  // fixups work on 512-byte strides
constexpr uint32_t MaxRecordSize = 65536;

bool powerOfTwo(uint64_t v) { return v != 0 && (v & (v - 1)) == 0; }
}

NtfsBootSector::Status NtfsBootSector::decode(const uint8_t* data, size_t size, uint64_t limitBytes, NtfsBootSector& out)
{
    out = NtfsBootSector();
    if (!data || size < Size)
        return Status::TooShort;
    std::memcpy(out.oemId, data + OffOemId, 8);
    out.signature = LittleEndian::u16(data + OffSignature);
    if (std::memcmp(out.oemId, "NTFS    ", 8) != 0)
        return Status::BadOemId;
    if (out.signature != BootSignature)
        return Status::BadSignature;

    out.bytesPerSector = LittleEndian::u16(data + OffBytesPerSector);
    if (out.bytesPerSector < 512 || out.bytesPerSector > 4096 || !powerOfTwo(out.bytesPerSector))
        return Status::BadSectorSize;

    // Values above 0x80 encode 2^(256 - value) sectors (clusters beyond 64 KiB).
    const uint8_t spc = data[OffSectorsPerCluster];
    uint64_t sectorsPerCluster = spc <= 0x80 ? spc : (256 - spc < 32 ? uint64_t(1) << (256 - spc) : 0);
    if (!powerOfTwo(sectorsPerCluster) || sectorsPerCluster * out.bytesPerSector > MaxClusterSize)
        return Status::BadClusterSize;
    out.sectorsPerCluster = uint32_t(sectorsPerCluster);
    out.clusterSize = out.sectorsPerCluster * out.bytesPerSector;

    const int8_t perRecord = int8_t(data[OffClustersPerRecord]);
    uint64_t recordSize = 0;
    if (perRecord > 0)
        recordSize = uint64_t(perRecord) * out.clusterSize;
    else if (-perRecord < 32)
        recordSize = uint64_t(1) << (-perRecord);
    if (!powerOfTwo(recordSize) || recordSize < MinRecordSize || recordSize > MaxRecordSize)
        return Status::BadRecordSize;
    out.mftRecordSize = uint32_t(recordSize);

    out.totalSectors = LittleEndian::u64(data + OffTotalSectors);
    out.mftCluster = LittleEndian::u64(data + OffMftCluster);
    out.mftMirrorCluster = LittleEndian::u64(data + OffMftMirrorCluster);
    out.serialNumber = LittleEndian::u64(data + OffSerialNumber);
    out.totalClusters = out.totalSectors / out.sectorsPerCluster;
    if (out.totalClusters == 0 || out.totalSectors > UINT64_MAX / out.bytesPerSector)
        return Status::BadGeometry;
    out.volumeSize = out.totalSectors * out.bytesPerSector;
    if (limitBytes != 0 && out.volumeSize > limitBytes)
        return Status::BadGeometry;
    if (out.mftCluster >= out.totalClusters || out.mftMirrorCluster >= out.totalClusters)
        return Status::BadGeometry;
    // The system records up to $Bitmap (6) must lie inside the volume.
    if (out.mftCluster * out.clusterSize + 7ull * out.mftRecordSize > out.volumeSize)
        return Status::BadGeometry;
    return Status::Ok;
}
