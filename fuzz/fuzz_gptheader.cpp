// libFuzzer target: GPT header sector check. The first byte picks the LBA the sector is taken from.
#include "ondisk/gptheader.h"

#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1)
        return 0;
    const uint64_t lba = data[0];
    const std::span<const uint8_t> sector(data + 1, size - 1);
    GptHeader h;
    std::string why;
    if (GptHeader::checkSector(sector, lba, h, why)) {
        // What GptTable relies on afterwards.
        if (!h.hasValidSignature() || h.myLba != lba || h.headerSize < uint32_t(GptHeader::Size)
            || h.headerSize > sector.size() || GptHeader::crcOver(sector.first(h.headerSize)) != h.headerCrc32)
            __builtin_trap();
        if (h.checkEntryArray(512, 1u << 20, why)
            && (h.entryArrayBytes() > GptHeader::MaxEntryArrayBytes || h.partitionEntryLba < 2
                || h.partitionEntryLba + h.entryArraySectors(512) > (1u << 20)))
            __builtin_trap();
        // Sealing gives a header that checks out again.
        h.sealHeaderCrc();
        uint8_t again[512] = {};
        if (!h.encode(again) || !GptHeader::checkSector(again, lba, h, why))
            __builtin_trap();
    }
    return 0;
}
