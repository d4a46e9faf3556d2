#pragma once
#include "core/diskinfo.h"

#include <QList>
#include <QObject>
#include <QPair>
#include <QString>
#include <QStringList>

class BCDEditor;
class DiskIO;
class OfflineRegistry;

// Boot repair of a disk-clone target: finds the cloned EFI and Windows partitions, mounts them
// under temporary letters and makes the clone portable: a copy that has its boot store gets it
// edited in place (OfflineBootRepair through the letters), one without has its boot files rebuilt
// with bcdboot. The disk-clone
// strategy owns one and reads back the letter it must remove at the end (mountedLetter & co).
// Phase texts are translated in the strategy's context, since they become its phaseChanged.
class DiskCloneBootRepair : public QObject {
    Q_OBJECT
public:
    static constexpr uint64_t MinWindowsPartitionBytes = 8388608;  // 8 MiB
    static constexpr uint64_t MaxSmallEfiBytes = 536870912;        // 512 MiB
    static constexpr int DetectScriptMs = 60000;
    static constexpr int ProbeScriptMs = 30000;
    static constexpr int MountScriptMs = 60000;
    static constexpr int LegacyScriptMs = 30000;
    static constexpr int LegacyBcdeditMs = 30000;

    // `bcdEditor` and `diskIO` belong to the strategy and may be shared with it.
    DiskCloneBootRepair(BCDEditor* bcdEditor, DiskIO* diskIO, QObject* parent = nullptr);

    void setSourceDisk(const DiskInfo& disk) { m_sourceDisk = disk; }
    void setTargetDisk(const DiskInfo& disk) { m_targetDisk = disk; }

    PartitionInfo findSourceWindowsPartition() const;
    static bool looksLikeEfiPartition(const PartitionInfo& partition);
    static QString chooseFreeLetter(const QStringList& skip);
    // Drive root of a letter or path as the records hold it ("C", "C:", "C:\", "C:/").
    static QString driveRoot(const QString& letter);
    bool detectTargetBootPartitions(int disk, const QString& probeLetter, int& efiNumber, int& windowsNumber);
    bool configureUefiPortableBoot();
    bool configurePortableUsbBoot(const QString& windowsLetter);
    bool repairLegacyBcd();
    void unmountPartition(int disk, int partition, const QString& letter);

    QString mountedLetter() const { return m_mountedLetter; }
    int mountedDisk() const { return m_mountedDisk; }
    int mountedPartition() const { return m_mountedPartition; }
    void clearMounted();
    QString lastError() const { return m_lastError; }
    OfflineRegistry* offlineRegistry() const { return m_registry; }

signals:
    void phaseChanged(const QString& phase);

private:
    bool fail(const QString& message);
    // The one repair of a clone (device elements re-pointed to the copy's partitions, portable
    // settings, SYSTEM hive) through the copy's volumes mounted under `roots` (partition number ->
    // drive root); true when a store was found and updated. Nothing needs bcdedit or bcdboot then.
    bool repairThroughLetters(const QList<QPair<int, QString>>& roots);

    BCDEditor* m_bcd;
    DiskIO* m_diskIO;
    OfflineRegistry* m_registry;
    DiskInfo m_sourceDisk;
    DiskInfo m_targetDisk;
    QString m_mountedLetter;
    int m_mountedDisk = -1;
    int m_mountedPartition = -1;
    QString m_lastError;
};
