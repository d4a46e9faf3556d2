// libFuzzer target: GPT entry array decoding. The first 8 input bytes give count and stride.
#include "ondisk/gptpartitionentry.h"
#include "platform/layoutparser.h"

#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 8)
        return 0;
    uint32_t count = 0;
    uint32_t stride = 0;
    std::memcpy(&count, data, 4);
    std::memcpy(&stride, data + 4, 4);
    count %= 1024;
    stride %= 1024;
    const std::span<const uint8_t> bytes(data + 8, size - 8);
    std::vector<GptPartitionEntry> entries;
    if (GptPartitionEntry::decodeArray(bytes, count, stride, entries)) {
        if (entries.size() != count || uint64_t(count) * stride > bytes.size() || stride < 128)
            __builtin_trap();
        // Packing and decoding again gives the same entries.
        const std::vector<uint8_t> packed = GptPartitionEntry::encodeArray(entries, count);
        std::vector<GptPartitionEntry> back;
        if (!GptPartitionEntry::decodeArray(packed, count, 128, back)
            || GptPartitionEntry::encodeArray(back, count) != packed)
            __builtin_trap();
    }

    std::vector<PlatformLayoutEntry> out;
    std::vector<std::string> notes;
    LayoutParser::gptEntries(entries, 512, out, notes);
    for (const PlatformLayoutEntry& e : out)
        if (e.partitionNumber == 0 || e.partitionNumber > entries.size())
            __builtin_trap();
    return 0;
}
