#include "cli/dryrunplan.h"

#include "modes/cloneplan.h"

#include <QJsonArray>

#include <algorithm>

QJsonObject DryRunPlan::json() const
{
    const uint32_t sector = m_plan.sectorSize;
    QJsonArray copies;
    for (const ClonePlan::Copy& c : m_plan.copies) {
        QJsonArray extents;
        for (const CopyExtent& e : c.extents)
            extents.append(QJsonObject{{QStringLiteral("sourceOffset"), qint64(e.sourceOffset)},
                                       {QStringLiteral("targetOffset"), qint64(e.targetOffset)},
                                       {QStringLiteral("length"), qint64(e.length)}});
        const CopyExtent first = c.extents.empty() ? CopyExtent{} : c.extents.front();
        copies.append(QJsonObject{{QStringLiteral("name"), c.name},
                                  {QStringLiteral("method"), ClonePlan::methodName(c.method)},
                                  {QStringLiteral("sourceStartSector"), qint64(first.sourceOffset / sector)},
                                  {QStringLiteral("targetStartSector"), qint64(first.targetOffset / sector)},
                                  {QStringLiteral("bytes"), qint64(c.bytes)},
                                  {QStringLiteral("extents"), extents}});
    }
    return QJsonObject{{QStringLiteral("event"), QStringLiteral("plan")},
                       {QStringLiteral("copies"), copies},
                       {QStringLiteral("totalBytes"), qint64(m_plan.totalBytes())},
                       {QStringLiteral("sourceReading"), QJsonArray::fromStringList(m_plan.source)},
                       {QStringLiteral("table"), QJsonArray::fromStringList(m_plan.table)},
                       {QStringLiteral("space"), QJsonArray::fromStringList(m_plan.space)},
                       {QStringLiteral("bootRepair"), QJsonArray::fromStringList(m_plan.boot)},
                       {QStringLiteral("verify"), m_config.verify},
                       {QStringLiteral("discardBytes"), qint64(discardBytes())}};
}

uint64_t DryRunPlan::discardBytes() const
{
    if (!m_config.discardFreeSpace)
        return 0;
    return ClonePlan::lengthOf(m_plan.unwrittenRanges(std::max<uint32_t>(m_config.targetDisk.sectorSize, 1)));
}

QString DryRunPlan::text() const
{
    const uint32_t sector = m_plan.sectorSize;
    QString s = QStringLiteral("Dry run: nothing is written.\nCopies (start sectors of %1 bytes):\n").arg(sector);
    for (const ClonePlan::Copy& c : m_plan.copies) {
        const CopyExtent first = c.extents.empty() ? CopyExtent{} : c.extents.front();
        s += QStringLiteral("  %1: %2, sector %3 -> %4, %5 (%6 bytes)\n")
                 .arg(c.name, ClonePlan::methodName(c.method))
                 .arg(first.sourceOffset / sector)
                 .arg(first.targetOffset / sector)
                 .arg(Tessarin::formatSize(c.bytes, 2))
                 .arg(c.bytes);
        // A copy in more than one piece (the table region with its boot records, a smart copy) lists them.
        if (c.extents.size() > 1 && c.method != ClonePlan::Method::Smart)
            for (const CopyExtent& e : c.extents)
                s += QStringLiteral("    sectors %1..%2 -> %3\n")
                         .arg(e.sourceOffset / sector)
                         .arg((e.sourceOffset + e.length) / sector - 1)
                         .arg(e.targetOffset / sector);
    }
    s += QStringLiteral("  total: %1 (%2 bytes)%3\n")
             .arg(Tessarin::formatSize(m_plan.totalBytes(), 2))
             .arg(m_plan.totalBytes())
             .arg(m_config.verify ? QStringLiteral(", read back and compared afterwards") : QString());
    const auto section = [&s](const QString& title, const QStringList& lines) {
        s += title + QLatin1String(":\n");
        for (const QString& line : lines)
            s += QLatin1String("  ") + line + QLatin1Char('\n');
    };
    if (!m_plan.source.isEmpty())
        section(QStringLiteral("Source"), m_plan.source);
    section(QStringLiteral("Partition table"), m_plan.table);
    if (!m_plan.space.isEmpty())
        section(QStringLiteral("Remaining space"), m_plan.space);
    section(QStringLiteral("Boot repair"), m_plan.boot);
    return s;
}
