#include "platformtools/diskpartscript.h"

#include "core/toolargumentrules.h"

#include <QRegularExpression>

namespace {
bool letterOk(const QString& letter) { return !DiskpartScript::normalizeLetter(letter).isEmpty(); }
QString L(const QString& letter) { return DiskpartScript::normalizeLetter(letter); }

}

QString DiskpartScript::normalizeLetter(const QString& letter)
{
    static const QRegularExpression form(QStringLiteral("^([A-Za-z])(:\\\\?)?$"));
    const QRegularExpressionMatch m = form.match(letter.trimmed());
    return m.hasMatch() ? m.captured(1).toUpper() : QString();
}

QString DiskpartScript::assignEfiLetter(int disk, int partition, const QString& letter)
{
    if (!letterOk(letter))
        return QString();
    return QStringLiteral("select disk %1\nselect partition %2\nassign letter=%3\n").arg(disk).arg(partition).arg(L(letter));
}

QString DiskpartScript::removeVolumeLetter(const QString& letter)
{
    if (!letterOk(letter))
        return QString();
    return QStringLiteral("select volume %1\nremove letter=%1\n").arg(L(letter));
}

QString DiskpartScript::probeAssign(int disk, int partition, const QString& letter)
{
    if (!letterOk(letter))
        return QString();
    return QStringLiteral("select disk %1\nselect partition %2\nassign letter=%3 noerr\n").arg(disk).arg(partition).arg(L(letter));
}

QString DiskpartScript::probeRemove(int disk, int partition, const QString& letter)
{
    if (!letterOk(letter))
        return QString();
    return QStringLiteral("select disk %1\nselect partition %2\nremove letter=%3 noerr\n").arg(disk).arg(partition).arg(L(letter));
}

QString DiskpartScript::mountEfiAndWindows(int disk, int efiPartition, const QString& efiLetter, int windowsPartition,
                                           const QString& windowsLetter)
{
    if (!letterOk(efiLetter) || !letterOk(windowsLetter))
        return QString();
    return QStringLiteral("rescan\nselect disk %1\nattributes disk clear readonly\nonline disk noerr\n"
                          "select partition %2\nassign letter=%3 noerr\nselect partition %4\nassign letter=%5 noerr\n")
        .arg(disk).arg(efiPartition).arg(L(efiLetter)).arg(windowsPartition).arg(L(windowsLetter));
}

QString DiskpartScript::assignSystemLetter(int disk, int partition, const QString& letter)
{
    return assignEfiLetter(disk, partition, letter);
}

QString DiskpartScript::unmount(int disk, int partition, const QString& letter)
{
    if (!letterOk(letter))
        return QString();
    return QStringLiteral("select disk %1\nselect partition %2\nremove letter=%3\n").arg(disk).arg(partition).arg(L(letter));
}

QString DiskpartScript::onlineDisk(int disk)
{
    return QStringLiteral("rescan\nselect disk %1\nattributes disk clear readonly noerr\nonline disk noerr\n").arg(disk);
}

QString DiskpartScript::mountPair(int disk, int efiPartition, const QString& efiLetter, int windowsPartition,
                                  const QString& windowsLetter)
{
    if (!letterOk(efiLetter) || !letterOk(windowsLetter))
        return QString();
    return QStringLiteral("select disk %1\nselect partition %2\nassign letter=%3\nselect partition %4\nassign letter=%5\n")
        .arg(disk).arg(efiPartition).arg(L(efiLetter)).arg(windowsPartition).arg(L(windowsLetter));
}

QString DiskpartScript::removePair(int disk, int efiPartition, const QString& efiLetter, int windowsPartition,
                                   const QString& windowsLetter)
{
    if (!letterOk(efiLetter) || !letterOk(windowsLetter))
        return QString();
    return QStringLiteral("select disk %1\nselect partition %2\nremove letter=%3\nselect partition %4\nremove letter=%5\n")
        .arg(disk).arg(efiPartition).arg(L(efiLetter)).arg(windowsPartition).arg(L(windowsLetter));
}

bool DiskpartScript::isSafeLabel(const QString& label) { return ToolArgumentRules::isSafe(label); }
