// libFuzzer target: loading a whole GPT and committing it again. The first input byte picks the
// sector size (bit 0: 4096, else 512) and whether the disk's size is known (bit 1: unknown); the
// rest is the disk.
#include "ondisk/gpttable.h"

#include <cstring>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1)
        return 0;
    const uint32_t ss = (data[0] & 1) ? 4096 : 512;
    std::vector<uint8_t> disk(data + 1, data + size);
    const uint64_t sectors = disk.size() / ss;
    disk.resize(sectors * ss);
    const uint64_t known = (data[0] & 2) ? 0 : sectors;
    const auto read = [&disk](uint64_t offset, uint64_t length, uint8_t* out) {
        if (offset > disk.size() || length > disk.size() - offset)
            return false;
        std::memcpy(out, disk.data() + offset, length);
        return true;
    };

    GptTable gpt;
    if (!gpt.load(read, ss, known)) {
        if (gpt.editable() || gpt.lastError().empty())
            __builtin_trap();
        return 0;
    }
    if (!gpt.editable() || !gpt.hasSignature() || gpt.entries().size() != gpt.header().numberOfEntries)
        __builtin_trap();
    const std::vector<GptPartitionEntry> entries = gpt.entries();

    // A commit lands inside the disk and leaves both copies sound with the same entries.
    const auto write = [&disk, known](uint64_t offset, uint64_t length, const uint8_t* bytes) {
        if (offset > disk.size() || length > disk.size() - offset) {
            if (known != 0)
                __builtin_trap();  // a disk of known size is never written past its end
            return false;
        }
        std::memcpy(disk.data() + offset, bytes, length);
        return true;
    };
    if (!gpt.commit(write, [] { return true; }))
        return 0;
    GptTable again;
    if (!again.load(read, ss, known) || !again.primarySound() || !again.backupSound()
        || GptPartitionEntry::encodeArray(again.entries(), again.header().numberOfEntries)
               != GptPartitionEntry::encodeArray(entries, gpt.header().numberOfEntries))
        __builtin_trap();
    return 0;
}
