#include "ondisk/mbrcodec.h"
#include "ondisk/byteorder.h"

#include <algorithm>

bool MbrCodec::hasBootSignature(const uint8_t* s)
{
    return ByteOrder::get16(s + OffBootSignature) == BootSignature;
}

MbrCodec::Entry MbrCodec::entry(const uint8_t* s, int index)
{
    const uint8_t* p = s + OffEntries + EntrySize * index;
    Entry e;
    e.bootIndicator = p[EntOffBootIndicator];
    std::copy(p + EntOffFirstChs, p + EntOffFirstChs + 3, e.firstChs);
    e.type = p[EntOffType];
    std::copy(p + EntOffLastChs, p + EntOffLastChs + 3, e.lastChs);
    e.firstLba = ByteOrder::get32(p + EntOffFirstLba);
    e.sectorCount = ByteOrder::get32(p + EntOffSectorCount);
    return e;
}

void MbrCodec::setEntry(uint8_t* s, int index, const Entry& e)
{
    uint8_t* p = s + OffEntries + EntrySize * index;
    p[EntOffBootIndicator] = e.bootIndicator;
    std::copy(e.firstChs, e.firstChs + 3, p + EntOffFirstChs);
    p[EntOffType] = e.type;
    std::copy(e.lastChs, e.lastChs + 3, p + EntOffLastChs);
    ByteOrder::put32(p + EntOffFirstLba, e.firstLba);
    ByteOrder::put32(p + EntOffSectorCount, e.sectorCount);
}

void MbrCodec::setEntryExtent(uint8_t* s, int index, uint32_t firstLba, uint32_t sectorCount)
{
    uint8_t* p = s + OffEntries + EntrySize * index;
    ByteOrder::put32(p + EntOffFirstLba, firstLba);
    ByteOrder::put32(p + EntOffSectorCount, sectorCount);
    p[EntOffLastChs] = 0xFE;
    p[EntOffLastChs + 1] = 0xFF;
    p[EntOffLastChs + 2] = 0xFF;
}

std::vector<uint8_t> MbrCodec::protectiveMbr(uint64_t totalSectors, uint32_t sectorSize)
{
    std::vector<uint8_t> sector(std::max<uint32_t>(sectorSize, SectorBytes), 0);
    uint8_t* s = sector.data();
    Entry e;
    e.firstChs[0] = 0x00;
    e.firstChs[1] = 0x02;
    e.firstChs[2] = 0x00;
    e.type = ProtectiveType;
    e.lastChs[0] = e.lastChs[1] = e.lastChs[2] = 0xFF;
    e.firstLba = 1;
    e.sectorCount = static_cast<uint32_t>(std::min<uint64_t>(totalSectors - 1, 0xFFFFFFFFull));
    setEntry(s, 0, e);
    ByteOrder::put16(s + OffBootSignature, BootSignature);
    return sector;
}
