#pragma once
// Disk, volume and file handles through CreateFileW. Compiled only on Windows.
#include "platform/platformdevices.h"
#include "platform/platformfiles.h"
#include "platform/platformregistry.h"
#include "platform/platformvolumes.h"
#include "platform/win32/win32disktable.h"

class Win32Devices : public PlatformDevices {
public:
    // The system's disks are found through the Windows directory, the page files and their volumes.
    // `diskTable`: the TESSARIN_DISKS text, when the drive numbers are to name its entries.
    Win32Devices(PlatformVolumes& volumes, PlatformFiles& files, PlatformRegistry& registry,
                 const std::optional<std::string>& diskTable = {});

    std::vector<std::string> configurationMessages() override { return m_table.messages(); }

    std::unique_ptr<DeviceHandle> openDevice(const std::string& path, DeviceAccess access,
                                             DeviceFlags flags) override;
    std::unique_ptr<VolumeHandle> openVolume(const std::string& path, DeviceAccess access,
                                             DeviceFlags flags) override;
    std::string diskRealPath(int diskNumber) override;
    bool sameDevice(const std::string& pathA, const std::string& pathB) override;
    std::vector<int> disksOfPath(const std::string& path) override;
    std::vector<int> diskNumbers() override;
    std::vector<int> systemDiskNumbers() override;
    std::unique_ptr<AsyncIo> createAsyncIo(unsigned depth) override;

private:
    // The file or drive a path stands for: a table entry for a drive path when the table is in use.
    bool resolve(const std::string& path, std::string& out);
    std::vector<int> machineSystemDisks();

    PlatformVolumes& m_volumes;
    PlatformFiles& m_files;
    PlatformRegistry& m_registry;
    Win32DiskTable m_table;
};
