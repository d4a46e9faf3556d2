#include "core/diskmanager.h"
#include "core/diskio.h"
#include "core/logger.h"
#include "platform/platform.h"

#include <QFutureWatcher>
#include <QThreadPool>
#include <QtConcurrent/QtConcurrentRun>
#include <algorithm>

namespace {
constexpr int BootSignatureOffset = 510;
constexpr uint8_t BootSignature0 = 0x55;
constexpr uint8_t BootSignature1 = 0xAA;
constexpr int FirstEntryTypeOffset = 450;
constexpr uint8_t ProtectiveMbrType = 0xEE;
constexpr uint32_t MinIoAlignment = 4096;

// Boot-sector fields used to recognise a volume that the platform lists no volume for.
constexpr int OemIdOffset = 3;
constexpr int BytesPerSectorOffset = 11;
constexpr int SectorsPerClusterOffset = 13;
constexpr int Fat16LabelOffset = 43;
constexpr int Fat16TypeOffset = 54;
constexpr int Fat32LabelOffset = 71;
constexpr int Fat32TypeOffset = 82;
constexpr int FatLabelLength = 11;
constexpr int NtfsMftLcnOffset = 48;
constexpr int NtfsClustersPerRecordOffset = 64;
// NTFS file record: header fields, and the attribute that holds the volume label.
constexpr int RecordUsaOffsetOffset = 4;
constexpr int RecordUsaCountOffset = 6;
constexpr int RecordFirstAttributeOffset = 20;
constexpr int AttributeLengthOffset = 4;
constexpr int AttributeNonResidentOffset = 8;
constexpr int AttributeValueLengthOffset = 16;
constexpr int AttributeValueOffsetOffset = 20;
constexpr uint32_t VolumeNameAttribute = 0x60;
constexpr uint32_t EndOfAttributes = 0xFFFFFFFF;
constexpr int VolumeFileRecord = 3;

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

uint16_t le16(const QByteArray& b, int at) { return uint16_t(uint8_t(b[at]) | uint8_t(b[at + 1]) << 8); }
uint32_t le32(const QByteArray& b, int at) { return uint32_t(le16(b, at)) | uint32_t(le16(b, at + 2)) << 16; }
uint64_t le64(const QByteArray& b, int at) { return uint64_t(le32(b, at)) | uint64_t(le32(b, at + 4)) << 32; }
bool isPowerOfTwo(uint64_t v) { return v && !(v & (v - 1)); }

// What a boot sector says about its volume. Pure: works on the bytes given.
struct BootSectorInfo {
    QString fileSystemName;  // "NTFS", "FAT32", "FAT", "exFAT"; empty when not recognised
    Tessarin::FileSystemType type = Tessarin::FileSystemType::Unknown;
    QString label;           // FAT labels live in the boot sector
    uint32_t bytesPerSector = 0;
    uint64_t mftOffset = 0;      // NTFS: byte offset of the MFT inside the volume
    uint32_t mftRecordSize = 0;  // NTFS
};

QString fatLabel(const QByteArray& sector, int offset)
{
    const QString label = QString::fromLatin1(sector.mid(offset, FatLabelLength)).trimmed();
    return label == QLatin1String("NO NAME") ? QString() : label;
}

BootSectorInfo parseBootSector(const QByteArray& s)
{
    BootSectorInfo info;
    if (s.size() < 512 || uint8_t(s[BootSignatureOffset]) != BootSignature0
        || uint8_t(s[BootSignatureOffset + 1]) != BootSignature1)
        return info;
    const QByteArray oem = s.mid(OemIdOffset, 8);
    if (oem == "EXFAT   ") {
        info.fileSystemName = QStringLiteral("exFAT");
        info.type = Tessarin::FileSystemType::exFAT;
        return info;
    }
    const uint32_t bytesPerSector = le16(s, BytesPerSectorOffset);
    if (!isPowerOfTwo(bytesPerSector) || bytesPerSector < 256 || bytesPerSector > 4096)
        return info;
    info.bytesPerSector = bytesPerSector;
    const uint8_t spcByte = uint8_t(s[SectorsPerClusterOffset]);
    if (oem == "NTFS    ") {
        // Values above 0x80 encode 2^(256 - value) sectors.
        const uint64_t sectorsPerCluster = spcByte > 0x80 ? (1ull << (256 - spcByte)) : spcByte;
        const uint64_t clusterSize = sectorsPerCluster * bytesPerSector;
        const int8_t perRecord = int8_t(s[NtfsClustersPerRecordOffset]);
        const uint64_t recordSize = perRecord < 0 ? (-perRecord < 32 ? 1ull << -perRecord : 0)
                                                  : uint64_t(perRecord) * clusterSize;
        const uint64_t mftLcn = le64(s, NtfsMftLcnOffset);
        info.fileSystemName = QStringLiteral("NTFS");
        info.type = Tessarin::FileSystemType::NTFS;
        if (clusterSize && isPowerOfTwo(recordSize) && recordSize >= 256 && recordSize <= 65536
            && mftLcn < (uint64_t(1) << 48))
        {
            info.mftOffset = mftLcn * clusterSize;
            info.mftRecordSize = uint32_t(recordSize);
        }
        return info;
    }
    if (spcByte == 0 || !isPowerOfTwo(spcByte))
        return info;
    if (s.mid(Fat32TypeOffset, 8) == "FAT32   ") {
        info.fileSystemName = QStringLiteral("FAT32");
        info.type = Tessarin::FileSystemType::FAT32;
        info.label = fatLabel(s, Fat32LabelOffset);
    } else if (s.mid(Fat16TypeOffset, 4) == "FAT1") {
        info.fileSystemName = QStringLiteral("FAT");
        info.type = Tessarin::FileSystemType::FAT;
        info.label = fatLabel(s, Fat16LabelOffset);
    }
    return info;
}

// The label from the $Volume file record (record 3), after undoing its update-sequence fixups.
// Pure; empty when the record is damaged or has no name.
QString ntfsVolumeLabel(QByteArray record, uint32_t bytesPerSector)
{
    if (record.size() < 512 || !record.startsWith("FILE") || bytesPerSector < 256)
        return {};
    const int usaOffset = le16(record, RecordUsaOffsetOffset);
    const int usaCount = le16(record, RecordUsaCountOffset);
    if (usaCount < 1 || usaOffset + 2 * usaCount > record.size()
        || int64_t(usaCount - 1) * bytesPerSector > record.size())
        return {};
    for (int i = 1; i < usaCount; ++i) {
        const int end = int(i * bytesPerSector) - 2;
        if (record[end] != record[usaOffset] || record[end + 1] != record[usaOffset + 1])
            return {};  // torn write: the record cannot be trusted
        record[end] = record[usaOffset + 2 * i];
        record[end + 1] = record[usaOffset + 2 * i + 1];
    }
    int at = le16(record, RecordFirstAttributeOffset);
    while (at >= 0 && at + 24 <= record.size()) {
        const uint32_t type = le32(record, at);
        const uint32_t length = le32(record, at + AttributeLengthOffset);
        if (type == EndOfAttributes || length < 24 || length > uint32_t(record.size() - at))
            return {};
        if (type == VolumeNameAttribute && record[at + AttributeNonResidentOffset] == 0) {
            const uint32_t valueLength = le32(record, at + AttributeValueLengthOffset);
            const uint32_t valueOffset = le16(record, at + AttributeValueOffsetOffset);
            if (valueOffset + uint64_t(valueLength) > length || valueLength % 2)
                return {};
            QString label(int(valueLength / 2), Qt::Uninitialized);
            for (uint32_t i = 0; i < valueLength / 2; ++i)
                label[int(i)] = QChar(le16(record, at + int(valueOffset + 2 * i)));
            return label;
        }
        at += int(length);
    }
    return {};
}

// Reads `length` bytes at a byte offset of the disk, whatever its sector size.
QByteArray readDiskBytes(DeviceHandle* handle, uint32_t sectorSize, uint64_t offset, uint32_t length)
{
    const uint64_t first = offset / sectorSize;
    const uint64_t head = offset % sectorSize;
    const uint64_t count = (head + length + sectorSize - 1) / sectorSize;
    if (count == 0 || count > 64)
        return {};
    QByteArray buffer(int(count * sectorSize), '\0');
    if (!DiskIO::readSectorsAligned(handle, first, uint32_t(count), buffer.data(), sectorSize,
                                    std::max(sectorSize, MinIoAlignment)))
        return {};
    return buffer.mid(int(head), int(length));
}

// For a partition no volume of the machine answers for (an image's partition on Linux, a hidden
// partition): file system and label from the volume's own first sectors.
void fillFromBootSector(PartitionInfo& partition, DeviceHandle* handle, uint32_t sectorSize, uint64_t diskSize)
{
    const uint64_t start = partition.startSector * 512;
    if (start % sectorSize || start >= diskSize || partition.size < 512)
        return;  // a damaged table can point anywhere
    const BootSectorInfo info = parseBootSector(readDiskBytes(handle, sectorSize, start, 512));
    if (info.fileSystemName.isEmpty())
        return;
    partition.fileSystemName = info.fileSystemName;
    partition.fileSystem = info.type;
    partition.label = info.label;
    if (info.type == Tessarin::FileSystemType::NTFS && info.mftRecordSize) {
        const uint64_t recordOffset = info.mftOffset + uint64_t(VolumeFileRecord) * info.mftRecordSize;
        if (recordOffset + info.mftRecordSize <= partition.size
            && start + recordOffset + info.mftRecordSize <= diskSize)
            partition.label = ntfsVolumeLabel(readDiskBytes(handle, sectorSize, start + recordOffset,
                                                            info.mftRecordSize), info.bytesPerSector);
    }
}

struct VolumeExtents {
    QString name;
    QList<DiskExtent> extents;
};

QList<VolumeExtents> machineVolumes()
{
    QList<VolumeExtents> volumes;
    for (const QString& name : DiskIO::enumerateVolumes())
        volumes.append({name, DiskIO::getVolumeDiskExtents(name)});
    return volumes;
}

// False when no volume of the machine lies on the partition.
bool fillMountedDetails(PartitionInfo& partition, const QList<VolumeExtents>& volumes)
{
    const uint64_t begin = partition.startSector * 512;
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

    const QStringList mountPaths = DiskIO::getVolumeMountPaths(match->name);
    if (!mountPaths.isEmpty())
        partition.driveLetter = withoutTrailingBackslash(mountPaths.first());

    Platform& platform = Platform::current();
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
    if (platform.diskFreeSpace(root, total, free))
        partition.usedSpace = total >= free ? total - free : 0;
    return true;
}

void setFlags(PartitionInfo& partition)
{
    if (!partition.driveLetter.isEmpty()) {
        const QString probe = partition.driveLetter + QStringLiteral("\\Windows\\System32");
        partition.isSystem = Platform::current().fileExists(probe.toStdString());
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
    if (!DiskIO::readSectorsAligned(handle, 0, 1, sector.data(), bytes, std::max(bytes, MinIoAlignment)))
        return Tessarin::PartitionStyle::Unknown;
    if (sector[BootSignatureOffset] != BootSignature0 || sector[BootSignatureOffset + 1] != BootSignature1)
        return Tessarin::PartitionStyle::Unknown;
    return sector[FirstEntryTypeOffset] == ProtectiveMbrType ? Tessarin::PartitionStyle::GPT
                                                              : Tessarin::PartitionStyle::MBR;
}

bool isSystemDiskNumber(int diskNumber)
{
    const QString windowsDir = QString::fromStdString(Platform::current().windowsDirectory());
    if (windowsDir.size() < 2)
        return false;
    // "C:\Windows" names its volume by the drive; a backend may hand a native mount path instead.
    const bool hasDrive = windowsDir.at(1) == QLatin1Char(':');
    const QString volume = DiskIO::getVolumeNameForMountPoint(hasDrive ? windowsDir.left(2) : windowsDir);
    if (volume.isEmpty())
        return false;
    return DiskIO::getDiskNumberForVolume(volume) == diskNumber;
}
} // namespace

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

QList<PartitionInfo> DiskManager::enumeratePartitions(int diskNumber)
{
    QList<PartitionInfo> partitions;
    DiskHandle handle = DiskIO::openDisk(diskNumber, false);
    if (!handle)
        return partitions;
    PlatformDriveLayout layout;
    DiskGeometry geometry;
    if (!handle->driveLayout(layout) || layout.entries.empty())
        return partitions;
    const uint32_t sectorSize = DiskIO::getDiskGeometry(handle.get(), geometry) ? geometry.bytesPerSector : 0;

    const QList<VolumeExtents> volumes = machineVolumes();
    for (const PlatformLayoutEntry& entry : layout.entries) {
        if (entry.partitionLength <= 0 || entry.startingOffset < 0)
            continue;
        PartitionInfo p;
        p.diskNumber = diskNumber;
        p.partitionNumber = static_cast<int32_t>(entry.partitionNumber);
        p.startSector = static_cast<uint64_t>(entry.startingOffset) / 512;
        p.sectorCount = static_cast<uint64_t>(entry.partitionLength) / 512;
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
            p.isActive = entry.bootIndicator;
            p.fileSystem = fileSystemFromMbrType(entry.mbrType);
        }
        if (!fillMountedDetails(p, volumes) && sectorSize)
            fillFromBootSector(p, handle.get(), sectorSize, uint64_t(std::max<int64_t>(geometry.diskSize, 0)));
        setFlags(p);
        partitions.append(p);
    }
    return partitions;
}

