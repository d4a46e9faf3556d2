#pragma once
#include "platform/devicehandle.h"

#include <QString>
#include <cstdint>
#include <vector>

class DiskInfo;

// Who a disk is, beyond the number Windows gives it today: drive numbers move when disks come and
// go, so the disk the user chose is recognised by its serial number, size and table identity.
class DiskIdentity {
public:
    QString serialNumber;
    uint64_t size = 0;
    uint32_t mbrSignature = 0;   // MBR disks
    QString gptDiskGuid;         // GPT disks, registry form

    bool isKnown() const { return size != 0; }
    static DiskIdentity of(const DiskInfo& disk);
    // From an open disk: descriptor, geometry and the table as the platform knows it.
    static bool read(DeviceHandle* disk, DiskIdentity& out);
    // The table identity as written on the disk now (sector 0 and the GPT header at LBA 1), for
    // after the clone has written a new table; false when sector 0 cannot be read.
    static bool readTableId(DeviceHandle* disk, uint32_t sectorSize, uint32_t& mbrSignature, QString& gptDiskGuid);
    // Pure part of readTableId: `lba0` and `lba1` are the first two logical sectors.
    static void tableIdFromSectors(const std::vector<uint8_t>& lba0, const std::vector<uint8_t>& lba1,
                                   uint32_t& mbrSignature, QString& gptDiskGuid);

    // Why `actual` is not this disk; empty when it is (or when nothing was recorded).
    QString mismatch(const DiskIdentity& actual) const;

    // The disks the running clone may touch by number, with who they must be. Partitioning-tool
    // scripts that select a disk check it here first; a number without an entry is not checked.
    static void expect(int diskNumber, const DiskIdentity& identity);
    static void forgetAll();
    static bool expected(int diskNumber, DiskIdentity& out);
    // Opens disk `diskNumber` and compares it with its expectation; false with `error` on a mismatch.
    static bool verifyExpected(int diskNumber, QString& error);
    // The same check on a handle the caller goes on to write through. The table identity is read
    // from the disk's own first sectors, which the platform's cached layout may not show yet.
    static bool verifyHandle(DeviceHandle* disk, int diskNumber, QString& error);
    // After a flush of writes through the checked target handle: the disk is now known by the
    // table identity on it (the clone may have written a new one).
    static void followTable(DeviceHandle* disk, int diskNumber, uint32_t sectorSize);
    // After the program itself rewrote the disk's table (a tool's clean or convert): the expected
    // table identity becomes the disk's new one, as long as serial number and size still match.
    static void takeNewTable(int diskNumber);
    // The same through the handle that rewrote the table, flushed.
    static void takeNewTable(DeviceHandle* disk, int diskNumber);
};
