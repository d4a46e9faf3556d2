#pragma once
#include <cstddef>
#include <cstdint>

// Names and numbers of a boot store as a registry hive: the keys objects and elements live under,
// the well-known object identifiers, object types and element types. An element's key name is its
// type in eight hex digits; bits 24..27 of the type give the value's format.
class BcdStoreLayout {
public:
    // Keys and values
    static constexpr const char* ObjectsKey = "Objects";
    static constexpr const char* ElementsKey = "Elements";
    static constexpr const char* DescriptionKey = "Description";
    static constexpr const char* TypeValue = "Type";
    static constexpr const char* ElementValue = "Element";
    // The store's own description under the root: its key name, and whether it is the system store.
    static constexpr const char* StoreKeyNameValue = "KeyName";
    static constexpr const char* StoreKeyName = "BCD00000000";
    static constexpr const char* SystemStoreValue = "System";
    static constexpr const char* TreatAsSystemValue = "TreatAsSystem";
    static constexpr const char* HiveRootName = "NewStoreRoot";

    // Well-known objects
    static constexpr const char* BootManagerObject = "{9dea862c-5cdd-4e70-acc1-f32b344d4795}";
    static constexpr const char* GlobalSettingsObject = "{7ea2e1ac-2e61-4728-aaa3-896d9d0a9f0e}";
    static constexpr const char* BootLoaderSettingsObject = "{6efb52bf-1766-41db-a6b3-0ee5eff72bd7}";

    // Object types (the Description key's Type value)
    static constexpr uint32_t BootManagerObjectType = 0x10100002;
    static constexpr uint32_t OsLoaderObjectType = 0x10200003;
    static constexpr uint32_t InheritableObjectType = 0x20100000;

    // Element formats (bits 24..27)
    static constexpr uint32_t FormatShift = 24;
    static constexpr uint32_t FormatMask = 0x0F;
    static constexpr uint32_t DeviceFormat = 1;
    static constexpr uint32_t StringFormat = 2;
    static constexpr uint32_t ObjectFormat = 3;
    static constexpr uint32_t ObjectListFormat = 4;
    static constexpr uint32_t IntegerFormat = 5;
    static constexpr uint32_t BooleanFormat = 6;

    // Value data: booleans are one byte, integers eight bytes little-endian, both REG_BINARY.
    static constexpr size_t BooleanBytes = 1;
    static constexpr size_t IntegerBytes = 8;
    static constexpr uint64_t BootStatusIgnoreAllFailures = 1;

    // Library elements (any application)
    static constexpr uint32_t ApplicationDevice = 0x11000001;
    static constexpr uint32_t ApplicationPath = 0x12000002;
    static constexpr uint32_t Description = 0x12000004;
    static constexpr uint32_t PreferredLocale = 0x12000005;
    static constexpr uint32_t InheritedObjects = 0x14000006;
    static constexpr uint32_t RecoverySequence = 0x14000008;
    static constexpr uint32_t AutoRecoveryEnabled = 0x16000009;
    static constexpr uint32_t DisableIntegrityChecks = 0x16000048;

    // Boot manager elements
    static constexpr uint32_t DisplayOrder = 0x24000001;
    static constexpr uint32_t DefaultObject = 0x23000003;
    static constexpr uint32_t Timeout = 0x25000004;

    // Windows loader elements
    static constexpr uint32_t OsDevice = 0x21000001;
    static constexpr uint32_t SystemRoot = 0x22000002;
    static constexpr uint32_t NxPolicy = 0x25000020;
    static constexpr uint32_t DetectKernelAndHal = 0x26000010;
    static constexpr uint32_t WinPeMode = 0x26000022;
    static constexpr uint32_t BootStatusPolicy = 0x250000E0;

    static constexpr uint32_t formatOf(uint32_t elementType) { return (elementType >> FormatShift) & FormatMask; }
};
