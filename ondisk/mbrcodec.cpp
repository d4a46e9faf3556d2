#include "ondisk/mbrcodec.h"
#include "ondisk/byteorder.h"

#include <algorithm>

namespace {
bool fits(size_t size, int index) { return size >= size_t(MbrCodec::SectorBytes) && index >= 0 && index < MbrCodec::EntryCount; }
}

bool MbrCodec::hasBootSignature(std::span<const uint8_t> s)
{
    return s.size() >= size_t(SectorBytes) && ByteOrder::get16(s.data() + OffBootSignature) == BootSignature;
}

bool MbrCodec::entry(std::span<const uint8_t> s, int index, Entry& e)
{
    if (!fits(s.size(), index))
        return false;
    const uint8_t* p = s.data() + OffEntries + EntrySize * index;
    e.bootIndicator = p[EntOffBootIndicator];
    std::copy(p + EntOffFirstChs, p + EntOffFirstChs + 3, e.firstChs);
    e.type = p[EntOffType];
    std::copy(p + EntOffLastChs, p + EntOffLastChs + 3, e.lastChs);
    e.firstLba = ByteOrder::get32(p + EntOffFirstLba);
    e.sectorCount = ByteOrder::get32(p + EntOffSectorCount);
    return true;
}

bool MbrCodec::setEntry(std::span<uint8_t> s, int index, const Entry& e)
{
    if (!fits(s.size(), index))
        return false;
    uint8_t* p = s.data() + OffEntries + EntrySize * index;
    p[EntOffBootIndicator] = e.bootIndicator;
    std::copy(e.firstChs, e.firstChs + 3, p + EntOffFirstChs);
    p[EntOffType] = e.type;
    std::copy(e.lastChs, e.lastChs + 3, p + EntOffLastChs);
    ByteOrder::put32(p + EntOffFirstLba, e.firstLba);
    ByteOrder::put32(p + EntOffSectorCount, e.sectorCount);
    return true;
}

bool MbrCodec::setEntryExtent(std::span<uint8_t> s, int index, uint32_t firstLba, uint32_t sectorCount)
{
    if (!fits(s.size(), index))
        return false;
    uint8_t* p = s.data() + OffEntries + EntrySize * index;
    ByteOrder::put32(p + EntOffFirstLba, firstLba);
    ByteOrder::put32(p + EntOffSectorCount, sectorCount);
    p[EntOffLastChs] = 0xFE;
    p[EntOffLastChs + 1] = 0xFF;
    p[EntOffLastChs + 2] = 0xFF;
    return true;
}

uint32_t MbrCodec::protectiveCount(uint64_t totalSectors)
{
    return static_cast<uint32_t>(std::min<uint64_t>(totalSectors > 0 ? totalSectors - 1 : 0, 0xFFFFFFFFull));
}

bool MbrCodec::fitProtective(std::span<uint8_t> s, uint64_t totalSectors)
{
    Entry e;
    if (!hasBootSignature(s) || !entry(s, 0, e) || e.type != ProtectiveType || e.firstLba != 1)
        return false;
    e.sectorCount = protectiveCount(totalSectors);
    return setEntry(s, 0, e);
}

std::vector<uint8_t> MbrCodec::protectiveMbr(uint64_t totalSectors, uint32_t sectorSize)
{
    std::vector<uint8_t> sector(std::max<uint32_t>(sectorSize, SectorBytes), 0);
    Entry e;
    e.firstChs[0] = 0x00;
    e.firstChs[1] = 0x02;
    e.firstChs[2] = 0x00;
    e.type = ProtectiveType;
    e.lastChs[0] = e.lastChs[1] = e.lastChs[2] = 0xFF;
    e.firstLba = 1;
    e.sectorCount = protectiveCount(totalSectors);
    setEntry(sector, 0, e);
    ByteOrder::put16(sector.data() + OffBootSignature, BootSignature);
    return sector;
}
