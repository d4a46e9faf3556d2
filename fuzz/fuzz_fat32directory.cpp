// libFuzzer target: FAT32 directories and files found by path, over a volume's bytes.
#include "ondisk/fat32directory.h"

#include <cstring>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const Fat32Directory::ReadFn read = [&](uint64_t offset, uint64_t length, uint8_t* out) {
        if (offset > size || length > size - offset)
            return false;
        std::memcpy(out, data + offset, length);
        return true;
    };
    Fat32Directory fat;
    if (fat.open(read, 0) != Fat32Directory::Status::Ok)
        return 0;
    std::vector<Fat32Directory::Entry> root;
    fat.list(fat.bootSector().rootCluster, root);
    Fat32Directory::Entry e;
    for (const char* path : {"EFI\\Boot\\bootx64.efi", "EFI/Microsoft/Boot/BCD", "a"}) {
        if (fat.find(path, e) != Fat32Directory::Status::Ok)
            continue;
        std::vector<uint8_t> content;
        if (fat.readFile(e, content, 1 << 20) == Fat32Directory::Status::Ok && content.size() > e.size)
            __builtin_trap();
    }
    return 0;
}
