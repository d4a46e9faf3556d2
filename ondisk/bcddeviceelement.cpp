#include "ondisk/bcddeviceelement.h"
#include "ondisk/bcdstorelayout.h"

#include "ondisk/byteorder.h"
#include "ondisk/guidtext.h"

#include <algorithm>
#include <cstdio>

bool BcdDeviceElement::Identity::operator==(const Identity& other) const
{
    if (gpt != other.gpt)
        return false;
    if (gpt)
        return diskGuid == other.diskGuid && partitionGuid == other.partitionGuid;
    return signature == other.signature && byteOffset == other.byteOffset;
}

std::string BcdDeviceElement::Identity::describe() const
{
    if (gpt)
        return "GPT disk " + GuidText::fromGptBytes(diskGuid.data()) + " partition "
            + GuidText::fromGptBytes(partitionGuid.data());
    char text[64];
    std::snprintf(text, sizeof text, "MBR disk %08X offset %llu", unsigned(signature),
                  static_cast<unsigned long long>(byteOffset));
    return text;
}

bool BcdDeviceElement::isDeviceType(uint32_t elementType)
{
    return BcdStoreLayout::formatOf(elementType) == BcdStoreLayout::DeviceFormat;
}

BcdDeviceElement::Form BcdDeviceElement::decode(std::span<const uint8_t> value, Identity& out)
{
    if (value.size() < MinimumBytes)
        return Form::Other;
    const uint8_t* p = value.data();
    if (ByteOrder::get32(p + DeviceTypeOffset) != PartitionDevice)
        return Form::Other;
    // The recorded size must cover the partition data and stay inside the value.
    const uint64_t size = ByteOrder::get32(p + DeviceSizeOffset);
    if (size < MinimumBytes - DeviceTypeOffset || DeviceTypeOffset + size > value.size())
        return Form::Other;
    Identity id;
    switch (ByteOrder::get32(p + PartitionStyleOffset)) {
    case StyleGpt:
        id.gpt = true;
        std::copy_n(p + PartitionIdOffset, 16, id.partitionGuid.begin());
        std::copy_n(p + DiskIdOffset, 16, id.diskGuid.begin());
        break;
    case StyleMbr:
        id.byteOffset = ByteOrder::get64(p + PartitionIdOffset);
        id.signature = ByteOrder::get32(p + DiskIdOffset);
        break;
    default:
        return Form::Other;
    }
    out = id;
    return Form::Partition;
}

bool BcdDeviceElement::encode(std::vector<uint8_t>& value, const Identity& identity)
{
    Identity current;
    if (decode(value, current) != Form::Partition || current.gpt != identity.gpt)
        return false;
    uint8_t* p = value.data();
    if (identity.gpt) {
        std::copy(identity.partitionGuid.begin(), identity.partitionGuid.end(), p + PartitionIdOffset);
        std::copy(identity.diskGuid.begin(), identity.diskGuid.end(), p + DiskIdOffset);
    } else {
        ByteOrder::put64(p + PartitionIdOffset, identity.byteOffset);
        ByteOrder::put32(p + DiskIdOffset, identity.signature);
    }
    return true;
}

std::vector<uint8_t> BcdDeviceElement::bootDevice()
{
    std::vector<uint8_t> value(StandardValueBytes, 0);
    ByteOrder::put32(value.data() + DeviceTypeOffset, BootDevice);
    ByteOrder::put32(value.data() + DeviceFlagsOffset, BootDeviceFlags);
    ByteOrder::put32(value.data() + DeviceSizeOffset, StandardDeviceSize);
    return value;
}

std::vector<uint8_t> BcdDeviceElement::make(const Identity& identity)
{
    std::vector<uint8_t> value(StandardValueBytes, 0);
    ByteOrder::put32(value.data() + DeviceTypeOffset, PartitionDevice);
    ByteOrder::put32(value.data() + DeviceSizeOffset, StandardDeviceSize);
    ByteOrder::put32(value.data() + PartitionStyleOffset, identity.gpt ? StyleGpt : StyleMbr);
    encode(value, identity);
    return value;
}
