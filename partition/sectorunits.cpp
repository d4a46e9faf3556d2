#include "partition/sectorunits.h"
#include "ondisk/logicalsector.h"

QString SectorUnits::unsupportedSectorSizeText(uint32_t sectorSize)
{
    return QStringLiteral("Unsupported logical sector size %1 (must be a power of two from 512 to 65536)").arg(sectorSize);
}

bool SectorUnits::toDiskSectors(uint64_t units, uint32_t sectorSize, uint64_t& diskSectors)
{
    if (!LogicalSector::isValid(sectorSize))
        return false;
    const uint32_t per = unitsPerSector(sectorSize);
    if (units % per != 0)
        return false;
    diskSectors = units / per;
    return true;
}
