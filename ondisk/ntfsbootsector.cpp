#include "ondisk/ntfsbootsector.h"

#include "ondisk/bootsectorfields.h"
#include "ondisk/byteorder.h"

#include <cstring>

namespace {
using F = BootSectorFields;
constexpr uint32_t MinSectorSize = 256;  // what the resizer accepts
constexpr uint32_t MaxSectorSize = 4096;
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
    std::memcpy(out.oemId, data + F::OffOemId, F::OemIdLength);
    out.signature = ByteOrder::get16(data + F::OffSignature);
    if (!hasOemId(data))
        return Status::BadOemId;
    if (out.signature != F::BootSignature)
        return Status::BadSignature;

    out.bytesPerSector = ByteOrder::get16(data + F::OffBytesPerSector);
    if (out.bytesPerSector < 512 || out.bytesPerSector > MaxSectorSize || !powerOfTwo(out.bytesPerSector))
        return Status::BadSectorSize;

    // Values above 0x80 encode 2^(256 - value) sectors (clusters beyond 64 KiB).
    const uint8_t spc = data[F::OffSectorsPerCluster];
    uint64_t sectorsPerCluster = spc <= 0x80 ? spc : (256 - spc < 32 ? uint64_t(1) << (256 - spc) : 0);
    if (!powerOfTwo(sectorsPerCluster) || sectorsPerCluster * out.bytesPerSector > MaxClusterSize)
        return Status::BadClusterSize;
    out.sectorsPerCluster = uint32_t(sectorsPerCluster);
    out.clusterSize = out.sectorsPerCluster * out.bytesPerSector;

    const int8_t perRecord = int8_t(data[F::OffNtfsClustersPerRecord]);
    uint64_t recordSize = 0;
    if (perRecord > 0)
        recordSize = uint64_t(perRecord) * out.clusterSize;
    else if (-perRecord < 32)
        recordSize = uint64_t(1) << (-perRecord);
    if (!powerOfTwo(recordSize) || recordSize < MinRecordSize || recordSize > MaxRecordSize)
        return Status::BadRecordSize;
    out.mftRecordSize = uint32_t(recordSize);

    out.totalSectors = totalSectorsOf(data);
    out.mftCluster = ByteOrder::get64(data + F::OffNtfsMftCluster);
    out.mftMirrorCluster = ByteOrder::get64(data + F::OffNtfsMftMirrorCluster);
    out.serialNumber = ByteOrder::get64(data + F::OffNtfsSerialNumber);
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

bool NtfsBootSector::hasOemId(const uint8_t* s)
{
    return std::memcmp(s + F::OffOemId, F::NtfsOemId, F::OemIdLength) == 0;
}

uint32_t NtfsBootSector::sectorSizeOf(const uint8_t* s)
{
    const uint32_t v = ByteOrder::get16(s + F::OffBytesPerSector);
    return v >= MinSectorSize && v <= MaxSectorSize && powerOfTwo(v) ? v : 0;
}

uint64_t NtfsBootSector::totalSectorsOf(const uint8_t* s) { return ByteOrder::get64(s + F::OffNtfsTotalSectors); }

void NtfsBootSector::setTotalSectors(uint8_t* s, uint64_t value) { ByteOrder::put64(s + F::OffNtfsTotalSectors, value); }
