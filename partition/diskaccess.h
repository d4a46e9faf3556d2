#pragma once
#include <QByteArray>
#include <cstdint>

class DiskIO;

// Byte-addressed target access and layout refresh shared by the table editors.
class DiskAccess {
public:
    // Reads `length` bytes at `offset` of the target into `out` (resized); false on any failure.
    static bool read(DiskIO& disk, uint64_t offset, uint64_t length, QByteArray& out);
    static bool write(DiskIO& disk, uint64_t offset, const QByteArray& data);
    // The target's size in `sectorSize` sectors as its disk reports it, 0 when unknown.
    static uint64_t targetSectors(DiskIO& disk, uint32_t sectorSize);
    // Makes the platform re-read the target's partition table (best effort).
    static void refreshLayout(DiskIO& disk);
};