QList<DiskInfo> DiskManager::enumerateDisks()
{
    QList<DiskInfo> disks;
    Platform& platform = Platform::current();
    for (int n = 0; n <= MaxDiskNumber; ++n) {
        const std::string path = Tessarin::physicalDrivePath(n).toStdString();
        if (!platform.openDevice(path, DeviceAccess::None, DeviceFlags::None))
            continue;
        DiskHandle handle = DiskIO::openDisk(n, false);
        if (!handle)
            continue;
        DiskGeometry geometry;
        if (!DiskIO::getDiskGeometry(handle.get(), geometry) || geometry.bytesPerSector == 0)
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
        if (handle->driveLayout(layout)) {
            switch (layout.style) {
            case LayoutStyle::MBR: disk.partitionStyle = Tessarin::PartitionStyle::MBR; break;
            case LayoutStyle::GPT: disk.partitionStyle = Tessarin::PartitionStyle::GPT; break;
            default: disk.partitionStyle = Tessarin::PartitionStyle::Unknown; break;
            }
        } else {
            disk.partitionStyle = styleFromSectorZero(handle.get(), disk.sectorSize);
        }

        disk.isSsd = DiskIO::isSsd(n);
        disk.busType = DiskIO::getBusType(n);
        disk.partitions = enumeratePartitions(n);
        for (const PartitionInfo& p : disk.partitions)
            disk.usedSpace += p.usedSpace;
        disk.isSystemDisk = isSystemDiskNumber(n);

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
