// libFuzzer target: the whole posix layout decision over a disk image given as input.
#include "platform/layoutparser.h"

#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const auto read = [&](uint64_t offset, uint64_t length, uint8_t* out) {
        if (offset > size || length > size - offset)
            return false;
        std::memcpy(out, data + offset, length);
        return true;
    };
    PlatformDriveLayout layout;
    std::vector<std::string> notes;
    if (!LayoutParser::parse(read, size, 512, layout, notes))
        return 0;
    // An unknown layout lists nothing (no MBR edits of a broken GPT disk); an MBR has four slots
    // and a bounded chain of logical partitions that stay on the disk.
    if (layout.style == LayoutStyle::Unknown && !layout.entries.empty())
        __builtin_trap();
    for (const PlatformLayoutEntry& e : layout.entries) {
        if (e.partitionNumber == 0 || (layout.style == LayoutStyle::MBR
                                       && e.partitionNumber >= LayoutParser::FirstLogicalNumber + LayoutParser::MaxLogicalPartitions))
            __builtin_trap();
        if (layout.style == LayoutStyle::MBR && e.partitionNumber >= LayoutParser::FirstLogicalNumber
            && uint64_t(e.startingOffset + e.partitionLength) > size)
            __builtin_trap();
    }
    return 0;
}
