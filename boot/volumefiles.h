#pragma once
#include <QByteArray>
#include <QString>
#include <cstdint>

// Reads and replaces single files on a FAT or NTFS partition of a disk or image without mounting
// it: FAT through mtools at the partition's byte offset, NTFS through ntfscat/ntfscp on a loop
// device over the partition. Paths are relative to the volume root, with "/" between parts.
class VolumeFiles {
public:
    enum class Kind { Unknown, Fat, Ntfs };
    static constexpr int ToolMs = 120000;

    // The file system a partition's first sector announces.
    static Kind probe(const QByteArray& bootSector);

    VolumeFiles(const QString& backingPath, uint64_t offset, uint64_t size, uint32_t sectorSize);

    Kind kind() const { return m_kind; }
    bool fetch(const QString& path, const QString& localFile);
    // Overwrites an existing file with `localFile`.
    bool put(const QString& localFile, const QString& path);
    QString lastError() const { return m_lastError; }

private:
    bool fail(const QString& message);
    QString fatImage() const;

    QString m_backing;
    uint64_t m_offset;
    uint64_t m_size;
    uint32_t m_sectorSize;
    Kind m_kind = Kind::Unknown;
    QString m_lastError;
};
