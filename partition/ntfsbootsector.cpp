#include "partition/ntfsbootsector.h"
#include "partition/byteorder.h"

#include <QByteArray>
#include <cstring>

bool NtfsBootSector::hasSignature(const uint8_t* s)
{
    return std::memcmp(s + OffOemId, "NTFS    ", 8) == 0;
}

uint32_t NtfsBootSector::bytesPerSector(const uint8_t* s)
{
    const uint32_t v = ByteOrder::get16(s + OffBytesPerSector);
    if (v < 256 || v > 4096 || (v & (v - 1)) != 0)
        return 0;
    return v;
}

uint64_t NtfsBootSector::totalSectors(const uint8_t* s) { return ByteOrder::get64(s + OffTotalSectors); }

void NtfsBootSector::setTotalSectors(uint8_t* s, uint64_t value) { ByteOrder::put64(s + OffTotalSectors, value); }

QString NtfsBootSector::headerHex(const uint8_t* s)
{
    return QString::fromLatin1(QByteArray(reinterpret_cast<const char*>(s), 16).toHex());
}
