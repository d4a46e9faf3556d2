#include "core/diskmanager.h"
#include "core/commandprocessrunner.h"
#include "core/diskio.h"
#include "core/logger.h"
#include "ondisk/mbrcodec.h"
#include "platform/platform.h"

#include <QFutureWatcher>
#include <QThreadPool>
#include <QtConcurrent/QtConcurrentRun>
#include <algorithm>
#include <atomic>

namespace {
constexpr uint32_t MinIoAlignment = 4096;
// The smallest GPT entry array; with sector 0 and the header it is the area a table is read from.
constexpr uint32_t TableEntryArrayBytes = 16384;

QString withoutTrailingBackslash(QString path)
{
    if (path.endsWith(QLatin1Char('\\')))
        path.chop(1);
    return path;
}

QString withTrailingBackslash(const QString& path)
{
    return path.endsWith(QLatin1Char('\\')) ? path : path + QLatin1Char('\\');
}

Tessarin::FileSystemType fileSystemFromMbrType(uint8_t type)
{
    switch (type) {
    case 0x07: return Tessarin::FileSystemType::NTFS;
    case 0x0B:
    case 0x0C: return Tessarin::FileSystemType::FAT32;
    case 0x06:
    case 0x0E: return Tessarin::FileSystemType::FAT;
    default: return Tessarin::FileSystemType::Unknown;
    }
}

// Exact, case-sensitive names as the platform reports them; anything else keeps `current`.
Tessarin::FileSystemType fileSystemFromName(const QString& name, Tessarin::FileSystemType current)
{
    if (name == QLatin1String("NTFS"))
        return Tessarin::FileSystemType::NTFS;
    if (name == QLatin1String("FAT32"))
        return Tessarin::FileSystemType::FAT32;
    if (name == QLatin1String("FAT"))
        return Tessarin::FileSystemType::FAT;
    if (name == QLatin1String("exFAT"))
        return Tessarin::FileSystemType::exFAT;
    return current;
}

struct VolumeExtents {
    QString name;
    QList<DiskExtent> extents;
};

QList<VolumeExtents> machineVolumes()
{
    QList<VolumeExtents> volumes;
    for (const QString& name : RawDisk::enumerateVolumes())
        volumes.append({name, RawDisk::getVolumeDiskExtents(name)});
    return volumes;
}

std::atomic<DiskManager::UsageReader> usageReader{nullptr};

// Mount path, label, file system and use from the volume that lies on the partition, if any.
// True when the volume said how much of it is used.
bool fillVolumeDetails(PartitionInfo& partition, const QList<VolumeExtents>& volumes)
{
    const uint64_t begin = partition.startByte();
    const uint64_t end = begin + partition.size;
    const VolumeExtents* match = nullptr;
    for (const VolumeExtents& volume : volumes) {
        for (const DiskExtent& extent : volume.extents) {
            const uint64_t offset = static_cast<uint64_t>(extent.startingOffset);
            if (static_cast<int32_t>(extent.diskNumber) == partition.diskNumber && extent.startingOffset >= 0
                && offset >= begin && offset < end) {
                match = &volume;
                break;
            }
        }
        if (match)
            break;
    }
    if (!match)
        return false;

    const QStringList mountPaths = RawDisk::getVolumeMountPaths(match->name);
    if (!mountPaths.isEmpty())
        partition.driveLetter = withoutTrailingBackslash(mountPaths.first());

    PlatformVolumes& platform = Platform::volumes();
    const std::string root = withTrailingBackslash(match->name).toStdString();
    std::string label;
    std::string fileSystemName;
    if (platform.volumeInformation(root, label, fileSystemName)) {
        partition.label = QString::fromStdString(label);
        partition.fileSystemName = QString::fromStdString(fileSystemName);
        partition.fileSystem = fileSystemFromName(partition.fileSystemName, partition.fileSystem);
    }
    uint64_t total = 0;
    uint64_t free = 0;
    const bool useKnown = platform.diskFreeSpace(root, total, free);
    if (useKnown)
        partition.usedSpace = total >= free ? total - free : 0;
    // Found with or without a drive letter, so a Windows volume Linux has not mounted is seen too.
    if (partition.fileSystem == Tessarin::FileSystemType::NTFS)
        partition.hasWindows = platform.volumeContainsPath(root, "Windows\\System32", CommandProcessRunner::instance());
    // A legacy Windows boots through the partition holding its boot manager, often not its own.
    if (partition.mbrType != 0 && !partition.hasWindows && partition.fileSystem != Tessarin::FileSystemType::Unknown)
        partition.hasBootFiles = platform.volumeContainsPath(root, "bootmgr", CommandProcessRunner::instance())
            || platform.volumeContainsPath(root, "Boot\\BCD", CommandProcessRunner::instance());
    return useKnown;
}

void setFlags(PartitionInfo& partition)
{
    if (!partition.driveLetter.isEmpty()) {
        const QString probe = partition.driveLetter + QStringLiteral("\\Windows\\System32");
        partition.isSystem = Platform::files().fileExists(probe.toStdString());
    }
    const QString type = partition.typeGuid.toUpper();
    if (type.contains(QLatin1String(Tessarin::EfiTypeText)))
        partition.isEfi = true;
    else if (type.contains(QLatin1String(Tessarin::RecoveryTypeText)))
        partition.isRecovery = true;
    else if (type.contains(QLatin1String(Tessarin::MsrTypeText)))
        partition.isMsr = true;
}

// Style from sector 0 when the drive layout cannot be asked.
Tessarin::PartitionStyle styleFromSectorZero(DeviceHandle* handle, uint32_t sectorSize)
{
    const uint32_t bytes = std::max<uint32_t>(sectorSize, 512);
    std::vector<uint8_t> sector(bytes, 0);
    if (!RawDisk::readSectorsAligned(handle, 0, 1, sector.data(), bytes, std::max(bytes, MinIoAlignment)))
        return Tessarin::PartitionStyle::Unknown;
    MbrCodec::Entry first;
    if (!MbrCodec::hasBootSignature(sector) || !MbrCodec::entry(sector, 0, first))
        return Tessarin::PartitionStyle::Unknown;
    return first.type == MbrCodec::ProtectiveType ? Tessarin::PartitionStyle::GPT : Tessarin::PartitionStyle::MBR;
}

} // namespace

