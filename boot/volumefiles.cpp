#include "boot/volumefiles.h"

#include "partition/regionloopdevice.h"
#include "platformtools/toolrunner.h"

#include <QFile>

namespace {
constexpr int OemNameOffset = 3;
constexpr int Fat32TypeOffset = 0x52;
constexpr int Fat16TypeOffset = 0x36;

QString output(const CommandResult& r)
{
    return ToolRunner::decode(r.standardOutput + r.standardError).trimmed();
}
bool succeeded(const CommandResult& r) { return r.finished && r.exitCode == 0; }
}

VolumeFiles::Kind VolumeFiles::probe(const QByteArray& bootSector)
{
    if (bootSector.size() < 512)
        return Kind::Unknown;
    if (bootSector.mid(OemNameOffset, 8) == QByteArrayLiteral("NTFS    "))
        return Kind::Ntfs;
    if (bootSector.mid(Fat32TypeOffset, 5) == QByteArrayLiteral("FAT32")
        || bootSector.mid(Fat16TypeOffset, 3) == QByteArrayLiteral("FAT"))
        return Kind::Fat;
    return Kind::Unknown;
}

VolumeFiles::VolumeFiles(const QString& backingPath, uint64_t offset, uint64_t size, uint32_t sectorSize)
    : m_backing(backingPath), m_offset(offset), m_size(size), m_sectorSize(sectorSize)
{
    QFile file(backingPath);
    if (file.open(QIODevice::ReadOnly) && file.seek(qint64(offset)))
        m_kind = probe(file.read(512));
}

bool VolumeFiles::fail(const QString& message)
{
    m_lastError = message;
    return false;
}

QString VolumeFiles::fatImage() const
{
    // mtools refuses images whose geometry it cannot check unless told not to.
    qputenv("MTOOLS_SKIP_CHECK", "1");
    return QStringLiteral("%1@@%2").arg(m_backing).arg(m_offset);
}

bool VolumeFiles::fetch(const QString& path, const QString& localFile)
{
    QFile::remove(localFile);
    if (m_kind == Kind::Fat) {
        const CommandResult r = ToolRunner::run(QStringLiteral("mcopy"),
                                                {QStringLiteral("-n"), QStringLiteral("-i"), fatImage(),
                                                 QStringLiteral("::/") + path, localFile}, ToolMs);
        return succeeded(r) && QFile::exists(localFile) ? true : fail(QStringLiteral("mcopy %1: %2").arg(path, output(r)));
    }
    if (m_kind != Kind::Ntfs)
        return fail(QStringLiteral("Neither FAT nor NTFS at offset %1").arg(m_offset));
    RegionLoopDevice loop;
    if (!loop.attach(m_backing, m_offset, m_size, m_sectorSize))
        return fail(loop.lastError());
    const CommandResult r = ToolRunner::run(QStringLiteral("ntfscat"), {loop.device(), path}, ToolMs);
    if (!succeeded(r))
        return fail(QStringLiteral("ntfscat %1: %2").arg(path, ToolRunner::decode(r.standardError).trimmed()));
    QFile out(localFile);
    if (!out.open(QIODevice::WriteOnly) || out.write(r.standardOutput) != r.standardOutput.size())
        return fail(QStringLiteral("Cannot write %1").arg(localFile));
    return true;
}

bool VolumeFiles::put(const QString& localFile, const QString& path)
{
    if (m_kind == Kind::Fat) {
        const CommandResult r = ToolRunner::run(QStringLiteral("mcopy"),
                                                {QStringLiteral("-o"), QStringLiteral("-i"), fatImage(), localFile,
                                                 QStringLiteral("::/") + path}, ToolMs);
        return succeeded(r) ? true : fail(QStringLiteral("mcopy to %1: %2").arg(path, output(r)));
    }
    if (m_kind != Kind::Ntfs)
        return fail(QStringLiteral("Neither FAT nor NTFS at offset %1").arg(m_offset));
    RegionLoopDevice loop;
    if (!loop.attach(m_backing, m_offset, m_size, m_sectorSize))
        return fail(loop.lastError());
    const CommandResult r = ToolRunner::run(QStringLiteral("ntfscp"),
                                            {QStringLiteral("-f"), loop.device(), localFile, path}, ToolMs);
    if (!succeeded(r))
        return fail(QStringLiteral("ntfscp to %1: %2").arg(path, output(r)));
    return loop.detach() ? true : fail(loop.lastError());
}
