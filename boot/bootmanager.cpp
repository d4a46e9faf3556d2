#include "boot/bootmanager.h"

#include "boot/bcdeditor.h"
#include "boot/bootplatform.h"
#include "boot/efihandler.h"
#include "boot/mbrhandler.h"
#include "core/diskmanager.h"
#include "core/logger.h"
#include "platform/platform.h"

namespace {
constexpr uint32_t FirmwareBios = 1;
constexpr uint32_t FirmwareUefi = 2;
}

BootManager::BootManager(QObject* parent)
    : QObject(parent), m_mbr(new MBRHandler(this)), m_efi(new EFIHandler(this)), m_bcd(new BCDEditor(this))
{
}

bool BootManager::failWith(const QString& message)
{
    m_lastError = message;
    emit error(m_lastError);
    return false;
}

int BootManager::detectFirmwareType()
{
    PlatformFirmware& platform = Platform::firmware();
    uint32_t type = 0;
    if (platform.firmwareType(type)) {
        if (type == FirmwareBios)
            return LegacyBios;
        if (type == FirmwareUefi)
            return Uefi;
    }
    return platform.probeFirmwareEnvironment() == PlatformError::InvalidFunction ? LegacyBios : Uefi;
}

bool BootManager::readBack(int diskNumber, DiskInfo& disk)
{
    for (const DiskInfo& d : DiskManager::enumerateDisks())
        if (d.diskNumber == diskNumber) {
            disk = d;
            return true;
        }
    return false;
}

bool BootManager::fixBoot(const DiskInfo& given, int firmware)
{
    Logger::instance().info(QStringLiteral("Fixing boot for disk %1, boot type: %2")
                                .arg(given.diskNumber)
                                .arg(firmware == Uefi ? QStringLiteral("UEFI") : QStringLiteral("Legacy BIOS")));
    emit progressChanged(tr("Starting boot repair..."));
    DiskInfo disk;
    if (!readBack(given.diskNumber, disk))
        return failWith(tr("The target disk cannot be read back for the boot repair"));
    const bool uefi = firmware == Uefi
                      || (firmware != LegacyBios && disk.partitionStyle == Tessarin::PartitionStyle::GPT);
    if (!(uefi ? repairUefiBoot(disk) : repairMbrBoot(disk)))
        return false;
    emit progressChanged(tr("Updating BCD..."));
    updateBcd(disk, uefi);
    emit progressChanged(tr("Verifying boot configuration..."));
    return verifyBoot(disk);
}

bool BootManager::repairMbrBoot(const DiskInfo& disk)
{
    emit progressChanged(tr("Repairing MBR boot sector..."));
    if (!m_mbr->repairBootSector(disk.diskNumber))
        return failWith(m_mbr->lastError());
    emit progressChanged(tr("Updating partition boot flag..."));
    // The BIOS starts the partition holding the boot manager, which need not be Windows's own.
    int boot = PartitionInfo::legacyBootIndex(disk.partitions);
    for (int i = 0; boot < 0 && i < disk.partitions.size(); ++i)
        if (disk.partitions[i].isSystem)
            boot = i;
    if (boot >= 0 && !m_mbr->setActivePartition(disk.diskNumber, disk.partitions[boot].partitionNumber))
        return failWith(m_mbr->lastError());
    Logger::instance().info(QStringLiteral("MBR boot repair completed"));
    return true;
}

bool BootManager::repairUefiBoot(const DiskInfo& disk)
{
    Logger& log = Logger::instance();
    emit progressChanged(tr("Repairing UEFI boot..."));
    const PartitionInfo* efi = nullptr;
    QString windowsDir;
    for (const PartitionInfo& p : disk.partitions) {
        if (p.isEfi)
            efi = &p;
        if (!p.driveLetter.isEmpty() && BootPlatform::exists(p.driveLetter + QStringLiteral("\\Windows\\System32"))) {
            windowsDir = p.driveLetter + QStringLiteral("\\Windows");
            log.info(QStringLiteral("Found Windows at: %1").arg(windowsDir));
        }
    }
    if (!efi || efi->size == 0)
        return failWith(tr("EFI System Partition not found"));
    if (windowsDir.isEmpty()) {
        windowsDir = QStringLiteral("C:\\Windows");
        log.warning(QStringLiteral("Windows partition not found, using default C:\\Windows"));
    }
    if (!m_efi->repairEfiBoot(disk.diskNumber, *efi, windowsDir))
        return failWith(m_efi->lastError());
    emit progressChanged(tr("Updating UEFI boot entries..."));
    m_efi->updateBootEntry(disk.diskNumber, *efi);
    log.info(QStringLiteral("UEFI boot repair completed"));
    return true;
}

void BootManager::updateBcd(const DiskInfo& disk, bool uefi)
{
    // Only the copy's own store is edited: the running system's store is never named.
    QString windowsRoot;
    for (const PartitionInfo& p : disk.partitions)
        if (windowsRoot.isEmpty() && p.isSystem && !p.driveLetter.isEmpty())
            windowsRoot = p.driveLetter;
    QString systemRoot;
    if (uefi) {
        for (const PartitionInfo& p : disk.partitions)
            if (systemRoot.isEmpty() && p.isEfi)
                systemRoot = p.driveLetter;
    } else {
        const int boot = PartitionInfo::legacyBootIndex(disk.partitions);
        systemRoot = boot >= 0 ? disk.partitions[boot].driveLetter : windowsRoot;
    }
    if (systemRoot.isEmpty()) {
        Logger::instance().warning(QStringLiteral("The copy's boot partition has no drive letter, skipping BCD update"));
        return;
    }
    if (!m_bcd->updateBootDevice(BCDEditor::bcdStorePath(systemRoot, uefi ? Uefi : LegacyBios), systemRoot, windowsRoot)) {
        m_lastError = m_bcd->lastError();
        Logger::instance().warning(QStringLiteral("BCD update failed: %1").arg(m_lastError));
    }
}

bool BootManager::verifyBoot(const DiskInfo& disk)
{
    Logger& log = Logger::instance();
    if (disk.partitionStyle == Tessarin::PartitionStyle::GPT) {
        bool any = false;
        for (const PartitionInfo& p : disk.partitions)
            any = any || p.isEfi;
        if (!any)
            log.warning(QStringLiteral("No EFI System Partition found on GPT disk"));
    } else {
        bool any = false;
        for (const PartitionInfo& p : disk.partitions)
            any = any || p.isActive;
        if (!any)
            log.warning(QStringLiteral("No active partition found on MBR disk"));
    }
    log.info(QStringLiteral("Boot verification completed"));
    return true;
}
