#include "partition/nativepartitioningtool.h"

#include <QtGlobal>

#include "core/diskidentity.h"
#include "core/logger.h"
#include "ondisk/byteorder.h"
#include "ondisk/fat32bootsector.h"
#include "ondisk/gpttable.h"
#include "ondisk/mbrcodec.h"
#include "ondisk/ntfsbootsector.h"
#include "partition/gptcodec.h"
#include "platformtools/diskpartscript.h"

#include <QRandomGenerator>
#include <QUuid>
#include <algorithm>
#ifndef Q_OS_WIN
#include "partition/regionloopdevice.h"
#include "platformtools/toolrunner.h"
#include <fcntl.h>
#include <unistd.h>
#endif
#ifdef TESSARIN_HAVE_BLKID
#include <blkid/blkid.h>
#endif

namespace {
constexpr uint8_t MbrEfiType = 0xEF;
constexpr uint32_t FirstLogicalNumber = 5;
constexpr uint64_t ZeroChunk = 1ull << 20;

#ifndef Q_OS_WIN
// A tool that is missing, killed or unhappy is a failure; its words go to the log either way.
bool runTool(const QString& program, const QStringList& args, int timeoutMs, QString& why)
{
    const CommandResult r = ToolRunner::run(program, args, timeoutMs);
    const QString output = ToolRunner::combinedOutput(r).trimmed();
    Logger::instance().info(QStringLiteral("%1 %2:\n%3").arg(program, args.join(QLatin1Char(' ')), output));
    if (!r.started)
        why = QStringLiteral("%1 could not be started (is it installed?)").arg(program);
    else if (r.timedOut)
        why = QStringLiteral("%1 did not finish in time").arg(program);
    else if (!r.finished || r.exitCode != 0)
        why = QStringLiteral("%1 failed (exit code %2): %3").arg(program).arg(r.exitCode).arg(output);
    else
        return true;
    return false;
}
#endif
}

QString NativePartitioningTool::rowType(const PlatformLayoutEntry& entry, LayoutStyle style)
{
    if (style == LayoutStyle::GPT) {
        const QString type = QString::fromStdString(entry.typeGuid);
        if (Tessarin::isPartitionType(type, Tessarin::EfiTypeText))
            return QStringLiteral("System");
        if (Tessarin::isPartitionType(type, Tessarin::MsrTypeText))
            return QStringLiteral("Reserved");
        if (Tessarin::isPartitionType(type, Tessarin::RecoveryTypeText))
            return QStringLiteral("Recovery");
        return Tessarin::isPartitionType(type, Tessarin::BasicDataTypeText) ? QStringLiteral("Primary")
                                                                            : QStringLiteral("Unknown");
    }
    if (MbrCodec::isExtendedType(entry.mbrType))
        return QStringLiteral("Extended");
    if (entry.partitionNumber >= FirstLogicalNumber)
        return QStringLiteral("Logical");
    if (entry.mbrType == MbrEfiType)
        return QStringLiteral("System");
    if (entry.mbrType == MbrCodec::RecoveryType)
        return QStringLiteral("Recovery");
    return QStringLiteral("Primary");
}

std::vector<uint8_t> NativePartitioningTool::emptyMbr(uint32_t sectorSize, uint32_t diskSignature)
{
    std::vector<uint8_t> sector(std::max<uint32_t>(sectorSize, MbrCodec::SectorBytes), 0);
    ByteOrder::put32(sector.data() + MbrCodec::OffDiskSignature, diskSignature);
    ByteOrder::put16(sector.data() + MbrCodec::OffBootSignature, MbrCodec::BootSignature);
    return sector;
}

bool NativePartitioningTool::openDisk(int diskNumber, bool writable, OpenDisk& disk)
{
    disk.path = QString::fromStdString(Platform::devices().diskRealPath(diskNumber));
    if (diskNumber < 0 || disk.path.isEmpty())
        return fail(QStringLiteral("Disk %1 is not known").arg(diskNumber));
    disk.handle = RawDisk::openDisk(diskNumber, writable);
    if (!disk.handle)
        return fail(QStringLiteral("Disk %1 (%2) cannot be opened%3: %4")
                        .arg(diskNumber)
                        .arg(disk.path, writable ? QStringLiteral(" for writing") : QString(), RawDisk::lastErrorText()));
    // As for a diskpart script: nothing is written to a number that no longer names the chosen disk.
    QString why;
    if (writable && !DiskIdentity::verifyHandle(disk.handle.get(), diskNumber, why)) {
        disk.handle.reset();
        return fail(why);
    }
    DiskGeometry geometry;
    if (!RawDisk::getDiskGeometry(disk.handle.get(), geometry) || geometry.diskSize <= 0 || geometry.bytesPerSector == 0)
        return fail(QStringLiteral("The size of disk %1 is unknown").arg(diskNumber));
    disk.sizeBytes = uint64_t(geometry.diskSize);
    disk.sectorSize = geometry.bytesPerSector;
    StorageAlignment alignment;
    disk.alignment = RawDisk::queryAlignment(disk.handle.get(), alignment)
                         ? std::max(disk.sectorSize, alignment.physicalSector)
                         : disk.sectorSize;
    disk.hasLayout = disk.handle->driveLayout(disk.layout);
    return true;
}

