#pragma once
// Decoder of an NTFS data-run list (mapping pairs), bounded by its buffer and by the volume.
// No Qt, so it can be fuzzed.
#include <cstddef>
#include <cstdint>
#include <vector>

struct NtfsRun {
    uint8_t header = 0;
    uint8_t lengthBytes = 0;
    uint8_t offsetBytes = 0;
    uint64_t length = 0;   // clusters
    int64_t offset = 0;    // relative to the previous run's cluster
    uint64_t cluster = 0;  // absolute; meaningless for a sparse run
    bool sparse = false;   // no offset field: a hole that occupies no clusters
};

class NtfsRunList {
public:
    enum class Status {
        Ok,              // ended at a zero header byte
        Truncated,       // the buffer ended before the zero header or inside a run
        FieldTooWide,    // a length or offset field wider than 8 bytes
        ZeroLength,      // a header without length field, or a run of 0 clusters
        OutsideVolume,   // a run that starts before cluster 0 or reaches past totalClusters
    };

    // Decodes runs from `data` (at most `size` bytes) into `runs`, appending until the end
    // marker or the first fault; the runs before a fault stay for the log.
    static Status decode(const uint8_t* data, size_t size, uint64_t totalClusters, std::vector<NtfsRun>& runs);
};
