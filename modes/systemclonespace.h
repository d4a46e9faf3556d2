#pragma once
#include "core/partitioninfo.h"
#include "modes/systemclonelayout.h"

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <functional>
#include <vector>

class DiskIO;
class PartitionResizer;

// The target's space behind the copied system partitions, after the copy: a new data partition in
// it, or the Windows volume grown into it. Its texts are the system clone's.
class SystemCloneSpace {
    Q_DECLARE_TR_FUNCTIONS(SystemCloneMode)
public:
    struct Target {
        DiskIO* disk = nullptr;
        int diskNumber = -1;
        uint32_t sectorSize = 512;
        bool gpt = false;
        uint64_t usableBytes = 0;  // where the last partition may end
    };
    using PhaseFn = std::function<void(const QString&)>;

    SystemCloneSpace(const Target& target, PhaseFn phase) : m_target(target), m_phase(std::move(phase)) {}

    bool createDataPartition(PartitionResizer& resizer, const QList<PartitionInfo>& system, uint64_t diskSize,
                             const QString& label, bool align4K);
    // Grows the Windows volume of `system` (placed at `placements`) up to the next partition or the
    // usable end; on success its record holds the new size. Nothing to grow into is not a failure.
    bool expandSystem(QList<PartitionInfo>& system, const std::vector<SystemCloneLayout::Placement>& placements);
    QString lastError() const { return m_lastError; }

private:
    Target m_target;
    PhaseFn m_phase;
    QString m_lastError;
};