bool NativePartitioningTool::findPartition(const OpenDisk& disk, int partitionNumber, PlatformLayoutEntry& entry)
{
    if (disk.hasLayout) {
        for (const PlatformLayoutEntry& e : disk.layout.entries) {
            if (int(e.partitionNumber) == partitionNumber && e.partitionLength > 0 && !MbrCodec::isExtendedType(e.mbrType)
                && uint64_t(e.startingOffset) + uint64_t(e.partitionLength) <= disk.sizeBytes) {
                entry = e;
                return true;
            }
        }
    }
    return fail(QStringLiteral("Partition %1 is not on disk %2").arg(partitionNumber).arg(disk.path));
}

bool NativePartitioningTool::zeroRange(const OpenDisk& disk, uint64_t offset, uint64_t length)
{
    // A hole in an image file reads back as zeros and keeps the file sparse.
    if (disk.handle->discardKind() == DeviceHandle::Discard::Zeroes && disk.handle->discard(offset, length))
        return true;
    const std::vector<uint8_t> zeros(ZeroChunk, 0);
    for (uint64_t done = 0; done < length;) {
        const uint64_t piece = std::min<uint64_t>(ZeroChunk, length - done);
        if (!RawDisk::writeRange(disk.handle.get(), offset + done, piece, zeros.data(), disk.alignment))
            return fail(QStringLiteral("Failed to clear %1 at byte %2: %3")
                            .arg(disk.path)
                            .arg(offset + done)
                            .arg(RawDisk::lastErrorText()));
        done += piece;
    }
    return true;
}

// libblkid finds every signature it knows in the range (file systems, RAID and LVM members,
// nested tables) and erases its magic; a second descriptor on the same device does the writes
// while the handle keeps the disk claimed.
bool NativePartitioningTool::wipeSignatures(const OpenDisk& disk, uint64_t offset, uint64_t length)
{
#ifdef TESSARIN_HAVE_BLKID
    const int fd = ::open(disk.path.toLocal8Bit().constData(), O_RDWR | O_CLOEXEC);
    if (fd < 0)
        return fail(QStringLiteral("Cannot open %1 to erase signatures").arg(disk.path));
    blkid_probe probe = blkid_new_probe();
    bool ok = probe && blkid_probe_set_device(probe, fd, blkid_loff_t(offset), blkid_loff_t(length)) == 0;
    if (ok) {
        blkid_probe_enable_superblocks(probe, 1);
        blkid_probe_set_superblocks_flags(probe, BLKID_SUBLKS_MAGIC | BLKID_SUBLKS_BADCSUM);
        blkid_probe_enable_partitions(probe, 1);
        blkid_probe_set_partitions_flags(probe, BLKID_PARTS_MAGIC);
        while (ok && blkid_do_probe(probe) == 0)
            ok = blkid_do_wipe(probe, 0) == 0;
    }
    if (probe)
        blkid_free_probe(probe);
    ok = ::fsync(fd) == 0 && ok;
    ::close(fd);
    if (!ok)
        return fail(QStringLiteral("Failed to erase the signatures of %1 at byte %2").arg(disk.path).arg(offset));
    return true;
#else
    // Without libblkid: the places of the NTFS and FAT boot sectors and their backups.
    const uint64_t head = std::min<uint64_t>(length, TableAreaBytes);
    const uint64_t tail = std::min<uint64_t>(length, disk.alignment);
    return zeroRange(disk, offset, head) && zeroRange(disk, offset + length - tail, tail);
#endif
}

