// libFuzzer target: MFT record header and fixups, attribute walk, non-resident header and run list,
// in the order the NTFS parser applies them.
#include "ondisk/ntfsmftrecord.h"
#include "ondisk/ntfsrunlist.h"

#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // Records are whole 512-byte strides; copy so fixups can be applied in place.
    std::vector<uint8_t> record(data, data + size - size % NtfsMftRecord::FixupStride);
    if (NtfsMftRecord::prepare(record.data(), record.size(), 6) != NtfsMftRecord::Status::Ok)
        return 0;
    const uint32_t used = NtfsMftRecord::bytesInUse(record.data(), record.size());
    uint32_t offset = NtfsMftRecord::firstAttributeOffset(record.data());
    while (offset < used) {
        NtfsMftRecord::Attribute a;
        if (NtfsMftRecord::attributeAt(record.data(), used, offset, a) != NtfsMftRecord::Step::Found)
            break;
        if (a.offset + a.length > used)
            __builtin_trap();
        NtfsMftRecord::NonResident nr;
        if (NtfsMftRecord::nonResidentHeader(record.data(), a, nr)) {
            if (nr.runListOffset + nr.runListLength != a.length)
                __builtin_trap();
            std::vector<NtfsRun> runs;
            NtfsRunList::decode(record.data() + a.offset + nr.runListOffset, nr.runListLength, nr.dataSize, runs);
        }
        offset += a.length;
    }
    return 0;
}
