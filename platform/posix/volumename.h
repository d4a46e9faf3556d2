#pragma once
#include <string>

// Volume names for Linux partitions. The braces hold a GUID-shaped text that is the kernel name
// of the partition device ("sdb1" = /dev/sdb1) as hexadecimal bytes, padded with zero bytes to 16:
// "sdb1" -> "\\?\Volume{73646231-0000-0000-0000-000000000000}\". It is stable while the device
// keeps its name, reversible without any lookup, and looks like a GUID to code that expects one.
class VolumeName {
public:
    static constexpr size_t MaxKernelName = 16;

    // Empty when the name is empty, too long or holds a '/'.
    static std::string encode(const std::string& kernelName);
    // Kernel name from "\\?\Volume{...}" or "\\.\Volume{...}", with or without trailing backslash;
    // empty when `name` is not such a volume name.
    static std::string decode(const std::string& name);
    static bool isVolumeName(const std::string& name) { return !decode(name).empty(); }
};