bool NativePartitioningTool::writeTable(const OpenDisk& disk, TableStyle style)
{
    if (style == TableStyle::Mbr) {
        const std::vector<uint8_t> sector = emptyMbr(disk.sectorSize, QRandomGenerator::system()->generate());
        if (!RawDisk::writeRange(disk.handle.get(), 0, sector.size(), sector.data(), disk.alignment))
            return fail(QStringLiteral("Failed to write the MBR of %1: %2").arg(disk.path, RawDisk::lastErrorText()));
        return true;
    }
    if (style != TableStyle::Gpt)
        return true;
    std::array<uint8_t, 16> guid{};
    GptCodec::guidToGptBytes(QUuid::createUuid(), guid.data());
    GptTable gpt;
    if (!gpt.create(disk.sectorSize, disk.sizeBytes / disk.sectorSize, guid))
        return fail(QStringLiteral("Cannot lay out a GPT for %1: %2").arg(disk.path, QString::fromStdString(gpt.lastError())));
    DeviceHandle* handle = disk.handle.get();
    const GptTable::WriteFn write = [handle, &disk](uint64_t offset, uint64_t length, const uint8_t* bytes) {
        return RawDisk::writeRange(handle, offset, length, bytes, disk.alignment);
    };
    if (!gpt.commit(write, [handle] { return RawDisk::flush(handle); }))
        return fail(QStringLiteral("%1 of %2: %3").arg(QString::fromStdString(gpt.lastError()), disk.path, RawDisk::lastErrorText()));
    return true;
}

bool NativePartitioningTool::clean(int diskNumber, TableStyle convertTo, const ScriptStep&)
{
    OpenDisk disk;
    if (!openDisk(diskNumber, true, disk))
        return false;
    Logger::instance().info(QStringLiteral("Cleaning disk %1 (%2)").arg(diskNumber).arg(disk.path));
    if (disk.hasLayout) {
        for (const PlatformLayoutEntry& e : disk.layout.entries) {
            const uint64_t start = uint64_t(e.startingOffset);
            if (e.partitionLength <= 0 || start >= disk.sizeBytes)
                continue;
            const uint64_t length = std::min<uint64_t>(uint64_t(e.partitionLength), disk.sizeBytes - start);
            if (!wipeSignatures(disk, start, length))
                return false;
        }
    }
    const uint64_t area = std::min(TableAreaBytes, disk.sizeBytes);
    if (!wipeSignatures(disk, 0, disk.sizeBytes) || !zeroRange(disk, 0, area)
        || !zeroRange(disk, disk.sizeBytes - area, area) || !writeTable(disk, convertTo))
        return false;
    if (!RawDisk::flush(disk.handle.get()))
        return fail(QStringLiteral("Failed to flush %1: %2").arg(disk.path, RawDisk::lastErrorText()));
    RawDisk::updateDiskProperties(disk.handle.get());
    // The new table is ours: the chosen disk is now known by it.
    DiskIdentity::takeNewTable(disk.handle.get(), diskNumber);
    disk.handle.reset();
    return true;
}

bool NativePartitioningTool::listPartitions(int diskNumber, QList<Row>& rows)
{
    rows.clear();
    OpenDisk disk;
    if (!openDisk(diskNumber, false, disk))
        return false;
    if (!disk.hasLayout)
        return fail(QStringLiteral("The partition table of disk %1 cannot be read: %2")
                        .arg(diskNumber)
                        .arg(RawDisk::lastErrorText()));
    for (const PlatformLayoutEntry& e : disk.layout.entries) {
        if (e.partitionLength <= 0 || e.partitionNumber == 0)
            continue;
        rows.append({int(e.partitionNumber), rowType(e, disk.layout.style), uint64_t(e.startingOffset),
                     uint64_t(e.partitionLength)});
    }
    return true;
}

#ifdef Q_OS_WIN
// The file-system tools and loop devices are Linux's: on Windows only diskpart formats and extends,
// and it does not reach an image file.
bool NativePartitioningTool::format(int diskNumber, int partitionNumber, Tessarin::FileSystemType, const QString&)
{
    return fail(QStringLiteral("Partition %1 of disk %2 is in an image file, which cannot be formatted on Windows")
                    .arg(partitionNumber)
                    .arg(diskNumber));
}

