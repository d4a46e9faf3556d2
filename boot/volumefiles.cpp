#include "boot/volumefiles.h"

#include "ondisk/bootsectorfields.h"
#include "ondisk/byteorder.h"
#include "ondisk/fat32bootsector.h"
#include "ondisk/ntfsbootsector.h"
#include "partition/regionloopdevice.h"
#include "platformtools/toolrunner.h"

#include <QFile>

namespace {
using F = BootSectorFields;

QString output(const CommandResult& r)
{
    return ToolRunner::decode(r.standardOutput + r.standardError).trimmed();
}
bool succeeded(const CommandResult& r) { return r.finished && r.exitCode == 0; }

// In-volume paths always start with "/", so none can pass for an option of the NTFS tools,
// which know no "--".
QString rooted(const QString& path) { return path.startsWith(QLatin1Char('/')) ? path : QLatin1Char('/') + path; }
}

VolumeFiles::Kind VolumeFiles::probe(const QByteArray& bootSector)
{
    if (bootSector.size() < qsizetype(F::SectorBytes))
        return Kind::Unknown;
    if (bootSector.mid(F::OffOemId, F::OemIdLength) == QByteArray(F::NtfsOemId))
        return Kind::Ntfs;
    if (bootSector.mid(F::OffFat32FsType, 5) == QByteArrayLiteral("FAT32")
        || bootSector.mid(F::OffFat16FsType, 3) == QByteArrayLiteral("FAT"))
        return Kind::Fat;
    return Kind::Unknown;
}

QString VolumeFiles::misfit(Kind kind, const QByteArray& bootSector, uint64_t partitionBytes)
{
    if (bootSector.size() < qsizetype(F::SectorBytes))
        return QStringLiteral("its boot sector cannot be read");
    const auto* data = reinterpret_cast<const uint8_t*>(bootSector.constData());
    const size_t size = size_t(bootSector.size());
    uint64_t claimed = 0;
    if (kind == Kind::Ntfs) {
        NtfsBootSector ntfs;
        if (NtfsBootSector::decode(data, size, 0, ntfs) != NtfsBootSector::Status::Ok)
            return QStringLiteral("its NTFS boot sector is damaged");
        claimed = ntfs.volumeSize;
    } else if (kind == Kind::Fat) {
        Fat32BootSector fat;
        if (Fat32BootSector::decode(data, size, 0, fat) == Fat32BootSector::Status::Ok) {
            claimed = fat.volumeSize;
        } else {
            // FAT12/16: the shared fields only.
            const uint64_t bytesPerSector = ByteOrder::get16(data + F::OffBytesPerSector);
            uint64_t sectors = ByteOrder::get16(data + F::OffTotalSectors16);
            if (sectors == 0)
                sectors = ByteOrder::get32(data + F::OffTotalSectors32);
            if (bytesPerSector < 512 || bytesPerSector > 4096 || sectors == 0)
                return QStringLiteral("its FAT boot sector is damaged");
            claimed = sectors * bytesPerSector;
        }
    } else {
        return QStringLiteral("it holds neither FAT nor NTFS");
    }
    if (claimed > partitionBytes)
        return QStringLiteral("its volume (%1 bytes) is larger than its partition (%2 bytes)").arg(claimed).arg(partitionBytes);
    return {};
}

VolumeFiles::VolumeFiles(const QString& backingPath, uint64_t offset, uint64_t size, uint32_t sectorSize)
    : m_backing(backingPath), m_offset(offset), m_size(size), m_sectorSize(sectorSize)
{
    if (size < F::SectorBytes)
        return;
    QFile file(backingPath);
    if (!file.open(QIODevice::ReadOnly) || !file.seek(qint64(offset)))
        return;
    const QByteArray boot = file.read(F::SectorBytes);
    m_kind = probe(boot);
    if (m_kind != Kind::Unknown)
        m_misfit = misfit(m_kind, boot, size);
}

bool VolumeFiles::fail(const QString& message)
{
    m_lastError = message;
    return false;
}

bool VolumeFiles::refuse(const QString& message)
{
    m_refused = true;
    return fail(message);
}

bool VolumeFiles::usable()
{
    m_refused = false;
    if (m_kind == Kind::Unknown)
        return fail(QStringLiteral("Neither FAT nor NTFS at offset %1").arg(m_offset));
    if (!m_misfit.isEmpty())
        return refuse(QStringLiteral("The partition at offset %1 of %2 is left alone: %3").arg(m_offset).arg(m_backing, m_misfit));
    // mtools refuses devices whose geometry it cannot check unless told not to.
    qputenv("MTOOLS_SKIP_CHECK", "1");
    return true;
}

