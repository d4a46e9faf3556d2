#include "ondisk/gptpartitionentry.h"
#include "ondisk/byteorder.h"

#include <algorithm>
#include <cstring>

GptPartitionEntry GptPartitionEntry::decode(const uint8_t* b)
{
    GptPartitionEntry e;
    std::memcpy(e.typeGuid.data(), b + OffTypeGuid, GuidBytes);
    std::memcpy(e.uniqueGuid.data(), b + OffUniqueGuid, GuidBytes);
    e.firstLba = ByteOrder::get64(b + OffFirstLba);
    e.lastLba = ByteOrder::get64(b + OffLastLba);
    e.attributes = ByteOrder::get64(b + OffAttributes);
    std::memcpy(e.name.data(), b + OffName, NameBytes);
    return e;
}

void GptPartitionEntry::encode(uint8_t* b) const
{
    std::memcpy(b + OffTypeGuid, typeGuid.data(), GuidBytes);
    std::memcpy(b + OffUniqueGuid, uniqueGuid.data(), GuidBytes);
    ByteOrder::put64(b + OffFirstLba, firstLba);
    ByteOrder::put64(b + OffLastLba, lastLba);
    ByteOrder::put64(b + OffAttributes, attributes);
    std::memcpy(b + OffName, name.data(), NameBytes);
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
