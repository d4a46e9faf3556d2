#pragma once
#include <cstdint>
#include <string>
#include <vector>

// The bytes of a registry hive file that holds only its root key: the base block, one bin with the
// root key cell and its security cell, the rest of the bin one free cell. Hive editors open such a
// file and add keys to it; none of them can start a hive from nothing.
class EmptyHive {
public:
    static constexpr size_t BaseBlockBytes = 4096;
    static constexpr size_t BinBytes = 4096;

    // Base block
    static constexpr size_t OffSignature = 0;
    static constexpr size_t OffPrimarySequence = 4;
    static constexpr size_t OffSecondarySequence = 8;
    static constexpr size_t OffMajorVersion = 20;
    static constexpr size_t OffMinorVersion = 24;
    static constexpr size_t OffFileType = 28;
    static constexpr size_t OffFileFormat = 32;
    static constexpr size_t OffRootCell = 36;
    static constexpr size_t OffBinsSize = 40;
    static constexpr size_t OffClustering = 44;
    static constexpr size_t OffChecksum = 508;
    static constexpr uint32_t MajorVersion = 1;
    static constexpr uint32_t MinorVersion = 3;
    static constexpr uint32_t DirectMemoryLoad = 1;

    // Bin header; cell offsets count from the first bin
    static constexpr size_t OffBinSize = 8;
    static constexpr size_t BinHeaderBytes = 0x20;

    // Key node cell
    static constexpr size_t OffCellSize = 0;
    static constexpr size_t OffCellSignature = 4;
    static constexpr size_t OffKeyFlags = 6;
    static constexpr size_t OffSubKeyList = 32;
    static constexpr size_t OffVolatileSubKeyList = 36;
    static constexpr size_t OffValueList = 44;
    static constexpr size_t OffSecurity = 48;
    static constexpr size_t OffClassName = 52;
    static constexpr size_t OffKeyNameLength = 76;
    static constexpr size_t OffKeyName = 80;
    static constexpr uint16_t RootKeyFlags = 0x2C;  // hive entry, cannot be deleted, ASCII name
    static constexpr uint32_t NoCell = 0xFFFFFFFF;

    // Security cell
    static constexpr size_t OffSecurityNext = 8;
    static constexpr size_t OffSecurityPrevious = 12;
    static constexpr size_t OffReferenceCount = 16;
    static constexpr size_t OffDescriptorSize = 20;
    static constexpr size_t OffDescriptor = 24;
    static constexpr size_t DescriptorBytes = 20;  // self-relative, no owner, group or lists
    static constexpr uint8_t DescriptorRevision = 1;
    static constexpr uint16_t SelfRelative = 0x8000;
    static constexpr size_t OffDescriptorControl = 2;

    static constexpr size_t MaxRootNameBytes = 255;

    // The file for a root key called `rootName` (ASCII); empty when the name is empty or too long.
    static std::vector<uint8_t> encode(const std::string& rootName);
    // XOR of the base block's first 127 double words.
    static uint32_t checksum(const uint8_t* baseBlock);
};
