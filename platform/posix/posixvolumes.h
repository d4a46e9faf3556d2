#pragma once
#include "platform/platformtypes.h"
#include "platform/posix/disktable.h"
#include "platform/posix/posixdeviceopener.h"
#include "platform/processrunner.h"

#include <cstdint>
#include <string>
#include <vector>

class PosixFiles;

// Volumes: the partitions of the table's block devices (named by kernel name) and of its image
// files (named by disk and partition number), where they are mounted, and what they hold.
class PosixVolumes {
public:
    PosixVolumes(DiskTable& disks, const PosixFiles& files, PosixDeviceOpener& opener)
        : m_disks(disks), m_files(files), m_opener(opener)
    {
    }

    std::vector<std::string> enumerate();
    std::vector<std::string> mountPaths(const std::string& volumeName);
    std::string nameForMountPoint(const std::string& mountPoint);
    bool information(const std::string& rootPath, std::string& label, std::string& fileSystemName);
    bool freeSpace(const std::string& rootPath, uint64_t& totalBytes, uint64_t& freeBytes);
    // `relativePath` below the volume's root, looked up read-only (see VolumeProbe).
    bool containsPath(const std::string& volumeName, const std::string& relativePath, ProcessRunner& runner);
    // Table number of the whole disk that holds the root file system, or -1.
    int rootFileSystemDisk();

    // Whether `name` names a partition of an image-file disk; if so, `found` tells whether it
    // exists (lastError when not) and `out` where it lies.
    bool imageVolumeNamed(const std::string& name, PosixDeviceOpener::Target& out, bool& found);
    // Kernel name of the block device behind a volume name or a mount path; `mountType` gets the
    // file-system type of its mount when it is mounted.
    std::string volumeDevice(const std::string& rootPath, std::string& mountType, std::string& mountPoint);

private:
    bool imageVolumeTarget(int diskNumber, uint32_t partitionNumber, PosixDeviceOpener::Target& out);
    // The volume entries of the table of disk `number` when that disk is an image file; false
    // when it is not one or its table cannot be read.
    bool imageVolumes(int number, const DiskTable::Entry& entry, std::vector<PlatformLayoutEntry>& out);

    DiskTable& m_disks;
    const PosixFiles& m_files;
    PosixDeviceOpener& m_opener;
};
