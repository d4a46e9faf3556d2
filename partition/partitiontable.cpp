#include "partition/partitiontable.h"
#include "core/diskio.h"
#include "core/logger.h"
#include "partition/diskaccess.h"
#include "partition/gptcodec.h"
#include "ondisk/crc32.h"
#include "ondisk/mbrcodec.h"

namespace {
void logError(const QString& text) { Logger::instance().error(text); }
}

uint32_t PartitionTable::crc32(const void* data, size_t length) { return Crc32::compute(data, length); }

void PartitionTable::guidToGptBytes(const QUuid& guid, uint8_t* out16) { GptCodec::guidToGptBytes(guid, out16); }

bool PartitionTable::isValidSectorSize(uint32_t sectorSize)
{
    return sectorSize >= 512 && sectorSize % 128 == 0 && sectorSize <= 65536;
}

bool PartitionTable::readGptHeader(DiskIO& disk, GptHeader& out, uint32_t sectorSize)
{
    if (!isValidSectorSize(sectorSize)) {
        logError(QStringLiteral("Invalid sector size %1").arg(sectorSize));
        return false;
    }
    QByteArray sector;
    if (!DiskAccess::read(disk, sectorSize, sectorSize, sector))
        return false;
    out = GptHeader::decode(reinterpret_cast<const uint8_t*>(sector.constData()));
    if (!out.hasValidSignature()) {
        logError(QStringLiteral("Invalid GPT signature"));
        return false;
    }
    return true;
}

bool PartitionTable::readGptEntries(DiskIO& disk, QList<GptPartitionEntry>& out, uint32_t sectorSize)
{
    GptHeader header;
    if (!readGptHeader(disk, header, sectorSize))
        return false;
    std::string why;
    if (!header.checkEntryArray(sectorSize, 0, why)) {
        logError(QString::fromStdString(why));
        return false;
    }
    QByteArray array;
    if (!DiskAccess::read(disk, header.partitionEntryLba * sectorSize, header.entryArrayBytes(), array))
        return false;
    out = GptCodec::parseEntries(array, header.numberOfEntries, header.sizeOfPartitionEntry);
    return true;
}

bool PartitionTable::writeGptHeader(DiskIO& disk, const GptHeader& header, uint64_t lba, uint32_t sectorSize)
{
    if (!isValidSectorSize(sectorSize))
        return false;
    return DiskAccess::write(disk, lba * sectorSize, GptCodec::headerSector(header, sectorSize));
}

bool PartitionTable::writeGptEntries(DiskIO& disk, const QList<GptPartitionEntry>& entries, uint64_t startLba,
                                     uint32_t sectorSize)
{
    if (!isValidSectorSize(sectorSize))
        return false;
    const uint32_t perSector = sectorSize / 128;
    const uint64_t sectors = (uint64_t(entries.size()) + perSector - 1) / perSector;
    QByteArray buffer = GptCodec::serializeEntries(entries, uint32_t(entries.size()));
    buffer.resize(qsizetype(sectors * sectorSize), '\0');
    return DiskAccess::write(disk, startLba * sectorSize, buffer);
}

bool PartitionTable::initializeGpt(DiskIO& disk, uint64_t diskSizeBytes, uint32_t sectorSize)
{
    Logger::instance().info(
        QStringLiteral("Initializing GPT on disk, size=%1, sector=%2").arg(diskSizeBytes).arg(sectorSize));
    if (!isValidSectorSize(sectorSize)) {
        logError(QStringLiteral("Invalid sector size %1").arg(sectorSize));
        return false;
    }
    const uint64_t totalSectors = diskSizeBytes / sectorSize;
    const uint32_t es = GptCodec::entrySectors(sectorSize);
    // MBR, two headers, two arrays and at least one usable sector.
    if (totalSectors < 2ull * es + 4) {
        logError(QStringLiteral("Disk too small for a GPT: %1 sectors of %2 bytes, at least %3 needed")
                     .arg(totalSectors).arg(sectorSize).arg(2ull * es + 4));
        return false;
    }

    const std::vector<uint8_t> mbr = MbrCodec::protectiveMbr(totalSectors, sectorSize);
    if (!DiskAccess::write(disk, 0, QByteArray(reinterpret_cast<const char*>(mbr.data()), qsizetype(mbr.size())))) {
        logError(QStringLiteral("Failed to write protective MBR"));
        return false;
    }
    const GptHeader primary = GptCodec::newHeader(totalSectors, sectorSize, QUuid::createUuid());
    const QList<GptPartitionEntry> entries(128);
    if (!writeGptHeader(disk, primary, 1, sectorSize)) {
        logError(QStringLiteral("Failed to write primary GPT header"));
        return false;
    }
    if (!writeGptEntries(disk, entries, 2, sectorSize)) {
        logError(QStringLiteral("Failed to write primary partition table"));
        return false;
    }
    const GptHeader backup = primary.makeBackup(totalSectors - 1, totalSectors - es - 1);
    if (!writeGptEntries(disk, entries, backup.partitionEntryLba, sectorSize)) {
        logError(QStringLiteral("Failed to write backup partition table"));
        return false;
    }
    if (!writeGptHeader(disk, backup, totalSectors - 1, sectorSize)) {
        logError(QStringLiteral("Failed to write backup GPT header"));
        return false;
    }
    Logger::instance().info(QStringLiteral("GPT initialized successfully"));
    return true;
}

