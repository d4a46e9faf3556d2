#include "modes/systemclonespace.h"

#include "core/diskio.h"
#include "core/logger.h"
#include "modes/datapartitionlabel.h"
#include "modes/systemclonetarget.h"
#include "partition/partitioningtool.h"
#include "partition/partitionresizer.h"

namespace {
Logger& log() { return Logger::instance(); }
} // namespace

bool SystemCloneSpace::createDataPartition(PartitionResizer& resizer, const QList<PartitionInfo>& system,
                                           uint64_t diskSize, const QString& label, bool align4K)
{
    // Refused before the table gains an entry that the format would then leave empty.
    const QString labelProblem = DataPartitionLabel::problem(label);
    if (!labelProblem.isEmpty()) {
        m_lastError = tr("No data partition was created: %1").arg(labelProblem);
        return false;
    }
    if (!resizer.createDataPartition(*m_target.disk, system, diskSize, m_target.sectorSize, label, align4K)) {
        m_lastError = tr("The data partition \"%1\" was not created: %2").arg(label, resizer.lastError());
        return false;
    }
    m_phase(tr("Formatting data partition..."));
    SystemCloneTarget target(*m_target.disk, m_target.diskNumber, m_target.sectorSize);
    const int disk = m_target.diskNumber;
    const bool ok = target.withTargetClosed([&](PartitioningTool& tool) {
        QList<PartitioningTool::Row> rows;
        if (!tool.listPartitions(disk, rows))
            return false;
        const int chosen = SystemCloneTarget::chooseDataRow(rows, system);
        if (chosen < 0) {
            log().error(QStringLiteral("Cannot identify a separate data partition safely; refusing to format"));
            return false;
        }
        log().info(QStringLiteral("Selected data partition for formatting: index=%1, offset=%2")
                       .arg(rows[chosen].number).arg(rows[chosen].offsetBytes));
        return tool.format(disk, rows[chosen].number, Tessarin::FileSystemType::NTFS, label);
    });
    if (!ok) {
        const QString why = target.lastError().isEmpty() ? tr("Cannot identify a separate data partition safely; refusing to format")
                                                         : target.lastError();
        m_lastError = tr("The data partition \"%1\" was created but not formatted (format it before use): %2").arg(label, why);
        return false;
    }
    log().info(QStringLiteral("Data partition formatted successfully"));
    return true;
}

bool SystemCloneSpace::expandSystem(QList<PartitionInfo>& system, const std::vector<SystemCloneLayout::Placement>& placements)
{
    const int index = SystemCloneLayout::growIndexOf(system);
    if (index < 0) {
        m_lastError = tr("The system partition was not expanded: no Windows volume is among the copied partitions");
        return false;
    }
    PartitionInfo& p = system[index];
    const SystemCloneLayout::Placement& at = placements[size_t(index)];
    const uint64_t size = SystemCloneLayout::grownSize(placements, index, m_target.sectorSize, m_target.usableBytes);
    if (size < p.size + SystemCloneLayout::SpaceMargin) {
        log().info(QStringLiteral("No room behind partition %1 to grow into").arg(p.displayName()));
        return true;
    }
    const QString name = p.displayName();
    m_phase(tr("Resizing partition %1: %2 -> %3 bytes").arg(name).arg(p.size).arg(size));
    SystemCloneTarget target(*m_target.disk, m_target.diskNumber, m_target.sectorSize);
    const uint64_t start = at.targetOffset / PartitionInfo::Unit;
    if (!target.resizeEntry(m_target.gpt, start, size / PartitionInfo::Unit) || !m_target.disk->flushTarget()) {
        const QString why = target.lastError().isEmpty() ? m_target.disk->lastError() : target.lastError();
        m_lastError = tr("The system partition %1 was not expanded: %2").arg(name, why);
        return false;
    }
    const uint64_t oldSize = p.size;
    p.size = size;
    p.count512 = size / PartitionInfo::Unit;
    // The table alone leaves the new space outside the volume; the file system has to grow into it.
    const int disk = m_target.diskNumber;
    const bool ok = target.withTargetClosed([&](PartitioningTool& tool) {
        QList<PartitioningTool::Row> rows;
        if (!tool.listPartitions(disk, rows))
            return false;
        const int row = SystemCloneTarget::rowAt(rows, start);
        return row >= 0 && tool.extendFileSystem(disk, rows[row].number);
    });
    if (!ok) {
        const QString why = target.lastError().isEmpty() ? QStringLiteral("the partition was not found on the target")
                                                         : target.lastError();
        m_lastError = tr("The system partition %1 was not expanded: its file system could not be grown: %2").arg(name, why);
        // A partition larger than its volume leaves the backup boot sector off the partition's end.
        if (target.resizeEntry(m_target.gpt, start, oldSize / PartitionInfo::Unit) && m_target.disk->flushTarget()) {
            p.size = oldSize;
            p.count512 = oldSize / PartitionInfo::Unit;
        } else {
            log().error(QStringLiteral("Partition %1 could not be given back its size: %2").arg(name, target.lastError()));
        }
        return false;
    }
    log().info(QStringLiteral("Partition %1 grown from %2 to %3 bytes with its file system").arg(name).arg(oldSize).arg(size));
    return true;
}
