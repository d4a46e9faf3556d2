#pragma once
#include "boot/offlinebcdstore.h"
#include "boot/volumefileaccess.h"
#include "ondisk/gptpartitionentry.h"

#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>
#include <memory>

// Boot repair of a cloned Windows disk without bcdedit and reg: the clone's boot stores are
// pointed at the clone's own partitions and its SYSTEM hive gets the portable-boot edits, all
// through hive files taken off the target's volumes and put back. The volumes are read off the
// partitions, or through the drive letters the machine gave them.
class OfflineBootRepair {
public:
    enum class Result { Updated, NoStore, Failed };
    struct Volume {
        Volume() = default;
        Volume(uint64_t offset, uint64_t size, bool systemPartition, const QString& root = QString(),
               VolumeFileAccess::Kind kind = VolumeFileAccess::Kind::Unknown)
            : offset(offset), size(size), systemPartition(systemPartition), root(root), kind(kind)
        {
        }
        uint64_t offset = 0;
        uint64_t size = 0;
        bool systemPartition = false;  // GPT: the EFI system partition; MBR: the active one
        // Where the machine has the volume mounted ("S:" on Windows); empty: its files are read off
        // the partition itself. `kind` is its file system then.
        QString root;
        VolumeFileAccess::Kind kind = VolumeFileAccess::Kind::Unknown;
    };

    // Volumes of the target the machine has mounted, by the partition's byte offset on the disk.
    struct Mounted {
        QString root;
        VolumeFileAccess::Kind kind = VolumeFileAccess::Kind::Unknown;
    };
    using MountedVolumes = QMap<uint64_t, Mounted>;

    static const QString GptStorePath;
    static const QString MbrStorePath;
    static const QString SystemHivePath;
    static const QString BootManagerPath;
    static const QString FallbackFolder;
    static const QString FallbackLoaderPath;

    // Same-index partitions of two GPT tables, in use on both sides.
    static OfflineBcdStore::IdentityMap gptMap(const std::array<uint8_t, 16>& sourceDisk,
                                               const std::vector<GptPartitionEntry>& source,
                                               const std::array<uint8_t, 16>& targetDisk,
                                               const std::vector<GptPartitionEntry>& target);
    // Partition byte offsets on source and target, pairwise.
    static OfflineBcdStore::IdentityMap mbrMap(uint32_t sourceSignature, uint32_t targetSignature,
                                               const std::vector<std::pair<uint64_t, uint64_t>>& offsets);

    OfflineBootRepair(const QString& diskPath, uint32_t sectorSize);

    // The whole repair of a clone: both tables read (read-only) from disks `source` and `target`,
    // their partitions paired by table index (a clone keeps the entries' order, whether or not it
    // moved them), then run() on the target. `migration`: the system clone's store settings.
    // With `mounted`, only those volumes are edited, through their roots.
    static Result repairClone(int source, int target, const QStringList& services, bool resetOverrides,
                              bool migration, QStringList& changes, QString& error,
                              const MountedVolumes& mounted = MountedVolumes());
    // repairClone with every change logged; true when the store was updated or there was none.
    static bool repairCloneLogged(int source, int target, const QStringList& services, bool resetOverrides,
                                  bool migration, QString& error, const MountedVolumes& mounted = MountedVolumes());

    // Device elements remapped and the portable settings made in every store found, the fallback
    // loader put on a GPT disk's EFI system partition, the SYSTEM hive edited (with or without a
    // store); NoStore when no store was found.
    Result run(const QList<Volume>& volumes, bool gpt, const OfflineBcdStore::IdentityMap& map,
               const QStringList& services, bool resetOverrides, bool migration);
    // What was changed, one line each: store path and element with old -> new identity or the
    // setting made, the fallback loader, the hive.
    QStringList changes() const { return m_changes; }
    QString lastError() const { return m_lastError; }

private:
    // A file taken off the target and edited, waiting to be written back.
    struct Edited {
        enum class Kind { Store, Hive, Loader };
        Kind kind;
        Volume volume;
        QString local;
        QString path;
        QString where;
        QStringList changes;
    };

    Result fail(const QString& message);
    std::unique_ptr<VolumeFileAccess> filesOf(const Volume& volume) const;
    QString placeOf(const Volume& volume, const QString& path) const;
    bool planFallbackLoader(const Volume& volume, const QString& folder, QList<Edited>& edited);
    bool editSystemHive(const QList<Volume>& volumes, const QString& folder, const QStringList& services,
                        bool resetOverrides, QList<Edited>& edited);

    QString m_disk;
    uint32_t m_sectorSize;
    QStringList m_changes;
    QString m_lastError;
};