bool PartitionTable::addGptPartition(DiskIO& disk, uint64_t firstLba, uint64_t lastLba, const QUuid& typeGuid,
                                     const QString& name, uint32_t sectorSize)
{
    Logger::instance().info(
        QStringLiteral("Adding GPT partition: start=%1, end=%2, name=%3").arg(firstLba).arg(lastLba).arg(name));
    GptHeader header;
    if (!readGptHeader(disk, header, sectorSize)) {
        logError(QStringLiteral("Failed to read GPT header"));
        return false;
    }
    QList<GptPartitionEntry> entries;
    if (!readGptEntries(disk, entries, sectorSize)) {
        logError(QStringLiteral("Failed to read partition entries"));
        return false;
    }
    if (firstLba > lastLba || firstLba < header.firstUsableLba || lastLba > header.lastUsableLba) {
        logError(QStringLiteral("Partition range is outside GPT usable bounds: %1-%2, usable=%3-%4")
                     .arg(firstLba).arg(lastLba).arg(header.firstUsableLba).arg(header.lastUsableLba));
        return false;
    }
    int freeIndex = -1;
    for (int i = 0; i < entries.size(); ++i) {
        const GptPartitionEntry& e = entries[i];
        if (!e.isUsed()) {
            if (freeIndex < 0)
                freeIndex = i;
            continue;
        }
        if (lastLba >= e.firstLba && firstLba <= e.lastLba) {
            logError(QStringLiteral("Requested partition overlaps existing GPT entry %1: %2-%3")
                         .arg(i).arg(e.firstLba).arg(e.lastLba));
            return false;
        }
    }
    if (entries.isEmpty() || freeIndex < 0) {
        logError(QStringLiteral("No free partition entry available"));
        return false;
    }
    // The backup goes where the primary says; it must not land on the usable area.
    const uint64_t arraySectors = header.entryArraySectors(sectorSize);
    const uint64_t backupLba = header.alternateLba;
    if (backupLba <= arraySectors || backupLba - arraySectors <= header.lastUsableLba) {
        logError(QStringLiteral("Backup GPT position invalid: header LBA %1, entry array of %2 sectors, last "
                                "usable LBA %3")
                     .arg(backupLba).arg(arraySectors).arg(header.lastUsableLba));
        return false;
    }

    GptPartitionEntry entry;
    GptCodec::setEntryTypeGuid(entry, typeGuid);
    GptCodec::setEntryUniqueGuid(entry, QUuid::createUuid());
    entry.firstLba = firstLba;
    entry.lastLba = lastLba;
    entry.attributes = 0;
    entry.setName(name.toStdU16String());
    entries[freeIndex] = entry;

    const QByteArray array = GptCodec::serializeEntries(entries, header.numberOfEntries);
    header.partitionEntryArrayCrc32 = Crc32::compute(array.constData(), size_t(array.size()));
    header.sealHeaderCrc();

    if (!writeGptHeader(disk, header, 1, sectorSize))
        return false;
    if (!writeGptEntries(disk, entries, header.partitionEntryLba, sectorSize))
        return false;
    const GptHeader backup = header.makeBackup(backupLba, backupLba - arraySectors);
    if (!writeGptEntries(disk, entries, backup.partitionEntryLba, sectorSize))
        return false;
    if (!writeGptHeader(disk, backup, backupLba, sectorSize))
        return false;
    Logger::instance().info(QStringLiteral("Added GPT partition entry %1").arg(freeIndex));
    return true;
}
