#pragma once
#include "core/cloneconfig.h"
#include "modes/cloneplan.h"
#include "modes/freeregion.h"

#include <QCoreApplication>
#include <QList>

// What the wizard has chosen so far, without any widget: the pages report choices here, the window
// asks whether a step may be left and, at the end, for the clone request.
class WizardState {
    Q_DECLARE_TR_FUNCTIONS(WizardState)
public:
    enum Step { SourceStep = 0, TargetStep = 1, OptionsStep = 2 };

    Tessarin::CloneModeType mode() const { return m_choices.mode; }
    // Selections stay: a disk chosen in one mode is still chosen when the user comes back to it.
    void setMode(Tessarin::CloneModeType mode) { m_choices.mode = mode; }
    bool isPartitionMode() const { return mode() == Tessarin::CloneModeType::PartitionClone; }
    bool isSystemMode() const { return mode() == Tessarin::CloneModeType::SystemClone; }

    const DiskInfo& sourceDisk() const { return m_choices.sourceDisk; }
    const PartitionInfo& sourcePartition() const { return m_choices.sourcePartition; }
    const DiskInfo& targetDisk() const { return m_choices.targetDisk; }
    // Partition clone: where on the target disk the copy goes, and the partition it overwrites.
    CloneConfig::PartitionTarget targetPlace() const { return m_choices.partitionTarget; }
    const PartitionInfo& targetPartition() const { return m_choices.targetPartition; }
    // The disk the source lives on in the current mode (-1 when nothing is chosen): never a target.
    int sourceDiskNumber() const;

    // Whether `disk` may be offered as a target next to the source on disk `sourceDisk`: never the
    // source's disk, never the disk of the running system.
    static bool offeredAsTarget(const DiskInfo& disk, int sourceDisk);
    // The free region of `disk` a copy of `source` may go into, as the clone itself finds it;
    // 0 bytes when the largest one is too small.
    static FreeRegion::Span offeredFreeRegion(const DiskInfo& disk, const PartitionInfo& source);
    // Whether `partition` may be overwritten by a copy of `source`: on another disk, at least as
    // large, and not mounted.
    static bool offeredAsTargetPartition(const PartitionInfo& partition, const PartitionInfo& source);

    // A new source makes the old target choice meaningless.
    void chooseSourceDisk(const DiskInfo& disk);
    void chooseSourcePartition(const PartitionInfo& partition);
    // A new target disk is taken whole until another place on it is chosen.
    void chooseTarget(const DiskInfo& disk);
    void chooseTargetPlace(CloneConfig::PartitionTarget place, const PartitionInfo& partition = PartitionInfo());
    void clearSelections();
    // Takes the fresh records of the chosen disks from a new enumeration and forgets the ones gone.
    void updateDisks(const QList<DiskInfo>& disks);

    const CloneConfig& choices() const { return m_choices; }
    void setCopyOptions(bool smartClone, bool align4K, bool sectorBySector);
    void setSafetyOptions(bool verify, bool continueOnReadErrors);
    // The user's answer for this start: read source volumes that cannot be snapshotted as they change.
    void setLiveSourceAccepted(bool on) { m_choices.allowLiveSource = on; }
    // Until the user picks one, the boot mode follows the source disk.
    void setTargetBootMode(Tessarin::TargetBootMode mode)
    {
        m_choices.targetBootMode = mode;
        m_bootModeChosen = true;
    }
    void setSpaceAllocation(Tessarin::ResizeMode mode, const QString& dataPartitionLabel);

    // Why the steps up to and including `step` cannot be left yet; empty when they can.
    QString check(int step) const;
    // The request for the engine: a new id, and only what the mode uses.
    CloneConfig config() const;
    // The question before the start: source and target, what is erased or overwritten and what
    // stays, then what `plan` copies where and does to the table, the space and the boot.
    QString confirmationText(const ClonePlan& plan = ClonePlan()) const;

private:
    QString checkTargetPlace() const;
    QString erasureText() const;
    static QString planText(const ClonePlan& plan);

    CloneConfig m_choices;
    bool m_bootModeChosen = false;
};
