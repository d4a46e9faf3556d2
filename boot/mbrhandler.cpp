#include "boot/mbrhandler.h"

#include "boot/mbrbootcode.h"
#include "core/diskidentity.h"
#include "core/diskio.h"
#include "core/logger.h"

#include <cstring>

MBRHandler::MBRHandler(QObject* parent) : QObject(parent) {}

QByteArray MBRHandler::withBootCode(const QByteArray& sector)
{
    QByteArray out = sector.left(SectorSize);
    out.resize(SectorSize);
    // Bytes 440-445 stay: Windows finds its boot disk by the disk signature there.
    std::memcpy(out.data(), MbrBootCode::Bootstrap, MbrBootCode::BootstrapSize);
    out[BootSignatureOffset] = char(0x55);
    out[BootSignatureOffset + 1] = char(0xAA);
    return out;
}

QByteArray MBRHandler::withActivePartition(const QByteArray& sector, int partitionNumber)
{
    QByteArray out = sector;
    for (int i = 0; i < 4; ++i)
        out[PartitionTableOffset + PartitionEntrySize * i] = char(i == partitionNumber - 1 ? ActiveFlag : 0x00);
    return out;
}

// Opens the disk and sizes a buffer for its whole first logical sector, aligned for unbuffered
// handles; the MBR is the sector's first 512 bytes. A handle for writing is checked to be the disk
// the clone was given before anything goes through it: disk numbers move when disks come and go.
bool MBRHandler::openSectorZero(int diskNumber, bool writable, DiskHandle& handle, uint32_t& sectorSize,
                                AlignedBuffer& sector)
{
    handle = RawDisk::openDisk(diskNumber, writable);
    if (!handle) {
        m_lastError = RawDisk::lastErrorText();
        return false;
    }
    QString why;
    if (writable && !DiskIdentity::verifyHandle(handle.get(), diskNumber, why)) {
        handle.reset();
        m_lastError = why;
        Logger::instance().error(why);
        return false;
    }
    sectorSize = SectorSize;
    DiskGeometry geometry;
    if (RawDisk::getDiskGeometry(handle.get(), geometry) && geometry.bytesPerSector >= SectorSize)
        sectorSize = geometry.bytesPerSector;
    sector = AlignedBuffer(sectorSize < 4096 ? 4096 : sectorSize, 4096);
    return bool(sector);
}

bool MBRHandler::readMbr(int diskNumber, QByteArray& buffer)
{
    DiskHandle handle;
    uint32_t sectorSize = 0;
    AlignedBuffer sector;
    if (!openSectorZero(diskNumber, false, handle, sectorSize, sector)) {
        if (handle)
            m_lastError = QStringLiteral("Failed to read MBR");
        return false;
    }
    if (!RawDisk::readSectors(handle.get(), 0, 1, sector.data(), sectorSize)) {
        m_lastError = QStringLiteral("Failed to read MBR");
        return false;
    }
    buffer = QByteArray(reinterpret_cast<const char*>(sector.data()), SectorSize);
    return true;
}

bool MBRHandler::writeMbr(int diskNumber, const QByteArray& buffer)
{
    if (buffer.size() < SectorSize) {
        m_lastError = QStringLiteral("Invalid MBR data");
        return false;
    }
    return editMbr(diskNumber, [&buffer](const QByteArray&) { return buffer.left(SectorSize); });
}

bool MBRHandler::editMbr(int diskNumber, const std::function<QByteArray(const QByteArray&)>& edit)
{
    DiskHandle handle;
    uint32_t sectorSize = 0;
    AlignedBuffer sector;
    if (!openSectorZero(diskNumber, true, handle, sectorSize, sector)) {
        if (handle)
            m_lastError = QStringLiteral("Failed to write MBR");
        return false;
    }
    // Read through the handle that writes: the edit starts from the bytes of the checked disk, and
    // on a disk with larger sectors the rest of sector 0 survives the write.
    if (!RawDisk::readSectors(handle.get(), 0, 1, sector.data(), sectorSize)) {
        m_lastError = QStringLiteral("Failed to read MBR");
        return false;
    }
    const QByteArray edited = edit(QByteArray(reinterpret_cast<const char*>(sector.data()), SectorSize));
    std::memcpy(sector.data(), edited.constData(), SectorSize);
    if (!RawDisk::writeSectors(handle.get(), 0, 1, sector.data(), sectorSize) || !RawDisk::flush(handle.get())) {
        m_lastError = QStringLiteral("Failed to write MBR");
        return false;
    }
    return true;
}

bool MBRHandler::repairBootSector(int diskNumber)
{
    Logger::instance().info(QStringLiteral("Repairing boot sector for disk %1").arg(diskNumber));
    if (!editMbr(diskNumber, withBootCode))
        return false;
    // Written, flushed and closed: now Windows may take in sector 0 again.
    if (DiskHandle disk = RawDisk::openDisk(diskNumber, false))
        RawDisk::updateDiskProperties(disk.get());
    Logger::instance().info(QStringLiteral("Boot sector repair completed"));
    return true;
}

bool MBRHandler::setActivePartition(int diskNumber, int partitionNumber)
{
    Logger::instance().info(QStringLiteral("Setting active partition %1 on disk %2").arg(partitionNumber).arg(diskNumber));
    if (partitionNumber < 1 || partitionNumber > 4) {
        m_lastError = QStringLiteral("Invalid partition number (must be 1-4)");
        return false;
    }
    return editMbr(diskNumber, [partitionNumber](const QByteArray& sector) {
        return withActivePartition(sector, partitionNumber);
    });
}
