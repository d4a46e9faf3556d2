#pragma once
#include "platform/processrunner.h"

#include <cstdint>
#include <string>
#include <vector>

// The volumes the system knows: their names, mount paths, labels and free space.
class PlatformVolumes {
public:
    virtual ~PlatformVolumes() = default;

    virtual std::vector<std::string> enumerateVolumes() = 0;
    virtual std::vector<std::string> volumeMountPaths(const std::string& volumeName) = 0;
    virtual std::string volumeNameForMountPoint(const std::string& mountPoint) = 0;
    virtual bool volumeInformation(const std::string& rootPath, std::string& label,
                                   std::string& fileSystemName) = 0;
    virtual bool diskFreeSpace(const std::string& rootPath, uint64_t& totalBytes, uint64_t& freeBytes) = 0;
    // True when `relativePath` ("Windows\System32") exists below the volume's root, whether or not
    // the volume is mounted; never writes to the volume. The default looks below its mount paths
    // through the installed files; a backend that needs a tool to look starts it through `runner`.
    virtual bool volumeContainsPath(const std::string& volumeName, const std::string& relativePath,
                                    ProcessRunner& runner);
};
