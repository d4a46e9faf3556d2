#include "modes/uefimigrationtarget.h"
#include "core/tessarin.h"

#include "core/diskio.h"
#include "core/logger.h"
#include "modes/systemclonetarget.h"
#include "partition/gptcodec.h"
#include "partition/gptdisk.h"
#include "partition/partitioningtool.h"

#include <QUuid>

namespace {
const QString EspLabel = QStringLiteral("SYSTEM");
} // namespace

bool UefiMigrationTarget::fail(const QString& message)
{
    m_lastError = message;
    Logger::instance().error(message);
    return false;
}

bool UefiMigrationTarget::writeTable(const std::vector<UefiMigrationLayout::Entry>& entries, QList<PartitionInfo>& partitions)
{
    using Kind = UefiMigrationLayout::Kind;
    GptDisk gpt;
    if (!gpt.load(m_disk, m_sectorSize, 0) || !gpt.fitToDisk())
        return fail(QStringLiteral("The target's new GPT cannot be read: %1").arg(QString::fromStdString(gpt.lastError())));
    for (const GptPartitionEntry& e : gpt.entries())
        if (e.isUsed())
            return fail(QStringLiteral("The target's GPT is not empty after the clean"));
    if (entries.size() > gpt.entries().size())
        return fail(QStringLiteral("The GPT has room for %1 entries only").arg(gpt.entries().size()));
    for (size_t i = 0; i < entries.size(); ++i) {
        const UefiMigrationLayout::Entry& at = entries[i];
        if (at.offset % m_sectorSize != 0 || at.size % m_sectorSize != 0 || at.size == 0)
            return fail(QStringLiteral("A partition at byte %1 is no whole number of %2-byte sectors").arg(at.offset).arg(m_sectorSize));
        const uint64_t first = at.offset / m_sectorSize, last = first + at.size / m_sectorSize - 1;
        if (first < gpt.header().firstUsableLba || last > gpt.header().lastUsableLba)
            return fail(QStringLiteral("The partition at LBA %1-%2 lies outside the GPT's usable area %3-%4")
                            .arg(first).arg(last).arg(gpt.header().firstUsableLba).arg(gpt.header().lastUsableLba));
        QUuid type = GptCodec::basicDataType();
        QString name = QStringLiteral("Basic data partition");
        GptPartitionEntry entry;
        if (at.kind == Kind::Esp) {
            type = GptCodec::efiSystemType();
            name = QStringLiteral("EFI system partition");
        } else if (at.kind == Kind::Msr) {
            type = GptCodec::reservedType();
            name = QStringLiteral("Microsoft reserved partition");
        } else if (partitions.value(at.index).isRecovery) {
            type = QUuid(QLatin1StringView(Tessarin::RecoveryTypeText));
            name = QStringLiteral("Recovery");
            entry.attributes = UefiMigrationLayout::RecoveryAttributes;
        }
        GptCodec::setEntryTypeGuid(entry, type);
        GptCodec::setEntryUniqueGuid(entry, QUuid::createUuid());
        entry.firstLba = first;
        entry.lastLba = last;
        entry.setName(name.toStdU16String());
        gpt.entries()[i] = entry;
        // The records now describe the copy: the data partition must not take their numbers for its own.
        if (at.kind == Kind::Copy && at.index >= 0 && at.index < partitions.size()) {
            partitions[at.index].typeGuid = type.toString(QUuid::WithBraces).toUpper();
            partitions[at.index].partitionNumber = int(i) + 1;
        }
        Logger::instance().info(QStringLiteral("New GPT entry %1: %2 at LBA %3-%4").arg(i).arg(name).arg(first).arg(last));
    }
    if (!gpt.commit(m_disk))
        return fail(QStringLiteral("Failed to write the new GPT: %1").arg(QString::fromStdString(gpt.lastError())));
    return true;
}

bool UefiMigrationTarget::formatEsp()
{
    SystemCloneTarget target(m_disk, m_diskNumber, m_sectorSize);
    const int disk = m_diskNumber;
    const bool ok = target.withTargetClosed([disk](PartitioningTool& tool) {
        QList<PartitioningTool::Row> rows;
        if (!tool.listPartitions(disk, rows))
            return false;
        const int row = SystemCloneTarget::rowAt(rows, UefiMigrationLayout::EspOffset / PartitionInfo::Unit);
        return row >= 0 && tool.format(disk, rows[row].number, Tessarin::FileSystemType::FAT32, EspLabel);
    });
    if (!ok)
        return fail(QStringLiteral("The new EFI system partition could not be formatted: %1")
                        .arg(target.lastError().isEmpty() ? QStringLiteral("it is not in the target's partition list") : target.lastError()));
    Logger::instance().info(QStringLiteral("EFI system partition formatted with FAT32"));
    return true;
}
