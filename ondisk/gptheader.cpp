#include "ondisk/gptheader.h"
#include "ondisk/byteorder.h"
#include "ondisk/crc32.h"
#include "ondisk/logicalsector.h"

#include <cstring>
#include <vector>

bool GptHeader::decode(std::span<const uint8_t> bytes, GptHeader& h)
{
    if (bytes.size() < size_t(Size))
        return false;
    const uint8_t* b = bytes.data();
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
    return true;
}

bool GptHeader::encode(std::span<uint8_t> bytes) const
{
    if (bytes.size() < size_t(Size))
        return false;
    uint8_t* b = bytes.data();
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
    return true;
}

uint32_t GptHeader::crcOver(std::span<const uint8_t> headerBytes)
{
    std::vector<uint8_t> copy(headerBytes.begin(), headerBytes.end());
    if (copy.size() >= size_t(OffHeaderCrc + CrcFieldBytes))
        std::memset(copy.data() + OffHeaderCrc, 0, CrcFieldBytes);
    return Crc32::compute(copy.data(), copy.size());
}

bool GptHeader::checkSector(std::span<const uint8_t> sector, uint64_t lba, GptHeader& out, std::string& why)
{
    const std::string where = "GPT header at LBA " + std::to_string(lba);
    GptHeader h;
    if (!decode(sector, h)) {
        why = where + " is truncated";
        return false;
    }
    if (!h.hasValidSignature()) {
        why = "no GPT signature at LBA " + std::to_string(lba);
        return false;
    }
    if (h.headerSize < uint32_t(Size) || h.headerSize > sector.size()) {
        why = where + " has an invalid size " + std::to_string(h.headerSize);
        return false;
    }
    if (crcOver(sector.first(h.headerSize)) != h.headerCrc32) {
        why = where + " has a bad CRC";
        return false;
    }
    if (h.myLba != lba) {
        why = where + " names itself LBA " + std::to_string(h.myLba);
        return false;
    }
    out = h;
    return true;
}

uint32_t GptHeader::computeHeaderCrc() const
{
    GptHeader copy = *this;
    copy.headerSize = Size;
    std::array<uint8_t, Size> bytes{};
    copy.encode(bytes);
    return crcOver(bytes);
}

void GptHeader::sealHeaderCrc()
{
    headerSize = Size;
    headerCrc32 = computeHeaderCrc();
}

uint64_t GptHeader::entryArraySectors(uint32_t sectorSize) const
{
    if (sectorSize == 0)
        return 0;
    return (entryArrayBytes() + sectorSize - 1) / sectorSize;
}

bool GptHeader::checkEntryShape(std::string& error) const
{
    using std::to_string;
    if (sizeOfPartitionEntry != SupportedEntrySize) {
        error = "GPT header has an unsupported entry size " + to_string(sizeOfPartitionEntry) + " (only 128 is supported)";
        return false;
    }
    if (numberOfEntries == 0 || entryArrayBytes() > MaxEntryArrayBytes) {
        error = "GPT header has an absurd entry count " + to_string(numberOfEntries) + " (limit "
                + to_string(MaxEntryArrayBytes / SupportedEntrySize) + ")";
        return false;
    }
    return true;
}

bool GptHeader::checkEntryArray(uint32_t sectorSize, uint64_t totalSectors, std::string& error) const
{
    using std::to_string;
    if (!LogicalSector::isValid(sectorSize)) {
        error = "Invalid sector size " + to_string(sectorSize);
        return false;
    }
    if (!checkEntryShape(error))
        return false;
    const uint64_t sectors = entryArraySectors(sectorSize);
    const uint64_t first = partitionEntryLba;
    // Byte offsets must not wrap around when multiplied by the sector size.
    if (first > UINT64_MAX / sectorSize - sectors || (totalSectors != 0 && first + sectors > totalSectors)) {
        error = "GPT partition entry array at LBA " + to_string(first) + " (" + to_string(sectors)
                + " sectors) lies outside the disk (" + to_string(totalSectors) + " sectors)";
        return false;
    }
    const uint64_t end = first + sectors;  // exclusive
    const bool clearOfUsable = end <= firstUsableLba || first > lastUsableLba;
    const bool coversHeader = first <= myLba && myLba < end;
    if (first < 2 || !clearOfUsable || coversHeader) {
        error = "GPT partition entry array at LBA " + to_string(first) + " (" + to_string(sectors)
                + " sectors) overlaps the header or the usable area " + to_string(firstUsableLba) + "-"
                + to_string(lastUsableLba);
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
