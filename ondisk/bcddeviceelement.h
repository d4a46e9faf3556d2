#pragma once
#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

// The binary "Element" value of a boot-store device element (application device, OS device and
// the other elements whose format nibble says "device"). A partition device names its disk and
// partition: on GPT by disk GUID and partition unique GUID, on MBR by disk signature and the
// partition's byte offset. Every other device form (boot, locate, ramdisk, file, ...) is opaque
// here and is never rewritten.
class BcdDeviceElement {
public:
    // Value layout: 16-byte options GUID, then the device header, then the partition data.
    static constexpr size_t DeviceTypeOffset = 0x10;
    static constexpr size_t DeviceFlagsOffset = 0x14;
    static constexpr size_t DeviceSizeOffset = 0x18;  // bytes from DeviceTypeOffset to the end
    static constexpr size_t PartitionIdOffset = 0x20;  // GPT partition GUID or MBR byte offset
    static constexpr size_t PartitionStyleOffset = 0x34;
    static constexpr size_t DiskIdOffset = 0x38;       // GPT disk GUID or MBR signature
    static constexpr size_t MinimumBytes = DiskIdOffset + 16;
    // What the boot tools record for disk devices: 0x48 bytes from the device header on.
    static constexpr uint32_t StandardDeviceSize = 0x48;
    static constexpr size_t StandardValueBytes = DeviceTypeOffset + StandardDeviceSize;
    static constexpr uint32_t PartitionDevice = 6;
    static constexpr uint32_t BootDevice = 5;  // whatever device the boot application was started from
    static constexpr uint32_t BootDeviceFlags = 1;
    static constexpr uint32_t StyleGpt = 0;
    static constexpr uint32_t StyleMbr = 1;

    // Where a partition lives, in the terms the element records.
    struct Identity {
        bool gpt = false;
        std::array<uint8_t, 16> diskGuid{};
        std::array<uint8_t, 16> partitionGuid{};
        uint32_t signature = 0;
        uint64_t byteOffset = 0;

        bool operator==(const Identity& other) const;
        // "GPT disk {..} partition {..}" or "MBR disk 1234ABCD offset 1048576", for logs.
        std::string describe() const;
    };

    enum class Form { Partition, Other };

    // Whether an element type (the key name under an object's Elements, as a number) holds a device.
    static bool isDeviceType(uint32_t elementType);
    // Partition with `out` filled, or Other for every value that is not a well-formed partition device.
    static Form decode(std::span<const uint8_t> value, Identity& out);
    // Writes `identity` into a value that decodes as Partition, keeping every other byte; false
    // (value untouched) for any other value or when the partition style would change.
    static bool encode(std::vector<uint8_t>& value, const Identity& identity);
    // The value bcdedit writes for "device boot": no options, the boot device, the usual size.
    static std::vector<uint8_t> bootDevice();
    // A new partition device value naming `identity`, every other byte zero.
    static std::vector<uint8_t> make(const Identity& identity);
};
