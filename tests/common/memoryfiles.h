#pragma once
// Files, drive letters and the Windows folder held in memory, for tests: the files part of a
// MemoryPlatform, usable alone. Paths compare as Windows compares them.
#include "platform/platform.h"

#include <cstdint>
#include <mutex>
#include <set>
#include <string>
#include <vector>

class MemoryFiles : public PlatformFiles {
public:
    std::set<std::string> existingPaths;            // fileExists; createDirectory/copyFile/deleteFile edit it
    std::vector<std::pair<std::string, std::string>> copiedFiles;  // (from, to) of each copyFile
    std::set<std::string> failingPaths;             // file operations on these fail with AccessDenied
    uint32_t driveMask = 1u << 2;                   // C:
    static uint32_t letterMask(const std::string& letters);  // "ZYC" -> the bits of Z:, Y: and C:

    std::string windowsDirectory() override;
    bool fileExists(const std::string& path) override;
    bool createDirectory(const std::string& path) override;
    bool copyFile(const std::string& from, const std::string& to, bool failIfExists) override;
    bool deleteFile(const std::string& path) override;
    bool setFileAttributesNormal(const std::string& path) override;
    uint32_t logicalDrives() override;
    uint32_t driveType(const std::string& rootPath) override;

private:
    mutable std::recursive_mutex m_mutex;
};
