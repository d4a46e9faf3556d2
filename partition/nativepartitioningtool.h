#pragma once
#include "core/rawdisk.h"
#include "partition/partitioningtool.h"

// The partitioning steps done natively on Linux (and for image files on Windows): the tables by the
// program's own code, the file systems by mkntfs, mkfs.fat and ntfsresize on a loop device over the
// one partition (Linux only). Disks are the
// platform's disk numbers; a step opens its disk for writing first, which the platform refuses
// while anything on it is mounted or in use, and holds it until the step is over.
class NativePartitioningTool : public PartitioningTool {
public:
    static constexpr int FormatTimeoutMs = 600000;
    static constexpr int ResizeTimeoutMs = 3600000;
    // The table areas cleared at either end of the disk.
    static constexpr uint64_t TableAreaBytes = 1ull << 20;
    static constexpr int NtfsLabelMax = 32;
    static constexpr int FatLabelMax = 11;

    bool clean(int diskNumber, TableStyle convertTo, const ScriptStep& step) override;
    bool listPartitions(int diskNumber, QList<Row>& rows) override;
    bool format(int diskNumber, int partitionNumber, Tessarin::FileSystemType fileSystem,
                const QString& label) override;
    bool extendFileSystem(int diskNumber, int partitionNumber) override;

    // The type column diskpart would show for a layout entry.
    static QString rowType(const PlatformLayoutEntry& entry, LayoutStyle style);
    // An empty MBR sector: boot signature and disk signature only.
    static std::vector<uint8_t> emptyMbr(uint32_t sectorSize, uint32_t diskSignature);

private:
    struct OpenDisk {
        DiskHandle handle;
        QString path;           // image file or block device behind the number
        uint32_t sectorSize = 512;
        uint32_t alignment = 512;
        uint64_t sizeBytes = 0;
        PlatformDriveLayout layout;
        bool hasLayout = false;
    };
    bool openDisk(int diskNumber, bool writable, OpenDisk& disk);
    bool findPartition(const OpenDisk& disk, int partitionNumber, PlatformLayoutEntry& entry);
    bool wipeSignatures(const OpenDisk& disk, uint64_t offset, uint64_t length);
    bool zeroRange(const OpenDisk& disk, uint64_t offset, uint64_t length);
    bool writeTable(const OpenDisk& disk, TableStyle style);
};
