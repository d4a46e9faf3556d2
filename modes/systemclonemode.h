#pragma once
#include "modes/clonemode.h"
#include "modes/copyplan.h"
#include "modes/systemclonelayout.h"

#include <QList>
#include <QString>
#include <vector>

class BCDEditor;
class BootManager;
class PartitionResizer;
class SystemCloneBootRepair;
class SystemCloneTarget;

// Moves the Windows installation to another disk: only the partitions that boot, recover and hold
// Windows, closed up behind large gaps, the tables cut down to them and fitted to the target, the
// remaining space used as asked, then the boot configuration rebuilt. Everything that can be
// refused is checked before the target is cleaned.
class SystemCloneMode : public CloneMode {
    Q_OBJECT
public:
    using ResizeMode = Tessarin::ResizeMode;

    explicit SystemCloneMode(QObject* parent = nullptr);
    ~SystemCloneMode() override;

    QString name() const override;
    int type() const override;
    QString description() const override;
    bool validate(QString& error) override;
    bool prepare() override;
    bool execute() override;
    bool repairBoot() override;
    void setResizeMode(Tessarin::ResizeMode mode) override { m_resizeMode = mode; }
    void setDataPartitionLabel(const QString& label) override { m_dataLabel = label; }

    QList<PartitionInfo> detectSystemPartitions() const;
    // Target positions once execute has moved them.
    const QList<PartitionInfo>& systemPartitions() const { return m_systemPartitions; }

protected:
    bool buildPlan() override;
    bool repairBootOnline() override;
    // Without bcdboot a legacy copy starts only from the partition the source starts from.
    bool prepareOfflineBoot() override;

private:
    bool checkSourceTable();
    bool planCopy();
    bool planPartition(const PartitionInfo& partition, uint64_t targetOffset, CopyPlan& plan, ClonePlan::Method& method);
    void planSpace();
    bool finishTables();
    bool fixMovedBootSectors();
    void useRemainingSpace();
    bool sourceHasWindows() const;
    // An MBR (BIOS) installation going to a UEFI target: a new GPT with its own EFI system partition.
    bool migrating() const;
    bool writeMigrationTable();
    bool repairMigrationOffline();

    BootManager* m_bootManager;
    BCDEditor* m_bcdEditor;
    PartitionResizer* m_resizer;
    SystemCloneBootRepair* m_bootRepair = nullptr;  // made with the DiskIO, which comes after construction
    ResizeMode m_resizeMode = ResizeMode::KeepAndCreateData;
    QString m_dataLabel = QStringLiteral("Data");
    QList<PartitionInfo> m_systemPartitions;
    QList<PartitionInfo> m_leftBehind;  // system partitions a migration does not copy
    std::vector<SystemCloneLayout::Placement> m_placements;
    uint32_t m_sectorSize = 512;
    bool m_sourceGpt = false;
    uint64_t m_targetUsableBytes = 0;
    uint64_t m_tableBytes = CopyPlan::TableRegionBytes;
    uint64_t m_sourceUsableEnd = UINT64_MAX;  // GPT: where the source's backup area begins
};
