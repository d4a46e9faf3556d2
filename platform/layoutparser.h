#pragma once
#include "ondisk/gptpartitionentry.h"
#include "platform/platformtypes.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// Reads the drive layout a disk carries itself: a GPT (primary, else the backup) behind a
// protective MBR, or the primary entries of an MBR followed by the logical partitions of its
// extended partition, numbered from 5 as Linux numbers them. The extended container itself is
// listed like any entry; it holds no data, and callers leave it out by its type.
// All decoding works on bytes given to it; only `parse` asks for bytes, through a callback.
class LayoutParser {
public:
    // Reads `length` bytes at byte `offset` of the disk into `out`; false when it cannot.
    using ReadFn = std::function<bool(uint64_t offset, uint64_t length, uint8_t* out)>;

    // Sector 0 of a disk. False when it is not an MBR (no 0x55AA, bad boot indicators). `protective`
    // tells whether an entry of type 0xEE is present; `entries` holds the used primary entries.
    static bool parseMbr(const uint8_t* sector, size_t length, uint32_t sectorSize,
                         std::vector<PlatformLayoutEntry>& entries, bool& protective, std::string& why);
    // The logical partitions chained from the extended entry among `entries`, appended to them. The
    // chain is followed forward only, inside its container and at most MaxLogicalPartitions long;
    // where it breaks, `notes` says so and the partitions found so far stay.
    static void logicalEntries(const ReadFn& read, uint64_t diskSize, uint32_t sectorSize,
                               std::vector<PlatformLayoutEntry>& entries, std::vector<std::string>& notes);
    static constexpr int MaxLogicalPartitions = 128;
    static constexpr uint32_t FirstLogicalNumber = 5;

    // The used entries of a GPT, numbered from 1 by their slot; one that ends before it starts is
    // left out with a note.
    static void gptEntries(const std::vector<GptPartitionEntry>& entries, uint32_t sectorSize,
                           std::vector<PlatformLayoutEntry>& out, std::vector<std::string>& notes);

    // The whole decision. False only when sector 0 cannot be read, the disk is smaller than a sector
    // or the sector size is not one a disk reports. The GPT is loaded and checked as for an edit
    // (GptTable). A disk whose MBR asks for a GPT but whose primary and backup GPT are both invalid
    // is reported as Unknown with no entries: its table cannot be trusted, and listing the
    // protective entry as an MBR partition would invite MBR edits of a GPT disk. `notes` says what
    // was rejected and why.
    static bool parse(const ReadFn& read, uint64_t diskSize, uint32_t sectorSize, PlatformDriveLayout& out,
                      std::vector<std::string>& notes);
};
