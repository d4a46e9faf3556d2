#include "modes/systemclonelayout.h"
#include "core/tessarin.h"

#include "ondisk/fat32bootsector.h"
#include "ondisk/ntfsbootsector.h"

#include <QCoreApplication>
#include <algorithm>

namespace {

uint64_t roundUp(uint64_t value, uint64_t unit) { return (value + unit - 1) / unit * unit; }

bool hasUsageMap(const PartitionInfo& p)
{
    using FS = Tessarin::FileSystemType;
    const QString name = p.fileSystemName.toUpper();
    return p.fileSystem == FS::NTFS || p.fileSystem == FS::FAT32 || name == QLatin1String("NTFS")
        || name == QLatin1String("FAT32");
}
} // namespace

bool SystemCloneLayout::isMsr(const PartitionInfo& p) { return p.isMsr || Tessarin::isPartitionType(p.typeGuid, Tessarin::MsrTypeText); }

SystemCloneLayout::Role SystemCloneLayout::roleOf(const PartitionInfo& p, bool windowsVolume)
{
    if (p.size == 0)
        return Role::None;
    if (p.isEfi)
        return Role::Efi;
    if (p.isRecovery)
        return Role::Recovery;
    if (isMsr(p))
        return Role::Msr;
    if (windowsVolume)
        return Role::Windows;
    return p.isSystemReserved() ? Role::System : Role::None;
}

QString SystemCloneLayout::roleText(Role role, const QString& driveLetter)
{
    switch (role) {
    case Role::Efi: return QStringLiteral("EFI System Partition");
    case Role::Recovery: return QStringLiteral("Recovery Partition");
    case Role::System: return QStringLiteral("System Reserved");
    case Role::Msr: return QStringLiteral("Microsoft Reserved (MSR)");
    case Role::Windows: return QStringLiteral("Windows Installation (%1)").arg(driveLetter);
    case Role::None: break;
    }
    return {};
}

bool SystemCloneLayout::isSystemCritical(const PartitionInfo& p)
{
    switch (roleOf(p, p.holdsWindows())) {
    case Role::Efi:
    case Role::Msr:
    case Role::System:  // boot-critical: the copy must start exactly as the source did
        return true;
    case Role::Recovery: return !hasUsageMap(p);
    case Role::Windows: return p.isSystem && !hasUsageMap(p);
    case Role::None: break;
    }
    return false;
}

bool SystemCloneLayout::volumeExceeds(const uint8_t* boot, uint64_t partitionBytes)
{
    if (NtfsBootSector::hasOemId(boot))
        return NtfsBootSector::totalSectorsOf(boot) * NtfsBootSector::sectorSizeOf(boot) > partitionBytes;
    Fat32BootSector unlimited, limited;
    return Fat32BootSector::decode(boot, Fat32BootSector::Size, 0, unlimited) == Fat32BootSector::Status::Ok
        && Fat32BootSector::decode(boot, Fat32BootSector::Size, partitionBytes, limited) != Fat32BootSector::Status::Ok;
}

uint64_t SystemCloneLayout::neededBytes(const QList<PartitionInfo>& partitions, bool smart)
{
    uint64_t total = 0;
    for (const PartitionInfo& p : partitions)
        total += (!smart || isSystemCritical(p)) ? p.size : p.usedSpace;
    return total;
}

uint64_t SystemCloneLayout::packedBytes(const QList<PartitionInfo>& partitions)
{
    uint64_t end = MiB;
    for (const PartitionInfo& p : partitions)
        end += roundUp(p.size, MiB);
    return end;
}

int SystemCloneLayout::growIndexOf(const QList<PartitionInfo>& partitions)
{
    for (int i = 0; i < partitions.size(); ++i)
        if (partitions[i].holdsWindows() && !partitions[i].isEfi && !partitions[i].isRecovery && !isMsr(partitions[i]))
            return i;
    return -1;
}

uint64_t SystemCloneLayout::grownSize(const std::vector<Placement>& placements, int index, uint32_t sectorSize,
                                      uint64_t targetBytes)
{
    if (index < 0 || size_t(index) >= placements.size() || sectorSize == 0)
        return 0;
    const Placement& grown = placements[size_t(index)];
    uint64_t end = targetBytes;
    for (const Placement& other : placements)
        if (other.targetOffset >= grown.targetOffset + grown.size)
            end = std::min(end, other.targetOffset);
    const uint64_t size = end > grown.targetOffset ? (end - grown.targetOffset) / sectorSize * sectorSize : 0;
    return std::max(size, grown.size);
}

bool SystemCloneLayout::place(const QList<PartitionInfo>& partitions, uint32_t sectorSize, bool align4K,
                              uint64_t targetBytes, std::vector<Placement>& out, QString& error, int growIndex)
{
    out.clear();
    const uint64_t alignment = align4K ? std::max<uint64_t>(MiB, sectorSize) : sectorSize;
    uint64_t previousSourceEnd = 0, previousTargetEnd = 0;
    for (int i = 0; i < partitions.size(); ++i) {
        const PartitionInfo& p = partitions[i];
        Placement at{p.startByte(), p.startByte(), p.size};
        if (at.sourceOffset % sectorSize != 0) {
            error = QCoreApplication::translate("SystemCloneMode", "Partition %1 does not start on a %2-byte sector")
                        .arg(p.partitionNumber).arg(sectorSize);
            return false;
        }
        if (i > 0 && at.sourceOffset > previousSourceEnd && at.sourceOffset - previousSourceEnd > RelocationGap)
            at.targetOffset = roundUp(previousTargetEnd, alignment);
        if (i > 0 && at.targetOffset < previousTargetEnd) {
            error = QCoreApplication::translate("SystemCloneMode", "Partition %1 overlaps the partition before it")
                        .arg(p.partitionNumber);
            return false;
        }
        if (at.targetOffset + at.size > targetBytes) {
            error = QCoreApplication::translate("SystemCloneMode", "Partition %1 would exceed target disk size")
                        .arg(p.partitionNumber);
            return false;
        }
        previousSourceEnd = at.sourceOffset + at.size;
        previousTargetEnd = at.targetOffset + at.size;
        out.push_back(at);
    }
    moveBehindToEnd(out, growIndex, targetBytes, alignment);
    return true;
}

void SystemCloneLayout::moveBehindToEnd(std::vector<Placement>& out, int growIndex, uint64_t end, uint64_t alignment)
{
    if (growIndex < 0 || size_t(growIndex) + 1 >= out.size())
        return;
    // Walked from the end backwards, so the last partition ends as close to it as the unit allows.
    std::vector<uint64_t> tail(out.size(), 0);
    for (size_t i = out.size(); i-- > size_t(growIndex) + 1;) {
        if (end < out[i].size)
            return;
        tail[i] = (end - out[i].size) / alignment * alignment;
        end = tail[i];
    }
    const Placement& grown = out[size_t(growIndex)];
    if (end < grown.targetOffset + grown.size)
        return;
    for (size_t i = size_t(growIndex) + 1; i < out.size(); ++i)
        out[i].targetOffset = tail[i];
}
