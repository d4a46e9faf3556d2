// libFuzzer target: data-run decoder. The first 8 input bytes give the volume's cluster count.
#include "ondisk/ntfsrunlist.h"

#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 8)
        return 0;
    uint64_t totalClusters = 0;
    std::memcpy(&totalClusters, data, 8);
    std::vector<NtfsRun> runs;
    const auto status = NtfsRunList::decode(data + 8, size - 8, totalClusters, runs);
    if (runs.size() > (size - 8) / 2)
        __builtin_trap();
    if (status == NtfsRunList::Status::Ok)
        for (const NtfsRun& r : runs)
            if (!r.sparse && (r.cluster > totalClusters || r.length > totalClusters - r.cluster))
                __builtin_trap();
    return 0;
}
