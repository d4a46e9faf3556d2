#pragma once
#include "platform/platform.h"

#include <QMap>
#include <QSet>
#include <QString>
#include <QStringList>

// A platform for the boot tests: a set of existing Windows paths, letters in use, a firmware
// answer, an offline registry and disks backed by image files.
class ScriptedPlatform : public Platform {
public:
    // --- what the test sets up ---
    void addFile(const QString& path);
    void removeFile(const QString& path);
    void removeUnder(const QString& prefix);  // every path that starts with `prefix`
    bool hasFile(const QString& path) const;
    QSet<QChar> usedLetters;
    QMap<int, QString> diskImages;           // disk number -> image file
    QMap<QString, QString> volumeNames;      // "S:\" -> "\\?\Volume{...}\"
    bool firmwareCallOk = true;
    uint32_t firmware = 2;
    uint32_t probeError = PlatformError::InvalidFunction;
    bool failCopy = false;
    QSet<QString> registryKeys;                      // sub-keys without the root
    QMap<QString, std::vector<uint8_t>> registryValues;  // key + "|" + value name
    QMap<QString, QStringList> registrySubKeys;
    uint32_t enumStatus = PlatformError::NoMoreItems;
    void setDword(const QString& key, const QString& name, uint32_t value);
    void addRegistryKey(const QString& k) { registryKeys.insert(k.toLower()); }

    // --- what the test reads back ---
    QStringList copies;        // "from -> to"
    QStringList deletions;
    QStringList normalized;    // setFileAttributesNormal calls
    int deviceOpens = 0;

    std::unique_ptr<DeviceHandle> openDevice(const std::string& path, DeviceAccess access, DeviceFlags flags) override;
    std::string diskRealPath(int diskNumber) override;
    bool sameDevice(const std::string& a, const std::string& b) override { return a == b; }
    std::vector<std::string> enumerateVolumes() override { return {}; }
    std::vector<std::string> volumeMountPaths(const std::string&) override { return {}; }
    std::string volumeNameForMountPoint(const std::string& mountPoint) override;
    bool volumeInformation(const std::string&, std::string&, std::string&) override { return false; }
    bool diskFreeSpace(const std::string&, uint64_t&, uint64_t&) override { return false; }
    std::string windowsDirectory() override { return "C:\\Windows"; }
    bool fileExists(const std::string& path) override;
    bool createDirectory(const std::string& path) override;
    bool copyFile(const std::string& from, const std::string& to, bool failIfExists) override;
    bool deleteFile(const std::string& path) override;
    bool setFileAttributesNormal(const std::string& path) override;
    uint32_t logicalDrives() override;
    uint32_t driveType(const std::string& rootPath) override;
    bool firmwareType(uint32_t& type) override;
    uint32_t probeFirmwareEnvironment() override { return probeError; }
    bool registryKeyExists(const std::string& subKey) override;
    bool registryReadValue(const std::string& subKey, const std::string& valueName, std::vector<uint8_t>& data,
                           uint32_t& type) override;
    uint32_t registryEnumSubKeys(const std::string& subKey, std::vector<std::string>& names) override;

private:
    static QString key(const QString& path);
    QSet<QString> m_files;
};
