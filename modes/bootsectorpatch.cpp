#include "modes/bootsectorpatch.h"

#include "ondisk/bootsectorfields.h"
#include "ondisk/byteorder.h"
#include "ondisk/ntfsbootsector.h"

#include <algorithm>
#include <cstring>

namespace {
using F = BootSectorFields;
constexpr char Fat32Type[] = "FAT32";
constexpr char FatType[] = "FAT";

bool hasText(const uint8_t* sector, size_t offset, const char* text)
{
    return std::memcmp(sector + offset, text, std::strlen(text)) == 0;
}
} // namespace

BootSectorPatch::Kind BootSectorPatch::kindOf(const uint8_t* sector)
{
    if (NtfsBootSector::hasOemId(sector))
        return Kind::Ntfs;
    if (hasText(sector, F::OffFat32FsType, Fat32Type))
        return Kind::Fat32;
    if (hasText(sector, F::OffFat16FsType, FatType))
        return Kind::Fat16;
    return Kind::Unknown;
}

bool BootSectorPatch::apply(uint8_t* sector, uint64_t volumeOffset, uint64_t volumeBytes, Result& result)
{
    result = Result();
    result.kind = kindOf(sector);
    if (result.kind == Kind::Unknown)
        return true;
    const uint32_t bytesPerSector = ByteOrder::get16(sector + F::OffBytesPerSector);
    if (bytesPerSector < 256 || bytesPerSector > 4096 || (bytesPerSector & (bytesPerSector - 1)) != 0) {
        result.error = "the boot sector gives no valid bytes-per-sector value (" + std::to_string(bytesPerSector) + ")";
        return false;
    }
    if (volumeOffset % bytesPerSector != 0 || volumeOffset / bytesPerSector > UINT32_MAX) {
        result.error = "offset " + std::to_string(volumeOffset) + " is not a 32-bit count of the volume's "
            + std::to_string(bytesPerSector) + "-byte sectors";
        return false;
    }
    result.bytesPerSector = bytesPerSector;
    const uint64_t copySectors = volumeBytes / bytesPerSector;
    result.oldHidden = ByteOrder::get32(sector + F::OffHiddenSectors);
    result.newHidden = uint32_t(volumeOffset / bytesPerSector);

    switch (result.kind) {
    case Kind::Ntfs:
        result.oldTotal = result.newTotal = NtfsBootSector::totalSectorsOf(sector);
        if (copySectors < result.oldTotal) {
            result.newTotal = copySectors;
            NtfsBootSector::setTotalSectors(sector, copySectors);
        }
        // Behind the volume's last sector, when the copy holds it.
        if ((result.newTotal + 1) * bytesPerSector <= volumeBytes)
            result.backupOffset = result.newTotal * bytesPerSector;
        break;
    case Kind::Fat32: {
        result.oldTotal = result.newTotal = ByteOrder::get32(sector + F::OffTotalSectors32);
        const uint64_t fits = std::min<uint64_t>(copySectors, UINT32_MAX);
        if (fits < result.oldTotal) {
            result.newTotal = fits;
            ByteOrder::put32(sector + F::OffTotalSectors32, uint32_t(fits));
            ByteOrder::put16(sector + F::OffTotalSectors16, 0);
        }
        const uint16_t backup = ByteOrder::get16(sector + F::OffFat32BackupBootSector);
        if (backup >= 1 && backup <= 31)
            result.backupOffset = uint64_t(backup) * bytesPerSector;
        break;
    }
    case Kind::Fat16:
    case Kind::Unknown:
        break;
    }
    ByteOrder::put32(sector + F::OffHiddenSectors, result.newHidden);
    return true;
}

bool BootSectorPatch::refreshBackup(Kind kind, const uint8_t* primary, uint8_t* backup)
{
    if (kind == Kind::Ntfs && NtfsBootSector::hasOemId(backup)) {
        std::memcpy(backup, primary, F::SectorBytes);
        return true;
    }
    if (kind != Kind::Fat32 || !hasText(backup, F::OffFat32FsType, Fat32Type))
        return false;
    // From bytes-per-sector up to the file-system type: the whole parameter block.
    std::memcpy(backup + F::OffBytesPerSector, primary + F::OffBytesPerSector, F::OffFat32FsType - F::OffBytesPerSector);
    return true;
}