void DiskManager::setUsageReader(UsageReader reader) { usageReader.store(reader); }

DiskManager::DiskManager(QObject* parent) : QObject(parent) { Tessarin::registerMetaTypes(); }

DiskManager::~DiskManager()
{
    if (m_watcher) {
        m_watcher->cancel();
        m_watcher->waitForFinished();
        delete m_watcher;
        m_watcher = nullptr;
    }
}

bool DiskManager::isEnumerating() const { return m_watcher && m_watcher->isRunning(); }

void DiskManager::enumDisksAsync()
{
    emit enumStarted();
    if (m_watcher && m_watcher->isRunning())
        return;
    if (m_watcher) {
        m_watcher->disconnect(this);
        m_watcher->deleteLater();
    }
    m_watcher = new QFutureWatcher<QList<DiskInfo>>(this);
    connect(m_watcher, &QFutureWatcher<QList<DiskInfo>>::finished, this, &DiskManager::onEnumFinished);
    m_watcher->setFuture(QtConcurrent::run(QThreadPool::globalInstance(), &DiskManager::enumerateDisks));
}

void DiskManager::onEnumFinished()
{
    // Only the current watcher stays connected (enumDisksAsync disconnects a replaced one).
    if (m_watcher && m_watcher->isFinished() && !m_watcher->isCanceled()) {
        m_disks = m_watcher->result();
        emit diskListChanged();
    }
    emit enumFinished();
}

QList<PartitionInfo> DiskManager::enumeratePartitions(DeviceHandle* disk, int diskNumber)
{
    QList<PartitionInfo> partitions;
    PlatformDriveLayout layout;
    if (!disk || !disk->driveLayout(layout) || layout.entries.empty())
        return partitions;

    const QList<VolumeExtents> volumes = machineVolumes();
    for (const PlatformLayoutEntry& entry : layout.entries) {
        // Number 0 marks an unused slot or an extended container, whose logical partitions come as
        // entries of their own; a container holds no data, whatever number a backend gives it.
        if (entry.partitionLength <= 0 || entry.startingOffset < 0 || entry.partitionNumber == 0
            || (layout.style == LayoutStyle::MBR && MbrCodec::isExtendedType(entry.mbrType)))
            continue;
        PartitionInfo p;
        p.diskNumber = diskNumber;
        p.partitionNumber = static_cast<int32_t>(entry.partitionNumber);
        p.start512 = static_cast<uint64_t>(entry.startingOffset) / PartitionInfo::Unit;
        p.count512 = static_cast<uint64_t>(entry.partitionLength) / PartitionInfo::Unit;
        p.size = static_cast<uint64_t>(entry.partitionLength);
        if (layout.style == LayoutStyle::GPT) {
            p.typeGuid = QString::fromStdString(entry.typeGuid);
            p.partitionGuid = QString::fromStdString(entry.partitionGuid);
            const QString type = p.typeGuid.toUpper();
            if (type.contains(QLatin1String(Tessarin::EfiTypeText))) {
                p.isEfi = true;
                p.fileSystem = Tessarin::FileSystemType::FAT32;
            } else if (type.contains(QLatin1String(Tessarin::RecoveryTypeText))) {
                p.isRecovery = true;
            }
        } else if (layout.style == LayoutStyle::MBR) {
            p.mbrType = entry.mbrType;
            p.isRecovery = entry.mbrType == MbrCodec::RecoveryType;
            p.isActive = entry.bootIndicator;
            p.fileSystem = fileSystemFromMbrType(entry.mbrType);
        }
        const bool useKnown = fillVolumeDetails(p, volumes);
        setFlags(p);
        uint64_t used = 0;
        const UsageReader reader = usageReader.load();
        if (!useKnown && reader && reader(p, disk, used))
            p.usedSpace = used;
        partitions.append(p);
    }
    return partitions;
}

