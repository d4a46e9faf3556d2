#pragma once
// Files, drive letters and the system folders. Compiled only on Windows.
#include "platform/platformfiles.h"

class Win32Files : public PlatformFiles {
public:
    std::string windowsDirectory() override;
    std::string systemDirectory() override;
    std::string toolOutputText(const std::string& bytes) override;
    bool fileExists(const std::string& path) override;
    bool createDirectory(const std::string& path) override;
    bool copyFile(const std::string& from, const std::string& to, bool failIfExists) override;
    bool deleteFile(const std::string& path) override;
    bool setFileAttributesNormal(const std::string& path) override;
    uint32_t logicalDrives() override;
    uint32_t driveType(const std::string& rootPath) override;
    bool syncFileData(int descriptor) override;
    bool syncFolder(const std::string& path) override;
};
