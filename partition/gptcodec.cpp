#include "partition/gptcodec.h"
#include "ondisk/guidtext.h"


const QUuid& GptCodec::efiSystemType()
{
    static const QUuid g(QStringLiteral("C12A7328-F81F-11D2-BA4B-00A0C93EC93B"));
    return g;
}
const QUuid& GptCodec::basicDataType()
{
    static const QUuid g(QStringLiteral("EBD0A0A2-B9E5-4433-87C0-68B6B72699C7"));
    return g;
}
const QUuid& GptCodec::reservedType()
{
    static const QUuid g(QStringLiteral("E3C9E316-0B5C-4DB8-817D-F92DF00215AE"));
    return g;
}
const QUuid& GptCodec::linuxDataType()
{
    static const QUuid g(QStringLiteral("0FC63DAF-8483-4772-8E79-3D69D8477DE4"));
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
