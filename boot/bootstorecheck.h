#pragma once
#include "boot/bootabilitycheck.h"
#include "ondisk/bcddeviceelement.h"

#include <vector>

class RegistryHive;

// Whether the device elements of a boot store name partitions of the disk the store lies on,
// with a file system that can hold what they point at. The boot manager's and its default
// loader's elements must; an element of another entry naming another disk is only noted.
class BootStoreCheck {
public:
    struct Partition {
        int number = 0;
        BcdDeviceElement::Identity identity;  // as an element would name it
        bool ntfs = false;
        bool fat = false;
    };

    static std::vector<BootabilityCheck::Finding> run(RegistryHive& hive, const QString& where,
                                                      const std::vector<Partition>& partitions);
};
