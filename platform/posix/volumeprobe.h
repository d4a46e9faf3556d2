#pragma once
#include "platform/processrunner.h"

#include <cstdint>
#include <string>
#include <vector>

// Looks for a path on a volume without writing to it: below its mount point when it is mounted,
// otherwise through a read-only loop device over its bytes and ntfsls (NTFS only). Names are
// matched without regard to case, as Windows does.
class VolumeProbe {
public:
    // "Windows\System32" or "Windows/System32" -> {"Windows", "System32"}; empty parts dropped.
    static std::vector<std::string> splitRelative(const std::string& relativePath);
    // The entry of `listing` (one name a line, as ntfsls prints) equal to `name` ignoring case; empty if none.
    static std::string findInListing(const std::string& listing, const std::string& name);

    static bool containsBelowMount(const std::string& mountPoint, const std::string& relativePath);
    // `length` 0: from `offset` to the end of `path` (a partition device). losetup and ntfsls
    // run through `runner`.
    static bool containsOnNtfs(ProcessRunner& runner, const std::string& path, uint64_t offset, uint64_t length,
                               const std::string& relativePath);
};
