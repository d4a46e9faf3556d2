#include "filesystem/fat32bootsector.h"

#include "filesystem/littleendian.h"

namespace {
constexpr size_t OffBytesPerSector = 11;
constexpr size_t OffSectorsPerCluster = 13;
constexpr size_t OffReservedSectors = 14;
constexpr size_t OffNumberOfFats = 16;
constexpr size_t OffRootEntryCount = 17;
constexpr size_t OffTotalSectors16 = 19;
constexpr size_t OffFatSize16 = 22;
constexpr size_t OffTotalSectors32 = 32;
constexpr size_t OffFatSize32 = 36;
constexpr size_t OffRootCluster = 44;
constexpr size_t OffSerialNumber = 67;
constexpr size_t OffLabel = 71;
constexpr size_t LabelLength = 11;
constexpr size_t OffSignature = 510;
constexpr uint16_t BootSignature = 0xAA55;

bool powerOfTwo(uint64_t v) { return v != 0 && (v & (v - 1)) == 0; }
}

Fat32BootSector::Status Fat32BootSector::decode(const uint8_t* data, size_t size, uint64_t limitBytes,
                                                Fat32BootSector& out)
{
    out = Fat32BootSector();
    if (!data || size < Size)
        return Status::TooShort;
    if (LittleEndian::u16(data + OffSignature) != BootSignature)
        return Status::BadSignature;
    if (LittleEndian::u16(data + OffRootEntryCount) != 0 || LittleEndian::u16(data + OffFatSize16) != 0)
        return Status::NotFat32;

    out.bytesPerSector = LittleEndian::u16(data + OffBytesPerSector);
    out.sectorsPerCluster = data[OffSectorsPerCluster];
    out.reservedSectors = LittleEndian::u16(data + OffReservedSectors);
    out.numberOfFats = data[OffNumberOfFats];
    out.fatSize = LittleEndian::u32(data + OffFatSize32);
    out.rootCluster = LittleEndian::u32(data + OffRootCluster);
    out.serialNumber = LittleEndian::u32(data + OffSerialNumber);
    std::string label(reinterpret_cast<const char*>(data + OffLabel), LabelLength);
    const size_t first = label.find_first_not_of(' ');
    out.label = first == std::string::npos ? std::string() : label.substr(first, label.find_last_not_of(' ') - first + 1);

    if (out.bytesPerSector < 512 || out.bytesPerSector > 4096 || !powerOfTwo(out.bytesPerSector)
        || !powerOfTwo(out.sectorsPerCluster) || out.reservedSectors == 0 || out.numberOfFats == 0
        || out.fatSize == 0)
        return Status::BadGeometry;
    out.clusterSize = out.bytesPerSector * out.sectorsPerCluster;

    out.totalSectors = LittleEndian::u32(data + OffTotalSectors32);
    if (out.totalSectors == 0)
        out.totalSectors = LittleEndian::u16(data + OffTotalSectors16);
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
