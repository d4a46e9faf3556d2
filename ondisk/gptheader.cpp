#include "ondisk/gptheader.h"
#include "ondisk/byteorder.h"
#include "ondisk/crc32.h"

#include <cstring>

GptHeader GptHeader::decode(const uint8_t* b)
{
    GptHeader h;
    h.signature = ByteOrder::get64(b + OffSignature);
    h.revision = ByteOrder::get32(b + OffRevision);
    h.headerSize = ByteOrder::get32(b + OffHeaderSize);
    h.headerCrc32 = ByteOrder::get32(b + OffHeaderCrc);
    h.reserved = ByteOrder::get32(b + OffReserved);
    h.myLba = ByteOrder::get64(b + OffMyLba);
    h.alternateLba = ByteOrder::get64(b + OffAlternateLba);
    h.firstUsableLba = ByteOrder::get64(b + OffFirstUsableLba);
    h.lastUsableLba = ByteOrder::get64(b + OffLastUsableLba);
    std::memcpy(h.diskGuid.data(), b + OffDiskGuid, DiskGuidBytes);
    h.partitionEntryLba = ByteOrder::get64(b + OffEntryLba);
    h.numberOfEntries = ByteOrder::get32(b + OffNumberOfEntries);
    h.sizeOfPartitionEntry = ByteOrder::get32(b + OffEntrySize);
    h.partitionEntryArrayCrc32 = ByteOrder::get32(b + OffEntryArrayCrc);
    return h;
}

void GptHeader::encode(uint8_t* b) const
{
    ByteOrder::put64(b + OffSignature, signature);
    ByteOrder::put32(b + OffRevision, revision);
    ByteOrder::put32(b + OffHeaderSize, headerSize);
    ByteOrder::put32(b + OffHeaderCrc, headerCrc32);
    ByteOrder::put32(b + OffReserved, reserved);
    ByteOrder::put64(b + OffMyLba, myLba);
    ByteOrder::put64(b + OffAlternateLba, alternateLba);
    ByteOrder::put64(b + OffFirstUsableLba, firstUsableLba);
    ByteOrder::put64(b + OffLastUsableLba, lastUsableLba);
    std::memcpy(b + OffDiskGuid, diskGuid.data(), DiskGuidBytes);
    ByteOrder::put64(b + OffEntryLba, partitionEntryLba);
    ByteOrder::put32(b + OffNumberOfEntries, numberOfEntries);
    ByteOrder::put32(b + OffEntrySize, sizeOfPartitionEntry);
    ByteOrder::put32(b + OffEntryArrayCrc, partitionEntryArrayCrc32);
}

uint32_t GptHeader::computeHeaderCrc() const
{
    GptHeader copy = *this;
    copy.headerCrc32 = 0;
    std::array<uint8_t, Size> bytes{};
    copy.encode(bytes.data());
    return Crc32::compute(bytes.data(), Size);
}

uint64_t GptHeader::entryArraySectors(uint32_t sectorSize) const
{
    if (sectorSize == 0)
        return 0;
    return (entryArrayBytes() + sectorSize - 1) / sectorSize;
}

bool GptHeader::checkEntryArray(uint32_t sectorSize, uint64_t totalSectors, std::string& error) const
{
    using std::to_string;
    if (sectorSize < 512) {
        error = "Invalid sector size " + to_string(sectorSize);
        return false;
    }
    if (sizeOfPartitionEntry != SupportedEntrySize) {
        error = "Unsupported GPT partition entry size " + to_string(sizeOfPartitionEntry) + " (only 128 is supported)";
        return false;
    }
    if (numberOfEntries == 0) {
        error = "GPT header has no partition entries";
        return false;
    }
    if (entryArrayBytes() > MaxEntryArrayBytes) {
        error = "GPT partition entry array too large: " + to_string(numberOfEntries) + " entries ("
                + to_string(entryArrayBytes()) + " bytes, limit " + to_string(MaxEntryArrayBytes) + ")";
        return false;
    }
    const uint64_t sectors = entryArraySectors(sectorSize);
    const uint64_t first = partitionEntryLba;
    const uint64_t end = first + sectors;  // exclusive
    const bool clearOfUsable = end <= firstUsableLba || first > lastUsableLba;
    if (first < 2 || !clearOfUsable) {
        error = "GPT partition entry array at LBA " + to_string(first) + " (" + to_string(sectors)
                + " sectors) overlaps the header or the usable area " + to_string(firstUsableLba) + "-"
                + to_string(lastUsableLba);
        return false;
    }
    // Byte offsets must not wrap around when multiplied by the sector size.
    const bool wraps = first > UINT64_MAX / sectorSize - sectors;
    if (wraps || (totalSectors != 0 && end > totalSectors)) {
        error = "GPT partition entry array at LBA " + to_string(first) + " (" + to_string(sectors)
                + " sectors) lies outside the disk (" + to_string(totalSectors) + " sectors)";
        return false;
    }
    return true;
}

GptHeader GptHeader::makeBackup(uint64_t backupLba, uint64_t backupEntryLba) const
{
    GptHeader b = *this;
    b.myLba = backupLba;
    b.alternateLba = 1;
    b.partitionEntryLba = backupEntryLba;
    b.sealHeaderCrc();
    return b;
}
