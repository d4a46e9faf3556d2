#pragma once
#include "platform/posix/windowspathmapper.h"

#include <cstdint>
#include <string>
#include <sys/stat.h>

// Files and folders named the Windows way ("Z:\EFI\Boot\bootx64.efi"), reached through the drive
// letter map, with the answers Windows gives about drive letters.
class PosixFiles {
public:
    PosixFiles() = default;
    explicit PosixFiles(WindowsPathMapper paths) : m_paths(std::move(paths)) {}

    const WindowsPathMapper& paths() const { return m_paths; }
    // Native path of a Windows-form file path; empty (with lastError) for an unmapped drive letter.
    std::string nativeFilePath(const std::string& path) const;

    bool fileExists(const std::string& path) const;
    bool createDirectory(const std::string& path) const;
    bool copyFile(const std::string& from, const std::string& to, bool failIfExists) const;
    bool deleteFile(const std::string& path) const;
    bool setFileAttributesNormal(const std::string& path) const;
    uint32_t logicalDrives() const;
    uint32_t driveType(const std::string& rootPath) const;
    static bool syncFileData(int descriptor);
    static bool syncFolder(const std::string& nativePath);

private:
    static std::string matchCase(const std::string& native);
    // Native path and status of an existing file; false with lastError when it is not there.
    bool statFile(const std::string& path, std::string& native, struct stat& st) const;

    WindowsPathMapper m_paths;
};
