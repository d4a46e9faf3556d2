#pragma once
#include "partition/diskpartpartitioningtool.h"
#include "partition/nativepartitioningtool.h"

// The Windows tool: diskpart for the machine's disks, the program's own table code for a disk that
// is an image file (named in TESSARIN_DISKS), which diskpart cannot reach. Formatting and
// extending an image's file system are refused there.
class WindowsPartitioningTool : public PartitioningTool {
public:
    bool clean(int diskNumber, TableStyle convertTo, const ScriptStep& step) override;
    bool listPartitions(int diskNumber, QList<Row>& rows) override;
    bool format(int diskNumber, int partitionNumber, Tessarin::FileSystemType fileSystem,
                const QString& label) override;
    bool extendFileSystem(int diskNumber, int partitionNumber) override;

    // True when the place behind a disk number is a file rather than a drive.
    static bool isImagePath(const QString& realPath);

private:
    PartitioningTool& toolFor(int diskNumber);
    bool keep(PartitioningTool& tool, bool ok);

    DiskpartPartitioningTool m_diskpart;
    NativePartitioningTool m_native;
};
