#pragma once
#include "boot/volumefileaccess.h"

// The files of a volume the machine has mounted, reached under its root ("S:" or "S:\" on
// Windows, a folder elsewhere) through the platform's file calls. The kind is what the caller
// knows of the volume; nothing here reads its boot sector.
class DriveFiles : public VolumeFileAccess {
public:
    DriveFiles(const QString& root, Kind kind);

    Kind kind() const override { return m_kind; }
    bool fetch(const QString& path, const QString& localFile) override;
    // Hidden, system and read-only attributes of the old file are cleared first: Windows does not
    // overwrite a file that has them.
    bool put(const QString& localFile, const QString& path) override;
    bool makeFolder(const QString& path) override;
    bool refused() const override { return m_refused; }
    QString lastError() const override { return m_lastError; }

    // `path` ("a/b") under `root`, with the root's separator.
    static QString join(const QString& root, const QString& path);

private:
    bool fail(const QString& message, bool refusal);

    QString m_root;
    Kind m_kind;
    bool m_refused = false;
    QString m_lastError;
};
