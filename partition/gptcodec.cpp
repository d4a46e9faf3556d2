#include "partition/gptcodec.h"
#include "core/tessarin.h"
#include "ondisk/guidtext.h"


const QUuid& GptCodec::efiSystemType()
{
    static const QUuid g(QLatin1StringView(Tessarin::EfiTypeText));
    return g;
}
const QUuid& GptCodec::basicDataType()
{
    static const QUuid g(QLatin1StringView(Tessarin::BasicDataTypeText));
    return g;
}
const QUuid& GptCodec::reservedType()
{
    static const QUuid g(QLatin1StringView(Tessarin::MsrTypeText));
    return g;
}
const QUuid& GptCodec::linuxDataType()
{
    static const QUuid g(QLatin1StringView(Tessarin::LinuxDataTypeText));
    return g;
}

void GptCodec::guidToGptBytes(const QUuid& guid, uint8_t* out)
{
    GuidText::toGptBytes(guid.toString(QUuid::WithBraces).toStdString(), out);
}

QUuid GptCodec::gptBytesToGuid(const uint8_t* in)
{
    return QUuid(QString::fromStdString(GuidText::fromGptBytes(in)));
}

void GptCodec::setEntryTypeGuid(GptPartitionEntry& entry, const QUuid& guid)
{
    guidToGptBytes(guid, entry.typeGuid.data());
}

void GptCodec::setEntryUniqueGuid(GptPartitionEntry& entry, const QUuid& guid)
{
    guidToGptBytes(guid, entry.uniqueGuid.data());
}

uint32_t GptCodec::entrySectors(uint32_t sectorSize)
{
    const uint32_t perSector = sectorSize / 128;
    if (perSector == 0)
        return 0;
    return (perSector + 127) / perSector;
}
