// libFuzzer target: MBR sector codec and the layout parser's MBR reading.
#include "ondisk/mbrcodec.h"
#include "platform/layoutparser.h"

#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::span<const uint8_t> sector(data, size);
    MbrCodec::Entry e;
    for (int i = -1; i <= MbrCodec::EntryCount; ++i) {
        const bool ok = MbrCodec::entry(sector, i, e);
        if (ok != (size >= size_t(MbrCodec::SectorBytes) && i >= 0 && i < MbrCodec::EntryCount))
            __builtin_trap();
    }
    if (size >= size_t(MbrCodec::SectorBytes)) {
        // An entry written back reads the same, and nothing outside it changes.
        std::vector<uint8_t> copy(data, data + size);
        MbrCodec::entry(sector, 2, e);
        if (!MbrCodec::setEntry(copy, 2, e) || !std::equal(copy.begin(), copy.end(), data))
            __builtin_trap();
        std::vector<uint8_t> fitted = copy;
        if (MbrCodec::fitProtective(fitted, 1ull << 40)) {
            MbrCodec::Entry p;
            if (!MbrCodec::entry(fitted, 0, p) || p.type != MbrCodec::ProtectiveType || p.sectorCount != 0xFFFFFFFFu)
                __builtin_trap();
        } else if (fitted != copy) {
            __builtin_trap();
        }
    }
    std::vector<PlatformLayoutEntry> entries;
    bool protective = false;
    std::string why;
    if (LayoutParser::parseMbr(data, size, 512, entries, protective, why) && entries.size() > 4)
        __builtin_trap();
    return 0;
}
