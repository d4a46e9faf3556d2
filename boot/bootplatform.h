#pragma once
#include <QString>
#include <QStringList>
#include <cstdint>

// Qt-side wrappers over the platform seam for the file, drive-letter and firmware calls of the
// boot repair (Windows paths in, UTF-8 across the seam).
class BootPlatform {
public:
    static constexpr uint32_t DriveNoRootDir = 1;

    static bool exists(const QString& path);
    static bool createDirectory(const QString& path);
    static bool copyFile(const QString& from, const QString& to, bool failIfExists);
    static bool deleteFile(const QString& path);
    static bool setAttributesNormal(const QString& path);
    static uint32_t lastErrorCode();
    static QString lastErrorText();

    // A letter whose root "%1:\" has no root directory is not in use.
    static bool isLetterFree(QChar letter);
    // First free letter from Z down to `lowest`, skipping `skip` (case-insensitive); empty if none.
    static QString chooseFreeLetter(QChar lowest, const QStringList& skip = {});

    // Volume name ("\\?\Volume{...}\") behind a mount point such as "S:\"; empty on failure.
    static QString volumeNameForMountPoint(const QString& mountPoint);

    // Polls `paths` until all exist, at most `tries` tests with `pauseMs` between them.
    static bool waitForPaths(const QStringList& paths, int tries, int pauseMs);
};
