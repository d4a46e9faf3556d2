#include "partition/sectorunits.h"

bool SectorUnits::isSupportedSectorSize(uint32_t sectorSize)
{
    return sectorSize >= Unit && sectorSize <= 65536 && sectorSize % Unit == 0;
}

QString SectorUnits::unsupportedSectorSizeText(uint32_t sectorSize)
{
    return QStringLiteral("Unsupported logical sector size %1 (must be a multiple of 512)").arg(sectorSize);
}

bool SectorUnits::toDiskSectors(uint64_t units, uint32_t sectorSize, uint64_t& diskSectors)
{
    if (!isSupportedSectorSize(sectorSize))
        return false;
    const uint32_t per = unitsPerSector(sectorSize);
    if (units % per != 0)
        return false;
    diskSectors = units / per;
    return true;
}
