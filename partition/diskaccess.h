#pragma once
#include <QByteArray>
#include <cstdint>

class DiskIO;

// Byte-addressed target access and layout refresh shared by the table editors.
// Windows mounts the volumes of a re-read table at once, and writes into a mounted volume's sectors
// then fail: between raw writes the target is only flushed; the re-read comes once, when the target
// is closed (DiskSession::closeTarget), or where a partitioning tool must see the new table.
class DiskAccess {
public:
    // Reads `length` bytes at `offset` of the target into `out` (resized); false on any failure.
    static bool read(DiskIO& disk, uint64_t offset, uint64_t length, QByteArray& out);
    static bool write(DiskIO& disk, uint64_t offset, const QByteArray& data);
    // The target's size in `sectorSize` sectors as its disk reports it, 0 when unknown.
    static uint64_t targetSectors(DiskIO& disk, uint32_t sectorSize);
    // Makes the written bytes reach the target.
    static void flushWrites(DiskIO& disk);
    // Flushes, then makes the platform re-read the target's partition table (best effort); only
    // before handing the disk to a partitioning tool.
    static void rereadLayout(DiskIO& disk);
};
