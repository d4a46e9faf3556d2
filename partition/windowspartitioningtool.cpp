#include "partition/windowspartitioningtool.h"

#include "platform/platform.h"

bool WindowsPartitioningTool::isImagePath(const QString& realPath)
{
    return !realPath.isEmpty() && !realPath.startsWith(QLatin1String("\\\\.\\"))
        && !realPath.startsWith(QLatin1String("\\\\?\\"));
}

PartitioningTool& WindowsPartitioningTool::toolFor(int diskNumber)
{
    const QString real = QString::fromStdString(Platform::devices().diskRealPath(diskNumber));
    if (isImagePath(real))
        return m_native;
    return m_diskpart;
}

bool WindowsPartitioningTool::keep(PartitioningTool& tool, bool ok)
{
    if (!ok)
        m_lastError = tool.lastError();
    return ok;
}

bool WindowsPartitioningTool::clean(int diskNumber, TableStyle convertTo, const ScriptStep& step)
{
    PartitioningTool& tool = toolFor(diskNumber);
    return keep(tool, tool.clean(diskNumber, convertTo, step));
}

bool WindowsPartitioningTool::listPartitions(int diskNumber, QList<Row>& rows)
{
    PartitioningTool& tool = toolFor(diskNumber);
    return keep(tool, tool.listPartitions(diskNumber, rows));
}

bool WindowsPartitioningTool::format(int diskNumber, int partitionNumber, Tessarin::FileSystemType fileSystem,
                                     const QString& label)
{
    PartitioningTool& tool = toolFor(diskNumber);
    return keep(tool, tool.format(diskNumber, partitionNumber, fileSystem, label));
}

bool WindowsPartitioningTool::extendFileSystem(int diskNumber, int partitionNumber)
{
    PartitioningTool& tool = toolFor(diskNumber);
    return keep(tool, tool.extendFileSystem(diskNumber, partitionNumber));
}

#ifdef Q_OS_WIN
PartitioningTool* PartitioningTool::createPlatformTool() { return new WindowsPartitioningTool; }
#endif