bool NativePartitioningTool::extendFileSystem(int diskNumber, int partitionNumber)
{
    return fail(QStringLiteral("The file system of partition %1 of disk %2 is in an image file, which cannot be "
                               "extended on Windows")
                    .arg(partitionNumber)
                    .arg(diskNumber));
}
#else
bool NativePartitioningTool::format(int diskNumber, int partitionNumber, Tessarin::FileSystemType fileSystem,
                                    const QString& label)
{
    const bool ntfs = fileSystem == Tessarin::FileSystemType::NTFS;
    if (!ntfs && fileSystem != Tessarin::FileSystemType::FAT32)
        return fail(QStringLiteral("Only NTFS and FAT32 can be formatted"));
    if (!DiskpartScript::isSafeLabel(label) || label.size() > (ntfs ? NtfsLabelMax : FatLabelMax))
        return fail(QStringLiteral("The label \"%1\" cannot be used").arg(label));
    OpenDisk disk;
    PlatformLayoutEntry entry;
    if (!openDisk(diskNumber, true, disk) || !findPartition(disk, partitionNumber, entry))
        return false;
    RegionLoopDevice loop;
    if (!loop.attach(disk.path, uint64_t(entry.startingOffset), uint64_t(entry.partitionLength), disk.sectorSize,
                     RegionLoopDevice::Access::ReadWrite))
        return fail(loop.lastError());
    const QString hidden = QString::number(uint64_t(entry.startingOffset) / disk.sectorSize);
    const QString sectorSize = QString::number(disk.sectorSize);
    QStringList args;
    QString program;
    if (ntfs) {
        program = QStringLiteral("mkntfs");
        args << QStringLiteral("-Q") << QStringLiteral("-F") << QStringLiteral("-s") << sectorSize
             << QStringLiteral("-p") << hidden << QStringLiteral("-H") << QStringLiteral("255") << QStringLiteral("-S")
             << QStringLiteral("63");
        if (!label.isEmpty())
            args << QStringLiteral("-L") << label;
    } else {
        program = QStringLiteral("mkfs.fat");
        args << QStringLiteral("-F") << QStringLiteral("32") << QStringLiteral("-I") << QStringLiteral("-S")
             << sectorSize << QStringLiteral("-h") << hidden;
        if (!label.isEmpty())
            args << QStringLiteral("-n") << label;
    }
    // mkfs.fat knows "--"; mkntfs does not, and the device is a loop device's name either way.
    if (!ntfs)
        args << QStringLiteral("--");
    args << loop.device();
    QString why;
    const bool formatted = runTool(program, args, FormatTimeoutMs, why);
    if (!loop.detach())
        return fail(loop.lastError());
    return formatted || fail(QStringLiteral("Formatting partition %1 of disk %2 failed: %3")
                                   .arg(partitionNumber)
                                   .arg(diskNumber)
                                   .arg(why));
}

bool NativePartitioningTool::extendFileSystem(int diskNumber, int partitionNumber)
{
    OpenDisk disk;
    PlatformLayoutEntry entry;
    if (!openDisk(diskNumber, true, disk) || !findPartition(disk, partitionNumber, entry))
        return false;
    std::vector<uint8_t> boot(NtfsBootSector::Size, 0);
    if (!RawDisk::readRange(disk.handle.get(), uint64_t(entry.startingOffset), boot.size(), boot.data(), disk.alignment))
        return fail(QStringLiteral("Cannot read partition %1 of disk %2").arg(partitionNumber).arg(diskNumber));
    if (!NtfsBootSector::hasOemId(boot.data())) {
        Fat32BootSector fat;
        if (Fat32BootSector::decode(boot.data(), boot.size(), uint64_t(entry.partitionLength), fat)
            == Fat32BootSector::Status::Ok)
            return fail(QStringLiteral("A FAT32 file system cannot be extended here; partition %1 keeps its size")
                            .arg(partitionNumber));
        return fail(QStringLiteral("Partition %1 of disk %2 holds no NTFS file system").arg(partitionNumber).arg(diskNumber));
    }
    RegionLoopDevice loop;
    if (!loop.attach(disk.path, uint64_t(entry.startingOffset), uint64_t(entry.partitionLength), disk.sectorSize,
                     RegionLoopDevice::Access::ReadWrite))
        return fail(loop.lastError());
    QString why;
    // Without a size ntfsresize grows the volume to the device, which is exactly the partition.
    const bool grown = runTool(QStringLiteral("ntfsresize"),
                               {QStringLiteral("-f"), QStringLiteral("-f"), QStringLiteral("-P"), loop.device()},
                               ResizeTimeoutMs, why);
    if (!loop.detach())
        return fail(loop.lastError());
    return grown || fail(QStringLiteral("Extending partition %1 of disk %2 failed: %3")
                               .arg(partitionNumber)
                               .arg(diskNumber)
                               .arg(why));
}

PartitioningTool* PartitioningTool::createPlatformTool() { return new NativePartitioningTool; }
#endif
