#pragma once
#include "core/copypipeline.h"
#include "core/partitioninfo.h"
#include "filesystem/sectorrange.h"

#include <cstdint>
#include <vector>

// What a strategy copies, as byte extents for DiskIO::copyExtents. Pure: decisions in, extents out.
// Extents are widened to whole device sectors and merged where both sides run on, so one extent
// serves a whole run of used clusters however the usage map split it.
class CopyPlan {
public:
    static constexpr uint64_t MiB = 1048576;
    // Boot record and partition table; also the smallest metadata region of a smart copy.
    static constexpr uint64_t TableRegionBytes = MiB;
    static constexpr uint32_t MetadataClusters = 256;

    explicit CopyPlan(uint32_t sectorSize = 512) : m_sectorSize(sectorSize ? sectorSize : 512) {}

    void add(uint64_t sourceOffset, uint64_t targetOffset, uint64_t length);
    void addInPlace(uint64_t offset, uint64_t length) { add(offset, offset, length); }
    // The used part of a partition of `partitionBytes`: its metadata region, then every range
    // (512-byte units from the partition start). False, adding nothing, when a range leaves the
    // partition: a map that does not fit its partition is not to be trusted with a partial copy.
    bool addUsed(uint64_t sourceOffset, uint64_t targetOffset, uint64_t partitionBytes, const SectorRanges& ranges,
                 uint32_t clusterSize);
    // Boot sectors, the MFT's start and the first FAT live here whatever the map says.
    static uint64_t metadataBytes(uint32_t clusterSize);

    // Partitions that are copied in full even with smart copy on: what boots the machine, what
    // recovers it and the Windows volume itself.
    static bool isBootCritical(const PartitionInfo& partition, bool windowsVolume);

    // Sorted by source offset and merged.
    std::vector<CopyExtent> extents() const;
    uint64_t totalBytes() const;
    bool isEmpty() const { return m_extents.empty(); }
    uint32_t sectorSize() const { return m_sectorSize; }

private:
    uint32_t m_sectorSize;
    std::vector<CopyExtent> m_extents;
};
