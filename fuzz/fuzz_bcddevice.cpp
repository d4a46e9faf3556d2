// libFuzzer target: boot-store device element codec.
#include "ondisk/bcddeviceelement.h"

#include <algorithm>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::span<const uint8_t> value(data, size);
    BcdDeviceElement::Identity id;
    const bool partition = BcdDeviceElement::decode(value, id) == BcdDeviceElement::Form::Partition;
    if (partition && size < BcdDeviceElement::MinimumBytes)
        __builtin_trap();

    // Writing a new identity changes only the identity fields and reads back as written; any
    // other form stays byte for byte.
    std::vector<uint8_t> copy(data, data + size);
    BcdDeviceElement::Identity next = id;
    next.signature ^= 0x5A5A5A5Au;
    next.byteOffset += 4096;
    next.diskGuid[3] ^= 0xFF;
    next.partitionGuid[9] ^= 0xFF;
    const bool written = BcdDeviceElement::encode(copy, next);
    if (written != partition)
        __builtin_trap();
    if (!written) {
        if (!std::equal(copy.begin(), copy.end(), data))
            __builtin_trap();
        return 0;
    }
    BcdDeviceElement::Identity back;
    if (BcdDeviceElement::decode(copy, back) != BcdDeviceElement::Form::Partition || !(back == next))
        __builtin_trap();
    for (size_t i = 0; i < size; ++i) {
        const bool field = (i >= BcdDeviceElement::PartitionIdOffset && i < BcdDeviceElement::PartitionIdOffset + 16)
            || (i >= BcdDeviceElement::DiskIdOffset && i < BcdDeviceElement::DiskIdOffset + 16);
        if (!field && copy[i] != data[i])
            __builtin_trap();
    }
    return 0;
}
