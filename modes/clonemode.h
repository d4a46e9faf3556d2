#pragma once
#include "core/cloneconfig.h"
#include "core/clonepreflight.h"
#include "core/copypipeline.h"
#include "boot/bootabilitycheck.h"
#include "core/diskinfo.h"
#include "modes/cloneplan.h"
#include "modes/sourcetable.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <atomic>
#include <vector>
#include <cstdint>

class CloneResume;
class DiskIO;
class PartitionResizer;

// Base of the clone strategies. The worker creates one per run, configures it, hands it the shared
// DiskIO and drives it through makePlan, prepare, execute and repairBoot.
class CloneMode : public QObject {
    Q_OBJECT
public:
    enum class CopyMethod { Pipeline };

    explicit CloneMode(QObject* parent = nullptr);
    ~CloneMode() override;

    virtual QString name() const = 0;
    virtual int type() const = 0;
    virtual QString description() const = 0;
    // The strategy's own checks of the request, on the records alone.
    virtual bool validate(QString& error) = 0;
    // The request checked (its records, the preflight's checks, the strategy's own) and the plan
    // worked out, reading only the source; once per run, so the refusal, the dry run, the
    // confirmation and the run share one result. Needs the DiskIO.
    bool makePlan(QString& error);
    bool isPlanned() const { return m_planned; }
    const ClonePlan& plan() const { return m_plan; }
    // Cleans and opens the target along the plan: the first writes.
    virtual bool prepare() = 0;
    virtual bool execute() = 0;
    virtual bool repairBoot() = 0;
    // After execute(): the parts of the smart-copied partitions that the copy did not write are
    // discarded on the target, unless the request says otherwise. A target that cannot, or a
    // discard that fails, leaves the copy as it is: only the log says so.
    void discardUnwritten();
    // The offline check of the finished copy, read from the target disk once the DiskIO is closed:
    // the whole disk's bootability, unless the strategy copies less than a disk.
    virtual std::vector<BootabilityCheck::Finding> checkCopy() const;
    virtual void setConfig(const CloneConfig& config);

    // What the run reads and what it may write, for the checks made before its first write.
    virtual ClonePreflight::Side sourceSide() const;
    virtual ClonePreflight::Side targetSide() const;
    // False until the strategy starts changing the target: a failure before that is a refusal.
    bool targetTouched() const { return m_targetTouched; }

    // Only the system clone uses these; the worker calls them before setConfig.
    virtual void setResizeMode(Tessarin::ResizeMode mode);
    virtual void setDataPartitionLabel(const QString& label);

    void setDiskIO(DiskIO* diskIO) { m_diskIO = diskIO; }
    // The journal of the run: a resumed run skips the ranges it lists. Null for none.
    void setResume(const CloneResume* resume) { m_resume = resume; }
    // A resumed run keeps what is on the target: no clean.
    bool resuming() const;
    DiskIO* diskIO() const { return m_diskIO; }

    void setSmartClone(bool on) { m_smartClone = on; }
    bool smartClone() const { return m_smartClone; }
    void setAlign4K(bool on) { m_align4K = on; }
    bool align4K() const { return m_align4K; }
    void setSectorBySector(bool on) { m_sectorBySector = on; }
    bool sectorBySector() const { return m_sectorBySector; }
    void setCopyMethod(CopyMethod method) { m_copyMethod = method; }
    CopyMethod copyMethod() const { return m_copyMethod; }

    const CloneConfig& config() const { return m_config; }
    const DiskInfo& sourceDisk() const { return m_sourceDisk; }
    const DiskInfo& targetDisk() const { return m_targetDisk; }
    uint64_t totalBytes() const { return m_totalBytes; }
    uint64_t bytesCopied() const { return m_bytesCopied; }

