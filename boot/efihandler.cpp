#include "boot/efihandler.h"

#include "boot/bootplatform.h"
#include "platformtools/diskpartscript.h"
#include "platformtools/toolrunner.h"
#include "core/logger.h"

EFIHandler::EFIHandler(QObject* parent) : QObject(parent) {}

bool EFIHandler::resolveMountPoint(const PartitionInfo& partition, QString& mountPoint)
{
    if (!partition.driveLetter.isEmpty()) {
        mountPoint = partition.driveLetter;
        return true;
    }
    const QString letter = BootPlatform::chooseFreeLetter(QLatin1Char('D'));
    if (letter.isEmpty()) {
        m_lastError = QStringLiteral("No available drive letter");
        return false;
    }
    mountPoint = letter + QLatin1Char(':');
    Logger::instance().info(QStringLiteral("Mounting EFI partition to %1").arg(mountPoint));
    return true;
}

bool EFIHandler::repairEfiBoot(int diskNumber, const PartitionInfo& partition, const QString& windowsDir)
{
    Logger& log = Logger::instance();
    log.info(QStringLiteral("Repairing EFI boot on disk %1, Windows path: %2").arg(diskNumber).arg(windowsDir));
    if (!partition.isEfi) {
        m_lastError = QStringLiteral("Not an EFI System Partition");
        return false;
    }
    if (partition.fileSystem != Tessarin::FileSystemType::FAT32) {
        m_lastError = QStringLiteral("EFI partition must be FAT32");
        return false;
    }
    if (partition.size < RecommendedEfiSize)
        log.warning(QStringLiteral("EFI partition is smaller than recommended (100MB)"));

    QString mountPoint;
    if (!resolveMountPoint(partition, mountPoint))
        return false;
    // An EFI partition normally has no letter; the chosen one is assigned for the check and
    // for bcdboot, and removed again, or both would look at an empty drive.
    const bool assigned = partition.driveLetter.isEmpty();
    if (assigned) {
        QString output;
        if (!ToolRunner::runDiskpartScript(
                DiskpartScript::assignEfiLetter(diskNumber, partition.partitionNumber, mountPoint), output)) {
            m_lastError = QStringLiteral("Failed to mount EFI partition: %1").arg(output);
            log.error(m_lastError);
            return false;
        }
    }
    const bool ok = repairMounted(mountPoint, windowsDir);
    if (assigned) {
        QString output;
        ToolRunner::runDiskpartScript(DiskpartScript::removeVolumeLetter(mountPoint), output);
    }
    return ok;
}

bool EFIHandler::repairMounted(const QString& mountPoint, const QString& windowsDir)
{
    Logger& log = Logger::instance();
    if (BootPlatform::exists(mountPoint + QStringLiteral("\\EFI\\Microsoft\\Boot\\bootmgfw.efi"))) {
        log.info(QStringLiteral("EFI boot repair completed"));
        return true;
    }
    log.warning(QStringLiteral("Windows EFI boot file not found, attempting repair"));
    const CommandResult r = ToolRunner::run(QStringLiteral("bcdboot"),
                                            {windowsDir, QStringLiteral("/s"), mountPoint, QStringLiteral("/f"),
                                             QStringLiteral("UEFI")},
                                            BcdbootFinishMs);
    const QString err = ToolRunner::decode(r.standardError);
    log.info(QStringLiteral("bcdboot output: %1").arg(ToolRunner::decode(r.standardOutput)));
    if (!err.isEmpty())
        log.warning(QStringLiteral("bcdboot stderr: %1").arg(err));
    // A tool that never started or never ended did not repair anything.
    if (r.finished && r.exitCode == 0) {
        log.info(QStringLiteral("EFI boot repair completed"));
        return true;
    }
    m_lastError = QStringLiteral("bcdboot failed: %1").arg(err);
    log.error(m_lastError);
    return false;
}

bool EFIHandler::updateBootEntry(int diskNumber, const PartitionInfo& partition)
{
    Q_UNUSED(diskNumber);
    Logger& log = Logger::instance();
    QString volume;
    if (!partition.driveLetter.isEmpty())
        volume = BootPlatform::volumeNameForMountPoint(partition.driveLetter + QStringLiteral("\\"));
    if (volume.isEmpty()) {
        log.warning(QStringLiteral("Could not get EFI partition volume GUID"));
        return true;
    }
    const QString store = partition.driveLetter + QStringLiteral("\\EFI\\Microsoft\\Boot\\BCD");
    const CommandResult r = ToolRunner::run(QStringLiteral("bcdedit"),
                                            {QStringLiteral("/store"), store, QStringLiteral("/set"), QStringLiteral("{bootmgr}"),
                                             QStringLiteral("device"), QStringLiteral("partition=") + partition.driveLetter},
                                            BcdeditFinishMs);
    if (!r.finished || r.exitCode != 0)
        log.warning(QStringLiteral("bcdedit update failed: %1").arg(ToolRunner::decode(r.standardError)));
    return true;
}
