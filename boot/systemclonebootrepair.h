#pragma once
#include "boot/offlinebootrepair.h"
#include "core/diskinfo.h"
#include "core/tessarin.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

class BCDEditor;
class DiskIO;
class OfflineRegistry;

// Boot repair of a system-clone target: rebuilds the boot files for hardware migration, or
// repairs the store through BCDEditor. The system-clone strategy owns one, hands it its
// partition list and reads back the EFI letter it must remove (mountedLetter). After a rebuild or a
// store repair the EFI partition stays mounted under efiLetterUsed() so the strategy can verify it;
// releaseMountedLetter (or the destructor, should the strategy not get there) takes the letter away.
// Phase texts are translated in the strategy's context, since they become its phaseChanged.
class SystemCloneBootRepair : public QObject {
    Q_OBJECT
public:
    static constexpr int ScriptMs = 30000;
    static constexpr int CmdMs = 10000;
    static constexpr int BcdbootMs = 60000;
    static constexpr int OptionMs = 10000;
    static constexpr uint64_t MinWindowsPartitionBytes = 8388608;  // 8 MiB

    SystemCloneBootRepair(BCDEditor* bcdEditor, DiskIO* diskIO, QObject* parent = nullptr);
    ~SystemCloneBootRepair() override;

    void setTargetDisk(const DiskInfo& disk) { m_targetDisk = disk; }
    void setSystemPartitions(const QList<PartitionInfo>& partitions) { m_systemPartitions = partitions; }
    void setTargetBootMode(Tessarin::TargetBootMode mode) { m_bootMode = mode; }
    // The disk the copy was made from: a copy whose boot files are in place has only their
    // references to it changed, offline; -1 leaves that out.
    void setSourceDiskNumber(int disk) { m_sourceDiskNumber = disk; }
    // Drive letters of the source's volumes: a repair that would go through one of them fails.
    void setSourceLetters(const QStringList& letters) { m_sourceLetters = letters; }

    bool rebuildBcdForMigration();
    bool repairBcd();
    bool verifyEfiContents(const QString& letter);
    bool checkWinRE(const QString& letter);
    void unmountPartition(int disk, int partition, const QString& letter);

    QString mountedLetter() const { return m_mountedLetter; }
    int mountedPartition() const { return m_mountedPartition; }
    void clearMountedLetter()
    {
        m_mountedLetter.clear();
        m_mountedPartition = -1;
    }
    // Removes the letter a rebuild left on the EFI partition; nothing when none is left.
    void releaseMountedLetter();
    // The EFI letter of the last rebuild or store repair, kept after the letter is removed; empty
    // before one mounted it.
    QString efiLetterUsed() const { return m_efiLetterUsed; }
    QString lastError() const { return m_lastError; }
    OfflineRegistry* offlineRegistry() const { return m_registry; }

signals:
    void phaseChanged(const QString& phase);

private:
    // The one repair of a copy that has its boot store (device elements re-pointed to the copy's
    // partitions, portable settings, SYSTEM hive) through the copy's volumes mounted under `roots`
    // (partition byte offset -> drive root); true when a store was found and updated. Nothing
    // needs bcdboot or bcdedit then.
    bool repairThroughLetters(const OfflineBootRepair::MountedVolumes& roots);
    static OfflineBootRepair::Mounted mountedAt(const QString& letter, VolumeFileAccess::Kind kind);

    BCDEditor* m_bcd;
    DiskIO* m_diskIO;
    OfflineRegistry* m_registry;
    DiskInfo m_targetDisk;
    QList<PartitionInfo> m_systemPartitions;
    QStringList m_sourceLetters;
    int m_sourceDiskNumber = -1;
    Tessarin::TargetBootMode m_bootMode = Tessarin::TargetBootMode::Uefi;
    QString m_mountedLetter;
    int m_mountedPartition = -1;  // set only when the letter is this class's to remove
    QString m_efiLetterUsed;
    QString m_lastError;
};
