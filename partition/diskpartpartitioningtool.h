#pragma once
#include "core/commandrunner.h"
#include "partition/partitioningtool.h"

// The partitioning steps as diskpart scripts, run through ToolRunner's named-script procedure.
// Portable code: on systems without diskpart it is exercised with a scripted runner. The listing
// comes from the disk's own table (the drive layout), not from diskpart's localized text.
class DiskpartPartitioningTool : public PartitioningTool {
public:
    static constexpr int FormatTimeoutMs = 120000;
    static constexpr int ExtendTimeoutMs = 120000;
    // The disk is given a moment after a clean before anything opens it again.
    static constexpr int SettleAfterCleanMs = 2000;

    bool clean(int diskNumber, TableStyle convertTo, const ScriptStep& step) override;
    bool listPartitions(int diskNumber, QList<Row>& rows) override;
    bool format(int diskNumber, int partitionNumber, Tessarin::FileSystemType fileSystem,
                const QString& label) override;
    bool extendFileSystem(int diskNumber, int partitionNumber) override;

    // Scripts; empty (nothing will run) for a negative disk, a partition below 1, a file system
    // diskpart cannot format or an unsafe label.
    static QString cleanScript(int diskNumber, TableStyle convertTo);
    static QString formatScript(int diskNumber, int partitionNumber, Tessarin::FileSystemType fileSystem,
                                const QString& label);
    static QString extendScript(int diskNumber, int partitionNumber);
    // diskpart's format prints its percentage even when it fails, so the text alone proves nothing.
    static bool formatSucceeded(const CommandResult& result, const QString& output);
};