int64_t DiskManager::firstUnreadableTableSector(DeviceHandle* disk, uint32_t sectorSize)
{
    const uint32_t bytes = std::max<uint32_t>(sectorSize, 512);
    DiskGeometry geometry;
    if (!disk || !RawDisk::getDiskGeometry(disk, geometry) || geometry.diskSize <= 0)
        return -1;
    const uint64_t count = std::min<uint64_t>(2 + TableEntryArrayBytes / bytes, uint64_t(geometry.diskSize) / bytes);
    std::vector<uint8_t> area(size_t(count * bytes));
    if (count == 0 || RawDisk::readSectorsAligned(disk, 0, uint32_t(count), area.data(), bytes, std::max(bytes, MinIoAlignment)))
        return -1;
    // One read of the whole area failed: find the sector, one at a time.
    for (uint64_t lba = 0; lba < count; ++lba)
        if (!RawDisk::readSectorsAligned(disk, lba, 1, area.data(), bytes, bytes))
            return int64_t(lba);
    return -1;
}

QList<DiskInfo> DiskManager::enumerateDisks()
{
    QList<DiskInfo> disks;
    PlatformDevices& platform = Platform::devices();
    for (const std::string& message : platform.configurationMessages())
        Logger::instance().warning(QString::fromStdString(message));
    const std::vector<int> systemDisks = platform.systemDiskNumbers();
    for (const int n : platform.diskNumbers()) {
        const std::string path = Tessarin::physicalDrivePath(n).toStdString();
        if (!platform.openDevice(path, DeviceAccess::None, DeviceFlags::None))
            continue;
        DiskHandle handle = RawDisk::openDisk(n, false);
        if (!handle)
            continue;
        DiskGeometry geometry;
        if (!RawDisk::getDiskGeometry(handle.get(), geometry) || geometry.bytesPerSector == 0)
            continue;

        DiskInfo disk;
        disk.diskNumber = n;
        disk.devicePath = Tessarin::physicalDrivePath(n);
        disk.realPath = QString::fromStdString(platform.diskRealPath(n));
        disk.size = static_cast<uint64_t>(std::max<int64_t>(geometry.diskSize, 0));
        disk.sectorSize = geometry.bytesPerSector;
        disk.totalSectors = disk.size / disk.sectorSize;

        if (auto probe = platform.openDevice(path, DeviceAccess::None, DeviceFlags::None)) {
            PlatformDeviceDescriptor descriptor;
            if (probe->deviceDescriptor(descriptor)) {
                disk.model = QString::fromLatin1(descriptor.productId.c_str()).trimmed();
                disk.serialNumber = QString::fromLatin1(descriptor.serialNumber.c_str()).trimmed();
            }
        }

        PlatformDriveLayout layout;
        const bool layoutKnown = handle->driveLayout(layout);
        if (layoutKnown) {
            switch (layout.style) {
            case LayoutStyle::MBR: disk.partitionStyle = Tessarin::PartitionStyle::MBR; break;
            case LayoutStyle::GPT: disk.partitionStyle = Tessarin::PartitionStyle::GPT; break;
            default: disk.partitionStyle = Tessarin::PartitionStyle::Unknown; break;
            }
            disk.mbrSignature = layout.style == LayoutStyle::MBR ? layout.mbrSignature : 0;
            disk.gptDiskGuid = QString::fromStdString(layout.gptDiskGuid);
        } else {
            disk.partitionStyle = styleFromSectorZero(handle.get(), disk.sectorSize);
        }

        // A table that cannot be read is not the same as no table: which sector failed is shown,
        // and the clone refuses such a source instead of copying it as a blank disk.
        if (!layoutKnown || layout.style == LayoutStyle::Unknown)
            disk.unreadableTableSector = firstUnreadableTableSector(handle.get(), disk.sectorSize);
        if (disk.unreadableTableSector >= 0)
            Logger::instance().warning(QStringLiteral("Disk %1: cannot read the partition table: sector %2 unreadable")
                                           .arg(n).arg(disk.unreadableTableSector));

        disk.isSsd = RawDisk::isSsd(n);
        disk.busType = RawDisk::getBusType(n);
        if (disk.unreadableTableSector < 0)
            disk.partitions = enumeratePartitions(handle.get(), n);
        for (const PartitionInfo& p : disk.partitions)
            disk.usedSpace += p.usedSpace;
        disk.isSystemDisk = std::find(systemDisks.begin(), systemDisks.end(), n) != systemDisks.end();

        handle.reset();
        disks.append(disk);
        Logger::instance().info(QStringLiteral("Found disk %1: %2, %3, bus=%4, media=%5")
                                    .arg(n)
                                    .arg(disk.model, Tessarin::formatSize(disk.size, 2), disk.busType,
                                         disk.isSsd ? QStringLiteral("SSD") : QStringLiteral("HDD/Unknown")));
        Logger::instance().info(QStringLiteral("Disk %1 is %2").arg(n).arg(disk.realPath));
    }
    return disks;
}
