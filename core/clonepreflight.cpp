#include "core/clonepreflight.h"

#include "core/clonerefusal.h"
#include "core/diskidentity.h"
#include "core/logger.h"
#include "core/rawdisk.h"
#include "platform/platform.h"

#include <QCoreApplication>
#include <algorithm>

namespace {
std::string native(const QString& path) { return path.toStdString(); }

// "disk 1 (/dev/sdb)": the number the user chose and the real place behind it.
QString shown(const ClonePreflight::Side& side)
{
    if (side.diskNumber < 0)
        return side.path;
    const QString real = QString::fromStdString(Platform::devices().diskRealPath(side.diskNumber));
    return real.isEmpty() ? ClonePreflight::tr("disk %1").arg(side.diskNumber)
                          : ClonePreflight::tr("disk %1 (%2)").arg(side.diskNumber).arg(real);
}
}

ClonePreflight::~ClonePreflight() { release(); }

ClonePreflight::Side ClonePreflight::wholeDisk(int diskNumber)
{
    Side side;
    if (diskNumber >= 0)
        side.path = RawDisk::physicalDrivePath(diskNumber);
    side.diskNumber = diskNumber;
    return side;
}

QString ClonePreflight::refusedText(const QString& reason) { return tr("%1; nothing was written").arg(reason); }

bool ClonePreflight::sharesStorage(const Side& a, const Side& b)
{
    // A side that names nothing cannot be told apart from the other: refused as the same.
    if (a.path.isEmpty() || b.path.isEmpty())
        return true;
    return QString::compare(a.path, b.path, Qt::CaseInsensitive) == 0
        || Platform::devices().sharesStorage(native(a.path), a.range, native(b.path), b.range);
}

// A volume on the target that will not lock is in use by someone; the lock is given back at once
// and nothing is dismounted, so nobody loses open files to a clone that may still be refused. Only
// the volumes in the range the run writes count, and a volume that cannot say where it lies is
// taken to be one of them.
QString ClonePreflight::busyVolume(const Side& target)
{
    if (target.diskNumber < 0)
        return {};
    QStringList volumes;
    QString unknown;
    if (!RawDisk::volumesOnDisk(target.diskNumber, target.range, volumes, unknown))
        return unknown;
    for (const QString& volume : volumes) {
        QString path = volume;
        if (path.endsWith(QLatin1Char('\\')))
            path.chop(1);
        VolumeHandlePtr h = Platform::devices().openVolume(native(path), DeviceAccess::ReadWrite, DeviceFlags::None);
        if (!h || !h->lockVolume())
            return QStringLiteral("the volume %1 is in use (%2)").arg(RawDisk::volumeLabel(volume), RawDisk::lastErrorText());
        h->unlockVolume();
    }
    return {};
}

bool ClonePreflight::check(const Side& source, const Side& target, QString& error)
{
    Logger& log = Logger::instance();
    QString why;
    const std::vector<int> system = Platform::devices().systemDiskNumbers();
    if (sharesStorage(source, target)) {
        log.error(QStringLiteral("Source and target share storage: %1 and %2").arg(shown(source), shown(target)));
        why = tr("The target %1 is the source %2 under another name, or shares storage with it").arg(shown(target), shown(source));
    } else if (target.diskNumber >= 0 && std::find(system.begin(), system.end(), target.diskNumber) != system.end()) {
        why = CloneRefusal::runningSystem(target.diskNumber);
    }
    // One open tells who the target is and whether it can be written: a read-only device or one
    // another program holds exclusively refuses here, not after the clean.
    DiskHandle writable;
    QString openError;
    if (why.isEmpty()) {
        writable = Platform::devices().openDevice(native(target.path), DeviceAccess::ReadWrite, DeviceFlags::None);
        if (!writable)
            openError = RawDisk::lastErrorText();
    }
    // Its own words already say that nothing was written.
    if (why.isEmpty() && target.diskNumber >= 0
        && !(writable ? DiskIdentity::verifyHandle(writable.get(), target.diskNumber, error)
                      : DiskIdentity::verifyExpected(target.diskNumber, error))) {
        log.error(QStringLiteral("Refused before writing: %1").arg(error));
        return false;
    }
    const bool canWrite = writable != nullptr;
    writable.reset();
    if (why.isEmpty()) {
        const std::string busy = Platform::devices().busyReason(native(target.path), target.range);
        if (!busy.empty())
            why = tr("The target %1 is in use: %2").arg(shown(target), QString::fromStdString(busy));
    }
    if (why.isEmpty() && !canWrite)
        why = tr("The target %1 cannot be opened for writing: %2").arg(shown(target), openError);
    if (why.isEmpty()) {
        const QString busy = busyVolume(target);
        if (!busy.isEmpty())
            why = tr("The target %1 is in use: %2; close the programs using it and try again").arg(shown(target), busy);
    }
    if (why.isEmpty())
        return true;
    error = refusedText(why);
    log.error(QStringLiteral("Refused before writing: %1").arg(why));
    return false;
}

bool ClonePreflight::begin(const Side& source, const Side& target, QString& error)
{
    return check(source, target, error) && claim(source, target, error);
}

bool ClonePreflight::claim(const Side& source, const Side& target, QString& error)
{
    release();
    PlatformDevices& platform = Platform::devices();
    m_source = platform.claimStorage(native(source.path), source.range, false);
    if (m_source)
        m_target = platform.claimStorage(native(target.path), target.writesTable ? ByteRange{} : target.range, true);
    if (m_source && m_target)
        return true;
    const QString why = QString::fromStdString(Platform::lastErrorText());
    release();
    Logger::instance().error(QStringLiteral("Refused before writing: %1").arg(why));
    error = refusedText(tr("Another clone run is using %1 or %2: %3").arg(shown(source), shown(target), why));
    return false;
}

void ClonePreflight::release()
{
    m_target.reset();
    m_source.reset();
}
