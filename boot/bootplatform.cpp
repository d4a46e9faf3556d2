#include "boot/bootplatform.h"

#include "core/commandrunner.h"
#include "platform/platform.h"

namespace {
std::string native(const QString& path) { return path.toStdString(); }
}

bool BootPlatform::exists(const QString& path)
{
    return !path.isEmpty() && Platform::files().fileExists(native(path));
}

bool BootPlatform::createDirectory(const QString& path)
{
    return Platform::files().createDirectory(native(path));
}

bool BootPlatform::copyFile(const QString& from, const QString& to, bool failIfExists)
{
    return Platform::files().copyFile(native(from), native(to), failIfExists);
}

bool BootPlatform::deleteFile(const QString& path)
{
    return Platform::files().deleteFile(native(path));
}

bool BootPlatform::setAttributesNormal(const QString& path)
{
    return Platform::files().setFileAttributesNormal(native(path));
}

uint32_t BootPlatform::lastErrorCode() { return Platform::lastErrorCode(); }

QString BootPlatform::lastErrorText() { return QString::fromStdString(Platform::lastErrorText()); }

bool BootPlatform::isLetterFree(QChar letter)
{
    const QString root = QString(letter.toUpper()) + QStringLiteral(":\\");
    return Platform::files().driveType(native(root)) == DriveNoRootDir;
}

QString BootPlatform::chooseFreeLetter(QChar lowest, const QStringList& skip)
{
    const QChar low = lowest.toUpper();
    for (char c = 'Z'; c >= 'A' && QChar(c) >= low; --c) {
        const QString letter(QChar::fromLatin1(c));
        bool skipped = false;
        for (const QString& s : skip) {
            if (s.startsWith(letter, Qt::CaseInsensitive)) {
                skipped = true;
                break;
            }
        }
        if (!skipped && isLetterFree(letter.at(0)))
            return letter;
    }
    return QString();
}

QString BootPlatform::volumeNameForMountPoint(const QString& mountPoint)
{
    return QString::fromStdString(Platform::volumes().volumeNameForMountPoint(native(mountPoint)));
}

bool BootPlatform::waitForPaths(const QStringList& paths, int tries, int pauseMs)
{
    for (int i = 0; i < tries; ++i) {
        bool all = true;
        for (const QString& p : paths)
            all = all && exists(p);
        if (all)
            return true;
        if (i + 1 < tries)
            CommandRunner::current().sleepMs(pauseMs);
    }
    return false;
}
