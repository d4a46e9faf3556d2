#include "partition/diskpartpartitioningtool.h"

#include "core/logger.h"
#include "partition/nativepartitioningtool.h"
#include "platformtools/diskpartscript.h"
#include "platformtools/toolrunner.h"

namespace {
const QString FormatScriptName = QStringLiteral("/tessarin_format.txt");
const QString ExtendScriptName = QStringLiteral("/tessarin_extend.txt");

bool validDisk(int diskNumber) { return diskNumber >= 0; }
bool validPartition(int diskNumber, int partitionNumber) { return diskNumber >= 0 && partitionNumber >= 1; }
}

QString DiskpartPartitioningTool::cleanScript(int diskNumber, TableStyle convertTo)
{
    if (!validDisk(diskNumber))
        return QString();
    QString script = QStringLiteral("select disk %1\nclean\n").arg(diskNumber);
    if (convertTo == TableStyle::Gpt)
        script += QStringLiteral("convert gpt noerr\n");
    else if (convertTo == TableStyle::Mbr)
        script += QStringLiteral("convert mbr noerr\n");
    return script;
}

QString DiskpartPartitioningTool::formatScript(int diskNumber, int partitionNumber,
                                               Tessarin::FileSystemType fileSystem, const QString& label)
{
    QString fs;
    if (fileSystem == Tessarin::FileSystemType::NTFS)
        fs = QStringLiteral("ntfs");
    else if (fileSystem == Tessarin::FileSystemType::FAT32)
        fs = QStringLiteral("fat32");
    if (fs.isEmpty() || !validPartition(diskNumber, partitionNumber) || !DiskpartScript::isSafeLabel(label))
        return QString();
    return QStringLiteral("select disk %1\nselect partition %2\nformat fs=%3 label=\"%4\" quick\n")
        .arg(diskNumber)
        .arg(partitionNumber)
        .arg(fs, label);
}

QString DiskpartPartitioningTool::extendScript(int diskNumber, int partitionNumber)
{
    if (!validPartition(diskNumber, partitionNumber))
        return QString();
    return QStringLiteral("select disk %1\nselect partition %2\nextend filesystem\n").arg(diskNumber).arg(partitionNumber);
}

bool DiskpartPartitioningTool::formatSucceeded(const CommandResult& result, const QString& output)
{
    if (!result.finished || result.exitCode != 0)
        return false;
    // "100 percent completed" in every language diskpart speaks: the number, not the words.
    return output.contains(QLatin1String("100"));
}

bool DiskpartPartitioningTool::clean(int diskNumber, TableStyle convertTo, const ScriptStep& step)
{
    const QString script = cleanScript(diskNumber, convertTo);
    if (script.isEmpty())
        return fail(QStringLiteral("Refusing to clean disk %1").arg(diskNumber));
    Logger& log = Logger::instance();
    log.info(QStringLiteral("Diskpart clean script:\n%1").arg(script));
    const ToolRunner::ScriptRun run = ToolRunner::runNamedScript(step.fileName, script, step.timeoutMs);
    if (!run.created)
        return fail(QStringLiteral("Failed to create diskpart script: %1").arg(step.fileName));
    if (run.result.timedOut)
        return fail(QStringLiteral("Diskpart clean timed out"));
    if (!run.result.started || !run.result.finished)
        return fail(QStringLiteral("Diskpart clean did not run"));
    log.info(QStringLiteral("Diskpart clean output:\n%1%2").arg(run.standardOutput, run.standardError));
    if (run.result.exitCode != 0)
        return fail(QStringLiteral("Diskpart clean failed with exit code %1").arg(run.result.exitCode));
    CommandRunner::current().sleepMs(SettleAfterCleanMs);
    return true;
}

// diskpart's listing is in the system's language; the table itself is not.
bool DiskpartPartitioningTool::listPartitions(int diskNumber, QList<Row>& rows)
{
    NativePartitioningTool layout;
    if (!layout.listPartitions(diskNumber, rows))
        return fail(layout.lastError());
    return true;
}

bool DiskpartPartitioningTool::format(int diskNumber, int partitionNumber, Tessarin::FileSystemType fileSystem,
                                      const QString& label)
{
    const QString script = formatScript(diskNumber, partitionNumber, fileSystem, label);
    if (script.isEmpty())
        return fail(QStringLiteral("Refusing to format partition %1 of disk %2 (file system or label not allowed)")
                        .arg(partitionNumber)
                        .arg(diskNumber));
    Logger::instance().info(QStringLiteral("Diskpart format script:\n%1").arg(script));
    const ToolRunner::ScriptRun run = ToolRunner::runNamedScript(FormatScriptName, script, FormatTimeoutMs);
    if (!run.created)
        return fail(QStringLiteral("Failed to create diskpart format script"));
    const QString output = ToolRunner::combinedOutput(run.result);
    Logger::instance().info(QStringLiteral("Diskpart format output:\n%1").arg(output));
    if (!formatSucceeded(run.result, output))
        return fail(QStringLiteral("Diskpart format of partition %1 failed (exit code %2)")
                        .arg(partitionNumber)
                        .arg(run.result.exitCode));
    return true;
}

bool DiskpartPartitioningTool::extendFileSystem(int diskNumber, int partitionNumber)
{
    const QString script = extendScript(diskNumber, partitionNumber);
    if (script.isEmpty())
        return fail(QStringLiteral("Refusing to extend partition %1 of disk %2").arg(partitionNumber).arg(diskNumber));
    const ToolRunner::ScriptRun run = ToolRunner::runNamedScript(ExtendScriptName, script, ExtendTimeoutMs);
    if (!run.created)
        return fail(QStringLiteral("Failed to create diskpart extend script"));
    const QString output = ToolRunner::combinedOutput(run.result);
    Logger::instance().info(QStringLiteral("Diskpart extend output:\n%1").arg(output));
    if (!run.succeeded())
        return fail(QStringLiteral("Diskpart could not extend the file system of partition %1 (exit code %2)")
                        .arg(partitionNumber)
                        .arg(run.result.exitCode));
    return true;
}
