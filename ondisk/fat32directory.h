#pragma once
// Files of a FAT32 volume found by path through a read function: directories walked along their
// cluster chains, short and long names, every chain bounded by the volume's cluster count.
#include "ondisk/fat32bootsector.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class Fat32Directory {
public:
    // Reads `length` bytes at byte `offset` of the volume into `out`.
    using ReadFn = std::function<bool(uint64_t offset, uint64_t length, uint8_t* out)>;
    enum class Status { Ok, NotFound, ReadFailed, BadVolume, BadChain };

    struct Entry {
        std::string name;        // the long name when there is one, else the 8.3 name
        bool directory = false;
        uint32_t firstCluster = 0;
        uint32_t size = 0;
    };

    static constexpr int EntryBytes = 32;
    static constexpr int OffName = 0;
    static constexpr int NameBytes = 11;
    static constexpr int OffAttributes = 11;
    static constexpr int OffClusterHigh = 20;
    static constexpr int OffClusterLow = 26;
    static constexpr int OffSize = 28;
    static constexpr int OffLfnSequence = 0;
    static constexpr int OffLfnChecksum = 13;
    static constexpr uint8_t AttrDirectory = 0x10;
    static constexpr uint8_t AttrVolumeId = 0x08;
    static constexpr uint8_t AttrLongName = 0x0F;
    static constexpr uint8_t LfnLastFlag = 0x40;
    static constexpr uint8_t DeletedMark = 0xE5;
    static constexpr uint32_t EndOfChain = 0x0FFFFFF8;
    static constexpr uint32_t ClusterMask = 0x0FFFFFFF;

    // Decodes the boot sector; `volumeBytes` bounds the volume (0 when unknown).
    Status open(const ReadFn& read, uint64_t volumeBytes);
    // `path` with '\' or '/' between names, compared without regard to ASCII case.
    Status find(const std::string& path, Entry& out);
    // The first `maxBytes` bytes at most of a file's content.
    Status readFile(const Entry& file, std::vector<uint8_t>& out, uint64_t maxBytes);
    Status list(uint32_t directoryCluster, std::vector<Entry>& out);

    const Fat32BootSector& bootSector() const { return m_boot; }
    const std::string& lastError() const { return m_lastError; }

private:
    Status readChain(uint32_t first, uint64_t maxBytes, std::vector<uint8_t>& out);
    Status nextCluster(uint32_t cluster, uint32_t& next);
    Status fail(Status status, const std::string& why);

    ReadFn m_read;
    Fat32BootSector m_boot;
    std::vector<uint8_t> m_fatSector;
    uint64_t m_fatSectorOffset = UINT64_MAX;
    std::string m_lastError;
};
