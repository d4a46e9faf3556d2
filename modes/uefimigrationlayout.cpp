#include "modes/uefimigrationlayout.h"

#include <QCoreApplication>
#include <algorithm>

namespace {
uint64_t roundUp(uint64_t value, uint64_t unit) { return (value + unit - 1) / unit * unit; }
} // namespace

bool UefiMigrationLayout::takes(const PartitionInfo& p)
{
    using Role = SystemCloneLayout::Role;
    const Role role = SystemCloneLayout::roleOf(p, p.holdsWindows());
    return role == Role::Windows || role == Role::Recovery;
}

QList<PartitionInfo> UefiMigrationLayout::split(QList<PartitionInfo>& system)
{
    std::sort(system.begin(), system.end(), [](const PartitionInfo& a, const PartitionInfo& b) { return a.start512 < b.start512; });
    QList<PartitionInfo> left;
    for (qsizetype i = system.size(); i-- > 0;)
        if (!takes(system[i]))
            left.prepend(system.takeAt(i));
    return left;
}

QStringList UefiMigrationLayout::tableSteps(const QList<PartitionInfo>& leftBehind)
{
    QStringList lines{QStringLiteral("BIOS-to-UEFI migration: a new EFI system partition (FAT32, %1 MiB) at 1 MiB and a Microsoft "
                                     "reserved partition (%2 MiB), then the copied partitions, with new disk and partition identifiers")
                          .arg(EspBytes / MiB).arg(MsrBytes / MiB)};
    for (const PartitionInfo& p : leftBehind)
        lines << QStringLiteral("leave %1 behind: the copy starts from its new EFI system partition").arg(p.displayName());
    return lines;
}

QString UefiMigrationLayout::bootStep(bool bootTools)
{
    return bootTools ? QStringLiteral("bcdboot <copy>\\Windows /s <new EFI system partition> /f UEFI")
                     : QStringLiteral("copy bootmgfw.efi from the copy's Windows\\Boot\\EFI to \\EFI\\Microsoft\\Boot and "
                                      "\\EFI\\Boot\\bootx64.efi, and write a new boot store naming the copy's partitions");
}

bool UefiMigrationLayout::place(const QList<PartitionInfo>& partitions, uint32_t sectorSize, bool align4K,
                                uint64_t usableBytes, std::vector<Placement>& out, QString& error, int growIndex)
{
    out.clear();
    const uint64_t alignment = align4K ? std::max<uint64_t>(MiB, sectorSize) : sectorSize;
    uint64_t next = FirstCopyOffset;
    for (const PartitionInfo& p : partitions) {
        Placement at{p.startByte(), roundUp(next, alignment), p.size};
        if (at.sourceOffset % sectorSize != 0 || p.size % sectorSize != 0) {
            error = QCoreApplication::translate("SystemCloneMode", "Partition %1 does not start on a %2-byte sector")
                        .arg(p.partitionNumber).arg(sectorSize);
            return false;
        }
        if (at.targetOffset + at.size > usableBytes) {
            error = QCoreApplication::translate("SystemCloneMode", "Partition %1 would exceed target disk size").arg(p.partitionNumber);
            return false;
        }
        next = at.targetOffset + at.size;
        out.push_back(at);
    }
    SystemCloneLayout::moveBehindToEnd(out, growIndex, usableBytes, alignment);
    return true;
}

std::vector<UefiMigrationLayout::Entry> UefiMigrationLayout::entries(const std::vector<Placement>& placements)
{
    std::vector<Entry> out{{Kind::Esp, EspOffset, EspBytes, -1}, {Kind::Msr, EspOffset + EspBytes, MsrBytes, -1}};
    for (size_t i = 0; i < placements.size(); ++i)
        out.push_back({Kind::Copy, placements[i].targetOffset, placements[i].size, int(i)});
    return out;
}
