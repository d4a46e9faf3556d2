#pragma once
#include "core/tessarin.h"

#include <QList>
#include <QString>
#include <cstdint>
#include <memory>

// The partitioning steps that need the operating system's cooperation, behind one interface:
// diskpart scripts on Windows, native code and the file-system tools on Linux. Every step names
// the one disk it may touch and touches no other.
class PartitioningTool {
public:
    enum class TableStyle { None, Mbr, Gpt };

    // How the Windows scripts of a step are run; the native implementation ignores it.
    struct ScriptStep {
        QString fileName = QStringLiteral("/tessarin_disk_clean.txt");  // the named script file
        int timeoutMs = 120000;

        // The clean of each clone mode (the defaults are the disk clone's).
        static ScriptStep diskClone() { return {}; }
        static ScriptStep systemClone() { return {QStringLiteral("/tessarin_clean.txt"), 60000}; }
        static ScriptStep partitionClone() { return {QStringLiteral("/tessarin_partition_clean.txt"), 120000}; }
    };

    // One row of a partition listing, positions in bytes from the disk's start.
    struct Row {
        int number = 0;            // the number the platform gives the partition (1-based)
        QString type;              // "Primary", "System", "Reserved", "Recovery", ...
        uint64_t offsetBytes = 0;
        uint64_t sizeBytes = 0;
    };

    virtual ~PartitioningTool() = default;

    // Wipes the disk's partition tables and file-system signatures, then writes an empty table of
    // `convertTo` (None: leaves the disk blank). Refused when anything on the disk is in use.
    virtual bool clean(int diskNumber, TableStyle convertTo, const ScriptStep& step) = 0;
    virtual bool listPartitions(int diskNumber, QList<Row>& rows) = 0;
    // Formats partition `partitionNumber` (a Row number) with `fileSystem` and `label`.
    virtual bool format(int diskNumber, int partitionNumber, Tessarin::FileSystemType fileSystem,
                        const QString& label) = 0;
    // Grows the file system of a partition to fill the partition.
    virtual bool extendFileSystem(int diskNumber, int partitionNumber) = 0;

    QString lastError() const { return m_lastError; }

    // The platform's implementation, or the one a test installed.
    static PartitioningTool& current();
    static void setCurrent(PartitioningTool* tool);  // nullptr restores the platform's

protected:
    bool fail(const QString& message);
    // The implementation for the system the program was built for (one definition per platform).
    static PartitioningTool* createPlatformTool();
    QString m_lastError;
};

// Installs a tool for one scope and restores the previous one.
class ScopedPartitioningTool {
public:
    explicit ScopedPartitioningTool(PartitioningTool* tool);
    ~ScopedPartitioningTool();
    ScopedPartitioningTool(const ScopedPartitioningTool&) = delete;
    ScopedPartitioningTool& operator=(const ScopedPartitioningTool&) = delete;

private:
    PartitioningTool* m_previous;
};
