#include "partition/gptcodec.h"
#include "ondisk/crc32.h"
#include "ondisk/guidtext.h"

#include <cstring>

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

QByteArray GptCodec::headerBytes(const GptHeader& header)
{
    QByteArray out(GptHeader::Size, '\0');
    header.encode(reinterpret_cast<uint8_t*>(out.data()));
    return out;
}

uint32_t GptCodec::entrySectors(uint32_t sectorSize)
{
    const uint32_t perSector = sectorSize / 128;
    if (perSector == 0)
        return 0;
    return (perSector + 127) / perSector;
}

QList<GptPartitionEntry> GptCodec::parseEntries(const QByteArray& array, uint32_t count, uint32_t stride)
{
    QList<GptPartitionEntry> out;
    out.resize(count);
    const auto* base = reinterpret_cast<const uint8_t*>(array.constData());
    for (uint32_t i = 0; i < count; ++i) {
        const uint64_t at = uint64_t(i) * stride;
        if (at + GptPartitionEntry::Size > uint64_t(array.size()))
            break;
        out[i] = GptPartitionEntry::decode(base + at);
    }
    return out;
}

QByteArray GptCodec::serializeEntries(const QList<GptPartitionEntry>& entries, uint32_t count)
{
    QByteArray out(qsizetype(count) * GptPartitionEntry::Size, '\0');
    auto* base = reinterpret_cast<uint8_t*>(out.data());
    for (uint32_t i = 0; i < count && i < uint32_t(entries.size()); ++i)
        entries[i].encode(base + uint64_t(i) * GptPartitionEntry::Size);
    return out;
}

QByteArray GptCodec::headerSector(const GptHeader& header, uint32_t sectorSize)
{
    QByteArray sector(sectorSize, '\0');
    putHeader(sector, header);
    return sector;
}

void GptCodec::putHeader(QByteArray& sector, const GptHeader& header)
{
    if (sector.size() < GptHeader::Size)
        sector.resize(GptHeader::Size, '\0');
    header.encode(reinterpret_cast<uint8_t*>(sector.data()));
}

GptHeader GptCodec::newHeader(uint64_t totalSectors, uint32_t sectorSize, const QUuid& diskGuid)
{
    const uint32_t es = entrySectors(sectorSize);
    GptHeader h;
    h.signature = GptHeader::SignatureValue;
    h.revision = GptHeader::Revision1;
    h.headerSize = GptHeader::Size;
    h.myLba = 1;
    h.alternateLba = totalSectors - 1;
    h.firstUsableLba = uint64_t(es) + 2;
    h.lastUsableLba = totalSectors - es - 2;
    guidToGptBytes(diskGuid, h.diskGuid.data());
    h.partitionEntryLba = 2;
    h.numberOfEntries = 128;
    h.sizeOfPartitionEntry = GptHeader::SupportedEntrySize;
    const QByteArray zeros(128 * GptPartitionEntry::Size, '\0');
    h.partitionEntryArrayCrc32 = Crc32::compute(zeros.constData(), size_t(zeros.size()));
    h.sealHeaderCrc();
    return h;
}

int GptCodec::findOverlap(const QList<GptPartitionEntry>& entries, uint64_t first, uint64_t last, int skip)
{
    for (int i = 0; i < entries.size(); ++i) {
        if (i == skip || !entries[i].isUsed())
            continue;
        if (last >= entries[i].firstLba && first <= entries[i].lastLba)
            return i;
    }
    return -1;
}
