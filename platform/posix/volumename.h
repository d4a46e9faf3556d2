#pragma once
#include <cstdint>
#include <string>

// Volume names for Linux partitions. The braces hold a GUID-shaped text of 16 bytes in hexadecimal,
// in their order (not a GUID's mixed byte order). Two kinds:
// - A kernel partition device: its kernel name ("sdb1" = /dev/sdb1) as bytes, padded with zero
//   bytes to 16: "sdb1" -> "\\?\Volume{73646231-0000-0000-0000-000000000000}\".
// - A partition of an image-file disk, which has no kernel device: a zero byte, "IMG", the disk
//   number and the partition number as big-endian 32-bit values, then zeros: disk 3, partition 2
//   -> "\\?\Volume{00494D47-0000-0003-0000-000200000000}\". The leading zero byte keeps it apart
//   from every kernel name.
// Both are stable while the device keeps its name (the table keeps its numbers), reversible
// without any lookup, and look like a GUID to code that expects one.
class VolumeName {
public:
    static constexpr size_t MaxKernelName = 16;

    // Empty when the name is empty, too long or holds a '/'.
    static std::string encode(const std::string& kernelName);
    // Kernel name from "\\?\Volume{...}" or "\\.\Volume{...}", with or without trailing backslash;
    // empty when `name` is not such a volume name.
    static std::string decode(const std::string& name);
    static bool isVolumeName(const std::string& name) { return !decode(name).empty(); }

    // Empty for a negative disk number.
    static std::string encodeImagePartition(int diskNumber, uint32_t partitionNumber);
    static bool decodeImagePartition(const std::string& name, int& diskNumber, uint32_t& partitionNumber);
};
