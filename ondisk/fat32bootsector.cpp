#include "ondisk/fat32bootsector.h"

#include "ondisk/bootsectorfields.h"
#include "ondisk/byteorder.h"

namespace {
using F = BootSectorFields;

bool powerOfTwo(uint64_t v) { return v != 0 && (v & (v - 1)) == 0; }
}

Fat32BootSector::Status Fat32BootSector::decode(const uint8_t* data, size_t size, uint64_t limitBytes,
                                                Fat32BootSector& out)
{
    out = Fat32BootSector();
    if (!data || size < Size)
        return Status::TooShort;
    if (ByteOrder::get16(data + F::OffSignature) != F::BootSignature)
        return Status::BadSignature;
    if (ByteOrder::get16(data + F::OffRootEntryCount) != 0 || ByteOrder::get16(data + F::OffFatSize16) != 0)
        return Status::NotFat32;

    out.bytesPerSector = ByteOrder::get16(data + F::OffBytesPerSector);
    out.sectorsPerCluster = data[F::OffSectorsPerCluster];
    out.reservedSectors = ByteOrder::get16(data + F::OffReservedSectors);
    out.numberOfFats = data[F::OffNumberOfFats];
    out.fatSize = ByteOrder::get32(data + F::OffFatSize32);
    out.fatsMirrored = !(ByteOrder::get16(data + F::OffFat32ExtFlags) & F::Fat32SingleActiveFat);
    out.rootCluster = ByteOrder::get32(data + F::OffRootCluster);
    out.serialNumber = ByteOrder::get32(data + F::OffFat32SerialNumber);
    std::string label(reinterpret_cast<const char*>(data + F::OffFat32Label), F::FatLabelLength);
    const size_t first = label.find_first_not_of(' ');
    out.label = first == std::string::npos ? std::string() : label.substr(first, label.find_last_not_of(' ') - first + 1);

    if (out.bytesPerSector < 512 || out.bytesPerSector > 4096 || !powerOfTwo(out.bytesPerSector)
        || !powerOfTwo(out.sectorsPerCluster) || out.reservedSectors == 0 || out.numberOfFats == 0
        || out.fatSize == 0)
        return Status::BadGeometry;
    out.clusterSize = out.bytesPerSector * out.sectorsPerCluster;

    out.totalSectors = ByteOrder::get32(data + F::OffTotalSectors32);
    if (out.totalSectors == 0)
        out.totalSectors = ByteOrder::get16(data + F::OffTotalSectors16);
    if (out.totalSectors == 0)
        out.totalSectors = limitBytes / out.bytesPerSector;
    out.volumeSize = out.totalSectors * out.bytesPerSector;
    if (limitBytes != 0 && out.volumeSize > limitBytes)
        return Status::BadGeometry;

    out.dataStart = uint64_t(out.reservedSectors) + uint64_t(out.numberOfFats) * out.fatSize;
    if (out.dataStart >= out.totalSectors)
        return Status::BadGeometry;
    out.totalClusters = (out.totalSectors - out.dataStart) / out.sectorsPerCluster;
    if (out.totalClusters == 0 || out.totalClusters > MaxClusters)
        return Status::BadGeometry;
    return Status::Ok;
}
