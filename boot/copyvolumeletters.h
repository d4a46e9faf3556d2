#pragma once
#include "boot/offlinebootrepair.h"
#include "core/partitioninfo.h"

#include <QList>
#include <QPair>
#include <QString>

// The copy's volumes reached through drive letters, for the offline boot repair where no loop
// device reaches a partition (Windows): the letters the machine gave them, and a free letter
// through diskpart for a volume that has none (an EFI or System Reserved partition). The letters
// given here are taken away again when the object goes.
class CopyVolumeLetters {
public:
    static constexpr int ScriptMs = 30000;
    static constexpr int MountWaitTries = 10;
    static constexpr int MountWaitMs = 500;

    explicit CopyVolumeLetters(int diskNumber);
    ~CopyVolumeLetters();
    CopyVolumeLetters(const CopyVolumeLetters&) = delete;
    CopyVolumeLetters& operator=(const CopyVolumeLetters&) = delete;

    // Reads the copy back and mounts what has no letter; false with lastError when the copy
    // cannot be read back. A volume that does not appear under its new letter is left out.
    bool mount();
    // The reachable volumes by partition byte offset.
    const OfflineBootRepair::MountedVolumes& roots() const { return m_roots; }
    QString lastError() const { return m_lastError; }
    void release();

    // How the repair reads a partition's files; Unknown for one it does not read.
    static VolumeFileAccess::Kind kindOf(const PartitionInfo& partition);

private:
    int m_disk;
    OfflineBootRepair::MountedVolumes m_roots;
    QList<QPair<int, QString>> m_assigned;  // partition number, letter
    QString m_lastError;
};
