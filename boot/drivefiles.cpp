#include "boot/drivefiles.h"

#include "boot/bootplatform.h"
#include "platform/platformtypes.h"

DriveFiles::DriveFiles(const QString& root, Kind kind) : m_root(root), m_kind(kind) {}

QString DriveFiles::join(const QString& root, const QString& path)
{
    const QChar separator = root.startsWith(QLatin1Char('/')) ? QLatin1Char('/') : QLatin1Char('\\');
    QString relative = path;
    relative.replace(QLatin1Char('/'), separator);
    while (relative.startsWith(separator))
        relative.remove(0, 1);
    return root.endsWith(separator) ? root + relative : root + separator + relative;
}

bool DriveFiles::fail(const QString& message, bool refusal)
{
    m_refused = refusal;
    m_lastError = message;
    return false;
}

bool DriveFiles::fetch(const QString& path, const QString& localFile)
{
    const QString full = join(m_root, path);
    if (!BootPlatform::exists(full))
        return fail(QStringLiteral("%1 does not exist").arg(full), false);
    if (!BootPlatform::copyFile(full, localFile, false))
        return fail(QStringLiteral("Cannot read %1: %2").arg(full, BootPlatform::lastErrorText()), true);
    m_refused = false;
    return true;
}

bool DriveFiles::put(const QString& localFile, const QString& path)
{
    const QString full = join(m_root, path);
    if (BootPlatform::exists(full))
        BootPlatform::setAttributesNormal(full);
    if (!BootPlatform::copyFile(localFile, full, false))
        return fail(QStringLiteral("Cannot write %1: %2").arg(full, BootPlatform::lastErrorText()), true);
    m_refused = false;
    return true;
}

bool DriveFiles::makeFolder(const QString& path)
{
    QString done;
    for (const QString& part : path.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        done = done.isEmpty() ? part : done + QLatin1Char('/') + part;
        const QString full = join(m_root, done);
        if (!BootPlatform::createDirectory(full) && BootPlatform::lastErrorCode() != PlatformError::AlreadyExists
            && !BootPlatform::exists(full))
            return fail(QStringLiteral("Cannot create %1: %2").arg(full, BootPlatform::lastErrorText()), true);
    }
    m_refused = false;
    return true;
}
