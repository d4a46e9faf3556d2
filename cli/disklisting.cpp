#include "cli/disklisting.h"

#include <QJsonObject>

namespace {
uint64_t inDiskSectors(uint64_t units512, const DiskInfo& disk)
{
    return units512 * 512 / (disk.sectorSize ? disk.sectorSize : 512);
}

QString partitionLine(const DiskInfo& d, const PartitionInfo& p)
{
    const QStringList roles = DiskListing::roles(p);
    return QStringLiteral("  %1  start %2  %3  %4  %5%6%7\n")
        .arg(p.partitionNumber, 2)
        .arg(inDiskSectors(p.start512, d), 10)
        .arg(p.sizeString(), 10)
        .arg(p.fileSystemText().isEmpty() ? QStringLiteral("-") : p.fileSystemText(), -6)
        .arg(p.label.isEmpty() ? QString() : QStringLiteral("\"%1\"  ").arg(p.label),
             p.usedSpace ? QStringLiteral("used %1  ").arg(Tessarin::formatSize(p.usedSpace, 2)) : QString(),
             roles.isEmpty() ? QString() : QStringLiteral("[%1]").arg(roles.join(QLatin1Char(','))));
}
} // namespace

QStringList DiskListing::roles(const PartitionInfo& p)
{
    QStringList r;
    if (p.isEfi)
        r << QStringLiteral("EFI");
    if (p.isMsr)
        r << QStringLiteral("MSR");
    if (p.isRecovery)
        r << QStringLiteral("recovery");
    if (p.isSystem)
        r << QStringLiteral("system");
    if (p.holdsWindows())
        r << QStringLiteral("Windows");
    return r;
}

QString DiskListing::styleName(Tessarin::PartitionStyle style)
{
    switch (style) {
    case Tessarin::PartitionStyle::GPT: return QStringLiteral("GPT");
    case Tessarin::PartitionStyle::MBR: return QStringLiteral("MBR");
    case Tessarin::PartitionStyle::Unknown: break;
    }
    return QStringLiteral("none");
}

QString DiskListing::tableText(const DiskInfo& d)
{
    // "none" would claim a blank disk where the table could not be read.
    return d.unreadableTableSector >= 0 ? QStringLiteral("unreadable") : styleName(d.partitionStyle);
}

QString DiskListing::typeText(const PartitionInfo& p)
{
    if (!p.typeGuid.isEmpty())
        return p.typeGuid.toUpper().remove(QLatin1Char('{')).remove(QLatin1Char('}'));
    return QStringLiteral("0x%1").arg(p.mbrType, 2, 16, QLatin1Char('0'));
}

QString DiskListing::describe(const DiskInfo& d)
{
    QString s = QStringLiteral("Disk %1  %2  %3  %4  %5 B/sector  %6\n")
                    .arg(d.diskNumber)
                    .arg(d.realPath, d.model.isEmpty() ? QStringLiteral("-") : d.model, d.sizeString())
                    .arg(d.sectorSize)
                    .arg(tableText(d));
    if (!d.tableReadError().isEmpty())
        s += QStringLiteral("  %1\n").arg(d.tableReadError());
    for (const PartitionInfo& p : d.partitions)
        s += partitionLine(d, p);
    return s;
}

QString DiskListing::text(const QList<DiskInfo>& disks)
{
    QString s;
    for (const DiskInfo& d : disks)
        s += describe(d) + QLatin1Char('\n');
    return s;
}

QJsonArray DiskListing::json(const QList<DiskInfo>& disks)
{
    QJsonArray out;
    for (const DiskInfo& d : disks) {
        QJsonArray parts;
        for (const PartitionInfo& p : d.partitions) {
            parts.append(QJsonObject{
                {QStringLiteral("number"), p.partitionNumber},
                {QStringLiteral("startSector"), qint64(inDiskSectors(p.start512, d))},
                {QStringLiteral("sectors"), qint64(p.size / (d.sectorSize ? d.sectorSize : 512))},
                {QStringLiteral("sizeBytes"), qint64(p.size)},
                {QStringLiteral("type"), typeText(p)},
                {QStringLiteral("fileSystem"), p.fileSystemText()},
                {QStringLiteral("label"), p.label},
                {QStringLiteral("usedBytes"), qint64(p.usedSpace)},
                {QStringLiteral("roles"), QJsonArray::fromStringList(roles(p))},
            });
        }
        QJsonObject disk{
            {QStringLiteral("number"), d.diskNumber},
            {QStringLiteral("path"), d.realPath},
            {QStringLiteral("devicePath"), d.devicePath},
            {QStringLiteral("model"), d.model},
            {QStringLiteral("sizeBytes"), qint64(d.size)},
            {QStringLiteral("sectorSize"), qint64(d.sectorSize)},
            {QStringLiteral("table"), tableText(d)},
            {QStringLiteral("systemDisk"), d.isSystemDisk},
            {QStringLiteral("partitions"), parts},
        };
        if (!d.tableReadError().isEmpty())
            disk.insert(QStringLiteral("tableError"), d.tableReadError());
        out.append(disk);
    }
    return out;
}
