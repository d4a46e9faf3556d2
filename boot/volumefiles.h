#pragma once
#include "boot/volumefileaccess.h"

#include <QByteArray>
#include <QString>
#include <cstdint>

// Reads and replaces single files on a FAT or NTFS partition of a disk or image without mounting
// it, always through a loop device over exactly the partition (read-only for reading): FAT with
// mtools, NTFS with ntfscat/ntfscp. A volume whose boot sector claims more room than its partition
// is refused, and so is a file larger than MaxFileBytes. Paths are relative to the volume root,
// with "/" between parts.
class VolumeFiles : public VolumeFileAccess {
public:
    static constexpr int ToolMs = 120000;
    // Hives and boot stores are a few MiB; more means a damaged or hostile volume.
    static constexpr qint64 MaxFileBytes = 256ll << 20;

    // The file system a partition's first sector announces.
    static Kind probe(const QByteArray& bootSector);
    // Why a volume of `kind` with this boot sector does not fit a partition of `partitionBytes`;
    // empty when it does.
    static QString misfit(Kind kind, const QByteArray& bootSector, uint64_t partitionBytes);

    VolumeFiles(const QString& backingPath, uint64_t offset, uint64_t size, uint32_t sectorSize);

    Kind kind() const override { return m_kind; }
    // Copies the file into `localFile`, streamed, never more than MaxFileBytes.
    bool fetch(const QString& path, const QString& localFile) override;
    // Overwrites an existing file with `localFile`.
    bool put(const QString& localFile, const QString& path) override;
    // Creates the folder and its missing parents; FAT only (the NTFS tools make no folders).
    bool makeFolder(const QString& path) override;
    // The last failure was a refusal or a tool that could not do its work, not a missing file.
    bool refused() const override { return m_refused; }
    QString lastError() const override { return m_lastError; }

private:
    bool fail(const QString& message);
    bool refuse(const QString& message);
    bool usable();

    QString m_backing;
    uint64_t m_offset;
    uint64_t m_size;
    uint32_t m_sectorSize;
    Kind m_kind = Kind::Unknown;
    QString m_misfit;
    bool m_refused = false;
    QString m_lastError;
};
