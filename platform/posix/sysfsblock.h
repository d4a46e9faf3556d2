#pragma once
#include <cstdint>
#include <string>
#include <sys/types.h>
#include <vector>

// What the kernel tells about block devices under /sys. Every answer is read fresh; missing
// attributes give empty strings, -1 or empty lists.
class SysfsBlock {
public:
    struct Partition {
        std::string name;        // kernel name, e.g. "sdb2", "loop0p1", "nvme0n1p3"
        uint32_t number = 0;
        uint64_t startBytes = 0;
        uint64_t lengthBytes = 0;
    };

    // The first line of a sysfs (or any) text file, trailing white space removed.
    static std::string readAttribute(const std::string& path);

    // "/dev/<name>" of the machine's whole disks in name order, without ram*, zram*, sr*, loop
    // devices without backing file and devices of size 0 (unconnected nbd, empty readers).
    static std::vector<std::string> wholeDiskPaths();

    // Kernel name ("sdb1") of a block device number, from /sys/dev/block/MAJ:MIN; empty if unknown.
    static std::string kernelName(dev_t rdev);
    // The /sys/class/block/<name> directory resolved to its real place.
    static std::string deviceDirectory(const std::string& kernelName);
    static bool isPartition(const std::string& kernelName);
    // Whole-disk kernel name of a partition ("sdb" for "sdb1"); the name itself for a whole disk.
    static std::string wholeDiskName(const std::string& kernelName);
    // Partitions of a whole disk, in partition-number order.
    static std::vector<Partition> partitions(const std::string& diskName);
    static bool partitionInfo(const std::string& partName, Partition& out);
    // Backing file of a loop device (without a " (deleted)" mark); empty when none or not a loop.
    static std::string loopBackingFile(const std::string& kernelName);
    // Loop device names whose backing file is the file with this identity.
    static std::vector<std::string> loopDevicesBackedBy(dev_t fileDev, ino_t fileIno);
    // Kernel names that hold this device (device mapper, md, bcache...).
    static std::vector<std::string> holders(const std::string& kernelName);
    // Kernel names this device is built on (the other direction of holders).
    static std::vector<std::string> slaves(const std::string& kernelName);
    // "MAJ:MIN" of a device as the kernel reports it.
    static bool deviceNumber(const std::string& kernelName, dev_t& out);
};
