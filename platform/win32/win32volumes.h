#pragma once
// Volume names, mount points and volume information. Compiled only on Windows.
#include "platform/platformfiles.h"
#include "platform/platformvolumes.h"

class Win32Volumes : public PlatformVolumes {
public:
    explicit Win32Volumes(PlatformFiles& files);

    std::vector<std::string> enumerateVolumes() override;
    std::vector<std::string> volumeMountPaths(const std::string& volumeName) override;
    std::string volumeNameForMountPoint(const std::string& mountPoint) override;
    bool volumeInformation(const std::string& rootPath, std::string& label,
                           std::string& fileSystemName) override;
    bool diskFreeSpace(const std::string& rootPath, uint64_t& totalBytes, uint64_t& freeBytes) override;
    bool volumeContainsPath(const std::string& volumeName, const std::string& relativePath,
                            ProcessRunner& runner) override;

private:
    PlatformFiles& m_files;
};
