#include "partition/gptpartitionentry.h"
#include "partition/byteorder.h"
#include "partition/gptcodec.h"

#include <algorithm>
#include <cstring>

GptPartitionEntry GptPartitionEntry::decode(const uint8_t* b)
{
    GptPartitionEntry e;
    std::memcpy(e.typeGuid.data(), b + OffTypeGuid, 16);
    std::memcpy(e.uniqueGuid.data(), b + OffUniqueGuid, 16);
    e.firstLba = ByteOrder::get64(b + OffFirstLba);
    e.lastLba = ByteOrder::get64(b + OffLastLba);
    e.attributes = ByteOrder::get64(b + OffAttributes);
    std::memcpy(e.name.data(), b + OffName, NameBytes);
    return e;
}

void GptPartitionEntry::encode(uint8_t* b) const
{
    std::memcpy(b + OffTypeGuid, typeGuid.data(), 16);
    std::memcpy(b + OffUniqueGuid, uniqueGuid.data(), 16);
    ByteOrder::put64(b + OffFirstLba, firstLba);
    ByteOrder::put64(b + OffLastLba, lastLba);
    ByteOrder::put64(b + OffAttributes, attributes);
    std::memcpy(b + OffName, name.data(), NameBytes);
}

bool GptPartitionEntry::isUsed() const
{
    return std::any_of(typeGuid.begin(), typeGuid.end(), [](uint8_t v) { return v != 0; });
}

void GptPartitionEntry::setName(const QString& text)
{
    name.fill(0);
    const int units = std::min<int>(static_cast<int>(text.size()), MaxNameUnits);
    for (int i = 0; i < units; ++i)
        ByteOrder::put16(name.data() + 2 * i, text.at(i).unicode());
}

QString GptPartitionEntry::nameText() const
{
    QString out;
    for (int i = 0; i < NameBytes / 2; ++i) {
        const uint16_t u = ByteOrder::get16(name.data() + 2 * i);
        if (u == 0)
            break;
        out.append(QChar(u));
    }
    return out;
}

void GptPartitionEntry::setTypeGuid(const QUuid& guid) { GptCodec::guidToGptBytes(guid, typeGuid.data()); }
void GptPartitionEntry::setUniqueGuid(const QUuid& guid) { GptCodec::guidToGptBytes(guid, uniqueGuid.data()); }
QUuid GptPartitionEntry::typeUuid() const { return GptCodec::gptBytesToGuid(typeGuid.data()); }
QUuid GptPartitionEntry::uniqueUuid() const { return GptCodec::gptBytesToGuid(uniqueGuid.data()); }
