#pragma once
// What a path reaches, as far as Windows tells: the file it opens and/or the storage device
// behind it. Free of windows.h so the comparison rule is tested on any system.
#include <array>
#include <cstdint>

class Win32DeviceIdentity {
public:
    // From GetFileInformationByHandle.
    bool hasFileIndex = false;
    uint32_t volumeSerial = 0;
    uint64_t fileIndex = 0;
    // From the 128-bit file id (unique also on file systems whose 64-bit index is not).
    bool hasFileId128 = false;
    uint64_t volumeSerial64 = 0;
    std::array<uint8_t, 16> fileId128{};
    // From the storage device number request.
    bool hasDeviceNumber = false;
    uint32_t deviceType = 0;
    uint32_t deviceNumber = 0;
    uint32_t partitionNumber = 0;

    // File identity decides when both sides have one: two files on one disk share the disk's
    // device number. Device numbers decide between raw devices. Anything else is different.
    bool sameAs(const Win32DeviceIdentity& other) const;
    bool known() const { return hasFileIndex || hasFileId128 || hasDeviceNumber; }
};
