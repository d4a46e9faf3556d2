#pragma once
#include "modes/clonemode.h"
#include "core/copypipeline.h"
#include "modes/freeregion.h"

#include <QString>
#include <QUuid>
#include <vector>

// Copies one partition to another disk: into a named partition of the target, whose entry is
// reused and whose disk keeps its other partitions; into the target's largest free region with one
// new entry, keeping every other partition; or onto a cleaned target at 1 MiB with one new entry. The copy's boot sector is made to describe its new place. Everything that can refuse
// the copy is checked before the first write.
class PartitionCloneMode : public CloneMode {
    Q_OBJECT
public:
    // Where a copy into cleaned free space starts on a target of `targetSectorSize`-byte sectors.
    static uint64_t freeSpaceOffset(uint32_t targetSectorSize, bool align4K);
    explicit PartitionCloneMode(QObject* parent = nullptr);

    QString name() const override;
    int type() const override;
    QString description() const override;
    bool validate(QString& error) override;
    bool prepare() override;
    bool execute() override;
    bool repairBoot() override;
    // The target disk's table and the copied partition only: the disk as a whole need not start.
    std::vector<BootabilityCheck::Finding> checkCopy() const override;
    void setConfig(const CloneConfig& config) override;

    uint64_t targetOffset() const { return m_targetOffset; }
    uint64_t copySize() const { return m_copySize; }

    ClonePreflight::Side sourceSide() const override;
    ClonePreflight::Side targetSide() const override;

protected:
    bool buildPlan() override;

private:
    enum class Table { Gpt, Mbr };

    bool intoExisting() const { return m_targetPartition.isValid(); }
    bool intoFreeRegion() const { return m_freeRegion && !intoExisting(); }
    // The target's table stays and gains or changes one entry; only a whole-disk copy makes a new one.
    bool keepsTable() const { return intoExisting() || intoFreeRegion(); }
    // Empty when no volume of the target partition is mounted, else where it is.
    QString targetMountPoint() const;
    bool checkSource();
    bool locateTargetEntry();
    bool prepareFreeSpace();
    bool planFreeRegion();
    // The table on the disk must still leave the planned region free and have a free entry.
    bool checkFreeRegion();
    // The target bytes a copy into cleaned free space needs: up to its end and the backup GPT.
    uint64_t freeSpaceNeeded() const;
    void planCopy();
    bool checkBootSector();
    bool fixBootSector();
    bool writeGptEntry();
    bool writeMbrEntry();
    QUuid gptType() const;
    QString gptName() const;
    uint8_t mbrType() const;
    bool systemSource() const { return m_sourcePartition.isSystem || m_sourcePartition.isEfi; }
    uint64_t entrySectors() const { return (m_copySize + m_targetSectorSize - 1) / m_targetSectorSize; }

    PartitionInfo m_sourcePartition;
    PartitionInfo m_targetPartition;
    uint64_t m_sourceOffset = 0;
    uint64_t m_targetOffset = 0;
    uint64_t m_copySize = 0;
    uint32_t m_sourceSectorSize = 512;
    uint32_t m_targetSectorSize = 512;
    Table m_table = Table::Gpt;
    int m_entryIndex = -1;  // the reused GPT entry or MBR slot
    bool m_freeRegion = false;
};
