#include "modes/volumebootsector.h"
#include "core/diskio.h"
#include "core/logger.h"
#include "modes/bootsectorpatch.h"
#include "ondisk/mbrcodec.h"

#include <QByteArray>
#include <algorithm>
#include <vector>

VolumeBootSector::Outcome VolumeBootSector::place(DiskIO& disk, uint64_t volumeOffset, uint64_t volumeBytes,
                                                  QString& error)
{
    Logger& log = Logger::instance();
    const auto failed = [&error](const QString& why) {
        error = why;
        return Outcome::Failed;
    };
    // Whole target sectors around the 512 bytes of the boot sector.
    const uint32_t unit = std::max<uint32_t>(disk.targetLogicalSector(), MbrCodec::SectorBytes);
    std::vector<uint8_t> sector(unit);
    if (!disk.readTargetBytes(volumeOffset, unit, sector.data()))
        return failed(disk.lastError());
    BootSectorPatch::Result r;
    if (!BootSectorPatch::apply(sector.data(), volumeOffset, volumeBytes, r))
        return failed(QString::fromStdString(r.error));
    if (r.kind == BootSectorPatch::Kind::Unknown) {
        log.warning(QStringLiteral("Unknown filesystem signature: %1")
                        .arg(QString::fromLatin1(QByteArray(reinterpret_cast<const char*>(sector.data()), 8).toHex(' '))));
        return Outcome::UnknownFileSystem;
    }
    log.info(QStringLiteral("Fixed hidden sectors: %1 -> %2, total sectors: %3 -> %4")
                 .arg(r.oldHidden).arg(r.newHidden).arg(r.oldTotal).arg(r.newTotal));
    if (!disk.writeTargetBytes(volumeOffset, unit, sector.data()))
        return failed(disk.lastError());
    if (r.backupOffset == 0)
        return Outcome::Updated;
    const uint64_t at = volumeOffset + r.backupOffset;
    const uint64_t base = at / unit * unit;
    std::vector<uint8_t> backup(unit);
    if (!disk.readTargetBytes(base, unit, backup.data()))
        return failed(disk.lastError());
    if (!BootSectorPatch::refreshBackup(r.kind, sector.data(), backup.data() + (at - base))) {
        log.warning(QStringLiteral("No backup boot sector at offset %1 of the copy; left alone").arg(r.backupOffset));
        return Outcome::Updated;
    }
    if (!disk.writeTargetBytes(base, unit, backup.data()))
        return failed(disk.lastError());
    log.info(QStringLiteral("Backup boot sector updated"));
    return Outcome::Updated;
}
