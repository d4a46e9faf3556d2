#include "ondisk/gptpartitionentry.h"
#include "ondisk/byteorder.h"

#include <algorithm>
#include <cstring>

bool GptPartitionEntry::decode(std::span<const uint8_t> bytes, GptPartitionEntry& e)
{
    if (bytes.size() < size_t(Size))
        return false;
    const uint8_t* b = bytes.data();
    std::memcpy(e.typeGuid.data(), b + OffTypeGuid, GuidBytes);
    std::memcpy(e.uniqueGuid.data(), b + OffUniqueGuid, GuidBytes);
    e.firstLba = ByteOrder::get64(b + OffFirstLba);
    e.lastLba = ByteOrder::get64(b + OffLastLba);
    e.attributes = ByteOrder::get64(b + OffAttributes);
    std::memcpy(e.name.data(), b + OffName, NameBytes);
    return true;
}

bool GptPartitionEntry::encode(std::span<uint8_t> bytes) const
{
    if (bytes.size() < size_t(Size))
        return false;
    uint8_t* b = bytes.data();
    std::memcpy(b + OffTypeGuid, typeGuid.data(), GuidBytes);
    std::memcpy(b + OffUniqueGuid, uniqueGuid.data(), GuidBytes);
    ByteOrder::put64(b + OffFirstLba, firstLba);
    ByteOrder::put64(b + OffLastLba, lastLba);
    ByteOrder::put64(b + OffAttributes, attributes);
    std::memcpy(b + OffName, name.data(), NameBytes);
    return true;
}

bool GptPartitionEntry::decodeArray(std::span<const uint8_t> bytes, uint32_t count, uint32_t stride,
                                    std::vector<GptPartitionEntry>& out)
{
    if (stride < uint32_t(Size) || uint64_t(count) * stride > bytes.size())
        return false;
    out.assign(count, GptPartitionEntry{});
    for (uint32_t i = 0; i < count; ++i)
        decode(bytes.subspan(size_t(i) * stride), out[i]);
    return true;
}

std::vector<uint8_t> GptPartitionEntry::encodeArray(const std::vector<GptPartitionEntry>& entries, uint32_t count)
{
    std::vector<uint8_t> out(size_t(count) * Size, 0);
    const std::span<uint8_t> all(out);
    for (size_t i = 0; i < count && i < entries.size(); ++i)
        entries[i].encode(all.subspan(i * Size));
    return out;
}

bool GptPartitionEntry::isUsed() const
{
    return std::any_of(typeGuid.begin(), typeGuid.end(), [](uint8_t v) { return v != 0; });
}

void GptPartitionEntry::setName(const std::u16string& text)
{
    name.fill(0);
    const size_t units = std::min<size_t>(text.size(), MaxNameUnits);
    for (size_t i = 0; i < units; ++i)
        ByteOrder::put16(name.data() + 2 * i, uint16_t(text[i]));
}

std::u16string GptPartitionEntry::nameText() const
{
    std::u16string out;
    for (int i = 0; i < NameBytes / 2; ++i) {
        const uint16_t u = ByteOrder::get16(name.data() + 2 * i);
        if (u == 0)
            break;
        out.push_back(char16_t(u));
    }
    return out;
}