bool VolumeFiles::fetch(const QString& path, const QString& localFile)
{
    QFile::remove(localFile);
    if (!usable())
        return false;
    RegionLoopDevice loop;
    if (!loop.attach(m_backing, m_offset, m_size, m_sectorSize, RegionLoopDevice::Access::ReadOnly))
        return refuse(loop.lastError());
    const bool fat = m_kind == Kind::Fat;
    const QString program = fat ? QStringLiteral("mtype") : QStringLiteral("ntfscat");
    // The loop device is read-only, so ntfscat may read a volume due for a check (one ntfsresize grew).
    const QStringList args = fat ? QStringList{QStringLiteral("-i"), loop.device(), QStringLiteral("--"), QStringLiteral("::") + rooted(path)}
                                 : QStringList{QStringLiteral("-f"), loop.device(), rooted(path)};
    const CommandResult r = ToolRunner::runToFile(program, args, ToolMs, localFile, MaxFileBytes);
    if (r.outputCut) {
        QFile::remove(localFile);
        return refuse(QStringLiteral("%1 on the partition at offset %2 is larger than %3 MiB; refused")
                          .arg(path)
                          .arg(m_offset)
                          .arg(MaxFileBytes >> 20));
    }
    if (!r.started || r.timedOut) {
        QFile::remove(localFile);
        return refuse(QStringLiteral("%1 %2: %3").arg(program, path,
                                                      r.started ? QStringLiteral("did not finish in time") : QStringLiteral("could not be started")));
    }
    if (!succeeded(r)) {
        QFile::remove(localFile);
        return fail(QStringLiteral("%1 %2: %3").arg(program, path, ToolRunner::decode(r.standardError).trimmed()));
    }
    return true;
}

bool VolumeFiles::put(const QString& localFile, const QString& path)
{
    if (!usable())
        return false;
    if (!localFile.startsWith(QLatin1Char('/')))
        return refuse(QStringLiteral("Not an absolute path: %1").arg(localFile));
    RegionLoopDevice loop;
    if (!loop.attach(m_backing, m_offset, m_size, m_sectorSize, RegionLoopDevice::Access::ReadWrite))
        return refuse(loop.lastError());
    const bool fat = m_kind == Kind::Fat;
    const QString program = fat ? QStringLiteral("mcopy") : QStringLiteral("ntfscp");
    const QStringList args = fat ? QStringList{QStringLiteral("-o"), QStringLiteral("-i"), loop.device(), QStringLiteral("--"), localFile,
                                               QStringLiteral("::") + rooted(path)}
                                 : QStringList{QStringLiteral("-f"), loop.device(), localFile, rooted(path)};
    const CommandResult r = ToolRunner::run(program, args, ToolMs);
    if (!succeeded(r))
        return refuse(QStringLiteral("%1 to %2: %3").arg(program, path, output(r)));
    return loop.detach() ? true : refuse(loop.lastError());
}

bool VolumeFiles::makeFolder(const QString& path)
{
    if (!usable())
        return false;
    if (m_kind != Kind::Fat)
        return refuse(QStringLiteral("Cannot create %1: folders are made on FAT volumes only").arg(path));
    RegionLoopDevice loop;
    if (!loop.attach(m_backing, m_offset, m_size, m_sectorSize, RegionLoopDevice::Access::ReadWrite))
        return refuse(loop.lastError());
    QString folder;
    for (const QString& part : path.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        folder += QLatin1Char('/') + part;
        const QString target = QStringLiteral("::") + folder;
        // mmd fails on a folder that is there, whatever its clash option says.
        if (succeeded(ToolRunner::run(QStringLiteral("mdir"), {QStringLiteral("-b"), QStringLiteral("-i"), loop.device(), QStringLiteral("--"), target}, ToolMs)))
            continue;
        const CommandResult r = ToolRunner::run(QStringLiteral("mmd"), {QStringLiteral("-i"), loop.device(), QStringLiteral("--"), target}, ToolMs);
        if (!succeeded(r))
            return refuse(QStringLiteral("mmd %1: %2").arg(folder, output(r)));
    }
    return loop.detach() ? true : refuse(loop.lastError());
}