    // Safe from any thread: only sets a flag that the strategy tests between steps and chunks.
    void cancel();
    bool isCancelled() const { return m_cancelled.load(); }
    QString lastError() const { return m_lastError; }
    // Things that made the copy less than asked for (a full copy instead of a smart one, a data
    // partition not made): the run still finishes, but never as a plain success.
    QStringList warnings() const { return m_warnings; }
    // Steps of the request that did not run because they had nothing to do or no room (a boot
    // repair without Windows, a data partition without space); not faults, but the result names them.
    QStringList skipped() const { return m_skipped; }
    // Whether a boot repair changed the copy; false when it was skipped.
    bool bootRepaired() const { return m_bootRepaired; }

signals:
    void phaseChanged(const QString& phase);
    void progressChanged(uint64_t completed, uint64_t total);
    void speedChanged(uint64_t bytesPerSecond);
    void partitionChanged(int current, int total, const QString& name);

protected:
    // Fills m_plan; false with lastError when the run must be refused. The default plans nothing.
    virtual bool buildPlan() { return true; }
    // The source's mounted volumes read through one snapshot, live as accepted, or refused.
    bool chooseSourceReading(QString& error);
    // The source's table read through the run's source, its notes logged as warnings; false with
    // table.error() when it is damaged.
    bool loadSourceTable(SourceTable& table, uint32_t sectorSize);
    // For strategies' prepare(): the plan, made now when the caller did not make it first.
    bool ensurePlanned();
    // The boot repair of a disk or system clone, one driver for both: nothing without Windows on the
    // source, the offline edits of the copy's store and SYSTEM hive where the Windows boot tools are
    // missing (after prepareOfflineBoot), else repairBootOnline.
    bool repairCopyBoot(bool windows, const QStringList& services, bool resetOverrides);
    virtual bool prepareOfflineBoot() { return true; }
    virtual bool repairBootOnline() { return true; }
    // The plan's line on the free space a smart copy leaves: discarded or kept.
    void planDiscard();
    // The boot repair's line of the plan, shared by the disk and system clones.
    void planBootRepair(bool windows);
    // For strategies' prepare(): false with "DiskIO not initialized (call setDiskIO first)" when unset.
    bool requireDiskIO();
    // Stores `message` as lastError, logs it at error level and returns false.
    bool fail(const QString& message);
    // New disk GUID and partition GUIDs (GPT) or a new MBR signature for the copy, flushed: done right
    // after its table arrives, so a copy that stops halfway never carries the source's identity.
    bool giveCopyNewIdentity(PartitionResizer& resizer, bool gpt, uint32_t sectorSize);
    // Called right before the first write to the target (the clean).
    void beginTargetWrites() { m_targetTouched = true; }
    // Logs `message` as a warning and keeps it for the result.
    void addWarning(const QString& message);
    // Logs `step` and keeps it for the result's list of steps that did not run.
    void addSkipped(const QString& step);
    // Moves `extents` (`bytes` in all) through the DiskIO's one copy routine and relays its progress
    // on top of bytesCopied. False on a failure (lastError names `what`) or a cancellation.
    // A resumed run skips what its journal lists, unless `always` (the table region, whose identity
    // the run changes after copying it); with verification it compares the skipped ranges instead.
    bool copyExtents(const std::vector<CopyExtent>& extents, uint64_t bytes, const QString& what, bool always = false);

    CloneConfig m_config;
    ClonePlan m_plan;
    bool m_planned = false;
    DiskInfo m_sourceDisk;
    DiskInfo m_targetDisk;
    bool m_smartClone = true;
    bool m_align4K = true;
    bool m_sectorBySector = false;
    CopyMethod m_copyMethod = CopyMethod::Pipeline;
    std::atomic<bool> m_cancelled{false};
    QString m_lastError;
    QStringList m_warnings;
    QStringList m_skipped;
    bool m_bootRepaired = false;
    bool m_targetTouched = false;
    uint64_t m_totalBytes = 0;
    uint64_t m_bytesCopied = 0;
    DiskIO* m_diskIO = nullptr;
    const CloneResume* m_resume = nullptr;
};
