#pragma once
#include "modes/clonemode.h"
#include "modes/copyplan.h"
#include "modes/sourcetable.h"

#include <QList>
#include <QString>

class BCDEditor;
class BootManager;
class DiskCloneBootRepair;
class GptDisk;
class PartitionResizer;

// Makes the target a copy of the whole source disk: every partition at its own place, the used
// clusters only where smart copy applies, then new disk identifiers, the GPT fitted to the target
// and the boot configuration of the copy repaired. Everything that can be refused is checked before
// the target is cleaned.
class DiskCloneMode : public CloneMode {
    Q_OBJECT
public:
    explicit DiskCloneMode(QObject* parent = nullptr);
    ~DiskCloneMode() override;

    QString name() const override;
    int type() const override;
    QString description() const override;
    bool validate(QString& error) override;
    bool prepare() override;
    bool execute() override;
    bool repairBoot() override;

    bool sourceHasWindows() const;

protected:
    bool buildPlan() override;
    bool repairBootOnline() override;

private:
    bool checkSourceTable();
    bool planCopy();
    bool planPartition(const PartitionInfo& partition, CopyPlan& plan, ClonePlan::Method& method);
    bool cleanTarget();
    bool finishGpt();
    void addExtendedBootRecords(CopyPlan& plan);

    BootManager* m_bootManager;
    BCDEditor* m_bcdEditor;
    PartitionResizer* m_resizer;
    DiskCloneBootRepair* m_bootRepair = nullptr;  // made with the DiskIO, which comes after construction
    uint32_t m_sectorSize = 512;
    bool m_sourceGpt = false;
    SourceTable::Kind m_sourceTable = SourceTable::Kind::None;
    uint64_t m_tableBytes = CopyPlan::TableRegionBytes;  // boot record and table, at least the first MiB
    uint64_t m_backupBytes = 0;
};
