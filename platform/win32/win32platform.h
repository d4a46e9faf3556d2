#pragma once
// The Windows backend of the platform seam. Compiled only on Windows.
#include "platform/platform.h"

#include <cstdint>
#include <string>

class Win32Platform : public Platform {
public:
    // Shared with Win32DeviceHandle.
    static std::wstring wide(const std::string& utf8);
    static std::string narrow(const wchar_t* text, size_t length);
    static std::string narrow(const std::wstring& text);
    // The system's message for `code` in the system's default language, trimmed; empty for 0.
    static std::string errorText(uint32_t code);
    // Stores `code` and its text as the calling thread's last error.
    static void reportError(uint32_t code);
    // Stores GetLastError() as the calling thread's last error.
    static void reportLastError();
    static void clearError();

    std::unique_ptr<DeviceHandle> openDevice(const std::string& path, DeviceAccess access,
                                             DeviceFlags flags) override;
    std::string diskRealPath(int diskNumber) override;
    bool sameDevice(const std::string& pathA, const std::string& pathB) override;
    std::vector<int> disksOfPath(const std::string& path) override;
    std::vector<int> diskNumbers() override;
    std::unique_ptr<AsyncIo> createAsyncIo(unsigned depth) override;

    std::vector<std::string> enumerateVolumes() override;
    std::vector<std::string> volumeMountPaths(const std::string& volumeName) override;
    std::string volumeNameForMountPoint(const std::string& mountPoint) override;
    bool volumeInformation(const std::string& rootPath, std::string& label,
                           std::string& fileSystemName) override;
    bool diskFreeSpace(const std::string& rootPath, uint64_t& totalBytes, uint64_t& freeBytes) override;
    bool volumeContainsPath(const std::string& volumeName, const std::string& relativePath,
                            ProcessRunner& runner) override;

    std::string windowsDirectory() override;
    std::string systemDirectory() override;
    std::vector<int> systemDiskNumbers() override;
    std::string toolOutputText(const std::string& bytes) override;
    bool fileExists(const std::string& path) override;
    bool createDirectory(const std::string& path) override;
    bool copyFile(const std::string& from, const std::string& to, bool failIfExists) override;
    bool deleteFile(const std::string& path) override;
    bool setFileAttributesNormal(const std::string& path) override;
    uint32_t logicalDrives() override;
    uint32_t driveType(const std::string& rootPath) override;

    bool firmwareType(uint32_t& type) override;
    uint32_t probeFirmwareEnvironment() override;

    bool registryKeyExists(const std::string& subKey) override;
    bool registryReadValue(const std::string& subKey, const std::string& valueName,
                           std::vector<uint8_t>& data, uint32_t& type) override;
    uint32_t registryEnumSubKeys(const std::string& subKey, std::vector<std::string>& names) override;
};
