#include "partition/partitiontable.h"
#include "core/diskio.h"
#include "core/logger.h"
#include "ondisk/logicalsector.h"
#include "partition/gptcodec.h"
#include "partition/gptdisk.h"

#include <array>

namespace {
void logError(const QString& text) { Logger::instance().error(text); }
}

void PartitionTable::guidToGptBytes(const QUuid& guid, uint8_t* out16) { GptCodec::guidToGptBytes(guid, out16); }

bool PartitionTable::initializeGpt(DiskIO& disk, uint64_t diskSizeBytes, uint32_t sectorSize)
{
    Logger::instance().info(
        QStringLiteral("Initializing GPT on disk, size=%1, sector=%2").arg(diskSizeBytes).arg(sectorSize));
    if (!LogicalSector::isValid(sectorSize)) {
        logError(QStringLiteral("Invalid sector size %1").arg(sectorSize));
        return false;
    }
    std::array<uint8_t, 16> guid{};
    GptCodec::guidToGptBytes(QUuid::createUuid(), guid.data());
    GptDisk gpt;
    if (!gpt.create(sectorSize, diskSizeBytes / sectorSize, guid)) {
        logError(QString::fromStdString(gpt.lastError()));
        return false;
    }
    if (!gpt.commit(disk))
        return false;
    Logger::instance().info(QStringLiteral("GPT initialized successfully"));
    return true;
}

bool PartitionTable::addGptPartition(DiskIO& disk, uint64_t firstLba, uint64_t lastLba, const QUuid& typeGuid,
                                     const QString& name, uint32_t sectorSize)
{
    Logger::instance().info(
        QStringLiteral("Adding GPT partition: start=%1, end=%2, name=%3").arg(firstLba).arg(lastLba).arg(name));
    GptDisk gpt;
    if (!gpt.load(disk, sectorSize, 0)) {
        if (!gpt.hasSignature())
            logError(QStringLiteral("Invalid GPT signature"));
        logError(QStringLiteral("Failed to read GPT header"));
        return false;
    }
    const GptHeader& header = gpt.header();
    if (firstLba > lastLba || firstLba < header.firstUsableLba || lastLba > header.lastUsableLba) {
        logError(QStringLiteral("Partition range is outside GPT usable bounds: %1-%2, usable=%3-%4")
                     .arg(firstLba).arg(lastLba).arg(header.firstUsableLba).arg(header.lastUsableLba));
        return false;
    }
    const int overlap = gpt.findOverlap(firstLba, lastLba);
    if (overlap >= 0) {
        const GptPartitionEntry& e = gpt.entries()[size_t(overlap)];
        logError(QStringLiteral("Requested partition overlaps existing GPT entry %1: %2-%3")
                     .arg(overlap).arg(e.firstLba).arg(e.lastLba));
        return false;
    }
    const int freeIndex = gpt.firstFreeEntry();
    if (freeIndex < 0) {
        logError(QStringLiteral("No free partition entry available"));
        return false;
    }
    GptPartitionEntry entry;
    GptCodec::setEntryTypeGuid(entry, typeGuid);
    GptCodec::setEntryUniqueGuid(entry, QUuid::createUuid());
    entry.firstLba = firstLba;
    entry.lastLba = lastLba;
    entry.setName(name.toStdU16String());
    gpt.entries()[size_t(freeIndex)] = entry;
    if (!gpt.commit(disk))
        return false;
    Logger::instance().info(QStringLiteral("Added GPT partition entry %1").arg(freeIndex));
    return true;
}
