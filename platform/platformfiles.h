#pragma once
#include <cstdint>
#include <string>

// Files, drive letters and the system's own folders.
class PlatformFiles {
public:
    virtual ~PlatformFiles() = default;

    virtual std::string windowsDirectory() = 0;
    // The folder of the system's own programs (bcdedit.exe & co); empty where there is none. The
    // default is System32 below windowsDirectory().
    virtual std::string systemDirectory();
    // A platform tool's output bytes as UTF-8 (console tools write in the console's code page).
    // The default takes them as UTF-8 already.
    virtual std::string toolOutputText(const std::string& bytes) { return bytes; }
    virtual bool fileExists(const std::string& path) = 0;         // file or folder
    virtual bool createDirectory(const std::string& path) = 0;    // AlreadyExists when it is there
    virtual bool copyFile(const std::string& from, const std::string& to, bool failIfExists) = 0;
    virtual bool deleteFile(const std::string& path) = 0;
    virtual bool setFileAttributesNormal(const std::string& path) = 0;
    virtual uint32_t logicalDrives() = 0;                          // bit 0 = A:
    virtual uint32_t driveType(const std::string& rootPath) = 0;   // DRIVE_* numbers, 1 = no root dir

    // The program's own files (the resume journal) live on the machine's disks, not behind a test's
    // stand-in, so a stand-in that does not override these reaches the native backend's.
    // What was written to an open file reaches the storage before this returns (fdatasync,
    // FlushFileBuffers). `descriptor` is a C runtime descriptor, as QFile::handle() gives it.
    virtual bool syncFileData(int descriptor);
    // A file created in or removed from the folder (a native path) stays so after a power loss.
    virtual bool syncFolder(const std::string& path);
};
